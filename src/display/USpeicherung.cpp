#include "display/USpeicherung.h"

#include "shell/UStoerungen.h"

#include <QCoreApplication>

namespace {
// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TSpeicherung)
};

QString Zeilen(const QString &a, const QString &b) {
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QLatin1Char('\n') + b;
}
} // namespace

// ---------------------------------------------------------------------------
// TDatensatzAbruf

TDatensatzAbruf::TDatensatzAbruf(TKommunikation &komm, TDataFile &datei, int plant)
    : m_komm(komm), m_datei(datei), m_plant(plant) {
}

qint32 TDatensatzAbruf::Platz(qint32 angekuendigt) {
    m_grund.clear();
    const qint32 platz = m_datei.PlatzFuer(angekuendigt);
    if (platz >= angekuendigt)
        return angekuendigt;
    // A record the controller has sent may be gone from its memory: no more
    // are asked for than the disk takes; the others wait there.
    m_grund = platz == 0
                  ? TTexte::tr("Die Datensätze bleiben in der Steuerung, bis Platz geschaffen ist:")
                  : TTexte::tr("Nur %1 von %2 Datensätzen haben Platz; %3 bleiben in der Steuerung, bis "
                               "Platz geschaffen ist:")
                        .arg(platz)
                        .arg(angekuendigt)
                        .arg(angekuendigt - platz);
    m_grund += QLatin1Char('\n') + m_datei.LastError();
    return platz;
}

TDatensatzAbruf::TSchritt TDatensatzAbruf::Naechster() {
    TZustand &z = m_komm.Zustand;
    const auto nr = static_cast<quint8>(m_plant);
    m_grund.clear();
    // A reply lost on a noisy line is asked for once more, as the other
    // operations do; a request refused because another one waits is not.
    bool antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
    if (!antwort && z.TimeoutAbgelaufen)
        antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
    if (!antwort)
        return z.TimeoutAbgelaufen ? TSchritt::KeineAntwort : TSchritt::Abgewiesen;
    if (m_datei.WriteDataRecord(m_plant, TSpeicherung::ZeitText(z), z.DatensatzWerte))
        return TSchritt::Geschrieben;
    m_grund =
        Zeilen(m_datei.LastError(),
               TTexte::tr("Der Datensatz wird im Speicher gehalten und geschrieben, sobald der Datenträger "
                          "ihn annimmt; bis dahin wird nichts mehr ausgelesen."));
    if (m_datei.Gehalten().Ungesichert())
        m_grund = Zeilen(m_grund, m_datei.Gehalten().Fehler());
    return TSchritt::Gehalten;
}

// ---------------------------------------------------------------------------
// TSpeicherung

TSpeicherung::TSpeicherung(TKommunikation &komm, TDataFile &datei, ISpeicherAnzeige &anzeige)
    : m_komm(komm), m_datei(datei), m_anzeige(anzeige) {
}

QString TSpeicherung::ZeitText(const TZustand &z) {
    return z.DsTag + QLatin1Char('.') + z.DsMonat + QLatin1Char('.') + z.DsJahr + QStringLiteral("  ") +
           z.DsStunde + QLatin1Char(':') + z.DsMinute;
}

bool TSpeicherung::StoreControllerRecords() {
    return auslesen(m_komm.Zustand.AktAnlage, true);
}

bool TSpeicherung::StoreControllerRecordsQuiet(int plant) {
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    const tAnlageParameter &a = m_komm.Zustand.Anlagen[static_cast<size_t>(plant)];
    if (a.Angeschlossen == 0 || a.Eingeschaltet == 0) {
        m_fehler.clear();
        m_gelesen = 0;
        m_ergebnis = TErgebnis::Gesichert;
        if (m_datei.Gehalten().Anzahl(plant) == 0)
            return true;
        // Records kept for it from a readout before its pile ended (or
        // before the program was restarted) go into their file all the same.
        const bool ok = m_datei.GehalteneSchreiben(plant);
        if (!ok) {
            m_fehler = TTexte::tr("Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden:")
                           .arg(plant) +
                       QLatin1Char('\n') + m_datei.LastError();
            m_ergebnis = TErgebnis::Fehler;
        } else if (!m_datei.KonfigurationsFehler().isEmpty()) {
            m_fehler = m_datei.KonfigurationsFehler();
            m_ergebnis = TErgebnis::KonfigurationNichtGeschrieben;
        }
        melden(plant, ok, 0);
        return ok;
    }
    return auslesen(plant, false);
}

bool TSpeicherung::StoreLeftoverRecords(int plant, const QString &datei) {
    if (datei.isEmpty()) {
        // Without the earlier file's name nothing is read: the plant's own
        // file would be a new pile's. The writer says it in its words.
        m_datei.OpenEarlierDataFile(plant, datei);
        m_fehler = m_datei.LastError();
        m_ergebnis = TErgebnis::Fehler;
        m_gelesen = 0;
        m_angekuendigt = -1;
        melden(plant, false, 0);
        return false;
    }
    return auslesen(plant, false, datei);
}

bool TSpeicherung::LeseAnzahl(int plant, qint32 &anzahl) {
    anzahl = 0;
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    TZustand &z = m_komm.Zustand;
    z.TimeoutAbgelaufen = false;
    if (!m_komm.Operationen.LeseAnzahlDaten(static_cast<quint8>(plant)))
        return false;
    anzahl = z.AnzahlDaten;
    if (m_ereignisse)
        m_ereignisse->Speicherstand(plant, anzahl);
    return true;
}

void TSpeicherung::melden(int plant, bool ok, qint32 gelesen) {
    if (m_ereignisse)
        m_ereignisse->Auslesung(plant, ok, gelesen, ok ? QString() : m_fehler);
    if (m_stoerungen)
        m_stoerungen->Melden(TStoerung::Auslesung, plant, !ok, m_fehler);
}

bool TSpeicherung::auslesen(int plant, bool mitMeldungen, const QString &datei) {
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    qint32 gelesen = 0;
    const bool ok = auslesen(plant, mitMeldungen, datei, gelesen);
    m_gelesen = gelesen;
    melden(plant, ok, gelesen);
    return ok;
}

bool TSpeicherung::auslesen(int plant, bool mitMeldungen, const QString &datei, qint32 &gelesen) {
    TZustand &z = m_komm.Zustand;
    m_fehler.clear();
    m_ergebnis = TErgebnis::Fehler;
    m_abbrechen = false;
    m_angekuendigt = -1;
    // Every message of a readout says what went wrong.
    auto meldung = [&](const QString &text) {
        if (mitMeldungen)
            m_anzeige.Warnung(text);
    };
    const QString nichtGespeichert =
        TTexte::tr("Daten wurden nicht korrekt gespeichert!!\nBitte Speichermedium überprüfen !!");

    if (m_komm.Abfrage.Wartet()) {
        // Started from inside another exchange: every request would be
        // refused, and a readout that asked nothing has not succeeded.
        m_fehler =
            TTexte::tr("Die Speicherdaten der Anlage %1 können jetzt nicht ausgelesen werden: eine andere "
                       "Anfrage wartet noch.")
                .arg(plant);
        return false;
    }
    // Records kept from an earlier readout go first; while the disk still
    // refuses them, nothing more is asked of the controller.
    if (!m_datei.GehalteneSchreiben(plant)) {
        m_fehler = TTexte::tr("Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis "
                              "dahin bleiben die neuen in der Steuerung:")
                       .arg(plant) +
                   QLatin1Char('\n') + m_datei.LastError();
        meldung(nichtGespeichert + QLatin1Char('\n') + m_fehler);
        return false;
    }
    const QString konfigVorher = m_datei.KonfigurationsFehler();
    if (datei.isEmpty() ? !m_datei.OpenDataFile(plant) : !m_datei.OpenEarlierDataFile(plant, datei)) {
        m_fehler = m_datei.LastError();
        meldung(TTexte::tr("Speicherdatei kann nicht geöffnet werden !") + QLatin1Char('\n') + m_fehler);
        return false;
    }

    bool schreibFehler = false;
    bool abgebrochen = false;
    bool platzFehlt = false;
    qint32 angekuendigt = 0;
    if (!LeseAnzahl(plant, angekuendigt)) {
        QString text =
            TTexte::tr("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");
        // No connection: the operator hears why, not only that it failed.
        if (m_komm.Verbindung.Getrennt())
            text += QLatin1Char('\n') + m_komm.Verbindung.KeineVerbindungText();
        meldung(text);
        if (z.TimeoutAbgelaufen)
            m_fehler = text;
    } else {
        TDatensatzAbruf abruf(m_komm, m_datei, plant);
        m_angekuendigt = angekuendigt;
        const qint32 platz = abruf.Platz(angekuendigt);
        const QString platzGrund = abruf.Grund();
        platzFehlt = platz < angekuendigt;
        if (platz > 0) {
            m_anzeige.AnzahlAnzeigen(QString::number(m_datei.LetzteNummer() + platz));
            m_anzeige.FortschrittZeigen(platz);
            while (gelesen < platz && !m_abbrechen) {
                const TDatensatzAbruf::TSchritt schritt = abruf.Naechster();
                if (schritt == TDatensatzAbruf::TSchritt::KeineAntwort) {
                    // Any failed request ends the readout; the rest waits in the controller.
                    meldung(m_komm.Verbindung.KeineAntwortText());
                    m_fehler = TTexte::tr("Keine Antwort auf die Anfrage nach Datensatz %1 von %2.")
                                   .arg(gelesen + 1)
                                   .arg(angekuendigt);
                    abgebrochen = true;
                    break;
                }
                if (schritt == TDatensatzAbruf::TSchritt::Abgewiesen) {
                    m_fehler =
                        TTexte::tr(
                            "Die Anfrage nach Datensatz %1 wurde abgewiesen: eine andere Anfrage wartet "
                            "noch.")
                            .arg(gelesen + 1);
                    abgebrochen = true;
                    break;
                }
                m_anzeige.FortschrittSchritt();
                ++gelesen;
                if (schritt == TDatensatzAbruf::TSchritt::Gehalten) {
                    schreibFehler = true;
                    m_fehler = abruf.Grund();
                    break;
                }
            }
            m_anzeige.FortschrittVerbergen();
            if (m_abbrechen && !abgebrochen && !schreibFehler && gelesen < platz) {
                abgebrochen = true;
                m_fehler = TTexte::tr("Die Auslesung wurde nach %1 von %2 Datensätzen beendet; die übrigen "
                                      "bleiben in der Steuerung.")
                               .arg(gelesen)
                               .arg(angekuendigt);
            }
        }
        if (platzFehlt) {
            meldung(platzGrund);
            m_fehler = Zeilen(m_fehler, platzGrund);
        }
    }

    // A file that cannot be written out loses records the controller may
    // already have forgotten: that is a failed readout, whatever else went well.
    if (!m_datei.CloseDataFile(plant)) {
        schreibFehler = true;
        if (m_fehler.isEmpty())
            m_fehler = m_datei.LastError();
    }
    const QString konfig = konfigVorher.isEmpty() ? m_datei.KonfigurationsFehler() : konfigVorher;
    m_anzeige.AnzahlAnzeigen(QString());
    if (schreibFehler)
        meldung(nichtGespeichert + (m_fehler.isEmpty() ? QString() : QLatin1Char('\n') + m_fehler));
    const bool ok = !schreibFehler && !abgebrochen && !platzFehlt && !z.TimeoutAbgelaufen;
    if (ok) {
        // The records are saved; a configuration that could not take the
        // count or the file name is another matter, and said so.
        m_ergebnis = konfig.isEmpty() ? TErgebnis::Gesichert : TErgebnis::KonfigurationNichtGeschrieben;
        m_fehler = konfig;
    }
    return ok;
}

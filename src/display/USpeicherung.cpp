#include "display/USpeicherung.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"
#include "shell/UStoerungen.h"

#include <QCoreApplication>

#include <array>

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

QString TDatensatzAbruf::RohZeile(const TZustand &z, QString &welche) {
    welche.clear();
    const QList<QByteArray> &felder = z.DsFelder;
    // The fields of the 'G' reply, in their order.
    static const char *const Namen[15] = {
        "T100",
        "T75",
        "T50",
        "T25",
        "T0",
        "O2",
        QT_TRANSLATE_NOOP("TSpeicherung", "Betriebsart"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Statuswert"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Minute"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Stunde"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Tag"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Monat"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Jahr"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Laufzeit"),
        QT_TRANSLATE_NOOP("TSpeicherung", "Zyklen"),
    };
    QStringList schlecht;
    std::array<bool, 15> lesbar{};
    std::array<qint32, 15> wert{};
    for (int i = 0; i < 15; ++i) {
        lesbar[static_cast<size_t>(i)] =
            i < felder.size() && KompUtils::AlsGanzzahl(felder.at(i), wert[static_cast<size_t>(i)]);
        // The status value stands in no column of the data file.
        if (!lesbar[static_cast<size_t>(i)] && i != 7)
            schlecht.append(QStringLiteral("%1 \u201E%2\u201C")
                                .arg(TTexte::tr(Namen[i]), i < felder.size()
                                                               ? KompUtils::Maskiert(felder.at(i))
                                                               : TTexte::tr("fehlt")));
    }
    const QString zeit = TSpeicherung::ZeitText(z);
    const bool zeitLesbar = TMessDaten::ZeitLesbar(zeit);
    if (schlecht.isEmpty() && zeitLesbar)
        return QString();
    if (schlecht.isEmpty())
        schlecht.append(TTexte::tr("Speicherzeit „%1“").arg(KompUtils::Einzeilig(zeit)));
    welche = schlecht.join(QStringLiteral(", "));

    const auto roh = [&](int i) { return i < felder.size() ? Cp1252::decode(felder.at(i)) : QString(); };
    const auto breit5 = [](qint32 n) { return QString::number(n).rightJustified(5, QLatin1Char(' ')); };
    QStringList spalten{zeit};
    bool temperaturen = true;
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<size_t>(i);
        temperaturen = temperaturen && lesbar[k];
        spalten.append(lesbar[k] ? breit5(wert[k] / 10) : roh(i));
    }
    // The reference depth is computed from the temperatures, never received.
    spalten.append(temperaturen ? breit5(z.DatensatzWerte.RefMarke) : QStringLiteral("    -"));
    if (lesbar[5]) {
        QString o2 = QString::number(wert[5] / 10.0, 'f', 1);
        o2.replace(QLatin1Char('.'), QLatin1Char(','));
        spalten.append(o2.rightJustified(5, QLatin1Char(' ')));
    } else {
        spalten.append(roh(5));
    }
    spalten.append(lesbar[6] ? QString::number(wert[6] & 0xFF) : roh(6));
    spalten.append(lesbar[13] ? breit5(wert[13]) : roh(13));
    spalten.append(lesbar[14] ? breit5(wert[14]) : roh(14));
    return spalten.join(QLatin1Char(';')) + QLatin1Char(';');
}

TDatensatzAbruf::TSchritt TDatensatzAbruf::Naechster() {
    TZustand &z = m_komm.Zustand;
    const auto nr = static_cast<quint8>(m_plant);
    m_grund.clear();
    m_unlesbar.clear();
    // A reply lost on a noisy line is asked for once more, as the other
    // operations do; a request refused because another one waits is not.
    bool antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
    if (!antwort && z.TimeoutAbgelaufen)
        antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
    if (!antwort)
        return z.TimeoutAbgelaufen ? TSchritt::KeineAntwort : TSchritt::Abgewiesen;
    // A record the controller sent garbled is its only copy: it goes into
    // the file as it came, where every reader counts it unreadable.
    QString welche;
    const QString roh = RohZeile(z, welche);
    const bool geschrieben =
        m_datei.WriteDataRecord(m_plant, TSpeicherung::ZeitText(z), z.DatensatzWerte, roh);
    if (!roh.isEmpty()) {
        m_unlesbar = geschrieben
                         ? TTexte::tr("Datensatz %1 mit unlesbaren Feldern (%2) wurde so gespeichert, wie "
                                      "er kam.")
                               .arg(m_datei.LetzteNummer())
                               .arg(welche)
                         : TTexte::tr("Ein Datensatz mit unlesbaren Feldern (%1) wird gehalten, wie er kam.")
                               .arg(welche);
        m_komm.Protokoll.Log(TTexte::tr("Anlage %1: %2").arg(m_plant).arg(m_unlesbar));
    }
    if (geschrieben)
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

QString TSpeicherung::TextUnmoeglicheAnzahl(qint32 anzahl) {
    return TTexte::tr("Die Steuerung meldet %1 gespeicherte Datensätze; möglich sind 0 bis 1000. Es wurde "
                      "nichts ausgelesen.")
        .arg(anzahl);
}

bool TSpeicherung::LeseAnzahl(int plant, qint32 &anzahl) {
    anzahl = 0;
    m_unmoeglich.reset();
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    TZustand &z = m_komm.Zustand;
    z.TimeoutAbgelaufen = false;
    std::optional<qint32> empfangen;
    if (!m_komm.Operationen.LeseAnzahlDaten(static_cast<quint8>(plant), &empfangen)) {
        m_unmoeglich = empfangen;
        return false;
    }
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
    bool anzahlUnmoeglich = false;
    QStringList unlesbar; // records that came with fields that cannot be read
    qint32 angekuendigt = 0;
    if (!LeseAnzahl(plant, angekuendigt)) {
        QString text =
            TTexte::tr("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");
        // No connection: the operator hears why, not only that it failed.
        if (m_komm.Verbindung.Getrennt())
            text += QLatin1Char('\n') + m_komm.Verbindung.KeineVerbindungText();
        // A count no controller can hold is no reason to ask for nothing
        // in silence: the readout has failed, and says what came.
        if (m_unmoeglich) {
            anzahlUnmoeglich = true;
            text += QLatin1Char('\n') + TextUnmoeglicheAnzahl(*m_unmoeglich);
        }
        meldung(text);
        if (z.TimeoutAbgelaufen || anzahlUnmoeglich)
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
                if (abruf.LetzterUnlesbar())
                    unlesbar.append(abruf.Unlesbar());
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
        // Kept as they came, but no readings: the readout has not brought
        // every record readable into the file, and says which.
        if (!unlesbar.isEmpty()) {
            const QString text = unlesbar.join(QLatin1Char('\n'));
            meldung(text);
            m_fehler = Zeilen(m_fehler, text);
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
    const bool ok = !schreibFehler && !abgebrochen && !platzFehlt && !anzahlUnmoeglich &&
                    unlesbar.isEmpty() && !z.TimeoutAbgelaufen;
    if (ok) {
        // The records are saved; a configuration that could not take the
        // count or the file name is another matter, and said so.
        m_ergebnis = konfig.isEmpty() ? TErgebnis::Gesichert : TErgebnis::KonfigurationNichtGeschrieben;
        m_fehler = konfig;
    }
    return ok;
}

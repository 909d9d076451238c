#include "display/USpeicherung.h"

#include <QCoreApplication>

namespace {
// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TSpeicherung)
};
} // namespace

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
    if (a.Angeschlossen == 0 || a.Eingeschaltet == 0)
        return true;
    return auslesen(plant, false);
}

bool TSpeicherung::auslesen(int plant, bool mitMeldungen) {
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    qint32 gelesen = 0;
    const bool ok = auslesen(plant, mitMeldungen, gelesen);
    if (m_ereignisse)
        m_ereignisse->Auslesung(plant, ok, gelesen, m_fehler);
    return ok;
}

bool TSpeicherung::auslesen(int plant, bool mitMeldungen, qint32 &gelesen) {
    TZustand &z = m_komm.Zustand;
    m_fehler.clear();
    const auto nr = static_cast<quint8>(plant);
    auto meldung = [&](const QString &text) {
        if (mitMeldungen)
            m_anzeige.Meldung(text);
    };

    if (m_komm.Abfrage.Wartet()) {
        // Started from inside another exchange: every request would be
        // refused, and a readout that asked nothing has not succeeded.
        m_fehler =
            TTexte::tr("Die Speicherdaten der Anlage %1 können jetzt nicht ausgelesen werden: eine andere "
                       "Anfrage wartet noch.")
                .arg(plant);
        return false;
    }
    if (!m_datei.OpenDataFile(plant)) {
        m_fehler = m_datei.LastError();
        meldung(TTexte::tr("Speicherdatei kann nicht geöffnet werden !") + QLatin1Char('\n') + m_fehler);
        return false;
    }

    bool schreibFehler = false;
    bool abgebrochen = false;
    z.TimeoutAbgelaufen = false;
    const bool anzahlGelesen = m_komm.Operationen.LeseAnzahlDaten(nr);
    if (anzahlGelesen && m_ereignisse)
        m_ereignisse->Speicherstand(plant, z.AnzahlDaten);
    if (!anzahlGelesen) {
        meldung(
            TTexte::tr("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !"));
    } else if (!m_datei.PlatzFuer(z.AnzahlDaten)) {
        // A record the controller has sent may be gone from its memory: ask
        // for none unless every announced one fits on the disk.
        m_fehler = m_datei.LastError();
        meldung(TTexte::tr("Die Datensätze bleiben in der Steuerung, bis Platz geschaffen ist:") +
                QLatin1Char('\n') + m_fehler);
        abgebrochen = true;
    } else {
        const qint32 angekuendigt = z.AnzahlDaten;
        m_anzeige.AnzahlAnzeigen(QString::number(z.Anlagen[nr].Anzahl + angekuendigt));
        m_anzeige.FortschrittZeigen(angekuendigt);
        while (gelesen < angekuendigt && !schreibFehler) {
            // A reply lost on a noisy line is asked for once more, as the
            // other operations do; a request refused because another one
            // waits is not.
            bool antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
            if (!antwort && z.TimeoutAbgelaufen)
                antwort = m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz);
            if (!antwort) {
                // Any failed request ends the readout; the rest waits in the controller.
                if (z.TimeoutAbgelaufen) {
                    meldung(TTexte::tr(
                        "TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- Einstellung "
                        "überprüfen!Bitte Kabel und PC- Einstellung überprüfen!"));
                    m_fehler = TTexte::tr("Keine Antwort auf die Anfrage nach Datensatz %1 von %2.")
                                   .arg(gelesen + 1)
                                   .arg(angekuendigt);
                } else {
                    m_fehler =
                        TTexte::tr(
                            "Die Anfrage nach Datensatz %1 wurde abgewiesen: eine andere Anfrage wartet "
                            "noch.")
                            .arg(gelesen + 1);
                }
                abgebrochen = true;
                break;
            }
            m_anzeige.FortschrittSchritt();
            ++gelesen;
            if (!m_datei.WriteDataRecord(plant, ZeitText(z), z.DatensatzWerte)) {
                schreibFehler = true;
                m_fehler = m_datei.LastError();
            }
        }
        m_anzeige.FortschrittVerbergen();
    }

    // A file that cannot be written out loses records the controller may
    // already have forgotten: that is a failed readout, whatever else went well.
    if (!m_datei.CloseDataFile(plant)) {
        schreibFehler = true;
        if (m_fehler.isEmpty())
            m_fehler = m_datei.LastError();
    }
    m_anzeige.AnzahlAnzeigen(QString());
    if (schreibFehler)
        meldung(TTexte::tr("Daten wurden nicht korrekt gespeichert!!\nBitte Speichermedium überprüfen !!") +
                (m_fehler.isEmpty() ? QString() : QLatin1Char('\n') + m_fehler));
    return !schreibFehler && !abgebrochen && !z.TimeoutAbgelaufen;
}

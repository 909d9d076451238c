#include "display/USpeicherung.h"

#include <QCoreApplication>

namespace {
QString tr(const char *text) {
    return QCoreApplication::translate("TSpeicherung", text);
}
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
    TZustand &z = m_komm.Zustand;
    if (plant < 1 || plant > MaxAnlagen)
        return false;
    const auto nr = static_cast<quint8>(plant);
    auto meldung = [&](const char *text) {
        if (mitMeldungen)
            m_anzeige.Meldung(tr(text));
    };

    if (!m_datei.OpenDataFile(plant)) {
        meldung("Speicherdatei kann nicht geöffnet werden !");
        return false;
    }

    bool schreibFehler = false;
    // Any failed record request ends the loop, also one refused because
    // another request waits, which sets no timeout.
    bool anfrageFehler = false;
    z.TimeoutAbgelaufen = false;
    if (!m_komm.Operationen.LeseAnzahlDaten(nr)) {
        meldung("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");
    } else {
        const qint32 angekuendigt = z.AnzahlDaten;
        m_anzeige.AnzahlAnzeigen(QString::number(z.Anlagen[nr].Anzahl + angekuendigt));
        m_anzeige.FortschrittZeigen(angekuendigt);
        qint32 gelesen = 0;
        while (gelesen < angekuendigt && !anfrageFehler && !schreibFehler) {
            if (m_komm.Abfrage.SendeUndWarte(z.TimeoutLang, nr, Befehle::Datensatz)) {
                m_anzeige.FortschrittSchritt();
                ++gelesen;
                if (!m_datei.WriteDataRecord(plant, ZeitText(z), z.DatensatzWerte))
                    schreibFehler = true;
            } else {
                anfrageFehler = true;
                meldung("TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- Einstellung "
                        "überprüfen!Bitte Kabel und PC- Einstellung überprüfen!");
            }
        }
        m_anzeige.FortschrittVerbergen();
    }

    // A file that cannot be written out loses records the controller may
    // already have forgotten: that is a failed readout, whatever else went well.
    if (!m_datei.CloseDataFile(plant))
        schreibFehler = true;
    m_anzeige.AnzahlAnzeigen(QString());
    if (schreibFehler)
        meldung("Daten wurden nicht korrekt gespeichert!!\nBitte Speichermedium überprüfen !!");
    return !schreibFehler && !anfrageFehler && !z.TimeoutAbgelaufen;
}

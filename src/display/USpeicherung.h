// The controller-memory readout: copies every record waiting in a plant's
// controller into the plant's data file, one 'G' request per record. Ending a
// pile runs it with messages, the daily storage sweep without.
#pragma once

#include "comm/UKommunikation.h"
#include "data/UMessDaten.h"

#include <QString>

// What a readout shows while it runs. The window implements it; tests record it.
class ISpeicherAnzeige {
public:
    virtual ~ISpeicherAnzeige() = default;
    // An information box with an OK button (only the variant with messages uses it).
    virtual void Meldung(const QString &text) = 0;
    // Status panel 4: the record count the file will have, or empty.
    virtual void AnzahlAnzeigen(const QString &text) = 0;
    // The busy window with its progress bar (maximum, position 1), a step, hidden again.
    virtual void FortschrittZeigen(int maximum) = 0;
    virtual void FortschrittSchritt() = 0;
    virtual void FortschrittVerbergen() = 0;
};

class TSpeicherung {
public:
    TSpeicherung(TKommunikation &komm, TDataFile &datei, ISpeicherAnzeige &anzeige);

    // Reads the records of plant AktAnlage into its data file, with messages.
    bool StoreControllerRecords();
    // The same for any plant, without messages; a plant that is not connected
    // or not switched on counts as success.
    bool StoreControllerRecordsQuiet(int plant);

    // Who hears of the controller's record count and of each readout's end (none when null).
    void SetzeEreignisse(IEreignisse *ereignisse) { m_ereignisse = ereignisse; }

    // Why the last readout failed (empty after a success), also for the quiet variant.
    QString LastError() const { return m_fehler; }

    // The storage time of the record just read, as the data file shows it.
    static QString ZeitText(const TZustand &z);

private:
    bool auslesen(int plant, bool mitMeldungen);
    bool auslesen(int plant, bool mitMeldungen, qint32 &gelesen);

    TKommunikation &m_komm;
    TDataFile &m_datei;
    ISpeicherAnzeige &m_anzeige;
    QString m_fehler;
    IEreignisse *m_ereignisse = nullptr;
};

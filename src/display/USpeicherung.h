// The controller-memory readout: copies every record waiting in a plant's
// controller into the plant's data file, one 'G' request per record. Ending a
// pile runs it with messages, the daily storage sweep without. No widgets.
//
// A controller forgets a record once it has sent it and overwrites its oldest
// when its memory is full, so a readout loses nothing on its side: records
// kept from an earlier readout (a full or failing disk) are written first,
// and nothing is asked while they cannot be; no more records are asked than
// the disk has room for (the rest stay in the controller); and a record the
// disk refuses is kept by the writer and written at the next readout.
#pragma once

#include "comm/UKommunikation.h"
#include "data/UMessDaten.h"

#include <QString>
#include <optional>

class TStoerungsStand;

// What a readout shows while it runs. The window implements it; tests record it.
class ISpeicherAnzeige {
public:
    virtual ~ISpeicherAnzeige() = default;
    // An information box with an OK button (only the variant with messages uses it).
    virtual void Meldung(const QString &text) = 0;
    // A box with the warning symbol for what went wrong; where a display
    // has none, its information box.
    virtual void Warnung(const QString &text) { Meldung(text); }
    // Status panel 4: the record count the file will have, or empty.
    virtual void AnzahlAnzeigen(const QString &text) = 0;
    // The busy window with its progress bar (maximum, position 1), a step, hidden again.
    virtual void FortschrittZeigen(int maximum) = 0;
    virtual void FortschrittSchritt() = 0;
    virtual void FortschrittVerbergen() = 0;
};

// What both readouts (this one and the offline readout) share once the data
// file is open and the controller has announced its records: how many of
// them the disk has room for, and fetching one record ('G', asked once more
// when its reply is lost) into the data file, where the writer keeps it when
// the disk refuses it.
class TDatensatzAbruf {
public:
    TDatensatzAbruf(TKommunikation &komm, TDataFile &datei, int plant);

    // How many of the `angekuendigt` records the disk holds; when fewer,
    // Grund() says how much room is missing and that the rest stay in the controller.
    qint32 Platz(qint32 angekuendigt);

    enum class TSchritt {
        Geschrieben,  // the record is in the data file
        Gehalten,     // it arrived, the disk refused it: kept (Grund() says why)
        KeineAntwort, // no reply, also to the second request
        Abgewiesen,   // another request waits: nothing was asked
    };
    // Asks the controller for its next record and writes it.
    TSchritt Naechster();

    QString Grund() const { return m_grund; }
    // The record of the last step arrived with fields that cannot be read:
    // its line holds them as they came (every reader counts it unreadable);
    // Unlesbar() says which, for the log and the alarm.
    bool LetzterUnlesbar() const { return !m_unlesbar.isEmpty(); }
    QString Unlesbar() const { return m_unlesbar; }

    // The record line after its number for the record just received when
    // one of its fields cannot be read: the fields that can be read as the
    // writer writes them, the others as they came. Empty when every field
    // of the line can be read; `welche` then stays empty, else names them.
    static QString RohZeile(const TZustand &z, QString &welche);

private:
    TKommunikation &m_komm;
    TDataFile &m_datei;
    int m_plant;
    QString m_grund;
    QString m_unlesbar;
};

class TSpeicherung {
public:
    TSpeicherung(TKommunikation &komm, TDataFile &datei, ISpeicherAnzeige &anzeige);

    // Reads the records of plant AktAnlage into its data file, with messages.
    bool StoreControllerRecords();
    // The same for any plant, without messages; a plant that is not connected
    // or not switched on counts as success (records kept for it are written).
    bool StoreControllerRecordsQuiet(int plant);
    // Records left in the controller of a plant whose pile has ended (it was
    // switched off before every record was read), without messages, into
    // that pile's data file `datei` (TDataFile::OpenEarlierDataFile): an
    // existing data file of this program, numbered on after its last record;
    // nothing of the plant changes. The same steps as every readout: kept
    // records first, the room check, each record asked once more when its
    // reply is lost.
    bool StoreLeftoverRecords(int plant, const QString &datei);
    // Asks the controller how many records it holds ('r') and tells the
    // listeners; false when it did not answer with a possible count.
    // UnmoeglicheAnzahl() then holds a count outside 0..1000 it answered with.
    bool LeseAnzahl(int plant, qint32 &anzahl);
    std::optional<qint32> UnmoeglicheAnzahl() const { return m_unmoeglich; }
    // What is said when a controller answers 'r' with a count outside 0..1000.
    static QString TextUnmoeglicheAnzahl(qint32 anzahl);

    // Who hears of the controller's record count and of each readout's end
    // (none when null), and where a failed readout is reported as a
    // disturbance of its plant until a readout of it succeeds again.
    void SetzeEreignisse(IEreignisse *ereignisse) { m_ereignisse = ereignisse; }
    void SetzeStoerungen(TStoerungsStand *stoerungen) { m_stoerungen = stoerungen; }

    // How the last readout ended.
    enum class TErgebnis {
        Gesichert,                     // every record announced is in the data file
        KonfigurationNichtGeschrieben, // so, but "Anzahl" or "Datei" could not be stored
        Fehler,                        // records are left in the controller or kept (see LastError)
    };
    TErgebnis Ergebnis() const { return m_ergebnis; }
    // Why the last readout failed, or why the configuration was not written
    // (empty after a full success), also for the quiet variant.
    QString LastError() const { return m_fehler; }
    // Records the last readout received.
    qint32 Gelesen() const { return m_gelesen; }
    // Records the controller announced to the last readout, -1 when it was
    // not asked or gave no possible count.
    qint32 Angekuendigt() const { return m_angekuendigt; }

    // The next record asked for is the last: the readout ends after it
    // (closing the program). Cleared when a readout starts.
    void Abbrechen() { m_abbrechen = true; }

    // The storage time of the record just read, as the data file shows it.
    static QString ZeitText(const TZustand &z);

private:
    // datei: an earlier data file of the plant to read into; empty: its own.
    bool auslesen(int plant, bool mitMeldungen, const QString &datei = QString());
    bool auslesen(int plant, bool mitMeldungen, const QString &datei, qint32 &gelesen);
    void melden(int plant, bool ok, qint32 gelesen);

    TKommunikation &m_komm;
    TDataFile &m_datei;
    ISpeicherAnzeige &m_anzeige;
    QString m_fehler;
    TErgebnis m_ergebnis = TErgebnis::Gesichert;
    qint32 m_gelesen = 0;
    qint32 m_angekuendigt = -1;
    bool m_abbrechen = false;
    std::optional<qint32> m_unmoeglich;
    IEreignisse *m_ereignisse = nullptr;
    TStoerungsStand *m_stoerungen = nullptr;
};

// The pile operations of the live display without its widgets: the switch-on
// sequence that starting and continuing a pile share, taking over a pile from
// its data file, and ending a pile with the final readout and the switch-off.
// Before a pile starts or continues, records still in the controller belong
// to the plant's previous pile: they are read into its data file first, and
// a pile starts on top of them only when the operator says so.
// They work on the current plant AktAnlage, stop the timers of the display
// before their first request and start them after their last, and show their
// messages and questions through the display (IMietenAnzeige). The window's
// menu handlers check the plant's state, open the dialogs, keep the window
// disabled while an operation runs and call these.
#pragma once

#include "display/UAnzeigeTimer.h"
#include "display/USpeicherung.h"

#include <QString>
#include <QStringList>
#include <functional>

class TIniDatei;

// What the pile operations need of the display beyond what a readout shows:
// also its display timer and the poll on and off (IAnzeigeTimer).
class IMietenAnzeige : public ISpeicherAnzeige, public IAnzeigeTimer {
public:
    // The current plant's tab, menu items, pile line and status bar anew
    // (the display's TabControl1Change).
    virtual void Auffrischen() = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool Frage(const QString &text) = 0;
};

class TMietenVerwaltung {
public:
    TMietenVerwaltung(TKommunikation &komm, TDataFile &datei, TIniDatei &ini, TSpeicherung &speicherung,
                      IMietenAnzeige &anzeige);

    // The state of AktAnlage as the pile items see it: a pile may be started
    // or continued (connected and switched off), or ended (connected and on).
    bool KannStarten() const;
    bool KannBeenden() const;

    // The switch-on sequence on AktAnlage: clock from the PC, the stored
    // operating mode again, switch on; once the plant is on, beiErfolg runs
    // and a new pile gets a new data file name. true when the plant is
    // switched on. Reports nothing.
    bool Einschalten(bool neueMiete, const std::function<void()> &beiErfolg = {});

    enum class TStart {
        KeineVerbindung,    // no connection: said at once, nothing sent
        Abgebrochen,        // the previous pile's records wait unread; the operator kept it off
        NichtEingeschaltet, // the controller did not switch on: said; the previous pile's name and file stay
        Eingeschaltet,      // switched on, the pile's name and new data file stored
    };
    // "Miete neu starten" once the plant data dialog has closed with OK:
    // the records left in the controller go into the previous pile's file
    // (VorigeMieteAuslesen), then the switch-on sequence, and only when the
    // plant has switched on, speichern stores what the dialog took (name,
    // comment, folder, plant type) and the pile gets its new data file name.
    // A plant that does not switch on keeps its previous name and data file,
    // in the record and in the configuration, and the operator hears why.
    TStart MieteStarten(const std::function<void()> &speichern);

    // Where the open-file dialog of "Miete fortführen" starts: the plant's
    // folder, or the home folder when it does not exist (then it also becomes
    // the plant's folder).
    // The files of the program's own that "Miete fortführen" does not offer
    // (wildcard patterns): the event logs, the alarm journals, the MQTT
    // outbox and the records kept for a full disk. Only data files remain.
    static QStringList KeineDatendateien();
    QString FortsetzungsOrdner();

    enum class TFortsetzung {
        KeineVerbindung,    // no connection: said at once, nothing changed, nothing sent
        KeineDatendatei,    // not a data file of this program: nothing changed, nothing sent
        Abgebrochen,        // the previous pile's records wait unread; kept off, nothing changed
        NichtEingeschaltet, // taken over, but the controller did not switch on
        Eingeschaltet,      // taken over and switched on
    };
    // "Miete fortführen" with the chosen file: the records left in the
    // controller go into the previous pile's file (VorigeMieteAuslesen),
    // then the plant takes over the pile of the chosen file (name, comment,
    // file, folder, record count, also in the configuration) and is switched
    // on; new records are appended to the file. Shows the messages of a file
    // that is no data file and of a failed switch-on.
    TFortsetzung MieteFortfuehren(const QString &datei);

    // What became of the records the controller of AktAnlage still held
    // before a pile started or continued.
    struct TVorigeMiete {
        bool Weiter = true; // the pile may start: nothing waits unread, or the operator said so
        qint32 Gelesen = 0; // records read into the previous pile's file
        qint32 Wartend = 0; // records left unread in the controller, -1 when not known
        QString Datei;      // the previous pile's data file (the configuration's "Datei")
        QString Fehler;     // why the readout into it failed, empty when it did not
    };
    // Asks the controller of AktAnlage (switched off, timers stopped) how
    // many records it holds. They belong to the plant's previous pile and
    // are read into its data file first (TSpeicherung::StoreLeftoverRecords).
    // When some cannot be (no such file, not a data file, the disk or the
    // controller fails, their count unknown), the operator is told how many
    // wait, why and where they would go, and asked whether to start all
    // the same; neuesZiel is the file they would go to (empty: the new
    // pile's). Shows no other message.
    TVorigeMiete VorigeMieteAuslesen(const QString &neuesZiel);

    enum class TBeendet {
        KeineVerbindung,   // no connection: said at once, nothing asked, nothing sent
        Abgebrochen,       // the operator did not confirm: nothing sent
        LaeuftWeiter,      // the readout failed and the operator kept the pile running
        Ausgeschaltet,     // the plant is switched off
        NichtAusgeschaltet // the controller did not confirm switching off
    };
    // "Miete beenden": asks, reads the controller's records into the data file,
    // asks again when that failed, switches the plant off and reports it.
    TBeendet MieteBeenden();

    // The messages and questions, as the operator sees them.
    static QString TextKeineDatendatei();
    static QString TextNichtEingeschaltet();
    static QString TextNichtGestartet();
    // The question before a pile ends: the plant by its displayed number
    // and the pile's name.
    static QString TextAusschaltenFrage(int nummer, const QString &name);
    static QString TextTrotzdemAusschalten();
    static QString TextAusgeschaltet();
    static QString TextNichtAusgeschaltet();
    // wartend < 0: their count could not be read. ziel: where they would go
    // (empty: the new pile's file, when starting).
    static QString TextVorigeMieteFrage(qint32 wartend, const QString &datei, const QString &grund,
                                        const QString &ziel);
    static QString TextVorigeMieteGelesen(qint32 gelesen, const QString &datei);

private:
    tAnlageParameter &aktuelle();
    // After the switch-on: where the previous pile's records went, when
    // they all left the controller.
    void vorigeMieteMelden(const TVorigeMiete &vorige);
    // The switch-on sequence without the timers and the refresh.
    bool einschalten(bool neueMiete, const std::function<void()> &beiErfolg);
    // After VorigeMieteAuslesen: the switch-on sequence, the refresh, the
    // timers started, where the previous pile's records went, and, when the
    // plant did not switch on, fehlText (with what to check when no reply
    // came).
    bool einschaltenUndMelden(bool neueMiete, const std::function<void()> &beiErfolg,
                              const TVorigeMiete &vorige, QString fehlText);
    // No connection is open: says so (since when, the next attempt) and gives true.
    bool keineVerbindung();

    TKommunikation &m_komm;
    TDataFile &m_datei;
    TIniDatei &m_ini;
    TSpeicherung &m_speicherung;
    IMietenAnzeige &m_anzeige;
};

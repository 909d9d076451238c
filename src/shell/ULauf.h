// What one run of the program shares: the shared state, the configuration
// file O2_Tarvos.ini in the home folder, the event log, the controller
// communication, the data file writer and the message boxes. main() builds one
// for the home folder; tests build their own on a temporary folder. Every
// window reaches these through the run it was given.
#pragma once

#include "comm/UKommunikation.h"
#include "data/UMessDaten.h"
#include "display/USicherung.h"
#include "shell/UAlarmStand.h"
#include "shell/UEreignisse.h"
#include "shell/UIniDatei.h"
#include "shell/ULog.h"
#include "shell/USperre.h"
#include "shell/USprache.h"
#include "shell/UStoerungen.h"
#include "shell/UZustand.h"

#include <QString>

class IDialoge;
class IMqttDienst;
class QWidget;

class TLauf {
public:
    // Reads the installation options (Installation.ini) from heimordner.
    // dialoge must outlive the run.
    TLauf(const QString &heimordner, IDialoge &dialoge);
    ~TLauf();
    TLauf(const TLauf &) = delete;
    TLauf &operator=(const TLauf &) = delete;

    TZustand Zustand;
    // Hands the run's events (readings, records written, the link, readouts,
    // disturbances, alarms) to those who listen: declared before everything
    // that reports to it.
    TEreignisVerteiler Ereignisse;
    TIniDatei Ini;
    TLog Log;
    TKommunikation Komm;
    TDataFile Daten;
    IDialoge &Dialoge;
    // Held while a controller exchange or a window's dialog runs (see USperre.h).
    TSperre Sperre;
    // The publisher of the site network (main() builds it; none in most tests).
    IMqttDienst *Mqtt = nullptr;
    // The language of the windows and printouts (main() starts it).
    TSprache Sprache{QString::fromLatin1(TSprache::Schluessel)};

    // How many alarms are active and which plants have one (the alarms keep
    // it; the windows show it).
    TAlarmStand Alarmstand;

    // A controller exchange or a dialog runs: nothing else may start one now.
    bool Beschaeftigt() const { return Sperre.Belegt() || Komm.Abfrage.Wartet(); }

    // No connection is open: says so at once over owner (since when, the next
    // attempt) and gives true; an operation that needs a controller does not
    // start.
    bool KeineVerbindungMelden(QWidget *owner);

    // Disturbances of the PC and the plants (a failed readout, the
    // configuration or the event log not writable), reported to the
    // listeners once when they begin and once when they end.
    TStoerungsStand Stoerungen{Ereignisse};
    // The daily storage sweep of the running program (the main window starts
    // it once it is up; the live display shows its results).
    TSicherung Sicherung{Komm, Daten, Sperre};

private:
    // Writes the disturbances and the failed readouts into the event log.
    TLogHoerer m_logHoerer{Log};

    static TZustand zustandFuer(const QString &heimordner);
};

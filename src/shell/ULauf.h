// What one run of the program shares: the shared state, the configuration
// file O2_Tarvos.ini in the home folder, the event log, the controller
// communication, the data file writer and the message boxes. main() builds one
// for the home folder; tests build their own on a temporary folder. Every
// window reaches these through the run it was given.
#pragma once

#include "comm/UKommunikation.h"
#include "comm/UZustand.h"
#include "data/UMessDaten.h"
#include "shell/UIniDatei.h"
#include "shell/ULog.h"

#include <QString>

class IDialoge;

class TLauf {
public:
    // Reads the installation options (Installation.ini) from heimordner.
    // dialoge must outlive the run.
    TLauf(const QString &heimordner, IDialoge &dialoge);
    TLauf(const TLauf &) = delete;
    TLauf &operator=(const TLauf &) = delete;

    TZustand Zustand;
    TIniDatei Ini;
    TLog Log;
    TKommunikation Komm;
    TDataFile Daten;
    IDialoge &Dialoge;

private:
    static TZustand zustandFuer(const QString &heimordner);
};

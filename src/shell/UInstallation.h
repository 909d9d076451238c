// The installation options, fixed for an installation: the file
// Installation.ini in the home folder, read once at start-up.
//
//     [Installation]
//     Anlagen=8        OptAnlagenAnzahl, 1..32 (default 1)
//     Adressen33=0     OptAdressen33 (default 0)
//     Logo=0           OptLogo (default 0)
//     BaudIndex=2      OptBaudIndex, 0..3 (default 0)
//     Netzwerk=1       OptNetzwerk (default 0)
//     [Ports]
//     COM1=/dev/ttyUSB0   device of port 1..8 (default /dev/ttyS0.. or COM1..)
//
// A missing file or key, or a value out of range, takes the default.
#pragma once

#include "shell/UZustand.h"

#include <QString>

class TIniDatei;

inline constexpr char InstallationsDateiName[] = "Installation.ini";

// Reads Installation.ini from z.Heimordner into the Opt* fields of z.
void LeseInstallation(TZustand &z);
// The same from an open file.
void LeseInstallation(TZustand &z, const TIniDatei &ini);

// The device of port n (1..8) when [Ports] does not name one: /dev/ttyS(n-1)
// on Linux and other Unix systems, COMn on Windows. Empty for another n.
QString StandardPortGeraet(int n);
// The conventional name of port n for the operator: "COM" + n.
QString PortName(int n);

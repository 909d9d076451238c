// The first start of a new installation (a home folder holding neither
// Installation.ini nor O2_Tarvos.ini): what the setup window "Ersteinrichtung"
// asks, checked and written as a service technician writes the two files:
//
//   Installation.ini   [Installation] Anlagen, Adressen33, Logo=0, BaudIndex,
//                      Netzwerk (1 when the line is a network adapter);
//                      [Ports] COMn=device for a serial device that is not
//                      one of the standard devices COM1..COM8
//   O2_Tarvos.ini      [COM] LAYER, COM (serial) or NETADR, NETPORT (network);
//                      [Firma] Titel, Zeile2, Zeile3; [1]..[N] Pfad (the data
//                      folder with a trailing separator)
//
// Both Windows-1252 with CR LF, written through the configuration file's own
// writer; the program's readers take them back at once.
#pragma once

#include <QString>
#include <QStringList>

struct TEinrichtung {
    int Anlagen = 1;         // 1..32
    bool Adressen33 = false; // plant numbers shown from 33
    bool Netzwerk = false;   // the line: a network adapter, else the serial line
    QString PortGeraet;      // serial: the device (/dev/ttyUSB0, COM3)
    int BaudIndex = 0;       // serial: 0 2400, 1 4800, 2 9600, 3 19200 baud
    QString NetAdresse;      // network: address or host name
    int NetPort = 8000;      // network: TCP port
    QString Datenordner;     // the folder for the piles' data files
    QStringList Firma;       // the three company lines of the protocols
};

namespace Einrichtung {

// The home folder holds neither Installation.ini nor O2_Tarvos.ini: a new
// installation, which the setup window sets up.
bool Noetig(const QString &heimordner);

// The proposal for a new installation in heimordner: one plant on the first
// serial port at 9600 baud, the data folder "Daten" in the home folder, the
// default company lines.
TEinrichtung Vorschlag(const QString &heimordner);

// What keeps the settings from being written, in words for the operator
// (the data folder is created if need be and tried); empty when they can be.
QString Pruefe(const TEinrichtung &e);

// Writes O2_Tarvos.ini, then Installation.ini into heimordner. On failure
// fehler says why and neither file is left behind.
bool Schreibe(const QString &heimordner, const TEinrichtung &e, QString &fehler);

// The port number 1..8 whose standard device is geraet, else 0 (the device
// then goes into [Ports] as COM1).
int PortNummer(const QString &geraet);

} // namespace Einrichtung

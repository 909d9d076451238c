// Where the program keeps its files (the home folder): the folder given with
// --home; else the program's own folder when it holds an installation
// (Installation.ini or O2_Tarvos.ini: found there and never moved) or when
// it is a writable folder of the program's own (a copied installation, the
// demo); else, for a program installed into a folder it cannot write (or
// into the system's shared program folders), the system's place for a
// program's shared data, created at the first start:
//
//     Windows   %ProgramData%\Kompost-Leitstand
//     others    ~/.local/share/kompost  ($XDG_DATA_HOME/kompost)
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace Heimordner {

// What the choice depends on. Plattform() gives this system's places; tests
// give their own.
struct TOrte {
    QString Programmordner; // the folder of the program file
    QString Datenordner;    // the system's place for the program's data
    // Folders where installed programs live (Program Files, /usr): never a home folder.
    QStringList Systemordner;
    // How the system compares file names.
    Qt::CaseSensitivity Schreibung = Qt::CaseSensitive;
    // Whether a folder can be written (by default a file is tried there).
    std::function<bool(const QString &)> Beschreibbar;
};

// This system's places, for the program in programmordner.
TOrte Plattform(const QString &programmordner);

enum class TGrund {
    Kommandozeile,  // --home DIR
    Installation,   // the program's folder holds an installation
    Programmordner, // the program's folder is its own and writable
    Datenordner     // the system's place for the program's data
};

struct TWahl {
    QString Ordner;
    TGrund Grund = TGrund::Programmordner;
};

// The home folder: kommandozeile (the --home option, empty when not given),
// else by the rule above.
TWahl Bestimme(const QString &kommandozeile, const TOrte &orte);

// The folder holds Installation.ini or O2_Tarvos.ini.
bool HaeltInstallation(const QString &ordner);
// A file can be created in the folder (it is removed again at once).
bool Beschreibbar(const QString &ordner);
// ordner is one of the folders or inside one of them.
bool Innerhalb(const QString &ordner, const QStringList &ordnerListe,
               Qt::CaseSensitivity gross = Qt::CaseSensitive);

} // namespace Heimordner

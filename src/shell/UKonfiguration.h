// The settings of O2_Tarvos.ini that the shell reads into the run state: the
// plant register (one section per plant, "1".."32") and the [COM] start-up and
// connection settings. The other keys belong to the windows that use them.
#pragma once

#include "shell/UZustand.h"

#include <QString>
#include <QStringList>

class TIniDatei;

// File name of the configuration file in the home folder.
inline constexpr char KonfigDateiName[] = "O2_Tarvos.ini";

// Full path of a file kept beside the program (in TZustand::Heimordner).
QString HeimDatei(const TZustand &z, const QString &name);
// The home folder in native spelling with a trailing directory separator: the
// data folder of a plant whose "Pfad" is empty.
QString HeimordnerMitTrenner(const TZustand &z);

// The three company lines heading the data files and the printouts: [Firma]
// "Titel", "Zeile2" and "Zeile3", by default "Firmen- Name", "* Text *" and
// "* Text *".
QStringList LeseFirmenZeilen(const TIniDatei &ini);

// The largest record count "Anzahl" taken from the configuration.
inline constexpr qint32 MaxAnzahl = 1000000000;

// Loads Name, Komm, Datei, Pfad, Anzahl and Geschlossen (the plant type, 0
// open by default) of plant Nr (1..32) from section "Nr". Another Nr is ignored.
void LeseAnlage(TZustand &z, const TIniDatei &ini, int Nr);
// Writes Name, Pfad, Komm and Geschlossen of plant Nr (in this order) to section "Nr".
// false when Nr is not 1..32 or a write failed (ini.LetzterFehler() says why).
bool SchreibeAnlage(TZustand &z, TIniDatei &ini, int Nr);

// The [COM] start-up settings: SpeicherStunde ("ZEIT", 0..24, default 0),
// Metric (false), RefTemp ("REFTEMP", 30..80, default 55.0), ShowRef
// ("SHOWREF", true), TimeoutKurz ("TIMEOUT", default the current value) and
// LogTage ("LOGTAGE", 0 or more, default 180).
// A value out of range counts as missing.
void LeseComEinstellungen(TZustand &z, const TIniDatei &ini);
// The [COM] connection settings: Layer ("LAYER", 1 or else 0), ComNummer
// ("COM", 1..8, default 1), NetAdresse ("NETADR", empty), NetPort ("NETPORT",
// 0..65535, default 8000). Whether the network may be used is decided by the
// transport.
void LeseVerbindung(TZustand &z, const TIniDatei &ini);

// The hygienisation verdict of a pile: does its data file prove that the
// material was hygienised? The biowaste ordinance accepts composting as
// hygienising when the material stayed at or above 55 °C for at least 14 days
// or at or above 65 °C for at least 7 days; closed plants at or above 60 °C for
// at least 7 days.
//
// For each criterion and for two bases, the core sensor (100 cm) and the
// lowest of the five sensors, the evaluation finds the longest span of
// consecutive records that all hold the temperature. Two consecutive records
// more than 24 hours apart break a span (a gap). A span lasts from its first
// record's time to its last record's time. Every record of the file counts; a
// line without a readable storage time or temperatures is left out, and a span
// runs on across it only when the records around it are no more than 24 hours
// apart. Times are taken as the controller's wall-clock times. Qt Core only.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class TMessDaten;

struct THygieneKriterium {
    int GradC;           // the temperature to hold, whole °C
    int Tage;            // for at least this many days of 24 hours
    bool NurGeschlossen; // accepted for closed plants only
};

// In the order in which the closing line names the first criterion met.
inline constexpr std::array<THygieneKriterium, 3> HygieneKriterien{
    {{55, 14, false}, {65, 7, false}, {60, 7, true}}};

enum class THygieneBasis { Kern = 0, AlleMessstellen = 1 };

// One record as the evaluation sees it: its time and five temperatures (°C,
// index 1 at 100 cm ... 5 at 0 cm). Lesbar false: the line was not readable
// and is left out.
struct THygieneSatz {
    QDateTime Zeit;
    std::array<qint32, 6> T{};
    bool Lesbar = true;
};

struct THygieneSpanne {
    bool Vorhanden = false; // at least one record held the temperature
    QDateTime Von, Bis;
    qint64 Minuten = 0;
    int Saetze = 0;
};

struct THygieneLuecke {
    QDateTime Von, Bis; // the records before and after the gap
};

struct THygienisierung {
    // [criterion][basis]: the longest span and whether it lasts long enough.
    std::array<std::array<THygieneSpanne, 2>, 3> Spanne{};
    std::array<std::array<bool, 2>, 3> Erfuellt{};
    QList<THygieneLuecke> Luecken;
    int Ausgewertet = 0; // records evaluated
    int Ausgelassen = 0; // lines left out because they could not be read
    int Nachweis = -1;   // index of the first criterion met on the core, -1: none

    bool Nachgewiesen() const { return Nachweis >= 0; }
};

// The verdict over records in file order.
THygienisierung BewerteHygienisierung(const QList<THygieneSatz> &saetze);
// The verdict over every record line of a loaded file.
THygienisierung BewerteHygienisierung(const TMessDaten &daten);

// The verdict as text, for the viewer and the printed protocol. metric: the
// temperatures in °F (131, 149, 140 °F).
struct THygieneZeile {
    QString Kriterium; // "≥ 55 °C über 14 Tage"
    QString Basis;     // "Kern" or "alle Messstellen"
    QString Spanne;    // "dd.mm.yyyy hh:mm – dd.mm.yyyy hh:mm", or "nie erreicht"
    QString Dauer;     // "14 Tage 0 Std."
    QString Urteil;    // "erfüllt" or "nicht erfüllt"
    bool Erfuellt = false;
};
struct THygieneText {
    QString Ueberschrift;
    QList<THygieneZeile> Zeilen; // one per criterion and basis
    QStringList Luecken;         // "Lücke: <from> – <to>"
    QString Ausgelassen;         // how many lines were left out (empty when none)
    QString Schluss;             // "Hygienisierung nachgewiesen ..." or "... nicht nachgewiesen"
};
THygieneText HygieneText(const THygienisierung &h, bool metric);
// The same as plain lines (the viewer's summary and tests).
QStringList HygieneZeilen(const THygieneText &t);

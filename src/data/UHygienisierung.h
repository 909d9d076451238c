// The hygienisation verdict of a pile: does its data file prove that the
// material was hygienised? The biowaste ordinance accepts composting as
// hygienising when the material stayed at or above 55 °C for at least 14 days
// or at or above 65 °C for at least 7 days; closed plants also at or above
// 60 °C for at least 7 days. That last criterion is evaluated for every plant
// but counts only for a closed one.
//
// For each criterion and for two bases, the core sensor (100 cm) and the
// lowest of the five sensors, the evaluation finds the longest span of
// consecutive records that all hold the temperature.
//
// Times are the controller's clock: plain calendar times without a time zone
// or daylight-saving time, compared and subtracted as such, so that the
// verdict is the same on every PC. Records are taken in file order:
// - a line without a readable storage time or temperatures is left out and
//   counted;
// - a record identical to an earlier one (same time, same values: a readout
//   appended twice) is a repeat, left out and counted;
// - a record whose time is not later than the one before is a clock set back:
//   it does not break a span and is listed;
// - two records more than 24 hours apart break every span (a gap, listed);
// - a reading above 90 °C is a sensor fault, not proof: the record is left
//   out of the basis where it occurs (the core, or all measuring points when
//   any of the five reads above 90 °C) and counted.
// A span's length counts only the time by which the clock passes the latest
// time it had already shown: a step back adds nothing, and neither does the
// way back to where the clock stood (a clock set back by mistake and then
// corrected, or a single record stamped too early), so a clock step never
// makes a span longer than the time that really passed. A span runs on across
// left-out records only while the records around them are no more than 24
// hours apart (the forward steps of the clock between them). Qt Core only.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

class TMessDaten;

struct THygieneKriterium {
    int GradC;           // the temperature to hold, whole °C
    int Tage;            // for at least this many days of 24 hours
    bool NurGeschlossen; // counts for closed plants only
};

// In the order in which the closing lines name the first criterion met.
inline constexpr std::array<THygieneKriterium, 3> HygieneKriterien{
    {{55, 14, false}, {65, 7, false}, {60, 7, true}}};

// A reading above this (°C) is a sensor fault and proves nothing.
inline constexpr int MaxPlausibleTemperatur = 90;

// Open windrows or a closed plant (configuration key "Geschlossen" of the plant).
enum class TAnlagenArt { Offen = 0, Geschlossen = 1 };

enum class THygieneBasis { Kern = 0, AlleMessstellen = 1 };

// One record as the evaluation sees it: its time (a calendar time; whatever
// its Qt::TimeSpec, only date and time of day are used) and five temperatures (°C, index
// 1 at 100 cm ... 5 at 0 cm). Lesbar false: the line was not readable and is
// left out. Rest: the record's other fields (depth mark, O2, mode, fan) as
// written; time, temperatures and Rest together tell a repeat from a new record.
struct THygieneSatz {
    QDateTime Zeit;
    std::array<qint32, 6> T{};
    bool Lesbar = true;
    QByteArray Rest;
};

struct THygieneSpanne {
    bool Vorhanden = false; // at least one record held the temperature
    QDateTime Von, Bis;     // the span's first and last record (Qt::UTC: calendar times)
    qint64 Minuten = 0;     // how far the clock passed its latest time from Von to Bis
    int Saetze = 0;         // records of the basis within the span
};

// Two neighbouring records: before and after a gap, or before and after a
// clock set back.
struct THygieneLuecke {
    QDateTime Von, Bis;
};

struct THygienisierung {
    // [criterion][basis]: the longest span and whether it lasts long enough.
    std::array<std::array<THygieneSpanne, 2>, 3> Spanne{};
    std::array<std::array<bool, 2>, 3> Erfuellt{};
    QList<THygieneLuecke> Luecken;
    QList<THygieneLuecke> Rueckstellungen; // the clock set back
    int Ausgewertet = 0;                   // records evaluated (readable, no repeat)
    int Ausgelassen = 0;                   // lines left out because they could not be read
    int Doppelt = 0;                       // repeats of an earlier record, left out
    int Unplausibel = 0;                   // evaluated records with a reading above 90 °C
    TAnlagenArt Art = TAnlagenArt::Offen;
    int Nachweis = -1;     // the first criterion that counts and is met on the core, -1: none
    int NachweisAlle = -1; // the same on the lowest of the five sensors
    // The data file: its name and the SHA-256 of its bytes as read (64
    // lowercase hex digits); empty for records that come from no file.
    QString Datei;
    QString Sha256;

    bool Nachgewiesen() const { return Nachweis >= 0; }
    bool AlleNachgewiesen() const { return NachweisAlle >= 0; }
    // Whether criterion k counts for the plant type of the verdict.
    bool Gewertet(size_t k) const;
};

// The verdict over records in file order, for a plant of that type.
THygienisierung BewerteHygienisierung(const QList<THygieneSatz> &saetze, TAnlagenArt art);
// The verdict over every record line of a loaded file.
THygienisierung BewerteHygienisierung(const TMessDaten &daten, TAnlagenArt art);
// The same verdict for a plant of another type (the spans stay as they are).
void SetzeAnlagenArt(THygienisierung &h, TAnlagenArt art);

// The verdict as text, for the viewer and the printed protocol. metric: the
// temperatures in °F (131, 149, 140, 194 °F).
struct THygieneZeile {
    QString Kriterium;   // "≥ 55 °C über 14 Tage", with the Vermerk behind a comma when there is one
    QString Anforderung; // the criterion alone: "≥ 60 °C über 7 Tage"
    QString Vermerk;     // "nur geschlossene Anlagen" (" – nicht gewertet" for an open plant), or empty
    QString Basis;       // "Kern" or "alle Messstellen"
    QString Spanne;      // "dd.mm.yyyy hh:mm – dd.mm.yyyy hh:mm", or "nie erreicht"
    QString Dauer;       // "14 Tage 0 Std."
    QString Urteil; // "erfüllt", "nicht erfüllt", or "nicht gewertet" where the criterion does not count
    bool Erfuellt = false;
    bool Gewertet = true; // false: the criterion does not count for this plant
};
struct THygieneText {
    QString Ueberschrift;
    QString Anlagenart;          // "Anlagenart: offen" or "Anlagenart: geschlossen"
    QList<THygieneZeile> Zeilen; // one per criterion and basis
    QStringList Luecken;         // "Lücke: <from> – <to>"
    QStringList Rueckstellungen; // "Uhrzeit zurückgestellt: <before> – <after>"
    QString Doppelt;             // how many repeats were left out (empty when none)
    QString Unplausibel;         // how many records read above 90 °C (empty when none)
    QString Ausgelassen;         // how many lines were left out (empty when none)
    QString Schluss;             // "Hygienisierung nachgewiesen: ... im Kern" or "... nicht nachgewiesen"
    QString SchlussAlle;         // "An allen Messstellen nachgewiesen: ..." or "... nicht nachgewiesen"
    QString Datei;               // "Datendatei: <name>" (empty without a file)
    QString Pruefsumme;          // "SHA-256: <hex>" (empty without a file)

    // The notes between the table and the closing lines, in print order:
    // gaps, clock steps, repeats, implausible readings, unreadable lines.
    QStringList Hinweise() const;
};
// Times in the locale's short date (German when none is given), as the
// protocol's rows show them.
THygieneText HygieneText(const THygienisierung &h, bool metric,
                         const QLocale &ort = QLocale(QLocale::German, QLocale::Germany));
// The same as plain lines (the viewer's summary and tests).
QStringList HygieneZeilen(const THygieneText &t);

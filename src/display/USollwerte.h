// The set values of a controller as the set-values dialog edits them: the
// nine fields with their labels, units and ranges, the six groups that are
// uploaded together, reading them with the display's timers stopped, and the
// upload with a read-back that tells which values the controller did not take.
// No widgets: the dialog shows what these operations return.
#pragma once

#include "display/UAnzeigeTimer.h"
#include "shell/UZustand.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

class TLauf;

// The groups of set values that go to the controller in one command, in the
// order they are uploaded: "I", "p", "E", "O", "n", "N".
enum class TSollGruppe { Speicher, O2, IntervallEin, IntervallAus, Steuer, Max };
inline constexpr int SollGruppenAnzahl = 6;

// One change mark per group.
class TSollMarken {
public:
    bool &operator[](TSollGruppe g) { return m_marken[static_cast<size_t>(g)]; }
    bool operator[](TSollGruppe g) const { return m_marken[static_cast<size_t>(g)]; }
    bool Irgendeine() const;
    void Loeschen() { m_marken.fill(false); }

private:
    std::array<bool, SollGruppenAnzahl> m_marken{};
};

// The nine set values in the dialog's order, top to bottom.
enum class TSollFeld {
    O2Ein,
    O2Aus,
    Speicherintervall,
    IntervallEin,
    IntervallAus,
    MaxEin,
    MaxAus,
    SteuerEin,
    SteuerAus
};
inline constexpr int SollFelderAnzahl = 9;

struct TSollFeldInfo {
    TSollFeld Feld;
    TSollGruppe Gruppe;
    const char *Name;       // the control's name, e.g. "O2EINEdit"
    const char *Label;      // untranslated, context "TFO2MessSetup"
    const char *Einheit;    // the unit as the dialog shows it, "[min]"
    const char *Erklaerung; // the explanation beside the field
    int Min;                // range in the frame's unit (tenths of vol% for O2)
    int Max;
    bool Zehntel; // O2: shown in vol% with one decimal, sent in tenths
};

// The nine fields in the dialog's order.
const std::array<TSollFeldInfo, SollFelderAnzahl> &SollFelder();
const TSollFeldInfo &SollFeldInfo(TSollFeld f);

qint32 SollWert(const tAnlageSollwerte &s, TSollFeld f);
void SetzeSollWert(tAnlageSollwerte &s, TSollFeld f, qint32 wert);

// vol% as tenths, truncated (5.3 gives 53, 7.59 gives 75); a value a hair
// below its decimal (its binary form) still gives that decimal's tenths.
int SollZehntel(double vol);

// A value of an uploaded group that the controller did not report back.
struct TSollAbweichung {
    TSollFeld Feld;
    qint32 Gesendet;
    std::optional<qint32> Gemeldet; // empty: the controller did not answer the read-back
};

struct TSollUploadErgebnis {
    bool Gesendet = false;       // at least one group was marked
    bool Zurueckgelesen = false; // the read-back was answered
    QList<TSollAbweichung> Abweichungen;
    bool Uebernommen() const { return Abweichungen.isEmpty(); }
};

class TSollwertAustausch {
public:
    TSollwertAustausch(TLauf &lauf, IAnzeigeTimer &timer);

    // Reads the set values of plant anlage into Sollwerte ("R"), with the
    // timers stopped and the run's guard held while the request runs.
    bool Lese(quint8 anlage);

    // Sends the marked groups of werte to plant anlage in the fixed order,
    // one command each, then reads the set values back and compares the
    // values of the sent groups. Nothing is sent or read when no group is
    // marked. Values are kept inside their field's range, so every value fits
    // its four-digit field of the frame.
    TSollUploadErgebnis Lade(quint8 anlage, const tAnlageSollwerte &werte, const TSollMarken &marken);

    // Only the frames of the upload, without the read-back.
    static void Sende(TLauf &lauf, quint8 anlage, const tAnlageSollwerte &werte, const TSollMarken &marken);

    // The text of the information box for values that were not taken; empty
    // when all were. nummer is the plant's displayed number.
    static QString AbweichungsText(const TSollUploadErgebnis &ergebnis, int nummer, const QLocale &locale);

private:
    TLauf &m_lauf;
    IAnzeigeTimer &m_timer;
};

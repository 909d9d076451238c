// The report toolkit: banded report layouts in millimetres on QPainter.
//
// A report (TBericht) holds bands (page header, column header, detail,
// summary, page footer), each with its fields: fixed labels and run-time
// fields (font, size, bold, alignment, designed width or auto-size), the
// system fields print date/time and page number, vertical and horizontal
// lines and an embedded chart (drawn through TDiagrammAnzeige as vectors).
// The page number can carry the number of pages ("3 von 15"), so that a
// reader sees that no page is missing: the planner then counts the pages of
// the run first (band heights only, no field texts).
//
// A run: BeimStart, the page header, the column header, then one detail band
// for each time MehrDaten answers true (each field's Drucken callback may set
// the text it prints at that moment), the summary band, and the page footer
// closing every page. A page break repeats page header and column header;
// a page without detail rows (only summary bands) has no column header, and
// its first band stands 2 mm below the page header.
// When MehrDaten answers false at once, nothing is printed (no page). Without
// MehrDaten the detail band prints exactly once.
//
// Where every band lands on which page, with the texts of its fields, is
// computed as data (TSeitenplaner, page by page, or Planen() for all pages);
// the output functions in UBerichtAusgabe.h draw those pages on any painter:
// preview, printer, PDF file, image.
//
// Usage:
//   TBericht b;                                   // Letter portrait, 10 mm margins
//   auto &kopf = b.NeuesBand(TBandArt::Seitenkopf, "Kopf", 20.0, TRahmen::Alle());
//   kopf.Label("Titel", 10.0, 2.0, 100.0, "Mein Bericht").Groesse = 14;
//   auto &detail = b.NeuesBand(TBandArt::Detail, "Detail", 5.3, TRahmen::Seiten());
//   auto &nr = detail.Label("Nr", 1.6, 0.0, 0.0, "").AutoGroesse = true;
//   int zeile = 0;
//   b.BeimStart = [&] { zeile = 0; };
//   b.MehrDaten = [&] { return ++zeile <= 100; };
//   b.SucheFeld("Nr")->Drucken = [&](QString &text) { text = QString::number(zeile); };
//   BerichtAusgabe::AlsPdf(b, "/tmp/x.pdf");
#pragma once

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TDiagrammAnzeige;

enum class TBandArt { Seitenkopf, Spaltenkopf, Detail, Zusammenfassung, Seitenfuss };
// SeiteVonGesamt: the page number with the number of pages, "3 von 15".
enum class TFeldArt { Text, Druckzeit, Seitennummer, SeiteVonGesamt, Linie, Diagramm };
enum class TAusrichtung { Links, Mitte, Rechts };

// Which sides of a band (or field) carry a frame line.
struct TRahmen {
    bool Oben = false;
    bool Links = false;
    bool Rechts = false;
    bool Unten = false;
    static constexpr TRahmen Keiner() { return {}; }
    static constexpr TRahmen Alle() { return {true, true, true, true}; }
    // left and right only
    static constexpr TRahmen Seiten() { return {false, true, true, false}; }
    // top, left and right
    static constexpr TRahmen OhneUnten() { return {true, true, true, false}; }
    friend constexpr bool operator==(const TRahmen &, const TRahmen &) = default;
};

// One field of a band. Positions in mm relative to the band's top left.
struct TBerichtFeld {
    QString Name;
    TFeldArt Art = TFeldArt::Text;
    double Links = 0.0;
    double Oben = 0.0;
    // Designed width; ignored with AutoGroesse (the width follows the text).
    double Breite = 0.0;
    // Text: 0 = one line of the font (with Umbruch: as many lines as needed).
    // Linie: a vertical line has Breite 0 and this height; a horizontal one Hoehe 0.
    // Diagramm: the chart's height.
    double Hoehe = 0.0;
    QString Text;
    QString Schriftart = QStringLiteral("Arial");
    double Groesse = 10.0; // points
    bool Fett = false;
    TAusrichtung Ausrichtung = TAusrichtung::Links;
    bool AutoGroesse = false;
    bool Umbruch = false; // wrap words within Breite
    bool Sichtbar = true;
    TRahmen Rahmen;
    double Strichstaerke = 0.2; // mm, for lines and frames
    // Text fields: called each time the field prints, with the field's text;
    // what it leaves in text is printed.
    std::function<void(QString &text)> Drucken;
    // Diagramm: the chart view drawn in the field's rectangle (not owned).
    TDiagrammAnzeige *Diagramm = nullptr;

    QFont Schrift() const;
};

class TBerichtBand {
public:
    TBerichtBand(TBandArt art, const QString &name, double hoehe, TRahmen rahmen)
        : Art(art), Name(name), Hoehe(hoehe), Rahmen(rahmen) {}

    TBandArt Art;
    QString Name;
    double Hoehe; // mm
    TRahmen Rahmen;
    // Page footer: printed at the bottom of the page instead of right after
    // the last band.
    bool AmSeitenende = false;
    // A band that is switched off is left out of the run (like a removed band).
    bool Aktiv = true;
    std::vector<std::unique_ptr<TBerichtFeld>> Felder;

    // A text field (fixed label or run-time field); breite 0 with auto-size.
    TBerichtFeld &Label(const QString &name, double links, double oben, double breite, const QString &text,
                        double groesse = 10.0, bool fett = false,
                        TAusrichtung ausrichtung = TAusrichtung::Links);
    // Print date and time, page number, page number with the number of pages (auto-size).
    TBerichtFeld &Systemfeld(const QString &name, TFeldArt art, double links, double oben,
                             double groesse = 10.0);
    // A vertical line at x from oben down by laenge.
    TBerichtFeld &SenkrechteLinie(double x, double oben, double laenge);
    // A horizontal line at y from links over laenge.
    TBerichtFeld &WaagerechteLinie(double links, double y, double laenge);
    TBerichtFeld &Diagramm(const QString &name, double links, double oben, double breite, double hoehe,
                           TDiagrammAnzeige *anzeige);

    TBerichtFeld *SucheFeld(const QString &name) const;
    // Takes a field out of the band (it no longer prints); false if there is none of that name.
    bool FeldEntfernen(const QString &name);
};

// One field as placed on a page: rectangle in mm from the paper's top left corner.
struct TGesetztesFeld {
    const TBerichtFeld *Feld = nullptr;
    QRectF Rechteck;
    QString Text;               // the text printed (after the print callback; system fields filled in)
    bool Abgeschnitten = false; // the text is wider than its designed field and is cut at its edges
    // A text a little wider than its designed field (a longer language) is set
    // smaller by this factor, down to 70 %, rather than cut.
    double Schriftfaktor = 1.0;
};

struct TGesetztesBand {
    const TBerichtBand *Band = nullptr;
    double Oben = 0.0; // mm from the paper's top edge
    int Zeile = 0;     // detail bands: the number of the detail row (1 ...), else 0
    // Its frame as drawn on this page: a page header with no column header
    // under it is closed at the bottom.
    TRahmen Rahmen;
    std::vector<TGesetztesFeld> Felder;
    QRectF Rechteck(double links, double breite) const { return {links, Oben, breite, Band->Hoehe}; }
};

struct TSeite {
    int Nummer = 0; // 1 ...
    std::vector<TGesetztesBand> Baender;
};

class TBericht {
public:
    TBericht();
    virtual ~TBericht();
    TBericht(const TBericht &) = delete;
    TBericht &operator=(const TBericht &) = delete;

    // Paper.
    QPageSize::PageSizeId Papier = QPageSize::Letter;
    QPageLayout::Orientation Ausrichtung = QPageLayout::Portrait;
    double Rand = 10.0;        // mm, all four sides
    double BandBreite = 195.8; // mm
    QString Titel;             // document title (PDF metadata, preview caption)

    // Print date/time: the locale's short date with a four-digit year and its
    // short time format; Druckzeit, when valid, instead of the clock (for
    // reproducible output).
    QLocale Gebietsschema = QLocale::system();
    QDateTime Druckzeit;

    // Called at the start of every run (preview pages, printing, PDF): reset
    // the row counters here, as a preview may run the report more than once
    // and a report that prints the number of pages counts them in a run of
    // its own before it prints.
    std::function<void()> BeimStart;
    // Asked before each detail band: true when one more row follows.
    std::function<bool()> MehrDaten;

    std::vector<std::unique_ptr<TBerichtBand>> Baender;
    TBerichtBand &NeuesBand(TBandArt art, const QString &name, double hoehe, TRahmen rahmen = {});
    // Inserts a band before the band named vor (or at the end).
    TBerichtBand &BandEinfuegen(std::unique_ptr<TBerichtBand> band, const QString &vor = {});
    TBerichtBand *SucheBand(const QString &name) const;
    // The first active band of that kind, or none.
    TBerichtBand *BandDerArt(TBandArt art) const;
    TBerichtFeld *SucheFeld(const QString &name) const;

    QSizeF PapierGroesse() const; // mm, oriented
    QPageLayout Seitenlayout() const;

    // Every page of a run, as data (runs the callbacks).
    std::vector<TSeite> Planen();
};

// Computes a run page by page, so that long reports need memory for one page only.
class TSeitenplaner {
public:
    explicit TSeitenplaner(TBericht &bericht);
    ~TSeitenplaner();
    // The next page; false when the run has ended (at once for an empty report).
    bool NaechsteSeite(TSeite &seite);

    // Width of a text in mm, as the fields are measured.
    static double TextBreite(const QFont &schrift, const QString &text);
    // Height of one line of a font in mm.
    static double ZeilenHoehe(const QFont &schrift);

private:
    struct Zustand;
    std::unique_ptr<Zustand> d;
    // The number of pages of a run, counted without placing the fields.
    static int zaehleSeiten(TBericht &bericht);
};

// A chart as data: what a series is (title, colour, pen style, axis, value
// format, points with their colours) and what a chart shows (title and foot
// lines, left, right and bottom axes with fixed or automatic scales, number
// formats and titles, legend, the series attached to it). Nothing here draws;
// the chart view of the toolkit (TDiagrammAnzeige) shows a TDiagramm on screen,
// in a print preview or on paper. Qt Core only.
#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// A colour by its red, green and blue parts.
struct TFarbe {
    quint8 Rot = 0;
    quint8 Gruen = 0;
    quint8 Blau = 0;
    friend constexpr bool operator==(const TFarbe &a, const TFarbe &b) = default;
};

namespace Farben {
inline constexpr TFarbe Schwarz{0, 0, 0};
inline constexpr TFarbe Weiss{255, 255, 255};
inline constexpr TFarbe Rot{255, 0, 0};
inline constexpr TFarbe Blau{0, 0, 255};
inline constexpr TFarbe Kastanie{128, 0, 0}; // maroon
inline constexpr TFarbe Lila{128, 0, 128};   // purple
inline constexpr TFarbe Gelb{255, 255, 0};
inline constexpr TFarbe Fuchsia{255, 0, 255};
inline constexpr TFarbe Petrol{0, 128, 128}; // teal
} // namespace Farben

enum class TLinienStil { Standard, Durchgezogen, Gepunktet, Gestrichelt, StrichPunkt, StrichPunktPunkt };
enum class TSerienArt { Linie, Balken };
// Rechts2 is a second scale on the right: beside the plotting area while the
// first right axis is hidden, outside it otherwise.
enum class TAchsenSeite { Links = 0, Rechts = 1, Unten = 2, Rechts2 = 3 };

class TDiagramm;

// One series: its look and its points. Point i lies at position i of the
// bottom axis. A series belongs to whoever created it; a chart only shows it,
// and a series is shown by at most one chart at a time.
class TMessSerie : public QObject {
    Q_OBJECT
public:
    TMessSerie(TSerienArt art, const QString &titel, TAchsenSeite achse, const QString &wertFormat,
               TFarbe farbe, TLinienStil stil, QObject *parent = nullptr);
    ~TMessSerie() override; // leaves its chart

    TSerienArt Art() const { return m_art; }
    QString Titel() const { return m_titel; }
    TAchsenSeite Achse() const { return m_achse; } // the vertical axis: Links, Rechts or Rechts2
    QString WertFormat() const { return m_wertFormat; }
    TFarbe Farbe() const { return m_farbe; }
    TLinienStil Stil() const { return m_stil; }
    bool MarkenSichtbar() const { return m_markenSichtbar; } // value marks on the points (bars)

    void SetTitel(const QString &titel);
    void SetAchse(TAchsenSeite achse);
    void SetWertFormat(const QString &format);
    void SetFarbe(TFarbe farbe);
    void SetStil(TLinienStil stil);
    void SetMarkenSichtbar(bool sichtbar);

    // Points.
    qsizetype Anzahl() const { return m_werte.size(); }
    double Wert(qsizetype i) const { return m_werte.at(i); }
    const QList<double> &Werte() const { return m_werte; }
    // The colour point i was added in.
    TFarbe PunktFarbe(qsizetype i) const;
    // The points added in a colour other than the series' own: (index, colour), ascending.
    const QList<QPair<qsizetype, TFarbe>> &PunktFarben() const { return m_punktFarben; }
    void Hinzufuegen(double wert, TFarbe farbe);
    // Adds a point in the series' own colour; it follows later colour changes.
    void Hinzufuegen(double wert);
    void Leeren();
    void Reservieren(qsizetype anzahl) { m_werte.reserve(anzahl); }

    // The first anzahl points only hold places (a model whose numbering
    // starts at 1 keeps point 0): a view draws neither a line nor a bar to
    // them and leaves them out of automatic scales. Kept when the points are
    // cleared.
    void SetPlatzhalter(qsizetype anzahl);
    qsizetype Platzhalter() const { return m_platzhalter; }

    // Counts every change of look or points; a view compares it with what it shows.
    quint64 Stand() const { return m_stand; }

    // The chart showing this series, or none.
    TDiagramm *Diagramm() const { return m_diagramm; }

private:
    friend class TDiagramm;
    void geaendert();

    TSerienArt m_art;
    QString m_titel;
    TAchsenSeite m_achse;
    QString m_wertFormat;
    TFarbe m_farbe;
    TLinienStil m_stil;
    bool m_markenSichtbar = true;
    qsizetype m_platzhalter = 0;
    QList<double> m_werte;
    // points not added in the series' own colour: (index, colour), ascending
    QList<QPair<qsizetype, TFarbe>> m_punktFarben;
    quint64 m_stand = 0;
    TDiagramm *m_diagramm = nullptr;
};

// One axis. A scale bound is either fixed (the value given) or automatic (the
// view takes it from the points of the series on that axis).
struct TDiagrammAchse {
    bool AutoMinimum = true;
    bool AutoMaximum = true;
    double Minimum = 0.0;
    double Maximum = 0.0;
    QString WertFormat; // number pattern of the axis labels, e.g. "#" or "###.#"; empty: automatic
    QString Titel;
    bool Sichtbar = true;
    bool NurMitSerie = false; // shown only while a series of the chart uses it
    friend bool operator==(const TDiagrammAchse &, const TDiagrammAchse &) = default;
};

// What a chart shows. Every change is reported by geaendert(), once until the
// view that shows the chart has taken it over (Quittieren), so that filling a
// series with many points costs one redraw.
class TDiagramm : public QObject {
    Q_OBJECT
public:
    explicit TDiagramm(QObject *parent = nullptr);
    ~TDiagramm() override; // detaches its series; they stay intact

    QStringList Titel() const { return m_titel; }
    QStringList Fuss() const { return m_fuss; }
    TFarbe TitelFarbe() const { return m_titelFarbe; }
    TFarbe FussFarbe() const { return m_fussFarbe; }
    bool Dreidimensional() const { return m_3d; }
    bool PunkteBeschneiden() const { return m_beschneiden; } // clip points to the plotting area
    bool LegendeSichtbar() const { return m_legende; }
    const TDiagrammAchse &Achse(TAchsenSeite seite) const { return m_achsen[idx(seite)]; }

    void SetTitel(const QStringList &zeilen);
    void SetFuss(const QStringList &zeilen);
    void SetTitelFarbe(TFarbe farbe);
    void SetFussFarbe(TFarbe farbe);
    void SetDreidimensional(bool an);
    void SetPunkteBeschneiden(bool an);
    void SetLegendeSichtbar(bool an);
    void SetAchse(TAchsenSeite seite, const TDiagrammAchse &achse);
    // Fixed scale from min to max.
    void SetAchseFest(TAchsenSeite seite, double min, double max);
    // Minimum fixed, maximum automatic.
    void SetAchseAutoMaximum(TAchsenSeite seite, double min);
    // Only the minimum (fixed); the maximum keeps its setting.
    void SetAchseMinimum(TAchsenSeite seite, double min);
    // Only the maximum (fixed); the minimum keeps its setting.
    void SetAchseMaximum(TAchsenSeite seite, double max);
    void SetAchseSichtbar(TAchsenSeite seite, bool sichtbar);
    // Shown only while a series of the chart uses the axis (an axis without a
    // curve is no use to the reader).
    void SetAchseNurMitSerie(TAchsenSeite seite, bool an);
    // Whether the axis is drawn with the series shown now.
    bool AchseGezeigt(TAchsenSeite seite) const;
    void SetAchseFormat(TAchsenSeite seite, const QString &format);
    void SetAchseTitel(TAchsenSeite seite, const QString &titel);

    // Takes over titles, foot, colours, legend and axes of another chart (not its series).
    void EinstellungenUebernehmen(const TDiagramm &quelle);

    // The series shown, in drawing and legend order.
    const QList<TMessSerie *> &Serien() const { return m_serien; }
    // Adds a series at the end; a series shown by another chart moves here.
    void SerieHinzufuegen(TMessSerie *serie);
    void SerieEntfernen(TMessSerie *serie);
    void AlleSerienEntfernen();

    // The view has taken over all changes so far; the next change is reported again.
    void Quittieren() { m_gemeldet = false; }

signals:
    void geaendert();

private:
    friend class TMessSerie;
    static constexpr size_t idx(TAchsenSeite s) { return static_cast<size_t>(s); }
    void melden();

    QStringList m_titel;
    QStringList m_fuss;
    TFarbe m_titelFarbe = Farben::Schwarz;
    TFarbe m_fussFarbe = Farben::Schwarz;
    bool m_3d = false;
    bool m_beschneiden = true;
    bool m_legende = true;
    std::array<TDiagrammAchse, 4> m_achsen{};
    QList<TMessSerie *> m_serien;
    bool m_gemeldet = false;
};

// Formats a value with a number pattern: '#' is a digit shown only when
// significant, '0' a digit always shown, '.' the place of the decimal
// separator (the locale's). "###.#" shows at most one decimal, "#" and "#####"
// whole numbers. An empty pattern gives the shortest exact text.
QString FormatiereMuster(double wert, const QString &muster, const QLocale &locale);
// Number of decimals a pattern allows at most.
int MusterNachkommastellen(const QString &muster);

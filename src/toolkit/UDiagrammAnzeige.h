// The chart view: shows a TDiagramm (its series, axes, titles, foot and
// legend) with QCustomPlot, on screen and on any painter (print preview,
// printer, image). The chart description and the series are data of their
// owners; the view only mirrors them. Changes to the description are taken
// over on the next pass of the event loop, or at once by Synchronisieren()
// and Neuzeichnen().
//
// Every point is drawn in its own colour; a series' placeholder points
// (TMessSerie::Platzhalter) are never drawn, nor a line to them. Where more points fall on one pixel
// column than can be told apart, a line keeps the first, lowest, highest and
// last point of the column and a bar series one bar to the column's extreme,
// so that minima and maxima stay visible however many points there are.
//
// Mouse: dragging with the left button from left to right zooms into the
// rectangle, dragging it from right to left undoes the zoom; dragging with
// the right button pans the bottom axis, if ScrollErlaubt permits the new
// range. Zoom and pan write the new scales into the chart description.
#pragma once

#include "data/UDiagramm.h"

#include <QList>
#include <QLocale>
#include <QPointer>
#include <QSharedPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QCustomPlot;
class QCPAbstractPlottable;
class QCPAxis;
class QCPBarsGroup;
class QCPTextElement;
class QMouseEvent;
class QPainter;
class TMusterTicker;

class TDiagrammAnzeige : public QWidget {
    Q_OBJECT
public:
    explicit TDiagrammAnzeige(QWidget *parent = nullptr);
    ~TDiagrammAnzeige() override;

    // The chart this view shows; it lives as long as the view.
    TDiagramm &Diagramm() { return m_diagramm; }
    const TDiagramm &Diagramm() const { return m_diagramm; }

    // The locale of the axis labels (decimal separator).
    void SetGebietsschema(const QLocale &locale);

    // Takes over the chart description now.
    void Synchronisieren();
    // Takes over the chart description and redraws at once.
    void Neuzeichnen();

    // Zooms into a rectangle given in widget pixels from the point where the
    // drag started to where it ended; a rectangle drawn from right to left
    // undoes the zoom instead. Emits gezoomt().
    void Zoomen(const QRect &pixel);
    // Brings back the scales from before the first zoom or pan; emits
    // zoomAufgehoben() if there was one.
    void ZoomAufheben();
    bool IstGezoomt() const { return m_vorZoom.has_value(); }
    // Moves the bottom axis by delta (axis units) if ScrollErlaubt permits it.
    // Emits gescrollt() and returns true when it moved.
    bool Verschieben(double delta);
    // Asked before the view pans an axis to a new range; none: always allowed.
    std::function<bool(TAchsenSeite achse, double neuMin, double neuMax)> ScrollErlaubt;

    // Draws the chart into ziel of an active painter. The chart is laid out
    // for layoutGroesse (default: the size of ziel in the painter's units)
    // and scaled to fill ziel.
    void Zeichnen(QPainter &painter, const QRectF &ziel, const QSize &layoutGroesse = QSize());

    // The plot and its parts, for inspection.
    QCustomPlot *Plot() const { return m_plot; }
    QCPAbstractPlottable *Plottable(const TMessSerie *serie) const;
    // Points (lines) or bars of the series drawn by the last redraw, after thinning.
    qsizetype GezeichnetePunkte(const TMessSerie *serie) const;
    QCPAxis *Achse(TAchsenSeite seite) const;
    QString TitelText() const;
    QString FussText() const;

signals:
    void gezoomt();
    void zoomAufgehoben();
    void gescrollt();

private:
    struct Eintrag {
        QPointer<TMessSerie> serie;
        const TMessSerie *schluessel = nullptr;
        QCPAbstractPlottable *plottable = nullptr;
        TSerienArt art = TSerienArt::Linie;
        quint64 stand = 0;
    };

    void geaendert();
    Eintrag *eintrag(const TMessSerie *serie);
    const Eintrag *eintrag(const TMessSerie *serie) const;
    void plottableAnlegen(Eintrag &e, TMessSerie &s);
    void plottableFuellen(Eintrag &e, const TMessSerie &s);
    void achseAnwenden(TAchsenSeite seite);
    void vorZoomMerken();
    void mausGedrueckt(QMouseEvent *event);
    void mausBewegt(QMouseEvent *event);
    void mausLosgelassen(QMouseEvent *event);

    TDiagramm m_diagramm;
    QCustomPlot *m_plot = nullptr;
    QCPTextElement *m_titel = nullptr;
    QCPTextElement *m_fuss = nullptr;
    QCPBarsGroup *m_balken = nullptr;
    QCPAxis *m_rechts2 = nullptr; // the second scale on the right
    std::array<QSharedPointer<TMusterTicker>, 4> m_ticker;
    QList<Eintrag> m_eintraege;
    QLocale m_locale;
    bool m_syncGeplant = false;
    // the scales before the first zoom or pan, and the bottom axis as the view left it
    std::optional<std::array<TDiagrammAchse, 4>> m_vorZoom;
    TDiagrammAchse m_untenNachZoom;
    // panning with the right button
    bool m_schwenken = false;
    int m_schwenkX = 0;
};

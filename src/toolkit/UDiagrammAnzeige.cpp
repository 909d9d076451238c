#include "UDiagrammAnzeige.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <qcustomplot.h>

// Axis labels by the number pattern of the axis ("#" whole numbers, "###.#"
// at most one decimal); a pattern without decimals never puts ticks closer
// than one unit, so that no label repeats.
class TMusterTicker : public QCPAxisTicker {
public:
    QString muster;
    QLocale locale;

protected:
    double getTickStep(const QCPRange &range) override {
        const double schritt = QCPAxisTicker::getTickStep(range);
        if (muster.isEmpty())
            return schritt;
        // a step the pattern can show: a multiple of its smallest unit, and 1, 2 or 5 times a power of ten
        const double einheit = std::pow(10.0, -MusterNachkommastellen(muster));
        if (schritt <= einheit)
            return einheit;
        const auto darstellbar = [einheit](double s) {
            const double n = s / einheit;
            return std::abs(n - std::round(n)) < 1e-9 * n;
        };
        if (darstellbar(schritt))
            return schritt;
        const double groesse = std::pow(10.0, std::floor(std::log10(schritt)));
        for (double faktor : {1.0, 2.0, 5.0, 10.0, 20.0}) {
            const double s = faktor * groesse;
            if (s >= schritt && darstellbar(s))
                return s;
        }
        return std::ceil(schritt / einheit) * einheit;
    }
    QString getTickLabel(double tick, const QLocale &l, QChar formatChar, int precision) override {
        if (muster.isEmpty())
            return QCPAxisTicker::getTickLabel(tick, l, formatChar, precision);
        return FormatiereMuster(tick, muster, locale);
    }
};

namespace {

QColor farbe(TFarbe f) {
    return QColor(f.Rot, f.Gruen, f.Blau);
}

Qt::PenStyle stift(TLinienStil s) {
    switch (s) {
    case TLinienStil::Gepunktet:
        return Qt::DotLine;
    case TLinienStil::Gestrichelt:
        return Qt::DashLine;
    case TLinienStil::StrichPunkt:
        return Qt::DashDotLine;
    case TLinienStil::StrichPunktPunkt:
        return Qt::DashDotDotLine;
    case TLinienStil::Standard:
    case TLinienStil::Durchgezogen:
        break;
    }
    return Qt::SolidLine;
}

// The colours of a series' points: the series colour and the points added in
// another one. A TFarbZeiger walks them in ascending point order.
struct TPunktFarben {
    QColor grund;
    QList<QPair<qsizetype, QColor>> ausnahmen; // ascending point index

    // The colour of point i (for single points; TFarbZeiger walks many).
    const QColor &von(qsizetype i) const {
        const auto it =
            std::lower_bound(ausnahmen.cbegin(), ausnahmen.cend(), i,
                             [](const QPair<qsizetype, QColor> &e, qsizetype k) { return e.first < k; });
        return it != ausnahmen.cend() && it->first == i ? it->second : grund;
    }
};

// Pixel position along a linear key axis as a * key + b, without the axis's checks per point.
struct TLinear {
    double a = 1.0;
    double b = 0.0;
    explicit TLinear(const QCPAxis *achse) {
        const double p0 = achse->coordToPixel(0.0);
        a = achse->coordToPixel(1.0) - p0;
        b = p0;
    }
    double operator()(double key) const { return a * key + b; }
};

class TFarbZeiger {
public:
    TFarbZeiger(const TPunktFarben &f, qsizetype ab) : m_f(f) {
        m_j = std::lower_bound(m_f.ausnahmen.cbegin(), m_f.ausnahmen.cend(), ab,
                               [](const QPair<qsizetype, QColor> &e, qsizetype k) { return e.first < k; }) -
              m_f.ausnahmen.cbegin();
    }
    // The colour of point i; i must not decrease from call to call.
    const QColor &operator()(qsizetype i) {
        const qsizetype n = m_f.ausnahmen.size();
        while (m_j < n && m_f.ausnahmen.at(m_j).first < i)
            ++m_j;
        if (m_j < n && m_f.ausnahmen.at(m_j).first == i)
            return m_f.ausnahmen.at(m_j).second;
        return m_f.grund;
    }

private:
    const TPunktFarben &m_f;
    qsizetype m_j = 0;
};

// More points than this per pixel column of the plotting area are thinned out.
constexpr double PunkteJeSpalte = 2.0;

// The four axes in the order in which a zoom remembers them.
constexpr std::array<TAchsenSeite, 4> AlleSeiten{TAchsenSeite::Links, TAchsenSeite::Rechts,
                                                 TAchsenSeite::Unten, TAchsenSeite::Rechts2};

} // namespace

// What the line and the bar series share: the colours of their points, the
// leading points never drawn, and how many points the last pass drew.
class TFarbSerie {
public:
    TPunktFarben Farben;
    qsizetype Platzhalter = 0; // leading points never drawn
    qsizetype Gezeichnet = 0;  // points drawn in the last pass

protected:
    // Moves begin, the first visible point, past the placeholders (at most to end).
    template <typename Iterator> void ohnePlatzhalter(Iterator anfang, Iterator &begin, Iterator end) const {
        if (begin - anfang < Platzhalter)
            begin = anfang + std::min<qsizetype>(Platzhalter, end - anfang);
    }
};

// A line series drawn segment by segment in the colours of its points (the
// segment ending at a point takes that point's colour). Where more points fall
// on a pixel column than can be told apart, only the first, the lowest, the
// highest and the last of the column are drawn, so minima and maxima stay visible.
class TFarbLinie : public QCPGraph, public TFarbSerie {
public:
    using QCPGraph::QCPGraph;

protected:
    void draw(QCPPainter *painter) override {
        Gezeichnet = 0;
        QCPAxis *k = keyAxis();
        QCPAxis *v = valueAxis();
        if (!k || !v || mDataContainer->isEmpty() || mPen.style() == Qt::NoPen)
            return;
        QCPGraphDataContainer::const_iterator begin, end;
        getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
        const auto anfang = mDataContainer->constBegin();
        // no line runs to a placeholder
        ohnePlatzhalter(anfang, begin, end);
        if (begin == end)
            return;
        struct P {
            QPointF p;
            QColor c;
        };
        QVector<P> punkte;
        TFarbZeiger farbe(Farben, begin - anfang);
        const qsizetype anzahl = end - begin;
        const double spalten = std::max(1, k->axisRect()->width());
        if (anzahl <= PunkteJeSpalte * spalten) {
            punkte.reserve(anzahl);
            for (auto it = begin; it != end; ++it)
                punkte.append(
                    P{QPointF(k->coordToPixel(it->key), v->coordToPixel(it->value)), farbe(it - anfang)});
        } else {
            punkte.reserve(static_cast<qsizetype>(4 * spalten) + 8);
            // the column being gathered: its first, lowest, highest and last point
            const TLinear x(k);
            const bool linear = k->scaleType() == QCPAxis::stLinear;
            int spalte = std::numeric_limits<int>::min();
            std::array<QCPGraphDataContainer::const_iterator, 4> wahl{};
            const auto abschliessen = [&] {
                if (spalte == std::numeric_limits<int>::min())
                    return;
                std::array<int, 4> folge{0, 1, 2, 3};
                std::sort(folge.begin(), folge.end(), [&](int a, int b) { return wahl[a] < wahl[b]; });
                auto vorige = mDataContainer->constEnd();
                for (int j : folge) {
                    if (wahl[j] == vorige)
                        continue;
                    vorige = wahl[j];
                    punkte.append(P{QPointF(k->coordToPixel(wahl[j]->key), v->coordToPixel(wahl[j]->value)),
                                    Farben.von(wahl[j] - anfang)});
                }
            };
            for (auto it = begin; it != end; ++it) {
                const int s = static_cast<int>(std::floor(linear ? x(it->key) : k->coordToPixel(it->key)));
                if (s != spalte) {
                    abschliessen();
                    spalte = s;
                    wahl.fill(it);
                    continue;
                }
                if (it->value < wahl[1]->value)
                    wahl[1] = it;
                else if (it->value > wahl[2]->value)
                    wahl[2] = it;
                wahl[3] = it;
            }
            abschliessen();
        }
        Gezeichnet = punkte.size();

        // one polyline per run of segments in the same colour
        applyDefaultAntialiasingHint(painter);
        QPen stift = mPen;
        QPolygonF zug;
        QColor aktuell;
        const auto zeichnen = [&] {
            if (zug.size() < 2)
                return;
            stift.setColor(aktuell);
            painter->setPen(stift);
            painter->setBrush(Qt::NoBrush);
            painter->drawPolyline(zug);
        };
        for (qsizetype j = 0; j < punkte.size(); ++j) {
            const P &p = punkte.at(j);
            if (!std::isfinite(p.p.y())) { // a gap
                zeichnen();
                zug.clear();
                continue;
            }
            if (zug.size() > 1 && p.c != aktuell) {
                zeichnen();
                zug = QPolygonF{zug.last()};
            }
            if (!zug.isEmpty())
                aktuell = p.c;
            zug.append(p.p);
        }
        zeichnen();
    }
};

// A bar series with each bar in the colour of its point. Where bars are
// narrower than two pixels, each pixel column shows one bar from the base to
// the highest value of the column (in that point's colour) and one down to
// the lowest, if it lies below the base. Thinned so, bars of a group (fan
// running time and cycles) would cover one another in the same columns: the
// first of the group is drawn as such columns, every later one as the line
// along its columns' ends, so that each stays visible.
class TFarbBalken : public QCPBars, public TFarbSerie {
public:
    using QCPBars::QCPBars;

protected:
    void draw(QCPPainter *painter) override {
        Gezeichnet = 0;
        QCPAxis *k = keyAxis();
        QCPAxis *v = valueAxis();
        if (!k || !v || mDataContainer->isEmpty())
            return;
        QCPBarsDataContainer::const_iterator begin, end;
        getVisibleDataBounds(begin, end);
        const auto anfang = mDataContainer->constBegin();
        ohnePlatzhalter(anfang, begin, end);
        if (begin == end)
            return;
        TFarbZeiger farbe(Farben, begin - anfang);
        applyDefaultAntialiasingHint(painter);
        const QRectF probe = getBarRect(begin->key, begin->value);
        QColor aktuell;
        const auto faerben = [&](const QColor &c, bool rand) {
            if (c == aktuell)
                return;
            aktuell = c;
            painter->setBrush(c);
            painter->setPen(rand && mPen.style() != Qt::NoPen ? QPen(c.darker(130)) : QPen(Qt::NoPen));
        };
        if (probe.width() >= 2.0) {
            for (auto it = begin; it != end; ++it) {
                const QColor &c = farbe(it - anfang);
                if (!std::isfinite(it->value))
                    continue;
                faerben(c, true);
                painter->drawRect(getBarRect(it->key, it->value));
                ++Gezeichnet;
            }
            return;
        }
        // thinned: one column of pixels holds many bars
        const double versatz = probe.center().x() - k->coordToPixel(begin->key);
        const double basis = v->coordToPixel(mBaseValue);
        const TLinear x(k);
        const bool linear = k->scaleType() == QCPAxis::stLinear;
        const bool alsLinie = mBarsGroup && mBarsGroup->bars().indexOf(this) > 0;
        QPolygonF linie;
        QColor linienFarbe = Farben.grund;
        const auto linieZeichnen = [&] {
            if (linie.size() > 1) {
                painter->setPen(QPen(linienFarbe, 1.5));
                painter->setBrush(Qt::NoBrush);
                painter->drawPolyline(linie);
            } else if (linie.size() == 1) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(linienFarbe);
                painter->drawRect(QRectF(linie.first() - QPointF(0.75, 0.75), QSizeF(1.5, 1.5)));
            }
            linie.clear();
        };
        int spalte = std::numeric_limits<int>::min();
        auto hoch = end, tief = end; // the column's highest above and lowest below the base
        const auto abschliessen = [&] {
            if (spalte == std::numeric_limits<int>::min())
                return;
            if (alsLinie) {
                // the column's farthest end from the base, on the line in its point's colour
                const auto ende = hoch != end ? hoch : tief;
                const QColor c = ende != end ? Farben.von(ende - anfang) : linienFarbe;
                if (c != linienFarbe && !linie.isEmpty()) {
                    const QPointF letzter = linie.last();
                    linieZeichnen();
                    linie.append(letzter);
                }
                linienFarbe = c;
                linie.append(QPointF(spalte + 0.5, ende != end ? v->coordToPixel(ende->value) : basis));
                ++Gezeichnet;
                return;
            }
            if (hoch != end) {
                faerben(Farben.von(hoch - anfang), false);
                painter->drawRect(
                    QRectF(QPointF(spalte, v->coordToPixel(hoch->value)), QPointF(spalte + 1, basis))
                        .normalized());
                ++Gezeichnet;
            }
            if (tief != end) {
                faerben(Farben.von(tief - anfang), false);
                painter->drawRect(
                    QRectF(QPointF(spalte, basis), QPointF(spalte + 1, v->coordToPixel(tief->value)))
                        .normalized());
                ++Gezeichnet;
            }
        };
        for (auto it = begin; it != end; ++it) {
            if (!std::isfinite(it->value))
                continue;
            const int s =
                static_cast<int>(std::floor((linear ? x(it->key) : k->coordToPixel(it->key)) + versatz));
            if (s != spalte) {
                abschliessen();
                spalte = s;
                hoch = tief = end;
            }
            if (it->value > mBaseValue && (hoch == end || it->value > hoch->value))
                hoch = it;
            else if (it->value < mBaseValue && (tief == end || it->value < tief->value))
                tief = it;
        }
        abschliessen();
        linieZeichnen();
    }
};

TDiagrammAnzeige::TDiagrammAnzeige(QWidget *parent) : QWidget(parent), m_locale(QLocale()) {
    m_plot = new QCustomPlot(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_plot);
    m_plot->setBackground(Qt::white);

    // title above, foot below, the legend right of the plotting area
    QCPAxisRect *rechteck = m_plot->axisRect();
    m_plot->plotLayout()->take(rechteck);
    m_plot->plotLayout()->simplify();
    m_titel = new QCPTextElement(m_plot, QString());
    m_fuss = new QCPTextElement(m_plot, QString());
    auto *mitte = new QCPLayoutGrid;
    m_plot->plotLayout()->addElement(0, 0, m_titel);
    m_plot->plotLayout()->addElement(1, 0, mitte);
    m_plot->plotLayout()->addElement(2, 0, m_fuss);
    m_plot->plotLayout()->setRowStretchFactor(0, 0.001);
    m_plot->plotLayout()->setRowStretchFactor(2, 0.001);
    mitte->addElement(0, 0, rechteck);
    // the legend at the top of its column, as high as its entries
    auto *legendenSpalte = new QCPLayoutGrid;
    mitte->addElement(0, 1, legendenSpalte);
    mitte->setColumnStretchFactor(1, 0.001);
    rechteck->insetLayout()->take(m_plot->legend);
    legendenSpalte->addElement(0, 0, m_plot->legend);
    legendenSpalte->addElement(1, 0, new QCPLayoutElement(m_plot));
    legendenSpalte->setRowStretchFactor(0, 0.001);
    legendenSpalte->setRowSpacing(0);
    legendenSpalte->setMargins(QMargins(0, 0, 4, 0)); // its frame stays inside the chart
    m_plot->legend->setVisible(true);

    m_plot->xAxis2->setVisible(false);
    m_plot->yAxis2->setVisible(true);
    m_plot->yAxis2->setTickLabels(true);
    // The second right scale stands outside the first; while the first is
    // hidden it moves up to the plotting area.
    m_rechts2 = rechteck->addAxis(QCPAxis::atRight);
    m_rechts2->setLowerEnding(QCPLineEnding());
    m_rechts2->setUpperEnding(QCPLineEnding());
    m_rechts2->grid()->setVisible(false);
    m_rechts2->setVisible(false);
    const std::array<QCPAxis *, 4> achsen{m_plot->yAxis, m_plot->yAxis2, m_plot->xAxis, m_rechts2};
    for (size_t i = 0; i < achsen.size(); ++i) {
        m_ticker[i] = QSharedPointer<TMusterTicker>::create();
        m_ticker[i]->locale = m_locale;
        achsen[i]->setTicker(m_ticker[i]);
    }
    m_balken = new QCPBarsGroup(m_plot);
    m_balken->setSpacingType(QCPBarsGroup::stAbsolute);
    m_balken->setSpacing(1);

    m_plot->setSelectionRectMode(QCP::srmCustom);
    connect(m_plot->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect &rechteck, QMouseEvent *) { Zoomen(rechteck); });
    connect(m_plot, &QCustomPlot::mousePress, this, &TDiagrammAnzeige::mausGedrueckt);
    connect(m_plot, &QCustomPlot::mouseMove, this, &TDiagrammAnzeige::mausBewegt);
    connect(m_plot, &QCustomPlot::mouseRelease, this, &TDiagrammAnzeige::mausLosgelassen);

    connect(&m_diagramm, &TDiagramm::geaendert, this, &TDiagrammAnzeige::geaendert);
    Synchronisieren();
}

TDiagrammAnzeige::~TDiagrammAnzeige() = default;

void TDiagrammAnzeige::SetGebietsschema(const QLocale &locale) {
    m_locale = locale;
    m_plot->setLocale(locale);
    for (auto &t : m_ticker)
        t->locale = locale;
    geaendert();
}

void TDiagrammAnzeige::geaendert() {
    if (m_syncGeplant)
        return;
    m_syncGeplant = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_syncGeplant)
                return;
            Synchronisieren();
            m_plot->replot(QCustomPlot::rpQueuedReplot);
        },
        Qt::QueuedConnection);
}

TDiagrammAnzeige::Eintrag *TDiagrammAnzeige::eintrag(const TMessSerie *serie) {
    for (Eintrag &e : m_eintraege)
        if (e.schluessel == serie && e.serie)
            return &e;
    return nullptr;
}

const TDiagrammAnzeige::Eintrag *TDiagrammAnzeige::eintrag(const TMessSerie *serie) const {
    for (const Eintrag &e : m_eintraege)
        if (e.schluessel == serie && e.serie)
            return &e;
    return nullptr;
}

QCPAbstractPlottable *TDiagrammAnzeige::Plottable(const TMessSerie *serie) const {
    const Eintrag *e = eintrag(serie);
    return e ? e->plottable : nullptr;
}

QCPAxis *TDiagrammAnzeige::Achse(TAchsenSeite seite) const {
    switch (seite) {
    case TAchsenSeite::Links:
        return m_plot->yAxis;
    case TAchsenSeite::Rechts:
        return m_plot->yAxis2;
    case TAchsenSeite::Rechts2:
        return m_rechts2;
    case TAchsenSeite::Unten:
        break;
    }
    return m_plot->xAxis;
}

qsizetype TDiagrammAnzeige::GezeichnetePunkte(const TMessSerie *serie) const {
    const QCPAbstractPlottable *p = Plottable(serie);
    if (const auto *f = dynamic_cast<const TFarbSerie *>(p))
        return f->Gezeichnet;
    return 0;
}

QString TDiagrammAnzeige::TitelText() const {
    return m_titel->text();
}
QString TDiagrammAnzeige::FussText() const {
    return m_fuss->text();
}

void TDiagrammAnzeige::plottableAnlegen(Eintrag &e, TMessSerie &s) {
    QCPAxis *wertAchse = Achse(s.Achse() == TAchsenSeite::Unten ? TAchsenSeite::Links : s.Achse());
    if (s.Art() == TSerienArt::Balken) {
        auto *b = new TFarbBalken(m_plot->xAxis, wertAchse);
        b->setWidth(0.4);
        e.plottable = b;
    } else {
        auto *g = new TFarbLinie(m_plot->xAxis, wertAchse);
        g->setLineStyle(QCPGraph::lsLine);
        e.plottable = g;
    }
    e.serie = &s;
    e.schluessel = &s;
    e.art = s.Art();
    e.stand = s.Stand() - 1; // not filled yet
}

void TDiagrammAnzeige::plottableFuellen(Eintrag &e, const TMessSerie &s) {
    QCPAxis *wertAchse = Achse(s.Achse() == TAchsenSeite::Unten ? TAchsenSeite::Links : s.Achse());
    e.plottable->setValueAxis(wertAchse);
    e.plottable->setName(s.Titel());
    const QColor c = farbe(s.Farbe());
    const qsizetype n = s.Anzahl();
    TPunktFarben punktFarben;
    punktFarben.grund = c;
    punktFarben.ausnahmen.reserve(s.PunktFarben().size());
    for (const auto &[index, f] : s.PunktFarben())
        punktFarben.ausnahmen.append({index, farbe(f)});
    if (auto *f = dynamic_cast<TFarbSerie *>(e.plottable)) {
        f->Farben = punktFarben;
        f->Platzhalter = s.Platzhalter();
    }
    if (auto *b = qobject_cast<QCPBars *>(e.plottable)) {
        b->setPen(QPen(c.darker(130)));
        b->setBrush(c);
        QVector<QCPBarsData> daten(n);
        for (qsizetype i = 0; i < n; ++i)
            daten[i] = QCPBarsData(static_cast<double>(i), s.Wert(i));
        b->data()->set(daten, true);
    } else if (auto *g = qobject_cast<QCPGraph *>(e.plottable)) {
        g->setPen(QPen(c, 1, stift(s.Stil())));
        QVector<QCPGraphData> daten(n);
        for (qsizetype i = 0; i < n; ++i)
            daten[i] = QCPGraphData(static_cast<double>(i), s.Wert(i));
        g->data()->set(daten, true);
    }
    e.stand = s.Stand();
}

void TDiagrammAnzeige::Synchronisieren() {
    m_syncGeplant = false;
    m_diagramm.Quittieren();

    // a zoom or pan is over once someone else set the bottom axis
    if (m_vorZoom && !(m_diagramm.Achse(TAchsenSeite::Unten) == m_untenNachZoom))
        m_vorZoom.reset();

    m_titel->setText(m_diagramm.Titel().join(QLatin1Char('\n')));
    m_titel->setTextColor(farbe(m_diagramm.TitelFarbe()));
    m_fuss->setText(m_diagramm.Fuss().join(QLatin1Char('\n')));
    m_fuss->setTextColor(farbe(m_diagramm.FussFarbe()));

    // series: drop what the chart no longer shows, create and refresh the rest
    const QList<TMessSerie *> &serien = m_diagramm.Serien();
    for (qsizetype i = m_eintraege.size() - 1; i >= 0; --i) {
        Eintrag &e = m_eintraege[i];
        const bool bleibt = e.serie && serien.contains(e.serie.data()) && e.art == e.serie->Art();
        if (!bleibt) {
            m_plot->removePlottable(e.plottable);
            m_eintraege.removeAt(i);
        }
    }
    for (TMessSerie *s : serien) {
        Eintrag *e = eintrag(s);
        if (!e) {
            m_eintraege.append(Eintrag{});
            e = &m_eintraege.last();
            plottableAnlegen(*e, *s);
        }
        if (e->stand != s->Stand())
            plottableFuellen(*e, *s);
    }
    // legend and bar groups in the order of the chart's series
    m_plot->legend->clearItems();
    m_balken->clear();
    for (TMessSerie *s : serien) {
        QCPAbstractPlottable *p = eintrag(s)->plottable;
        p->addToLegend();
        if (auto *b = qobject_cast<QCPBars *>(p))
            m_balken->append(b);
    }
    m_plot->legend->setVisible(m_diagramm.LegendeSichtbar() && !serien.isEmpty());

    achseAnwenden(TAchsenSeite::Links);
    achseAnwenden(TAchsenSeite::Rechts);
    achseAnwenden(TAchsenSeite::Rechts2);
    achseAnwenden(TAchsenSeite::Unten);
}

void TDiagrammAnzeige::achseAnwenden(TAchsenSeite seite) {
    const TDiagrammAchse &a = m_diagramm.Achse(seite);
    QCPAxis *achse = Achse(seite);
    achse->setVisible(m_diagramm.AchseGezeigt(seite));
    achse->setLabel(a.Titel);
    m_ticker[static_cast<size_t>(seite)]->muster = a.WertFormat;

    double unten = a.Minimum;
    double oben = a.Maximum;
    if (a.AutoMinimum || a.AutoMaximum) {
        // automatic bounds from the points of the series on this axis
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        for (const TMessSerie *s : m_diagramm.Serien()) {
            // placeholders count for no scale
            const qsizetype erster = s->Platzhalter();
            if (s->Anzahl() <= erster)
                continue;
            if (seite == TAchsenSeite::Unten) {
                lo = std::min(lo, static_cast<double>(erster));
                hi = std::max(hi, static_cast<double>(s->Anzahl() - 1));
                continue;
            }
            if (s->Achse() != seite)
                continue;
            for (qsizetype i = erster; i < s->Anzahl(); ++i) {
                lo = std::min(lo, s->Wert(i));
                hi = std::max(hi, s->Wert(i));
            }
            if (s->Art() == TSerienArt::Balken) {
                lo = std::min(lo, 0.0);
                hi = std::max(hi, 0.0);
            }
        }
        if (lo > hi) {
            lo = 0.0;
            hi = 1.0;
        }
        if (a.AutoMinimum)
            unten = lo;
        if (a.AutoMaximum)
            oben = seite == TAchsenSeite::Unten ? hi : hi + (hi - unten) * 0.05;
    }
    if (!(oben > unten))
        oben = unten + 1.0;
    achse->setRange(unten, oben);
}

void TDiagrammAnzeige::Neuzeichnen() {
    Synchronisieren();
    m_plot->replot();
}

void TDiagrammAnzeige::vorZoomMerken() {
    if (m_vorZoom)
        return;
    std::array<TDiagrammAchse, AlleSeiten.size()> achsen;
    for (size_t i = 0; i < AlleSeiten.size(); ++i)
        achsen[i] = m_diagramm.Achse(AlleSeiten[i]);
    m_vorZoom = achsen;
}

void TDiagrammAnzeige::Zoomen(const QRect &pixel) {
    if (pixel.right() < pixel.left()) {
        ZoomAufheben();
        return;
    }
    const QRect r = pixel.normalized();
    if (r.width() < 3 || r.height() < 3)
        return;
    Synchronisieren();
    vorZoomMerken();
    QCPAxis *x = Achse(TAchsenSeite::Unten);
    m_diagramm.SetAchseFest(TAchsenSeite::Unten, x->pixelToCoord(r.left()), x->pixelToCoord(r.right()));
    for (TAchsenSeite seite : {TAchsenSeite::Links, TAchsenSeite::Rechts, TAchsenSeite::Rechts2}) {
        QCPAxis *y = Achse(seite);
        m_diagramm.SetAchseFest(seite, y->pixelToCoord(r.bottom()), y->pixelToCoord(r.top()));
    }
    m_untenNachZoom = m_diagramm.Achse(TAchsenSeite::Unten);
    Synchronisieren();
    emit gezoomt();
    Neuzeichnen();
}

void TDiagrammAnzeige::ZoomAufheben() {
    if (!m_vorZoom)
        return;
    const std::array<TDiagrammAchse, 4> vorher = *m_vorZoom;
    m_vorZoom.reset();
    for (size_t i = 0; i < AlleSeiten.size(); ++i)
        m_diagramm.SetAchse(AlleSeiten[i], vorher[i]);
    Synchronisieren();
    emit zoomAufgehoben();
    Neuzeichnen();
}

bool TDiagrammAnzeige::Verschieben(double delta) {
    Synchronisieren();
    const QCPRange jetzt = Achse(TAchsenSeite::Unten)->range();
    const double neuMin = jetzt.lower + delta;
    const double neuMax = jetzt.upper + delta;
    if (delta == 0.0 || (ScrollErlaubt && !ScrollErlaubt(TAchsenSeite::Unten, neuMin, neuMax)))
        return false;
    vorZoomMerken();
    m_diagramm.SetAchseFest(TAchsenSeite::Unten, neuMin, neuMax);
    m_untenNachZoom = m_diagramm.Achse(TAchsenSeite::Unten);
    Synchronisieren();
    emit gescrollt();
    Neuzeichnen();
    return true;
}

void TDiagrammAnzeige::mausGedrueckt(QMouseEvent *event) {
    if (event->button() != Qt::RightButton)
        return;
    // the right button pans; it must not start a zoom rectangle
    m_plot->setSelectionRectMode(QCP::srmNone);
    m_schwenken = true;
    m_schwenkX = qRound(event->position().x());
}

void TDiagrammAnzeige::mausBewegt(QMouseEvent *event) {
    if (!m_schwenken)
        return;
    const int x = qRound(event->position().x());
    QCPAxis *achse = Achse(TAchsenSeite::Unten);
    const double delta = achse->pixelToCoord(m_schwenkX) - achse->pixelToCoord(x);
    if (Verschieben(delta))
        m_schwenkX = x;
}

void TDiagrammAnzeige::mausLosgelassen(QMouseEvent *event) {
    if (!m_schwenken || event->button() != Qt::RightButton)
        return;
    m_schwenken = false;
    m_plot->setSelectionRectMode(QCP::srmCustom);
}

void TDiagrammAnzeige::Zeichnen(QPainter &painter, const QRectF &ziel, const QSize &layoutGroesse) {
    Synchronisieren();
    const QSize groesse = layoutGroesse.isValid() && !layoutGroesse.isEmpty()
                              ? layoutGroesse
                              : QSize(qMax(1, qRound(ziel.width())), qMax(1, qRound(ziel.height())));
    QPicture bild;
    {
        QCPPainter p(&bild);
        m_plot->toPainter(&p, groesse.width(), groesse.height());
    }
    painter.save();
    painter.translate(ziel.topLeft());
    painter.scale(ziel.width() / groesse.width(), ziel.height() / groesse.height());
    // A picture is played scaled from its own resolution to the device's
    // (a printer's 1200 dpi would blow it up twelvefold): undo that.
    if (const QPaintDevice *geraet = painter.device();
        geraet && geraet->logicalDpiX() > 0 && geraet->logicalDpiY() > 0)
        painter.scale(double(bild.logicalDpiX()) / geraet->logicalDpiX(),
                      double(bild.logicalDpiY()) / geraet->logicalDpiY());
    painter.drawPicture(0, 0, bild);
    painter.restore();
}

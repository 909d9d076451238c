// The chart view on QCustomPlot: a model's series shown as plottables with
// their titles, axes, colours and pen styles; axis scales, titles and texts
// taken from the chart description; detaching; zoom, undo-zoom and panning
// with the mouse; drawing on a painter and a printer.
#include "data/UMessDaten.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <qcustomplot.h>

namespace {

const QByteArrayList Kopf = {
    "Kompostwerk",
    "* Text *",
    "* Text *",
    "",
    "Anlagen- Name: Miete1",
    "Datei  - Name: C:\\Daten\\M.CSV",
    "Kommentar",
    "Erste Datensicherung : 09.12.2024",
    " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen",
};

QColor farbe(TFarbe f) {
    return QColor(f.Rot, f.Gruen, f.Blau);
}

// Mostly blue or mostly red, also at the antialiased edges of a line.
bool blaeulich(QColor c) {
    return c.blue() > 150 && c.red() < 130 && c.green() < 130;
}
bool roetlich(QColor c) {
    return c.red() > 150 && c.blue() < 130 && c.green() < 130;
}

void maus(QWidget *w, QEvent::Type typ, Qt::MouseButton knopf, Qt::MouseButtons gedrueckt, QPoint pos) {
    QMouseEvent e(typ, QPointF(pos), w->mapToGlobal(QPointF(pos)), knopf, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstDiagrammAnzeige : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TZustand m_z;
    std::unique_ptr<TMessDaten> m_m;
    std::unique_ptr<TDiagrammAnzeige> m_a;

    // A file of n records, one an hour, with fan running times 10, 20, ... and cycles 1, 2, ...
    QString datei(int n) {
        QByteArrayList zeilen = Kopf;
        for (int i = 0; i < n; ++i) {
            tAnlageMesswerte w;
            w.T = {0, 60 + i % 5, 58, 55, 40, 30};
            w.O2 = 150 + i;
            w.Betriebsart = 3;
            w.Laufzeit = 10 * (i + 1);
            w.Zyklen = i + 1;
            const QDateTime t = QDateTime(QDate(2024, 12, 9), QTime(0, 0)).addSecs(3600 * i);
            zeilen.append(TDataFile::RecordLine(i + 1, t.toString("dd.MM.yyyy  hh:mm"), w).chopped(2));
        }
        const QString pfad = m_dir.filePath(QStringLiteral("d%1.CSV").arg(n));
        QFile f(pfad);
        if (f.open(QIODevice::WriteOnly))
            f.write(zeilen.join("\r\n") + "\r\n");
        return pfad;
    }

    TDiagramm &d() { return m_a->Diagramm(); }
    QCustomPlot *plot() { return m_a->Plot(); }

private slots:
    void init() {
        m_z = TZustand{};
        m_z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        m_z.RefText = QStringLiteral("s 55°C[cm]");
        m_m = std::make_unique<TMessDaten>(m_z);
        m_a = std::make_unique<TDiagrammAnzeige>();
        m_a->resize(900, 600);
        QVERIFY(m_m->Load(datei(20)));
        QVERIFY(m_m->BuildSeries(false, &d()));
    }
    void cleanup() {
        m_a.reset();
        m_m.reset();
    }

    void serienAlsPlottables() {
        m_m->AttachSeries(&d());
        m_a->Neuzeichnen();
        QCOMPARE(plot()->plottableCount(), 9);
        QCOMPARE(plot()->graphCount(), 7);
        QCOMPARE(plot()->legend->itemCount(), 9);
        const QList<TMessSerie *> alle = m_m->AllSeries();
        for (int i = 0; i < alle.size(); ++i) {
            const TMessSerie *s = alle.at(i);
            QCPAbstractPlottable *p = m_a->Plottable(s);
            QVERIFY(p);
            QCOMPARE(p->name(), s->Titel());
            QCOMPARE(p->keyAxis(), plot()->xAxis);
            QCOMPARE(p->valueAxis(), m_a->Achse(s->Achse()));
            QCOMPARE(plot()->legend->item(i), plot()->legend->itemWithPlottable(p)); // legend in series order
            if (auto *g = qobject_cast<QCPGraph *>(p)) {
                QCOMPARE(s->Art(), TSerienArt::Linie);
                QCOMPARE(g->pen().color(), farbe(s->Farbe()));
                QCOMPARE(g->dataCount(), 21); // placeholder + 20 records
                QCOMPARE(g->data()->at(5)->value, s->Wert(5));
                QCOMPARE(g->data()->at(5)->key, 5.0);
            } else {
                auto *b = qobject_cast<QCPBars *>(p);
                QVERIFY(b);
                QCOMPARE(s->Art(), TSerienArt::Balken);
                QCOMPARE(b->brush().color(), farbe(s->Farbe()));
                QCOMPARE(b->dataCount(), 21);
                QCOMPARE(b->data()->at(20)->value, s->Wert(20));
            }
        }
        const auto *t75 = qobject_cast<QCPGraph *>(m_a->Plottable(&m_m->TempSeries(2)));
        QCOMPARE(t75->pen().style(), Qt::DotLine);
        QCOMPARE(qobject_cast<QCPGraph *>(m_a->Plottable(&m_m->TempSeries(5)))->pen().style(),
                 Qt::DashDotDotLine);

        // axes, titles and texts of the environment page
        QCOMPARE(plot()->yAxis->range(), QCPRange(0, 100));
        QCOMPARE(plot()->yAxis2->range(), QCPRange(0, 25));
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 20));
        QCOMPARE(plot()->yAxis->label(), QStringLiteral("T[°C]"));
        QCOMPARE(plot()->yAxis2->label(), QStringLiteral("O2/vol%"));
        QCOMPARE(plot()->xAxis->label(), QStringLiteral("Messwert- Nr"));
        QVERIFY(plot()->yAxis2->visible());
        QCOMPARE(m_a->TitelText(), QStringLiteral("Kompostwerk\n* Text *\n* Text *\n Miete1"));
        QCOMPARE(m_a->FussText(), QStringLiteral(" C:\\Daten\\M.CSV"));
        QVERIFY(plot()->legend->visible());

        // axis labels by the pattern "#": whole numbers only
        plot()->replot();
        for (const QString &l : plot()->xAxis->tickVectorLabels())
            QVERIFY2(!l.contains(QLatin1Char(',')) && !l.contains(QLatin1Char('.')), qPrintable(l));
        // a scale whose natural tick step has decimals still gets whole-number ticks
        for (double max : {18.0, 7.0, 3.0, 1.5}) {
            d().SetAchseFest(TAchsenSeite::Links, 0, max);
            m_a->Neuzeichnen();
            QVERIFY(!plot()->yAxis->tickVector().isEmpty());
            for (double tick : plot()->yAxis->tickVector())
                QCOMPARE(tick, std::round(tick));
        }
    }

    // The fan page: bars from 0 with an automatic maximum, the last bar whole.
    void luefterseite() {
        m_m->SetFanPage(true);
        d().AlleSerienEntfernen();
        m_m->SetAxes(&d());
        d().SerieHinzufuegen(&m_m->FanTimeSeries());
        d().SerieHinzufuegen(&m_m->FanCyclesSeries());
        m_a->Neuzeichnen();
        QCOMPARE(plot()->plottableCount(), 2);
        QCOMPARE(plot()->graphCount(), 0);
        QCOMPARE(plot()->yAxis->range().lower, 0.0);
        QVERIFY(plot()->yAxis->range().upper >= 200.0); // longest running time 200 min
        QCOMPARE(plot()->yAxis2->range().lower, 0.0);
        QVERIFY(plot()->yAxis2->range().upper >= 20.0);
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 20.5));
        QCOMPARE(plot()->yAxis->label(), QStringLiteral("t/min"));
        QCOMPARE(plot()->yAxis2->label(), QStringLiteral("n"));
    }

    // Detaching takes the plottables off the chart; the series stay the model's.
    void loesen() {
        m_m->AttachSeries(&d());
        m_a->Neuzeichnen();
        m_m->AttachSeries(nullptr);
        m_a->Neuzeichnen();
        QCOMPARE(plot()->plottableCount(), 0);
        QVERIFY(!plot()->legend->visible());
        for (TMessSerie *s : m_m->AllSeries()) {
            QCOMPARE(s->Anzahl(), 21);
            QCOMPARE(s->Diagramm(), nullptr);
        }
        // attached to a print chart and back, as the graph window prints
        TDiagrammAnzeige druck;
        druck.Diagramm().EinstellungenUebernehmen(d());
        m_m->AttachSeries(&druck.Diagramm());
        druck.Neuzeichnen();
        QCOMPARE(druck.Plot()->plottableCount(), 9);
        QCOMPARE(druck.Plot()->yAxis->range(), QCPRange(0, 100));
        m_m->AttachSeries(&d());
        m_a->Neuzeichnen();
        druck.Neuzeichnen();
        QCOMPARE(druck.Plot()->plottableCount(), 0);
        QCOMPARE(plot()->plottableCount(), 9);
        // the view goes away while showing the series
        m_a.reset();
        for (TMessSerie *s : m_m->AllSeries()) {
            QCOMPARE(s->Diagramm(), nullptr);
            QCOMPARE(s->Anzahl(), 21);
        }
        QCOMPARE(m_m->TempSeries(1).Wert(1), 60.0);
    }

    // The model's placeholder point 0 is never drawn: no line rises from the
    // left edge to the first value, on screen or on paper.
    void keinStrichZumPlatzhalter() {
        d().SerieHinzufuegen(&m_m->TempSeries(1)); // 60 .. 64 °C, maroon
        d().SerieHinzufuegen(&m_m->O2Series());    // 15 .. 17 vol%, blue
        d().SetLegendeSichtbar(false);
        // point 0 well inside the plotting area: still nothing drawn to it
        d().SetAchseFest(TAchsenSeite::Unten, 0.0, 20.0);
        m_a->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_a.get()));
        m_a->Neuzeichnen();
        QCOMPARE(m_m->TempSeries(1).Wert(0), 0.0); // the model keeps it
        QCOMPARE(m_a->GezeichnetePunkte(&m_m->TempSeries(1)), 20);
        QCOMPARE(m_a->GezeichnetePunkte(&m_m->O2Series()), 20);
        const auto dunkelrot = [](QColor c) { return c.red() > 80 && c.green() < 80 && c.blue() < 80; };
        const QImage bild = plot()->toPixmap().toImage();
        const QRect flaeche = plot()->axisRect()->rect();
        const int ersterWert = qRound(plot()->xAxis->coordToPixel(1.0));
        QVERIFY2(
            ersterWert - flaeche.left() > 20,
            qPrintable(QStringLiteral("%1 %2 %3").arg(ersterWert).arg(flaeche.left()).arg(bild.width())));
        int links = 0, rechts = 0;
        for (int y = flaeche.top() + 1; y < flaeche.bottom(); ++y)
            for (int x = flaeche.left() + 1; x < flaeche.right(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (!dunkelrot(c) && !blaeulich(c))
                    continue;
                if (x < ersterWert - 1)
                    ++links;
                else
                    ++rechts;
            }
        QVERIFY2(links == 0 && rechts > 500, qPrintable(QStringLiteral("%1 %2").arg(links).arg(rechts)));
    }

    // The reference depth on a depth scale of its own at the right: beside
    // the plotting area while no O2 curve is shown, outside the O2 scale
    // when one is; neither right scale without a curve on it.
    void tiefenSkala() {
        QCPAxis *tiefe = m_a->Achse(TAchsenSeite::Rechts2);
        QVERIFY(tiefe && tiefe != plot()->yAxis2 && tiefe->axisType() == QCPAxis::atRight);
        m_a->Neuzeichnen();
        QVERIFY(!tiefe->visible());
        QVERIFY(!plot()->yAxis2->visible());

        d().SerieHinzufuegen(&m_m->TempSeries(1));
        d().SerieHinzufuegen(&m_m->RefSeries());
        m_a->Neuzeichnen();
        plot()->replot();
        QCOMPARE(m_a->Plottable(&m_m->RefSeries())->valueAxis(), tiefe);
        QVERIFY(tiefe->visible());
        QVERIFY(!plot()->yAxis2->visible()); // no O2 curve, no O2 scale
        QCOMPARE(tiefe->label(), QStringLiteral("Tiefe[cm]"));
        QCOMPARE(tiefe->range(), QCPRange(0, 100));
        QCOMPARE(tiefe->offset(), 0);
        QCOMPARE(plot()->yAxis->range(), QCPRange(0, 100));

        d().SerieHinzufuegen(&m_m->O2Series());
        m_a->Neuzeichnen();
        plot()->replot();
        QVERIFY(plot()->yAxis2->visible());
        QVERIFY(tiefe->visible());
        QVERIFY2(tiefe->offset() > 20, qPrintable(QString::number(tiefe->offset())));

        // a zoom leaves the depth scale as the model puts it back
        m_a->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_a.get()));
        connect(m_a.get(), &TDiagrammAnzeige::gezoomt, m_m.get(), [this] { m_m->ResetAxes(&d()); });
        QCPAxis *x = plot()->xAxis;
        m_a->Zoomen(QRect(QPoint(qRound(x->coordToPixel(5)), qRound(plot()->yAxis->coordToPixel(80))),
                          QPoint(qRound(x->coordToPixel(10)), qRound(plot()->yAxis->coordToPixel(20)))));
        QCOMPARE(tiefe->range(), QCPRange(0, 100));
        m_a->ZoomAufheben();
        QCOMPARE(tiefe->range(), QCPRange(0, 100));

        // the fan page has no depth
        m_m->SetFanPage(true);
        d().AlleSerienEntfernen();
        m_m->SetAxes(&d());
        d().SerieHinzufuegen(&m_m->FanTimeSeries());
        m_a->Neuzeichnen();
        QVERIFY(!tiefe->visible());
        QVERIFY(!plot()->yAxis2->visible()); // no cycles shown
    }

    // Changes reach the view by themselves on the next event loop pass, also
    // when the series are rebuilt while shown.
    void aenderungenOhneAufruf() {
        m_m->AttachSeries(&d());
        QCOMPARE(plot()->plottableCount(), 0);
        QTRY_COMPARE(plot()->plottableCount(), 9);
        QVERIFY(m_m->BuildSeries(true, &d())); // one per day: 20 hourly records on one day
        QTRY_COMPARE(plot()->graph(0)->dataCount(), 2);
        QTRY_COMPARE(plot()->xAxis->range(), QCPRange(0.7, 1));
    }

    void zoomUndZurueck() {
        m_m->AttachSeries(&d());
        m_a->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_a.get()));
        m_a->Neuzeichnen();
        // the graph window puts the vertical scales back after each zoom
        connect(m_a.get(), &TDiagrammAnzeige::gezoomt, m_m.get(), [this] { m_m->ResetAxes(&d()); });
        QSignalSpy gezoomt(m_a.get(), &TDiagrammAnzeige::gezoomt);
        QSignalSpy aufgehoben(m_a.get(), &TDiagrammAnzeige::zoomAufgehoben);

        QCPAxis *x = plot()->xAxis;
        QCPAxis *y = plot()->yAxis;
        const QPoint von(qRound(x->coordToPixel(5)), qRound(y->coordToPixel(80)));
        const QPoint bis(qRound(x->coordToPixel(10)), qRound(y->coordToPixel(20)));
        maus(plot(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, von);
        maus(plot(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (von + bis) / 2);
        maus(plot(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, bis);
        maus(plot(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, bis);
        QCOMPARE(gezoomt.count(), 1);
        QVERIFY(m_a->IstGezoomt());
        QVERIFY(qAbs(x->range().lower - 5) < 0.1);
        QVERIFY(qAbs(x->range().upper - 10) < 0.1);
        QCOMPARE(y->range(), QCPRange(0, 100)); // only the measurement axis is zoomed
        QCOMPARE(d().Achse(TAchsenSeite::Unten).Maximum, x->range().upper);

        // a rectangle drawn from right to left undoes the zoom
        maus(plot(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, bis);
        maus(plot(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, von);
        maus(plot(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, von);
        QCOMPARE(aufgehoben.count(), 1);
        QVERIFY(!m_a->IstGezoomt());
        QCOMPARE(x->range(), QCPRange(0.7, 20));

        // a new setup of the chart ends a zoom: undoing it later must not bring back old scales
        m_a->Zoomen(QRect(von, bis));
        QVERIFY(m_a->IstGezoomt());
        QVERIFY(m_m->BuildSeries(true, &d()));
        m_a->Synchronisieren();
        QVERIFY(!m_a->IstGezoomt());
        m_a->ZoomAufheben();
        QCOMPARE(aufgehoben.count(), 1);
        QCOMPARE(x->range(), QCPRange(0.7, 1));
    }

    void schwenkenMitErlaubnis() {
        m_m->AttachSeries(&d());
        m_a->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_a.get()));
        d().SetAchseFest(TAchsenSeite::Unten, 5, 10);
        m_a->Neuzeichnen();
        QSignalSpy gescrollt(m_a.get(), &TDiagrammAnzeige::gescrollt);

        // the graph window's rule: stay within 0.9 .. points - 0.9
        QList<QPair<double, double>> gefragt;
        m_a->ScrollErlaubt = [&](TAchsenSeite achse, double min, double max) {
            gefragt.append({min, max});
            return achse == TAchsenSeite::Unten && min >= 0.9 && max <= 21 - 0.9;
        };
        QVERIFY(m_a->Verschieben(2));
        QCOMPARE(plot()->xAxis->range(), QCPRange(7, 12));
        QVERIFY(!m_a->Verschieben(-6.5)); // below 0.9
        QCOMPARE(plot()->xAxis->range(), QCPRange(7, 12));
        QCOMPARE(gefragt.last(), qMakePair(0.5, 5.5));
        QCOMPARE(gescrollt.count(), 1);

        // dragging with the right button moves the bottom axis only
        QCPAxis *x = plot()->xAxis;
        const int y = qRound(plot()->yAxis->coordToPixel(50));
        const QPoint von(qRound(x->coordToPixel(10)), y);
        const QPoint bis(qRound(x->coordToPixel(8)), y);
        maus(plot(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, von);
        maus(plot(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, bis);
        maus(plot(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, bis);
        QVERIFY(qAbs(x->range().lower - 9) < 0.05);
        QVERIFY(qAbs(x->range().upper - 14) < 0.05);
        QCOMPARE(plot()->yAxis->range(), QCPRange(0, 100));
        QVERIFY(!plot()->selectionRect()->isActive()); // the right button draws no zoom rectangle
        QCOMPARE(gescrollt.count(), 2);

        // no series shown: the window refuses, nothing moves
        m_a->ScrollErlaubt = [this](TAchsenSeite, double, double) { return !d().Serien().isEmpty(); };
        m_m->AttachSeries(nullptr);
        QVERIFY(!m_a->Verschieben(1));

        // undoing brings back the scales from before the first pan
        m_a->ZoomAufheben();
        QCOMPARE(x->range(), QCPRange(5, 10));
    }

    // Every point in its own colour: the line segment ending at a point and
    // the bar of a point take that point's colour.
    void punktFarben() {
        TMessSerie linie(TSerienArt::Linie, "L", TAchsenSeite::Links, "#", Farben::Blau,
                         TLinienStil::Durchgezogen);
        TMessSerie balken(TSerienArt::Balken, "B", TAchsenSeite::Rechts, "#", Farben::Blau,
                          TLinienStil::Standard);
        for (int i = 0; i <= 20; ++i) {
            linie.Hinzufuegen(60, i > 10 ? Farben::Rot : Farben::Blau);
            balken.Hinzufuegen(30, i > 10 ? Farben::Rot : Farben::Blau);
        }
        d().SetLegendeSichtbar(false); // its samples would be counted too
        for (TMessSerie *s : {&linie, &balken}) {
            d().AlleSerienEntfernen();
            d().SetAchseFest(TAchsenSeite::Links, 0, 100);
            d().SetAchseFest(TAchsenSeite::Rechts, 0, 100);
            d().SetAchseFest(TAchsenSeite::Unten, 0.5, 20.5);
            d().SerieHinzufuegen(s);
            QImage bild(900, 600, QImage::Format_RGB32);
            bild.fill(Qt::white);
            {
                QPainter p(&bild);
                m_a->Zeichnen(p, QRectF(0, 0, 900, 600));
            }
            QCOMPARE(m_a->GezeichnetePunkte(s), 21);
            // blue left of the middle, red right of it
            int blauMax = -1, rotMin = 10000, blau = 0, rot = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) {
                    const QColor c = bild.pixelColor(x, y);
                    if (blaeulich(c)) {
                        ++blau;
                        blauMax = std::max(blauMax, x);
                    } else if (roetlich(c)) {
                        ++rot;
                        rotMin = std::min(rotMin, x);
                    }
                }
            QVERIFY2(blau > 100 && rot > 100, qPrintable(QStringLiteral("%1 %2").arg(blau).arg(rot)));
            QVERIFY2(blauMax < rotMin + 2, qPrintable(QStringLiteral("%1 %2").arg(blauMax).arg(rotMin)));
        }
    }

    // The fan page of a long pile: far more bars than pixel columns. The
    // cycles (right scale) do not cover the running time (left scale): both
    // show, the running time as columns, the cycles as the line along theirs.
    void luefterBalkenVerdeckenSichNicht() {
        TMessSerie laufzeit(TSerienArt::Balken, "Laufzeit", TAchsenSeite::Links, "#####", Farben::Blau,
                            TLinienStil::Standard);
        TMessSerie zyklen(TSerienArt::Balken, "Zyklen", TAchsenSeite::Rechts, "#####", Farben::Rot,
                          TLinienStil::Standard);
        for (int i = 0; i <= 672; ++i) {
            laufzeit.Hinzufuegen(i == 0 ? 0 : 30);
            zyklen.Hinzufuegen(i == 0 ? 0 : 5);
        }
        laufzeit.SetPlatzhalter(1);
        zyklen.SetPlatzhalter(1);
        d().SetLegendeSichtbar(false); // its samples would be counted too
        d().AlleSerienEntfernen();
        d().SetAchseAutoMaximum(TAchsenSeite::Links, 0.0);
        d().SetAchseAutoMaximum(TAchsenSeite::Rechts, 0.0);
        d().SetAchseFest(TAchsenSeite::Unten, 0.7, 672.5);
        d().SerieHinzufuegen(&laufzeit);
        d().SerieHinzufuegen(&zyklen);
        QImage bild(900, 600, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            m_a->Zeichnen(p, QRectF(0, 0, 900, 600));
        }
        int blau = 0, rot = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (blaeulich(c))
                    ++blau;
                else if (roetlich(c))
                    ++rot;
            }
        // the running time's columns fill most of the plot; the cycles' line runs across it
        QVERIFY2(blau > 100000 && rot > 500 && rot < blau / 10,
                 qPrintable(QStringLiteral("blue %1, red %2").arg(blau).arg(rot)));
        d().AlleSerienEntfernen();
    }

    // Far more points than pixel columns: few are drawn, and a single high and
    // a single low value among 100,000 still show.
    void ausduennenBehaeltExtreme() {
        TMessSerie linie(TSerienArt::Linie, "L", TAchsenSeite::Links, "#", Farben::Blau,
                         TLinienStil::Durchgezogen);
        TMessSerie balken(TSerienArt::Balken, "B", TAchsenSeite::Links, "#", Farben::Blau,
                          TLinienStil::Standard);
        const int n = 100000;
        for (int i = 0; i < n; ++i) {
            linie.Hinzufuegen(i == 33333 ? 95 : i == 66666 ? 5 : 50);
            balken.Hinzufuegen(i == 50001 ? 95 : 10);
        }
        d().SetLegendeSichtbar(false); // its samples would be counted too
        for (TMessSerie *s : {&linie, &balken}) {
            d().AlleSerienEntfernen();
            d().SetAchseFest(TAchsenSeite::Links, 0, 100);
            d().SetAchseFest(TAchsenSeite::Unten, 0.7, n - 1);
            d().SerieHinzufuegen(s);
            QImage bild(900, 600, QImage::Format_RGB32);
            bild.fill(Qt::white);
            {
                QPainter p(&bild);
                m_a->Zeichnen(p, QRectF(0, 0, 900, 600));
            }
            QVERIFY2(m_a->GezeichnetePunkte(s) > 0 && m_a->GezeichnetePunkte(s) < 4 * 900,
                     qPrintable(QString::number(m_a->GezeichnetePunkte(s))));
            // the blue pixels of each row: the flat part fills one row, the extremes reach far off it
            QList<int> jeZeile(bild.height());
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (blaeulich(bild.pixelColor(x, y)))
                        ++jeZeile[y];
            const int flach = int(std::max_element(jeZeile.cbegin(), jeZeile.cend()) - jeZeile.cbegin());
            int oben = flach, unten = flach;
            for (int y = 0; y < bild.height(); ++y)
                if (jeZeile[y] > 0) {
                    oben = std::min(oben, y);
                    unten = std::max(unten, y);
                }
            QVERIFY2(flach - oben > 150, qPrintable(QStringLiteral("%1 %2").arg(flach).arg(oben)));
            if (s == &linie)
                QVERIFY2(unten - flach > 150, qPrintable(QStringLiteral("%1 %2").arg(flach).arg(unten)));
        }
        d().AlleSerienEntfernen();
    }

    void zeichnenAufPainterUndDrucker() {
        m_m->SetFanPage(true);
        m_m->SetAxes(&d());
        d().SerieHinzufuegen(&m_m->FanTimeSeries());
        QImage bild(1000, 700, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            m_a->Zeichnen(p, QRectF(100, 50, 800, 600));
        }
        // solid blue bars inside the target, nothing outside it
        int blau = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (bild.pixelColor(x, y) == QColor(0, 0, 255)) {
                    ++blau;
                    QVERIFY(x >= 100 && x < 900 && y >= 50 && y < 650);
                }
        QVERIFY2(blau > 1000, qPrintable(QString::number(blau)));

        // on a device of another resolution (a printer, a 300 dpi page image) the chart fills the target
        // alike
        for (double dpi : {300.0, 50.0}) {
            QImage seite(1000, 700, QImage::Format_RGB32);
            seite.setDotsPerMeterX(qRound(dpi / 0.0254));
            seite.setDotsPerMeterY(qRound(dpi / 0.0254));
            seite.fill(Qt::white);
            {
                QPainter p(&seite);
                m_a->Zeichnen(p, QRectF(100, 50, 800, 600), QSize(800, 600));
            }
            int links = 1000, rechts = -1, blauHier = 0;
            for (int y = 0; y < seite.height(); ++y)
                for (int x = 0; x < seite.width(); ++x)
                    if (seite.pixelColor(x, y) == QColor(0, 0, 255)) {
                        ++blauHier;
                        QVERIFY(x >= 100 && x < 900 && y >= 50 && y < 650);
                        links = std::min(links, x);
                        rechts = std::max(rechts, x);
                    }
            QVERIFY2(blauHier > 1000 && rechts - links > 500,
                     qPrintable(
                         QStringLiteral("%1 dpi: %2 %3..%4").arg(dpi).arg(blauHier).arg(links).arg(rechts)));
        }

        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir.filePath(QStringLiteral("grafik.pdf"));
        drucker.setOutputFileName(pdf);
        drucker.setPageOrientation(QPageLayout::Landscape);
        {
            QPainter p(&drucker);
            m_a->Zeichnen(p, QRectF(QPointF(0, 0), drucker.pageRect(QPrinter::DevicePixel).size()),
                          QSize(1100, 700));
        }
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }
};

QTEST_MAIN(TstDiagrammAnzeige)
#include "tst_diagrammanzeige.moc"

// Benchmark of the graph window with a large data file: opening it (Load,
// BuildSeries and the first drawing of the chart), a zoom and its undoing, a
// page switch and a check-box click, each with the chart redrawn at once, on
// the offscreen platform.
//
//   bench_grafik [records] [runs]
//
// Times are the best and the median of the runs (wall clock), and the median
// processor time of the process.
#include "BenchHilfen.h"
#include "data/UMessDaten.h"
#include "reports/UGraphik.h"
#include "shell/KompUtils.h"
#include "shell/ULauf.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <qcustomplot.h>
#include <vector>

using namespace BenchHilfen;

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int laeufe = argc > 2 ? std::max(1, atoi(argv[2])) : 10;

    QTemporaryDir dir;
    const QString pfad = dateiSchreiben(dir.filePath(QStringLiteral("bench.CSV")), n);
    QFile ini(dir.filePath(QStringLiteral("O2_Tarvos.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[COM]\r\nWRT=0\r\n"); // every record
    ini.close();

    TSkriptDialoge dialoge;
    TLauf lauf(dir.path(), dialoge);
    lauf.Zustand.RefText = QStringLiteral("s 55°C[cm]");

    Zeiten oeffnen, neu, zoom, zurueck, seite, seiteZurueck, klick;
    for (int i = 0; i < laeufe; ++i) {
        TFGraphForm f(lauf);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1600, 900);
        f.show();
        QApplication::processEvents();
        dialoge.Dateien.append(pfad);
        Uhr t;
        f.OpenButtonClick();
        oeffnen.add(t);
        if (f.Daten().PointCount() != n) {
            std::fprintf(stderr, "the benchmark file did not load: %d points\n", f.Daten().PointCount());
            return 1;
        }

        t.restart();
        f.Chart1->Plot()->replot(QCustomPlot::rpImmediateRefresh);
        neu.add(t);

        QCPAxis *x = f.Chart1->Plot()->xAxis;
        const int y0 = f.Chart1->height() / 3;
        const QRect rechteck(QPoint(qRound(x->coordToPixel(n * 0.4)), y0),
                             QPoint(qRound(x->coordToPixel(n * 0.6)), 2 * y0));
        t.restart();
        f.Chart1->Zoomen(rechteck);
        zoom.add(t);
        t.restart();
        f.Chart1->ZoomAufheben();
        zurueck.add(t);

        t.restart();
        f.PageControl1->setCurrentIndex(1);
        seite.add(t);
        t.restart();
        f.PageControl1->setCurrentIndex(0);
        seiteZurueck.add(t);

        t.restart();
        f.CheckT3->click();
        klick.add(t);
        f.CheckT3->click(); // back to all seven
        f.close();
    }

    std::printf("records                              %d\n", n);
    std::printf("open: Load + BuildSeries + 1st draw  best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                oeffnen.best(), oeffnen.median(), oeffnen.cpuMedian());
    std::printf("replot of the 7 lines alone          best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                neu.best(), neu.median(), neu.cpuMedian());
    std::printf(
        "zoom into 20 %% of the values         best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
        zoom.best(), zoom.median(), zoom.cpuMedian());
    std::printf("undo the zoom                        best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                zurueck.best(), zurueck.median(), zurueck.cpuMedian());
    std::printf("switch to the fan page (2 bars)      best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                seite.best(), seite.median(), seite.cpuMedian());
    std::printf("switch back (7 lines)                best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                seiteZurueck.best(), seiteZurueck.median(), seiteZurueck.cpuMedian());
    std::printf("check-box click (6 lines)            best %7.1f ms   median %7.1f ms   processor %7.1f ms\n",
                klick.best(), klick.median(), klick.cpuMedian());
    return 0;
}

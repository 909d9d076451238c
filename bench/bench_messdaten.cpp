// Benchmark of the series model and the chart view: Load plus BuildSeries of a
// data file of 100,000 records (about 8 MB, written into a temporary folder),
// the memory this takes, the hygienisation verdict over every record with the
// file's SHA-256, and the chart view's redraw of the nine series on the
// offscreen platform.
//
//   bench_messdaten [records] [runs]
//
// Times are the best and the median of the runs. Memory: the growth of the
// peak resident set (VmHWM, reset before the first load) and of the heap in
// use (mallinfo2) over the loaded model, compared with the file size.
#include "BenchHilfen.h"
#include "data/UHygienisierung.h"
#include "data/UMessDaten.h"
#include "shell/KompUtils.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <qcustomplot.h>
#include <vector>

#if defined(Q_OS_LINUX)
#include <malloc.h>
#endif

using namespace BenchHilfen;

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int laeufe = argc > 2 ? std::max(1, atoi(argv[2])) : 10;

    QTemporaryDir dir;
    const QString pfad = dateiSchreiben(dir.filePath(QStringLiteral("bench.CSV")), n);
    const double dateiMb = double(QFileInfo(pfad).size()) / (1024.0 * 1024.0);

    TZustand z;
    z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    z.RefText = QStringLiteral("s 55°C[cm]");

    // memory of one loaded and built model
#if defined(Q_OS_LINUX)
    malloc_trim(0);
#endif
    const double heapVorher = heapMb();
    const long rssVorher = statusKb("VmRSS");
    spitzeZuruecksetzen();
    auto modell = std::make_unique<TMessDaten>(z);
    if (!modell->Load(pfad) || !modell->Valid() || !modell->BuildSeries(false, nullptr)) {
        std::fprintf(stderr, "the benchmark file did not load: %s\n", qPrintable(modell->LastError()));
        return 1;
    }
    const long spitze = statusKb("VmHWM");
    const double heapDanach = heapMb();
    const double spitzeMb = double(spitze - rssVorher) / 1024.0;
    const double heapMbModell = heapDanach - heapVorher;

    // times
    Zeiten laden, bauen, tag, gesamt, urteil, pruefsumme;
    for (int i = 0; i < laeufe; ++i) {
        TMessDaten m(z);
        QElapsedTimer t;
        t.start();
        m.Load(pfad);
        const double l = msSeit(t);
        {
            // the viewer's verdict right after loading (the fingerprint included)
            QElapsedTimer u;
            u.start();
            const QString summe = m.Sha256();
            pruefsumme.add(msSeit(u));
            const THygienisierung h = BewerteHygienisierung(m, TAnlagenArt::Offen);
            urteil.add(msSeit(u));
            if (h.Ausgewertet != n || summe.size() != 64) {
                std::fprintf(stderr, "the verdict did not evaluate every record\n");
                return 1;
            }
        }
        t.restart();
        m.BuildSeries(false, nullptr);
        const double b = msSeit(t);
        laden.add(l);
        bauen.add(b);
        gesamt.add(l + b);
        t.restart();
        m.BuildSeries(true, nullptr);
        tag.add(msSeit(t));
    }

    // the chart view: taking over the nine series, and redrawing them
    TDiagrammAnzeige anzeige;
    anzeige.resize(1200, 800);
    modell->SetupChart(&anzeige.Diagramm());
    Zeiten uebernahme, zeichnen, zeichnenLuefter;
    for (int i = 0; i < std::max(3, laeufe / 2); ++i) {
        modell->AttachSeries(nullptr);
        anzeige.Synchronisieren();
        modell->AttachSeries(&anzeige.Diagramm());
        QElapsedTimer t;
        t.start();
        anzeige.Synchronisieren();
        uebernahme.add(msSeit(t));
        t.restart();
        anzeige.Plot()->replot(QCustomPlot::rpImmediateRefresh);
        zeichnen.add(msSeit(t));
    }
    modell->SetFanPage(true);
    anzeige.Diagramm().AlleSerienEntfernen();
    modell->SetAxes(&anzeige.Diagramm());
    anzeige.Diagramm().SerieHinzufuegen(&modell->FanTimeSeries());
    anzeige.Diagramm().SerieHinzufuegen(&modell->FanCyclesSeries());
    anzeige.Neuzeichnen();
    for (int i = 0; i < std::max(3, laeufe / 2); ++i) {
        QElapsedTimer t;
        t.start();
        anzeige.Plot()->replot(QCustomPlot::rpImmediateRefresh);
        zeichnenLuefter.add(msSeit(t));
    }

    std::printf("records                         %d (file %.1f MB)\n", n, dateiMb);
    std::printf("Load                            best %7.1f ms   median %7.1f ms\n", laden.best(),
                laden.median());
    std::printf("BuildSeries (every record)      best %7.1f ms   median %7.1f ms\n", bauen.best(),
                bauen.median());
    std::printf("Load + BuildSeries              best %7.1f ms   median %7.1f ms\n", gesamt.best(),
                gesamt.median());
    std::printf("BuildSeries (one per day)       best %7.1f ms   median %7.1f ms\n", tag.best(),
                tag.median());
    std::printf("verdict with SHA-256            best %7.1f ms   median %7.1f ms\n", urteil.best(),
                urteil.median());
    std::printf("  of which SHA-256              best %7.1f ms   median %7.1f ms\n", pruefsumme.best(),
                pruefsumme.median());
    std::printf("memory, peak RSS growth         %7.1f MB  (%.2f x file)\n", spitzeMb, spitzeMb / dateiMb);
    std::printf("memory, heap held by the model  %7.1f MB  (%.2f x file)\n", heapMbModell,
                heapMbModell / dateiMb);
    std::printf("chart: take over 9 series       best %7.1f ms   median %7.1f ms\n", uebernahme.best(),
                uebernahme.median());
    std::printf("chart: replot the 9 series      best %7.1f ms   median %7.1f ms\n", zeichnen.best(),
                zeichnen.median());
    std::printf("chart: replot fan page (2 bars) best %7.1f ms   median %7.1f ms\n", zeichnenLuefter.best(),
                zeichnenLuefter.median());
    return 0;
}

// Benchmark of the report toolkit: a measurement protocol (TFQRKompForm) of
// N rows written as PDF, with and without the chart of its values. Prints the
// wall time, the pages, the PDF size and the peak memory (max RSS) of the
// process. Memory must not grow with the number of pages beyond the PDF: the
// pages are planned and drawn one at a time.
// Run by hand: bench_bericht [--zeilen N] [--diagramm] [--pdf FILE]
#include "BenchHilfen.h"
#include "reports/UQRKompForm.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

using namespace BenchHilfen;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int zeilen = 10000;
    bool diagramm = false;
    QTemporaryDir dir;
    QString datei = dir.filePath(QStringLiteral("bench.pdf"));
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--zeilen") && i + 1 < args.size())
            zeilen = args[++i].toInt();
        else if (args[i] == QLatin1String("--diagramm"))
            diagramm = true;
        else if (args[i] == QLatin1String("--pdf") && i + 1 < args.size())
            datei = args[++i];
    }

    const long rssVorher = maxRssKb();
    TFQRKompForm b;
    b.QRKopf1->Text = QStringLiteral("Kompostwerk Nord GmbH");
    b.AnlName->Text = QStringLiteral(" Miete 7");
    int zeile = 0;
    b.BeimStart = [&zeile] { zeile = 0; };
    b.MehrDaten = [&zeile, zeilen] { return ++zeile <= zeilen; };
    b.QRNr->Drucken = [&zeile](QString &t) { t = QString::number(zeile); };
    b.QRDat->Drucken = [&zeile](QString &t) {
        t = QStringLiteral("%1:00 %2.10.1999")
                .arg(zeile % 24, 2, 10, QLatin1Char('0'))
                .arg(1 + zeile / 24 % 28);
    };
    int spalte = 0;
    for (TBerichtFeld *f : {b.QRT1, b.QRT2, b.QRT3, b.QRT4, b.QRT5, b.QR55Gr, b.QRO2, b.QRZeit, b.QRZyklen}) {
        const int k = spalte++;
        f->Drucken = [&zeile, k](QString &t) {
            t = QString::number(40.0 + (zeile * 7 + k * 13) % 300 / 10.0, 'f', 1);
        };
    }
    TMessSerie serie(TSerienArt::Linie, QStringLiteral("T100"), TAchsenSeite::Links, QStringLiteral("###.#"),
                     Farben::Rot, TLinienStil::Durchgezogen);
    if (diagramm) {
        b.QRChart1->Diagramm().AlleSerienEntfernen();
        for (int i = 0; i <= zeilen; ++i)
            serie.Hinzufuegen(55 + 15 * std::sin(i / 50.0));
        b.QRChart1->Diagramm().SerieHinzufuegen(&serie);
    } else {
        b.OhneDiagramm();
    }

    QElapsedTimer uhr;
    uhr.start();
    const double cpuVorher = cpuSekunden();
    QString fehler;
    const int seiten = BerichtAusgabe::AlsPdf(b, datei, &fehler);
    const qint64 ms = uhr.elapsed();
    const double cpu = cpuSekunden() - cpuVorher;
    if (seiten < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    std::printf("rows %d%s: %lld ms wall, %.2f s CPU, %d pages, PDF %.1f MB, peak RSS %.1f MB (%.1f MB "
                "before the run)\n",
                zeilen, diagramm ? " with chart" : "", static_cast<long long>(ms), cpu, seiten,
                QFileInfo(datei).size() / 1048576.0, maxRssKb() / 1024.0, rssVorher / 1024.0);
    return 0;
}

// Benchmark of the alarms as a listener of the run's events: what one judged
// poll costs them when nothing changes (they are called inside the poll
// step), what one alarm change costs (journal line written and synced, event
// log line, listeners), and the first check of a pile whose 100,000-record
// data file is read once for its core temperatures.
//
//   bench_alarme [polls] [changes] [records]
//
// Times: wall clock and processor time; the changes as median and largest.
#include "BenchHilfen.h"
#include "alarm/UAlarme.h"
#include "shell/UAlarmStand.h"
#include "shell/UIniDatei.h"
#include "shell/ULog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

using namespace BenchHilfen;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int polls = argc > 1 ? std::max(1, atoi(argv[1])) : 1000000;
    const int wechsel = argc > 2 ? std::max(1, atoi(argv[2])) : 200;
    const int saetze = argc > 3 ? std::max(1, atoi(argv[3])) : 100000;

    QTemporaryDir dir;
    TZustand z;
    z.Heimordner = dir.path();
    z.AnlagenAnzahl = 32;
    z.Verbunden = true;
    z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    {
        QFile f(dir.filePath(QStringLiteral("O2_Tarvos.ini")));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("[ALARM]\r\nPLATZMB=0\r\n");
    }
    for (int n = 1; n <= 32; ++n) {
        tAnlageParameter &a = z.Anlagen[static_cast<size_t>(n)];
        a.Angeschlossen = 1;
        a.Eingeschaltet = 1;
        a.Name = QStringLiteral("Miete %1").arg(n);
        a.Datei = dir.filePath(QStringLiteral("Miete%1.CSV").arg(n));
    }
    TIniDatei ini(dir.filePath(QStringLiteral("O2_Tarvos.ini")), z.Gebietsschema);
    TLog log(z);
    log.LogOeffnen();
    TEreignisVerteiler ereignisse;
    TAlarmStand stand;
    auto alarme = std::make_unique<TAlarme>(z, ini, log, ereignisse, stand);

    tAnlageMesswerte w;
    w.Gueltig = 1;
    w.T = {0, 65, 62, 58, 50, 40};
    w.O2 = 120;

    // 1. Polls that change nothing.
    const QDateTime t0 = QDateTime::currentDateTime();
    Uhr uhr;
    for (int i = 0; i < polls; ++i)
        ereignisse.Messwert(1 + i % 32, w, t0);
    const double wand = msSeit(uhr.wand), cpu = cpuMs() - uhr.cpu0;
    std::printf("polls without a change: %d in %.1f ms (processor %.1f ms) = %.0f ns per poll\n", polls, wand,
                cpu, wand * 1e6 / polls);

    // 2. Changes: the core of plant 5 above and below TMAX in turn.
    Zeiten aenderung;
    for (int i = 0; i < wechsel; ++i) {
        w.T[1] = i % 2 == 0 ? 90 : 60;
        Uhr u;
        ereignisse.Messwert(5, w, t0);
        aenderung.add(u);
    }
    w.T[1] = 65;
    std::printf("alarm changes (journal line synced, log line): %d, median %.2f ms (processor %.3f ms), "
                "largest %.2f ms\n",
                wechsel, aenderung.median(), aenderung.cpuMedian(),
                *std::max_element(aenderung.ms.begin(), aenderung.ms.end()));

    // 3. The first check of a pile with a large data file.
    const QString datei = dateiSchreiben(dir.filePath(QStringLiteral("Gross.CSV")), saetze);
    Zeiten pruefung, blockiert;
    for (int lauf = 0; lauf < 5; ++lauf) {
        alarme = std::make_unique<TAlarme>(z, ini, log, ereignisse, stand);
        z.Anlagen[7].Datei = datei;
        ereignisse.Messwert(7, w, t0);
        Uhr u;
        alarme->Pruefen();
        blockiert.add(msSeit(u.wand));
        while (alarme->LiestDatei())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        pruefung.add(msSeit(u.wand));
    }
    std::printf(
        "first check with a data file of %d records (%.1f MB): the user-interface thread busy %.2f ms "
        "(median), the file read on its own thread in %.1f ms best, %.1f ms median\n",
        saetze, QFileInfo(datei).size() / 1e6, blockiert.median(), pruefung.best(), pruefung.median());
    return 0;
}

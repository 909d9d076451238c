// Benchmark of the reply decoder on noise: 100 MB of several kinds of text
// that is no reply or never completes one, fed in pieces of 1, 64 and 4096
// bytes (serial reads are small, socket reads large). Figures: throughput in
// MB/s of processor time per kind and piece size, and the peak resident set (VmHWM) of the
// whole run against the one before the first byte.
//
//   bench_empfang [megabytes]
#include "BenchHilfen.h"
#include "comm/UProtokoll.h"

#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <ctime>

using namespace BenchHilfen;

namespace {

// One megabyte of a kind of noise.
QByteArray rauschen(const char *art, QRandomGenerator &zufall) {
    QByteArray mb(1 << 20, '\0');
    const QByteArray a(art);
    if (a == "zufall") {
        for (char &c : mb)
            c = static_cast<char>(zufall.bounded(256));
    } else if (a == "G ohne ;") {
        mb.fill('7');
        for (qsizetype i = 0; i < mb.size(); i += 3000)
            mb[i] = 'G';
    } else if (a == "GGG") {
        mb.fill('G');
    } else if (a == "Antwortzeichen") {
        static const char zeichen[] = "BRrScGT0123456789;;;-";
        for (char &c : mb)
            c = zeichen[zufall.bounded(int(sizeof zeichen - 1))];
    }
    return mb;
}

} // namespace

int main(int argc, char **argv) {
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 100;
    const long rssVorher = statusKb("VmRSS");
    QRandomGenerator zufall(42);
    std::printf("%-16s %8s %10s\n", "noise", "piece", "MB/s");
    for (const char *art : {"zufall", "G ohne ;", "GGG", "Antwortzeichen"}) {
        const QByteArray mb = rauschen(art, zufall);
        for (const qsizetype stueck : {qsizetype(1), qsizetype(64), qsizetype(4096)}) {
            TZustand z;
            z.AnlagenAnzahl = 32;
            z.AktAdresse = 1;
            TProtokoll p(z);
            // 1-byte pieces: a tenth of the amount, the figure is per byte all the same
            const int runden = stueck == 1 ? std::max(1, megabytes / 10) : megabytes;
            const std::clock_t start = std::clock();
            for (int r = 0; r < runden; ++r)
                for (qsizetype i = 0; i < mb.size(); i += stueck)
                    p.EmpfangAuswerten(QByteArray::fromRawData(mb.constData() + i, stueck));
            // processor time of this process: the figure does not depend on other load of the machine
            const double sekunden = double(std::clock() - start) / CLOCKS_PER_SEC;
            std::printf("%-16s %8lld %10.1f\n", art, static_cast<long long>(stueck), runden / sekunden);
            std::fflush(stdout);
        }
    }
    std::printf("peak RSS %ld kB, before the first byte %ld kB (growth %ld kB)\n", statusKb("VmHWM"),
                rssVorher, statusKb("VmHWM") - rssVorher);
    return 0;
}

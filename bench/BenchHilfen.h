// What the benchmarks share: processor time, memory figures of the process,
// the best and median of repeated timings, and a data file of n records.
// Header only; a benchmark includes it once.
#pragma once

#include "data/UMessDaten.h"
#include "shell/KompUtils.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <ctime>
#include <sys/resource.h>
#include <vector>

#if defined(Q_OS_LINUX)
#include <malloc.h>
#endif

namespace BenchHilfen {

// Processor time of the process in seconds: on a shared machine it shows the
// work itself, while the wall-clock time also holds the waits for a core.
inline double cpuSekunden() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

inline double cpuMs() {
    return cpuSekunden() * 1e3;
}

inline double msSeit(const QElapsedTimer &t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// kB from a "Name:   1234 kB" line of /proc/self/status (VmRSS, VmHWM), -1 elsewhere.
inline long statusKb(const char *name) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray &z : f.readAll().split('\n'))
        if (z.startsWith(key))
            return z.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The peak resident set of the process so far, kB.
inline long maxRssKb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

// Resets VmHWM to the current resident set (Linux).
inline void spitzeZuruecksetzen() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Heap held by the process, MB (-1 where the C library cannot say).
inline double heapMb() {
#if defined(Q_OS_LINUX)
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
#else
    return -1.0;
#endif
}

inline double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// Wall-clock and processor time since start.
struct Uhr {
    QElapsedTimer wand;
    double cpu0 = 0;
    void restart() {
        cpu0 = cpuMs();
        wand.restart();
    }
    Uhr() { restart(); }
};

// Repeated timings in ms, with the processor time where it was taken.
struct Zeiten {
    std::vector<double> ms;
    std::vector<double> cpu;
    void add(double v) { ms.push_back(v); }
    void add(const Uhr &u) {
        ms.push_back(msSeit(u.wand));
        cpu.push_back(cpuMs() - u.cpu0);
    }
    double best() const { return *std::min_element(ms.begin(), ms.end()); }
    double median() const { return BenchHilfen::median(ms); }
    double cpuMedian() const { return BenchHilfen::median(cpu); }
};

// A data file of a pile of n records, one every five minutes, with daily swings.
inline QString dateiSchreiben(const QString &pfad, int n) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write("Kompostwerk\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete 1\r\nDatei  - Name: ");
    f.write(pfad.toLocal8Bit());
    f.write("\r\nGruenschnitt\r\nErste Datensicherung : 01.01.2024\r\n");
    f.write((TDataFile::ColumnTitles() + QStringLiteral("\r\n")).toLatin1());
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    for (int i = 0; i < n; ++i) {
        tAnlageMesswerte w;
        w.T = {0, 55 + i % 17, 60 - i % 11, 50 + i % 7, 40 + i % 5, 20 + i % 3};
        KompUtils::BerechneRefMarke(w, 55.0);
        w.O2 = 100 + i % 110;
        w.Betriebsart = 3;
        w.Laufzeit = i % 60;
        w.Zyklen = i % 9;
        const QDateTime t = start.addSecs(qint64(i) * 300);
        f.write(TDataFile::RecordLine(i + 1, t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")), w));
    }
    return pfad;
}

} // namespace BenchHilfen

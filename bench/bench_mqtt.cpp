// The site network's publisher against a real Mosquitto broker on loopback:
//   bench_mqtt [RECORDS]
// 1. live: RECORDS stored records reported one after the other while the
//    broker is up: the time each report takes on the user-interface thread
//    (append and sync of the outbox line) and until the last acknowledgement;
// 2. backlog: the same number reported while the broker is down, then the
//    broker started: the time until the outbox is empty.
#include "../tests/mqtt/MqttBroker.h"
#include "mqtt/UMqttSender.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

tAnlageMesswerte werte(int nr) {
    tAnlageMesswerte w;
    w.Gueltig = 1;
    w.T = {0, 60 + nr % 10, 61, 62, 63, 64};
    w.O2 = 150 + nr % 50;
    w.RefMarke = 44;
    w.Betriebsart = 3;
    return w;
}

// Reports n records; returns the longest and the mean time of one report in ms.
std::pair<double, double> melde(TMqttSender &s, int n) {
    double summe = 0, laengste = 0;
    QElapsedTimer uhr;
    for (int nr = 1; nr <= n; ++nr) {
        uhr.start();
        s.DatensatzGeschrieben(1, QStringLiteral("/daten/Nord_09-12-2024.CSV"), nr,
                               QStringLiteral("09.12.2024  14:30"), werte(nr));
        const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
        summe += ms;
        laengste = std::max(laengste, ms);
        if (nr % 50 == 0)
            QCoreApplication::processEvents();
    }
    return {laengste, summe / n};
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    TMqttBroker broker;
    if (!broker.Starte()) {
        std::fprintf(stderr, "mosquitto does not start\n");
        return 1;
    }
    QTemporaryDir heim;
    TZustand z;
    z.Heimordner = heim.path();
    tMqttEinstellungen e;
    e.Host = QStringLiteral("127.0.0.1");
    e.Port = broker.port;
    e.Standort = QStringLiteral("bench");
    {
        TMqttSender s(z, nullptr);
        s.SetzePausen(100, 500);
        s.Starte(e);
        if (!TMqttMithoerer::Warte([&] { return s.IstVerbunden(); }, 10000))
            return 1;
        QElapsedTimer gesamt;
        gesamt.start();
        const auto [laengste, mittel] = melde(s, n);
        TMqttMithoerer::Warte([&] { return s.Wartend() == 0; }, 600000);
        std::printf(
            "live:    %d records, report %.3f ms mean, %.3f ms longest; all acknowledged after %lld ms "
            "(%.0f records/s)\n",
            n, mittel, laengste, gesamt.elapsed(), n * 1000.0 / static_cast<double>(gesamt.elapsed()));
    }
    broker.Stoppe();
    {
        TMqttSender s(z, nullptr);
        s.SetzePausen(100, 100);
        s.Starte(e);
        const auto [laengste, mittel] = melde(s, n);
        std::printf(
            "backlog: %d records while the broker is down, report %.3f ms mean, %.3f ms longest; outbox %lld "
            "bytes\n",
            n, mittel, laengste, s.AusgangBytes());
        if (!broker.Starte())
            return 1;
        QElapsedTimer uhr;
        uhr.start();
        TMqttMithoerer::Warte([&] { return s.Wartend() == 0; }, 600000);
        std::printf("backlog: sent after the broker's start in %lld ms (%.0f records/s)\n", uhr.elapsed(),
                    n * 1000.0 / static_cast<double>(uhr.elapsed()));
    }
    return 0;
}

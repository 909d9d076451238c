// A stand-in for the program in the tests of the site network, to be killed:
//   mqtt_helfer HOME PORT RECORDS
// runs the publisher on the home folder against the broker on loopback PORT,
// appends RECORDS stored records, prints "abgelegt" when they are in the
// outbox and "verbunden" once connected, then runs until it is killed.
#include "mqtt/UMqttSender.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: mqtt_helfer HOME PORT RECORDS\n");
        return 2;
    }
    TZustand z;
    z.Heimordner = args.at(1);
    z.AnlagenAnzahl = 1;
    TMqttSender sender(z, nullptr);
    sender.SetzePausen(200, 1000);
    tMqttEinstellungen e;
    e.Host = QStringLiteral("127.0.0.1");
    e.Port = args.at(2).toInt();
    e.Standort = QStringLiteral("werk-test");
    QObject::connect(&sender, &TMqttSender::Verbunden, [] {
        std::printf("verbunden\n");
        std::fflush(stdout);
    });
    sender.Starte(e);
    tAnlageMesswerte w;
    w.Gueltig = 1;
    for (int nr = 1; nr <= args.at(3).toInt(); ++nr) {
        w.T = {0, 60 + nr, 61, 62, 63, 64};
        w.O2 = 150 + nr;
        sender.DatensatzGeschrieben(1, QStringLiteral("/daten/Miete_09-12-2024.CSV"), nr,
                                    QStringLiteral("09.12.2024  14:%1").arg(nr % 60, 2, 10, QLatin1Char('0')),
                                    w);
    }
    std::printf("abgelegt\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

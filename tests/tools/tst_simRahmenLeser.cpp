// The simulator's frame reader: frames of every shape, noise and broken
// frames, each fed at once, byte by byte and in random pieces.

#include "kompost-sim/TSimRahmenLeser.h"

#include <QRandomGenerator>
#include <QTest>

using namespace KompostSim;

class TestSimRahmenLeser : public QObject {
    Q_OBJECT

private:
    static QList<QByteArray> Bytes(const QList<TSimRahmen> &rahmen) {
        QList<QByteArray> liste;
        for (const TSimRahmen &r : rahmen)
            liste.append(r.Bytes);
        return liste;
    }

private slots:
    void stueckweise_data() {
        QTest::addColumn<QByteArray>("strom");
        QTest::addColumn<QList<QByteArray>>("rahmen");
        QTest::addColumn<int>("verworfen");

        using L = QList<QByteArray>;
        QTest::newRow("short frames") << QByteArray("\x01"
                                                    "B\x04"
                                                    "c\x0a"
                                                    "6")
                                      << L{"\x01"
                                           "B",
                                           "\x04"
                                           "c",
                                           "\x0a"
                                           "6"}
                                      << 0;
        QTest::newRow("every argument width") << QByteArray("\x03I0015\x01"
                                                            "D090507\x02Z070509\x01p00500125\x05N00600180")
                                              << L{"\x03I0015",
                                                   "\x01"
                                                   "D090507",
                                                   "\x02Z070509", "\x01p00500125", "\x05N00600180"}
                                              << 0;
        QTest::newRow("plant 32 is the byte 0x20") << QByteArray("\x20S") << L{"\x20S"} << 0;
        QTest::newRow("noise before a frame") << QByteArray("\r\n?x\xff\x01"
                                                            "B")
                                              << L{"\x01"
                                                   "B"}
                                              << 5;
        QTest::newRow("unknown letter after an address") << QByteArray("\x05X\x01"
                                                                       "c")
                                                         << L{"\x01"
                                                              "c"}
                                                         << 2;
        QTest::newRow("two address bytes in a row") << QByteArray("\x05\x03"
                                                                  "c")
                                                    << L{"\x03"
                                                         "c"}
                                                    << 1;
        QTest::newRow("letter without address") << QByteArray("B\x01"
                                                              "B")
                                                << L{"\x01"
                                                     "B"}
                                                << 1;
        QTest::newRow("non-digit inside the argument") << QByteArray("\x01I00x\x01"
                                                                     "B")
                                                       << L{"\x01"
                                                            "B"}
                                                       << 5;
        QTest::newRow("argument broken off by the next frame") << QByteArray("\x01I00\x02"
                                                                             "B")
                                                               << L{"\x02"
                                                                    "B"}
                                                               << 4;
        // A value wider than its field: the reader keeps the fixed width, the
        // extra digit cannot start a frame.
        QTest::newRow("value wider than its field") << QByteArray("\x01I12345\x01"
                                                                  "B")
                                                    << L{"\x01I1234", "\x01"
                                                                      "B"}
                                                    << 1;
        QTest::newRow("started frame left at the end") << QByteArray("\x01"
                                                                     "B\x02p0050")
                                                       << L{"\x01"
                                                            "B"}
                                                       << 0;
    }

    void stueckweise() {
        QFETCH(QByteArray, strom);
        QFETCH(QList<QByteArray>, rahmen);
        QFETCH(int, verworfen);

        // All at once.
        TSimRahmenLeser ganz;
        QCOMPARE(Bytes(ganz.Lies(strom)), rahmen);
        QCOMPARE(ganz.Verworfen(), verworfen);

        // Byte by byte.
        TSimRahmenLeser einzeln;
        QList<TSimRahmen> gesammelt;
        for (const char b : strom)
            gesammelt += einzeln.Lies(QByteArray(1, b));
        QCOMPARE(Bytes(gesammelt), rahmen);
        QCOMPARE(einzeln.Verworfen(), verworfen);

        // Random pieces.
        QRandomGenerator zufall(42);
        for (int runde = 0; runde < 20; ++runde) {
            TSimRahmenLeser leser;
            QList<TSimRahmen> teile;
            for (qsizetype i = 0; i < strom.size();) {
                const int n = 1 + static_cast<int>(zufall.bounded(4));
                teile += leser.Lies(strom.mid(i, n));
                i += n;
            }
            QCOMPARE(Bytes(teile), rahmen);
        }
    }

    void felderEinesRahmens() {
        TSimRahmenLeser leser;
        const QList<TSimRahmen> r = leser.Lies(QByteArray("\x1fp00500125"));
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].Anlage, 31);
        QCOMPARE(r[0].Befehl, 'p');
        QCOMPARE(r[0].Argument, QByteArray("00500125"));
        QVERIFY(!leser.RahmenBegonnen());

        leser.Lies(QByteArray("\x02Z12"));
        QVERIFY(leser.RahmenBegonnen());
        leser.Zuruecksetzen();
        QCOMPARE(leser.Lies(QByteArray("3456")).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimRahmenLeser)
#include "tst_simRahmenLeser.moc"

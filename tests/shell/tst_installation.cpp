// The installation options from Installation.ini in the home folder.
#include "shell/UInstallation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestInstallation : public QObject {
    Q_OBJECT

private slots:
    void optionen_data() {
        QTest::addColumn<QByteArray>("datei"); // empty: no file
        QTest::addColumn<int>("anlagen");
        QTest::addColumn<bool>("adressen33");
        QTest::addColumn<bool>("logo");
        QTest::addColumn<int>("baud");
        QTest::addColumn<bool>("netzwerk");
        QTest::addColumn<QString>("port1");
        QTest::addColumn<QString>("port2");

        const QString s0 = StandardPortGeraet(1);
        const QString s1 = StandardPortGeraet(2);
        QTest::newRow("no file") << QByteArray() << 1 << false << false << 0 << false << s0 << s1;
        QTest::newRow("example") << QByteArray(
                                        "[Installation]\r\nAnlagen=8\r\nAdressen33=0\r\nLogo=0\r\n"
                                        "BaudIndex=2\r\nNetzwerk=1\r\n[Ports]\r\nCOM1=/dev/ttyUSB0\r\n")
                                 << 8 << false << false << 2 << true << "/dev/ttyUSB0" << s1;
        QTest::newRow("all set, LF, other case")
            << QByteArray("[installation]\nanlagen=32\nADRESSEN33=1\nLogo=1\nBaudIndex=3\nNetzwerk=1\n"
                          "[PORTS]\ncom2=/dev/ttyACM0\n")
            << 32 << true << true << 3 << true << s0 << "/dev/ttyACM0";
        QTest::newRow("no plants") << QByteArray("[Installation]\r\nAnlagen=0\r\n") << 1 << false << false
                                   << 0 << false << s0 << s1;
        QTest::newRow("33 plants") << QByteArray("[Installation]\r\nAnlagen=33\r\n") << 1 << false << false
                                   << 0 << false << s0 << s1;
        QTest::newRow("baud 4") << QByteArray("[Installation]\r\nBaudIndex=4\r\n") << 1 << false << false << 0
                                << false << s0 << s1;
        QTest::newRow("baud -1") << QByteArray("[Installation]\r\nBaudIndex=-1\r\n") << 1 << false << false
                                 << 0 << false << s0 << s1;
        QTest::newRow("garbage") << QByteArray("[Installation]\r\nAnlagen=acht\r\nNetzwerk=ja\r\n") << 1
                                 << false << false << 0 << false << s0 << s1;
        QTest::newRow("empty port") << QByteArray("[Ports]\r\nCOM1=\r\n") << 1 << false << false << 0 << false
                                    << s0 << s1;
    }

    void optionen() {
        QFETCH(QByteArray, datei);
        QFETCH(int, anlagen);
        QFETCH(bool, adressen33);
        QFETCH(bool, logo);
        QFETCH(int, baud);
        QFETCH(bool, netzwerk);
        QFETCH(QString, port1);
        QFETCH(QString, port2);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (!datei.isEmpty()) {
            QFile f(dir.filePath(QStringLiteral("Installation.ini")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(datei);
        }
        TZustand z;
        z.Heimordner = dir.path();
        z.OptAnlagenAnzahl = 5; // whatever was there before does not count
        z.OptNetzwerk = true;
        LeseInstallation(z);
        QCOMPARE(z.OptAnlagenAnzahl, anlagen);
        QCOMPARE(z.OptAdressen33, adressen33);
        QCOMPARE(z.OptLogo, logo);
        QCOMPARE(z.OptBaudIndex, baud);
        QCOMPARE(z.OptNetzwerk, netzwerk);
        QCOMPARE(z.OptPortGeraete[1], port1);
        QCOMPARE(z.OptPortGeraete[2], port2);
        for (int n = 3; n <= 8; ++n)
            QCOMPARE(z.OptPortGeraete[static_cast<size_t>(n)], StandardPortGeraet(n));
    }

    void portNamen() {
        QCOMPARE(PortName(1), QStringLiteral("COM1"));
        QCOMPARE(PortName(8), QStringLiteral("COM8"));
#ifdef Q_OS_WIN
        QCOMPARE(StandardPortGeraet(3), QStringLiteral("COM3"));
#else
        QCOMPARE(StandardPortGeraet(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(StandardPortGeraet(8), QStringLiteral("/dev/ttyS7"));
#endif
        QCOMPARE(StandardPortGeraet(0), QString());
        QCOMPARE(StandardPortGeraet(9), QString());
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"

// Request frames: every command index and kind, byte-exact on both transports,
// the guard of the poll, the buffer clearing and the log line.
#include "Aufzeichner.h"
#include "comm/UProtokoll.h"

#include <QtTest>

class TestSendeBefehl : public QObject {
    Q_OBJECT
    TZustand z;
    TProtokoll *p = nullptr;
    TAufzeichner a;

private slots:
    void init() {
        z = TZustand{};
        z.AnlagenAnzahl = 32;
        z.Verbunden = true;
        for (auto &anl : z.Anlagen) {
            anl.Angeschlossen = 1;
            anl.Eingeschaltet = 1;
        }
        a.leeren();
        p = new TProtokoll(z);
        p->SetzeTransport(&a);
        p->SetzeLog(&a);
    }
    void cleanup() { delete p; }

    void rahmen_data() {
        QTest::addColumn<int>("anlage");
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QList<int>>("werte");
        QTest::addColumn<QByteArray>("text"); // letter and argument text after the address byte
        QTest::addColumn<QString>("logText");
        const QList<int> null{0};
        QTest::newRow("1 B") << 1 << 1 << null << QByteArray("B") << "1B";
        QTest::newRow("2 R") << 1 << 2 << null << QByteArray("R") << "1R";
        QTest::newRow("3 e") << 1 << 3 << null << QByteArray("e") << "1e";
        QTest::newRow("4 o") << 1 << 4 << null << QByteArray("o") << "1o";
        QTest::newRow("5 T") << 1 << 5 << null << QByteArray("T") << "1T";
        QTest::newRow("6 q") << 1 << 6 << null << QByteArray("q") << "1q";
        QTest::newRow("7 A") << 1 << 7 << null << QByteArray("A") << "1A";
        QTest::newRow("8 Z 9:05:00") << 1 << 8 << QList<int>{9, 5, 0} << QByteArray("Z090500") << "1Z090500";
        QTest::newRow("8 Z 7:05:09") << 2 << 8 << QList<int>{7, 5, 9} << QByteArray("Z070509") << "2Z070509";
        QTest::newRow("9 D 9.5.07") << 1 << 9 << QList<int>{9, 5, 7} << QByteArray("D090507") << "1D090507";
        QTest::newRow("10 I 15") << 3 << 10 << QList<int>{15} << QByteArray("I0015") << "3I0015";
        QTest::newRow("10 I 7") << 1 << 10 << QList<int>{7} << QByteArray("I0007") << "1I0007";
        QTest::newRow("10 I wider") << 1 << 10 << QList<int>{12345} << QByteArray("I12345") << "1I12345";
        QTest::newRow("11 E") << 1 << 11 << QList<int>{30} << QByteArray("E0030") << "1E0030";
        QTest::newRow("12 O") << 1 << 12 << QList<int>{0} << QByteArray("O0000") << "1O0000";
        QTest::newRow("13 n") << 1 << 13 << QList<int>{5, 120} << QByteArray("n00050120") << "1n00050120";
        QTest::newRow("14 N") << 1 << 14 << QList<int>{60, 9999} << QByteArray("N00609999") << "1N00609999";
        QTest::newRow("15 p") << 1 << 15 << QList<int>{50, 125} << QByteArray("p00500125") << "1p00500125";
        QTest::newRow("15 p wide") << 1 << 15 << QList<int>{65535, 1} << QByteArray("p655350001")
                                   << "1p655350001";
        QTest::newRow("16 r") << 1 << 16 << null << QByteArray("r") << "1r";
        QTest::newRow("17 F") << 1 << 17 << null << QByteArray("F") << "1F";
        QTest::newRow("18 S") << 1 << 18 << null << QByteArray("S") << "1S";
        QTest::newRow("19 c") << 4 << 19 << null << QByteArray("c") << "4c";
        QTest::newRow("20 G") << 1 << 20 << null << QByteArray("G") << "1G";
        QTest::newRow("21 6") << 1 << 21 << null << QByteArray("6") << "16";
        QTest::newRow("plant 10") << 10 << 1 << null << QByteArray("B") << ":B";
        QTest::newRow("plant 12") << 12 << 19 << null << QByteArray("c") << "<c";
        QTest::newRow("plant 32") << 32 << 18 << null << QByteArray("S") << "PS";
    }
    void rahmen() {
        QFETCH(int, anlage);
        QFETCH(int, befehl);
        QFETCH(QList<int>, werte);
        QFETCH(QByteArray, text);
        QFETCH(QString, logText);
        quint16 w[3] = {0, 0, 0};
        for (int i = 0; i < werte.size() && i < 3; ++i)
            w[i] = static_cast<quint16>(werte[i]);
        const QByteArray adresse(1, static_cast<char>(anlage));

        // Serial: the address byte, then the letter or text, as separate writes.
        z.Layer = 0;
        p->SendeBefehl(static_cast<quint8>(anlage), static_cast<quint8>(befehl), {w[0], w[1], w[2]});
        QCOMPARE(a.geschrieben, QByteArrayList({adresse, text}));
        QCOMPARE(a.logZeilen, QStringList{logText});
        QCOMPARE(z.AktAdresse, anlage);

        // Network: the whole frame in one send.
        a.leeren();
        z.Layer = 1;
        p->SendeBefehl(static_cast<quint8>(anlage), static_cast<quint8>(befehl), {w[0], w[1], w[2]});
        QCOMPARE(a.geschrieben, QByteArrayList{adresse + text});
        QCOMPARE(a.logZeilen, QStringList{logText});
    }

    void nichtsGesendet_data() {
        QTest::addColumn<int>("anlage");
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("plant 0") << 0 << 1 << 32;
        QTest::newRow("plant above count") << 5 << 19 << 4;
        QTest::newRow("plant 33") << 33 << 1 << 32;
        QTest::newRow("plant 255") << 255 << 1 << 32;
        QTest::newRow("command 0") << 1 << 0 << 32;
        QTest::newRow("command 22") << 1 << 22 << 32;
        QTest::newRow("command 255") << 1 << 255 << 32;
    }
    void nichtsGesendet() {
        QFETCH(int, anlage);
        QFETCH(int, befehl);
        QFETCH(int, anzahl);
        z.AnlagenAnzahl = static_cast<quint16>(anzahl);
        z.AntwortCode = 19;
        p->SendeBefehl(static_cast<quint8>(anlage), static_cast<quint8>(befehl));
        QVERIFY(a.geschrieben.isEmpty());
        QVERIFY(a.logZeilen.isEmpty());
        QCOMPARE(z.AntwortCode, 0);
    }

    void abfrageNurWennAngeschlossenUndEingeschaltet_data() {
        QTest::addColumn<int>("angeschlossen");
        QTest::addColumn<int>("eingeschaltet");
        QTest::addColumn<bool>("gesendet");
        QTest::newRow("both") << 1 << 1 << true;
        QTest::newRow("switched off") << 1 << 0 << false;
        QTest::newRow("not connected") << 0 << 1 << false;
        QTest::newRow("neither") << 0 << 0 << false;
    }
    void abfrageNurWennAngeschlossenUndEingeschaltet() {
        QFETCH(int, angeschlossen);
        QFETCH(int, eingeschaltet);
        QFETCH(bool, gesendet);
        z.Anlagen[3].Angeschlossen = static_cast<quint8>(angeschlossen);
        z.Anlagen[3].Eingeschaltet = static_cast<quint8>(eingeschaltet);
        p->SendeBefehl(3, Befehle::Abfrage);
        QCOMPARE(!a.geschrieben.isEmpty(), gesendet);
        QCOMPARE(!a.logZeilen.isEmpty(), gesendet);
        // The other commands still reach a switched-off plant.
        a.leeren();
        p->SendeBefehl(3, Befehle::Betriebsart);
        p->SendeBefehl(3, Befehle::Status);
        QCOMPARE(a.logZeilen, QStringList({"3B", "3S"}));
    }

    void pufferLeerenNurBeiAntwortBefehlen() {
        for (int b = 0; b <= 23; ++b) {
            z.EmpfangsPuffer = "c1;2";
            p->SendeBefehl(1, static_cast<quint8>(b));
            const bool geleert = b == 1 || b == 2 || b == 16 || (b >= 18 && b <= 21);
            QVERIFY2(z.EmpfangsPuffer.isEmpty() == geleert, qPrintable(QStringLiteral("command %1").arg(b)));
        }
        // Plant out of range: nothing touched but the reply code.
        z.EmpfangsPuffer = "c1;2";
        p->SendeBefehl(0, Befehle::Abfrage);
        QCOMPARE(z.EmpfangsPuffer, QByteArray("c1;2"));
    }

    void ohneVerbindungNurLog() {
        z.Verbunden = false;
        p->SendeBefehl(1, Befehle::Speicherintervall, {7});
        p->SendeBefehl(2, Befehle::Betriebsart);
        QVERIFY(a.geschrieben.isEmpty());
        QCOMPARE(a.logZeilen, QStringList({"1I0007", "2B"}));
    }

    void ohneTransportUndLog() {
        p->SetzeTransport(nullptr);
        p->SetzeLog(nullptr);
        z.AntwortCode = 5;
        p->SendeBefehl(1, Befehle::Betriebsart);
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.AktAdresse, 1);
    }
};

QTEST_GUILESS_MAIN(TestSendeBefehl)
#include "tst_sendeBefehl.moc"

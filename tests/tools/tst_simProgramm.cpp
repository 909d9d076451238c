// The program kompost-sim and its command line: the options reach the
// simulator, bad values are refused with a message, and the program itself
// serves TCP and a pseudo-terminal, reports where, and ends cleanly on
// SIGTERM and SIGINT.

#include "SimClient.h"
#include "kompost-sim/TSimOptionen.h"
#include "kompost-sim/TSimulator.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace KompostSim;

namespace {

QByteArray Rahmen(int anlage, const char *rest) {
    return QByteArray(1, static_cast<char>(anlage)) + rest;
}

const QString Programm = QStringLiteral(KOMPOST_SIM_PROGRAMM);

} // namespace

class TestSimProgramm : public QObject {
    Q_OBJECT

private slots:
    void demoKommandozeile() {
        // Five running piles with records, two plants switched off, one silent.
        TSimOptionen o;
        QString fehler;
        QVERIFY2(o.Lies({"--tcp", "127.0.0.1:0", "--off", "6,7", "--silent", "8"}, fehler),
                 qPrintable(fehler));
        QVERIFY(o.Tcp && !o.Pty);
        QCOMPARE(o.TcpPort, quint16(0));

        TSimulator sim(o.Seed);
        o.Anwenden(sim);
        QCOMPARE(sim.Anlagen(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(sim.StarteTcp(o.TcpAdresse, o.TcpPort));
        SimClient c;
        QVERIFY(c.Verbinde(sim.TcpPort()));
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(c.Frage(Rahmen(n, "S")), QByteArray("S1;1;"));
            QCOMPARE(c.Frage(Rahmen(n, "r")), QByteArray("r12;"));
        }
        for (int n : {6, 7}) {
            QCOMPARE(c.Frage(Rahmen(n, "S")), QByteArray("S0;0;"));
            QCOMPARE(c.Frage(Rahmen(n, "r")), QByteArray("r0;"));
        }
        QCOMPARE(c.OhneAntwort(Rahmen(8, "S")), QByteArray("B3;"));
        QCOMPARE(c.OhneAntwort(Rahmen(9, "B")), QByteArray("B3;"));
    }

    void falscheOptionen_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::newRow("plant 0") << QStringList{"--plants", "0"};
        QTest::newRow("plant 33") << QStringList{"--plants", "1-33"};
        QTest::newRow("range backwards") << QStringList{"--off", "5-3"};
        QTest::newRow("empty list item") << QStringList{"--silent", "1,,2"};
        QTest::newRow("list after @") << QStringList{"--delay", "100@40"};
        QTest::newRow("unknown command letter") << QStringList{"--mute", "X"};
        QTest::newRow("bad field of a reply without fields") << QStringList{"--bad-field", "T:1"};
        QTest::newRow("bad field number 0") << QStringList{"--bad-field", "c:0"};
        QTest::newRow("bad field without number") << QStringList{"--bad-field", "c"};
        QTest::newRow("bad field of reply 0") << QStringList{"--bad-field", "G0:9"};
        QTest::newRow("bad field escape unknown") << QStringList{"--bad-field", "G:9:\\q"};
        QTest::newRow("bad field escape short") << QStringList{"--bad-field", "G:9:\\x4"};
        QTest::newRow("negative babble") << QStringList{"--babble", "-1"};
        QTest::newRow("share above 1") << QStringList{"--drop", "1.5"};
        QTest::newRow("port too large") << QStringList{"--tcp", "127.0.0.1:70000"};
        QTest::newRow("host name") << QStringList{"--tcp", "host.example:8000"};
        QTest::newRow("negative time factor") << QStringList{"--time-factor", "-1"};
        QTest::newRow("time factor too large") << QStringList{"--time-factor", "1e6"};
        QTest::newRow("clock") << QStringList{"--clock", "tomorrow"};
        QTest::newRow("negative records") << QStringList{"--records", "-1"};
        QTest::newRow("mode 4 cannot be commanded") << QStringList{"--mode", "4"};
        QTest::newRow("seed") << QStringList{"--seed", "abc"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate"};
        QTest::newRow("stray argument") << QStringList{"8"};
        QTest::newRow("outage without length") << QStringList{"--outage", "10"};
        QTest::newRow("negative outage") << QStringList{"--outage", "-1:5"};
        QTest::newRow("negative age") << QStringList{"--age", "-1@2"};
    }

    void falscheOptionen() {
        QFETCH(QStringList, argumente);
        TSimOptionen o;
        QString fehler;
        QVERIFY(!o.Lies(argumente, fehler));
        QVERIFY(!fehler.isEmpty());
    }

    // A fresh pile (--age 0) begins near the edge temperature and heats up
    // over its first days, as a new windrow does; its stored records begin
    // there. A pile of the default age is hot from its first record on.
    void frischeMiete() {
        TSimOptionen o;
        QString fehler;
        QVERIFY2(o.Lies({"--age", "0@2", "--records", "25@2", "--interval", "180@2", "--time-factor", "0"},
                        fehler),
                 qPrintable(fehler));
        TSimulator sim(o.Seed);
        o.Anwenden(sim);
        const std::deque<TSimDatensatz> &frisch = sim.Anlage(2).Speicher();
        QCOMPARE(int(frisch.size()), 25);
        QCOMPARE(frisch.front().Zeit.secsTo(frisch.back().Zeit), 3 * 86400);
        QVERIFY2(frisch.front().Werte.T[0] < 450, qPrintable(QString::number(frisch.front().Werte.T[0])));
        QVERIFY2(frisch.back().Werte.T[0] > 600, qPrintable(QString::number(frisch.back().Werte.T[0])));
        QVERIFY(frisch.front().Werte.Zyklen < 5);
        QVERIFY(sim.Anlage(1).Speicher().front().Werte.T[0] > 550);
    }

    void stoerungsOptionen() {
        TSimOptionen o;
        QString fehler;
        QVERIFY2(o.Lies({"--delay",     "100@3",       "--delay",
                         "250@4",       "--count",     "1001@2",
                         "--bad-field", "c:3",         "--bad-field",
                         "G:9:??@5",    "--bad-field", "G3:11:\\r\\n\\0\\x7F\\\\@6",
                         "--babble",    "64000",       "--split",
                         "1-2",         "--noise",     "3",
                         "--drop",      "0.25@7",      "--mute",
                         "Sc@6",        "--stays-on",  "5",
                         "--stays-off", "4",           "--disconnect-after",
                         "5",           "--outage",    "3:10",
                         "--memory",    "50",          "--records",
                         "30@2",        "--interval",  "5@2",
                         "--mode",      "1@3",         "--time-factor",
                         "60",          "--clock",     "2024-12-09 14:30:00",
                         "--seed",      "9",           "--o2",
                         "30@3",        "--core",      "905@4"},
                        fehler),
                 qPrintable(fehler));
        TSimulator sim(o.Seed);
        o.Anwenden(sim);

        QCOMPARE(sim.Seed(), 9u);
        QCOMPARE(sim.Zeitfaktor(), 60.0);
        QCOMPARE(sim.TrennenNach(), 5);
        QCOMPARE(o.AusfallNach, 3);
        QCOMPARE(o.AusfallDauer, 10);
        QCOMPARE(sim.Stoerung(3).VerzoegerungMs, 100);
        QCOMPARE(sim.Stoerung(4).VerzoegerungMs, 250);
        QCOMPARE(sim.Stoerung(1).VerzoegerungMs, 0);
        QCOMPARE(sim.Stoerung(2).AnzahlErzwungen, std::optional<qint64>(1001));
        QVERIFY(!sim.Stoerung(1).AnzahlErzwungen);
        QCOMPARE(sim.Stoerung(1).FeldFehler.size(), 1);
        QCOMPARE(sim.Stoerung(1).FeldFehler[0].Buchstabe, 'c');
        QCOMPARE(sim.Stoerung(1).FeldFehler[0].Feld, 3);
        QCOMPARE(sim.Stoerung(1).FeldFehler[0].Text, QByteArray("x"));
        QCOMPARE(sim.Stoerung(5).FeldFehler.size(), 2);
        QCOMPARE(sim.Stoerung(5).FeldFehler[1].Text, QByteArray("??"));
        QCOMPARE(sim.Stoerung(5).FeldFehler[1].Nur, 0);
        QCOMPARE(sim.Stoerung(6).FeldFehler[1].Nur, 3);
        QCOMPARE(sim.Stoerung(6).FeldFehler[1].Feld, 11);
        QCOMPARE(sim.Stoerung(6).FeldFehler[1].Text, QByteArray("\r\n\0\x7F\\", 5));
        QCOMPARE(sim.Geplapper(), 64000);
        QVERIFY(sim.Stoerung(1).Zerteilen && sim.Stoerung(2).Zerteilen && !sim.Stoerung(3).Zerteilen);
        QCOMPARE(sim.Stoerung(32).Rauschen, 3);
        QCOMPARE(sim.Stoerung(7).Verlustanteil, 0.25);
        QCOMPARE(sim.Stoerung(6).Ignoriert, QByteArray("Sc"));
        QVERIFY(sim.Stoerung(5).BleibtEingeschaltet && !sim.Stoerung(4).BleibtEingeschaltet);
        QVERIFY(sim.Stoerung(4).BleibtAusgeschaltet && !sim.Stoerung(5).BleibtAusgeschaltet);
        QCOMPARE(sim.Stoerung(3).O2Erzwungen, std::optional<int>(30));
        QVERIFY(!sim.Stoerung(4).O2Erzwungen);
        QCOMPARE(sim.Stoerung(4).KernErzwungen, std::optional<int>(905));

        QCOMPARE(sim.Anlage(2).Sollwerte().Speicherintervall, 5);
        QCOMPARE(int(sim.Anlage(2).Speicher().size()), 30);
        QCOMPARE(int(sim.Anlage(1).Speicher().size()), 12);
        QCOMPARE(sim.Anlage(1).SpeicherGroesse(), 50);
        QCOMPARE(sim.Anlage(3).Betriebsart(), 1);
        QCOMPARE(sim.Anlage(1).Speicher().back().Zeit.date(), QDate(2024, 12, 9));
    }

    void programmUeberTcpUndPty_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void programmUeberTcpUndPty() {
        QFETCH(int, signal);
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString link = ordner.filePath(QStringLiteral("ttyKompost"));

        QProcess p;
        p.start(Programm, {"--tcp", "127.0.0.1:0", "--pty", link, "--off", "6,7", "--silent", "8",
                           "--time-factor", "0"});
        QVERIFY(p.waitForStarted(5000));
        QStringList zeilen;
        while (zeilen.size() < 4) {
            if (!p.canReadLine() && !p.waitForReadyRead(5000))
                break;
            while (p.canReadLine())
                zeilen.append(QString::fromLocal8Bit(p.readLine()).trimmed());
        }
        QCOMPARE(zeilen.size(), 4);
        QVERIFY2(zeilen[0].startsWith(QLatin1String("tcp 127.0.0.1:")), qPrintable(zeilen[0]));
        QVERIFY2(zeilen[1].startsWith(QLatin1String("pty /dev/")), qPrintable(zeilen[1]));
        QCOMPARE(zeilen[2], QStringLiteral("link ") + link);
        QCOMPARE(zeilen[3], QStringLiteral("plants running 1-5, switched off 6-7, silent 8, time factor 0"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), zeilen[1].mid(4));

        SimClient c;
        QVERIFY(c.Verbinde(static_cast<quint16>(zeilen[0].section(QLatin1Char(':'), 1).toUInt())));
        QCOMPARE(c.Frage(Rahmen(1, "B")), QByteArray("B3;"));
        QCOMPARE(c.Frage(Rahmen(6, "S")), QByteArray("S0;0;"));

        QSerialPort port(link);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        port.write(Rahmen(2, "r"));
        QByteArray empfangen;
        QVERIFY(c.WarteAuf(
            [&] {
                empfangen += port.readAll();
                return empfangen.size() >= 4;
            },
            3000));
        QCOMPARE(empfangen, QByteArray("r12;"));
        port.close();

        ::kill(static_cast<pid_t>(p.processId()), signal);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void programmMeldetFehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("bad plant list") << QStringList{"--plants", "40"} << "bad plant list";
        QTest::newRow("port in use") << QStringList{"--tcp", "PORT"} << "cannot listen";
        QTest::newRow("link over a file") << QStringList{"--pty", "FILE"} << "no symbolic link";
    }

    void programmMeldetFehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QTcpServer belegt;
        QVERIFY(belegt.listen(QHostAddress::LocalHost, 0));
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("datei"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        argumente.replaceInStrings(QStringLiteral("PORT"),
                                   QStringLiteral("127.0.0.1:%1").arg(belegt.serverPort()));
        argumente.replaceInStrings(QStringLiteral("FILE"), datei);

        QProcess p;
        p.start(Programm, argumente);
        QVERIFY(p.waitForFinished(5000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY2(p.readAllStandardError().contains(meldung.toLocal8Bit()), qPrintable(meldung));
        QVERIFY(QFileInfo(datei).isFile() && !QFileInfo(datei).isSymLink());
    }

    void hilfe() {
        QProcess p;
        p.start(Programm, {"--help"});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray text = p.readAllStandardOutput();
        for (const char *option : {"--tcp",       "--pty",
                                   "--plants",    "--off",
                                   "--silent",    "--records",
                                   "--memory",    "--mode",
                                   "--interval",  "--time-factor",
                                   "--clock",     "--seed",
                                   "--mute",      "--stays-on",
                                   "--stays-off", "--count",
                                   "--delay",     "--drop",
                                   "--split",     "--noise",
                                   "--bad-field", "--disconnect-after",
                                   "--outage",    "--babble",
                                   "--verbose"})
            QVERIFY2(text.contains(option), option);
    }
};

QTEST_GUILESS_MAIN(TestSimProgramm)
#include "tst_simProgramm.moc"

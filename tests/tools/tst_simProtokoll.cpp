// The simulator on the wire: commands and replies over loopback TCP (and
// one pseudo-terminal through QSerialPort), the record of received frames,
// and the fault injections. Simulated time stands still unless a test moves
// it, so replies are stable.

#include "SimClient.h"
#include "kompost-sim/TSimulator.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace KompostSim;

namespace {

QByteArray Rahmen(int anlage, const char *rest) {
    return QByteArray(1, static_cast<char>(anlage)) + rest;
}

bool IstZahl(const QByteArray &feld) {
    bool ok = false;
    feld.toLongLong(&ok);
    return ok;
}

} // namespace

class TestSimProtokoll : public QObject {
    Q_OBJECT

    std::unique_ptr<TSimulator> m_sim;
    std::unique_ptr<SimClient> m_client;

    TSimulator &sim() { return *m_sim; }
    SimClient &client() { return *m_client; }

private slots:
    void init() {
        m_sim = std::make_unique<TSimulator>(1);
        m_sim->SetZeitfaktor(0);
        QVERIFY2(m_sim->StarteTcp(QHostAddress::LocalHost, 0), qPrintable(m_sim->Fehler()));
        QVERIFY(m_sim->TcpPort() != 0);
        m_client = std::make_unique<SimClient>();
        QVERIFY(m_client->Verbinde(m_sim->TcpPort()));
        m_client->Socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }

    void cleanup() {
        m_client.reset();
        m_sim.reset();
    }

    // --- Commands and replies ----------------------------------------------

    void betriebsart_data() {
        QTest::addColumn<char>("befehl");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("luefter");
        QTest::newRow("o: fan off") << 'o' << 0 << 0;
        QTest::newRow("e: fan on") << 'e' << 1 << 1;
        QTest::newRow("T: interval, starting with the fan on") << 'T' << 2 << 1;
        QTest::newRow("q: O2 control") << 'q' << 3 << -1;
    }

    void betriebsart() {
        QFETCH(char, befehl);
        QFETCH(int, art);
        QFETCH(int, luefter);

        // Plant 5 starts in O2 control; leave it first so every row changes the mode.
        QCOMPARE(client().Frage(Rahmen(5, "B")), QByteArray("B3;"));
        QCOMPARE(client().OhneAntwort(Rahmen(5, art == 0 ? "e" : "o")), QByteArray("B3;"));
        QCOMPARE(client().OhneAntwort(Rahmen(5, "") + befehl), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(5, "B")), "B" + QByteArray::number(art) + ';');

        const QList<QByteArray> c = SimClient::FelderVon(client().Frage(Rahmen(5, "c")));
        QCOMPARE(c.size(), 11);
        QCOMPARE(c[6].toInt(), art);
        if (luefter >= 0)
            QCOMPARE(c[7].toInt(), luefter);

        // The frames as received, byte for byte.
        const QList<TSimRahmen> r = sim().Rahmen(5);
        QCOMPARE(r.size(), 5);
        QCOMPARE(r[2].Bytes, Rahmen(5, "") + befehl);
        QCOMPARE(r[3].Bytes, Rahmen(5, "B"));
        QCOMPARE(r[4].Bytes, Rahmen(5, "c"));
    }

    void einUndAusschalten() {
        sim().Anlage(6).SetEingeschaltet(false);
        QCOMPARE(client().Frage(Rahmen(6, "S")), QByteArray("S0;0;"));
        QCOMPARE(client().OhneAntwort(Rahmen(6, "F")), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(6, "S")), QByteArray("S1;1;"));
        QCOMPARE(client().OhneAntwort(Rahmen(6, "A")), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(6, "S")), QByteArray("S0;0;"));

        // A plant that stays switched on after 'A'.
        sim().Stoerung(6).BleibtEingeschaltet = true;
        client().Sende(Rahmen(6, "F") + Rahmen(6, "A"));
        QCOMPARE(client().Frage(Rahmen(6, "S")), QByteArray("S1;1;"));

        // A plant that stays switched off after 'F' (it still takes 'A').
        sim().Stoerung(6) = TSimStoerung();
        sim().Stoerung(6).BleibtAusgeschaltet = true;
        client().Sende(Rahmen(6, "A") + Rahmen(6, "F"));
        QCOMPARE(client().Frage(Rahmen(6, "S")), QByteArray("S0;0;"));
    }

    void sollwerteRundreise() {
        const QList<QByteArray> rahmen{"\x03I0015",
                                       "\x03"
                                       "E0012",
                                       "\x03O0034",
                                       "\x03p00500125",
                                       "\x03n00060026",
                                       "\x03N00610181"};
        // All in one write, followed by the request.
        client().Sende(rahmen.join());
        QCOMPARE(client().Frage(Rahmen(3, "R")), QByteArray("R15;12;34;50;125;6;26;61;181;"));
        QCOMPARE(client().OhneAntwort(Rahmen(3, "I0007")), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(3, "R")), QByteArray("R7;12;34;50;125;6;26;61;181;"));
        // The other plants keep their own set values.
        QCOMPARE(client().Frage(Rahmen(4, "R")), QByteArray("R15;10;30;80;150;5;25;60;180;"));

        const QList<TSimRahmen> empfangen = sim().Rahmen(3);
        QCOMPARE(empfangen.size(), rahmen.size() + 3);
        for (int i = 0; i < rahmen.size(); ++i)
            QCOMPARE(empfangen[i].Bytes, rahmen[i]);
    }

    void gespeicherteDatensaetze() {
        sim().SetUhr(QDateTime(QDate(2024, 12, 9), QTime(14, 30)));
        TSimAnlage &a = sim().Anlage(2);
        a.LeereSpeicher();
        a.FuelleSpeicher(3);

        QCOMPARE(client().Frage(Rahmen(2, "r")), QByteArray("r3;"));
        const QList<QByteArray> minuten{"00", "15", "30"};
        for (const QByteArray &minute : minuten) {
            const QList<QByteArray> g = SimClient::FelderVon(client().Frage(Rahmen(2, "G")));
            QCOMPARE(g.size(), 15);
            for (const QByteArray &f : g)
                QVERIFY2(IstZahl(f), f.constData());
            for (int k = 0; k < 5; ++k)
                QVERIFY2(g[k].toInt() >= 350 && g[k].toInt() <= 780, g[k].constData());
            QVERIFY(g[0].toInt() > g[4].toInt());
            QCOMPARE(g[6].toInt(), 2); // plant 2 runs in interval mode
            // minute, hour, day, month, two-digit year
            QCOMPARE(g.mid(8, 5), (QList<QByteArray>{minute, "14", "09", "12", "24"}));
        }
        // Delivered records are forgotten; an empty memory gives no 'G' reply.
        QCOMPARE(client().Frage(Rahmen(2, "r")), QByteArray("r0;"));
        QCOMPARE(client().OhneAntwort(Rahmen(2, "G")), QByteArray("B3;"));

        // While the pile runs the memory fills at the storage interval.
        sim().Vorspulen(60 * 60000);
        QCOMPARE(client().Frage(Rahmen(2, "r")), QByteArray("r4;"));
        const QList<QByteArray> g = SimClient::FelderVon(client().Frage(Rahmen(2, "G")));
        QCOMPARE(g.mid(8, 2), (QList<QByteArray>{"45", "14"}));
    }

    void erzwungeneAnzahl() {
        sim().Anlage(2).LeereSpeicher();
        sim().Anlage(2).FuelleSpeicher(2);
        sim().Stoerung(2).AnzahlErzwungen = 1001;
        QCOMPARE(client().Frage(Rahmen(2, "r")), QByteArray("r1001;"));
        sim().Stoerung(2).AnzahlErzwungen = -1;
        QCOMPARE(client().Frage(Rahmen(2, "r")), QByteArray("r-1;"));
        // The memory itself is untouched.
        QCOMPARE(client().Frage(Rahmen(2, "G")).left(1), QByteArray("G"));
        QCOMPARE(client().Frage(Rahmen(2, "G")).left(1), QByteArray("G"));
        QCOMPARE(client().OhneAntwort(Rahmen(2, "G")), QByteArray("B3;"));
    }

    // An anaerobic or overheated pile on demand: only the forced fields of 'c' change.
    void erzwungeneMesswerte() {
        const QList<QByteArray> vorher = SimClient::FelderVon(client().Frage(Rahmen(2, "c")));
        sim().Stoerung(2).O2Erzwungen = 30;
        sim().Stoerung(2).KernErzwungen = 905;
        const QList<QByteArray> c = SimClient::FelderVon(client().Frage(Rahmen(2, "c")));
        QCOMPARE(c.size(), vorher.size());
        QCOMPARE(c.at(0), QByteArray("905"));
        QCOMPARE(c.at(5), QByteArray("30"));
        QCOMPARE(c.mid(6, 1), vorher.mid(6, 1)); // the mode stays the pile's
        sim().Stoerung(2).O2Erzwungen.reset();
        sim().Stoerung(2).KernErzwungen.reset();
        QVERIFY(SimClient::FelderVon(client().Frage(Rahmen(2, "c"))).at(5) != QByteArray("30"));
    }

    void uhrText() {
        client().Sende(Rahmen(1, "D090507") + Rahmen(1, "Z070509"));
        const QByteArray t = client().Frage(Rahmen(1, "6"));
        QCOMPARE(t, QByteArray("T Datum 09.05.07 Zeit 07:05:09"));
        QCOMPARE(t.size(), 30);

        sim().Vorspulen(61000);
        QCOMPARE(client().Frage(Rahmen(1, "6")), QByteArray("T Datum 09.05.07 Zeit 07:06:10"));

        // Impossible times and dates leave the clock alone.
        client().Sende(Rahmen(1, "Z250000") + Rahmen(1, "D310207") + Rahmen(1, "D000507"));
        QCOMPARE(client().Frage(Rahmen(1, "6")), QByteArray("T Datum 09.05.07 Zeit 07:06:10"));

        // Only plant 1's clock was set; the records of plant 1 carry its clock.
        QVERIFY(client().Frage(Rahmen(2, "6")) != QByteArray("T Datum 09.05.07 Zeit 07:06:10"));
        sim().Anlage(1).LeereSpeicher();
        sim().Vorspulen(15 * 60000);
        const QList<QByteArray> g = SimClient::FelderVon(client().Frage(Rahmen(1, "G")));
        QCOMPARE(g.mid(9, 4), (QList<QByteArray>{"07", "09", "05", "07"}));
    }

    // --- Plants that do not answer ------------------------------------------

    void stummeUndFehlendeAnlagen() {
        sim().Stoerung(8).Stumm = true;
        sim().Stoerung(4).Ignoriert = "S";
        // Plant 20 is not simulated; its frame's argument must still be consumed.
        client().Sende(Rahmen(8, "B") + Rahmen(20, "I0015") + Rahmen(8, "F") + Rahmen(1, "B"));
        QCOMPARE(client().LiesAntwort(), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(2, "B")), QByteArray("B2;"));

        QCOMPARE(client().Frage(Rahmen(4, "B")), QByteArray("B2;"));
        QCOMPARE(client().OhneAntwort(Rahmen(4, "S")), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(4, "r")), QByteArray("r0;"));

        // Every frame is recorded, also those that got no reply.
        QList<QByteArray> bytes;
        for (const TSimRahmen &r : sim().Rahmen())
            bytes.append(r.Bytes);
        QCOMPARE(bytes.mid(0, 5), (QList<QByteArray>{Rahmen(8, "B"), Rahmen(20, "I0015"), Rahmen(8, "F"),
                                                     Rahmen(1, "B"), Rahmen(2, "B")}));
        QCOMPARE(sim().Rahmen(20).size(), 1);
        QCOMPARE(sim().Rahmen(20).first().Argument, QByteArray("0015"));
    }

    void rahmenStueckweiseMitRauschen() {
        const QByteArray strom = QByteArray("\xff\r\n\x01"
                                            "B?\x02I0015\x05X\x03"
                                            "c");
        for (const char b : strom) {
            client().Sende(QByteArray(1, b));
            QTest::qWait(1);
        }
        QVERIFY(sim().WarteAufRahmen(3, 2000));
        QList<QByteArray> bytes;
        for (const TSimRahmen &r : sim().Rahmen())
            bytes.append(r.Bytes);
        QCOMPARE(bytes, (QList<QByteArray>{Rahmen(1, "B"), Rahmen(2, "I0015"), Rahmen(3, "c")}));
        QCOMPARE(client().LiesAntwort(), QByteArray("B3;"));
        QCOMPARE(client().LiesAntwort().left(1), QByteArray("c"));
        QCOMPARE(sim().Anlage(2).Sollwerte().Speicherintervall, 15);
    }

    // --- Faults --------------------------------------------------------------

    void zerteilteAntworten() {
        const QByteArray ganzC = client().Frage(Rahmen(1, "c"));
        const QByteArray ganzT = client().Frage(Rahmen(1, "6"));
        sim().Stoerung(1).Zerteilen = true;
        QSignalSpy stuecke(&sim(), &TSimulator::StueckGeschrieben);

        QCOMPARE(client().Frage(Rahmen(1, "R")), sim().Anlage(1).AntwortR());
        QVERIFY(stuecke.count() >= 2);
        QByteArray zusammen;
        for (const QList<QVariant> &s : stuecke)
            zusammen += s.at(0).toByteArray();
        QCOMPARE(zusammen, sim().Anlage(1).AntwortR());

        QCOMPARE(client().Frage(Rahmen(1, "c")), ganzC);
        QCOMPARE(client().Frage(Rahmen(1, "6")), ganzT);
    }

    void rauschenZwischenAntworten() {
        sim().Stoerung(1).Rauschen = 6;
        for (int i = 0; i < 20; ++i)
            QCOMPARE(client().Frage(Rahmen(1, "B")), QByteArray("B3;"));
        QVERIFY(client().Rauschen.size() >= 20);
        for (const char z : client().Rauschen) {
            QVERIFY(SimClient::Felder(z) < 0);
            QVERIFY(!(z >= '0' && z <= '9') && z != ';' && z != '-');
        }
    }

    void feldOhneZahl() {
        sim().Stoerung(1).FeldFehler = {{'c', 3, "x"}};
        const QList<QByteArray> c = SimClient::FelderVon(client().Frage(Rahmen(1, "c")));
        QCOMPARE(c.size(), 11);
        QCOMPARE(c[2], QByteArray("x"));
        for (int k : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10})
            QVERIFY(IstZahl(c[k]));
        // Other replies and other plants are untouched.
        QCOMPARE(client().Frage(Rahmen(1, "R")), QByteArray("R15;10;30;80;150;5;25;60;180;"));
        QVERIFY(IstZahl(SimClient::FelderVon(client().Frage(Rahmen(2, "c")))[2]));
    }

    void verloreneAntworten() {
        sim().Stoerung(3).Verlustanteil = 1.0;
        QCOMPARE(client().OhneAntwort(Rahmen(3, "B")), QByteArray("B3;"));

        // Half of them: forty requests and a probe in one go; count what came back.
        sim().Stoerung(3).Verlustanteil = 0.5;
        QByteArray viele;
        for (int i = 0; i < 40; ++i)
            viele += Rahmen(3, "B");
        client().Sende(viele + Rahmen(1, "r"));
        int angekommen = 0;
        for (;;) {
            const QByteArray a = client().LiesAntwort();
            QVERIFY(!a.isEmpty());
            if (a.startsWith('r'))
                break;
            QCOMPARE(a, QByteArray("B3;"));
            ++angekommen;
        }
        QVERIFY2(angekommen >= 8 && angekommen <= 32, qPrintable(QString::number(angekommen)));
    }

    void verzoegerteAntworten() {
        sim().Stoerung(1).VerzoegerungMs = 150;
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(client().Frage(Rahmen(1, "B")), QByteArray("B3;"));
        QVERIFY(uhr.elapsed() >= 150);

        // Replies keep the order of the requests, delayed or not.
        client().Sende(Rahmen(1, "B") + Rahmen(2, "B"));
        QCOMPARE(client().LiesAntwort(), QByteArray("B3;"));
        QCOMPARE(client().LiesAntwort(), QByteArray("B2;"));
    }

    void verbindungTrennenNachAntworten() {
        sim().SetTrennenNach(2);
        QSignalSpy getrennt(&sim(), &TSimulator::ClientGetrennt);
        QCOMPARE(client().Frage(Rahmen(1, "B")), QByteArray("B3;"));
        QCOMPARE(client().Frage(Rahmen(2, "B")), QByteArray("B2;"));
        QVERIFY(client().WarteAuf(
            [&] { return client().Socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
        QCOMPARE(getrennt.count(), 1);
        QVERIFY(!sim().TcpVerbunden());

        // A new connection counts afresh.
        SimClient neu;
        QVERIFY(neu.Verbinde(sim().TcpPort()));
        QCOMPARE(neu.Frage(Rahmen(1, "B")), QByteArray("B3;"));
        QCOMPARE(neu.Frage(Rahmen(1, "S")), QByteArray("S1;1;"));
        QVERIFY(neu.WarteAuf([&] { return neu.Socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
    }

    // An outage of the adapter: the client is dropped and new connections
    // are refused until it ends; then the same port answers again.
    void tcpAusfall() {
        const quint16 port = sim().TcpPort();
        QVERIFY(sim().SetTcpGesperrt(true));
        QVERIFY(sim().TcpGesperrt());
        QVERIFY(client().WarteAuf(
            [&] { return client().Socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
        QCOMPARE(sim().TcpPort(), port);
        SimClient abgewiesen;
        QVERIFY(!abgewiesen.Verbinde(port, 500));
        QCOMPARE(abgewiesen.Socket.error(), QAbstractSocket::ConnectionRefusedError);

        QVERIFY(sim().SetTcpGesperrt(false));
        SimClient neu;
        QVERIFY(neu.Verbinde(port));
        QCOMPARE(neu.Frage(Rahmen(1, "B")), QByteArray("B3;"));

        // For a while only.
        sim().TcpAusfall(300);
        QVERIFY(neu.WarteAuf([&] { return neu.Socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
        QVERIFY(sim().TcpGesperrt());
        QTRY_VERIFY_WITH_TIMEOUT(!sim().TcpGesperrt(), 3000);
        SimClient danach;
        QVERIFY(danach.Verbinde(port));
        QCOMPARE(danach.Frage(Rahmen(1, "B")), QByteArray("B3;"));
    }

    void neuerClientErsetztDenAlten() {
        SimClient zweiter;
        QVERIFY(zweiter.Verbinde(sim().TcpPort()));
        QVERIFY(client().WarteAuf(
            [&] { return client().Socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
        QCOMPARE(zweiter.Frage(Rahmen(1, "B")), QByteArray("B3;"));
    }

    // --- Pseudo-terminal ---------------------------------------------------------

    void pseudoTerminal() {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString link = ordner.filePath(QStringLiteral("ttySim"));
        QVERIFY2(sim().StartePty(link), qPrintable(sim().Fehler()));
        QVERIFY(sim().PtyGeraet().startsWith(QLatin1String("/dev/")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim().PtyGeraet());

        for (int runde = 0; runde < 2; ++runde) {
            // Opened, used and closed twice: the line stays usable in between.
            QSerialPort port(link);
            port.setBaudRate(QSerialPort::Baud9600);
            QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
            QByteArray empfangen;
            auto frage = [&](const QByteArray &rahmen, qsizetype laenge) {
                empfangen.clear();
                port.write(rahmen);
                return client().WarteAuf(
                    [&] {
                        empfangen += port.readAll();
                        return empfangen.size() >= laenge;
                    },
                    2000);
            };
            QVERIFY(frage(Rahmen(1, "B"), 3));
            QCOMPARE(empfangen, QByteArray("B3;"));
            port.write(Rahmen(1, "I00") + QByteArray::number(20 + runde));
            const QByteArray r = "R" + QByteArray::number(20 + runde) + ";10;30;80;150;5;25;60;180;";
            QVERIFY(frage(Rahmen(1, "R"), r.size()));
            QCOMPARE(empfangen, r);
            port.close();
        }
        QCOMPARE(sim().Rahmen(1).last().Bytes, Rahmen(1, "R"));

        sim().Stoppe();
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestSimProtokoll)
#include "tst_simProtokoll.moc"

// The simulated pile behind the wire: fan control by operating mode, the
// control operation the controller enters on its own, readings of a hot
// pile, storing at the interval, and determinism by seed. Driven over
// loopback TCP; simulated time is moved by the test (Vorspulen) or runs with
// a large time factor.

#include "SimClient.h"
#include "kompost-sim/TSimulator.h"

#include <QTest>

#include <memory>

using namespace KompostSim;

namespace {

QByteArray Rahmen(int anlage, const char *rest) {
    return QByteArray(1, static_cast<char>(anlage)) + rest;
}

constexpr qint64 Minute = 60000;

// One 'c' reply as numbers.
struct Lesung {
    std::array<int, 5> T{};
    int O2 = 0;
    int Art = 0;
    int Luefter = 0;
    int Status = 0;
    int Laufzeit = 0;
    int Zyklen = 0;
};

} // namespace

class TestSimAnlage : public QObject {
    Q_OBJECT

    std::unique_ptr<TSimulator> m_sim;
    std::unique_ptr<SimClient> m_client;

    TSimulator &sim() { return *m_sim; }
    SimClient &client() { return *m_client; }

    static bool Starte(std::unique_ptr<TSimulator> &sim, std::unique_ptr<SimClient> &client, quint32 seed) {
        sim = std::make_unique<TSimulator>(seed);
        sim->SetZeitfaktor(0);
        client = std::make_unique<SimClient>();
        return sim->StarteTcp() && client->Verbinde(sim->TcpPort());
    }

    static Lesung Lies(SimClient &c, int anlage) {
        const QList<QByteArray> f = SimClient::FelderVon(c.Frage(Rahmen(anlage, "c")));
        Lesung l;
        if (f.size() != 11)
            return l;
        for (int k = 0; k < 5; ++k)
            l.T[k] = f[k].toInt();
        l.O2 = f[5].toInt();
        l.Art = f[6].toInt();
        l.Luefter = f[7].toInt();
        l.Status = f[8].toInt();
        l.Laufzeit = f[9].toInt();
        l.Zyklen = f[10].toInt();
        return l;
    }

    Lesung Lies(int anlage) { return Lies(client(), anlage); }

    static void PruefePlausibel(const Lesung &l) {
        for (int t : l.T)
            QVERIFY2(t >= 350 && t <= 780, qPrintable(QString::number(t)));
        // The core at 100 cm is clearly hotter than the edge at 0 cm.
        QVERIFY2(l.T[0] > l.T[4] + 30, qPrintable(QStringLiteral("%1 %2").arg(l.T[0]).arg(l.T[4])));
        QVERIFY(l.T[2] > l.T[4]);
        QVERIFY(l.O2 >= 0 && l.O2 <= 210);
        QCOMPARE(l.Status, 0);
    }

private slots:
    void init() { QVERIFY(Starte(m_sim, m_client, 1)); }

    void cleanup() {
        m_client.reset();
        m_sim.reset();
    }

    void steuerbetriebBeiMaxEin() {
        // The fan runs, O2 can never reach the switch-off value of 21.0 %:
        // after MaxEin (1 min) the controller goes into control operation.
        client().Sende(Rahmen(1, "p00800210") + Rahmen(1, "N00010180") + Rahmen(1, "e") + Rahmen(1, "q"));
        QCOMPARE(client().Frage(Rahmen(1, "B")), QByteArray("B3;"));
        sim().SetZeitfaktor(1200); // a simulated minute every 50 ms
        QVERIFY(client().WarteAuf([&] { return client().Frage(Rahmen(1, "B")) == "B4;"; }, 5000));
        sim().SetZeitfaktor(0);
        QCOMPARE(Lies(1).Art, 4);
        // An operating mode command ends control operation.
        QCOMPARE(client().OhneAntwort(Rahmen(1, "q"), Rahmen(2, "B")), QByteArray("B2;"));
        QCOMPARE(client().Frage(Rahmen(1, "B")), QByteArray("B3;"));
    }

    void steuerbetriebBeiMaxAus() {
        // The fan is off, O2 never falls to the switch-on value 0.0 %: after
        // MaxAus (30 min) control operation runs SteuerEin 5 / SteuerAus 25.
        client().Sende(Rahmen(3, "p00000150") + Rahmen(3, "N00600030") + Rahmen(3, "n00050025") +
                       Rahmen(3, "o") + Rahmen(3, "q"));
        QCOMPARE(client().Frage(Rahmen(3, "B")), QByteArray("B3;")); // the commands have arrived
        sim().Vorspulen(29 * Minute);
        Lesung l = Lies(3);
        QCOMPARE(l.Art, 3);
        QCOMPARE(l.Luefter, 0);
        sim().Vorspulen(2 * Minute);
        l = Lies(3);
        QCOMPARE(l.Art, 4);
        QCOMPARE(l.Luefter, 1);
        sim().Vorspulen(6 * Minute);
        QCOMPARE(Lies(3).Luefter, 0);
        sim().Vorspulen(25 * Minute);
        l = Lies(3);
        QCOMPARE(l.Luefter, 1);
        QCOMPARE(l.Art, 4);
    }

    void betriebsartenUeberEinenTag_data() {
        QTest::addColumn<char>("befehl");
        QTest::addColumn<int>("art");
        QTest::newRow("fan off") << 'o' << 0;
        QTest::newRow("fan on") << 'e' << 1;
        QTest::newRow("interval 10/30") << 'T' << 2;
        QTest::newRow("O2 control 8.0/15.0") << 'q' << 3;
    }

    void betriebsartenUeberEinenTag() {
        QFETCH(char, befehl);
        QFETCH(int, art);

        // Every plant a day long in the same mode, read every ten minutes.
        const QList<int> anlagen{1, 2, 3, 4, 5, 6, 7, 8};
        for (int n : anlagen)
            QCOMPARE(client().OhneAntwort(Rahmen(n, "") + befehl, Rahmen(n, "B")),
                     "B" + QByteArray::number(art) + ';');
        sim().Vorspulen(60 * Minute); // let O2 control settle
        QMap<int, QList<Lesung>> tag;
        for (int schritt = 0; schritt <= 144; ++schritt) {
            for (int n : anlagen)
                tag[n].append(Lies(n));
            sim().Vorspulen(10 * Minute);
        }

        for (int n : anlagen) {
            const QList<Lesung> &l = tag[n];
            int mitLuefter = 0;
            for (const Lesung &x : l) {
                PruefePlausibel(x);
                if (QTest::currentTestFailed())
                    return;
                if (art == 3)
                    QVERIFY(x.Art == 3 || x.Art == 4);
                else
                    QCOMPARE(x.Art, art);
                mitLuefter += x.Luefter;
            }
            const int laufzeit = l.last().Laufzeit - l.first().Laufzeit; // minutes in 1440 min
            const int zyklen = l.last().Zyklen - l.first().Zyklen;
            switch (art) {
            case 0:
                QCOMPARE(mitLuefter, 0);
                QCOMPARE(laufzeit, 0);
                QCOMPARE(zyklen, 0);
                QVERIFY(l.last().O2 < 40);
                break;
            case 1:
                QCOMPARE(mitLuefter, l.size());
                QVERIFY(qAbs(laufzeit - 1440) <= 1);
                QCOMPARE(zyklen, 0);
                QVERIFY(l.last().O2 > 190);
                break;
            case 2:
                QVERIFY2(qAbs(zyklen - 36) <= 1, qPrintable(QString::number(zyklen)));
                QVERIFY2(qAbs(laufzeit - 360) <= 12, qPrintable(QString::number(laufzeit)));
                break;
            case 3:
                // Switched by O2 between 8.0 and 15.0 %, several times a day.
                QVERIFY2(zyklen >= 5, qPrintable(QString::number(zyklen)));
                QVERIFY(mitLuefter > 0 && mitLuefter < l.size());
                for (const Lesung &x : l)
                    QVERIFY2(x.O2 >= 65 && x.O2 <= 165, qPrintable(QString::number(x.O2)));
                break;
            }
        }
    }

    void sauerstoffFolgtDemLuefter() {
        QCOMPARE(client().OhneAntwort(Rahmen(2, "e")), QByteArray("B3;"));
        sim().Vorspulen(30 * Minute);
        QList<int> o2;
        auto messe = [&](int schritte, qint64 abstand) {
            o2.clear();
            for (int i = 0; i <= schritte; ++i) {
                o2.append(Lies(2).O2);
                sim().Vorspulen(abstand);
            }
        };

        // Fan off: the pile uses up the oxygen.
        QCOMPARE(client().OhneAntwort(Rahmen(2, "o")), QByteArray("B3;"));
        messe(6, 10 * Minute);
        for (int i = 1; i < o2.size(); ++i)
            QVERIFY2(o2[i] <= o2[i - 1] + 8, qPrintable(QString::number(o2[i])));
        QVERIFY(o2.first() - o2.last() >= 80);

        // Fan on: fresh air.
        QCOMPARE(client().OhneAntwort(Rahmen(2, "e")), QByteArray("B3;"));
        messe(6, 5 * Minute);
        for (int i = 1; i < o2.size(); ++i)
            QVERIFY2(o2[i] + 8 >= o2[i - 1], qPrintable(QString::number(o2[i])));
        QVERIFY(o2.last() - o2.first() >= 80);
    }

    void speicherFuelltSichMitZeitfaktor() {
        sim().Anlage(3).LeereSpeicher();
        sim().SetZeitfaktor(6000); // a storage interval of 15 min every 150 ms
        auto anzahl = [&] {
            const QByteArray r = client().Frage(Rahmen(3, "r"));
            return r.size() > 2 ? r.mid(1, r.size() - 2).toInt() : -1;
        };
        QVERIFY(client().WarteAuf([&] { return anzahl() >= 3; }, 5000));
        sim().SetZeitfaktor(0);

        // The records come oldest first, one storage interval apart.
        auto minuteDesTages = [](const QByteArray &g) {
            const QList<QByteArray> f = SimClient::FelderVon(g);
            return f[9].toInt() * 60 + f[8].toInt();
        };
        const int erste = minuteDesTages(client().Frage(Rahmen(3, "G")));
        const int zweite = minuteDesTages(client().Frage(Rahmen(3, "G")));
        QCOMPARE((zweite - erste + 1440) % 1440, 15);
    }

    void speicherNurBeiLaufenderMiete() {
        sim().Anlage(4).LeereSpeicher();
        QCOMPARE(client().OhneAntwort(Rahmen(4, "A")), QByteArray("B3;"));
        sim().Vorspulen(120 * Minute);
        QCOMPARE(client().Frage(Rahmen(4, "r")), QByteArray("r0;"));
        QCOMPARE(client().OhneAntwort(Rahmen(4, "F")), QByteArray("B3;"));
        sim().Vorspulen(30 * Minute);
        QCOMPARE(client().Frage(Rahmen(4, "r")), QByteArray("r2;"));
        QCOMPARE(client().OhneAntwort(Rahmen(4, "I0005")), QByteArray("B3;"));
        sim().Vorspulen(30 * Minute);
        QCOMPARE(client().Frage(Rahmen(4, "r")), QByteArray("r8;"));
    }

    void vollerSpeicherUeberschreibtDieAeltesten() {
        sim().SetUhr(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
        TSimAnlage &a = sim().Anlage(5);
        a.LeereSpeicher();
        a.SetSpeicherGroesse(5);
        sim().Vorspulen(180 * Minute);
        QCOMPARE(client().Frage(Rahmen(5, "r")), QByteArray("r5;"));
        QCOMPARE(client().Frage(Rahmen(5, "S")), QByteArray("S2;1;"));
        // 12 records were stored, the last five remain: 02:00 .. 03:00.
        const QList<QByteArray> g = SimClient::FelderVon(client().Frage(Rahmen(5, "G")));
        QCOMPARE(g.mid(8, 2), (QList<QByteArray>{"00", "02"}));
        QCOMPARE(client().Frage(Rahmen(5, "S")), QByteArray("S1;1;"));
    }

    void gleicherSeedGleicheWerte() {
        std::unique_ptr<TSimulator> simB;
        std::unique_ptr<SimClient> clientB;
        std::unique_ptr<TSimulator> simC;
        std::unique_ptr<SimClient> clientC;
        QVERIFY(Starte(simB, clientB, 1));
        QVERIFY(Starte(simC, clientC, 2));

        auto verlauf = [](TSimulator &s, SimClient &c) {
            QByteArray text;
            s.SetUhr(QDateTime(QDate(2024, 6, 1), QTime(8, 0)));
            c.Sende(Rahmen(1, "I0010") + Rahmen(2, "e") + Rahmen(3, "o"));
            text += c.Frage(Rahmen(1, "R")); // the commands have arrived
            for (int runde = 0; runde < 12; ++runde) {
                s.Vorspulen(17 * Minute);
                for (int n = 1; n <= 8; ++n)
                    text += c.Frage(Rahmen(n, "c"));
            }
            for (int i = 0; i < 5; ++i)
                text += c.Frage(Rahmen(1, "G"));
            return text;
        };
        const QByteArray a = verlauf(sim(), client());
        const QByteArray b = verlauf(*simB, *clientB);
        const QByteArray c = verlauf(*simC, *clientC);
        QVERIFY(a.count('c') >= 96 && a.count('G') >= 5);
        QCOMPARE(a, b);
        QVERIFY(a != c);
    }
};

QTEST_GUILESS_MAIN(TestSimAnlage)
#include "tst_simAnlage.moc"

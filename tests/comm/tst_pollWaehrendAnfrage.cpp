// The poll and the requests share one line: while a request waits for its
// reply (the clock dialog's "6" runs with the poll on) the tick sends
// nothing and counts no miss, and a later tick polls the next plant; a frame
// after a poll, whoever sends it, goes out only once the poll's reply is in
// or its tick is over.
#include "SimAnschluss.h"

#include <QTimer>
#include <QtTest>

class TestPollWaehrendAnfrage : public QObject {
    Q_OBJECT

    std::unique_ptr<TSimAnschluss> s;

    void starte(int anlagen) {
        s = std::make_unique<TSimAnschluss>(anlagen);
        QVERIFY(s->verbindeTcp());
        s->komm->Abfrage.StopTimer();
        s->alleAngeschlossen();
    }

    QString letters() const {
        QString l;
        for (const auto &r : s->sim.Rahmen())
            l += QString::number(r.Anlage) + QLatin1Char(r.Befehl) + QLatin1Char(' ');
        return l.trimmed();
    }

private slots:
    void cleanup() { s.reset(); }

    // Ticks driven by hand during a slow clock request of plant 2.
    void tickWaehrendWarten() {
        starte(3);
        // Plant 1 was polled last; its reply is in.
        s->z.AbfrageAnlage = 1;
        s->komm->Protokoll.SendeBefehl(1, Befehle::Abfrage);
        QTRY_COMPARE_WITH_TIMEOUT(s->z.AntwortCode, quint8(Befehle::Abfrage), 3000);
        s->sim.LoescheRahmen();
        s->sim.Stoerung(2).VerzoegerungMs = 700;
        s->z.Messwerte[1].Fehlabfragen = 2;
        s->z.Messwerte[1].Gueltig = 1;

        int ticks = 0;
        QTimer tick;
        tick.setInterval(150);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            ++ticks;
            s->komm->Abfrage.LeseTimerTimer();
        });
        tick.start();
        QVERIFY(s->komm->Abfrage.SendeUndWarte(3000, 2, Befehle::Uhr));
        tick.stop();
        QVERIFY(ticks >= 3);
        // Nothing but the clock request went out; no miss was counted.
        QCOMPARE(letters(), QStringLiteral("26"));
        QCOMPARE(s->z.Messwerte[1].Fehlabfragen, quint16(2));
        QCOMPARE(s->z.Messwerte[1].Gueltig, quint8(1));
        QCOMPARE(s->z.AbfrageAnlage, quint16(1));
        QVERIFY(s->z.UhrText.startsWith(QLatin1Char('T')));

        // The next tick judges nothing and polls plant 2.
        s->komm->Abfrage.LeseTimerTimer();
        QCOMPARE(s->z.Messwerte[1].Fehlabfragen, quint16(2));
        QCOMPARE(s->z.AbfrageAnlage, quint16(2));
        QVERIFY(s->sim.WarteAufRahmen(2));
        QCOMPARE(letters(), QStringLiteral("26 2c"));
    }

    // The clock request right after a poll: the poll's reply comes first,
    // then the clock request goes out and its text is taken.
    void uhrNachPoll() {
        starte(2);
        s->sim.Stoerung(1).VerzoegerungMs = 100;
        s->sim.Stoerung(2).VerzoegerungMs = 400;
        // The poll of plant 1 just went out; its reply is on its way.
        s->komm->Protokoll.SendeBefehl(1, Befehle::Abfrage);
        int pollAntworten = 0;
        QObject::connect(&s->komm->Protokoll, &TProtokoll::AntwortGemeldet, [&](int code) {
            if (code == Befehle::Abfrage)
                ++pollAntworten;
        });
        QVERIFY(s->komm->Abfrage.SendeUndWarte(3000, 2, Befehle::Uhr));
        QCOMPARE(pollAntworten, 1);
        QCOMPARE(s->z.AntwortCode, quint8(Befehle::Uhr));
        QVERIFY(s->z.UhrText.startsWith(QLatin1Char('T')));
        QCOMPARE(letters(), QStringLiteral("1c 26"));
        QCOMPARE(s->sim.FrameInAntwort(), 0);
    }

    // Whatever follows a poll waits until the poll's reply is in (valid or
    // not) or its tick is over: a request with a reply, a command without
    // one, a plant operation. The simulator never receives a frame while a
    // reply is still to be sent.
    void naechsterWartetAufPoll_data() {
        QTest::addColumn<int>("art");         // 0 'r', 1 'I' (no reply), 2 mode change ('e', 'B', 'S')
        QTest::addColumn<int>("pollAntwort"); // 0 valid after 250 ms, 1 invalid after 100 ms, 2 none
        QTest::addColumn<int>("mindestens");  // ms from the poll to the next frame
        QTest::addColumn<int>("hoechstens");
        QTest::newRow("r after the poll's reply") << 0 << 0 << 240 << 480;
        QTest::newRow("I after the poll's reply") << 1 << 0 << 240 << 480;
        QTest::newRow("mode after the poll's reply") << 2 << 0 << 240 << 480;
        QTest::newRow("r after an invalid reply") << 0 << 1 << 90 << 400;
        QTest::newRow("r after the poll's tick") << 0 << 2 << 490 << 800;
    }

    void naechsterWartetAufPoll() {
        QFETCH(int, art);
        QFETCH(int, pollAntwort);
        QFETCH(int, mindestens);
        QFETCH(int, hoechstens);
        starte(2);
        KompostSim::TSimStoerung &st = s->sim.Stoerung(1);
        st.VerzoegerungMs = pollAntwort == 1 ? 100 : 250;
        if (pollAntwort == 1)
            st.FeldFehler = {KompostSim::TSimFeldFehler{'c', 3, "x"}};
        st.Stumm = pollAntwort == 2;
        s->sim.LoescheRahmen();
        QElapsedTimer uhr;
        qint64 naechster = -1;
        QObject::connect(&s->sim, &KompostSim::TSimulator::RahmenEmpfangen, &s->sim, [&](const auto &r) {
            if (r.Anlage == 2 && naechster < 0)
                naechster = uhr.elapsed();
        });

        uhr.start();
        s->komm->Abfrage.StartePolling();
        s->komm->Abfrage.StopTimer();
        if (art == 0)
            QVERIFY(s->komm->Abfrage.SendeUndWarte(1000, 2, Befehle::AnzahlDaten));
        else if (art == 1)
            QVERIFY(s->komm->Abfrage.Sende(2, Befehle::Speicherintervall, {15}));
        else
            QVERIFY(s->komm->Operationen.SetzeBetriebsart(2, 1));
        QVERIFY(s->sim.WarteAufRahmen(art == 2 ? 4 : 2));
        QVERIFY2(naechster >= mindestens && naechster <= hoechstens, qPrintable(QString::number(naechster)));
        QCOMPARE(s->sim.Rahmen().first().Befehl, 'c');
        QCOMPARE(s->sim.FrameInAntwort(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPollWaehrendAnfrage)
#include "tst_pollWaehrendAnfrage.moc"

// The poll while a request waits for its reply (the clock dialog's "6" runs
// with the poll on): the tick sends nothing and counts no miss, a later tick
// polls the next plant, and a poll reply that arrives meanwhile does not end
// the wait.
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

    // A poll reply that arrives while the clock request waits does not end
    // the wait: the clock text arrives and is taken.
    void pollAntwortBeendetWartenNicht() {
        starte(2);
        s->sim.Stoerung(1).VerzoegerungMs = 100;
        s->sim.Stoerung(2).VerzoegerungMs = 400;
        // The poll of plant 1 just went out; its reply comes during the wait.
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
    }
};

QTEST_GUILESS_MAIN(TestPollWaehrendAnfrage)
#include "tst_pollWaehrendAnfrage.moc"

// The request/reply cycle, the poll and the plant operations against the
// simulator over loopback TCP (and one path over the pseudo-terminal).
#include "SimAnschluss.h"
#include "shell/KompUtils.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using KompostSim::TSimFeldFehler;

namespace {
QByteArrayList buchstaben(const TSimAnschluss &s, int anlage) {
    QByteArrayList l;
    for (const auto &r : s.sim.Rahmen(anlage))
        l.append(r.Bytes.mid(1));
    return l;
}
} // namespace

class TestAbfrage : public QObject {
    Q_OBJECT

    std::unique_ptr<TSimAnschluss> s;

    // Connected to the simulator over TCP with `anlagen` plants, poll timer off.
    void starte(int anlagen) {
        s = std::make_unique<TSimAnschluss>(anlagen);
        QVERIFY(s->verbindeTcp());
        s->komm->Abfrage.StopTimer();
        s->sim.LoescheRahmen();
    }

    // Waits until the reply to the frame just sent is decoded: the decoder
    // writes a log line of its own for it.
    void warteAufAntwort() {
        const qsizetype vorher = s->log.logZeilen.size();
        QTRY_VERIFY_WITH_TIMEOUT(s->log.logZeilen.size() > vorher, 5000);
    }

private slots:
    void cleanup() { s.reset(); }

    void antwortBeendetWartenSofort() {
        starte(2);
        s->sim.Stoerung(1).VerzoegerungMs = 50;
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(s->komm->Abfrage.SendeUndWarte(3000, 1, Befehle::Betriebsart));
        QVERIFY2(uhr.elapsed() < 1500, qPrintable(QString::number(uhr.elapsed())));
        QVERIFY(!s->komm->Abfrage.Timeout1.isActive());
    }

    void stummeAnlageWartetTimeout() {
        starte(2);
        s->sim.Stoerung(2).Stumm = true;
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!s->komm->Abfrage.SendeUndWarte(300, 2, Befehle::Betriebsart));
        QVERIFY(uhr.elapsed() >= 290);
        QVERIFY(s->z.TimeoutAbgelaufen);
    }

    void geschachtelteAnfrageAbgewiesen() {
        starte(2);
        s->sim.Stoerung(1).VerzoegerungMs = 200;
        bool innen = true;
        bool innenGelaufen = false;
        QTimer::singleShot(20, [&] {
            innen = s->komm->Abfrage.SendeUndWarte(1000, 2, Befehle::Status);
            innenGelaufen = true;
        });
        QVERIFY(s->komm->Abfrage.SendeUndWarte(3000, 1, Befehle::Betriebsart));
        QVERIFY(innenGelaufen);
        QVERIFY(!innen);
        QVERIFY(s->sim.Rahmen(2).isEmpty());
        QVERIFY(s->log.logZeilen.contains(QStringLiteral("2S abgewiesen: eine Anfrage wartet noch")));
        // Afterwards requests run again.
        QVERIFY(s->komm->Abfrage.SendeUndWarte(1000, 2, Befehle::Status));
    }

    void lerneAnlage() {
        starte(4);
        s->sim.Stoerung(2).Stumm = true;
        s->sim.Stoerung(3).Ignoriert = "S";
        s->sim.Anlage(3).SetBetriebsart(2);
        s->sim.Anlage(4).SetEingeschaltet(false);

        QVERIFY(s->komm->Operationen.LerneAnlage(1));
        QCOMPARE(s->z.Anlagen[1].Angeschlossen, 1);
        QCOMPARE(s->z.Anlagen[1].Eingeschaltet, 1);
        QVERIFY(s->z.Anlagen[1].Speicherstatus != 0);

        // Silent: 'B' twice, no 'S'.
        s->z.Anlagen[2].Angeschlossen = 1;
        QVERIFY(!s->komm->Operationen.LerneAnlage(2));
        QCOMPARE(s->z.Anlagen[2].Angeschlossen, 0);
        QCOMPARE(buchstaben(*s, 2), QByteArrayList({"B", "B"}));

        // Answers 'B' but not 'S': mode stored, not connected, 'S' twice.
        QVERIFY(!s->komm->Operationen.LerneAnlage(3));
        QCOMPARE(s->z.Anlagen[3].Betriebsart, 2);
        QCOMPARE(s->z.Anlagen[3].Angeschlossen, 0);
        QCOMPARE(buchstaben(*s, 3), QByteArrayList({"B", "S", "S"}));

        QVERIFY(s->komm->Operationen.LerneAnlage(4));
        QCOMPARE(s->z.Anlagen[4].Angeschlossen, 1);
        QCOMPARE(s->z.Anlagen[4].Eingeschaltet, 0);
    }

    void setzeBetriebsart_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QByteArray>("befehl");
        QTest::addColumn<int>("gemeldet");
        QTest::newRow("0 fan off") << 0 << QByteArray("o") << 0;
        QTest::newRow("1 fan on") << 1 << QByteArray("e") << 1;
        QTest::newRow("2 interval") << 2 << QByteArray("T") << 2;
        QTest::newRow("3 O2 control") << 3 << QByteArray("q") << 3;
        QTest::newRow("4 as O2 control") << 4 << QByteArray("q") << 3;
    }
    void setzeBetriebsart() {
        QFETCH(int, art);
        QFETCH(QByteArray, befehl);
        QFETCH(int, gemeldet);
        starte(2);
        s->alleAngeschlossen();
        QVERIFY(s->komm->Operationen.SetzeBetriebsart(1, static_cast<quint8>(art)));
        QCOMPARE(buchstaben(*s, 1), QByteArrayList({befehl, "B", "S"}));
        QCOMPARE(s->z.Anlagen[1].Betriebsart, gemeldet);
        QCOMPARE(s->z.Anlagen[1].Angeschlossen, 1);
    }

    void setzeBetriebsartGrenzen() {
        starte(2);
        s->alleAngeschlossen();
        QVERIFY(!s->komm->Operationen.SetzeBetriebsart(1, 7));
        s->z.Anlagen[2].Angeschlossen = 0;
        QVERIFY(s->komm->Operationen.SetzeBetriebsart(2, 1));
        // Nothing went out for either.
        QTest::qWait(100);
        QVERIFY(s->sim.Rahmen().isEmpty());
        QVERIFY(s->log.logZeilen.isEmpty());

        // A plant that stops answering: two tries, then false.
        s->sim.Stoerung(1).Stumm = true;
        QVERIFY(!s->komm->Operationen.SetzeBetriebsart(1, 2));
        QCOMPARE(buchstaben(*s, 1), QByteArrayList({"T", "B", "B", "T", "B", "B"}));
    }

    void schalteAnlageAus() {
        starte(3);
        s->alleAngeschlossen();
        s->z.Anlagen[1].Datei = QStringLiteral("/daten/Miete1.CSV");
        s->z.Anlagen[1].Anzahl = 12;
        QVERIFY(s->komm->Operationen.SchalteAnlageAus(1));
        QCOMPARE(buchstaben(*s, 1), QByteArrayList({"A", "S"}));
        QCOMPARE(s->z.Anlagen[1].Eingeschaltet, 0);
        QVERIFY(s->z.Anlagen[1].Datei.isEmpty());
        QCOMPARE(s->z.Anlagen[1].Anzahl, 0);

        // Stays switched on: 'A' twice, false, file kept.
        s->sim.Stoerung(2).BleibtEingeschaltet = true;
        s->z.Anlagen[2].Datei = QStringLiteral("/daten/Miete2.CSV");
        s->z.Anlagen[2].Anzahl = 5;
        QVERIFY(!s->komm->Operationen.SchalteAnlageAus(2));
        QCOMPARE(buchstaben(*s, 2), QByteArrayList({"A", "S", "A", "S"}));
        QCOMPARE(s->z.Anlagen[2].Datei, QStringLiteral("/daten/Miete2.CSV"));
        QCOMPARE(s->z.Anlagen[2].Anzahl, 5);

        // Connected but already off: nothing sent, file name and count cleared.
        s->z.Anlagen[3].Eingeschaltet = 0;
        s->z.Anlagen[3].Datei = QStringLiteral("/daten/Miete3.CSV");
        s->z.Anlagen[3].Anzahl = 9;
        QVERIFY(s->komm->Operationen.SchalteAnlageAus(3));
        QTest::qWait(50);
        QVERIFY(s->sim.Rahmen(3).isEmpty());
        QVERIFY(s->z.Anlagen[3].Datei.isEmpty());
        QCOMPARE(s->z.Anlagen[3].Anzahl, 0);
    }

    void schalteAnlageEin() {
        starte(2);
        s->sim.Anlage(1).SetEingeschaltet(false);
        s->alleAngeschlossen();
        QVERIFY(s->komm->Operationen.SchalteAnlageEin(1));
        QCOMPARE(buchstaben(*s, 1), QByteArrayList({"F", "S"}));
        QCOMPARE(s->z.Anlagen[1].Eingeschaltet, 1);

        // A plant that ignores 'F' reports itself off: false.
        s->sim.Anlage(2).SetEingeschaltet(false);
        s->sim.Stoerung(2).Ignoriert = "F";
        QVERIFY(!s->komm->Operationen.SchalteAnlageEin(2));
        // A silent one: two tries.
        s->sim.Stoerung(2).Stumm = true;
        s->sim.LoescheRahmen();
        QVERIFY(!s->komm->Operationen.SchalteAnlageEin(2));
        QCOMPARE(buchstaben(*s, 2), QByteArrayList({"F", "S", "F", "S"}));
    }

    void leseAnzahlDaten_data() {
        QTest::addColumn<qint64>("gemeldet");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("0") << qint64(0) << true << 0;
        QTest::newRow("25") << qint64(25) << true << 25;
        QTest::newRow("1000") << qint64(1000) << true << 1000;
        QTest::newRow("1001") << qint64(1001) << false << 0;
        QTest::newRow("-1") << qint64(-1) << false << 0;
    }
    void leseAnzahlDaten() {
        QFETCH(qint64, gemeldet);
        QFETCH(bool, ok);
        QFETCH(int, anzahl);
        starte(1);
        s->alleAngeschlossen();
        s->sim.Stoerung(1).AnzahlErzwungen = gemeldet;
        s->z.AnzahlDaten = 77;
        QCOMPARE(s->komm->Operationen.LeseAnzahlDaten(1), ok);
        QCOMPARE(s->z.AnzahlDaten, anzahl);
    }

    void leseAnzahlDatenNichtAngeschlossenOderStumm() {
        starte(2);
        s->z.AnzahlDaten = 77;
        QVERIFY(!s->komm->Operationen.LeseAnzahlDaten(1));
        QCOMPARE(s->z.AnzahlDaten, 77);
        s->alleAngeschlossen();
        s->sim.Stoerung(2).Stumm = true;
        QVERIFY(!s->komm->Operationen.LeseAnzahlDaten(2));
        QCOMPARE(s->z.AnzahlDaten, 0);
        QCOMPARE(buchstaben(*s, 2), QByteArrayList({"r", "r"}));
    }

    void sollwerteUndUhr() {
        starte(2);
        QVERIFY(!s->komm->Operationen.LeseSollwerte(1));
        QVERIFY(!s->komm->Operationen.LeseUhrText(1));
        s->alleAngeschlossen();
        auto soll = s->sim.Anlage(1).Sollwerte();
        soll.Speicherintervall = 20;
        soll.O2Ein = 55;
        soll.MaxAus = 240;
        s->sim.Anlage(1).SetSollwerte(soll);
        QVERIFY(s->komm->Operationen.LeseSollwerte(1));
        QCOMPARE(s->z.Sollwerte.Gueltig, 1);
        QCOMPARE(s->z.Sollwerte.Speicherintervall, 20);
        QCOMPARE(s->z.Sollwerte.O2Ein, 55);
        QCOMPARE(s->z.Sollwerte.MaxAus, 240);

        // The PC clock goes to the controller and comes back in its clock text.
        s->z.Jetzt = [] { return QDateTime(QDate(2009, 12, 31), QTime(8, 4, 5)); };
        s->komm->Operationen.SendeDatum(1);
        s->komm->Operationen.SendeUhrzeit(1);
        QVERIFY(s->sim.WarteAufRahmen(3));
        QCOMPARE(s->sim.Rahmen(1).at(1).Bytes, QByteArray("\x01"
                                                          "D311209"));
        QCOMPARE(s->sim.Rahmen(1).at(2).Bytes, QByteArray("\x01Z080405"));
        QVERIFY(s->komm->Operationen.LeseUhrText(1));
        QCOMPARE(s->z.UhrText.size(), 30);
        QVERIFY(s->z.UhrText.startsWith(QLatin1Char('T')));
        QVERIFY2(s->z.UhrText.contains(QLatin1String("31.12.09")) ||
                     s->z.UhrText.contains(QLatin1String("08:04")),
                 qPrintable(s->z.UhrText));

        s->sim.Stoerung(2).Stumm = true;
        QVERIFY(!s->komm->Operationen.LeseSollwerte(2));
        QCOMPARE(s->z.Sollwerte.Gueltig, 0);
    }

    void abfrageZyklus() {
        // Poll steps driven by hand, each reply given time to arrive.
        starte(3);
        s->alleAngeschlossen();
        s->z.Anlagen[3].Eingeschaltet = 0; // switched off: polled in turn, nothing sent
        s->sim.Stoerung(2).FeldFehler = {TSimFeldFehler{'c', 3, "x"}};
        // One poll step; the reply of a plant that answers is awaited until
        // decoded (a decoded reply writes its own log line).
        auto schritt = [&] {
            s->komm->Abfrage.LeseTimerTimer();
            if (s->z.AbfrageAnlage != 3)
                warteAufAntwort();
        };
        s->komm->Abfrage.StartePolling();
        s->komm->Abfrage.StopTimer();
        warteAufAntwort();
        for (int runde = 0; runde < 5; ++runde)
            for (int i = 0; i < 3; ++i)
                schritt();
        QCOMPARE(s->z.Messwerte[1].Gueltig, 1);
        QCOMPARE(s->z.Messwerte[1].Fehlabfragen, 0);
        QVERIFY(s->z.Messwerte[1].T[1] > 30);
        // Plant 2's replies are invalid: invalid at the fifth miss, count held at 4.
        QCOMPARE(s->z.Messwerte[2].Gueltig, 0);
        QCOMPARE(s->z.Messwerte[2].Fehlabfragen, 4);
        QCOMPARE(s->z.Messwerte[3].Gueltig, 0);
        QVERIFY(s->sim.Rahmen(3).isEmpty());
        QCOMPARE(s->sim.Rahmen(1).size(), 6);

        // The first valid reply restores plant 2.
        s->sim.Stoerung(2).FeldFehler.clear();
        for (int i = 0; i < 3; ++i)
            schritt();
        QCOMPARE(s->z.Messwerte[2].Gueltig, 1);
        QCOMPARE(s->z.Messwerte[2].Fehlabfragen, 0);
    }

    void abfrageVierMissesBleibtGueltig() {
        starte(1);
        s->alleAngeschlossen();
        s->komm->Abfrage.StartePolling();
        s->komm->Abfrage.StopTimer();
        warteAufAntwort();
        s->sim.Stoerung(1).Stumm = true;
        s->komm->Abfrage.LeseTimerTimer();
        QCOMPARE(s->z.Messwerte[1].Gueltig, 1);
        for (int i = 1; i <= 4; ++i) {
            s->komm->Abfrage.LeseTimerTimer();
            QCOMPARE(s->z.Messwerte[1].Fehlabfragen, i);
            QCOMPARE(s->z.Messwerte[1].Gueltig, 1);
        }
        s->komm->Abfrage.LeseTimerTimer();
        QCOMPARE(s->z.Messwerte[1].Gueltig, 0);
        QCOMPARE(s->z.Messwerte[1].Fehlabfragen, 4);
    }

    void pollTimerLaeuftVonSelbst() {
        starte(2);
        s->alleAngeschlossen();
        s->komm->Abfrage.StartePolling();
        QTRY_VERIFY_WITH_TIMEOUT(s->z.Messwerte[2].Gueltig == 1, 3000);
        QVERIFY(s->z.Messwerte[1].Gueltig == 1);
        s->komm->Abfrage.StopTimer();
    }

    void lerneUeberPty() {
        OHNE_PTY_UEBERSPRINGEN();
        s = std::make_unique<TSimAnschluss>(2);
        s->sim.Stoerung(2).Stumm = true;
        QVERIFY(s->verbindeSeriell());
        s->komm->Abfrage.StopTimer();
        QVERIFY(s->komm->Operationen.LerneAnlage(1));
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!s->komm->Operationen.LerneAnlage(2));
        QVERIFY(uhr.elapsed() >= 590);
    }
};

QTEST_GUILESS_MAIN(TestAbfrage)
#include "tst_abfrage.moc"

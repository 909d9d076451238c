// A connection that was up and is lost: readings invalid at once, no request
// sent meanwhile, attempts to reopen it at growing pauses, one log line per
// loss and per return; over TCP (the simulator drops the client and refuses
// new ones for a while) and over the pseudo-terminal (the device goes away
// and comes back); the operator's open and close take precedence. A
// connection that cannot be opened at the program's start is tried again the
// same way.
#include "SimAnschluss.h"
#include "shell/UIniDatei.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool alleGueltig(const TZustand &z, bool gueltig) {
    for (int i = 1; i <= z.AnlagenAnzahl; ++i) {
        if ((z.Messwerte[static_cast<size_t>(i)].Gueltig != 0) != gueltig)
            return false;
    }
    return true;
}

} // namespace

class TestWiederaufbau : public QObject {
    Q_OBJECT

private slots:
    void pausenWachsen() {
        TWiederaufbau w;
        QCOMPARE(w.Erste(), 5000);
        QCOMPARE(w.Laengste(), 60000);
        w.SetzePausen(0, -1); // nonsense is bounded
        QCOMPARE(w.Erste(), 1);
        QCOMPARE(w.Laengste(), 1);
        QVERIFY(!w.Aktiv());
        QCOMPARE(w.RestMs(), 0);
        w.SetzePausen(TWiederaufbau::ErstePause, TWiederaufbau::LaengstePause);
        w.Starte();
        QVERIFY(w.Aktiv());
        QCOMPARE(w.Pause(), 5000);
        QVERIFY(w.RestMs() > 4000);
        w.Stoppe();
        QVERIFY(!w.Aktiv());
    }

    void tcpAusfallUndRueckkehr() {
        TSimAnschluss s(3);
        s.sim.SetAnlagen({1, 2, 3});
        QVERIFY(s.verbindeTcp());
        TVerbindung &v = s.komm->Verbindung;
        v.Wiederaufbau().SetzePausen(100, 400);
        s.alleAngeschlossen();
        s.komm->Abfrage.StartePolling();
        QTRY_VERIFY_WITH_TIMEOUT(alleGueltig(s.z, true), 5000);

        QElapsedTimer uhr;
        QList<qint64> versuche;
        QList<int> pausen; // the pause after each attempt
        connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, this, [&] {
            versuche.append(uhr.elapsed());
            pausen.append(v.Wiederaufbau().Pause());
        });
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QSignalSpy stand(&v, &TVerbindung::Verbindungsstand);
        s.log.leeren();
        s.anzeige.status.clear();
        uhr.start();
        QVERIFY(s.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QCOMPARE(stand.size(), 1);
        QCOMPARE(stand.at(0).at(0).toBool(), false);

        // Nothing is measured any more: every reading is invalid at once.
        QVERIFY(alleGueltig(s.z, false));
        QVERIFY(!s.z.Verbunden);
        QVERIFY(s.z.LernenAnfordern);
        QVERIFY(v.Unterbrochen());
        QVERIFY(v.UnterbrochenSeit().isValid());
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());
        const QString text = s.anzeige.status.last();
        QVERIFY2(text.startsWith(QStringLiteral("Verbindung unterbrochen seit ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nNächster Versuch um ")), qPrintable(text));
        // An operation that ends meanwhile does not start polling again.
        s.komm->Abfrage.StartTimer();
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());

        // Attempts after 100, then 200, 400, 400 ms (timers may be 5 % early).
        QTRY_VERIFY_WITH_TIMEOUT(versuche.size() >= 4, 5000);
        QCOMPARE(pausen.mid(0, 4), QList<int>({200, 400, 400, 400}));
        QVERIFY(versuche[0] >= 90);
        QVERIFY(versuche[1] - versuche[0] >= 180);
        QVERIFY(versuche[2] - versuche[1] >= 360);
        QVERIFY(versuche[3] - versuche[2] >= 360);
        // One log line for the loss, none per attempt; no frame, no message box.
        const QString unterbrochen = QStringLiteral("Verbindung unterbrochen");
        QCOMPARE(s.log.logZeilen.count(unterbrochen), 1);
        QCOMPARE(s.log.logZeilen.last(), unterbrochen);
        QVERIFY(s.anzeige.meldungen.isEmpty());

        // The adapter is back: the next attempt connects.
        QSignalSpy wieder(&v, &TVerbindung::Wiederverbunden);
        QSignalSpy netzVerbunden(&v, &TVerbindung::NetzVerbunden);
        QVERIFY(s.sim.SetTcpGesperrt(false));
        QVERIFY(wieder.wait(5000));
        QCOMPARE(netzVerbunden.count(), 0); // the learning follows Wiederverbunden alone
        // The link's state was reported once for each change, not per attempt.
        QCOMPARE(stand.size(), 2);
        QCOMPARE(stand.at(1).at(0).toBool(), true);
        QVERIFY(s.z.Verbunden);
        QVERIFY(!v.Unterbrochen());
        QVERIFY(!v.UnterbrochenSeit().isValid());
        QCOMPARE(s.anzeige.status.last(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
        QCOMPARE(s.log.logZeilen.mid(s.log.logZeilen.size() - 2),
                 QStringList({unterbrochen, QStringLiteral("Verbindung wiederhergestellt")}));
        QVERIFY(s.anzeige.meldungen.isEmpty());
        const int nachher = versuche.size();
        s.komm->Abfrage.StartePolling();
        QTRY_VERIFY_WITH_TIMEOUT(alleGueltig(s.z, true), 5000);
        QCOMPARE(versuche.size(), nachher);
    }

    // The other side is not there when the program starts (after a power
    // cut the PC boots before the network adapter or the USB serial
    // adapter): no message box; the status line and the live display's
    // panel say since when and the next attempt; attempts as for a lost
    // connection until the other side comes, then the plants are to be
    // learned.
    void anlaufOhneGegenstelle_data() {
        QTest::addColumn<bool>("netz");
        QTest::newRow("tcp refused") << true;
        QTest::newRow("serial device missing") << false;
    }

    void anlaufOhneGegenstelle() {
        QFETCH(bool, netz);
#ifndef Q_OS_UNIX
        if (!netz)
            QSKIP("needs pseudo-terminals");
#endif
        QTemporaryDir ordner;
        const QString link = ordner.filePath(QStringLiteral("ttyKompost"));
        TIniDatei ini(ordner.filePath(QStringLiteral("O2_Tarvos.ini")));
        QTcpServer frei;
        QVERIFY(frei.listen(QHostAddress::LocalHost, 0));
        const quint16 port = frei.serverPort();
        frei.close();

        TSimAnschluss s(2);
        s.sim.SetAnlagen({1, 2});
        const QString com = QStringLiteral("COM");
        if (netz) {
            s.z.OptNetzwerk = true;
            QVERIFY(ini.WriteInteger(com, QStringLiteral("LAYER"), 1));
            QVERIFY(ini.WriteString(com, QStringLiteral("NETADR"), QStringLiteral("127.0.0.1")));
            QVERIFY(ini.WriteInteger(com, QStringLiteral("NETPORT"), port));
        } else {
            s.z.OptPortGeraete[1] = link;
            QVERIFY(ini.WriteInteger(com, QStringLiteral("COM"), 1));
        }
        TVerbindung &v = s.komm->Verbindung;
        v.Wiederaufbau().SetzePausen(100, 400);
        int versuche = 0;
        connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, this, [&] { ++versuche; });
        QSignalSpy fehler(&v, &TVerbindung::NetzFehler);
        v.InitVerbindung(ini);
        if (netz)
            QVERIFY(fehler.wait(5000)); // the main window enables itself
        QVERIFY(v.Unterbrochen());
        QVERIFY(v.UnterbrochenSeit().isValid());
        QVERIFY(!s.z.Verbunden);
        QVERIFY(s.z.LernenAnfordern);
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());
        QVERIFY(s.anzeige.meldungen.isEmpty());
        const QString text = s.anzeige.status.last();
        QVERIFY2(text.startsWith(QStringLiteral("Verbindung unterbrochen seit ")) &&
                     text.contains(QStringLiteral("\nNächster Versuch um ")),
                 qPrintable(text));
        QVERIFY2(v.GetrenntText().startsWith(QStringLiteral("Verbindung unterbrochen seit ")) &&
                     v.GetrenntText().contains(QStringLiteral(" – nächster Versuch um ")),
                 qPrintable(v.GetrenntText()));
        QCOMPARE(s.log.logZeilen, QStringList{QStringLiteral("Verbindung beim Start nicht hergestellt")});
        QTRY_VERIFY_WITH_TIMEOUT(versuche >= 3, 5000);
        QVERIFY(!s.z.Verbunden);
        QVERIFY(v.Unterbrochen());
        QVERIFY(s.anzeige.meldungen.isEmpty());

        // The other side comes: the next attempt opens the connection.
        QSignalSpy wieder(&v, &TVerbindung::Wiederverbunden);
        QVERIFY(netz ? s.sim.StarteTcp(QHostAddress::LocalHost, port) : s.sim.StartePty(link));
        QVERIFY(wieder.wait(5000));
        QVERIFY(s.z.Verbunden);
        QVERIFY(!v.Unterbrochen());
        QCOMPARE(s.anzeige.status.last(), netz ? QStringLiteral("Netzwerkverbindung zu :127.0.0.1")
                                               : QStringLiteral("Serielle Verbindung auf :COM1"));
        QCOMPARE(s.log.logZeilen.last(), QStringLiteral("Verbindung wiederhergestellt"));
        QVERIFY(s.anzeige.meldungen.isEmpty());
        const int bisher = versuche;
        QTest::qWait(500);
        QCOMPARE(versuche, bisher);
        QVERIFY(s.komm->Operationen.LerneAnlage(1));
    }

    // A request that waits for its reply when the connection goes gives up at once.
    void wartendeAnfrageGibtAuf() {
        TSimAnschluss s(1);
        s.sim.SetAnlagen({1});
        s.sim.Stoerung(1).VerzoegerungMs = 3000;
        QVERIFY(s.verbindeTcp());
        s.komm->Abfrage.StopTimer();
        QTimer::singleShot(200, &s.sim, [&] { s.sim.SetTcpGesperrt(true); });
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!s.komm->Abfrage.SendeUndWarte(5000, 1, Befehle::AnzahlDaten));
        QVERIFY(uhr.elapsed() < 2000);
        QVERIFY(s.z.TimeoutAbgelaufen);
        QVERIFY(!s.komm->Abfrage.Wartet());
        // Operations fail at once meanwhile, their frames logged, nothing sent.
        s.log.leeren();
        uhr.restart();
        QVERIFY(!s.komm->Operationen.LerneAnlage(1));
        QVERIFY(uhr.elapsed() < 200);
        QCOMPARE(s.log.logZeilen, QStringList({QStringLiteral("1B"), QStringLiteral("1B")}));
    }

    // Opening the connection from the settings, or closing it at the end,
    // ends the automatic attempts at once.
    void bedienerHatVorrang() {
        TSimAnschluss s(1);
        s.sim.SetAnlagen({1});
        QVERIFY(s.verbindeTcp());
        TVerbindung &v = s.komm->Verbindung;
        v.Wiederaufbau().SetzePausen(50, 50);
        int versuche = 0;
        connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, this, [&] { ++versuche; });

        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QSignalSpy stand(&v, &TVerbindung::Verbindungsstand);
        QVERIFY(s.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QTRY_VERIFY_WITH_TIMEOUT(versuche >= 2, 5000);
        // The settings dialog opens it: its own attempt, with its own message.
        QSignalSpy fehler(&v, &TVerbindung::NetzFehler);
        v.OeffneVerbindung();
        QVERIFY(!v.Unterbrochen());
        QVERIFY(fehler.wait(5000));
        QCOMPARE(s.anzeige.meldungen.size(), 1);
        int bisher = versuche;
        QTest::qWait(300);
        QCOMPARE(versuche, bisher);

        // Up again, lost again, then the program ends: at once, no more attempts.
        QVERIFY(s.sim.SetTcpGesperrt(false));
        QSignalSpy verbunden(&v, &TVerbindung::NetzVerbunden);
        v.OeffneVerbindung();
        QVERIFY(verbunden.wait(5000));
        QVERIFY(s.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QVERIFY(v.Unterbrochen());
        QElapsedTimer uhr;
        uhr.start();
        v.Schliessen();
        QVERIFY(uhr.elapsed() < 200);
        QVERIFY(!v.Unterbrochen());
        bisher = versuche;
        QTest::qWait(300);
        QCOMPARE(versuche, bisher);
        QVERIFY(!s.z.Verbunden);
    }

    // The serial device goes away (link removed, pseudo-terminal closed) and comes back.
    void seriellGeraetVerschwindet() {
#ifdef Q_OS_UNIX
        QTemporaryDir ordner;
        const QString link = ordner.filePath(QStringLiteral("ttyKompost"));
        TSimAnschluss s(2);
        s.sim.SetAnlagen({1, 2});
        QVERIFY(s.sim.StartePty(link));
        s.z.OptPortGeraete[1] = link;
        s.z.ComNummer = 1;
        s.z.Layer = 0;
        TVerbindung &v = s.komm->Verbindung;
        v.Wiederaufbau().SetzePausen(100, 200);
        v.OeffneVerbindung();
        QVERIFY(s.z.Verbunden);
        s.alleAngeschlossen();
        s.komm->Abfrage.StartePolling();
        QTRY_VERIFY_WITH_TIMEOUT(alleGueltig(s.z, true), 5000);

        int versuche = 0;
        connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, this, [&] { ++versuche; });
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QSignalSpy stand(&v, &TVerbindung::Verbindungsstand);
        s.log.leeren();
        s.sim.Stoppe();
        QVERIFY(!QFileInfo::exists(link));
        QVERIFY(verloren.wait(5000));
        QVERIFY(alleGueltig(s.z, false));
        QVERIFY(!s.z.Verbunden);
        QVERIFY(!v.SeriellOffen());
        QVERIFY(s.anzeige.status.last().startsWith(QStringLiteral("Verbindung unterbrochen seit ")));
        QTRY_VERIFY_WITH_TIMEOUT(versuche >= 2, 5000);
        QVERIFY(!s.z.Verbunden); // the device is still missing

        QSignalSpy wieder(&v, &TVerbindung::Wiederverbunden);
        QVERIFY(s.sim.StartePty(link));
        QVERIFY(wieder.wait(5000));
        QVERIFY(s.z.Verbunden);
        QCOMPARE(s.anzeige.status.last(), QStringLiteral("Serielle Verbindung auf :COM1"));
        QCOMPARE(s.log.logZeilen.count(QStringLiteral("Verbindung unterbrochen")), 1);
        QCOMPARE(s.log.logZeilen.count(QStringLiteral("Verbindung wiederhergestellt")), 1);
        QVERIFY(s.anzeige.meldungen.isEmpty());
        s.komm->Abfrage.StartePolling();
        QTRY_VERIFY_WITH_TIMEOUT(alleGueltig(s.z, true), 5000);
#else
        QSKIP("needs pseudo-terminals");
#endif
    }
};

QTEST_GUILESS_MAIN(TestWiederaufbau)
#include "tst_wiederaufbau.moc"

// The serial and network transport against the simulator, over real loopback
// TCP and a real pseudo-terminal: frames byte-exact, replies decoded, and the
// status sequences of connecting, losing and failing connections.
#include "SimAnschluss.h"
#include "shell/KompUtils.h"
#include "shell/UIniDatei.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

class TestVerbindung : public QObject {
    Q_OBJECT

private slots:
    void tcpVerbindenRahmenUndAntworten() {
        TSimAnschluss s(10);
        QVERIFY(s.verbindeTcp());
        QCOMPARE(s.anzeige.status, QStringList({QStringLiteral("Baue Netzwerkverbindung auf......"),
                                                QStringLiteral("Netzwerkverbindung zu :127.0.0.1")}));
        QVERIFY(s.komm->Abfrage.TimerLaeuft());
        s.komm->Abfrage.StopTimer();
        s.sim.LoescheRahmen();

        // Frames arrive byte for byte.
        s.komm->Protokoll.SendeBefehl(3, Befehle::Speicherintervall, {15});
        s.komm->Protokoll.SendeBefehl(1, Befehle::Datum, {9, 5, 7});
        s.komm->Protokoll.SendeBefehl(2, Befehle::Uhrzeit, {7, 5, 9});
        s.komm->Protokoll.SendeBefehl(1, Befehle::O2Werte, {50, 125});
        s.komm->Protokoll.SendeBefehl(10, Befehle::Betriebsart);
        QVERIFY(s.sim.WarteAufRahmen(5));
        QByteArrayList bytes;
        for (const auto &r : s.sim.Rahmen())
            bytes.append(r.Bytes);
        QCOMPARE(bytes, QByteArrayList({QByteArray("\x03I0015"),
                                        QByteArray("\x01"
                                                   "D090507"),
                                        QByteArray("\x02Z070509"), QByteArray("\x01p00500125"),
                                        QByteArray("\x0A"
                                                   "B")}));

        // Replies come back and are decoded.
        QVERIFY(s.komm->Abfrage.SendeUndWarte(1000, 3, Befehle::Sollwerte));
        QCOMPARE(s.z.Sollwerte.Speicherintervall, 15);
        QVERIFY(s.komm->Abfrage.SendeUndWarte(1000, 1, Befehle::Uhr));
        QCOMPARE(s.z.UhrText.size(), 30);
    }

    void zerteilteAntwortenMitRauschen() {
        TSimAnschluss s(3);
        for (int n = 1; n <= 3; ++n) {
            s.sim.Stoerung(n).Zerteilen = true;
            s.sim.Stoerung(n).Rauschen = 6;
        }
        s.sim.Anlage(2).FuelleSpeicher(3);
        QVERIFY(s.verbindeTcp());
        s.komm->Abfrage.StopTimer();
        for (int i = 0; i < 5; ++i) {
            QVERIFY(s.komm->Abfrage.SendeUndWarte(2000, 1, Befehle::Betriebsart));
            QVERIFY(s.komm->Abfrage.SendeUndWarte(2000, 1, Befehle::Status));
            QCOMPARE(s.z.Anlagen[1].Eingeschaltet, 1);
            QVERIFY(s.komm->Abfrage.SendeUndWarte(2000, 3, Befehle::Sollwerte));
        }
        QVERIFY(s.komm->Abfrage.SendeUndWarte(2000, 2, Befehle::AnzahlDaten));
        QCOMPARE(s.z.AnzahlDaten, 3);
        QVERIFY(s.komm->Abfrage.SendeUndWarte(2000, 2, Befehle::Datensatz));
        QCOMPARE(s.z.DatensatzWerte.Gueltig, 1);
        QVERIFY(s.z.DatensatzWerte.T[1] > 30);
    }

    void gegenstelleTrennt() {
        TSimAnschluss s(2);
        s.sim.SetTrennenNach(1);
        QVERIFY(s.verbindeTcp());
        s.komm->Abfrage.StopTimer();
        QVERIFY(s.komm->Abfrage.SendeUndWarte(1000, 1, Befehle::Betriebsart));
        QTRY_VERIFY_WITH_TIMEOUT(!s.z.Verbunden, 5000);
        // A lost connection: the status says since when, and it is reopened by itself.
        QVERIFY(s.anzeige.status.last().startsWith(QStringLiteral("Verbindung unterbrochen seit ")));
        QVERIFY(s.komm->Verbindung.Unterbrochen());
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());
        QVERIFY(s.anzeige.meldungen.isEmpty());

        // A frame without connection is logged, not sent; the request fails at once.
        s.log.leeren();
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!s.komm->Abfrage.SendeUndWarte(1000, 1, Befehle::Betriebsart));
        QVERIFY(uhr.elapsed() < 500);
        QCOMPARE(s.log.logZeilen, QStringList{QStringLiteral("1B")});

        // Reopening by the operator connects again and ends the automatic attempts.
        s.sim.SetTrennenNach(0);
        QSignalSpy verbunden(&s.komm->Verbindung, &TVerbindung::NetzVerbunden);
        s.komm->Verbindung.OeffneVerbindung();
        QVERIFY(!s.komm->Verbindung.Unterbrochen());
        QVERIFY(verbunden.wait(5000));
        QVERIFY(s.z.Verbunden);
        QVERIFY(s.komm->Abfrage.SendeUndWarte(1000, 1, Befehle::Betriebsart));
    }

    void niemandHoert() {
        // A port on which nobody listens.
        QTcpServer frei;
        QVERIFY(frei.listen(QHostAddress::LocalHost, 0));
        const quint16 port = frei.serverPort();
        frei.close();

        TSimAnschluss s(2);
        s.z.OptNetzwerk = true;
        s.z.Layer = 1;
        s.z.NetAdresse = QStringLiteral("127.0.0.1");
        s.z.NetPort = port;
        QSignalSpy fehler(&s.komm->Verbindung, &TVerbindung::NetzFehler);
        s.komm->Verbindung.OeffneVerbindung();
        QVERIFY(fehler.wait(5000));
        QVERIFY(!s.z.Verbunden);
        QCOMPARE(s.anzeige.status,
                 QStringList({QStringLiteral("Baue Netzwerkverbindung auf......"),
                              QStringLiteral("Fehler beim Öffnen der Netzerkverbindung!\nBitte Kabel und PC- "
                                             "Einstellung überprüfen!")}));
        // the error in words with the socket layer's number, not the toolkit's enumeration value
        QCOMPARE(s.anzeige.meldungen.size(), 1);
        QVERIFY2(s.anzeige.meldungen.at(0).startsWith(QStringLiteral("Asynchroner Socket-Fehler 10061\n")),
                 qPrintable(s.anzeige.meldungen.at(0)));
        QVERIFY2(s.anzeige.meldungen.at(0).contains(QStringLiteral("refused"), Qt::CaseInsensitive),
                 qPrintable(s.anzeige.meldungen.at(0)));
        // what an operation says meanwhile: no connection, and what to check for the network
        QCOMPARE(
            s.komm->Verbindung.KeineAntwortText(),
            QStringLiteral("Keine Verbindung zu den Steuerungen!\nBitte Netzwerkadapter und PC- Einstellung "
                           "überprüfen!"));

        // The simulator starts listening there; the next open succeeds.
        QVERIFY(s.sim.StarteTcp(QHostAddress::LocalHost, port));
        QSignalSpy verbunden(&s.komm->Verbindung, &TVerbindung::NetzVerbunden);
        s.komm->Verbindung.OeffneVerbindung();
        QVERIFY(verbunden.wait(5000));
        QCOMPARE(s.anzeige.status.last(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
    }

    void netzTimeouts() {
        TSimAnschluss s(1);
        s.z.TimeoutKurz = 400;
        QVERIFY(s.verbindeTcp());
        QCOMPARE(s.z.TimeoutKurz, 400);
        QCOMPARE(s.z.TimeoutMittel, 700);
        QCOMPARE(s.z.TimeoutLang, 1000);
    }

    void seriellUeberPty() {
        OHNE_PTY_UEBERSPRINGEN();
        TSimAnschluss s(3);
        s.z.TimeoutKurz = 400;
        s.z.OptBaudIndex = 7;
        QVERIFY(s.verbindeSeriell());
        QCOMPARE(s.anzeige.status, QStringList{QStringLiteral("Serielle Verbindung auf :COM1")});
        QVERIFY(s.komm->Abfrage.TimerLaeuft());
        QCOMPARE(s.komm->Verbindung.Seriell().baudRate(), 2400);
        QCOMPARE(s.z.TimeoutKurz, 300);
        QCOMPARE(s.z.TimeoutMittel, 600);
        QCOMPARE(s.z.TimeoutLang, 900);
        s.komm->Abfrage.StopTimer();
        s.sim.LoescheRahmen();

        s.komm->Protokoll.SendeBefehl(2, Befehle::Speicherintervall, {7});
        QVERIFY(s.komm->Abfrage.SendeUndWarte(600, 2, Befehle::Sollwerte));
        QCOMPARE(s.z.Sollwerte.Speicherintervall, 7);
        QCOMPARE(s.rahmen(2), QByteArrayList({QByteArray("\x02I0007"), QByteArray("\x02R")}));
        QVERIFY(s.komm->Operationen.LerneAnlage(3));
        QCOMPARE(s.z.Anlagen[3].Angeschlossen, 1);
    }

    void baudraten() {
        QCOMPARE(TVerbindung::Baudrate(0), 2400);
        QCOMPARE(TVerbindung::Baudrate(1), 4800);
        QCOMPARE(TVerbindung::Baudrate(2), 9600);
        QCOMPARE(TVerbindung::Baudrate(3), 19200);
        QCOMPARE(TVerbindung::Baudrate(7), 2400);
        QCOMPARE(TVerbindung::Baudrate(-1), 2400);
    }

    void netzOhneOptionOeffnetSeriell() {
        OHNE_PTY_UEBERSPRINGEN();
        TSimAnschluss s(1);
        QVERIFY(s.sim.StartePty());
        s.z.OptPortGeraete[2] = s.sim.PtyGeraet();
        s.z.OptNetzwerk = false;
        QTemporaryDir dir;
        TIniDatei ini(dir.filePath(QStringLiteral("O2_Tarvos.ini")));
        QVERIFY(ini.WriteInteger(QStringLiteral("COM"), QStringLiteral("LAYER"), 1));
        QVERIFY(
            ini.WriteString(QStringLiteral("COM"), QStringLiteral("NETADR"), QStringLiteral("127.0.0.1")));
        QVERIFY(ini.WriteInteger(QStringLiteral("COM"), QStringLiteral("COM"), 2));
        s.komm->Verbindung.InitVerbindung(ini);
        QCOMPARE(s.z.Layer, 0);
        QVERIFY(s.z.Verbunden);
        QCOMPARE(s.anzeige.status, QStringList{QStringLiteral("Serielle Verbindung auf :COM2")});
    }

    void portNichtZuOeffnen() {
        TSimAnschluss s(2);
        QTemporaryDir dir;
        s.z.OptPortGeraete[4] = dir.filePath(QStringLiteral("kein-geraet"));
        s.z.ComNummer = 4;
        s.z.Layer = 0;
        s.komm->Verbindung.OeffneVerbindung();
        QVERIFY(!s.z.Verbunden);
        QCOMPARE(s.anzeige.meldungen,
                 QStringList{
                     QStringLiteral("Fehler beim Öffnen der seriellen Schnittstelle !\nBitte überprüfen!!")});
        QCOMPARE(s.anzeige.status, QStringList{QStringLiteral(
                                       "Keine Verbindung\nBitte Kabel und PC- Einstellung überprüfen!")});
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());
        QVERIFY(!s.komm->Verbindung.PortOeffnenbar(4));
        // What an operation says meanwhile: no connection, what to check.
        const QString keine = QStringLiteral(
            "Keine Verbindung zu den Steuerungen!\nBitte Kabel und PC- Einstellung überprüfen!");
        QVERIFY(s.komm->Verbindung.Getrennt());
        QCOMPARE(s.komm->Verbindung.KeineVerbindungText(), keine);
        QCOMPARE(s.komm->Verbindung.KeineAntwortText(), keine);
        QCOMPARE(s.komm->Verbindung.GetrenntText(), QStringLiteral("Keine Verbindung zu den Steuerungen!"));

        // Frames are still written to the log.
        s.alleAngeschlossen();
        s.komm->Protokoll.SendeBefehl(1, Befehle::Abfrage);
        s.komm->Protokoll.SendeBefehl(2, Befehle::Speicherintervall, {15});
        QCOMPARE(s.log.logZeilen, QStringList({QStringLiteral("1c"), QStringLiteral("2I0015")}));
    }

    void wiederOeffnenSchliesstSeriell() {
        OHNE_PTY_UEBERSPRINGEN();
        TSimAnschluss s(1);
        QVERIFY(s.verbindeSeriell());
        QVERIFY(s.komm->Verbindung.SeriellOffen());
        s.komm->Verbindung.OeffneVerbindung();
        QVERIFY(s.komm->Verbindung.SeriellOffen());
        QCOMPARE(s.anzeige.status.size(), 2);
        QVERIFY(s.komm->Abfrage.SendeUndWarte(600, 1, Befehle::Betriebsart));
    }

    void schliessenZeigtSchliessen() {
        TSimAnschluss s(1);
        QVERIFY(s.verbindeTcp());
        QElapsedTimer uhr;
        uhr.start();
        s.komm->Verbindung.Schliessen();
        QVERIFY(uhr.elapsed() >= 450);
        QVERIFY(s.anzeige.status.contains(QStringLiteral("Schliesse Verbindung....")));
        QVERIFY(!s.z.Verbunden);
        QVERIFY(!s.komm->Abfrage.TimerLaeuft());
    }
};

QTEST_GUILESS_MAIN(TestVerbindung)
#include "tst_verbindung.moc"

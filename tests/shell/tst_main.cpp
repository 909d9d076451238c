// The main window against the simulator: learning which plants answer and
// what follows from their state, the learning display, learning over the
// serial line and none without a connection, the title, the menu, the busy
// window, the order of closing, and an event log that cannot be created.
#include "ShellUmgebung.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTranslator>
#include <QtTest>

using KompostSim::TSimFeldFehler;

class TestMain : public QObject {
    Q_OBJECT

private slots:
    void lernenUeberNetz() {
        TShellUmgebung u;
        // 1 silent, 2 running in control operation (mode 4) without a data
        // file, 3 switched off, 4 running with its data file.
        u.sim.SetAnlagen({2, 3, 4});
        u.sim.Stoerung(2).FeldFehler.append(TSimFeldFehler{'B', 1, "4"});
        u.sim.Anlage(3).SetEingeschaltet(false);
        QVERIFY(u.netz(4,
                       "[2]\nName=Miete Nord\n[3]\nName=Miete Ost\nDatei=/daten/ost.CSV\nAnzahl=5\n"
                       "[4]\nDatei=/daten/sued.CSV\nAnzahl=7\n",
                       "Adressen33=1\n"));

        // What the window shows while the plants are learned.
        bool angezeigt = false;
        bool gesperrt = false;
        int maximum = 0;
        QObject::connect(&u.sim, &KompostSim::TSimulator::RahmenEmpfangen, &u.sim, [&](const auto &r) {
            if (r.Bytes.size() >= 2 && r.Bytes.at(1) == 'B' && u.fMain && u.fMain->Lernt()) {
                angezeigt = u.fMain->LadeLabel->isVisible() && u.fMain->Anzeige1->isVisible();
                gesperrt = !u.fMain->isEnabled();
                maximum = u.fMain->Anzeige1->maximum();
            }
        });
        QVERIFY(u.starte());

        QVERIFY(angezeigt);
        QVERIFY(gesperrt);
        QCOMPARE(maximum, 4);
        QVERIFY(!u.fMain->LadeLabel->isVisible());
        QVERIFY(!u.fMain->Anzeige1->isVisible());
        QVERIFY(u.fMain->isEnabled());
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
        QVERIFY(!u.z().LernenAnfordern);
        QCOMPARE(u.z().AktAnlage, quint16(2));
        // Plant numbers shown from 33, but the plants are addressed as 1..4.
        QCOMPARE(u.fMain->windowTitle(), QStringLiteral("RIDIZO O2- Humaro NET 33..36"));
        for (const auto &r : u.sim.Rahmen())
            QVERIFY(static_cast<quint8>(r.Bytes.at(0)) <= 4);

        QCOMPARE(u.anlage(1).Angeschlossen, quint8(0));
        QVERIFY(u.anlage(1).Datei.isEmpty());

        // Control operation is shown as O2 control; a new data file name was chosen and written.
        QCOMPARE(u.anlage(2).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(2).Betriebsart, quint8(3));
        QVERIFY(u.anlage(2).Datei.startsWith(u.anlage(2).Pfad + QStringLiteral("Miete-Nord_")));
        QVERIFY(u.anlage(2).Datei.endsWith(QStringLiteral(".CSV")));
        QCOMPARE(u.iniDatei().ReadString(QStringLiteral("2"), QStringLiteral("Datei"), {}),
                 u.anlage(2).Datei);
        QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("2"), QStringLiteral("Anzahl"), -1), 0);

        // Switched off: its data file is forgotten in memory only.
        QCOMPARE(u.anlage(3).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(3).Eingeschaltet, quint8(0));
        QVERIFY(u.anlage(3).Datei.isEmpty());
        QCOMPARE(u.anlage(3).Anzahl, 0);
        QCOMPARE(u.iniDatei().ReadString(QStringLiteral("3"), QStringLiteral("Datei"), {}),
                 QStringLiteral("/daten/ost.CSV"));
        QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("3"), QStringLiteral("Anzahl"), -1), 5);

        // Running with its data file: kept.
        QCOMPARE(u.anlage(4).Datei, QStringLiteral("/daten/sued.CSV"));
        QCOMPARE(u.anlage(4).Anzahl, 7);

        // Polling follows: the running plants are asked for their readings.
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        u.sim.LoescheRahmen();
        QTRY_VERIFY_WITH_TIMEOUT(
            u.rahmen().contains(QStringLiteral("2c")) && u.rahmen().contains(QStringLiteral("4c")), 5000);
        QVERIFY(!u.rahmen().contains(QStringLiteral("3c")));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    void lernenSeriellBeimStart() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.ptyAlsPort(2, 3));
        u.schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nCOM=2\n");
        QVERIFY(u.starte());
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Serielle Verbindung auf :COM2"));
        QCOMPARE(u.fMain->windowTitle(), QStringLiteral("RIDIZO O2- Humaro 1..3"));
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(2).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(3).Angeschlossen, quint8(0));
        QCOMPARE(u.z().AktAnlage, quint16(1));
        // Each plant: 'B' then 'S'; the silent one is asked for 'B' twice.
        QStringList lernen;
        for (const QString &r : u.rahmen())
            if (!r.endsWith(QLatin1Char('c')))
                lernen.append(r);
        QCOMPARE(lernen, QStringList({"1B", "1S", "2B", "2S", "3B", "3B"}));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    void netzFehlerWaehrendDesLernens() {
        TShellUmgebung u;
        QVERIFY(u.netz(3)); // all silent: 600 ms per plant
        u.baue();
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        // A socket error while plant 1 is asked: the window stays disabled until
        // the learning pass has ended, so no menu command runs inside it.
        bool gemeldet = false, gesperrt = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::RahmenEmpfangen, &u.sim, [&](const auto &r) {
            if (gemeldet || r.Bytes != QByteArray("\x01"
                                                  "B"))
                return;
            gemeldet = true;
            QTimer::singleShot(50, u.fMain.get(), [&] {
                emit u.lauf->Komm.Verbindung.Socket().errorOccurred(QAbstractSocket::NetworkError);
                gesperrt = u.fMain->Lernt() && !u.fMain->isEnabled();
            });
        });
        u.fMain->Starte();
        QVERIFY(gelernt.wait(5000));
        QVERIFY(gemeldet);
        QVERIFY(gesperrt);
        QVERIFY(u.fMain->isEnabled());
        // The connection was up: a lost connection, reopened by itself without a message box.
        QVERIFY(u.dialoge.Meldungen().isEmpty());
        QVERIFY(u.fMain->StatusPanel->text().startsWith(QStringLiteral("Verbindung unterbrochen seit ")));
        QVERIFY(u.lauf->Komm.Verbindung.Unterbrochen());
    }

    // The network adapter goes and comes back: the readings go blank at once,
    // the plants are learned again and polling resumes, without a message box;
    // the event log has one line for each.
    // The run's listeners hear each change of the link once and every judged
    // poll with the plant's readings.
    void verbindungKommtZurueck() {
        struct THoerer : IEreignisse {
            QList<bool> verbindung;
            QList<int> gueltig, ungueltig;
            void Verbindung(bool v) override { verbindung.append(v); }
            void Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) override {
                QVERIFY(zeit.isValid());
                (w.Gueltig ? gueltig : ungueltig).append(anlage);
            }
        } hoerer;
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.netz(2));
        u.baue();
        u.lauf->Ereignisse.Anmelden(&hoerer);
        QSignalSpy ersteLernen(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(ersteLernen.wait(15000));
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(100, 400);
        auto gueltig = [&u] { return u.z().Messwerte[1].Gueltig != 0 && u.z().Messwerte[2].Gueltig != 0; };
        QTRY_VERIFY_WITH_TIMEOUT(gueltig(), 5000);

        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QCOMPARE(u.z().Messwerte[1].Gueltig, quint8(0));
        QCOMPARE(u.z().Messwerte[2].Gueltig, quint8(0));
        QVERIFY(u.fMain->StatusPanel->text().startsWith(QStringLiteral("Verbindung unterbrochen seit ")));
        QCOMPARE(hoerer.verbindung, QList<bool>({true, false}));
        QVERIFY(hoerer.gueltig.contains(1) && hoerer.gueltig.contains(2));
        QVERIFY(u.fMain->isEnabled());

        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.sim.LoescheRahmen();
        QVERIFY(u.sim.SetTcpGesperrt(false));
        QVERIFY(gelernt.wait(5000));
        QVERIFY(u.rahmen().contains(QStringLiteral("1B")));
        QVERIFY(u.rahmen().contains(QStringLiteral("2S")));
        QVERIFY(!u.z().LernenAnfordern);
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
        QTRY_VERIFY_WITH_TIMEOUT(gueltig(), 5000);
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QCOMPARE(hoerer.verbindung, QList<bool>({true, false, true}));

        QFile log(u.lauf->Log.DateiName());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray inhalt = log.readAll();
        QCOMPARE(inhalt.count(" Verbindung unterbrochen\r\n"), 1);
        QCOMPARE(inhalt.count(" Verbindung wiederhergestellt\r\n"), 1);
    }

    // "Anlagen einlernen" while the connection is down tries at once.
    void einlernenVersuchtSofort() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        TVerbindung &v = u.lauf->Komm.Verbindung;
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QVERIFY(u.sim.SetTcpGesperrt(false));
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        QElapsedTimer uhr;
        uhr.start();
        u.fMain->EinlernenItem->trigger();
        QVERIFY(gelernt.wait(4000)); // well before the first automatic attempt after 5 s
        QVERIFY(uhr.elapsed() < 4000);
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QVERIFY(!v.Unterbrochen());
    }

    // Closing the program while the connection is being reopened ends it at once.
    void schliessenWaehrendVersuchen() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(50, 100);
        int versuche = 0;
        QObject::connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, [&] { ++versuche; });
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        QTRY_VERIFY_WITH_TIMEOUT(versuche >= 2, 5000);
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(u.fMain->close());
        QVERIFY(uhr.elapsed() < 300);
        QVERIFY(!u.fMain->isVisible());
        QVERIFY(!v.Unterbrochen());
        const int bisher = versuche;
        QTest::qWait(300);
        QCOMPARE(versuche, bisher);
    }

    // The USB serial adapter is missing when the program starts and is
    // plugged in later: no message box, the window usable, the status line
    // says since when and the next attempt; "Anlagen einlernen" tries at once
    // (still nothing to learn); once the device is there the plants are
    // learned and polled.
    void seriellesGeraetKommtSpaeter() {
#ifdef Q_OS_UNIX
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        const QString link = u.pfad(QStringLiteral("ttyKompost"));
        u.installation(2, "[Ports]\nCOM1=" + link.toUtf8() + "\n");
        u.baue();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(200, 400);
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QVERIFY2(u.fMain->StatusPanel->text().startsWith(QStringLiteral("Verbindung unterbrochen seit ")),
                 qPrintable(u.fMain->StatusPanel->text()));
        QVERIFY(u.fMain->isEnabled());
        QVERIFY(u.z().LernenAnfordern);
        QVERIFY(v.Unterbrochen());
        QVERIFY(!u.lauf->Komm.Abfrage.TimerLaeuft());

        // "Anlagen einlernen": an attempt at once, the device still missing.
        int versuche = 0;
        QObject::connect(&v.Wiederaufbau(), &TWiederaufbau::Versuch, [&] { ++versuche; });
        u.fMain->EinlernenItem->trigger();
        QCOMPARE(gelernt.count(), 0);
        QVERIFY(!u.fMain->LadeLabel->isVisible());
        QVERIFY(v.Unterbrochen());
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(versuche >= 2, 5000);

        QVERIFY(u.sim.StartePty(link));
        QVERIFY(gelernt.wait(5000));
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(2).Angeschlossen, quint8(1));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Serielle Verbindung auf :COM1"));
        u.sim.LoescheRahmen();
        QTRY_VERIFY_WITH_TIMEOUT(u.rahmen().contains(QStringLiteral("2c")), 5000);
        QVERIFY(u.dialoge.Protokoll.isEmpty());
#else
        QSKIP("needs pseudo-terminals");
#endif
    }

    // After a power cut the PC boots before the network adapter. The program
    // says that the link is down and tries again by itself (after 5, 10, 20
    // s), without a box; the adapter (the simulator as a program of its own,
    // eight running plants with 12 records each) comes 20 s after the
    // program. Then the plants are learned, polled, and the storage sweep
    // that fell due meanwhile reads every record.
    void adapterKommtNachDemProgramm() {
        TShellUmgebung u;
        QTcpServer frei;
        QVERIFY(frei.listen(QHostAddress::LocalHost, 0));
        const quint16 port = frei.serverPort();
        frei.close();
        u.installation(8, "Netzwerk=1\n");
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nLAYER=1\nNETADR=127.0.0.1\nNETPORT=" + QByteArray::number(port) + "\nZEIT=14\n");
        u.baue();
        // The storage time came while the adapter was away.
        u.z().NaechsteSpeicherzeit = QDateTime::currentDateTime().addSecs(-60);
        TVerbindung &v = u.lauf->Komm.Verbindung;
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        QSignalSpy gesichert(&u.lauf->Sicherung, &TSicherung::Beendet);
        QElapsedTimer uhr;
        uhr.start();
        u.fMain->Starte();
        QTRY_VERIFY_WITH_TIMEOUT(v.Unterbrochen(), 5000);
        QVERIFY(u.fMain->isEnabled());
        QVERIFY(u.fMain->StatusPanel->text().startsWith(QStringLiteral("Verbindung unterbrochen seit ")));
        QVERIFY(u.dialoge.Protokoll.isEmpty());

        QProcess sim;
        QTimer::singleShot(std::max<qint64>(0, 20000 - uhr.elapsed()), &sim, [&] {
            sim.start(QStringLiteral(KOMPOST_SIM_PROGRAMM),
                      {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:%1").arg(port),
                       QStringLiteral("--time-factor"), QStringLiteral("0")});
        });
        QVERIFY(gelernt.wait(60000));
        QVERIFY2(uhr.elapsed() >= 20000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(sim.state(), QProcess::Running);
        QVERIFY(!v.Unterbrochen());
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(u.anlage(n).Angeschlossen, quint8(1));
        QVERIFY(gesichert.count() > 0 || gesichert.wait(30000));
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(u.lauf->Sicherung.Stand(n).Stand, TSicherung::TStand::Gesichert);
            QFile f(u.anlage(n).Datei);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().count("\r\n"), 9 + 12);
        }
        QVERIFY(u.z().NaechsteSpeicherzeit > QDateTime::currentDateTime());
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
        QTRY_VERIFY_WITH_TIMEOUT(u.z().Messwerte[8].Gueltig != 0, 10000);
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QVERIFY2(uhr.elapsed() < 60000, qPrintable(QString::number(uhr.elapsed())));
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
    }

    void titel_data() {
        QTest::addColumn<bool>("netzwerk");
        QTest::addColumn<bool>("adressen33");
        QTest::addColumn<int>("anlagen");
        QTest::addColumn<QString>("titel");
        QTest::newRow("seriell 1") << false << false << 1 << "RIDIZO O2- Humaro 1..1";
        QTest::newRow("netz 8") << true << false << 8 << "RIDIZO O2- Humaro NET 1..8";
        QTest::newRow("seriell ab 33") << false << true << 8 << "RIDIZO O2- Humaro 33..40";
        QTest::newRow("netz 32 ab 33") << true << true << 32 << "RIDIZO O2- Humaro NET 33..64";
    }

    void titel() {
        QFETCH(bool, netzwerk);
        QFETCH(bool, adressen33);
        QFETCH(int, anlagen);
        QFETCH(QString, titel);
        TShellUmgebung u;
        u.installation(anlagen, QByteArray("Netzwerk=") + (netzwerk ? "1" : "0") +
                                    "\nAdressen33=" + (adressen33 ? "1" : "0") + "\n");
        u.baue();
        QCOMPARE(u.z().AnlagenAnzahl, quint16(anlagen));
        QCOMPARE(u.fMain->windowTitle(), titel);
        QCOMPARE(u.dialoge.Titel(), titel);
        QVERIFY(!u.fMain->isEnabled()); // until the transport is opened
    }

    void titelUebersetzt() {
        // The title goes through the translation like every other text.
        struct TMarkierer : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *quelle, const char *, int) const override {
                return QLatin1Char('[') + QString::fromUtf8(quelle) + QLatin1Char(']');
            }
        } markierer;
        QCoreApplication::installTranslator(&markierer);
        TShellUmgebung u;
        u.installation(8, "Netzwerk=1\n");
        u.baue();
        QCoreApplication::removeTranslator(&markierer);
        QCOMPARE(u.fMain->windowTitle(), QStringLiteral("[RIDIZO O2- Humaro NET] 1..8"));
        QCOMPARE(u.dialoge.Titel(), u.fMain->windowTitle());
    }

    void menue() {
        TShellUmgebung u;
        u.baue();
        // Caption, shortcut, and "-" for a separator.
        QStringList ist;
        for (QAction *m : u.fMain->menuBar()->actions()) {
            ist.append(m->text());
            for (QAction *a : m->menu()->actions())
                ist.append(a->isSeparator() ? QStringLiteral("  -")
                                            : QStringLiteral("  ") + a->text() + QLatin1Char(' ') +
                                                  a->shortcut().toString());
        }
        const QStringList soll{"Ende",
                               "  &Ende Ctrl+X",
                               "&PC-Setup",
                               "  Programm &Setup Ctrl+S",
                               "  Speicher&zeit Ctrl+Z",
                               "  -",
                               "  &Firmendaten Ctrl+F",
                               "  -",
                               "  A&larme einstellen ",
                               "&Messung",
                               "  PC &Anzeige Ctrl+A",
                               "  -",
                               "  Anlagen einlernen Ctrl+E",
                               "  -",
                               "  &Offline Daten auslesen Ctrl+O",
                               "  -",
                               "  A&larme Ctrl+L",
                               "&Daten",
                               "  Mess&werte drucken Ctrl+W",
                               "  &Protokoll Gütegemeinschaft Ctrl+P",
                               "  &Grafik erstellen Ctrl+G",
                               "Sprache",
                               "  Deutsch ",
                               "  English ",
                               "  Français ",
                               "&Info",
                               "  &Info Ctrl+I"};
        QCOMPARE(ist, soll);

        // The windows of the other parts: disabled until their opener is set.
        QVERIFY(!u.fMain->GrafikItem->isEnabled());
        int geoeffnet = 0;
        bool menueAus = false;
        u.fMain->SetzeOeffner(TFMain::Fenster::Grafik, [&](TFMain &m) {
            QCOMPARE(&m, u.fMain.get());
            ++geoeffnet;
            // while the window is open the main window's menus look disabled
            menueAus = !m.menuBar()->isEnabled();
        });
        u.fMain->setEnabled(true);
        QVERIFY(u.fMain->GrafikItem->isEnabled());
        u.fMain->GrafikItem->trigger();
        QCOMPARE(geoeffnet, 1);
        QVERIFY(menueAus);
        QVERIFY(u.fMain->menuBar()->isEnabled());
    }

    // The main window's own dialogs grey its menus too while they are open.
    void menueAusWaehrendDialog() {
        TShellUmgebung u;
        u.baue();
        u.fMain->setEnabled(true);
        QVERIFY(u.fMain->menuBar()->isEnabled());
        bool menueAus = false;
        MitDialog<TFAbout>([&](TFAbout &d) {
            menueAus = !u.fMain->menuBar()->isEnabled();
            d.OKButton->click();
        });
        u.fMain->InfoItem->trigger();
        QVERIFY(menueAus);
        QVERIFY(u.fMain->menuBar()->isEnabled());
    }

    void infoBox() {
        TShellUmgebung u;
        u.baue();
        u.fMain->setEnabled(true);
        QStringList texte;
        MitDialog<TFAbout>([&](TFAbout &d) {
            texte = {d.windowTitle(), d.ProductName->text(), d.Version->text(), d.Comments->text(),
                     d.Copyright->text()};
            QVERIFY(!d.ProgramIcon->pixmap().isNull());
            QVERIFY(d.OKButton->isDefault());
            // where the program keeps its files
            QCOMPARE(d.HeimLabel->text(), QStringLiteral("Einstellungen und Ereignisprotokolle in:\n") +
                                              QDir::toNativeSeparators(u.heim.path()));
            d.OKButton->click();
        });
        u.fMain->InfoItem->trigger();
        QCOMPARE(texte,
                 QStringList({"Info", u.fMain->ProductName->text(), "Version 3.0.3",
                              "Assynchrone Messwertspeicherung und\nVisualisierung in Zusammenarbeit mit",
                              u.fMain->Copyright->text()}));
    }

    void aktivFenster() {
        TShellUmgebung u;
        u.baue();
        u.fMain->setGeometry(200, 150, 377, 300);
        u.fMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(u.fMain.get()));
        TFAktiv &a = u.fMain->Aktiv();
        a.Abbruch = true;
        a.Zeige(u.fMain.get(), 25);
        const QRect f = u.fMain->frameGeometry();
        QCOMPARE(a.pos(), QPoint(f.left() + f.width() / 2 - 100, f.top() + f.height() / 2 - 50));
        QCOMPARE(a.ProgressBar1->maximum(), 25);
        QCOMPARE(a.ProgressBar1->value(), 1);
        QVERIFY(!a.Abbruch);
        QVERIFY(a.isVisible());
        QVERIFY(!a.isModal());
        // a readout that does not stop says so
        QVERIFY(a.Text->text().contains(QStringLiteral("kann nicht unterbrochen werden")));
        QTest::mouseClick(a.Text, Qt::LeftButton);
        QVERIFY(a.Abbruch);
        a.hide();

        // One that stops at a click says that a click cancels, and that it was taken.
        a.Zeige(u.fMain.get(), 25, true);
        QVERIFY(!a.Abbruch);
        QCOMPARE(a.Text->text(), QStringLiteral("Daten werden aus Steuerung geladen. Bitte etwas Geduld. Ein "
                                                "Klick auf diesen Text bricht das Auslesen ab."));
        QTest::mouseClick(a.Text, Qt::LeftButton);
        QVERIFY(a.Abbruch);
        QCOMPARE(a.Text->text(), QStringLiteral("Auslesen wird abgebrochen …"));
        a.hide();
        a.Zeige(u.fMain.get(), 25);
        QVERIFY(a.Text->text().contains(QStringLiteral("kann nicht unterbrochen werden")));
        a.hide();

        // Over a modal window, as every window that shows it is, the click on
        // the text comes through the window system all the same.
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.setGeometry(260, 180, 400, 300);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        a.Zeige(&modal, 3);
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QVERIFY(!a.Abbruch);
        QTest::mouseClick(a.windowHandle(), Qt::LeftButton, {}, a.Text->geometry().center());
        QTRY_VERIFY(a.Abbruch);
        a.hide();
    }

    void schliessenMitNetzverbindung() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        QVERIFY(u.lauf->Log.LogAktiv());
        const QString log = u.lauf->Log.DateiName();
        QSignalSpy getrennt(&u.sim, &KompostSim::TSimulator::ClientGetrennt);

        // While the connection is being closed the status says so for half a second.
        QString waehrenddessen;
        QTimer::singleShot(250, [&] { waehrenddessen = u.fMain->StatusPanel->text(); });
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(u.fMain->close());
        QVERIFY(uhr.elapsed() >= 450);
        QCOMPARE(waehrenddessen, QStringLiteral("Schliesse Verbindung...."));
        QVERIFY(!u.fMain->isVisible());
        QVERIFY(!u.z().Verbunden);
        QVERIFY(!u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(!u.lauf->Log.LogAktiv());
        QVERIFY(getrennt.count() > 0 || getrennt.wait(2000));
        // The log holds the learning and is complete on disk.
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains(" 1B\r\n"));
    }

    // Start-up removes the logs older than LOGTAGE days, after reading it.
    void alteLogsBeimStart() {
        TShellUmgebung u;
        u.installation(1, "[Ports]\nCOM1=" + u.pfad(QStringLiteral("kein-geraet")).toUtf8() + "\n");
        u.schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nLOGTAGE=30\n");
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        const QLocale &locale = u.z().Gebietsschema;
        const QDate heute = QDate::currentDate();
        const QString alt = TLog::LogDateiName(locale, heute.addDays(-31), 0);
        const QString jung = TLog::LogDateiName(locale, heute.addDays(-29), 0);
        u.schreibe(alt, "x");
        u.schreibe(jung, "x");
        u.fMain = std::make_unique<TFMain>(*u.lauf);
        QVERIFY(!QFile::exists(u.pfad(alt)));
        QVERIFY(QFile::exists(u.pfad(jung)));
        QVERIFY(QFile::exists(u.lauf->Log.DateiName()));
    }

    // The event log cannot be created (here the home folder is a regular
    // file): the program starts all the same and says so once in the status
    // line, below the connection's text, with the reason in its tool tip;
    // the run's listeners hear of the disturbance of the PC.
    void ohneEreignisprotokoll() {
        TShellUmgebung u;
        const QString heim = u.pfad(QStringLiteral("keinOrdner"));
        u.schreibe(QStringLiteral("keinOrdner"), "x");
        struct : IEreignisse {
            QStringList stoerungen;
            void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) override {
                stoerungen.append(QStringLiteral("%1 %2 %3 %4")
                                      .arg(static_cast<int>(art))
                                      .arg(anlage)
                                      .arg(aktiv)
                                      .arg(grund));
            }
        } hoerer;
        u.lauf = std::make_unique<TLauf>(heim, u.dialoge);
        u.lauf->Ereignisse.Anmelden(&hoerer);
        u.fMain = std::make_unique<TFMain>(*u.lauf);
        QVERIFY(!u.lauf->Log.LogAktiv());
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Kein Ereignisprotokoll!"));
        QVERIFY2(u.fMain->StatusPanel->toolTip().contains(QStringLiteral("keinOrdner")),
                 qPrintable(u.fMain->StatusPanel->toolTip()));
        QCOMPARE(hoerer.stoerungen.size(), 1);
        QVERIFY(hoerer.stoerungen.at(0).startsWith(QStringLiteral("2 0 1 ")));
        u.fMain->Statuszeile(QStringLiteral("Serielle Verbindung auf :COM1"));
        QCOMPARE(u.fMain->StatusPanel->text(),
                 QStringLiteral("Serielle Verbindung auf :COM1\nKein Ereignisprotokoll!"));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        u.lauf->Ereignisse.Abmelden(&hoerer);
    }

    void schliessenWaehrendDesLernens() {
        TShellUmgebung u;
        QVERIFY(u.netz(4)); // all silent: 600 ms per plant
        u.baue();
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        // The operator closes the window while plant 1 is asked (the learning
        // runs inside the event loop, so the close comes from an event too).
        int geschlossen = -1;
        bool sichtbar = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::RahmenEmpfangen, &u.sim, [&](const auto &r) {
            if (geschlossen == -1 && r.Bytes == QByteArray("\x01"
                                                           "B")) {
                geschlossen = 0;
                QTimer::singleShot(100, [&] {
                    geschlossen = u.fMain->close() ? 1 : 0;
                    sichtbar = u.fMain->isVisible();
                });
            }
        });
        u.fMain->Starte();
        QVERIFY(gelernt.wait(5000));
        // The window stayed while a plant was asked, then goes without learning the rest.
        QCOMPARE(geschlossen, 0);
        QVERIFY(sichtbar);
        QTRY_VERIFY_WITH_TIMEOUT(!u.fMain->isVisible(), 3000);
        QVERIFY(u.z().LernenAnfordern);
        QVERIFY(!u.rahmen().contains(QStringLiteral("4B")));
        QVERIFY(!u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(!u.lauf->Log.LogAktiv());
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"

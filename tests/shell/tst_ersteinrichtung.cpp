// The first start of a new installation: "Verbindung prüfen" against the
// simulator over TCP and over a pseudo-terminal, the two files as a
// technician writes them and read back by the program's own readers, the
// setup window that writes them and after which the program learns, and
// "Abbrechen", which writes nothing. An installation is never asked again.
#include "ShellUmgebung.h"
#include "comm/UVerbindungsPruefung.h"
#include "shell/UEinrichtung.h"
#include "shell/UErsteinrichtung.h"
#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

// The files of a folder (hidden ones too), sorted.
QStringList Inhalt(const QString &ordner) {
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}

TEinrichtung Netz(int anlagen, quint16 port, const QString &datenordner) {
    TEinrichtung e;
    e.Anlagen = anlagen;
    e.Netzwerk = true;
    e.NetAdresse = QStringLiteral("127.0.0.1");
    e.NetPort = port;
    e.Datenordner = datenordner;
    e.Firma = {QStringLiteral("Kompostwerk Müller"), QStringLiteral("Am Hang 3"), QStringLiteral("* Text *")};
    return e;
}

} // namespace

class TestErsteinrichtung : public QObject {
    Q_OBJECT

private slots:
    // --- the check, without a window

    void pruefenUeberTcp() {
        KompostSim::TSimulator sim(3);
        sim.SetAnlagen({1, 3});
        QVERIFY(sim.StarteTcp());
        QTemporaryDir tmp;
        TEinrichtung e = Netz(4, sim.TcpPort(), tmp.path());
        QList<int> gefragt;
        TPruefErgebnis r = PruefeVerbindung(e, [&](int n) { gefragt.append(n); });
        QVERIFY(r.Geoeffnet);
        QCOMPARE(r.Antworten, QList<int>({1, 3}));
        QCOMPARE(gefragt, QList<int>({1, 2, 3, 4}));
        QCOMPARE(r.Text, QStringLiteral("2 von 4 Steuerungen haben geantwortet: Anlage 1, 3."));
        // numbered from 33, addressed as 1..N all the same
        e.Adressen33 = true;
        r = PruefeVerbindung(e);
        QCOMPARE(r.Text, QStringLiteral("2 von 4 Steuerungen haben geantwortet: Anlage 33, 35."));
        for (const auto &rahmen : sim.Rahmen())
            QVERIFY(static_cast<quint8>(rahmen.Bytes.at(0)) <= 4);
        // The line is closed again afterwards: the adapter takes the program's own connection.
        QTRY_VERIFY_WITH_TIMEOUT(!sim.TcpVerbunden(), 3000);
    }

    void pruefenUeberPty() {
        KompostSim::TSimulator sim(3);
        sim.SetAnlagen({1, 2});
        QVERIFY(sim.StartePty());
        TEinrichtung e;
        e.Anlagen = 3;
        e.PortGeraet = sim.PtyGeraet();
        e.BaudIndex = 2;
        const TPruefErgebnis r = PruefeVerbindung(e);
        QVERIFY(r.Geoeffnet);
        QCOMPARE(r.Antworten, QList<int>({1, 2}));
        QCOMPARE(r.Text, QStringLiteral("2 von 3 Steuerungen haben geantwortet: Anlage 1, 2."));
    }

    void pruefenOhneAntwortOderLeitung() {
        // An open line on which nobody answers.
        KompostSim::TSimulator sim(3);
        sim.SetAnlagen({});
        QVERIFY(sim.StarteTcp());
        QTemporaryDir tmp;
        TPruefErgebnis r = PruefeVerbindung(Netz(2, sim.TcpPort(), tmp.path()));
        QVERIFY(r.Geoeffnet);
        QVERIFY(r.Antworten.isEmpty());
        QVERIFY2(r.Text.startsWith(QStringLiteral("Die Verbindung ist offen, aber keine der 2 Steuerungen")),
                 qPrintable(r.Text));
        // An adapter that refuses the connection.
        const quint16 port = sim.TcpPort();
        sim.Stoppe();
        r = PruefeVerbindung(Netz(2, port, tmp.path()));
        QVERIFY(!r.Geoeffnet);
        QVERIFY2(r.Text.startsWith(QStringLiteral("Die Verbindung konnte nicht geöffnet werden:\n")),
                 qPrintable(r.Text));
        // A serial device that is not there: the system's reason is named.
        TEinrichtung e;
        e.PortGeraet = tmp.filePath(QStringLiteral("ttyFehlt"));
        r = PruefeVerbindung(e);
        QVERIFY(!r.Geoeffnet);
        QVERIFY2(r.Text.contains(e.PortGeraet), qPrintable(r.Text));
    }

    // --- the files

    void schreibenUndZuruecklesen_data() {
        QTest::addColumn<bool>("netzwerk");
        QTest::addColumn<QString>("geraet");
        QTest::addColumn<int>("com");       // [COM] COM
        QTest::addColumn<QString>("port1"); // the device of COM1 as the program reads it
        QTest::newRow("network adapter") << true << QString() << 1 << StandardPortGeraet(1);
        QTest::newRow("standard port COM2") << false << StandardPortGeraet(2) << 2 << StandardPortGeraet(1);
        QTest::newRow("USB adapter") << false << QStringLiteral("/dev/ttyUSB0") << 1
                                     << QStringLiteral("/dev/ttyUSB0");
    }

    void schreibenUndZuruecklesen() {
        QFETCH(bool, netzwerk);
        QFETCH(QString, geraet);
        QFETCH(int, com);
        QFETCH(QString, port1);
        QTemporaryDir heim;
        const QString daten = heim.filePath(QStringLiteral("Mieten/Daten"));
        TEinrichtung e = Netz(5, 8001, daten);
        e.Netzwerk = netzwerk;
        e.PortGeraet = geraet;
        e.BaudIndex = 3;
        e.Adressen33 = true;
        QVERIFY(Einrichtung::Noetig(heim.path()));
        QString fehler;
        QVERIFY2(Einrichtung::Schreibe(heim.path(), e, fehler), qPrintable(fehler));
        QVERIFY(!Einrichtung::Noetig(heim.path()));
        QVERIFY(QFileInfo(daten).isDir());

        // Read back by the program's own readers.
        TZustand z;
        z.Heimordner = heim.path();
        LeseInstallation(z);
        QCOMPARE(z.OptAnlagenAnzahl, 5);
        QVERIFY(z.OptAdressen33);
        QVERIFY(!z.OptLogo);
        QCOMPARE(z.OptNetzwerk, netzwerk);
        QCOMPARE(z.OptBaudIndex, netzwerk ? 0 : 3);
        QCOMPARE(z.OptPortGeraete[1], port1);
        const TIniDatei ini(heim.filePath(QStringLiteral("O2_Tarvos.ini")));
        LeseVerbindung(z, ini);
        QCOMPARE(z.Layer, quint8(netzwerk ? 1 : 0));
        QCOMPARE(int(z.ComNummer), com);
        if (netzwerk) {
            QCOMPARE(z.NetAdresse, QStringLiteral("127.0.0.1"));
            QCOMPARE(z.NetPort, 8001);
        }
        QCOMPARE(LeseFirmenZeilen(ini), e.Firma);
        for (int n = 1; n <= 5; ++n) {
            LeseAnlage(z, ini, n);
            QCOMPARE(z.Anlagen[size_t(n)].Pfad, QDir::toNativeSeparators(daten) + QDir::separator());
            QCOMPARE(z.Anlagen[size_t(n)].Name, QStringLiteral("Anl-Nr%1").arg(n));
        }
        // No section beyond the plants.
        QCOMPARE(ini.ReadString(QStringLiteral("6"), QStringLiteral("Pfad"), QStringLiteral("-")),
                 QStringLiteral("-"));

        // Windows-1252 with CR LF, as a technician's files.
        for (const QString &name : {QStringLiteral("O2_Tarvos.ini"), QStringLiteral("Installation.ini")}) {
            QFile f(heim.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray b = f.readAll();
            QCOMPARE(b.count('\n'), b.count("\r\n"));
            QVERIFY(b.endsWith("\r\n"));
        }
        QFile f(heim.filePath(QStringLiteral("O2_Tarvos.ini")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Titel=Kompostwerk M\xfcller\r\n"));
    }

    void nichtSchreibbaresWirdGemeldet_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("data folder is a file") << "ordner"
                                               << "In den Ordner";
        QTest::newRow("no data folder") << "leer"
                                        << "Bitte einen Ordner";
        QTest::newRow("company line outside Windows-1252") << "firma"
                                                           << "enthält Zeichen";
        QTest::newRow("no address") << "adresse"
                                    << "Bitte die IP- Adresse";
        QTest::newRow("no serial port") << "port"
                                        << "Bitte eine serielle Schnittstelle";
    }

    void nichtSchreibbaresWirdGemeldet() {
        QFETCH(QString, was);
        QFETCH(QString, meldung);
        QTemporaryDir tmp;
        const QString heim = tmp.filePath(QStringLiteral("heim"));
        const QString datei = tmp.filePath(QStringLiteral("eine Datei"));
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        TEinrichtung e = Netz(2, 8000, tmp.filePath(QStringLiteral("daten")));
        if (was == QLatin1String("ordner"))
            e.Datenordner = datei;
        else if (was == QLatin1String("leer"))
            e.Datenordner = QStringLiteral("  ");
        else if (was == QLatin1String("firma"))
            e.Firma[0] = QStringLiteral("Kompostownia Łódź");
        else if (was == QLatin1String("adresse"))
            e.NetAdresse.clear();
        else {
            e.Netzwerk = false;
            e.PortGeraet.clear();
        }
        QString fehler;
        QVERIFY(!Einrichtung::Schreibe(heim, e, fehler));
        QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
        // nothing written: the next start asks again
        QVERIFY(!QFileInfo::exists(heim));
    }

    void bestehendeInstallationBleibt() {
        // Either file makes an installation; it is never set up again.
        for (const QString &name : {QStringLiteral("O2_Tarvos.ini"), QStringLiteral("Installation.ini")}) {
            QTemporaryDir heim;
            QFile f(heim.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[COM]\r\nLAYER=0\r\nCOM=3\r\n");
            f.close();
            QVERIFY(!Einrichtung::Noetig(heim.path()));
            QString fehler;
            QVERIFY(!Einrichtung::Schreibe(heim.path(), Netz(2, 8000, heim.path()), fehler));
            QVERIFY2(fehler.contains(QStringLiteral("schon eine Installation")), qPrintable(fehler));
            QCOMPARE(Inhalt(heim.path()), QStringList({name}));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("[COM]\r\nLAYER=0\r\nCOM=3\r\n"));
        }
    }

    // --- the window

    void fensterUeberTcpSchreibtUndLernt() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2, 3});
        QVERIFY(u.sim.StarteTcp());
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        QVERIFY(Einrichtung::Noetig(u.heim.path()));
        const QString daten = u.pfad(QStringLiteral("Mieten"));
        {
            TFErsteinrichtung f(*u.lauf);
            f.show();
            f.AnlagenEdit->setValue(4);
            f.NetzwerkButton->click();
            QVERIFY(!f.PortBox->isEnabled());
            QVERIFY(f.AdresseEdit->isEnabled());
            f.AdresseEdit->setText(QStringLiteral("127.0.0.1"));
            f.NetPortEdit->setValue(u.sim.TcpPort());
            f.DatenordnerEdit->setText(daten);
            f.FirmaEdit[0]->setText(QStringLiteral("Kompostwerk Nord"));
            f.PruefenButton->click();
            QCOMPARE(f.PruefLabel->text(),
                     QStringLiteral("3 von 4 Steuerungen haben geantwortet: Anlage 1, 2, 3."));
            QVERIFY(f.isEnabled());
            // the check wrote nothing
            QVERIFY(Inhalt(u.heim.path()).isEmpty());
            f.OKButton->click();
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        QCOMPARE(Inhalt(u.heim.path()), QStringList({"Installation.ini", "Mieten", "O2_Tarvos.ini"}));
        QVERIFY(u.dialoge.Protokoll.isEmpty());

        // The program goes on as at any start: it reads the files and learns.
        LeseInstallation(u.lauf->Zustand);
        u.fMain = std::make_unique<TFMain>(*u.lauf);
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(gelernt.wait(15000));
        QCOMPARE(u.fMain->windowTitle(), QStringLiteral("RIDIZO O2- Humaro NET 1..4"));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Netzwerkverbindung zu :127.0.0.1"));
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(u.anlage(n).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(4).Angeschlossen, quint8(0));
        // The running piles' data files go into the chosen folder.
        QVERIFY2(u.anlage(1).Datei.startsWith(QDir::toNativeSeparators(daten) + QDir::separator()),
                 qPrintable(u.anlage(1).Datei));
        QCOMPARE(LeseFirmenZeilen(u.iniDatei()).constFirst(), QStringLiteral("Kompostwerk Nord"));
    }

    void fensterUeberPtySchreibtUndLernt() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.sim.StartePty());
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        {
            TFErsteinrichtung f(*u.lauf);
            // the ports of the system are offered; a device may also be typed
            f.SetzePorts({{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("ttyUSB0 – FT232R USB UART")}});
            QCOMPARE(f.Eingaben().PortGeraet, QStringLiteral("/dev/ttyUSB0"));
            f.AnlagenEdit->setValue(2);
            f.PortBox->setEditText(u.sim.PtyGeraet());
            f.BaudBox->setCurrentIndex(3);
            f.PruefenButton->click();
            QCOMPARE(f.PruefLabel->text(),
                     QStringLiteral("2 von 2 Steuerungen haben geantwortet: Anlage 1, 2."));
            f.OKButton->click();
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        LeseInstallation(u.lauf->Zustand);
        QCOMPARE(u.lauf->Zustand.OptPortGeraete[1], u.sim.PtyGeraet());
        QCOMPARE(u.lauf->Zustand.OptBaudIndex, 3);
        u.fMain = std::make_unique<TFMain>(*u.lauf);
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(gelernt.count() > 0 || gelernt.wait(15000));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Serielle Verbindung auf :COM1"));
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(2).Angeschlossen, quint8(1));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    void abbrechenSchreibtNichts() {
        TShellUmgebung u;
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        TFErsteinrichtung f(*u.lauf);
        f.show();
        f.DatenordnerEdit->setText(u.pfad(QStringLiteral("Daten")));
        f.AbbrechenButton->click();
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(Inhalt(u.heim.path()).isEmpty());
        QVERIFY(Einrichtung::Noetig(u.heim.path()));
    }

    void okMitFehlerBleibtOffen() {
        TShellUmgebung u;
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        TFErsteinrichtung f(*u.lauf);
        f.show();
        f.NetzwerkButton->click();
        f.AdresseEdit->clear();
        f.OKButton->click();
        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList({"Bitte die IP- Adresse oder den Netzwerknamen des Netzwerkadapters angeben."}));
        QVERIFY(f.isVisible());
        QVERIFY(Inhalt(u.heim.path()).isEmpty());
        // the folder chosen through the standard dialog
        u.dialoge.Ordner = {u.pfad(QStringLiteral("gewählt"))};
        f.OrdnerButton->click();
        QCOMPARE(f.DatenordnerEdit->text(), QDir::toNativeSeparators(u.pfad(QStringLiteral("gewählt"))));
    }

    // With KOMPOST_BILDER=<folder> set: the window after a check against the
    // simulator, in German and English (ersteinrichtung_de.png, _en.png).
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2, 3, 4, 5, 6, 7});
        QVERIFY(u.sim.StartePty());
        u.lauf = std::make_unique<TLauf>(u.heim.path(), u.dialoge);
        // as an installed program's home folder reads (OK is never pressed)
        u.lauf->Zustand.Heimordner = QStringLiteral("/home/kompost/.local/share/kompost");
        for (const QString &sprache : {QStringLiteral("de"), QStringLiteral("en")}) {
            u.lauf->Sprache.Setze(sprache, false);
            TFErsteinrichtung f(*u.lauf);
            f.SetzePorts({{u.sim.PtyGeraet(), QStringLiteral("ttyUSB0 – FT232R USB UART, FTDI")},
                          {QStringLiteral("/dev/ttyS0"), QStringLiteral("ttyS0")}});
            f.AnlagenEdit->setValue(8);
            f.DatenordnerEdit->setText(QStringLiteral("/home/kompost/Kompost-Daten"));
            f.FirmaEdit[0]->setText(QStringLiteral("Kompostwerk Nord GmbH"));
            f.FirmaEdit[1]->setText(QStringLiteral("Am Sandberg 4, 12345 Musterstadt"));
            f.FirmaEdit[2]->setText(QStringLiteral("Tel. 01234 5678"));
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            f.PruefenButton->click();
            QVERIFY(f.grab().save(ordner + QStringLiteral("/ersteinrichtung_%1.png").arg(sprache)));
            f.reject();
        }
        u.lauf->Sprache.Setze(QStringLiteral("de"), false);
    }
};

QTEST_MAIN(TestErsteinrichtung)
#include "tst_ersteinrichtung.moc"

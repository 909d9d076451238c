// The settings dialog: what OK writes and when it reconnects and relearns,
// the °F display of the reference temperature, "Abbrechen" after a page
// change, and the network page only with the installation's network option.
#include "ShellUmgebung.h"
#include "shell/UMqttEinstellungen.h"
#include "shell/UMqttSeite.h"
#include "shell/UPC_Setup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

// The publisher as the page sees it: records what it is given and answers a
// test after a moment, as the real one does from its thread.
struct TMqttDienstAttrappe : IMqttDienst {
    tMqttEinstellungen e;
    QList<tMqttEinstellungen> uebernommen;
    QList<tMqttEinstellungen> getestet;
    tMqttEinstellungen Einstellungen() const override { return e; }
    void Uebernehmen(const tMqttEinstellungen &neu) override {
        e = neu;
        uebernommen.append(neu);
    }
    QString Zustandstext() const override {
        return QStringLiteral(
            "Keine Verbindung zu broker.werk:8883: Der Broker antwortet nicht. Neuer Versuch in 20 s.");
    }
    qint64 Wartend() const override { return 1234; }
    qint64 AusgangBytes() const override { return 345678; }
    void Testen(const tMqttEinstellungen &t, std::function<void(bool, const QString &)> antwort) override {
        getestet.append(t);
        QTimer::singleShot(50, [antwort] {
            antwort(false,
                    QStringLiteral("Der Broker verweigert die Anmeldung: Benutzername oder Passwort falsch "
                                   "oder nicht berechtigt."));
        });
    }
};

} // namespace

class TestPCSetup : public QObject {
    Q_OBJECT

private slots:
    void okOhneAenderungSchreibtNichts() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.netz(2, "TIMEOUT=450\nMetric=1\nREFTEMP=55\nSHOWREF=0\n[1]\nName=A\n"));
        QVERIFY(u.starte());
        const QByteArray vorher = u.ini();
        u.sim.LoescheRahmen();
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);

        bool geaendert = true;
        MitDialog<TFPC_Setup>([&](TFPC_Setup &d) {
            QCOMPARE(d.PageControl1->currentIndex(), 1);
            QCOMPARE(d.AdresseEdit->text(), QStringLiteral("127.0.0.1"));
            QCOMPARE(d.TimeoutEdit->value(), 450);
            QVERIFY(!d.RefTempEdit->isEnabled());
            d.OKButton->click();
            geaendert = d.Geaendert;
        });
        u.fMain->SetupItem->trigger();

        QVERIFY(!geaendert);
        QCOMPARE(u.ini(), vorher);
        QCOMPARE(u.z().RefTemp, 55.0);
        QVERIFY(u.z().Verbunden);
        QVERIFY(!gelernt.wait(800));
        for (const QString &r : u.rahmen())
            QVERIFY2(r.endsWith(QLatin1Char('c')), qPrintable(r)); // polling only
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    void com3SchreibtUndLerntNeu() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        // COM1 (the configured port) does not exist; COM3 is the simulator.
        QVERIFY(u.ptyAlsPort(3, 2, "BaudIndex=2\n"));
        u.schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nCOM=1\n");
        u.baue();
        u.lauf->Zustand.OptPortGeraete[1] = u.pfad(QStringLiteral("kein-geraet"));
        u.fMain->Starte();
        QVERIFY(!u.z().Verbunden);
        // Tried again by itself, without a box, until the operator chooses.
        QVERIFY(u.lauf->Komm.Verbindung.Unterbrochen());
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);

        MitDialog<TFPC_Setup>([&](TFPC_Setup &d) {
            QCOMPARE(d.BaudLabel->text(), QStringLiteral("9600 Baud"));
            QVERIFY(d.Com(1)->isChecked());
            QVERIFY(!d.Com(1)->isEnabled());
            QVERIFY(d.Com(3)->isEnabled());
            QVERIFY(!d.PageControl1->isTabVisible(1));
            QTest::mouseClick(d.Com(3), Qt::LeftButton);
            QCOMPARE(d.GewaehlterPort, quint16(3));
            QVERIFY(!d.VerbindungGruppe->isVisible());
            d.OKButton->click();
        });
        u.dialoge.Antworten = {true};
        u.fMain->SetupItem->trigger();
        // the only box: the question before the line changes
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).text,
                 QStringLiteral("Verbindung wechseln? Die Anlagen werden neu eingelernt."));

        QCOMPARE(gelernt.count(), 1);
        QVERIFY(u.z().Verbunden);
        QCOMPARE(u.z().ComNummer, quint16(3));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Serielle Verbindung auf :COM3"));
        QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("COM"), QStringLiteral("COM"), 0), 3);
        QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("COM"), QStringLiteral("LAYER"), -1), 0);
        QVERIFY(u.rahmen().contains(QStringLiteral("1B")));
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(2).Angeschlossen, quint8(1));
        QVERIFY(!u.z().LernenAnfordern);
        QVERIFY(!u.lauf->Komm.Verbindung.Unterbrochen());
    }

    void referenzTemperatur_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<bool>("umschalten"); // click the °F/inch box once
        QTest::addColumn<int>("eingabe");     // typed into the field, 0: untouched
        QTest::addColumn<double>("refTemp");
        QTest::addColumn<QString>("geschrieben"); // keys written, in order

        // Confirming while °F is shown keeps 55: the °F round trip would make 55.1.
        QTest::newRow("°F unberührt") << true << false << 0 << 55.0 << "";
        QTest::newRow("°C unberührt") << false << false << 0 << 55.0 << "";
        QTest::newRow("nur auf °F") << false << true << 0 << 55.0 << "Metric";
        QTest::newRow("nur auf °C") << true << true << 0 << 55.0 << "Metric";
        QTest::newRow("°F eingegeben") << true << false << 140 << 60.0 << "REFTEMP";
        QTest::newRow("°C eingegeben") << false << false << 62 << 62.0 << "REFTEMP";
        QTest::newRow("auf °F und eingegeben") << false << true << 122 << 50.0 << "Metric REFTEMP";
    }

    void referenzTemperatur() {
        QFETCH(bool, metric);
        QFETCH(bool, umschalten);
        QFETCH(int, eingabe);
        QFETCH(double, refTemp);
        QFETCH(QString, geschrieben);
        TShellUmgebung u;
        u.installation(1);
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   QByteArray("[COM]\nMetric=") + (metric ? "1" : "0") + "\nREFTEMP=55\n");
        u.baue();
        u.z().Verbunden = false;
        const QStringList schluessel{"Metric", "REFTEMP", "SHOWREF", "COM", "LAYER", "TIMEOUT"};
        auto werte = [&] {
            QStringList l;
            const TIniDatei ini = u.iniDatei();
            for (const QString &key : schluessel)
                l.append(ini.ReadString(QStringLiteral("COM"), key, QStringLiteral("-")));
            return l;
        };
        const QStringList vorher = werte();

        TFPC_Setup d(*u.lauf, u.fMain.get());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.CheckMetric->isChecked(), metric);
        QCOMPARE(d.EinheitLabel->text(), metric ? QStringLiteral("°F") : QStringLiteral("°C"));
        QCOMPARE(d.RefTempEdit->value(), metric ? 131.0 : 55.0);
        if (umschalten) {
            QTest::mouseClick(d.CheckMetric, Qt::LeftButton);
            QCOMPARE(d.RefTempEdit->value(), metric ? 55.0 : 131.0);
            QCOMPARE(d.EinheitLabel->text(), metric ? QStringLiteral("°C") : QStringLiteral("°F"));
            QCOMPARE(d.RefTempEdit->minimum(), metric ? 30.0 : 86.0);
            QCOMPARE(d.RefTempEdit->maximum(), metric ? 80.0 : 176.0);
        }
        if (eingabe != 0) {
            d.RefTempEdit->selectAll();
            QTest::keyClicks(d.RefTempEdit, QString::number(eingabe));
        }
        d.OKButton->click();

        QVERIFY(!d.Geaendert);
        QCOMPARE(u.z().RefTemp, refTemp);
        QCOMPARE(u.z().Metric, metric != umschalten);
        const QStringList nachher = werte();
        QStringList ist;
        for (qsizetype i = 0; i < schluessel.size(); ++i)
            if (nachher[i] != vorher[i])
                ist.append(schluessel[i]);
        QCOMPARE(ist.join(QLatin1Char(' ')), geschrieben);
        QCOMPARE(u.iniDatei().ReadFloat(QStringLiteral("COM"), QStringLiteral("REFTEMP"), 0), refTemp);
        QCOMPARE(u.z().RefText,
                 QStringLiteral("s ") +
                     QString::number(u.z().Metric ? qRound(refTemp) * 9 / 5 + 32 : qRound(refTemp)) +
                     (u.z().Metric ? QStringLiteral("°F[in]") : QStringLiteral("°C[cm]")));
    }

    void showRefSchaltetFeld() {
        TShellUmgebung u;
        u.installation(1);
        u.baue();
        TFPC_Setup d(*u.lauf, u.fMain.get());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.CheckShowRef->isChecked());
        QVERIFY(d.RefTempEdit->isEnabled());
        QTest::mouseClick(d.CheckShowRef, Qt::LeftButton);
        QVERIFY(!d.RefTempEdit->isEnabled());
        d.OKButton->click();
        QVERIFY(!u.z().ShowRef);
        QCOMPARE(u.iniDatei().ReadString(QStringLiteral("COM"), QStringLiteral("SHOWREF"), {}),
                 QStringLiteral("0"));
        QVERIFY(u.iniDatei().ReadString(QStringLiteral("COM"), QStringLiteral("LAYER"), {}).isEmpty());
    }

    // Looking at the serial page and pressing OK on the broker's page keeps
    // the network line: only the line's own choice changes it.
    void seiteAnsehenWechseltNichts() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        const QByteArray vorher = u.ini();
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);

        bool geaendert = true, zu = false;
        MitDialog<TFPC_Setup>([&](TFPC_Setup &d) {
            QVERIFY(d.VerbindungGruppe->isVisible());
            QVERIFY(d.NetzwerkWahl->isChecked());
            d.PageControl1->setCurrentIndex(0);
            d.PageControl1->setCurrentIndex(2);
            QCOMPARE(u.z().Layer, quint8(1));
            d.OKButton->click();
            geaendert = d.Geaendert;
            zu = !d.isVisible();
        });
        u.fMain->SetupItem->trigger();

        QVERIFY(zu);
        QVERIFY(!geaendert);
        QCOMPARE(u.z().Layer, quint8(1));
        QCOMPARE(u.ini(), vorher);
        QVERIFY(u.z().Verbunden);
        QVERIFY(u.lauf->Komm.Verbindung.TransportOffen());
        QCOMPARE(gelernt.count(), 0);
        QVERIFY(u.dialoge.Protokoll.isEmpty()); // no question
    }

    // Choosing the serial line asks first; "Nein" keeps everything and the
    // dialog stays open, "Abbrechen" then leaves it.
    void wechselNein() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        const QByteArray vorher = u.ini();
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.dialoge.Antworten = {false};

        bool offen = false, geaendert = true;
        MitDialog<TFPC_Setup>([&](TFPC_Setup &d) {
            QTest::mouseClick(d.SeriellWahl, Qt::LeftButton);
            QCOMPARE(d.PageControl1->currentIndex(), 0);
            QCOMPARE(u.z().Layer, quint8(1));
            d.OKButton->click();
            offen = d.isVisible();
            geaendert = d.Geaendert;
            d.AbbrechenButton->click();
        });
        u.fMain->SetupItem->trigger();

        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList{QStringLiteral("Verbindung wechseln? Die Anlagen werden neu eingelernt.")});
        QVERIFY(offen);
        QVERIFY(!geaendert);
        QCOMPARE(u.z().Layer, quint8(1));
        QCOMPARE(u.ini(), vorher);
        QVERIFY(u.z().Verbunden);
        QVERIFY(u.lauf->Komm.Verbindung.TransportOffen());
        QCOMPARE(gelernt.count(), 0);
    }

    void verbindenUndAbbrechen() {
        // "Verbinden" on the network page of a serial installation, then
        // "Abbrechen": back on the serial line, with learning.
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.ptyAlsPort(1, 1, "Netzwerk=1\n"));
        QVERIFY(u.sim.StarteTcp(QHostAddress::LocalHost, 0));
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nNETADR=127.0.0.1\nNETPORT=" + QByteArray::number(u.sim.TcpPort()) + "\n");
        QVERIFY(u.starte());
        QCOMPARE(u.z().Layer, quint8(0));
        const QByteArray vorher = u.ini();

        MitDialog<TFPC_Setup>([&](TFPC_Setup &d) {
            // The window's close button while the plants are learned over the
            // network: the dialog stays, the connection is left alone.
            bool versucht = false, zu = true;
            quint8 layer = 9;
            QObject::connect(&u.sim, &KompostSim::TSimulator::RahmenEmpfangen, &d, [&](const auto &r) {
                if (versucht || r.Bytes.size() < 2 || r.Bytes.at(1) != 'B' || !u.fMain->Lernt())
                    return;
                versucht = true;
                QTimer::singleShot(0, &d, [&] {
                    zu = d.close();
                    layer = u.z().Layer;
                });
            });
            u.dialoge.Antworten = {true};
            QTest::mouseClick(d.NetzwerkWahl, Qt::LeftButton);
            d.VerbindenButton->click();
            QTRY_VERIFY_WITH_TIMEOUT(u.z().Verbunden && u.sim.TcpVerbunden(), 5000);
            QTRY_VERIFY_WITH_TIMEOUT(versucht && !u.fMain->Lernt() && !u.z().LernenAnfordern, 5000);
            QVERIFY(!zu);
            QCOMPARE(layer, quint8(1));
            QVERIFY(d.isVisible());
            QVERIFY(d.isEnabled());
            QVERIFY(u.sim.TcpVerbunden());
            d.AbbrechenButton->click();
        });
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->SetupItem->trigger();

        QCOMPARE(u.z().Layer, quint8(0));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Serielle Verbindung auf :COM1"));
        QVERIFY(gelernt.count() >= 1);
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.ini(), vorher);
    }

    void netzwerkSeite() {
        TShellUmgebung u;
        u.installation(1, "Netzwerk=1\n");
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nLAYER=0\nNETADR=10.1.2.3\nNETPORT=8000\nTIMEOUT=400\n");
        u.baue();
        TFPC_Setup d(*u.lauf, u.fMain.get());
        QVERIFY(d.PageControl1->isTabVisible(1));
        QCOMPARE(d.PageControl1->currentIndex(), 0);
        QCOMPARE(d.PortEdit->value(), 8000);
        QCOMPARE(d.PortEdit->maximum(), 65535);
        QCOMPARE(d.AdresseEdit->maxLength(), 40);
        QCOMPARE(d.TimeoutEdit->minimum(), 300);
        QCOMPARE(d.TimeoutEdit->maximum(), 600);
        QCOMPARE(d.TimeoutEdit->singleStep(), 10);
        // Choose the network with a new port and timeout; nothing listens there.
        d.NetzwerkWahl->click();
        QCOMPARE(d.PageControl1->currentIndex(), 1);
        u.dialoge.Antworten = {true};
        d.AdresseEdit->setText(QStringLiteral("127.0.0.1"));
        d.PortEdit->setValue(1);
        d.TimeoutEdit->setValue(500);
        d.OKButton->click();
        QVERIFY(d.Geaendert);
        const TIniDatei ini = u.iniDatei();
        QCOMPARE(ini.ReadInteger(QStringLiteral("COM"), QStringLiteral("LAYER"), -1), 1);
        QCOMPARE(ini.ReadString(QStringLiteral("COM"), QStringLiteral("NETADR"), {}),
                 QStringLiteral("127.0.0.1"));
        QCOMPARE(ini.ReadInteger(QStringLiteral("COM"), QStringLiteral("NETPORT"), -1), 1);
        QCOMPARE(ini.ReadInteger(QStringLiteral("COM"), QStringLiteral("TIMEOUT"), -1), 500);
        QCOMPARE(u.z().TimeoutMittel, quint16(800));
        QCOMPARE(u.fMain->StatusPanel->text(), QStringLiteral("Baue Netzwerkverbindung auf......"));
    }

    // The page "Netzwerk-Dashboard (MQTT)": its fields from [MQTT], OK writes
    // what changed and hands it to the publisher without touching the link
    // to the controllers, the password makes the file its owner's only, the
    // test shows the broker's answer.
    void mqttSeite() {
        TShellUmgebung u;
        u.installation(1, "Netzwerk=1\n");
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nLAYER=0\n[MQTT]\nHOST=broker.werk\nPORT=8883\nTLS=1\n"
                   "KEEPALIVE=30\n");
        u.baue();
        TMqttDienstAttrappe dienst;
        u.lauf->Mqtt = &dienst;
        const QByteArray vorher = u.ini();
        // numbers and sizes in the run's locale, whatever the process's default is
        u.z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        const QLocale vorgabe;
        QLocale::setDefault(QLocale::c());
        TFPC_Setup d(*u.lauf, u.fMain.get());
        QLocale::setDefault(vorgabe);
        TMqttSeite &s = *d.MqttSeite;
        QCOMPARE(d.PageControl1->count(), 3);
        QCOMPARE(d.PageControl1->tabText(2), QStringLiteral("Netzwerk-Dashboard (MQTT)"));
        QCOMPARE(s.HostEdit->text(), QStringLiteral("broker.werk"));
        QCOMPARE(s.PortEdit->value(), 8883);
        QVERIFY(s.TlsCheck->isChecked());
        QVERIFY(s.CaEdit->isEnabled());
        QCOMPARE(s.KeepaliveEdit->value(), 30);
        QCOMPARE(s.PassEdit->echoMode(), QLineEdit::Password);
        QVERIFY(s.ZustandLabel->text().contains(QStringLiteral("Neuer Versuch in 20 s")));
        QVERIFY(s.AusgangLabel->text().contains(QStringLiteral("1234")));
        QVERIFY2(s.AusgangLabel->text().contains(QStringLiteral("337,58")),
                 qPrintable(s.AusgangLabel->text()));

        // to the broker's page and back: the transport stays as it is
        d.PageControl1->setCurrentIndex(2);
        d.PageControl1->setCurrentIndex(0);
        d.PageControl1->setCurrentIndex(2);
        QVERIFY(!d.Geaendert);
        QCOMPARE(u.z().Layer, quint8(0));

        s.CaEdit->setText(QStringLiteral("/etc/kompost/ca.pem"));
        s.UserEdit->setText(QStringLiteral("werk7"));
        s.PassEdit->setText(QStringLiteral("geheim"));
        s.StandortEdit->setText(QStringLiteral("Werk Nord"));
        QTest::mouseClick(s.TestenButton, Qt::LeftButton);
        QVERIFY(!s.TestenButton->isEnabled());
        QTRY_VERIFY(s.TestenButton->isEnabled());
        QVERIFY(s.TestLabel->text().startsWith(QStringLiteral("Der Broker verweigert die Anmeldung")));
        QCOMPARE(dienst.getestet.size(), 1);
        QCOMPARE(dienst.getestet.first().Passwort, QStringLiteral("geheim"));
        QVERIFY(dienst.uebernommen.isEmpty()); // a test takes nothing over
        QCOMPARE(u.ini(), vorher);

        d.OKButton->click();
        QVERIFY(!d.Geaendert); // no new learning of the plants
        QCOMPARE(dienst.uebernommen.size(), 1);
        const tMqttEinstellungen e = dienst.uebernommen.first();
        QCOMPARE(e.Host, QStringLiteral("broker.werk"));
        QCOMPARE(e.Port, 8883);
        QCOMPARE(e.Standort, QStringLiteral("Werk Nord"));
        QCOMPARE(LeseMqttEinstellungen(u.iniDatei()), e);
        const QByteArray ini = u.ini();
        QVERIFY(ini.contains("\r\nCAFILE=/etc/kompost/ca.pem\r\n"));
        QVERIFY(ini.contains("\r\nPASS=geheim\r\n"));
        QVERIFY(!ini.contains("PORT=8883\r\nPORT")); // unchanged keys are not written again
        QVERIFY(!(QFileInfo(u.pfad(QStringLiteral("O2_Tarvos.ini"))).permissions() & QFileDevice::ReadOther));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    // With KOMPOST_BILDER=<folder> set: a picture of the broker's page.
    void mqttBild() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        TShellUmgebung u;
        u.installation(1, "Netzwerk=1\n");
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nLAYER=1\n[MQTT]\nHOST=broker.werk\nPORT=8883\nTLS=1\nCAFILE=/etc/kompost/ca.pem\n"
                   "USER=werk7\nPASS=geheim\nSTANDORT=Werk Nord\n");
        u.baue();
        TMqttDienstAttrappe dienst;
        u.lauf->Mqtt = &dienst;
        TFPC_Setup d(*u.lauf, u.fMain.get());
        d.PageControl1->setCurrentIndex(2);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.MqttSeite->TestenButton, Qt::LeftButton);
        QTRY_VERIFY(d.MqttSeite->TestenButton->isEnabled());
        QVERIFY(d.grab().save(ordner + QStringLiteral("/pcsetup_mqtt.png")));
        d.reject();
    }
};

QTEST_MAIN(TestPCSetup)
#include "tst_pcSetup.moc"

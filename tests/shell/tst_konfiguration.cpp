// The plant register and the [COM] settings read into the run state.
#include "shell/UIniDatei.h"
#include "shell/UKonfiguration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray lies(const QString &pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString &pfad, const QByteArray &daten) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(daten), daten.size());
}

const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QLocale Englisch(QLocale::English, QLocale::UnitedStates);

// The example configuration of an existing installation.
const QByteArray Beispiel = "[COM]\r\n"
                            "LAYER=0\r\n"
                            "COM=2\r\n"
                            "TIMEOUT=300\r\n"
                            "ZEIT=6\r\n"
                            "Metric=0\r\n"
                            "REFTEMP=55\r\n"
                            "SHOWREF=1\r\n"
                            "[1]\r\n"
                            "Name=Miete Nord\r\n"
                            "Komm=Gr\xFCnschnitt\r\n"
                            "Datei=C:\\Kompost\\Miete Nord_12-05-2007.CSV\r\n"
                            "Pfad=C:\\Kompost\\\r\n"
                            "Anzahl=143\r\n"
                            "Geschlossen=1\r\n"
                            "[Firma]\r\n"
                            "Titel=Kompostwerk\r\n"
                            "Zeile2=* Text *\r\n"
                            "Zeile3=* Text *\r\n";

} // namespace

class TestKonfiguration : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TZustand m_z;
    QString pfad() const { return HeimDatei(m_z, QLatin1String(KonfigDateiName)); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_z = TZustand{};
        m_z.Heimordner = m_dir.path();
        m_z.Gebietsschema = Deutsch;
        QFile::remove(pfad());
    }

    // Without a configuration file: COM1, serial, port 8000, 300 ms, no
    // scheduled storage, °C/cm, 55 °C shown, every plant "Anl-Nr" + number
    // with the home folder as its data folder.
    void ohneDatei() {
        m_z.SpeicherStunde = 7;
        m_z.Metric = true;
        m_z.RefTemp = 60.0;
        m_z.ShowRef = false;
        m_z.Layer = 1;
        m_z.ComNummer = 4;
        m_z.NetPort = 1;
        const TIniDatei ini(pfad(), Deutsch);
        LeseComEinstellungen(m_z, ini);
        LeseVerbindung(m_z, ini);
        QCOMPARE(m_z.SpeicherStunde, 0);
        QCOMPARE(m_z.Metric, false);
        QCOMPARE(m_z.RefTemp, 55.0);
        QCOMPARE(m_z.ShowRef, true);
        QCOMPARE(m_z.TimeoutKurz, quint16(300));
        QCOMPARE(m_z.Layer, quint8(0));
        QCOMPARE(m_z.ComNummer, quint16(1));
        QCOMPARE(m_z.NetAdresse, QString());
        QCOMPARE(m_z.NetPort, 8000);
        for (int nr : {1, 3, 32}) {
            LeseAnlage(m_z, ini, nr);
            const tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(nr)];
            QCOMPARE(a.Name, QStringLiteral("Anl-Nr") + QString::number(nr));
            QCOMPARE(a.Komm, QString());
            QCOMPARE(a.Datei, QString());
            QCOMPARE(a.Pfad, QDir::toNativeSeparators(m_dir.path()) + QDir::separator());
            QCOMPARE(a.Anzahl, 0);
            QVERIFY(!a.Geschlossen); // open windrows unless the plant says otherwise
        }
        QVERIFY(!QFile::exists(pfad()));
    }

    void heimordnerMitTrenner_data() {
        QTest::addColumn<QString>("heim");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("plain") << "/opt/kompost" << QDir::toNativeSeparators("/opt/kompost/");
        QTest::newRow("trailing separator") << "/opt/kompost/" << QDir::toNativeSeparators("/opt/kompost/");
        QTest::newRow("root") << "/" << QDir::toNativeSeparators("/");
    }

    void heimordnerMitTrenner() {
        QFETCH(QString, heim);
        QFETCH(QString, erwartet);
        m_z.Heimordner = heim;
        QCOMPARE(HeimordnerMitTrenner(m_z), erwartet);
    }

    void beispielDatei() {
        schreibe(pfad(), Beispiel);
        const TIniDatei ini(pfad(), Deutsch);
        LeseComEinstellungen(m_z, ini);
        LeseVerbindung(m_z, ini);
        LeseAnlage(m_z, ini, 1);
        LeseAnlage(m_z, ini, 2);
        QCOMPARE(m_z.ComNummer, quint16(2));
        QCOMPARE(m_z.SpeicherStunde, 6);
        QCOMPARE(m_z.RefTemp, 55.0);
        QCOMPARE(m_z.TimeoutKurz, quint16(300));
        const tAnlageParameter &a = m_z.Anlagen[1];
        QCOMPARE(a.Name, QStringLiteral("Miete Nord"));
        QCOMPARE(a.Komm, QStringLiteral("Grünschnitt"));
        QCOMPARE(a.Datei, QStringLiteral("C:\\Kompost\\Miete Nord_12-05-2007.CSV"));
        QCOMPARE(a.Pfad, QStringLiteral("C:\\Kompost\\"));
        QCOMPARE(a.Anzahl, 143);
        QVERIFY(a.Geschlossen);
        QCOMPARE(m_z.Anlagen[2].Name, QStringLiteral("Anl-Nr2"));
        QVERIFY(!m_z.Anlagen[2].Geschlossen);
    }

    // A record count no data file can have reads as 0, so that counting on cannot overflow.
    void anzahlAusserhalb_data() {
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("plain") << QByteArray("143") << 143;
        QTest::newRow("negative") << QByteArray("-5") << 0;
        QTest::newRow("near overflow") << QByteArray("2147483647") << 0;
        QTest::newRow("largest") << QByteArray("1000000000") << 1000000000;
    }
    void anzahlAusserhalb() {
        QFETCH(QByteArray, wert);
        QFETCH(int, anzahl);
        schreibe(pfad(), "[1]\r\nAnzahl=" + wert + "\r\n");
        const TIniDatei ini(pfad(), Deutsch);
        LeseAnlage(m_z, ini, 1);
        QCOMPARE(m_z.Anlagen[1].Anzahl, anzahl);
    }

    // Start-up settings; a value that cannot be meant takes the default.
    void comEinstellungen_data() {
        QTest::addColumn<QByteArray>("com");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("zeit");
        QTest::addColumn<double>("refTemp");
        QTest::addColumn<int>("timeout"); // TimeoutKurz was 350 before

        QTest::newRow("decimal comma, German") << QByteArray("REFTEMP=55,5") << Deutsch << 0 << 55.5 << 350;
        QTest::newRow("decimal point, German") << QByteArray("REFTEMP=55.5") << Deutsch << 0 << 55.5 << 350;
        QTest::newRow("decimal comma, English") << QByteArray("REFTEMP=55,5") << Englisch << 0 << 55.5 << 350;
        QTest::newRow("reftemp garbage") << QByteArray("REFTEMP=heiss") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("reftemp lowest") << QByteArray("REFTEMP=30") << Deutsch << 0 << 30.0 << 350;
        QTest::newRow("reftemp too high") << QByteArray("REFTEMP=1e300") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("hour 24") << QByteArray("ZEIT=24") << Deutsch << 24 << 55.0 << 350;
        QTest::newRow("hour 25") << QByteArray("ZEIT=25") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("hour -1") << QByteArray("ZEIT=-1") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("timeout 400") << QByteArray("TIMEOUT=400") << Deutsch << 0 << 55.0 << 400;
        QTest::newRow("timeout 0") << QByteArray("TIMEOUT=0") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("timeout too long") << QByteArray("TIMEOUT=65000") << Deutsch << 0 << 55.0 << 350;
        QTest::newRow("timeout garbage") << QByteArray("TIMEOUT=lang") << Deutsch << 0 << 55.0 << 350;
    }

    void comEinstellungen() {
        QFETCH(QByteArray, com);
        QFETCH(QLocale, locale);
        QFETCH(int, zeit);
        QFETCH(double, refTemp);
        QFETCH(int, timeout);
        schreibe(pfad(), "[COM]\r\n" + com + "\r\n");
        m_z.TimeoutKurz = 350;
        LeseComEinstellungen(m_z, TIniDatei(pfad(), locale));
        QCOMPARE(m_z.SpeicherStunde, zeit);
        QCOMPARE(m_z.RefTemp, refTemp);
        QCOMPARE(int(m_z.TimeoutKurz), timeout);
    }

    // The days event logs are kept: 0 keeps all, a value below 0 or none at all is 180.
    void logTage_data() {
        QTest::addColumn<QByteArray>("com");
        QTest::addColumn<int>("tage");
        QTest::newRow("missing") << QByteArray("ZEIT=6") << 180;
        QTest::newRow("30") << QByteArray("LOGTAGE=30") << 30;
        QTest::newRow("0 keeps all") << QByteArray("LOGTAGE=0") << 0;
        QTest::newRow("negative") << QByteArray("LOGTAGE=-3") << 180;
        QTest::newRow("garbage") << QByteArray("LOGTAGE=lang") << 180;
    }

    void logTage() {
        QFETCH(QByteArray, com);
        QFETCH(int, tage);
        schreibe(pfad(), "[COM]\r\n" + com + "\r\n");
        m_z.LogTage = 7;
        LeseComEinstellungen(m_z, TIniDatei(pfad(), Deutsch));
        QCOMPARE(m_z.LogTage, tage);
    }

    void verbindung_data() {
        QTest::addColumn<QByteArray>("com");
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("comNummer");
        QTest::addColumn<QString>("netAdresse");
        QTest::addColumn<int>("netPort");

        QTest::newRow("network") << QByteArray("LAYER=1\r\nNETADR=192.168.0.10\r\nNETPORT=8001") << 1 << 1
                                 << "192.168.0.10" << 8001;
        QTest::newRow("network without address") << QByteArray("LAYER=1") << 1 << 1 << "" << 8000;
        QTest::newRow("layer 2") << QByteArray("LAYER=2\r\nCOM=8") << 0 << 8 << "" << 8000;
        QTest::newRow("port 9") << QByteArray("COM=9") << 0 << 1 << "" << 8000;
        QTest::newRow("port 0") << QByteArray("COM=0") << 0 << 1 << "" << 8000;
        QTest::newRow("tcp port 0") << QByteArray("NETPORT=0") << 0 << 1 << "" << 0;
        QTest::newRow("tcp port too big") << QByteArray("NETPORT=65536") << 0 << 1 << "" << 8000;
        QTest::newRow("host name") << QByteArray("netadr=kompost.example") << 0 << 1 << "kompost.example"
                                   << 8000;
    }

    void verbindung() {
        QFETCH(QByteArray, com);
        QFETCH(int, layer);
        QFETCH(int, comNummer);
        QFETCH(QString, netAdresse);
        QFETCH(int, netPort);
        schreibe(pfad(), "[COM]\r\n" + com + "\r\n");
        LeseVerbindung(m_z, TIniDatei(pfad(), Deutsch));
        QCOMPARE(int(m_z.Layer), layer);
        QCOMPARE(int(m_z.ComNummer), comNummer);
        QCOMPARE(m_z.NetAdresse, netAdresse);
        QCOMPARE(m_z.NetPort, netPort);
    }

    // Plants beyond 32 have no section: "33" is never read, whatever the
    // displayed numbers are.
    void keineSektion33() {
        schreibe(pfad(), "[33]\r\nName=dreiunddreissig\r\n[1]\r\nName=eins\r\n");
        m_z.OptAdressen33 = true;
        TIniDatei ini(pfad(), Deutsch);
        LeseAnlage(m_z, ini, 1);
        QCOMPARE(m_z.Anlagen[1].Name, QStringLiteral("eins"));
        LeseAnlage(m_z, ini, 33);
        LeseAnlage(m_z, ini, 0);
        for (const tAnlageParameter &a : m_z.Anlagen)
            QVERIFY(a.Name != QStringLiteral("dreiunddreissig"));
        QVERIFY(!SchreibeAnlage(m_z, ini, 33));
        QVERIFY(!SchreibeAnlage(m_z, ini, 0));
        QCOMPARE(lies(pfad()), QByteArray("[33]\r\nName=dreiunddreissig\r\n[1]\r\nName=eins\r\n"));
    }

    // Name, Pfad, Komm and Geschlossen in this order; Datei and Anzahl are left alone.
    void schreibeAnlage() {
        schreibe(pfad(), Beispiel);
        TIniDatei ini(pfad(), Deutsch);
        tAnlageParameter &a = m_z.Anlagen[1];
        a.Name = QStringLiteral("Miete Süd");
        a.Komm = QStringLiteral("Laub");
        a.Pfad = QStringLiteral("D:\\Daten\\");
        a.Datei = QStringLiteral("nicht schreiben");
        a.Anzahl = 7;
        a.Geschlossen = false;
        m_z.Anlagen[3].Name = QStringLiteral("Drei");
        m_z.Anlagen[3].Geschlossen = true;
        m_z.Anlagen[3].Komm = QStringLiteral("Zeile1\r\nZeile2");
        m_z.Anlagen[3].Pfad = QStringLiteral("/srv/kompost/");
        QVERIFY(SchreibeAnlage(m_z, ini, 1));
        QVERIFY(SchreibeAnlage(m_z, ini, 3));
        QByteArray erwartet = Beispiel;
        erwartet.replace("Name=Miete Nord\r\n", "Name=Miete S\xFC"
                                                "d\r\n");
        erwartet.replace("Komm=Gr\xFCnschnitt\r\n", "Komm=Laub\r\n");
        erwartet.replace("Pfad=C:\\Kompost\\\r\n", "Pfad=D:\\Daten\\\r\n");
        erwartet.replace("Geschlossen=1\r\n", "Geschlossen=0\r\n");
        erwartet += "[3]\r\nName=Drei\r\nPfad=/srv/kompost/\r\nKomm=Zeile1 Zeile2\r\nGeschlossen=1\r\n";
        QCOMPARE(lies(pfad()), erwartet);

        TZustand neu;
        neu.Heimordner = m_dir.path();
        LeseAnlage(neu, TIniDatei(pfad(), Deutsch), 3);
        QCOMPARE(neu.Anlagen[3].Name, QStringLiteral("Drei"));
        QCOMPARE(neu.Anlagen[3].Pfad, QStringLiteral("/srv/kompost/"));
        QVERIFY(neu.Anlagen[3].Geschlossen);
    }

    void schreibeAnlageNichtSchreibbar() {
        const QString sperre = m_dir.filePath(QStringLiteral("datei"));
        schreibe(sperre, "x");
        TIniDatei ini(sperre + QStringLiteral("/O2_Tarvos.ini"), Deutsch);
        m_z.Anlagen[2].Name = QStringLiteral("Zwei");
        QVERIFY(!SchreibeAnlage(m_z, ini, 2));
        QVERIFY(!ini.LetzterFehler().isEmpty());
        QCOMPARE(m_z.Anlagen[2].Name, QStringLiteral("Zwei"));
    }
};

QTEST_GUILESS_MAIN(TestKonfiguration)
#include "tst_konfiguration.moc"

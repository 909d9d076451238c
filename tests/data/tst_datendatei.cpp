// The data file writer: file name, header, record lines byte for byte, appending,
// numbering, and what happens when the disk refuses a write.
// Every test runs under a German locale and under a US locale (decimal point,
// month first): only the file name and the first-storage date follow the
// locale, never the numbers in the file.
#include "data/UMessDaten.h"
#include "shell/UIniDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray lies(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

tAnlageMesswerte werte(std::array<qint32, 5> t, qint32 ref, qint32 o2, quint8 art, qint32 laufzeit,
                       qint32 zyklen) {
    tAnlageMesswerte w;
    for (size_t k = 0; k < 5; ++k)
        w.T[k + 1] = t[k];
    w.RefMarke = ref;
    w.O2 = o2;
    w.Betriebsart = art;
    w.Laufzeit = laufzeit;
    w.Zyklen = zyklen;
    return w;
}

// The record of the example: 9 December 2024, 14:30, 62/65/58/45/30 °C, 44 cm,
// 15.2 vol% O2, mode 3, 12 minutes, 4 cycles.
const tAnlageMesswerte Beispiel = werte({62, 65, 58, 45, 30}, 44, 152, 3, 12, 4);
const QByteArray BeispielZeile =
    "1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n";

} // namespace

class TstDatendatei : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TZustand m_z;
    std::unique_ptr<TIniDatei> m_ini;
    std::unique_ptr<TDataFile> m_datei;
    int m_lauf = 0;

    QLocale locale() const {
        QFETCH_GLOBAL(QString, localeName);
        return QLocale(localeName);
    }
    // the date of 9 December 2024 as the locale writes it in file names and header line 7
    QString datum() const {
        QFETCH_GLOBAL(QString, datumText);
        return datumText;
    }
    tAnlageParameter &anlage() { return m_z.Anlagen[1]; }

private slots:
    void initTestCase_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("datumText");
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("09.12.2024");
        QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("12/9/2024");
    }

    void init() {
        QVERIFY(m_dir.isValid());
        // each test in a folder of its own
        const QString ordner = m_dir.path() + QStringLiteral("/%1").arg(++m_lauf);
        QDir().mkpath(ordner);
        m_z = TZustand{};
        m_z.Gebietsschema = locale();
        m_z.Heimordner = ordner;
        m_z.Jetzt = [] { return QDateTime(QDate(2024, 12, 9), QTime(14, 35)); };
        anlage().Name = QStringLiteral("Miete 1");
        anlage().Pfad = ordner; // without trailing separator
        m_ini = std::make_unique<TIniDatei>(ordner + QStringLiteral("/O2_Tarvos.ini"), locale());
        m_datei = std::make_unique<TDataFile>(m_z, *m_ini);
    }

    void cleanup() {
        m_datei.reset();
        m_ini.reset();
    }

    void neuerDateiname_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pfadMitTrenner");
        QTest::addColumn<QString>("erwartet"); // %1 = date with hyphens
        QTest::newRow("blank") << "Miete 1" << false << "Miete-1_%1.CSV";
        QTest::newRow("umlaut und punkt") << "Miete Süd.2" << true << "Miete-S-d-2_%1.CSV";
        QTest::newRow("erlaubte zeichen") << "A-z_09" << false << "A-z_09_%1.CSV";
        QTest::newRow("pfadzeichen") << "a/b\\c:d" << false << "a-b-c-d_%1.CSV";
    }
    void neuerDateiname() {
        QFETCH(QString, name);
        QFETCH(bool, pfadMitTrenner);
        QFETCH(QString, erwartet);
        const QString ordner = m_z.Heimordner;
        anlage().Name = name;
        anlage().Pfad = pfadMitTrenner ? ordner + QLatin1Char('/') : ordner;
        anlage().Anzahl = 17;
        QVERIFY(m_datei->NewDataFileName(1));
        QString datumMitStrich = datum();
        datumMitStrich.replace(QLatin1Char('.'), QLatin1Char('-'))
            .replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString voll = ordner + QLatin1Char('/') + erwartet.arg(datumMitStrich);
        QCOMPARE(anlage().Datei, voll);
        QCOMPARE(anlage().Pfad, ordner + QLatin1Char('/')); // the plant keeps the separator, never two
        QCOMPARE(anlage().Anzahl, 0);
        QCOMPARE(m_ini->ReadString("1", "Datei", QString()), voll);
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 0);
        QVERIFY(!QFile::exists(voll)); // no file yet
    }

    // A folder carried over from a Windows configuration keeps its one "\\".
    void pfadMitRueckstrich() {
        anlage().Pfad = QStringLiteral("C:\\Daten\\");
        anlage().Name = QStringLiteral("M");
        QVERIFY(m_datei->NewDataFileName(1));
        QCOMPARE(anlage().Pfad, QStringLiteral("C:\\Daten\\"));
        QVERIFY(anlage().Datei.startsWith(QStringLiteral("C:\\Daten\\M_")));
    }

    // A new file: nine header lines with the company defaults, then the records.
    void neueDateiByteGenau() {
        anlage().Komm = QStringLiteral("Grünschnitt");
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        // negative temperature, numbers wider than the field, O2 below 1 and at 100
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("10.12.2024  00:05"),
                                         werte({-5, 0, -12, 100, 123456}, 0, 5, 0, 123456, 99999)));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("10.12.2024  23:59"),
                                         werte({-125, 7, 7, 7, 7}, 100, 1000, 4, 0, 0)));
        QVERIFY(m_datei->CloseDataFile(1));

        const QString datei = anlage().Datei;
        const QByteArray erwartet =
            "Firmen- Name\r\n"
            "* Text *\r\n"
            "* Text *\r\n"
            "\r\n"
            "Anlagen- Name: Miete 1\r\n"
            "Datei  - Name: " +
            datei.toLatin1() +
            "\r\n"
            "Gr\xFCnschnitt\r\n"
            "Erste Datensicherung : " +
            datum().toLatin1() +
            "\r\n"
            " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;"
            "LuefterZyklen\r\n" +
            BeispielZeile +
            "2;10.12.2024  00:05;   -5;    0;  -12;  100;123456;    0;  0,5;0;123456;99999;\r\n"
            "3;10.12.2024  23:59; -125;    7;    7;    7;    7;  100;100,0;4;    0;    0;\r\n";
        QCOMPARE(lies(datei), erwartet);
        QCOMPARE(anlage().Anzahl, 3);
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 3);
    }

    // Company lines come from [Firma] as they are when the file is created.
    void firmenzeilenAusDerKonfiguration() {
        QVERIFY(m_ini->WriteString("Firma", "Titel", QStringLiteral("Kompostwerk Müller")));
        QVERIFY(m_ini->WriteString("Firma", "Zeile2", QStringLiteral("Hauptstraße 5")));
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->CloseDataFile(1));
        const QList<QByteArray> zeilen = lies(anlage().Datei).split('\n');
        QCOMPARE(zeilen.value(0), QByteArray("Kompostwerk M\xFCller\r"));
        QCOMPARE(zeilen.value(1), QByteArray("Hauptstra\xDF"
                                             "e 5\r"));
        QCOMPARE(zeilen.value(2), QByteArray("* Text *\r"));
    }

    // Writer and reader agree on every header field.
    void kopfZurueckGelesen() {
        anlage().Komm = QStringLiteral("Grünschnitt; Lage Nord");
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        TMessDaten m(m_z);
        QVERIFY(m.Load(anlage().Datei));
        QVERIFY(m.Valid());
        QVERIFY(m.NewLayout());
        QCOMPARE(m.Header1(), QStringLiteral("Firmen- Name"));
        QCOMPARE(m.PlantName(), QStringLiteral(" Miete 1"));
        QCOMPARE(m.FileName(), QLatin1Char(' ') + anlage().Datei);
        QCOMPARE(m.Comment1(), QStringLiteral("Grünschnitt; Lage Nord"));
        QCOMPARE(m.Comment2(), QStringLiteral("Erste Datensicherung : ") + datum());
        QCOMPARE(m.LineCount(), 1);
        QCOMPARE(m.Lines().Bytes(0), QByteArrayView(BeispielZeile).chopped(2));
    }

    // A comment with line breaks must not break the nine-line header.
    void kommentarMitZeilenumbruechen() {
        anlage().Komm = QStringLiteral("Zeile A\r\nZeile B\nZeile C\rEnde");
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        const QList<QByteArray> zeilen = lies(anlage().Datei).split('\n');
        QCOMPARE(zeilen.size(), 11); // 9 header lines, 1 record, nothing after the last CR LF
        QCOMPARE(zeilen.at(6), QByteArray("Zeile A Zeile B Zeile C Ende\r"));
        TMessDaten m(m_z);
        QVERIFY(m.Load(anlage().Datei));
        QVERIFY(m.Valid());
        QCOMPARE(m.Comment1(), QStringLiteral("Zeile A Zeile B Zeile C Ende"));
        QCOMPARE(m.LineCount(), 1);
    }

    // A second pile on the same day under the same name appends to the same file,
    // without a second header, and numbers on after its last record, so that
    // no record number appears twice in a file.
    void zweiteMieteAmSelbenTag() {
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        const QString ersteDatei = anlage().Datei;

        QVERIFY(m_datei->NewDataFileName(1));
        QCOMPARE(anlage().Datei, ersteDatei);
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  16:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));

        const QList<QByteArray> zeilen = lies(ersteDatei).split('\n');
        QCOMPARE(zeilen.size(), 9 + 3 + 1);
        QVERIFY(zeilen.at(9).startsWith("1;09.12.2024  14:30;"));
        QVERIFY(zeilen.at(10).startsWith("2;09.12.2024  15:30;"));
        QVERIFY(zeilen.at(11).startsWith("3;09.12.2024  16:30;"));
        QCOMPARE(anlage().Anzahl, 3);
        QCOMPARE(lies(ersteDatei).count("Anlagen- Name"), 1);
    }

    // A file whose last line lost its line end (a crash in mid-write): the next
    // record starts on a line of its own, numbered after the torn one.
    void angebrocheneLetzteZeile() {
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        {
            QFile f(anlage().Datei);
            QVERIFY(f.open(QIODevice::Append));
            f.write("2;09.12.2024  15:");
        }
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  16:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(
            lies(anlage().Datei)
                .endsWith("\r\n2;09.12.2024  15:\r\n3;09.12.2024  16:30;   62;   65;   58;   45;   30;   44; "
                          "15,2;3;   12;    4;\r\n"));
    }

    // Numbering goes on from the stored count (after a restart the count comes from "Anzahl").
    void zaehlungGehtWeiter() {
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        // a new run: the plant record as it is read back from the configuration
        const QString datei = m_ini->ReadString("1", "Datei", QString());
        const int anzahl = m_ini->ReadInteger("1", "Anzahl", -1);
        m_datei.reset();
        m_z.Anlagen[1] = tAnlageParameter{};
        anlage().Name = QStringLiteral("Miete 1");
        anlage().Datei = datei;
        anlage().Anzahl = anzahl;
        m_datei = std::make_unique<TDataFile>(m_z, *m_ini);
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("10.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(lies(datei).endsWith(
            "\r\n2;10.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 2);
    }

    // The file was deleted or moved while the count was not 0: the new file
    // starts at record 1, so that it can be read again.
    void verschwundeneDateiBeginntBeiEins() {
        anlage().Datei = m_z.Heimordner + QStringLiteral("/weg.CSV");
        anlage().Anzahl = 143;
        QVERIFY(m_ini->WriteInteger("1", "Anzahl", 143));
        QVERIFY(m_datei->OpenDataFile(1));
        QCOMPARE(anlage().Anzahl, 0);
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 0); // also if the program stops before closing
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        TMessDaten m(m_z);
        QVERIFY(m.Load(anlage().Datei));
        QVERIFY(m.Valid());
        QCOMPARE(m.LineCount(), 1);
    }

    // Each record is in the file as soon as WriteDataRecord returns, before the file is closed.
    void jederDatensatzSofortInDerDatei() {
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(lies(anlage().Datei).endsWith(BeispielZeile));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:30"), Beispiel));
        QVERIFY(
            lies(anlage().Datei)
                .endsWith(
                    "\r\n2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
        QVERIFY(m_datei->IsOpen());
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(!m_datei->IsOpen());
    }

    // Where the numbering goes on when a file is opened for appending: after
    // the last line that carries a record number, whatever "Anzahl" says.
    void letzteNummer_data() {
        QTest::addColumn<QByteArray>("saetze");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("erwartet");
        const QByteArray r =
            ";09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n";
        QTest::newRow("nur kopf") << QByteArray() << 7 << 0;
        QTest::newRow("zaehler zurueck") << QByteArray("1" + r + "2" + r + "3" + r) << 1 << 3;
        QTest::newRow("zaehler voraus") << QByteArray("1" + r + "2" + r) << 40 << 2;
        QTest::newRow("abgerissen nach nummer") << QByteArray("1" + r + "2;09.12.20") << 1 << 2;
        QTest::newRow("abgerissen in nummer") << QByteArray("1" + r + "12" + r + "13") << 0 << 12;
        QTest::newRow("leerzeilen am ende") << QByteArray("1" + r + "5" + r + "\r\n\r\n") << 0 << 5;
        QTest::newRow("nummer zu gross") << QByteArray("1" + r + "9999999999" + r) << 0 << 1;
        QTest::newRow("nur lf") << QByteArray("1" + r.chopped(2) + "\n2" + r.chopped(2) + "\n") << 0 << 2;
    }
    void letzteNummer() {
        QFETCH(QByteArray, saetze);
        QFETCH(int, anzahl);
        QFETCH(int, erwartet);
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->CloseDataFile(1));
        {
            QFile f(anlage().Datei);
            QVERIFY(f.open(QIODevice::Append));
            f.write(saetze);
        }
        anlage().Anzahl = anzahl;
        QVERIFY(m_datei->OpenDataFile(1));
        QCOMPARE(anlage().Anzahl, erwartet);
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), erwartet);
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("10.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(
            lies(anlage().Datei)
                .endsWith("\n" + QByteArray::number(erwartet + 1) +
                          ";10.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
    }

    // A file at the plant's name that is not a data file (no header, a torn
    // header, someone else's table) is left alone; an empty one gets its header.
    void fremdeOderLeereDatei_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("angehaengt");
        QTest::newRow("leer") << QByteArray() << true;
        QTest::newRow("fremde tabelle") << QByteArray("Artikel;Menge\r\nKompost;12\r\n") << false;
        QTest::newRow("kopf abgerissen") << QByteArray("Firmen- Name\r\n* Text *\r\n* Te") << false;
        QTest::newRow("zehn zeilen ohne satz 1")
            << QByteArray("a\r\nb\r\nc\r\n\r\nd\r\ne\r\nf\r\ng\r\nh\r\n2;x;\r\n") << false;
    }
    void fremdeOderLeereDatei() {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, angehaengt);
        const QString pfad = m_z.Heimordner + QStringLiteral("/vorhanden.CSV");
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        anlage().Datei = pfad;
        QCOMPARE(m_datei->OpenDataFile(1), angehaengt);
        if (!angehaengt) {
            QVERIFY(!m_datei->IsOpen());
            QVERIFY2(m_datei->LastError().contains(QStringLiteral("vorhanden.CSV")),
                     qPrintable(m_datei->LastError()));
            QCOMPARE(lies(pfad), inhalt);
            return;
        }
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        TMessDaten m(m_z);
        QVERIFY(m.Load(pfad));
        QVERIFY(m.Valid());
        QCOMPARE(m.LineCount(), 1);
    }

    // A plant without a data file whose new file cannot be created keeps its
    // configuration as it was: no new "Datei", no "Anzahl" reset.
    void nichtsGeaendertOhneDatei() {
        QVERIFY(m_ini->WriteString("1", "Datei", QStringLiteral("alt.CSV")));
        QVERIFY(m_ini->WriteInteger("1", "Anzahl", 17));
        anlage().Pfad = m_z.Heimordner + QStringLiteral("/gibt/es/nicht");
        QVERIFY(!m_datei->OpenDataFile(1));
        QVERIFY(anlage().Datei.isEmpty());
        QCOMPARE(anlage().Pfad, m_z.Heimordner + QStringLiteral("/gibt/es/nicht"));
        QCOMPARE(m_ini->ReadString("1", "Datei", QString()), QStringLiteral("alt.CSV"));
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 17);
    }

    // A data folder whose name the configuration cannot hold ("Łódź" is not
    // in Windows-1252): no file name is chosen, no file created, no key written.
    void ordnerAusserhalbDerCodepage() {
        const QString ordner = m_z.Heimordner + QStringLiteral("/Łódź");
        QVERIFY(QDir().mkpath(ordner));
        QVERIFY(m_ini->WriteString("1", "Datei", QStringLiteral("alt.CSV")));
        QVERIFY(m_ini->WriteInteger("1", "Anzahl", 5));
        const QByteArray vorher = lies(m_ini->DateiName());
        anlage().Pfad = ordner;
        anlage().Anzahl = 5;
        QVERIFY(!m_datei->NewDataFileName(1));
        QVERIFY2(m_datei->LastError().contains(QStringLiteral("Łódź")), qPrintable(m_datei->LastError()));
        QVERIFY(anlage().Datei.isEmpty());
        QCOMPARE(anlage().Anzahl, 5);
        QVERIFY(!m_datei->OpenDataFile(1));
        QVERIFY(!m_datei->IsOpen());
        QVERIFY(QDir(ordner).entryList(QDir::Files).isEmpty());
        QCOMPARE(lies(m_ini->DateiName()), vorher);
        // a stored file name that leads there is refused as well
        anlage().Datei = ordner + QStringLiteral("/Miete.CSV");
        QVERIFY(!m_datei->OpenDataFile(1));
        QCOMPARE(lies(m_ini->DateiName()), vorher);
    }

    void fehlerhafteAufrufe() {
        // no such folder: nothing is open afterwards
        anlage().Pfad = m_z.Heimordner + QStringLiteral("/gibt/es/nicht");
        QVERIFY(!m_datei->OpenDataFile(1));
        QVERIFY(!m_datei->IsOpen());
        QVERIFY(!m_datei->LastError().isEmpty());
        // writing without an open file
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        // plant numbers outside 1..32
        QVERIFY(!m_datei->OpenDataFile(0));
        QVERIFY(!m_datei->OpenDataFile(33));
        QVERIFY(!m_datei->NewDataFileName(33));
        QVERIFY(!m_datei->CloseDataFile(-1));
    }

    // The disk refuses the data: the write fails, and closing reports that the
    // data cannot be confirmed on the disk; "Anzahl" is then not written.
    void schreibUndSchliessfehler() {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        QVERIFY(m_ini->WriteInteger("1", "Anzahl", 42));
        anlage().Datei = QStringLiteral("/dev/full");
        anlage().Anzahl = 42;
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QCOMPARE(anlage().Anzahl, 43); // the count stays increased
        QVERIFY(!m_datei->CloseDataFile(1));
        QVERIFY(!m_datei->LastError().isEmpty());
        QVERIFY(!m_datei->IsOpen());
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 42);
    }

#if defined(Q_OS_LINUX)
    // A disk that fills up in the middle of a header or a record line: a file
    // without its whole header is not left behind, and a part of a line is taken back.
    void plattenvollMittenInDerZeile() {
        struct Grenze {
            rlimit alt{};
            explicit Grenze(rlim_t bytes) {
                getrlimit(RLIMIT_FSIZE, &alt);
                rlimit neu = alt;
                neu.rlim_cur = bytes;
                setrlimit(RLIMIT_FSIZE, &neu);
            }
            ~Grenze() { setrlimit(RLIMIT_FSIZE, &alt); }
        };
        const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);

        {
            Grenze g(100); // less than the header
            QVERIFY(!m_datei->OpenDataFile(1));
        }
        QVERIFY(!QFile::exists(anlage().Datei));
        QVERIFY(!m_datei->IsOpen());

        QVERIFY(m_datei->OpenDataFile(1));
        const qint64 kopf = QFileInfo(anlage().Datei).size();
        {
            Grenze g(static_cast<rlim_t>(kopf + 30)); // the record line does not fit
            QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
            // the system's reason for the short write, never the toolkit's "Unknown error"
            QVERIFY2(!m_datei->LastError().contains(QStringLiteral("Unknown error")),
                     qPrintable(m_datei->LastError()));
            QVERIFY2(m_datei->LastError().contains(QStringLiteral("large")),
                     qPrintable(m_datei->LastError()));
        }
        QCOMPARE(QFileInfo(anlage().Datei).size(), kopf);
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        std::signal(SIGXFSZ, altesSignal);
        QVERIFY(lies(anlage().Datei)
                    .endsWith("LuefterZyklen\r\n2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; "
                              "15,2;3;   12;    4;\r\n"));
    }
#endif
};

QTEST_GUILESS_MAIN(TstDatendatei)
#include "tst_datendatei.moc"

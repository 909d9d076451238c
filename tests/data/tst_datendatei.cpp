// The data file writer: file name, header, record lines byte for byte, appending,
// numbering, and what happens when the disk refuses a write.
// Every test runs under a German locale and under a US locale (decimal point,
// month first): only the file name and the first-storage date follow the
// locale, never the numbers in the file.
#include "data/UMessDaten.h"
#include "shell/UCp1252.h"
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

// The record lines reported as written: number and storage time.
struct TEreignisAufzeichner : IEreignisse {
    QStringList ereignisse;
    void DatensatzGeschrieben(int, const QString &, qint32 nr, const QString &zeit,
                              const tAnlageMesswerte &) override {
        ereignisse.append(QString::number(nr) + QLatin1Char(' ') + zeit);
    }
};

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
        // (on Windows the separator added is "\\", the folder keeps its own)
        QCOMPARE(QDir::fromNativeSeparators(anlage().Datei), voll);
        QCOMPARE(QDir::fromNativeSeparators(anlage().Pfad),
                 ordner + QLatin1Char('/')); // the plant keeps the separator, never two
        QCOMPARE(anlage().Anzahl, 0);
        QCOMPARE(m_ini->ReadString("1", "Datei", QString()), anlage().Datei);
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

    // A second pile on the same day under the same name gets a file of its
    // own ("_2", then "_3", ...): its proof must not count the first pile's
    // records. Each file has one header and numbers from 1; the first stays
    // as it was, and the newest of them is found.
    void zweiteMieteAmSelbenTag() {
        anlage().Name = QStringLiteral("Miete 1");
        QStringList dateien;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(m_datei->NewDataFileName(1));
            QVERIFY(m_datei->OpenDataFile(1));
            for (int r = 0; r <= i; ++r)
                QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  1%1:30").arg(r), Beispiel));
            QVERIFY(m_datei->CloseDataFile(1));
            dateien.append(QDir::fromNativeSeparators(anlage().Datei));
            QCOMPARE(anlage().Anzahl, i + 1);
            QFile f(dateien.last());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime(QDate(2024, 12, 9), QTime(20, i)),
                                  QFileDevice::FileModificationTime));
        }
        const QString basis = TDataFile::DateiNameFuer(anlage().Name, m_z.Jetzt().date(), m_z.Gebietsschema);
        QCOMPARE(QFileInfo(dateien.at(0)).fileName(), basis);
        QCOMPARE(QFileInfo(dateien.at(1)).fileName(), basis.chopped(4) + QStringLiteral("_2.CSV"));
        QCOMPARE(QFileInfo(dateien.at(2)).fileName(), basis.chopped(4) + QStringLiteral("_3.CSV"));
        for (int i = 0; i < 3; ++i) {
            const QList<QByteArray> zeilen = lies(dateien.at(i)).split('\n');
            QCOMPARE(zeilen.size(), 9 + i + 1 + 1);
            QVERIFY(zeilen.at(9).startsWith("1;09.12.2024  10:30;"));
            QCOMPARE(lies(dateien.at(i)).count("Anlagen- Name"), 1);
        }
        QCOMPARE(
            TDataFile::FreierDateiName(anlage().Pfad, anlage().Name, m_z.Jetzt().date(), m_z.Gebietsschema),
            basis.chopped(4) + QStringLiteral("_4.CSV"));
        QCOMPARE(QDir::fromNativeSeparators(m_datei->NeuesteDatendatei(1)), dateien.at(2));
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

    // A data folder whose names hold umlauts, deeper than the 260 characters
    // of a Windows path of old: the file is made, written record by record
    // (each synced), named in its header in Windows-1252, continued with the
    // next number, its free space known; the configuration keeps its name.
    void langerOrdnerMitUmlauten() {
        QString ordner = m_z.Heimordner;
        while (ordner.size() < 300)
            ordner += QStringLiteral("/Kompostplatz S\u00fcd Gr\u00f6\u00dfe \u00d6");
        QVERIFY(QDir().mkpath(ordner));
        anlage().Pfad = ordner;
        QVERIFY(m_datei->NewDataFileName(1));
        const QString datei = anlage().Datei;
        QVERIFY(datei.size() > 300);
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->PlatzFuer(10) == 10);
        QVERIFY2(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel),
                 qPrintable(m_datei->LastError()));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY2(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:30"), Beispiel),
                 qPrintable(m_datei->LastError()));
        QVERIFY(m_datei->CloseDataFile(1));

        const QByteArray inhalt = lies(datei);
        QVERIFY2(inhalt.contains("\r\nDatei  - Name: " + Cp1252::encode(datei) + "\r\n"), inhalt.constData());
        QVERIFY(inhalt.contains("\r\n" + BeispielZeile));
        QVERIFY(inhalt.endsWith(
            "\r\n2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
        QCOMPARE(anlage().Anzahl, 2);
        QCOMPARE(m_ini->ReadString("1", "Datei", QString()), datei);
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

    // The disk refuses the data: the write fails (the record is kept, the
    // count says what is in the file), and closing reports that the data
    // cannot be confirmed on the disk; "Anzahl" is then not written.
    void schreibUndSchliessfehler() {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        QVERIFY(m_ini->WriteInteger("1", "Anzahl", 42));
        anlage().Datei = QStringLiteral("/dev/full");
        anlage().Anzahl = 42;
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QCOMPARE(anlage().Anzahl, 42);
        QCOMPARE(m_datei->Gehalten().Anzahl(1), 1);
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
        QCOMPARE(anlage().Anzahl, 0);
        // The refused record was kept: it goes in first, then the next, numbered on.
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        std::signal(SIGXFSZ, altesSignal);
        QVERIFY(lies(anlage().Datei)
                    .endsWith(
                        "LuefterZyklen\r\n" + BeispielZeile +
                        "2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
        QVERIFY(m_datei->Gehalten().Leer());
    }
#endif

    // ------------------------------------------------------------ kept records

    // The disk refuses the second record line: it is kept (with the one after
    // it, behind it), the count says what is in the file, and the list is on
    // the disk at once, so that a kill right after loses nothing. When the
    // disk takes lines again the kept ones go in first, in order, numbered
    // on, each reported once it is on the disk.
    void gehalteneDatensaetze() {
        TEreignisAufzeichner hoerer;
        m_datei->SetzeEreignisse(&hoerer);
        bool voll = false;
        m_datei->Schreibsperre = [&](const QString &, const QByteArray &) {
            return voll ? QStringLiteral("Kein Platz auf dem Gerät") : QString();
        };
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        voll = true;
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:45"), Beispiel));
        QVERIFY2(m_datei->LastError().contains(QStringLiteral("Kein Platz auf dem Gerät")),
                 qPrintable(m_datei->LastError()));
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  15:00"),
                                          werte({-5, 0, 1, 2, 3}, 100, 209, 2, 7, 8)));
        QCOMPARE(anlage().Anzahl, 1);
        QCOMPARE(m_datei->Gehalten().Anzahl(1), 2);
        const QString liste = m_z.Heimordner + QStringLiteral("/Gehaltene_Datensaetze.CSV");
        QCOMPARE(m_datei->Gehalten().Datei(), liste);
        const QByteArray datei = QDir::fromNativeSeparators(anlage().Datei).toLatin1();
        QCOMPARE(lies(liste),
                 "Gehaltene Datensaetze;Stand;2\r\n"
                 "Anlage;Speicherzeit;T5;T4;T3;T2;T1;RefMarke;O2[0,1vol%];Betriebsart;Luefter;Statuswert;"
                 "Luefterlaufzeit;LuefterZyklen;Nummer;Roh;Datei\r\n"
                 "1;09.12.2024  14:45;62;65;58;45;30;44;152;3;0;255;12;4;2;;" +
                     datei +
                     "\r\n"
                     "1;09.12.2024  15:00;-5;0;1;2;3;100;209;2;0;255;7;8;3;;" +
                     datei + "\r\n");
        QVERIFY(m_datei->CloseDataFile(1));
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 1);

        // The disk still full: nothing is written, nothing is lost.
        QVERIFY(!m_datei->GehalteneSchreiben(1));
        QCOMPARE(m_datei->Gehalten().Anzahl(1), 2);
        voll = false;
        hoerer.ereignisse.clear();
        QVERIFY(m_datei->GehalteneSchreiben(1));
        QVERIFY(m_datei->Gehalten().Leer());
        QVERIFY(!QFile::exists(liste));
        QVERIFY(!m_datei->IsOpen());
        const QList<QByteArray> zeilen = lies(anlage().Datei).split('\n');
        QCOMPARE(zeilen.size(), 9 + 3 + 1);
        QVERIFY(zeilen.at(9).startsWith("1;09.12.2024  14:30;"));
        QVERIFY(zeilen.at(10).startsWith("2;09.12.2024  14:45;"));
        QCOMPARE(zeilen.at(11),
                 QByteArray("3;09.12.2024  15:00;   -5;    0;    1;    2;    3;  100; 20,9;2;    "
                            "7;    8;\r"));
        QCOMPARE(hoerer.ereignisse, QStringList({"2 09.12.2024  14:45", "3 09.12.2024  15:00"}));
        QCOMPARE(anlage().Anzahl, 3);
        QCOMPARE(m_ini->ReadInteger("1", "Anzahl", -1), 3);
        m_datei->SetzeEreignisse(nullptr);
    }

    // A kept record outlives the program: a new run (here without any
    // orderly end, as after a kill) reads the list back and writes the record
    // into the file it belongs to, numbered on, also when the plant's pile
    // has moved on to another file since.
    void gehaltenUeberNeustart() {
        bool voll = false;
        m_datei->Schreibsperre = [&](const QString &, const QByteArray &) {
            return voll ? QStringLiteral("Kein Platz auf dem Gerät") : QString();
        };
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        voll = true;
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:45"), Beispiel));
        const QString alteDatei = anlage().Datei;
        // No end, no closing, as with kill -9: the old writer goes only when the test does.
        const std::unique_ptr<TDataFile> getoetet = std::move(m_datei);

        anlage().Datei = m_z.Heimordner + QStringLiteral("/Neue-Miete.CSV");
        anlage().Anzahl = 0;
        m_datei = std::make_unique<TDataFile>(m_z, *m_ini);
        QVERIFY(m_datei->GehalteneLaden());
        QCOMPARE(m_datei->Gehalten().Anzahl(1), 1);
        QCOMPARE(QDir::fromNativeSeparators(m_datei->Gehalten().VonAnlage(1).at(0).Datei),
                 QDir::fromNativeSeparators(alteDatei));
        QVERIFY(m_datei->GehalteneSchreiben(1));
        QVERIFY(lies(alteDatei).endsWith(
            "\r\n2;09.12.2024  14:45;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;\r\n"));
        // the plant's own file and count are not touched
        QVERIFY(!QFile::exists(anlage().Datei));
        QCOMPARE(anlage().Anzahl, 0);
        QVERIFY(!QFile::exists(m_z.Heimordner + QStringLiteral("/Gehaltene_Datensaetze.CSV")));
    }

    // The home folder cannot take the list (here a folder stands where the
    // file would): it goes to the second folder and is read back from there;
    // a stale copy of an older "Stand" is never read in its place.
    void gehaltenImZweitenOrdner() {
        const QString zweiter = m_z.Heimordner + QStringLiteral("/zweiter");
        const QString sperre = m_z.Heimordner + QStringLiteral("/Gehaltene_Datensaetze.CSV");
        QVERIFY(QDir().mkpath(sperre));
        m_datei->SetzeAusweichordner(zweiter);
        m_datei->Schreibsperre = [](const QString &, const QByteArray &b) {
            return b.startsWith("2;") ? QStringLiteral("E/A-Fehler") : QString();
        };
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(!m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:45"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(!m_datei->Gehalten().Ungesichert());
        QCOMPARE(m_datei->Gehalten().Datei(), zweiter + QStringLiteral("/Gehaltene_Datensaetze.CSV"));
        // an older list left in the home folder, once it can hold one again
        QVERIFY(QDir().rmdir(sperre));
        {
            QFile f(sperre);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Gehaltene Datensaetze;Stand;0\r\nAnlage;...\r\n1;01.12.2024  "
                    "00:00;1;1;1;1;1;100;1;0;0;0;0;0;" +
                    anlage().Datei.toLatin1() + "\r\n");
        }

        TDataFile neu(m_z, *m_ini);
        neu.SetzeAusweichordner(zweiter);
        QVERIFY(neu.GehalteneLaden());
        const QList<tGehaltenerDatensatz> gelesen = neu.Gehalten().VonAnlage(1);
        QCOMPARE(gelesen.size(), 1);
        QCOMPARE(gelesen.at(0).Zeit, QStringLiteral("09.12.2024  14:45"));
        QCOMPARE(gelesen.at(0).Werte.T, Beispiel.T);
        QCOMPARE(gelesen.at(0).Werte.O2, 152);
        m_datei.reset();
        QVERIFY(neu.GehalteneSchreiben(1));
        QVERIFY(lies(anlage().Datei)
                    .endsWith("\r\n2;09.12.2024  14:45;   62;   65;   58;   45;   30;   44; "
                              "15,2;3;   12;    4;\r\n"));
        // nothing left to be read twice at the next start
        QVERIFY(!QFile::exists(sperre));
        QVERIFY(!QFile::exists(zweiter + QStringLiteral("/Gehaltene_Datensaetze.CSV")));
    }

    // How many of 600 announced records the disk has room for: every line
    // reckoned at its real length with a margin (not 200 bytes), a reserve
    // kept free; unknown free space asks for all.
    void platzFuer_data() {
        QTest::addColumn<qint64>("frei"); // -2: room for exactly 300 lines
        QTest::addColumn<int>("erwartet");
        QTest::newRow("unbekannt") << qint64(-1) << 600;
        QTest::newRow("voll") << qint64(0) << 0;
        QTest::newRow("nur die reserve") << TDataFile::Reserve << 0;
        QTest::newRow("300 zeilen") << qint64(-2) << 300;
        QTest::newRow("reichlich") << qint64(1) << 600;
    }
    void platzFuer() {
        QFETCH(qint64, frei);
        QFETCH(int, erwartet);
        const qint64 zeile = TDataFile::Zeilenbedarf(600);
        QVERIFY2(zeile < 110, qPrintable(QString::number(zeile))); // real lines are some 80 bytes
        if (frei == -2)
            frei = TDataFile::Reserve + 300 * zeile + zeile / 2;
        else if (frei == 1)
            frei = qint64(1) << 40;
        m_datei->Platzabfrage = [frei](const QString &) { return frei; };
        QVERIFY(m_datei->OpenDataFile(1));
        QCOMPARE(m_datei->PlatzFuer(600), erwartet);
        if (erwartet < 600)
            QVERIFY2(m_datei->LastError().contains(QStringLiteral("es fehlen")),
                     qPrintable(m_datei->LastError()));
        QVERIFY(m_datei->CloseDataFile(1));
    }

    // A configuration that cannot be written does not make the readout's
    // writes fail: the records are on the disk, the reason is told apart.
    void konfigurationNichtBeschreibbar() {
        m_ini->Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->KonfigurationsFehler().contains(QStringLiteral("Schreibgeschützt")));
        QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY2(m_datei->KonfigurationsFehler().contains(QStringLiteral("O2_Tarvos.ini")),
                 qPrintable(m_datei->KonfigurationsFehler()));
        QVERIFY(lies(anlage().Datei).endsWith(BeispielZeile));
        m_ini->Schreibsperre = nullptr;
        QVERIFY(m_datei->OpenDataFile(1));
        QVERIFY(m_datei->CloseDataFile(1));
        QVERIFY(m_datei->KonfigurationsFehler().isEmpty());
    }

    // The newest data file of a plant's pile in its folder: named for it on
    // any day, a data file of that plant name, the one written last.
    void neuesteDatendatei() {
        QVERIFY(m_datei->NeuesteDatendatei(1).isEmpty());
        QStringList dateien;
        for (int tag : {1, 5, 6}) {
            m_z.Jetzt = [tag] { return QDateTime(QDate(2024, 12, tag), QTime(8, 0)); };
            anlage().Datei.clear();
            anlage().Name = tag == 6 ? QStringLiteral("Miete 1 Nord") : QStringLiteral("Miete 1");
            QVERIFY(m_datei->OpenDataFile(1));
            QVERIFY(m_datei->WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), Beispiel));
            QVERIFY(m_datei->CloseDataFile(1));
            dateien.append(anlage().Datei);
            QFile f(anlage().Datei);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime(QDate(2024, 12, tag), QTime(20, 0)),
                                  QFileDevice::FileModificationTime));
        }
        // a newer file of the name that is no data file
        const QString fremd = QFileInfo(dateien.at(1)).path() + QStringLiteral("/Miete-1_07-12-2024.CSV");
        {
            QFile f(fremd);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Artikel;Menge\r\n");
        }
        anlage().Name = QStringLiteral("Miete 1");
        QCOMPARE(QDir::fromNativeSeparators(m_datei->NeuesteDatendatei(1)),
                 QDir::fromNativeSeparators(dateien.at(1)));
    }
};

QTEST_GUILESS_MAIN(TstDatendatei)
#include "tst_datendatei.moc"

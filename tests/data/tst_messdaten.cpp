// The series model: recognising a data file's layout, reading its record
// lines field by field, the nine series with their placeholder point, one
// value per day, the day-end collapsing, °F/inch, and the chart description.
// Every test runs under a German and under a US locale: the file's numbers
// and dates never follow the locale, only the labels do.
#include "Zeitzone.h"
#include "data/UMessDaten.h"
#include "shell/UCp1252.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArrayList Kopf = {
    "Kompostwerk M\xFCller",
    "* Text *",
    "* Text *",
    "",
    "Anlagen- Name: Miete1",
    "Datei  - Name: C:\\Daten\\Miete1_09-12-2024.CSV",
    "Gr\xFCnschnitt",
    "Erste Datensicherung : 09.12.2024",
    " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen",
};

const QByteArray Beispiel = "1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;";

// A record line as the writer writes it (without line end).
QByteArray satz(int nr, const QString &zeit, std::array<qint32, 5> t, qint32 o2 = 152, qint32 laufzeit = 12,
                qint32 zyklen = 4) {
    tAnlageMesswerte w;
    for (size_t k = 0; k < 5; ++k)
        w.T[k + 1] = t[k];
    w.RefMarke = 44;
    w.O2 = o2;
    w.Betriebsart = 3;
    w.Laufzeit = laufzeit;
    w.Zyklen = zyklen;
    return TDataFile::RecordLine(nr, zeit, w).chopped(2);
}

QList<double> punkte(const TMessSerie &s) {
    return s.Werte();
}

} // namespace

class TstMessdaten : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TZustand m_z;
    int m_nr = 0;

    QString datei(const QByteArrayList &zeilen, const QByteArray &ende = "\r\n") {
        const QString pfad = m_dir.filePath(QStringLiteral("d%1.CSV").arg(++m_nr));
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        for (const QByteArray &z : zeilen)
            f.write(z + ende);
        return pfad;
    }
    QString mitKopf(const QByteArrayList &saetze) { return datei(Kopf + saetze); }

    QString label(const QDate &d, const QString &uhrzeit) const {
        QFETCH_GLOBAL(QString, localeName);
        const QLocale l(localeName);
        QString f = l.dateFormat(QLocale::ShortFormat);
        if (!f.contains(QLatin1String("yyyy")))
            f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        return l.toString(d, f) + QStringLiteral("  ") + uhrzeit;
    }

private slots:
    void initTestCase_data() {
        QTest::addColumn<QString>("localeName");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
        QTest::newRow("en_US") << QStringLiteral("en_US");
    }

    void init() {
        QFETCH_GLOBAL(QString, localeName);
        QVERIFY(m_dir.isValid());
        m_z = TZustand{};
        m_z.Gebietsschema = QLocale(localeName);
        m_z.RefTemp = 55.0;
        m_z.RefText = QStringLiteral("s 55°C[cm]");
    }

    // --------------------------------------------------------------- Load

    void aktuelleAnordnung() {
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({Beispiel, satz(2, "09.12.2024  15:30", {1, 2, 3, 4, 5})})));
        QVERIFY(m.Valid());
        QVERIFY(m.NewLayout());
        QCOMPARE(m.Header1(), QStringLiteral("Kompostwerk Müller"));
        QCOMPARE(m.Header2(), QStringLiteral("* Text *"));
        QCOMPARE(m.Header3(), QStringLiteral("* Text *"));
        QCOMPARE(m.PlantName(), QStringLiteral(" Miete1"));
        QCOMPARE(m.FileName(), QStringLiteral(" C:\\Daten\\Miete1_09-12-2024.CSV")); // drive colon kept
        QCOMPARE(m.Comment1(), QStringLiteral("Grünschnitt"));
        QCOMPARE(m.Comment2(), QStringLiteral("Erste Datensicherung : 09.12.2024"));
        QCOMPARE(m.LineCount(), 2);
        QCOMPARE(m.Lines().at(0), QString::fromLatin1(Beispiel));
    }

    void fruehereAnordnung() {
        const QByteArrayList zeilen = {
            "Firma",
            "Zeile 2",
            "Zeile 3",
            "Anlagen- Name: Alt",
            "Datei  - Name: C:\\alt.CSV",
            "wird nicht gelesen",
            "Erste Datensicherung : 01.02.2003",
            " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke;O2;Betriebsart",
            "1;01.02.2003  10:00;   60;   58;   55;   40;   30;   50;  152;2;   10;    3;",
            "2;01.02.2003  11:00;   60;   58;   55;   40;   30;   50;   95;2;   10;    3;"};
        TMessDaten m(m_z);
        QVERIFY(m.Load(datei(zeilen)));
        QVERIFY(m.Valid());
        QVERIFY(!m.NewLayout());
        QCOMPARE(m.Header1(), QStringLiteral("Firma"));
        QCOMPARE(m.PlantName(), QStringLiteral(" Alt"));
        QCOMPARE(m.FileName(), QStringLiteral(" C:\\alt.CSV"));
        QCOMPARE(m.Comment1(), QString());
        QCOMPARE(m.Comment2(), QStringLiteral("Erste Datensicherung : 01.02.2003"));
        QCOMPARE(m.LineCount(), 2);
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(punkte(m.O2Series()), (QList<double>{0.0, 15.2, 9.5})); // tenths in the earlier layout
        QCOMPARE(punkte(m.FanTimeSeries()), (QList<double>{0.0, 10.0, 10.0}));
        QCOMPARE(punkte(m.FanCyclesSeries()), (QList<double>{0.0, 3.0, 3.0}));
    }

    void kopfzeilen_data() {
        QTest::addColumn<QByteArray>("zeile4");
        QTest::addColumn<QByteArray>("spaltentitel");
        QTest::addColumn<QString>("plantName");
        QTest::newRow("ohne doppelpunkt")
            << QByteArray("Miete ohne Doppelpunkt") << Kopf.at(8) << QStringLiteral("Miete ohne Doppelpunkt");
        QTest::newRow("zwei doppelpunkte")
            << QByteArray("Name:Miete: Nord") << Kopf.at(8) << QStringLiteral("Miete: Nord");
        QTest::newRow("uebersetzte spaltentitel")
            << QByteArray("Plant name: M")
            << QByteArray("No;Time;T100;T75;T50;T25;T0;Depth;O2;Mode;Fan;Cycles") << QStringLiteral(" M");
    }
    void kopfzeilen() {
        QFETCH(QByteArray, zeile4);
        QFETCH(QByteArray, spaltentitel);
        QFETCH(QString, plantName);
        QByteArrayList zeilen = Kopf;
        zeilen[4] = zeile4;
        zeilen[8] = spaltentitel;
        TMessDaten m(m_z);
        QVERIFY(m.Load(datei(zeilen + QByteArrayList{Beispiel})));
        QVERIFY(m.Valid());
        QCOMPARE(m.PlantName(), plantName);
    }

    void zeilenenden_data() {
        QTest::addColumn<QByteArray>("ende");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void zeilenenden() {
        QFETCH(QByteArray, ende);
        TMessDaten m(m_z);
        QVERIFY(m.Load(
            datei(Kopf + QByteArrayList{Beispiel, satz(2, "09.12.2024  15:30", {1, 2, 3, 4, 5})}, ende)));
        QVERIFY(m.Valid());
        QCOMPARE(m.LineCount(), 2);
        QCOMPARE(m.PlantName(), QStringLiteral(" Miete1"));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.PointCount(), 2);
    }

    void ungueltigeDateien_data() {
        QTest::addColumn<QByteArrayList>("zeilen");
        const QByteArrayList acht = Kopf.mid(0, 8);
        QTest::newRow("leer") << QByteArrayList{};
        QTest::newRow("acht kopfzeilen") << acht;
        QTest::newRow("nur kopf") << Kopf;
        QTest::newRow("zeile 8 leer") << acht + QByteArrayList{"", Beispiel};
        QTest::newRow("zeile 9 leer") << Kopf + QByteArrayList{"", Beispiel};
        QTest::newRow("erste nummer 2")
            << Kopf + QByteArrayList{satz(2, "09.12.2024  14:30", {1, 2, 3, 4, 5})};
        QTest::newRow("nummer mit blank") << Kopf + QByteArrayList{" " + Beispiel};
        QTest::newRow("nummer ohne semikolon") << Kopf + QByteArrayList{"1"};
        QTest::newRow("eine kopfzeile fehlt") << Kopf.mid(1) + QByteArrayList{"x", "y", Beispiel};
    }
    void ungueltigeDateien() {
        QFETCH(QByteArrayList, zeilen);
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({Beispiel})));
        QVERIFY(m.BuildSeries(false, nullptr));
        QVERIFY(m.Load(datei(zeilen)));
        QVERIFY(!m.Valid());
        QCOMPARE(m.LineCount(), 0);
        QCOMPARE(m.Lines().count(), zeilen.size());         // the whole file
        QCOMPARE(m.PlantName(), QStringLiteral(" Miete1")); // header as it was
        QCOMPARE(m.Comment1(), QStringLiteral("Grünschnitt"));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.PointCount(), 0);
        QCOMPARE(m.TempSeries(1).Anzahl(), 1);
    }

    void nichtLesbar() {
        TMessDaten m(m_z);
        QVERIFY(!m.Load(m_dir.filePath(QStringLiteral("gibt-es-nicht.CSV"))));
        QVERIFY(!m.Valid());
        QVERIFY(m.LastError().contains(QStringLiteral("gibt-es-nicht.CSV")));
        QVERIFY(!m.Load(m_dir.path())); // a folder
        QVERIFY(!m.Valid());
        QCOMPARE(m.LineCount(), 0);
    }

    // A file an editor saved as UTF-8, with or without a byte-order mark, is
    // read as UTF-8 (no "ï»¿" before the company line, no "Ã¼" for "ü"); a
    // Windows-1252 file stays Windows-1252. The file is never rewritten, and
    // its fingerprint is that of its bytes as they were read.
    void zeichensatz_data() {
        QTest::addColumn<QByteArray>("vorspann");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<bool>("umlaute");
        QTest::newRow("Windows-1252") << QByteArray() << false << true;
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF") << true << true;
        QTest::newRow("UTF-8 ohne BOM") << QByteArray() << true << true;
        QTest::newRow("BOM, nur ASCII") << QByteArray("\xEF\xBB\xBF") << true << false;
    }
    void zeichensatz() {
        QFETCH(QByteArray, vorspann);
        QFETCH(bool, utf8);
        QFETCH(bool, umlaute);
        QByteArrayList zeilen =
            Kopf + QByteArrayList{Beispiel, satz(2, "09.12.2024  15:30", {1, 2, 3, 4, 5})};
        if (!umlaute) {
            zeilen[0] = "Kompostwerk Mueller";
            zeilen[6] = "Gruenschnitt";
        }
        if (utf8)
            for (QByteArray &z : zeilen)
                z = Cp1252::decode(z).toUtf8();
        zeilen[0].prepend(vorspann);
        const QString pfad = datei(zeilen);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray vorher = f.readAll();
        f.close();

        TMessDaten m(m_z);
        QVERIFY(m.Load(pfad));
        QVERIFY(m.Valid());
        QCOMPARE(m.Utf8(), utf8);
        QCOMPARE(m.Header1(),
                 umlaute ? QStringLiteral("Kompostwerk Müller") : QStringLiteral("Kompostwerk Mueller"));
        QCOMPARE(m.Comment1(), umlaute ? QStringLiteral("Grünschnitt") : QStringLiteral("Gruenschnitt"));
        QCOMPARE(m.PlantName(), QStringLiteral(" Miete1"));
        QCOMPARE(m.LineCount(), 2);
        QCOMPARE(m.Lines().at(0), QString::fromLatin1(Beispiel));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.PointCount(), 2);
        QCOMPARE(m.SkippedLines(), 0);
        // nothing rewritten; the fingerprint of the bytes read, the mark included
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher);
        QCOMPARE(m.Pfad(), pfad);
        QCOMPARE(m.Sha256(),
                 QString::fromLatin1(QCryptographicHash::hash(vorher, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(m.Sha256().size(), 64);
        // a file that cannot be read has no fingerprint
        QVERIFY(!m.Load(m_dir.filePath(QStringLiteral("gibt-es-nicht.CSV"))));
        QVERIFY(m.Sha256().isEmpty());
        QVERIFY(m.Pfad().isEmpty());
    }

    // The record times are the controller's clock, without time zone or
    // summer time: under every time zone of the PC a time in the hour the
    // spring change skips, or in the autumn hour that comes twice, is read,
    // labelled and subtracted as it stands.
    void zeitzonen_data() {
        QTest::addColumn<QByteArray>("zone");
        for (const char *zone : {"UTC", "Europe/Berlin", "America/New_York"})
            QTest::newRow(zone) << QByteArray(zone);
    }
    void zeitzonen() {
        QFETCH(QByteArray, zone);
        const TZeitzone tz(zone);
        if (zone == "Europe/Berlin")
            QVERIFY(TZeitzone::Uebersprungen(QDate(2026, 3, 29), QTime(2, 30)));
        if (zone == "America/New_York")
            QVERIFY(TZeitzone::Uebersprungen(QDate(2026, 3, 8), QTime(2, 30)));
        const QList<QPair<QDate, QTime>> zeiten = {
            {QDate(2026, 3, 29), QTime(1, 30)}, {QDate(2026, 3, 29), QTime(2, 0)},
            {QDate(2026, 3, 29), QTime(2, 30)}, {QDate(2026, 3, 29), QTime(3, 0)},
            {QDate(2026, 3, 8), QTime(2, 30)},  {QDate(2026, 10, 25), QTime(2, 30)},
            {QDate(2026, 10, 25), QTime(3, 0)}, {QDate(2026, 11, 1), QTime(1, 30)},
            {QDate(2026, 11, 1), QTime(2, 0)}};
        QByteArrayList saetze;
        for (qsizetype i = 0; i < zeiten.size(); ++i)
            saetze.append(satz(int(i + 1),
                               zeiten.at(i).first.toString(QStringLiteral("dd.MM.yyyy  ")) +
                                   zeiten.at(i).second.toString(QStringLiteral("hh:mm")),
                               {60, 60, 60, 60, 60}));
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf(saetze)));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.SkippedLines(), 0);
        QCOMPARE(m.PointCount(), int(zeiten.size()));
        for (qsizetype i = 0; i < zeiten.size(); ++i) {
            const QDateTime erwartet(zeiten.at(i).first, zeiten.at(i).second, Qt::UTC);
            const qint32 k = qint32(i);
            QVERIFY(m.Labels().Zeit(k).isValid());
            QCOMPARE(m.Labels().Zeit(k), erwartet);
            QCOMPARE(m.Labels().at(k),
                     label(zeiten.at(i).first, zeiten.at(i).second.toString(QStringLiteral("hh:mm"))));
            TMessDaten::TSatz s;
            QVERIFY(m.Satz(k, s));
            QVERIFY(s.Zeit.isValid());
            QCOMPARE(s.Zeit, erwartet);
        }
        // half an hour between the records of the change nights, as the controller counts
        for (qint32 i : {0, 1, 2, 5, 7})
            QCOMPARE(m.Labels().Zeit(i).secsTo(m.Labels().Zeit(i + 1)), 1800);
        // one per day: four days
        QVERIFY(m.BuildSeries(true, nullptr));
        QCOMPARE(m.PointCount(), 4);
        QCOMPARE(m.Labels().Zeit(0), QDateTime(QDate(2026, 3, 29), QTime(3, 0), Qt::UTC));
    }

    // --------------------------------------------------------------- reading record lines

    void beispielzeile() {
        const QString vorher = QLocale().name();
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({Beispiel})));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.PointCount(), 1);
        const QList<QList<double>> erwartet = {{0, 62}, {0, 65},   {0, 58}, {0, 45}, {0, 30},
                                               {0, 44}, {0, 15.2}, {0, 12}, {0, 4}};
        const QList<TMessSerie *> alle = m.AllSeries();
        QCOMPARE(alle.size(), 9);
        for (qsizetype i = 0; i < alle.size(); ++i) {
            QCOMPARE(punkte(*alle.at(i)), erwartet.at(i));
            QCOMPARE(alle.at(i)->PunktFarbe(0), Farben::Rot); // the placeholder
            QCOMPARE(alle.at(i)->PunktFarbe(1), alle.at(i)->Farbe());
        }
        QCOMPARE(m.Labels().count(), 1);
        QCOMPARE(m.Labels().at(0), label(QDate(2024, 12, 9), QStringLiteral("14:30")));
        QCOMPARE(m.Labels().Zeit(0), QDateTime(QDate(2024, 12, 9), QTime(14, 30), Qt::UTC));
        QCOMPARE(QLocale().name(), vorher);
    }

    void serienBeschreibung() {
        TMessDaten m(m_z);
        struct Soll {
            QString titel;
            TSerienArt art;
            TAchsenSeite achse;
            QString format;
            TFarbe farbe;
            TLinienStil stil;
        };
        const QList<Soll> soll = {
            {"T 100cm",
             TSerienArt::Linie,
             TAchsenSeite::Links,
             "###.#",
             {128, 0, 0},
             TLinienStil::Durchgezogen},
            {"T 75cm",
             TSerienArt::Linie,
             TAchsenSeite::Links,
             "###.#",
             {128, 0, 128},
             TLinienStil::Gepunktet},
            {"T 50cm",
             TSerienArt::Linie,
             TAchsenSeite::Links,
             "###.#",
             {255, 255, 0},
             TLinienStil::Gestrichelt},
            {"T 25cm",
             TSerienArt::Linie,
             TAchsenSeite::Links,
             "###.#",
             {255, 0, 255},
             TLinienStil::StrichPunkt},
            {"T  0cm",
             TSerienArt::Linie,
             TAchsenSeite::Links,
             "###.#",
             {0, 128, 128},
             TLinienStil::StrichPunktPunkt},
            {"s 55°C[cm]", // a depth: its own scale at the right, not the °C axis
             TSerienArt::Linie,
             TAchsenSeite::Rechts2,
             "###.#",
             {255, 0, 0},
             TLinienStil::Standard},
            {"O2", TSerienArt::Linie, TAchsenSeite::Rechts, "###.#", {0, 0, 255}, TLinienStil::Standard},
            {"Laufzeit",
             TSerienArt::Balken,
             TAchsenSeite::Links,
             "#####",
             {0, 0, 255},
             TLinienStil::Standard},
            {"Zyklen", TSerienArt::Balken, TAchsenSeite::Rechts, "#####", {255, 0, 0}, TLinienStil::Standard},
        };
        const QList<TMessSerie *> alle = m.AllSeries();
        for (qsizetype i = 0; i < soll.size(); ++i) {
            const TMessSerie &s = *alle.at(i);
            QCOMPARE(s.Titel(), soll.at(i).titel);
            QCOMPARE(s.Art(), soll.at(i).art);
            QCOMPARE(s.Achse(), soll.at(i).achse);
            QCOMPARE(s.WertFormat(), soll.at(i).format);
            QCOMPARE(s.Farbe(), soll.at(i).farbe);
            QCOMPARE(s.Stil(), soll.at(i).stil);
            QCOMPARE(s.MarkenSichtbar(), s.Art() == TSerienArt::Linie);
            QCOMPARE(s.Anzahl(), 0);
            QCOMPARE(s.Platzhalter(), 1); // point 0 is never drawn
        }
        QCOMPARE(&m.TempSeries(1), alle.at(0));
        QCOMPARE(&m.TempSeries(5), alle.at(4));
        QVERIFY(!m.FanPage());
        QVERIFY(!m.Valid());
    }

    void werteJeZeile_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QList<double>>("werte"); // T100..T0, depth, O2, run time, cycles
        QTest::newRow("beispiel") << Beispiel << QList<double>{62, 65, 58, 45, 30, 44, 15.2, 12, 4};
        QTest::newRow("tiefe neu berechnet")
            << QByteArray("1;09.12.2024  14:30;   62;   58;   50;   40;   30;   99; 15,2;3;   12;    4;")
            << QList<double>{62, 58, 50, 40, 30, 65, 15.2, 12, 4};
        QTest::newRow("negativ")
            << QByteArray("1;09.12.2024  14:30;   -5;   -3;   -2;   -1;    0;  100;  0,5;0;    0;    0;")
            << QList<double>{-5, -3, -2, -1, 0, 100, 0.5, 0, 0};
        QTest::newRow("alle ueber referenz")
            << QByteArray("1;09.12.2024  14:30;   70;   70;   60;   56;   55;    0; 20,0;3;    1;    2;")
            << QList<double>{70, 70, 60, 56, 55, 0, 20, 1, 2};
        QTest::newRow("o2 ohne nachkomma")
            << QByteArray("1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44;   21;3;   12;    4;")
            << QList<double>{62, 65, 58, 45, 30, 44, 21, 12, 4};
        QTest::newRow("ohne lueftfelder")
            << QByteArray("1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;")
            << QList<double>{62, 65, 58, 45, 30, 44, 15.2, 0, 0};
        QTest::newRow("ein feld zu viel")
            << QByteArray(
                   "1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;    9;")
            << QList<double>{62, 65, 58, 45, 30, 44, 15.2, 0, 0};
        QTest::newRow("leere luefterfelder")
            << QByteArray("1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2; ;     ;     ;")
            << QList<double>{62, 65, 58, 45, 30, 44, 15.2, 0, 0};
        QTest::newRow("letztes feld ohne semikolon")
            << QByteArray("1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2")
            << QList<double>{62, 65, 58, 45, 30, 44, 0, 0, 0};
        QTest::newRow("uhrzeit mit sekunden")
            << QByteArray("1;09.12.2024  14:30:15;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;")
            << QList<double>{62, 65, 58, 45, 30, 44, 15.2, 12, 4};
    }
    void werteJeZeile() {
        QFETCH(QByteArray, zeile);
        QFETCH(QList<double>, werte);
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({zeile})));
        QVERIFY(m.Valid());
        for (bool einJeTag : {false, true}) {
            QVERIFY2(m.BuildSeries(einJeTag, nullptr), qPrintable(m.LastError()));
            QCOMPARE(m.PointCount(), 1);
            QCOMPARE(m.Labels().count(), 1);
            const QList<TMessSerie *> alle = m.AllSeries();
            for (qsizetype i = 0; i < alle.size(); ++i) {
                QCOMPARE(alle.at(i)->Anzahl(), 2);
                QCOMPARE(alle.at(i)->Wert(1), werte.at(i));
            }
        }
    }

    // The depth is computed with the reference temperature configured now.
    void referenzTemperaturVonJetzt() {
        m_z.RefTemp = 60.0;
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({Beispiel})));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.RefSeries().Wert(1), 57.0); // 65 -> 58 crosses 60 at 7 cm above 50 cm
    }

    void fahrenheitUndZoll() {
        m_z.Metric = true;
        m_z.RefText = QStringLiteral("s 131°F[in]");
        TMessDaten m(m_z);
        QCOMPARE(m.TempSeries(1).Titel(), QStringLiteral("T 40in"));
        QCOMPARE(m.TempSeries(5).Titel(), QStringLiteral("T 0in"));
        QCOMPARE(m.RefSeries().Titel(), QStringLiteral("s 131°F[in]"));
        QVERIFY(m.Load(
            mitKopf({"1;09.12.2024  14:30;   60;   58;   55;   40;   30;   50; 15,2;3;   12;    4;",
                     "2;09.12.2024  15:30;   xx;   58;   55;   40;   30;   50; 15,2;3;   12;    4;"})));
        TDiagramm d;
        QVERIFY(m.BuildSeries(false, &d));
        QCOMPARE(m.TempSeries(3).Wert(1), 131.1);
        QCOMPARE(m.TempSeries(1).Wert(1), 140.1);
        QCOMPARE(m.RefSeries().Wert(1), 19.1);
        QCOMPARE(m.O2Series().Wert(1), 15.2);  // O2 is not converted
        QCOMPARE(m.TempSeries(1).Anzahl(), 2); // the unreadable line is no point
        QCOMPARE(m.SkippedLines(), 1);
        QCOMPARE(d.Achse(TAchsenSeite::Links).Maximum, 212.0);
        QCOMPARE(d.Achse(TAchsenSeite::Links).Titel, QStringLiteral("T[°F]"));
        // the depth scale in inch: the 100 cm sensor is at 39.1 in
        QCOMPARE(d.Achse(TAchsenSeite::Rechts2).Maximum, 40.0);
        QCOMPARE(d.Achse(TAchsenSeite::Rechts2).Titel, QStringLiteral("Tiefe[in]"));
    }

    // --------------------------------------------------------------- BuildSeries

    void einWertJeTag() {
        const QByteArrayList saetze = {
            satz(1, "08.12.2024  08:00", {10, 0, 0, 0, 0}), satz(2, "08.12.2024  12:00", {11, 0, 0, 0, 0}),
            satz(3, "08.12.2024  18:00", {12, 0, 0, 0, 0}), satz(4, "09.12.2024  09:00", {13, 0, 0, 0, 0}),
            satz(5, "09.12.2024  20:00", {14, 0, 0, 0, 0}), satz(6, "10.12.2024  07:00", {15, 0, 0, 0, 0}),
        };
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf(saetze)));
        QVERIFY(m.BuildSeries(true, nullptr));
        QCOMPARE(m.PointCount(), 3);
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 12, 14, 15}));
        QCOMPARE(m.Labels().toStringList(),
                 (QStringList{label(QDate(2024, 12, 8), "18:00"), label(QDate(2024, 12, 9), "20:00"),
                              label(QDate(2024, 12, 10), "07:00")}));
        for (TMessSerie *s : m.AllSeries())
            QCOMPARE(s->Anzahl(), 4);

        QVERIFY(m.BuildSeries(false, nullptr)); // starts again from empty series
        QCOMPARE(m.PointCount(), 6);
        QCOMPARE(m.PointCount(), m.LineCount());
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 10, 11, 12, 13, 14, 15}));
        QCOMPARE(m.Labels().count(), 6);
    }

    // An empty line is no record: one per day goes on behind it.
    void einWertJeTagUeberLeerzeile() {
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({satz(1, "08.12.2024  08:00", {10, 0, 0, 0, 0}),
                                satz(2, "09.12.2024  08:00", {11, 0, 0, 0, 0}),
                                satz(3, "09.12.2024  09:00", {12, 0, 0, 0, 0}), "",
                                satz(4, "10.12.2024  08:00", {13, 0, 0, 0, 0})})));
        QVERIFY(m.BuildSeries(true, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 10, 12, 13}));
        QCOMPARE(m.SkippedLines(), 0);
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 10, 11, 12, 13}));
        QCOMPARE(m.Labels().count(), 4);
    }

    // One per day: a day whose last line has no readable temperatures shows
    // its last record that has them; a day with none shows nothing.
    void einWertJeTagOhneUnlesbareTemperaturen() {
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf(
            {satz(1, "08.12.2024  08:00", {10, 0, 0, 0, 0}), satz(2, "08.12.2024  12:00", {11, 0, 0, 0, 0}),
             "3;08.12.2024  18:00;   xx;    0;    0;    0;    0;    0; 15,2;3;   12;    4;",
             "4;09.12.2024  18:00;   xx;    0;    0;    0;    0;    0; 15,2;3;   12;    4;",
             satz(5, "10.12.2024  07:00", {15, 0, 0, 0, 0})})));
        QVERIFY(m.BuildSeries(true, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 11, 15}));
        QCOMPARE(m.Labels().toStringList(),
                 (QStringList{label(QDate(2024, 12, 8), "12:00"), label(QDate(2024, 12, 10), "07:00")}));
        QCOMPARE(m.SkippedLines(), 2);
        QCOMPARE(m.FirstSkippedLine(), 12);
        for (TMessSerie *s : m.AllSeries())
            QCOMPARE(s->Anzahl(), 3);
    }

    void tagesende_data() {
        QTest::addColumn<QStringList>("zeiten"); // one record per entry, T100 = its number
        QTest::addColumn<QList<double>>("bleiben");
        QTest::newRow("paar in den ersten zwei zeilen bleibt")
            << QStringList{"08.12.2024  23:59", "09.12.2024  23:59", "10.12.2024  10:00"}
            << QList<double>{1, 2, 3};
        QTest::newRow("gleicher tag nach 23:59 faellt")
            << QStringList{"08.12.2024  10:00", "08.12.2024  23:59", "08.12.2024  23:59", "10.12.2024  12:00"}
            << QList<double>{1, 2, 4};
        QTest::newRow("folge faellt auf die erste ihres tages zusammen")
            << QStringList{"08.12.2024  23:59", "09.12.2024  23:59", "09.12.2024  23:59", "10.12.2024  23:59",
                           "10.12.2024  23:59", "10.12.2024  23:59", "11.12.2024  10:00", "11.12.2024  23:59"}
            << QList<double>{1, 2, 4, 7, 8};
        // stored once a day at 23:59: every day keeps its record
        QStringList taeglich;
        QList<double> alle;
        for (int i = 0; i < 15; ++i) {
            taeglich.append(QDate(2024, 12, 1).addDays(i).toString(QStringLiteral("dd.MM.yyyy  23:59")));
            alle.append(i + 1);
        }
        QTest::newRow("jeder tag um 23:59") << taeglich << alle;
        QTest::newRow("23:59 nach einer anderen zeit desselben tages")
            << QStringList{"08.12.2024  10:00", "08.12.2024  12:00", "08.12.2024  23:59", "09.12.2024  00:00"}
            << QList<double>{1, 2, 3, 4};
    }
    void tagesende() {
        QFETCH(QStringList, zeiten);
        QFETCH(QList<double>, bleiben);
        QByteArrayList saetze;
        for (qsizetype i = 0; i < zeiten.size(); ++i)
            saetze.append(satz(int(i + 1), zeiten.at(i), {qint32(i + 1), 0, 0, 0, 0}));
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf(saetze)));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)).mid(1), bleiben);
        QCOMPARE(m.LineCount(), bleiben.size()); // for good
        QCOMPARE(m.PointCount(), m.LineCount());
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)).mid(1), bleiben);
    }

    void ohneDaten() {
        TMessDaten m(m_z);
        TDiagramm d;
        for (bool einJeTag : {false, true}) {
            QVERIFY(m.BuildSeries(einJeTag, &d));
            QCOMPARE(m.PointCount(), 0);
            QVERIFY(m.Labels().isEmpty());
            for (TMessSerie *s : m.AllSeries())
                QCOMPARE(punkte(*s), QList<double>{0.0});
            QCOMPARE(d.Achse(TAchsenSeite::Unten).Maximum, 0.0);
        }
    }

    // A record line that cannot be read (a line torn by a crash, a time the
    // controller sent as text, a date that does not exist) is skipped: the
    // records after it are still plotted, and the model says how many lines
    // it skipped and where the first one is.
    void unlesbareZeileUebersprungen_data() {
        QTest::addColumn<bool>("einJeTag");
        QTest::addColumn<QByteArray>("fehlerZeile");
        QTest::addColumn<QList<double>>("t100");
        const QList<double> alle{0, 1, 2, 4, 5};
        const QList<double> jeTag{0, 1, 2, 5};
        QTest::newRow("alle, abgerissen") << false << QByteArray("3;11.12.2024  1") << alle;
        QTest::newRow("alle, 09:x") << false << QByteArray("3;11.12.2024  09:x;   62;   65;") << alle;
        QTest::newRow("alle, buchstaben") << false << QByteArray("3;xx.12.2024  14:30;   62;   65;") << alle;
        QTest::newRow("alle, 25 uhr") << false << QByteArray("3;11.12.2024  25:30;   62;   65;") << alle;
        QTest::newRow("alle, 31. november")
            << false << QByteArray("3;31.11.2024  14:30;   62;   65;") << alle;
        QTest::newRow("alle, nur nummer") << false << QByteArray("3;") << alle;
        // the time reads, the temperatures do not: no reading of the pile, no row of 0 °C
        QTest::newRow("alle, buchstaben in temperatur")
            << false
            << QByteArray("3;11.12.2024  09:00;   6x;   65;   58;   45;   30;   44; 15,2;3;   12;    4;")
            << alle;
        QTest::newRow("alle, leere temperatur")
            << false
            << QByteArray("3;11.12.2024  09:00;   62;   65;     ;   45;   30;   44; 15,2;3;   12;    4;")
            << alle;
        QTest::newRow("alle, endet nach temperaturen")
            << false << QByteArray("3;11.12.2024  09:00;   62;   65;") << alle;
        QTest::newRow("alle, temperatur kein sensor")
            << false
            << QByteArray("3;11.12.2024  09:00; 1000;   65;   58;   45;   30;   44; 15,2;3;   12;    4;")
            << alle;
        QTest::newRow("je tag, buchstaben in temperatur")
            << true
            << QByteArray("3;11.12.2024  09:00;   6x;   65;   58;   45;   30;   44; 15,2;3;   12;    4;")
            << jeTag;
        QTest::newRow("je tag, 09:x") << true << QByteArray("3;11.12.2024  09:x;   62;") << jeTag;
        QTest::newRow("je tag, abgerissen") << true << QByteArray("3;11.12.20") << jeTag;
    }
    void unlesbareZeileUebersprungen() {
        QFETCH(bool, einJeTag);
        QFETCH(QByteArray, fehlerZeile);
        QFETCH(QList<double>, t100);
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({satz(1, "09.12.2024  14:30", {1, 2, 3, 4, 5}),
                                satz(2, "10.12.2024  14:30", {2, 7, 8, 9, 10}), fehlerZeile,
                                satz(4, "12.12.2024  10:30", {4, 7, 8, 9, 10}),
                                satz(5, "12.12.2024  14:30", {5, 7, 8, 9, 10}), fehlerZeile})));
        TDiagramm d;
        QVERIFY(m.BuildSeries(einJeTag, &d));
        QCOMPARE(punkte(m.TempSeries(1)), t100);
        const int n = int(t100.size()) - 1;
        QCOMPARE(m.PointCount(), n);
        QCOMPARE(m.Labels().count(), n);
        for (TMessSerie *s : m.AllSeries())
            QCOMPARE(s->Anzahl(), n + 1);
        QCOMPARE(d.Achse(TAchsenSeite::Unten).Maximum, double(n));
        QCOMPARE(m.SkippedLines(), 2);
        QCOMPARE(m.FirstSkippedLine(), 12); // 9 header lines
        QVERIFY2(m.SkippedText().contains(QStringLiteral("Zeile 12")), qPrintable(m.SkippedText()));
        QCOMPARE(m.LastError(), m.SkippedText());
        // the next file starts counting afresh
        QVERIFY(m.Load(mitKopf({Beispiel})));
        QVERIFY(m.BuildSeries(einJeTag, &d));
        QCOMPARE(m.SkippedLines(), 0);
        QVERIFY(m.SkippedText().isEmpty());
        QCOMPARE(m.PointCount(), 1);
    }

    // A line holding a value that is no reading (letters, a temperature no
    // sensor can report, a record the controller sent garbled and that was
    // kept as it came, a line torn after its time) is unreadable as a whole,
    // like a line without a readable time: skipped and counted, never
    // plotted with a 0 nobody measured; the lines around it are plotted.
    void unlesbareWerteUebersprungen_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::newRow("buchstaben in temperatur")
            << QByteArray("2;09.12.2024  15:30;   6x;   65;   58;   45;   30;   44; 15,2;3;   12;    4;");
        QTest::newRow("leere temperatur")
            << QByteArray("2;09.12.2024  15:30;   62;   65;     ;   45;   30;   44; 15,2;3;   12;    4;");
        QTest::newRow("absurde temperatur") << QByteArray(
            "2;09.12.2024  15:30;2147483647;-2147483648;    0;    0;    0;   0; 15,2;3;   1;    4;");
        QTest::newRow("1000 grad") << QByteArray(
            "2;09.12.2024  15:30; 1000;   60;   50;   40;   30;   0; 15,2;3;   1;    4;");
        QTest::newRow("endet nach temperaturen") << QByteArray("2;09.12.2024  15:30;   62;   65;");
        QTest::newRow("o2 mit punkt")
            << QByteArray("2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15.2;3;   12;    4;");
        QTest::newRow("betriebsart unlesbar")
            << QByteArray("2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15,2;x;   12;    4;");
        QTest::newRow("laufzeit unlesbar")
            << QByteArray("2;09.12.2024  15:30;   62;   65;   58;   45;   30;   44; 15,2;3;  abc;    4;");
        QTest::newRow("wie gekommen")
            << QByteArray("2;09.12.2024  15:30;   62;   65;5x1;   45;   30;    -; 15,2;3;   12;    4;");
    }
    void unlesbareWerteUebersprungen() {
        QFETCH(QByteArray, zeile);
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({satz(1, "09.12.2024  14:30", {61, 58, 50, 40, 30}), zeile,
                                satz(3, "09.12.2024  16:30", {62, 58, 50, 40, 30})})));
        for (bool einJeTag : {false, true}) {
            QVERIFY(m.BuildSeries(einJeTag, nullptr));
            QCOMPARE(m.SkippedLines(), 1);
            const QList<double> soll = einJeTag ? QList<double>{0, 62} : QList<double>{0, 61, 62};
            QCOMPARE(punkte(m.TempSeries(1)), soll);
        }
        QCOMPARE(m.LineCount(), 3);
        TMessDaten::TSatz s;
        QVERIFY(!m.Satz(1, s));
    }

    // Temperatures no sensor can report are unreadable fields: the line is
    // left out, and no reference depth is computed from them.
    void absurdeTemperaturen() {
        TMessDaten m(m_z);
        QVERIFY(m.Load(
            mitKopf({"1;09.12.2024  14:30;2147483647;-2147483648;    0;    0;    0;   0; 15,2;3;   1;    4;",
                     "2;09.12.2024  15:30; 1000;   60;   50;   40;   30;   0; 15,2;3;   1;    4;",
                     satz(3, "09.12.2024  16:30", {62, 58, 50, 40, 30})})));
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(punkte(m.TempSeries(1)), (QList<double>{0, 62}));
        QCOMPARE(punkte(m.RefSeries()), (QList<double>{0, 65}));
        QCOMPARE(punkte(m.O2Series()), (QList<double>{0, 15.2}));
        QCOMPARE(m.SkippedLines(), 2);
        QCOMPARE(m.FirstSkippedLine(), 10);
    }

    // More than 65,535 records: counts are not cut to 16 bits.
    void mehrAls65535Datensaetze() {
        QByteArrayList saetze = Kopf;
        const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
        const int n = 70000;
        for (int i = 0; i < n; ++i) {
            const QDateTime t = start.addSecs(qint64(i) * 600);
            saetze.append(satz(i + 1, t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")), {60, 58, 55, 40, 30}));
        }
        TMessDaten m(m_z);
        QVERIFY(m.Load(datei(saetze)));
        QCOMPARE(m.LineCount(), n);
        QVERIFY(m.BuildSeries(false, nullptr));
        QCOMPARE(m.PointCount(), n);
        QCOMPARE(m.TempSeries(1).Anzahl(), qsizetype(n) + 1);
        QCOMPARE(m.Labels().count(), n);
        QVERIFY(m.BuildSeries(true, nullptr));
        QCOMPARE(m.PointCount(), 487); // 144 records a day
    }

    // --------------------------------------------------------------- chart description

    void diagrammEinrichten() {
        TMessDaten m(m_z);
        QVERIFY(m.Load(mitKopf({Beispiel, satz(2, "09.12.2024  15:30", {1, 2, 3, 4, 5})})));
        TDiagramm d;
        d.SetDreidimensional(true);
        d.SetPunkteBeschneiden(false);
        QVERIFY(m.BuildSeries(false, &d));
        QCOMPARE(d.Titel(), (QStringList{"Kompostwerk Müller", "* Text *", "* Text *", " Miete1"}));
        QCOMPARE(d.Fuss(), QStringList{" C:\\Daten\\Miete1_09-12-2024.CSV"});
        QCOMPARE(d.TitelFarbe(), Farben::Schwarz);
        QCOMPARE(d.FussFarbe(), Farben::Schwarz);
        QVERIFY(!d.Dreidimensional());
        QVERIFY(d.PunkteBeschneiden());
        QVERIFY(d.LegendeSichtbar());
        QVERIFY(d.Serien().isEmpty()); // setting up does not attach

        const auto fest = [](const TDiagrammAchse &a, double min, double max) {
            return !a.AutoMinimum && !a.AutoMaximum && a.Minimum == min && a.Maximum == max;
        };
        QVERIFY(fest(d.Achse(TAchsenSeite::Links), 0, 100));
        QCOMPARE(d.Achse(TAchsenSeite::Links).Titel, QStringLiteral("T[°C]"));
        QCOMPARE(d.Achse(TAchsenSeite::Links).WertFormat, QStringLiteral("#"));
        QVERIFY(fest(d.Achse(TAchsenSeite::Rechts), 0, 25));
        QCOMPARE(d.Achse(TAchsenSeite::Rechts).Titel, QStringLiteral("O2/vol%"));
        QCOMPARE(d.Achse(TAchsenSeite::Rechts).WertFormat, QStringLiteral("#"));
        // the depth scale; both right scales only beside their curves
        QVERIFY(fest(d.Achse(TAchsenSeite::Rechts2), 0, 100));
        QCOMPARE(d.Achse(TAchsenSeite::Rechts2).Titel, QStringLiteral("Tiefe[cm]"));
        QCOMPARE(d.Achse(TAchsenSeite::Rechts2).WertFormat, QStringLiteral("#"));
        QVERIFY(d.Achse(TAchsenSeite::Rechts).NurMitSerie);
        QVERIFY(d.Achse(TAchsenSeite::Rechts2).NurMitSerie);
        QVERIFY(!d.AchseGezeigt(TAchsenSeite::Rechts));
        QVERIFY(!d.AchseGezeigt(TAchsenSeite::Rechts2));
        d.SerieHinzufuegen(&m.RefSeries());
        QVERIFY(d.AchseGezeigt(TAchsenSeite::Rechts2));
        QVERIFY(!d.AchseGezeigt(TAchsenSeite::Rechts)); // no O2 curve, no O2 scale
        d.SerieHinzufuegen(&m.O2Series());
        QVERIFY(d.AchseGezeigt(TAchsenSeite::Rechts));
        d.AlleSerienEntfernen();
        QVERIFY(fest(d.Achse(TAchsenSeite::Unten), 0.7, 2));
        QCOMPARE(d.Achse(TAchsenSeite::Unten).Titel, QStringLiteral("Messwert- Nr"));
        QCOMPARE(d.Achse(TAchsenSeite::Unten).WertFormat, QStringLiteral("#"));

        // the fan page
        m.SetFanPage(true);
        m.SetAxes(&d);
        for (TAchsenSeite seite : {TAchsenSeite::Links, TAchsenSeite::Rechts}) {
            QVERIFY(!d.Achse(seite).AutoMinimum);
            QVERIFY(d.Achse(seite).AutoMaximum);
            QCOMPARE(d.Achse(seite).Minimum, 0.0);
        }
        QCOMPARE(d.Achse(TAchsenSeite::Links).Titel, QStringLiteral("t/min"));
        QCOMPARE(d.Achse(TAchsenSeite::Rechts).Titel, QStringLiteral("n"));
        QVERIFY(!d.Achse(TAchsenSeite::Rechts2).Sichtbar);
        QVERIFY(fest(d.Achse(TAchsenSeite::Unten), 0.7, 2.5)); // the last bar shown whole

        // ResetAxes puts back only the vertical scales
        m.SetFanPage(false);
        d.SetAchseFest(TAchsenSeite::Links, 20, 30);
        d.SetAchseFest(TAchsenSeite::Rechts, 5, 6);
        d.SetAchseFest(TAchsenSeite::Rechts2, 7, 8);
        d.SetAchseFest(TAchsenSeite::Unten, 1, 1.5);
        m.ResetAxes(&d);
        QVERIFY(fest(d.Achse(TAchsenSeite::Links), 0, 100));
        QVERIFY(fest(d.Achse(TAchsenSeite::Rechts), 0, 25));
        QVERIFY(fest(d.Achse(TAchsenSeite::Rechts2), 0, 100));
        QVERIFY(fest(d.Achse(TAchsenSeite::Unten), 1, 1.5));
        QCOMPARE(d.Achse(TAchsenSeite::Links).Titel, QStringLiteral("t/min"));
    }

    void serienAnhaengen() {
        auto m = std::make_unique<TMessDaten>(m_z);
        QVERIFY(m->Load(mitKopf({Beispiel})));
        QVERIFY(m->BuildSeries(false, nullptr));
        TDiagramm a;
        auto b = std::make_unique<TDiagramm>();
        m->AttachSeries(&a);
        QCOMPARE(a.Serien(), m->AllSeries());
        m->AttachSeries(b.get()); // moves
        QVERIFY(a.Serien().isEmpty());
        QCOMPARE(b->Serien(), m->AllSeries());
        m->AttachSeries(nullptr);
        QVERIFY(b->Serien().isEmpty());
        for (TMessSerie *s : m->AllSeries()) {
            QCOMPARE(s->Diagramm(), nullptr);
            QCOMPARE(s->Anzahl(), 2);
        }
        // a chart that goes away leaves the series intact
        m->AttachSeries(b.get());
        b.reset();
        for (TMessSerie *s : m->AllSeries()) {
            QCOMPARE(s->Diagramm(), nullptr);
            QCOMPARE(s->Anzahl(), 2);
        }
        QCOMPARE(m->TempSeries(1).Wert(1), 62.0);
        // a model that goes away leaves no series behind on a chart
        m->AttachSeries(&a);
        m.reset();
        QVERIFY(a.Serien().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstMessdaten)
#include "tst_messdaten.moc"

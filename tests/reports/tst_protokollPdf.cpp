// Protocols to PDF from the command line: the program itself is run without
// a display, both kinds are read back with pdftotext, the settings come from
// the home folder's configuration, and a file that is no data file gives exit
// code 2, a German line on standard error and no PDF. The verdict of the
// quality-association protocol: the plant type (--closed), both closing
// lines, the data file's SHA-256, pages numbered "n von N", every day-end
// record printed, UTF-8 files, and the same protocol under every time zone.
#include "BerichtPruefung.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Twenty days of a pile, every six hours, the core at 60 °C and the base at 40 °C,
// with a gap of 30 hours after day 10.
QByteArray haufen() {
    QByteArray d =
        "Kompostwerk Rudevad\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete 3\r\n"
        "Datei  - Name: /daten/Miete-3_01-06-2026.CSV\r\nGr\xFCnschnitt\r\n"
        "Erste Datensicherung : 01.06.2026\r\n"
        " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n";
    const QDateTime start(QDate(2026, 6, 1), QTime(6, 0));
    int nr = 0;
    for (int i = 0; i <= 80; ++i) {
        QDateTime t = start.addSecs(qint64(i) * 6 * 3600);
        if (i > 40)
            t = t.addSecs(24 * 3600); // 30 hours between records 41 and 42
        d += QByteArray::number(++nr) + ";" + t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1() +
             ";   60;   58;   52;   47;   40;   50; 15,2;3;   12;    4;\r\n";
    }
    return d;
}

// A data file's header with the company line and comment as given.
QByteArray kopf(const QByteArray &firma = "Kompostwerk Rudevad",
                const QByteArray &kommentar = "Gr\xFCnschnitt") {
    return firma +
           "\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete 3\r\n"
           "Datei  - Name: /daten/Miete-3_01-06-2026.CSV\r\n" +
           kommentar +
           "\r\nErste Datensicherung : 01.06.2026\r\n"
           " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n";
}

// Records at the given clock times, all five sensors at t °C, cycles counting.
QByteArray saetze(const QList<QDateTime> &zeiten, int t) {
    QByteArray d;
    int nr = 0;
    for (const QDateTime &z : zeiten) {
        ++nr;
        d += QByteArray::number(nr) + ";" + z.date().toString(QStringLiteral("dd.MM.yyyy")).toLatin1() +
             "  " + z.time().toString(QStringLiteral("hh:mm")).toLatin1() + ";   " + QByteArray::number(t) +
             ";   " + QByteArray::number(t) + ";   " + QByteArray::number(t) + ";   " +
             QByteArray::number(t) + ";   " + QByteArray::number(t) + ";    0; 15,2;3;   12;" +
             QByteArray::number(nr).rightJustified(5, ' ') + ";\r\n";
    }
    return d;
}

// Every day at the same clock time, from the first day on.
QList<QDateTime> taeglich(const QDate &ab, const QTime &um, int tage) {
    QList<QDateTime> l;
    for (int i = 0; i < tage; ++i)
        l.append(QDateTime(ab.addDays(i), um, Qt::UTC));
    return l;
}

} // namespace

class TstProtokollPdf : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    // The user's settings of the program's runs (the language choice).
    QTemporaryDir m_einstellungen;

    struct TErgebnis {
        int code = -1;
        QString fehler;
    };
    TErgebnis kompost(const QStringList &argumente, const QString &zeitzone = QString()) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!zeitzone.isEmpty())
            env.insert(QStringLiteral("TZ"), zeitzone);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program chooses offscreen itself
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_einstellungen.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KOMPOST_PROGRAMM),
                QStringList{QStringLiteral("--home"), m_dir.path()} + argumente);
        if (!p.waitForFinished(120000))
            return {};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString datei(const QString &name, const QByteArray &inhalt) {
        const QString pfad = m_dir.filePath(name);
        QFile f(pfad);
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
        return pfad;
    }
    void ini(const QByteArray &com) { datei(QStringLiteral("O2_Tarvos.ini"), "[COM]\r\n" + com); }

private slots:
    void init() {
        QFile::remove(m_dir.filePath(QStringLiteral("O2_Tarvos.ini")));
        QFile::remove(sprachDatei());
    }
    QString sprachDatei() const { return m_einstellungen.filePath(QStringLiteral("O2-Humaro/Locales.conf")); }

    void messprotokoll() {
        const QString csv = datei(QStringLiteral("Miete3.CSV"), haufen());
        const QString pdf = m_dir.filePath(QStringLiteral("m.pdf"));
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("measurement"), csv});
        QCOMPARE(e.code, 0);
        QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
        const QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Humaro Messprotokoll")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Kompostwerk Rudevad")));
        QVERIFY(text.contains(QStringLiteral("/daten/Miete-3_01-06-2026.CSV")));
        QVERIFY(text.contains(QStringLiteral("T5[°C]")));
        QVERIFY(text.contains(QStringLiteral("s 55°C[cm]")));
        // the last of the 81 rows, and no chart
        QVERIFY(
            text.contains(QRegularExpression(QStringLiteral("81\\s+22\\.06\\.2026\\s+06:00\\s+60\\s+58"))));
        QVERIFY(!text.contains(QStringLiteral("Messwert- Nr")));
        QVERIFY(!text.contains(QStringLiteral("Hygienisierung")));
    }

    // The quality-association protocol, one value a day, with its chart and
    // the verdict; in °F and without the depth column from the configuration.
    void guetegemeinschaft() {
        ini("Metric=1\r\nSHOWREF=0\r\n");
        const QString csv = datei(QStringLiteral("Miete3.CSV"), haufen());
        const QString pdf = m_dir.filePath(QStringLiteral("q.pdf"));
        const TErgebnis e = kompost({QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"),
                                     QStringLiteral("quality"), QStringLiteral("--per-day"),
                                     QStringLiteral("--chart"), QStringLiteral("--closed"), csv});
        QCOMPARE(e.code, 0);
        QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
        const QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Temperatur- Protokoll Eigenuntersuchung von Kompost")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Kern [°F]")));
        QVERIFY(!text.contains(QStringLiteral("Rand [")));
        QVERIFY(text.contains(QStringLiteral("140"))); // 60 °C
        // one row a day: 22 days, the last record of each (core 140 °F, base 104 °F, no depth)
        const QRegularExpression zeile(
            QStringLiteral("(\\d\\d\\.06\\.2026)\\s+(\\d\\d:\\d\\d)\\s+140\\s+104"));
        QStringList zeilen;
        for (auto it = zeile.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            zeilen.append(m.captured(1) + QLatin1Char(' ') + m.captured(2));
        }
        QCOMPARE(zeilen.size(), 22);
        QCOMPARE(zeilen.first(), QStringLiteral("01.06.2026 18:00"));
        QCOMPARE(zeilen.at(10), QStringLiteral("11.06.2026 06:00"));
        QCOMPARE(zeilen.last(), QStringLiteral("22.06.2026 06:00"));
        // the verdict over every record: 10 days 6 hours before the gap, 10 days after it
        QVERIFY(text.contains(QStringLiteral("≥ 131 °F über 14 Tage")));
        QVERIFY(text.contains(QStringLiteral("Lücke: 11.06.2026 06:00 – 12.06.2026 12:00")));
        QVERIFY(text.contains(QStringLiteral("Hygienisierung nachgewiesen: ≥ 140 °F über 7 Tage im Kern, nur "
                                             "geschlossene Anlagen")));
        QVERIFY(text.contains(QStringLiteral("Messwert- Nr")));
        QVERIFY(text.contains(QStringLiteral("T 40in")));
    }

    // The printout follows the language: --language for this run only, not
    // kept; otherwise the language chosen in the program. The data (company
    // lines, dates, numbers) stay as they are.
    void sprache() {
        const QString csv = datei(QStringLiteral("Miete3.CSV"), haufen());
        const QString pdf = m_dir.filePath(QStringLiteral("fr.pdf"));
        TErgebnis e = kompost({QStringLiteral("--language"), QStringLiteral("fr"), QStringLiteral("--pdf"),
                               pdf, QStringLiteral("--protocol"), QStringLiteral("quality"),
                               QStringLiteral("--closed"), csv});
        QCOMPARE(e.code, 0);
        QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
        QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Relevé de température – autocontrôle du compost")),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Eigenuntersuchung")));
        QVERIFY(text.contains(QStringLiteral("Lacune : 11.06.2026 06:00 – 12.06.2026 12:00")));
        QVERIFY(text.contains(QStringLiteral("Hygiénisation prouvée : ≥ 60 °C pendant 7 jours au cœur, "
                                             "installations fermées uniquement")));
        QVERIFY(text.contains(QStringLiteral("Kompostwerk Rudevad")));
        QVERIFY(text.contains(QStringLiteral("Page :")));
        QVERIFY(!QFile::exists(sprachDatei()));

        // The language chosen in the program.
        {
            QSettings s(sprachDatei(), QSettings::IniFormat);
            s.setValue(QStringLiteral("Sprache"), QStringLiteral("en"));
        }
        e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("measurement"), csv});
        QCOMPARE(e.code, 0);
        text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Humaro measurement report")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("81")));

        // An unknown language: a message, no PDF.
        QFile::remove(pdf);
        e = kompost({QStringLiteral("--language"), QStringLiteral("xx"), QStringLiteral("--pdf"), pdf,
                     QStringLiteral("--protocol"), QStringLiteral("measurement"), csv});
        QCOMPARE(e.code, 1);
        QVERIFY2(e.fehler.contains(QStringLiteral("--language")), qPrintable(e.fehler));
        QVERIFY(!QFile::exists(pdf));
    }

    // The plant type: the 60 °C criterion counts for a closed plant only; the
    // verdict names the type it used and has a closing line for the core and
    // one for all measuring points.
    void anlagenart_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<bool>("geschlossen");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QStringList>("urteil60"); // the verdict column of the 60 °C rows: core, all sensors
        QTest::newRow("offen") << QStringLiteral("de") << false
                               << QStringList{QStringLiteral("Anlagenart: offen"),
                                              QStringLiteral("nur geschlossene Anlagen – nicht gewertet"),
                                              QStringLiteral("Hygienisierung nicht nachgewiesen"),
                                              QStringLiteral("An allen Messstellen nicht nachgewiesen")}
                               << QStringList{QStringLiteral("nicht gewertet"),
                                              QStringLiteral("nicht gewertet")};
        QTest::newRow("geschlossen")
            << QStringLiteral("de") << true
            << QStringList{QStringLiteral("Anlagenart: geschlossen"),
                           QStringLiteral("Hygienisierung nachgewiesen: ≥ 60 °C über 7 Tage im Kern, nur "
                                          "geschlossene Anlagen"),
                           QStringLiteral("An allen Messstellen nicht nachgewiesen")}
            << QStringList{QStringLiteral("erfüllt"), QStringLiteral("nicht erfüllt")};
        QTest::newRow("offen, en") << QStringLiteral("en") << false
                                   << QStringList{QStringLiteral("Plant type: open"),
                                                  QStringLiteral("Hygienisation not proven"),
                                                  QStringLiteral("Not proven at all sensors")}
                                   << QStringList{QStringLiteral("not counted"),
                                                  QStringLiteral("not counted")};
        QTest::newRow("geschlossen, fr")
            << QStringLiteral("fr") << true
            << QStringList{QStringLiteral("Type d'installation : fermée"),
                           QStringLiteral("Hygiénisation prouvée : ≥ 60 °C"),
                           QStringLiteral("Non prouvée à toutes les sondes")}
            << QStringList{QStringLiteral("satisfait"), QStringLiteral("non satisfait")};
    }
    void anlagenart() {
        QFETCH(QString, sprache);
        QFETCH(bool, geschlossen);
        QFETCH(QStringList, texte);
        QFETCH(QStringList, urteil60);
        const QString csv = datei(QStringLiteral("Miete3.CSV"), haufen());
        const QString pdf = m_dir.filePath(QStringLiteral("art.pdf"));
        QStringList argumente{QStringLiteral("--language"), sprache,
                              QStringLiteral("--pdf"),      pdf,
                              QStringLiteral("--protocol"), QStringLiteral("quality")};
        if (geschlossen)
            argumente.append(QStringLiteral("--closed"));
        const TErgebnis e = kompost(argumente + QStringList{csv});
        QCOMPARE(e.code, 0);
        QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
        const QString text = BerichtPruefung::pdfText(pdf);
        for (const QString &t : texte)
            QVERIFY2(text.contains(t), qPrintable(t + QStringLiteral("\n") + text.right(2500)));
        if (sprache == QLatin1String("de"))
            QCOMPARE(text.contains(QStringLiteral("nicht gewertet")), !geschlossen);
        // The core held 60 °C long enough; on an open plant that criterion
        // does not count, and its rows say so rather than "erfüllt".
        QStringList urteile;
        for (const QString &z : text.split(QLatin1Char('\n')))
            if (z.trimmed().startsWith(QStringLiteral("≥ 60 °C")))
                urteile.append(z.trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}"))).last());
        QCOMPARE(urteile, urteil60);
    }

    // The verdict ends with the data file's name and the SHA-256 of its
    // bytes, so that the paper can be matched to the archived file.
    void pruefsumme() {
        const QString csv = datei(QStringLiteral("Miete3.CSV"), haufen());
        const QString pdf = m_dir.filePath(QStringLiteral("sha.pdf"));
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("quality"), csv});
        QCOMPARE(e.code, 0);
        // an implementation of its own: coreutils
        QProcess summe;
        summe.start(QStringLiteral("sha256sum"), {csv});
        QVERIFY(summe.waitForFinished());
        const QString erwartet =
            QString::fromLatin1(summe.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
        QCOMPARE(erwartet.size(), 64);
        const QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Datendatei: Miete3.CSV")), qPrintable(text.right(1500)));
        QVERIFY2(text.contains(QStringLiteral("SHA-256: ") + erwartet), qPrintable(text.right(1500)));
        // the fingerprint after the closing lines
        QVERIFY(text.indexOf(QStringLiteral("SHA-256: ")) >
                text.indexOf(QStringLiteral("An allen Messstellen")));
    }

    // Every page says which of how many it is, read back from the PDF; the
    // print date has a four-digit year.
    void seitenzahlen_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("protokoll");
        QTest::addColumn<QString>("muster"); // page k of n
        QTest::newRow("de, GG") << QStringLiteral("de") << QStringLiteral("quality")
                                << QStringLiteral("Seitennr\\. :\\s+(\\d+) von (\\d+)");
        QTest::newRow("de, Messwerte") << QStringLiteral("de") << QStringLiteral("measurement")
                                       << QStringLiteral("Seitennr\\. :\\s+(\\d+) von (\\d+)");
        QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("quality")
                            << QStringLiteral("\\s(\\d+) of (\\d+)\\s");
        QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("quality")
                            << QStringLiteral("\\s(\\d+) sur (\\d+)\\s");
    }
    void seitenzahlen() {
        QFETCH(QString, sprache);
        QFETCH(QString, protokoll);
        QFETCH(QString, muster);
        const QString csv = datei(QStringLiteral("Lang.CSV"),
                                  kopf() + saetze(taeglich(QDate(2026, 1, 1), QTime(12, 0), 200), 66));
        const QString pdf = m_dir.filePath(QStringLiteral("seiten.pdf"));
        const TErgebnis e =
            kompost({QStringLiteral("--language"), sprache, QStringLiteral("--pdf"), pdf,
                     QStringLiteral("--protocol"), protokoll, QStringLiteral("--chart"), csv});
        QCOMPARE(e.code, 0);
        const int seiten = BerichtPruefung::pdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY2(seiten >= 4, qPrintable(QString::number(seiten)));
        QList<int> gefunden;
        const QString text = BerichtPruefung::pdfText(pdf);
        for (auto it = QRegularExpression(muster).globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            gefunden.append(m.captured(1).toInt());
            QCOMPARE(m.captured(2).toInt(), seiten);
        }
        QList<int> erwartet;
        for (int k = 1; k <= seiten; ++k)
            erwartet.append(k);
        QCOMPARE(gefunden, erwartet);
        // the print date: the locale's short date with four digits for the year
        QVERIFY2(text.contains(
                     QRegularExpression(QStringLiteral("\\d{1,2}[./]\\d{1,2}[./]\\d{4} \\d{1,2}:\\d\\d"))),
                 qPrintable(text.right(300)));
    }

    // A pile stored once a day at 23:59: every day keeps its row, as the
    // verdict keeps every record.
    void tagesende() {
        const QString csv = datei(QStringLiteral("Tagesende.CSV"),
                                  kopf() + saetze(taeglich(QDate(2026, 6, 1), QTime(23, 59), 15), 66));
        for (const QString &art : {QStringLiteral("quality"), QStringLiteral("measurement")}) {
            const QString pdf = m_dir.filePath(QStringLiteral("tagesende.pdf"));
            const TErgebnis e =
                kompost({QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), art, csv});
            QCOMPARE(e.code, 0);
            const QString text = BerichtPruefung::pdfText(pdf);
            const QRegularExpression zeile(
                QStringLiteral("(\\d\\d)\\.06\\.2026\\s+23:59\\s+(0\\s+)?66\\s+66"));
            QStringList tage;
            for (auto it = zeile.globalMatch(text); it.hasNext();)
                tage.append(it.next().captured(1));
            QCOMPARE(tage.size(), 15);
            QCOMPARE(tage.first(), QStringLiteral("01"));
            QCOMPARE(tage.last(), QStringLiteral("15"));
            if (art == QLatin1String("quality"))
                QVERIFY(text.contains(
                    QStringLiteral("Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern")));
        }
    }

    // A line whose time reads but whose temperatures do not (letters in a
    // field, a line torn after its first values) is no reading of the pile:
    // neither protocol prints a row of 0 °C for it; the line is named below
    // the rows and counted by the verdict. A file with no other record gives
    // no protocol at all.
    void unlesbareTemperaturen_data() {
        QTest::addColumn<QString>("protokoll");
        QTest::addColumn<QByteArray>("zeile");
        const QByteArray buchstaben =
            "2;02.06.2026  02:00;   6x;   66;   66;   66;   66;    0; 15,2;3;   12;    2;";
        const QByteArray abgerissen = "2;02.06.2026  02:00;   66;   6";
        QTest::newRow("GG, buchstaben") << QStringLiteral("quality") << buchstaben;
        QTest::newRow("GG, abgerissen") << QStringLiteral("quality") << abgerissen;
        QTest::newRow("Messwerte, buchstaben") << QStringLiteral("measurement") << buchstaben;
    }
    void unlesbareTemperaturen() {
        QFETCH(QString, protokoll);
        QFETCH(QByteArray, zeile);
        QByteArrayList saetzeListe = saetze(taeglich(QDate(2026, 6, 1), QTime(8, 0), 3), 66).split('\n');
        saetzeListe.removeAll(QByteArray());
        const QByteArray inhalt = kopf() + saetzeListe.at(0) + "\n" + zeile + "\r\n" + saetzeListe.at(1) +
                                  "\n" + saetzeListe.at(2) + "\n";
        const QString csv = datei(QStringLiteral("Unlesbar.CSV"), inhalt);
        const QString pdf = m_dir.filePath(QStringLiteral("unlesbar.pdf"));
        const TErgebnis e =
            kompost({QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), protokoll, csv});
        QCOMPARE(e.code, 0);
        const QString text = BerichtPruefung::pdfText(pdf);
        // the rows: the three records at 66 °C, none at the unreadable line's time
        const QRegularExpression reihe(
            QStringLiteral("(\\d\\d\\.06\\.2026\\s+\\d\\d:\\d\\d)((?:\\s+-?\\d+(?:,\\d)?)+)\\s*$"),
            QRegularExpression::MultilineOption);
        QStringList reihen;
        for (auto it = reihe.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            reihen.append(m.captured(1).simplified());
            QVERIFY2(m.captured(2).contains(QStringLiteral("66")), qPrintable(m.captured(0)));
        }
        QCOMPARE(reihen, (QStringList{QStringLiteral("01.06.2026 08:00"), QStringLiteral("02.06.2026 08:00"),
                                      QStringLiteral("03.06.2026 08:00")}));
        QVERIFY2(
            text.contains(QStringLiteral("1 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist "
                                         "Zeile 11.")),
            qPrintable(text));
        if (protokoll == QLatin1String("quality"))
            QVERIFY(text.contains(QStringLiteral("Nicht lesbare Zeilen, nicht ausgewertet: 1")));

        // only such a line: nothing to print
        datei(QStringLiteral("NurUnlesbar.CSV"), kopf() + "1" + zeile.mid(1) + "\r\n");
        QFile::remove(pdf);
        const TErgebnis leer = kompost({QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), protokoll,
                                        m_dir.filePath(QStringLiteral("NurUnlesbar.CSV"))});
        QCOMPARE(leer.code, 2);
        QVERIFY2(leer.fehler.contains(QStringLiteral("enthält keine Messwerte")), qPrintable(leer.fehler));
        QVERIFY(!QFile::exists(pdf));
    }

    // A file an editor saved as UTF-8, with or without a byte-order mark, is
    // printed as it reads; the file stays as it was.
    void zeichensatz_data() {
        QTest::addColumn<QByteArray>("inhalt");
        const QByteArray utf8 = kopf("Kompostwerk M\xC3\xBCller", "Gr\xC3\xBCnschnitt") +
                                saetze(taeglich(QDate(2026, 6, 1), QTime(8, 0), 3), 60);
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF") + utf8;
        QTest::newRow("UTF-8") << utf8;
        QTest::newRow("Windows-1252") << kopf("Kompostwerk M\xFCller", "Gr\xFCnschnitt") +
                                             saetze(taeglich(QDate(2026, 6, 1), QTime(8, 0), 3), 60);
    }
    void zeichensatz() {
        QFETCH(QByteArray, inhalt);
        const QString csv = datei(QStringLiteral("Utf8.CSV"), inhalt);
        const QString pdf = m_dir.filePath(QStringLiteral("utf8.pdf"));
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("measurement"), csv});
        QCOMPARE(e.code, 0);
        const QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Kompostwerk Müller")), qPrintable(text.left(600)));
        QVERIFY(text.contains(QStringLiteral("Grünschnitt")));
        QVERIFY(!text.contains(QStringLiteral("ï»¿")));
        QVERIFY(!text.contains(QStringLiteral("Ã¼")));
        QVERIFY(!text.contains(QChar(0xFEFF)));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), inhalt); // never rewritten
    }

    // The controller's clock knows no summer time: the same protocol under
    // every time zone of the PC, the record in the hour the spring change
    // skips printed and counted.
    void zeitzone_data() {
        QTest::addColumn<QString>("zone");
        for (const char *zone : {"UTC", "Europe/Berlin", "America/New_York"})
            QTest::newRow(zone) << QString::fromLatin1(zone);
    }
    void zeitzone() {
        QFETCH(QString, zone);
        QList<QDateTime> zeiten = taeglich(QDate(2026, 3, 29), QTime(2, 30), 15); // Berlin's spring change
        zeiten.append(QDateTime(QDate(2026, 4, 13), QTime(1, 0), Qt::UTC));
        const QString csv = datei(QStringLiteral("Fruehling.CSV"), kopf() + saetze(zeiten, 66));
        const QString pdf = m_dir.filePath(QStringLiteral("fruehling.pdf"));
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("quality"), csv},
            zone);
        QCOMPARE(e.code, 0);
        const QString text = BerichtPruefung::pdfText(pdf);
        QVERIFY2(
            text.contains(QRegularExpression(QStringLiteral("29\\.03\\.2026\\s+02:30\\s+0\\s+66\\s+66"))),
            qPrintable(text.left(1500)));
        QVERIFY(text.contains(QStringLiteral("29.03.2026 02:30 – 13.04.2026 01:00")));
        QVERIFY(text.contains(QStringLiteral("14 Tage 22 Std.")));
        QVERIFY(text.contains(QStringLiteral("Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern")));
        QVERIFY(!text.contains(QStringLiteral("Lücke")));
        QVERIFY(!text.contains(QStringLiteral("Nicht lesbare")));
    }

    // The printed graph answers a bad file as the protocols do: exit code 2,
    // one line naming the file, no PDF.
    void grafikUngueltig_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Datenformat")
            << QByteArray("Hallo\r\nWelt\r\n") << 2 << QStringLiteral("Kein gültiger Dateiaufbau");
        QTest::newRow("nicht lesbar") << QByteArray() << 2 << QStringLiteral("kann nicht gelesen werden");
        QTest::newRow("kein lesbarer Datensatz")
            << kopf() + "1;kaputt;   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n"
            << 2 << QStringLiteral("enthält keine Messwerte");
        QTest::newRow("gut") << haufen() << 0 << QString();
    }
    void grafikUngueltig() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        QString csv = m_dir.filePath(QStringLiteral("gibtsnicht.CSV"));
        if (!inhalt.isEmpty())
            csv = datei(QStringLiteral("Grafik.CSV"), inhalt);
        const QString pdf = m_dir.filePath(QStringLiteral("g.pdf"));
        QFile::remove(pdf);
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("graph"), csv});
        QCOMPARE(e.code, code);
        QCOMPARE(QFile::exists(pdf), code == 0);
        if (code == 0) {
            QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
            return;
        }
        QVERIFY2(e.fehler.contains(meldung), qPrintable(e.fehler));
        QVERIFY2(e.fehler.contains(csv), qPrintable(e.fehler));
        QCOMPARE(e.fehler.count(QLatin1Char('\n')), 1);
    }

    void ungueltig_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Datenformat")
            << QByteArray("Hallo\r\nWelt\r\n") << QStringLiteral("Kein gültiger Dateiaufbau");
        QTest::newRow("nicht lesbar") << QByteArray() << QStringLiteral("kann nicht gelesen werden");
    }
    void ungueltig() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        QString csv = m_dir.filePath(QStringLiteral("gibtsnicht.CSV"));
        if (!inhalt.isEmpty())
            csv = datei(QStringLiteral("Falsch.CSV"), inhalt);
        const QString pdf = m_dir.filePath(QStringLiteral("x.pdf"));
        const TErgebnis e = kompost(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("quality"), csv});
        QCOMPARE(e.code, 2);
        QVERIFY2(e.fehler.contains(meldung), qPrintable(e.fehler));
        QVERIFY2(e.fehler.contains(csv), qPrintable(e.fehler));
        QCOMPARE(e.fehler.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(pdf));
    }

    void falscheArt() {
        const TErgebnis e = kompost({QStringLiteral("--pdf"), m_dir.filePath(QStringLiteral("y.pdf")),
                                     QStringLiteral("--protocol"), QStringLiteral("weekly"),
                                     datei(QStringLiteral("Miete3.CSV"), haufen())});
        QCOMPARE(e.code, 1);
        QVERIFY(e.fehler.contains(QStringLiteral("--protocol")));
    }
};

QTEST_GUILESS_MAIN(TstProtokollPdf)
#include "tst_protokollPdf.moc"

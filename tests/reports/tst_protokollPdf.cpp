// Protocols to PDF from the command line: the program itself is run without
// a display, both kinds are read back with pdftotext, the settings come from
// the home folder's configuration, and a file that is no data file gives exit
// code 2, a German line on standard error and no PDF.
#include "BerichtPruefung.h"

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
    TErgebnis kompost(const QStringList &argumente) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
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
        const TErgebnis e =
            kompost({QStringLiteral("--pdf"), pdf, QStringLiteral("--protocol"), QStringLiteral("quality"),
                     QStringLiteral("--per-day"), QStringLiteral("--chart"), csv});
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
                               pdf, QStringLiteral("--protocol"), QStringLiteral("quality"), csv});
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

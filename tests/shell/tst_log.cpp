// The event log: file names with their letters, the exact bytes of a line,
// and logging that turns itself off when the folder or the disk refuses.
#include "shell/ULog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QLocale Englisch(QLocale::English, QLocale::UnitedStates);
const QDateTime Jetzt(QDate(2007, 5, 12), QTime(14, 3, 7));

QByteArray lies(const QString &pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void leereDatei(const QString &pfad) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestLog : public QObject {
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    TZustand m_z;

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_z = TZustand{};
        m_z.Heimordner = m_dir->path();
        m_z.Gebietsschema = Deutsch;
        m_z.Jetzt = [] { return Jetzt; };
    }

    void cleanup() {
        delete m_dir;
        m_dir = nullptr;
    }

    void buchstaben_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("first") << 0 << "A";
        QTest::newRow("second") << 1 << "B";
        QTest::newRow("26th") << 25 << "Z";
        QTest::newRow("27th") << 26 << "AA";
        QTest::newRow("28th") << 27 << "AB";
        QTest::newRow("after AZ") << 52 << "BA";
        QTest::newRow("last") << 701 << "ZZ";
        QTest::newRow("beyond") << 702 << "";
        QTest::newRow("negative") << -1 << "";
    }

    void buchstaben() {
        QFETCH(int, index);
        QFETCH(QString, erwartet);
        QCOMPARE(TLog::Buchstaben(index), erwartet);
    }

    void dateiName_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("German") << Deutsch << 0 << "Komp_LOG_12-05-2007A.CSV";
        QTest::newRow("US: slashes") << Englisch << 1 << "Komp_LOG_5-12-2007B.CSV";
        QTest::newRow("past Z") << Deutsch << 26 << "Komp_LOG_12-05-2007AA.CSV";
    }

    void dateiName() {
        QFETCH(QLocale, locale);
        QFETCH(int, index);
        QFETCH(QString, erwartet);
        QCOMPARE(TLog::LogDateiName(locale, Jetzt.date(), index), erwartet);
    }

    // Each program start of the day gets the first free letter.
    void ersterFreierBuchstabe_data() {
        QTest::addColumn<int>("vorhanden"); // log files of the day already there
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("none") << 0 << "Komp_LOG_12-05-2007A.CSV";
        QTest::newRow("A") << 1 << "Komp_LOG_12-05-2007B.CSV";
        QTest::newRow("A..Z") << 26 << "Komp_LOG_12-05-2007AA.CSV";
        QTest::newRow("A..AA") << 27 << "Komp_LOG_12-05-2007AB.CSV";
    }

    void ersterFreierBuchstabe() {
        QFETCH(int, vorhanden);
        QFETCH(QString, erwartet);
        for (int i = 0; i < vorhanden; ++i)
            leereDatei(m_dir->filePath(TLog::LogDateiName(Deutsch, Jetzt.date(), i)));
        // yesterday's file does not count
        leereDatei(m_dir->filePath(QStringLiteral("Komp_LOG_11-05-2007A.CSV")));
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        QVERIFY(log.LogAktiv());
        QCOMPARE(QFileInfo(log.DateiName()).fileName(), erwartet);
        QCOMPARE(QFileInfo(log.DateiName()).absolutePath(), QDir(m_dir->path()).absolutePath());
    }

    void zweiStartsZweiDateien() {
        {
            TLog erster(m_z);
            QVERIFY(erster.LogOeffnen());
            erster.LogSchreiben(QStringLiteral("1c"));
            QVERIFY(erster.LogOeffnen()); // the open log stays the one in use
            QCOMPARE(QFileInfo(erster.DateiName()).fileName(), QStringLiteral("Komp_LOG_12-05-2007A.CSV"));
        }
        TLog zweiter(m_z);
        QVERIFY(zweiter.LogOeffnen());
        QCOMPARE(QFileInfo(zweiter.DateiName()).fileName(), QStringLiteral("Komp_LOG_12-05-2007B.CSV"));
        QCOMPARE(lies(m_dir->filePath(QStringLiteral("Komp_LOG_12-05-2007A.CSV"))),
                 QByteArray("12.05.2007 14:03:07 1c\r\n"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }

    // Date (four-digit year), blank, hh:mm:ss, blank, text, CR LF in
    // Windows-1252; every line is on disk before the log is closed.
    void zeilen() {
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("<c")); // plant 12 asked for its readings
        QCOMPARE(lies(log.DateiName()), QByteArray("12.05.2007 14:03:07 <c\r\n"));
        m_z.Jetzt = [] { return Jetzt.addSecs(3600 * 9 + 5); };
        log.LogSchreiben(QStringLiteral("Grün €"));
        QCOMPARE(lies(log.DateiName()), QByteArray("12.05.2007 14:03:07 <c\r\n"
                                                   "12.05.2007 23:03:12 Gr\xFCn \x80\r\n"));
        log.LogSchliessen();
        QVERIFY(!log.LogAktiv());
        log.LogSchreiben(QStringLiteral("zu spaet"));
        QCOMPARE(lies(log.DateiName()).count('\n'), 2);
    }

    // An entry is one line, whatever its text holds: a configured value
    // with a line break (a plant name, an address) cannot forge a line.
    void eintragBleibtEineZeile() {
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("Anlage Nord\r\n12.05.2007 14:03:07 GEFAELSCHT\u0000Ende"));
        QCOMPARE(lies(log.DateiName()),
                 QByteArray(
                     "12.05.2007 14:03:07 Anlage Nord\\x0D\\x0A12.05.2007 14:03:07 GEFAELSCHT\\x00Ende\r\n"));
    }

    void zeilenEnglisch() {
        m_z.Gebietsschema = Englisch;
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("1B"));
        QCOMPARE(QFileInfo(log.DateiName()).fileName(), QStringLiteral("Komp_LOG_5-12-2007A.CSV"));
        QCOMPARE(lies(log.DateiName()), QByteArray("5/12/2007 14:03:07 1B\r\n"));
    }

    // Across midnight: the last line of the day in its file, the first line
    // of the next day in a new file of that day; nothing split or lost.
    void mitternacht() {
        QDateTime uhr(QDate(2007, 5, 12), QTime(23, 59, 59));
        m_z.Jetzt = [&uhr] { return uhr; };
        // Yesterday's second start already made a B of the new day (clock set back).
        leereDatei(m_dir->filePath(QStringLiteral("Komp_LOG_13-05-2007A.CSV")));
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("1c"));
        const QString erste = log.DateiName();
        uhr = uhr.addSecs(1);
        log.LogSchreiben(QStringLiteral("2c"));
        log.LogSchreiben(QStringLiteral("c;1;2;"));
        QVERIFY(log.LogAktiv());
        QCOMPARE(QFileInfo(erste).fileName(), QStringLiteral("Komp_LOG_12-05-2007A.CSV"));
        QCOMPARE(QFileInfo(log.DateiName()).fileName(), QStringLiteral("Komp_LOG_13-05-2007B.CSV"));
        QCOMPARE(lies(erste), QByteArray("12.05.2007 23:59:59 1c\r\n"));
        QCOMPARE(lies(log.DateiName()), QByteArray("13.05.2007 00:00:00 2c\r\n"
                                                   "13.05.2007 00:00:00 c;1;2;\r\n"));
        // a second start on that day takes the next letter
        TLog zweiter(m_z);
        QVERIFY(zweiter.LogOeffnen());
        QCOMPARE(QFileInfo(zweiter.DateiName()).fileName(), QStringLiteral("Komp_LOG_13-05-2007C.CSV"));
    }

    // A log that a write error turned off starts again with the next day's file.
    void neuerTagNachFehler() {
        QDateTime uhr = Jetzt;
        m_z.Jetzt = [&uhr] { return uhr; };
        const QString sperre = m_dir->filePath(QStringLiteral("voll"));
        QVERIFY(QDir().mkpath(sperre));
        m_z.Heimordner = sperre;
        TLog log(m_z);
        QStringList wechsel;
        log.Zustandswechsel = [&wechsel](bool ok, const QString &fehler) {
            wechsel.append(ok ? QStringLiteral("an") : QStringLiteral("aus: ") + fehler);
        };
        QVERIFY(log.LogOeffnen());
        QVERIFY(QFile::remove(log.DateiName()));
        QVERIFY(QDir().rmdir(sperre)); // the folder is gone: nothing can be created
        uhr = uhr.addDays(1);
        log.LogSchreiben(QStringLiteral("1c"));
        QVERIFY(!log.LogAktiv());
        QVERIFY(QDir().mkpath(sperre));
        log.LogSchreiben(QStringLiteral("2c")); // the same day: no second try
        QVERIFY(!log.LogAktiv());
        uhr = uhr.addDays(1);
        log.LogSchreiben(QStringLiteral("3c"));
        QVERIFY(log.LogAktiv());
        // told once when it went, once when it came back
        QCOMPARE(wechsel.size(), 2);
        QVERIFY2(wechsel.at(0).startsWith(QStringLiteral("aus: Das Ereignisprotokoll kann in ")) &&
                     wechsel.at(0).contains(QStringLiteral("voll")),
                 qPrintable(wechsel.at(0)));
        QCOMPARE(wechsel.at(1), QStringLiteral("an"));
        QVERIFY(log.LetzterFehler().isEmpty());
        QCOMPARE(lies(log.DateiName()), QByteArray("14.05.2007 14:03:07 3c\r\n"));
        // closed means closed, whatever the date
        log.LogSchliessen();
        uhr = uhr.addDays(1);
        log.LogSchreiben(QStringLiteral("4c"));
        QVERIFY(!log.LogAktiv());
        QCOMPARE(QDir(sperre).entryList(QDir::Files).size(), 1);
    }

    void logDatum_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("A") << Deutsch << "Komp_LOG_12-05-2007A.CSV" << QDate(2007, 5, 12);
        QTest::newRow("ZZ") << Deutsch << "Komp_LOG_01-12-2006ZZ.CSV" << QDate(2006, 12, 1);
        QTest::newRow("US") << Englisch << "Komp_LOG_5-12-2007B.CSV" << QDate(2007, 5, 12);
        QTest::newRow("no letter") << Deutsch << "Komp_LOG_12-05-2007.CSV" << QDate();
        QTest::newRow("three letters") << Deutsch << "Komp_LOG_12-05-2007ABC.CSV" << QDate();
        QTest::newRow("small letter") << Deutsch << "Komp_LOG_12-05-2007a.CSV" << QDate();
        QTest::newRow("other date pattern") << Deutsch << "Komp_LOG_2007-05-12A.CSV" << QDate();
        QTest::newRow("dots") << Deutsch << "Komp_LOG_12.05.2007A.CSV" << QDate();
        QTest::newRow("no leading zero") << Deutsch << "Komp_LOG_1-5-2007A.CSV" << QDate();
        QTest::newRow("other ending") << Deutsch << "Komp_LOG_12-05-2007A.CSV.bak" << QDate();
        QTest::newRow("small ending") << Deutsch << "Komp_LOG_12-05-2007A.csv" << QDate();
        QTest::newRow("no date") << Deutsch << "Komp_LOG_A.CSV" << QDate();
        QTest::newRow("data file") << Deutsch << "Miete Nord_12-05-2007.CSV" << QDate();
    }

    void logDatum() {
        QFETCH(QLocale, locale);
        QFETCH(QString, name);
        QFETCH(QDate, datum);
        QCOMPARE(TLog::LogDatum(locale, name), datum);
    }

    // Logs more than LOGTAGE days old go at start-up and at each date
    // change; nothing else in the home folder is ever touched.
    void alteLogsEntfernen() {
        QDateTime uhr = Jetzt;
        m_z.Jetzt = [&uhr] { return uhr; };
        const QDate heute = Jetzt.date();
        auto log = [&](int tageAlt, int index = 0) {
            const QString name = TLog::LogDateiName(Deutsch, heute.addDays(-tageAlt), index);
            leereDatei(m_dir->filePath(name));
            return name;
        };
        const QString alt181 = log(181);
        const QString alt181B = log(181, 1);
        const QString alt400 = log(400, 30);
        const QString alt180 = log(180);
        const QString alt179 = log(179);
        const QStringList fremde{QStringLiteral("Miete Nord_12-05-2006.CSV"), QStringLiteral("O2_Tarvos.ini"),
                                 QStringLiteral("Komp_LOG_2006-05-12A.CSV"),
                                 QStringLiteral("Komp_LOG_01-01-2006A.CSV.bak"),
                                 QStringLiteral("Komp_LOG_01-01-2006.CSV")};
        for (const QString &f : fremde)
            leereDatei(m_dir->filePath(f));
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("Komp_LOG_01-01-2006A.CSV"))));
        const QDir ordner(m_dir->path());

        TLog l(m_z);
        QVERIFY(l.LogOeffnen());
        QCOMPARE(l.AlteLogsEntfernen(), 3);
        for (const QString &weg : {alt181, alt181B, alt400})
            QVERIFY2(!ordner.exists(weg), qPrintable(weg));
        for (const QString &bleibt : QStringList{alt180, alt179} + fremde)
            QVERIFY2(ordner.exists(bleibt), qPrintable(bleibt));
        QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("Komp_LOG_01-01-2006A.CSV"))).isDir());

        // one day later, the first line of the day clears the 180-day-old log
        uhr = uhr.addDays(1);
        l.LogSchreiben(QStringLiteral("1c"));
        QVERIFY(!ordner.exists(alt180));
        QVERIFY(ordner.exists(alt179));
        for (const QString &bleibt : fremde)
            QVERIFY2(ordner.exists(bleibt), qPrintable(bleibt));
    }

    void logTageNullBehaeltAlle() {
        m_z.LogTage = 0;
        const QString uralt = TLog::LogDateiName(Deutsch, Jetzt.date().addYears(-10), 0);
        leereDatei(m_dir->filePath(uralt));
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        QCOMPARE(log.AlteLogsEntfernen(), 0);
        QVERIFY(QFile::exists(m_dir->filePath(uralt)));
    }

    void ohneOeffnenKeinLog() {
        TLog log(m_z);
        log.LogSchreiben(QStringLiteral("1c"));
        QVERIFY(!log.LogAktiv());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    // The home folder is a regular file: no log and no message box, nothing
    // breaks; the run hears why (to say so in the status line).
    void ordnerNichtSchreibbar() {
        const QString sperre = m_dir->filePath(QStringLiteral("keinOrdner"));
        leereDatei(sperre);
        m_z.Heimordner = sperre;
        TLog log(m_z);
        QStringList wechsel;
        log.Zustandswechsel = [&wechsel](bool ok, const QString &fehler) {
            wechsel.append(ok ? QStringLiteral("an") : fehler);
        };
        QVERIFY(!log.LogOeffnen());
        QVERIFY(!log.LogAktiv());
        QCOMPARE(wechsel.size(), 1);
        QVERIFY2(wechsel.at(0).contains(QStringLiteral("keinOrdner")), qPrintable(wechsel.at(0)));
        QCOMPARE(log.LetzterFehler(), wechsel.at(0));
        log.LogSchreiben(QStringLiteral("1c"));
        log.LogSchliessen();
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("keinOrdner")});
    }

    // A write that fails (the file size limit, which stops root as well)
    // turns logging off for the rest of the run.
    void schreibfehler() {
#ifdef Q_OS_UNIX
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("1c"));
        const qint64 groesse = QFileInfo(log.DateiName()).size();

        struct rlimit vorher {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
        auto *alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit grenze = vorher;
        grenze.rlim_cur = static_cast<rlim_t>(groesse + 10);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
        QStringList wechsel;
        log.Zustandswechsel = [&wechsel](bool ok, const QString &fehler) {
            wechsel.append(ok ? QStringLiteral("an") : fehler);
        };
        log.LogSchreiben(QString(200, QLatin1Char('x')));
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!log.LogAktiv());
        QCOMPARE(wechsel.size(), 1);
        QVERIFY2(wechsel.at(0).contains(QFileInfo(log.DateiName()).fileName()), qPrintable(wechsel.at(0)));
        log.LogSchreiben(QStringLiteral("2c")); // nothing more, no crash
        QVERIFY(!lies(log.DateiName()).contains("2c"));
#else
        QSKIP("needs a file size limit");
#endif
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"

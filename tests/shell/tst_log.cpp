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
        m_z.Jetzt = [] { return Jetzt.addSecs(3600 * 10); };
        log.LogSchreiben(QStringLiteral("Grün €"));
        QCOMPARE(lies(log.DateiName()), QByteArray("12.05.2007 14:03:07 <c\r\n"
                                                   "13.05.2007 00:03:07 Gr\xFCn \x80\r\n"));
        log.LogSchliessen();
        QVERIFY(!log.LogAktiv());
        log.LogSchreiben(QStringLiteral("zu spaet"));
        QCOMPARE(lies(log.DateiName()).count('\n'), 2);
    }

    void zeilenEnglisch() {
        m_z.Gebietsschema = Englisch;
        TLog log(m_z);
        QVERIFY(log.LogOeffnen());
        log.LogSchreiben(QStringLiteral("1B"));
        QCOMPARE(QFileInfo(log.DateiName()).fileName(), QStringLiteral("Komp_LOG_5-12-2007A.CSV"));
        QCOMPARE(lies(log.DateiName()), QByteArray("5/12/2007 14:03:07 1B\r\n"));
    }

    void ohneOeffnenKeinLog() {
        TLog log(m_z);
        log.LogSchreiben(QStringLiteral("1c"));
        QVERIFY(!log.LogAktiv());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    // The home folder is a regular file: no log, no message, nothing breaks.
    void ordnerNichtSchreibbar() {
        const QString sperre = m_dir->filePath(QStringLiteral("keinOrdner"));
        leereDatei(sperre);
        m_z.Heimordner = sperre;
        TLog log(m_z);
        QVERIFY(!log.LogOeffnen());
        QVERIFY(!log.LogAktiv());
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
        log.LogSchreiben(QString(200, QLatin1Char('x')));
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!log.LogAktiv());
        log.LogSchreiben(QStringLiteral("2c")); // nothing more, no crash
        QVERIFY(!lies(log.DateiName()).contains("2c"));
#else
        QSKIP("needs a file size limit");
#endif
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"

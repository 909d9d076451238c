// The program started as a process without a screen: the version and the
// options need none, and the uses without a window never open the setup
// window of a new installation nor write into its home folder.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestProgramm : public QObject {
    Q_OBJECT

    QTemporaryDir m_einstellungen;

    struct TErgebnis {
        int code = -1;
        QByteArray aus, fehler;
    };
    // Without a display and without a chosen platform, as from a script or a service.
    TErgebnis kompost(const QStringList &argumente) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_einstellungen.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_einstellungen.filePath(QStringLiteral("daten")));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KOMPOST_PROGRAMM), argumente);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

private slots:
    void auskunftOhneBildschirm_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("--version") << "--version" << QByteArray("kompost " KOMPOST_VERSION "\n");
        QTest::newRow("-v") << "-v" << QByteArray("kompost " KOMPOST_VERSION "\n");
        QTest::newRow("--help") << "--help" << QByteArray("--home <DIR>");
    }
    void auskunftOhneBildschirm() {
        QFETCH(QString, option);
        QFETCH(QByteArray, erwartet);
        const TErgebnis r = kompost({option});
        QVERIFY2(r.code == 0, r.fehler.constData());
        QVERIFY2(r.aus.contains(erwartet), r.aus.constData());
    }

    // A home folder without an installation: the protocol is asked for
    // without a window, so nothing is set up, nothing written, nothing waits.
    void pdfFragtNichtNachEinrichtung() {
        QTemporaryDir tmp;
        const QString heim = tmp.filePath(QStringLiteral("heim"));
        QVERIFY(QDir().mkpath(heim));
        const QString csv = tmp.filePath(QStringLiteral("kaputt.CSV"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keine Datendatei\r\n");
        f.close();
        const TErgebnis r = kompost({QStringLiteral("--home"), heim, QStringLiteral("--pdf"),
                                     tmp.filePath(QStringLiteral("aus.pdf")), csv});
        QCOMPARE(r.code, 2); // the data file is invalid: said, and the program ends
        QVERIFY(QDir(heim).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProgramm)
#include "tst_programm.moc"

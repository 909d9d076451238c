// Where the program keeps its files: --home, an installation found in the
// program's folder (never moved), a writable folder of the program's own, and
// the system's place for the program's data where the program's folder
// cannot be written or is one of the system's shared program folders.
#include "shell/UHeimordner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Heimordner;

class TestHeimordner : public QObject {
    Q_OBJECT

private slots:
    void regel_data() {
        QTest::addColumn<QString>("home");        // --home, relative to the temporary folder
        QTest::addColumn<QString>("programm");    // the program's folder, relative
        QTest::addColumn<QStringList>("dateien"); // files in the program's folder
        QTest::addColumn<bool>("beschreibbar");   // whether the program's folder can be written
        QTest::addColumn<QString>("erwartet");    // the home folder, relative
        QTest::addColumn<int>("grund");

        const QStringList keine;
        const QStringList ini{QStringLiteral("O2_Tarvos.ini")};
        const QStringList installation{QStringLiteral("Installation.ini")};
        const int kommandozeile = int(TGrund::Kommandozeile), inst = int(TGrund::Installation),
                  programm = int(TGrund::Programmordner), daten = int(TGrund::Datenordner);
        QTest::newRow("--home wins over an installation")
            << "anderswo"
            << "prog" << ini << true << "anderswo" << kommandozeile;
        QTest::newRow("own writable folder (copied installation, demo)")
            << ""
            << "prog" << keine << true << "prog" << programm;
        QTest::newRow("program folder not writable") << ""
                                                     << "prog" << keine << false << "daten" << daten;
        QTest::newRow("writable, but a system folder (/usr/bin as root)")
            << ""
            << "usr/bin" << keine << true << "daten" << daten;
        QTest::newRow("existing installation in a read-only folder stays")
            << ""
            << "prog" << ini << false << "prog" << inst;
        QTest::newRow("existing installation in a system folder stays")
            << ""
            << "usr/bin" << installation << false << "usr/bin" << inst;
        QTest::newRow("a name that only begins like a system folder")
            << ""
            << "usrlocal/bin" << keine << true << "usrlocal/bin" << programm;
    }

    void regel() {
        QFETCH(QString, home);
        QFETCH(QString, programm);
        QFETCH(QStringList, dateien);
        QFETCH(bool, beschreibbar);
        QFETCH(QString, erwartet);
        QFETCH(int, grund);

        QTemporaryDir tmp;
        const QDir t(tmp.path());
        QVERIFY(t.mkpath(programm));
        for (const QString &d : dateien) {
            QFile f(t.filePath(programm + QLatin1Char('/') + d));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        TOrte orte;
        orte.Programmordner = t.filePath(programm);
        orte.Datenordner = t.filePath(QStringLiteral("daten"));
        orte.Systemordner = {t.filePath(QStringLiteral("usr"))};
        QStringList gefragt;
        orte.Beschreibbar = [&](const QString &o) {
            gefragt.append(o);
            return beschreibbar;
        };
        const TWahl wahl = Bestimme(home.isEmpty() ? QString() : t.filePath(home), orte);
        QCOMPARE(wahl.Ordner, QDir::cleanPath(t.filePath(erwartet)));
        QCOMPARE(int(wahl.Grund), grund);
        // An installation's files are found without trying to write there.
        if (grund == int(TGrund::Installation) || grund == int(TGrund::Kommandozeile))
            QVERIFY(gefragt.isEmpty());
        // Nothing is created or moved by the choice itself.
        QVERIFY(!QFileInfo::exists(t.filePath(QStringLiteral("daten"))));
        for (const QString &d : dateien)
            QVERIFY(QFileInfo::exists(t.filePath(programm + QLatin1Char('/') + d)));
    }

    void beschreibbarProbiertEsWirklich() {
        QTemporaryDir tmp;
        QVERIFY(Beschreibbar(tmp.path()));
        // the trial leaves nothing behind
        QVERIFY(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!Beschreibbar(tmp.filePath(QStringLiteral("fehlt"))));
        QFile datei(tmp.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        QVERIFY(!Beschreibbar(datei.fileName())); // a file is no folder
    }

    void plattform() {
        const TOrte orte = Plattform(QStringLiteral("/opt/kompost"));
        QCOMPARE(orte.Programmordner, QStringLiteral("/opt/kompost"));
        QVERIFY(orte.Beschreibbar);
#ifdef Q_OS_WIN
        QVERIFY(orte.Datenordner.endsWith(QStringLiteral("/Kompost-Leitstand")));
#else
        QCOMPARE(orte.Datenordner,
                 QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(QStringLiteral("kompost")));
        QVERIFY(Innerhalb(QStringLiteral("/usr/bin"), orte.Systemordner));
        QVERIFY(Innerhalb(QStringLiteral("/usr/local/bin"), orte.Systemordner));
        QVERIFY(!Innerhalb(QStringLiteral("/opt/kompost"), orte.Systemordner));
#endif
    }

    void initTestCase() {
#ifndef Q_OS_WIN
        // The user's data folder of the test, not the real one.
        QVERIFY(m_xdg.isValid());
        qputenv("XDG_DATA_HOME", m_xdg.path().toLocal8Bit());
#endif
    }

private:
    QTemporaryDir m_xdg;
};

QTEST_GUILESS_MAIN(TestHeimordner)
#include "tst_heimordner.moc"

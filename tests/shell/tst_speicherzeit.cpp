// The storage-time schedule: the next run from the hour and the clock, the
// due test of the live display, moving on by one day and the hour chosen in
// the dialog.
#include "shell/UIniDatei.h"
#include "shell/USpeicherzeit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

const QDate Heute(2007, 5, 12);

QDateTime um(const QDate &tag, int h, int m, int s = 0, int ms = 0) {
    return QDateTime(tag, QTime(h, m, s, ms));
}

void stelleUhr(TZustand &z, const QDateTime &jetzt) {
    z.Jetzt = [jetzt] { return jetzt; };
}

} // namespace

class TestSpeicherzeit : public QObject {
    Q_OBJECT

private slots:
    void berechne_data() {
        QTest::addColumn<QDateTime>("jetzt");
        QTest::addColumn<int>("stunde");
        QTest::addColumn<bool>("aktiv");
        QTest::addColumn<QDateTime>("naechste");
        QTest::addColumn<bool>("faellig");

        const QDate morgen = Heute.addDays(1);
        QTest::newRow("14:30, hour 6: tomorrow")
            << um(Heute, 14, 30) << 6 << true << um(morgen, 6, 0) << false;
        QTest::newRow("5:59, hour 6: today") << um(Heute, 5, 59) << 6 << true << um(Heute, 6, 0) << false;
        QTest::newRow("6:00:00, hour 6: today, due")
            << um(Heute, 6, 0) << 6 << true << um(Heute, 6, 0) << true;
        QTest::newRow("6:00:00.001, hour 6: tomorrow")
            << um(Heute, 6, 0, 0, 1) << 6 << true << um(morgen, 6, 0) << false;
        QTest::newRow("0:30, hour 1: today") << um(Heute, 0, 30) << 1 << true << um(Heute, 1, 0) << false;
        QTest::newRow("23:30, hour 23: tomorrow")
            << um(Heute, 23, 30) << 23 << true << um(morgen, 23, 0) << false;
        QTest::newRow("midnight, hour 24: coming midnight")
            << um(Heute, 0, 0) << 24 << true << um(morgen, 0, 0) << false;
        QTest::newRow("23:59:59, hour 24: coming midnight")
            << um(Heute, 23, 59, 59) << 24 << true << um(morgen, 0, 0) << false;
        QTest::newRow("year end") << um(QDate(2007, 12, 31), 14, 30) << 6 << true
                                  << um(QDate(2008, 1, 1), 6, 0) << false;
        QTest::newRow("hour 0: off") << um(Heute, 14, 30) << 0 << false << um(morgen, 0, 0) << false;
        QTest::newRow("hour 0 at midnight: off, never due")
            << um(Heute, 0, 0) << 0 << false << um(Heute, 0, 0) << false;
        QTest::newRow("hour 25: off") << um(Heute, 14, 30) << 25 << false << um(morgen, 0, 0) << false;
    }

    void berechne() {
        QFETCH(QDateTime, jetzt);
        QFETCH(int, stunde);
        QFETCH(bool, aktiv);
        QFETCH(QDateTime, naechste);
        QFETCH(bool, faellig);
        TZustand z;
        stelleUhr(z, jetzt);
        z.SpeicherStunde = stunde;
        BerechneSpeicherzeit(z);
        QCOMPARE(z.SpeicherAktiv, aktiv);
        QCOMPARE(z.NaechsteSpeicherzeit, naechste);
        QCOMPARE(SpeicherungFaellig(z), faellig);
    }

    // The live display's tick: due at and after the time, then one day on.
    void faelligUndWeiter_data() {
        QTest::addColumn<int>("stunde");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("erste");
        QTest::newRow("hour 6") << 6 << um(Heute, 5, 0) << um(Heute, 6, 0);
        QTest::newRow("hour 24") << 24 << um(Heute, 5, 0) << um(Heute.addDays(1), 0, 0);
    }

    void faelligUndWeiter() {
        QFETCH(int, stunde);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, erste);
        TZustand z;
        z.SpeicherStunde = stunde;
        stelleUhr(z, start);
        BerechneSpeicherzeit(z);
        QCOMPARE(z.NaechsteSpeicherzeit, erste);
        stelleUhr(z, erste.addMSecs(-1));
        QVERIFY(!SpeicherungFaellig(z));
        stelleUhr(z, erste);
        QVERIFY(SpeicherungFaellig(z));
        stelleUhr(z, erste.addSecs(90)); // a tick a little late
        QVERIFY(SpeicherungFaellig(z));
        SpeicherzeitWeiter(z);
        QCOMPARE(z.NaechsteSpeicherzeit, erste.addDays(1));
        QVERIFY(!SpeicherungFaellig(z));
    }

    // A storage hour that the clock skips at the change to summer time is
    // run just after the gap, and the next day is back at the hour.
    // A sweep waits while the connection is down and until the plants are learned again.
    void moeglich_data() {
        QTest::addColumn<bool>("verbunden");
        QTest::addColumn<bool>("lernen");
        QTest::addColumn<bool>("moeglich");
        QTest::newRow("connected, learned") << true << false << true;
        QTest::newRow("connected, to be learned") << true << true << false;
        QTest::newRow("down") << false << false << false;
        QTest::newRow("down, to be learned") << false << true << false;
    }

    void moeglich() {
        QFETCH(bool, verbunden);
        QFETCH(bool, lernen);
        QFETCH(bool, moeglich);
        TZustand z;
        z.Verbunden = verbunden;
        z.LernenAnfordern = lernen;
        QCOMPARE(SpeicherungMoeglich(z), moeglich);
    }

    void sommerzeit() {
        const QTimeZone berlin("Europe/Berlin");
        if (!berlin.isValid())
            QSKIP("the time zone database does not know Europe/Berlin");
        TZustand z;
        z.SpeicherStunde = 2;
        const QDateTime vorher(QDate(2024, 3, 30), QTime(14, 0), berlin);
        stelleUhr(z, vorher);
        BerechneSpeicherzeit(z);
        QVERIFY(z.NaechsteSpeicherzeit.isValid());
        QCOMPARE(z.NaechsteSpeicherzeit, QDateTime(QDate(2024, 3, 31), QTime(3, 0), berlin));
        SpeicherzeitWeiter(z);
        QCOMPARE(z.NaechsteSpeicherzeit, QDateTime(QDate(2024, 4, 1), QTime(2, 0), berlin));
        // the day the clock goes back keeps the wall-clock hour
        z.SpeicherStunde = 6;
        stelleUhr(z, QDateTime(QDate(2024, 10, 26), QTime(7, 0), berlin));
        BerechneSpeicherzeit(z);
        SpeicherzeitWeiter(z);
        QCOMPARE(z.NaechsteSpeicherzeit, QDateTime(QDate(2024, 10, 28), QTime(6, 0), berlin));
    }

    // The hour chosen in the dialog at 10:00.
    void stundeWaehlen_data() {
        QTest::addColumn<int>("alt");
        QTest::addColumn<int>("neu");
        QTest::addColumn<int>("danach");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QDateTime>("naechste");

        const QByteArray vorher = "[COM]\r\nZEIT=6\r\nMetric=1\r\n";
        QTest::newRow("6 to 18: today")
            << 6 << 18 << 18 << QByteArray("[COM]\r\nZEIT=18\r\nMetric=1\r\n") << um(Heute, 18, 0);
        QTest::newRow("18 to 6: tomorrow")
            << 18 << 6 << 6 << QByteArray("[COM]\r\nZEIT=6\r\nMetric=1\r\n") << um(Heute.addDays(1), 6, 0);
        QTest::newRow("6 to off") << 6 << 0 << 0 << QByteArray("[COM]\r\nZEIT=0\r\nMetric=1\r\n")
                                  << um(Heute.addDays(1), 0, 0);
        QTest::newRow("same hour writes nothing") << 6 << 6 << 6 << vorher << QDateTime();
        QTest::newRow("no button down keeps the hour") << 6 << -1 << 6 << vorher << QDateTime();
        QTest::newRow("hour 25 keeps the hour") << 6 << 25 << 6 << vorher << QDateTime();
    }

    void stundeWaehlen() {
        QFETCH(int, alt);
        QFETCH(int, neu);
        QFETCH(int, danach);
        QFETCH(QByteArray, datei);
        QFETCH(QDateTime, naechste);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pfad = dir.filePath(QStringLiteral("O2_Tarvos.ini"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // the file says 6 whatever the run holds: "writes nothing" is visible
            f.write("[COM]\r\nZEIT=6\r\nMetric=1\r\n");
        }
        TIniDatei ini(pfad, QLocale(QLocale::German, QLocale::Germany));
        TZustand z;
        stelleUhr(z, um(Heute, 10, 0));
        z.SpeicherStunde = alt;
        BerechneSpeicherzeit(z);
        const QDateTime bisher = z.NaechsteSpeicherzeit;
        QVERIFY(SetzeSpeicherStunde(z, ini, neu));
        QCOMPARE(z.SpeicherStunde, danach);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), datei);
        QCOMPARE(z.NaechsteSpeicherzeit, naechste.isValid() ? naechste : bisher);
        QCOMPARE(z.SpeicherAktiv, danach != 0);
    }

    // The file cannot be written: the new hour is in effect all the same.
    void stundeNichtSchreibbar() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString sperre = dir.filePath(QStringLiteral("datei"));
        QFile f(sperre);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TIniDatei ini(sperre + QStringLiteral("/O2_Tarvos.ini"), QLocale(QLocale::German, QLocale::Germany));
        TZustand z;
        stelleUhr(z, um(Heute, 10, 0));
        QVERIFY(!SetzeSpeicherStunde(z, ini, 18));
        QVERIFY(!ini.LetzterFehler().isEmpty());
        QCOMPARE(z.SpeicherStunde, 18);
        QVERIFY(z.SpeicherAktiv);
        QCOMPARE(z.NaechsteSpeicherzeit, um(Heute, 18, 0));
    }
};

QTEST_GUILESS_MAIN(TestSpeicherzeit)
#include "tst_speicherzeit.moc"

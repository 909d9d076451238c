// The alarms without windows: the thresholds of [ALARM], each condition raised
// once and cleared, acknowledging, the journal with its restart, the site's
// command run without a shell and as a well-behaved child, and the conditions driven by the simulator
// over a real loopback connection.
#include "../shell/ShellUmgebung.h"
#include "AlarmUmgebung.h"
#include "display/USpeicherung.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString Still = QStringLiteral("Anlage antwortet nicht");
const QString Verbindung = QStringLiteral("Verbindung zu den Steuerungen unterbrochen");
const QString Sauerstoff = QStringLiteral("Sauerstoff zu niedrig");
const QString Temperatur = QStringLiteral("Temperatur zu hoch");
const QString Hygiene = QStringLiteral("Kern hat 55 °C nicht erreicht");
const QString Speicher = QStringLiteral("Steuerungsspeicher fast voll");
const QString Auslesung = QStringLiteral("Auslesung fehlgeschlagen");
const QString Platz = QStringLiteral("Wenig Speicherplatz");
const QString Ausgang = QStringLiteral("MQTT-Ausgang beschädigt");

struct TSpeicherAnzeige : ISpeicherAnzeige {
    QStringList meldungen;
    void Meldung(const QString &t) override { meldungen.append(t); }
    void AnzahlAnzeigen(const QString &) override {}
    void FortschrittZeigen(int) override {}
    void FortschrittSchritt() override {}
    void FortschrittVerbergen() override {}
};

#ifdef Q_OS_LINUX
// How many processes of process group `gruppe` are alive (zombies are not).
int lebendeInGruppe(pid_t gruppe) {
    int n = 0;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &p : pids) {
        QFile f(QStringLiteral("/proc/%1/stat").arg(p));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp ...": the name may hold blanks and brackets
        const QByteArray stat = f.readAll();
        const QList<QByteArray> felder = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (felder.size() > 2 && felder.at(2).toInt() == gruppe && felder.at(0) != "Z" && felder.at(0) != "X")
            ++n;
    }
    return n;
}
#endif

} // namespace

class TestAlarme : public QObject {
    Q_OBJECT

private slots:
    // --- settings --------------------------------------------------------------

    void einstellungen_data() {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<QString>(
            "erwartet"); // STILL VERBINDUNG O2MIN O2DAUER TMAX HYGTAGE SPEICHER PLATZMB PORT TLS
        QTest::newRow("defaults") << QByteArray() << "10 10 5 30 85 5 900 500 25 0";
        QTest::newRow("set") << QByteArray(
                                    "STILL=3\nverbindung=0\nO2MIN=4,5\nO2DAUER=15\nTMAX=80\nHYGTAGE=7\n"
                                    "SPEICHER=800\nPLATZMB=2000\nSMTPPORT=587\nSMTPTLS=1\n")
                             << "3 0 4.5 15 80 7 800 2000 587 1";
        QTest::newRow("decimal point") << QByteArray("O2MIN=3.5\n") << "10 10 3.5 30 85 5 900 500 25 0";
        QTest::newRow("out of range or malformed")
            << QByteArray("STILL=-1\nO2MIN=30\nTMAX=x\nSPEICHER=1001\nSMTPPORT=0\nSMTPTLS=3\n")
            << "10 10 5 30 85 5 900 500 25 0";
    }
    void einstellungen() {
        QFETCH(QByteArray, zeilen);
        QFETCH(QString, erwartet);
        QTemporaryDir d;
        QFile f(d.filePath("O2_Tarvos.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[ALARM]\r\n" + zeilen.replace("\n", "\r\n"));
        f.close();
        const TIniDatei ini(f.fileName());
        const tAlarmEinstellungen e = tAlarmEinstellungen::Lesen(ini);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                     .arg(e.Still)
                     .arg(e.Verbindung)
                     .arg(e.O2Min)
                     .arg(e.O2Dauer)
                     .arg(e.TMax)
                     .arg(e.HygTage)
                     .arg(e.Speicher)
                     .arg(e.PlatzMB)
                     .arg(e.SmtpPort)
                     .arg(e.SmtpTls),
                 erwartet);
    }

    // Only the keys that changed are written; the password makes the file private.
    void einstellungenSchreiben() {
        QTemporaryDir d;
        TIniDatei ini(d.filePath("O2_Tarvos.ini"), QLocale(QLocale::German, QLocale::Germany));
        const tAlarmEinstellungen alt;
        tAlarmEinstellungen neu;
        neu.O2Min = 4.5;
        neu.Smtp = QStringLiteral("mail.example.org");
        neu.SmtpPass = QStringLiteral("geheim");
        neu.An = QStringLiteral("a@example.org, b@example.org ,");
        QStringList fehler;
        QVERIFY(neu.Schreiben(ini, alt, fehler));
        QFile f(d.filePath("O2_Tarvos.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[ALARM]\r\nO2MIN=4,5\r\nSMTP=mail.example.org\r\nSMTPPASS=geheim\r\n"
                            "AN=a@example.org, b@example.org ,\r\n"));
        QCOMPARE(tAlarmEinstellungen::Lesen(ini), neu);
        QCOMPARE(neu.Empfaenger(), (QStringList{"a@example.org", "b@example.org"}));
#ifdef Q_OS_UNIX
        QCOMPARE(f.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
#endif
    }

    void mailAdressen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("plain") << "leitstand@kompost.example" << true;
        QTest::newRow("with name") << "Kompostwerk <leitstand@kompost.example>" << true;
        QTest::newRow("local host") << "root@localhost" << true;
        QTest::newRow("literal") << "x@[127.0.0.1]" << true;
        QTest::newRow("no at") << "leitstand" << false;
        QTest::newRow("blank") << "leit stand@kompost.example" << false;
        QTest::newRow("header injection") << "a@b.example\r\nBcc: c@d.example" << false;
        QTest::newRow("empty domain") << "a@" << false;
        QTest::newRow("umlaut") << "müller@kompost.example" << false;
    }
    void mailAdressen() {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QCOMPARE(GueltigeMailAdresse(MailAdresse(text)), gueltig);
    }

    // --- the journal -----------------------------------------------------------

    void journalZeilen() {
        const tAlarmEreignis e{QDateTime(QDate(2024, 12, 10), QTime(14, 30, 5)), 3, Hygiene, "kommt"};
        QCOMPARE(TAlarmJournal::Zeile(e), QByteArray("10.12.2024 14:30:05;3;Kern hat 55 \xB0"
                                                     "C nicht erreicht;kommt\r\n"));
        const tAlarmEreignis pc{QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)), 0, Verbindung, "geht"};
        QCOMPARE(TAlarmJournal::Zeile(pc),
                 QByteArray("02.01.2024 03:04:05;;" + Verbindung.toLatin1() + ";geht\r\n"));
        // ";" and line breaks in a text cannot break the line apart
        const tAlarmEreignis boese{pc.Zeit, 1, QStringLiteral("a;b\r\nc"), "quittiert"};
        QCOMPARE(TAlarmJournal::Zeile(boese), QByteArray("02.01.2024 03:04:05;1;a b  c;quittiert\r\n"));

        tAlarmEreignis zurueck;
        QVERIFY(TAlarmJournal::ZeileLesen(TAlarmJournal::Zeile(e), zurueck));
        QCOMPARE(zurueck.Zeit, e.Zeit);
        QCOMPARE(zurueck.Anlage, 3);
        QCOMPARE(zurueck.Text, Hygiene);
        QCOMPARE(zurueck.Zustand, QStringLiteral("kommt"));
        for (const char *schlecht :
             {"10.12.2024 14:30:05;3;Text", "gestern;3;Text;kommt", "10.12.2024 14:30:05;33;Text;kommt",
              "10.12.2024 14:30:05;3;Text;vielleicht", "10.12.2024 14:30:05;x;Text;geht",
              "10.12.2024 14:30:05;3;;kommt"})
            QVERIFY2(!TAlarmJournal::ZeileLesen(QByteArray(schlecht), zurueck), schlecht);
    }

    // --- the conditions, with the events handed over directly ------------------

    // A plant that answered and then misses every poll for STILL minutes:
    // raised once, cleared by its next reply; every change in the journal,
    // the event log and to the listeners.
    void stillUndWiederDa() {
        TAlarmUmgebung u("STILL=10\n");
        u.laeuft(1);
        u.laeuft(2);
        TAlarme &a = u.starte();
        QSignalSpy geaendert(&u.stand, &TAlarmStand::Geaendert);
        u.poll(1);
        u.poll(2);
        u.verpasst(2);
        u.spaeter(9);
        u.verpasst(2);
        QCOMPARE(a.Aktive(), 0);
        u.spaeter(1);
        u.verpasst(2);
        u.spaeter(5);
        u.verpasst(2);
        QCOMPARE(u.liste(), QStringList{"2 " + Still + " a"});
        QCOMPARE(u.stand.Aktive(), 1);
        QVERIFY(u.stand.AnlageAktiv(2) && !u.stand.AnlageAktiv(1));
        QCOMPARE(geaendert.count(), 1);
        u.spaeter(1);
        u.poll(2);
        QCOMPARE(u.liste(), QStringList{"2 " + Still + " e"}); // cleared, not acknowledged
        QCOMPARE(u.stand.Aktive(), 0);
        QCOMPARE(u.hoerer.kurz(), (QStringList{"2 " + Still + " kommt", "2 " + Still + " geht"}));
        QCOMPARE(u.journal(), Cp1252::encode("10.12.2024 12:10:00;2;" + Still +
                                             ";kommt\r\n"
                                             "10.12.2024 12:16:00;2;" +
                                             Still + ";geht\r\n"));
        QVERIFY(
            u.imLog("Alarm kommt: Anlage 2: Anlage antwortet nicht; keine Antwort seit 10.12.2024 12:00:00"));
        QVERIFY(u.imLog("Alarm geht: Anlage 2: Anlage antwortet nicht; antwortet wieder"));
    }

    // Who is not watched: a plant that never answered in this run, a plant
    // switched off while it is learned; and the polls of a lost link do not count.
    void stillNurFuerBeobachtete() {
        TAlarmUmgebung u("STILL=10\n");
        u.laeuft(1);
        TAlarme &a = u.starte();
        u.z.Anlagen[3].Angeschlossen = 1; // learned, switched off: its replies are not judged
        for (int i = 0; i < 3; ++i) {
            u.verpasst(2); // never answered
            u.verpasst(3);
            u.spaeter(10);
        }
        QCOMPARE(a.Aktive(), 0);

        u.poll(1);
        u.verpasst(1);
        u.spaeter(8);
        u.ereignisse.Verbindung(false);
        u.spaeter(30);
        u.ereignisse.Verbindung(true);
        u.verpasst(1);
        u.spaeter(8);
        u.verpasst(1);
        QCOMPARE(a.Aktive(), 0); // 8 minutes of misses on each side of the lost link
        u.spaeter(2);
        u.verpasst(1);
        QCOMPARE(u.liste(), QStringList{"1 " + Still + " a"});
    }

    // The conditions on a running pile's live readings.
    void mietenWerte() {
        TAlarmUmgebung u("O2MIN=5,0\nO2DAUER=30\nTMAX=85\n");
        u.laeuft(1);
        TAlarme &a = u.starte();
        u.poll(1, 60, 49);
        u.spaeter(29);
        u.poll(1, 60, 40);
        QCOMPARE(a.Aktive(), 0);
        u.spaeter(1);
        u.poll(1, 60, 40);
        QCOMPARE(u.liste(), QStringList{"1 " + Sauerstoff + " a"});
        QCOMPARE(a.Liste().at(0).Werte.Deutsch(),
                 QStringLiteral("O2 4,0 vol%, seit 10.12.2024 12:00:00 unter 5,0 vol%"));
        u.poll(1, 86, 49); // still below: raised once only
        QCOMPARE(u.liste(), QStringList({"1 " + Sauerstoff + " a", "1 " + Temperatur + " a"}));
        u.poll(1, 85, 50);
        QCOMPARE(u.liste(), QStringList({"1 " + Sauerstoff + " e", "1 " + Temperatur + " e"}));
        // O2 that rises for a moment starts the duration again
        u.poll(1, 60, 30);
        u.spaeter(20);
        u.poll(1, 60, 55);
        u.spaeter(20);
        u.poll(1, 60, 30);
        QCOMPARE(a.Aktive(), 0);
        // An invalid reading is no evidence either way.
        tAnlageMesswerte ungueltig;
        u.ereignisse.Messwert(1, ungueltig, u.zeit);
        QCOMPARE(a.Aktive(), 0);

        // The pile ends: its alarms clear.
        u.poll(1, 90, 60);
        QCOMPARE(a.Aktive(), 1);
        u.z.Anlagen[1].Eingeschaltet = 0;
        u.poll(1, 90, 60);
        QCOMPARE(a.Aktive(), 0);
        QVERIFY(u.imLog("Alarm geht: Anlage 1: Temperatur zu hoch; Miete beendet"));
    }

    // A pile running HYGTAGE days whose core never reached 55 °C, from its
    // data file and the live readings together.
    void kernNichtHeiss() {
        TAlarmUmgebung u("HYGTAGE=5\n");
        const QDateTime start = u.zeit.addDays(-6);
        u.datendatei("Kalt.CSV", {{start, 48}, {start.addDays(1), 52}, {start.addDays(2), 54}});
        u.datendatei("Heiss.CSV", {{start, 48}, {start.addDays(1), 56}, {start.addDays(2), 50}});
        u.datendatei("Neu.CSV", {{u.zeit.addDays(-2), 40}});
        u.laeuft(1, u.pfad("Kalt.CSV"));
        u.laeuft(2, u.pfad("Heiss.CSV"));
        u.laeuft(3, u.pfad("Neu.CSV"));
        TAlarme &a = u.starte();
        for (int n = 1; n <= 3; ++n)
            u.poll(n, 50);
        // The data files are read on a thread of their own, one after the other.
        a.Pruefen();
        QVERIFY(a.LiestDatei());
        QTRY_VERIFY(!a.LiestDatei());
        QCOMPARE(u.liste(), QStringList{"1 " + Hygiene + " a"});
        QCOMPARE(a.Liste().at(0).Werte.Deutsch(),
                 QStringLiteral("höchste Kerntemperatur 54 °C, Miete seit 04.12.2024 12:00:00"));
        // A record written now with 55 °C clears it.
        tAnlageMesswerte w;
        w.T = {0, 55, 50, 45, 40, 30};
        u.ereignisse.DatensatzGeschrieben(1, u.pfad("Kalt.CSV"), 4, "10.12.2024  11:45", w);
        QCOMPARE(u.liste(), QStringList{"1 " + Hygiene + " e"});

        // The new pile reaches the days: raised; it reaches 55 °C live: cleared.
        u.spaeter(3 * 24 * 60 + 1);
        a.Pruefen();
        QCOMPARE(u.liste(), QStringList({"1 " + Hygiene + " e", "3 " + Hygiene + " a"}));
        u.poll(3, 57);
        QCOMPARE(a.Aktive(), 0);

        // Another data file on a running plant is another pile: what was
        // known of the last one goes, and it clears.
        u.datendatei("Kalt2.CSV", {{u.zeit.addDays(-9), 30}});
        a.AlleQuittieren();
        u.poll(1, 40);
        u.z.Anlagen[1].Datei = u.pfad("Kalt2.CSV");
        u.poll(1, 40);
        a.Pruefen();
        QTRY_VERIFY(!a.LiestDatei());
        QCOMPARE(u.liste(), QStringList{"1 " + Hygiene + " a"});
        u.z.Anlagen[1].Datei = u.pfad("Kalt.CSV");
        u.poll(1, 40);
        QCOMPARE(u.liste(), QStringList{"1 " + Hygiene + " e"});
    }

    // The controller's record count and the readouts' ends; the disturbances of the PC.
    void speicherAuslesungStoerungen() {
        TAlarmUmgebung u("SPEICHER=900\n");
        TAlarme &a = u.starte();
        u.ereignisse.Speicherstand(2, 899);
        QCOMPARE(a.Aktive(), 0);
        u.ereignisse.Speicherstand(2, 900);
        u.ereignisse.Auslesung(2, false, 17, "Keine Antwort auf G");
        QCOMPARE(u.liste(), QStringList({"2 " + Speicher + " a", "2 " + Auslesung + " a"}));
        QCOMPARE(a.Liste().at(1).Werte.Deutsch(),
                 QStringLiteral("17 Datensätze gelesen: Keine Antwort auf G"));
        // the same failure reported as a disturbance is the same alarm
        u.ereignisse.Stoerung(TStoerung::Auslesung, 2, true, "noch einmal");
        QCOMPARE(a.Aktive(), 2);
        u.ereignisse.Auslesung(2, true, 900, {});
        QCOMPARE(u.liste(), QStringList({"2 " + Speicher + " e", "2 " + Auslesung + " e"}));
        u.ereignisse.Stoerung(TStoerung::Auslesung, 3, true, "Datei gesperrt");
        u.ereignisse.Stoerung(TStoerung::Auslesung, 3, false, {});
        QCOMPARE(a.Aktive(), 0);

        const QString konfig = QStringLiteral("Konfigurationsdatei kann nicht geschrieben werden");
        const QString log = QStringLiteral("Ereignisprotokoll kann nicht geschrieben werden");
        a.AlleQuittieren();
        u.ereignisse.Stoerung(TStoerung::Konfiguration, 0, true, "Datenträger voll");
        u.ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, true, "Datenträger voll");
        QCOMPARE(u.liste(), QStringList({"0 " + konfig + " a", "0 " + log + " a"}));
        QVERIFY(u.stand.Aktive() == 2 && !u.stand.AnlageAktiv(1));
        u.ereignisse.Stoerung(TStoerung::Konfiguration, 0, false, {});
        u.ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, false, {});
        QCOMPARE(a.Aktive(), 0);
        // the outbox to the broker found damaged
        u.ereignisse.Stoerung(TStoerung::MqttAusgang, 0, true, "MQTT_Ausgang.txt: 1 Zeile(n) ...");
        QCOMPARE(u.liste().last(), "0 " + Ausgang + " a");
        QCOMPARE(a.Liste().last().Werte.Deutsch(), QStringLiteral("MQTT_Ausgang.txt: 1 Zeile(n) ..."));
        u.ereignisse.Stoerung(TStoerung::MqttAusgang, 0, false, {});
        QCOMPARE(a.Aktive(), 0);
        QVERIFY(u.journal().contains(";;Konfigurationsdatei kann nicht geschrieben werden;geht\r\n"));
    }

    // Disturbances that began before the alarms listened (the configuration
    // file found read-only while the main window started) raise their alarm
    // when the alarms are told of them late; those over by then raise none.
    void stoerungVorDemStart() {
        TAlarmUmgebung u;
        TStoerungsStand stoerungen(u.ereignisse);
        stoerungen.Melden(TStoerung::Konfiguration, 0, true, "schreibgeschützt");
        stoerungen.Melden(TStoerung::Ereignisprotokoll, 0, true, "Ordner fehlt");
        stoerungen.Melden(TStoerung::Ereignisprotokoll, 0, false);
        stoerungen.Melden(TStoerung::Auslesung, 3, true, "Datenträger voll");
        TAlarme &a = u.starte();
        QCOMPARE(a.Aktive(), 0);
        stoerungen.Nachmelden(a);
        QCOMPARE(u.liste(), QStringList({"3 " + Auslesung + " a",
                                         "0 Konfigurationsdatei kann nicht geschrieben werden a"}));
        stoerungen.Melden(TStoerung::Konfiguration, 0, false);
        QCOMPARE(a.Aktive(), 1);
    }

    // The link lost for VERBINDUNG minutes, also from the start.
    void verbindung() {
        TAlarmUmgebung u("VERBINDUNG=10\n");
        u.z.Verbunden = false;
        TAlarme &a = u.starte();
        u.spaeter(9);
        a.Pruefen();
        QCOMPARE(a.Aktive(), 0);
        u.spaeter(1);
        a.Pruefen();
        QCOMPARE(u.liste(), QStringList{"0 " + Verbindung + " a"});
        u.ereignisse.Verbindung(true);
        QCOMPARE(a.Aktive(), 0);
        u.ereignisse.Verbindung(false);
        u.spaeter(5);
        u.ereignisse.Verbindung(false); // a second loss report keeps the first time
        u.spaeter(5);
        a.Pruefen();
        QCOMPARE(a.Aktive(), 1);
    }

    // A data folder with less room than PLATZMB.
    void speicherplatz() {
        TAlarmUmgebung u("PLATZMB=1000000000\n");
        QVERIFY(QDir().mkpath(u.pfad("daten")));
        u.z.Anlagen[2].Pfad = QDir::toNativeSeparators(u.pfad("daten")) + QDir::separator();
        TAlarme &a = u.starte();
        a.Pruefen();
        QCOMPARE(u.liste(), QStringList{"0 " + Platz + " a"});
        QVERIFY2(a.Liste().at(0).Werte.Deutsch().contains(QDir::toNativeSeparators(u.heim.path()) + ": "),
                 qPrintable(a.Liste().at(0).Werte.Deutsch()));
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=1\n");
        a.EinstellungenLesen();
        a.Pruefen();
        QCOMPARE(u.liste(), QStringList{"0 " + Platz + " e"});
        // switched off while active: cleared
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=1000000000\n");
        a.EinstellungenLesen();
        a.Pruefen();
        QCOMPARE(a.Aktive(), 1);
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=0\n");
        a.EinstellungenLesen();
        QCOMPARE(a.Aktive(), 0);
        QVERIFY(u.imLog("Alarm geht: PC: Wenig Speicherplatz; Bedingung abgeschaltet"));
    }

    // Acknowledged alarms stay while active; cleared ones stay until acknowledged.
    void quittieren() {
        TAlarmUmgebung u;
        TAlarme &a = u.starte();
        u.ereignisse.Speicherstand(1, 950);
        u.spaeter(1);
        u.ereignisse.Speicherstand(2, 950);
        QVERIFY(a.Quittieren(1, Speicher));
        QVERIFY(!a.Quittieren(1, Speicher)); // once only
        QVERIFY(!a.Quittieren(3, Speicher));
        QCOMPARE(u.liste(), QStringList({"1 " + Speicher + " aq", "2 " + Speicher + " a"}));
        u.ereignisse.Speicherstand(1, 10);
        u.ereignisse.Speicherstand(2, 10);
        QCOMPARE(u.liste(), QStringList{"2 " + Speicher + " e"});
        // raised again before it was acknowledged: the same entry, active again
        u.spaeter(1);
        u.ereignisse.Speicherstand(2, 960);
        QCOMPARE(u.liste(), QStringList{"2 " + Speicher + " a"});
        QCOMPARE(a.Liste().at(0).Seit, u.zeit);
        QCOMPARE(a.AlleQuittieren(), 1);
        QCOMPARE(u.liste(), QStringList{"2 " + Speicher + " aq"});
        QCOMPARE(u.stand.Aktive(), 1);
        QCOMPARE(u.hoerer.kurz().last(), "2 " + Speicher + " quittiert");
        QVERIFY(u.imLog("Alarm quittiert: Anlage 2: Steuerungsspeicher fast voll"));
        // the history, newest first
        const QList<tAlarmEreignis> verlauf = a.Verlauf();
        QCOMPARE(verlauf.size(), 7);
        QCOMPARE(verlauf.first().Zustand, QStringLiteral("quittiert"));
        QCOMPARE(verlauf.last().Zustand, QStringLiteral("kommt"));
    }

    // After a restart the active and unacknowledged alarms come back from the
    // journals of this and the last year, without being sent again; the
    // history keeps 30 days.
    void neustart() {
        TAlarmUmgebung u("BEFEHL=/bin/false\n");
        u.schreibe("Alarme_2023.CSV", "30.12.2023 10:00:00;4;Anlage antwortet nicht;kommt\n"
                                      "30.12.2023 11:00:00;;Wenig Speicherplatz;kommt\n"
                                      "30.12.2023 11:30:00;;Wenig Speicherplatz;quittiert\n");
        u.schreibe("Alarme_2024.CSV",
                   "02.01.2024 09:00:00;;Wenig Speicherplatz;geht\n"
                   "01.12.2024 08:00:00;1;Sauerstoff zu niedrig;kommt\n"
                   "eine kaputte Zeile\n"
                   "01.12.2024 09:00:00;1;Sauerstoff zu niedrig;geht\n"
                   "05.12.2024 08:00:00;2;Temperatur zu hoch;kommt\n"
                   "05.12.2024 08:05:00;2;Temperatur zu hoch;quittiert\n"
                   "06.12.2024 08:00:00;;Konfigurationsdatei kann nicht geschrieben werden;kommt\n"
                   "06.12.2024 09:00:00;;MQTT-Ausgang besch\xe4"
                   "digt;kommt\n"
                   "07.12.2024 08:00:00;3;Ein Alarm einer neueren Fassung;kommt\n");
        const QByteArray vorher = u.journal();
        TAlarme &a = u.starte();
        QCOMPARE(u.liste(),
                 QStringList({"4 " + Still + " a", "1 " + Sauerstoff + " e", "2 " + Temperatur + " aq",
                              "0 Konfigurationsdatei kann nicht geschrieben werden a", "0 " + Ausgang + " a",
                              "3 Ein Alarm einer neueren Fassung e"}));
        QCOMPARE(u.stand.Aktive(), 4);
        QVERIFY(u.stand.AnlageAktiv(4) && u.stand.AnlageAktiv(2));
        QCOMPARE(a.Verlauf().size(), 7); // from 01.12. on; the line it cannot read is left out
        QVERIFY(u.imLog("Alarmjournal: 1 unlesbare Zeile(n) übergangen"));
        QVERIFY(u.hoerer.alarme.isEmpty());
        QCOMPARE(u.journal(), vorher);

        // The configuration can be written again and the outbox is read
        // afresh at each start: the restored disturbances end at the first
        // check; the silent plant is watched and clears with its reply.
        QTRY_COMPARE(a.Aktive(), 2);
        u.z.Anlagen[4].Angeschlossen = 1;
        u.z.Anlagen[4].Eingeschaltet = 1;
        u.poll(4);
        QCOMPARE(a.Aktive(), 1);
        QCOMPARE(u.hoerer.kurz(), (QStringList{"0 Konfigurationsdatei kann nicht geschrieben werden geht",
                                               "0 " + Ausgang + " geht", "4 " + Still + " geht"}));
        // a restored alarm raised again is not raised twice
        u.poll(2, 90);
        QCOMPARE(u.hoerer.alarme.size(), 3);
    }

    // The site's command: run without a shell with state, plant and text;
    // its exit code logged.
    void befehl() {
#ifdef Q_OS_UNIX
        TAlarmUmgebung u;
        QVERIFY(QDir().mkpath(u.pfad("mit Leerzeichen")));
        const QString skript = u.pfad("mit Leerzeichen/melde.sh");
        {
            QFile f(skript);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> \"$(dirname "
                    "\"$0\")/aufrufe.txt\"\n"
                    "echo >> \"$(dirname \"$0\")/aufrufe.txt\"\nexit 3\n");
        }
        QVERIFY(QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=0\nBEFEHL=" + skript.toUtf8() + "\n");
        TAlarme &a = u.starte();
        u.ereignisse.Speicherstand(3, 999);
        QTRY_VERIFY(u.imLog("Alarmbefehl " + skript +
                            " (kommt 3 \"Steuerungsspeicher fast voll\") beendet mit Code 3"));
        a.Quittieren(3, Speicher); // no command for an acknowledgement
        u.ereignisse.Speicherstand(3, 0);
        QTRY_VERIFY(u.imLog("(geht 3 \"Steuerungsspeicher fast voll\") beendet mit Code 3"));
        QCOMPARE(u.lies("mit Leerzeichen/aufrufe.txt"),
                 QByteArray(
                     "[kommt][3][Steuerungsspeicher fast voll]\n[geht][3][Steuerungsspeicher fast voll]\n"));

        // Own arguments in front, quoted; nothing of them reaches a shell.
        const QString skript2 = u.pfad("melde2.sh");
        QVERIFY(QFile::copy(skript, skript2));
        u.schreibe("O2_Tarvos.ini",
                   "[ALARM]\nPLATZMB=0\nBEFEHL=" + skript2.toUtf8() + " --an \"0171 $(touch boese)\"\n");
        a.EinstellungenLesen();
        u.ereignisse.Stoerung(TStoerung::Konfiguration, 0, true, {});
        QTRY_VERIFY(
            u.imLog("(kommt 0 \"Konfigurationsdatei kann nicht geschrieben werden\") beendet mit Code 3"));
        QCOMPARE(u.lies("aufrufe.txt"),
                 QByteArray("[--an][0171 $(touch boese)][kommt][0][Konfigurationsdatei kann nicht "
                            "geschrieben werden]\n"));
        QVERIFY(!QFile::exists(u.pfad("boese")));

        // A program that is not there.
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=0\nBEFEHL=" + u.pfad("gibt-es-nicht").toUtf8() + "\n");
        a.EinstellungenLesen();
        u.ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, true, {});
        QTRY_VERIFY(u.imLog("kann nicht gestartet werden"));

        // One that runs too long is ended.
        u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=0\nBEFEHL=/bin/sh -c \"sleep 30\"\n");
        a.EinstellungenLesen();
        a.SetzeBefehlGrenze(200);
        u.ereignisse.Stoerung(TStoerung::Auslesung, 1, true, {});
        QTRY_VERIFY(u.imLog("läuft nach 0 s noch und wird beendet"));
        QTRY_VERIFY(u.imLog("Alarmbefehl /bin/sh (kommt 1 \"Auslesung fehlgeschlagen\") abgebrochen"));
#else
        QSKIP("needs a POSIX shell script");
#endif
    }

    // The command as a well-behaved child: it sees no descriptor of the
    // program but its standard streams (here an open file and a pipe without
    // close-on-exec, as a library's socket may be), runs in a process group
    // of its own, and nothing it started survives the time limit, its own
    // end or the end of the alarms.
    void befehlAlsGruppe() {
#ifdef Q_OS_LINUX
        TAlarmUmgebung u;
        const int offen = ::open("/dev/null", O_RDONLY);
        int rohr[2] = {-1, -1};
        QVERIFY(offen >= 0 && ::pipe(rohr) == 0);
        const auto zu = qScopeGuard([&] {
            ::close(offen);
            ::close(rohr[0]);
            ::close(rohr[1]);
        });
        const QByteArray d = u.heim.path().toUtf8();
        // $$ and $! reach the shell unexpanded: no shell splits the command.
        const auto befehl = [&](const QByteArray &name, const QByteArray &danach) {
            u.schreibe("O2_Tarvos.ini", "[ALARM]\nPLATZMB=0\nBEFEHL=/bin/sh -c \"sleep 1000 & echo $! > " +
                                            d + "/" + name + ".enkel; echo $$ > " + d + "/" + name +
                                            ".pid; " + danach + "\"\n");
        };
        const auto pid = [&](const QString &datei) {
            return static_cast<pid_t>(u.lies(datei).trimmed().toInt());
        };

        // The time limit: the program waits for its child; both are ended.
        befehl("grenze", "wait");
        TAlarme &a = u.starte();
        a.SetzeBefehlGrenze(500);
        u.ereignisse.Stoerung(TStoerung::Auslesung, 1, true, {});
        QTRY_VERIFY(pid("grenze.pid") > 0 && pid("grenze.enkel") > 0);
        const pid_t gruppe = pid("grenze.pid");
        // the descriptors the command's child holds (the shell keeps some of its own)
        // (once it executes sleep: until then the shell's own may show)
        QTRY_COMPARE(QDir(QStringLiteral("/proc/%1/fd").arg(pid("grenze.enkel")))
                         .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
                     (QStringList{"0", "1", "2"}));
        QCOMPARE(::getpgid(pid("grenze.enkel")), gruppe); // a group of its own
        QVERIFY(gruppe != ::getpgrp());
        QTRY_VERIFY(u.imLog("läuft nach 0 s noch und wird beendet"));
        QTRY_COMPARE(lebendeInGruppe(gruppe), 0);
        QVERIFY(!u.imLog("hinterließ"));

        // A program that ends and leaves its child running: the child is ended with it.
        befehl("rest", "exit 0");
        a.EinstellungenLesen();
        a.SetzeBefehlGrenze(600000);
        u.ereignisse.Stoerung(TStoerung::Auslesung, 2, true, {});
        QTRY_VERIFY(u.imLog("(kommt 2 \"Auslesung fehlgeschlagen\") hinterließ laufende Prozesse"));
        QVERIFY(pid("rest.pid") > 0);
        QTRY_COMPARE(lebendeInGruppe(pid("rest.pid")), 0);

        // The program's end (the alarms go) ends the command and its child.
        befehl("ende", "wait");
        a.EinstellungenLesen();
        u.ereignisse.Stoerung(TStoerung::Auslesung, 3, true, {});
        QTRY_VERIFY(pid("ende.pid") > 0 && pid("ende.enkel") > 0);
        u.alarme.reset();
        QVERIFY(u.imLog("beim Beenden abgebrochen"));
        QTRY_COMPARE(lebendeInGruppe(pid("ende.pid")), 0);
#else
        QSKIP("reads the processes from /proc");
#endif
    }

    // The command dies with the program even when that is killed outright.
    void befehlStirbtMitDemProgramm() {
#ifdef Q_OS_LINUX
        QTemporaryDir heim;
        const QString datei = heim.filePath(QStringLiteral("kind.pid"));
        QProcess helfer;
        helfer.start(QStringLiteral(KOMPOST_BEFEHL_HELFER),
                     {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                      QStringLiteral("echo $$ > %1; exec sleep 1000").arg(datei)});
        QVERIFY(helfer.waitForStarted(5000));
        QTRY_VERIFY(QFileInfo(datei).size() > 0);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto kind = static_cast<pid_t>(f.readAll().trimmed().toInt());
        QVERIFY(kind > 0);
        QCOMPARE(lebendeInGruppe(kind), 1);
        ::kill(static_cast<pid_t>(helfer.processId()), SIGKILL);
        QVERIFY(helfer.waitForFinished(5000));
        QTRY_COMPARE(lebendeInGruppe(kind), 0);
#else
        QSKIP("the death signal is Linux's");
#endif
    }

    // --- against the simulator -------------------------------------------------

    // On the serial line (the simulator's pseudo-terminal) the link is up
    // once the port is open: no alarm for a link that never was lost.
    void seriellerAnschluss() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.ptyAlsPort(1, 1));
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   "[COM]\nLAYER=0\nCOM=1\n[ALARM]\nPLATZMB=0\nVERBINDUNG=1\n");
        u.baue();
        qint64 versatz = 0;
        u.z().Jetzt = [&versatz] { return QDateTime::currentDateTime().addSecs(versatz); };
        TAlarme alarme(u.z(), u.lauf->Ini, u.lauf->Log, u.lauf->Ereignisse, u.lauf->Alarmstand);
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(gelernt.count() > 0 || gelernt.wait(15000));
        QVERIFY(u.z().Verbunden);
        QTRY_VERIFY(u.z().Messwerte[1].Gueltig);
        versatz += 5 * 60;
        alarme.Pruefen();
        QCOMPARE(alarme.Aktive(), 0);
    }

    // A learned run polling two plants over loopback TCP: the simulator
    // silences a plant, lowers O2, heats the core, drops the link, fills a
    // controller's memory and fails a readout; each alarm comes and goes.
    void mitDemSimulator() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        // Plant 1's pile: six days on its data file, its core below 55 °C there and live.
        const QString datei = u.pfad("Miete1.CSV");
        {
            TAlarmUmgebung hilfe;
            const QDateTime t = QDateTime::currentDateTime().addDays(-6);
            hilfe.datendatei("Miete.CSV", {{t, 45}, {t.addDays(2), 52}});
            QVERIFY(QFile::copy(hilfe.pfad("Miete.CSV"), datei));
        }
        u.sim.Stoerung(1).KernErzwungen = 500;
        QVERIFY(u.netz(2, "[ALARM]\nPLATZMB=0\nSTILL=10\nVERBINDUNG=10\nO2DAUER=30\nHYGTAGE=5\n[1]\nDatei=" +
                              datei.toUtf8() + "\n"));
        u.baue();
        qint64 versatz = 0;
        u.z().Jetzt = [&versatz] { return QDateTime::currentDateTime().addSecs(versatz); };
        TAlarme alarme(u.z(), u.lauf->Ini, u.lauf->Log, u.lauf->Ereignisse, u.lauf->Alarmstand);
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        u.fMain->Starte();
        QVERIFY(gelernt.wait(15000));
        QTRY_VERIFY(u.z().Messwerte[1].Gueltig && u.z().Messwerte[2].Gueltig);
        QCOMPARE(alarme.Aktive(), 0);
        const auto aktiv = [&alarme] {
            QStringList l;
            for (const tAlarm &a : alarme.Liste())
                if (a.Aktiv)
                    l.append(QString::number(a.Anlage) + QLatin1Char(' ') + a.Text);
            return l;
        };

        // The pile whose core never reached 55 °C; it does now.
        QCOMPARE(u.anlage(1).Datei, datei);
        QCOMPARE(u.z().Messwerte[1].T[1], 50);
        alarme.Pruefen();
        QTRY_COMPARE(aktiv(), QStringList{"1 " + Hygiene});
        u.sim.Stoerung(1).KernErzwungen = 560;
        QTRY_COMPARE(aktiv(), QStringList());
        u.sim.Stoerung(1).KernErzwungen.reset();

        // A silent plant.
        u.sim.Stoerung(2).Stumm = true;
        QTRY_VERIFY(u.z().Messwerte[2].Fehlabfragen >= 1);
        versatz += 11 * 60;
        QTRY_COMPARE(aktiv(), QStringList{"2 " + Still});
        QVERIFY(u.lauf->Alarmstand.AnlageAktiv(2));
        u.sim.Stoerung(2).Stumm = false;
        QTRY_COMPARE(aktiv(), QStringList());

        // An anaerobic pile, and one that overheats.
        u.sim.Stoerung(1).O2Erzwungen = 30;
        QTRY_COMPARE(u.z().Messwerte[1].O2, 30);
        versatz += 31 * 60;
        QTRY_COMPARE(aktiv(), QStringList{"1 " + Sauerstoff});
        u.sim.Stoerung(1).O2Erzwungen.reset();
        // Plant 2 may be polled before plant 1 again: its core goes up only
        // once plant 1's alarm has gone, so the journal's order is fixed.
        QTRY_COMPARE(aktiv(), QStringList());
        u.sim.Stoerung(2).KernErzwungen = 905;
        QTRY_COMPARE(aktiv(), QStringList{"2 " + Temperatur});
        u.sim.Stoerung(2).KernErzwungen.reset();
        QTRY_COMPARE(aktiv(), QStringList());

        // The network adapter goes away for longer than VERBINDUNG.
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QTRY_VERIFY(!u.z().Verbunden);
        versatz += 11 * 60;
        alarme.Pruefen();
        QCOMPARE(aktiv(), QStringList{"0 " + Verbindung});
        QVERIFY(u.sim.SetTcpGesperrt(false));
        u.lauf->Komm.Verbindung.JetztVersuchen();
        QTRY_COMPARE_WITH_TIMEOUT(aktiv(), QStringList(), 15000);
        QTRY_VERIFY(u.z().Messwerte[1].Gueltig && u.z().Messwerte[2].Gueltig);

        // A controller memory that is nearly full is read out; a readout that fails.
        TSpeicherAnzeige anzeige;
        TSpeicherung speicherung(u.lauf->Komm, u.lauf->Daten, anzeige);
        speicherung.SetzeEreignisse(&u.lauf->Ereignisse);
        u.lauf->Komm.Abfrage.StopTimer();
        u.sim.Anlage(1).FuelleSpeicher(950);
        QVERIFY(speicherung.StoreControllerRecordsQuiet(1));
        u.sim.Stoerung(2).AnzahlErzwungen = 5;
        QVERIFY(!speicherung.StoreControllerRecordsQuiet(2));
        QCOMPARE(aktiv(), QStringList{"2 " + Auslesung});
        u.sim.Stoerung(2).AnzahlErzwungen.reset();
        QVERIFY(speicherung.StoreControllerRecordsQuiet(2));
        QCOMPARE(aktiv(), QStringList());
        u.lauf->Komm.Abfrage.StartTimer();

        // Everything in the journal, in order.
        QStringList zeilen;
        for (const tAlarmEreignis &e : alarme.Journal().Lesen(2000, 2100))
            zeilen.append(QString::number(e.Anlage) + QLatin1Char(' ') + e.Text + QLatin1Char(' ') +
                          e.Zustand);
        QCOMPARE(zeilen, (QStringList{"1 " + Hygiene + " kommt", "1 " + Hygiene + " geht",
                                      "2 " + Still + " kommt", "2 " + Still + " geht",
                                      "1 " + Sauerstoff + " kommt", "1 " + Sauerstoff + " geht",
                                      "2 " + Temperatur + " kommt", "2 " + Temperatur + " geht",
                                      "0 " + Verbindung + " kommt", "0 " + Verbindung + " geht",
                                      "1 " + Speicher + " kommt", "1 " + Speicher + " geht",
                                      "2 " + Auslesung + " kommt", "2 " + Auslesung + " geht"}));
    }
};

QTEST_MAIN(TestAlarme)
#include "tst_alarme.moc"

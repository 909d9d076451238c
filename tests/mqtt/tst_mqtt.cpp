// The site network: the payloads, the outbox on its own (order, restart, a
// line cut off by a crash, an unwritable outbox, shortening), a damaged
// outbox mended and said, and the
// publisher against a real Mosquitto broker: retained status and readings,
// every record of a readout once with the file's values, the broker stopped
// during a readout, a restart with a full outbox, the last will after the
// program is killed, TLS with a password file and the connection test.
#include "../comm/SimAnschluss.h"
#include "MqttBroker.h"
#include "display/USpeicherung.h"
#include "mqtt/UMqttNachrichten.h"
#include "mqtt/UMqttSender.h"
#include "shell/UIniDatei.h"
#include "shell/UStoerungen.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QByteArray Basis = "kompost/werk-test/";

tMqttEinstellungen einstellungen(quint16 port) {
    tMqttEinstellungen e;
    e.Host = QStringLiteral("127.0.0.1");
    e.Port = port;
    e.Standort = QStringLiteral("werk-test");
    return e;
}

tAnlageMesswerte werte(int t100, int o2) {
    tAnlageMesswerte w;
    w.Gueltig = 1;
    w.T = {0, t100, 58, 47, 31, -2};
    w.O2 = o2;
    w.RefMarke = 44;
    w.Betriebsart = 3;
    w.Laufzeit = 12;
    w.Zyklen = 4;
    return w;
}

struct TAnzeige : ISpeicherAnzeige {
    void Meldung(const QString &) override {}
    void AnzahlAnzeigen(const QString &) override {}
    void FortschrittZeigen(int) override {}
    void FortschrittSchritt() override {}
    void FortschrittVerbergen() override {}
};

// The record numbers of the datensatz messages, in the order they came.
QList<int> nummern(const QByteArrayList &inhalte) {
    QList<int> l;
    for (const QByteArray &i : inhalte)
        l.append(QJsonDocument::fromJson(i).object().value(QStringLiteral("nr")).toInt());
    return l;
}

// Every number 1..n is there, and the first arrivals are in order (a
// message may come twice after a lost connection, never out of order or not at all).
bool vollstaendigInOrdnung(const QList<int> &l, int n) {
    QList<int> erste;
    for (int nr : l)
        if (!erste.contains(nr))
            erste.append(nr);
    QList<int> soll;
    for (int i = 1; i <= n; ++i)
        soll.append(i);
    return erste == soll;
}

} // namespace

class TestMqtt : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ payloads

    void nachrichten_data() {
        QTest::addColumn<QByteArray>("ist");
        QTest::addColumn<QByteArray>("soll");
        const QDateTime zeit(QDate(2024, 12, 9), QTime(14, 30, 5));
        QTest::newRow("messwerte") << MqttNachrichten::Messwerte(werte(62, 209), zeit)
                                   << QByteArray("{\"zeit\":\"2024-12-09T14:30:05\",\"t\":[62,58,47,31,-2],"
                                                 "\"o2\":20.9,\"betriebsart\":3,\"laufzeit\":12,\"zyklen\":4,"
                                                 "\"refmarke\":44}");
        QTest::newRow("ungueltig") << MqttNachrichten::Ungueltig(zeit)
                                   << QByteArray("{\"zeit\":\"2024-12-09T14:30:05\",\"gueltig\":false}");
        QTest::newRow("datensatz")
            << MqttNachrichten::Datensatz(QStringLiteral("C:\\Daten\\Nord_09-12-2024.CSV"), 17,
                                          QStringLiteral("09.12.2024  14:30"), werte(62, 152))
            << QByteArray("{\"datei\":\"Nord_09-12-2024.CSV\",\"nr\":17,\"zeit\":\"2024-12-"
                          "09T14:30:00\",\"t\":[62,58,47,31,-2],\"o2\":15.2,\"betriebsart\":3,"
                          "\"laufzeit\":12,\"zyklen\":4,\"refmarke\":44}");
        tAnlageParameter a;
        a.Name = QStringLiteral("Miete \"Süd\"\\2");
        a.Angeschlossen = 1;
        a.Datei = QStringLiteral("/srv/daten/Sued_09-12-2024.CSV");
        a.Betriebsart = 2;
        QTest::newRow("zustand")
            << MqttNachrichten::Zustand(a, false)
            << QByteArray("{\"name\":\"Miete \\\"S\xc3\xbc"
                          "d\\\"\\\\2\",\"angeschlossen\":true,\"eingeschaltet\":false,"
                          "\"datei\":\"Sued_09-12-2024.CSV\",\"betriebsart\":2,\"verbindung\":false}");
        tAlarmEreignis al{zeit, 35, QStringLiteral("Temperatur\tzu hoch\n"), QStringLiteral("kommt")};
        QTest::newRow("alarm")
            << MqttNachrichten::Alarm(al, 35)
            << QByteArray("{\"zeit\":\"2024-12-09T14:30:05\",\"anlage\":35,\"text\":\"Temperatur\\t"
                          "zu hoch\\n\",\"zustand\":\"kommt\"}");
        const QByteArray klein = MqttNachrichten::Messwerte(werte(0, 7), zeit);
        QTest::newRow("o2 unter eins") << klein.mid(klein.indexOf("\"o2\""), 9) << QByteArray("\"o2\":0.7,");
        QTest::newRow("zeit einstellig")
            << MqttNachrichten::DatensatzZeit(QStringLiteral("9.1.2025 8:05")).toUtf8()
            << QByteArray("2025-01-09T08:05:00");
        QTest::newRow("zeit ungueltig")
            << MqttNachrichten::DatensatzZeit(QStringLiteral("31.02.2024  14:30")).toUtf8()
            << QByteArray("31.02.2024  14:30");
        tMqttEinstellungen e;
        e.Standort = QStringLiteral(" Werk/Nord #2+ ");
        QTest::newRow("standort") << MqttStandort(e).toUtf8() << QByteArray("Werk-Nord -2-");
    }
    void nachrichten() {
        QFETCH(QByteArray, ist);
        QFETCH(QByteArray, soll);
        QCOMPARE(ist, soll);
        if (ist.startsWith('{'))
            QVERIFY2(!QJsonDocument::fromJson(ist).isNull(), ist.constData());
    }

    // ------------------------------------------------------------ outbox

    void ausgangReihenfolgeUndNeustart() {
        QTemporaryDir heim;
        {
            TMqttAusgang a(heim.path());
            for (int i = 1; i <= 5; ++i)
                QVERIFY(a.Anhaengen("anlage/1/datensatz", "{\"nr\":" + QByteArray::number(i) + "}"));
            TMqttAusgang::tNachricht n;
            for (int i = 1; i <= 3; ++i) {
                QVERIFY(a.Naechste(n));
                QCOMPARE(n.Nummer, qint64(i));
            }
            a.Bestaetigt(2); // out of order: 1 still open
            QCOMPARE(a.Wartend(), qint64(5));
            a.Bestaetigt(1);
            QCOMPARE(a.Wartend(), qint64(3));
            // a new connection: 3 is handed out again
            a.Zurueckspulen();
            QVERIFY(a.Naechste(n));
            QCOMPARE(n.Nummer, qint64(3));
        } // the program ends with 3, 4, 5 unacknowledged
        TMqttAusgang a(heim.path());
        QCOMPARE(a.Wartend(), qint64(3));
        TMqttAusgang::tNachricht n;
        for (int i = 3; i <= 5; ++i) {
            QVERIFY(a.Naechste(n));
            QCOMPARE(n.Nummer, qint64(i));
            QCOMPARE(n.Thema, QByteArray("anlage/1/datensatz"));
            QCOMPARE(n.Inhalt, "{\"nr\":" + QByteArray::number(i) + "}");
        }
        QVERIFY(!a.Naechste(n));
        for (int i = 3; i <= 5; ++i)
            a.Bestaetigt(i);
        a.Sichern();
        QCOMPARE(a.Wartend(), qint64(0));
        QCOMPARE(a.Bytes(), qint64(0)); // emptied once everything is acknowledged
        QVERIFY(a.Anhaengen("alarm", "{}"));
        QVERIFY(a.Naechste(n));
        QCOMPARE(n.Nummer, qint64(6)); // numbers are never used twice
    }

    void ausgangAbgerisseneZeile() {
        QTemporaryDir heim;
        QFile f(heim.filePath(QLatin1String(TMqttAusgang::DateiName)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\tanlage/1/datensatz\t{\"nr\":1}\n2\tanlage/1/datensatz\t{\"nr\":2}\n3\tanlage/1/daten");
        f.close();
        TMqttAusgang a(heim.path());
        QCOMPARE(a.Wartend(), qint64(2));
        QVERIFY(a.Anhaengen("anlage/1/datensatz", "{\"nr\":3}"));
        TMqttAusgang::tNachricht n;
        QList<QByteArray> inhalte;
        while (a.Naechste(n))
            inhalte.append(n.Inhalt);
        QCOMPARE(inhalte, (QList<QByteArray>{"{\"nr\":1}", "{\"nr\":2}", "{\"nr\":3}"}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count('\n'), 3);
    }

    void ausgangNichtBeschreibbar() {
        QTemporaryDir heim;
        // a folder where the outbox file should be: it cannot be opened
        QVERIFY(QDir(heim.path()).mkdir(QLatin1String(TMqttAusgang::DateiName)));
        TMqttAusgang a(heim.path());
        QVERIFY(!a.Fehler().isEmpty());
        QVERIFY(!a.Anhaengen("alarm", "{\"a\":1}"));
        QVERIFY(!a.Anhaengen("alarm", "{\"a\":2}"));
        QCOMPARE(a.ImSpeicher(), 2);
        TMqttAusgang::tNachricht n;
        QVERIFY(a.Naechste(n)); // sent from memory all the same
        QCOMPARE(n.Nummer, qint64(1));
        // the folder goes: the next message takes those in memory into the file first
        QVERIFY(QDir(heim.path()).rmdir(QLatin1String(TMqttAusgang::DateiName)));
        QVERIFY(a.Anhaengen("alarm", "{\"a\":3}"));
        QCOMPARE(a.ImSpeicher(), 0);
        QVERIFY(a.Naechste(n)); // 1 is in flight: not handed out twice
        QCOMPARE(n.Nummer, qint64(2));
        a.Bestaetigt(1);
        a.Sichern();
        TMqttAusgang neu(heim.path() + QStringLiteral("/"));
        QCOMPARE(neu.Wartend(), qint64(2));
        QVERIFY(neu.Naechste(n));
        QCOMPARE(n.Inhalt, QByteArray("{\"a\":2}"));
        QVERIFY(neu.Naechste(n));
        QCOMPARE(n.Inhalt, QByteArray("{\"a\":3}"));
    }

    void ausgangKuerzen() {
        QTemporaryDir heim;
        TMqttAusgang a(heim.path());
        a.SetzeKuerzenAb(1000);
        for (int i = 1; i <= 40; ++i)
            QVERIFY(a.Anhaengen("anlage/1/datensatz", "{\"nr\":" + QByteArray::number(i) + ",\"x\":\"" +
                                                          QByteArray(60, 'x') + "\"}"));
        const qint64 voll = a.Bytes();
        TMqttAusgang::tNachricht n;
        for (int i = 1; i <= 30; ++i)
            QVERIFY(a.Naechste(n));
        for (int i = 1; i <= 25; ++i)
            a.Bestaetigt(i);
        a.Sichern();
        QVERIFY(a.Bytes() < voll / 2);
        QCOMPARE(a.Wartend(), qint64(15));
        for (int i = 26; i <= 30; ++i)
            a.Bestaetigt(i);
        QVERIFY(a.Naechste(n));
        QCOMPARE(n.Nummer, qint64(31));
        a.Sichern();
        TMqttAusgang neu(heim.path());
        QCOMPARE(neu.Wartend(), qint64(10));
        QVERIFY(neu.Naechste(n));
        QCOMPARE(n.Nummer, qint64(31));
    }

    // ------------------------------------------------------------ a damaged outbox

    // A damaged outbox is never passed over in silence: every message that
    // can still be sent reaches the broker (some perhaps twice), every line
    // that cannot is in the log with its number, the damage is a disturbance
    // of the PC until the outbox has been delivered, and the log gets no raw
    // byte of it.
    void ausgangBeschaedigt_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("marke");
        QTest::addColumn<QList<int>>("ankommen");
        QTest::addColumn<QStringList>("imLog");
        const auto zeilen = [](QList<int> nummern) {
            QByteArray d;
            for (int i = 0; i < nummern.size(); ++i)
                d += QByteArray::number(nummern.at(i)) + "\tanlage/1/datensatz\t" +
                     MqttNachrichten::Datensatz(QStringLiteral("/d/Nord.CSV"), nummern.at(i),
                                                QStringLiteral("09.12.2024  14:30"), werte(60, 150)) +
                     '\n';
            return d;
        };
        QList<int> bis34;
        for (int i = 1; i <= 34; ++i)
            bis34.append(i);
        const QByteArray fuenf = zeilen({1, 2, 3, 4, 5});
        QTest::newRow("7 Bytes abgeschnitten")
            << fuenf.left(fuenf.size() - 7) << QByteArray() << QList<int>{1, 2, 3, 4}
            << QStringList{"MQTT: MQTT_Ausgang.txt: Zeile 5 (Nachricht 5) kann nicht gesendet werden "
                           "(abgeschnitten): \"5\\x09anlage/1/datensatz\\x09{"};
        QTest::newRow("Marke hinter dem Ende")
            << zeilen(bis34) << QByteArray("134\n") << bis34
            << QStringList{
                   "die Marke MQTT_Ausgang.pos steht hinter dem Ende (Nachricht 134, die letzte ist 34)"};
        QTest::newRow("Marke unlesbar")
            << zeilen({1, 2, 3}) << QByteArray("\x01\xff\r\n7") << QList<int>{1, 2, 3}
            << QStringList{"die Marke MQTT_Ausgang.pos ist unlesbar: \"\\x01\\xff\\x0d\\x0a7\""};
        // binary rubbish with line breaks, NUL and CR between good lines
        QTest::newRow("Müll") << zeilen({1, 2}) + QByteArray("\x00\x01\xfe\r\n", 5) + "GEFAELSCHT\r\n\t\t\n" +
                                     "3\tanlage/1/datensatz\t{\"nr\":3,kaputt\n" + zeilen({4, 5})
                              << QByteArray("0\n") << QList<int>{1, 2, 4, 5}
                              << QStringList{"Zeilen 3 bis 5 können nicht gesendet werden (unlesbar): "
                                             "\"\\x00\\x01\\xfe\\x0d\"",
                                             "Zeile 6 (Nachricht 3) kann nicht gesendet werden (unlesbar)"};
        QTest::newRow("Nummern fallen")
            << zeilen({1, 2, 97, 4, 5}) << QByteArray("2\n") << QList<int>{1, 2, 97, 4, 5}
            << QStringList{"die Nummern der Nachrichten steigen nicht auf"};
    }
    void ausgangBeschaedigt() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, marke);
        QFETCH(QList<int>, ankommen);
        QFETCH(QStringList, imLog);
        TMqttBroker broker;
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        const QByteArray thema = Basis + "anlage/1/datensatz";
        QVERIFY(abo.Starte(broker.port, {thema}));
        QTemporaryDir heim;
        QFile f(heim.filePath(QLatin1String(TMqttAusgang::DateiName)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(datei);
        f.close();
        if (!marke.isNull()) {
            QFile m(heim.filePath(QLatin1String(TMqttAusgang::MarkeName)));
            QVERIFY(m.open(QIODevice::WriteOnly));
            m.write(marke);
        }
        struct THoerer : IEreignisse {
            QStringList stoerungen;
            void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) override {
                if (art == TStoerung::MqttAusgang)
                    stoerungen.append(QStringLiteral("%1 %2 %3").arg(anlage).arg(aktiv).arg(grund));
            }
        } hoerer;
        TEreignisVerteiler verteiler;
        verteiler.Anmelden(&hoerer);
        TStoerungsStand stoerungen(verteiler);
        TZustand z;
        z.Heimordner = heim.path();
        TAufzeichner log;
        TMqttSender s(z, &log);
        s.SetzeStoerungen(&stoerungen);
        s.Starte(einstellungen(broker.port));
        // said at once, before anything is sent
        QCOMPARE(hoerer.stoerungen.size(), 1);
        QVERIFY2(hoerer.stoerungen.first().startsWith(QStringLiteral("0 1 MQTT_Ausgang.txt: ")),
                 qPrintable(hoerer.stoerungen.first()));
        // a message made now comes after those of the outbox
        s.DatensatzGeschrieben(1, QStringLiteral("/d/Nord.CSV"), 99, QStringLiteral("09.12.2024  15:30"),
                               werte(60, 150));
        QVERIFY(abo.Warte([&] { return nummern(abo.Inhalte(thema)).contains(99); }, 10000));
        const QList<int> gekommen = nummern(abo.Inhalte(thema));
        QCOMPARE(gekommen, ankommen + QList<int>{99});
        QVERIFY(abo.Warte([&] { return hoerer.stoerungen.size() == 2; }, 5000));
        QCOMPARE(hoerer.stoerungen.last(), QStringLiteral("0 0 "));
        QVERIFY(!stoerungen.Aktiv(TStoerung::MqttAusgang, 0));
        const QStringList zeilen = log.logZeilen;
        for (const QString &teil : imLog)
            QVERIFY2(!zeilen.filter(teil).isEmpty(), qPrintable(teil + " | " + zeilen.join(" | ")));
        for (const QString &zeile : zeilen)
            for (const QChar c : zeile)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() != 0x7f, qPrintable(zeile));
        // mended: the next start finds nothing to say and sends nothing again
        s.Beenden(1000);
        TAufzeichner log2;
        TMqttSender s2(z, &log2);
        s2.SetzeStoerungen(&stoerungen);
        s2.Starte(einstellungen(broker.port));
        QCOMPARE(s2.Wartend(), qint64(0));
        QCOMPARE(hoerer.stoerungen.size(), 2);
        QVERIFY(log2.logZeilen.filter(QStringLiteral("MQTT_Ausgang.txt")).isEmpty());
    }

    // ------------------------------------------------------------ against the broker

    void statusUndMesswerte() {
        TMqttBroker broker;
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        QVERIFY(abo.Starte(broker.port, {Basis + "#"}));
        QTemporaryDir heim;
        TZustand z;
        z.Heimordner = heim.path();
        z.AnlagenAnzahl = 2;
        z.Verbunden = true;
        z.Jetzt = [] { return QDateTime(QDate(2024, 12, 9), QTime(15, 0)); };
        auto &a1 = z.Anlagen[1];
        a1.Name = QStringLiteral("Nord");
        a1.Angeschlossen = a1.Eingeschaltet = 1;
        a1.Betriebsart = 3;
        a1.Datei = heim.filePath(QStringLiteral("Nord_09-12-2024.CSV"));
        TAufzeichner log;
        TMqttSender s(z, &log);
        QSignalSpy verbunden(&s, &TMqttSender::Verbunden);
        s.Starte(einstellungen(broker.port));
        QVERIFY(verbunden.wait(5000));
        QVERIFY(abo.Warte([&] { return abo.Letzte(Basis + "status") == "online"; }, 5000));
        // plant 2 never answered in this run: no old values may stand as live
        QVERIFY(abo.Warte([&] { return !abo.Letzte(Basis + "anlage/2/messwerte").isEmpty(); }, 5000));
        QCOMPARE(abo.Letzte(Basis + "anlage/2/messwerte"),
                 QByteArray("{\"zeit\":\"2024-12-09T15:00:00\",\"gueltig\":false}"));
        QCOMPARE(
            abo.Letzte(Basis + "anlage/1/zustand"),
            QByteArray(
                "{\"name\":\"Nord\",\"angeschlossen\":true,\"eingeschaltet\":true,\"datei\":\"Nord_09-12-"
                "2024.CSV\",\"betriebsart\":3,\"verbindung\":true}"));

        const QDateTime zeit(QDate(2024, 12, 9), QTime(15, 0, 1));
        s.Messwert(1, werte(62, 209), zeit);
        tAnlageMesswerte verpasst = werte(99, 0); // a missed poll: the last values stay, nothing is sent
        verpasst.Fehlabfragen = 2;
        s.Messwert(1, verpasst, zeit.addSecs(1));
        QVERIFY(abo.Warte([&] { return abo.Inhalte(Basis + "anlage/1/messwerte").size() >= 2; }, 5000));
        QTest::qWait(300);
        QCOMPARE(abo.Letzte(Basis + "anlage/1/messwerte"), MqttNachrichten::Messwerte(werte(62, 209), zeit));

        // a later dashboard gets the retained state
        {
            TMqttMithoerer spaet;
            QVERIFY(spaet.Starte(broker.port, {Basis + "#"}));
            QVERIFY(spaet.Warte([&] { return !spaet.Letzte(Basis + "anlage/1/messwerte").isEmpty(); }, 5000));
            QCOMPARE(spaet.Letzte(Basis + "anlage/1/messwerte"),
                     MqttNachrichten::Messwerte(werte(62, 209), zeit));
            QCOMPARE(spaet.Letzte(Basis + "status"), QByteArray("online"));
            for (const auto &n : spaet.Alle())
                QVERIFY(n.Behalten);
        }

        // the link to the controllers is lost
        z.Verbunden = false;
        s.Verbindung(false);
        QVERIFY(
            abo.Warte([&] { return abo.Letzte(Basis + "anlage/1/messwerte").contains("gueltig"); }, 5000));
        QCOMPARE(abo.Letzte(Basis + "anlage/1/messwerte"),
                 QByteArray("{\"zeit\":\"2024-12-09T15:00:00\",\"gueltig\":false}"));
        QVERIFY(abo.Warte(
            [&] { return abo.Letzte(Basis + "anlage/1/zustand").contains("\"verbindung\":false"); }, 5000));

        // a clean end says "offline"
        s.Beenden();
        QVERIFY(abo.Warte([&] { return abo.Letzte(Basis + "status") == "offline"; }, 5000));
        TMqttMithoerer danach;
        QVERIFY(danach.Starte(broker.port, {Basis + "status"}));
        QVERIFY(danach.Warte([&] { return danach.Letzte(Basis + "status") == "offline"; }, 5000));
        QVERIFY(log.logZeilen.filter(QStringLiteral("MQTT: Verbunden mit 127.0.0.1:")).size() == 1);
    }

    void auslesungJederDatensatzEinmal() {
        TMqttBroker broker;
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        QVERIFY(abo.Starte(broker.port, {Basis + "anlage/+/datensatz"}));
        QTemporaryDir heim;
        TSimAnschluss s(1);
        s.z.Heimordner = heim.path();
        s.z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        TIniDatei ini(heim.filePath(QStringLiteral("O2_Tarvos.ini")), s.z.Gebietsschema);
        TDataFile datei(s.z, ini);
        TAnzeige anzeige;
        TSpeicherung sp(*s.komm, datei, anzeige);
        TMqttSender sender(s.z, nullptr);
        datei.SetzeEreignisse(&sender);
        QSignalSpy verbunden(&sender, &TMqttSender::Verbunden);
        sender.Starte(einstellungen(broker.port));
        QVERIFY(verbunden.wait(5000));
        QVERIFY(s.verbindeTcp());
        s.komm->Abfrage.StopTimer();
        s.sim.Anlage(1).FuelleSpeicher(25);
        s.alleAngeschlossen();
        s.z.Anlagen[1].Name = QStringLiteral("Nord");
        s.z.Anlagen[1].Pfad = heim.path() + QLatin1Char('/');
        QVERIFY(sp.StoreControllerRecordsQuiet(1));

        const QByteArray thema = Basis + "anlage/1/datensatz";
        QVERIFY(abo.Warte([&] { return abo.Inhalte(thema).size() >= 25; }, 10000));
        QTest::qWait(300);
        const QByteArrayList inhalte = abo.Inhalte(thema);
        QCOMPARE(inhalte.size(), 25);
        QFile f(s.z.Anlagen[1].Datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArrayList zeilen = f.readAll().split('\n');
        zeilen = zeilen.mid(9);
        for (int i = 0; i < 25; ++i) {
            // 1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;
            const QByteArrayList feld = zeilen.at(i).split(';');
            const QJsonObject o = QJsonDocument::fromJson(inhalte.at(i)).object();
            QCOMPARE(o.value(QStringLiteral("datei")).toString(), QFileInfo(f.fileName()).fileName());
            QCOMPARE(o.value(QStringLiteral("nr")).toInt(), feld.at(0).toInt());
            QCOMPARE(o.value(QStringLiteral("zeit")).toString(),
                     MqttNachrichten::DatensatzZeit(QString::fromLatin1(feld.at(1))));
            QVERIFY(o.value(QStringLiteral("zeit")).toString().contains(QLatin1Char('T')));
            const QJsonArray t = o.value(QStringLiteral("t")).toArray();
            QCOMPARE(t.size(), 5);
            for (int k = 0; k < 5; ++k)
                QCOMPARE(t.at(k).toInt(), feld.at(2 + k).trimmed().toInt());
            QCOMPARE(o.value(QStringLiteral("refmarke")).toInt(), feld.at(7).trimmed().toInt());
            QCOMPARE(o.value(QStringLiteral("o2")).toDouble(),
                     feld.at(8).trimmed().replace(',', '.').toDouble());
            QCOMPARE(o.value(QStringLiteral("betriebsart")).toInt(), feld.at(9).toInt());
            QCOMPARE(o.value(QStringLiteral("laufzeit")).toInt(), feld.at(10).trimmed().toInt());
            QCOMPARE(o.value(QStringLiteral("zyklen")).toInt(), feld.at(11).trimmed().toInt());
        }
        QVERIFY(abo.Warte([&] { return sender.Wartend() == 0; }, 5000));
    }

    void brokerWegWaehrendAuslesung() {
        TMqttBroker broker;
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        // an archive with a session of its own: what comes while it is away waits for it
        QVERIFY(abo.Starte(broker.port, {Basis + "anlage/+/datensatz"}, "archiv-test"));
        QTemporaryDir heim;
        TSimAnschluss s(1);
        s.z.Heimordner = heim.path();
        s.z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        TIniDatei ini(heim.filePath(QStringLiteral("O2_Tarvos.ini")), s.z.Gebietsschema);
        TDataFile datei(s.z, ini);
        TAnzeige anzeige;
        TSpeicherung sp(*s.komm, datei, anzeige);
        TAufzeichner log;
        TMqttSender sender(s.z, &log);
        sender.SetzePausen(200, 800);
        // the broker goes away after the tenth record
        struct TStopper : IEreignisse {
            TMqttBroker *b;
            void DatensatzGeschrieben(int, const QString &, qint32 nr, const QString &,
                                      const tAnlageMesswerte &) override {
                if (nr == 10)
                    b->Stoppe();
            }
        } stopper;
        stopper.b = &broker;
        TEreignisVerteiler verteiler;
        verteiler.Anmelden(&sender);
        verteiler.Anmelden(&stopper);
        datei.SetzeEreignisse(&verteiler);
        QSignalSpy verbunden(&sender, &TMqttSender::Verbunden);
        sender.Starte(einstellungen(broker.port));
        QVERIFY(verbunden.wait(5000));
        QVERIFY(s.verbindeTcp());
        s.komm->Abfrage.StopTimer();
        s.sim.Anlage(1).FuelleSpeicher(40);
        s.alleAngeschlossen();
        s.z.Anlagen[1].Name = QStringLiteral("Nord");
        s.z.Anlagen[1].Pfad = heim.path() + QLatin1Char('/');
        QVERIFY(sp.StoreControllerRecordsQuiet(1));
        QVERIFY(sender.Wartend() >= 30);
        QTest::qWait(500); // a few attempts against the missing broker
        QVERIFY(!sender.IstVerbunden());

        QVERIFY(broker.Starte());
        const QByteArray thema = Basis + "anlage/1/datensatz";
        QVERIFY(abo.Warte([&] { return vollstaendigInOrdnung(nummern(abo.Inhalte(thema)), 40); }, 20000));
        QVERIFY(abo.Warte([&] { return sender.Wartend() == 0; }, 5000));
        QVERIFY(!log.logZeilen.filter(QStringLiteral("getrennt")).isEmpty());
        QVERIFY(!log.logZeilen.filter(QStringLiteral("Neuer Versuch in")).isEmpty());
    }

    void neustartMitVollemAusgang() {
        TMqttBroker broker;
        broker.port = TMqttBroker::freierPort(); // not started yet
        QTemporaryDir heim;
        TZustand z;
        z.Heimordner = heim.path();
        {
            TMqttSender s(z, nullptr);
            s.Starte(einstellungen(broker.port));
            for (int nr = 1; nr <= 20; ++nr)
                s.DatensatzGeschrieben(1, QStringLiteral("/d/Nord.CSV"), nr,
                                       QStringLiteral("09.12.2024  14:30"), werte(60, 150));
            s.Alarm({QDateTime(QDate(2024, 12, 9), QTime(15, 0)), 0, QStringLiteral("PC: Datenträger voll"),
                     QStringLiteral("kommt")});
            QCOMPARE(s.Wartend(), qint64(21));
        } // the program ends with everything in the outbox
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        QVERIFY(abo.Starte(broker.port, {Basis + "anlage/+/datensatz", Basis + "alarm"}));
        TMqttSender s(z, nullptr);
        s.Starte(einstellungen(broker.port));
        QVERIFY(abo.Warte([&] { return abo.Inhalte(Basis + "alarm").size() == 1; }, 10000));
        QVERIFY(vollstaendigInOrdnung(nummern(abo.Inhalte(Basis + "anlage/1/datensatz")), 20));
        QCOMPARE(abo.Letzte(Basis + "alarm"),
                 QByteArray("{\"zeit\":\"2024-12-09T15:00:00\",\"anlage\":0,\"text\":\"PC: "
                            "Datenträger voll\",\"zustand\":\"kommt\"}"));
        // the alarm came last, as it was made
        QCOMPARE(abo.Alle().last().Thema, Basis + "alarm");
        QVERIFY(abo.Warte([&] { return s.Wartend() == 0 && s.AusgangBytes() == 0; }, 5000));
    }

    void getoetetesProgramm() {
        TMqttBroker broker;
        QVERIFY(broker.Starte());
        TMqttMithoerer abo;
        QVERIFY(abo.Starte(broker.port, {Basis + "status"}));
        QTemporaryDir heim;
        QProcess helfer;
        helfer.start(QStringLiteral(KOMPOST_MQTT_HELFER),
                     {heim.path(), QString::number(broker.port), QStringLiteral("0")});
        QVERIFY(helfer.waitForStarted(5000));
        QVERIFY(abo.Warte(
            [&] {
                return helfer.readAllStandardOutput().contains("verbunden") ||
                       abo.Letzte(Basis + "status") == "online";
            },
            10000));
        QVERIFY(abo.Warte([&] { return abo.Letzte(Basis + "status") == "online"; }, 5000));
        ::kill(static_cast<pid_t>(helfer.processId()), SIGKILL);
        QVERIFY(helfer.waitForFinished(5000));
        // the broker speaks the last will
        QVERIFY(abo.Warte([&] { return abo.Letzte(Basis + "status") == "offline"; }, 10000));
        TMqttMithoerer spaet;
        QVERIFY(spaet.Starte(broker.port, {Basis + "status"}));
        QVERIFY(spaet.Warte([&] { return spaet.Letzte(Basis + "status") == "offline"; }, 5000));

        // killed with records in the outbox while the broker was away: sent after the restart
        broker.Stoppe();
        QProcess zweiter;
        zweiter.start(QStringLiteral(KOMPOST_MQTT_HELFER),
                      {heim.path(), QString::number(broker.port), QStringLiteral("15")});
        QVERIFY(zweiter.waitForStarted(5000));
        QByteArray ausgabe;
        QVERIFY(abo.Warte([&] { return (ausgabe += zweiter.readAllStandardOutput()).contains("abgelegt"); },
                          10000));
        ::kill(static_cast<pid_t>(zweiter.processId()), SIGKILL);
        QVERIFY(zweiter.waitForFinished(5000));
        QVERIFY(broker.Starte());
        TMqttMithoerer archiv;
        QVERIFY(archiv.Starte(broker.port, {Basis + "anlage/+/datensatz"}));
        TZustand z;
        z.Heimordner = heim.path();
        TMqttSender s(z, nullptr);
        s.Starte(einstellungen(broker.port));
        const QByteArray thema = Basis + "anlage/1/datensatz";
        QVERIFY(
            archiv.Warte([&] { return vollstaendigInOrdnung(nummern(archiv.Inhalte(thema)), 15); }, 10000));
        const QJsonObject o = QJsonDocument::fromJson(archiv.Inhalte(thema).at(14)).object();
        QCOMPARE(o.value(QStringLiteral("t")).toArray().at(0).toInt(), 75);
        QCOMPARE(o.value(QStringLiteral("o2")).toDouble(), 16.5);
    }

    void tlsMitPasswort() {
        TMqttBroker broker;
        QVERIFY(broker.TlsMitPasswort(QStringLiteral("kompost"), QStringLiteral("geheim")));
        QVERIFY(broker.Starte());
        const QString ca = broker.pfad(QStringLiteral("ca.crt"));
        TMqttMithoerer abo;
        QVERIFY(abo.Starte(broker.port, {Basis + "status"}, {}, ca, "kompost", "geheim"));
        QTemporaryDir heim;
        TZustand z;
        z.Heimordner = heim.path();
        TMqttSender s(z, nullptr);
        tMqttEinstellungen e = einstellungen(broker.port);
        e.Host = QStringLiteral("localhost");
        e.Tls = true;
        e.CaDatei = ca;
        e.Benutzer = QStringLiteral("kompost");
        e.Passwort = QStringLiteral("geheim");
        QSignalSpy verbunden(&s, &TMqttSender::Verbunden);
        s.Starte(e);
        QVERIFY(verbunden.wait(10000));
        QVERIFY(abo.Warte([&] { return abo.Letzte(Basis + "status") == "online"; }, 5000));
        QVERIFY(s.Zustandstext().startsWith(QStringLiteral("Verbunden mit localhost:")));

        // "Verbindung testen": the answer in plain words
        struct TFall {
            tMqttEinstellungen e;
            bool ok;
            QString anfang;
        };
        tMqttEinstellungen falsch = e;
        falsch.Passwort = QStringLiteral("falsch");
        tMqttEinstellungen fremdeCa = e;
        fremdeCa.CaDatei = broker.pfad(QStringLiteral("server.crt"));
        tMqttEinstellungen ohneTls = e;
        ohneTls.Tls = false;
        tMqttEinstellungen keinBroker = e;
        keinBroker.Tls = false;
        keinBroker.Port = TMqttBroker::freierPort();
        tMqttEinstellungen keineCa = e;
        keineCa.CaDatei = broker.pfad(QStringLiteral("fehlt.crt"));
        const QList<TFall> faelle{
            {e, true, QStringLiteral("Verbindung hergestellt")},
            {falsch, false, QStringLiteral("Der Broker verweigert die Anmeldung")},
            {fremdeCa, false, QStringLiteral("Die TLS- Verbindung ist gescheitert")},
            {ohneTls, false, QString()},
            {keinBroker, false, QStringLiteral("Unter localhost:%1 nimmt kein Broker").arg(keinBroker.Port)},
            {keineCa, false, QStringLiteral("Die CA- Datei")},
        };
        for (const TFall &f : faelle) {
            bool fertig = false, ok = !f.ok;
            QString text;
            s.Testen(f.e, [&](bool o, const QString &t) {
                fertig = true;
                ok = o;
                text = t;
            });
            QVERIFY(TMqttMithoerer::Warte([&] { return fertig; }, 20000));
            QVERIFY2(ok == f.ok, qPrintable(text));
            QVERIFY2(text.startsWith(f.anfang), qPrintable(text));
            QVERIFY(!text.isEmpty());
        }
        QVERIFY(s.IstVerbunden()); // the tests left the connection in use alone
    }
};

QTEST_MAIN(TestMqtt)
#include "tst_mqtt.moc"

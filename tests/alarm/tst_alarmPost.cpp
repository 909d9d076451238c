// Alarm mail against a real mail server (aiosmtpd) on loopback: the message
// as it is built, delivery in plain text, with STARTTLS and with TLS from the
// start on a certificate the test makes, with a login; the server's refusals
// in plain words; the retries with growing pauses; and the user-interface
// thread never waiting for the server.
#include "AlarmUmgebung.h"
#include "MailServer.h"
#include "alarm/UAlarmPost.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

namespace {

struct TLogAufzeichner : ILogSink {
    QStringList zeilen;
    void LogSchreiben(const QString &text) override { zeilen.append(text); }
};

tAlarmEinstellungen postAn(quint16 port, int tls = 0) {
    tAlarmEinstellungen e;
    e.Smtp = QStringLiteral("127.0.0.1");
    e.SmtpPort = port;
    e.SmtpTls = tls;
    e.Von = QStringLiteral("Kompostwerk <leitstand@kompost.example>");
    e.An = QStringLiteral("betrieb@kompost.example, bereitschaft@kompost.example");
    return e;
}

const QDateTime Zeit(QDate(2024, 12, 10), QTime(14, 30, 5), Qt::OffsetFromUTC, 3600);

} // namespace

class TestAlarmPost : public QObject {
    Q_OBJECT

    TZertifikat m_zert;

private slots:
    void initTestCase() { QVERIFY2(m_zert.mache(), "openssl cannot make a certificate"); }

    // The header lines and the text as they go to the server.
    void nachricht() {
        tAlarmEinstellungen e = postAn(25);
        const tMail m{QStringLiteral("Kompost-Leitstand: Alarm – Anlage 12: Kern hat 55 °C nicht erreicht, "
                                     "Miete Süd-West\r\nBcc: fremd@example.org"),
                      QStringLiteral("Zeile eins\nÄrger: 55 °C\n")};
        const QByteArray n = BaueNachricht(e, m, Zeit);
        const qsizetype kopfEnde = n.indexOf("\r\n\r\n");
        QVERIFY(kopfEnde > 0);
        const QList<QByteArray> kopf = n.left(kopfEnde).split('\n');
        for (const QByteArray &z : kopf) {
            QVERIFY2(z.size() <= 77, z.constData()); // 76 and the CR
            for (const char c : z)
                QVERIFY2(static_cast<unsigned char>(c) < 0x80, z.constData());
        }
        QVERIFY(n.startsWith("Date: 10 Dec 2024 14:30:05 +0100\r\n"));
        QVERIFY(n.contains("\r\nFrom: Kompostwerk <leitstand@kompost.example>\r\n"));
        QVERIFY(n.contains("\r\nTo: betrieb@kompost.example, bereitschaft@kompost.example\r\n"));
        QVERIFY(n.contains("\r\nMessage-ID: <"));
        QVERIFY(n.contains("@kompost.example>\r\n"));
        QVERIFY(n.contains("\r\nContent-Type: text/plain; charset=UTF-8\r\n"));
        QVERIFY(!n.left(kopfEnde).contains("\nBcc:")); // a line break in the subject opens no header line
        // The subject decodes back to the text, its line break a blank.
        QByteArray betreff;
        bool drin = false;
        for (const QByteArray &z : kopf) {
            if (z.startsWith("Subject: "))
                drin = true;
            else if (!z.startsWith(' '))
                drin = false;
            if (!drin)
                continue;
            for (const QByteArray &wort : z.trimmed().split(' ')) {
                if (wort.startsWith("=?UTF-8?B?"))
                    betreff += QByteArray::fromBase64(wort.mid(10, wort.size() - 12));
            }
        }
        QCOMPARE(QString::fromUtf8(betreff),
                 QStringLiteral("Kompost-Leitstand: Alarm – Anlage 12: Kern hat 55 °C nicht erreicht, Miete "
                                "Süd-West Bcc: fremd@example.org"));
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(n.mid(kopfEnde + 4))),
                 QStringLiteral("Zeile eins\r\nÄrger: 55 °C\r\n"));
        // plain ASCII stays as it is
        QCOMPARE(KodiereKopfText(QStringLiteral("Kompost-Leitstand: Testnachricht")),
                 QByteArray("Kompost-Leitstand: Testnachricht"));
    }

    // Delivered in plain text, with STARTTLS, with TLS from the start, with a
    // login; the certificate trusted through SMTPCA.
    void zustellung_data() {
        QTest::addColumn<int>("tls");
        QTest::addColumn<bool>("anmelden");
        QTest::newRow("plain") << 0 << false;
        QTest::newRow("STARTTLS") << 1 << false;
        QTest::newRow("STARTTLS with login") << 1 << true;
        QTest::newRow("TLS") << 2 << true;
    }
    void zustellung() {
        QFETCH(int, tls);
        QFETCH(bool, anmelden);
        TMailServer server;
        QStringList optionen;
        if (tls > 0)
            optionen << "--cert" << m_zert.cert() << "--key" << m_zert.key()
                     << (tls == 2 ? QStringLiteral("--tls") : QStringLiteral("--require-starttls"));
        if (anmelden)
            optionen << "--user"
                     << "kompost"
                     << "--password"
                     << "Sehr#geheim1";
        QVERIFY(server.starte(optionen));
        tAlarmEinstellungen e = postAn(server.port, tls);
        if (tls > 0)
            e.SmtpCa = m_zert.cert();
        if (anmelden) {
            e.SmtpUser = QStringLiteral("kompost");
            e.SmtpPass = QStringLiteral("Sehr#geheim1");
        }
        const tSendeErgebnis r =
            SendeMail(e, {QStringLiteral("Prüfung – ä"), QStringLiteral("Text äöü\n")}, Zeit);
        QVERIFY2(r.Ok, qPrintable(r.Fehler.Deutsch()));
        const QList<QJsonObject> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        const QJsonObject m = mails.first();
        QCOMPARE(m["from"].toString(), QStringLiteral("leitstand@kompost.example"));
        QCOMPARE(m["to"].toArray().toVariantList(),
                 QVariantList({"betrieb@kompost.example", "bereitschaft@kompost.example"}));
        QCOMPARE(m["subject"].toString(), QStringLiteral("Prüfung – ä"));
        QCOMPARE(m["text"].toString(), QStringLiteral("Text äöü\n"));
        QCOMPARE(m["tls"].toBool(), tls > 0);
        QCOMPARE(m["auth"].toBool(), anmelden);
    }

    // The alarms' mails: raised and cleared, of a plant and of the PC, with
    // time, name, pile file, the values and the company lines.
    void alarmMails() {
        TMailServer server;
        QVERIFY(server.starte());
        TAlarmUmgebung u(
            "SMTP=127.0.0.1\nSMTPPORT=" + QByteArray::number(server.port) +
            "\nVON=leitstand@kompost.example\nAN=betrieb@kompost.example\n"
            "[Firma]\nTitel=Kompostwerk Musterstadt\nZeile2=Am Kompostplatz 1\nZeile3=12345 Musterstadt\n");
        u.laeuft(2);
        TAlarme &a = u.starte();
        u.ereignisse.Speicherstand(2, 950);
        u.spaeter(90);
        u.ereignisse.Auslesung(2, true, 950, {});
        // a company line never filled in stays out of the mail
        QVERIFY(u.ini->WriteString("Firma", "Zeile3", "* Text *"));
        u.ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, true, QStringLiteral("Datenträger voll"));
        QTRY_COMPARE(server.anzahl(), 3);
        QTRY_COMPARE(a.Post().Wartend(), 0);
        const QList<QJsonObject> m = server.mails();
        QCOMPARE(m[0]["subject"].toString(),
                 QStringLiteral("Kompost-Leitstand: Alarm – Anlage 2: Steuerungsspeicher fast voll"));
        QCOMPARE(
            m[0]["text"].toString(),
            QStringLiteral("Alarm: Steuerungsspeicher fast voll\n"
                           "Zeit: 10.12.2024 12:00:00\n"
                           "Anlage: 2 – Miete 2\n"
                           "Mietendatei: %1\n"
                           "Werte: 950 Datensätze im Speicher der Steuerung (Grenze 900, Platz für 1000)\n"
                           "\n"
                           "Kompostwerk Musterstadt\nAm Kompostplatz 1\n12345 Musterstadt\n")
                .arg(QDir::toNativeSeparators(u.pfad("Miete2.CSV"))));
        QCOMPARE(m[1]["subject"].toString(),
                 QStringLiteral("Kompost-Leitstand: Alarm beendet – Anlage 2: Steuerungsspeicher fast voll"));
        QVERIFY2(m[1]["text"].toString().startsWith(
                     QStringLiteral("Alarm beendet: Steuerungsspeicher fast voll\nZeit: 10.12.2024 13:30:00\n"
                                    "Gekommen: 10.12.2024 12:00:00\n")),
                 qPrintable(m[1]["text"].toString()));
        QVERIFY(m[1]["text"].toString().contains(QStringLiteral("Werte: ausgelesen: 950 Datensätze\n")));
        QCOMPARE(
            m[2]["subject"].toString(),
            QStringLiteral("Kompost-Leitstand: Alarm – PC: Ereignisprotokoll kann nicht geschrieben werden"));
        QVERIFY(m[2]["text"].toString().contains(QStringLiteral("Anlage: PC\nWerte: Datenträger voll\n")));
        QVERIFY(m[2]["text"].toString().endsWith(
            QStringLiteral("\n\nKompostwerk Musterstadt\nAm Kompostplatz 1\n")));
        QVERIFY(u.imLog(
            "Alarm-E-Mail zugestellt an betrieb@kompost.example: Kompost-Leitstand: Alarm – Anlage 2"));
        // acknowledging sends nothing
        a.AlleQuittieren();
        QTest::qWait(300);
        QCOMPARE(server.anzahl(), 3);
    }

    // What went wrong, in plain words; the password never in the log.
    void fehlerInKlarenWorten_data() {
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<QString>("meldung");
        const QString zert = m_zert.cert(), key = m_zert.key();
        QTest::newRow("certificate not trusted")
            << QStringList{"--cert", zert, "--key", key} << "tls1"
            << "Das Zertifikat des Mailservers 127.0.0.1 ist nicht vertrauenswürdig";
        QTest::newRow("no STARTTLS")
            << QStringList{} << "tls1"
            << "Der Mailserver 127.0.0.1 bietet keine verschlüsselte Verbindung (STARTTLS) an.";
        QTest::newRow("wrong password")
            << QStringList{"--cert", zert, "--key", key, "--user", "kompost", "--password", "richtig"}
            << "falsch"
            << "Der Mailserver hat die Anmeldung als kompost abgelehnt: Benutzername oder Kennwort stimmen "
               "nicht. "
               "Antwort des Servers: 535";
        QTest::newRow("recipient rejected")
            << QStringList{"--reject", "betrieb@kompost.example"} << ""
            << "Der Mailserver hat die Nachricht abgelehnt: 550 5.1.1 <betrieb@kompost.example>";
        QTest::newRow("nobody listens") << QStringList{} << "closed"
                                        << "Der Mailserver 127.0.0.1 nimmt auf Port";
        QTest::newRow("unknown host") << QStringList{} << "host"
                                      << "Der Mailserver gibt-es-nicht.invalid ist unbekannt";
        QTest::newRow("bad recipient") << QStringList{} << "an"
                                       << "Die Empfängeradresse \"betrieb@kompost example\" ist ungültig.";
        QTest::newRow("no server") << QStringList{} << "aus"
                                   << "Es ist kein Mailserver eingestellt.";
    }
    void fehlerInKlarenWorten() {
        QFETCH(QStringList, server);
        QFETCH(QString, aenderung);
        QFETCH(QString, meldung);
        TMailServer s;
        QVERIFY(s.starte(server));
        tAlarmEinstellungen e = postAn(s.port);
        if (aenderung == QLatin1String("tls1")) {
            e.SmtpTls = 1; // no SMTPCA: the test's own certificate is not in the system's store
        } else if (aenderung == QLatin1String("falsch")) {
            e.SmtpTls = 1;
            e.SmtpCa = m_zert.cert();
            e.SmtpUser = QStringLiteral("kompost");
            e.SmtpPass = QStringLiteral("Sehr#geheim1");
        } else if (aenderung == QLatin1String("closed")) {
            s.stoppe();
        } else if (aenderung == QLatin1String("host")) {
            e.Smtp = QStringLiteral("gibt-es-nicht.invalid");
        } else if (aenderung == QLatin1String("an")) {
            e.An = QStringLiteral("betrieb@kompost example");
        } else if (aenderung == QLatin1String("aus")) {
            e.Smtp.clear();
        }
        TLogAufzeichner log;
        TAlarmPost post(log, [] { return Zeit; });
        QSignalSpy ergebnis(&post, &TAlarmPost::TestErgebnis);
        const int nummer = post.Testnachricht(e, {QStringLiteral("Test"), QStringLiteral("Text")});
        QVERIFY(post.TestLaeuft());
        QVERIFY(ergebnis.wait(30000));
        QCOMPARE(ergebnis.at(0).at(0).toInt(), nummer);
        QCOMPARE(ergebnis.at(0).at(1).toBool(), false);
        QVERIFY2(ergebnis.at(0).at(2).toString().startsWith(meldung),
                 qPrintable(ergebnis.at(0).at(2).toString()));
        QVERIFY(!post.TestLaeuft());
        QCOMPARE(s.anzahl(), 0);
        QCOMPARE(log.zeilen.size(), 1);
        QVERIFY2(log.zeilen.first().startsWith("Alarm-Testnachricht nicht zugestellt: " + meldung),
                 qPrintable(log.zeilen.first()));
        QVERIFY(!log.zeilen.join(' ').contains(QStringLiteral("geheim")));
    }

    // A mail the server does not take is tried again after growing pauses,
    // the mails behind it waiting their turn; every failure logged.
    void wiederholung() {
        TMailServer s;
        QVERIFY(s.starte({"--fail-first", "3"}));
        TLogAufzeichner log;
        TAlarmPost post(log, [] { return Zeit; });
        post.SetzePausen(100, 300);
        QCOMPARE(post.PauseNach(1), 100);
        QCOMPARE(post.PauseNach(2), 200);
        QCOMPARE(post.PauseNach(3), 300);
        QCOMPARE(post.PauseNach(30), 300);
        post.SetzeEinstellungen(postAn(s.port));
        QSignalSpy fehl(&post, &TAlarmPost::NichtZugestellt);
        QSignalSpy zu(&post, &TAlarmPost::Zugestellt);
        QElapsedTimer uhr;
        uhr.start();
        post.Einreihen({QStringLiteral("eins"), QStringLiteral("1")});
        post.Einreihen({QStringLiteral("zwei"), QStringLiteral("2")});
        QCOMPARE(post.Wartend(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(zu.count(), 2, 20000);
        QVERIFY(uhr.elapsed() >= 100 + 200 + 300);
        QCOMPARE(fehl.count(), 3);
        QCOMPARE(fehl.at(0).at(0).toString(), QStringLiteral("eins"));
        QCOMPARE(
            fehl.at(0).at(1).toString(),
            QStringLiteral(
                "Der Mailserver hat die Nachricht abgelehnt: 451 4.3.0 Temporary failure, try again later"));
        QCOMPARE((QList<int>{fehl.at(0).at(2).toInt(), fehl.at(1).at(2).toInt(), fehl.at(2).at(2).toInt()}),
                 (QList<int>{1, 2, 3}));
        QCOMPARE((QList<int>{fehl.at(0).at(3).toInt(), fehl.at(1).at(3).toInt(), fehl.at(2).at(3).toInt()}),
                 (QList<int>{100, 200, 300}));
        QCOMPARE(s.mails().at(0)["subject"].toString(), QStringLiteral("eins"));
        QCOMPARE(s.mails().at(1)["subject"].toString(), QStringLiteral("zwei"));
        QCOMPARE(log.zeilen.size(), 5);
        QVERIFY2(log.zeilen.at(0).startsWith("Alarm-E-Mail nicht zugestellt (Versuch 1): eins - Der "
                                             "Mailserver hat die Nachricht abgelehnt: 451"),
                 qPrintable(log.zeilen.at(0)));
        QCOMPARE(post.Wartend(), 0);
    }

    // The server comes back under other settings: the waiting mail goes at once.
    void neueEinstellungenSendenSofort() {
        TMailServer s;
        QVERIFY(s.starte());
        const quint16 port = s.port;
        s.stoppe();
        TLogAufzeichner log;
        TAlarmPost post(log, [] { return Zeit; });
        post.SetzePausen(3600000, 3600000);
        post.SetzeEinstellungen(postAn(port));
        QSignalSpy fehl(&post, &TAlarmPost::NichtZugestellt);
        post.Einreihen({QStringLiteral("wartet"), QStringLiteral("1")});
        QVERIFY(fehl.wait(30000));
        TMailServer neu;
        QVERIFY(neu.starte());
        post.SetzeEinstellungen(postAn(neu.port));
        QTRY_COMPARE(neu.anzahl(), 1);
        // Mail switched off: what waits is dropped, with a line in the log.
        neu.stoppe();
        post.Einreihen({QStringLiteral("verworfen"), QStringLiteral("1")});
        QVERIFY(fehl.wait(30000));
        tAlarmEinstellungen aus = postAn(neu.port);
        aus.Smtp.clear();
        post.SetzeEinstellungen(aus);
        QCOMPARE(post.Wartend(), 0);
        QCOMPARE(log.zeilen.last(),
                 QStringLiteral("Alarm-E-Mail abgeschaltet: 1 wartende Nachricht(en) verworfen"));
    }

    // A server that takes the connection and never answers: the thread of
    // the user interface goes on, and ending the program ends the attempt.
    void haengenderServerBlockiertNichts() {
        QTcpServer stumm;
        QVERIFY(stumm.listen(QHostAddress::LocalHost, 0));
        TLogAufzeichner log;
        auto post = std::make_unique<TAlarmPost>(log, [] { return Zeit; });
        post->SetzeEinstellungen(postAn(stumm.serverPort()));
        post->Einreihen({QStringLiteral("haengt"), QStringLiteral("1")});
        QVERIFY(stumm.waitForNewConnection(10000));
        // the event loop turns while the mail waits for the server
        QElapsedTimer uhr;
        uhr.start();
        int schlaege = 0;
        QTimer takt;
        connect(&takt, &QTimer::timeout, [&schlaege] { ++schlaege; });
        takt.start(20);
        QTest::qWait(1000);
        // a loop blocked by the mail would not turn at all; under load it turns less often
        QVERIFY2(schlaege >= 5, qPrintable(QString::number(schlaege)));
        uhr.restart();
        post.reset();
        QVERIFY2(uhr.elapsed() < 10000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(log.zeilen.last(),
                 QStringLiteral("Alarm-E-Mail: 1 Nachricht(en) beim Beenden nicht gesendet"));
    }
};

QTEST_MAIN(TestAlarmPost)
#include "tst_alarmPost.moc"

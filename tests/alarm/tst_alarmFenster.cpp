// The windows of the alarms: the main window's menu items and its red alarm
// count, the live display's count and its marked plant tabs, the window
// "Alarme" with its acknowledging and its history, the dialog "Alarme
// einstellen" with its test message against a real mail server, and both
// windows in English and French.
//
// With KOMPOST_BILDER=<folder> set, the test "bilder" writes pictures of the
// windows (German, English, French) for a look and for the user guide.
#include "../shell/ShellUmgebung.h"
#include "MailServer.h"
#include "alarm/UAlarmFenster.h"
#include "alarm/UAlarmSetup.h"
#include "alarm/UAlarme.h"
#include "display/UAnzeige.h"
#include "toolkit/UAnlagenTabs.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString Still = QStringLiteral("Anlage antwortet nicht");
const QString Speicher = QStringLiteral("Steuerungsspeicher fast voll");

// The cells of a table whose text is not shown whole at the table's present
// width: narrower than the text and the item's margins, or past the visible
// area where the table cannot be scrolled to them.
QStringList Abgeschnitten(const QTableWidget *t) {
    QStringList l;
    const int rand = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1);
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c) {
            const QTableWidgetItem *zelle = t->item(r, c);
            if (!zelle || zelle->text().isEmpty())
                continue;
            const QRect feld = t->visualItemRect(zelle);
            if (feld.width() < QFontMetrics(zelle->font()).horizontalAdvance(zelle->text()) + rand ||
                (feld.right() >= t->viewport()->width() && t->horizontalScrollBar()->maximum() == 0))
                l << QStringLiteral("%1,%2 \"%3\" in %4").arg(r).arg(c).arg(zelle->text()).arg(feld.width());
        }
    return l;
}

void Zustellen() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A learned run on the simulator (plants 1 and 2 answer) with its alarms,
// the clock at 10 Dec 2024 12:00.
struct TUmgebung : TShellUmgebung {
    std::unique_ptr<TAlarme> alarme;
    QDateTime zeit{QDate(2024, 12, 10), QTime(12, 0)};

    ~TUmgebung() { alarme.reset(); }

    bool lerne(const QByteArray &iniMehr = {}) {
        sim.SetAnlagen({1, 2});
        if (!netz(3, "[ALARM]\nPLATZMB=0\n" + iniMehr + "[2]\nName=Miete Nord\n"))
            return false;
        baue();
        z().Jetzt = [this] { return zeit; };
        z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        alarme = std::make_unique<TAlarme>(z(), lauf->Ini, lauf->Log, lauf->Ereignisse, lauf->Alarmstand);
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        return gelernt.wait(15000);
    }
    // Three alarms: plant 2 silent (active), plant 1's memory (active,
    // acknowledged), a failed readout of plant 2 (cleared, not acknowledged).
    void dreiAlarme() {
        lauf->Ereignisse.Auslesung(2, false, 3, QStringLiteral("Keine Antwort"));
        zeit = zeit.addSecs(60);
        lauf->Ereignisse.Auslesung(2, true, 0, {});
        zeit = zeit.addSecs(60);
        lauf->Ereignisse.Speicherstand(1, 950);
        alarme->Quittieren(1, Speicher);
        zeit = zeit.addSecs(60);
        lauf->Ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, true, QStringLiteral("Datenträger voll"));
    }
    void oeffnerSetzen() {
        fMain->SetzeOeffner(TFMain::Fenster::Alarme, [this](TFMain &m) {
            ZeigeAlarme(m.Lauf(), *alarme, m.LiveAnzeige ? m.LiveAnzeige.data() : &m);
        });
        fMain->SetzeOeffner(TFMain::Fenster::AlarmEinstellungen,
                            [this](TFMain &m) { ZeigeAlarmEinstellungen(m.Lauf(), *alarme, &m); });
    }
};

QStringList Zeile(QTableWidget *t, int r) {
    QStringList l;
    for (int c = 0; c < t->columnCount(); ++c)
        l.append(t->item(r, c) ? t->item(r, c)->text() : QString());
    return l;
}

} // namespace

class TestAlarmFenster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // The menu items wait for their windows; the count shows in red while
    // alarms are active, and a click on it opens the list.
    void hauptfenster() {
        TUmgebung u;
        QVERIFY(u.lerne());
        QVERIFY(!u.fMain->AlarmeItem->isEnabled());
        QVERIFY(!u.fMain->AlarmEinstellungenItem->isEnabled());
        u.oeffnerSetzen();
        QVERIFY(u.fMain->AlarmeItem->isEnabled() && u.fMain->AlarmEinstellungenItem->isEnabled());
        QVERIFY(u.fMain->AlarmPanel->isHidden());

        u.lauf->Ereignisse.Speicherstand(1, 950);
        QVERIFY(u.fMain->AlarmPanel->isVisible());
        QCOMPARE(u.fMain->AlarmPanel->text(), QStringLiteral("Aktive Alarme: 1"));
        u.lauf->Ereignisse.Speicherstand(2, 950);
        QCOMPARE(u.fMain->AlarmPanel->text(), QStringLiteral("Aktive Alarme: 2"));
        QCOMPARE(u.fMain->AlarmPanel->palette().color(QPalette::Window), QColor(0xC6, 0x28, 0x28));

        bool gezeigt = false;
        MitDialog<TFAlarme>([&](TFAlarme &f) {
            gezeigt = true;
            QCOMPARE(f.AlarmTabelle->rowCount(), 2);
            QCOMPARE(f.parentWidget(), u.fMain.get());
            f.accept();
        });
        QTest::mouseClick(u.fMain->AlarmPanel, Qt::LeftButton);
        QVERIFY(gezeigt);

        u.lauf->Ereignisse.Speicherstand(1, 10);
        u.lauf->Ereignisse.Speicherstand(2, 10);
        QVERIFY(u.fMain->AlarmPanel->isHidden());
    }

    // The live display: the count in its status bar, the tabs of plants with
    // an active alarm marked, its menu item and a click on the count opening
    // the list over it.
    void liveAnzeige() {
        TUmgebung u;
        QVERIFY(u.lerne());
        u.oeffnerSetzen();
        u.lauf->Ereignisse.Speicherstand(2, 950);
        TFAnzeige f(*u.fMain);
        QVERIFY(f.AlarmPanel->isVisibleTo(&f));
        QCOMPARE(f.AlarmPanel->text(), QStringLiteral("Aktive Alarme: 1"));
        QVERIFY(f.TabControl1->markiert(1));
        QVERIFY(!f.TabControl1->markiert(0) && !f.TabControl1->markiert(2));
        u.lauf->Ereignisse.Stoerung(TStoerung::Konfiguration, 0, true, {});
        QCOMPARE(f.AlarmPanel->text(), QStringLiteral("Aktive Alarme: 2"));
        u.lauf->Ereignisse.Speicherstand(2, 0);
        QVERIFY(!f.TabControl1->markiert(1));
        QVERIFY(f.Alarme1->isEnabled());

        u.fMain->LiveAnzeige = &f;
        bool gezeigt = false;
        MitDialog<TFAlarme>([&](TFAlarme &a) {
            gezeigt = true;
            QCOMPARE(a.parentWidget(), &f);
            a.accept();
        });
        f.Alarme1->trigger();
        QVERIFY(gezeigt);

        // a click on the red count opens the list as well
        gezeigt = false;
        MitDialog<TFAlarme>([&](TFAlarme &a) {
            gezeigt = true;
            QCOMPARE(a.parentWidget(), &f);
            a.accept();
        });
        QTest::mouseClick(f.AlarmPanel, Qt::LeftButton);
        QVERIFY(gezeigt);
        u.fMain->LiveAnzeige = nullptr;
    }

    // The list: active, acknowledged and cleared alarms with their states;
    // acknowledging the chosen one and all; the history; changes while open.
    void liste() {
        TUmgebung u;
        QVERIFY(u.lerne());
        u.dreiAlarme();
        TFAlarme f(*u.lauf, *u.alarme);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.windowTitle(), QStringLiteral("Alarme"));
        QTableWidget *t = f.AlarmTabelle;
        QCOMPARE(t->rowCount(), 3);
        // at its opening size every cell shows its text whole, the values too
        QVERIFY2(Abgeschnitten(t).isEmpty(), qPrintable(Abgeschnitten(t).join(QLatin1Char('\n'))));
        QCOMPARE(Zeile(t, 0),
                 (QStringList{"10.12.2024 12:00:00", "Anlage 2 – Miete Nord", "Auslesung fehlgeschlagen",
                              "beendet 10.12.2024 12:01:00", "ausgelesen: 0 Datensätze"}));
        QCOMPARE(Zeile(t, 1),
                 (QStringList{"10.12.2024 12:02:00", "Anlage 1 – Anl-Nr1", Speicher, "aktiv, quittiert",
                              "950 Datensätze im Speicher der Steuerung (Grenze 900, Platz für 1000)"}));
        QCOMPARE(Zeile(t, 2),
                 (QStringList{"10.12.2024 12:03:00", "PC", "Ereignisprotokoll kann nicht geschrieben werden",
                              "aktiv", "Datenträger voll"}));
        QVERIFY(f.LeerLabel->isHidden());
        QVERIFY(f.AlleQuittierenButton->isEnabled());
        QVERIFY(!f.QuittierenButton->isEnabled());
        t->selectRow(1); // already acknowledged
        QVERIFY(!f.QuittierenButton->isEnabled());
        t->selectRow(0);
        QVERIFY(f.QuittierenButton->isEnabled());
        f.QuittierenButton->click();
        QCOMPARE(t->rowCount(), 2); // cleared and acknowledged: gone
        QCOMPARE(t->item(0, 2)->text(), Speicher);

        // A new alarm while the window is open.
        u.zeit = u.zeit.addSecs(60);
        u.lauf->Ereignisse.Stoerung(TStoerung::Auslesung, 2, true, {});
        QCOMPARE(t->rowCount(), 3);
        f.AlleQuittierenButton->click();
        QVERIFY(!f.AlleQuittierenButton->isEnabled());
        QCOMPARE(t->item(2, 3)->text(), QStringLiteral("aktiv, quittiert"));

        // The history: newest first, every change.
        QTableWidget *v = f.VerlaufTabelle;
        QCOMPARE(v->rowCount(), 9);
        QCOMPARE(Zeile(v, 0), (QStringList{"10.12.2024 12:04:00", "Anlage 2 – Miete Nord",
                                           "Auslesung fehlgeschlagen", "quittiert"}));
        QCOMPARE(Zeile(v, 8), (QStringList{"10.12.2024 12:00:00", "Anlage 2 – Miete Nord",
                                           "Auslesung fehlgeschlagen", "kommt"}));

        // All cleared and acknowledged: the list says so.
        u.lauf->Ereignisse.Speicherstand(1, 0);
        u.lauf->Ereignisse.Stoerung(TStoerung::Ereignisprotokoll, 0, false, {});
        u.lauf->Ereignisse.Auslesung(2, true, 0, {});
        QCOMPARE(t->rowCount(), 0);
        QVERIFY(f.LeerLabel->isVisible());
    }

    // The settings dialog shows [ALARM], writes only what changed, refuses
    // unusable addresses and hands the new thresholds to the alarms.
    void einstellungen() {
        TUmgebung u;
        QVERIFY(u.lerne("STILL=15\nSMTP=mail.kompost.example\nSMTPUSER=kompost\nSMTPPASS=alt\n"
                        "VON=leitstand@kompost.example\nAN=a@kompost.example\n"));
        TFAlarmEinstellungen d(*u.lauf, *u.alarme);
        QCOMPARE(d.windowTitle(), QStringLiteral("Alarme einstellen"));
        QCOMPARE(d.StillEdit->value(), 15);
        QCOMPARE(d.O2MinEdit->value(), 5.0);
        QCOMPARE(d.SmtpEdit->text(), QStringLiteral("mail.kompost.example"));
        QCOMPARE(d.KennwortEdit->echoMode(), QLineEdit::Password);
        QCOMPARE(d.TlsBox->currentText(), QStringLiteral("keine"));
        QCOMPARE(d.PlatzEdit->text(), QStringLiteral("aus"));

        d.AnEdit->setText(QStringLiteral("a@kompost.example, kein Empfänger"));
        const QByteArray vorher = u.ini();
        d.OKButton->click();
        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList{QStringLiteral("Die Empfängeradresse \"kein Empfänger\" ist ungültig.")});
        QCOMPARE(u.ini(), vorher);
        QCOMPARE(d.result(), 0);

        d.AnEdit->setText(QStringLiteral("a@kompost.example, b@kompost.example"));
        d.StillEdit->setValue(5);
        d.TMaxEdit->setValue(0);
        d.TlsBox->setCurrentIndex(1);
        d.KennwortEdit->setText(QStringLiteral("neu"));
        d.OKButton->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const QByteArray ini = u.ini();
        QVERIFY2(ini.contains(
                     "[ALARM]\r\nPLATZMB=0\r\nSTILL=5\r\nSMTP=mail.kompost.example\r\nSMTPUSER=kompost\r\n"
                     "SMTPPASS=neu\r\nVON=leitstand@kompost.example\r\nAN=a@kompost.example, "
                     "b@kompost.example\r\nTMAX=0\r\nSMTPTLS=1\r\n"),
                 ini.constData());
        QCOMPARE(u.alarme->Einstellungen().Still, 5);
        QCOMPARE(u.alarme->Einstellungen().TMax, 0);
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(u.pfad("O2_Tarvos.ini")) & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
#endif
        // Cancel writes nothing.
        TFAlarmEinstellungen d2(*u.lauf, *u.alarme);
        d2.StillEdit->setValue(99);
        d2.AbbrechenButton->click();
        QCOMPARE(u.ini(), ini);
    }

    // The numbers in the run's locale, as the set values show them, whatever
    // the process's default locale is ("5,0", not "5.0").
    void einstellungenZahlen() {
        TUmgebung u;
        QVERIFY(u.lerne());
        const QLocale vorher;
        QLocale::setDefault(QLocale::c());
        TFAlarmEinstellungen d(*u.lauf, *u.alarme);
        QLocale::setDefault(vorher);
        QCOMPARE(d.O2MinEdit->text(), QStringLiteral("5,0"));
    }

    // "Testnachricht senden" with the settings as they stand in the dialog,
    // past a real server; the answer in plain words; the dialog stays usable.
    void testnachricht() {
        TMailServer server;
        QVERIFY(server.starte());
        TUmgebung u;
        QVERIFY(u.lerne());
        TFAlarmEinstellungen d(*u.lauf, *u.alarme);
        d.TestButton->click();
        QCOMPARE(u.dialoge.Meldungen(), QStringList{QStringLiteral("Bitte zuerst den Mailserver angeben.")});
        d.SmtpEdit->setText(QStringLiteral("127.0.0.1"));
        d.PortEdit->setValue(server.port);
        d.VonEdit->setText(QStringLiteral("leitstand@kompost.example"));
        d.AnEdit->setText(QStringLiteral("betrieb@kompost.example"));
        d.TestButton->click();
        QVERIFY(!d.TestButton->isEnabled());
        QCOMPARE(d.TestLabel->text(), QStringLiteral("Die Testnachricht wird gesendet …"));
        QTRY_COMPARE(u.dialoge.Meldungen().size(), 2);
        QCOMPARE(
            u.dialoge.Meldungen().last(),
            QStringLiteral("Der Mailserver hat die Testnachricht an betrieb@kompost.example angenommen."));
        QVERIFY(d.TestButton->isEnabled());
        QCOMPARE(server.anzahl(), 1);
        QCOMPARE(server.mails().first()["subject"].toString(),
                 QStringLiteral("Kompost-Leitstand: Testnachricht"));
        QVERIFY(!u.ini().contains("SMTP=")); // nothing stored by the test

        // The answer to a message sent from a dialog closed meanwhile is not this dialog's.
        {
            TFAlarmEinstellungen frueher(*u.lauf, *u.alarme);
            frueher.SmtpEdit->setText(QStringLiteral("127.0.0.1"));
            frueher.PortEdit->setValue(server.port);
            frueher.VonEdit->setText(QStringLiteral("leitstand@kompost.example"));
            frueher.AnEdit->setText(QStringLiteral("betrieb@kompost.example"));
            frueher.TestButton->click();
        }
        server.stoppe();
        d.TestButton->click();
        QTRY_COMPARE(u.dialoge.Meldungen().size(), 3);
        QVERIFY2(u.dialoge.Meldungen().last().startsWith(
                     QStringLiteral(
                         "Die Testnachricht konnte nicht gesendet werden:\nDer Mailserver 127.0.0.1 nimmt "
                         "auf Port %1 keine Verbindung an.")
                         .arg(server.port)),
                 qPrintable(u.dialoge.Meldungen().last()));
    }

    // Both windows follow a language change while they are open.
    void sprache_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("en") << "en"
                            << QStringList{"Alarms", "Current alarms", "Acknowledge", "Set up alarms",
                                           "Send test message"};
        QTest::newRow("fr") << "fr"
                            << QStringList{"Alarmes", "Alarmes en cours", "Acquitter", "Réglage des alarmes",
                                           "Envoyer un message de test"};
    }
    void sprache() {
        QFETCH(QString, sprache);
        QFETCH(QStringList, texte);
        TUmgebung u;
        QVERIFY(u.lerne());
        u.dreiAlarme();
        TFAlarme f(*u.lauf, *u.alarme);
        TFAlarmEinstellungen d(*u.lauf, *u.alarme);
        const QString deutsch = f.AlarmTabelle->item(2, 2)->text();
        QVERIFY(u.lauf->Sprache.Setze(sprache, false));
        Zustellen();
        QCOMPARE(f.windowTitle(), texte.at(0));
        QCOMPARE(f.Seiten->tabText(0), texte.at(1));
        QCOMPARE(f.QuittierenButton->text().remove(QLatin1Char('&')), texte.at(2));
        QCOMPARE(d.windowTitle(), texte.at(3));
        QCOMPARE(d.TestButton->text(), texte.at(4));
        QVERIFY(f.AlarmTabelle->item(2, 2)->text() != deutsch);
        QVERIFY(u.fMain->AlarmeItem->text() != QStringLiteral("A&larme") || sprache == QLatin1String("fr"));
        QVERIFY(u.lauf->Sprache.Setze(QStringLiteral("de"), false));
        Zustellen();
        QCOMPARE(f.AlarmTabelle->item(2, 2)->text(), deutsch);
        // the journal stays German whatever the language
        QVERIFY(u.lies(QStringLiteral("Alarme_2024.CSV"))
                    .contains(";;Ereignisprotokoll kann nicht geschrieben werden;kommt"));
    }

    // With KOMPOST_BILDER=<folder>: pictures of the windows in every language.
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        for (const QString &sprache : {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")}) {
            TUmgebung u;
            QVERIFY(u.lerne());
            u.oeffnerSetzen();
            u.dreiAlarme();
            QVERIFY(u.lauf->Sprache.Setze(sprache, false));
            Zustellen();
            const auto speichere = [&](QWidget *w, const QString &name) {
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                Zustellen();
                QVERIFY(w->grab().save(ordner + QLatin1Char('/') + name + QLatin1Char('_') + sprache +
                                       QStringLiteral(".png")));
            };
            TFAlarme f(*u.lauf, *u.alarme);
            speichere(&f, QStringLiteral("Alarme"));
            f.Seiten->setCurrentIndex(1);
            speichere(&f, QStringLiteral("Alarme_Verlauf"));
            f.hide();
            TFAlarmEinstellungen d(*u.lauf, *u.alarme);
            speichere(&d, QStringLiteral("AlarmeEinstellen"));
            d.hide();
            speichere(u.fMain.get(), QStringLiteral("Hauptfenster_Alarme"));
            TFAnzeige a(*u.fMain);
            speichere(&a, QStringLiteral("Anzeige_Alarme"));
            a.close();
        }
    }
};

QTEST_MAIN(TestAlarmFenster)
#include "tst_alarmFenster.moc"

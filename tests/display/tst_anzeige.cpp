// The live display against the simulator: what the instruments and the
// overview grid show (°C and °F, with and without the reference depth),
// plant tabs and row titles, the heartbeat, the menu items per plant state,
// the storage sweep over mixed plants as the window shows it, with its
// catching up, its guard and its outcomes, and the window as the main window
// opens it.
#include "../shell/ShellUmgebung.h"
#include "display/UAnzeige.h"
#include "display/UMietenBild.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UAnzeigeElemente.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

const QDateTime Uhrzeit(QDate(2024, 12, 9), QTime(14, 30));

QByteArrayList Zeilen(const QString &datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

tAnlageMesswerte Messwerte(int t100, int t0, int o2, int ref, bool luefter, int art) {
    tAnlageMesswerte w;
    w.Gueltig = 1;
    w.T = {0, t100, t100 - 5, t100 - 10, t0 + 5, t0};
    w.O2 = o2;
    w.RefMarke = ref;
    w.Luefter = luefter ? 1 : 0;
    w.Betriebsart = static_cast<quint8>(art);
    w.Laufzeit = 1234;
    w.Zyklen = 56;
    return w;
}

// Marks every text that goes through the translation, for as long as it lives.
class TMarkierer : public QTranslator {
public:
    TMarkierer() { QCoreApplication::installTranslator(this); }
    ~TMarkierer() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *quelle, const char *, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(quelle) + QLatin1Char(']');
    }
};

// A run on the simulator, learned, with the live display built on it.
struct TAnzeigeUmgebung : TShellUmgebung {
    std::unique_ptr<TFAnzeige> f;

    ~TAnzeigeUmgebung() {
        if (f) {
            while (f->DialogIstOffen())
                f->DialogZu();
            f.reset();
        }
    }

    // n plants in the installation; the simulator answers for those in
    // vorhanden. The clock stands at 9 Dec 2024 14:30, the locale is German.
    bool lerne(int n, const QList<int> &vorhanden, const QByteArray &iniMehr = {},
               const QByteArray &installationMehr = {}) {
        sim.SetAnlagen(vorhanden);
        if (!netz(n, iniMehr, installationMehr))
            return false;
        baue();
        z().Jetzt = [] { return Uhrzeit; };
        z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        return gelernt.count() > 0 || gelernt.wait(15000);
    }

    TFAnzeige &anzeige() {
        f = std::make_unique<TFAnzeige>(*fMain);
        return *f;
    }

    // The letters of the frames the simulator received for plant n, the polls ("c") left out.
    QString befehle(int n) const {
        QString s;
        for (const auto &r : sim.Rahmen(n)) {
            if (r.Bytes.at(1) != 'c')
                s += QChar::fromLatin1(r.Bytes.at(1));
        }
        return s;
    }
};

} // namespace

class TestAnzeige : public QObject {
    Q_OBJECT

private slots:
    // Instruments and grid from the readings, in °C or °F, with or without the reference depth.
    void messwerte_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("einheiten"); // T1Anz, T55Anz
        QTest::addColumn<QList<int>>("werte");      // T1Anz, T5Anz, T55Anz, T55 maximum
        QTest::addColumn<QString>("spalte6");       // title, then plant 1 and plant 2
        QTest::addColumn<QStringList>("zellen6");
        QTest::newRow("°C") << QByteArray() << QStringList{"°C", "cm"} << QList<int>{55, 20, 100, 100}
                            << QStringLiteral("s 55°C[cm]") << QStringList{"100", "---"};
        QTest::newRow("°F/inch") << QByteArray("Metric=1\n") << QStringList{"°F", "in"}
                                 << QList<int>{131, 68, 39, 39} << QStringLiteral("s 131°F[in]")
                                 << QStringList{"39", "---"};
        QTest::newRow("ohne Tiefe") << QByteArray("SHOWREF=0\n") << QStringList{"°C", "cm"}
                                    << QList<int>{55, 20, 100, 100} << QString() << QStringList{"", ""};
    }
    void messwerte() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, einheiten);
        QFETCH(QList<int>, werte);
        QFETCH(QString, spalte6);
        QFETCH(QStringList, zellen6);

        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(3, {1, 2, 3}, ini));
        u.fMain->StopTimer(); // the readings below are set by hand
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        z.Messwerte[1] = Messwerte(55, 20, 209, 100, true, 4);
        z.Messwerte[2] = tAnlageMesswerte{};
        z.Messwerte[3] = Messwerte(40, 10, 5, 25, false, 2);
        z.Messwerte[3].Laufzeit = 0;
        f.TabControl1->setCurrentIndex(0);
        f.DispTimerTimer();

        // Plant 1 on the instruments.
        QCOMPARE(f.T1Anz->einheit(), einheiten.at(0));
        QCOMPARE(f.T5Anz->einheit(), einheiten.at(0));
        QCOMPARE(f.T55Anz->einheit(), einheiten.at(1));
        QCOMPARE(f.T1Anz->wert(), double(werte.at(0)));
        QCOMPARE(f.T5Anz->wert(), double(werte.at(1)));
        QCOMPARE(f.T55Anz->wert(), double(werte.at(2)));
        QCOMPARE(f.T55Anz->maximum(), double(werte.at(3)));
        QCOMPARE(f.T55Anz->isHidden(), spalte6.isEmpty());
        QCOMPARE(f.O2Anz->wert(), 20.9);
        QCOMPARE(f.O2Anz->anzeigeText(), QStringLiteral(" 20.9"));
        QCOMPARE(f.LaufzeitAnz->wert(), 1234.0);
        QCOMPARE(f.ZyklenAnz->wert(), 56.0);
        QVERIFY(f.T1Anz->istAn());
        QVERIFY(!f.Luft1->isHidden());
        QVERIFY(f.SteuerLED->an());

        // Every plant in the grid; O2 with the locale's decimal comma.
        QCOMPARE(f.BPAnzGrid->Cells(6, 0), spalte6);
        const QStringList zeile1{"EIN", "20,9", "Steuerbetrieb", "1234", "56"};
        const QStringList zeile3{"AUS", "0,5", "Intervall", "0", "56"};
        for (int c = 1; c <= 5; ++c) {
            QCOMPARE(f.BPAnzGrid->Cells(c, 1), zeile1.at(c - 1));
            QCOMPARE(f.BPAnzGrid->Cells(c, 2), QStringLiteral("---"));
            QCOMPARE(f.BPAnzGrid->Cells(c, 3), zeile3.at(c - 1));
        }
        QCOMPARE(f.BPAnzGrid->Cells(6, 1), zellen6.at(0));
        QCOMPARE(f.BPAnzGrid->Cells(6, 2), zellen6.at(1));

        // Modes 0..3 put the lamp out and select their tab, which sends nothing.
        u.sim.LoescheRahmen();
        z.Messwerte[1].Betriebsart = 1;
        z.Messwerte[1].Luefter = 0;
        f.DispTimerTimer();
        QVERIFY(!f.SteuerLED->an());
        QCOMPARE(f.BetriebsArtTab->currentIndex(), 1);
        QCOMPARE(f.BetriebsArtTab->tabText(3), QStringLiteral("Z2- Eduzivid"));
        QVERIFY(f.Luft1->isHidden());
        QCOMPARE(f.BPAnzGrid->Cells(3, 1), QStringLiteral("Manuell- EIN"));
        // A mode above 4 leaves the mode cell as it was.
        z.Messwerte[1].Betriebsart = 7;
        f.DispTimerTimer();
        QCOMPARE(f.BPAnzGrid->Cells(3, 1), QStringLiteral("Manuell- EIN"));
        QCOMPARE(f.BetriebsArtTab->currentIndex(), 1);
        QVERIFY(u.sim.Rahmen().isEmpty());

        // Invalid readings: dark instruments, no depth (not 0 cm), no fan; lamp and mode tab stay.
        z.Messwerte[1].Betriebsart = 4;
        z.Messwerte[1].Luefter = 1;
        f.DispTimerTimer();
        z.Messwerte[1].Gueltig = 0;
        f.DispTimerTimer();
        for (TLedInstrument *i :
             {f.T1Anz, f.T2Anz, f.T3Anz, f.T4Anz, f.T5Anz, f.O2Anz, f.LaufzeitAnz, f.ZyklenAnz})
            QVERIFY(!i->istAn());
        QVERIFY(std::isnan(f.T55Anz->wert()));
        QVERIFY(f.Luft1->isHidden());
        QVERIFY(f.SteuerLED->an());
        QCOMPARE(f.BPAnzGrid->Cells(1, 1), QStringLiteral("---"));
        QCOMPARE(f.BPAnzGrid->Cells(6, 1), zellen6.at(1));
    }

    // Tabs, row titles and storage-status rows; the tab index chooses the plant.
    void reiterUndZeilen_data() {
        QTest::addColumn<bool>("adressen33");
        QTest::addColumn<QStringList>("reiter");
        QTest::newRow("1..3") << false << QStringList{"1", "2", "3"};
        QTest::newRow("33..35") << true << QStringList{"33", "34", "35"};
    }
    void reiterUndZeilen() {
        QFETCH(bool, adressen33);
        QFETCH(QStringList, reiter);
        TShellUmgebung u;
        u.installation(3, adressen33 ? "Adressen33=1\n" : "");
        u.baue();
        TFAnzeige f(*u.fMain);

        QCOMPARE(f.windowTitle(), QStringLiteral("Kompost- Messwerterfassung"));
        QCOMPARE(f.TabControl1->count(), 3);
        QCOMPARE(f.BPAnzGrid->zeilenAnzahl(), 4);
        QCOMPARE(f.StatusAnzeige->zeilenAnzahl(), 4);
        QCOMPARE(f.BPAnzGrid->spaltenAnzahl(), 7);
        QCOMPARE(f.StatusAnzeige->spaltenAnzahl(), 2);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.TabControl1->tabText(i), reiter.at(i));
            QCOMPARE(f.BPAnzGrid->Cells(0, i + 1), QStringLiteral("Anl ") + reiter.at(i));
            QCOMPARE(f.StatusAnzeige->Cells(0, i + 1), QStringLiteral("Anl ") + reiter.at(i));
        }
        QCOMPARE(f.StatusAnzeige->Cells(1, 0), QStringLiteral("Speicherstatus"));
        const QStringList titel{"", "Lüfter", "%/O2", "Betriebsart", "Laufzeit", "Zyklen"};
        for (int c = 0; c < titel.size(); ++c)
            QCOMPARE(f.BPAnzGrid->Cells(c, 0), titel.at(c));

        f.TabControl1->setCurrentIndex(2);
        QCOMPARE(u.z().AktAnlage, quint16(3));
        f.TabControl1->setCurrentIndex(0);
        QCOMPARE(u.z().AktAnlage, quint16(1));

        // The storage status: shown by its menu item, hidden again by a click on it.
        QVERIFY(f.StatusAnzeige->isHidden());
        f.PCSpeicherstatus1->trigger();
        QVERIFY(!f.StatusAnzeige->isHidden());
        emit f.StatusAnzeige->geklickt(1, 2);
        QVERIFY(f.StatusAnzeige->isHidden());
        emit f.StatusAnzeige->geklickt(1, 2);
        QVERIFY(!f.StatusAnzeige->isHidden());
    }

    // The depth labels of the pile picture go through the translation too.
    void tiefenTexte_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("cm") << false << QStringList{"[0 cm]", "[25 cm]", "[50 cm]", "[75 cm]", "[100 cm]"};
        QTest::newRow("in") << true << QStringList{"[0 in]", "[9 in]", "[19 in]", "[29 in]", "[39 in]"};
    }
    void tiefenTexte() {
        QFETCH(bool, metric);
        QFETCH(QStringList, texte);
        const TMarkierer markierer;
        TShellUmgebung u;
        u.installation(1);
        u.schreibe(QStringLiteral("O2_Tarvos.ini"),
                   QByteArray("[COM]\nMetric=") + (metric ? "1" : "0") + "\n");
        u.baue();
        TFAnzeige f(*u.fMain);
        QCOMPARE(f.MietenBild->tiefenTexte(), texte);
    }

    // The heartbeat runs 1..10 while the plants are polled, and stays empty
    // while nothing is (the poll stopped, or no connection at all).
    void herzschlag() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        TFAnzeige &f = u.anzeige();
        QCOMPARE(f.Progressbar1->minimum(), 0);
        QCOMPARE(f.Progressbar1->maximum(), 10);
        const auto ticks = [&f](int n) {
            QList<int> gezeigt;
            for (int i = 0; i < n; ++i) {
                f.DispTimerTimer();
                gezeigt.append(f.Progressbar1->value());
            }
            return gezeigt;
        };
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QCOMPARE(ticks(22), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}));
        u.fMain->StopTimer();
        QCOMPARE(ticks(3), QList<int>({0, 0, 0}));
        u.fMain->StartTimer();
        QCOMPARE(ticks(2), QList<int>({1, 2}));
        // an operation of the window stops both timers: the bar empties at once
        f.StopTimer();
        QCOMPARE(f.Progressbar1->value(), 0);
        f.StartTimer();
        QCOMPARE(ticks(1), QList<int>({1}));

        TShellUmgebung ohne;
        ohne.installation(1);
        ohne.baue();
        TFAnzeige g(*ohne.fMain);
        g.DispTimerTimer();
        QCOMPARE(g.Progressbar1->value(), 0);
    }

    // A lost connection shows in the window at once: the red panel with since
    // when and the next attempt, the pile marked as not live, both lamps out,
    // the heartbeat stopped, every row "---". Once the plants are learned
    // again, all of it is live again.
    void verbindungVerloren() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}, "[1]\nName=Halle1\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(60000, 60000);
        f.TabControl1->setCurrentIndex(0);
        f.TabControl1Change();
        QTRY_VERIFY_WITH_TIMEOUT(z.Messwerte[1].Gueltig != 0, 5000);
        z.Messwerte[1].Betriebsart = 4;
        f.DispTimerTimer();
        QVERIFY(f.MEMLabel->an());
        QVERIFY(f.SteuerLED->an());
        QVERIFY(f.VerbindungPanel->isHidden());
        QVERIFY(f.NichtLive->isHidden());
        QCOMPARE(f.Progressbar1->value(), 1);

        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        // at once, before the next tick
        QVERIFY(!f.VerbindungPanel->isHidden());
        // the run's clock stands still: the next attempt a minute on, less what has passed since
        const QRegularExpression panel(QStringLiteral(
            "^Verbindung unterbrochen seit 09\\.12\\.2024 14:30:00 – nächster Versuch um 14:3[01]:\\d\\d$"));
        QVERIFY2(panel.match(f.VerbindungPanel->text()).hasMatch(), qPrintable(f.VerbindungPanel->text()));
        QVERIFY(!f.NichtLive->isHidden());
        QVERIFY(f.NichtLive->text().startsWith(QStringLiteral("KEINE VERBINDUNG")));
        QVERIFY(!f.MEMLabel->an());
        QVERIFY(!f.SteuerLED->an());
        for (int i = 0; i < 3; ++i)
            f.DispTimerTimer();
        QCOMPARE(f.Progressbar1->value(), 0);
        QVERIFY(!f.T1Anz->istAn());
        QVERIFY(!f.MEMLabel->an());
        for (int n = 1; n <= 2; ++n)
            QCOMPARE(f.BPAnzGrid->Cells(1, n), QStringLiteral("---"));
        // the tab of another plant lights no lamp either
        f.TabControl1->setCurrentIndex(1);
        QVERIFY(!f.MEMLabel->an());

        // With KOMPOST_BILDER=<folder> set: a picture of the window without a connection.
        if (const QString ordner = qEnvironmentVariable("KOMPOST_BILDER"); !ordner.isEmpty()) {
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QVERIFY(f.grab().save(QDir(ordner).filePath(QStringLiteral("anzeige_getrennt.png"))));
        }

        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        QVERIFY(u.sim.SetTcpGesperrt(false));
        v.JetztVersuchen();
        QVERIFY(gelernt.wait(5000));
        QVERIFY(f.VerbindungPanel->isHidden());
        QVERIFY(f.NichtLive->isHidden());
        QVERIFY(f.MEMLabel->an());
        QTRY_VERIFY_WITH_TIMEOUT(z.Messwerte[2].Gueltig != 0, 5000);
        f.DispTimerTimer();
        QVERIFY(f.T1Anz->istAn());
        QVERIFY(f.Progressbar1->value() > 0);
    }

    // A controller that stops answering while the link stays open: from its
    // first missed poll its values are no live ones (instruments off, its row
    // "---", the storage lamp out), and its tab and the status bar say since
    // when it does not answer; once it answers again, all is live again.
    void stilleAnlage() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}, "[1]\nName=Halle1\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        f.TabControl1->setCurrentIndex(0);
        f.TabControl1Change();
        QTRY_VERIFY_WITH_TIMEOUT(z.Messwerte[1].Gueltig != 0, 5000);
        f.DispTimerTimer();
        QVERIFY(f.T1Anz->istAn());
        QVERIFY(f.MEMLabel->an());
        QVERIFY(f.StillPanel->isHidden());
        QVERIFY(f.TabControl1->hinweis(0).isEmpty());

        u.sim.Stoerung(1).Stumm = true;
        QTRY_VERIFY_WITH_TIMEOUT(z.KeineAntwortSeit[1].isValid(), 3000);
        QVERIFY(z.Messwerte[1].Gueltig != 0); // the readings are kept ...
        f.DispTimerTimer();
        const QString text = QStringLiteral("Anlage 1: keine Antwort seit 09.12.2024 14:30:00");
        QVERIFY(!f.T1Anz->istAn()); // ... but not shown as live
        QCOMPARE(f.BPAnzGrid->Cells(1, 1), QStringLiteral("---"));
        QVERIFY(!f.MEMLabel->an());
        QVERIFY(!f.StillPanel->isHidden());
        QCOMPARE(f.StillPanel->text(), text);
        QVERIFY(!f.NichtLive->isHidden());
        QVERIFY(f.NichtLive->text().startsWith(text));
        QCOMPARE(f.TabControl1->hinweis(0), text);
        QVERIFY(f.TabControl1->hinweis(1).isEmpty());
        QVERIFY(f.BPAnzGrid->Cells(1, 2) != QStringLiteral("---"));
        // on the other plant's tab the panel goes, the hint on the tab stays
        f.TabControl1->setCurrentIndex(1);
        QVERIFY(f.StillPanel->isHidden());
        QVERIFY(f.NichtLive->isHidden());
        QCOMPARE(f.TabControl1->hinweis(0), text);
        f.TabControl1->setCurrentIndex(0);
        QVERIFY(!f.StillPanel->isHidden());
        // With KOMPOST_BILDER=<folder> set: a picture of the window meanwhile.
        if (const QString ordner = qEnvironmentVariable("KOMPOST_BILDER"); !ordner.isEmpty()) {
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QVERIFY(f.grab().save(QDir(ordner).filePath(QStringLiteral("anzeige_still.png"))));
        }

        u.sim.Stoerung(1).Stumm = false;
        QTRY_VERIFY_WITH_TIMEOUT(!z.KeineAntwortSeit[1].isValid(), 3000);
        f.DispTimerTimer();
        QVERIFY(f.T1Anz->istAn());
        QVERIFY(f.MEMLabel->an());
        QVERIFY(f.StillPanel->isHidden());
        QVERIFY(f.NichtLive->isHidden());
        QVERIFY(f.TabControl1->hinweis(0).isEmpty());
    }

    // While no connection is open, what needs a controller says so at once
    // and sends nothing: set values, the clock, the mode tabs, starting and
    // continuing a pile (before their dialogs open); ending a pile too.
    void bedienungOhneVerbindung() {
        TAnzeigeUmgebung u;
        u.sim.Anlage(2).SetEingeschaltet(false);
        QVERIFY(u.lerne(2, {1, 2}));
        TFAnzeige &f = u.anzeige();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        u.sim.LoescheRahmen();
        const QString text = v.KeineVerbindungText();
        QVERIFY2(
            text.startsWith(QStringLiteral("Keine Verbindung zu den Steuerungen!\nVerbindung unterbrochen "
                                           "seit 09.12.2024 14:30:00")),
            qPrintable(text));

        struct Fall {
            int reiter;
            std::function<void()> aktion;
        };
        const QList<Fall> faelle{
            {0, [&f] { f.Einstellwerte1Click(); }},
            {0, [&f] { f.ZeitDatumsetzen1Click(); }},
            {0, [&f] { f.BetriebsArtTab->setCurrentIndex(1); }},
            {0, [&f] { f.Mietebeenden1Click(); }},
            {1, [&f] { f.Mieteneustarten1Click(); }},
            {1, [&f] { f.Mietefortfuehren1Click(); }},
        };
        for (const Fall &fall : faelle) {
            f.TabControl1->setCurrentIndex(fall.reiter);
            u.dialoge.Protokoll.clear();
            const int art = f.BetriebsArtTab->currentIndex();
            fall.aktion();
            QCOMPARE(u.dialoge.Meldungen(), QStringList{text});
            QCOMPARE(f.BetriebsArtTab->currentIndex(), art);
            QVERIFY(!f.DialogIstOffen());
        }
        QVERIFY(u.sim.Rahmen().isEmpty());
    }

    // Pile line, memory lamp, status bar and menu items for each state of a plant.
    void menueNachAnlagenzustand() {
        TAnzeigeUmgebung u;
        // 1 running, 2 switched off, 3 not answering.
        u.sim.Anlage(2).SetEingeschaltet(false);
        QVERIFY(u.lerne(3, {1, 2}, "[1]\nName=Halle1\n[2]\nName=Halle2\nDatei=/alt.CSV\nAnzahl=9\n"));
        TFAnzeige &f = u.anzeige();
        u.z().Anlagen[1].Anzahl = 17;

        struct Fall {
            int tab;
            QString zeile;
            bool neu, beenden, optionen, speicher;
            QString datei, anzahl;
        };
        const QList<Fall> faelle{
            {0, "Halle1", false, true, true, true, u.z().Anlagen[1].Datei, "17"},
            {1, "Angeschlossene ANLAGE ist abgeschaltet!!", true, false, true, false, "", "0"},
            {2, "KEINE ANLAGE ANGESCHLOSSEN!!", false, false, false, false, "", ""},
            {0, "Halle1", false, true, true, true, u.z().Anlagen[1].Datei, "17"},
        };
        QVERIFY(u.z().Anlagen[1].Datei.endsWith(QStringLiteral("Halle1_09-12-2024.CSV")));
        for (const Fall &fall : faelle) {
            f.TabControl1->setCurrentIndex(fall.tab);
            f.TabControl1Change();
            QCOMPARE(u.z().AktAnlage, quint16(fall.tab + 1));
            QCOMPARE(f.MieteName->text(), fall.zeile);
            QCOMPARE(f.Mieteneustarten1->isEnabled(), fall.neu);
            QCOMPARE(f.Mietefortfuehren1->isEnabled(), fall.neu);
            QCOMPARE(f.Mietebeenden1->isEnabled(), fall.beenden);
            QCOMPARE(f.Einstellwerte1->isEnabled(), fall.optionen);
            QCOMPARE(f.ZeitDatumsetzen1->isEnabled(), fall.optionen);
            QCOMPARE(f.MEMLabel->an(), fall.speicher);
            QVERIFY(f.OfflineDatenauslesen1->isEnabled());
            QVERIFY(f.PCSpeicherstatus1->isEnabled());
            QCOMPARE(f.StatusText(1), QStringLiteral("Datei:"));
            QCOMPARE(f.StatusText(2), fall.datei);
            QCOMPARE(f.StatusText(3), QStringLiteral("Anzahl Speicherwerte:"));
            QCOMPARE(f.StatusText(4), fall.anzahl);
        }

        // Menus, shortcuts and separators.
        QCOMPARE(f.Ende1->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(f.OfflineDatenauslesen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(f.Mieteneustarten1->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(f.Mietefortfuehren1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(f.Mietebeenden1->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
        QVERIFY(f.PCSpeicherstatus1->shortcut().isEmpty());
        QCOMPARE(f.Einstellwerte1->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
        QCOMPARE(f.ZeitDatumsetzen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(f.Info1->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QStringList mieten;
        for (QAction *a : f.MietenMenu->actions())
            mieten.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(mieten,
                 QStringList({"&Offline Daten auslesen", "-", "Miete &neu starten", "Miete &fortführen",
                              "Miete &beenden", "-", "PC-Speicherstatus", "A&larme"}));
        QCOMPARE(f.Alarme1->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(f.EndeMenu->title(), QStringLiteral("&Ende"));
        QCOMPARE(f.MietenMenu->title(), QStringLiteral("&Mieten- Verwaltung"));
        QCOMPARE(f.OptionenMenu->title(), QStringLiteral("&Optionen"));
        QCOMPARE(f.InfoMenu->title(), QStringLiteral("&Info"));
    }

    // One sweep over a running plant with 25 records, a switched-off one, one
    // that went silent after learning and one that never answered: the grid
    // says which were not read and why.
    void sicherungUeberGemischteAnlagen() {
        TAnzeigeUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(25);
        u.sim.Anlage(2).SetEingeschaltet(false);
        QVERIFY(u.lerne(4, {1, 2, 3}, "ZEIT=14\n[1]\nName=Halle1\n"));
        u.sim.Stoerung(3).Stumm = true;
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        QVERIFY(z.SpeicherAktiv);
        const QDateTime faellig(QDate(2024, 12, 9), QTime(14, 0));
        z.NaechsteSpeicherzeit = faellig;
        const QString datei = z.Anlagen[1].Datei;
        QVERIFY(!datei.isEmpty());
        f.TabControl1Change();
        QCOMPARE(f.StatusText(4), QStringLiteral("0"));

        // What the window shows while records come in.
        bool gesperrt = false, pollAus = false, aktivGezeigt = false;
        QString panel4;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (!antwort.startsWith('G'))
                                 return;
                             gesperrt = !f.isEnabled() && f.DialogIstOffen();
                             pollAus = !u.lauf->Komm.Abfrage.TimerLaeuft() && !f.DispTimer.isActive();
                             aktivGezeigt = u.fMain->Aktiv().isVisible();
                             panel4 = f.StatusText(4);
                         });
        u.sim.LoescheRahmen();
        f.StartTimer();
        QVERIFY(u.lauf->Sicherung.Pruefe());

        QCOMPARE(f.StatusAnzeige->Cells(1, 0), QStringLiteral("Sicherung am 09.12.2024 14:30:00"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Ergebnis OK !"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 2), QStringLiteral("nicht ausgelesen: ausgeschaltet"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 3), QStringLiteral("Fehler beim sichern!"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 4), QStringLiteral("nicht ausgelesen: antwortet nicht"));
        // what failed, in the cell's tool tip
        QCOMPARE(f.StatusAnzeige->tabelle()->item(2, 0)->toolTip(),
                 QStringLiteral(
                     "Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !"));
        QVERIFY(f.StatusAnzeige->tabelle()->item(0, 0)->toolTip().isEmpty());
        QVERIFY(gesperrt);
        QVERIFY(pollAus);
        QVERIFY(aktivGezeigt);
        QCOMPARE(panel4, QStringLiteral("25"));
        QVERIFY(!u.fMain->Aktiv().isVisible());

        // The data file: header and 25 records; the count is kept.
        const QByteArrayList l = Zeilen(datei);
        QCOMPARE(l.size(), 9 + 25);
        QCOMPARE(l.at(4), QByteArray("Anlagen- Name: Halle1\r"));
        QVERIFY(l.at(9).startsWith("1;"));
        QVERIFY(l.at(33).startsWith("25;"));
        QCOMPARE(z.Anlagen[1].Anzahl, 25);
        QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 25);
        // Switched off: nothing asked. Silent: the count asked twice, nothing read.
        QCOMPARE(u.befehle(1), QStringLiteral("r") + QString(25, QLatin1Char('G')));
        QCOMPARE(u.befehle(2), QString());
        QCOMPARE(u.befehle(3), QStringLiteral("rr"));
        QCOMPARE(u.befehle(4), QString());

        // Afterwards: next storage a day later, timers on, window enabled, panel 4 empty.
        QCOMPARE(z.NaechsteSpeicherzeit, faellig.addDays(1));
        QVERIFY(f.isEnabled());
        QVERIFY(!f.DialogIstOffen());
        QVERIFY(f.DispTimer.isActive());
        QCOMPARE(f.DispTimer.interval(), 1000);
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QCOMPARE(f.StatusText(4), QString());
        f.DispTimerTimer();
        QVERIFY(!u.lauf->Sicherung.Pruefe()); // done for today
        QCOMPARE(f.StatusText(4), QString());
        f.TabControl1Change();
        QCOMPARE(f.StatusText(4), QStringLiteral("25"));
    }

    // Two days behind: one sweep per tick until the storage time lies ahead again.
    void sicherungHoltTageNach() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(1, {1}, "ZEIT=14\n"));
        TZustand &z = u.z();
        // Storage hour 14; it is 14:30 on the 9th, the storage of the 7th is still to do.
        const QDateTime start(QDate(2024, 12, 7), QTime(14, 0));
        z.NaechsteSpeicherzeit = start;
        QList<QDateTime> zeiten;
        QList<int> anfragen;
        for (int i = 0; i < 4; ++i) {
            u.sim.LoescheRahmen();
            u.lauf->Sicherung.Pruefe();
            zeiten.append(z.NaechsteSpeicherzeit);
            anfragen.append(static_cast<int>(u.befehle(1).count(QLatin1Char('r'))));
        }
        QCOMPARE(zeiten,
                 QList<QDateTime>({start.addDays(1), start.addDays(2), start.addDays(3), start.addDays(3)}));
        QCOMPARE(anfragen, QList<int>({1, 1, 1, 0}));
    }

    // No sweep starts while a dialog of the window is open or a request waits;
    // it runs at the first tick after.
    void keineSicherungWaehrendDialog() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(2, {1}, "ZEIT=14\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        const QDateTime faellig(QDate(2024, 12, 9), QTime(14, 0));
        z.NaechsteSpeicherzeit = faellig;

        {
            const TFAnzeige::TDialogSperre sperre(f);
            u.sim.LoescheRahmen();
            f.DispTimerTimer();
            QVERIFY(!u.lauf->Sicherung.Pruefe());
            f.DispTimerTimer();
            QCOMPARE(z.NaechsteSpeicherzeit, faellig);
            QCOMPARE(u.befehle(1), QString());
            QCOMPARE(f.StatusAnzeige->Cells(1, 0), QStringLiteral("Speicherstatus"));
            QCOMPARE(f.Herzschlag(), 2); // the view goes on all the same
            // The window cannot be closed meanwhile, and an activation starts no timers.
            QVERIFY(!f.close());
            f.StopTimer();
            f.FormActivate();
            QVERIFY(!f.DispTimer.isActive());
            QVERIFY(!u.lauf->Komm.Abfrage.TimerLaeuft());
        }
        // A request waiting for its reply (plant 2 does not answer).
        u.fMain->StopTimer();
        bool inDerAnfrage = false;
        bool gelaufen = true;
        QTimer::singleShot(50, &f, [&] {
            inDerAnfrage = u.lauf->Komm.Abfrage.Wartet();
            gelaufen = u.lauf->Sicherung.Pruefe();
        });
        QVERIFY(!u.lauf->Komm.Abfrage.SendeUndWarte(300, 2, Befehle::AnzahlDaten));
        QVERIFY(inDerAnfrage);
        QVERIFY(!gelaufen);
        QCOMPARE(z.NaechsteSpeicherzeit, faellig);

        QVERIFY(u.lauf->Sicherung.Pruefe());
        QCOMPARE(z.NaechsteSpeicherzeit, faellig.addDays(1));
        QVERIFY(u.befehle(1).startsWith(QLatin1Char('r')));
        QVERIFY(f.StatusAnzeige->Cells(1, 0).startsWith(QStringLiteral("Sicherung am ")));
    }

    // A storage time that passes while the connection is down: no sweep then,
    // blank readings; the sweep runs once the plants are learned again.
    void sicherungNachWiederverbindung() {
        TAnzeigeUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(5);
        QVERIFY(u.lerne(1, {1}, "ZEIT=14\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(100, 400);
        const QString datei = z.Anlagen[1].Datei;
        QVERIFY(!datei.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(z.Messwerte[1].Gueltig != 0, 5000);
        f.DispTimerTimer();
        QVERIFY(f.T1Anz->istAn());

        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        const QDateTime faellig(QDate(2024, 12, 9), QTime(14, 0));
        z.NaechsteSpeicherzeit = faellig;
        f.DispTimerTimer();
        QVERIFY(!u.lauf->Sicherung.Pruefe());
        QTest::qWait(1200); // the program's own check as well
        QCOMPARE(z.NaechsteSpeicherzeit, faellig);
        QCOMPARE(f.StatusAnzeige->Cells(1, 0), QStringLiteral("Speicherstatus"));
        QVERIFY(!f.T1Anz->istAn());
        QCOMPARE(f.BPAnzGrid->Cells(1, 1), QStringLiteral("---"));

        // Once the plants are learned again, the program runs it by itself.
        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        QVERIFY(u.sim.SetTcpGesperrt(false));
        QVERIFY(gelernt.wait(5000));
        QTRY_COMPARE_WITH_TIMEOUT(z.NaechsteSpeicherzeit, faellig.addDays(1), 5000);
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Ergebnis OK !"));
        QCOMPARE(Zeilen(datei).size(), 9 + 5);
    }

    // The connection goes during the sweep: the sweep ends at once, and the
    // storage time stays, so the rest is read once the plants are learned again.
    void sicherungVonVerlustUnterbrochen() {
        TAnzeigeUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(30);
        QVERIFY(u.lerne(1, {1}, "ZEIT=14\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(300, 400);
        const QString datei = z.Anlagen[1].Datei;
        const QDateTime faellig(QDate(2024, 12, 9), QTime(14, 0));
        z.NaechsteSpeicherzeit = faellig;
        int datensaetze = 0;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('G') && ++datensaetze == 10)
                                 QTimer::singleShot(0, &u.sim, [&u] { u.sim.SetTcpGesperrt(true); });
                         });
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(u.lauf->Sicherung.Pruefe());
        QVERIFY(uhr.elapsed() < 3000);
        QVERIFY(v.Unterbrochen());
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Fehler beim sichern!"));
        QCOMPARE(z.NaechsteSpeicherzeit, faellig);
        const qsizetype vorher = Zeilen(datei).size() - 9;
        QVERIFY(vorher >= 8 && vorher <= 12);

        QSignalSpy gelernt(u.fMain.get(), &TFMain::LernenBeendet);
        QVERIFY(u.sim.SetTcpGesperrt(false));
        QVERIFY(gelernt.wait(5000));
        QTRY_COMPARE_WITH_TIMEOUT(z.NaechsteSpeicherzeit, faellig.addDays(1), 5000);
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Ergebnis OK !"));
        // Every record the controller handed out on a live connection is in the file.
        const qsizetype alle = Zeilen(datei).size() - 9;
        QVERIFY2(alle >= 28 && alle <= 30, qPrintable(QString::number(alle)));
    }

    // The grid tells the outcomes apart and says in the tool tip what failed:
    // records saved but the configuration not written; no room on the disk,
    // with how much is missing.
    void sicherungsStaende() {
        TAnzeigeUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(4);
        u.sim.Anlage(2).FuelleSpeicher(4);
        QVERIFY(u.lerne(2, {1, 2}, "ZEIT=14\n"));
        TFAnzeige &f = u.anzeige();
        TZustand &z = u.z();
        const QString datei2 = z.Anlagen[2].Datei;
        u.lauf->Ini.Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
        u.lauf->Daten.Platzabfrage = [datei2](const QString &pfad) {
            return pfad == datei2 ? qint64(0) : qint64(1) << 40;
        };
        z.NaechsteSpeicherzeit = QDateTime(QDate(2024, 12, 9), QTime(14, 0));
        QVERIFY(u.lauf->Sicherung.Pruefe());
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Gesichert, Konfiguration nicht geschrieben!"));
        const QString tip1 = f.StatusAnzeige->tabelle()->item(0, 0)->toolTip();
        QVERIFY2(tip1.contains(QStringLiteral("O2_Tarvos.ini")) &&
                     tip1.contains(QStringLiteral("Schreibgeschützt")),
                 qPrintable(tip1));
        QCOMPARE(Zeilen(z.Anlagen[1].Datei).size(), 9 + 4);
        QCOMPARE(f.StatusAnzeige->Cells(1, 2), QStringLiteral("Fehler beim sichern!"));
        const QString tip2 = f.StatusAnzeige->tabelle()->item(1, 0)->toolTip();
        QVERIFY2(tip2.contains(QStringLiteral("Die Datensätze bleiben in der Steuerung")) &&
                     tip2.contains(QStringLiteral("es fehlen")),
                 qPrintable(tip2));
        QCOMPARE(u.sim.Anlage(2).Speicher().size(), size_t(4));

        // With KOMPOST_BILDER=<folder> set: a picture of the storage-status grid.
        if (const QString ordner = qEnvironmentVariable("KOMPOST_BILDER"); !ordner.isEmpty()) {
            f.show();
            f.PCSpeicherstatus1->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QVERIFY(f.grab().save(QDir(ordner).filePath(QStringLiteral("anzeige_sicherung.png"))));
        }
    }

    // "PC &Anzeige": modal, the shared reference set while shown and cleared
    // when it goes; activation starts both timers; "&Info" shows the about box.
    void vomHauptfensterGeoeffnet() {
        TAnzeigeUmgebung u;
        QVERIFY(u.lerne(2, {2}));
        u.fMain->SetzeOeffner(TFMain::Fenster::Anzeige, ZeigeLiveAnzeige);
        QVERIFY(u.fMain->AnzeigeItem->isEnabled());
        QCOMPARE(u.z().AktAnlage, quint16(2));

        bool gezeigt = false, modal = false, timer = false, infoGezeigt = false;
        int reiter = -1;
        QString zeile;
        QPointer<QWidget> fenster;
        QTimer::singleShot(300, [&] {
            auto *f = qobject_cast<TFAnzeige *>(u.fMain->LiveAnzeige.data());
            if (!f)
                return;
            fenster = f;
            gezeigt = f->isVisible();
            modal = f->isModal();
            timer = QTest::qWaitFor([f] { return f->DispTimer.isActive(); }, 3000) &&
                    u.lauf->Komm.Abfrage.TimerLaeuft();
            reiter = f->TabControl1->currentIndex();
            zeile = f->MieteName->text();
            MitDialog<TFAbout>([&](TFAbout &box) {
                infoGezeigt = f->DialogIstOffen();
                box.accept();
            });
            f->Info1->trigger();
            f->Ende1->trigger();
        });
        u.fMain->AnzeigeItem->trigger();

        QVERIFY(gezeigt);
        QVERIFY(modal);
        QVERIFY(timer);
        QCOMPARE(reiter, 1);
        QCOMPARE(zeile, QStringLiteral("Anl-Nr2"));
        QVERIFY(infoGezeigt);
        QVERIFY(u.fMain->LiveAnzeige.isNull());
        QVERIFY(fenster.isNull());
        // Polling goes on after the window has gone.
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
    }
};

QTEST_MAIN(TestAnzeige)
#include "tst_anzeige.moc"

// The pile menu items and the clock item of the live display against the
// simulator: the plant data dialog before a start, the open-file dialog of
// "Miete fortführen", the questions of "Miete beenden", the records an ended
// pile left in the controller at the next start, the window disabled while
// an operation talks to a controller, and the window's view afterwards.
#include "../shell/ShellUmgebung.h"
#include "display/UAnlDatumSet.h"
#include "display/UAnlageDaten.h"
#include "display/UAnzeige.h"
#include "display/UMietenVerwaltung.h"
#include "shell/UKonfiguration.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UAnzeigeElemente.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

namespace {

// A learned run on the simulator with the live display; plant 1 switched off
// (no pile), plant 2 running a pile. The poll is off.
struct TFensterUmgebung : TShellUmgebung {
    std::unique_ptr<TFAnzeige> f;
    // Whether the window was enabled at each frame the simulator received.
    QList<bool> freigegeben;

    ~TFensterUmgebung() {
        if (f) {
            while (f->DialogIstOffen())
                f->DialogZu();
            f.reset();
        }
    }

    bool bereit(bool seriell = false) {
        sim.SetAnlagen({1, 2});
        sim.Anlage(1).SetEingeschaltet(false);
        sim.Anlage(2).SetEingeschaltet(true);
        if (seriell) {
            if (!ptyAlsPort(1, 2))
                return false;
        } else if (!netz(2)) {
            return false;
        }
        baue();
        z().Jetzt = [] { return QDateTime(QDate(1992, 6, 19), QTime(10, 11, 12)); };
        z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        if (gelernt.count() == 0 && !gelernt.wait(15000))
            return false;
        fMain->StopTimer();
        for (int i = 1; i <= 2; ++i)
            anlage(i).Pfad = heim.path() + QLatin1Char('/');
        f = std::make_unique<TFAnzeige>(*fMain);
        f->TabControl1->setCurrentIndex(0);
        f->TabControl1Change();
        f->StopTimer();
        QObject::connect(&sim, &KompostSim::TSimulator::RahmenEmpfangen, &sim,
                         [this](const KompostSim::TSimRahmen &) { freigegeben.append(f->isEnabled()); });
        sim.LoescheRahmen();
        return true;
    }

    QString befehle(int n) const {
        QString s;
        for (const auto &r : sim.Rahmen(n))
            s += QChar::fromLatin1(r.Befehl);
        return s;
    }

    // A data file of this program for plant 2 with n records.
    QString datendatei(int n) {
        tAnlageParameter &a = anlage(2);
        const tAnlageParameter alt = a;
        a.Name = QStringLiteral("Kompost7");
        a.Komm = QStringLiteral("Nord");
        a.Datei = heim.filePath(QStringLiteral("Kompost7_01-06-1992.csv"));
        TDataFile &d = lauf->Daten;
        if (!d.OpenDataFile(2))
            return {};
        tAnlageMesswerte w;
        w.T = {0, 60, 55, 50, 40, 30};
        w.O2 = 150;
        for (int i = 0; i < n; ++i)
            d.WriteDataRecord(2, QStringLiteral("01.06.1992  %1:00").arg(i % 24, 2, 10, QLatin1Char('0')), w);
        d.CloseDataFile(2);
        const QString datei = a.Datei;
        a = alt;
        return datei;
    }
};

QByteArrayList Zeilen(const QString &datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

} // namespace

class TestMietenFenster : public QObject {
    Q_OBJECT

private slots:
    // "Miete neu starten" with the plant data dialog cancelled sends nothing.
    void neuStartenAbgebrochen() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        QVERIFY(u.f->Mieteneustarten1->isEnabled());
        bool fensterAus = false;
        bool dialogAn = false;
        MitDialog<TFAnlageDaten>([&](TFAnlageDaten &d) {
            fensterAus = !u.f->isEnabled();
            // The dialog over the disabled window takes input.
            dialogAn = d.isEnabled() && d.Edit1->isEnabled() && d.AbbruchBtn->isEnabled();
            d.AbbruchBtn->click();
        });
        u.f->Mieteneustarten1Click();
        QVERIFY(fensterAus);
        QVERIFY(dialogAn);
        QVERIFY(u.sim.Rahmen().isEmpty());
        QVERIFY(u.f->isEnabled());
        QVERIFY(!u.f->DialogIstOffen());
        QCOMPARE(u.anlage(1).Eingeschaltet, quint8(0));
    }

    // Started as Halle3 on 19 June 1992: the switch-on frames with the window
    // disabled, the new data file and count 0 in the status bar.
    void neuStarten() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        MitDialog<TFAnlageDaten>([&](TFAnlageDaten &d) {
            d.Edit1->setText(QStringLiteral("Halle3"));
            d.OKBtnClick();
        });
        u.f->Mieteneustarten1Click();
        QCOMPARE(u.befehle(1).left(3), QStringLiteral("rDZ"));
        QCOMPARE(u.befehle(1).right(4), QStringLiteral("BSFS"));
        QVERIFY(!u.freigegeben.isEmpty());
        QVERIFY(!u.freigegeben.contains(true));
        QVERIFY(u.f->isEnabled());
        QCOMPARE(u.anlage(1).Eingeschaltet, quint8(1));
        const QString datei = QDir::toNativeSeparators(u.heim.path()) + QDir::separator() +
                              QStringLiteral("Halle3_19-06-1992.CSV");
        QCOMPARE(u.f->StatusText(2), datei);
        QCOMPARE(u.f->StatusText(4), QStringLiteral("0"));
        QCOMPARE(u.f->MieteName->text(), QStringLiteral("Halle3"));
        QVERIFY(!u.f->Mieteneustarten1->isEnabled());
        QVERIFY(u.f->Mietebeenden1->isEnabled());
        QVERIFY(u.dialoge.Meldungen().isEmpty());
    }

    // A start the controller refuses: the operator hears so, and the plant
    // keeps the previous pile's name, comment, type and data file, in the
    // record, the window and the configuration file; nothing typed into the
    // dialog is stored.
    void neuStartenAbgelehnt() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        tAnlageParameter &a = u.anlage(1);
        const QString alt =
            QDir::toNativeSeparators(u.heim.filePath(QStringLiteral("Halle2_01-06-1992.CSV")));
        a.Name = QStringLiteral("Halle2");
        a.Komm = QStringLiteral("alt");
        a.Datei = alt;
        a.Anzahl = 5;
        QVERIFY(SchreibeAnlage(u.z(), u.lauf->Ini, 1));
        QVERIFY(u.lauf->Ini.WriteString(QStringLiteral("1"), QStringLiteral("Datei"), alt));
        QVERIFY(u.lauf->Ini.WriteInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), 5));
        const QByteArray iniVorher = u.ini();
        u.f->TabControl1Change();
        u.sim.Stoerung(1).BleibtAusgeschaltet = true;
        MitDialog<TFAnlageDaten>([&](TFAnlageDaten &d) {
            d.Edit1->setText(QStringLiteral("Halle9"));
            d.Edit2->setText(QStringLiteral("neu"));
            d.CheckGeschlossen->setChecked(true);
            d.OKBtnClick();
        });
        u.f->Mieteneustarten1Click();
        QVERIFY(u.befehle(1).endsWith(QStringLiteral("BSFS")));
        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList{QStringLiteral("Anlage hat nicht eingeschaltet – Miete nicht gestartet")});
        QCOMPARE(a.Eingeschaltet, quint8(0));
        QCOMPARE(a.Name, QStringLiteral("Halle2"));
        QCOMPARE(a.Komm, QStringLiteral("alt"));
        QVERIFY(!a.Geschlossen);
        QCOMPARE(a.Datei, alt);
        QCOMPARE(a.Anzahl, 5);
        QCOMPARE(u.ini(), iniVorher);
        QCOMPARE(u.f->MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QCOMPARE(u.f->StatusText(2), alt);
        QVERIFY(u.f->Mieteneustarten1->isEnabled());
        QVERIFY(u.f->isEnabled());
        QVERIFY(!u.f->DialogIstOffen());
    }

    // "Miete fortführen": the open-file dialog in the plant's folder with the
    // EXCEL filter; a file of 120 records shows 120 in the status bar.
    void fortfuehren() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        const QString datei = u.datendatei(120);
        QVERIFY(!datei.isEmpty());
        u.dialoge.Dateien = QStringList{datei};
        u.f->Mietefortfuehren1Click();
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::DateiOeffnen);
        QCOMPARE(u.dialoge.Protokoll.at(0).filter, QStringLiteral("EXCEL ( *.csv)"));
        // the program's other files in the same folder are not offered, data files are
        const QStringList muster = u.dialoge.Protokoll.at(0).ausgeblendet;
        const auto verborgen = [&muster](const QString &name) {
            for (const QString &m : muster)
                if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(m),
                                       QRegularExpression::CaseInsensitiveOption)
                        .match(name)
                        .hasMatch())
                    return true;
            return false;
        };
        for (const char *name : {"Komp_LOG_09-12-2024A.CSV", "Alarme_2024.CSV", "MQTT_Ausgang.txt",
                                 "MQTT_Ausgang.pos", "Gehaltene_Datensaetze.CSV"})
            QVERIFY2(verborgen(QLatin1String(name)), name);
        QVERIFY(!verborgen(QFileInfo(datei).fileName()));
        // a pile named like one of them keeps its data files
        QVERIFY(!verborgen(QStringLiteral("Alarme_09-12-2024.CSV")));
        QCOMPARE(u.dialoge.Protokoll.at(0).ordner, u.heim.path() + QLatin1Char('/'));
        QCOMPARE(u.anlage(1).Anzahl, 120);
        QCOMPARE(u.f->StatusText(4), QStringLiteral("120"));
        QCOMPARE(u.f->StatusText(2), QDir::toNativeSeparators(datei));
        QCOMPARE(u.f->MieteName->text(), QStringLiteral("Kompost7"));
        QCOMPARE(u.befehle(1).left(3), QStringLiteral("rDZ"));
        QVERIFY(!u.freigegeben.contains(true));
        QVERIFY(u.f->isEnabled());

        // Cancelled: nothing happens.
        TFensterUmgebung v;
        QVERIFY(v.bereit());
        v.f->Mietefortfuehren1Click();
        QVERIFY(v.sim.Rahmen().isEmpty());
        QCOMPARE(v.anlage(1).Eingeschaltet, quint8(0));
    }

    // Plant 2's pile ended while its controller fell silent after 5 of 8
    // records ("Yes" to switching off all the same), then "Miete neu
    // starten": the three left go into the ended pile's file before the
    // plant switches on, and the operator hears where; the window shows the
    // new pile. With that file gone the operator is asked, and "No" keeps
    // the plant switched off with its previous pile.
    void vorigeMiete_data() {
        QTest::addColumn<bool>("dateiWeg");
        QTest::newRow("read into the ended pile's file") << false;
        QTest::newRow("its file gone, cancelled") << true;
    }
    void vorigeMiete() {
        QFETCH(bool, dateiWeg);
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        u.sim.Anlage(2).FuelleSpeicher(8);
        u.f->TabControl1->setCurrentIndex(1);
        int g = 0;
        const auto stumm = QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                                            [&](int, const QByteArray &antwort) {
                                                if (antwort.startsWith('G') && ++g == 5)
                                                    u.sim.Stoerung(2).Stumm = true;
                                            });
        u.dialoge.BeiMeldung = [&](const QString &) { u.sim.Stoerung(2).Stumm = false; };
        u.dialoge.Antworten = {true, true};
        u.f->Mietebeenden1Click();
        QObject::disconnect(stumm);
        QCOMPARE(u.dialoge.Meldungen().value(2), TMietenVerwaltung::TextTrotzdemAusschalten());
        QCOMPARE(u.anlage(2).Eingeschaltet, quint8(0));
        QCOMPARE(u.sim.Anlage(2).Speicher().size(), size_t(3));
        const QString alt = u.lauf->Ini.ReadString(QStringLiteral("2"), QStringLiteral("Datei"), {});
        QCOMPARE(Zeilen(alt).size(), 9 + 5);
        if (dateiWeg)
            QVERIFY(QFile::remove(alt));
        const QByteArray iniVorher = u.ini();
        u.dialoge.Protokoll.clear();
        u.dialoge.BeiMeldung = nullptr;
        u.sim.LoescheRahmen();
        u.freigegeben.clear();

        MitDialog<TFAnlageDaten>([&](TFAnlageDaten &d) {
            d.Edit1->setText(QStringLiteral("Halle5"));
            d.OKBtnClick();
        });
        u.f->Mieteneustarten1Click();
        QVERIFY(!u.freigegeben.isEmpty());
        QVERIFY(!u.freigegeben.contains(true));
        QVERIFY(u.f->isEnabled());
        QVERIFY(!u.f->DialogIstOffen());
        const QString neu = QDir::toNativeSeparators(u.heim.path()) + QDir::separator() +
                            QStringLiteral("Halle5_19-06-1992.CSV");
        if (!dateiWeg) {
            QCOMPARE(u.befehle(2), QStringLiteral("rrGGGDZTBSFS"));
            QCOMPARE(u.dialoge.Meldungen(),
                     QStringList{QStringLiteral("3 Datensätze der vorigen Miete aus der Steuerung in ihre "
                                                "Datei gelesen:\n") +
                                 alt});
            QCOMPARE(Zeilen(alt).size(), 9 + 8);
            QVERIFY(Zeilen(alt).last().startsWith("8;"));
            QCOMPARE(u.anlage(2).Eingeschaltet, quint8(1));
            QCOMPARE(u.f->MieteName->text(), QStringLiteral("Halle5"));
            QCOMPARE(u.f->StatusText(2), neu);
            QCOMPARE(u.f->StatusText(4), QStringLiteral("0"));
            QVERIFY(u.f->Mietebeenden1->isEnabled());
            // With KOMPOST_BILDER=<folder> set: the live display after the new start.
            if (const QString ordner = qEnvironmentVariable("KOMPOST_BILDER"); !ordner.isEmpty()) {
                u.f->show();
                QVERIFY(QTest::qWaitForWindowExposed(u.f.get()));
                u.f->UpdateGrid();
                QVERIFY(u.f->grab().save(QDir(ordner).filePath(QStringLiteral("anzeige_vorige_miete.png"))));
            }
            return;
        }
        QCOMPARE(u.befehle(2), QStringLiteral("r"));
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::Frage);
        QCOMPARE(
            u.dialoge.Protokoll.at(0).text,
            QStringLiteral("In der Steuerung sind noch 3 Datensätze der vorigen Miete.\nDie Datendatei ") +
                alt +
                QStringLiteral(" gibt es nicht mehr.\nBeim Start kämen sie in die Datei der neuen "
                               "Miete.\nMiete trotzdem starten?"));
        QCOMPARE(u.sim.Anlage(2).Speicher().size(), size_t(3));
        QCOMPARE(u.anlage(2).Eingeschaltet, quint8(0));
        QVERIFY(!u.sim.Anlage(2).Eingeschaltet());
        QCOMPARE(u.ini(), iniVorher);
        QVERIFY(!QFile::exists(neu));
        QCOMPARE(u.f->MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QVERIFY(u.f->Mieteneustarten1->isEnabled());
    }

    // "Miete beenden" over the serial line: the question with the window
    // disabled, the records read, the plant switched off and the view after it.
    void beendenSeriell() {
        TFensterUmgebung u;
        QVERIFY(u.bereit(true));
        u.sim.Anlage(2).FuelleSpeicher(4);
        u.f->TabControl1->setCurrentIndex(1);
        QVERIFY(u.f->Mietebeenden1->isEnabled());
        QList<bool> beiMeldung;
        u.dialoge.BeiMeldung = [&](const QString &) { beiMeldung.append(u.f->isEnabled()); };
        u.dialoge.Antworten = {true};
        u.f->Mietebeenden1Click();
        QCOMPARE(
            u.dialoge.Meldungen(),
            QStringList(
                {QStringLiteral("Soll die Anlage 2 (Miete „Anl-Nr2“) ausgeschaltet werden ?\nEs werden keine "
                                "weiteren Messwerte gespeichert.\nEinschalten durch Start einer neuen "
                                "Miete!!"),
                 QStringLiteral("Anlage ist ausgeschaltet!!\nEinschalten durch Start einer neuen Miete!")}));
        QCOMPARE(beiMeldung, QList<bool>({false, false}));
        QCOMPARE(u.befehle(2), QStringLiteral("rGGGGAS"));
        QVERIFY(!u.freigegeben.contains(true));
        QVERIFY(u.f->isEnabled());
        QCOMPARE(u.anlage(2).Eingeschaltet, quint8(0));
        QCOMPARE(u.f->MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QVERIFY(u.f->Mieteneustarten1->isEnabled());
        QVERIFY(!u.f->Mietebeenden1->isEnabled());
        QVERIFY(u.f->StatusText(2).isEmpty());
        QCOMPARE(u.f->StatusText(4), QStringLiteral("0"));
    }

    // Items of a state where they do not apply do nothing, also by shortcut.
    void nichtImFalschenZustand() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        u.f->Mietebeenden1Click(); // plant 1 has no pile
        u.f->TabControl1->setCurrentIndex(1);
        u.f->Mieteneustarten1Click(); // plant 2 runs one
        u.f->Mietefortfuehren1Click();
        QVERIFY(u.sim.Rahmen().isEmpty());
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    // "&Zeit/Datum setzen" opens the clock dialog on the current plant with
    // the guard held; the current plant stays.
    void zeitDatum() {
        TFensterUmgebung u;
        QVERIFY(u.bereit());
        QVERIFY(u.f->ZeitDatumsetzen1->isEnabled());
        bool gehalten = false;
        int anlage = 0;
        QString text;
        MitDialog<TFAnlDatumSetup>([&](TFAnlDatumSetup &d) {
            gehalten = u.f->DialogIstOffen();
            anlage = d.Anlage();
            text = d.Edit1->text();
            d.TabControl1->setCurrentIndex(1);
            d.accept();
        });
        u.f->ZeitDatumsetzen1Click();
        QVERIFY(gehalten);
        QCOMPARE(anlage, 1);
        QVERIFY(text.startsWith(QStringLiteral("Datum "))); // the controller's clock as the dialog shows it
        QCOMPARE(u.z().AktAnlage, quint16(1));
        QVERIFY(!u.f->DialogIstOffen());
        QCOMPARE(u.befehle(1), QStringLiteral("6"));
        QCOMPARE(u.befehle(2), QStringLiteral("6"));
    }

    // With 32 plants the tabs wrap into rows; all lie inside the bar and the
    // pile line starts below them. The overview grid's titles are whole and
    // its columns fit beside the scroll bar.
    void tabsInReihen_data() {
        QTest::addColumn<bool>("adressen33");
        QTest::newRow("1..32") << false;
        QTest::newRow("33..64") << true;
    }
    void tabsInReihen() {
        QFETCH(bool, adressen33);
        TShellUmgebung u;
        QList<int> alle;
        for (int i = 1; i <= 32; ++i)
            alle.append(i);
        u.sim.SetAnlagen(alle);
        QVERIFY(u.netz(32, "Metric=1\n", adressen33 ? QByteArray("Adressen33=1\n") : QByteArray()));
        QVERIFY(u.starte());
        u.fMain->StopTimer();
        TFAnzeige f(*u.fMain);
        TAnlagenTabs *tabs = f.TabControl1;
        QCOMPARE(tabs->count(), 32);
        QCOMPARE(tabs->tabText(31), adressen33 ? QStringLiteral("64") : QStringLiteral("32"));
        QVERIFY(tabs->reihen(tabs->width()) >= 2);
        for (int i = 0; i < 32; ++i)
            QVERIFY(tabs->rect().contains(tabs->tabRect(i)));
        QVERIFY(f.MieteName->geometry().top() >= tabs->geometry().bottom());

        QTableWidget *t = f.BPAnzGrid->tabelle();
        const QFontMetrics kopf(t->horizontalHeader()->font());
        const QFontMetrics links(t->verticalHeader()->font());
        QCOMPARE(f.BPAnzGrid->Cells(6, 0), QStringLiteral("s 131°F[in]"));
        int summe = 0;
        for (int c = 0; c < 7; ++c) {
            const int breite = f.BPAnzGrid->spaltenBreite(c);
            summe += breite;
            const QString titel = f.BPAnzGrid->Cells(c, c == 0 ? 32 : 0);
            QVERIFY2((c == 0 ? links : kopf).horizontalAdvance(titel) + 10 <= breite, qPrintable(titel));
        }
        QVERIFY(summe <= t->viewport()->width() || summe <= f.BPAnzGrid->width() - 20);
        // Resized, the rows still hold every tab.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(f.width() * 3 / 2, f.height() * 3 / 2);
        for (int i = 0; i < 32; ++i)
            QVERIFY(tabs->rect().contains(tabs->tabRect(i)));
        f.StopTimer();
    }
};

QTEST_MAIN(TestMietenFenster)
#include "tst_mietenFenster.moc"

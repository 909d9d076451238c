// Operating mode and set values against the simulator: the upload with its
// read-back as an operation of its own, the set-values dialog (fields, O2
// coupling, change marks, plant tabs, OK and Abbrechen), "Einstell&werte" of
// the live display and its mode tabs.
#include "../shell/ShellUmgebung.h"
#include "display/UAnzeige.h"
#include "display/UO2MessSetup.h"
#include "display/USollwerte.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UStringGrid.h"
#include "toolkit/UZahlenFeld.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTranslator>
#include <QtTest>

namespace {

const QString timeoutText =
    // over the network, as these tests run
    QStringLiteral(
        "TIMEOUT bei der Netzwerkverbindung!\nBitte Netzwerkadapter und PC- Einstellung überprüfen!");

// Counts the stops and starts of the display's timers.
struct TTimerZaehler : IAnzeigeTimer {
    int Starts = 0, Stopps = 0;
    bool Laeuft = true;
    void StartTimer() override {
        ++Starts;
        Laeuft = true;
    }
    void StopTimer() override {
        ++Stopps;
        Laeuft = false;
    }
};

// A run on the simulator, learned, with the live display built on it.
struct TUmgebung : TShellUmgebung {
    std::unique_ptr<TFAnzeige> f;

    ~TUmgebung() {
        if (f) {
            while (f->DialogIstOffen())
                f->DialogZu();
            f.reset();
        }
    }

    // n plants in the installation; the simulator answers for those in vorhanden.
    bool lerne(int n, const QList<int> &vorhanden, const QByteArray &iniMehr = {}) {
        sim.SetAnlagen(vorhanden);
        if (!netz(n, iniMehr))
            return false;
        baue();
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        if (!(gelernt.count() > 0 || gelernt.wait(15000)))
            return false;
        f = std::make_unique<TFAnzeige>(*fMain);
        return true;
    }

    // The frames plant n received since the last LoescheRahmen(), letter and
    // argument, polls ("c") left out.
    QStringList frames(int n) const {
        QStringList l;
        for (const auto &r : sim.Rahmen(n)) {
            if (r.Befehl != 'c')
                l.append(QString::fromLatin1(r.Bytes.mid(1)));
        }
        return l;
    }
};

tAnlageSollwerte Soll(int speicher, int o2ein, int o2aus, int intEin, int intAus, int steuerEin,
                      int steuerAus, int maxEin, int maxAus) {
    tAnlageSollwerte s;
    s.Speicherintervall = speicher;
    s.O2Ein = o2ein;
    s.O2Aus = o2aus;
    s.IntervallEin = intEin;
    s.IntervallAus = intAus;
    s.SteuerEin = steuerEin;
    s.SteuerAus = steuerAus;
    s.MaxEin = maxEin;
    s.MaxAus = maxAus;
    return s;
}

TSollMarken Marken(std::initializer_list<TSollGruppe> gruppen) {
    TSollMarken m;
    for (TSollGruppe g : gruppen)
        m[g] = true;
    return m;
}

// Types text into a field as the operator does and leaves the field (Enter
// would press OK).
void Tippe(TZahlenFeld *feld, const QString &text) {
    QLineEdit *zeile = feld->findChild<QLineEdit *>();
    QVERIFY(zeile);
    zeile->selectAll();
    QTest::keyClicks(zeile, text);
    QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(feld, &verlassen);
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

QString Dezimal(const QWidget *w, const char *text) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'), w->locale().decimalPoint());
}

} // namespace

class TestSollwerte : public QObject {
    Q_OBJECT

private slots:
    // Every one-decimal O2 value becomes its tenths, whatever its binary form.
    void zehntel() {
        for (int t = 0; t <= 210; ++t)
            QCOMPARE(SollZehntel(t / 10.0), t);
        QCOMPARE(SollZehntel(5.3), 53);
        QCOMPARE(SollZehntel(7.59), 75);
    }

    // The upload without the dialog: the marked groups in the fixed order, the
    // frame digits, the read-back with the timers stopped and the guard held.
    void upload_data() {
        QTest::addColumn<QList<int>>("gruppen");
        QTest::addColumn<QStringList>("erwartet");
        const QList<int> alle{0, 1, 2, 3, 4, 5};
        QTest::newRow("alle") << alle << QStringList{"I0020",     "p00530075", "E0012", "O0034",
                                                     "n00070028", "N00900240", "R"};
        QTest::newRow("nur EIN-Intervall") << QList<int>{2} << QStringList{"E0012", "R"};
        QTest::newRow("Steuer und Max") << QList<int>{5, 4} << QStringList{"n00070028", "N00900240", "R"};
        QTest::newRow("keine") << QList<int>{} << QStringList{};
    }
    void upload() {
        QFETCH(QList<int>, gruppen);
        QFETCH(QStringList, erwartet);
        TUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        const KompostSim::TSimSollwerte vorher = u.sim.Anlage(2).Sollwerte();
        TTimerZaehler timer;
        TSollwertAustausch austausch(*u.lauf, timer);
        TSollMarken marken;
        for (int g : gruppen)
            marken[static_cast<TSollGruppe>(g)] = true;

        bool geschuetzt = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('R'))
                                 geschuetzt = !timer.Laeuft && u.lauf->Sperre.Belegt();
                         });
        u.sim.LoescheRahmen();
        const TSollUploadErgebnis e = austausch.Lade(2, Soll(20, 53, 75, 12, 34, 7, 28, 90, 240), marken);
        QCOMPARE(u.frames(2), erwartet);
        QVERIFY(u.frames(1).isEmpty());
        QVERIFY(e.Uebernommen());
        QCOMPARE(e.Gesendet, !gruppen.isEmpty());
        QCOMPARE(e.Zurueckgelesen, !gruppen.isEmpty());
        QCOMPARE(geschuetzt, !gruppen.isEmpty());
        QCOMPARE(timer.Starts, timer.Stopps);
        QVERIFY(!u.lauf->Sperre.Belegt());
        QVERIFY(TSollwertAustausch::AbweichungsText(e, 2, QLocale::c()).isEmpty());
        const KompostSim::TSimSollwerte nachher = u.sim.Anlage(2).Sollwerte();
        QCOMPARE(nachher.IntervallEin, gruppen.contains(2) ? 12 : vorher.IntervallEin);
        QCOMPARE(nachher.O2Ein, gruppen.contains(1) ? 53 : vorher.O2Ein);
        QCOMPARE(nachher.Speicherintervall, gruppen.contains(0) ? 20 : vorher.Speicherintervall);
    }

    // Plant 3, O2 5.0 and 12.5: the raw frame as it goes on the wire.
    void o2Rahmen() {
        TUmgebung u;
        QVERIFY(u.lerne(3, {3}));
        u.fMain->StopTimer();
        u.sim.LoescheRahmen();
        TSollwertAustausch::Sende(*u.lauf, 3, Soll(15, 50, 125, 10, 30, 5, 25, 60, 180),
                                  Marken({TSollGruppe::O2}));
        QVERIFY(u.sim.WarteAufRahmen(1));
        QCOMPARE(u.sim.Rahmen(3).constLast().Bytes, QByteArray("\x03p00500125"));
    }

    // No value leaves its four-digit field: values outside a field's range
    // are sent as the nearest value inside it.
    void werteImRahmenfeld() {
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        u.fMain->StopTimer();
        u.sim.LoescheRahmen();
        TSollwertAustausch::Sende(*u.lauf, 1, Soll(12345, -5, 99999, 0, 301, 70000, 1, 1, 1),
                                  Marken({TSollGruppe::Speicher, TSollGruppe::O2, TSollGruppe::IntervallEin,
                                          TSollGruppe::IntervallAus, TSollGruppe::Steuer}));
        QVERIFY(u.sim.WarteAufRahmen(5));
        QCOMPARE(u.frames(1), QStringList({"I0300", "p00000210", "E0001", "O0300", "n03000001"}));
        for (const TSollFeldInfo &info : SollFelder()) {
            QVERIFY(info.Min >= 0);
            QVERIFY(info.Max <= 9999);
        }
    }

    // A controller that ignores "E" keeps its old value: the read-back names
    // it with both values; one that does not answer the read-back at all
    // gets every sent value listed.
    void rueckleseMitStoerung() {
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        TTimerZaehler timer;
        TSollwertAustausch austausch(*u.lauf, timer);
        u.sim.Stoerung(1).Ignoriert = "E";
        const tAnlageSollwerte neu = Soll(20, 60, 140, 12, 34, 7, 28, 90, 240);

        TSollUploadErgebnis e = austausch.Lade(
            1, neu, Marken({TSollGruppe::IntervallEin, TSollGruppe::IntervallAus, TSollGruppe::O2}));
        QVERIFY(e.Zurueckgelesen);
        QCOMPARE(e.Abweichungen.size(), 1);
        QCOMPARE(e.Abweichungen.at(0).Feld, TSollFeld::IntervallEin);
        QCOMPARE(e.Abweichungen.at(0).Gesendet, 12);
        QVERIFY(e.Abweichungen.at(0).Gemeldet.has_value());
        QCOMPARE(*e.Abweichungen.at(0).Gemeldet, 10);
        QCOMPARE(TSollwertAustausch::AbweichungsText(e, 1, QLocale(QLocale::German)),
                 QStringLiteral("Die Steuerung der Anlage 1 hat nicht alle Einstellwerte übernommen:\n\n"
                                "Lüfter- EIN- Intervall: gesendet 12 min, gemeldet 10 min"));
        QCOMPARE(u.sim.Anlage(1).Sollwerte().IntervallAus, 34);

        // Nothing answers any more.
        u.sim.Stoerung(1).Stumm = true;
        e = austausch.Lade(1, neu, Marken({TSollGruppe::O2}));
        QVERIFY(!e.Zurueckgelesen);
        QCOMPARE(TSollwertAustausch::AbweichungsText(e, 33, QLocale(QLocale::German)),
                 QStringLiteral("Die Steuerung der Anlage 33 hat die Einstellwerte nicht zurückgemeldet:\n\n"
                                "O2-Einschaltwert: gesendet 6,0 vol%, keine Antwort\n"
                                "O2-Ausschaltwert: gesendet 14,0 vol%, keine Antwort"));
        QCOMPARE(timer.Starts, timer.Stopps);
    }

    // The dialog as tabled: title, labels, units, explanations, hints,
    // ranges, steps and decimals, in the table's order; the fields from
    // the controller's values.
    void dialogTexteUndFelder() {
        TUmgebung u;
        QVERIFY(u.lerne(3, {1, 2}, "[1]\nName=Halle1\n"));
        u.sim.Anlage(1).SetSollwerte({20, 11, 33, 85, 160, 6, 26, 61, 181});
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        u.z().AktAnlage = 1;
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        QCOMPARE(d.windowTitle(), QStringLiteral("Mess- Steuerung Setup"));
        QCOMPARE(d.TabControl1->count(), 3);
        QCOMPARE(d.TabControl1->currentIndex(), 0);
        QCOMPARE(d.MieteName->text(), QStringLiteral("Halle1"));
        QCOMPARE(d.OKBtn->text(), QStringLiteral("OK"));
        QCOMPARE(d.CancelBtn->text(), QStringLiteral("Abbrechen"));

        struct Zeile {
            TZahlenFeld *feld;
            QString label, einheit, erklaerung;
            double min, max, schritt;
            int stellen;
            double wert;
        };
        const QList<Zeile> zeilen{
            {d.O2EINEdit, "O2-Einschaltwert:", "[vol%]",
             "Sauerstoffkonzentration, bei welcher der \nLuefter eingeschaltet wird.", 0, 21, 0.1, 1, 8.5},
            {d.O2AUSEdit, "O2-Ausschaltwert:", "[vol%]",
             "Sauerstoffkonzentration, bei welcher der \nLuefter ausgeschaltet wird.", 0, 21, 0.1, 1, 16.0},
            {d.SpeicherEdit, "Speicherintervall", "[min]",
             "Alle N- Minuten werden die aktuellen Mess-\nwerte in der Protokolldatei abgespeichert.", 1, 300,
             1, 0, 20},
            {d.IntEINEdit, "Lüfter- EIN- Intervall", "[min]",
             "Zeit wie lange der Lüfter im Intervallbetrieb\neingeschaltet ist.", 1, 300, 1, 0, 11},
            {d.IntAUSEdit, "Lüfter- AUS- Intervall", "[min]",
             "Zeit wie lange der Lüfter im Intervallbetrieb\nausgeschaltet ist.", 1, 300, 1, 0, 33},
            {d.MaxEinEdit, "Max Lüfter- EIN-Zeit", "[min]",
             "Zeit wie lange der Lüfter im maximal laufen\ndarf, bevor der Steuerbetrieb gestartet wird.", 1,
             300, 1, 0, 61},
            {d.MaxAUSEdit, "Max. Lüfter- AUS- Zeit", "[min]",
             "Zeit wie lange der Lüfter maximal abgeschaltet\nsein darf, bevor der Steuerbetrieb gestartet "
             "wird.",
             1, 300, 1, 0, 181},
            {d.NotEINEdit, "Steuer- EIN- Intervall", "[min]",
             "Zeit wie lange der Lüfter im Steuerbetrieb\neingeschaltet ist.", 1, 300, 1, 0, 6},
            {d.NotAUSEdit, "Steuer- AUS- Intervall", "[min]",
             "Zeit wie lange der Lüfter im Steuerbetrieb\nausgeschaltet ist.", 1, 300, 1, 0, 26},
        };
        int y = -1;
        for (const Zeile &z : zeilen) {
            QVERIFY(z.feld);
            QVERIFY(z.feld->isEnabled());
            QCOMPARE(z.feld->minimum(), z.min);
            QCOMPARE(z.feld->maximum(), z.max);
            QCOMPARE(z.feld->singleStep(), z.schritt);
            QCOMPARE(z.feld->decimals(), z.stellen);
            QCOMPARE(z.feld->value(), z.wert);
            QCOMPARE(z.feld->toolTip(), z.stellen == 0 ? QStringLiteral("Bereich 1-300min") : QString());
            QCOMPARE(z.feld->maxZeichen(), z.stellen == 1 ? 4 : 0);
            // Label left of the field, unit right of it, explanation further right, on one row.
            const QList<QLabel *> labels = d.findChildren<QLabel *>();
            auto finde = [&](const QString &text) -> QLabel * {
                for (QLabel *l : labels) {
                    if (l->text() == text &&
                        qAbs(l->geometry().center().y() - z.feld->geometry().center().y()) < 20)
                        return l;
                }
                return nullptr;
            };
            QLabel *label = finde(z.label);
            QLabel *einheit = finde(z.einheit);
            QLabel *erklaerung = finde(z.erklaerung);
            QVERIFY2(label && einheit && erklaerung, qPrintable(z.label));
            QVERIFY(label->geometry().right() < z.feld->geometry().left());
            QVERIFY(z.feld->geometry().right() < einheit->geometry().left());
            QVERIFY(einheit->geometry().right() < erklaerung->geometry().left());
            QVERIFY(z.feld->geometry().top() > y);
            y = z.feld->geometry().top();
        }
        QVERIFY(!d.Marken().Irgendeine());
    }

    // Every text of the dialog and of its message goes through the translation.
    void texteUebersetzt() {
        TUmgebung u;
        QVERIFY(u.lerne(2, {1}));
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        const TMarkierer markierer;
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        auto markiert = [](const QString &t) {
            return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
        };
        QVERIFY(markiert(d.windowTitle()));
        QVERIFY(markiert(d.OKBtn->text()));
        QVERIFY(markiert(d.CancelBtn->text()));
        QVERIFY(markiert(d.SpeicherEdit->toolTip()));
        int labels = 0;
        for (const QLabel *l : d.findChildren<QLabel *>()) {
            if (l != d.MieteName && !l->text().isEmpty()) {
                QVERIFY2(markiert(l->text()), qPrintable(l->text()));
                ++labels;
            }
        }
        QCOMPARE(labels, 27);
        d.TabControl1->setCurrentIndex(1);
        QCOMPARE(d.MieteName->text(), QStringLiteral("[KEINE ANLAGE ANGESCHLOSSEN!!]"));
        TSollUploadErgebnis e;
        e.Abweichungen.append({TSollFeld::IntervallEin, 12, 10});
        const QStringList zeilen =
            TSollwertAustausch::AbweichungsText(e, 1, QLocale::c()).split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 3);
        QVERIFY(markiert(zeilen.at(0)));
        QVERIFY(zeilen.at(2).contains(QStringLiteral("[Lüfter- EIN- Intervall]")));
    }

    // The O2 pair: switch-off stays at least 0.2 above switch-on, in both
    // directions; a controller's 50/51 shows as 4.9/5.1 with no mark, and OK
    // then sends nothing at all.
    void o2Kopplung() {
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        KompostSim::TSimSollwerte s = u.sim.Anlage(1).Sollwerte();
        s.O2Ein = 50;
        s.O2Aus = 51;
        u.sim.Anlage(1).SetSollwerte(s);
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        {
            TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
            QCOMPARE(d.O2EINEdit->value(), 4.9);
            QCOMPARE(d.O2AUSEdit->value(), 5.1);
            QVERIFY(!d.Marken().Irgendeine());
            u.sim.LoescheRahmen();
            d.OKBtn->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QTest::qWait(50);
            QVERIFY(u.frames(1).isEmpty());
        }

        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();
        // Switch-on typed 5.0 while switch-off shows 5.1: switch-off 5.2.
        Tippe(d.O2EINEdit, Dezimal(&d, "5.0"));
        QCOMPARE(d.O2EINEdit->value(), 5.0);
        QCOMPARE(d.O2AUSEdit->value(), 5.2);
        QVERIFY(d.Marken()[TSollGruppe::O2]);
        // Switch-off lowered to 4.0 while switch-on shows 5.0: switch-on 3.8.
        Tippe(d.O2AUSEdit, Dezimal(&d, "4.0"));
        QCOMPARE(d.O2AUSEdit->value(), 4.0);
        QCOMPARE(d.O2EINEdit->value(), 3.8);
        // At the ends of the range the pair stays apart.
        Tippe(d.O2EINEdit, Dezimal(&d, "21.0"));
        QCOMPARE(d.O2EINEdit->value(), 20.8);
        QCOMPARE(d.O2AUSEdit->value(), 21.0);
        Tippe(d.O2AUSEdit, Dezimal(&d, "0.0"));
        QCOMPARE(d.O2EINEdit->value(), 0.0);
        QCOMPARE(d.O2AUSEdit->value(), 0.2);
        // Typing a higher switch-off value digit by digit leaves switch-on alone.
        Tippe(d.O2EINEdit, Dezimal(&d, "8.0"));
        Tippe(d.O2AUSEdit, Dezimal(&d, "12.5"));
        QCOMPARE(d.O2EINEdit->value(), 8.0);
        QCOMPARE(d.O2AUSEdit->value(), 12.5);
        // More than four characters cannot be typed.
        QCOMPARE(d.O2AUSEdit->findChild<QLineEdit *>()->maxLength(), 4);
        QVERIFY(!d.Marken()[TSollGruppe::Speicher]);
    }

    // 5.3 and 7.5 sent with "p" as 53 and 75; only the interval-on field
    // changed sends exactly one "E" (then the read-back "R"); "Abbrechen"
    // sends nothing.
    void okSendetNurGeaendertes_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("O2") << "O2"
                            << "" << QStringList{"p00530075", "R"};
        QTest::newRow("EIN-Intervall") << "IntEINEdit"
                                       << "12" << QStringList{"E0012", "R"};
        QTest::newRow("Speicher") << "SpeicherEdit"
                                  << "300" << QStringList{"I0300", "R"};
        // beyond the range the hint states: the field takes no third digit
        QTest::newRow("Speicher 500") << "SpeicherEdit"
                                      << "500" << QStringList{"I0050", "R"};
        QTest::newRow("Steuer AUS") << "NotAUSEdit"
                                    << "99" << QStringList{"n00050099", "R"};
        QTest::newRow("Max EIN") << "MaxEinEdit"
                                 << "7" << QStringList{"N00070180", "R"};
        QTest::newRow("Abbrechen") << "IntEINEdit"
                                   << "12" << QStringList{};
    }
    void okSendetNurGeaendertes() {
        QFETCH(QString, feld);
        QFETCH(QString, text);
        QFETCH(QStringList, erwartet);
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();
        if (feld == QLatin1String("O2")) {
            Tippe(d.O2AUSEdit, Dezimal(&d, "7.5"));
            Tippe(d.O2EINEdit, Dezimal(&d, "5.3"));
        } else {
            Tippe(d.findChild<TZahlenFeld *>(feld), text);
        }
        u.sim.LoescheRahmen();
        if (QTest::currentDataTag() == QLatin1String("Abbrechen"))
            d.CancelBtn->click();
        else
            d.OKBtn->click();
        QTest::qWait(50);
        QCOMPARE(u.frames(1), erwartet);
        QVERIFY(u.dialoge.Meldungen().isEmpty());
        QVERIFY(!d.isVisible());
    }

    // OK with a controller that ignores "E": one box names the value with
    // what was sent and what the controller reports.
    void okMeldetNichtUebernommenes() {
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        u.sim.Stoerung(1).Ignoriert = "E";
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();
        Tippe(d.IntEINEdit, QStringLiteral("12"));
        Tippe(d.IntAUSEdit, QStringLiteral("40"));
        bool gesperrt = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('R'))
                                 gesperrt = !d.isEnabled() && u.lauf->Sperre.Belegt() &&
                                            !u.lauf->Komm.Abfrage.TimerLaeuft() && !u.f->DispTimer.isActive();
                         });
        u.sim.LoescheRahmen();
        d.OKBtn->click();
        QCOMPARE(u.frames(1), QStringList({"E0012", "O0040", "R"}));
        QVERIFY(gesperrt);
        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList{"Die Steuerung der Anlage 1 hat nicht alle Einstellwerte übernommen:\n\n"
                             "Lüfter- EIN- Intervall: gesendet 12 min, gemeldet 10 min"});
        // The fields show what the controller reports.
        QCOMPARE(d.IntEINEdit->value(), 10.0);
        QCOMPARE(d.IntAUSEdit->value(), 40.0);
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
    }

    // Changing the dialog's plant: No sends nothing and reads the new plant;
    // Yes loads the previous plant first; a silent plant disables the fields
    // with the TIMEOUT message; a plant that is not connected only disables them.
    void reiterWechsel() {
        TUmgebung u;
        u.sim.Anlage(2).SetEingeschaltet(false);
        QVERIFY(u.lerne(4, {1, 2, 3}, "[1]\nName=Halle1\n"));
        u.sim.Anlage(2).SetSollwerte({25, 14, 34, 70, 140, 6, 26, 61, 181});
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        u.z().AktAnlage = 1;
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();

        // An edit, then plant 2 with No.
        Tippe(d.IntEINEdit, QStringLiteral("12"));
        u.dialoge.Antworten = {false};
        u.sim.LoescheRahmen();
        d.TabControl1->setCurrentIndex(1);
        QCOMPARE(u.dialoge.Meldungen(), QStringList{"Setup gändert, in Steuerung laden?"});
        QVERIFY(u.frames(1).isEmpty());
        QCOMPARE(u.frames(2), QStringList{"R"});
        QCOMPARE(d.Anlage(), 2);
        QCOMPARE(d.MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QCOMPARE(d.IntEINEdit->value(), 14.0);
        QCOMPARE(d.SpeicherEdit->value(), 25.0);
        QVERIFY(d.FelderAktiv());
        QVERIFY(!d.Marken().Irgendeine());
        QCOMPARE(u.sim.Anlage(1).Sollwerte().IntervallEin, 10);
        QCOMPARE(u.z().AktAnlage, quint16(1));

        // An edit, then plant 1 with Yes: loaded into plant 2, read back, plant 1 read.
        Tippe(d.IntAUSEdit, QStringLiteral("44"));
        u.dialoge.Protokoll.clear();
        u.dialoge.Antworten = {true};
        u.sim.LoescheRahmen();
        d.TabControl1->setCurrentIndex(0);
        QCOMPARE(u.frames(2), QStringList({"O0044", "R"}));
        QCOMPARE(u.frames(1), QStringList{"R"});
        QCOMPARE(u.dialoge.Meldungen(), QStringList{"Setup gändert, in Steuerung laden?"});
        QCOMPARE(u.sim.Anlage(2).Sollwerte().IntervallAus, 44);
        QCOMPARE(d.MieteName->text(), QStringLiteral("Halle1"));
        QCOMPARE(d.IntAUSEdit->value(), 30.0);

        // Plant 3 stops answering: fields disabled, marks cleared, the TIMEOUT message.
        u.sim.Stoerung(3).Stumm = true;
        Tippe(d.IntAUSEdit, QStringLiteral("45"));
        u.dialoge.Protokoll.clear();
        u.dialoge.Antworten = {false};
        u.sim.LoescheRahmen();
        d.TabControl1->setCurrentIndex(2);
        QCOMPARE(u.dialoge.Meldungen(), QStringList({"Setup gändert, in Steuerung laden?", timeoutText}));
        QCOMPARE(u.frames(3), QStringList({"R", "R"}));
        QVERIFY(!d.FelderAktiv());
        // no values shown: plant 1's would read as plant 3's
        for (TZahlenFeld *f : {d.O2EINEdit, d.O2AUSEdit, d.SpeicherEdit, d.IntEINEdit, d.IntAUSEdit,
                               d.MaxEinEdit, d.MaxAUSEdit, d.NotEINEdit, d.NotAUSEdit}) {
            QVERIFY(!f->isEnabled());
            QCOMPARE(f->text(), QString());
        }
        QVERIFY(!d.Marken().Irgendeine());
        QVERIFY(d.isEnabled());
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        // OK now sends nothing.
        u.sim.LoescheRahmen();
        d.OKBtn->click();
        QTest::qWait(50);
        QVERIFY(u.frames(3).isEmpty());
    }

    // The connection goes while the dialog is open: loading says so at once
    // and sends nothing; the changes stay marked in the fields, OK leaves the
    // dialog open and a change of plant stays on the plant they are meant for.
    void ladenOhneVerbindung() {
        TUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        u.z().AktAnlage = 1;
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        d.show();
        TVerbindung &v = u.lauf->Komm.Verbindung;
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        u.sim.LoescheRahmen();

        Tippe(d.IntEINEdit, QStringLiteral("12"));
        d.OKBtn->click();
        QCOMPARE(u.dialoge.Meldungen(), QStringList{v.KeineVerbindungText()});
        QVERIFY(
            u.dialoge.Meldungen().at(0).startsWith(QStringLiteral("Keine Verbindung zu den Steuerungen!")));
        QVERIFY(d.isVisible());
        QVERIFY(d.Marken().Irgendeine());
        QCOMPARE(d.IntEINEdit->value(), 12.0);

        u.dialoge.Protokoll.clear();
        u.dialoge.Antworten = {true};
        d.TabControl1->setCurrentIndex(1);
        QCOMPARE(u.dialoge.Meldungen(), QStringList({QStringLiteral("Setup gändert, in Steuerung laden?"),
                                                     v.KeineVerbindungText()}));
        QCOMPARE(d.Anlage(), 1);
        QCOMPARE(d.TabControl1->currentIndex(), 0);
        QVERIFY(d.Marken().Irgendeine());
        QVERIFY(u.sim.Rahmen().isEmpty());
        d.reject();
    }

    void reiterNichtAngeschlossen() {
        TUmgebung u;
        QVERIFY(u.lerne(2, {1}));
        QVERIFY(u.lauf->Komm.Operationen.LeseSollwerte(1));
        TFO2MessSetup d(*u.lauf, *u.f, u.f.get());
        u.sim.LoescheRahmen();
        d.TabControl1->setCurrentIndex(1);
        QCOMPARE(d.MieteName->text(), QStringLiteral("KEINE ANLAGE ANGESCHLOSSEN!!"));
        QVERIFY(!d.FelderAktiv());
        QVERIFY(u.dialoge.Meldungen().isEmpty());
        QVERIFY(u.sim.Rahmen(2).isEmpty());
        // empty fields, not plant 1's values greyed; a language change keeps them empty
        for (TSollFeld feld : {TSollFeld::O2Ein, TSollFeld::Speicherintervall, TSollFeld::SteuerAus})
            QCOMPARE(d.Feld(feld)->text(), QString());
        QEvent sprache(QEvent::LocaleChange);
        QCoreApplication::sendEvent(d.O2EINEdit, &sprache);
        QCOMPARE(d.O2EINEdit->text(), QString());
        // back on plant 1: its values again
        d.TabControl1->setCurrentIndex(0);
        QVERIFY(d.FelderAktiv());
        QVERIFY(!d.SpeicherEdit->text().isEmpty());
        QCOMPARE(d.SpeicherEdit->text(), QString::number(d.SpeicherEdit->ganzzahl()));
    }

    // "Einstell&werte": the window disabled and guarded while "R" runs, then
    // the dialog with the plant's values, the guard held while it is open;
    // a silent plant gets the TIMEOUT message and no dialog.
    void einstellwerteMenue() {
        TUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        TFAnzeige &f = *u.f;
        f.TabControl1->setCurrentIndex(1);
        f.StartTimer();
        u.sim.Anlage(2).SetSollwerte({20, 11, 33, 85, 160, 6, 26, 61, 181});
        bool gesperrt = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('R'))
                                 gesperrt = !f.isEnabled() && f.DialogIstOffen() &&
                                            !u.lauf->Komm.Abfrage.TimerLaeuft() && !f.DispTimer.isActive();
                         });
        int geoeffnet = 0;
        bool imDialog = false, timerImDialog = false;
        double speicher = 0;
        MitDialog<TFO2MessSetup>([&](TFO2MessSetup &d) {
            ++geoeffnet;
            imDialog = f.DialogIstOffen() && d.Anlage() == 2;
            timerImDialog = f.DispTimer.isActive() && u.lauf->Komm.Abfrage.TimerLaeuft();
            speicher = d.SpeicherEdit->value();
            d.CancelBtn->click();
        });
        f.Einstellwerte1->trigger();
        QCOMPARE(geoeffnet, 1);
        QVERIFY(gesperrt);
        QVERIFY(imDialog);
        QVERIFY(timerImDialog);
        QCOMPARE(speicher, 20.0);
        QVERIFY(!f.DialogIstOffen());
        QVERIFY(f.isEnabled());

        // Plant 2 falls silent.
        u.sim.Stoerung(2).Stumm = true;
        auto *suche = new QTimer(&f);
        QObject::connect(suche, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<TFO2MessSetup *>(QApplication::activeModalWidget())) {
                ++geoeffnet;
                d->reject();
            }
        });
        suche->start(10);
        u.sim.LoescheRahmen();
        f.Einstellwerte1->trigger();
        QTest::qWait(50);
        suche->stop();
        QCOMPARE(geoeffnet, 1);
        QCOMPARE(u.dialoge.Meldungen(), QStringList{timeoutText});
        QCOMPARE(u.frames(2), QStringList({"R", "R"}));
        QVERIFY(f.DispTimer.isActive());
        QVERIFY(!f.DialogIstOffen());
    }

    // Mode tabs: a change takes the mode and fan flag the controller reports
    // and shows them in the grid row; the window is disabled and guarded
    // while it runs.
    void betriebsartWechsel_data() {
        QTest::addColumn<int>("reiter");
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<int>("luefter");
        QTest::addColumn<QString>("text");
        QTest::newRow("Lüfter AUS") << 0 << "o" << 0 << "Manuell- AUS";
        QTest::newRow("Lüfter EIN") << 1 << "e" << 1 << "Manuell- EIN";
        QTest::newRow("Intervall") << 2 << "T" << -1 << "Intervall";
    }
    void betriebsartWechsel() {
        QFETCH(int, reiter);
        QFETCH(QString, befehl);
        QFETCH(int, luefter);
        QFETCH(QString, text);
        TUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        TFAnzeige &f = *u.f;
        f.show();
        f.TabControl1->setCurrentIndex(1);
        u.fMain->StopTimer();
        tAnlageMesswerte &w = u.z().Messwerte[2];
        w.Gueltig = 1;
        w.Betriebsart = 3;
        w.Luefter = luefter == 0 ? 1 : 0;
        const quint8 luefterVorher = w.Luefter;
        f.UpdateInstruments();
        QCOMPARE(f.BetriebsArtTab->currentIndex(), 3);
        bool gesperrt = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('B'))
                                 gesperrt = !f.isEnabled() && f.DialogIstOffen() &&
                                            !u.lauf->Komm.Abfrage.TimerLaeuft() && !f.DispTimer.isActive();
                         });
        u.sim.LoescheRahmen();
        QTest::mouseClick(f.BetriebsArtTab, Qt::LeftButton, {}, f.BetriebsArtTab->tabRect(reiter).center());

        QCOMPARE(u.frames(2), QStringList({befehl, "B", "S"}));
        QVERIFY(gesperrt);
        QCOMPARE(u.sim.Anlage(2).Betriebsart(), reiter);
        QCOMPARE(u.anlage(2).Betriebsart, quint8(reiter));
        QCOMPARE(w.Betriebsart, quint8(reiter));
        QCOMPARE(w.Luefter, luefter < 0 ? luefterVorher : quint8(luefter));
        QCOMPARE(f.BPAnzGrid->Cells(3, 2), text);
        QCOMPARE(f.BetriebsArtTab->currentIndex(), reiter);
        QVERIFY(f.isEnabled());
        QVERIFY(!f.DialogIstOffen());
        QVERIFY(f.DispTimer.isActive());
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    // A controller that no longer answers: the previous mode is shown again,
    // the plant still counts as connected and switched on, nothing is shown.
    void betriebsartFehlschlag() {
        TUmgebung u;
        QVERIFY(u.lerne(1, {1}));
        TFAnzeige &f = *u.f;
        f.show();
        f.TabControl1Change();
        u.fMain->StopTimer();
        QCOMPARE(u.anlage(1).Betriebsart, quint8(3));
        const quint8 speicherstatus = u.anlage(1).Speicherstatus;
        QVERIFY(speicherstatus != 0);
        QCOMPARE(f.BetriebsArtTab->currentIndex(), 3);
        u.sim.Stoerung(1).Stumm = true;
        u.sim.LoescheRahmen();
        QTest::mouseClick(f.BetriebsArtTab, Qt::LeftButton, {}, f.BetriebsArtTab->tabRect(0).center());

        QCOMPARE(u.frames(1), QStringList({"o", "B", "B", "o", "B", "B"}));
        QCOMPARE(f.BetriebsArtTab->currentIndex(), 3);
        QCOMPARE(u.anlage(1).Angeschlossen, quint8(1));
        QCOMPARE(u.anlage(1).Eingeschaltet, quint8(1));
        QCOMPARE(u.anlage(1).Betriebsart, quint8(3));
        QCOMPARE(u.anlage(1).Speicherstatus, speicherstatus);
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QVERIFY(f.isEnabled());
        QVERIFY(!f.DialogIstOffen());
    }

    // The mode tabs are dead for a plant without a running pile and for one
    // that is not connected: a click leaves the highlight and sends nothing.
    void betriebsartOhneMiete() {
        TUmgebung u;
        u.sim.Anlage(1).SetEingeschaltet(false);
        QVERIFY(u.lerne(2, {1}));
        TFAnzeige &f = *u.f;
        f.show();
        for (int tab : {0, 1}) {
            f.TabControl1->setCurrentIndex(tab);
            f.TabControl1Change();
            const int vorher = f.BetriebsArtTab->currentIndex();
            u.sim.LoescheRahmen();
            for (int ziel = 0; ziel < 4; ++ziel) {
                if (ziel != vorher)
                    QTest::mouseClick(f.BetriebsArtTab, Qt::LeftButton, {},
                                      f.BetriebsArtTab->tabRect(ziel).center());
            }
            QTest::keyClick(f.BetriebsArtTab, Qt::Key_Right);
            QCOMPARE(f.BetriebsArtTab->currentIndex(), vorher);
            QTest::qWait(20);
            QVERIFY(u.frames(tab + 1).isEmpty());
        }
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }
};

QTEST_MAIN(TestSollwerte)
#include "tst_sollwerte.moc"

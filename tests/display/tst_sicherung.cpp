// The daily storage sweep of the running program, against the simulator: it
// runs at the storage hour with no live display open, keeps the windows from
// starting anything while it reads and shows its progress over the window in
// front; it waits for the run's guard and is made up as soon as the guard is
// free; a configuration that cannot be written at start-up blocks nothing and
// is said without a box; a running pile whose file name could not be stored
// goes on in its file after a restart on a later day.
#include "../shell/ShellUmgebung.h"
#include "display/UAnzeige.h"
#include "shell/UAktiv.h"
#include "shell/USpeicherzeit.h"
#include "toolkit/UStringGrid.h"

#include <QDialog>
#include <QLabel>
#include <QtTest>

namespace {

QByteArrayList Zeilen(const QString &datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// The numbers of a data file's record lines.
QByteArrayList Nummern(const QString &datei) {
    QByteArrayList l;
    for (const QByteArray &z : Zeilen(datei).mid(9))
        l.append(z.left(z.indexOf(';')));
    return l;
}

// The disturbances the run's listeners hear, one line each: kind, plant, begins/ends.
struct TStoerungsHoerer : IEreignisse {
    QStringList stoerungen;
    void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &) override {
        stoerungen.append(QStringLiteral("%1 %2 %3").arg(static_cast<int>(art)).arg(anlage).arg(aktiv));
    }
};

// A run on the simulator with the storage hour 14; its clock stands where uhr says.
struct TSicherungsUmgebung : TShellUmgebung {
    QDateTime uhr{QDate(2024, 12, 9), QTime(14, 30)};

    // n plants, the simulator answering for those in vorhanden; vorStart
    // runs once the run is built, before the window starts.
    bool lerne(int n, const QList<int> &vorhanden, const QByteArray &iniMehr = {},
               const std::function<void()> &vorStart = {}) {
        sim.SetAnlagen(vorhanden);
        if (!netz(n, "ZEIT=14\n" + iniMehr))
            return false;
        return neuStarten(vorStart);
    }
    // The program (again) on the same home folder and simulator.
    bool neuStarten(const std::function<void()> &vorStart = {}) {
        if (fMain)
            fMain->close();
        fMain.reset();
        lauf.reset();
        baue();
        z().Jetzt = [this] { return uhr; };
        z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        if (vorStart)
            vorStart();
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        return gelernt.count() > 0 || gelernt.wait(15000);
    }
    // The storage of today at 14:00 is due.
    void faellig() { z().NaechsteSpeicherzeit = QDateTime(uhr.date(), QTime(14, 0)); }
};

} // namespace

class TestSicherung : public QObject {
    Q_OBJECT

private slots:
    // No live display is open: the program runs the sweep by itself at the
    // storage hour. Meanwhile the main window and the dialog in front of it
    // take no input, the busy window shows the progress over that dialog,
    // the poll waits; afterwards all is as before and the live display,
    // opened later, shows the outcome.
    void ohneLiveAnzeige() {
        TSicherungsUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(5);
        QVERIFY(u.lerne(2, {1, 2}, "[1]\nName=Halle1\n"));
        QDialog vorne(u.fMain.get()); // e.g. the protocol viewer, opened from the menu
        vorne.setWindowModality(Qt::ApplicationModal);
        vorne.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &vorne);

        bool hauptGesperrt = false, vorneGesperrt = false, aktivGezeigt = false, belegt = false,
             pollAus = false;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (!antwort.startsWith('G'))
                                 return;
                             hauptGesperrt = !u.fMain->isEnabled();
                             vorneGesperrt = !vorne.isEnabled();
                             aktivGezeigt = u.fMain->Aktiv().isVisible();
                             belegt = u.lauf->Beschaeftigt();
                             pollAus = !u.lauf->Komm.Abfrage.TimerLaeuft();
                         });
        QSignalSpy beendet(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.faellig();
        QVERIFY(beendet.wait(3000));

        QCOMPARE(u.lauf->Sicherung.Stand(1).Stand, TSicherung::TStand::Gesichert);
        QCOMPARE(u.lauf->Sicherung.Stand(2).Stand, TSicherung::TStand::Gesichert);
        QCOMPARE(Zeilen(u.anlage(1).Datei).size(), 9 + 5);
        QCOMPARE(u.z().NaechsteSpeicherzeit, QDateTime(QDate(2024, 12, 10), QTime(14, 0)));
        QVERIFY(hauptGesperrt);
        QVERIFY(vorneGesperrt);
        QVERIFY(aktivGezeigt);
        QVERIFY(belegt);
        QVERIFY(pollAus);
        QVERIFY(u.fMain->isEnabled());
        QVERIFY(vorne.isEnabled());
        QVERIFY(!u.fMain->Aktiv().isVisible());
        QVERIFY(!u.lauf->Beschaeftigt());
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        vorne.close();

        TFAnzeige f(*u.fMain);
        QCOMPARE(f.StatusAnzeige->Cells(1, 0), QStringLiteral("Sicherung am 09.12.2024 14:30:00"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 1), QStringLiteral("Ergebnis OK !"));
        QCOMPARE(f.StatusAnzeige->Cells(1, 2), QStringLiteral("Ergebnis OK !"));
    }

    // A dialog holds the run's guard when the sweep falls due: nothing is
    // asked until it closes; then the sweep is made up at once.
    void nachDemDialogNachgeholt() {
        TSicherungsUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(u.lerne(1, {1}));
        QSignalSpy beendet(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.lauf->Sperre.Belegen();
        u.faellig();
        QVERIFY(!beendet.wait(1500));
        QCOMPARE(u.sim.Anlage(1).Speicher().size(), size_t(3));
        u.lauf->Sperre.Freigeben();
        QVERIFY(beendet.count() > 0 || beendet.wait(3000));
        QVERIFY(u.sim.Anlage(1).Speicher().empty());
        QCOMPARE(Zeilen(u.anlage(1).Datei).size(), 9 + 3);
    }

    // The configuration file cannot be written at start-up, and a running
    // plant needs a new data file name: no message box keeps the program
    // from its work. The status line and the event log say it, the listeners
    // hear of the disturbance once; the sweep runs and saves the records (the
    // count not stored, said apart from a failure). When the configuration
    // is written again, the disturbance ends.
    void konfigurationSchreibgeschuetztBeimStart() {
        TSicherungsUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(3);
        TStoerungsHoerer hoerer;
        QVERIFY(u.lerne(1, {1}, "[1]\nName=Halle1\n", [&] {
            u.lauf->Ini.Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
            u.lauf->Ereignisse.Anmelden(&hoerer);
        }));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
        QVERIFY(u.fMain->isEnabled());
        const QString status = u.fMain->StatusPanel->text();
        QCOMPARE(status,
                 QStringLiteral("Netzwerkverbindung zu :127.0.0.1\nKonfigurationsdatei nicht beschreibbar!"));
        const QString tip = u.fMain->StatusPanel->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("Der Name der neuen Messdatendatei konnte nicht")) &&
                     tip.contains(QStringLiteral("Schreibgeschützt")),
                 qPrintable(tip));
        QVERIFY(u.lauf->Log.LogAktiv());
        const QByteArray log = u.lies(QFileInfo(u.lauf->Log.DateiName()).fileName());
        QVERIFY2(log.contains("Der Name der neuen Messdatendatei konnte nicht in die Konfigurationsdatei "
                              "geschrieben werden: ") &&
                     log.contains("St\xF6rung: "),
                 log.constData());
        QCOMPARE(hoerer.stoerungen, QStringList{QStringLiteral("1 0 1")});
        const QString datei = u.anlage(1).Datei;
        QVERIFY(datei.endsWith(QStringLiteral("Halle1_09-12-2024.CSV")));

        QSignalSpy beendet(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.faellig();
        QVERIFY(beendet.wait(3000));
        QCOMPARE(u.lauf->Sicherung.Stand(1).Stand, TSicherung::TStand::KonfigurationNichtGeschrieben);
        QCOMPARE(Zeilen(datei).size(), 9 + 3);
        QCOMPARE(hoerer.stoerungen, QStringList{QStringLiteral("1 0 1")});

        u.lauf->Ini.Schreibsperre = nullptr;
        QVERIFY(SetzeSpeicherStunde(u.z(), u.lauf->Ini, 15));
        QCOMPARE(hoerer.stoerungen, QStringList({QStringLiteral("1 0 1"), QStringLiteral("1 0 0")}));
        QVERIFY(!u.fMain->StatusPanel->text().contains(QStringLiteral("Konfigurationsdatei")));
        u.lauf->Ereignisse.Abmelden(&hoerer);
    }

    // A pile whose data file name could not be stored goes on after a
    // restart on a later day in its file, numbered on, instead of a second
    // file of the new day splitting it; the name is stored then.
    void neustartSetztDateiFort() {
        TSicherungsUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(u.lerne(1, {1}, "[1]\nName=Halle1\n", [&] {
            u.lauf->Ini.Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
        }));
        const QString datei = u.anlage(1).Datei;
        QSignalSpy beendet(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.faellig();
        QVERIFY(beendet.wait(3000));
        QCOMPARE(Nummern(datei), QByteArrayList({"1", "2", "3"}));
        QVERIFY(u.iniDatei().ReadString(QStringLiteral("1"), QStringLiteral("Datei"), QString()).isEmpty());

        // The next day, the configuration writable again.
        u.uhr = u.uhr.addDays(1);
        u.sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(u.neuStarten());
        QCOMPARE(u.anlage(1).Datei, datei);
        QCOMPARE(u.anlage(1).Anzahl, 3);
        QCOMPARE(u.iniDatei().ReadString(QStringLiteral("1"), QStringLiteral("Datei"), QString()), datei);
        QSignalSpy beendet2(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.faellig();
        QVERIFY(beendet2.wait(3000));
        QCOMPARE(Nummern(datei), QByteArrayList({"1", "2", "3", "4", "5"}));
        QVERIFY(!QFile::exists(u.pfad(QStringLiteral("Halle1_10-12-2024.CSV"))));
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    // The sweep fell due while the link was down and is made up right after
    // the plants are learned again, while the first poll's reply is still on
    // its way: its first request goes out only once that reply is in, and no
    // frame of the sweep reaches a controller while a reply is still to be
    // sent (on a two-wire bus the PC would talk into it).
    void nachWiederverbindungWartetAufPoll() {
        TSicherungsUmgebung u;
        for (int n : {1, 2}) {
            u.sim.Anlage(n).FuelleSpeicher(4);
            u.sim.Stoerung(n).VerzoegerungMs = 150;
        }
        QVERIFY(u.lerne(2, {1, 2}));
        TVerbindung &v = u.lauf->Komm.Verbindung;
        v.Wiederaufbau().SetzePausen(100, 200);
        QSignalSpy verloren(&v, &TVerbindung::Verloren);
        QVERIFY(u.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        u.faellig();
        QTest::qWait(1200); // due, but not while the link is down
        QVERIFY(u.sim.Anlage(1).Speicher().size() == 4);

        QSignalSpy beendet(&u.lauf->Sicherung, &TSicherung::Beendet);
        u.sim.LoescheRahmen();
        const int vorher = u.sim.FrameInAntwort();
        QVERIFY(u.sim.SetTcpGesperrt(false));
        QVERIFY(beendet.wait(10000));
        QCOMPARE(u.lauf->Sicherung.Stand(1).Stand, TSicherung::TStand::Gesichert);
        QCOMPARE(u.lauf->Sicherung.Stand(2).Stand, TSicherung::TStand::Gesichert);
        QCOMPARE(Nummern(u.anlage(1).Datei), QByteArrayList({"1", "2", "3", "4"}));
        QCOMPARE(Nummern(u.anlage(2).Datei), QByteArrayList({"1", "2", "3", "4"}));

        // Learning, then the first poll, then the sweep's first 'r' after its reply.
        const QStringList rahmen = u.rahmen();
        const qsizetype r = rahmen.indexOf(QStringLiteral("1r"));
        QVERIFY2(r > 0, qPrintable(rahmen.join(QLatin1Char(' '))));
        QCOMPARE(rahmen.at(r - 1), QStringLiteral("1c"));
        QCOMPARE(u.sim.FrameInAntwort(), vorher);
        for (const auto &f : u.sim.Rahmen())
            QVERIFY2(!f.InAntwort, f.Bytes.toHex().constData());
    }

    // Closing the program while the sweep reads: it ends after the record on
    // its way (the rest waits in the controller), then the window goes.
    void schliessenWaehrendDerSicherung() {
        TSicherungsUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(40);
        QVERIFY(u.lerne(1, {1}));
        int g = 0;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('G') && ++g == 5)
                                 QTimer::singleShot(0, u.fMain.get(), [&u] { u.fMain->close(); });
                         });
        u.faellig();
        QTRY_VERIFY_WITH_TIMEOUT(!u.fMain->isVisible(), 5000);
        QVERIFY(!u.lauf->Sicherung.Laeuft());
        const qsizetype gelesen = Zeilen(u.anlage(1).Datei).size() - 9;
        QVERIFY2(gelesen >= 5 && gelesen <= 7, qPrintable(QString::number(gelesen)));
        QCOMPARE(u.sim.Anlage(1).Speicher().size(), size_t(40 - gelesen));
        // not done: the storage time stays
        QCOMPARE(u.z().NaechsteSpeicherzeit, QDateTime(QDate(2024, 12, 9), QTime(14, 0)));
    }
};

QTEST_MAIN(TestSicherung)
#include "tst_sicherung.moc"

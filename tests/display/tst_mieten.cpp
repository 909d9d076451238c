// The pile operations without a window, against the simulator: the switch-on
// sequence with its frames and failures, taking over a pile from its data
// file, records an ended pile left in the controller read into its file
// before the next pile starts (or the operator asked), and ending a pile
// with the final readout, its questions and messages.
#include "../comm/SimAnschluss.h"
#include "display/UMietenVerwaltung.h"
#include "shell/UIniDatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the operations do to the display, in order, and answers the
// questions from a queue (an empty queue answers No).
struct TMietenAufzeichner : IMietenAnzeige {
    QStringList ereignisse;
    QStringList meldungen;
    QStringList fragen;
    QList<bool> antworten;
    std::function<void()> beiFrage;
    void Meldung(const QString &text) override {
        meldungen.append(text);
        ereignisse.append(QStringLiteral("Meldung"));
    }
    bool Frage(const QString &text) override {
        fragen.append(text);
        ereignisse.append(QStringLiteral("Frage"));
        if (beiFrage)
            beiFrage();
        return antworten.isEmpty() ? false : antworten.takeFirst();
    }
    void AnzahlAnzeigen(const QString &) override {}
    void FortschrittZeigen(int) override {}
    void FortschrittSchritt() override {}
    void FortschrittVerbergen() override {}
    void StartTimer() override { ereignisse.append(QStringLiteral("Start")); }
    void StopTimer() override { ereignisse.append(QStringLiteral("Stop")); }
    void Auffrischen() override { ereignisse.append(QStringLiteral("Auffrischen")); }
};

QByteArrayList zeilen(const QString &datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// A missing reply as the operator hears of it, over the network and the serial line.
const QString timeoutText = QStringLiteral(
    "TIMEOUT bei der Netzwerkverbindung!\nBitte Netzwerkadapter und PC- Einstellung überprüfen!");
const QString seriellTimeout =
    QStringLiteral("TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- "
                   "Einstellung überprüfen!Bitte Kabel und PC- Einstellung überprüfen!");
const QString anzahlText =
    QStringLiteral("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");

} // namespace

class TestMieten : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<TSimAnschluss> s;
    std::unique_ptr<TIniDatei> ini;
    std::unique_ptr<TDataFile> datei;
    TMietenAufzeichner anzeige;
    std::unique_ptr<TSpeicherung> sp;
    std::unique_ptr<TMietenVerwaltung> mv;

    // Plant 1 connected; in the simulator switched on (pile running) or off.
    void starte(bool laeuft, bool seriell = false) {
        tmp = std::make_unique<QTemporaryDir>();
        s = std::make_unique<TSimAnschluss>(2);
        s->z.Heimordner = tmp->path();
        s->z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        s->z.Jetzt = [] { return QDateTime(QDate(1992, 6, 19), QTime(10, 11, 12)); };
        ini = std::make_unique<TIniDatei>(tmp->filePath(QStringLiteral("O2_Tarvos.ini")), s->z.Gebietsschema);
        datei = std::make_unique<TDataFile>(s->z, *ini);
        anzeige = TMietenAufzeichner{};
        sp = std::make_unique<TSpeicherung>(*s->komm, *datei, anzeige);
        mv = std::make_unique<TMietenVerwaltung>(*s->komm, *datei, *ini, *sp, anzeige);
        QVERIFY(seriell ? s->verbindeSeriell() : s->verbindeTcp());
        s->komm->Abfrage.StopTimer();
        s->sim.Anlage(1).SetEingeschaltet(laeuft);
        s->sim.Anlage(1).SetBetriebsart(0);
        tAnlageParameter &a = s->z.Anlagen[1];
        a.Angeschlossen = 1;
        a.Eingeschaltet = laeuft ? 1 : 0;
        a.Speicherstatus = laeuft ? 1 : 0;
        a.Name = QStringLiteral("Halle3");
        a.Betriebsart = 2;
        a.Pfad = tmp->path() + QLatin1Char('/');
        if (laeuft) {
            QVERIFY(datei->NewDataFileName(1));
            s->z.Messwerte[1].Gueltig = 1;
        }
        s->z.AktAnlage = 1;
        s->sim.LoescheRahmen();
    }

    QString letters(int anlage = 1) const {
        QString l;
        for (const auto &r : s->sim.Rahmen(anlage))
            l.append(QLatin1Char(r.Befehl));
        return l;
    }

    // A data file of this program with n records of plant 1, written by a readout.
    QString datendatei(int n) {
        const QString alt = s->z.Anlagen[1].Datei;
        s->z.Anlagen[1].Name = QStringLiteral("Kompost7");
        s->z.Anlagen[1].Komm = QStringLiteral("Grüngut Ost");
        s->z.Anlagen[1].Eingeschaltet = 1;
        s->sim.Anlage(1).FuelleSpeicher(n);
        if (!sp->StoreControllerRecordsQuiet(1))
            return {};
        const QString ergebnis = s->z.Anlagen[1].Datei;
        tAnlageParameter &a = s->z.Anlagen[1];
        a.Eingeschaltet = 0;
        a.Name = QStringLiteral("Halle3");
        a.Komm.clear();
        a.Datei = alt;
        a.Anzahl = 0;
        s->sim.Anlage(1).SetEingeschaltet(false);
        s->sim.LoescheRahmen();
        return ergebnis;
    }

    // Plant 1 (switched off) runs a pile, Halle3_19-06-1992.CSV, whose end
    // read `gelesen` of `gespeichert` records before the controller fell
    // silent; the operator switched it off all the same ("Yes"). The rest
    // waits in the controller. Returns the ended pile's file.
    QString beendetMitRest(int gespeichert, int gelesen) {
        tAnlageParameter &a = s->z.Anlagen[1];
        s->sim.Anlage(1).SetEingeschaltet(true);
        a.Eingeschaltet = 1;
        a.Speicherstatus = 1;
        if (!datei->NewDataFileName(1))
            return {};
        s->z.Messwerte[1].Gueltig = 1;
        s->sim.Anlage(1).FuelleSpeicher(gespeichert);
        int g = 0;
        const auto verbindung = QObject::connect(&s->sim, &KompostSim::TSimulator::AntwortGesendet, &s->sim,
                                                 [&](int, const QByteArray &antwort) {
                                                     if (antwort.startsWith('G') && ++g == gelesen)
                                                         s->sim.Stoerung(1).Stumm = true;
                                                 });
        anzeige.antworten = {true, true};
        anzeige.beiFrage = [this] { s->sim.Stoerung(1).Stumm = false; };
        const QString ende = a.Datei;
        const TMietenVerwaltung::TBeendet ergebnis = mv->MieteBeenden();
        QObject::disconnect(verbindung);
        const bool gefragt = anzeige.fragen.size() == 2 &&
                             anzeige.fragen.at(1) == TMietenVerwaltung::TextTrotzdemAusschalten();
        anzeige = TMietenAufzeichner{};
        s->sim.LoescheRahmen();
        if (ergebnis != TMietenVerwaltung::TBeendet::Ausgeschaltet || !gefragt)
            return {};
        return ende;
    }

    // The storage times of the records waiting in plant 1's controller, as a data file writes them.
    QByteArrayList wartendeZeiten() {
        QByteArrayList l;
        for (const auto &satz : s->sim.Anlage(1).Speicher())
            l.append(satz.Zeit.toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1());
        return l;
    }

private slots:
    void cleanup() {
        mv.reset();
        sp.reset();
        datei.reset();
        ini.reset();
        s.reset();
        tmp.reset();
    }

    // --- switch-on --------------------------------------------------------

    // Halle3 started on 19 June 1992: the clock, the stored mode, learning,
    // switching on, in this order, and a new data file with count 0.
    void neueMiete() {
        starte(false);
        QVERIFY(mv->KannStarten());
        QVERIFY(!mv->KannBeenden());
        QVERIFY(mv->Einschalten(true));
        QCOMPARE(letters(), QStringLiteral("DZTBSFS"));
        const auto r = s->sim.Rahmen(1);
        QCOMPARE(r.at(0).Argument, QByteArray("190692"));
        QCOMPARE(r.at(1).Argument, QByteArray("101112"));
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Eingeschaltet, quint8(1));
        QCOMPARE(a.Datei, tmp->path() + QStringLiteral("/Halle3_19-06-1992.CSV"));
        QCOMPARE(a.Anzahl, 0);
        QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Datei"), {}), a.Datei);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 0);
        QVERIFY(s->sim.Anlage(1).Eingeschaltet());
        QCOMPARE(s->sim.Anlage(1).Betriebsart(), 2);
        QCOMPARE(anzeige.ereignisse, QStringList({"Stop", "Auffrischen", "Start"}));
        QVERIFY(anzeige.meldungen.isEmpty());
    }

    // The failures of the switch-on: which state remains, and that a failed
    // start keeps the old data file name.
    void einschaltenFehler_data() {
        QTest::addColumn<QByteArray>("ignoriert");
        QTest::addColumn<bool>("stumm");
        QTest::addColumn<QString>("buchstaben");
        QTest::addColumn<int>("angeschlossen");
        QTest::newRow("F not confirmed") << QByteArray("F") << false << "DZTBSFS" << 1;
        QTest::newRow("learning fails") << QByteArray() << true << "DZTBBTBB" << 1;
    }
    void einschaltenFehler() {
        QFETCH(QByteArray, ignoriert);
        QFETCH(bool, stumm);
        QFETCH(QString, buchstaben);
        QFETCH(int, angeschlossen);
        starte(false);
        s->z.Anlagen[1].Datei = QStringLiteral("alt.CSV");
        s->sim.Stoerung(1).Ignoriert = ignoriert;
        s->sim.Stoerung(1).Stumm = stumm;
        QVERIFY(!mv->Einschalten(true));
        QCOMPARE(letters(), buchstaben);
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(int(a.Angeschlossen), angeschlossen);
        QCOMPARE(a.Eingeschaltet, quint8(0));
        QCOMPARE(a.Datei, QStringLiteral("alt.CSV"));
        QCOMPARE(anzeige.ereignisse.first(), QStringLiteral("Stop"));
        QCOMPARE(anzeige.ereignisse.last(), QStringLiteral("Start"));
        QVERIFY(anzeige.meldungen.isEmpty());
    }

    // "Miete neu starten": what the plant data dialog took is stored only
    // once the plant has switched on, before the window is refreshed; the
    // pile gets its new data file.
    void neueMieteGestartet() {
        starte(false);
        QString gesendet;
        QVERIFY(mv->MieteStarten([&] {
            gesendet = letters();
            anzeige.ereignisse.append(QStringLiteral("Speichern"));
            s->z.Anlagen[1].Name = QStringLiteral("Halle4");
        }) == TMietenVerwaltung::TStart::Eingeschaltet);
        // The controller is asked for records of the previous pile first.
        QCOMPARE(gesendet, QStringLiteral("rDZTBSFS"));
        QCOMPARE(anzeige.ereignisse, QStringList({"Stop", "Speichern", "Auffrischen", "Start"}));
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Datei, tmp->path() + QStringLiteral("/Halle4_19-06-1992.CSV"));
        QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Datei"), {}), a.Datei);
        QVERIFY(anzeige.meldungen.isEmpty());
    }

    // A start the controller refuses ("F" leaves it switched off) or does not
    // answer: said after the timers run again (with what to check when no
    // reply came); the new pile's input is never stored, so the plant keeps
    // the previous pile's name and data file, in the record and in the
    // configuration. Without a reply even the count of records waiting is
    // unknown: the operator is asked first and starts all the same.
    void neueMieteAbgelehnt_data() {
        QTest::addColumn<bool>("stumm");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fragen");
        const QString nicht = QStringLiteral("Anlage hat nicht eingeschaltet – Miete nicht gestartet");
        QTest::newRow("stays switched off") << false << nicht << QStringList();
        QTest::newRow("no reply")
            << true << nicht + QLatin1Char('\n') + timeoutText
            << QStringList{QStringLiteral("Ob in der Steuerung noch Datensätze der vorigen Miete sind, kann "
                                          "nicht gelesen werden.\nIhre Datei: <alt>\n") +
                           timeoutText +
                           QStringLiteral("\nBeim Start kämen sie in die Datei der neuen Miete.\n"
                                          "Miete trotzdem starten?")};
    }
    void neueMieteAbgelehnt() {
        QFETCH(bool, stumm);
        QFETCH(QString, text);
        QFETCH(QStringList, fragen);
        starte(false);
        tAnlageParameter &a = s->z.Anlagen[1];
        const QString alt = tmp->path() + QStringLiteral("/Halle3_01-06-1992.CSV");
        a.Datei = alt;
        a.Anzahl = 17;
        QVERIFY(ini->WriteString(QStringLiteral("1"), QStringLiteral("Name"), a.Name));
        QVERIFY(ini->WriteString(QStringLiteral("1"), QStringLiteral("Datei"), alt));
        QVERIFY(ini->WriteInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), 17));
        fragen.replaceInStrings(QStringLiteral("<alt>"), alt);
        s->sim.Stoerung(1).BleibtAusgeschaltet = !stumm;
        s->sim.Stoerung(1).Stumm = stumm;
        anzeige.antworten = {true};
        bool gespeichert = false;
        QVERIFY(mv->MieteStarten([&] { gespeichert = true; }) ==
                TMietenVerwaltung::TStart::NichtEingeschaltet);
        QVERIFY(!gespeichert);
        QCOMPARE(anzeige.fragen, fragen);
        QCOMPARE(anzeige.meldungen, QStringList{text});
        QCOMPARE(anzeige.ereignisse.mid(anzeige.ereignisse.indexOf(QStringLiteral("Start"))),
                 QStringList({"Start", "Meldung"}));
        QCOMPARE(a.Eingeschaltet, quint8(0));
        QCOMPARE(a.Name, QStringLiteral("Halle3"));
        QCOMPARE(a.Datei, alt);
        QCOMPARE(a.Anzahl, 17);
        QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Name"), {}), QStringLiteral("Halle3"));
        QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Datei"), {}), alt);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 17);
        QVERIFY(!s->sim.Anlage(1).Eingeschaltet());
    }

    // While the connection is lost, starting, continuing and ending a pile
    // say so at once (since when, the next attempt): nothing asked, nothing
    // sent, the timers untouched, the plant record unchanged.
    void ohneVerbindung_data() {
        QTest::addColumn<int>("operation");
        QTest::newRow("start") << 0;
        QTest::newRow("continue") << 1;
        QTest::newRow("end") << 2;
    }
    void ohneVerbindung() {
        QFETCH(int, operation);
        starte(operation == 2);
        const QString d = operation == 1 ? datendatei(4) : QString();
        QSignalSpy verloren(&s->komm->Verbindung, &TVerbindung::Verloren);
        QVERIFY(s->sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        s->sim.LoescheRahmen();
        const tAnlageParameter vorher = s->z.Anlagen[1];
        bool gespeichert = false;
        bool keine = false;
        switch (operation) {
        case 0:
            keine =
                mv->MieteStarten([&] { gespeichert = true; }) == TMietenVerwaltung::TStart::KeineVerbindung;
            break;
        case 1:
            keine = mv->MieteFortfuehren(d) == TMietenVerwaltung::TFortsetzung::KeineVerbindung;
            break;
        default:
            keine = mv->MieteBeenden() == TMietenVerwaltung::TBeendet::KeineVerbindung;
        }
        QVERIFY(keine);
        QVERIFY(!gespeichert);
        QCOMPARE(anzeige.ereignisse, QStringList{QStringLiteral("Meldung")});
        QCOMPARE(anzeige.meldungen.size(), 1);
        QVERIFY2(anzeige.meldungen.at(0).startsWith(QStringLiteral(
                     "Keine Verbindung zu den Steuerungen!\nVerbindung unterbrochen seit 19.06.1992 "
                     "10:11:12 – nächster Versuch um 10:11:")),
                 qPrintable(anzeige.meldungen.at(0)));
        QVERIFY(s->sim.Rahmen().isEmpty());
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Name, vorher.Name);
        QCOMPARE(a.Datei, vorher.Datei);
        QCOMPARE(a.Eingeschaltet, vorher.Eingeschaltet);
    }

    // --- continuing -------------------------------------------------------

    // A file of 120 records: the plant takes over name, comment, file, folder
    // and count 120, also in the configuration; new records follow as 121...
    void fortfuehren() {
        starte(false);
        const QString d = datendatei(120);
        QVERIFY(!d.isEmpty());
        QCOMPARE(mv->MieteFortfuehren(d), TMietenVerwaltung::TFortsetzung::Eingeschaltet);
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Name, QStringLiteral("Kompost7"));
        QCOMPARE(a.Komm, QStringLiteral("Grüngut Ost"));
        QCOMPARE(QDir::fromNativeSeparators(a.Datei), d);
        QCOMPARE(QDir::fromNativeSeparators(a.Pfad), tmp->path() + QLatin1Char('/'));
        QCOMPARE(a.Anzahl, 120);
        QCOMPARE(a.Eingeschaltet, quint8(1));
        const QString sek = QStringLiteral("1");
        QCOMPARE(ini->ReadString(sek, QStringLiteral("Name"), {}), QStringLiteral("Kompost7"));
        QCOMPARE(ini->ReadString(sek, QStringLiteral("Komm"), {}), QStringLiteral("Grüngut Ost"));
        QCOMPARE(ini->ReadString(sek, QStringLiteral("Datei"), {}), a.Datei);
        QCOMPARE(ini->ReadString(sek, QStringLiteral("Pfad"), {}), a.Pfad);
        QCOMPARE(ini->ReadInteger(sek, QStringLiteral("Anzahl"), -1), 120);
        // Asked for records of the previous pile, switched on without a new data file name.
        QCOMPARE(letters(), QStringLiteral("rDZTBSFS"));
        QVERIFY(anzeige.meldungen.isEmpty());

        s->sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        const QByteArrayList l = zeilen(d);
        QCOMPARE(l.size(), 9 + 123);
        QVERIFY(l.at(9 + 120).startsWith("121;"));
        QCOMPARE(s->z.Anlagen[1].Anzahl, 123);
    }

    // A data file that holds its header alone (the pile ended before its
    // first record) is continued like any other: count 0, the next record 1.
    void fortfuehrenNurKopf() {
        starte(false);
        const QString d = datendatei(0);
        QVERIFY(!d.isEmpty());
        QCOMPARE(zeilen(d).size(), 9);
        QCOMPARE(mv->MieteFortfuehren(d), TMietenVerwaltung::TFortsetzung::Eingeschaltet);
        QVERIFY(anzeige.meldungen.isEmpty());
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Name, QStringLiteral("Kompost7"));
        QCOMPARE(a.Komm, QStringLiteral("Grüngut Ost"));
        QCOMPARE(QDir::fromNativeSeparators(a.Datei), d);
        QCOMPARE(a.Anzahl, 0);
        QCOMPARE(a.Eingeschaltet, quint8(1));

        s->sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        const QByteArrayList l = zeilen(d);
        QCOMPARE(l.size(), 9 + 2);
        QVERIFY(l.at(9).startsWith("1;"));
        QVERIFY(l.at(10).startsWith("2;"));
    }

    // A file that is no data file, is gone or is empty: the message, nothing
    // sent, the plant record unchanged.
    void keineDatendatei_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("foreign text") << QByteArray("Hallo;Welt\r\n1;2;3\r\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("nine foreign lines")
            << QByteArray("a\r\nb\r\nc\r\n\r\ne\r\nf\r\ng\r\nh\r\ni\r\n") << true;
        QTest::newRow("vanished") << QByteArray() << false;
    }
    void keineDatendatei() {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, vorhanden);
        starte(false);
        const QString d = tmp->filePath(QStringLiteral("fremd.csv"));
        if (vorhanden) {
            QFile f(d);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        const tAnlageParameter vorher = s->z.Anlagen[1];
        QCOMPARE(mv->MieteFortfuehren(d), TMietenVerwaltung::TFortsetzung::KeineDatendatei);
        QCOMPARE(anzeige.meldungen, QStringList{QStringLiteral(
                                        "Datendatei existiert nicht oder\nKein gültiger Dateiaufbau\nDatei "
                                        "war nicht von dieser Software erzeugt!")});
        QVERIFY(s->sim.Rahmen().isEmpty());
        const tAnlageParameter &a = s->z.Anlagen[1];
        QCOMPARE(a.Name, vorher.Name);
        QCOMPARE(a.Datei, vorher.Datei);
        QCOMPARE(a.Pfad, vorher.Pfad);
        QCOMPARE(a.Anzahl, vorher.Anzahl);
        QVERIFY(!QFile::exists(ini->DateiName()));
        QVERIFY(!anzeige.ereignisse.contains(QStringLiteral("Stop")));
    }

    // "F" not confirmed while continuing: the message after the timers run
    // again; the record keeps the chosen file.
    void fortfuehrenNichtEingeschaltet() {
        starte(false);
        const QString d = datendatei(4);
        s->sim.Stoerung(1).Ignoriert = "F";
        QCOMPARE(mv->MieteFortfuehren(d), TMietenVerwaltung::TFortsetzung::NichtEingeschaltet);
        QCOMPARE(anzeige.meldungen,
                 QStringList{QStringLiteral("Anlage ist NICHT eingeschaltet!!\nFehler beim Starten!")});
        QCOMPARE(anzeige.ereignisse.mid(anzeige.ereignisse.indexOf(QStringLiteral("Start"))),
                 QStringList({"Start", "Meldung"}));
        QCOMPARE(QDir::fromNativeSeparators(s->z.Anlagen[1].Datei), d);
        QCOMPARE(s->z.Anlagen[1].Anzahl, 4);
        QCOMPARE(s->z.Anlagen[1].Eingeschaltet, quint8(0));
    }

    // The folder the open dialog starts in: the plant's, or the home folder
    // when it is gone (which then becomes the plant's folder).
    void fortsetzungsOrdner() {
        starte(false);
        QCOMPARE(mv->FortsetzungsOrdner(), tmp->path() + QLatin1Char('/'));
        s->z.Anlagen[1].Pfad = tmp->filePath(QStringLiteral("weg/"));
        const QString heim = QDir::toNativeSeparators(tmp->path()) + QDir::separator();
        QCOMPARE(mv->FortsetzungsOrdner(), heim);
        QCOMPARE(s->z.Anlagen[1].Pfad, heim);
    }

    // --- records of the previous pile ---------------------------------------

    // A pile ended with records left in the controller ("Yes" to switching
    // off all the same). Before the next pile switches on, whether started
    // anew, continued from another pile's file or from the ended pile's own,
    // the leftovers go into the ended pile's file, numbered on after its
    // last record, and the operator hears where they went; the new pile's
    // file gets none of them.
    void vorigeMiete_data() {
        // 0 a new pile, 1 another pile continued, 2 the ended pile continued,
        // 3 a new pile of the ended pile's name on the day it began
        QTest::addColumn<int>("wie");
        QTest::newRow("new pile") << 0;
        QTest::newRow("another pile continued") << 1;
        QTest::newRow("ended pile continued") << 2;
        QTest::newRow("new pile, same name, same day") << 3;
    }
    void vorigeMiete() {
        QFETCH(int, wie);
        starte(false);
        const QString andere = wie == 1 ? datendatei(4) : QString();
        const QString alt = beendetMitRest(10, 6);
        QVERIFY(!alt.isEmpty());
        QCOMPARE(zeilen(alt).size(), 9 + 6);
        const QByteArrayList rest = wartendeZeiten();
        QCOMPARE(rest.size(), 4);

        const tAnlageParameter &a = s->z.Anlagen[1];
        QString neu;
        if (wie == 0 || wie == 3) {
            // The same name on the same day gets a file of its own.
            const QString name = wie == 0 ? QStringLiteral("Halle4") : a.Name;
            QCOMPARE(mv->MieteStarten([&] { s->z.Anlagen[1].Name = name; }),
                     TMietenVerwaltung::TStart::Eingeschaltet);
            neu = tmp->path() + (wie == 0 ? QStringLiteral("/Halle4_19-06-1992.CSV")
                                          : QStringLiteral("/Halle3_19-06-1992_2.CSV"));
            QCOMPARE(QFileInfo(alt).fileName(), QStringLiteral("Halle3_19-06-1992.CSV"));
        } else {
            neu = wie == 1 ? andere : alt;
            QCOMPARE(mv->MieteFortfuehren(neu), TMietenVerwaltung::TFortsetzung::Eingeschaltet);
        }
        // The count, the four records, then the switch-on.
        QCOMPARE(letters(), QStringLiteral("rrGGGGDZTBSFS"));
        const QByteArrayList l = zeilen(alt);
        QCOMPARE(l.size(), 9 + 10);
        for (int i = 1; i <= 10; ++i)
            QVERIFY2(l.at(8 + i).startsWith(QByteArray::number(i) + ';'), l.at(8 + i).constData());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(l.at(15 + i).split(';').value(1), rest.at(i));
        QVERIFY(s->sim.Anlage(1).Speicher().empty());
        QVERIFY(anzeige.fragen.isEmpty());
        QCOMPARE(anzeige.meldungen,
                 QStringList{QStringLiteral("4 Datensätze der vorigen Miete aus der Steuerung in ihre Datei "
                                            "gelesen:\n") +
                             alt});
        QCOMPARE(anzeige.ereignisse, QStringList({"Stop", "Auffrischen", "Start", "Meldung"}));

        QCOMPARE(a.Eingeschaltet, quint8(1));
        QCOMPARE(QDir::fromNativeSeparators(a.Datei), neu);
        const int imNeuen = wie == 0 || wie == 3 ? 0 : wie == 1 ? 4 : 10;
        QCOMPARE(a.Anzahl, imNeuen);
        QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Datei"), {}), a.Datei);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), imNeuen);
        // The new pile's first readout finds nothing of the old one.
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(zeilen(neu).size(), 9 + imNeuen);
        QCOMPARE(zeilen(alt).size(), 9 + 10);
    }

    // Records of the previous pile that cannot go into its file: the
    // operator hears how many wait, why and where they would go, and
    // decides. No keeps everything as it was: nothing stored or sent after
    // the count (but the records that did fit), the rest in the controller,
    // the configuration naming the ended pile's file with its count. Yes
    // starts the pile all the same.
    void vorigeMieteNichtLesbar_data() {
        QTest::addColumn<int>(
            "fall"); // 0 file gone, 1 not a data file, 2 none named, 3 count unreadable, 4 room for 2
        QTest::addColumn<bool>("fortfuehren");
        QTest::addColumn<bool>("ja");
        QTest::newRow("file gone, start, No") << 0 << false << false;
        QTest::newRow("file gone, start, Yes") << 0 << false << true;
        QTest::newRow("file gone, continue, No") << 0 << true << false;
        QTest::newRow("not a data file, start, No") << 1 << false << false;
        QTest::newRow("no file named, start, No") << 2 << false << false;
        QTest::newRow("count unreadable, continue, No") << 3 << true << false;
        QTest::newRow("room for 2 of 4, start, No") << 4 << false << false;
    }
    void vorigeMieteNichtLesbar() {
        QFETCH(int, fall);
        QFETCH(bool, fortfuehren);
        QFETCH(bool, ja);
        starte(false);
        const QString andere = fortfuehren ? datendatei(4) : QString();
        const QString alt = beendetMitRest(10, 6);
        QVERIFY(!alt.isEmpty());
        const QString sek = QStringLiteral("1");
        switch (fall) {
        case 0:
            QVERIFY(QFile::remove(alt));
            break;
        case 1: {
            QFile f(alt);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("Tabelle;der;Buchhaltung\r\n");
            break;
        }
        case 2:
            QVERIFY(ini->WriteString(sek, QStringLiteral("Datei"), QString()));
            break;
        case 3:
            s->sim.Stoerung(1).AnzahlErzwungen = 1001;
            break;
        default: {
            const qint64 zeile = TDataFile::Zeilenbedarf(10);
            datei->Platzabfrage = [zeile](const QString &) { return TDataFile::Reserve + 2 * zeile + 10; };
        }
        }
        const QByteArray vorher = zeilen(alt).join('\n');
        anzeige.antworten = {ja};
        bool gespeichert = false;
        const bool gestartet =
            fortfuehren
                ? mv->MieteFortfuehren(andere) == TMietenVerwaltung::TFortsetzung::Eingeschaltet
                : mv->MieteStarten([&] { gespeichert = true; }) == TMietenVerwaltung::TStart::Eingeschaltet;
        QCOMPARE(gestartet, ja);

        const QString wohin = fortfuehren ? QStringLiteral("Beim Fortführen kämen sie in die Datei ") +
                                                andere + QStringLiteral(".\nMiete trotzdem fortführen?")
                                          : QStringLiteral("Beim Start kämen sie in die Datei der neuen "
                                                           "Miete.\nMiete trotzdem starten?");
        const QString vier = QStringLiteral("In der Steuerung sind noch 4 Datensätze der vorigen Miete.\n");
        QCOMPARE(anzeige.fragen.size(), 1);
        const QString frage = anzeige.fragen.at(0);
        switch (fall) {
        case 0:
            QCOMPARE(frage, vier + QStringLiteral("Die Datendatei ") + alt +
                                QStringLiteral(" gibt es nicht mehr.\n") + wohin);
            break;
        case 1:
            QCOMPARE(frage,
                     vier + QStringLiteral("Die Datei ") + alt +
                         QStringLiteral(" hat nicht den Aufbau einer Speicherdatei; an sie wird nichts "
                                        "angehängt.\n") +
                         wohin);
            break;
        case 2:
            QCOMPARE(frage,
                     QStringLiteral("In der Steuerung sind noch 4 Datensätze der vorigen Miete.\nFür die "
                                    "Anlage 1 ist keine Datendatei einer vorigen Miete eingetragen.\n") +
                         wohin);
            break;
        case 3:
            // the impossible count received is named
            QCOMPARE(frage, QStringLiteral("Ob in der Steuerung noch Datensätze der vorigen Miete sind, kann "
                                           "nicht gelesen werden.\nIhre Datei: ") +
                                alt + QLatin1Char('\n') + TSpeicherung::TextUnmoeglicheAnzahl(1001) +
                                QLatin1Char('\n') + wohin);
            break;
        default:
            QVERIFY2(frage.startsWith(QStringLiteral("In der Steuerung sind noch 2 Datensätze der vorigen "
                                                     "Miete.\nNur 2 von 4 Datensätzen haben Platz; 2 bleiben "
                                                     "in der Steuerung")),
                     qPrintable(frage));
            QVERIFY2(frage.contains(QStringLiteral("Zu wenig Platz in ") + alt), qPrintable(frage));
            QVERIFY2(frage.endsWith(wohin), qPrintable(frage));
        }
        // The leftovers never went anywhere else; those that fitted are in the ended pile's file.
        QVERIFY(!letters().contains(QLatin1Char('G')) || fall == 4);
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(fall == 4 ? 2 : 4));
        if (fall == 4)
            QCOMPARE(zeilen(alt).size(), 9 + 8);
        else if (fall != 0)
            QCOMPARE(zeilen(alt).join('\n'), vorher);
        if (fortfuehren)
            QCOMPARE(zeilen(andere).size(), 9 + 4);

        const tAnlageParameter &a = s->z.Anlagen[1];
        if (ja) {
            QVERIFY(letters().endsWith(QStringLiteral("DZTBSFS")));
            QCOMPARE(a.Eingeschaltet, quint8(1));
            QCOMPARE(anzeige.ereignisse, QStringList({"Stop", "Frage", "Auffrischen", "Start"}));
            return;
        }
        QVERIFY(!letters().contains(QLatin1Char('F')));
        QVERIFY(!s->sim.Anlage(1).Eingeschaltet());
        QVERIFY(!gespeichert);
        QCOMPARE(anzeige.ereignisse, QStringList({"Stop", "Frage", "Start"}));
        QVERIFY(anzeige.meldungen.isEmpty());
        QCOMPARE(a.Eingeschaltet, quint8(0));
        QCOMPARE(a.Name, QStringLiteral("Halle3"));
        QVERIFY(a.Datei.isEmpty());
        QCOMPARE(ini->ReadString(sek, QStringLiteral("Datei"), {}), fall == 2 ? QString() : alt);
        QCOMPARE(ini->ReadInteger(sek, QStringLiteral("Anzahl"), -1), fall == 4 ? 8 : 6);
    }

    // --- ending -----------------------------------------------------------

    // Ending a pile: the records in the controller, what the file holds
    // afterwards, the questions and messages, and the plant's state.
    void beenden_data() {
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<int>("stummNach");  // the controller stops after this many records (-1: never)
        QTest::addColumn<qint64>("anzahlR"); // forced "r" reply (-1: the real count)
        QTest::addColumn<bool>("bleibtEin");
        QTest::addColumn<QList<bool>>("antworten");
        QTest::addColumn<int>("zeilenDanach");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<bool>("seriell");

        const QString frage = TMietenVerwaltung::TextAusschaltenFrage(1, QStringLiteral("Halle3"));
        const QString trotzdem = TMietenVerwaltung::TextTrotzdemAusschalten();
        const QString aus = TMietenVerwaltung::TextAusgeschaltet();
        const QString nichtAus = TMietenVerwaltung::TextNichtAusgeschaltet();
        using E = TMietenVerwaltung::TBeendet;
        QTest::newRow("not confirmed") << 3 << -1 << qint64(-1) << false << QList<bool>{false} << -1
                                       << QStringList{frage} << int(E::Abgebrochen) << false;
        QTest::newRow("0 records") << 0 << -1 << qint64(-1) << false << QList<bool>{true} << 9
                                   << QStringList{frage, aus} << int(E::Ausgeschaltet) << false;
        QTest::newRow("10 records") << 10 << -1 << qint64(-1) << false << QList<bool>{true} << 19
                                    << QStringList{frage, aus} << int(E::Ausgeschaltet) << false;
        QTest::newRow("10 records, serial line") << 10 << -1 << qint64(-1) << false << QList<bool>{true} << 19
                                                 << QStringList{frage, aus} << int(E::Ausgeschaltet) << true;
        QTest::newRow("stops after 5 of 10, Yes")
            << 10 << 5 << qint64(-1) << false << QList<bool>{true, true} << 14
            << QStringList{frage, timeoutText, trotzdem, aus} << int(E::Ausgeschaltet) << false;
        QTest::newRow("stops after 5 of 10, No")
            << 10 << 5 << qint64(-1) << false << QList<bool>{true, false} << 14
            << QStringList{frage, timeoutText, trotzdem} << int(E::LaeuftWeiter) << false;
        QTest::newRow("stops after 5 of 10, serial line, No")
            << 10 << 5 << qint64(-1) << false << QList<bool>{true, false} << 14
            << QStringList{frage, seriellTimeout, trotzdem} << int(E::LaeuftWeiter) << true;
        // An impossible count is a failed readout: the records may still be
        // in the controller, so the operator is asked before it is switched off.
        const QString unmoeglich = anzahlText + QLatin1Char('\n') + TSpeicherung::TextUnmoeglicheAnzahl(1001);
        QTest::newRow("r of 1001, Yes")
            << 3 << -1 << qint64(1001) << false << QList<bool>{true, true} << 9
            << QStringList{frage, unmoeglich, trotzdem, aus} << int(E::Ausgeschaltet) << false;
        QTest::newRow("r of 1001, No")
            << 3 << -1 << qint64(1001) << false << QList<bool>{true, false} << 9
            << QStringList{frage, unmoeglich, trotzdem} << int(E::LaeuftWeiter) << false;
        QTest::newRow("A not confirmed")
            << 2 << -1 << qint64(-1) << true << QList<bool>{true} << 11 << QStringList{frage, nichtAus}
            << int(E::NichtAusgeschaltet) << false;
    }
    // The question names the plant as the operator sees it numbered (from
    // 33 with the address block) and its pile; "No" ends nothing.
    void beendenFrageNenntAnlage() {
        starte(true);
        s->z.OptAdressen33 = true;
        anzeige.antworten = {false};
        QCOMPARE(mv->MieteBeenden(), TMietenVerwaltung::TBeendet::Abgebrochen);
        QCOMPARE(anzeige.fragen,
                 QStringList{QStringLiteral("Soll die Anlage 33 (Miete „Halle3“) ausgeschaltet werden ?\nEs "
                                            "werden keine weiteren Messwerte gespeichert.\nEinschalten durch "
                                            "Start einer neuen Miete!!")});
        QCOMPARE(s->z.Anlagen[1].Eingeschaltet, quint8(1));
    }

    void beenden() {
        QFETCH(int, gespeichert);
        QFETCH(int, stummNach);
        QFETCH(qint64, anzahlR);
        QFETCH(bool, bleibtEin);
        QFETCH(QList<bool>, antworten);
        QFETCH(int, zeilenDanach);
        QFETCH(QStringList, texte);
        QFETCH(int, ergebnis);
        QFETCH(bool, seriell);
        starte(true, seriell);
        if (gespeichert > 0)
            s->sim.Anlage(1).FuelleSpeicher(gespeichert);
        if (anzahlR >= 0)
            s->sim.Stoerung(1).AnzahlErzwungen = anzahlR;
        s->sim.Stoerung(1).BleibtEingeschaltet = bleibtEin;
        int gAntworten = 0;
        QObject::connect(&s->sim, &KompostSim::TSimulator::AntwortGesendet, &s->sim,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('G') && ++gAntworten == stummNach)
                                 s->sim.Stoerung(1).Stumm = true;
                         });
        anzeige.antworten = antworten;
        // The controller answers again by the time the operator is asked.
        anzeige.beiFrage = [this] { s->sim.Stoerung(1).Stumm = false; };
        const QString d = s->z.Anlagen[1].Datei;

        QCOMPARE(int(mv->MieteBeenden()), ergebnis);
        QStringList gezeigt;
        for (int i = 0, m = 0, f = 0; i < anzeige.ereignisse.size(); ++i) {
            if (anzeige.ereignisse.at(i) == QLatin1String("Meldung"))
                gezeigt.append(anzeige.meldungen.at(m++));
            else if (anzeige.ereignisse.at(i) == QLatin1String("Frage"))
                gezeigt.append(anzeige.fragen.at(f++));
        }
        QCOMPARE(gezeigt, texte);

        const tAnlageParameter &a = s->z.Anlagen[1];
        using E = TMietenVerwaltung::TBeendet;
        if (ergebnis == int(E::Abgebrochen)) {
            QVERIFY(s->sim.Rahmen().isEmpty());
            QCOMPARE(anzeige.ereignisse, QStringList{QStringLiteral("Frage")});
            QVERIFY(!QFile::exists(d));
            return;
        }
        QCOMPARE(zeilen(d).size(), zeilenDanach);
        // Not a single "G" without records announced.
        if (gespeichert == 0 || anzahlR > 1000)
            QVERIFY(!letters().contains(QLatin1Char('G')));
        QCOMPARE(anzeige.ereignisse.first(), QStringLiteral("Frage"));
        QCOMPARE(anzeige.ereignisse.at(1), QStringLiteral("Stop"));
        if (ergebnis == int(E::Ausgeschaltet)) {
            QCOMPARE(a.Eingeschaltet, quint8(0));
            QCOMPARE(a.Datei, QString());
            QCOMPARE(a.Anzahl, 0);
            QCOMPARE(s->z.Messwerte[1].Gueltig, quint8(0));
            QVERIFY(!s->sim.Anlage(1).Eingeschaltet());
            QCOMPARE(anzeige.ereignisse.mid(anzeige.ereignisse.size() - 3),
                     QStringList({"Auffrischen", "Start", "Meldung"}));
            // The configuration keeps the last file and its count.
            QCOMPARE(ini->ReadString(QStringLiteral("1"), QStringLiteral("Datei"), {}), d);
            QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), zeilenDanach - 9);
        } else {
            QCOMPARE(a.Eingeschaltet, quint8(1));
            QCOMPARE(a.Datei, d);
            QCOMPARE(a.Anzahl, zeilenDanach - 9);
            QVERIFY(s->sim.Anlage(1).Eingeschaltet());
            QCOMPARE(anzeige.ereignisse.last(),
                     ergebnis == int(E::LaeuftWeiter) ? QStringLiteral("Start") : QStringLiteral("Meldung"));
            if (ergebnis == int(E::NichtAusgeschaltet))
                QCOMPARE(letters().count(QLatin1Char('A')), 2);
        }
    }
};

QTEST_MAIN(TestMieten)
#include "tst_mieten.moc"

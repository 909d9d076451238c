// The offline readout against the simulator: the readout alone (count 0, an
// impossible count, three records in °C and °F, a timeout in mid-readout, a
// cancel that keeps the record already received, a plant that does not
// answer, a plant switched off with records of its ended pile left in its
// controller, a file that takes no records, room for part of the records, a
// lost reply asked once more), the table cells, and the window "Daten Offline
// lesen" with its tabs, table, counters and status, opened alone and from the
// live display, also on a plant switched off, and its printout: the
// measurement protocol read back from its PDF.
#include "../comm/SimAnschluss.h"
#include "../shell/ShellUmgebung.h"
#include "display/UAnzeige.h"
#include "display/UDatenLesen1.h"
#include "display/USpeicherung.h"
#include "reports/UQRKompForm.h"
#include "shell/KompUtils.h"
#include "shell/UAktiv.h"
#include "shell/UBetriebsart.h"
#include "shell/UIniDatei.h"
#include "shell/UStoerungen.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UStringGrid.h"

#include "toolkit/UAnlagenTabs.h"
#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

const QDateTime Uhrzeit(QDate(2024, 12, 9), QTime(14, 30));
const QString Abgeschlossen = QStringLiteral("INFO Daten auslesen abgeschlossen.");
const QString Gespeichert = QStringLiteral("Werte in Datei gespeichert !");
const QString TimeoutText =
    // over the network, as these tests run
    QStringLiteral(
        "TIMEOUT bei der Netzwerkverbindung!\nBitte Netzwerkadapter und PC- Einstellung überprüfen!");
const QString AnzahlText =
    QStringLiteral("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");

QByteArrayList Zeilen(const QString &datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// Field k (from 1) of a record line, blanks removed.
QString Feld(const QByteArray &zeile, int k) {
    return QString::fromLatin1(zeile.split(';').value(k - 1)).trimmed();
}

// Records what the readout shows; the order of boxes and status texts in ablauf.
struct TLeseAufzeichner : IDatenLesenAnzeige {
    QStringList ablauf; // "M:" information, "W:" warning, "S:" status panel
    QMap<int, QStringList> zeilen;
    QString anzahl = QStringLiteral("0");
    QString nr = QStringLiteral("0");
    int tabellenZeilen = 0;
    QList<int> fortschritt; // maximum, 0 per step, -1 when hidden
    std::function<bool()> abbruch;

    void Meldung(const QString &t) override { ablauf.append(QStringLiteral("M:") + t); }
    void Warnung(const QString &t) override { ablauf.append(QStringLiteral("W:") + t); }
    void TabelleZuruecksetzen(int n) override {
        zeilen.clear();
        tabellenZeilen = n;
        anzahl = nr = QStringLiteral("0");
    }
    void ZeilenAnzahl(int n) override { tabellenZeilen = n; }
    void AnzahlZeigen(const QString &t) override { anzahl = t; }
    void DatensatzNrZeigen(const QString &t) override { nr = t; }
    void ZeileZeigen(int n, const QStringList &z) override { zeilen.insert(n, z); }
    void StatusZeigen(const QString &t) override { ablauf.append(QStringLiteral("S:") + t); }
    void FortschrittZeigen(int m) override { fortschritt.append(m); }
    void FortschrittSchritt() override { fortschritt.append(0); }
    bool Abgebrochen() override { return abbruch && abbruch(); }
    void FortschrittVerbergen() override { fortschritt.append(-1); }
};

// The ends of the readouts as the run's listeners hear them.
struct TEreignisAufzeichner : IEreignisse {
    QList<bool> auslesungen; // ok of each
    void Auslesung(int, bool ok, qint32, const QString &) override { auslesungen.append(ok); }
};

// The readout alone on a communication connected to the simulator.
struct TLeseUmgebung {
    QTemporaryDir tmp;
    TSimAnschluss s{2};
    std::unique_ptr<TIniDatei> ini;
    std::unique_ptr<TDataFile> datei;
    TLeseAufzeichner anzeige;
    std::unique_ptr<TDatenLesen> lesen;

    bool starte() {
        s.z.Heimordner = tmp.path();
        s.z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        s.z.Jetzt = [] { return Uhrzeit; };
        KompUtils::BildeRefText(s.z);
        ini = std::make_unique<TIniDatei>(tmp.filePath(QStringLiteral("O2_Tarvos.ini")), s.z.Gebietsschema);
        datei = std::make_unique<TDataFile>(s.z, *ini);
        lesen = std::make_unique<TDatenLesen>(*s.komm, *datei, anzeige);
        if (!s.verbindeTcp())
            return false;
        s.komm->Abfrage.StopTimer();
        s.alleAngeschlossen();
        for (int i = 1; i <= 2; ++i) {
            auto &a = s.z.Anlagen[static_cast<size_t>(i)];
            a.Name = QStringLiteral("Miete%1").arg(i);
            a.Pfad = tmp.path() + QLatin1Char('/');
        }
        s.z.AktAnlage = 1;
        return true;
    }

    // The letters of the frames plant n received.
    QByteArray befehle(int n) const {
        QByteArray b;
        for (const QByteArray &r : s.rahmen(n))
            b += r.at(1);
        return b;
    }
    QString dateiName() const { return s.z.Anlagen[1].Datei; }
};

// A run on the simulator, learned, on a German locale at 9 Dec 2024 14:30.
struct TFensterUmgebung : TShellUmgebung {
    bool lerne(int n, const QList<int> &vorhanden, const QByteArray &iniMehr = {}) {
        sim.SetAnlagen(vorhanden);
        QByteArray plants;
        for (int i = 1; i <= n; ++i)
            plants += "[" + QByteArray::number(i) + "]\nName=Halle" + QByteArray::number(i) +
                      "\nPfad=" + heim.path().toUtf8() + "/\n";
        if (!netz(n, iniMehr + plants))
            return false;
        baue();
        z().Jetzt = [] { return Uhrzeit; };
        z().Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        return gelernt.count() > 0 || gelernt.wait(15000);
    }
    std::unique_ptr<TFDatenLesen1> fenster() {
        return std::make_unique<TFDatenLesen1>(*lauf, fMain->Aktiv(), fMain.get());
    }
    QString befehle(int n) const {
        QString b;
        for (const auto &r : sim.Rahmen(n))
            if (r.Bytes.at(1) != 'c')
                b += QChar::fromLatin1(r.Bytes.at(1));
        return b;
    }
};

// The text of a PDF, laid out as on the page.
QString PdfText(const QString &datei) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The row numbers of the detail rows of a measurement protocol's text: the
// lines that begin with a number followed by a date.
QList<int> DetailNummern(const QString &text) {
    QList<int> l;
    static const QRegularExpression zeile(QStringLiteral("^\\s*(\\d+)\\s+\\d\\d\\.\\d\\d\\.\\d{4}"),
                                          QRegularExpression::MultilineOption);
    for (auto it = zeile.globalMatch(text); it.hasNext();)
        l.append(it.next().captured(1).toInt());
    return l;
}

// n rows as the readout builds them, record k with 55 °C at 100 cm and O2 209.
QList<QStringList> Tabelle(TZustand &z, int n) {
    QList<QStringList> l;
    for (int k = 1; k <= n; ++k) {
        z.DsTag = QStringLiteral("09");
        z.DsMonat = QStringLiteral("12");
        z.DsJahr = QStringLiteral("2024");
        z.DsStunde = QString::number(k % 24).rightJustified(2, QLatin1Char('0'));
        z.DsMinute = QStringLiteral("30");
        z.DatensatzWerte.T = {0, 55, 50, 45, 40, 35};
        z.DatensatzWerte.O2 = 209;
        z.DatensatzWerte.RefMarke = 50;
        z.DatensatzWerte.Laufzeit = 100 + k;
        z.DatensatzWerte.Zyklen = 7;
        l.append(TDatenLesen::Zellen(z, k));
    }
    return l;
}

QStringList GridZeile(const TStringGrid &g, int r) {
    QStringList l;
    for (int c = 0; c < g.spaltenAnzahl(); ++c)
        l.append(g.Cells(c, r));
    return l;
}

} // namespace

class TestDatenLesen : public QObject {
    Q_OBJECT

private slots:
    // ---------------------------------------------------------------- readout

    void anzahlNull() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        QCOMPARE(u.lesen->DatenAuslesen(), 0);
        QCOMPARE(u.befehle(1), QByteArray("r"));
        QCOMPARE(u.anzeige.ablauf, QStringList({"M:" + Abgeschlossen, "S:" + Gespeichert}));
        // The file is there with its header and no record.
        QCOMPARE(Zeilen(u.dateiName()).size(), 9);
        QVERIFY(!u.datei->IsOpen());
        QVERIFY(u.s.komm->Abfrage.TimerLaeuft());
    }

    void anzahlUngueltig_data() {
        QTest::addColumn<qint64>("gemeldet");
        QTest::newRow("1001") << qint64(1001);
        QTest::newRow("-1") << qint64(-1);
    }
    void anzahlUngueltig() {
        QFETCH(qint64, gemeldet);
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(3);
        u.s.sim.Stoerung(1).AnzahlErzwungen = gemeldet;
        QCOMPARE(u.lesen->DatenAuslesen(), 0);
        // with the count received, which the log and the alarm hear too
        QCOMPARE(u.anzeige.ablauf, QStringList{"W:" + AnzahlText + "\n" +
                                               TSpeicherung::TextUnmoeglicheAnzahl(qint32(gemeldet))});
        QVERIFY(!u.befehle(1).contains('G'));
        QVERIFY(!u.datei->IsOpen());
        QCOMPARE(Zeilen(u.dateiName()).size(), 9);
        QCOMPARE(u.anzeige.anzahl, QStringLiteral("0"));
        QVERIFY(u.s.komm->Abfrage.TimerLaeuft());
    }

    // Three records: three 'G', three lines, rows 1..3 as the file has them,
    // in °F and inch with Metric while the file keeps °C and cm.
    void dreiDatensaetze_data() {
        QTest::addColumn<bool>("metric");
        QTest::newRow("°C") << false;
        QTest::newRow("°F") << true;
    }
    void dreiDatensaetze() {
        QFETCH(bool, metric);
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.z.Metric = metric;
        KompUtils::BildeRefText(u.s.z);
        u.s.sim.Anlage(1).FuelleSpeicher(3);
        QCOMPARE(u.lesen->DatenAuslesen(), 3);
        QCOMPARE(u.befehle(1), QByteArray("rGGG"));
        const QByteArrayList l = Zeilen(u.dateiName());
        QCOMPARE(l.size(), 9 + 3);
        QCOMPARE(u.anzeige.zeilen.keys(), QList<int>({1, 2, 3}));
        QCOMPARE(u.anzeige.anzahl, QStringLiteral("3"));
        QCOMPARE(u.anzeige.nr, QStringLiteral("3"));
        QCOMPARE(u.anzeige.tabellenZeilen, 4);
        QCOMPARE(u.anzeige.fortschritt, QList<int>({3, 0, 0, 0, -1}));
        QCOMPARE(u.anzeige.ablauf, QStringList({"M:" + Abgeschlossen, "S:" + Gespeichert}));
        QCOMPARE(u.lesen->Zeilen().size(), 3);
        auto f = [metric](const QString &c) {
            return metric ? KompUtils::CelsiusNachFahrenheit(c.toInt()) : c.toInt();
        };
        for (int r = 1; r <= 3; ++r) {
            const QByteArray &zeile = l.at(8 + r);
            const QStringList &zellen = u.anzeige.zeilen.value(r);
            QCOMPARE(zellen.size(), 12);
            QCOMPARE(zellen.at(0), QString::number(r));
            QCOMPARE(zellen.at(1), Feld(zeile, 2)); // dd.MM.yyyy  hh:mm
            for (int t = 0; t < 5; ++t)
                QCOMPARE(zellen.at(2 + t).trimmed().toInt(), f(Feld(zeile, 3 + t)));
            const int ref = Feld(zeile, 8).toInt();
            QCOMPARE(zellen.at(11).trimmed().toInt(), metric ? KompUtils::CmNachZoll(ref) : ref);
            QCOMPARE(zellen.at(7).trimmed(), Feld(zeile, 9)); // O2 with its decimal comma
            QCOMPARE(zellen.at(8),
                     KompUtils::BetriebsartText(Feld(zeile, 10).toInt())); // the mode by its name
            QCOMPARE(zellen.at(9).trimmed(), Feld(zeile, 11));
            QCOMPARE(zellen.at(10).trimmed(), Feld(zeile, 12));
        }
        QCOMPARE(u.lesen->Zeilen(), u.anzeige.zeilen.values());
    }

    void timeoutBeimZweitenVonFuenf() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(5);
        int g = 0;
        QObject::connect(&u.s.sim, &KompostSim::TSimulator::AntwortGesendet, [&](int, const QByteArray &a) {
            if (a.startsWith('G') && ++g == 1)
                u.s.sim.Stoerung(1).Stumm = true;
        });
        QCOMPARE(u.lesen->DatenAuslesen(), 1);
        QCOMPARE(u.anzeige.ablauf,
                 QStringList({"W:" + TimeoutText, "M:" + Abgeschlossen, "S:" + Gespeichert}));
        QCOMPARE(Zeilen(u.dateiName()).size(), 9 + 1);
        QCOMPARE(u.anzeige.zeilen.keys(), QList<int>{1});
        QCOMPARE(u.s.z.Anlagen[1].Anzahl, 1);
        QVERIFY(u.s.komm->Abfrage.TimerLaeuft());
    }

    // The operator cancels while the second record is on its way: that record
    // is written and shown, nothing after it is asked for; the operator hears
    // that it was cancelled, how many are saved and how many wait, and no
    // failed readout is reported (no alarm).
    void abbruchBehaeltDatensatz() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(5);
        TEreignisVerteiler verteiler;
        TStoerungsStand stand{verteiler};
        TEreignisAufzeichner ereignisse;
        u.lesen->SetzeStoerungen(&stand);
        u.lesen->SetzeEreignisse(&ereignisse);
        bool abgebrochen = false;
        int g = 0;
        QObject::connect(&u.s.sim, &KompostSim::TSimulator::AntwortGesendet, [&](int, const QByteArray &a) {
            if (a.startsWith('G') && ++g == 2)
                abgebrochen = true;
        });
        u.anzeige.abbruch = [&] { return abgebrochen; };
        QCOMPARE(u.lesen->DatenAuslesen(), 2);
        QCOMPARE(u.befehle(1), QByteArray("rGG"));
        const QByteArrayList l = Zeilen(u.dateiName());
        QCOMPARE(l.size(), 9 + 2);
        QVERIFY(l.at(10).startsWith("2;"));
        QCOMPARE(u.anzeige.zeilen.keys(), QList<int>({1, 2}));
        QCOMPARE(
            u.anzeige.ablauf,
            QStringList({"M:Daten auslesen abgebrochen.\n2 Datensätze in Datei gespeichert, 3 bleiben in "
                         "der Steuerung und kommen mit der nächsten Auslesung.",
                         "S:Abgebrochen: 2 Datensätze gespeichert, 3 in der Steuerung"}));
        QVERIFY(u.lesen->Abgebrochen());
        QVERIFY(!stand.Aktiv(TStoerung::Auslesung, 1));
        QVERIFY(ereignisse.auslesungen.isEmpty());
        // The rest waits in the controller for the next readout.
        QCOMPARE(u.s.sim.Anlage(1).Speicher().size(), size_t(3));
    }

    // While the connection is lost, the readout says so at once and tries
    // nothing: no frame, no file, no failed readout reported.
    void ohneVerbindung() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(3);
        QSignalSpy verloren(&u.s.komm->Verbindung, &TVerbindung::Verloren);
        QVERIFY(u.s.sim.SetTcpGesperrt(true));
        QVERIFY(verloren.wait(5000));
        u.s.sim.LoescheRahmen();
        TEreignisVerteiler verteiler;
        TStoerungsStand stand{verteiler};
        u.lesen->SetzeStoerungen(&stand);
        QCOMPARE(u.lesen->DatenAuslesen(), 0);
        QCOMPARE(u.anzeige.ablauf,
                 QStringList{QStringLiteral("W:") + u.s.komm->Verbindung.KeineVerbindungText()});
        QVERIFY(u.anzeige.ablauf.at(0).contains(
            QStringLiteral("Verbindung unterbrochen seit 09.12.2024 14:30:00")));
        QVERIFY(u.s.rahmen(1).isEmpty());
        QVERIFY(u.anzeige.fortschritt.isEmpty());
        QVERIFY(!stand.Aktiv(TStoerung::Auslesung, 1));
        QVERIFY(!QFile::exists(u.dateiName()));
    }

    // A plant that does not answer: nothing is asked, nothing said.
    void nichtAngeschlossen() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(3);
        u.s.z.Anlagen[1].Eingeschaltet = 0;
        u.s.z.Anlagen[1].Angeschlossen = 0;
        QCOMPARE(u.lesen->DatenAuslesen(), 0);
        QVERIFY(u.s.rahmen(1).isEmpty());
        QVERIFY(u.anzeige.ablauf.isEmpty());
        QVERIFY(u.anzeige.fortschritt.isEmpty());
        QVERIFY(!u.s.komm->Abfrage.TimerLaeuft()); // the timer was never touched
        QVERIFY(u.dateiName().isEmpty());
    }

    // A plant switched off whose pile ended before every record was read:
    // the records left in the controller go into that pile's file, the one
    // the configuration still names, numbered on, and into the table; with
    // none waiting, or no such file, the operator hears so. Nothing ever
    // goes into another file, nor is a file made for them.
    void ausgeschaltet_data() {
        QTest::addColumn<int>(
            "fall"); // 0 read, 1 none waiting, 2 no file named, 3 file gone, 4 count unreadable
        QTest::addColumn<int>("gelesen");
        QTest::addColumn<QByteArray>("befehle");
        QTest::addColumn<bool>("fehlschlag");
        QTest::newRow("leftovers read") << 0 << 4 << QByteArray("rGGGG") << false;
        QTest::newRow("none waiting") << 1 << 0 << QByteArray("r") << false;
        QTest::newRow("no file named") << 2 << 0 << QByteArray("r") << true;
        QTest::newRow("file gone") << 3 << 0 << QByteArray("r") << true;
        QTest::newRow("count unreadable") << 4 << 0 << QByteArray("r") << true;
    }
    void ausgeschaltet() {
        QFETCH(int, fall);
        QFETCH(int, gelesen);
        QFETCH(QByteArray, befehle);
        QFETCH(bool, fehlschlag);
        TLeseUmgebung u;
        QVERIFY(u.starte());
        // The ended pile: three records in its file, the configuration naming it.
        tAnlageParameter &a = u.s.z.Anlagen[1];
        a.Datei.clear();
        QVERIFY(u.datei->OpenDataFile(1));
        tAnlageMesswerte w;
        w.T = {0, 61, 58, 50, 41, 33};
        for (int i = 0; i < 3; ++i)
            QVERIFY(u.datei->WriteDataRecord(1, QStringLiteral("0%1.12.2024  12:00").arg(i + 1), w));
        QVERIFY(u.datei->CloseDataFile(1));
        const QString alt = a.Datei;
        a.Datei.clear();
        a.Anzahl = 0;
        a.Eingeschaltet = 0;
        u.s.sim.Anlage(1).SetEingeschaltet(false);
        if (fall != 1)
            u.s.sim.Anlage(1).FuelleSpeicher(4);
        if (fall == 2)
            QVERIFY(u.ini->WriteString(QStringLiteral("1"), QStringLiteral("Datei"), QString()));
        if (fall == 3)
            QVERIFY(QFile::remove(alt));
        if (fall == 4)
            u.s.sim.Stoerung(1).AnzahlErzwungen = 1001;
        TEreignisVerteiler verteiler;
        TStoerungsStand stand{verteiler};
        u.lesen->SetzeStoerungen(&stand);
        u.s.sim.LoescheRahmen();

        QCOMPARE(u.lesen->DatenAuslesen(), gelesen);
        QCOMPARE(u.befehle(1), befehle);
        QCOMPARE(stand.Aktiv(TStoerung::Auslesung, 1), fehlschlag);
        QVERIFY(u.s.komm->Abfrage.TimerLaeuft());
        QVERIFY(!u.datei->IsOpen());
        QVERIFY(a.Datei.isEmpty());
        QCOMPARE(a.Anzahl, 0);
        QCOMPARE(u.s.sim.Anlage(1).Speicher().size(), size_t(fall == 0 || fall == 1 ? 0 : 4));
        const QString rest = QStringLiteral("W:In der Steuerung sind noch 4 Datensätze der vorigen Miete.\n");
        switch (fall) {
        case 0: {
            QCOMPARE(u.anzeige.ablauf,
                     QStringList({"M:" + Abgeschlossen,
                                  QStringLiteral("S:Werte in Datei der vorigen Miete gespeichert: ") + alt}));
            QCOMPARE(u.lesen->Datei(), alt);
            const QByteArrayList l = Zeilen(alt);
            QCOMPARE(l.size(), 9 + 7);
            for (int i = 1; i <= 7; ++i)
                QVERIFY(l.at(8 + i).startsWith(QByteArray::number(i) + ';'));
            QCOMPARE(u.anzeige.zeilen.keys(), QList<int>({1, 2, 3, 4}));
            QCOMPARE(u.anzeige.zeilen.value(4).at(1), Feld(l.at(15), 2));
            QCOMPARE(u.anzeige.anzahl, QStringLiteral("4"));
            QCOMPARE(u.ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 7);
            break;
        }
        case 1:
            QCOMPARE(u.anzeige.ablauf,
                     QStringList{QStringLiteral(
                         "M:Anlage ist ausgeschaltet.\nIn der Steuerung sind keine Datensätze.")});
            break;
        case 2:
            QCOMPARE(u.anzeige.ablauf,
                     QStringList{rest + QStringLiteral("Für die Anlage 1 ist keine Datendatei einer vorigen "
                                                       "Miete eingetragen.\nSie bleiben in der Steuerung.")});
            QCOMPARE(u.anzeige.anzahl, QStringLiteral("4"));
            break;
        case 3:
            QCOMPARE(u.anzeige.ablauf, QStringList{rest + QStringLiteral("Die Datendatei ") + alt +
                                                   QStringLiteral(" gibt es nicht mehr.\nSie bleiben in der "
                                                                  "Steuerung.")});
            QVERIFY(!QFile::exists(alt));
            break;
        default:
            QCOMPARE(u.anzeige.ablauf,
                     QStringList{"W:" + AnzahlText + "\n" + TSpeicherung::TextUnmoeglicheAnzahl(1001)});
        }
        if (fall != 0) {
            QVERIFY(u.lesen->Datei().isEmpty());
            QVERIFY(u.anzeige.zeilen.isEmpty());
            if (fall != 3)
                QCOMPARE(Zeilen(alt).size(), 9 + 3);
        }
        // No file was made for the leftovers.
        QCOMPARE(QDir(u.tmp.path()).entryList({QStringLiteral("*.CSV")}, QDir::Files),
                 fall == 3 ? QStringList() : QStringList{QFileInfo(alt).fileName()});
    }

    void dateiFehler() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(3);
        // A folder that does not exist: nothing is asked.
        u.s.z.Anlagen[1].Datei = u.tmp.filePath(QStringLiteral("fehlt/Miete.CSV"));
        QCOMPARE(u.lesen->DatenAuslesen(), 0);
        QCOMPARE(u.anzeige.ablauf,
                 QStringList{QStringLiteral("W:Speicherdatei kann nicht geöffnet werden !")});
        QVERIFY(u.s.rahmen(1).isEmpty());
        QVERIFY(!u.s.komm->Abfrage.TimerLaeuft());

        // A file that takes no records: the first record stays in the table
        // and is kept for the next readout, the loop ends.
        if (QFile::exists(QStringLiteral("/dev/full"))) {
            u.anzeige = TLeseAufzeichner{};
            u.s.z.Anlagen[1].Datei = QStringLiteral("/dev/full");
            QCOMPARE(u.lesen->DatenAuslesen(), 1);
            QCOMPARE(u.befehle(1), QByteArray("rG"));
            QCOMPARE(u.anzeige.ablauf.size(), 3);
            QCOMPARE(u.anzeige.ablauf.at(0), "M:" + Abgeschlossen);
            QVERIFY2(u.anzeige.ablauf.at(1).startsWith(
                         QStringLiteral("W:Daten wurden nicht korrekt gespeichert!!\nBitte "
                                        "Speichermedium überprüfen !!\n")) &&
                         u.anzeige.ablauf.at(1).contains(QStringLiteral("im Speicher gehalten")),
                     qPrintable(u.anzeige.ablauf.at(1)));
            QCOMPARE(u.anzeige.ablauf.at(2), QStringLiteral("S:"));
            QCOMPARE(u.anzeige.zeilen.keys(), QList<int>{1});
            QCOMPARE(u.datei->Gehalten().Anzahl(1), 1);

            // While the kept record cannot be written, nothing more is asked.
            u.anzeige = TLeseAufzeichner{};
            u.s.sim.LoescheRahmen();
            QCOMPARE(u.lesen->DatenAuslesen(), 0);
            QVERIFY(u.s.rahmen(1).isEmpty());
            QCOMPARE(u.anzeige.ablauf.size(), 1);
            QCOMPARE(u.datei->Gehalten().Anzahl(1), 1);
        }
    }

    // The offline readout as the others read: no more records than the disk
    // has room for (the rest stay in the controller, the operator hears how
    // many and why), and a record whose reply is lost is asked for once more.
    void platzUndWiederholung() {
        TLeseUmgebung u;
        QVERIFY(u.starte());
        u.s.sim.Anlage(1).FuelleSpeicher(5);
        const qint64 zeile = TDataFile::Zeilenbedarf(5);
        u.datei->Platzabfrage = [zeile](const QString &) { return TDataFile::Reserve + 2 * zeile + 10; };
        QCOMPARE(u.lesen->DatenAuslesen(), 2);
        QCOMPARE(u.befehle(1), QByteArray("rGG"));
        QCOMPARE(u.anzeige.anzahl, QStringLiteral("5"));
        QCOMPARE(u.anzeige.fortschritt, QList<int>({2, 0, 0, -1}));
        QCOMPARE(u.anzeige.ablauf.size(), 3);
        QCOMPARE(u.anzeige.ablauf.at(0), "M:" + Abgeschlossen);
        QVERIFY2(u.anzeige.ablauf.at(1).startsWith(
                     QStringLiteral("W:Nur 2 von 5 Datensätzen haben Platz; 3 bleiben in der Steuerung")),
                 qPrintable(u.anzeige.ablauf.at(1)));
        QCOMPARE(u.anzeige.ablauf.at(2), "S:" + Gespeichert);
        QCOMPARE(u.s.sim.Anlage(1).Speicher().size(), size_t(3));
        QCOMPARE(Zeilen(u.dateiName()).size(), 9 + 2);

        // Room again; the third "G" goes unanswered once.
        u.datei->Platzabfrage = nullptr;
        u.s.z.TimeoutLang = 300;
        u.anzeige = TLeseAufzeichner{};
        u.s.sim.LoescheRahmen();
        int g = 0;
        QObject::connect(&u.s.sim, &KompostSim::TSimulator::RahmenEmpfangen,
                         [&](const KompostSim::TSimRahmen &r) {
                             if (r.Befehl == 'G')
                                 u.s.sim.Stoerung(1).Stumm = ++g == 2;
                         });
        QCOMPARE(u.lesen->DatenAuslesen(), 3);
        QCOMPARE(u.befehle(1), QByteArray("rGGGG"));
        QCOMPARE(u.anzeige.ablauf, QStringList({"M:" + Abgeschlossen, "S:" + Gespeichert}));
        QByteArrayList nummern;
        for (const QByteArray &z : Zeilen(u.dateiName()).mid(9))
            nummern.append(z.left(z.indexOf(';')));
        QCOMPARE(nummern, QByteArrayList({"1", "2", "3", "4", "5"}));
    }

    // ---------------------------------------------------------------- cells

    void zellen_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<bool>("showRef");
        QTest::addColumn<QStringList>("datum"); // day, month, year, hour, minute
        QTest::addColumn<QStringList>("zellen");
        QTest::addColumn<QString>("titelT5");
        QTest::addColumn<QString>("titelRef");
        const QStringList gut{"09", "12", "2024", "14", "30"};
        QTest::newRow("°C")
            << false << true << gut
            << QStringList{"7",     "09.12.2024  14:30", "  55",  "  50",  "  45", "  40", "  -5",
                           " 20,9", "O2-Regelung",       "   12", "    4", "  50"}
            << "T5[°C]"
            << "s 55°C[cm]";
        QTest::newRow("°F")
            << true << true << gut
            << QStringList{"7",     "09.12.2024  14:30", " 131",  " 122",  " 113", " 104", "  23",
                           " 20,9", "O2-Regelung",       "   12", "    4", "  19"}
            << "T5[°F]"
            << "s 131°F[in]";
        QTest::newRow("ohne Tiefe")
            << false << false << gut
            << QStringList{"7",     "09.12.2024  14:30", "  55",  "  50",  "  45", "  40", "  -5",
                           " 20,9", "O2-Regelung",       "   12", "    4", ""}
            << "T5[°C]"
            << "";
        QTest::newRow("Datum unlesbar")
            << false << true << QStringList{"x9", "12", "2024", "14", "30"}
            << QStringList{"7",     "30.12.1899  00:00", "  55",  "  50",  "  45", "  40", "  -5",
                           " 20,9", "O2-Regelung",       "   12", "    4", "  50"}
            << "T5[°C]"
            << "s 55°C[cm]";
        QTest::newRow("Datum unmöglich")
            << false << true << QStringList{"31", "02", "2024", "25", "30"}
            << QStringList{"7",     "30.12.1899  00:00", "  55",  "  50",  "  45", "  40", "  -5",
                           " 20,9", "O2-Regelung",       "   12", "    4", "  50"}
            << "T5[°C]"
            << "s 55°C[cm]";
    }
    void zellen() {
        QFETCH(bool, metric);
        QFETCH(bool, showRef);
        QFETCH(QStringList, datum);
        QFETCH(QStringList, zellen);
        QFETCH(QString, titelT5);
        QFETCH(QString, titelRef);
        TZustand z;
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z.Metric = metric;
        z.ShowRef = showRef;
        KompUtils::BildeRefText(z);
        z.DsTag = datum.at(0);
        z.DsMonat = datum.at(1);
        z.DsJahr = datum.at(2);
        z.DsStunde = datum.at(3);
        z.DsMinute = datum.at(4);
        tAnlageMesswerte &w = z.DatensatzWerte;
        w.T = {0, 55, 50, 45, 40, -5};
        w.O2 = 209;
        w.RefMarke = 50;
        w.Betriebsart = 3;
        w.Laufzeit = 12;
        w.Zyklen = 4;
        QCOMPARE(TDatenLesen::Zellen(z, 7), zellen);
        // the operating mode by its name, as the live display names it; a number no mode has as it is
        for (const auto &[art, name] : {std::pair<int, const char *>{0, "Manuell- AUS"},
                                        {1, "Manuell- EIN"},
                                        {2, "Intervall"},
                                        {4, "Steuerbetrieb"},
                                        {9, "9"}}) {
            w.Betriebsart = static_cast<quint8>(art);
            QCOMPARE(TDatenLesen::Zellen(z, 7).at(8), QString::fromUtf8(name));
        }
        const QStringList titel = TDatenLesen::Spaltentitel(z);
        QCOMPARE(titel.size(), 12);
        QCOMPARE(titel.at(2), titelT5);
        QCOMPARE(titel.at(11), titelRef);
    }

    // ---------------------------------------------------------------- window

    void fenster() {
        TFensterUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(3);
        u.sim.Anlage(2).SetEingeschaltet(false);
        QVERIFY(u.lerne(4, {1, 2, 3}));
        u.z().AktAnlage = 3;
        auto w = u.fenster();
        QCOMPARE(w->windowTitle(), QStringLiteral("Daten Offline lesen"));
        // It opens on the current plant, with an empty table.
        QCOMPARE(w->TabControl1->count(), 4);
        QCOMPARE(w->TabControl1->currentIndex(), 2);
        QCOMPARE(w->MieteName->text(), QStringLiteral("Halle3"));
        QVERIFY(w->ToolBar1->isEnabled());
        QVERIFY(!w->PreviewButton->isEnabled());
        QVERIFY(!w->PrintButton->isEnabled());
        QCOMPARE(w->StringGrid1->zeilenAnzahl(), 20);
        QCOMPARE(GridZeile(*w->StringGrid1, 0),
                 QStringList({"", "Datum", "T5[°C]", "T4[°C]", "T3[°C]", "T2[°C]", "T1[°C]", "% O2",
                              "Betriebsart", "Laufzeit", "Zyklen", "s 55°C[cm]"}));
        QCOMPARE(w->StringGrid1->spaltenBreite(1), 120);
        QCOMPARE(w->StatusText(1), QStringLiteral("Status:"));
        QCOMPARE(w->StatusText(2), u.anlage(3).Datei);
        QCOMPARE(w->Ende2->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(w->Druckvorschau1->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
        QCOMPARE(w->Drucken1->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));

        // Plant 1 by its tab; its three records.
        w->TabControl1->setCurrentIndex(0);
        QCOMPARE(u.z().AktAnlage, quint16(1));
        u.sim.LoescheRahmen();
        bool warAus = true;
        u.dialoge.BeiMeldung = [&](const QString &) { warAus = warAus && !w->isEnabled(); };
        w->ToolButton1->click();
        QVERIFY(warAus);
        QVERIFY(w->isEnabled());
        QCOMPARE(u.befehle(1), QStringLiteral("rGGG"));
        QCOMPARE(w->AnzDaten1->text(), QStringLiteral("3"));
        QCOMPARE(w->DatenNr->text(), QStringLiteral("3"));
        QCOMPARE(w->StringGrid1->zeilenAnzahl(), 4);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(GridZeile(*w->StringGrid1, r), w->Lesen().Zeilen().at(r - 1));
        const QByteArrayList l = Zeilen(u.anlage(1).Datei);
        QCOMPARE(l.size(), 12);
        QCOMPARE(w->StringGrid1->Cells(1, 3), Feld(l.at(11), 2));
        QCOMPARE(w->StringGrid1->tabelle()->currentRow(), 2); // the newest row is selected
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        // a completion is no warning
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::Information);
        QCOMPARE(u.dialoge.Protokoll.at(0).text, Abgeschlossen);
        QCOMPARE(w->StatusText(2), Gespeichert);
        QVERIFY(!u.fMain->Aktiv().isVisible());
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(!u.lauf->Sperre.Belegt());

        // Plant 2 without pile: the table is emptied; the read-out button
        // finds no records left in its controller and says so.
        w->TabControl1->setCurrentIndex(1);
        QCOMPARE(w->MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QCOMPARE(w->StringGrid1->Cells(1, 1), QString());
        QCOMPARE(w->StringGrid1->Cells(0, 1), QString());
        QCOMPARE(w->AnzDaten1->text(), QStringLiteral("0"));
        QCOMPARE(w->StringGrid1->zeilenAnzahl(), 20);
        u.sim.LoescheRahmen();
        w->ToolButton1->click();
        QCOMPARE(u.befehle(2), QStringLiteral("r"));
        QCOMPARE(u.dialoge.Protokoll.size(), 2);
        QCOMPARE(u.dialoge.Protokoll.at(1).art, TSkriptDialoge::Art::Information);
        QCOMPARE(u.dialoge.Protokoll.at(1).text,
                 QStringLiteral("Anlage ist ausgeschaltet.\nIn der Steuerung sind keine Datensätze."));
        QVERIFY(!w->PreviewButton->isEnabled());
        QVERIFY(!w->PrintButton->isEnabled());

        // Plant 4 does not answer.
        w->TabControl1->setCurrentIndex(3);
        QCOMPARE(w->MieteName->text(), QStringLiteral("KEINE ANLAGE ANGESCHLOSSEN!!"));
        QVERIFY(!w->ToolBar1->isEnabled());
        QCOMPARE(u.z().AktAnlage, quint16(4));
    }

    // The window on a plant switched off whose ended pile left three records
    // in its controller: they are read into that pile's file (the one the
    // configuration names), shown, counted and printable; the status names
    // the file and so does the printout.
    void ausgeschaltetImFenster() {
        TFensterUmgebung u;
        u.sim.Anlage(1).SetEingeschaltet(false);
        u.sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(u.lerne(1, {1}));
        const QString alt = u.heim.filePath(QStringLiteral("Halle1_02-12-2024.CSV"));
        {
            QFile f(alt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Kompostwerk\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Halle1\r\nDatei  - Name: " +
                    alt.toUtf8() + "\r\n\r\nErste Datensicherung : 02.12.2024\r\n" +
                    TDataFile::ColumnTitles().toLatin1() + "\r\n");
            tAnlageMesswerte w;
            w.T = {0, 66, 62, 55, 47, 36};
            w.O2 = 142;
            f.write(TDataFile::RecordLine(1, QStringLiteral("02.12.2024  12:00"), w));
            f.write(TDataFile::RecordLine(2, QStringLiteral("03.12.2024  12:00"), w));
        }
        QVERIFY(u.lauf->Ini.WriteString(QStringLiteral("1"), QStringLiteral("Datei"), alt));
        u.fMain->StopTimer();
        auto w = u.fenster();
        QCOMPARE(w->MieteName->text(), QStringLiteral("Angeschlossene ANLAGE ist abgeschaltet!!"));
        QVERIFY(w->ToolBar1->isEnabled());
        u.sim.LoescheRahmen();
        w->ToolButton1->click();
        QCOMPARE(u.befehle(1), QStringLiteral("rGGG"));
        QCOMPARE(w->AnzDaten1->text(), QStringLiteral("3"));
        QCOMPARE(w->DatenNr->text(), QStringLiteral("3"));
        const QByteArrayList l = Zeilen(alt);
        QCOMPARE(l.size(), 9 + 5);
        for (int r = 1; r <= 3; ++r) {
            QVERIFY(l.at(10 + r).startsWith(QByteArray::number(2 + r) + ';'));
            QCOMPARE(w->StringGrid1->Cells(1, r), Feld(l.at(10 + r), 2));
        }
        QCOMPARE(u.dialoge.Meldungen(), QStringList{Abgeschlossen});
        QCOMPARE(w->StatusText(2), QStringLiteral("Werte in Datei der vorigen Miete gespeichert: ") + alt);
        QVERIFY(w->PreviewButton->isEnabled());
        const auto bericht = OfflineProtokoll(u.z(), u.lauf->Ini, 1, w->Lesen().Zeilen(), w->Lesen().Datei());
        QCOMPARE(bericht->DateiName->Text, alt);
        QVERIFY(u.anlage(1).Datei.isEmpty());
        QCOMPARE(u.anlage(1).Eingeschaltet, quint8(0));
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        // With KOMPOST_BILDER=<folder> set: the window after the readout.
        if (const QString ordner = qEnvironmentVariable("KOMPOST_BILDER"); !ordner.isEmpty()) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QVERIFY(w->grab().save(QDir(ordner).filePath(QStringLiteral("offline_vorige_miete.png"))));
        }
    }

    // A click on the busy window's text while the second record is on its way.
    void abbruchImFenster() {
        TFensterUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(6);
        QVERIFY(u.lerne(1, {1}));
        auto w = u.fenster();
        w->show();
        int g = 0;
        bool sichtbar = false;
        QString text;
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, [&](int, const QByteArray &a) {
            if (a.startsWith('G') && ++g == 2) {
                sichtbar = u.fMain->Aktiv().isVisible();
                text = u.fMain->Aktiv().Text->text();
                QTest::mouseClick(u.fMain->Aktiv().Text, Qt::LeftButton);
            }
        });
        w->ToolButton1->click();
        QVERIFY(sichtbar);
        // the busy window said that a click cancels
        QVERIFY2(text.contains(QStringLiteral("Ein Klick auf diesen Text bricht das Auslesen ab.")),
                 qPrintable(text));
        QCOMPARE(w->Lesen().GeleseneZeilen(), 2);
        QCOMPARE(w->StringGrid1->Cells(0, 2), QStringLiteral("2"));
        QCOMPARE(w->StringGrid1->Cells(1, 3), QString());
        QCOMPARE(Zeilen(u.anlage(1).Datei).size(), 9 + 2);
        QCOMPARE(u.sim.Anlage(1).Speicher().size(), size_t(4));
        QCOMPARE(w->StatusText(2),
                 QStringLiteral("Abgebrochen: 2 Datensätze gespeichert, 4 in der Steuerung"));
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::Information);
        QVERIFY(u.dialoge.Protokoll.at(0).text.startsWith(QStringLiteral("Daten auslesen abgebrochen.")));
    }

    // "&Offline Daten auslesen" of the live display: the display waits
    // disabled with its timers stopped; a tab chosen in the window becomes the
    // current plant.
    void ausDerLiveAnzeige() {
        TFensterUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        TFAnzeige anzeige(*u.fMain);
        anzeige.show();
        bool gesehen = false;
        QTimer::singleShot(50, [&] {
            auto *w = qobject_cast<TFDatenLesen1 *>(QApplication::activeModalWidget());
            QVERIFY(w);
            gesehen = true;
            QVERIFY(w->isEnabled());
            QVERIFY(!anzeige.isEnabled());
            QVERIFY(!anzeige.DispTimer.isActive());
            QVERIFY(!u.lauf->Komm.Abfrage.TimerLaeuft());
            w->TabControl1->setCurrentIndex(1);
            w->Ende2->trigger();
        });
        anzeige.OfflineDatenauslesen1Click();
        QVERIFY(gesehen);
        QVERIFY(anzeige.isEnabled());
        QVERIFY(anzeige.DispTimer.isActive());
        QVERIFY(u.lauf->Komm.Abfrage.TimerLaeuft());
        QVERIFY(!u.lauf->Sperre.Belegt());
        QCOMPARE(u.z().AktAnlage, quint16(2));
        anzeige.close();
    }

    // "&Offline Daten auslesen" of the main window, as the program wires it.
    void ausDemHauptfenster() {
        TFensterUmgebung u;
        QVERIFY(u.lerne(2, {1, 2}));
        QVERIFY(!u.fMain->OfflineItem->isEnabled());
        u.fMain->SetzeOeffner(TFMain::Fenster::Offline, [](TFMain &m) { ZeigeDatenLesen1(m, &m); });
        QVERIFY(u.fMain->OfflineItem->isEnabled());
        u.z().AktAnlage = 2;
        bool gesehen = false;
        QTimer::singleShot(50, [&] {
            auto *w = qobject_cast<TFDatenLesen1 *>(QApplication::activeModalWidget());
            QVERIFY(w);
            gesehen = true;
            QCOMPARE(w->parentWidget(), u.fMain.get());
            QCOMPARE(w->TabControl1->currentIndex(), 1);
            QCOMPARE(w->MieteName->text(), QStringLiteral("Halle2"));
            w->close();
        });
        u.fMain->OfflineItem->trigger();
        QVERIFY(gesehen);
    }

    // ---------------------------------------------------------------- printout

    void ausdruck_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<bool>("showRef");
        QTest::addColumn<QByteArray>("firma");
        QTest::addColumn<QStringList>("kopf");
        QTest::newRow("°C, Vorgaben")
            << false << true << QByteArray() << QStringList{"Firmen- Name", "* Text *"};
        QTest::newRow("°F, Firma")
            << true << true
            << QByteArray("[Firma]\nTitel=Kompostwerk Süd\nZeile2=Am Hang 3\nZeile3=Tel. 0815\n")
            << QStringList{"Kompostwerk Süd", "Am Hang 3", "Tel. 0815"};
        QTest::newRow("ohne Tiefe") << false << false << QByteArray() << QStringList{"Firmen- Name"};
    }
    void ausdruck() {
        QFETCH(bool, metric);
        QFETCH(bool, showRef);
        QFETCH(QByteArray, firma);
        QFETCH(QStringList, kopf);
        QTemporaryDir tmp;
        const QString iniName = tmp.filePath(QStringLiteral("O2_Tarvos.ini"));
        {
            QFile f(iniName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString::fromUtf8(firma).toLatin1().replace("\n", "\r\n"));
        }
        TIniDatei ini(iniName);
        TZustand z;
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z.Metric = metric;
        z.ShowRef = showRef;
        KompUtils::BildeRefText(z);
        z.Anlagen[2].Name = QStringLiteral("Halle 2");
        z.Anlagen[2].Datei = QStringLiteral("/daten/Halle-2_09-12-2024.CSV");
        z.Anlagen[2].Komm = QStringLiteral("Grünschnitt");
        const QList<QStringList> zeilen = Tabelle(z, 3);
        const auto b = OfflineProtokoll(z, ini, 2, zeilen);

        // Exactly three detail rows, numbered 1..3, and no chart.
        const std::vector<TSeite> seiten = b->Planen();
        QCOMPARE(seiten.size(), size_t(1));
        QList<int> nummern;
        for (const TGesetztesBand &band : seiten.front().Baender) {
            QVERIFY(band.Band->Art != TBandArt::Zusammenfassung);
            for (const TGesetztesFeld &feld : band.Felder)
                QVERIFY(feld.Feld->Art != TFeldArt::Diagramm);
            if (band.Band->Art == TBandArt::Detail)
                nummern.append(band.Zeile);
        }
        QCOMPARE(nummern, QList<int>({1, 2, 3}));

        const QString pdf = tmp.filePath(QStringLiteral("p.pdf"));
        QCOMPARE(BerichtAusgabe::AlsPdf(*b, pdf), 1);
        const QString text = PdfText(pdf);
        for (const QString &k : kopf)
            QVERIFY2(text.contains(k), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Halle 2")));
        QVERIFY(text.contains(QStringLiteral("/daten/Halle-2_09-12-2024.CSV")));
        QVERIFY(text.contains(QStringLiteral("Grünschnitt")));
        QCOMPARE(DetailNummern(text), QList<int>({1, 2, 3}));
        QCOMPARE(text.count(QStringLiteral("20,9")), 3);
        QVERIFY(text.contains(QStringLiteral("09.12.2024  01:30")) ||
                text.contains(QStringLiteral("09.12.2024 01:30")));
        const QString einheit = metric ? QStringLiteral("°F") : QStringLiteral("°C");
        for (int i = 1; i <= 5; ++i)
            QVERIFY2(text.contains(QStringLiteral("T%1[%2]").arg(i).arg(einheit)), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral(" 131 ")), metric ? 3 : 0);
        QCOMPARE(text.contains(QStringLiteral("Tiefe")), showRef);
        QCOMPARE(text.contains(z.RefText), showRef);
        QVERIFY(!text.contains(QStringLiteral("S 55°C[cm]")));
    }

    // A long readout: the rows run on over the pages, numbered on from 1.
    void ausdruckMehrereSeiten() {
        TZustand z;
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        KompUtils::BildeRefText(z);
        QTemporaryDir tmp;
        TIniDatei ini(tmp.filePath(QStringLiteral("O2_Tarvos.ini")));
        const auto b = OfflineProtokoll(z, ini, 1, Tabelle(z, 120));
        const QString pdf = tmp.filePath(QStringLiteral("p.pdf"));
        const int seiten = BerichtAusgabe::AlsPdf(*b, pdf);
        QVERIFY(seiten >= 2);
        QList<int> erwartet;
        for (int i = 1; i <= 120; ++i)
            erwartet.append(i);
        QCOMPARE(DetailNummern(PdfText(pdf)), erwartet);
    }

    // The window's preview and print buttons: enabled by rows read, the
    // printout of exactly those rows, "Werte ausgedruckt !" once printed.
    void ausdruckImFenster() {
        TFensterUmgebung u;
        u.sim.Anlage(1).FuelleSpeicher(4);
        QVERIFY(u.lerne(2, {1, 2}));
        auto w = u.fenster();
        QVERIFY(!w->PreviewButton->isEnabled());
        w->ToolButton1->click();
        QVERIFY(w->PreviewButton->isEnabled());
        QVERIFY(w->PrintButton->isEnabled());
        QVERIFY(w->Druckvorschau1->isEnabled());
        QVERIFY(w->Drucken1->isEnabled());

        const QString pdf = u.pfad(QStringLiteral("vorschau.pdf"));
        int vorschauen = 0;
        w->ZeigeVorschau = [&](TBericht &b) {
            ++vorschauen;
            QCOMPARE(BerichtAusgabe::AlsPdf(b, pdf), 1);
            // A second run (the preview draws again) gives the same rows.
            QCOMPARE(BerichtAusgabe::AlsBilder(b, 30).size(), 1);
        };
        w->Druckvorschau1->trigger();
        QCOMPARE(vorschauen, 1);
        const QString text = PdfText(pdf);
        QCOMPARE(DetailNummern(text), QList<int>({1, 2, 3, 4}));
        QVERIFY(text.contains(QStringLiteral("Halle1")));
        QVERIFY(text.contains(u.anlage(1).Datei));
        QCOMPARE(w->StatusText(2), Gespeichert);

        int gedruckt = 0;
        w->Drucke = [&](TBericht &b) {
            ++gedruckt;
            return b.Planen().size() == 1;
        };
        w->PrintButton->click();
        QCOMPARE(gedruckt, 1);
        QCOMPARE(w->StatusText(2), QStringLiteral("Werte ausgedruckt !"));

        // Another plant: the table and the buttons go back.
        w->TabControl1->setCurrentIndex(1);
        QVERIFY(!w->PreviewButton->isEnabled());
        QVERIFY(!w->Drucken1->isEnabled());
        w->Drucken1->trigger();
        QCOMPARE(gedruckt, 1);
    }
};

QTEST_MAIN(TestDatenLesen)
#include "tst_datenLesen.moc"

// The readout of the controllers' stored records into the data files, against
// the simulator: mixed plants in the quiet sweep, a timeout in mid-readout,
// and the messages of the variant with messages.
#include "../comm/SimAnschluss.h"
#include "display/USpeicherung.h"
#include "shell/UIniDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

struct TAnzeigeAufzeichner : ISpeicherAnzeige {
    QStringList meldungen;
    QStringList anzahl;
    QList<int> fortschritt; // maximum, then one 0 per step, -1 when hidden
    void Meldung(const QString &text) override { meldungen.append(text); }
    void AnzahlAnzeigen(const QString &text) override { anzahl.append(text); }
    void FortschrittZeigen(int maximum) override { fortschritt.append(maximum); }
    void FortschrittSchritt() override { fortschritt.append(0); }
    void FortschrittVerbergen() override { fortschritt.append(-1); }
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

// Every event a readout reports, one line each.
struct TEreignisAufzeichner : IEreignisse {
    QStringList ereignisse;
    QList<tAnlageMesswerte> werte;
    void DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                              const tAnlageMesswerte &w) override {
        ereignisse.append(QStringLiteral("Datensatz %1 %2 %3 %4")
                              .arg(anlage)
                              .arg(QFileInfo(datei).fileName())
                              .arg(nr)
                              .arg(zeit));
        werte.append(w);
    }
    void Speicherstand(int anlage, qint32 anzahl) override {
        ereignisse.append(QStringLiteral("Speicherstand %1 %2").arg(anlage).arg(anzahl));
    }
    void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) override {
        ereignisse.append(
            QStringLiteral("Auslesung %1 %2 %3 %4").arg(anlage).arg(ok).arg(gelesen).arg(grund));
    }
};

const QString timeoutText =
    QStringLiteral("TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- "
                   "Einstellung überprüfen!Bitte Kabel und PC- Einstellung überprüfen!");

} // namespace

class TestSpeicherung : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<TSimAnschluss> s;
    std::unique_ptr<TIniDatei> ini;
    std::unique_ptr<TDataFile> datei;
    TAnzeigeAufzeichner anzeige;
    std::unique_ptr<TSpeicherung> sp;

    void starte(int anlagen) {
        tmp = std::make_unique<QTemporaryDir>();
        QTemporaryDir &dir = *tmp;
        s = std::make_unique<TSimAnschluss>(anlagen);
        s->z.Heimordner = dir.path();
        s->z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        s->z.Jetzt = [] { return QDateTime(QDate(2024, 12, 9), QTime(14, 30)); };
        ini = std::make_unique<TIniDatei>(dir.filePath(QStringLiteral("O2_Tarvos.ini")), s->z.Gebietsschema);
        datei = std::make_unique<TDataFile>(s->z, *ini);
        anzeige = TAnzeigeAufzeichner{};
        sp = std::make_unique<TSpeicherung>(*s->komm, *datei, anzeige);
        QVERIFY(s->verbindeTcp());
        s->komm->Abfrage.StopTimer();
        for (int i = 1; i <= anlagen; ++i) {
            auto &a = s->z.Anlagen[static_cast<size_t>(i)];
            a.Name = QStringLiteral("Miete%1").arg(i);
            a.Pfad = dir.path() + QLatin1Char('/');
        }
    }

private slots:
    void cleanup() {
        sp.reset();
        datei.reset();
        ini.reset();
        s.reset();
        tmp.reset();
    }

    void sweepUeberGemischteAnlagen() {
        starte(3);
        s->sim.Anlage(1).FuelleSpeicher(25);
        s->sim.Anlage(2).SetEingeschaltet(false);
        s->sim.Stoerung(3).Stumm = true;
        s->alleAngeschlossen();
        s->z.Anlagen[2].Eingeschaltet = 0;
        s->sim.LoescheRahmen();

        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QVERIFY(sp->StoreControllerRecordsQuiet(2));
        QVERIFY(!sp->StoreControllerRecordsQuiet(3));
        QVERIFY(anzeige.meldungen.isEmpty());

        // Plant 1: the header and 25 record lines, numbered 1..25, and the count stored.
        const QString name = s->z.Anlagen[1].Datei;
        QCOMPARE(name, tmp->path() + QStringLiteral("/Miete1_09-12-2024.CSV"));
        const QByteArrayList l = zeilen(name);
        QCOMPARE(l.size(), 9 + 25);
        QCOMPARE(l.at(0), QByteArray("Firmen- Name\r"));
        QCOMPARE(l.at(4), QByteArray("Anlagen- Name: Miete1\r"));
        QVERIFY(l.at(9).startsWith("1;"));
        QVERIFY(l.at(33).startsWith("25;"));
        QCOMPARE(s->z.Anlagen[1].Anzahl, 25);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 25);
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(0));
        QCOMPARE(anzeige.anzahl, QStringList({QStringLiteral("25"), QString(), QString()}));

        // Plant 2 switched off: nothing asked. Plant 3 silent: 'r' twice, nothing read.
        QVERIFY(s->sim.Rahmen(2).isEmpty());
        QCOMPARE(s->sim.Rahmen(3).size(), 2);

        // A second readout appends without a second header.
        s->sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        const QByteArrayList l2 = zeilen(name);
        QCOMPARE(l2.size(), 9 + 27);
        QVERIFY(l2.at(35).startsWith("27;"));
    }

    void timeoutNachFuenfVonZehn() {
        starte(1);
        s->sim.Anlage(1).FuelleSpeicher(10);
        s->alleAngeschlossen();
        s->z.AktAnlage = 1;
        int gAntworten = 0;
        QObject::connect(&s->sim, &KompostSim::TSimulator::AntwortGesendet,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('G') && ++gAntworten == 5)
                                 s->sim.Stoerung(1).Stumm = true;
                         });
        QVERIFY(!sp->StoreControllerRecords());
        QCOMPARE(anzeige.meldungen, QStringList{timeoutText});
        QCOMPARE(zeilen(s->z.Anlagen[1].Datei).size(), 9 + 5);
        QCOMPARE(s->z.Anlagen[1].Anzahl, 5);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 5);
        QCOMPARE(anzeige.fortschritt, QList<int>({10, 0, 0, 0, 0, 0, -1}));
        // The other five wait in the controller for the next readout.
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(5));
    }

    // The listeners of the run hear the count, every record line once it is
    // on the disk, with the values it was made of, and the readout's end;
    // a readout cut short says how far it came and why.
    void ereignisseDerAuslesung() {
        starte(1);
        TEreignisAufzeichner hoerer;
        datei->SetzeEreignisse(&hoerer);
        sp->SetzeEreignisse(&hoerer);
        s->sim.Anlage(1).FuelleSpeicher(3);
        s->alleAngeschlossen();
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(hoerer.ereignisse.size(), 5);
        QCOMPARE(hoerer.ereignisse.first(), QStringLiteral("Speicherstand 1 3"));
        QCOMPARE(hoerer.ereignisse.last(), QStringLiteral("Auslesung 1 1 3 "));
        const QByteArrayList l = zeilen(s->z.Anlagen[1].Datei);
        for (int i = 0; i < 3; ++i) {
            const QString e = hoerer.ereignisse.at(i + 1);
            QVERIFY2(e.startsWith(QStringLiteral("Datensatz 1 Miete1_09-12-2024.CSV %1 ").arg(i + 1)),
                     qPrintable(e));
            // The line in the file is the one the reported values and time make.
            const QString zeit = e.section(QLatin1Char(' '), 4);
            QCOMPARE(l.at(9 + i) + '\n', TDataFile::RecordLine(i + 1, zeit, hoerer.werte.at(i)));
        }

        hoerer.ereignisse.clear();
        s->sim.Anlage(1).FuelleSpeicher(4);
        int gAntworten = 0;
        QObject::connect(&s->sim, &KompostSim::TSimulator::AntwortGesendet,
                         [&](int, const QByteArray &antwort) {
                             if (antwort.startsWith('G') && ++gAntworten == 2)
                                 s->sim.Stoerung(1).Stumm = true;
                         });
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(hoerer.ereignisse.size(), 4);
        QVERIFY(hoerer.ereignisse.at(2).startsWith(QStringLiteral("Datensatz 1 Miete1_09-12-2024.CSV 5 ")));
        QCOMPARE(hoerer.ereignisse.last(),
                 QStringLiteral("Auslesung 1 0 2 Keine Antwort auf die Anfrage nach Datensatz 3 von 4."));
    }

    void meldungen() {
        starte(2);
        s->alleAngeschlossen();
        s->z.AktAnlage = 2;

        // A count out of range: message, nothing read, but no failure.
        s->sim.Stoerung(2).AnzahlErzwungen = 1001;
        QVERIFY(sp->StoreControllerRecords());
        QCOMPARE(anzeige.meldungen,
                 QStringList{QStringLiteral(
                     "Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !")});
        QVERIFY(QFile::exists(s->z.Anlagen[2].Datei));

        // A data file that cannot be opened.
        anzeige = TAnzeigeAufzeichner{};
        s->z.Anlagen[2].Datei = tmp->filePath(QStringLiteral("fehlt/Miete.CSV"));
        QVERIFY(!sp->StoreControllerRecords());
        QCOMPARE(anzeige.meldungen.size(), 1);
        QVERIFY(anzeige.meldungen.at(0).startsWith(
            QStringLiteral("Speicherdatei kann nicht geöffnet werden !\n")));
        QVERIFY(anzeige.meldungen.at(0).contains(QStringLiteral("Miete.CSV")));
        QVERIFY(!datei->IsOpen());

        // A data file that cannot take the records: the readout stops at the first.
        if (QFile::exists(QStringLiteral("/dev/full"))) {
            anzeige = TAnzeigeAufzeichner{};
            s->sim.Stoerung(2).AnzahlErzwungen.reset();
            s->sim.Anlage(2).FuelleSpeicher(3);
            s->z.Anlagen[2].Datei = QStringLiteral("/dev/full");
            s->sim.LoescheRahmen();
            QVERIFY(!sp->StoreControllerRecords());
            QVERIFY(anzeige.meldungen.last().startsWith(QStringLiteral(
                "Daten wurden nicht korrekt gespeichert!!\nBitte Speichermedium überprüfen !!\n")));
            // the real reason, never the toolkit's "Unknown error"
            QVERIFY2(!anzeige.meldungen.last().contains(QStringLiteral("Unknown error")),
                     qPrintable(anzeige.meldungen.last()));
            QCOMPARE(s->sim.Rahmen(2).size(), 2); // 'r' and one 'G'
        }
    }

    // A readout cut short by a crash (the count is written only when the file
    // is closed): the next readout numbers on after the file's last record
    // instead of repeating the numbers, and corrects the count.
    void nachAbsturzWeiterNummeriert() {
        starte(1);
        s->sim.Anlage(1).FuelleSpeicher(5);
        s->alleAngeschlossen();
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        // what the configuration holds after a kill in mid-readout
        QVERIFY(ini->WriteInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), 2));
        const QString name = s->z.Anlagen[1].Datei;
        {
            QFile f(name); // and the last line torn in mid-write
            QVERIFY(f.open(QIODevice::Append));
            f.write("6;09.12.2024  1");
        }
        // a new run reads the plant back from the configuration
        datei = std::make_unique<TDataFile>(s->z, *ini);
        sp = std::make_unique<TSpeicherung>(*s->komm, *datei, anzeige);
        s->z.Anlagen[1].Anzahl = ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), 0);
        QCOMPARE(s->z.Anlagen[1].Anzahl, 2);

        s->sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QByteArrayList nummern;
        for (const QByteArray &z : zeilen(name).mid(9))
            nummern.append(z.left(z.indexOf(';')));
        QCOMPARE(nummern, QByteArrayList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(s->z.Anlagen[1].Anzahl, 9);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 9);
    }

    // A data file that exists but is empty (created, then the program stopped)
    // gets its header before the first record; a file without the header of a
    // data file is never appended to, and nothing is asked of the controller.
    void leereUndFremdeDatei() {
        starte(2);
        s->alleAngeschlossen();
        s->sim.Anlage(1).FuelleSpeicher(2);
        s->sim.Anlage(2).FuelleSpeicher(2);
        const QString leer = tmp->filePath(QStringLiteral("leer.CSV"));
        const QString fremd = tmp->filePath(QStringLiteral("fremd.CSV"));
        QVERIFY(QFile(leer).open(QIODevice::WriteOnly));
        {
            QFile f(fremd);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Artikel;Menge\r\nKompost;12\r\n");
        }
        s->z.Anlagen[1].Datei = leer;
        s->z.Anlagen[2].Datei = fremd;

        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        const QByteArrayList l = zeilen(leer);
        QCOMPARE(l.size(), 9 + 2);
        QCOMPARE(l.at(0), QByteArray("Firmen- Name\r"));
        QVERIFY(l.at(9).startsWith("1;"));

        s->z.AktAnlage = 2;
        s->sim.LoescheRahmen();
        QVERIFY(!sp->StoreControllerRecords());
        QCOMPARE(anzeige.meldungen.size(), 1);
        QVERIFY(
            anzeige.meldungen.at(0).startsWith(QStringLiteral("Speicherdatei kann nicht geöffnet werden !")));
        QVERIFY2(anzeige.meldungen.at(0).contains(QStringLiteral("fremd.CSV")),
                 qPrintable(anzeige.meldungen.at(0)));
        QVERIFY(s->sim.Rahmen(2).isEmpty());
        QCOMPARE(s->sim.Anlage(2).Speicher().size(), size_t(2));
        QCOMPARE(zeilen(fremd).size(), 2);
    }

#if defined(Q_OS_LINUX)
    // Not enough room for the announced records (here a file size limit): the
    // readout asks for no record, says why, and the records stay in the controller.
    void zuWenigPlatz() {
        starte(1);
        s->alleAngeschlossen();
        s->z.AktAnlage = 1;
        s->sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(sp->StoreControllerRecords()); // creates the file with its header and two records
        const qint64 groesse = QFileInfo(s->z.Anlagen[1].Datei).size();
        s->sim.Anlage(1).FuelleSpeicher(25);
        s->sim.LoescheRahmen();
        anzeige = TAnzeigeAufzeichner{};

        rlimit alt{};
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit neu = alt;
        neu.rlim_cur = static_cast<rlim_t>(groesse + 10 * 80); // room for ten short lines
        const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &neu);
        const bool ok = sp->StoreControllerRecords();
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, altesSignal);

        QVERIFY(!ok);
        QCOMPARE(s->rahmen(1), QByteArrayList{QByteArray("\x01r")});
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(25));
        QCOMPARE(QFileInfo(s->z.Anlagen[1].Datei).size(), groesse);
        QCOMPARE(anzeige.meldungen.size(), 1);
        QVERIFY2(
            anzeige.meldungen.at(0).contains(QStringLiteral("%1 Bytes").arg(25 * TDataFile::MaxZeilenLaenge)),
            qPrintable(anzeige.meldungen.at(0)));
        QVERIFY(!sp->LastError().isEmpty());
        QCOMPARE(s->z.Anlagen[1].Anzahl, 2);
    }
#endif

    // A "G" whose reply is lost is asked once more: the readout goes on.
    void datensatzEinmalWiederholt() {
        starte(1);
        s->alleAngeschlossen();
        s->z.AktAnlage = 1;
        s->z.TimeoutLang = 300;
        s->sim.Anlage(1).FuelleSpeicher(6);
        int g = 0;
        const auto eineVerloren = QObject::connect(
            &s->sim, &KompostSim::TSimulator::RahmenEmpfangen, [&](const KompostSim::TSimRahmen &r) {
                if (r.Befehl == 'G')
                    s->sim.Stoerung(1).Stumm = ++g == 3; // the third goes unanswered
            });
        QVERIFY(sp->StoreControllerRecords());
        QVERIFY(anzeige.meldungen.isEmpty());
        QCOMPARE(g, 7);
        QCOMPARE(zeilen(s->z.Anlagen[1].Datei).size(), 9 + 6);
        QCOMPARE(s->z.Anlagen[1].Anzahl, 6);

        // two lost in a row end the readout with the timeout message
        QObject::disconnect(eineVerloren);
        s->sim.Anlage(1).FuelleSpeicher(6);
        g = 0;
        QObject::connect(&s->sim, &KompostSim::TSimulator::RahmenEmpfangen,
                         [&](const KompostSim::TSimRahmen &r) {
                             if (r.Befehl == 'G' && ++g >= 4)
                                 s->sim.Stoerung(1).Stumm = true;
                         });
        QVERIFY(!sp->StoreControllerRecords());
        QCOMPARE(anzeige.meldungen, QStringList{timeoutText});
        QCOMPARE(s->z.Anlagen[1].Anzahl, 6 + 3);
    }

    // A readout started while another request waits (from inside that
    // request's wait) asks nothing, ends at once and does not report success.
    void waehrendAndererAnfrage() {
        starte(2);
        s->alleAngeschlossen();
        s->sim.Anlage(1).FuelleSpeicher(4);
        s->sim.Stoerung(2).Stumm = true;
        int ergebnis = -1;
        QTimer::singleShot(50, [&] { ergebnis = sp->StoreControllerRecordsQuiet(1) ? 1 : 0; });
        QVERIFY(!s->komm->Abfrage.SendeUndWarte(1000, 2, Befehle::Status));
        QCOMPARE(ergebnis, 0);
        QVERIFY(s->sim.Rahmen(1).isEmpty());
        QVERIFY(sp->LastError().contains(QStringLiteral("wartet noch")));
        // afterwards the readout runs normally
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(s->z.Anlagen[1].Anzahl, 4);
    }
};

QTEST_GUILESS_MAIN(TestSpeicherung)
#include "tst_speicherung.moc"

// The readout of the controllers' stored records into the data files, against
// the simulator: mixed plants in the quiet sweep, a timeout in mid-readout,
// the messages of the variant with messages, and the disk: room for part of
// the records, a disk that fills in mid-readout (the record kept, also over a
// restart), a configuration that cannot take the count.
#include "../comm/SimAnschluss.h"
#include "display/USpeicherung.h"
#include "kompost-sim/TSimOptionen.h"
#include "shell/UIniDatei.h"
#include "shell/UStoerungen.h"

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

// Every disturbance reported, one line each.
struct TStoerungsAufzeichner : IEreignisse {
    QStringList stoerungen;
    void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &) override {
        stoerungen.append(QStringLiteral("%1 %2 %3").arg(static_cast<int>(art)).arg(anlage).arg(aktiv));
    }
};

// The record numbers and storage times of a data file's record lines.
struct TSaetze {
    QByteArrayList nummern;
    QList<QDateTime> zeiten;
};
TSaetze saetze(const QString &datei) {
    TSaetze t;
    for (const QByteArray &z : zeilen(datei).mid(9)) {
        const QList<QByteArray> f = z.split(';');
        t.nummern.append(f.value(0));
        t.zeiten.append(
            QDateTime::fromString(QString::fromLatin1(f.value(1)), QStringLiteral("dd.MM.yyyy  hh:mm")));
    }
    return t;
}
QByteArrayList eins_bis(int n) {
    QByteArrayList l;
    for (int i = 1; i <= n; ++i)
        l.append(QByteArray::number(i));
    return l;
}
// Each storage time after the one before: in order, none twice.
bool aufsteigend(const QList<QDateTime> &zeiten) {
    for (qsizetype i = 0; i < zeiten.size(); ++i)
        if (!zeiten.at(i).isValid() || (i > 0 && zeiten.at(i) <= zeiten.at(i - 1)))
            return false;
    return true;
}

// A missing reply as the operator hears of it, over the serial line and the network.
const QString seriellTimeout =
    QStringLiteral("TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- "
                   "Einstellung überprüfen!Bitte Kabel und PC- Einstellung überprüfen!");
const QString timeoutText = QStringLiteral(
    "TIMEOUT bei der Netzwerkverbindung!\nBitte Netzwerkadapter und PC- Einstellung überprüfen!");

} // namespace

class TestSpeicherung : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<TSimAnschluss> s;
    std::unique_ptr<TIniDatei> ini;
    std::unique_ptr<TDataFile> datei;
    TAnzeigeAufzeichner anzeige;
    std::unique_ptr<TSpeicherung> sp;

    void starte(int anlagen, bool seriell = false) {
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
        QVERIFY(seriell ? s->verbindeSeriell() : s->verbindeTcp());
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

    // The timeout message names the transport in use.
    void timeoutNachFuenfVonZehn_data() {
        QTest::addColumn<bool>("seriell");
        QTest::addColumn<QString>("text");
        QTest::newRow("network") << false << timeoutText;
        QTest::newRow("serial line") << true << seriellTimeout;
    }
    void timeoutNachFuenfVonZehn() {
        QFETCH(bool, seriell);
        QFETCH(QString, text);
        starte(1, seriell);
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
        QCOMPARE(anzeige.meldungen, QStringList{text});
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

        // A count out of range: message with the count, nothing read, a failure.
        s->sim.Stoerung(2).AnzahlErzwungen = 1001;
        QVERIFY(!sp->StoreControllerRecords());
        QCOMPARE(
            anzeige.meldungen,
            QStringList{
                QStringLiteral(
                    "Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !\n") +
                TSpeicherung::TextUnmoeglicheAnzahl(1001)});
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

    // A controller announcing a count no controller can hold: nothing is
    // asked, and the readout fails with the count received (the log and the
    // alarm "Auslesung fehlgeschlagen" hear it), never a silent success.
    void unmoeglicheAnzahl_data() {
        QTest::addColumn<qint64>("anzahl");
        QTest::newRow("-1") << qint64(-1);
        QTest::newRow("1001") << qint64(1001);
        QTest::newRow("2147483647") << qint64(2147483647);
    }
    void unmoeglicheAnzahl() {
        QFETCH(qint64, anzahl);
        starte(1);
        s->alleAngeschlossen();
        TEreignisAufzeichner hoerer;
        sp->SetzeEreignisse(&hoerer);
        s->sim.Anlage(1).FuelleSpeicher(3);
        s->sim.Stoerung(1).AnzahlErzwungen = anzahl;
        s->sim.LoescheRahmen();
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(sp->Ergebnis(), TSpeicherung::TErgebnis::Fehler);
        QCOMPARE(s->rahmen(1), QByteArrayList{QByteArray("\x01r")});
        QVERIFY(sp->LastError().contains(TSpeicherung::TextUnmoeglicheAnzahl(static_cast<qint32>(anzahl))));
        QCOMPARE(hoerer.ereignisse.size(), 1);
        QVERIFY2(hoerer.ereignisse.last().startsWith(QStringLiteral("Auslesung 1 0 0 ")) &&
                     hoerer.ereignisse.last().contains(QString::number(anzahl)),
                 qPrintable(hoerer.ereignisse.last()));
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(3));
    }

    // Records the controller sends garbled are its only copy: each is kept
    // as a record line with its fields as they came (a line break, NUL or
    // ";" inside a field replaced, so the file keeps its lines), the
    // numbering goes on, the readers count the line unreadable, and the log
    // and the readout's result (the alarm) say which.
    void unlesbareDatensaetzeBleiben() {
        starte(1);
        s->alleAngeschlossen();
        TEreignisAufzeichner hoerer;
        datei->SetzeEreignisse(&hoerer);
        sp->SetzeEreignisse(&hoerer);
        s->sim.Anlage(1).FuelleSpeicher(6);
        QString fehler;
        KompostSim::TSimOptionen o;
        QVERIFY2(
            o.Lies({QStringLiteral("--bad-field"), QStringLiteral("G2:9:xx"), QStringLiteral("--bad-field"),
                    QStringLiteral("G3:11:\\r\\n01.01.2020 00:00:00 GEFAELSCHT\\0"),
                    QStringLiteral("--bad-field"), QStringLiteral("G5:3:5x1"), QStringLiteral("--bad-field"),
                    QStringLiteral("G6:13:3x")},
                   fehler),
            qPrintable(fehler));
        for (const auto &f : o.FeldFehler)
            s->sim.Stoerung(1).FeldFehler.append(f.Wert);

        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(sp->Gelesen(), 6);
        QVERIFY(s->sim.Anlage(1).Speicher().empty());
        QVERIFY(datei->Gehalten().Leer());
        const QString name = s->z.Anlagen[1].Datei;
        const QByteArrayList l = zeilen(name).mid(9);
        QCOMPARE(l.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(l.at(i).startsWith(QByteArray::number(i + 1) + ';') && l.at(i).endsWith(";\r"),
                     l.at(i).constData());
            QCOMPARE(l.at(i).count(';'), 12);
            QVERIFY(!l.at(i).chopped(1).contains('\r') && !l.at(i).contains('\0'));
        }
        QVERIFY2(l.at(1).contains(":xx;"), l.at(1).constData());
        // the day as it came, cut to the ten characters a date part may have
        QVERIFY2(l.at(2).startsWith("3;??01.01.20."), l.at(2).constData());
        QVERIFY2(l.at(4).contains(";5x1;") && l.at(4).contains(";    -;"), l.at(4).constData());
        QVERIFY2(l.at(5).contains(".203x  "), l.at(5).constData());

        // Only the readable records are told as readings.
        QStringList geschrieben;
        for (const QString &e : std::as_const(hoerer.ereignisse))
            if (e.startsWith(QStringLiteral("Datensatz")))
                geschrieben.append(e.section(QLatin1Char(' '), 3, 3));
        QCOMPARE(geschrieben, QStringList({"1", "4"}));
        const QString ende = hoerer.ereignisse.last();
        QVERIFY2(ende.startsWith(QStringLiteral("Auslesung 1 0 6 ")), qPrintable(ende));
        for (const char *nr : {"Datensatz 2 ", "Datensatz 3 ", "Datensatz 5 ", "Datensatz 6 "})
            QVERIFY2(ende.contains(QLatin1String(nr)), qPrintable(ende));
        QVERIFY2(ende.contains(QStringLiteral("T50 „5x1“")), qPrintable(ende));
        // The log names each; the reply itself is logged with the line's bytes escaped.
        const QStringList logUnlesbar = s->log.logZeilen.filter(QStringLiteral("unlesbaren Feldern"));
        QCOMPARE(logUnlesbar.size(), 4);
        QVERIFY2(logUnlesbar.at(1).contains(QStringLiteral("Tag „??01.01.2020 00:00:00 GEFAELSCHT?“")),
                 qPrintable(logUnlesbar.at(1)));
        QCOMPARE(
            s->log.logZeilen.filter(QStringLiteral("\\x0D\\x0A01.01.2020 00:00:00 GEFAELSCHT\\x00;")).size(),
            1);

        // Loader and protocols: six record lines, two plotted, four unreadable.
        TMessDaten m(s->z);
        QVERIFY(m.Load(name));
        QVERIFY(m.Valid());
        QCOMPARE(m.LineCount(), 6);
        m.BuildSeries(false, nullptr);
        QCOMPARE(m.PointCount(), 2);
        QCOMPARE(m.SkippedLines(), 4);
        QCOMPARE(m.FirstSkippedLine(), 11);

        // The next readout numbers on and succeeds again.
        s->sim.Stoerung(1).FeldFehler.clear();
        s->sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(saetze(name).nummern, eins_bis(8));
    }

    // A kept record is written out and taken off the list in one step that a
    // refused list or a crash cannot split: the list holds the number the
    // record gets; at the next start a record whose number the file has,
    // with the same line, only goes off the list. The refused list is said.
    void gehaltenerDatensatzNurEinmal_data() {
        QTest::addColumn<bool>("absturz");
        QTest::newRow("list refused") << false;
        QTest::newRow("crash before the list") << true;
    }
    void gehaltenerDatensatzNurEinmal() {
        QFETCH(bool, absturz);
        starte(1);
        s->alleAngeschlossen();
        bool gesichert = true;
        QString grund;
        datei->GehalteneGesichert = [&](bool ok, const QString &g) {
            gesichert = ok;
            grund = g;
        };
        s->sim.Anlage(1).FuelleSpeicher(5);
        bool voll = false;
        int datensaetze = 0;
        datei->Schreibsperre = [&](const QString &, const QByteArray &b) {
            if (!b.isEmpty() && b.at(0) >= '0' && b.at(0) <= '9' && ++datensaetze == 4)
                voll = true;
            return voll ? QStringLiteral("Datenträger voll") : QString();
        };
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(datei->Gehalten().Anzahl(1), 1);
        QCOMPARE(datei->Gehalten().VonAnlage(1).first().Nummer, 4);
        const QString liste = datei->Gehalten().Datei();
        QVERIFY(QFile::exists(liste));
        QFile alt(liste);
        QVERIFY(alt.open(QIODevice::ReadOnly));
        const QByteArray stand = alt.readAll();
        alt.close();

        // The disk takes records again; the list may not be rewritten (or the
        // program is killed right after the record went in).
        voll = false;
        datei->Schreibsperre = nullptr;
        if (!absturz)
            datei->Gehalten().Schreibsperre = [](const QString &) {
                return QStringLiteral("Schreibgeschützt");
            };
        QVERIFY(datei->GehalteneSchreiben(1));
        const QString name = s->z.Anlagen[1].Datei;
        QCOMPARE(saetze(name).nummern, eins_bis(4));
        if (absturz) {
            QVERIFY(gesichert);
            QFile neu(liste); // what the disk holds when the kill came first
            QVERIFY(neu.open(QIODevice::WriteOnly));
            neu.write(stand);
        } else {
            QVERIFY(!gesichert);
            QVERIFY2(grund.contains(QStringLiteral("Schreibgeschützt")), qPrintable(grund));
            QCOMPARE(datei->Gehalten().Anzahl(1), 0);
        }

        // The next start reads the stale list back; nothing is doubled.
        const std::unique_ptr<TDataFile> getoetet = std::move(datei);
        datei = std::make_unique<TDataFile>(s->z, *ini);
        sp = std::make_unique<TSpeicherung>(*s->komm, *datei, anzeige);
        QVERIFY(datei->GehalteneLaden());
        QCOMPARE(datei->Gehalten().Anzahl(1), 1);
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QVERIFY(datei->Gehalten().Leer());
        QVERIFY(!QFile::exists(liste));
        const TSaetze t = saetze(name);
        QCOMPARE(t.nummern, eins_bis(5));
        QVERIFY(aufsteigend(t.zeiten));
    }

    // A babbling line (random bytes, 64 kB/s and more) cannot write into
    // the log: received text reaches it escaped, one line per entry, within
    // LogBudget bytes a minute (the line saying what was left out beyond is
    // shown by the decoder's own test).
    void plappernderLeitungBegrenztesLog() {
        starte(2);
        s->alleAngeschlossen();
        s->sim.SetGeplapper(256000);
        s->komm->Abfrage.StartePolling();
        QTest::qWait(3000);
        s->komm->Abfrage.StopTimer();
        s->sim.SetGeplapper(0);
        qint64 zeichen = 0;
        for (const QString &e : std::as_const(s->log.logZeilen)) {
            zeichen += e.size();
            for (QChar c : e)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(e.left(200)));
        }
        // escaped, a received byte takes at most four characters; the frames sent are few
        QVERIFY2(zeichen <= 4 * TProtokoll::LogBudget + 20000, qPrintable(QString::number(zeichen)));
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
    // Room for some of the announced records only (here a real file size
    // limit): as many are read as fit at their real line length, nothing is
    // refused by the disk, the operator hears how many wait, and the rest
    // stay in the controller for the next readout, numbered on.
    void zuWenigPlatz() {
        starte(1);
        s->alleAngeschlossen();
        s->z.AktAnlage = 1;
        s->sim.Anlage(1).FuelleSpeicher(2);
        QVERIFY(sp->StoreControllerRecords()); // creates the file with its header and two records
        const QString name = s->z.Anlagen[1].Datei;
        const qint64 groesse = QFileInfo(name).size();
        s->sim.Anlage(1).FuelleSpeicher(25);
        s->sim.LoescheRahmen();
        anzeige = TAnzeigeAufzeichner{};

        rlimit alt{};
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit neu = alt;
        neu.rlim_cur = static_cast<rlim_t>(groesse + 10 * 80); // room for ten lines of 80 bytes
        const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &neu);
        const bool ok = sp->StoreControllerRecords();
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, altesSignal);

        QVERIFY(!ok);
        QCOMPARE(sp->Ergebnis(), TSpeicherung::TErgebnis::Fehler);
        const int gelesen = s->z.Anlagen[1].Anzahl - 2;
        // reckoned with a margin: fewer than ten, but not the nothing of a 200-byte reckoning
        QVERIFY2(gelesen >= 6 && gelesen <= 9, qPrintable(QString::number(gelesen)));
        QCOMPARE(s->rahmen(1).size(), 1 + gelesen);
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(25 - gelesen));
        QCOMPARE(zeilen(name).size(), 9 + 2 + gelesen);
        QVERIFY(QFileInfo(name).size() <= groesse + 10 * 80);
        QCOMPARE(anzeige.meldungen.size(), 1);
        QVERIFY2(anzeige.meldungen.at(0).startsWith(
                     QStringLiteral("Nur %1 von 25 Datensätzen haben Platz; %2 bleiben in der Steuerung")
                         .arg(gelesen)
                         .arg(25 - gelesen)),
                 qPrintable(anzeige.meldungen.at(0)));
        QVERIFY2(anzeige.meldungen.at(0).contains(QStringLiteral("es fehlen")),
                 qPrintable(anzeige.meldungen.at(0)));
        QCOMPARE(sp->LastError(), anzeige.meldungen.at(0));

        // With room again the rest follows, numbered on.
        QVERIFY(sp->StoreControllerRecords());
        QByteArrayList nummern;
        for (const QByteArray &z : zeilen(name).mid(9))
            nummern.append(z.left(z.indexOf(';')));
        QByteArrayList erwartet;
        for (int i = 1; i <= 27; ++i)
            erwartet.append(QByteArray::number(i));
        QCOMPARE(nummern, erwartet);
        QVERIFY(s->sim.Anlage(1).Speicher().empty());
    }
#endif

    // A disk nearly full for days: 600 records in the controller, room for
    // 300 lines. The 300 that fit are read and the rest stays in the
    // controller, said so; with room again the next day the rest follows,
    // numbered on, none twice.
    void platzFuerDieHaelfte() {
        starte(1);
        s->alleAngeschlossen();
        s->sim.Anlage(1).FuelleSpeicher(600);
        const qint64 zeile = TDataFile::Zeilenbedarf(600);
        qint64 frei = TDataFile::Reserve + 300 * zeile + zeile / 2;
        qint64 groesse = -1;
        // the volume's free space shrinks as the file grows
        datei->Platzabfrage = [&](const QString &pfad) {
            const qint64 jetzt = QFileInfo(pfad).size();
            if (groesse < 0)
                groesse = jetzt;
            return frei - (jetzt - groesse);
        };
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(sp->Ergebnis(), TSpeicherung::TErgebnis::Fehler);
        QCOMPARE(sp->Gelesen(), 300);
        QVERIFY2(sp->LastError().contains(QStringLiteral("300 bleiben in der Steuerung")),
                 qPrintable(sp->LastError()));
        QVERIFY2(sp->LastError().contains(QStringLiteral("es fehlen")), qPrintable(sp->LastError()));
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(300));
        QCOMPARE(zeilen(s->z.Anlagen[1].Datei).size(), 9 + 300);

        // The next day someone has made room.
        frei = qint64(1) << 40;
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(sp->Ergebnis(), TSpeicherung::TErgebnis::Gesichert);
        QVERIFY(s->sim.Anlage(1).Speicher().empty());
        const TSaetze t = saetze(s->z.Anlagen[1].Datei);
        QCOMPARE(t.nummern, eins_bis(600));
        QVERIFY(aufsteigend(t.zeiten));
    }

    // The disk is filled by someone else during a readout: the record that
    // arrives then (the controller has forgotten it) is kept, no more are
    // asked for; while the disk stays full nothing is asked; the kept record
    // survives a restart of the program (even one without an orderly end);
    // once the disk takes lines again it goes first, then the rest of the
    // controller, numbered on, none twice. Listeners hear of the failed
    // readout's disturbance once, and of its end.
    void schreibfehlerBeiHundertEins() {
        starte(1);
        s->alleAngeschlossen();
        TStoerungsAufzeichner hoerer;
        TStoerungsStand stoerungen(hoerer);
        sp->SetzeStoerungen(&stoerungen);
        s->sim.Anlage(1).FuelleSpeicher(200);
        int datensaetze = 0;
        bool voll = false;
        const auto sperre = [&](const QString &, const QByteArray &b) {
            if (!b.isEmpty() && b.at(0) >= '0' && b.at(0) <= '9' && ++datensaetze == 101)
                voll = true;
            return voll ? QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr verfügbar") : QString();
        };
        datei->Schreibsperre = sperre;
        s->sim.LoescheRahmen();
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(s->rahmen(1).size(), 1 + 101); // 'r' and 101 'G', none after the refused one
        QCOMPARE(sp->Gelesen(), 101);
        QVERIFY2(sp->LastError().contains(QStringLiteral("im Speicher gehalten")),
                 qPrintable(sp->LastError()));
        QCOMPARE(datei->Gehalten().Anzahl(1), 1);
        QCOMPARE(s->sim.Anlage(1).Speicher().size(), size_t(99));
        const QString name = s->z.Anlagen[1].Datei;
        QCOMPARE(zeilen(name).size(), 9 + 100);
        QCOMPARE(s->z.Anlagen[1].Anzahl, 100);

        // Still full the next day: the kept record cannot go in, nothing is asked.
        s->sim.LoescheRahmen();
        QVERIFY(!sp->StoreControllerRecordsQuiet(1));
        QVERIFY(s->rahmen(1).isEmpty());
        QCOMPARE(datei->Gehalten().Anzahl(1), 1);

        // The program is killed and started again: the old writer does not end
        // (it goes only when the test does), a new one starts on the same folder.
        const std::unique_ptr<TDataFile> getoetet = std::move(datei);
        datei = std::make_unique<TDataFile>(s->z, *ini);
        sp = std::make_unique<TSpeicherung>(*s->komm, *datei, anzeige);
        sp->SetzeStoerungen(&stoerungen);
        QVERIFY(datei->GehalteneLaden());
        QCOMPARE(datei->Gehalten().Anzahl(1), 1);

        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QVERIFY(datei->Gehalten().Leer());
        QVERIFY(s->sim.Anlage(1).Speicher().empty());
        const TSaetze t = saetze(name);
        QCOMPARE(t.nummern, eins_bis(200));
        QVERIFY(aufsteigend(t.zeiten));
        QCOMPARE(s->z.Anlagen[1].Anzahl, 200);
        QCOMPARE(ini->ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1), 200);
        QCOMPARE(hoerer.stoerungen, QStringList({"0 1 1", "0 1 0"}));
    }

    // Every record saved, but "Anzahl" could not be stored: the records are
    // reported as saved, and the configuration as not written.
    void anzahlNichtSchreibbar() {
        starte(1);
        s->alleAngeschlossen();
        TEreignisAufzeichner hoerer;
        sp->SetzeEreignisse(&hoerer);
        s->sim.Anlage(1).FuelleSpeicher(3);
        QVERIFY(sp->StoreControllerRecordsQuiet(1)); // the file and its name exist
        s->sim.Anlage(1).FuelleSpeicher(3);
        ini->Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
        hoerer.ereignisse.clear();
        QVERIFY(sp->StoreControllerRecordsQuiet(1));
        QCOMPARE(sp->Ergebnis(), TSpeicherung::TErgebnis::KonfigurationNichtGeschrieben);
        QVERIFY2(sp->LastError().contains(QStringLiteral("O2_Tarvos.ini")) &&
                     sp->LastError().contains(QStringLiteral("Schreibgeschützt")),
                 qPrintable(sp->LastError()));
        QCOMPARE(hoerer.ereignisse.last(), QStringLiteral("Auslesung 1 1 3 "));
        QCOMPARE(zeilen(s->z.Anlagen[1].Datei).size(), 9 + 6);
        // the file on the disk keeps the count it had
        QCOMPARE(TIniDatei(ini->DateiName()).ReadInteger(QStringLiteral("1"), QStringLiteral("Anzahl"), -1),
                 3);
    }

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

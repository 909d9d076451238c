// The hygienisation verdict: the longest span per criterion and basis, the
// 24-hour gap rule, unreadable lines, repeated records, a clock set back,
// implausible readings, the plant type, both closing lines, the °F texts, the
// data file's name and fingerprint, and the same verdict under every time zone.
#include "Zeitzone.h"
#include "data/UHygienisierung.h"
#include "data/UMessDaten.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Start(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC);

// A run of records: from start + abMin, every schrittMin minutes, anzahl records
// with core temperature kern and the other four sensors at rest.
struct TLauf {
    qint64 abMin;
    qint64 schrittMin;
    int anzahl;
    int kern;
    int rest;
};

QList<THygieneSatz> saetze(const QList<TLauf> &laeufe) {
    QList<THygieneSatz> l;
    for (const TLauf &lauf : laeufe)
        for (int i = 0; i < lauf.anzahl; ++i) {
            THygieneSatz s;
            s.Zeit = Start.addSecs((lauf.abMin + i * lauf.schrittMin) * 60);
            s.T = {0, lauf.kern, lauf.rest, lauf.rest, lauf.rest, lauf.rest};
            s.Rest = QByteArray::number(l.size()); // every record its own fan cycles
            l.append(s);
        }
    return l;
}

constexpr qint64 Std = 60;
constexpr qint64 Tag = 24 * Std;

constexpr TAnlagenArt Offen = TAnlagenArt::Offen;
constexpr TAnlagenArt Geschlossen = TAnlagenArt::Geschlossen;

const QByteArray DateiKopf =
    "Firma\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete1\r\nDatei  - Name: C:\\M.CSV\r\n\r\n"
    "Erste Datensicherung : 01.06.2026\r\n"
    " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n";

// A record line as the writer writes it; the time as the controller sent it.
QByteArray zeile(int nr, const QDate &datum, const QTime &zeit, std::array<qint32, 5> t) {
    tAnlageMesswerte w;
    for (size_t k = 0; k < 5; ++k)
        w.T[k + 1] = t[k];
    w.O2 = 152;
    w.Betriebsart = 3;
    w.Laufzeit = 12;
    w.Zyklen = nr;
    return TDataFile::RecordLine(nr,
                                 datum.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("  ") +
                                     zeit.toString(QStringLiteral("hh:mm")),
                                 w);
}

} // namespace

class TstHygienisierung : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_nr = 0;

    QString datei(const QByteArray &saetze) {
        const QString pfad = m_dir.filePath(QStringLiteral("Miete%1.CSV").arg(++m_nr));
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(DateiKopf + saetze);
        return pfad;
    }

private slots:
    // Which criteria are met on which basis, and which one the closing line
    // names (a closed plant: every criterion counts).
    void urteil_data() {
        QTest::addColumn<QList<THygieneSatz>>("daten");
        QTest::addColumn<QList<bool>>("kern"); // met on the core: 55/14, 65/7, 60/7
        QTest::addColumn<QList<bool>>("alle"); // met on the lowest sensor
        QTest::addColumn<int>("nachweis");
        QTest::addColumn<qint64>("laengste55Kern"); // minutes

        // every 6 hours from day 0 to day 14 exactly
        QTest::newRow("genau 14 Tage")
            << saetze({{0, 6 * Std, 57, 56, 56}}) << QList<bool>{true, false, false}
            << QList<bool>{true, false, false} << 0 << 14 * Tag;
        // hourly, 13 days 23 hours
        QTest::newRow("13 Tage 23 Stunden")
            << saetze({{0, Std, 13 * 24 + 24, 56, 56}}) << QList<bool>{false, false, false}
            << QList<bool>{false, false, false} << -1 << 13 * Tag + 23 * Std;
        // daily for 8 records, then 25 hours of silence, then daily again: 7 days each side
        QTest::newRow("Lücke von 25 Stunden")
            << saetze({{0, Tag, 8, 56, 56}, {7 * Tag + 25 * Std, Tag, 8, 56, 56}})
            << QList<bool>{false, false, false} << QList<bool>{false, false, false} << -1 << 7 * Tag;
        // exactly 24 hours apart does not break the span
        QTest::newRow("24 Stunden Abstand")
            << saetze({{0, Tag, 15, 56, 56}}) << QList<bool>{true, false, false}
            << QList<bool>{true, false, false} << 0 << 14 * Tag;
        // one record at 54 °C on day 7 breaks a 15-day run
        QTest::newRow("ein Wert darunter") << saetze({{0, 12 * Std, 14, 56, 56},
                                                      {7 * Tag, 12 * Std, 1, 54, 56},
                                                      {7 * Tag + 12 * Std, 12 * Std, 16, 56, 56}})
                                           << QList<bool>{false, false, false}
                                           << QList<bool>{false, false, false} << -1 << 7 * Tag + 12 * Std;
        // the core holds 60 °C for 15 days, the base only 40 °C
        QTest::newRow("Kern ja, Rand nein")
            << saetze({{0, 6 * Std, 61, 60, 40}}) << QList<bool>{true, false, true}
            << QList<bool>{false, false, false} << 0 << 15 * Tag;
        // 66 °C everywhere for exactly 7 days
        QTest::newRow("65 °C 7 Tage") << saetze({{0, 6 * Std, 29, 66, 66}}) << QList<bool>{false, true, true}
                                      << QList<bool>{false, true, true} << 1 << 7 * Tag;
        // 62 °C for 8 days: only the criterion of closed plants
        QTest::newRow("60 °C geschlossen")
            << saetze({{0, 6 * Std, 33, 62, 62}}) << QList<bool>{false, false, true}
            << QList<bool>{false, false, true} << 2 << 8 * Tag;
        // the clock set back by six days after eight days: the span goes on,
        // and counts only what the clock adds beyond the eight days, 8 + 2 days
        QTest::newRow("Zeit rückwärts")
            << saetze({{0, 6 * Std, 33, 56, 56}, {2 * Tag, 6 * Std, 33, 56, 56}})
            << QList<bool>{false, false, false} << QList<bool>{false, false, false} << -1 << 10 * Tag;
        QTest::newRow("keine Daten") << QList<THygieneSatz>{} << QList<bool>{false, false, false}
                                     << QList<bool>{false, false, false} << -1 << qint64(0);
    }
    void urteil() {
        QFETCH(QList<THygieneSatz>, daten);
        QFETCH(QList<bool>, kern);
        QFETCH(QList<bool>, alle);
        QFETCH(int, nachweis);
        QFETCH(qint64, laengste55Kern);
        const THygienisierung h = BewerteHygienisierung(daten, Geschlossen);
        for (size_t k = 0; k < 3; ++k) {
            QCOMPARE(h.Erfuellt[k][0], kern.at(static_cast<qsizetype>(k)));
            QCOMPARE(h.Erfuellt[k][1], alle.at(static_cast<qsizetype>(k)));
        }
        QCOMPARE(h.Nachweis, nachweis);
        QCOMPARE(h.Spanne[0][0].Minuten, laengste55Kern);
        QCOMPARE(h.Ausgewertet, daten.size());
        QCOMPARE(h.Ausgelassen, 0);
        QCOMPARE(h.Doppelt, 0);
        QCOMPARE(h.Unplausibel, 0);
    }

    void lueckeWirdGenannt() {
        const THygienisierung h =
            BewerteHygienisierung(saetze({{0, Tag, 8, 56, 56}, {7 * Tag + 25 * Std, Tag, 8, 56, 56}}), Offen);
        QCOMPARE(h.Luecken.size(), 1);
        const THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Luecken, QStringList{QStringLiteral("Lücke: 08.06.2026 08:00 – 09.06.2026 09:00")});
        QVERIFY(t.Rueckstellungen.isEmpty());
        // the longer span is the later one (7 days each: the first found stays)
        QCOMPARE(t.Zeilen.at(0).Spanne, QStringLiteral("01.06.2026 08:00 – 08.06.2026 08:00"));
        QCOMPARE(t.Zeilen.at(0).Dauer, QStringLiteral("7 Tage 0 Std."));
        QCOMPARE(t.Zeilen.at(0).Urteil, QStringLiteral("nicht erfüllt"));
        QCOMPARE(t.Schluss, QStringLiteral("Hygienisierung nicht nachgewiesen"));
        // In the user's locale, as the protocol's rows show their dates.
        const THygieneText gb = HygieneText(h, false, QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(gb.Luecken, QStringList{QStringLiteral("Lücke: 08/06/2026 08:00 – 09/06/2026 09:00")});
        QCOMPARE(gb.Zeilen.at(0).Spanne, QStringLiteral("01/06/2026 08:00 – 08/06/2026 08:00"));
    }

    // A line that cannot be read is left out; the span runs on across it only
    // when the records around it are no more than 24 hours apart.
    void unlesbareZeilen() {
        QList<THygieneSatz> d = saetze({{0, 12 * Std, 29, 56, 56}});
        THygieneSatz kaputt;
        kaputt.Lesbar = false;
        d.insert(10, kaputt);
        THygienisierung h = BewerteHygienisierung(d, Offen);
        QCOMPARE(h.Ausgelassen, 1);
        QCOMPARE(h.Ausgewertet, 29);
        QVERIFY(h.Erfuellt[0][0]);
        QCOMPARE(HygieneText(h, false).Ausgelassen,
                 QStringLiteral("Nicht lesbare Zeilen, nicht ausgewertet: 1"));

        // the same with the unreadable record standing for 30 hours of silence
        QList<THygieneSatz> e =
            saetze({{0, 12 * Std, 10, 56, 56}, {5 * Tag + 18 * Std, 12 * Std, 20, 56, 56}});
        e.insert(10, kaputt);
        h = BewerteHygienisierung(e, Offen);
        QCOMPARE(h.Ausgelassen, 1);
        QVERIFY(!h.Erfuellt[0][0]);
        QCOMPARE(h.Luecken.size(), 1);
    }

    // The 60 °C criterion counts for closed plants only: an open windrow
    // whose core held 62 °C for 8 days is not proven, its 60 °C lines stay in
    // the table, marked; the block names the plant type it used.
    void anlagenart() {
        const QList<THygieneSatz> d = saetze({{0, 6 * Std, 33, 62, 62}});
        THygienisierung h = BewerteHygienisierung(d, Offen);
        QVERIFY(h.Erfuellt[2][0]);
        QVERIFY(h.Erfuellt[2][1]);
        QVERIFY(!h.Nachgewiesen());
        QVERIFY(!h.AlleNachgewiesen());
        THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Anlagenart, QStringLiteral("Anlagenart: offen"));
        QCOMPARE(t.Schluss, QStringLiteral("Hygienisierung nicht nachgewiesen"));
        QCOMPARE(t.SchlussAlle, QStringLiteral("An allen Messstellen nicht nachgewiesen"));
        for (int i : {4, 5}) {
            QCOMPARE(t.Zeilen.at(i).Kriterium,
                     QStringLiteral("≥ 60 °C über 7 Tage, nur geschlossene Anlagen – nicht gewertet"));
            QCOMPARE(t.Zeilen.at(i).Anforderung, QStringLiteral("≥ 60 °C über 7 Tage"));
            QCOMPARE(t.Zeilen.at(i).Vermerk, QStringLiteral("nur geschlossene Anlagen – nicht gewertet"));
            QVERIFY(!t.Zeilen.at(i).Gewertet);
            // the span itself is long enough, but the criterion does not count here
            QVERIFY(t.Zeilen.at(i).Erfuellt);
            QCOMPARE(t.Zeilen.at(i).Urteil, QStringLiteral("nicht gewertet"));
        }
        QVERIFY(t.Zeilen.at(0).Gewertet);
        QVERIFY(t.Zeilen.at(0).Vermerk.isEmpty());

        // The same spans for a closed plant.
        SetzeAnlagenArt(h, Geschlossen);
        t = HygieneText(h, false);
        QCOMPARE(h.Nachweis, 2);
        QCOMPARE(t.Anlagenart, QStringLiteral("Anlagenart: geschlossen"));
        QCOMPARE(t.Schluss,
                 QStringLiteral(
                     "Hygienisierung nachgewiesen: ≥ 60 °C über 7 Tage im Kern, nur geschlossene Anlagen"));
        QCOMPARE(t.SchlussAlle,
                 QStringLiteral(
                     "An allen Messstellen nachgewiesen: ≥ 60 °C über 7 Tage, nur geschlossene Anlagen"));
        QCOMPARE(t.Zeilen.at(4).Kriterium, QStringLiteral("≥ 60 °C über 7 Tage, nur geschlossene Anlagen"));
        QVERIFY(t.Zeilen.at(4).Gewertet);
        QCOMPARE(t.Zeilen.at(4).Urteil, QStringLiteral("erfüllt"));
        // and back
        SetzeAnlagenArt(h, Offen);
        QVERIFY(!h.Nachgewiesen());
        QCOMPARE(h.Spanne[2][0].Minuten, 8 * Tag);

        // 66 °C counts for both types through the 65 °C criterion.
        for (TAnlagenArt art : {Offen, Geschlossen})
            QCOMPARE(BewerteHygienisierung(saetze({{0, 6 * Std, 33, 66, 66}}), art).Nachweis, 1);
    }

    // The second closing line speaks of the lowest of the five sensors: a
    // core that held the temperature while the surface stayed cold is proven
    // in the core only.
    void schlussAllerMessstellen_data() {
        QTest::addColumn<QList<THygieneSatz>>("daten");
        QTest::addColumn<QString>("schluss");
        QTest::addColumn<QString>("schlussAlle");
        QTest::newRow("Rand kalt") << saetze({{0, 6 * Std, 61, 60, 30}})
                                   << QStringLiteral(
                                          "Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern")
                                   << QStringLiteral("An allen Messstellen nicht nachgewiesen");
        QTest::newRow("überall") << saetze({{0, 6 * Std, 33, 70, 66}})
                                 << QStringLiteral("Hygienisierung nachgewiesen: ≥ 65 °C über 7 Tage im Kern")
                                 << QStringLiteral("An allen Messstellen nachgewiesen: ≥ 65 °C über 7 Tage");
        QTest::newRow("Rand länger als Kern")
            << saetze({{0, 6 * Std, 33, 54, 66}}) << QStringLiteral("Hygienisierung nicht nachgewiesen")
            << QStringLiteral("An allen Messstellen nicht nachgewiesen"); // the core is one of the five
        QTest::newRow("Kern 65, alle 55")
            << saetze({{0, 6 * Std, 61, 66, 56}})
            << QStringLiteral("Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern")
            << QStringLiteral("An allen Messstellen nachgewiesen: ≥ 55 °C über 14 Tage");
    }
    void schlussAllerMessstellen() {
        QFETCH(QList<THygieneSatz>, daten);
        QFETCH(QString, schluss);
        QFETCH(QString, schlussAlle);
        const THygieneText t = HygieneText(BewerteHygienisierung(daten, Offen), false);
        QCOMPARE(t.Schluss, schluss);
        QCOMPARE(t.SchlussAlle, schlussAlle);
        QCOMPARE(HygieneZeilen(t).mid(HygieneZeilen(t).size() - 2), (QStringList{schluss, schlussAlle}));
    }

    // The clock set back 30 minutes in the middle of a 9-day run at 66 °C
    // (a record every 30 minutes): no gap, the span goes on, the step is
    // listed, and the span counts only what the clock ran forwards.
    void uhrZurueckgestellt() {
        QList<THygieneSatz> d = saetze({{0, 30, 4 * 48 + 1, 66, 66}}); // 01.06. 08:00 ... 05.06. 08:00
        d.append(saetze({{4 * Tag - 30, 30, 5 * 48, 66, 66}}));        // 05.06. 07:30 ... 10.06. 07:00
        for (qsizetype i = 0; i < d.size(); ++i)
            d[i].Rest = QByteArray::number(i);
        const THygienisierung h = BewerteHygienisierung(d, Offen);
        QVERIFY(h.Luecken.isEmpty());
        QCOMPARE(h.Rueckstellungen.size(), 1);
        QCOMPARE(h.Doppelt, 0);
        QCOMPARE(h.Ausgewertet, d.size());
        QVERIFY(h.Erfuellt[1][0]);
        QVERIFY(h.Erfuellt[1][1]);
        QCOMPARE(h.Nachweis, 1);
        QCOMPARE(h.Spanne[1][0].Minuten, 9 * Tag - Std); // from 05.06. 08:00 on only what passes it
        QCOMPARE(h.Spanne[1][0].Saetze, int(d.size()));
        const THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Rueckstellungen,
                 QStringList{QStringLiteral("Uhrzeit zurückgestellt: 05.06.2026 08:00 – 05.06.2026 07:30")});
        QVERIFY(t.Luecken.isEmpty());
        QCOMPARE(t.Zeilen.at(2).Spanne, QStringLiteral("01.06.2026 08:00 – 10.06.2026 07:00"));
        QCOMPARE(t.Zeilen.at(2).Dauer, QStringLiteral("8 Tage 23 Std."));
        QCOMPARE(t.Schluss, QStringLiteral("Hygienisierung nachgewiesen: ≥ 65 °C über 7 Tage im Kern"));

        // A step back of days, then days forwards that never reach the
        // latest time again: nothing beyond the first four days is counted.
        const THygienisierung zurueck =
            BewerteHygienisierung(saetze({{0, Tag, 5, 56, 56}, {-3 * Tag, Tag, 5, 56, 56}}), Offen);
        QCOMPARE(zurueck.Spanne[0][0].Minuten, 4 * Tag);
        QCOMPARE(zurueck.Rueckstellungen.size(), 1);
        QVERIFY(zurueck.Luecken.isEmpty());
        // The same time with other values is a step back too (it adds nothing).
        QList<THygieneSatz> gleich = saetze({{0, Tag, 3, 56, 56}});
        gleich.insert(2, gleich.at(1));
        gleich[2].Rest = "anders";
        const THygienisierung g = BewerteHygienisierung(gleich, Offen);
        QCOMPARE(g.Rueckstellungen.size(), 1);
        QCOMPARE(g.Doppelt, 0);
        QCOMPARE(g.Spanne[0][0].Minuten, 2 * Tag);
    }

    // A clock step never lengthens a span beyond the time that passed: not
    // a single record stamped twelve hours early (the step forwards after it
    // is no time that passed), nor a clock set back twelve hours by mistake
    // and corrected three days later (the correction is no time that
    // passed). Records every 6 hours over 13 days 18 hours: not proven.
    // Adding up the forward steps would claim 14 days.
    void uhrsprungVerlaengertNicht_data() {
        QTest::addColumn<int>("von"); // the records stamped 12 hours early
        QTest::addColumn<int>("bis");
        QTest::newRow("ein Satz zu früh") << 20 << 21;
        QTest::newRow("zurückgestellt und berichtigt") << 20 << 32;
    }
    void uhrsprungVerlaengertNicht() {
        QFETCH(int, von);
        QFETCH(int, bis);
        QList<THygieneSatz> d = saetze({{0, 6 * Std, 56, 60, 60}}); // 13 days 18 hours
        for (int i = von; i < bis; ++i)
            d[i].Zeit = d[i].Zeit.addSecs(-12 * 3600);
        const THygienisierung h = BewerteHygienisierung(d, Offen);
        QCOMPARE(h.Rueckstellungen.size(), 1);
        QVERIFY(h.Luecken.isEmpty());
        QCOMPARE(h.Spanne[0][0].Minuten, 13 * Tag + 18 * Std);
        QVERIFY(!h.Erfuellt[0][0]);
        QVERIFY(!h.Nachgewiesen());
    }

    // A readout appended twice: every record of the second copy repeats one
    // of the first; the repeats are left out and counted, nothing is a step
    // back or a gap, the verdict is that of the single readout.
    void doppelteAuslesung() {
        QByteArray einmal;
        for (int i = 0; i < 15; ++i)
            einmal += zeile(i + 1, QDate(2026, 6, 1).addDays(i), QTime(8, 0), {56, 56, 56, 56, 56});
        QByteArray zweimal = einmal;
        for (int i = 0; i < 15; ++i) { // the writer numbers on after the last record
            const QByteArray z =
                zeile(i + 1, QDate(2026, 6, 1).addDays(i), QTime(8, 0), {56, 56, 56, 56, 56});
            zweimal += QByteArray::number(i + 16) + z.mid(z.indexOf(';'));
        }
        // the record numbers differ, the records are the same
        QVERIFY(zweimal.contains("\r\n16;01.06.2026  08:00;"));
        TZustand z;
        TMessDaten m(z);
        QVERIFY(m.Load(datei(zweimal)));
        const THygienisierung h = BewerteHygienisierung(m, Offen);
        QCOMPARE(h.Doppelt, 15);
        QCOMPARE(h.Ausgewertet, 15);
        QVERIFY(h.Luecken.isEmpty());
        QVERIFY(h.Rueckstellungen.isEmpty());
        QCOMPARE(h.Spanne[0][0].Minuten, 14 * Tag);
        QCOMPARE(h.Nachweis, 0);
        const THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Doppelt, QStringLiteral("Doppelte Datensätze, nicht gewertet: 15"));
        QVERIFY(t.Hinweise().contains(t.Doppelt));
        QVERIFY(HygieneZeilen(t).contains(t.Doppelt));
    }

    // A reading above 90 °C is a sensor fault: left out of the basis where it
    // occurs and counted; a span runs across it only when the records around
    // it are no more than 24 hours apart.
    void unplausibel_data() {
        QTest::addColumn<QList<THygieneSatz>>("daten");
        QTest::addColumn<int>("unplausibel");
        QTest::addColumn<int>("nachweis");
        QTest::addColumn<int>("nachweisAlle");
        QTest::addColumn<qint64>("kern65"); // the longest span at 65 °C on the core
        QTest::addColumn<qint64>("alle65"); // the same on every sensor

        QTest::newRow("Kern 150 °C, 15 Tage")
            << saetze({{0, Tag, 16, 150, 60}}) << 16 << -1 << -1 << qint64(0) << qint64(0);
        QTest::newRow("Kern 999 °C, 15 Tage")
            << saetze({{0, Tag, 16, 999, 999}}) << 16 << -1 << -1 << qint64(0) << qint64(0);
        QTest::newRow("genau 90 °C zählt")
            << saetze({{0, Tag, 16, 90, 90}}) << 0 << 0 << 0 << 15 * Tag << 15 * Tag;
        // the other sensors read 150 °C: the core is still believed
        QList<THygieneSatz> rand = saetze({{0, 6 * Std, 33, 70, 70}});
        for (THygieneSatz &s : rand)
            s.T[5] = 150;
        QTest::newRow("Rand 150 °C") << rand << 33 << 1 << -1 << 8 * Tag << qint64(0);
        // one faulty record between records 12 hours apart: the span goes on
        QList<THygieneSatz> eins = saetze({{0, 12 * Std, 17, 70, 70}});
        eins[8].T[1] = 150;
        QTest::newRow("einer, 12 Stunden") << eins << 1 << 1 << 1 << 8 * Tag << 8 * Tag;
        // between daily records: the neighbours are 48 hours apart, the span breaks
        QList<THygieneSatz> taeglich = saetze({{0, Tag, 9, 70, 70}});
        taeglich[4].T[1] = 150;
        QTest::newRow("einer, täglich") << taeglich << 1 << -1 << -1 << 3 * Tag << 3 * Tag;
    }
    void unplausibel() {
        QFETCH(QList<THygieneSatz>, daten);
        QFETCH(int, unplausibel);
        QFETCH(int, nachweis);
        QFETCH(int, nachweisAlle);
        QFETCH(qint64, kern65);
        QFETCH(qint64, alle65);
        const THygienisierung h = BewerteHygienisierung(daten, Offen);
        QCOMPARE(h.Unplausibel, unplausibel);
        QCOMPARE(h.Ausgewertet, daten.size());
        QCOMPARE(h.Nachweis, nachweis);
        QCOMPARE(h.NachweisAlle, nachweisAlle);
        QCOMPARE(h.Spanne[1][0].Minuten, kern65);
        QCOMPARE(h.Spanne[1][1].Minuten, alle65);
        QVERIFY(h.Luecken.isEmpty());
        const THygieneText t = HygieneText(h, false);
        if (unplausibel > 0) {
            QCOMPARE(
                t.Unplausibel,
                QStringLiteral("Unplausible Messwerte (über 90 °C), nicht gewertet: %1").arg(unplausibel));
            QCOMPARE(
                HygieneText(h, true).Unplausibel,
                QStringLiteral("Unplausible Messwerte (über 194 °F), nicht gewertet: %1").arg(unplausibel));
        } else {
            QVERIFY(t.Unplausibel.isEmpty());
        }
        if (kern65 == 0)
            QCOMPARE(t.Zeilen.at(2).Spanne, QStringLiteral("nie erreicht"));
    }

    void texte_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QList<THygieneSatz>>("daten");
        QTest::addColumn<QStringList>("kriterien");
        QTest::addColumn<QString>("schluss");
        const QStringList celsius{QStringLiteral("≥ 55 °C über 14 Tage"),
                                  QStringLiteral("≥ 65 °C über 7 Tage"),
                                  QStringLiteral("≥ 60 °C über 7 Tage, nur geschlossene Anlagen")};
        const QStringList fahrenheit{QStringLiteral("≥ 131 °F über 14 Tage"),
                                     QStringLiteral("≥ 149 °F über 7 Tage"),
                                     QStringLiteral("≥ 140 °F über 7 Tage, nur geschlossene Anlagen")};
        QTest::newRow("55 °C") << false << saetze({{0, 6 * Std, 57, 56, 56}}) << celsius
                               << QStringLiteral("Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern");
        QTest::newRow("60 °C") << false << saetze({{0, 6 * Std, 33, 62, 62}}) << celsius
                               << QStringLiteral("Hygienisierung nachgewiesen: ≥ 60 °C über 7 Tage im Kern, "
                                                 "nur geschlossene Anlagen");
        QTest::newRow("°F") << true << saetze({{0, 6 * Std, 29, 66, 66}}) << fahrenheit
                            << QStringLiteral("Hygienisierung nachgewiesen: ≥ 149 °F über 7 Tage im Kern");
    }
    void texte() {
        QFETCH(bool, metric);
        QFETCH(QList<THygieneSatz>, daten);
        QFETCH(QStringList, kriterien);
        QFETCH(QString, schluss);
        const THygieneText t = HygieneText(BewerteHygienisierung(daten, Geschlossen), metric);
        QCOMPARE(t.Zeilen.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(t.Zeilen.at(i).Kriterium, kriterien.at(i / 2));
            QCOMPARE(t.Zeilen.at(i).Basis,
                     i % 2 ? QStringLiteral("alle Messstellen") : QStringLiteral("Kern"));
        }
        QCOMPARE(t.Schluss, schluss);
        QVERIFY(t.Ausgelassen.isEmpty());
        QVERIFY(t.Hinweise().isEmpty());
        QVERIFY(t.Datei.isEmpty()); // no file, no fingerprint
        QVERIFY(t.Pruefsumme.isEmpty());
    }

    void dauerInTagenUndStunden() {
        const THygieneText t =
            HygieneText(BewerteHygienisierung(saetze({{0, Std, 13 * 24 + 24, 56, 56}}), Offen), false);
        QCOMPARE(t.Zeilen.at(0).Dauer, QStringLiteral("13 Tage 23 Std."));
        QCOMPARE(t.Zeilen.at(0).Spanne, QStringLiteral("01.06.2026 08:00 – 15.06.2026 07:00"));
        QCOMPARE(t.Zeilen.at(2).Spanne, QStringLiteral("nie erreicht")); // never 65 °C
    }

    // Through a data file: every record counts, whatever the day-end lines;
    // a line with letters in a temperature or without a readable time is left
    // out. The verdict names the file and the SHA-256 of its bytes.
    void ausDatei() {
        QByteArray saetze;
        int nr = 0;
        for (int i = 0; i <= 14 * 4; ++i) {
            const QDateTime t = Start.addSecs(i * 6 * 3600);
            QByteArray z = QByteArray::number(++nr) + ";" +
                           t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1() +
                           ";   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            if (i == 20)
                z = QByteArray::number(nr) +
                    ";01.06.2026  14:00;   6x;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            if (i == 30)
                z = QByteArray::number(nr) +
                    ";kaputt;   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            saetze += z;
        }
        const QString pfad = datei(saetze);
        TZustand z;
        TMessDaten d(z);
        QVERIFY(d.Load(pfad));
        QVERIFY(d.Valid());
        const THygienisierung h = BewerteHygienisierung(d, Offen);
        QCOMPARE(h.Ausgelassen, 2);
        QCOMPARE(h.Ausgewertet, 55);
        QVERIFY(h.Erfuellt[0][0]);
        QVERIFY(h.Erfuellt[0][1]);
        QCOMPARE(h.Spanne[0][0].Minuten, 14 * Tag);
        QCOMPARE(h.Nachweis, 0);

        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray summe = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        QCOMPARE(h.Datei, QFileInfo(pfad).fileName());
        QCOMPARE(h.Sha256, QString::fromLatin1(summe));
        const THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Datei, QStringLiteral("Datendatei: ") + QFileInfo(pfad).fileName());
        QCOMPARE(t.Pruefsumme, QStringLiteral("SHA-256: ") + QString::fromLatin1(summe));
        QVERIFY(QRegularExpression(QStringLiteral("^SHA-256: [0-9a-f]{64}$")).match(t.Pruefsumme).hasMatch());
        QCOMPARE(HygieneZeilen(t).mid(HygieneZeilen(t).size() - 2), (QStringList{t.Datei, t.Pruefsumme}));
    }

    // The controller's clock knows no summer time: a record stamped in the
    // hour the spring change skips, or twice in the autumn hour, counts like
    // any other under every time zone of the PC, and the times and lengths
    // are the controller's. Daily records at the hour of the change, and
    // half-hourly records through the night of the change.
    void zeitzonen_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("tag");
        QTest::addColumn<QTime>("uhrzeit");
        const struct {
            const char *name;
            QDate tag;
            QTime uhrzeit;
        } wechsel[] = {{"Frühling Berlin", QDate(2026, 3, 29), QTime(2, 30)},
                       {"Herbst Berlin", QDate(2026, 10, 25), QTime(2, 30)},
                       {"Frühling New York", QDate(2026, 3, 8), QTime(2, 30)},
                       {"Herbst New York", QDate(2026, 11, 1), QTime(1, 30)}};
        for (const char *zone : {"UTC", "Europe/Berlin", "America/New_York"})
            for (const auto &w : wechsel)
                QTest::addRow("%s, %s", zone, w.name) << QByteArray(zone) << w.tag << w.uhrzeit;
    }
    void zeitzonen() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, tag);
        QFETCH(QTime, uhrzeit);
        const TZeitzone tz(zone);
        // the zone is in force: it skips its spring hour
        if (zone == "Europe/Berlin")
            QVERIFY(TZeitzone::Uebersprungen(QDate(2026, 3, 29), QTime(2, 30)));
        if (zone == "America/New_York")
            QVERIFY(TZeitzone::Uebersprungen(QDate(2026, 3, 8), QTime(2, 30)));

        // 15 daily records at the hour of the change: 14 days at 66 °C
        QByteArray taeglich;
        for (int i = 0; i < 15; ++i)
            taeglich += zeile(i + 1, tag.addDays(i), uhrzeit, {66, 66, 66, 66, 66});
        TZustand z;
        TMessDaten m(z);
        QVERIFY(m.Load(datei(taeglich)));
        THygienisierung h = BewerteHygienisierung(m, Offen);
        QCOMPARE(h.Ausgelassen, 0);
        QCOMPARE(h.Ausgewertet, 15);
        QVERIFY(h.Luecken.isEmpty());
        QVERIFY(h.Rueckstellungen.isEmpty());
        QCOMPARE(h.Spanne[0][0].Minuten, 14 * Tag);
        QCOMPARE(h.Nachweis, 0);
        THygieneText t = HygieneText(h, false);
        const QString von =
            tag.toString(QStringLiteral("dd.MM.yyyy ")) + uhrzeit.toString(QStringLiteral("hh:mm"));
        const QString bis = tag.addDays(14).toString(QStringLiteral("dd.MM.yyyy ")) +
                            uhrzeit.toString(QStringLiteral("hh:mm"));
        QCOMPARE(t.Zeilen.at(0).Spanne, von + QStringLiteral(" – ") + bis);
        QCOMPARE(t.Zeilen.at(0).Dauer, QStringLiteral("14 Tage 0 Std."));
        QCOMPARE(t.Schluss, QStringLiteral("Hygienisierung nachgewiesen: ≥ 55 °C über 14 Tage im Kern"));

        // every 30 minutes from midnight to 05:00 of the day of the change: 5 hours
        QByteArray nacht;
        for (int i = 0; i <= 10; ++i)
            nacht += zeile(i + 1, tag, QTime(0, 0).addSecs(i * 1800), {66, 66, 66, 66, 66});
        QVERIFY(m.Load(datei(nacht)));
        h = BewerteHygienisierung(m, Offen);
        QCOMPARE(h.Ausgelassen, 0);
        QCOMPARE(h.Ausgewertet, 11);
        QVERIFY(h.Rueckstellungen.isEmpty());
        QCOMPARE(h.Spanne[1][0].Minuten, 5 * Std);
        QCOMPARE(h.Spanne[1][0].Saetze, 11);
        t = HygieneText(h, false);
        QCOMPARE(t.Zeilen.at(2).Spanne,
                 tag.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" 00:00 – ") +
                     tag.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" 05:00"));
        QCOMPARE(t.Zeilen.at(2).Dauer, QStringLiteral("0 Tage 5 Std."));
    }
};

QTEST_GUILESS_MAIN(TstHygienisierung)
#include "tst_hygienisierung.moc"

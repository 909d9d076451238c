// The hygienisation verdict: the longest span per criterion and basis, the
// 24-hour gap rule, unreadable lines, the closing line and the °F texts.
#include "data/UHygienisierung.h"
#include "data/UMessDaten.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Start(QDate(2026, 6, 1), QTime(8, 0));

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
            l.append(s);
        }
    return l;
}

constexpr qint64 Std = 60;
constexpr qint64 Tag = 24 * Std;

} // namespace

class TstHygienisierung : public QObject {
    Q_OBJECT

private slots:
    // Which criteria are met on which basis, and which one the closing line names.
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
        // a clock set back breaks the span
        QTest::newRow("Zeit rückwärts")
            << saetze({{0, 6 * Std, 33, 56, 56}, {2 * Tag, 6 * Std, 33, 56, 56}})
            << QList<bool>{false, false, false} << QList<bool>{false, false, false} << -1 << 8 * Tag;
        QTest::newRow("keine Daten") << QList<THygieneSatz>{} << QList<bool>{false, false, false}
                                     << QList<bool>{false, false, false} << -1 << qint64(0);
    }
    void urteil() {
        QFETCH(QList<THygieneSatz>, daten);
        QFETCH(QList<bool>, kern);
        QFETCH(QList<bool>, alle);
        QFETCH(int, nachweis);
        QFETCH(qint64, laengste55Kern);
        const THygienisierung h = BewerteHygienisierung(daten);
        for (size_t k = 0; k < 3; ++k) {
            QCOMPARE(h.Erfuellt[k][0], kern.at(static_cast<qsizetype>(k)));
            QCOMPARE(h.Erfuellt[k][1], alle.at(static_cast<qsizetype>(k)));
        }
        QCOMPARE(h.Nachweis, nachweis);
        QCOMPARE(h.Spanne[0][0].Minuten, laengste55Kern);
        QCOMPARE(h.Ausgewertet, daten.size());
        QCOMPARE(h.Ausgelassen, 0);
    }

    void lueckeWirdGenannt() {
        const THygienisierung h =
            BewerteHygienisierung(saetze({{0, Tag, 8, 56, 56}, {7 * Tag + 25 * Std, Tag, 8, 56, 56}}));
        QCOMPARE(h.Luecken.size(), 1);
        const THygieneText t = HygieneText(h, false);
        QCOMPARE(t.Luecken, QStringList{QStringLiteral("Lücke: 08.06.2026 08:00 – 09.06.2026 09:00")});
        // the longer span is the later one (7 days each: the first found stays)
        QCOMPARE(t.Zeilen.at(0).Spanne, QStringLiteral("01.06.2026 08:00 – 08.06.2026 08:00"));
        QCOMPARE(t.Zeilen.at(0).Dauer, QStringLiteral("7 Tage 0 Std."));
        QCOMPARE(t.Zeilen.at(0).Urteil, QStringLiteral("nicht erfüllt"));
        QCOMPARE(t.Schluss, QStringLiteral("Hygienisierung nicht nachgewiesen"));
    }

    // A line that cannot be read is left out; the span runs on across it only
    // when the records around it are no more than 24 hours apart.
    void unlesbareZeilen() {
        QList<THygieneSatz> d = saetze({{0, 12 * Std, 29, 56, 56}});
        THygieneSatz kaputt;
        kaputt.Lesbar = false;
        d.insert(10, kaputt);
        THygienisierung h = BewerteHygienisierung(d);
        QCOMPARE(h.Ausgelassen, 1);
        QCOMPARE(h.Ausgewertet, 29);
        QVERIFY(h.Erfuellt[0][0]);
        QCOMPARE(HygieneText(h, false).Ausgelassen,
                 QStringLiteral("Nicht lesbare Zeilen, nicht ausgewertet: 1"));

        // the same with the unreadable record standing for 30 hours of silence
        QList<THygieneSatz> e =
            saetze({{0, 12 * Std, 10, 56, 56}, {5 * Tag + 18 * Std, 12 * Std, 20, 56, 56}});
        e.insert(10, kaputt);
        h = BewerteHygienisierung(e);
        QCOMPARE(h.Ausgelassen, 1);
        QVERIFY(!h.Erfuellt[0][0]);
        QCOMPARE(h.Luecken.size(), 1);
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
        const THygieneText t = HygieneText(BewerteHygienisierung(daten), metric);
        QCOMPARE(t.Zeilen.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(t.Zeilen.at(i).Kriterium, kriterien.at(i / 2));
            QCOMPARE(t.Zeilen.at(i).Basis,
                     i % 2 ? QStringLiteral("alle Messstellen") : QStringLiteral("Kern"));
        }
        QCOMPARE(t.Schluss, schluss);
        QVERIFY(t.Ausgelassen.isEmpty());
    }

    void dauerInTagenUndStunden() {
        const THygieneText t =
            HygieneText(BewerteHygienisierung(saetze({{0, Std, 13 * 24 + 24, 56, 56}})), false);
        QCOMPARE(t.Zeilen.at(0).Dauer, QStringLiteral("13 Tage 23 Std."));
        QCOMPARE(t.Zeilen.at(0).Spanne, QStringLiteral("01.06.2026 08:00 – 15.06.2026 07:00"));
        QCOMPARE(t.Zeilen.at(2).Spanne, QStringLiteral("nie erreicht")); // never 65 °C
    }

    // Through a data file: every record counts, whatever the day-end lines;
    // a line with letters in a temperature or without a readable time is left out.
    void ausDatei() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Miete.CSV"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "Firma\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete1\r\nDatei  - Name: C:\\M.CSV\r\n\r\n"
            "Erste Datensicherung : 01.06.2026\r\n"
            " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n");
        int nr = 0;
        for (int i = 0; i <= 14 * 4; ++i) {
            const QDateTime t = Start.addSecs(i * 6 * 3600);
            QByteArray zeile = QByteArray::number(++nr) + ";" +
                               t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1() +
                               ";   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            if (i == 20)
                zeile = QByteArray::number(nr) +
                        ";01.06.2026  14:00;   6x;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            if (i == 30)
                zeile = QByteArray::number(nr) +
                        ";kaputt;   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n";
            f.write(zeile);
        }
        f.close();
        TZustand z;
        TMessDaten d(z);
        QVERIFY(d.Load(pfad));
        QVERIFY(d.Valid());
        const THygienisierung h = BewerteHygienisierung(d);
        QCOMPARE(h.Ausgelassen, 2);
        QCOMPARE(h.Ausgewertet, 55);
        QVERIFY(h.Erfuellt[0][0]);
        QVERIFY(h.Erfuellt[0][1]);
        QCOMPARE(h.Spanne[0][0].Minuten, 14 * Tag);
        QCOMPARE(h.Nachweis, 0);
    }
};

QTEST_GUILESS_MAIN(TstHygienisierung)
#include "tst_hygienisierung.moc"

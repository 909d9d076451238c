// Reply decoding: every reply kind whole and split at every byte, behind noise,
// two in one piece, invalid fields per kind, and the bounded receive buffer.
#include "Aufzeichner.h"
#include "comm/UProtokoll.h"

#include <QtTest>
#include <functional>

namespace {

struct Fall {
    const char *name;
    QByteArray text;
    int code;
    std::function<void(const TZustand &)> pruefe;
};

void pruefeC(const TZustand &z) {
    const tAnlageMesswerte &w = z.AbfrageWerte;
    QCOMPARE(w.Gueltig, 1);
    QCOMPARE(w.T, (std::array<qint32, 6>{0, 52, 51, 49, 40, 21}));
    QCOMPARE(w.O2, 153);
    QCOMPARE(w.Betriebsart, 3);
    QCOMPARE(w.Luefter, 1);
    QCOMPARE(w.Statuswert, 0);
    QCOMPARE(w.Laufzeit, 120);
    QCOMPARE(w.Zyklen, 45);
    QCOMPARE(w.RefMarke, 100); // all five below 55 °C
    QCOMPARE(w.Fehlabfragen, 0);
}

void pruefeG(const TZustand &z) {
    const tAnlageMesswerte &w = z.DatensatzWerte;
    QCOMPARE(w.Gueltig, 1);
    QCOMPARE(w.T, (std::array<qint32, 6>{0, 62, 65, 58, 45, 30}));
    QCOMPARE(w.O2, 152);
    QCOMPARE(w.Betriebsart, 3);
    QCOMPARE(w.Statuswert, 7);
    QCOMPARE(w.RefMarke, 44);
    QCOMPARE(w.Laufzeit, 12);
    QCOMPARE(w.Zyklen, 4);
    QCOMPARE(w.Luefter, 9); // no fan flag in a stored record: kept
    QCOMPARE(z.DsMinute, QStringLiteral("30"));
    QCOMPARE(z.DsStunde, QStringLiteral("14"));
    QCOMPARE(z.DsTag, QStringLiteral("09"));
    QCOMPARE(z.DsMonat, QStringLiteral("12"));
    QCOMPARE(z.DsJahr, QStringLiteral("2024"));
}

const QByteArray uhr = "T14:30:05   09.12.24  Mo  #1  "; // 30 characters

QList<Fall> gueltigeFaelle() {
    return {
        {"B", "B3;", 1, [](const TZustand &z) { QCOMPARE(z.Anlagen[5].Betriebsart, 3); }},
        {"B with leading separator", "B;3;", 1,
         [](const TZustand &z) { QCOMPARE(z.Anlagen[5].Betriebsart, 3); }},
        {"B low 8 bits", "B260;", 1, [](const TZustand &z) { QCOMPARE(z.Anlagen[5].Betriebsart, 4); }},
        {"R", "R15;30;60;50;125;5;120;60;9999;", 2,
         [](const TZustand &z) {
             const tAnlageSollwerte &s = z.Sollwerte;
             QCOMPARE(s.Gueltig, 1);
             QCOMPARE(s.Speicherintervall, 15);
             QCOMPARE(s.IntervallEin, 30);
             QCOMPARE(s.IntervallAus, 60);
             QCOMPARE(s.O2Ein, 50);
             QCOMPARE(s.O2Aus, 125);
             QCOMPARE(s.SteuerEin, 5);
             QCOMPARE(s.SteuerAus, 120);
             QCOMPARE(s.MaxEin, 60);
             QCOMPARE(s.MaxAus, 9999);
         }},
        {"r", "r25;", 16, [](const TZustand &z) { QCOMPARE(z.AnzahlDaten, 25); }},
        {"r negative", "r-1;", 16, [](const TZustand &z) { QCOMPARE(z.AnzahlDaten, -1); }},
        {"S", "S1;0;", 18,
         [](const TZustand &z) {
             QCOMPARE(z.Anlagen[5].Speicherstatus, 1);
             QCOMPARE(z.Anlagen[5].Eingeschaltet, 0);
         }},
        {"c", "c523;511;498;400;215;153;3;1;0;120;45;", 19, pruefeC},
        {"c with separator after letter", "c;523;511;498;400;215;153;3;1;0;120;45;", 19, pruefeC},
        {"c negative temperature", "c-15;-9;498;400;215;153;3;0;0;120;45;", 19,
         [](const TZustand &z) {
             QCOMPARE(z.AbfrageWerte.T[1], -1);
             QCOMPARE(z.AbfrageWerte.T[2], 0);
             QCOMPARE(z.AbfrageWerte.Luefter, 0);
         }},
        {"G", "G623;655;581;452;305;152;3;7;30;14;09;12;24;12;4;", 20, pruefeG},
        {"G year 07", "G623;655;581;452;305;152;3;7;30;14;09;12;07;12;4;", 20,
         [](const TZustand &z) { QCOMPARE(z.DsJahr, QStringLiteral("2007")); }},
        {"T", uhr, 21, [](const TZustand &z) { QCOMPARE(z.UhrText, QString::fromLatin1(uhr)); }},
    };
}

} // namespace

class TestEmpfangAuswerten : public QObject {
    Q_OBJECT
    TZustand z;
    TProtokoll *p = nullptr;
    TAufzeichner a;

    void neu() {
        delete p;
        z = TZustand{};
        z.AnlagenAnzahl = 8;
        z.AktAdresse = 5;
        z.DatensatzWerte.Luefter = 9;
        a.leeren();
        p = new TProtokoll(z);
        p->SetzeLog(&a);
    }

private slots:
    void init() { neu(); }
    void cleanup() {
        delete p;
        p = nullptr;
    }

    void jedeAntwortGanzUndGeteilt() {
        for (const Fall &f : gueltigeFaelle()) {
            // Whole, then split in two at every position, then byte by byte.
            for (int teil = 0; teil <= f.text.size() + 1; ++teil) {
                neu();
                QSignalSpy gemeldet(p, &TProtokoll::AntwortGemeldet);
                if (teil <= f.text.size()) {
                    p->EmpfangAuswerten(f.text.left(teil));
                    if (teil < f.text.size())
                        QVERIFY2(z.AntwortCode == 0, f.name);
                    p->EmpfangAuswerten(f.text.mid(teil));
                } else {
                    for (char c : f.text)
                        p->EmpfangAuswerten(QByteArray(1, c));
                }
                QVERIFY2(z.AntwortCode == f.code, f.name);
                QCOMPARE(gemeldet.size(), 1);
                QCOMPARE(gemeldet.at(0).at(0).toInt(), f.code);
                f.pruefe(z);
                QVERIFY2(z.EmpfangsPuffer.isEmpty(), f.name);
                QCOMPARE(a.logZeilen, QStringList{QString::fromLatin1(f.text)});
            }
        }
    }

    void rauschenDavor() {
        for (const Fall &f : gueltigeFaelle()) {
            neu();
            p->EmpfangAuswerten(QByteArray("\r\n\x00\xff#;;17 ", 10) + f.text);
            QVERIFY2(z.AntwortCode == f.code, f.name);
            f.pruefe(z);
            // Dropped characters are not logged; the reply's line starts with its letter.
            QCOMPARE(a.logZeilen, QStringList{QString::fromLatin1(f.text)});
        }
    }

    void zweiAntwortenInEinemStueck() {
        p->EmpfangAuswerten("B2;S1;1;");
        QCOMPARE(z.Anlagen[5].Betriebsart, 2);
        QCOMPARE(z.Anlagen[5].Speicherstatus, 1);
        QCOMPARE(z.Anlagen[5].Eingeschaltet, 1);
        QCOMPARE(z.AntwortCode, 18);
        QCOMPARE(a.logZeilen, QStringList({"B2;S1;1;", "S1;1;"}));
    }

    void folgendeTeilantwortWartet() {
        p->EmpfangAuswerten("c523;511;498;400;215;153;3;1;0;120;45;B");
        QCOMPARE(z.AntwortCode, 19);
        QCOMPARE(z.EmpfangsPuffer, QByteArray("B"));
        p->EmpfangAuswerten("4;");
        QCOMPARE(z.AntwortCode, 1);
        QCOMPARE(z.Anlagen[5].Betriebsart, 4);
    }

    void uhrNimmtGenau30Zeichen() {
        p->EmpfangAuswerten(uhr.left(29));
        QCOMPARE(z.AntwortCode, 0);
        p->EmpfangAuswerten(uhr.right(1) + "B1");
        QCOMPARE(z.AntwortCode, 21);
        QCOMPARE(z.UhrText.size(), 30);
        QCOMPARE(z.EmpfangsPuffer, QByteArray("B1"));
    }

    void ungueltigeFelder() {
        // B: not a number resets the reply code, the mode stays.
        z.Anlagen[5].Betriebsart = 2;
        z.AntwortCode = 7;
        p->EmpfangAuswerten("Bx;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.Anlagen[5].Betriebsart, 2);

        // S: both status bytes zeroed.
        neu();
        z.Anlagen[5].Speicherstatus = 3;
        z.Anlagen[5].Eingeschaltet = 1;
        p->EmpfangAuswerten("S");
        p->EmpfangAuswerten("x;1;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.Anlagen[5].Speicherstatus, 0);
        QCOMPARE(z.Anlagen[5].Eingeschaltet, 0);

        // R: the fields before the failure stay, no reply code, not valid.
        neu();
        p->EmpfangAuswerten("R15;30;x;50;125;5;120;60;9999;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.Sollwerte.Speicherintervall, 15);
        QCOMPARE(z.Sollwerte.IntervallEin, 30);
        QCOMPARE(z.Sollwerte.IntervallAus, 0);
        QCOMPARE(z.Sollwerte.Gueltig, 0);

        // c: the other temperatures stored, invalid, no reference depth, no reply code.
        neu();
        z.AbfrageWerte.RefMarke = -7;
        p->EmpfangAuswerten("c523;511;x;400;215;153;3;1;0;120;45;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.AbfrageWerte.Gueltig, 0);
        QCOMPARE(z.AbfrageWerte.T, (std::array<qint32, 6>{0, 52, 51, 0, 40, 21}));
        QCOMPARE(z.AbfrageWerte.RefMarke, -7);
        QCOMPARE(z.AbfrageWerte.O2, 153);

        // c: a bad O2 skips the mode; a bad running time skips the cycles.
        neu();
        p->EmpfangAuswerten("c523;511;498;400;215;x;3;1;0;1x;45;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.AbfrageWerte.Gueltig, 0);
        QCOMPARE(z.AbfrageWerte.Zyklen, 0);
    }

    // A stored record whose fields cannot all be read is the controller's
    // only copy: the reply is announced (not left to time out while the
    // controller has already forgotten it), not valid, with its fields as
    // they came; control characters in a field (which could break the data
    // file's lines) become "?".
    void unlesbarerDatensatzWirdGemeldet_data() {
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<int>("gueltig");
        QTest::addColumn<QByteArrayList>("felder");
        QTest::addColumn<QString>("minute");
        const QByteArrayList gut{"623", "655", "581", "452", "305", "152", "3", "7",
                                 "30",  "14",  "09",  "12",  "24",  "12",  "4"};
        QByteArrayList statusX = gut;
        statusX[7] = "?";
        QTest::newRow("status value")
            << QByteArray("G623;655;581;452;305;152;3;?;30;14;09;12;24;12;4;") << 0 << statusX << "30";
        QByteArrayList t3 = gut;
        t3[2] = "5x1";
        QTest::newRow("temperature") << QByteArray("G623;655;5x1;452;305;152;3;7;30;14;09;12;24;12;4;") << 0
                                     << t3 << "30";
        QByteArrayList zeit = gut;
        zeit[8] = "xx";
        QTest::newRow("minute as text, values readable")
            << QByteArray("G623;655;581;452;305;152;3;7;xx;14;09;12;24;12;4;") << 1 << zeit << "xx";
        QByteArrayList zeilenende = gut;
        zeilenende[8] = "3?";
        zeilenende[10] = "?0?9";
        QTest::newRow("CR LF NUL inside") << QByteArray("G623;655;581;452;305;152;3;7;3\r;14;\n0\x00"
                                                        "9;12;24;12;4;",
                                                        51)
                                          << 1 << zeilenende << "3?";
    }
    void unlesbarerDatensatzWirdGemeldet() {
        QFETCH(QByteArray, antwort);
        QFETCH(int, gueltig);
        QFETCH(QByteArrayList, felder);
        QFETCH(QString, minute);
        p->SendeBefehl(5, Befehle::Datensatz);
        p->EmpfangAuswerten(antwort);
        QCOMPARE(z.AntwortCode, 20);
        QCOMPARE(z.DatensatzWerte.Gueltig, gueltig);
        QCOMPARE(z.DsFelder, felder);
        QCOMPARE(z.DsMinute, minute);
        for (const QString &s : {z.DsMinute, z.DsStunde, z.DsTag, z.DsMonat, z.DsJahr})
            for (QChar c : s)
                QVERIFY(c.unicode() >= 0x20);
    }

    // What comes from the line reaches the log escaped: no received byte
    // can end the entry or forge another one.
    void logZeigtZeilenbytesMaskiert() {
        p->SendeBefehl(5, Befehle::Datensatz);
        p->EmpfangAuswerten(
            QByteArray("G623;655;581;452;305;152;3;7;30\r\n01.01.2020 00:00:00 GEFAELSCHT\\;14;\x00"
                       "9;12;24;12;4;",
                       82));
        QCOMPARE(z.AntwortCode, 20);
        const QString eintrag = a.logZeilen.last();
        QVERIFY2(eintrag.startsWith(QLatin1String("G623;")), qPrintable(eintrag));
        QVERIFY2(
            eintrag.contains(QLatin1String("30\\x0D\\x0A01.01.2020 00:00:00 GEFAELSCHT\\x5C;14;\\x009;")),
            qPrintable(eintrag));
        for (QChar c : eintrag)
            QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7F);
    }

    // A babbling line cannot fill the disk with log: beyond LogBudget bytes
    // of received text a minute nothing more of it is logged, and the next
    // minute's first entry is preceded by one line saying how many bytes were left out.
    void logBudgetJeMinute() {
        QDateTime jetzt(QDate(2026, 3, 1), QTime(10, 0));
        z.Jetzt = [&jetzt] { return jetzt; };
        const QByteArray antwort = "B3;";
        const qint64 passen = TProtokoll::LogBudget / antwort.size();
        for (qint64 i = 0; i < passen + 1000; ++i)
            p->EmpfangAuswerten(antwort);
        QCOMPARE(a.logZeilen.size(), passen);
        QCOMPARE(z.AntwortCode, 1); // decoding goes on all the same
        jetzt = jetzt.addSecs(61);
        p->SendeBefehl(5, Befehle::Betriebsart);
        QCOMPARE(a.logZeilen.size(), passen + 2);
        QVERIFY2(a.logZeilen.at(passen).contains(QLatin1String("3000")), qPrintable(a.logZeilen.at(passen)));
        QCOMPARE(a.logZeilen.at(passen + 1), QStringLiteral("5B"));
        p->EmpfangAuswerten(antwort);
        QCOMPARE(a.logZeilen.size(), passen + 3);
    }

    void datumsfelderHoechstens10Zeichen() {
        // The date and time texts of a stored record hold at most 10
        // characters; the year's "20" counts towards them.
        p->EmpfangAuswerten("G623;655;581;452;305;152;3;7;123456789012;14;09;12;123456789;12;4;");
        QCOMPARE(z.AntwortCode, 20);
        QCOMPARE(z.DsMinute, QStringLiteral("1234567890"));
        QCOMPARE(z.DsJahr, QStringLiteral("2012345678"));
        p->EmpfangAuswerten("G623;655;581;452;305;152;3;7;30;14;09;12;12345678;12;4;");
        QCOMPARE(z.DsJahr, QStringLiteral("2012345678"));
    }

    void rOhneZahlLaeuftWeiter() {
        // A count that is no number stores nothing, posts nothing, and the
        // decoder goes on with what follows.
        z.AnzahlDaten = 12;
        p->EmpfangAuswerten("rabc;");
        QCOMPARE(z.AntwortCode, 0);
        QCOMPARE(z.AnzahlDaten, 12);
        p->EmpfangAuswerten("r1e9;B3;");
        QCOMPARE(z.AnzahlDaten, 12);
        QCOMPARE(z.AntwortCode, 1);
        QCOMPARE(z.Anlagen[5].Betriebsart, 3);
        p->EmpfangAuswerten("r99999999999;");
        QCOMPARE(z.AnzahlDaten, 12);
    }

    void pufferBleibtBegrenzt() {
        // A reply letter followed by an endless run of digits never completes;
        // the buffer must not grow with it, and what follows still decodes.
        p->EmpfangAuswerten("c");
        const QByteArray ziffern(100, '7');
        for (int i = 0; i < 2000; ++i) {
            p->EmpfangAuswerten(ziffern);
            QVERIFY(z.EmpfangsPuffer.size() <= TProtokoll::MaxPuffer + 256);
        }
        p->EmpfangAuswerten(QByteArray(50000, '1') + "B3;");
        QVERIFY(z.EmpfangsPuffer.size() <= TProtokoll::MaxPuffer + 256);
        QCOMPARE(z.AntwortCode, 1);
        QCOMPARE(z.Anlagen[5].Betriebsart, 3);
        QVERIFY(z.EmpfangsPuffer.isEmpty());
    }

    // Reply letters that each begin a reply which never ends ("GGG…", "G123G123…"),
    // fed byte by byte and in large pieces: the buffer stays bounded, and the
    // reply to the next request is decoded whole (the request empties the
    // buffer, and the field count starts afresh).
    void endloseAntwortanfaenge_data() {
        QTest::addColumn<QByteArray>("rauschen");
        QTest::addColumn<int>("stueck");
        const QByteArray g(5000, 'G');
        QByteArray g1;
        while (g1.size() < 5000)
            g1 += "G123";
        QTest::newRow("GGG einzeln") << g << 1;
        QTest::newRow("GGG am stueck") << g << 100000;
        QTest::newRow("G123 einzeln") << g1 << 1;
        QTest::newRow("G123 in 7ern") << g1 << 7;
        QTest::newRow("G123 am stueck") << g1 << 100000;
    }
    void endloseAntwortanfaenge() {
        QFETCH(QByteArray, rauschen);
        QFETCH(int, stueck);
        for (qsizetype i = 0; i < rauschen.size(); i += stueck) {
            p->EmpfangAuswerten(rauschen.mid(i, stueck));
            QVERIFY(z.EmpfangsPuffer.size() <= TProtokoll::MaxPuffer + 256);
        }
        QCOMPARE(z.AntwortCode, 0);
        p->SendeBefehl(5, Befehle::Datensatz);
        const QByteArray antwort = "G623;655;581;452;305;152;3;7;30;14;09;12;24;12;4;";
        for (qsizetype i = 0; i < antwort.size(); i += stueck)
            p->EmpfangAuswerten(antwort.mid(i, stueck));
        QCOMPARE(z.AntwortCode, 20);
        pruefeG(z);
        QVERIFY(z.EmpfangsPuffer.isEmpty());
    }

    void initAnlagen() {
        z.AnlagenAnzahl = 3;
        for (size_t i = 1; i <= 4; ++i) {
            z.Anlagen[i].Angeschlossen = 1;
            z.Anlagen[i].Eingeschaltet = 1;
            z.Anlagen[i].Speicherstatus = 2;
            z.Anlagen[i].Betriebsart = 3;
            z.Anlagen[i].Anzahl = 10;
            z.Anlagen[i].Name = QStringLiteral("Miete");
            z.Messwerte[i].Gueltig = 1;
            z.Messwerte[i].T[1] = 60;
            z.Messwerte[i].Statuswert = 1;
            z.Messwerte[i].RefMarke = 40;
        }
        p->InitAnlagen();
        for (size_t i = 1; i <= 3; ++i) {
            QCOMPARE(z.Anlagen[i].Angeschlossen, 0);
            QCOMPARE(z.Anlagen[i].Eingeschaltet, 0);
            QCOMPARE(z.Anlagen[i].Speicherstatus, 2);
            QCOMPARE(z.Anlagen[i].Betriebsart, 3);
            QCOMPARE(z.Anlagen[i].Anzahl, 10);
            QCOMPARE(z.Anlagen[i].Name, QStringLiteral("Miete"));
            QCOMPARE(z.Messwerte[i].Gueltig, 0);
            QCOMPARE(z.Messwerte[i].T[1], 0);
            QCOMPARE(z.Messwerte[i].Statuswert, 255);
            QCOMPARE(z.Messwerte[i].RefMarke, 100);
        }
        QCOMPARE(z.Anlagen[4].Angeschlossen, 1);
        QCOMPARE(z.Messwerte[4].Gueltig, 1);
    }
};

QTEST_GUILESS_MAIN(TestEmpfangAuswerten)
#include "tst_empfangAuswerten.moc"

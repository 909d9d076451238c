// The common helpers: conversions, reference depth, field splitters, the IP
// address check and the message-pumping delay.
#include "shell/KompUtils.h"
#include "shell/UCp1252.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using namespace KompUtils;

class TestKompUtils : public QObject {
    Q_OBJECT
private slots:
    void ganzzahlUmrechnungen() {
        QCOMPARE(CelsiusNachFahrenheit(55), 131);
        QCOMPARE(CelsiusNachFahrenheit(-7), 20);
        QCOMPARE(CelsiusNachFahrenheit(0), 32);
        QCOMPARE(CmNachZoll(100), 39);
        QCOMPARE(CmNachZoll(25), 9);
        QCOMPARE(CmNachZoll(0), 0);
    }

    void realUmrechnungen() {
        QCOMPARE(CelsiusNachFahrenheitF(55.0), 131.1);
        QCOMPARE(FahrenheitNachCelsiusF(131.1), 55.1);
        QCOMPARE(CmNachZollF(100.0), 39.1);
        QCOMPARE(CelsiusNachFahrenheitF(30.0), 86.1);
        QCOMPARE(CelsiusNachFahrenheitF(80.0), 176.1);
    }

    void refMarke_data() {
        QTest::addColumn<QList<int>>("t");
        QTest::addColumn<double>("refTemp");
        QTest::addColumn<int>("marke");
        QTest::newRow("worked example") << QList<int>{62, 58, 50, 40, 30} << 55.0 << 65;
        QTest::newRow("all at reference") << QList<int>{55, 55, 55, 55, 55} << 55.0 << 0;
        QTest::newRow("all above") << QList<int>{70, 68, 66, 60, 56} << 55.0 << 0;
        QTest::newRow("core below") << QList<int>{54, 60, 60, 60, 60} << 55.0 << 100;
        QTest::newRow("k=3 fraction") << QList<int>{60, 60, 54, 40, 30} << 55.0 << 54;
        QTest::newRow("k=2") << QList<int>{60, 50, 50, 40, 30} << 55.0 << 87;
        QTest::newRow("equal neighbours") << QList<int>{56, 54, 54, 54, 54} << 55.0 << 87;
        QTest::newRow("colder above warmer") << QList<int>{56, 57, 40, 30, 20} << 55.0 << 72;
        QTest::newRow("edge crossing k=5") << QList<int>{70, 68, 66, 60, 50} << 55.0 << 12;
        QTest::newRow("negative temperatures") << QList<int>{-5, -6, -7, -8, -9} << 55.0 << 100;
        QTest::newRow("inverted pair d<0") << QList<int>{60, 40, 45, 30, 20} << 55.0 << 93;
        // a damaged file or reply: the difference of neighbours must not overflow
        QTest::newRow("extremes") << QList<int>{2147483647, -2147483647 - 1, 0, 0, 0} << 55.0 << 87;
    }
    void refMarke() {
        QFETCH(QList<int>, t);
        QFETCH(double, refTemp);
        QFETCH(int, marke);
        tAnlageMesswerte w;
        for (int k = 1; k <= 5; ++k)
            w.T[static_cast<size_t>(k)] = t.at(k - 1);
        w.RefMarke = -1;
        BerechneRefMarke(w, refTemp);
        QCOMPARE(w.RefMarke, marke);
    }

    // Paths the configuration and the data files (Windows-1252) can hold.
    void pfadMeldung() {
        QVERIFY(PfadMeldung(QStringLiteral("C:\\Kompost\\Müll € Š")).isEmpty());
        const QString m = PfadMeldung(QStringLiteral("/daten/Łódź"));
        // the path as the operator's system writes it
        QVERIFY2(m.contains(QDir::toNativeSeparators(QStringLiteral("/daten/Łódź"))) &&
                     m.contains(QStringLiteral("Łź")),
                 qPrintable(m));
    }

    void refText_data() {
        QTest::addColumn<double>("refTemp");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("text");
        QTest::newRow("default") << 55.0 << false << QStringLiteral("s 55°C[cm]");
        QTest::newRow("metric") << 55.0 << true << QStringLiteral("s 131°F[in]");
        QTest::newRow("54.5 to even") << 54.5 << false << QStringLiteral("s 54°C[cm]");
        QTest::newRow("55.5 to even") << 55.5 << false << QStringLiteral("s 56°C[cm]");
        QTest::newRow("55.1") << 55.1 << false << QStringLiteral("s 55°C[cm]");
    }
    void refText() {
        QFETCH(double, refTemp);
        QFETCH(bool, metric);
        QFETCH(QString, text);
        TZustand z;
        z.RefTemp = refTemp;
        z.Metric = metric;
        BildeRefText(z);
        QCOMPARE(z.RefText, text);
    }

    void naechstesFeld() {
        QByteArray s = ";12;;34;";
        QByteArray f;
        QVERIFY(NaechstesFeld(';', s, f));
        QCOMPARE(f, QByteArray("12"));
        QVERIFY(NaechstesFeld(';', s, f));
        QCOMPARE(f, QByteArray("34"));
        QVERIFY(!NaechstesFeld(';', s, f));

        s = ";;;";
        QVERIFY(!NaechstesFeld(';', s, f));
        QCOMPARE(s, QByteArray(";;;"));
        s = "5";
        QVERIFY(NaechstesFeld(';', s, f));
        QCOMPARE(f, QByteArray("5"));
        QVERIFY(s.isEmpty());
        s = "12;";
        QVERIFY(NaechstesFeld(';', s, f));
        QCOMPARE(f, QByteArray("12"));
        QVERIFY(s.isEmpty());
        // The separator in front of what follows stays.
        s = "7;B3;";
        QVERIFY(NaechstesFeld(';', s, f));
        QCOMPARE(s, QByteArray(";B3;"));
        s.clear();
        QVERIFY(!NaechstesFeld(';', s, f));
    }

    void trenneFeld() {
        QString s = QStringLiteral("a;;b;");
        QString f;
        QVERIFY(TrenneFeld(QLatin1Char(';'), s, f));
        QCOMPARE(f, QStringLiteral("a"));
        QVERIFY(TrenneFeld(QLatin1Char(';'), s, f));
        QCOMPARE(f, QString());
        QVERIFY(TrenneFeld(QLatin1Char(';'), s, f));
        QCOMPARE(f, QStringLiteral("b"));
        QVERIFY(!TrenneFeld(QLatin1Char(';'), s, f));

        s = QStringLiteral("ohne");
        f = QStringLiteral("alt");
        QVERIFY(TrenneFeld(QLatin1Char(';'), s, f));
        QCOMPARE(f, QStringLiteral("alt"));
        QCOMPARE(s, QStringLiteral("ohne"));
    }

    void zaehleZeichen() {
        QCOMPARE(ZaehleZeichen(';', QByteArray()), 0);
        QCOMPARE(ZaehleZeichen(';', QByteArray("c1;2;;3")), 3);
        QCOMPARE(ZaehleZeichen(QLatin1Char('.'), QStringLiteral("1.2.3")), 2);
    }

    void istIPAdresse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ip");
        QTest::newRow("plain") << "10.1.2.3" << true;
        QTest::newRow("max") << "255.255.255.255" << true;
        QTest::newRow("five groups") << "1.2.3.4.5" << true;
        QTest::newRow("group above 255") << "10.1.2.256" << false;
        QTest::newRow("four digits first") << "1234.1.2.3" << false;
        QTest::newRow("two dots") << "10.1.2" << false;
        QTest::newRow("trailing dot") << "10.1.2.3." << false;
        QTest::newRow("leading dot") << ".10.1.2.3" << false;
        QTest::newRow("double dot") << "10..2.3" << false;
        QTest::newRow("letters") << "10.1.2.a" << false;
        QTest::newRow("host name") << "adapter.local" << false;
        QTest::newRow("too long") << "100.100.100.1001" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "10.1.2. 3" << false;
    }
    void istIPAdresse() {
        QFETCH(QString, text);
        QFETCH(bool, ip);
        QCOMPARE(IstIPAdresse(text), ip);
    }

    void alsGanzzahl_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("wert");
        QTest::newRow("plain") << QByteArray("523") << true << 523;
        QTest::newRow("negative") << QByteArray("-15") << true << -15;
        QTest::newRow("blanks") << QByteArray("  42 ") << true << 42;
        QTest::newRow("letters") << QByteArray("4x2") << false << 0;
        QTest::newRow("only sign") << QByteArray("-") << false << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("max") << QByteArray("2147483647") << true << 2147483647;
        QTest::newRow("min") << QByteArray("-2147483648") << true << (-2147483647 - 1);
        QTest::newRow("overflow") << QByteArray("2147483648") << false << 0;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << false << 0;
    }
    void alsGanzzahl() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(int, wert);
        qint32 w = 0;
        QCOMPARE(AlsGanzzahl(text, w), ok);
        if (ok)
            QCOMPARE(w, wert);
    }

    void warteLiefertEreignisse() {
        // Timers fire during the wait, and the wait lasts at least its time.
        bool gefeuert = false;
        QTimer::singleShot(20, this, [&] { gefeuert = true; });
        QElapsedTimer uhr;
        uhr.start();
        Warte(100);
        QVERIFY(gefeuert);
        QVERIFY(uhr.elapsed() >= 99);
    }

    void kurzDatumVierstellig() {
        const QDate d(2024, 12, 9);
        QCOMPARE(KurzDatum(QLocale(QLocale::German, QLocale::Germany), d), QStringLiteral("09.12.2024"));
        QVERIFY(
            KurzDatum(QLocale(QLocale::English, QLocale::UnitedStates), d).contains(QLatin1String("2024")));
        QCOMPARE(DatumZeit(QLocale(QLocale::German, QLocale::Germany), QDateTime(d, QTime(7, 5, 9))),
                 QStringLiteral("09.12.2024 07:05:09"));
    }

    void cp1252() {
        const QString text = QStringLiteral("Grünschnitt € „ß“ Ä");
        const QByteArray b = Cp1252::encode(text);
        QCOMPARE(b, QByteArray("Gr\xFCnschnitt \x80 \x84\xDF\x93 \xC4"));
        QCOMPARE(Cp1252::decode(b), text);
        QByteArray alle;
        for (int i = 0; i < 256; ++i)
            alle.append(static_cast<char>(i));
        QCOMPARE(Cp1252::encode(Cp1252::decode(alle)), alle);
        QCOMPARE(Cp1252::encode(QStringLiteral("Ω")), QByteArray("?"));
    }
};

QTEST_GUILESS_MAIN(TestKompUtils)
#include "tst_kompUtils.moc"

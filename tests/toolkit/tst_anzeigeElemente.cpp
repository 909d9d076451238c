// The display widgets: LED instrument, bar meter, lamp, string grid, toggle-button
// panel, form resizer and numeric spin edit.
//
// With KOMPOST_BILDER=<folder> set, the test "bilder" writes pictures of the
// widgets into that folder for a look at them.
#include "toolkit/UAnzeigeElemente.h"

#include <QAbstractButton>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// Pixels that are clearly lit yellow segments (not the dim unlit ones).
int GelbePixel(const QImage &bild, QRect bereich = QRect()) {
    if (bereich.isNull())
        bereich = bild.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 150 && c.blue() < 120)
                ++n;
        }
    }
    return n;
}

QImage Bild(QWidget &w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestAnzeigeElemente : public QObject {
    Q_OBJECT
private slots:
    // --- LED instrument --------------------------------------------------

    void ledText_data() {
        QTest::addColumn<int>("stellen");
        QTest::addColumn<int>("nachkomma");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("temperature") << 3 << 0 << 131.0 << "131";
        QTest::newRow("right-aligned") << 3 << 0 << 55.0 << " 55";
        QTest::newRow("rounded") << 3 << 0 << 54.6 << " 55";
        QTest::newRow("O2") << 4 << 1 << 20.9 << " 20.9";
        QTest::newRow("leading zero kept") << 4 << 1 << 0.5 << "  0.5";
        QTest::newRow("zero") << 3 << 0 << 0.0 << "  0";
        QTest::newRow("negative") << 3 << 0 << -7.0 << " -7";
        QTest::newRow("negative fills") << 3 << 0 << -99.0 << "-99";
        QTest::newRow("negative decimal") << 4 << 1 << -12.34 << "-12.3";
        QTest::newRow("no negative zero") << 3 << 0 << -0.4 << "  0";
        QTest::newRow("no negative zero decimal") << 4 << 1 << -0.04 << "  0.0";
        QTest::newRow("widest") << 3 << 0 << 999.0 << "999";
        QTest::newRow("too wide") << 3 << 0 << 1000.0 << "---";
        QTest::newRow("sign makes it too wide") << 3 << 0 << -100.0 << "---";
        QTest::newRow("rounding makes it too wide") << 4 << 1 << 999.96 << "----";
        QTest::newRow("run time") << 5 << 0 << 12345.0 << "12345";
        QTest::newRow("run time too wide") << 5 << 0 << 123456.0 << "-----";
        QTest::newRow("huge") << 5 << 0 << 1e300 << "-----";
        QTest::newRow("not a number") << 3 << 0 << std::numeric_limits<double>::quiet_NaN() << "---";
        QTest::newRow("infinite") << 4 << 1 << -std::numeric_limits<double>::infinity() << "----";
    }
    void ledText() {
        QFETCH(int, stellen);
        QFETCH(int, nachkomma);
        QFETCH(double, wert);
        QFETCH(QString, text);
        TLedInstrument led;
        led.setStellen(stellen, nachkomma);
        led.setWert(wert);
        QVERIFY(led.istAn());
        QCOMPARE(led.anzeigeText(), text);
        QCOMPARE(led.istUeberlauf(), text == QString(stellen, QLatin1Char('-')));
    }

    void ledAnUndAus() {
        TLedInstrument led;
        led.setBeschriftung(QStringLiteral("T100"));
        led.setEinheit(QStringLiteral("°C"));
        QCOMPARE(led.beschriftung(), QStringLiteral("T100"));
        QCOMPARE(led.einheit(), QStringLiteral("°C"));
        // dark until it gets a value
        QVERIFY(!led.istAn());
        QCOMPARE(led.anzeigeText(), QString());
        led.setWert(131);
        QCOMPARE(led.anzeigeText(), QStringLiteral("131"));
        led.Ausschalten();
        QVERIFY(!led.istAn());
        QCOMPARE(led.anzeigeText(), QString());
        QVERIFY(!led.istUeberlauf());
        led.setWert(1000);
        QVERIFY(led.istUeberlauf());
        led.Ausschalten();
        QVERIFY(!led.istUeberlauf());
        led.setWert(-5);
        QCOMPARE(led.anzeigeText(), QStringLiteral(" -5"));
        // a new digit format re-formats the value shown
        led.setWert(20.94);
        QCOMPARE(led.anzeigeText(), QStringLiteral(" 21"));
        led.setStellen(4, 1);
        QCOMPARE(led.anzeigeText(), QStringLiteral(" 20.9"));
        // decimals are kept below the digits
        led.setStellen(3, 5);
        QCOMPARE(led.stellen(), 3);
        QCOMPARE(led.nachkommastellen(), 2);
        QCOMPARE(led.anzeigeText(), QStringLiteral("---"));
        led.setWert(2.5);
        QCOMPARE(led.anzeigeText(), QStringLiteral("2.50"));
        led.setStellen(0, 0);
        QCOMPARE(led.stellen(), 1);
    }

    // What the display paints: lit segments are bright yellow, unlit ones are not.
    void ledZeichnet() {
        TLedInstrument led;
        led.setBeschriftung(QStringLiteral("T 50"));
        led.setEinheit(QStringLiteral("°C"));
        led.resize(led.sizeHint());
        QCOMPARE(GelbePixel(Bild(led)), 0);
        led.setWert(1);
        const int eins = GelbePixel(Bild(led));
        led.setWert(888);
        const int acht = GelbePixel(Bild(led));
        led.setWert(1000); // three dashes: three middle segments
        const int striche = GelbePixel(Bild(led));
        QVERIFY2(eins > 20, qPrintable(QString::number(eins)));
        QVERIFY2(acht > 3 * eins, qPrintable(QStringLiteral("%1 %2").arg(acht).arg(eins)));
        QVERIFY(striche > 0 && striche < acht / 3);
        led.Ausschalten();
        QCOMPARE(GelbePixel(Bild(led)), 0);
        // when the widget is narrow, the digits keep their room before the texts do
        led.setWert(888);
        led.resize(70, 30);
        const QImage schmal = Bild(led);
        QVERIFY2(GelbePixel(schmal) > 10, qPrintable(QString::number(GelbePixel(schmal))));
        QCOMPARE(GelbePixel(schmal, QRect(0, 0, 4, 30)), 0); // nothing cut off at the left edge
    }

    // --- bar meter -------------------------------------------------------

    void balkenSkala() {
        TBalkenAnzeige balken;
        QCOMPARE(balken.skalenMarken(), (QList<double>{0, 25, 50, 75, 100}));
        balken.setMaximum(39); // inch
        QCOMPARE(balken.maximum(), 39.0);
        QCOMPARE(balken.skalenMarken(), (QList<double>{0, 25, 39}));
        balken.setMarkenAbstand(13);
        QCOMPARE(balken.skalenMarken(), (QList<double>{0, 13, 26, 39}));
        balken.setMarkenAbstand(0);
        QCOMPARE(balken.skalenMarken(), (QList<double>{0, 39}));
        // a maximum not above the minimum cannot make an empty scale
        balken.setMaximum(0);
        QVERIFY(balken.maximum() > balken.minimum());
        balken.setMaximum(std::numeric_limits<double>::quiet_NaN());
        QVERIFY(balken.maximum() > balken.minimum());
    }

    void balkenWert_data() {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("wert");
        QTest::addColumn<double>("gezeigt");
        QTest::addColumn<double>("anteil");
        QTest::newRow("middle") << 100.0 << 50.0 << 50.0 << 0.5;
        QTest::newRow("top") << 100.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("bottom") << 100.0 << 100.0 << 100.0 << 1.0;
        QTest::newRow("above scale") << 100.0 << 150.0 << 100.0 << 1.0;
        QTest::newRow("below scale") << 100.0 << -5.0 << 0.0 << 0.0;
        QTest::newRow("inch at max") << 39.0 << 39.0 << 39.0 << 1.0;
        QTest::newRow("cm value on inch scale") << 39.0 << 100.0 << 39.0 << 1.0;
        QTest::newRow("not a number") << 100.0 << std::numeric_limits<double>::quiet_NaN() << 0.0 << 0.0;
    }
    void balkenWert() {
        QFETCH(double, maximum);
        QFETCH(double, wert);
        QFETCH(double, gezeigt);
        QFETCH(double, anteil);
        TBalkenAnzeige balken;
        balken.setMaximum(maximum);
        balken.setWert(wert);
        if (!std::isnan(wert))
            QCOMPARE(balken.wert(), wert); // the value itself is kept
        QCOMPARE(balken.angezeigterWert(), gezeigt);
        QCOMPARE(balken.balkenAnteil(), anteil);
    }

    // The bar grows from the top of the scale down to the value.
    void balkenWaechstNachUnten() {
        TBalkenAnzeige balken;
        balken.setBeschriftung(QStringLiteral("Tiefe 55°C"));
        balken.setEinheit(QStringLiteral("cm"));
        QCOMPARE(balken.beschriftung(), QStringLiteral("Tiefe 55°C"));
        QCOMPARE(balken.einheit(), QStringLiteral("cm"));
        balken.resize(70, 240);
        const QRect oben(0, 55, 70, 35);   // about 15..30 of 100 on the scale
        const QRect unten(0, 140, 70, 40); // about 60..85
        balken.setWert(30);
        QImage bild = Bild(balken);
        QVERIFY(GelbePixel(bild, oben) > 20);
        QCOMPARE(GelbePixel(bild, unten), 0);
        balken.setWert(100);
        bild = Bild(balken);
        QVERIFY(GelbePixel(bild, oben) > 20);
        QVERIFY(GelbePixel(bild, unten) > 20);
        balken.setWert(500); // clamped: the scale is drawn like the maximum, the readout says 500
        const QRect skala(0, 0, 70, 190);
        QCOMPARE(Bild(balken).copy(skala), bild.copy(skala));
        QVERIFY(Bild(balken) != bild);
    }

    // --- lamp --------------------------------------------------------------

    void lampe() {
        TLampe lampe(QStringLiteral("Steuerbetrieb"), Qt::red);
        QCOMPARE(lampe.beschriftung(), QStringLiteral("Steuerbetrieb"));
        QCOMPARE(lampe.farbe(), QColor(Qt::red));
        QVERIFY(!lampe.an());
        lampe.resize(lampe.sizeHint());
        const int d = lampe.height();
        const QColor dunkel = Bild(lampe).pixelColor(d / 2, d / 2 + 2);
        lampe.setAn(true);
        QVERIFY(lampe.an());
        const QColor hell = Bild(lampe).pixelColor(d / 2, d / 2 + 2);
        QVERIFY2(hell.red() > 2 * dunkel.red(),
                 qPrintable(QStringLiteral("%1 %2").arg(hell.red()).arg(dunkel.red())));
        QVERIFY(dunkel.red() > dunkel.green()); // a dark red, not grey
        lampe.setAn(false);
        QVERIFY(!lampe.an());
        QCOMPARE(Bild(lampe).pixelColor(d / 2, d / 2 + 2), dunkel);
        TLampe gruen(QStringLiteral("Speicherstatus"), Qt::green);
        gruen.resize(gruen.sizeHint());
        gruen.setAn(true);
        const QColor g = Bild(gruen).pixelColor(d / 2, d / 2 + 2);
        QVERIFY(g.green() > 150 && g.red() < g.green());
    }

    // --- string grid ---------------------------------------------------------

    void gridAdressierung() {
        TStringGrid grid(7, 4);
        QCOMPARE(grid.spaltenAnzahl(), 7);
        QCOMPARE(grid.zeilenAnzahl(), 4);
        grid.setCells(1, 0, QStringLiteral("Lüfter"));
        grid.setCells(0, 1, QStringLiteral("Anl 1"));
        grid.setCells(0, 3, QStringLiteral("Anl 3"));
        grid.setCells(2, 3, QStringLiteral("20.9"));
        grid.setCells(6, 1, QStringLiteral("65"));
        grid.setCells(0, 0, QStringLiteral("Ecke"));
        QCOMPARE(grid.Cells(1, 0), QStringLiteral("Lüfter"));
        QCOMPARE(grid.Cells(0, 1), QStringLiteral("Anl 1"));
        QCOMPARE(grid.Cells(2, 3), QStringLiteral("20.9"));
        QCOMPARE(grid.Cells(6, 1), QStringLiteral("65"));
        QCOMPARE(grid.Cells(0, 0), QStringLiteral("Ecke"));
        QCOMPARE(grid.Cells(3, 2), QString());
        // titles are the fixed headers, the rest are the cells
        QTableWidget *t = grid.tabelle();
        QCOMPARE(t->horizontalHeaderItem(0)->text(), QStringLiteral("Lüfter"));
        QCOMPARE(t->verticalHeaderItem(0)->text(), QStringLiteral("Anl 1"));
        QCOMPARE(t->verticalHeaderItem(2)->text(), QStringLiteral("Anl 3"));
        QCOMPARE(t->item(2, 1)->text(), QStringLiteral("20.9"));
        QCOMPARE(t->item(0, 5)->text(), QStringLiteral("65"));
        // untitled headers are empty, not numbered
        QCOMPARE(t->horizontalHeaderItem(5)->text(), QString());
        QCOMPARE(t->verticalHeaderItem(1)->text(), QString());
        // read-only
        QVERIFY(!(t->item(2, 1)->flags() & Qt::ItemIsEditable));
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        // outside the grid: nothing happens
        grid.setCells(7, 1, QStringLiteral("x"));
        grid.setCells(1, 4, QStringLiteral("x"));
        grid.setCells(-1, 0, QStringLiteral("x"));
        QCOMPARE(grid.Cells(7, 1), QString());
        QCOMPARE(grid.Cells(1, -1), QString());
        QCOMPARE(t->columnCount(), 6);
        QCOMPARE(t->rowCount(), 3);
        // more rows keep the texts, fewer rows drop the last ones
        grid.setZeilenAnzahl(6);
        QCOMPARE(grid.zeilenAnzahl(), 6);
        QCOMPARE(grid.Cells(2, 3), QStringLiteral("20.9"));
        QCOMPARE(grid.Cells(0, 5), QString());
        grid.setCells(0, 5, QStringLiteral("Anl 5"));
        QCOMPARE(grid.Cells(0, 5), QStringLiteral("Anl 5"));
        grid.setZeilenAnzahl(3);
        QCOMPARE(grid.Cells(2, 3), QString());
        QCOMPARE(grid.Cells(0, 1), QStringLiteral("Anl 1"));
        // emptying keeps the titles
        grid.leereZellen();
        QCOMPARE(grid.Cells(6, 1), QString());
        QCOMPARE(grid.Cells(1, 0), QStringLiteral("Lüfter"));
        QCOMPARE(grid.Cells(0, 1), QStringLiteral("Anl 1"));
    }

    void gridGroessen() {
        TStringGrid grid(7, 4);
        grid.setSpaltenBreiten({36, 54, 41, 68, 62, 56, 55});
        grid.setZeilenHoehe(18);
        QCOMPARE(grid.spaltenBreite(0), 36);
        QCOMPARE(grid.spaltenBreite(3), 68);
        QCOMPARE(grid.spaltenBreite(6), 55);
        QCOMPARE(grid.spaltenBreite(7), 0);
        QCOMPARE(grid.zeilenHoehe(), 18);
        QCOMPARE(grid.tabelle()->rowHeight(2), 18);
        QCOMPARE(grid.tabelle()->horizontalHeader()->height(), 18);
        grid.setZeilenAnzahl(10);
        QCOMPARE(grid.tabelle()->rowHeight(8), 18);
        grid.skalieren(2.0, 1.5);
        QCOMPARE(grid.spaltenBreite(0), 72);
        QCOMPARE(grid.spaltenBreite(3), 136);
        QCOMPARE(grid.zeilenHoehe(), 27);
        grid.setSpaltenBreite(1, 10); // a design width, scaled
        QCOMPARE(grid.spaltenBreite(1), 20);
        QCOMPARE(grid.tabelle()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void gridKlick() {
        TStringGrid grid(3, 3);
        grid.setSpaltenBreiten({40, 50, 50});
        grid.setZeilenHoehe(18);
        grid.resize(200, 150);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy spy(&grid, &TStringGrid::geklickt);
        QTableWidget *t = grid.tabelle();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(1, 0)).center());
        QTest::mouseClick(t->verticalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(5, t->verticalHeader()->sectionViewportPosition(1) + 5));
        QTest::mouseClick(t->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(t->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, QPoint(t->viewport()->width() - 5, 100));
        QCOMPARE(spy.size(), 4);
        QCOMPARE(spy.at(0), (QList<QVariant>{1, 2}));
        QCOMPARE(spy.at(1), (QList<QVariant>{0, 2}));
        QCOMPARE(spy.at(2), (QList<QVariant>{2, 0}));
        QCOMPARE(spy.at(3), (QList<QVariant>{-1, -1}));
    }

    // --- toggle-button panel -------------------------------------------------

    void schalterHoechstensEiner() {
        TSchalterFeld feld;
        QList<QStringList> zeilen{{QStringLiteral("AUS")}};
        for (int z = 0; z < 4; ++z) {
            QStringList zeile;
            for (int s = 1; s <= 6; ++s)
                zeile.append(QStringLiteral("%1h").arg(z * 6 + s, 2));
            zeilen.append(zeile);
        }
        feld.setSchalterZeilen(zeilen);
        QCOMPARE(feld.anzahl(), 25);
        QCOMPARE(feld.beschriftung(0), QStringLiteral("AUS"));
        QCOMPARE(feld.beschriftung(1), QStringLiteral(" 1h"));
        QCOMPARE(feld.beschriftung(24), QStringLiteral("24h"));
        QCOMPARE(feld.schalter(25), nullptr);
        QCOMPARE(feld.aktuellerIndex(), -1);
        feld.show();
        QVERIFY(QTest::qWaitForWindowExposed(&feld));

        QSignalSpy spy(&feld, &TSchalterFeld::indexGeaendert);
        auto unten = [&feld] {
            QList<int> l;
            for (int i = 0; i < feld.anzahl(); ++i) {
                if (feld.schalter(i)->isChecked())
                    l.append(i);
            }
            return l;
        };
        auto klick = [&feld](int i) {
            QTest::mouseClick(feld.schalter(i), Qt::LeftButton, {}, feld.schalter(i)->rect().center());
        };
        klick(7);
        QCOMPARE(feld.aktuellerIndex(), 7);
        QCOMPARE(unten(), QList<int>{7});
        klick(3); // another one: the first is raised
        QCOMPARE(feld.aktuellerIndex(), 3);
        QCOMPARE(unten(), QList<int>{3});
        klick(3); // the one that is down: all up
        QCOMPARE(feld.aktuellerIndex(), -1);
        QCOMPARE(unten(), QList<int>{});
        klick(0);
        QCOMPARE(unten(), QList<int>{0});
        feld.setAktuellerIndex(24);
        QCOMPARE(unten(), QList<int>{24});
        feld.setAktuellerIndex(24); // no change, no signal
        feld.setAktuellerIndex(-1);
        QCOMPARE(feld.aktuellerIndex(), -1);
        QCOMPARE(unten(), QList<int>{});
        feld.setAktuellerIndex(6);
        feld.setAktuellerIndex(99); // outside: all up
        QCOMPARE(feld.aktuellerIndex(), -1);
        QCOMPARE(unten(), QList<int>{});
        QList<int> folge;
        for (const QList<QVariant> &s : std::as_const(spy))
            folge.append(s.at(0).toInt());
        QCOMPARE(folge, (QList<int>{7, 3, -1, 0, 24, -1, 6, -1}));
    }

    void schalterRasterUndGroesse() {
        TSchalterFeld feld;
        feld.setSchalter(2, 3,
                         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                          QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("zu viel")});
        QCOMPARE(feld.anzahl(), 6);
        QCOMPARE(feld.beschriftung(3), QStringLiteral("d"));
        feld.setSchalterGroesse(QSize(30, 24));
        feld.setAbstand(2);
        QCOMPARE(feld.sizeHint(), QSize(3 * 30 + 2 * 2, 2 * 24 + 2));
        feld.resize(feld.sizeHint());
        feld.show();
        QVERIFY(QTest::qWaitForWindowExposed(&feld));
        QCOMPARE(feld.schalter(0)->size(), QSize(30, 24));
        QCOMPARE(feld.schalter(4)->geometry().topLeft(), QPoint(32, 26));
        // the buttons grow with the panel
        feld.resize(2 * feld.sizeHint());
        QTRY_VERIFY(feld.schalter(0)->width() >= 60);
        // new buttons: none is down
        feld.setAktuellerIndex(2);
        QSignalSpy spy(&feld, &TSchalterFeld::indexGeaendert);
        feld.setSchalter(1, 2, {QStringLiteral("x"), QStringLiteral("y")});
        QCOMPARE(feld.aktuellerIndex(), -1);
        QCOMPARE(spy.size(), 1);
    }

    // --- form resizer --------------------------------------------------------

    void skaliererDoppelt() {
        QWidget fenster;
        QFont schrift = fenster.font();
        schrift.setPointSize(10);
        fenster.setFont(schrift);
        fenster.resize(200, 100);
        auto *label = new QLabel(QStringLiteral("T100"), &fenster);
        label->setGeometry(10, 10, 50, 20);
        QFont gross = schrift;
        gross.setPointSize(12);
        label->setFont(gross);
        auto *panel = new QFrame(&fenster);
        panel->setGeometry(100, 0, 100, 100);
        auto *aufPanel = new TLedInstrument(panel);
        aufPanel->setGeometry(0, 50, 100, 50);
        auto *grid = new TStringGrid(2, 3, &fenster);
        grid->setGeometry(0, 40, 100, 60);
        grid->setSpaltenBreiten({30, 40});
        grid->setZeilenHoehe(18);
        auto *ausgenommen = new QLabel(&fenster);
        ausgenommen->setGeometry(0, 0, 5, 5);

        TFormSkalierer skalierer(&fenster);
        skalierer.Ausnehmen(ausgenommen);
        skalierer.Merken();
        QCOMPARE(skalierer.designGroesse(), QSize(200, 100));
        QCOMPARE(fenster.minimumSize(), QSize(200, 100));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        fenster.resize(400, 200);
        QTRY_COMPARE(label->geometry(), QRect(20, 20, 100, 40));
        QCOMPARE(panel->geometry(), QRect(200, 0, 200, 200));
        QCOMPARE(aufPanel->geometry(), QRect(0, 100, 200, 100));
        QCOMPARE(grid->geometry(), QRect(0, 80, 200, 120));
        QCOMPARE(grid->spaltenBreite(0), 60);
        QCOMPARE(grid->spaltenBreite(1), 80);
        QCOMPARE(grid->zeilenHoehe(), 36);
        QCOMPARE(fenster.font().pointSizeF(), 20.0);
        QCOMPARE(label->font().pointSizeF(), 24.0);
        QCOMPARE(aufPanel->font().pointSizeF(), 20.0); // inherited
        QCOMPARE(ausgenommen->geometry(), QRect(0, 0, 5, 5));

        // fonts follow the smaller ratio
        fenster.resize(400, 100);
        QTRY_COMPARE(label->geometry(), QRect(20, 10, 100, 20));
        QCOMPARE(label->font().pointSizeF(), 12.0);

        // not below the design size: the controls go back to their design
        fenster.resize(50, 40);
        QTRY_COMPARE(fenster.size(), QSize(200, 100));
        QTRY_COMPARE(label->geometry(), QRect(10, 10, 50, 20));
        QCOMPARE(aufPanel->geometry(), QRect(0, 50, 100, 50));
        QCOMPARE(grid->spaltenBreite(1), 40);
        QCOMPARE(label->font().pointSizeF(), 12.0);
    }

    void skaliererMindestGroesse() {
        QWidget fenster;
        fenster.resize(200, 100);
        auto *kind = new QLabel(&fenster);
        kind->setGeometry(10, 10, 50, 20);
        // controls placed by a layout are left to the layout
        auto *box = new QWidget(&fenster);
        box->setGeometry(100, 0, 100, 100);
        auto *layout = new QVBoxLayout(box);
        auto *imLayout = new QLabel(QStringLiteral("x"), box);
        layout->addWidget(imLayout);

        TFormSkalierer skalierer(&fenster, QSize(100, 50));
        QCOMPARE(fenster.minimumSize(), QSize(100, 50));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        fenster.resize(100, 50);
        QTRY_COMPARE(kind->geometry(), QRect(5, 5, 25, 10));
        QCOMPARE(box->geometry(), QRect(50, 0, 50, 50));
        QTRY_VERIFY(box->rect().contains(imLayout->geometry()));
        fenster.resize(20, 20);
        QTRY_COMPARE(fenster.size(), QSize(100, 50));
        QCOMPARE(skalierer.faktorX(), 0.5);

        // a window smaller than its minimum is enlarged at once
        QWidget klein;
        klein.resize(50, 50);
        TFormSkalierer s2(&klein, QSize(80, 60));
        QCOMPARE(klein.size(), QSize(80, 60));
    }

    // A main window: the controls sit on the central widget, which the window's
    // layout places below the menu bar and above the status bar.
    void skaliererHauptfenster() {
        QMainWindow fenster;
        fenster.menuBar()->addMenu(QStringLiteral("&Ende"));
        fenster.statusBar()->showMessage(QStringLiteral("Datei:"));
        auto *mitte = new QWidget;
        fenster.setCentralWidget(mitte);
        auto *led = new TLedInstrument(mitte);
        led->setGeometry(10, 10, 100, 30);
        fenster.resize(400, 300);
        TFormSkalierer skalierer(&fenster);
        const QSize mitteDesign = mitte->size();
        QVERIFY(mitteDesign.height() > 200 && mitteDesign.height() < 300);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(led->geometry(), QRect(10, 10, 100, 30));
        fenster.resize(800, 600);
        QTRY_COMPARE(mitte->width(), 800);
        const double fy = double(mitte->height()) / mitteDesign.height();
        QTRY_COMPARE(led->geometry(), QRect(20, qRound(10 * fy), 200, qRound(40 * fy) - qRound(10 * fy)));
        QVERIFY(fenster.menuBar()->geometry().top() == 0);
    }

    // Scaling without showing the window (Anwenden) and controls on tab pages.
    void skaliererTabSeiten() {
        QWidget fenster;
        fenster.resize(300, 200);
        auto *tabs = new QTabWidget(&fenster);
        tabs->setGeometry(0, 0, 300, 200);
        auto *seite = new QWidget;
        tabs->addTab(seite, QStringLiteral("Seite"));
        auto *feld = new TZahlenFeld(seite);
        feld->setGeometry(10, 10, 60, 22);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QSize seiteDesign = seite->size();
        TFormSkalierer skalierer(&fenster);
        fenster.resize(600, 400);
        QTRY_COMPARE(tabs->geometry(), QRect(0, 0, 600, 400));
        QTRY_VERIFY(seite->width() > seiteDesign.width());
        const double fx = double(seite->width()) / seiteDesign.width();
        QTRY_COMPARE(feld->x(), qRound(10 * fx));
        QCOMPARE(feld->width(), qRound(70 * fx) - qRound(10 * fx));
    }

    // --- numeric spin edit -----------------------------------------------------

    void zahlenFeld() {
        TZahlenFeld o2(0.0, 21.0, 0.1, 1);
        o2.setMaxZeichen(4);
        QCOMPARE(o2.maxZeichen(), 4);
        QSignalSpy spy(&o2, &TZahlenFeld::bearbeitet);
        o2.setWert(20.9);
        QCOMPARE(o2.wert(), 20.9);
        QCOMPARE(o2.text(), QStringLiteral("20.9"));
        o2.setWert(25);
        QCOMPARE(o2.wert(), 21.0);
        o2.setWert(-1);
        QCOMPARE(o2.wert(), 0.0);
        QCOMPARE(spy.size(), 0); // set by the program: no edit
        o2.setWert(20.0);
        o2.stepUp();
        QCOMPARE(o2.wert(), 20.1);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), 20.1);

        TZahlenFeld minuten(1, 300, 1, 0);
        QCOMPARE(minuten.nachkommastellen(), 0);
        minuten.setWert(0);
        QCOMPARE(minuten.ganzzahl(), 1);
        minuten.setWert(1440);
        QCOMPARE(minuten.ganzzahl(), 300);
        QCOMPARE(minuten.text(), QStringLiteral("300"));
        minuten.setBereich(1, 1440);
        minuten.setWert(1440);
        QCOMPARE(minuten.ganzzahl(), 1440);
        // typing by the operator
        QSignalSpy getippt(&minuten, &TZahlenFeld::bearbeitet);
        minuten.show();
        QVERIFY(QTest::qWaitForWindowExposed(&minuten));
        minuten.selectAll();
        QTest::keyClicks(&minuten, QStringLiteral("150"));
        QCOMPARE(minuten.ganzzahl(), 150);
        QVERIFY(getippt.size() >= 1);
        QCOMPARE(getippt.last().at(0).toDouble(), 150.0);
    }

    // --- pictures for a look (only with KOMPOST_BILDER set) ----------------------

    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        QDir().mkpath(ordner);

        QWidget tafel;
        tafel.resize(330, 330);
        tafel.setStyleSheet(QStringLiteral("background: #b89a6a;"));
        const char *namen[] = {"T  0", "T 25", "T 50", "T 75", "T100"};
        const int werte[] = {38, 52, 61, 66, 64};
        for (int i = 0; i < 5; ++i) {
            auto *t = new TLedInstrument(&tafel);
            t->setBeschriftung(QString::fromLatin1(namen[i]));
            t->setEinheit(QStringLiteral("°C"));
            t->setStellen(3, 0);
            if (i != 2)
                t->setWert(werte[i]);
            t->setGeometry(90, 10 + i * 44, 135, t->sizeHint().height());
        }
        auto *balken = new TBalkenAnzeige(&tafel);
        balken->setBeschriftung(QStringLiteral("Tiefe 55°C"));
        balken->setEinheit(QStringLiteral("cm"));
        balken->setWert(65);
        balken->setGeometry(10, 10, 70, 220);
        auto *o2 = new TLedInstrument(&tafel);
        o2->setBeschriftung(QStringLiteral("O2"));
        o2->setEinheit(QStringLiteral("vol%"));
        o2->setStellen(4, 1);
        o2->setWert(20.9);
        o2->setGeometry(10, 240, o2->sizeHint().width(), o2->sizeHint().height());
        auto *lauf = new TLedInstrument(&tafel);
        lauf->setBeschriftung(QStringLiteral("Laufzeit"));
        lauf->setEinheit(QStringLiteral("min"));
        lauf->setStellen(5, 0);
        lauf->setWert(123456);
        lauf->setGeometry(10, 285, lauf->sizeHint().width(), lauf->sizeHint().height());
        auto *l1 = new TLampe(QStringLiteral("Steuerbetrieb"), Qt::red, &tafel);
        l1->setAn(true);
        l1->setGeometry(200, 240, l1->sizeHint().width(), l1->sizeHint().height());
        auto *l2 = new TLampe(QStringLiteral("Speicherstatus"), Qt::green, &tafel);
        l2->setGeometry(200, 265, l2->sizeHint().width(), l2->sizeHint().height());
        auto *l3 = new TLampe(QStringLiteral("Speicherstatus"), Qt::green, &tafel);
        l3->setAn(true);
        l3->setGeometry(200, 290, l3->sizeHint().width(), l3->sizeHint().height());
        QVERIFY(tafel.grab().save(ordner + QStringLiteral("/instrumente.png")));
        // the same, scaled by half again by the form resizer
        TFormSkalierer skalierer(&tafel);
        tafel.resize(495, 495);
        skalierer.Anwenden();
        QVERIFY(tafel.grab().save(ordner + QStringLiteral("/instrumente_gross.png")));

        TStringGrid grid(7, 4);
        grid.setSpaltenBreiten({36, 54, 41, 68, 62, 56, 55});
        grid.setZeilenHoehe(18);
        const QStringList titel{QString(),
                                QStringLiteral("Lüfter"),
                                QStringLiteral("%/O2"),
                                QStringLiteral("Betriebsart"),
                                QStringLiteral("Laufzeit"),
                                QStringLiteral("Zyklen"),
                                QStringLiteral("S55°C")};
        for (int c = 0; c < 7; ++c)
            grid.setCells(c, 0, titel.at(c));
        for (int r = 1; r < 4; ++r) {
            grid.setCells(0, r, QStringLiteral("Anl %1").arg(r));
            grid.setCells(1, r, r == 2 ? QStringLiteral("AUS") : QStringLiteral("EIN"));
            grid.setCells(2, r, QStringLiteral("20.9"));
            grid.setCells(3, r, QStringLiteral("O2-Regelung"));
            grid.setCells(4, r, QStringLiteral("1234"));
            grid.setCells(5, r, QStringLiteral("56"));
            grid.setCells(6, r, QStringLiteral("65"));
        }
        grid.resize(400, 100);
        QVERIFY(grid.grab().save(ordner + QStringLiteral("/grid.png")));

        TSchalterFeld feld;
        QList<QStringList> zeilen{{QStringLiteral("AUS")}};
        for (int z = 0; z < 4; ++z) {
            QStringList zeile;
            for (int k = 1; k <= 6; ++k)
                zeile.append(QStringLiteral("%1h").arg(z * 6 + k, 2));
            zeilen.append(zeile);
        }
        feld.setSchalterZeilen(zeilen);
        feld.setAktuellerIndex(7);
        feld.resize(feld.sizeHint());
        QVERIFY(feld.grab().save(ordner + QStringLiteral("/schalter.png")));

        TZahlenFeld zahl(0, 21, 0.1, 1);
        zahl.setWert(12.5);
        zahl.resize(zahl.sizeHint());
        QVERIFY(zahl.grab().save(ordner + QStringLiteral("/zahlenfeld.png")));
    }
};

QTEST_MAIN(TestAnzeigeElemente)
#include "tst_anzeigeElemente.moc"

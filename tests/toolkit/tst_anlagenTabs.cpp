// The plant tab bar: tabs in rows without scroll arrows, readable captions,
// selection by mouse and keys, and filling it for N plants.
#include "toolkit/UAnlagenTabs.h"

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

class TestAnlagenTabs : public QObject {
    Q_OBJECT
private slots:
    // All tabs lie inside the bar, none overlaps another, and every caption
    // fits its tab, for the widths the windows give the bar.
    void alleSichtbar_data() {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("adressen33");
        QTest::addColumn<int>("breite");
        QTest::addColumn<double>("punkte");
        QTest::newRow("32 plants, live display width") << 32 << false << 472 << 9.0;
        QTest::newRow("32 plants from 33") << 32 << true << 472 << 9.0;
        QTest::newRow("32 plants, large font") << 32 << true << 472 << 16.0;
        QTest::newRow("32 plants, narrow dialog") << 32 << true << 300 << 9.0;
        QTest::newRow("3 plants") << 3 << false << 472 << 9.0;
        QTest::newRow("1 plant, narrower than a tab") << 1 << false << 20 << 9.0;
    }
    void alleSichtbar() {
        QFETCH(int, anzahl);
        QFETCH(bool, adressen33);
        QFETCH(int, breite);
        QFETCH(double, punkte);
        TAnlagenTabs tabs;
        QFont schrift = tabs.font();
        schrift.setPointSizeF(punkte);
        tabs.setFont(schrift);
        FuelleAnlagenTabs(tabs, anzahl, adressen33);
        tabs.resize(breite, tabs.hoeheFuerBreite(breite));
        QCOMPARE(tabs.count(), anzahl);
        const QFontMetrics fm(tabs.font());
        for (int i = 0; i < anzahl; ++i) {
            const QRect r = tabs.tabRect(i);
            QVERIFY2(tabs.rect().contains(r) || anzahl == 1, qPrintable(QString::number(i)));
            QVERIFY(fm.horizontalAdvance(tabs.tabText(i)) + 4 <= r.width());
            QVERIFY(fm.height() <= r.height());
            for (int j = 0; j < i; ++j)
                QVERIFY(!r.intersects(tabs.tabRect(j)));
            QCOMPARE(tabs.tabAt(r.center()), i);
        }
        QCOMPARE(tabs.reihen(breite), (anzahl + tabs.tabsProReihe(breite) - 1) / tabs.tabsProReihe(breite));
    }

    // 32 tabs of 33 pixels at the design font wrap into 3 rows of 14 in the
    // live display's 472 pixels; the tabs are wider with a larger font.
    void reihenBeiDesignschrift() {
        TAnlagenTabs tabs;
        FuelleAnlagenTabs(tabs, 32, true);
        QCOMPARE(tabs.tabGroesse().width(), 33);
        QCOMPARE(tabs.tabsProReihe(472), 14);
        QCOMPARE(tabs.reihen(472), 3);
        QCOMPARE(tabs.hoeheFuerBreite(472), 3 * tabs.tabGroesse().height() + 2);
        QFont gross = tabs.font();
        gross.setPointSizeF(gross.pointSizeF() * 2);
        tabs.setFont(gross);
        QVERIFY(tabs.tabGroesse().width() >= 66);
        QVERIFY(tabs.reihen(472) > 3);
    }

    // In a layout, a bar of fixed width gets the height of all its rows.
    void imLayout() {
        QWidget fenster;
        auto *layout = new QVBoxLayout(&fenster);
        auto *tabs = new TAnlagenTabs(&fenster);
        FuelleAnlagenTabs(*tabs, 32, true);
        tabs->setFixedWidth(420);
        layout->addWidget(tabs);
        layout->addWidget(new QWidget(&fenster));
        fenster.setFixedSize(fenster.sizeHint());
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(tabs->sizeHint().height(), tabs->hoeheFuerBreite(420));
        QVERIFY(tabs->height() >= tabs->hoeheFuerBreite(420));
        for (int i = 0; i < 32; ++i)
            QVERIFY(tabs->rect().contains(tabs->tabRect(i)));
    }

    // Captions 1..N, or 33..32+N; refilling replaces the tabs; filling emits
    // nothing and leaves the first tab selected.
    void fuellen() {
        TAnlagenTabs tabs;
        QSignalSpy wechsel(&tabs, &TAnlagenTabs::currentChanged);
        FuelleAnlagenTabs(tabs, 3, false);
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.tabText(0), QStringLiteral("1"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("3"));
        QCOMPARE(tabs.currentIndex(), 0);
        tabs.setCurrentIndex(2);
        QCOMPARE(wechsel.count(), 1);
        FuelleAnlagenTabs(tabs, 32, true);
        QCOMPARE(wechsel.count(), 1);
        QCOMPARE(tabs.count(), 32);
        QCOMPARE(tabs.tabText(0), QStringLiteral("33"));
        QCOMPARE(tabs.tabText(31), QStringLiteral("64"));
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(tabs.tabText(32), QString());
        QCOMPARE(tabs.tabText(-1), QString());
    }

    // A click selects the tab under the mouse, once; out-of-range indexes and
    // the selected tab again change nothing.
    void auswahl() {
        TAnlagenTabs tabs;
        FuelleAnlagenTabs(tabs, 32, false);
        tabs.resize(472, tabs.hoeheFuerBreite(472));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QSignalSpy wechsel(&tabs, &TAnlagenTabs::currentChanged);
        // Tab 30 ("30") lies in the third row.
        QVERIFY(tabs.tabRect(29).top() >= 2 * tabs.tabGroesse().height());
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(29).center());
        QCOMPARE(tabs.currentIndex(), 29);
        QCOMPARE(wechsel.count(), 1);
        QCOMPARE(wechsel.at(0).at(0).toInt(), 29);
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(29).center());
        tabs.setCurrentIndex(32);
        tabs.setCurrentIndex(-1);
        QCOMPARE(wechsel.count(), 1);
        // Beside the last row's tabs there is no tab.
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(470, tabs.tabRect(31).center().y()));
        QCOMPARE(tabs.currentIndex(), 29);
    }

    // Arrow keys move along the row and between rows, Home and End to the ends.
    void tasten() {
        TAnlagenTabs tabs;
        FuelleAnlagenTabs(tabs, 32, false);
        tabs.resize(472, tabs.hoeheFuerBreite(472));
        QTest::keyClick(&tabs, Qt::Key_Right);
        QCOMPARE(tabs.currentIndex(), 1);
        QTest::keyClick(&tabs, Qt::Key_Down);
        QCOMPARE(tabs.currentIndex(), 15);
        QTest::keyClick(&tabs, Qt::Key_Down);
        QCOMPARE(tabs.currentIndex(), 29);
        QTest::keyClick(&tabs, Qt::Key_Down);
        QCOMPARE(tabs.currentIndex(), 29);
        QTest::keyClick(&tabs, Qt::Key_End);
        QCOMPARE(tabs.currentIndex(), 31);
        QTest::keyClick(&tabs, Qt::Key_Right);
        QCOMPARE(tabs.currentIndex(), 31);
        QTest::keyClick(&tabs, Qt::Key_Home);
        QCOMPARE(tabs.currentIndex(), 0);
        QTest::keyClick(&tabs, Qt::Key_Left);
        QCOMPARE(tabs.currentIndex(), 0);
    }

    // The bar draws: the selected tab's area differs from an unselected one.
    void zeichnet() {
        TAnlagenTabs tabs;
        FuelleAnlagenTabs(tabs, 32, true);
        tabs.resize(472, tabs.hoeheFuerBreite(472));
        tabs.setCurrentIndex(1);
        const QImage bild = tabs.grab().toImage();
        QVERIFY(!bild.isNull());
        QVERIFY(bild.copy(tabs.tabRect(1)) != bild.copy(tabs.tabRect(2)));
        if (const QByteArray ordner = qgetenv("KOMPOST_BILDER"); !ordner.isEmpty())
            bild.save(QString::fromLocal8Bit(ordner) + QStringLiteral("/anlagentabs.png"));
    }

    // A marked tab (a plant with an active alarm) is drawn in red; refilling
    // the bar takes the marks away; a bad index changes nothing.
    void markiert() {
        TAnlagenTabs tabs;
        FuelleAnlagenTabs(tabs, 8, false);
        tabs.resize(472, tabs.hoeheFuerBreite(472));
        const QImage vorher = tabs.grab().toImage();
        tabs.setMarkiert(3, true);
        tabs.setMarkiert(-1, true);
        tabs.setMarkiert(8, true);
        QVERIFY(tabs.markiert(3) && !tabs.markiert(2) && !tabs.markiert(8));
        const QImage bild = tabs.grab().toImage();
        QVERIFY(bild.copy(tabs.tabRect(3)) != vorher.copy(tabs.tabRect(3)));
        QCOMPARE(bild.copy(tabs.tabRect(2)), vorher.copy(tabs.tabRect(2)));
        bool rot = false;
        const QImage tab = bild.copy(tabs.tabRect(3));
        for (int y = 0; y < tab.height() && !rot; ++y)
            for (int x = 0; x < tab.width() && !rot; ++x)
                rot = tab.pixelColor(x, y) == QColor(0xC6, 0x28, 0x28);
        QVERIFY(rot);
        FuelleAnlagenTabs(tabs, 8, false);
        QVERIFY(!tabs.markiert(3));
    }
};

QTEST_MAIN(TestAnlagenTabs)
#include "tst_anlagenTabs.moc"

// Window pictures made small for the user guide (tools/bildklein): a picture
// of few colours keeps them exactly; a picture of many gets a palette of at
// most the number asked for, its flat areas keep their exact colour and no
// pixel strays far; scaling only ever makes a picture smaller.
#include "UBildklein.h"

#include <QSet>
#include <QTest>

namespace {

QSet<QRgb> Farben(const QImage &bild) {
    QSet<QRgb> farben;
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            farben.insert(rgb.pixel(x, y));
    return farben;
}

// A window-like picture: a grey face (most of it), a dark frame, and a
// gradient of 256 shades from blue to red over one strip.
QImage Fenster() {
    QImage bild(300, 120, QImage::Format_RGB32);
    bild.fill(qRgb(239, 239, 239));
    for (int x = 0; x < 300; ++x) {
        bild.setPixel(x, 0, qRgb(40, 40, 40));
        bild.setPixel(x, 119, qRgb(40, 40, 40));
    }
    for (int y = 40; y < 60; ++y)
        for (int x = 22; x < 278; ++x)
            bild.setPixel(x, y, qRgb(x - 22, 60, 277 - x));
    return bild;
}

} // namespace

class TestBildklein : public QObject {
    Q_OBJECT

private slots:
    void wenigeFarbenBleibenGenau() {
        QImage bild(40, 20, QImage::Format_ARGB32);
        bild.fill(qRgb(255, 255, 255));
        for (int x = 0; x < 40; ++x)
            bild.setPixel(x, 5, x % 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 200));
        const QImage klein = Bildklein::MitPalette(bild, 4);
        QCOMPARE(klein.format(), QImage::Format_Indexed8);
        QCOMPARE(klein.colorCount(), 3);
        QCOMPARE(klein.convertToFormat(QImage::Format_RGB32), bild.convertToFormat(QImage::Format_RGB32));
    }

    void palette_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("8") << 8;
        QTest::newRow("32") << 32;
        QTest::newRow("256") << 256;
    }
    void palette() {
        QFETCH(int, n);
        const QImage bild = Fenster();
        const QImage klein = Bildklein::MitPalette(bild, n);
        QCOMPARE(klein.size(), bild.size());
        QVERIFY(klein.colorCount() <= n);
        QVERIFY(Farben(klein).size() <= n);
        // the face and the frame keep their colours
        QCOMPARE(klein.pixel(150, 100), qRgb(239, 239, 239));
        QCOMPARE(klein.pixel(150, 0), qRgb(40, 40, 40));
        // the gradient's shades fall into the palette's steps, none far off
        const int stufe = 256 / std::max(1, n - 2);
        for (int x = 22; x < 278; ++x) {
            const QRgb soll = bild.pixel(x, 50), ist = klein.pixel(x, 50);
            QVERIFY2(std::abs(qRed(soll) - qRed(ist)) <= stufe &&
                         std::abs(qBlue(soll) - qBlue(ist)) <= stufe &&
                         std::abs(qGreen(soll) - qGreen(ist)) <= 2,
                     qPrintable(QStringLiteral("x %1: %2 -> %3").arg(x).arg(soll, 0, 16).arg(ist, 0, 16)));
        }
    }

    void nurVerkleinert() {
        const QImage bild = Fenster();
        QCOMPARE(Bildklein::Verkleinert(bild, 600).size(), bild.size());
        QCOMPARE(Bildklein::Verkleinert(bild, 150).size(), QSize(150, 60));
    }
};

QTEST_GUILESS_MAIN(TestBildklein)
#include "tst_bildklein.moc"

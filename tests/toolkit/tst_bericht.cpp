// The report toolkit: where the bands land on which pages (as data), the
// fields' texts and sizes, and the outputs (PDF read back with pdftotext,
// images, the preview's PDF button, printing without a printer).
#include "toolkit/UBericht.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDialoge.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs a poppler tool and gives its standard output.
QString poppler(const QString &programm, const QStringList &argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(programm, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int seitenImPdf(const QString &datei) {
    const QString info = poppler(QStringLiteral("pdfinfo"), {datei});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// darkest pixel around (x, y): thin lines are antialiased over neighbouring pixels
int dunkelstes(const QImage &bild, int x, int y) {
    int d = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            d = std::min(d, qGray(bild.pixel(x + dx, y + dy)));
    return d;
}

// A small layout: page header K, column header S, detail D, summary Z, footer F
// (heights in mm, 0 = no such band); A4 portrait, 10 mm margins (277 mm usable).
struct TKleinerBericht : TBericht {
    int zeilen = 0;
    int zeile = 0;
    TKleinerBericht(double k, double s, double d, double z, double f, int anzahl, bool fussUnten = false) {
        Papier = QPageSize::A4;
        BandBreite = 190.0;
        zeilen = anzahl;
        if (k > 0)
            NeuesBand(TBandArt::Seitenkopf, QStringLiteral("K"), k, TRahmen::Alle());
        if (s > 0)
            NeuesBand(TBandArt::Spaltenkopf, QStringLiteral("S"), s, TRahmen::Alle());
        if (d > 0) {
            TBerichtBand &b = NeuesBand(TBandArt::Detail, QStringLiteral("D"), d, TRahmen::Seiten());
            b.Label(QStringLiteral("Nr"), 1.0, 0.5, 0.0, QString(), 9.0).Drucken = [this](QString &t) {
                t = QStringLiteral("Zeile %1").arg(zeile);
            };
        }
        if (z > 0)
            NeuesBand(TBandArt::Zusammenfassung, QStringLiteral("Z"), z);
        if (f > 0) {
            TBerichtBand &b = NeuesBand(TBandArt::Seitenfuss, QStringLiteral("F"), f, TRahmen::Alle());
            b.AmSeitenende = fussUnten;
            b.Systemfeld(QStringLiteral("Seite"), TFeldArt::Seitennummer, 150.0, 1.0);
            b.Systemfeld(QStringLiteral("Gesamt"), TFeldArt::SeiteVonGesamt, 170.0, 1.0);
        }
        BeimStart = [this] { zeile = 0; };
        MehrDaten = [this] { return ++zeile <= zeilen; };
    }
};

// "K10 S30 D1:40 F90 / K10 ..." : band name (detail with its row) and top in mm.
QString beschreibe(const std::vector<TSeite> &seiten) {
    QStringList s;
    for (const TSeite &seite : seiten) {
        QStringList b;
        for (const TGesetztesBand &g : seite.Baender) {
            QString name = g.Band->Name;
            if (g.Zeile > 0)
                name += QString::number(g.Zeile) + QLatin1Char(':');
            b.append(name + QString::number(g.Oben, 'f', 1).remove(QStringLiteral(".0")));
        }
        s.append(b.join(QLatin1Char(' ')));
    }
    return s.join(QStringLiteral(" / "));
}

} // namespace

class TestBericht : public QObject {
    Q_OBJECT
private slots:
    void seitenplan_data();
    void seitenplan();
    void feldtexteUndGroessen();
    void jederLaufBeginntNeu();
    void pdfText();
    void leererBerichtSchreibtNichts();
    void pdfFehler();
    void bilder();
    void vorschauSpeichertPdf();
    void druckenOhneDrucker();
};

void TestBericht::seitenplan_data() {
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("f");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<bool>("fussUnten");
    QTest::addColumn<QString>("erwartet");

    // header and column header repeat on the second page; the footer follows the last band
    QTest::newRow("umbruch") << 20.0 << 10.0 << 50.0 << 0.0 << 10.0 << 5 << false
                             << "K10 S30 D1:40 D2:90 D3:140 D4:190 F240 / K10 S30 D5:40 F90";
    QTest::newRow("leer: keine Seite") << 20.0 << 10.0 << 50.0 << 100.0 << 10.0 << 0 << false << "";
    QTest::newRow("zusammenfassung passt")
        << 20.0 << 10.0 << 50.0 << 100.0 << 10.0 << 1 << false << "K10 S30 D1:40 Z90 F190";
    // a page without rows has no table header; its band stands 2 mm below the page header
    QTest::newRow("zusammenfassung auf neuer seite")
        << 20.0 << 10.0 << 50.0 << 40.0 << 10.0 << 4 << false
        << "K10 S30 D1:40 D2:90 D3:140 D4:190 F240 / K10 Z32 F72";
    // 40 + 5 x 47.4 + 10 = 287 mm: exactly the usable height
    QTest::newRow("genau voll")
        << 20.0 << 10.0 << 47.4 << 0.0 << 10.0 << 6 << false
        << "K10 S30 D1:40 D2:87.4 D3:134.8 D4:182.2 D5:229.6 F277 / K10 S30 D6:40 F87.4";
    QTest::newRow("fuss am seitenende")
        << 20.0 << 10.0 << 50.0 << 0.0 << 10.6 << 1 << true << "K10 S30 D1:40 F276.4";
    QTest::newRow("ohne spaltenkopf und fuss")
        << 30.0 << 0.0 << 100.0 << 0.0 << 0.0 << 3 << false << "K10 D1:40 D2:140 / K10 D3:40";
    // a band taller than a page is cut rather than pushing out pages for ever
    QTest::newRow("zu hohes band") << 20.0 << 0.0 << 400.0 << 0.0 << 10.0 << 2 << false
                                   << "K10 D1:30 F430 / K10 D2:30 F430";
}

void TestBericht::seitenplan() {
    QFETCH(double, k);
    QFETCH(double, s);
    QFETCH(double, d);
    QFETCH(double, z);
    QFETCH(double, f);
    QFETCH(int, zeilen);
    QFETCH(bool, fussUnten);
    QFETCH(QString, erwartet);
    TKleinerBericht b(k, s, d, z, f, zeilen, fussUnten);
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(beschreibe(seiten), erwartet);
    // the page number fields of each footer, with the number of pages
    const int n = static_cast<int>(seiten.size());
    for (const TSeite &seite : seiten)
        for (const TGesetztesBand &g : seite.Baender)
            if (g.Band->Name == QLatin1String("F")) {
                QCOMPARE(g.Felder.at(0).Text, QString::number(seite.Nummer));
                QCOMPARE(g.Felder.at(1).Text, QStringLiteral("%1 von %2").arg(seite.Nummer).arg(n));
            }
}

void TestBericht::feldtexteUndGroessen() {
    TKleinerBericht b(20, 0, 5, 0, 10, 3);
    b.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    b.Druckzeit = QDateTime(QDate(2024, 3, 5), QTime(14, 7));
    TBerichtBand &kopf = *b.SucheBand(QStringLiteral("K"));
    kopf.Label(QStringLiteral("Kurz"), 2, 2, 0, QStringLiteral("Nr.:"));
    kopf.Label(QStringLiteral("Lang"), 2, 8, 0, QStringLiteral("Nr.: Nr.: Nr.:"));
    kopf.Label(QStringLiteral("Fest"), 60, 2, 40.5, QStringLiteral("Nr.:"), 12, true, TAusrichtung::Rechts);
    kopf.Label(QStringLiteral("Weg"), 60, 8, 40, QStringLiteral("unsichtbar")).Sichtbar = false;
    kopf.Label(QStringLiteral("Eng"), 60, 14, 10, QStringLiteral("viel zu langer Text"));
    kopf.Label(QStringLiteral("Knapp"), 80, 14, 12, QStringLiteral("Basis [°C]"));
    kopf.Systemfeld(QStringLiteral("Zeit"), TFeldArt::Druckzeit, 120, 2);
    kopf.SenkrechteLinie(110, 0, 20);

    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(1));
    const TGesetztesBand &k = seiten[0].Baender[0];
    auto feld = [&](const QString &name) -> const TGesetztesFeld * {
        for (const TGesetztesFeld &f : k.Felder)
            if (f.Feld->Name == name)
                return &f;
        return nullptr;
    };
    QVERIFY(!feld(QStringLiteral("Weg")));
    const TGesetztesFeld *kurz = feld(QStringLiteral("Kurz"));
    const TGesetztesFeld *lang = feld(QStringLiteral("Lang"));
    QVERIFY(kurz && lang);
    // auto-size: the width follows the text ("Nr.:" in Arial 10 pt is about 6.5 mm)
    QVERIFY2(kurz->Rechteck.width() > 5.0 && kurz->Rechteck.width() < 8.0,
             qPrintable(QString::number(kurz->Rechteck.width())));
    QVERIFY(lang->Rechteck.width() > 3 * kurz->Rechteck.width());
    // page coordinates: margin + position in the band
    QCOMPARE(kurz->Rechteck.topLeft(), QPointF(12.0, 12.0));
    const TGesetztesFeld *fest = feld(QStringLiteral("Fest"));
    QCOMPARE(fest->Rechteck.width(), 40.5);
    // 12 pt: one line of about 4.9 mm
    QVERIFY(fest->Rechteck.height() > 4.0 && fest->Rechteck.height() < 6.0);
    // the print date with a four-digit year
    QCOMPARE(feld(QStringLiteral("Zeit"))->Text, QStringLiteral("05.03.2024 14:07"));
    // a text wider than its designed field is cut at the field's edges, the others not
    QVERIFY(feld(QStringLiteral("Eng"))->Abgeschnitten);
    QCOMPARE(feld(QStringLiteral("Eng"))->Rechteck.width(), 10.0);
    QVERIFY(!fest->Abgeschnitten && !lang->Abgeschnitten);
    QCOMPARE(fest->Schriftfaktor, 1.0);
    // a text a little too wide is set smaller instead, down to 70 %
    const TGesetztesFeld *knapp = feld(QStringLiteral("Knapp"));
    QVERIFY(!knapp->Abgeschnitten);
    QVERIFY2(knapp->Schriftfaktor < 1.0 && knapp->Schriftfaktor >= 0.68,
             qPrintable(QString::number(knapp->Schriftfaktor)));
    QCOMPARE(knapp->Rechteck.width(), 12.0);
    QCOMPARE(feld(QStringLiteral("Eng"))->Schriftfaktor, 1.0);
    // detail rows: the print callback gives each row its text
    QStringList texte;
    for (const TGesetztesBand &g : seiten[0].Baender)
        if (g.Band->Art == TBandArt::Detail)
            texte.append(g.Felder.at(0).Text);
    QCOMPARE(texte, (QStringList{"Zeile 1", "Zeile 2", "Zeile 3"}));
}

void TestBericht::jederLaufBeginntNeu() {
    TKleinerBericht b(20, 10, 50, 0, 10, 7);
    const QString erster = beschreibe(b.Planen());
    QCOMPARE(beschreibe(b.Planen()), erster);
    QCOMPARE(b.Planen().size(), size_t(2));
    // a report without a data source prints its detail band once
    b.MehrDaten = nullptr;
    QCOMPARE(beschreibe(b.Planen()), QStringLiteral("K10 S30 D1:40 F90"));
}

void TestBericht::pdfText() {
    QTemporaryDir dir;
    TKleinerBericht b(20, 10, 6, 0, 10, 80);
    b.SucheBand(QStringLiteral("K"))
        ->Label(QStringLiteral("T"), 5, 3, 0, QStringLiteral("Prüfbericht Ä"), 14);
    const QString datei = dir.filePath(QStringLiteral("b.pdf"));
    QString fehler;
    const int seiten = BerichtAusgabe::AlsPdf(b, datei, &fehler);
    QVERIFY2(seiten > 1, qPrintable(fehler));
    QCOMPARE(seitenImPdf(datei), seiten);
    const QString text =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    QCOMPARE(text.count(QStringLiteral("Prüfbericht Ä")), seiten);
    for (int i : {1, 41, 80})
        QVERIFY2(text.contains(QStringLiteral("Zeile %1\n").arg(i)) ||
                     text.contains(QStringLiteral("Zeile %1 ").arg(i)),
                 qPrintable(text.left(500)));
    QVERIFY(!text.contains(QStringLiteral("Zeile 81")));
    // every page says which of how many it is
    for (int s = 1; s <= seiten; ++s)
        QVERIFY2(text.contains(QStringLiteral("%1 von %2").arg(s).arg(seiten)), qPrintable(text.left(500)));
    QVERIFY(!text.contains(QStringLiteral("%1 von %2").arg(seiten + 1).arg(seiten)));
}

void TestBericht::leererBerichtSchreibtNichts() {
    QTemporaryDir dir;
    TKleinerBericht b(20, 10, 6, 30, 10, 0);
    const QString datei = dir.filePath(QStringLiteral("leer.pdf"));
    QCOMPARE(BerichtAusgabe::AlsPdf(b, datei), 0);
    QVERIFY(!QFile::exists(datei));
    QVERIFY(BerichtAusgabe::AlsBilder(b).isEmpty());
}

void TestBericht::pdfFehler() {
    QTemporaryDir dir;
    TKleinerBericht b(20, 10, 6, 0, 10, 3);
    QString fehler;
    const QString datei = dir.filePath(QStringLiteral("fehlt/b.pdf"));
    QCOMPARE(BerichtAusgabe::AlsPdf(b, datei, &fehler), -1);
    QVERIFY(fehler.contains(datei));
    QVERIFY(!QFile::exists(datei));
}

void TestBericht::bilder() {
    TKleinerBericht b(20, 10, 50, 0, 10, 5);
    const QList<QImage> bilder = BerichtAusgabe::AlsBilder(b, 50.0);
    QCOMPARE(bilder.size(), 2);
    // A4 at 50 dpi
    QCOMPARE(bilder[0].size(), QSize(413, 585));
    // the page header's frame: its top line at y = 10 mm, its left line at x = 10 mm
    const int y = qRound(10.0 / 25.4 * 50), x = qRound(10.0 / 25.4 * 50);
    QVERIFY(dunkelstes(bilder[0], 200, y) < 220);
    QVERIFY(dunkelstes(bilder[0], x, 30) < 220);
    QCOMPARE(dunkelstes(bilder[0], 200, 5), 255);
}

void TestBericht::vorschauSpeichertPdf() {
    QTemporaryDir dir;
    TKleinerBericht b(20, 10, 6, 0, 10, 50);
    TSkriptDialoge dialoge;
    const QString datei = dir.filePath(QStringLiteral("vorschau"));
    dialoge.SpeicherDateien = {datei};
    bool gesehen = false;
    QTimer::singleShot(0, this, [&] {
        auto *v = qobject_cast<TBerichtVorschau *>(QApplication::activeModalWidget());
        QVERIFY(v);
        gesehen = true;
        QVERIFY(v->PdfAktion()->isEnabled());
        v->PdfAktion()->trigger();
        v->close();
    });
    BerichtAusgabe::Vorschau(b, dialoge, nullptr, dir.filePath(QStringLiteral("Miete1_240305.CSV")));
    QVERIFY(gesehen);
    QCOMPARE(dialoge.Protokoll.size(), 1);
    QCOMPARE(dialoge.Protokoll[0].art, TSkriptDialoge::Art::DateiSpeichern);
    // the file name proposed is the data file's, as PDF
    QCOMPARE(dialoge.Protokoll[0].ordner, dir.filePath(QStringLiteral("Miete1_240305.pdf")));
    // ".pdf" is added to a name without an extension
    QVERIFY(QFile::exists(datei + QStringLiteral(".pdf")));
    QVERIFY(poppler(QStringLiteral("pdftotext"), {datei + QStringLiteral(".pdf"), QStringLiteral("-")})
                .contains(QStringLiteral("Zeile 50")));
}

void TestBericht::druckenOhneDrucker() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer");
    TKleinerBericht b(20, 10, 6, 0, 10, 3);
    TSkriptDialoge dialoge;
    QVERIFY(!BerichtAusgabe::Drucken(b, dialoge, nullptr));
    QCOMPARE(dialoge.Meldungen().size(), 1);
    QVERIFY(dialoge.Meldungen()[0].startsWith(QStringLiteral("Es ist kein Drucker installiert.")));
}

QTEST_MAIN(TestBericht)
#include "tst_bericht.moc"

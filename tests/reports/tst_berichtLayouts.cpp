// The three printed layouts: bands and representative fields where the design
// places them (from the planned pages), page breaks of the protocols, paper
// size and orientation of the written PDF, the graph always on one page.
#include "BerichtPruefung.h"
#include "data/UMessDaten.h"
#include "reports/UProtokollDruck.h"
#include "reports/UQRGraphForm.h"
#include "reports/UQRKompForm.h"
#include "reports/UQRKompProtokoll.h"
#include "shell/KompUtils.h"
#include "shell/USprache.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace BerichtPruefung;

namespace {

constexpr double Eps = 0.051;

bool nahe(double a, double b) {
    return std::abs(a - b) < Eps;
}

#define VERGLEICHE_MM(ist, soll)                                                                             \
    QVERIFY2(nahe((ist), (soll)), qPrintable(QStringLiteral("%1 != %2").arg(ist).arg(soll)))

// Rows for a protocol: MehrDaten counts to n, every value field prints its
// row and column.
template <typename Bericht> void zeilenFuellen(Bericht &b, int &zeile, int n) {
    b.BeimStart = [&zeile] { zeile = 0; };
    b.MehrDaten = [&zeile, n] { return ++zeile <= n; };
    for (TBerichtFeld *f : {b.QRDat, b.QRT1, b.QR55Gr}) {
        const QString name = f->Name;
        f->Drucken = [&zeile, name](QString &t) { t = QStringLiteral("%1/%2").arg(name).arg(zeile); };
    }
}

// A chart with two series of n points, so that the pictures show a real chart.
struct TKurven {
    TMessSerie t{TSerienArt::Linie, QStringLiteral("T100"),   TAchsenSeite::Links, QStringLiteral("###.#"),
                 Farben::Rot,       TLinienStil::Durchgezogen};
    TMessSerie o2{TSerienArt::Linie,      QStringLiteral("O2"), TAchsenSeite::Rechts,
                  QStringLiteral("##.#"), Farben::Blau,         TLinienStil::Durchgezogen};
    void an(TDiagrammAnzeige &anzeige, int n) {
        TDiagramm &d = anzeige.Diagramm();
        d.AlleSerienEntfernen();
        d.SetTitel({QStringLiteral("Kompostwerk"), QStringLiteral("Miete 1")});
        d.SetFuss({QStringLiteral("Miete1.CSV")});
        d.SetAchseFest(TAchsenSeite::Links, 0, 100);
        d.SetAchseTitel(TAchsenSeite::Links, QStringLiteral("T[°C]"));
        d.SetAchseFest(TAchsenSeite::Rechts, 0, 25);
        d.SetAchseTitel(TAchsenSeite::Rechts, QStringLiteral("O2/vol%"));
        d.SetAchseFest(TAchsenSeite::Unten, 0.7, n);
        d.SetAchseTitel(TAchsenSeite::Unten, QStringLiteral("Messwert- Nr"));
        t.Leeren();
        o2.Leeren();
        for (int i = 0; i <= n; ++i) {
            t.Hinzufuegen(55 + 15 * std::sin(i / 7.0));
            o2.Hinzufuegen(12 + 6 * std::cos(i / 5.0));
        }
        d.SerieHinzufuegen(&t);
        d.SerieHinzufuegen(&o2);
    }
};

// A verdict with every line filled and its longest texts: spans of four-digit
// days, gaps, a clock step, repeats, unreadable lines, the data file.
THygienisierung langesUrteil() {
    THygienisierung h;
    const QDateTime von(QDate(2023, 1, 28), QTime(20, 58), Qt::UTC);
    for (size_t k = 0; k < h.Spanne.size(); ++k)
        for (size_t b = 0; b < 2; ++b) {
            THygieneSpanne &s = h.Spanne[k][b];
            s.Vorhanden = true;
            s.Von = von;
            s.Minuten = 1041 * 1440 + 15 * 60;
            s.Bis = von.addSecs(s.Minuten * 60);
            h.Erfuellt[k][b] = b == 0;
        }
    for (int i = 0; i < 3; ++i)
        h.Luecken.append({von.addDays(10 * i), von.addDays(10 * i + 2)});
    h.Rueckstellungen.append({von.addDays(40), von.addDays(39)});
    h.Doppelt = 2;
    h.Ausgelassen = 1;
    h.Datei = QStringLiteral("Miete-Nord_28-01-2023.CSV");
    h.Sha256 = QString(64, QLatin1Char('f'));
    SetzeAnlagenArt(h, TAnlagenArt::Offen);
    return h;
}

// The lowest ink of a placed band: the bottom of its texts and its lines.
double unterkante(const TGesetztesBand &b) {
    double y = b.Rahmen.Oben ? b.Oben : 0.0;
    if (b.Rahmen.Unten)
        y = b.Oben + b.Band->Hoehe;
    for (const TGesetztesFeld &f : b.Felder)
        if (f.Feld->Art != TFeldArt::Linie || f.Rechteck.height() == 0.0)
            y = std::max(y, f.Rechteck.bottom());
    return y;
}

} // namespace

class TestBerichtLayouts : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void messprotokoll();
    void messprotokollSeiten();
    void messprotokollOhneDiagramm();
    void protokollGG();
    void grafikEineSeite_data();
    void grafikEineSeite();
    void papier_data();
    void papier();
    void gueteprotokollKollisionen_data();
    void gueteprotokollKollisionen();
};

void TestBerichtLayouts::messprotokoll() {
    TFQRKompForm b;
    int zeile = 0;
    zeilenFuellen(b, zeile, 3);
    b.QRKopf1->Text = QStringLiteral("Kompostwerk Nord");
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(1));
    const TSeite &s = seiten[0];
    // bands one below the other from the top margin, the footer right after the summary
    QStringList baender;
    for (const TGesetztesBand &g : s.Baender)
        baender.append(QStringLiteral("%1@%2").arg(g.Band->Name).arg(g.Oben, 0, 'f', 1));
    QCOMPARE(baender.join(QLatin1Char(' ')),
             QStringLiteral("QRBand1@10.0 ColumnHeaderBand1@58.7 DetailBand1@72.2 DetailBand1@77.5 "
                            "DetailBand1@82.8 SummaryBand1@88.1 PageFooterBand1@229.7"));
    QCOMPARE(band(s, QStringLiteral("QRBand1"))->Band->Rahmen, TRahmen::OhneUnten());
    QCOMPARE(band(s, QStringLiteral("ColumnHeaderBand1"))->Band->Rahmen, TRahmen::Alle());
    QCOMPARE(band(s, QStringLiteral("DetailBand1"))->Band->Rahmen, TRahmen::Seiten());

    // page header (band at 10/10 mm)
    const TGesetztesFeld *titel = feld(s, QStringLiteral("QRKLabel1"));
    QCOMPARE(titel->Text, QStringLiteral("Humaro Messprotokoll"));
    QCOMPARE(titel->Feld->Ausrichtung, TAusrichtung::Mitte);
    QCOMPARE(titel->Feld->Groesse, 12.0);
    VERGLEICHE_MM(titel->Rechteck.left(), 41.8);
    VERGLEICHE_MM(titel->Rechteck.width(), 106.1);
    const TGesetztesFeld *kopf1 = feld(s, QStringLiteral("QRKopf1"));
    QCOMPARE(kopf1->Text, QStringLiteral("Kompostwerk Nord"));
    QCOMPARE(kopf1->Feld->Groesse, 14.0);
    VERGLEICHE_MM(kopf1->Rechteck.top(), 16.2);
    const TGesetztesFeld *name = feld(s, QStringLiteral("QRLabel9"));
    QCOMPARE(name->Text, QStringLiteral("Anlagen- Name :"));
    QVERIFY(name->Feld->Fett);
    VERGLEICHE_MM(feld(s, QStringLiteral("QRKomment2"))->Rechteck.top(), 50.7);
    QCOMPARE(feld(s, QStringLiteral("QRKomment1"))->Text, QStringLiteral("K1"));
    QCOMPARE(feld(s, QStringLiteral("DateiName"))->Text, QStringLiteral("DateiName"));

    // column header (band at 58.7 mm): the lower line of titles at 6.9 mm
    const TGesetztesFeld *t5 = feld(s, QStringLiteral("QRTemp1"));
    QCOMPARE(t5->Text, QStringLiteral("T5[°C]"));
    VERGLEICHE_MM(t5->Rechteck.left(), 54.5);
    VERGLEICHE_MM(t5->Rechteck.top(), 65.6);
    QCOMPARE(feld(s, QStringLiteral("QRTemp5"))->Text, QStringLiteral("T1[°C]"));
    VERGLEICHE_MM(feld(s, QStringLiteral("QRLabel5"))->Rechteck.top(), 60.3);
    QCOMPARE(feld(s, QStringLiteral("QRLabel6"))->Text, QStringLiteral("S 55°C[cm]"));
    QVERIFY(feld(s, QStringLiteral("QRLabel8"))->Feld->AutoGroesse);
    // six lines over the full height and five over the lower half
    QList<QPair<double, double>> linien;
    for (const TGesetztesFeld &f : band(s, QStringLiteral("ColumnHeaderBand1"))->Felder)
        if (f.Feld->Art == TFeldArt::Linie)
            linien.append({f.Rechteck.left() - 10.0, f.Rechteck.height()});
    QCOMPARE(linien.size(), 11);
    QVERIFY(linien.contains(QPair<double, double>(192.2, 13.5)));
    QVERIFY(linien.contains(QPair<double, double>(152.6, 6.75)));

    // detail rows: values 9 pt, right-aligned except number and date; the callback's text
    const TGesetztesFeld *t100 = feld(s, QStringLiteral("QRT1"), 2);
    QCOMPARE(t100->Text, QStringLiteral("QRT1/2"));
    QCOMPARE(t100->Feld->Ausrichtung, TAusrichtung::Rechts);
    QCOMPARE(t100->Feld->Groesse, 9.0);
    VERGLEICHE_MM(t100->Rechteck.left(), 53.4);
    VERGLEICHE_MM(t100->Rechteck.width(), 12.7);
    QVERIFY(feld(s, QStringLiteral("QRDat"), 1)->Feld->AutoGroesse);
    QCOMPARE(feld(s, QStringLiteral("QRDat"), 3)->Feld->Ausrichtung, TAusrichtung::Links);
    VERGLEICHE_MM(feld(s, QStringLiteral("QR55Gr"), 1)->Rechteck.left(), 179.3);

    // the chart in the summary band, the footer's fields
    const TGesetztesFeld *chart = feld(s, QStringLiteral("QRChart1"));
    QCOMPARE(chart->Rechteck, QRectF(13.7, 90.1, 186.1, 138.5));
    QCOMPARE(chart->Feld->Diagramm, b.QRChart1.get());
    QCOMPARE(b.QRChart1->Diagramm().Serien().size(), 1); // the placeholder
    QCOMPARE(feld(s, QStringLiteral("QRLabel1"))->Text, QStringLiteral("Druckdatum/-zeit :"));
    VERGLEICHE_MM(feld(s, QStringLiteral("QRLabel2"))->Rechteck.left(), 162.6);
    QCOMPARE(feld(s, QStringLiteral("QRSysData2"))->Text, QStringLiteral("1 von 1"));
    VERGLEICHE_MM(feld(s, QStringLiteral("QRSysData2"))->Rechteck.left(), 180.9);
    QCOMPARE(b.PageFooterBand1->Rahmen, TRahmen::Alle());
    QVERIFY(!b.PageFooterBand1->AmSeitenende);
}

void TestBerichtLayouts::messprotokollSeiten() {
    TFQRKompForm b;
    int zeile = 0;
    // 35 rows fill a Letter page below the headers; the chart needs a page of its own
    zeilenFuellen(b, zeile, 71);
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(3));
    auto zeilen = [](const TSeite &s) {
        QList<int> z;
        for (const TGesetztesBand &g : s.Baender)
            if (g.Zeile > 0)
                z.append(g.Zeile);
        return z;
    };
    QCOMPARE(zeilen(seiten[0]).size(), 35);
    QCOMPARE(zeilen(seiten[1]).first(), 36);
    QCOMPARE(zeilen(seiten[2]), QList<int>{71});
    for (const TSeite &s : seiten) {
        QVERIFY(band(s, QStringLiteral("QRBand1")));
        QVERIFY(band(s, QStringLiteral("ColumnHeaderBand1")));
        QVERIFY(band(s, QStringLiteral("PageFooterBand1")));
    }
    // on a full page the footer closes the table right below the last row
    const TGesetztesBand *letzte = band(seiten[0], QStringLiteral("DetailBand1"), 35);
    VERGLEICHE_MM(band(seiten[0], QStringLiteral("PageFooterBand1"))->Oben, letzte->Oben + 5.3);
    QVERIFY(band(seiten[2], QStringLiteral("SummaryBand1")));
}

void TestBerichtLayouts::messprotokollOhneDiagramm() {
    TFQRKompForm b;
    int zeile = 0;
    zeilenFuellen(b, zeile, 2);
    b.OhneDiagramm();
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(1));
    QVERIFY(!band(seiten[0], QStringLiteral("SummaryBand1")));
    QVERIFY(!feld(seiten[0], QStringLiteral("QRChart1")));
    VERGLEICHE_MM(band(seiten[0], QStringLiteral("PageFooterBand1"))->Oben, 72.2 + 2 * 5.3);
}

void TestBerichtLayouts::protokollGG() {
    TFQRKompProtokoll b;
    int zeile = 0;
    zeilenFuellen(b, zeile, 2);
    TKurven kurven;
    kurven.an(*b.QRChart1, 40);
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(1));
    const TSeite &s = seiten[0];
    VERGLEICHE_MM(band(s, QStringLiteral("ColumnHeaderBand1"))->Oben, 46.7);
    VERGLEICHE_MM(band(s, QStringLiteral("DetailBand1"), 1)->Oben, 61.6);
    QCOMPARE(band(s, QStringLiteral("DetailBand1"))->Band->Rahmen, TRahmen::Alle());
    const TGesetztesFeld *titel = feld(s, QStringLiteral("QRKLabel1"));
    QCOMPARE(titel->Text, QStringLiteral("Temperatur- Protokoll Eigenuntersuchung von Kompost"));
    QVERIFY(titel->Feld->Fett && titel->Feld->AutoGroesse);
    QCOMPARE(titel->Feld->Groesse, 14.0);
    VERGLEICHE_MM(titel->Rechteck.left(), 20.6);
    VERGLEICHE_MM(titel->Rechteck.top(), 12.0);
    QCOMPARE(feld(s, QStringLiteral("QRLabel4"))->Text, QStringLiteral("Betrieb:"));
    VERGLEICHE_MM(feld(s, QStringLiteral("QRKopf2"))->Rechteck.width(), 182.8);
    QCOMPARE(feld(s, QStringLiteral("QRLabel9"))->Text, QStringLiteral("Mieten-Nr:"));
    QCOMPARE(feld(s, QStringLiteral("QRTemp1"))->Text, QStringLiteral("Rand "));
    QCOMPARE(feld(s, QStringLiteral("QRTemp2"))->Text, QStringLiteral("Kern "));
    QCOMPARE(feld(s, QStringLiteral("QRTemp3"))->Text, QStringLiteral("Basis "));
    // the remark title: 8 pt regular, wrapped within its width, inside the band
    const TGesetztesFeld *bemerkung = feld(s, QStringLiteral("QRLabel7"));
    QVERIFY(!bemerkung->Feld->Fett && bemerkung->Feld->Umbruch);
    QCOMPARE(bemerkung->Feld->Groesse, 8.0);
    QVERIFY(bemerkung->Rechteck.height() > 5.0);
    QVERIFY(bemerkung->Rechteck.bottom() <= 46.7 + 14.9);
    QVERIFY(feld(s, QStringLiteral("QRLabel3"))->Feld->Fett);
    // detail: the three values right-aligned at their columns
    const TGesetztesFeld *kern = feld(s, QStringLiteral("QRT1"), 2);
    QCOMPARE(kern->Text, QStringLiteral("QRT1/2"));
    VERGLEICHE_MM(kern->Rechteck.left(), 60.8);
    QCOMPARE(kern->Feld->Ausrichtung, TAusrichtung::Rechts);
    VERGLEICHE_MM(feld(s, QStringLiteral("QRT5"), 1)->Rechteck.left(), 79.8);
    QList<double> xs;
    for (const TGesetztesFeld &f : band(s, QStringLiteral("DetailBand1"))->Felder)
        if (f.Feld->Art == TFeldArt::Linie)
            xs.append(std::round((f.Rechteck.left() - 10.0) * 10) / 10);
    QCOMPARE(xs, (QList<double>{29.8, 48.9, 67.8, 87.0, 144.1}));
    QCOMPARE(feld(s, QStringLiteral("QRChart1"))->Rechteck, QRectF(10.0, 72.2, 188.2, 122.0));

    const QString datei = ablage(m_dir.path(), QStringLiteral("protokollGG.pdf"));
    QCOMPARE(BerichtAusgabe::AlsPdf(b, datei), 1);
    const QString text = pdfText(datei);
    for (const char *t : {"Temperatur- Protokoll Eigenuntersuchung von Kompost", "Betrieb:", "Mieten-Nr:",
                          "Messwerte", "Prüfer/ Unterschrift", "QRT1/2", "Seitennr. :"})
        QVERIFY2(text.contains(QString::fromUtf8(t)), t);
}

void TestBerichtLayouts::grafikEineSeite_data() {
    QTest::addColumn<int>("werte");
    QTest::newRow("1") << 1;
    QTest::newRow("10000") << 10000;
}

void TestBerichtLayouts::grafikEineSeite() {
    QFETCH(int, werte);
    TFQRGraphForm b;
    TKurven kurven;
    kurven.an(*b.QRChart1, werte);
    b.QRKopf1->Text = QStringLiteral("Kompostwerk Nord");
    b.AnlName->Text = QStringLiteral(" Miete 1");
    const std::vector<TSeite> seiten = b.Planen();
    QCOMPARE(seiten.size(), size_t(1));
    const TSeite &s = seiten[0];
    QCOMPARE(band(s, QStringLiteral("QRBand1"))->Band->Rahmen, TRahmen::Alle());
    VERGLEICHE_MM(band(s, QStringLiteral("summaryband1"))->Oben, 56.0);
    QCOMPARE(band(s, QStringLiteral("summaryband1"))->Band->Art, TBandArt::Detail);
    QCOMPARE(feld(s, QStringLiteral("QRChart1"))->Rechteck, QRectF(12.6, 58.6, 275.2, 122.0));
    // the footer at the bottom of the A4 landscape page
    VERGLEICHE_MM(band(s, QStringLiteral("PageFooterBand1"))->Oben, 210.0 - 10.0 - 10.6);
    QCOMPARE(feld(s, QStringLiteral("QRKLabel1"))->Text, QStringLiteral("TARVOS Messprotokoll"));
    VERGLEICHE_MM(feld(s, QStringLiteral("DateiName"))->Rechteck.top(), 40.1);
    VERGLEICHE_MM(feld(s, QStringLiteral("QRKomment1"))->Rechteck.width(), 242.1);
    QVERIFY(feld(s, QStringLiteral("AnlName"))->Feld->AutoGroesse);

    // and once more: a preview runs the report again
    const QString datei = ablage(m_dir.path(), QStringLiteral("grafik%1.pdf").arg(werte));
    QCOMPARE(BerichtAusgabe::AlsPdf(b, datei), 1);
    QCOMPARE(BerichtAusgabe::AlsPdf(b, datei), 1);
    QCOMPARE(pdfInfo(datei, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(pdfText(datei).contains(QStringLiteral("TARVOS Messprotokoll")));
    // the chart is drawn as vectors: the PDF holds no picture; "Arial" prints in Liberation Sans
    QCOMPARE(poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), datei}).count(QLatin1Char('\n')),
             2);
    QVERIFY(poppler(QStringLiteral("pdffonts"), {datei}).contains(QStringLiteral("LiberationSans")));
}

void TestBerichtLayouts::papier_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("groesse");
    QTest::newRow("Messprotokoll") << 0 << "612 x 792 pts (letter)";
    QTest::newRow("Protokoll GG") << 1 << "612 x 792 pts (letter)";
    QTest::newRow("Grafik") << 2 << "842 x 595 pts (A4)";
}

void TestBerichtLayouts::papier() {
    QFETCH(int, art);
    QFETCH(QString, groesse);
    std::unique_ptr<TBericht> b;
    if (art == 0)
        b = std::make_unique<TFQRKompForm>();
    else if (art == 1)
        b = std::make_unique<TFQRKompProtokoll>();
    else
        b = std::make_unique<TFQRGraphForm>();
    // every run starts afresh (the pages are counted in a run of their own)
    auto n = std::make_shared<int>(0);
    b->BeimStart = [n] { *n = 0; };
    b->MehrDaten = [n] { return (*n)++ < 3; };
    const QString datei = m_dir.filePath(QStringLiteral("papier%1.pdf").arg(art));
    QVERIFY(BerichtAusgabe::AlsPdf(*b, datei) >= 1);
    QCOMPARE(pdfInfo(datei, QStringLiteral("Page size")), groesse);
    QCOMPARE(pdfInfo(datei, QStringLiteral("Page rot")), QStringLiteral("0"));
}

void TestBerichtLayouts::gueteprotokollKollisionen_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<int>("zeilen");
    // 27 rows: the verdict's table ends the first page, its notes begin the
    // next; 37 rows fill the first page, the verdict begins the next.
    for (const char *sprache : {"de", "en", "fr"})
        for (int zeilen : {27, 37})
            QTest::addRow("%s, %d Zeilen", sprache, zeilen) << QString::fromLatin1(sprache) << zeilen;
}

// The quality-association protocol in each language: the column heading
// "Messwerte" clear of the lines between the value columns, no table header
// on a page without rows, the first band of such a page clear of the page
// header, and every text of the verdict's table within its column (durations
// of four-digit days too).
void TestBerichtLayouts::gueteprotokollKollisionen() {
    QFETCH(QString, sprache);
    QFETCH(int, zeilen);
    QStandardPaths::setTestModeEnabled(true);
    TSprache uebersetzung(QString::fromLatin1(TSprache::Schluessel));
    QVERIFY(uebersetzung.Setze(sprache, false));

    QByteArray inhalt = "Kompostwerk\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete-Nord\r\n"
                        "Datei  - Name: /daten/Miete-Nord.CSV\r\n\r\nErste Datensicherung : 01.06.2026\r\n"
                        " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;"
                        "LuefterZyklen\r\n";
    for (int i = 0; i < zeilen; ++i)
        inhalt += QByteArray::number(i + 1) + ";" +
                  QDate(2026, 6, 1).addDays(i).toString(QStringLiteral("dd.MM.yyyy")).toLatin1() +
                  "  08:00;   66;   64;   60;   57;   50;   10; 15,2;3;   12;    4;\r\n";
    const QString pfad = m_dir.filePath(QStringLiteral("Kollisionen.CSV"));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    TZustand z;
    z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    z.ShowRef = true;
    KompUtils::BildeRefText(z);
    TMessDaten daten(z);
    QVERIFY(daten.Load(pfad) && daten.Valid());
    TProtokollDruck druck(daten, z, 1, true, false, langesUrteil());
    QVERIFY(druck.Ok());
    const std::vector<TSeite> seiten = druck.Bericht().Planen();
    QVERIFY(seiten.size() >= 2);

    for (const TSeite &s : seiten) {
        const QString seite = QStringLiteral("page %1: ").arg(s.Nummer);
        const bool mitZeilen = band(s, QStringLiteral("DetailBand1")) != nullptr;
        const TGesetztesBand *spalten = band(s, QStringLiteral("ColumnHeaderBand1"));
        QVERIFY2((spalten != nullptr) == mitZeilen, qPrintable(seite + QStringLiteral("table header")));
        if (spalten) {
            // the heading's text, centred in its field, clear of every line of the band
            const TGesetztesFeld *titel = feld(s, QStringLiteral("QRLabel5"));
            const double breite =
                TSeitenplaner::TextBreite(titel->Feld->Schrift(), titel->Text) * titel->Schriftfaktor;
            const double links = titel->Rechteck.center().x() - breite / 2;
            for (const TGesetztesFeld &l : spalten->Felder)
                if (l.Feld->Art == TFeldArt::Linie && l.Rechteck.width() == 0.0 &&
                    l.Rechteck.left() > links - 0.3 && l.Rechteck.left() < links + breite + 0.3)
                    QVERIFY2(l.Rechteck.top() >= titel->Rechteck.bottom(),
                             qPrintable(seite + QStringLiteral("line at %1 mm crosses \"%2\"")
                                                    .arg(l.Rechteck.left() - 10.0)
                                                    .arg(titel->Text)));
        } else {
            // the page header is closed below, and the first band under it keeps its distance
            const TGesetztesBand &kopf = s.Baender.at(0);
            QVERIFY2(kopf.Rahmen.Unten, qPrintable(seite + QStringLiteral("page header open below")));
            const TGesetztesBand &erstes = s.Baender.at(1);
            double oben = 1e9;
            for (const TGesetztesFeld &f : erstes.Felder)
                if (f.Feld->Art == TFeldArt::Text && !f.Text.isEmpty())
                    oben = std::min(oben, f.Rechteck.top());
            QVERIFY2(oben - unterkante(kopf) >= 1.5,
                     qPrintable(seite + erstes.Band->Name +
                                QStringLiteral(" %1 mm below the header").arg(oben - unterkante(kopf))));
        }
    }

    // the verdict's table: every text within its column, at its size
    bool gefunden = false;
    for (const TSeite &s : seiten)
        for (const TGesetztesBand &b : s.Baender)
            for (const TGesetztesFeld &f : b.Felder) {
                if (!f.Feld->Name.startsWith(QStringLiteral("Hygiene")) ||
                    f.Feld->Name.contains(QStringLiteral("Vermerk")))
                    continue;
                gefunden = true;
                const double breite = TSeitenplaner::TextBreite(f.Feld->Schrift(), f.Text);
                QVERIFY2(!f.Abgeschnitten && f.Schriftfaktor == 1.0 &&
                             (f.Feld->AutoGroesse || breite <= f.Feld->Breite + 0.05),
                         qPrintable(QStringLiteral("%1 \"%2\": %3 mm in %4 mm")
                                        .arg(f.Feld->Name, f.Text)
                                        .arg(breite)
                                        .arg(f.Feld->Breite)));
            }
    QVERIFY(gefunden);
    QVERIFY(uebersetzung.Setze(QStringLiteral("de"), false));
}

QTEST_MAIN(TestBerichtLayouts)
#include "tst_berichtLayouts.moc"

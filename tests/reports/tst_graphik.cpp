// The graph window: its controls and texts, the boxes read from and written
// to the [COM] settings, the series shown per page and box, zoom along the
// measurement axis only, the scroll limits, one value per day, opening files,
// changing plants and closing the file.
#include "data/UMessDaten.h"
#include "reports/UGraphik.h"
#include "reports/UQRGraphForm.h"
#include "shell/UIniDatei.h"
#include "shell/ULauf.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <qcustomplot.h>

namespace {

const QByteArrayList Kopf = {
    "Kompostwerk Nord",
    "Am Hang 3",
    "12345 Irgendwo",
    "",
    "Anlagen- Name: Miete 7",
    "Datei  - Name: C:\\Daten\\Miete7.CSV",
    "Gruenschnitt",
    "Erste Datensicherung : 09.12.2024",
    " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen",
};

// The label's text as it reads.
QString Klartext(const QLabel *l) {
    return QTextDocumentFragment::fromHtml(l->text()).toPlainText().replace(QChar(0xa0), QLatin1Char(' '));
}

} // namespace

class TstGraphik : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_heim;
    std::unique_ptr<TSkriptDialoge> m_dialoge;
    std::unique_ptr<TLauf> m_lauf;
    std::unique_ptr<TFGraphForm> m_f;

    QString heim(const QString &name) const { return m_heim->filePath(name); }

    // A file of tage days with proTag records each, one every three hours from
    // 09.12.2024 00:00; temperatures 60, 58, 55, 40, 30 (T100 varying), fan
    // running times 10, 20, ... and cycles 1, 2, ...
    QString datei(int tage, int proTag, const QString &name = QStringLiteral("Miete7.CSV")) {
        QByteArrayList zeilen = Kopf;
        int nr = 0;
        for (int t = 0; t < tage; ++t)
            for (int i = 0; i < proTag; ++i) {
                tAnlageMesswerte w;
                w.T = {0, 60 + nr % 5, 58, 55, 40, 30};
                w.RefMarke = 50;
                w.O2 = 150 + nr;
                w.Betriebsart = 3;
                w.Laufzeit = 10 * (nr + 1);
                w.Zyklen = nr + 1;
                const QDateTime zeit = QDateTime(QDate(2024, 12, 9).addDays(t), QTime(3 * i, 0));
                ++nr;
                zeilen.append(TDataFile::RecordLine(nr, zeit.toString("dd.MM.yyyy  hh:mm"), w).chopped(2));
            }
        QFile f(heim(name));
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(zeilen.join("\r\n") + "\r\n");
        return f.fileName();
    }

    void ini(const QByteArray &inhalt) {
        QFile f(heim(QStringLiteral("O2_Tarvos.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray b = inhalt;
        b.replace("\n", "\r\n");
        f.write(b);
    }
    QByteArray iniBytes() const {
        QFile f(heim(QStringLiteral("O2_Tarvos.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    // A run on the home folder with the given display settings, and its window.
    void baue(bool metric = false, bool showRef = true) {
        m_lauf = std::make_unique<TLauf>(m_heim->path(), *m_dialoge);
        TZustand &z = m_lauf->Zustand;
        z.Metric = metric;
        z.ShowRef = showRef;
        z.RefText = metric ? QStringLiteral("s 131°F[in]") : QStringLiteral("s 55°C[cm]");
        z.AnlagenAnzahl = 4;
        z.AktAnlage = 2;
        z.Anlagen[2].Name = QStringLiteral("Miete 7");
        z.Anlagen[2].Pfad = m_heim->path();
        z.Anlagen[3].Name = QStringLiteral("Miete 9");
        m_f = std::make_unique<TFGraphForm>(*m_lauf);
    }

    // Opens path through the window's open dialog.
    void oeffne(const QString &pfad) {
        m_dialoge->Dateien.append(pfad);
        m_f->OpenButtonClick();
    }

    TDiagramm &d() { return m_f->Chart1->Diagramm(); }
    QCustomPlot *plot() { return m_f->Chart1->Plot(); }
    QStringList gezeigt() {
        QStringList t;
        for (const TMessSerie *s : d().Serien())
            t.append(s->Titel());
        return t;
    }
    void seite(int i) { m_f->PageControl1->setCurrentIndex(i); }

private slots:
    void init() {
        m_heim = std::make_unique<QTemporaryDir>();
        m_dialoge = std::make_unique<TSkriptDialoge>();
    }
    void cleanup() {
        m_f.reset();
        m_lauf.reset();
        m_dialoge.reset();
        m_heim.reset();
    }

    // Controls, texts and start state; the captions with °F and inch, and
    // without the reference depth.
    void aufbau_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<bool>("showRef");
        QTest::addColumn<QStringList>("temperaturen");
        QTest::newRow("cm") << false << true
                            << QStringList{"T 100cm [°C]", "T  75cm [°C]", "T  50cm [°C]", "T  25cm [°C]",
                                           "T  0cm [°C]"};
        QTest::newRow("inch") << true << true << QStringList{"T 40in", "T 30in", "T 20in", "T 10in", "T 0in"};
        QTest::newRow("ohne Referenz")
            << false << false
            << QStringList{"T 100cm [°C]", "T  75cm [°C]", "T  50cm [°C]", "T  25cm [°C]", "T  0cm [°C]"};
    }
    void aufbau() {
        QFETCH(bool, metric);
        QFETCH(bool, showRef);
        QFETCH(QStringList, temperaturen);
        ini("[COM]\nT55=1\n");
        baue(metric, showRef);
        m_f->show();
        QCOMPARE(m_f->windowTitle(), QStringLiteral("Humaro Graphik"));
        QVERIFY(m_f->windowState() & Qt::WindowMaximized);
        const QList<QCheckBox *> temp{m_f->CheckT1, m_f->CheckT2, m_f->CheckT3, m_f->CheckT4, m_f->CheckT5};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(temp.at(i)->text(), temperaturen.at(i));
        QCOMPARE(m_f->CheckT55->text(), QStringLiteral("Tiefe Referenz Marke"));
        QCOMPARE(m_f->CheckT55->isVisible(), showRef);
        QCOMPARE(m_f->CheckT55->isChecked(), showRef); // hidden: stays unchecked
        QCOMPARE(m_f->CheckO2->text(), QStringLiteral("O2 Konzentration"));
        QCOMPARE(m_f->CheckLuftZeit->text(), QStringLiteral("Lüfterlaufzeit"));
        QCOMPARE(m_f->CheckZyklen->text(), QStringLiteral("Lüfterschaltzyklen"));
        QCOMPARE(m_f->CheckWert->text(), QStringLiteral("1Wert/Tag"));
        QCOMPARE(m_f->PageControl1->tabText(0), QStringLiteral("Umweltdaten"));
        QCOMPARE(m_f->PageControl1->tabText(1), QStringLiteral("Lüfterdaten"));
        QCOMPARE(m_f->PageControl1->currentWidget(), m_f->Sheet1);
        QCOMPARE(m_f->OpenButton->toolTip(), QStringLiteral("Datei öffnen"));
        QCOMPARE(m_f->PreviewButton->toolTip(), QStringLiteral("Druckvorschau"));
        QCOMPARE(m_f->PrintButton->toolTip(), QStringLiteral("Daten ausdrucken"));
        QVERIFY(!m_f->PreviewButton->isEnabled());
        QVERIFY(!m_f->PrintButton->isEnabled());
        QVERIFY(!m_f->Druckvorschau1->isEnabled());
        QVERIFY(!m_f->Drucken2->isEnabled());
        QCOMPARE(m_f->StatusText(1), QStringLiteral("Pfad:"));
        QCOMPARE(m_f->StatusText(2), QString());
        QCOMPARE(m_f->StatusText(3), QStringLiteral("Anzahl Speicherwerte:"));
        // menu with its shortcuts
        QCOMPARE(m_f->Datei1->title(), QStringLiteral("&Datei"));
        QCOMPARE(m_f->Oeffnen1->text(), QStringLiteral("Ö&ffnen"));
        QCOMPARE(m_f->Oeffnen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(m_f->Schliessen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(m_f->Ende2->text(), QStringLiteral("&Ende"));
        QCOMPARE(m_f->Ende2->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(m_f->Drucken1->title(), QStringLiteral("&Drucken"));
        QCOMPARE(m_f->Druckvorschau1->text(), QStringLiteral("Druck&vorschau"));
        QCOMPARE(m_f->Druckvorschau1->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
        QCOMPARE(m_f->Drucken2->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        QCOMPARE(m_f->Info1->text(), QStringLiteral("&Info"));
        QVERIFY(!m_f->Info1->isEnabled()); // nothing to show it with
        // plant tabs with the current plant selected
        QCOMPARE(m_f->TabControl1->count(), 4);
        QCOMPARE(m_f->TabControl1->tabText(3), QStringLiteral("4"));
        QCOMPARE(m_f->TabControl1->currentIndex(), 1);
        QCOMPARE(m_f->Anlage(), 2);
        QCOMPARE(m_f->MieteName->text(), QStringLiteral("Miete 7"));
        QVERIFY(d().Serien().isEmpty());
    }

    // Each box starts from its own [COM] key (default checked); the fan
    // running time has "LZEIT", never the storage hour "ZEIT".
    void boxenAusEinstellungen() {
        ini("[COM]\nZEIT=0\nT1=0\nT3=0\nO2=0\nWRT=0\nZYKL=0\n");
        baue();
        QVERIFY(!m_f->CheckT1->isChecked());
        QVERIFY(m_f->CheckT2->isChecked());
        QVERIFY(!m_f->CheckT3->isChecked());
        QVERIFY(m_f->CheckT4->isChecked());
        QVERIFY(m_f->CheckT5->isChecked());
        QVERIFY(m_f->CheckT55->isChecked());
        QVERIFY(!m_f->CheckO2->isChecked());
        QVERIFY(!m_f->CheckWert->isChecked());
        QVERIFY(!m_f->CheckZyklen->isChecked());
        QVERIFY(m_f->CheckLuftZeit->isChecked()); // ZEIT=0 is not its setting
        QVERIFY(!m_f->EinstellungenGeaendert());
    }

    // The environment page shows its checked series in their order, the fan
    // page its two as bars with their own axes; switching back shows the
    // environment series again.
    void serienJeSeiteUndBox() {
        ini("[COM]\nWRT=0\n");
        baue();
        oeffne(datei(3, 4));
        QVERIFY(m_dialoge->Meldungen().isEmpty());
        QCOMPARE(gezeigt(),
                 (QStringList{"T 100cm", "T 75cm", "T 50cm", "T 25cm", "T  0cm", "s 55°C[cm]", "O2"}));
        QCOMPARE(plot()->plottableCount(), 7);
        QCOMPARE(plot()->yAxis->range(), QCPRange(0, 100));
        QCOMPARE(plot()->yAxis2->range(), QCPRange(0, 25));
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 12));
        QCOMPARE(plot()->yAxis->label(), QStringLiteral("T[°C]"));
        QCOMPARE(plot()->yAxis2->label(), QStringLiteral("O2/vol%"));
        QCOMPARE(m_f->Chart1->TitelText(),
                 QStringLiteral("Kompostwerk Nord\nAm Hang 3\n12345 Irgendwo\n Miete 7"));
        QCOMPARE(m_f->Chart1->FussText(), QStringLiteral(" C:\\Daten\\Miete7.CSV"));
        QCOMPARE(m_f->StatusText(2), QStringLiteral(" C:\\Daten\\Miete7.CSV"));
        QCOMPARE(m_f->StatusText(4), QStringLiteral("12"));

        m_f->CheckT2->click();
        m_f->CheckT55->click();
        QCOMPARE(gezeigt(), (QStringList{"T 100cm", "T 50cm", "T 25cm", "T  0cm", "O2"}));

        seite(1);
        QVERIFY(m_f->Daten().FanPage());
        QCOMPARE(gezeigt(), (QStringList{"Laufzeit", "Zyklen"}));
        QCOMPARE(plot()->plottableCount(), 2);
        QCOMPARE(plot()->graphCount(), 0); // bars
        QCOMPARE(plot()->yAxis->label(), QStringLiteral("t/min"));
        QCOMPARE(plot()->yAxis2->label(), QStringLiteral("n"));
        QCOMPARE(plot()->yAxis->range().lower, 0.0);
        QVERIFY(plot()->yAxis->range().upper >= 120.0); // longest running time
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 12.5));
        m_f->CheckZyklen->click();
        QCOMPARE(gezeigt(), QStringList{"Laufzeit"});

        seite(0);
        QVERIFY(!m_f->Daten().FanPage());
        QCOMPARE(gezeigt(), (QStringList{"T 100cm", "T 50cm", "T 25cm", "T  0cm", "O2"}));
        QCOMPARE(plot()->yAxis->label(), QStringLiteral("T[°C]"));
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 12));
    }

    // Without the reference depth offered, its series is never drawn, whatever its setting.
    void ohneReferenzKeineTiefe() {
        ini("[COM]\nT55=1\nWRT=0\n");
        baue(false, false);
        oeffne(datei(2, 3));
        QCOMPARE(gezeigt(), (QStringList{"T 100cm", "T 75cm", "T 50cm", "T 25cm", "T  0cm", "O2"}));
        m_f->CheckO2->click();
        QVERIFY(!gezeigt().contains(QStringLiteral("s 55°C[cm]")));
    }

    // Every box of the page unchecked: an empty chart, and no scrolling.
    void alleAbgewaehlt() {
        ini("[COM]\nWRT=0\n");
        baue();
        oeffne(datei(2, 5));
        for (QCheckBox *b : {m_f->CheckT1, m_f->CheckT2, m_f->CheckT3, m_f->CheckT4, m_f->CheckT5,
                             m_f->CheckT55, m_f->CheckO2})
            b->click();
        QVERIFY(d().Serien().isEmpty());
        QCOMPARE(plot()->plottableCount(), 0);
        QVERIFY(!m_f->Chart1AllowScroll(TAchsenSeite::Unten, 2, 5));
        QVERIFY(!m_f->Chart1AllowScroll(TAchsenSeite::Links, 0, 50));
        QVERIFY(!m_f->Chart1->Verschieben(1));
        // the fan page still has its series
        seite(1);
        QCOMPARE(d().Serien().size(), 2);
        QVERIFY(m_f->Chart1AllowScroll(TAchsenSeite::Unten, 2, 5));
    }

    // A zoom rectangle changes the measurement range only: the vertical
    // scales of the page stay fixed (°F scale with Metric), also after undoing.
    void zoomNurMesswertachse_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<double>("links");
        QTest::newRow("°C") << false << 100.0;
        QTest::newRow("°F") << true << 212.0;
    }
    void zoomNurMesswertachse() {
        QFETCH(bool, metric);
        QFETCH(double, links);
        ini("[COM]\nWRT=0\n");
        baue(metric);
        m_f->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_f.get()));
        oeffne(datei(3, 8)); // 24 values
        QCPAxis *x = plot()->xAxis;
        QCPAxis *y = plot()->yAxis;
        QCOMPARE(y->range(), QCPRange(0, links));
        const QRect rechteck(QPoint(qRound(x->coordToPixel(5)), qRound(y->coordToPixel(links * 0.8))),
                             QPoint(qRound(x->coordToPixel(10)), qRound(y->coordToPixel(links * 0.3))));
        m_f->Chart1->Zoomen(rechteck);
        QVERIFY(m_f->Chart1->IstGezoomt());
        QVERIFY(qAbs(x->range().lower - 5) < 0.2);
        QVERIFY(qAbs(x->range().upper - 10) < 0.2);
        QCOMPARE(y->range(), QCPRange(0, links));
        QCOMPARE(plot()->yAxis2->range(), QCPRange(0, 25));

        // a curve switched on or off keeps the zoomed range
        m_f->CheckT3->click();
        QVERIFY(m_f->Chart1->IstGezoomt());
        QVERIFY(qAbs(x->range().lower - 5) < 0.2);
        QVERIFY(qAbs(x->range().upper - 10) < 0.2);

        m_f->Chart1->ZoomAufheben();
        QCOMPARE(x->range(), QCPRange(0.7, 24));
        QCOMPARE(y->range(), QCPRange(0, links));

        // the fan page: both vertical axes from 0 with an automatic maximum after a zoom
        seite(1);
        m_f->Chart1->Zoomen(QRect(QPoint(qRound(x->coordToPixel(3)), qRound(y->coordToPixel(200))),
                                  QPoint(qRound(x->coordToPixel(9)), qRound(y->coordToPixel(100)))));
        QVERIFY(m_f->Chart1->IstGezoomt());
        QCOMPARE(y->range().lower, 0.0);
        QVERIFY(y->range().upper >= 240.0);
        QCOMPARE(plot()->yAxis2->range().lower, 0.0);
        QVERIFY(plot()->yAxis2->range().upper >= 24.0);
    }

    // The visible range stays within 0.9 .. n + 0.1 for n values.
    void scrollGrenzen_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("innen") << 3.0 << 8.0 << true;
        QTest::newRow("an beiden Grenzen") << 0.9 << 12.1 << true;
        QTest::newRow("unter 0.9") << 0.85 << 5.0 << false;
        QTest::newRow("ueber n + 0.1") << 8.0 << 12.15 << false;
    }
    void scrollGrenzen() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(bool, erlaubt);
        ini("[COM]\nWRT=0\n");
        baue();
        oeffne(datei(3, 4)); // 12 values
        QCOMPARE(m_f->Chart1AllowScroll(TAchsenSeite::Unten, min, max), erlaubt);
        QVERIFY(m_f->Chart1AllowScroll(TAchsenSeite::Links, -50, 400)); // other axes are not restricted
    }

    // Dragging along the measurement axis stops at the limits.
    void scrollenImFenster() {
        ini("[COM]\nWRT=0\n");
        baue();
        m_f->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_f.get()));
        oeffne(datei(3, 4));
        QCPAxis *x = plot()->xAxis;
        m_f->Chart1->Zoomen(
            QRect(QPoint(qRound(x->coordToPixel(4)), 100), QPoint(qRound(x->coordToPixel(8)), 300)));
        const QCPRange vorher = x->range();
        QVERIFY(m_f->Chart1->Verschieben(-2.5));
        QVERIFY(!m_f->Chart1->Verschieben(-2)); // would pass 0.9
        QVERIFY(qAbs(x->range().lower - (vorher.lower - 2.5)) < 1e-9);
        QVERIFY(m_f->Chart1->Verschieben(12.1 - x->range().upper));
        QVERIFY(!m_f->Chart1->Verschieben(0.05));
        QCOMPARE(plot()->yAxis->range(), QCPRange(0, 100));
    }

    // "1Wert/Tag": the count falls to the number of days and back; without a
    // file it builds nothing and shows 0.
    void einWertProTag() {
        ini("[COM]\nWRT=0\n");
        baue();
        m_f->CheckWert->click();
        QVERIFY(m_f->CheckWert->isChecked());
        QCOMPARE(m_f->StatusText(4), QStringLiteral("0"));
        QVERIFY(d().Serien().isEmpty() || d().Serien().first()->Anzahl() == 1);

        oeffne(datei(3, 4));
        QCOMPARE(m_f->StatusText(4), QStringLiteral("3"));
        QCOMPARE(d().Serien().first()->Anzahl(), 4); // placeholder + one per day
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 3));
        m_f->Chart1->Zoomen(QRect(QPoint(qRound(plot()->xAxis->coordToPixel(1.5)), 100),
                                  QPoint(qRound(plot()->xAxis->coordToPixel(2.5)), 300)));
        m_f->CheckWert->click();
        QVERIFY(!m_f->Chart1->IstGezoomt()); // the numbering changed: the zoom is undone
        QCOMPARE(m_f->StatusText(4), QStringLiteral("12"));
        QCOMPARE(plot()->xAxis->range(), QCPRange(0.7, 12));
        QCOMPARE(gezeigt().size(), 7);
        m_f->CheckWert->click();
        QCOMPARE(m_f->StatusText(4), QStringLiteral("3"));
    }

    // Settings are written once, when the window goes, and only after a click;
    // the storage hour "ZEIT" is never touched.
    void einstellungenNurNachKlick() {
        const QByteArray vorher = "[COM]\r\nZEIT=7\r\nT2=0\r\n";
        ini("[COM]\nZEIT=7\nT2=0\n");
        baue();
        oeffne(datei(2, 2));
        seite(1);
        seite(0);
        m_f.reset();
        QCOMPARE(iniBytes(), vorher);

        baue();
        m_f->CheckT1->click();       // off
        m_f->CheckLuftZeit->click(); // off
        m_f->CheckT1->click();       // on again: still a change
        QVERIFY(m_f->EinstellungenGeaendert());
        QCOMPARE(iniBytes(), vorher); // nothing before the window goes
        m_f.reset();
        TIniDatei datei(heim(QStringLiteral("O2_Tarvos.ini")));
        QCOMPARE(datei.ReadInteger("COM", "ZEIT", -1), 7);
        QCOMPARE(datei.ReadString("COM", "T1", "?"), QStringLiteral("1"));
        QCOMPARE(datei.ReadString("COM", "T2", "?"), QStringLiteral("0"));
        for (const char *k : {"T3", "T4", "T5", "T55", "O2", "WRT", "ZYKL"})
            QCOMPARE(datei.ReadString("COM", k, "?"), QStringLiteral("1"));
        QCOMPARE(datei.ReadString("COM", "LZEIT", "?"), QStringLiteral("0"));
    }

    // With the reference depth not offered, its box keeps its stored setting.
    void verborgeneBoxBehaeltEinstellung() {
        ini("[COM]\nT55=1\n");
        baue(false, false);
        m_f->CheckO2->click();
        m_f.reset();
        TIniDatei datei(heim(QStringLiteral("O2_Tarvos.ini")));
        QCOMPARE(datei.ReadString("COM", "T55", "?"), QStringLiteral("1"));
        QCOMPARE(datei.ReadString("COM", "O2", "?"), QStringLiteral("0"));
    }

    // A file the system did not write is refused with the message; the chart
    // keeps what it showed. A cancelled dialog changes nothing.
    void fremdeDateiUndAbbruch() {
        ini("[COM]\nWRT=0\n");
        baue();
        oeffne(datei(2, 3));
        QCOMPARE(d().Serien().size(), 7);
        const QString fremd = heim(QStringLiteral("fremd.csv"));
        {
            QFile f(fremd);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("a;b;c\r\n1;2;3\r\n");
        }
        oeffne(fremd);
        QCOMPARE(m_dialoge->Meldungen(),
                 QStringList{"Kein gültiger Dateiaufbau\nDatei war nicht von dieser Software erzeugt!"});
        QVERIFY(!m_f->PrintButton->isEnabled());
        QCOMPARE(d().Serien().size(), 7);
        QCOMPARE(m_f->StatusText(4), QStringLiteral("6"));

        m_f->OpenButtonClick(); // cancelled: no file queued
        QCOMPARE(m_dialoge->Meldungen().size(), 1);
        QCOMPARE(d().Serien().size(), 7);
        // the dialog starts in the plant's data folder, filtered to data files
        const TSkriptDialoge::Eintrag &e = m_dialoge->Protokoll.last();
        QCOMPARE(e.art, TSkriptDialoge::Art::DateiOeffnen);
        QCOMPARE(QDir(e.ordner), QDir(m_heim->path()));
        QCOMPARE(e.filter, QStringLiteral("EXCEL ( *.csv)"));
        QCOMPARE(e.ausgeblendet, QStringList{"Komp_LOG_*.CSV"});
    }

    // Without the plant's data folder the dialog starts in the home folder.
    void ordnerFehlt() {
        baue();
        m_lauf->Zustand.Anlagen[2].Pfad = heim(QStringLiteral("gibtsnicht"));
        m_f->OpenButtonClick();
        QCOMPARE(QDir(m_dialoge->Protokoll.last().ordner), QDir(m_heim->path()));
    }

    // Another plant's tab clears the chart and the file panel; the model keeps
    // the file, and the next click draws it again. "&Schliessen" likewise.
    // The name above it stays the file's, and says that it is not the name
    // of the plant now selected.
    void tabWechselUndSchliessen() {
        ini("[COM]\nWRT=0\n");
        baue();
        oeffne(datei(2, 3));
        QCOMPARE(Klartext(m_f->MieteName), QStringLiteral("Miete 7"));
        m_f->TabControl1->setCurrentIndex(2);
        QCOMPARE(m_f->Anlage(), 3);
        QCOMPARE(Klartext(m_f->MieteName),
                 QStringLiteral("Miete 7   Name weicht von Anlage 3 ab: „Miete 9“"));
        QCOMPARE(m_f->StatusText(2), QString());
        QVERIFY(d().Serien().isEmpty());
        QCOMPARE(plot()->plottableCount(), 0);
        QCOMPARE(m_f->Daten().LineCount(), 6);
        m_f->CheckO2->click();
        QCOMPARE(d().Serien().size(), 6);

        m_f->Schliessen1->trigger();
        QVERIFY(d().Serien().isEmpty());
        QVERIFY(!m_f->PreviewButton->isEnabled());
        m_f->CheckO2->click();
        QCOMPARE(d().Serien().size(), 7);
    }

    // The printed graph: one page whatever the number of values, with the
    // header, names, comments and the chart of the series shown on screen;
    // the screen chart has its series back afterwards.
    void gedruckteGrafik_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<int>("proTag");
        QTest::newRow("2 Werte") << 1 << 2;
        QTest::newRow("2400 Werte") << 100 << 24;
    }
    void gedruckteGrafik() {
        QFETCH(int, tage);
        QFETCH(int, proTag);
        ini("[COM]\nWRT=0\nT3=0\n");
        baue();
        oeffne(datei(tage, proTag));
        QCOMPARE(m_f->StatusText(4), QString::number(tage * proTag));
        const QList<TMessSerie *> vorher = d().Serien();
        QCOMPARE(vorher.size(), 6);

        TFQRGraphForm qr;
        GraphFuellen(qr, m_f->Daten(), d());
        const TDiagramm &druck = qr.QRChart1->Diagramm();
        QCOMPARE(druck.Serien(), vorher); // the placeholder is gone
        QVERIFY(d().Serien().isEmpty());
        QCOMPARE(druck.Achse(TAchsenSeite::Links).Maximum, 100.0);
        QCOMPARE(druck.Achse(TAchsenSeite::Unten).Titel, QStringLiteral("Messwert- Nr"));
        QCOMPARE(druck.Titel(), (QStringList{"Kompostwerk Nord", "Am Hang 3", "12345 Irgendwo", " Miete 7"}));
        const QString pdf = heim(QStringLiteral("grafik.pdf"));
        QString fehler;
        QCOMPARE(BerichtAusgabe::AlsPdf(qr, pdf, &fehler), 1);
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(info.readAllStandardOutput().contains("Pages:           1"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *t : {"TARVOS Messprotokoll", "Kompostwerk Nord", "12345 Irgendwo", "Miete 7",
                              "C:\\Daten\\Miete7.CSV", "Gruenschnitt", "Erste Datensicherung : 09.12.2024",
                              "T 100cm", "T 25cm", "O2/vol%", "Messwert- Nr", "Seitennr. :"})
            QVERIFY2(inhalt.contains(QString::fromUtf8(t)), t);
        QVERIFY(!inhalt.contains(QStringLiteral("T 50cm"))); // not shown on screen, not printed
    }

    // A time sent as text and a line torn by a crash are left out: the records
    // after them are still plotted, the window says so once and the chart on
    // screen and on paper names the lines below it.
    void unlesbareZeilenUebersprungen() {
        ini("[COM]\nWRT=0\n");
        baue();
        const QString pfad = datei(2, 8);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray inhalt = f.readAll();
        f.close();
        QVERIFY(inhalt.contains("09.12.2024  06:00"));
        inhalt.replace("09.12.2024  06:00", "09.12.2024  06:x");
        inhalt.append("17;11.1");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhalt);
        f.close();
        oeffne(pfad);
        const QString text =
            QStringLiteral("2 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist Zeile 12.");
        QCOMPARE(m_dialoge->Meldungen(), QStringList{text});
        QCOMPARE(m_f->StatusText(4), QStringLiteral("15"));
        QVERIFY(d().Fuss().contains(text));
        m_f->CheckWert->click(); // one per day: the same lines skipped, no second message
        QCOMPARE(m_f->StatusText(4), QStringLiteral("2"));
        QCOMPARE(m_dialoge->Meldungen().size(), 1);
        m_f->CheckWert->click();
        TFQRGraphForm qr;
        GraphFuellen(qr, m_f->Daten(), d());
        QVERIFY(qr.QRChart1->Diagramm().Fuss().contains(text));
    }

    // Preview and print take the series to the print chart and give them back
    // to the screen, also when no printer is there.
    void vorschauUndDruckGebenSerienZurueck() {
        ini("[COM]\nWRT=0\n");
        baue();
        m_f->show();
        oeffne(datei(2, 4));
        QVERIFY(m_f->PreviewButton->isEnabled());
        QVERIFY(m_f->PrintButton->isEnabled());
        QVERIFY(m_f->Druckvorschau1->isEnabled());
        int imDruck = -1;
        bool gesperrt = false;
        QTimer::singleShot(200, this, [&] {
            imDruck = static_cast<int>(d().Serien().size());
            gesperrt = m_lauf->Sperre.Belegt();
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });
        m_f->PreviewButtonClick();
        QCOMPARE(imDruck, 0);
        QVERIFY(gesperrt);
        QVERIFY(!m_lauf->Sperre.Belegt());
        QCOMPARE(d().Serien().size(), 7);
        QCOMPARE(plot()->plottableCount(), 7);

        m_f->PrintButtonClick(); // no printer here: a message, the series come back
        QCOMPARE(d().Serien().size(), 7);
        QVERIFY(!m_lauf->Sperre.Belegt());
    }

    // The command line's graph: the environment series that the [COM] keys
    // select, one value per day by "WRT", the display settings of the
    // configuration; a refused file writes nothing and fails as the
    // protocols do: exit code 2 with one line naming the file.
    void grafikAlsPdf() {
        ini("[COM]\nT2=0\nO2=0\nWRT=1\nMetric=1\n");
        m_lauf = std::make_unique<TLauf>(m_heim->path(), *m_dialoge);
        const QString pdf = heim(QStringLiteral("kommando.pdf"));
        QString meldung;
        QCOMPARE(GraphAlsPdf(*m_lauf, datei(3, 4), pdf, meldung), 0);
        QVERIFY(meldung.isEmpty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *t : {"TARVOS Messprotokoll", "T 40in", "T 20in", "T 0in", "T[°F]", "Messwert- Nr"})
            QVERIFY2(inhalt.contains(QString::fromUtf8(t)), t);
        QVERIFY(!inhalt.contains(QStringLiteral("T 30in")));
        QVERIFY(!inhalt.contains(QStringLiteral("O2\n")) && !inhalt.contains(QStringLiteral("O2 ")));
        QVERIFY(m_dialoge->Protokoll.isEmpty()); // no boxes on the command line

        const auto schreibe = [this](const QString &name, const QByteArray &inhalt) {
            QFile f(heim(name));
            if (f.open(QIODevice::WriteOnly))
                f.write(inhalt);
            return heim(name);
        };
        const QByteArray neunZeilen = Kopf.join("\r\n") + "\r\n";
        const struct {
            QString datei;
            int code;
            const char *meldung;
        } faelle[] = {
            {schreibe(QStringLiteral("fremd.csv"), "a;b\r\n"), 2, "Kein gültiger Dateiaufbau"},
            {heim(QStringLiteral("gibtsnicht.CSV")), 2, "kann nicht gelesen werden"},
            {schreibe(QStringLiteral("ohneWerte.CSV"),
                      neunZeilen + "1;kaputt;   60;   58;   57;   56;   55;    0; 15,2;3;   12;    4;\r\n"),
             2, "enthält keine Messwerte"},
            {QString(), 1, "Es fehlt die Datendatei"},
        };
        const QString keins = heim(QStringLiteral("keins.pdf"));
        for (const auto &fall : faelle) {
            QCOMPARE(GraphAlsPdf(*m_lauf, fall.datei, keins, meldung), fall.code);
            QVERIFY2(meldung.contains(QString::fromUtf8(fall.meldung)), qPrintable(meldung));
            QVERIFY2(!meldung.contains(QLatin1Char('\n')), qPrintable(meldung));
            if (!fall.datei.isEmpty())
                QVERIFY2(meldung.contains(QDir::toNativeSeparators(fall.datei)), qPrintable(meldung));
            QVERIFY(!QFile::exists(keins));
        }
        QVERIFY(m_dialoge->Protokoll.isEmpty());
    }
};

QTEST_MAIN(TstGraphik)
#include "tst_graphik.moc"

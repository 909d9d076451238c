#include "reports/UGraphik.h"

#include "data/UMessDaten.h"
#include "reports/UMietenName.h"
#include "reports/UProtokollDruck.h"
#include "reports/UQRGraphForm.h"
#include "shell/KompUtils.h"
#include "shell/UAbout.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "shell/ULog.h"
#include "shell/UMain.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFensterGroesse.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>
#include <qcustomplot.h>

namespace {

const QString Com = QStringLiteral("COM");
constexpr QSize MindestGroesse(760, 480);

// The pictures of the tool bar: an open folder, a sheet under a magnifier, a printer.
enum class Symbol { Oeffnen, Vorschau, Drucken };

QIcon symbol(Symbol art) {
    QPixmap bild(20, 18);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen rand(QColor(60, 60, 60), 1);
    p.setPen(rand);
    switch (art) {
    case Symbol::Oeffnen: {
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1.5, 4.5, 14, 11));
        p.drawRect(QRectF(1.5, 2.5, 6, 2));
        QPainterPath klappe;
        klappe.moveTo(4.5, 8.5);
        klappe.lineTo(18.5, 8.5);
        klappe.lineTo(15.5, 15.5);
        klappe.lineTo(1.5, 15.5);
        klappe.closeSubpath();
        p.setBrush(QColor(250, 220, 120));
        p.drawPath(klappe);
        break;
    }
    case Symbol::Vorschau:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 15));
        p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
        p.drawLine(QPointF(4.5, 8.5), QPointF(9.5, 8.5));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(9.5, 8.5, 6, 6));
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawLine(QPointF(15, 14), QPointF(18.5, 17));
        break;
    case Symbol::Drucken:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 6));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 17, 7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 11.5, 9, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 180, 40));
        p.drawEllipse(QRectF(15, 8, 2, 2));
        break;
    }
    return QIcon(bild);
}

} // namespace

QString TFGraphForm::Schluessel(Box box) {
    switch (box) {
    case BoxT1:
        return QStringLiteral("T1");
    case BoxT2:
        return QStringLiteral("T2");
    case BoxT3:
        return QStringLiteral("T3");
    case BoxT4:
        return QStringLiteral("T4");
    case BoxT5:
        return QStringLiteral("T5");
    case BoxT55:
        return QStringLiteral("T55");
    case BoxO2:
        return QStringLiteral("O2");
    case BoxWert:
        return QStringLiteral("WRT");
    case BoxZyklen:
        return QStringLiteral("ZYKL");
    case BoxLuftZeit:
        // "ZEIT" is the storage hour of the same section
        return QStringLiteral("LZEIT");
    case BoxAnzahl:
        break;
    }
    return QString();
}

TFGraphForm::TFGraphForm(TLauf &lauf, QWidget *parent) : QMainWindow(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FGraphForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (parent)
        setWindowIcon(parent->windowIcon());
    baueFenster();
    baueMenue();
    FormCreate();
}

TFGraphForm::~TFGraphForm() {
    // the chart no longer shows the model's series when the model goes
    m_daten->AttachSeries(nullptr);
    m_daten.reset();
    if (!m_geaendert)
        return;
    TIniDatei &ini = m_lauf.Ini;
    QStringList fehler;
    for (int i = 0; i < BoxAnzahl; ++i) {
        const Box box = static_cast<Box>(i);
        // a box that is not offered keeps its setting
        if (box == BoxT55 && !m_lauf.Zustand.ShowRef)
            continue;
        if (!ini.WriteBool(Com, Schluessel(box), Check(box)->isChecked())) {
            fehler.append(ini.LetzterFehler());
            break;
        }
    }
    if (!fehler.isEmpty())
        m_lauf.Dialoge.Warnung(nullptr, tr("Die Einstellungen der Grafik konnten nicht in die "
                                           "Konfigurationsdatei geschrieben werden:\n%1")
                                            .arg(fehler.join(QLatin1Char('\n'))));
}

void TFGraphForm::baueFenster() {
    // Tool bar: images only, buttons 40 x 23.
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(20, 18));
    auto knopf = [this](const char *name, Symbol bild, void (TFGraphForm::*slot)()) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setIcon(symbol(bild));
        b->setFixedSize(40, 23);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        ToolBar1->addWidget(b);
        return b;
    };
    OpenButton = knopf("OpenButton", Symbol::Oeffnen, &TFGraphForm::OpenButtonClick);
    PreviewButton = knopf("PreviewButton", Symbol::Vorschau, &TFGraphForm::PreviewButtonClick);
    PrintButton = knopf("PrintButton", Symbol::Drucken, &TFGraphForm::PrintButtonClick);

    auto *zentrale = new QWidget(this);
    zentrale->setObjectName(QStringLiteral("Zentrale"));
    setCentralWidget(zentrale);
    auto *spalte = new QVBoxLayout(zentrale);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    // Top panel: plant tabs and pile name above the pages and "1Wert/Tag".
    Panel1 = new QWidget(zentrale);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(4, 4, 4, 4);
    panel->setSpacing(2);
    TabControl1 = new TAnlagenTabs(Panel1);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, &TFGraphForm::TabControl1Change);
    panel->addWidget(TabControl1);
    MieteName = new QLabel(QStringLiteral("--"), Panel1);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    QFont fett = MieteName->font();
    fett.setBold(true);
    MieteName->setFont(fett);
    MieteName->setTextFormat(Qt::RichText);
    panel->addWidget(MieteName);

    auto *reihe = new QHBoxLayout;
    reihe->setSpacing(12);
    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto neueBox = [this](QWidget *seite, Box box, const char *name) {
        auto *b = new QCheckBox(seite);
        b->setObjectName(QLatin1String(name));
        b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed); // never cut its caption
        m_boxen[static_cast<size_t>(box)] = b;
        connect(b, &QCheckBox::clicked, this, [this, b] { CheckClick(b); });
        return b;
    };
    Sheet1 = new QWidget;
    Sheet1->setObjectName(QStringLiteral("Sheet1"));
    // The temperatures in one row, the depth and O2 below them: the captions
    // stay whole in every language down to the window's smallest width.
    auto *umwelt = new QGridLayout(Sheet1);
    umwelt->setContentsMargins(6, 4, 6, 4);
    umwelt->setHorizontalSpacing(14);
    umwelt->setVerticalSpacing(2);
    CheckT1 = neueBox(Sheet1, BoxT1, "CheckT1");
    CheckT2 = neueBox(Sheet1, BoxT2, "CheckT2");
    CheckT3 = neueBox(Sheet1, BoxT3, "CheckT3");
    CheckT4 = neueBox(Sheet1, BoxT4, "CheckT4");
    CheckT5 = neueBox(Sheet1, BoxT5, "CheckT5");
    CheckT55 = neueBox(Sheet1, BoxT55, "CheckT55");
    CheckO2 = neueBox(Sheet1, BoxO2, "CheckO2");
    int nr = 0;
    for (QCheckBox *b : {CheckT1, CheckT2, CheckT3, CheckT4, CheckT5})
        umwelt->addWidget(b, 0, nr++);
    umwelt->addWidget(CheckT55, 1, 0, 1, 2);
    umwelt->addWidget(CheckO2, 1, 2, 1, 2);
    umwelt->setColumnStretch(5, 1);
    Sheet2 = new QWidget;
    Sheet2->setObjectName(QStringLiteral("Sheet2"));
    auto *luefter = new QHBoxLayout(Sheet2);
    luefter->setContentsMargins(6, 4, 6, 4);
    luefter->setSpacing(14);
    CheckLuftZeit = neueBox(Sheet2, BoxLuftZeit, "CheckLuftZeit");
    CheckZyklen = neueBox(Sheet2, BoxZyklen, "CheckZyklen");
    luefter->addWidget(CheckLuftZeit);
    luefter->addWidget(CheckZyklen);
    luefter->addStretch(1);
    PageControl1->addTab(Sheet1, QString());
    PageControl1->addTab(Sheet2, QString());
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFGraphForm::PageControl1Change);
    reihe->addWidget(PageControl1, 1);
    CheckWert = neueBox(Panel1, BoxWert, "CheckWert");
    reihe->addWidget(CheckWert, 0, Qt::AlignBottom);
    reihe->addSpacing(8);
    panel->addLayout(reihe);
    spalte->addWidget(Panel1);

    // The chart: white, 2-D, legend by title, panning along the measurement axis only.
    Chart1 = new TDiagrammAnzeige(zentrale);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->SetGebietsschema(m_lauf.Zustand.Gebietsschema);
    Chart1->Diagramm().SetDreidimensional(false);
    Chart1->Diagramm().SetLegendeSichtbar(true);
    Chart1->ScrollErlaubt = [this](TAchsenSeite achse, double min, double max) {
        return Chart1AllowScroll(achse, min, max);
    };
    connect(Chart1, &TDiagrammAnzeige::gezoomt, this, &TFGraphForm::Chart1Zoom);
    connect(Chart1, &TDiagrammAnzeige::zoomAufgehoben, this, &TFGraphForm::Chart1UndoZoom);
    spalte->addWidget(Chart1, 1);

    // Status bar: "Pfad:", the file, "Anzahl Speicherwerte:", the count.
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const std::array<int, 4> breiten{35, 390, 115, 50};
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        auto *l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        l->setMinimumWidth(breiten[i]);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(l, i == 1 ? 1 : 0);
        StatusPanels[i] = l;
    }
}

void TFGraphForm::baueMenue() {
    QMenuBar *leiste = menuBar();
    auto punkt = [this](QMenu *menue, const char *name, const QKeySequence &kuerzel,
                        void (TFGraphForm::*slot)()) {
        QAction *a = menue->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setShortcut(kuerzel);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto strg = [](char c) { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(c)); };
    Datei1 = leiste->addMenu(QString());
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Oeffnen1 = punkt(Datei1, "Oeffnen1", strg('F'), &TFGraphForm::OpenButtonClick);
    Schliessen1 = punkt(Datei1, "Schliessen1", strg('S'), &TFGraphForm::Schliessen1Click);
    Datei1->addSeparator();
    Ende2 = punkt(Datei1, "Ende2", strg('X'), &TFGraphForm::Ende2Click);
    Drucken1 = leiste->addMenu(QString());
    Drucken1->setObjectName(QStringLiteral("Drucken1"));
    Druckvorschau1 = punkt(Drucken1, "Druckvorschau1", strg('V'), &TFGraphForm::PreviewButtonClick);
    Drucken2 = punkt(Drucken1, "Drucken2", strg('D'), &TFGraphForm::PrintButtonClick);
    Info1 = leiste->addAction(QString());
    Info1->setObjectName(QStringLiteral("Info1"));
    connect(Info1, &QAction::triggered, this, &TFGraphForm::Info1Click);
}

void TFGraphForm::SetzeTexte() {
    setWindowTitle(tr("Humaro Graphik"));
    OpenButton->setToolTip(tr("Datei öffnen"));
    PreviewButton->setToolTip(tr("Druckvorschau"));
    PrintButton->setToolTip(tr("Daten ausdrucken"));
    PageControl1->setTabText(0, tr("Umweltdaten"));
    PageControl1->setTabText(1, tr("Lüfterdaten"));
    if (m_daten)
        zeigeMieteName();
    if (m_lauf.Zustand.Metric) {
        CheckT1->setText(tr("T 40in"));
        CheckT2->setText(tr("T 30in"));
        CheckT3->setText(tr("T 20in"));
        CheckT4->setText(tr("T 10in"));
        CheckT5->setText(tr("T 0in"));
    } else {
        CheckT1->setText(tr("T 100cm [°C]"));
        CheckT2->setText(tr("T  75cm [°C]"));
        CheckT3->setText(tr("T  50cm [°C]"));
        CheckT4->setText(tr("T  25cm [°C]"));
        CheckT5->setText(tr("T  0cm [°C]"));
    }
    CheckT55->setText(tr("Tiefe Referenz Marke"));
    CheckO2->setText(tr("O2 Konzentration"));
    CheckLuftZeit->setText(tr("Lüfterlaufzeit"));
    CheckZyklen->setText(tr("Lüfterschaltzyklen"));
    CheckWert->setText(tr("1Wert/Tag"));
    StatusPanels[0]->setText(tr("Pfad:"));
    StatusPanels[2]->setText(tr("Anzahl Speicherwerte:"));
    Datei1->setTitle(tr("&Datei"));
    Oeffnen1->setText(tr("Ö&ffnen"));
    Schliessen1->setText(tr("&Schliessen"));
    Ende2->setText(tr("&Ende"));
    Drucken1->setTitle(tr("&Drucken"));
    Druckvorschau1->setText(tr("Druck&vorschau"));
    Drucken2->setText(tr("&Drucken"));
    Info1->setText(tr("&Info"));
    // No caption is cut at the smallest size, in whatever language.
    setMinimumSize(0, 0);
    LayoutsErneuern(this);
    setMinimumSize(MindestGroesse.expandedTo(minimumSizeHint()));
    // The chart's series and axis titles follow; its headers are data.
    if (m_daten && !m_initialisierung) {
        KompUtils::BildeRefText(m_lauf.Zustand);
        m_daten->SetzeSerienTitel();
        if (PreviewButton->isEnabled()) // a file is shown
            ZeichneDiagramm();
    }
}

void TFGraphForm::FormCreate() {
    const TZustand &z = m_lauf.Zustand;
    m_daten = std::make_unique<TMessDaten>(z);
    m_daten->SetFanPage(false);
    // The layouts resize the controls with the window; it cannot get smaller
    // than this, nor than its captions need.
    setMinimumSize(MindestGroesse);
    setWindowState(windowState() | Qt::WindowMaximized);

    m_anlage = qBound(1, static_cast<int>(z.AktAnlage), MaxAnlagen);
    zeigeMieteName();

    m_initialisierung = true;
    for (int i = 0; i < BoxAnzahl; ++i) {
        const Box box = static_cast<Box>(i);
        if (box == BoxT55 && !z.ShowRef)
            continue;
        Check(box)->setChecked(m_lauf.Ini.ReadBool(Com, Schluessel(box), true));
    }
    CheckT55->setVisible(z.ShowRef);
    SetzeTexte();
    m_geaendert = false;
    m_initialisierung = false;

    FuelleAnlagenTabs(*TabControl1, z.AnlagenAnzahl, z.OptAdressen33);
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(m_anlage - 1);
    }
    PageControl1->setCurrentWidget(Sheet1);
    druckenFreigeben(false);
    Info1->setEnabled(false);
    StatusPanels[3]->setText(QString());
}

QString TFGraphForm::StatusText(int panel) const {
    if (panel < 1 || panel > static_cast<int>(StatusPanels.size()))
        return QString();
    return StatusPanels[static_cast<size_t>(panel - 1)]->text();
}

void TFGraphForm::zeigeMieteName() {
    const int anlage = qBound(1, m_anlage, MaxAnlagen);
    const QString name = m_lauf.Zustand.Anlagen[static_cast<size_t>(anlage)].Name;
    MieteName->setText(m_geladen ? MietenName::Anzeige(MietenName::AusDatei(*m_daten), name,
                                                       TabControl1->tabText(anlage - 1))
                                 : name.toHtmlEscaped());
}

void TFGraphForm::druckenFreigeben(bool an) {
    PreviewButton->setEnabled(an);
    PrintButton->setEnabled(an);
    Druckvorschau1->setEnabled(an);
    Drucken2->setEnabled(an);
}

void TFGraphForm::serienBauen() {
    if (!m_daten->BuildSeries(CheckWert->isChecked(), &Chart1->Diagramm()))
        m_lauf.Dialoge.Warnung(this, m_daten->LastError());
    StatusPanels[3]->setText(QString::number(m_daten->PointCount()));
}

QList<TMessSerie *> TFGraphForm::GezeigteSerien(TMessDaten &m, const std::array<bool, BoxAnzahl> &an,
                                                bool showRef) {
    QList<TMessSerie *> serien;
    const auto dazu = [&](Box box, TMessSerie &serie) {
        if (an[static_cast<size_t>(box)])
            serien.append(&serie);
    };
    if (!m.FanPage()) {
        dazu(BoxT1, m.TempSeries(1));
        dazu(BoxT2, m.TempSeries(2));
        dazu(BoxT3, m.TempSeries(3));
        dazu(BoxT4, m.TempSeries(4));
        dazu(BoxT5, m.TempSeries(5));
        if (showRef)
            dazu(BoxT55, m.RefSeries());
        dazu(BoxO2, m.O2Series());
    } else {
        dazu(BoxLuftZeit, m.FanTimeSeries());
        dazu(BoxZyklen, m.FanCyclesSeries());
    }
    return serien;
}

void TFGraphForm::ZeichneDiagramm() {
    TDiagramm &d = Chart1->Diagramm();
    // a zoomed measurement range stays as it is while curves are switched
    const bool gezoomt = Chart1->IstGezoomt();
    const TDiagrammAchse unten = d.Achse(TAchsenSeite::Unten);
    d.AlleSerienEntfernen();
    m_daten->SetAxes(&d);
    if (gezoomt)
        d.SetAchse(TAchsenSeite::Unten, unten);
    std::array<bool, BoxAnzahl> an{};
    for (int i = 0; i < BoxAnzahl; ++i)
        an[static_cast<size_t>(i)] = Check(static_cast<Box>(i))->isChecked();
    for (TMessSerie *serie : GezeigteSerien(*m_daten, an, m_lauf.Zustand.ShowRef))
        d.SerieHinzufuegen(serie);
    Chart1->Neuzeichnen();
    update();
}

void TFGraphForm::CheckClick(QCheckBox *sender) {
    if (m_initialisierung)
        return;
    if (sender == CheckWert) {
        Chart1->ZoomAufheben();
        serienBauen();
    }
    m_geaendert = true;
    ZeichneDiagramm();
}

void TFGraphForm::PageControl1Change() {
    m_daten->SetFanPage(PageControl1->currentWidget() == Sheet2);
    ZeichneDiagramm();
}

void TFGraphForm::TabControl1Change() {
    const int index = TabControl1->currentIndex();
    if (index < 0)
        return;
    m_anlage = index + 1;
    zeigeMieteName();
    StatusPanels[1]->clear();
    druckenFreigeben(false);
    Chart1->Diagramm().AlleSerienEntfernen();
    Chart1->Neuzeichnen();
}

void TFGraphForm::OpenButtonClick() {
    const TZustand &z = m_lauf.Zustand;
    const QString pfad = z.Anlagen[static_cast<size_t>(qBound(1, m_anlage, MaxAnlagen))].Pfad;
    // the plant's data folder, or the home folder when it does not exist
    m_letzterOrdner = !pfad.isEmpty() && QDir(pfad).exists() ? pfad : z.Heimordner;
    QString datei;
    {
        const TSperre::THalter halter(m_lauf.Sperre);
        datei = m_lauf.Dialoge.DateiOeffnen(this, tr("Öffnen"), m_letzterOrdner, tr("EXCEL ( *.csv)"),
                                            {TLog::NamensMuster()});
    }
    if (datei.isEmpty()) {
        druckenFreigeben(false);
        return;
    }
    DateiOeffnen(datei);
}

bool TFGraphForm::DateiOeffnen(const QString &datei) {
    if (!m_daten->Load(datei)) {
        // not readable at all: say why
        druckenFreigeben(false);
        m_geladen = false;
        zeigeMieteName();
        m_lauf.Dialoge.Warnung(this, m_daten->LastError());
        return false;
    }
    if (!m_daten->Valid()) {
        druckenFreigeben(false);
        m_geladen = false;
        zeigeMieteName();
        m_lauf.Dialoge.Warnung(this, tr("Kein gültiger Dateiaufbau\nDatei war nicht von dieser "
                                        "Software erzeugt!"));
        return false;
    }
    m_datei = datei;
    druckenFreigeben(true);
    m_geladen = true;
    zeigeMieteName();
    StatusPanels[1]->setText(m_daten->FileName());
    serienBauen();
    TDiagramm &d = Chart1->Diagramm();
    d.SetTitel({m_daten->Header1(), m_daten->Header2(), m_daten->Header3(), m_daten->PlantName()});
    ZeichneDiagramm();
    // Lines that could not be read are left out; the later records are shown.
    if (m_daten->SkippedLines() > 0) {
        const TSperre::THalter halter(m_lauf.Sperre);
        m_lauf.Dialoge.Information(this, m_daten->SkippedText());
    }
    return true;
}

void TFGraphForm::PreviewButtonClick() {
    drucken(true);
}

void TFGraphForm::PrintButtonClick() {
    drucken(false);
}

void TFGraphForm::drucken(bool vorschau) {
    if (!PrintButton->isEnabled())
        return; // no file: nothing to print
    auto qr = std::make_unique<TFQRGraphForm>();
    // Whatever happens, the screen chart takes its series back before the layout goes.
    struct TZurueck {
        TFGraphForm *f;
        ~TZurueck() { f->ZeichneDiagramm(); }
    } zurueck{this};
    qr->Gebietsschema = m_lauf.Zustand.Gebietsschema;
    GraphFuellen(*qr, *m_daten, Chart1->Diagramm());
    const TSperre::THalter halter(m_lauf.Sperre);
    if (vorschau) {
        const QFileInfo fi(m_datei);
        BerichtAusgabe::Vorschau(*qr, m_lauf.Dialoge, this,
                                 fi.path() + QLatin1Char('/') + fi.completeBaseName() +
                                     QStringLiteral(".pdf"));
    } else {
        BerichtAusgabe::Drucken(*qr, m_lauf.Dialoge, this);
    }
}

void TFGraphForm::Schliessen1Click() {
    druckenFreigeben(false);
    Chart1->Diagramm().AlleSerienEntfernen();
    Chart1->Neuzeichnen();
}

void TFGraphForm::Ende2Click() {
    close();
}

void TFGraphForm::SetzeInfo(std::function<void(QWidget *)> zeigen) {
    m_info = std::move(zeigen);
    Info1->setEnabled(static_cast<bool>(m_info));
}

void TFGraphForm::Info1Click() {
    if (m_info)
        m_info(this);
}

void TFGraphForm::Chart1Zoom() {
    m_daten->ResetAxes(&Chart1->Diagramm());
}

void TFGraphForm::Chart1UndoZoom() {
    m_daten->ResetAxes(&Chart1->Diagramm());
}

bool TFGraphForm::Chart1AllowScroll(TAchsenSeite achse, double newMin, double newMax) const {
    const QList<TMessSerie *> &serien = Chart1->Diagramm().Serien();
    if (serien.isEmpty())
        return false;
    if (achse != TAchsenSeite::Unten)
        return true;
    const double punkte = static_cast<double>(serien.first()->Anzahl());
    return newMin >= 0.9 && newMax <= punkte - 0.9;
}

void TFGraphForm::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && Datei1)
        SetzeTexte();
    QMainWindow::changeEvent(event);
}

void TFGraphForm::closeEvent(QCloseEvent *event) {
    event->accept();
    emit Geschlossen();
}

void GraphFuellen(TFQRGraphForm &qr, const TMessDaten &m, const TDiagramm &bildschirm) {
    qr.QRKopf1->Text = m.Header1();
    qr.QRKopf2->Text = m.Header2();
    qr.QRKopf3->Text = m.Header3();
    qr.AnlName->Text = m.PlantName();
    qr.DateiName->Text = m.FileName();
    qr.QRKomment1->Text = m.Comment1();
    qr.QRKomment2->Text = m.Comment2();
    TDiagramm &d = qr.QRChart1->Diagramm();
    d.AlleSerienEntfernen(); // the placeholder
    d.SetTitel({});
    d.SetFuss({});
    d.EinstellungenUebernehmen(bildschirm);
    d.SetDreidimensional(false);
    d.SetPunkteBeschneiden(true);
    const QList<TMessSerie *> serien = bildschirm.Serien(); // a copy: each one moves
    for (TMessSerie *s : serien)
        d.SerieHinzufuegen(s);
}

int GraphAlsPdf(TLauf &lauf, const QString &datei, const QString &pdf, QString &meldung) {
    meldung.clear();
    if (datei.isEmpty() || pdf.isEmpty()) {
        meldung = QCoreApplication::translate("TFGraphForm", "Es fehlt die Datendatei oder die PDF-Datei.");
        return 1;
    }
    TZustand &z = lauf.Zustand;
    LeseComEinstellungen(z, lauf.Ini);
    KompUtils::BildeRefText(z);
    TMessDaten m(z);
    // A file that cannot be read or is no data file: the protocols' answer.
    if (const int code = DatendateiFuerDruck(m, datei, meldung); code != 0)
        return code;
    std::array<bool, TFGraphForm::BoxAnzahl> an{};
    for (int i = 0; i < TFGraphForm::BoxAnzahl; ++i)
        an[static_cast<size_t>(i)] =
            lauf.Ini.ReadBool(Com, TFGraphForm::Schluessel(static_cast<TFGraphForm::Box>(i)), true);
    // the chart as the window shows it after opening the file
    TDiagrammAnzeige bildschirm;
    bildschirm.SetGebietsschema(z.Gebietsschema);
    m.BuildSeries(an[TFGraphForm::BoxWert], &bildschirm.Diagramm());
    if (m.PointCount() == 0) {
        meldung = KeineMesswerteMeldung(datei);
        return 2;
    }
    m.SetAxes(&bildschirm.Diagramm());
    for (TMessSerie *s : TFGraphForm::GezeigteSerien(m, an, z.ShowRef))
        bildschirm.Diagramm().SerieHinzufuegen(s);
    TFQRGraphForm qr;
    qr.Gebietsschema = z.Gebietsschema;
    GraphFuellen(qr, m, bildschirm.Diagramm());
    if (BerichtAusgabe::AlsPdf(qr, pdf, &meldung) <= 0) {
        if (meldung.isEmpty())
            meldung =
                QCoreApplication::translate("TProtokollDruck", "Das PDF %1 kann nicht geschrieben werden.")
                    .arg(QDir::toNativeSeparators(pdf));
        return 1;
    }
    return 0;
}

int GrafikFoto(TLauf &lauf, const QString &datei, const QString &bild, int seite, const QString &zoom) {
    TZustand &z = lauf.Zustand;
    z.AnlagenAnzahl = static_cast<quint16>(qBound(1, z.OptAnlagenAnzahl, MaxAnlagen));
    for (int n = 1; n <= z.AnlagenAnzahl; ++n)
        LeseAnlage(z, lauf.Ini, n);
    LeseComEinstellungen(z, lauf.Ini);
    KompUtils::BildeRefText(z);
    TFGraphForm f(lauf);
    // maximised also where no window manager does it
    if (const QScreen *schirm = QGuiApplication::primaryScreen())
        f.setGeometry(schirm->availableGeometry());
    f.showMaximized();
    QCoreApplication::processEvents();
    if (!datei.isEmpty() && !f.DateiOeffnen(datei))
        return 1;
    if (seite == 2)
        f.PageControl1->setCurrentWidget(f.Sheet2);
    const QStringList bereich = zoom.split(QLatin1Char(':'));
    if (bereich.size() == 2) {
        const QCPAxis *x = f.Chart1->Achse(TAchsenSeite::Unten);
        const QCPAxis *y = f.Chart1->Achse(TAchsenSeite::Links);
        const QRect rechteck(
            QPoint(qRound(x->coordToPixel(bereich.at(0).toDouble())), qRound(y->axisRect()->top() + 10.0)),
            QPoint(qRound(x->coordToPixel(bereich.at(1).toDouble())),
                   qRound(y->axisRect()->bottom() - 10.0)));
        f.Chart1->Zoomen(rechteck);
    }
    QCoreApplication::processEvents();
    const bool ok = f.grab().save(bild);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "screenshot" : "cannot save screenshot",
                 qPrintable(bild));
    return ok ? 0 : 1;
}

void ZeigeGrafik(TFMain &main) {
    auto *f = new TFGraphForm(main.Lauf(), &main);
    f->setWindowFlag(Qt::Window, true);
    f->setWindowModality(Qt::ApplicationModal);
    f->SetzeInfo([&main](QWidget *) {
        TFAbout box(main);
        box.exec();
    });
    QEventLoop schleife;
    QObject::connect(f, &TFGraphForm::Geschlossen, &schleife, &QEventLoop::quit);
    f->showMaximized();
    schleife.exec(QEventLoop::DialogExec);
    delete f;
}

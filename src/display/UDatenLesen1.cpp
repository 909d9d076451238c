#include "display/UDatenLesen1.h"

#include "reports/UQRKompForm.h"
#include "shell/KompUtils.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"
#include "shell/UBetriebsart.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFormSkalierer.h"
#include "toolkit/UStringGrid.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// Design size of the client area between tool bar and status bar.
constexpr int DesignBreite = 760;
constexpr int DesignHoehe = 470;

enum class Symbol { Auslesen, Vorschau, Drucken };

// The tool bar's pictures, drawn for the screen's pixel ratio.
QIcon Bild(Symbol s, qreal verhaeltnis) {
    constexpr int seite = 24;
    QPixmap pm(static_cast<int>(seite * verhaeltnis), static_cast<int>(seite * verhaeltnis));
    pm.setDevicePixelRatio(verhaeltnis);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen rand(QColor(40, 40, 40), 1.2);
    switch (s) {
    case Symbol::Auslesen: {
        // The controller box with an arrow down into a sheet.
        p.setPen(rand);
        p.setBrush(QColor(70, 150, 70));
        p.drawRoundedRect(QRectF(3, 2, 18, 8), 1.5, 1.5);
        p.setBrush(QColor(230, 240, 120));
        p.drawEllipse(QPointF(7, 6), 1.6, 1.6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 14, 14, 8));
        p.setPen(QPen(QColor(20, 80, 200), 2.2));
        p.drawLine(QPointF(12, 9), QPointF(12, 18));
        QPainterPath spitze;
        spitze.moveTo(8, 15);
        spitze.lineTo(12, 20);
        spitze.lineTo(16, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 80, 200));
        p.drawPath(spitze);
        break;
    }
    case Symbol::Vorschau:
        p.setPen(rand);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 13, 17));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (int y = 6; y <= 14; y += 3)
            p.drawLine(QPointF(5, y), QPointF(14, y));
        p.setPen(QPen(QColor(40, 40, 40), 1.8));
        p.setBrush(QColor(200, 225, 255, 170));
        p.drawEllipse(QPointF(14, 13), 5, 5);
        p.setPen(QPen(QColor(40, 40, 40), 3));
        p.drawLine(QPointF(17.5, 16.5), QPointF(22, 21));
        break;
    case Symbol::Drucken:
        p.setPen(rand);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 7));
        p.setBrush(QColor(150, 155, 165));
        p.drawRoundedRect(QRectF(2, 8, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 14, 12, 8));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(QPointF(8, 17), QPointF(16, 17));
        p.drawLine(QPointF(8, 19.5), QPointF(16, 19.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 220, 90));
        p.drawEllipse(QPointF(18.5, 11), 1.2, 1.2);
        break;
    }
    return QIcon(pm);
}

} // namespace

TFDatenLesen1::TFDatenLesen1(TLauf &lauf, TFAktiv &aktiv, QWidget *owner)
    : QMainWindow(owner), m_lauf(lauf), m_aktiv(aktiv), m_lesen(lauf.Komm, lauf.Daten, *this) {
    m_lesen.SetzeEreignisse(&m_lauf.Ereignisse);
    m_lesen.SetzeStoerungen(&m_lauf.Stoerungen);
    setObjectName(QStringLiteral("FDatenLesen1"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    ZeigeVorschau = [this](TBericht &b) {
        const QString datei = m_lesen.Datei().isEmpty()
                                  ? m_lauf.Zustand.Anlagen[m_lauf.Zustand.AktAnlage].Datei
                                  : m_lesen.Datei();
        BerichtAusgabe::Vorschau(b, m_lauf.Dialoge, this,
                                 datei.isEmpty() ? QString() : QFileInfo(datei).completeBaseName() + ".pdf");
    };
    Drucke = [this](TBericht &b) { return BerichtAusgabe::Drucken(b, m_lauf.Dialoge, this); };
    if (owner)
        setWindowIcon(owner->windowIcon());
    baueFenster();
    baueMenue();
    SetzeTexte();
    resize(DesignBreite, DesignHoehe + menuBar()->sizeHint().height() + ToolBar1->sizeHint().height() +
                             StatusBar1->sizeHint().height());
    FormCreate();
}

TFDatenLesen1::~TFDatenLesen1() {
    if (m_aktiv.isVisible())
        m_aktiv.hide();
}

void TFDatenLesen1::baueFenster() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    auto knopf = [this](const char *name, Symbol s) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setIcon(Bild(s, devicePixelRatioF()));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = knopf("ToolButton1", Symbol::Auslesen);
    ToolBar1->addSeparator();
    PreviewButton = knopf("PreviewButton", Symbol::Vorschau);
    PrintButton = knopf("PrintButton", Symbol::Drucken);
    connect(ToolButton1, &QToolButton::clicked, this, &TFDatenLesen1::DatenAuslesen);
    connect(PreviewButton, &QToolButton::clicked, this, &TFDatenLesen1::PreviewButtonClick);
    connect(PrintButton, &QToolButton::clicked, this, &TFDatenLesen1::PrintButtonClick);

    auto *zentrale = new QWidget(this);
    zentrale->setObjectName(QStringLiteral("Zentrale"));
    setCentralWidget(zentrale);

    TabControl1 = new TAnlagenTabs(zentrale);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setGeometry(6, 4, DesignBreite - 12, 26);
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, [this] { TabControl1Change(); });

    QFont fett = font();
    fett.setBold(true);
    MieteName = new QLabel(QStringLiteral("--"), zentrale);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    MieteName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MieteName->setAlignment(Qt::AlignCenter);
    MieteName->setFont(fett);
    MieteName->setGeometry(6, 34, DesignBreite - 12, 24);

    AnzahlLabel = new QLabel(zentrale);
    AnzahlLabel->setObjectName(QStringLiteral("Label1"));
    AnzahlLabel->setGeometry(10, 64, 130, 20);
    AnzDaten1 = new QLabel(QStringLiteral("0"), zentrale);
    AnzDaten1->setObjectName(QStringLiteral("AnzDaten1"));
    AnzDaten1->setFont(fett);
    AnzDaten1->setGeometry(140, 64, 60, 20);
    LeseLabel = new QLabel(zentrale);
    LeseLabel->setObjectName(QStringLiteral("Label2"));
    LeseLabel->setGeometry(230, 64, 110, 20);
    DatenNr = new QLabel(QStringLiteral("0"), zentrale);
    DatenNr->setObjectName(QStringLiteral("DatenNr"));
    DatenNr->setFont(fett);
    DatenNr->setGeometry(340, 64, 60, 20);

    StringGrid1 = new TStringGrid(TDatenLesen::Spalten, TDatenLesen::LeereZeilen, zentrale);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setZeilenHoehe(20);
    QTableWidget *t = StringGrid1->tabelle();
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A smaller font, so that the titles fit the narrow temperature columns.
    QFont klein = t->font();
    klein.setPointSizeF(std::max(6.0, klein.pointSizeF() * 0.85));
    t->setFont(klein);
    t->horizontalHeader()->setFont(klein);
    t->verticalHeader()->setFont(klein);
    // The newest row is selected, so that it is marked and in view.
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setGeometry(6, 90, DesignBreite - 12, DesignHoehe - 96);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        auto *l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMargin(1);
        StatusBar1->addWidget(l, i == 1 ? 1 : 0);
        StatusPanels[i] = l;
    }
}

void TFDatenLesen1::baueMenue() {
    QMenuBar *leiste = menuBar();
    auto strg = [](char c) { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(c)); };
    EndeMenu = leiste->addMenu(QString());
    Ende2 = EndeMenu->addAction(QString());
    Ende2->setShortcut(strg('X'));
    connect(Ende2, &QAction::triggered, this, &TFDatenLesen1::Ende2Click);

    DruckenMenu = leiste->addMenu(QString());
    Druckvorschau1 = DruckenMenu->addAction(QString());
    Druckvorschau1->setShortcut(strg('V'));
    connect(Druckvorschau1, &QAction::triggered, this, &TFDatenLesen1::PreviewButtonClick);
    Drucken1 = DruckenMenu->addAction(QString());
    Drucken1->setShortcut(strg('D'));
    connect(Drucken1, &QAction::triggered, this, &TFDatenLesen1::PrintButtonClick);

    Info1 = leiste->addAction(QString());
    connect(Info1, &QAction::triggered, this, &TFDatenLesen1::Info1Click);
}

void TFDatenLesen1::SetzeTexte() {
    setWindowTitle(tr("Daten Offline lesen"));
    ToolButton1->setToolTip(tr("Daten aus der Steuerung auslesen"));
    PreviewButton->setToolTip(tr("Druckvorschau"));
    PrintButton->setToolTip(tr("Drucken"));
    AnzahlLabel->setText(tr("Anzahl Datensätze:"));
    LeseLabel->setText(tr("Lese Datensatz:"));
    StatusPanels[0]->setText(tr("Status:"));
    EndeMenu->setTitle(tr("&Ende"));
    Ende2->setText(tr("&Ende"));
    DruckenMenu->setTitle(tr("&Drucken"));
    Druckvorschau1->setText(tr("Druck&vorschau"));
    Drucken1->setText(tr("&Drucken"));
    Info1->setText(tr("&Info"));
    // The reference depth's title in the language now (whichever window hears of a change first).
    KompUtils::BildeRefText(m_lauf.Zustand);
    const QStringList titel = TDatenLesen::Spaltentitel(m_lauf.Zustand);
    for (int c = 0; c < titel.size(); ++c)
        StringGrid1->setCells(c, 0, titel.at(c));
    zeigeMiete();
    // The counters follow their captions, however long a language makes
    // them: before the design is taken, and when the language changes at the
    // design size, which then becomes the design.
    const bool designGroesse = Skalierer && Skalierer->faktorX() == 1.0 && Skalierer->faktorY() == 1.0;
    if (!Skalierer || designGroesse) {
        const auto breite = [](QLabel *l, int mindest) {
            return std::max(mindest, l->fontMetrics().horizontalAdvance(l->text()) + 6);
        };
        AnzahlLabel->resize(breite(AnzahlLabel, 130), AnzahlLabel->height());
        AnzDaten1->move(AnzahlLabel->geometry().right() + 1, AnzDaten1->y());
        LeseLabel->setGeometry(std::max(230, AnzDaten1->x() + 90), LeseLabel->y(), breite(LeseLabel, 110),
                               LeseLabel->height());
        DatenNr->move(LeseLabel->geometry().right() + 1, DatenNr->y());
        if (designGroesse)
            Skalierer->Merken();
    }
}

void TFDatenLesen1::zeigeMiete() {
    const TZustand &z = m_lauf.Zustand;
    if (TabControl1->currentIndex() < 0)
        return;
    const tAnlageParameter &a = z.Anlagen[std::clamp<size_t>(z.AktAnlage, 1, MaxAnlagen)];
    if (a.Angeschlossen == 0)
        MieteName->setText(tr("KEINE ANLAGE ANGESCHLOSSEN!!"));
    else if (a.Eingeschaltet != 0)
        MieteName->setText(a.Name);
    else
        MieteName->setText(tr("Angeschlossene ANLAGE ist abgeschaltet!!"));
}

void TFDatenLesen1::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && Skalierer)
        SetzeTexte();
    QMainWindow::changeEvent(event);
}

void TFDatenLesen1::FormCreate() {
    const TZustand &z = m_lauf.Zustand;
    // The designed widths, wider where a title needs it (grid column c is the table's c - 1).
    QList<int> breiten = TDatenLesen::Spaltenbreiten();
    for (int c = 1; c < breiten.size(); ++c)
        breiten[c] =
            std::max(breiten[c], StringGrid1->tabelle()->horizontalHeader()->sectionSizeHint(c - 1) + 2);
    // the operating mode's column as wide as the longest mode name
    for (int art = 0; art <= 4; ++art)
        breiten[8] = std::max(
            breiten[8],
            StringGrid1->tabelle()->fontMetrics().horizontalAdvance(KompUtils::BetriebsartText(art)) + 12);
    StringGrid1->setSpaltenBreiten(breiten);
    m_lesen.Zuruecksetzen();
    const int n = std::clamp(static_cast<int>(z.AnlagenAnzahl), 1, MaxAnlagen);
    FuelleAnlagenTabs(*TabControl1, n, z.OptAdressen33);
    // The rows of plant tabs push the controls below them down; the window
    // grows by as much, so the table keeps its size. The resizer takes the
    // finished layout as its design.
    const QRect tabs = TabControl1->geometry();
    const int mehr = TabControl1->hoeheFuerBreite(tabs.width()) - tabs.height();
    if (mehr != 0) {
        TabControl1->setGeometry(tabs.adjusted(0, 0, 0, mehr));
        for (QWidget *w : {static_cast<QWidget *>(MieteName), static_cast<QWidget *>(AnzahlLabel),
                           static_cast<QWidget *>(AnzDaten1), static_cast<QWidget *>(LeseLabel),
                           static_cast<QWidget *>(DatenNr), static_cast<QWidget *>(StringGrid1)})
            w->move(w->x(), w->y() + mehr);
        resize(width(), height() + mehr);
    }
    Skalierer = new TFormSkalierer(this);
    // The window opens on the current plant.
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(std::clamp(static_cast<int>(z.AktAnlage), 1, n) - 1);
    }
    TabControl1Change();
}

// ---------------------------------------------------------------------------
// Handlers

void TFDatenLesen1::TabControl1Change() {
    TZustand &z = m_lauf.Zustand;
    const int index = TabControl1->currentIndex();
    if (index < 0)
        return;
    z.AktAnlage = static_cast<quint16>(std::clamp(index + 1, 1, MaxAnlagen));
    m_lesen.Zuruecksetzen();
    const tAnlageParameter &a = z.Anlagen[z.AktAnlage];
    ToolBar1->setEnabled(a.Angeschlossen != 0);
    setzeDruckKnoepfe(false);
    StatusZeigen(a.Datei);
    zeigeMiete();
}

void TFDatenLesen1::DatenAuslesen() {
    if (m_liest)
        return;
    // No other exchange or readout may start while this one runs.
    const TSperre::THalter halter(m_lauf.Sperre);
    m_liest = true;
    setEnabled(false);
    m_lesen.DatenAuslesen();
    setEnabled(true);
    m_liest = false;
    setzeDruckKnoepfe(m_lesen.GeleseneZeilen() > 0);
}

void TFDatenLesen1::setzeDruckKnoepfe(bool an) {
    PreviewButton->setEnabled(an);
    PrintButton->setEnabled(an);
    Druckvorschau1->setEnabled(an);
    Drucken1->setEnabled(an);
}

void TFDatenLesen1::PreviewButtonClick() {
    // The shortcut reaches the menu item only while it is enabled; a readout never runs here.
    if (m_liest || !PreviewButton->isEnabled())
        return;
    const TZustand &z = m_lauf.Zustand;
    const auto bericht = OfflineProtokoll(z, m_lauf.Ini, z.AktAnlage, m_lesen.Zeilen(), m_lesen.Datei());
    if (ZeigeVorschau)
        ZeigeVorschau(*bericht);
}

void TFDatenLesen1::PrintButtonClick() {
    if (m_liest || !PrintButton->isEnabled())
        return;
    const TZustand &z = m_lauf.Zustand;
    const auto bericht = OfflineProtokoll(z, m_lauf.Ini, z.AktAnlage, m_lesen.Zeilen(), m_lesen.Datei());
    if (Drucke && Drucke(*bericht))
        StatusZeigen(tr("Werte ausgedruckt !"));
}

void TFDatenLesen1::Info1Click() {
    if (InfoOeffner)
        InfoOeffner(this);
}

void TFDatenLesen1::Ende2Click() {
    close();
}

void TFDatenLesen1::closeEvent(QCloseEvent *event) {
    // Not in the middle of a readout: it runs inside this window's event handling.
    if (m_liest) {
        event->ignore();
        return;
    }
    event->accept();
    emit Geschlossen();
}

QString TFDatenLesen1::StatusText(int panel) const {
    if (panel < 1 || panel > 2)
        return QString();
    return StatusPanels[static_cast<size_t>(panel - 1)]->text();
}

// ---------------------------------------------------------------------------
// What the readout shows

void TFDatenLesen1::Meldung(const QString &text) {
    m_lauf.Dialoge.Information(this, text);
}

void TFDatenLesen1::Warnung(const QString &text) {
    m_lauf.Dialoge.Warnung(this, text);
}

void TFDatenLesen1::TabelleZuruecksetzen(int zeilen) {
    StringGrid1->setZeilenAnzahl(zeilen);
    StringGrid1->leereZellen();
    for (int r = 1; r < zeilen; ++r)
        StringGrid1->setCells(0, r, QString());
    const QStringList titel = TDatenLesen::Spaltentitel(m_lauf.Zustand);
    for (int c = 0; c < titel.size(); ++c)
        StringGrid1->setCells(c, 0, titel.at(c));
    StringGrid1->tabelle()->clearSelection();
    StringGrid1->tabelle()->scrollToTop();
    AnzDaten1->setText(QStringLiteral("0"));
    DatenNr->setText(QStringLiteral("0"));
}

void TFDatenLesen1::ZeilenAnzahl(int zeilen) {
    StringGrid1->setZeilenAnzahl(std::max(2, zeilen));
}

void TFDatenLesen1::AnzahlZeigen(const QString &text) {
    AnzDaten1->setText(text);
}

void TFDatenLesen1::DatensatzNrZeigen(const QString &text) {
    DatenNr->setText(text);
}

void TFDatenLesen1::ZeileZeigen(int nr, const QStringList &zellen) {
    if (nr >= StringGrid1->zeilenAnzahl())
        StringGrid1->setZeilenAnzahl(nr + 1);
    QTableWidget *t = StringGrid1->tabelle();
    for (int c = 0; c < zellen.size(); ++c) {
        StringGrid1->setCells(c, nr, zellen.at(c));
        if (QTableWidgetItem *feld = c > 0 ? t->item(nr - 1, c - 1) : nullptr)
            feld->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    t->selectRow(nr - 1);
    if (QTableWidgetItem *feld = t->item(nr - 1, 0))
        t->scrollToItem(feld);
}

void TFDatenLesen1::StatusZeigen(const QString &text) {
    StatusPanels[1]->setText(text);
    StatusPanels[1]->setToolTip(text);
}

void TFDatenLesen1::FortschrittZeigen(int maximum) {
    // this readout stops at a click on the busy window's text
    m_aktiv.Zeige(this, maximum, true);
}

void TFDatenLesen1::FortschrittSchritt() {
    QProgressBar *balken = m_aktiv.ProgressBar1;
    balken->setValue(std::min(balken->maximum(), balken->value() + 1));
}

bool TFDatenLesen1::Abgebrochen() {
    return m_aktiv.Abbruch;
}

void TFDatenLesen1::FortschrittVerbergen() {
    m_aktiv.hide();
}

// ---------------------------------------------------------------------------
// The printout

std::unique_ptr<TFQRKompForm> OfflineProtokoll(const TZustand &z, const TIniDatei &ini, int anlage,
                                               const QList<QStringList> &zeilen, const QString &datei) {
    auto b = std::make_unique<TFQRKompForm>();
    TFQRKompForm &f = *b;
    f.Gebietsschema = z.Gebietsschema;
    const QStringList kopf = LeseFirmenZeilen(ini);
    f.QRKopf1->Text = kopf.at(0);
    f.QRKopf2->Text = kopf.at(1);
    f.QRKopf3->Text = kopf.at(2);
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(std::clamp(anlage, 1, MaxAnlagen))];
    f.AnlName->Text = a.Name;
    f.DateiName->Text = datei.isEmpty() ? a.Datei : datei;
    // The comment lines: the plant's comment, as the data file's header has it.
    f.QRKomment1->Text = a.Komm;
    f.QRKomment2->Text.clear();

    // Titles as the table has them: °F with Metric, the reference depth with ShowRef.
    if (z.Metric) {
        const QStringList titel = TDatenLesen::Spaltentitel(z);
        TBerichtFeld *temp[] = {f.QRTemp1, f.QRTemp2, f.QRTemp3, f.QRTemp4, f.QRTemp5};
        for (int i = 0; i < 5; ++i)
            temp[i]->Text = titel.at(2 + i);
    }
    if (z.ShowRef) {
        f.QRLabel6->Text = z.RefText;
    } else {
        f.QRLabel6->Text.clear();
        f.QRLabel7->Text.clear();
    }

    // One detail row per row read; the row counter restarts with every run
    // (a preview may run the report more than once).
    auto zeile = std::make_shared<int>(0);
    const QList<QStringList> tabelle = zeilen;
    f.BeimStart = [zeile] { *zeile = 0; };
    f.MehrDaten = [zeile, n = tabelle.size()] {
        if (*zeile >= n)
            return false;
        ++*zeile;
        return true;
    };
    auto spalte = [zeile, tabelle](TBerichtFeld *feld, int c) {
        feld->Drucken = [zeile, tabelle, c](QString &text) {
            text = tabelle.value(*zeile - 1).value(c).trimmed();
        };
    };
    f.QRNr->Drucken = [zeile](QString &text) { text = QString::number(*zeile); };
    spalte(f.QRDat, 1);
    spalte(f.QRT1, 2);
    spalte(f.QRT2, 3);
    spalte(f.QRT3, 4);
    spalte(f.QRT4, 5);
    spalte(f.QRT5, 6);
    spalte(f.QR55Gr, 11);
    spalte(f.QRO2, 7);
    spalte(f.QRZeit, 9);
    spalte(f.QRZyklen, 10);

    // This printout has no graph.
    f.OhneDiagramm();
    return b;
}

// ---------------------------------------------------------------------------

void ZeigeDatenLesen1(TFMain &main, QWidget *owner) {
    auto *f = new TFDatenLesen1(main.Lauf(), main.Aktiv(), owner ? owner : &main);
    f->InfoOeffner = [&main](QWidget *) {
        TFAbout box(main);
        box.exec();
    };
    // The owner may be disabled while the window is open (the live display
    // is): the window takes input all the same.
    f->setEnabled(true);
    f->setWindowModality(Qt::ApplicationModal);
    if (const QScreen *schirm = main.screen()) {
        const QRect platz = schirm->availableGeometry();
        f->move(platz.center() - QPoint(f->width() / 2, f->height() / 2));
    }
    QEventLoop schleife;
    QObject::connect(f, &TFDatenLesen1::Geschlossen, &schleife, &QEventLoop::quit);
    f->show();
    schleife.exec(QEventLoop::DialogExec);
    delete f;
}

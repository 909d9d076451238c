#include "display/UAnzeige.h"

#include "display/UAnlDatumSet.h"
#include "display/UAnlageDaten.h"
#include "display/UDatenLesen1.h"
#include "display/UMietenBild.h"
#include "display/UO2MessSetup.h"
#include "shell/KompUtils.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"
#include "shell/UBetriebsart.h"
#include "shell/UBilder.h"
#include "shell/ULauf.h"
#include "shell/ULog.h"
#include "shell/UMain.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UAnzeigeElemente.h"
#include "toolkit/UDialoge.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

// Design size of the window's client area between menu and status bar.
constexpr int DesignBreite = 900;
constexpr int DesignHoehe = 584;

// Lets a tab bar's tabs be chosen by mouse, keys or wheel only while erlaubt()
// says so; otherwise the click is swallowed and the highlight stays where it was.
// A left click on a label runs an action.
class TKlickFilter : public QObject {
public:
    TKlickFilter(QObject *parent, std::function<void()> aktion)
        : QObject(parent), m_aktion(std::move(aktion)) {}

protected:
    bool eventFilter(QObject *ziel, QEvent *e) override {
        if (e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
            m_aktion();
            return true;
        }
        return QObject::eventFilter(ziel, e);
    }

private:
    std::function<void()> m_aktion;
};

class TWechselFilter : public QObject {
public:
    TWechselFilter(QObject *parent, std::function<bool()> erlaubt)
        : QObject(parent), m_erlaubt(std::move(erlaubt)) {}

protected:
    bool eventFilter(QObject *ziel, QEvent *e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            if (!m_erlaubt())
                return true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(ziel, e);
    }

private:
    std::function<bool()> m_erlaubt;
};

// Disables a window for one scope (an operation with a controller runs).
class TBedienSperre {
public:
    explicit TBedienSperre(QWidget &w) : m_w(w) { m_w.setEnabled(false); }
    ~TBedienSperre() { m_w.setEnabled(true); }
    TBedienSperre(const TBedienSperre &) = delete;
    TBedienSperre &operator=(const TBedienSperre &) = delete;

private:
    QWidget &m_w;
};

// Cell colours of the overview grid: LED colours on the dark face.
const QColor kTextHell(226, 232, 255);
const QColor kGelb(255, 214, 10);
const QColor kGruen(90, 240, 110);
const QColor kRot(255, 96, 80);
const QColor kGedaempft(120, 134, 180);

void SetzeZelle(TStringGrid *grid, int spalte, int zeile, const QString &text, const QColor &farbe) {
    grid->setCells(spalte, zeile, text);
    if (QTableWidgetItem *feld = grid->tabelle()->item(zeile - 1, spalte - 1))
        feld->setForeground(farbe);
}

void GridStil(TStringGrid *grid) {
    QTableWidget *t = grid->tabelle();
    t->setStyleSheet(QStringLiteral(
        "QTableWidget { background-color: #0c1638; color: #e2e8ff; gridline-color: #24356f;"
        " border: 2px solid #4a5a98; }"
        "QHeaderView::section { background-color: #1a2a64; color: #ffd60a; border: none;"
        " border-right: 1px solid #24356f; border-bottom: 1px solid #24356f; padding-left: 2px; }"
        "QTableCornerButton::section { background-color: #1a2a64; border: none; }"));
    // A small font, so the texts fit the narrow columns of the overview.
    QFont klein = t->font();
    klein.setPointSizeF(std::max(6.0, klein.pointSizeF() * 0.85));
    t->setFont(klein);
    QFont kopf = klein;
    kopf.setPointSizeF(std::max(6.0, klein.pointSizeF() * 0.95));
    t->horizontalHeader()->setFont(kopf);
    QFont fett = klein;
    fett.setBold(true);
    t->verticalHeader()->setFont(fett);
}

// Column widths of a grid that clip neither a title nor any of the sample
// texts of a column, within the width the grid shows without scrolling: a
// column that needs more gets it from the columns with the most room to
// spare. Returns how much wider the grid must be when that is not enough.
int PasseSpaltenAn(TStringGrid *grid, const QList<QStringList> &muster) {
    QTableWidget *t = grid->tabelle();
    const QFontMetrics kopf(t->horizontalHeader()->font());
    const QFontMetrics links(t->verticalHeader()->font());
    const QFontMetrics zellen(t->font());
    // The section's margins, the style sheet's padding and the grid line.
    constexpr int Rand = 12;
    const int platz = grid->width() - 2 * t->frameWidth() -
                      t->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, t) - 2;
    const int n = grid->spaltenAnzahl();
    QList<int> breite(n), bedarf(n);
    int summe = 0;
    for (int c = 0; c < n; ++c) {
        int b = 0;
        if (c == 0) {
            for (int r = 1; r < grid->zeilenAnzahl(); ++r)
                b = std::max(b, links.horizontalAdvance(grid->Cells(0, r)));
        } else {
            // The header may be drawn in the table's font (the style sheet): the wider of both.
            b = std::max(kopf.horizontalAdvance(grid->Cells(c, 0)),
                         zellen.horizontalAdvance(grid->Cells(c, 0)));
            for (const QString &text : muster.value(c))
                b = std::max(b, zellen.horizontalAdvance(text));
        }
        bedarf[c] = b + Rand;
        // The header section's own measure (grid column c is the table's c - 1), with the style
        // sheet's margins and font.
        if (c > 0)
            bedarf[c] = std::max(bedarf[c], t->horizontalHeader()->sectionSizeHint(c - 1) + 2);
        breite[c] = std::max(grid->spaltenBreite(c), bedarf[c]);
        summe += breite[c];
    }
    while (summe > platz) {
        int spender = -1;
        for (int c = 0; c < n; ++c) {
            if (breite[c] > bedarf[c] &&
                (spender < 0 || breite[c] - bedarf[c] > breite[spender] - bedarf[spender]))
                spender = c;
        }
        if (spender < 0)
            break;
        --breite[spender];
        --summe;
    }
    grid->setSpaltenBreiten(breite);
    return std::max(0, summe - platz);
}

TLedInstrument *NeuesInstrument(QWidget *parent, const char *name, int stellen, int nachkomma) {
    auto *i = new TLedInstrument(parent);
    i->setObjectName(QLatin1String(name));
    i->setStellen(stellen, nachkomma);
    return i;
}

} // namespace

TFAnzeige::TFAnzeige(TFMain &main) : QMainWindow(&main), m_main(main), m_lauf(main.Lauf()) {
    setObjectName(QStringLiteral("FAnzeige"));
    setWindowIcon(main.windowIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_speicherung = std::make_unique<TSpeicherung>(m_lauf.Komm, m_lauf.Daten, *this);
    m_speicherung->SetzeEreignisse(&m_lauf.Ereignisse);
    m_speicherung->SetzeStoerungen(&m_lauf.Stoerungen);
    m_mieten =
        std::make_unique<TMietenVerwaltung>(m_lauf.Komm, m_lauf.Daten, m_lauf.Ini, *m_speicherung, *this);

    DispTimer.setInterval(1000);
    connect(&DispTimer, &QTimer::timeout, this, &TFAnzeige::DispTimerTimer);
    connect(&m_lauf.Sperre, &TSperre::Frei, this, &TFAnzeige::sperreFrei);
    // The storage sweep of the program shows its progress and outcome here while the window is open.
    m_lauf.Sicherung.AnzeigeAnmelden(this);
    connect(&m_lauf.Sicherung, &TSicherung::Begonnen, this, &TFAnzeige::sicherungBegonnen);
    connect(&m_lauf.Sicherung, &TSicherung::AnlageGesichert, this, &TFAnzeige::zeigeSicherung);
    connect(&m_lauf.Sicherung, &TSicherung::Beendet, this, &TFAnzeige::sicherungBeendet);
    // The connection lost or back, and the plants learned again: the window says so at once.
    connect(&m_lauf.Komm.Verbindung, &TVerbindung::Verbindungsstand, this, [this] {
        TabControl1Change();
        zeigeVerbindung();
    });
    connect(&m_main, &TFMain::LernenBeendet, this, &TFAnzeige::TabControl1Change);

    baueFenster();
    baueMenue();
    const int menueHoehe = menuBar()->sizeHint().height();
    resize(DesignBreite, DesignHoehe + menueHoehe + StatusBar1->sizeHint().height());
    FormCreate(menueHoehe);
}

TFAnzeige::~TFAnzeige() {
    m_lauf.Sicherung.AnzeigeAbmelden(this);
    DispTimer.stop();
    if (m_main.Aktiv().isVisible())
        m_main.Aktiv().hide();
}

void TFAnzeige::baueFenster() {
    auto *zentrale = new QWidget(this);
    zentrale->setObjectName(QStringLiteral("Zentrale"));
    setCentralWidget(zentrale);

    // Top strip: logo, heartbeat, the grid's caption, the partner picture.
    QFont fett = font();
    fett.setBold(true);
    Logo = new QLabel(zentrale);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setPixmap(Bilder::HerstellerLogo(28, devicePixelRatioF()));
    Logo->setGeometry(8, 4, 28, 28);
    AktivLabel = new QLabel(zentrale);
    AktivLabel->setObjectName(QStringLiteral("Label1"));
    AktivLabel->setFont(fett);
    AktivLabel->setGeometry(46, 8, 50, 20);
    Progressbar1 = new QProgressBar(zentrale);
    Progressbar1->setObjectName(QStringLiteral("Progressbar1"));
    Progressbar1->setRange(0, 10);
    Progressbar1->setValue(0);
    Progressbar1->setTextVisible(false);
    Progressbar1->setGeometry(98, 10, 160, 16);
    Progressbar1->setStyleSheet(QStringLiteral(
        "QProgressBar { background-color: #0c1638; border: 2px solid #4a5a98; border-radius: 3px; }"
        "QProgressBar::chunk { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #b6ffb0, stop:0.5 #38d848, stop:1 #168a24); width: 13px; margin: 1px; }"));
    ZustandLabel = new QLabel(zentrale);
    ZustandLabel->setObjectName(QStringLiteral("Label2"));
    ZustandLabel->setFont(fett);
    ZustandLabel->setGeometry(494, 14, 250, 20);
    auto *partner = new QLabel(zentrale);
    partner->setObjectName(QStringLiteral("PartnerLogo"));
    QPixmap bild = m_main.PartnerLogo ? m_main.PartnerLogo->pixmap() : QPixmap();
    if (bild.isNull())
        bild = Bilder::PartnerBild(QSize(99, 30), devicePixelRatioF());
    else
        bild = bild.scaledToHeight(30 * static_cast<int>(bild.devicePixelRatio()), Qt::SmoothTransformation);
    partner->setPixmap(bild);
    partner->setScaledContents(true);
    const QSizeF partnerGroesse = bild.deviceIndependentSize();
    const int partnerBreite = std::min(150, static_cast<int>(partnerGroesse.width()));
    partner->setGeometry(DesignBreite - 8 - partnerBreite, 3, partnerBreite, 30);

    // Left panel: plant tabs, pile line, mode tabs and the pile with its instruments.
    auto *panel = new QFrame(zentrale);
    LinkesPanel = panel;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(6, 38, 480, 540);

    // The plant tabs get their height (one row here) when they are filled.
    TabControl1 = new TAnlagenTabs(panel);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setGeometry(4, 4, 472, 26);
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, [this] { TabControl1Change(); });

    MieteName = new QLabel(QStringLiteral("--"), panel);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    MieteName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MieteName->setAlignment(Qt::AlignCenter);
    QFont gross = fett;
    gross.setPointSizeF(fett.pointSizeF() * 1.15);
    MieteName->setFont(gross);
    MieteName->setAutoFillBackground(true);
    MieteName->setGeometry(4, 32, 472, 24);

    BetriebsArtTab = new QTabBar(panel);
    BetriebsArtTab->setObjectName(QStringLiteral("BetriebsArtTab"));
    BetriebsArtTab->setExpanding(true);
    BetriebsArtTab->setDrawBase(false);
    for (int art = 0; art <= 3; ++art)
        BetriebsArtTab->addTab(BetriebsartTabText(art));
    BetriebsArtTab->setGeometry(4, 60, 472, 26);
    connect(BetriebsArtTab, &QTabBar::currentChanged, this, &TFAnzeige::BetriebsArtTabChange);
    BetriebsArtTab->installEventFilter(
        new TWechselFilter(BetriebsArtTab, [this] { return BetriebsArtTabChanging(); }));

    MietenBild = new TMietenBild(panel);
    MietenBild->setObjectName(QStringLiteral("Image1"));
    const QRect bildRahmen(4, 90, 472, 446);
    MietenBild->setGeometry(bildRahmen);
    const int bh = bildRahmen.height();
    auto tiefeY = [bh](int tiefe) { return static_cast<int>(TMietenBild::TiefenAnteil(tiefe) * bh); };

    // The five temperatures, each on its depth line, T0 at the surface.
    const int instrBreite = 146, instrHoehe = 42;
    T1Anz = NeuesInstrument(MietenBild, "T1Anz", 3, 0);
    T2Anz = NeuesInstrument(MietenBild, "T2Anz", 3, 0);
    T3Anz = NeuesInstrument(MietenBild, "T3Anz", 3, 0);
    T4Anz = NeuesInstrument(MietenBild, "T4Anz", 3, 0);
    T5Anz = NeuesInstrument(MietenBild, "T5Anz", 3, 0);
    for (int i = 1; i <= 5; ++i) {
        const int tiefe = TMietenBild::Tiefen[5 - i];
        temperaturAnzeige(i)->setGeometry(6, tiefeY(tiefe) - instrHoehe / 2, instrBreite, instrHoehe);
    }
    MietenBild->setLinienAnfang(static_cast<double>(6 + instrBreite) / bildRahmen.width());

    T55Anz = new TBalkenAnzeige(MietenBild);
    T55Anz->setObjectName(QStringLiteral("T55Anz"));
    T55Anz->setSkala(0, 100);
    T55Anz->setMarkenAbstand(25);
    T55Anz->setNachkommastellen(0);
    QFont t55Schrift = T55Anz->font();
    t55Schrift.setPointSizeF(t55Schrift.pointSizeF() * 0.9);
    T55Anz->setFont(t55Schrift);
    T55Anz->setGeometry(156, tiefeY(0) - 44, 84, tiefeY(100) - tiefeY(0) + 44 + 44);

    O2Anz = NeuesInstrument(MietenBild, "O2Anz", 4, 1);
    O2Anz->setGeometry(6, 10, 176, 46);
    SteuerLED = new TLampe(QString(), QColor(240, 30, 20), MietenBild);
    SteuerLED->setObjectName(QStringLiteral("SteuerLED"));
    SteuerLED->setFont(fett);
    SteuerLED->setGeometry(196, 8, 270, 24);
    MEMLabel = new TLampe(QString(), QColor(30, 220, 40), MietenBild);
    MEMLabel->setObjectName(QStringLiteral("MEMLabel"));
    MEMLabel->setFont(fett);
    MEMLabel->setGeometry(196, 34, 270, 24);

    const int boden = static_cast<int>(TMietenBild::BodenAnteil * bh);
    const int bw = bildRahmen.width();
    const int fuss = static_cast<int>(TMietenBild::FussRechts * bw);
    Luft1 = new TLuefterBild(MietenBild);
    Luft1->setObjectName(QStringLiteral("Luft1"));
    Luft1->setGeometry(fuss + 1, boden - 40, 40, 40);
    Luft1->hide();
    // Across the pile while no connection is open, above the instruments.
    NichtLive = new QLabel(MietenBild);
    NichtLive->setObjectName(QStringLiteral("NichtLive"));
    NichtLive->setAlignment(Qt::AlignCenter);
    NichtLive->setWordWrap(true);
    QFont nichtLiveSchrift = fett;
    nichtLiveSchrift.setPointSizeF(fett.pointSizeF() * 1.2);
    NichtLive->setFont(nichtLiveSchrift);
    NichtLive->setStyleSheet(QStringLiteral("color: white; background-color: rgba(198, 40, 40, 215);"
                                            " border: 2px solid #7f0000; border-radius: 6px; padding: 4px;"));
    NichtLive->setGeometry(40, tiefeY(50) - 34, bw - 80, 68);
    NichtLive->hide();

    LaufzeitAnz = NeuesInstrument(MietenBild, "LaufzeitAnz", 5, 0);
    LaufzeitAnz->setGeometry(6, bh - 48, 226, 42);
    ZyklenAnz = NeuesInstrument(MietenBild, "ZyklenAnz", 5, 0);
    ZyklenAnz->setGeometry(240, bh - 48, 226, 42);

    // Right: the overview of all plants and the storage status over it.
    BPAnzGrid = new TStringGrid(7, 2, zentrale);
    BPAnzGrid->setObjectName(QStringLiteral("BPAnzGrid"));
    BPAnzGrid->setSpaltenBreiten({36, 54, 41, 68, 62, 56, 55});
    BPAnzGrid->setZeilenHoehe(18);
    BPAnzGrid->tabelle()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GridStil(BPAnzGrid);
    BPAnzGrid->setGeometry(494, 38, 400, 540);

    StatusAnzeige = new TStringGrid(2, 2, zentrale);
    StatusAnzeige->setObjectName(QStringLiteral("StatusAnzeige"));
    StatusAnzeige->setSpaltenBreiten({36, 343});
    StatusAnzeige->setZeilenHoehe(18);
    StatusAnzeige->tabelle()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GridStil(StatusAnzeige);
    StatusAnzeige->setGeometry(494, 38, 400, 540);
    StatusAnzeige->hide();
    connect(StatusAnzeige, &TStringGrid::geklickt, this, &TFAnzeige::StatusAnzeigeClick);

    // Status bar: "Datei:", the file, "Anzahl Speicherwerte:", the count.
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMargin(1);
        if (i == 3)
            l->setMinimumWidth(70);
        StatusBar1->addWidget(l, i == 1 ? 1 : 0);
        StatusPanels[static_cast<size_t>(i)] = l;
    }
    AlarmPanel = new QLabel(StatusBar1);
    AlarmPanel->setObjectName(QStringLiteral("AlarmPanel"));
    AlarmPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AlarmPanel->setMargin(1);
    QFont alarmSchrift = AlarmPanel->font();
    alarmSchrift.setBold(true);
    AlarmPanel->setFont(alarmSchrift);
    AlarmPanel->setStyleSheet(QStringLiteral("color: white; background-color: #C62828; padding: 0 6px;"));
    StatusBar1->addPermanentWidget(AlarmPanel);
    AlarmPanel->hide();
    // A click on the count opens the alarms.
    AlarmPanel->setCursor(Qt::PointingHandCursor);
    AlarmPanel->installEventFilter(new TKlickFilter(AlarmPanel, [this] {
        if (Alarme1->isEnabled())
            Alarme1Click();
    }));
    VerbindungPanel = new QLabel(StatusBar1);
    VerbindungPanel->setObjectName(QStringLiteral("VerbindungPanel"));
    VerbindungPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    VerbindungPanel->setMargin(1);
    VerbindungPanel->setFont(alarmSchrift);
    VerbindungPanel->setStyleSheet(
        QStringLiteral("color: white; background-color: #C62828; padding: 0 6px;"));
    // In place of the file panels, which say nothing the operator can use meanwhile.
    StatusBar1->addWidget(VerbindungPanel, 1);
    VerbindungPanel->hide();
    StillPanel = new QLabel(StatusBar1);
    StillPanel->setObjectName(QStringLiteral("StillPanel"));
    StillPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StillPanel->setMargin(1);
    StillPanel->setFont(alarmSchrift);
    StillPanel->setStyleSheet(QStringLiteral("color: white; background-color: #C62828; padding: 0 6px;"));
    // In place of the file's name, which would push it out of the window.
    StatusBar1->addWidget(StillPanel, 1);
    StillPanel->hide();
}

void TFAnzeige::baueMenue() {
    QMenuBar *leiste = menuBar();
    auto punkt = [this](QMenu *menue, const QKeySequence &taste, auto slot) {
        QAction *a = menue->addAction(QString());
        if (!taste.isEmpty())
            a->setShortcut(taste);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto strg = [](char c) { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(c)); };

    EndeMenu = leiste->addMenu(QString());
    Ende1 = punkt(EndeMenu, strg('X'), &TFAnzeige::Ende1Click);

    MietenMenu = leiste->addMenu(QString());
    OfflineDatenauslesen1 = punkt(MietenMenu, strg('O'), &TFAnzeige::OfflineDatenauslesen1Click);
    MietenMenu->addSeparator();
    Mieteneustarten1 = punkt(MietenMenu, strg('N'), &TFAnzeige::Mieteneustarten1Click);
    Mietefortfuehren1 = punkt(MietenMenu, strg('F'), &TFAnzeige::Mietefortfuehren1Click);
    Mietebeenden1 = punkt(MietenMenu, strg('B'), &TFAnzeige::Mietebeenden1Click);
    MietenMenu->addSeparator();
    PCSpeicherstatus1 = punkt(MietenMenu, QKeySequence(), &TFAnzeige::PCSpeicherstatus1Click);
    Alarme1 = punkt(MietenMenu, strg('L'), &TFAnzeige::Alarme1Click);

    OptionenMenu = leiste->addMenu(QString());
    Einstellwerte1 = punkt(OptionenMenu, strg('W'), &TFAnzeige::Einstellwerte1Click);
    ZeitDatumsetzen1 = punkt(OptionenMenu, strg('Z'), &TFAnzeige::ZeitDatumsetzen1Click);

    InfoMenu = leiste->addMenu(QString());
    Info1 = punkt(InfoMenu, strg('I'), &TFAnzeige::Info1Click);
}

void TFAnzeige::FormCreate(int menueHoehe) {
    const TZustand &z = m_lauf.Zustand;
    const int n = std::clamp(static_cast<int>(z.AnlagenAnzahl), 1, MaxAnlagen);

    // 2. Row titles of both grids.
    BPAnzGrid->setZeilenAnzahl(n + 1);
    StatusAnzeige->setZeilenAnzahl(n + 1);

    // 3. Plant tabs, in as many rows as they need.
    FuelleAnlagenTabs(*TabControl1, n, z.OptAdressen33);
    legeAnlagenTabsAus();
    connect(&m_lauf.Alarmstand, &TAlarmStand::Geaendert, this, &TFAnzeige::zeigeAlarmstand);
    Alarme1->setEnabled(m_main.MenuePunkt(TFMain::Fenster::Alarme)->isEnabled());

    // 4. The depth of the reference temperature, or nothing of it.
    if (!z.ShowRef)
        T55Anz->hide();
    SetzeTexte();

    // No title and no value is clipped, whatever the font and the captions;
    // where the columns cannot make room among themselves, the grids and the
    // window grow.
    const int breiter = passeSpaltenAn();
    if (breiter > 0) {
        for (TStringGrid *grid : {BPAnzGrid, StatusAnzeige})
            grid->resize(grid->width() + breiter, grid->height());
        if (auto *partner = findChild<QLabel *>(QStringLiteral("PartnerLogo")))
            partner->move(partner->x() + breiter, partner->y());
        resize(width() + breiter, height());
    }

    // 5. Units.
    if (z.Metric) {
        T55Anz->setMaximum(KompUtils::CmNachZoll(100));
        T55Anz->setMarkenAbstand(10);
    }

    // The menu bar measures its full height only once its menus have their
    // texts: the client area keeps its design height below it.
    resize(width(), height() + menuBar()->sizeHint().height() - menueHoehe);

    // Last, the proportional resizing takes the finished layout as its design
    // and its smallest size.
    Skalierer = new TFormSkalierer(this);
}

void TFAnzeige::SetzeTexte() {
    TZustand &z = m_lauf.Zustand;
    setWindowTitle(tr("Kompost- Messwerterfassung"));
    AktivLabel->setText(tr("Aktiv:"));
    ZustandLabel->setText(tr("Aktueller Anlagenzustand:"));
    for (int art = 0; art < BetriebsArtTab->count(); ++art)
        BetriebsArtTab->setTabText(art, BetriebsartTabText(art));

    // Instruments, with the units of the [COM] settings.
    const QStringList tiefen{tr("T100"), tr("T 75"), tr("T 50"), tr("T 25"), tr("T  0")};
    for (int i = 1; i <= 5; ++i) {
        temperaturAnzeige(i)->setBeschriftung(tiefen.at(i - 1));
        temperaturAnzeige(i)->setEinheit(z.Metric ? tr("°F") : tr("°C"));
    }
    // The reference depth's caption follows the language as well.
    KompUtils::BildeRefText(z);
    T55Anz->setBeschriftung(z.ShowRef ? z.RefText : tr("Tiefe 55°C"));
    T55Anz->setEinheit(z.Metric ? tr("in") : tr("cm"));
    if (z.Metric) {
        QStringList texte;
        for (int t : TMietenBild::Tiefen)
            texte.append(tr("%1 in").arg(KompUtils::CmNachZoll(t)));
        MietenBild->setTiefenTexte(texte);
    }
    O2Anz->setBeschriftung(tr("O2"));
    O2Anz->setEinheit(tr("vol%"));
    SteuerLED->setBeschriftung(tr("Steuerbetrieb"));
    MEMLabel->setBeschriftung(tr("Speicherstatus"));
    LaufzeitAnz->setBeschriftung(tr("Laufzeit"));
    LaufzeitAnz->setEinheit(tr("min"));
    ZyklenAnz->setBeschriftung(tr("Schaltzyklen"));

    // The grids: column titles, the plants' row titles, the mode texts.
    const QStringList titel{QString(),
                            tr("Lüfter"),
                            tr("%/O2"),
                            tr("Betriebsart"),
                            tr("Laufzeit"),
                            tr("Zyklen"),
                            z.ShowRef ? z.RefText : QString()};
    for (int c = 0; c < titel.size(); ++c)
        BPAnzGrid->setCells(c, 0, titel.at(c));
    for (int i = 1; i < BPAnzGrid->zeilenAnzahl(); ++i) {
        BPAnzGrid->setCells(0, i, tr("Anl ") + QString::number(z.OptAdressen33 ? i + 32 : i));
        StatusAnzeige->setCells(0, i, BPAnzGrid->Cells(0, i));
    }
    UpdateGrid();
    zeigeSicherung();

    // Switched while the window is open at its design size: the columns make
    // room for the new titles among themselves, and that is the new design.
    if (Skalierer && Skalierer->faktorX() == 1.0 && Skalierer->faktorY() == 1.0) {
        passeSpaltenAn();
        Skalierer->Merken();
    }

    StatusPanels[0]->setText(tr("Datei:"));
    StatusPanels[2]->setText(tr("Anzahl Speicherwerte:"));
    zeigeVerbindung();
    if (TabControl1->currentIndex() >= 0)
        zeigeMieteName();

    EndeMenu->setTitle(tr("&Ende"));
    Ende1->setText(tr("&Ende"));
    MietenMenu->setTitle(tr("&Mieten- Verwaltung"));
    OfflineDatenauslesen1->setText(tr("&Offline Daten auslesen"));
    Mieteneustarten1->setText(tr("Miete &neu starten"));
    Mietefortfuehren1->setText(tr("Miete &fortführen"));
    Mietebeenden1->setText(tr("Miete &beenden"));
    PCSpeicherstatus1->setText(tr("PC-Speicherstatus"));
    Alarme1->setText(tr("A&larme"));
    zeigeAlarmstand();
    OptionenMenu->setTitle(tr("&Optionen"));
    Einstellwerte1->setText(tr("Einstell&werte"));
    ZeitDatumsetzen1->setText(tr("&Zeit/Datum setzen"));
    InfoMenu->setTitle(tr("&Info"));
    Info1->setText(tr("&Info"));
}

int TFAnzeige::passeSpaltenAn() {
    const int breiter = PasseSpaltenAn(
        BPAnzGrid,
        {{},
         {tr("AUS"), tr("EIN"), QStringLiteral("---")},
         {QStringLiteral("100,0")},
         {BetriebsartText(0), BetriebsartText(1), BetriebsartText(2), BetriebsartText(3), BetriebsartText(4)},
         {QStringLiteral("99999")},
         {QStringLiteral("99999")},
         {QStringLiteral("100")}});
    PasseSpaltenAn(StatusAnzeige,
                   {{},
                    {tr("Fehler beim sichern!"), tr("Gesichert, Konfiguration nicht geschrieben!"),
                     tr("nicht ausgelesen: ausgeschaltet"), tr("nicht ausgelesen: antwortet nicht")}});
    return breiter;
}

void TFAnzeige::zeigeSicherung() {
    const TZustand &z = m_lauf.Zustand;
    const TSicherung &sicherung = m_lauf.Sicherung;
    StatusAnzeige->setCells(1, 0,
                            sicherung.Am().isValid()
                                ? tr("Sicherung am ") + KompUtils::DatumZeit(z.Gebietsschema, sicherung.Am())
                                : tr("Speicherstatus"));
    for (int i = 1; i < StatusAnzeige->zeilenAnzahl() && i <= MaxAnlagen; ++i) {
        const TSicherung::TAnlagenStand &stand = sicherung.Stand(i);
        switch (stand.Stand) {
        case TSicherung::TStand::Keiner:
            StatusAnzeige->setCells(1, i, QString());
            break;
        case TSicherung::TStand::Gesichert:
            SetzeZelle(StatusAnzeige, 1, i, tr("Ergebnis OK !"), kGruen);
            break;
        case TSicherung::TStand::KonfigurationNichtGeschrieben:
            // The records are saved: not the same as a failure.
            SetzeZelle(StatusAnzeige, 1, i, tr("Gesichert, Konfiguration nicht geschrieben!"), kGelb);
            break;
        case TSicherung::TStand::Fehler:
            SetzeZelle(StatusAnzeige, 1, i, tr("Fehler beim sichern!"), kRot);
            break;
        case TSicherung::TStand::Ausgeschaltet:
            SetzeZelle(StatusAnzeige, 1, i, tr("nicht ausgelesen: ausgeschaltet"), kTextHell);
            break;
        case TSicherung::TStand::KeineAntwort:
            SetzeZelle(StatusAnzeige, 1, i, tr("nicht ausgelesen: antwortet nicht"), kGelb);
            break;
        }
        // What failed, in the cell's tool tip.
        if (QTableWidgetItem *feld = StatusAnzeige->tabelle()->item(i - 1, 0))
            feld->setToolTip(stand.Grund);
    }
}

void TFAnzeige::sicherungBegonnen() {
    // The window waits while the sweep reads the controllers.
    m_dispVorSicherung = DispTimer.isActive();
    DispTimer.stop();
    setEnabled(false);
    zeigeSicherung();
}

void TFAnzeige::sicherungBeendet() {
    zeigeSicherung();
    setEnabled(true);
    if (m_dispVorSicherung)
        DispTimer.start(1000);
}

void TFAnzeige::legeAnlagenTabsAus() {
    // The rows of plant tabs push the controls below them down; the window
    // grows by as much, so the pile picture keeps its size.
    const QRect tabs = TabControl1->geometry();
    const int mehr = TabControl1->hoeheFuerBreite(tabs.width()) - tabs.height();
    if (mehr == 0)
        return;
    TabControl1->setGeometry(tabs.adjusted(0, 0, 0, mehr));
    for (QWidget *w : {static_cast<QWidget *>(MieteName), static_cast<QWidget *>(BetriebsArtTab),
                       static_cast<QWidget *>(MietenBild)})
        w->move(w->x(), w->y() + mehr);
    for (QWidget *w : {LinkesPanel, static_cast<QWidget *>(BPAnzGrid), static_cast<QWidget *>(StatusAnzeige)})
        w->resize(w->width(), w->height() + mehr);
    resize(width(), height() + mehr);
}

TLedInstrument *TFAnzeige::temperaturAnzeige(int i) const {
    switch (i) {
    case 1:
        return T1Anz;
    case 2:
        return T2Anz;
    case 3:
        return T3Anz;
    case 4:
        return T4Anz;
    default:
        return T5Anz;
    }
}

QString TFAnzeige::BetriebsartText(int art) {
    return art >= 0 && art <= 4 ? KompUtils::BetriebsartText(art) : QString();
}

QString TFAnzeige::BetriebsartTabText(int art) {
    switch (art) {
    case 0:
        return tr("Lüfter AUS");
    case 1:
        return tr("Lüfter EIN");
    case 2:
        return tr("Intervall");
    case 3:
        return tr("Z2- Eduzivid");
    default:
        return QString();
    }
}

// ---------------------------------------------------------------------------
// Timers

void TFAnzeige::StartTimer() {
    DispTimer.start(1000);
    m_main.StartTimer();
}

void TFAnzeige::StopTimer() {
    m_main.StopTimer();
    DispTimer.stop();
    // Nothing is polled until StartTimer: the heartbeat says so.
    m_herzschlag = 0;
    Progressbar1->setValue(0);
}

void TFAnzeige::DispTimerTimer() {
    // The heartbeat says that the plants are polled: while nothing is (no
    // connection, the poll stopped), the bar stays empty.
    const bool abgefragt = m_lauf.Komm.Abfrage.TimerLaeuft() && !m_lauf.Komm.Verbindung.Getrennt();
    m_herzschlag = abgefragt ? m_herzschlag % 10 + 1 : 0;
    Progressbar1->setValue(m_herzschlag);
    UpdateInstruments();
    UpdateGrid();
    zeigeVerbindung();
}

void TFAnzeige::zeigeVerbindung() {
    const TVerbindung &v = m_lauf.Komm.Verbindung;
    const bool getrennt = v.Getrennt();
    if (getrennt) {
        VerbindungPanel->setText(v.GetrenntText());
        NichtLive->setText(tr("KEINE VERBINDUNG\nDie Anzeige zeigt keine aktuellen Messwerte."));
        // Nothing the lamps would say is known now.
        MEMLabel->setAn(false);
        SteuerLED->setAn(false);
        NichtLive->raise();
    }
    VerbindungPanel->setVisible(getrennt);

    // A plant that does not answer while the connection stays open: its tab
    // hatched, and for the plant shown the panel and the mark over the pile.
    const TZustand &z = m_lauf.Zustand;
    for (int i = 0; i < TabControl1->count(); ++i)
        TabControl1->setHinweis(i, keineAntwortText(i + 1));
    const QString still = keineAntwortText(z.AktAnlage);
    if (!still.isEmpty()) {
        StillPanel->setText(still);
        NichtLive->setText(still + QLatin1Char('\n') + tr("Die Anzeige zeigt keine aktuellen Messwerte."));
        MEMLabel->setAn(false);
        SteuerLED->setAn(false);
        NichtLive->raise();
    } else if (m_stillGezeigt && !getrennt) {
        // It answers again: the storage lamp as the plant's state says.
        const tAnlageParameter &a = z.Anlagen[std::clamp<size_t>(z.AktAnlage, 1, MaxAnlagen)];
        MEMLabel->setAn(a.Angeschlossen != 0 && a.Speicherstatus != 0);
    }
    m_stillGezeigt = !still.isEmpty();
    for (size_t i = 0; i < StatusPanels.size(); ++i)
        StatusPanels[i]->setVisible(!getrennt && !(m_stillGezeigt && i < 2));
    StillPanel->setVisible(m_stillGezeigt && !getrennt);
    NichtLive->setVisible(getrennt || m_stillGezeigt);
    if (NichtLive->isVisibleTo(this)) {
        // as high as its text needs, around the same middle
        const QRect r = NichtLive->geometry();
        const int hoehe = std::max(68, NichtLive->heightForWidth(r.width()));
        if (hoehe != r.height())
            NichtLive->setGeometry(r.x(), r.center().y() - hoehe / 2, r.width(), hoehe);
    }
}

QDateTime TFAnzeige::keineAntwortSeit(int n) const {
    const TZustand &z = m_lauf.Zustand;
    if (n < 1 || n > MaxAnlagen || m_lauf.Komm.Verbindung.Getrennt())
        return {};
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(n)];
    if (a.Angeschlossen == 0 || a.Eingeschaltet == 0)
        return {};
    return z.KeineAntwortSeit[static_cast<size_t>(n)];
}

QString TFAnzeige::keineAntwortText(int n) const {
    const QDateTime seit = keineAntwortSeit(n);
    if (!seit.isValid())
        return QString();
    const TZustand &z = m_lauf.Zustand;
    return tr("Anlage %1: keine Antwort seit %2")
        .arg(z.OptAdressen33 ? n + 32 : n)
        .arg(KompUtils::DatumZeit(z.Gebietsschema, seit));
}

// ---------------------------------------------------------------------------
// Guard of dialogs and operations

void TFAnzeige::DialogOffen() {
    m_lauf.Sperre.Belegen();
}

void TFAnzeige::DialogZu() {
    m_lauf.Sperre.Freigeben();
}

bool TFAnzeige::DialogIstOffen() const {
    return m_lauf.Sperre.Belegt();
}

void TFAnzeige::sperreFrei() {
    // An activation that came while the guard was held is done now.
    if (m_aktivierungOffen) {
        m_aktivierungOffen = false;
        if (isActiveWindow())
            FormActivate();
    }
}

// ---------------------------------------------------------------------------
// The view

void TFAnzeige::FormActivate() {
    if (DialogIstOffen()) {
        // Inside an operation the timers stay as the operation set them.
        m_aktivierungOffen = true;
        return;
    }
    const TZustand &z = m_lauf.Zustand;
    const int index = std::clamp(static_cast<int>(z.AktAnlage), 1, std::max(1, TabControl1->count())) - 1;
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(index);
    }
    TabControl1Change();
    zeigeBetriebsart(z.Anlagen[static_cast<size_t>(z.AktAnlage)].Betriebsart);
    StartTimer();
}

void TFAnzeige::zeigeBetriebsart(int art) {
    // Mode 4 (control operation) has no tab: the tab shown stays.
    if (art < 0 || art > 3)
        return;
    // Selecting the tab from here sends nothing.
    const QSignalBlocker sperre(BetriebsArtTab);
    BetriebsArtTab->setCurrentIndex(art);
    m_artReiter = art;
}

void TFAnzeige::TabControl1Change() {
    TZustand &z = m_lauf.Zustand;
    const int index = TabControl1->currentIndex();
    if (index < 0)
        return;
    z.AktAnlage = static_cast<quint16>(std::clamp(index + 1, 1, MaxAnlagen));
    const tAnlageParameter &a = z.Anlagen[z.AktAnlage];
    zeigeBetriebsart(a.Betriebsart);
    UpdateInstruments();

    QPalette farben = MieteName->palette();
    if (a.Angeschlossen != 0) {
        const bool ein = a.Eingeschaltet != 0;
        Mieteneustarten1->setEnabled(!ein);
        Mietefortfuehren1->setEnabled(!ein);
        Mietebeenden1->setEnabled(ein);
        MEMLabel->setAn(a.Speicherstatus != 0 && !m_lauf.Komm.Verbindung.Getrennt());
        Einstellwerte1->setEnabled(true);
        ZeitDatumsetzen1->setEnabled(true);
        zeigeMieteName();
        farben.setColor(QPalette::WindowText, ein ? QColor(20, 100, 30) : QColor(170, 90, 0));
        StatusPanels[1]->setText(a.Datei);
        StatusPanels[3]->setText(QString::number(a.Anzahl));
    } else {
        Mieteneustarten1->setEnabled(false);
        Mietefortfuehren1->setEnabled(false);
        Mietebeenden1->setEnabled(false);
        Einstellwerte1->setEnabled(false);
        ZeitDatumsetzen1->setEnabled(false);
        MEMLabel->setAn(false);
        zeigeMieteName();
        farben.setColor(QPalette::WindowText, QColor(190, 20, 20));
        StatusPanels[1]->setText(QString());
        StatusPanels[3]->setText(QString());
    }
    MieteName->setPalette(farben);
    StatusPanels[1]->setToolTip(StatusPanels[1]->text());
    zeigeVerbindung();
}

void TFAnzeige::zeigeMieteName() {
    const TZustand &z = m_lauf.Zustand;
    const tAnlageParameter &a = z.Anlagen[std::clamp<size_t>(z.AktAnlage, 1, MaxAnlagen)];
    if (a.Angeschlossen == 0)
        MieteName->setText(tr("KEINE ANLAGE ANGESCHLOSSEN!!"));
    else if (a.Eingeschaltet != 0)
        MieteName->setText(a.Name);
    else
        MieteName->setText(tr("Angeschlossene ANLAGE ist abgeschaltet!!"));
}

void TFAnzeige::UpdateInstruments() {
    const TZustand &z = m_lauf.Zustand;
    const tAnlageMesswerte &w = z.Messwerte[std::clamp<size_t>(z.AktAnlage, 1, MaxAnlagen)];
    // The readings of a plant that missed its poll are no live ones.
    if (w.Gueltig == 0 || keineAntwortSeit(z.AktAnlage).isValid()) {
        for (int i = 1; i <= 5; ++i)
            temperaturAnzeige(i)->Ausschalten();
        O2Anz->Ausschalten();
        LaufzeitAnz->Ausschalten();
        ZyklenAnz->Ausschalten();
        // No reading: no depth either (0 cm would claim the reference
        // temperature right at the surface).
        T55Anz->setWert(std::numeric_limits<double>::quiet_NaN());
        Luft1->hide();
        MietenBild->setBelueftet(false);
        return;
    }
    for (int i = 1; i <= 5; ++i) {
        const int t = w.T[static_cast<size_t>(i)];
        temperaturAnzeige(i)->setWert(z.Metric ? KompUtils::CelsiusNachFahrenheit(t) : t);
    }
    T55Anz->setWert(z.Metric ? KompUtils::CmNachZoll(w.RefMarke) : w.RefMarke);
    O2Anz->setWert(w.O2 / 10.0);
    LaufzeitAnz->setWert(w.Laufzeit);
    ZyklenAnz->setWert(w.Zyklen);
    Luft1->setVisible(w.Luefter != 0);
    MietenBild->setBelueftet(w.Luefter != 0);
    SteuerLED->setAn(w.Betriebsart >= 4);
    zeigeBetriebsart(w.Betriebsart);
}

void TFAnzeige::UpdateGridRow(int n) {
    const TZustand &z = m_lauf.Zustand;
    if (n < 1 || n > MaxAnlagen || n >= BPAnzGrid->zeilenAnzahl())
        return;
    const tAnlageMesswerte &w = z.Messwerte[static_cast<size_t>(n)];
    // Without the reference depth its column stays empty.
    const int letzte = z.ShowRef ? 6 : 5;
    if (w.Gueltig == 0 || keineAntwortSeit(n).isValid()) {
        for (int c = 1; c <= letzte; ++c)
            SetzeZelle(BPAnzGrid, c, n, QStringLiteral("---"), kGedaempft);
        return;
    }
    if (z.ShowRef)
        SetzeZelle(BPAnzGrid, 6, n,
                   QString::number(z.Metric ? KompUtils::CmNachZoll(w.RefMarke) : w.RefMarke), kTextHell);
    if (w.Luefter != 0)
        SetzeZelle(BPAnzGrid, 1, n, tr("EIN"), kGruen);
    else
        SetzeZelle(BPAnzGrid, 1, n, tr("AUS"), kGedaempft);
    QLocale zahlen = z.Gebietsschema;
    zahlen.setNumberOptions(zahlen.numberOptions() | QLocale::OmitGroupSeparator);
    SetzeZelle(BPAnzGrid, 2, n, zahlen.toString(w.O2 / 10.0, 'f', 1), kGelb);
    if (w.Betriebsart <= 4)
        SetzeZelle(BPAnzGrid, 3, n, BetriebsartText(w.Betriebsart), w.Betriebsart == 4 ? kRot : kTextHell);
    SetzeZelle(BPAnzGrid, 4, n, QString::number(w.Laufzeit), kTextHell);
    SetzeZelle(BPAnzGrid, 5, n, QString::number(w.Zyklen), kTextHell);
}

void TFAnzeige::UpdateGrid() {
    const int n = std::clamp(static_cast<int>(m_lauf.Zustand.AnlagenAnzahl), 1, MaxAnlagen);
    for (int i = 1; i <= n; ++i)
        UpdateGridRow(i);
}

QString TFAnzeige::StatusText(int panel) const {
    if (panel < 1 || panel > 4)
        return QString();
    return StatusPanels[static_cast<size_t>(panel - 1)]->text();
}

// ---------------------------------------------------------------------------
// What the readout shows

void TFAnzeige::Meldung(const QString &text) {
    m_lauf.Dialoge.Information(this, text);
}

void TFAnzeige::Warnung(const QString &text) {
    m_lauf.Dialoge.Warnung(this, text);
}

bool TFAnzeige::Frage(const QString &text) {
    return m_lauf.Dialoge.Frage(this, text);
}

void TFAnzeige::AnzahlAnzeigen(const QString &text) {
    StatusPanels[3]->setText(text);
}

void TFAnzeige::FortschrittZeigen(int maximum) {
    m_main.Aktiv().Zeige(this, maximum);
}

void TFAnzeige::FortschrittSchritt() {
    QProgressBar *balken = m_main.Aktiv().ProgressBar1;
    balken->setValue(std::min(balken->maximum(), balken->value() + 1));
}

void TFAnzeige::FortschrittVerbergen() {
    m_main.Aktiv().hide();
}

// ---------------------------------------------------------------------------
// Menu

void TFAnzeige::Ende1Click() {
    close();
}

void TFAnzeige::OfflineDatenauslesen1Click() {
    const TDialogSperre sperre(*this);
    setEnabled(false);
    StopTimer();
    ZeigeDatenLesen1(m_main, this);
    StartTimer();
    setEnabled(true);
}

void TFAnzeige::Mieteneustarten1Click() {
    if (!m_mieten->KannStarten() || m_lauf.Beschaeftigt() || m_lauf.KeineVerbindungMelden(this))
        return;
    // The window stays disabled until the plant is switched on or not; the
    // dialogs opened meanwhile are windows of their own and stay usable.
    const TDialogSperre sperre(*this);
    const TBedienSperre aus(*this);
    TFAnlageDaten dialog(m_lauf, this);
    // What the dialog takes is stored only once the plant has switched on: a
    // start the controller refuses keeps the previous name and data file.
    dialog.SpeichernBeiOk = false;
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_mieten->MieteStarten([&dialog] { dialog.Speichern(); });
}

void TFAnzeige::Mietefortfuehren1Click() {
    if (!m_mieten->KannStarten() || m_lauf.Beschaeftigt() || m_lauf.KeineVerbindungMelden(this))
        return;
    const TDialogSperre sperre(*this);
    const TBedienSperre aus(*this);
    const QString ordner = m_mieten->FortsetzungsOrdner();
    // data files only: the program's other files in the same folder are left out
    const QString datei = m_lauf.Dialoge.DateiOeffnen(this, tr("Öffnen"), ordner, tr("EXCEL ( *.csv)"),
                                                      TMietenVerwaltung::KeineDatendateien());
    if (datei.isEmpty())
        return;
    m_mieten->MieteFortfuehren(datei);
}

void TFAnzeige::Mietebeenden1Click() {
    if (!m_mieten->KannBeenden() || m_lauf.Beschaeftigt())
        return;
    const TDialogSperre sperre(*this);
    const TBedienSperre aus(*this);
    m_mieten->MieteBeenden();
}

void TFAnzeige::PCSpeicherstatus1Click() {
    StatusAnzeige->show();
    StatusAnzeige->raise();
}

void TFAnzeige::Alarme1Click() {
    // The list of alarms runs no exchange: the timers and the storage sweep go on.
    m_main.Oeffne(TFMain::Fenster::Alarme);
}

void TFAnzeige::zeigeAlarmstand() {
    const TAlarmStand &stand = m_lauf.Alarmstand;
    AlarmPanel->setText(tr("Aktive Alarme: %1").arg(stand.Aktive()));
    AlarmPanel->setVisible(stand.Aktive() > 0);
    for (int i = 0; i < TabControl1->count(); ++i)
        TabControl1->setMarkiert(i, stand.AnlageAktiv(i + 1));
}

void TFAnzeige::Einstellwerte1Click() {
    if (m_lauf.Beschaeftigt())
        return;
    const TDialogSperre sperre(*this);
    TSollwertAustausch austausch(m_lauf, *this);
    setEnabled(false);
    const bool gelesen = austausch.Lese(static_cast<quint8>(m_lauf.Zustand.AktAnlage));
    setEnabled(true);
    if (!gelesen) {
        m_lauf.Dialoge.Warnung(this, m_lauf.Komm.Verbindung.KeineAntwortText());
        return;
    }
    TFO2MessSetup dialog(m_lauf, *this, this);
    dialog.exec();
}

void TFAnzeige::ZeitDatumsetzen1Click() {
    if (m_lauf.Beschaeftigt() || m_lauf.KeineVerbindungMelden(this))
        return;
    // The clock dialog leaves the timers running; the guard keeps the storage
    // sweep out while it is open.
    const TDialogSperre sperre(*this);
    TFAnlDatumSetup dialog(m_lauf, this);
    dialog.exec();
}

void TFAnzeige::Info1Click() {
    const TDialogSperre sperre(*this);
    TFAbout box(m_main);
    box.exec();
}

void TFAnzeige::StatusAnzeigeClick() {
    StatusAnzeige->setHidden(!StatusAnzeige->isHidden());
}

bool TFAnzeige::BetriebsArtTabChanging() const {
    const TZustand &z = m_lauf.Zustand;
    const tAnlageParameter &a = z.Anlagen[std::clamp<size_t>(z.AktAnlage, 1, MaxAnlagen)];
    return a.Angeschlossen != 0 && a.Eingeschaltet != 0 && !m_lauf.Beschaeftigt();
}

void TFAnzeige::BetriebsArtTabChange(int index) {
    if (index < 0 || index > 3)
        return;
    if (!BetriebsArtTabChanging()) {
        // Not for this plant now: the tab goes back without a word.
        zeigeBetriebsart(m_artReiter);
        return;
    }
    if (m_lauf.KeineVerbindungMelden(this)) {
        zeigeBetriebsart(m_artReiter);
        return;
    }
    TZustand &z = m_lauf.Zustand;
    const quint16 nr = std::clamp<quint16>(z.AktAnlage, 1, MaxAnlagen);
    tAnlageParameter &a = z.Anlagen[nr];
    const TDialogSperre sperre(*this);
    StopTimer();
    const quint8 art = a.Betriebsart;
    const quint8 speicherstatus = a.Speicherstatus;
    const int reiter = m_artReiter;
    setEnabled(false);
    const bool ok =
        m_lauf.Komm.Operationen.SetzeBetriebsart(static_cast<quint8>(nr), static_cast<quint8>(index));
    setEnabled(true);
    StartTimer();
    if (ok) {
        // The mode the controller reported back when it was learned again.
        tAnlageMesswerte &w = z.Messwerte[nr];
        w.Betriebsart = a.Betriebsart;
        if (a.Betriebsart == 0)
            w.Luefter = 0;
        else if (a.Betriebsart == 1)
            w.Luefter = 1;
        m_artReiter = index;
        zeigeBetriebsart(a.Betriebsart);
        UpdateGridRow(nr);
        UpdateInstruments();
    } else {
        // Silently back to where it was; the plant still counts as connected and running.
        a.Angeschlossen = 1;
        a.Eingeschaltet = 1;
        a.Betriebsart = art;
        a.Speicherstatus = speicherstatus;
        zeigeBetriebsart(art <= 3 ? art : reiter);
    }
}

// ---------------------------------------------------------------------------
// Window events

void TFAnzeige::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    else if (event->type() == QEvent::LanguageChange && Skalierer)
        SetzeTexte();
    QMainWindow::changeEvent(event);
}

void TFAnzeige::closeEvent(QCloseEvent *event) {
    // Not while an operation or a dialog of this window is under way: it runs
    // inside this window's event handling.
    if (DialogIstOffen()) {
        event->ignore();
        return;
    }
    DispTimer.stop();
    event->accept();
    emit Geschlossen();
}

void ZeigeLiveAnzeige(TFMain &main) {
    auto *f = new TFAnzeige(main);
    f->setWindowModality(Qt::ApplicationModal);
    if (const QScreen *schirm = main.screen()) {
        const QRect platz = schirm->availableGeometry();
        f->move(platz.center() - QPoint(f->width() / 2, f->height() / 2));
    }
    main.LiveAnzeige = f;
    QEventLoop schleife;
    QObject::connect(f, &TFAnzeige::Geschlossen, &schleife, &QEventLoop::quit);
    f->show();
    schleife.exec(QEventLoop::DialogExec);
    main.LiveAnzeige = nullptr;
    delete f;
}

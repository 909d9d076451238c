#include "shell/UMain.h"

#include "shell/KompUtils.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"
#include "shell/UBilder.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "shell/UPC_Setup.h"
#include "shell/USpeicherzeit.h"
#include "shell/UStoerungen.h"
#include "shell/UZeitSelect.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFensterGroesse.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LogoSeite = 64;
const QSize PartnerGroesse(132, 40);

// A picture label that keeps its colours while the window is disabled (the
// main window is disabled while it learns, but should not look faded).
class TBildLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {
        const QPixmap bild = pixmap();
        if (bild.isNull())
            return;
        QPainter p(this);
        const QSize groesse = bild.deviceIndependentSize().toSize();
        const QRect ziel = QStyle::alignedRect(layoutDirection(), alignment(), groesse, contentsRect());
        p.drawPixmap(ziel, bild);
    }
};

// The same texts while disabled as while enabled.
void FarbenWieAktiv(QWidget *w) {
    QPalette pal = w->palette();
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Highlight,
                             QPalette::Base, QPalette::Button, QPalette::Window})
        pal.setColor(QPalette::Disabled, rolle, pal.color(QPalette::Active, rolle));
    w->setPalette(pal);
}

// The box of the learning display over the middle of the panel.
class TLadeBox : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x7C, 0xB3, 0x42), 1.5));
        p.setBrush(QColor(0xFF, 0xFF, 0xFF, 248));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
};

// The raised product panel: a light gradient with a bevelled edge.
class TProduktPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const QRect r = rect();
        QLinearGradient grund(0, 0, 0, r.height());
        grund.setColorAt(0, QColor(0xFB, 0xFC, 0xF8));
        grund.setColorAt(1, QColor(0xE4, 0xEB, 0xDD));
        p.fillRect(r, grund);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(0x9E, 0xA8, 0x96));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        // a thin green rule under the product name
        p.setPen(QPen(QColor(0x43, 0xA0, 0x47, 150), 1));
        const int y = 12 + LogoSeite + 8;
        p.drawLine(14, y, r.width() - 15, y);
    }
};

} // namespace

// Hears of the PC's disturbances (configuration file, event log) and shows
// them in the status line while they last.
class TFMain::THinweisHoerer : public IEreignisse {
public:
    explicit THinweisHoerer(TFMain &f) : m_f(f) {}
    void Stoerung(TStoerung art, int anlage, bool, const QString &) override {
        if (anlage == 0 && art != TStoerung::Auslesung)
            m_f.zeigeStatus();
    }

private:
    TFMain &m_f;
};

// The busy window over the window in front while the storage sweep reads the
// controllers and no live display is open to show it.
class TFMain::TSicherungsAnzeige : public ISpeicherAnzeige {
public:
    explicit TSicherungsAnzeige(TFMain &f) : m_f(f) {}
    void Meldung(const QString &) override {}
    void AnzahlAnzeigen(const QString &) override {}
    void FortschrittZeigen(int maximum) override {
        QWidget *vorne = QApplication::activeModalWidget();
        m_f.Aktiv().Zeige(vorne ? vorne : &m_f, maximum);
    }
    void FortschrittSchritt() override {
        QProgressBar *balken = m_f.Aktiv().ProgressBar1;
        balken->setValue(std::min(balken->maximum(), balken->value() + 1));
    }
    void FortschrittVerbergen() override { m_f.Aktiv().hide(); }

private:
    TFMain &m_f;
};

TFMain::TFMain(TLauf &lauf, QWidget *parent) : QMainWindow(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(Bilder::HerstellerLogo(LogoSeite)));
    baueFenster();
    baueMenue();

    TZustand &z = m_lauf.Zustand;
    setEnabled(false);
    // What keeps the PC from its work is said in the status line, from the
    // start on (an event log that cannot be created is the first).
    m_hinweisHoerer = std::make_unique<THinweisHoerer>(*this);
    m_lauf.Ereignisse.Anmelden(m_hinweisHoerer.get());
    m_lauf.Log.LogOeffnen();
    z.AnlagenAnzahl = static_cast<quint16>(qBound(1, z.OptAnlagenAnzahl, MaxAnlagen));
    LeseComEinstellungen(z, m_lauf.Ini);
    // The days to keep logs are known only now.
    m_lauf.Log.AlteLogsEntfernen();
    SetzeTexte();
    connect(&m_lauf.Alarmstand, &TAlarmStand::Geaendert, this, &TFMain::zeigeAlarmstand);
    BerechneSpeicherzeit(z);
    ladeLogo();

    // Records an earlier run received but could not write: the next readout
    // of their plant writes them first.
    m_lauf.Daten.GehalteneLaden();
    if (!m_lauf.Daten.Gehalten().Leer())
        m_lauf.Log.LogSchreiben(tr("%1 gehaltene Datensätze aus %2 gelesen; sie werden bei der nächsten "
                                   "Auslesung ihrer Anlage geschrieben.")
                                    .arg(m_lauf.Daten.Gehalten().Anzahl())
                                    .arg(QDir::toNativeSeparators(m_lauf.Daten.Gehalten().Datei())));
    if (!m_lauf.Daten.Gehalten().Fehler().isEmpty())
        m_lauf.Log.LogSchreiben(
            QString(m_lauf.Daten.Gehalten().Fehler()).replace(QLatin1Char('\n'), QLatin1Char(' ')));

    m_aktiv = new TFAktiv(this);

    // The daily storage sweep runs in the program, whether a window is open or not.
    m_sicherungsAnzeige = std::make_unique<TSicherungsAnzeige>(*this);
    m_lauf.Sicherung.AnzeigeAnmelden(m_sicherungsAnzeige.get());
    connect(&m_lauf.Sicherung, &TSicherung::Begonnen, this, &TFMain::sicherungBegonnen);
    connect(&m_lauf.Sicherung, &TSicherung::Beendet, this, &TFMain::sicherungBeendet);

    TVerbindung &v = m_lauf.Komm.Verbindung;
    v.SetzeAnzeige(this);
    // The learning runs after the connect event has been handled completely,
    // also when the connection came back by itself after it was lost.
    const auto lernen = [this] {
        setEnabled(true);
        m_lauf.Zustand.LernenAnfordern = true;
        AnlagenEinlernen();
    };
    connect(&v, &TVerbindung::NetzVerbunden, this, lernen, Qt::QueuedConnection);
    connect(&v, &TVerbindung::Wiederverbunden, this, lernen, Qt::QueuedConnection);
    // A network error during learning leaves the window disabled: the learning
    // pass still waits for its replies and enables it when it ends.
    connect(&v, &TVerbindung::NetzFehler, this, [this] {
        if (!m_lernt)
            setEnabled(true);
    });
}

TFMain::~TFMain() {
    m_lauf.Komm.Verbindung.SetzeAnzeige(nullptr);
    m_lauf.Komm.Verbindung.disconnect(this);
    m_lauf.Sicherung.Stoppe();
    m_lauf.Sicherung.disconnect(this);
    m_lauf.Sicherung.AnzeigeAbmelden(m_sicherungsAnzeige.get());
    m_lauf.Ereignisse.Abmelden(m_hinweisHoerer.get());
}

QString TFMain::Titel(const TZustand &z) {
    const QString bereich = z.OptAdressen33 ? QStringLiteral(" 33..") + QString::number(z.AnlagenAnzahl + 32)
                                            : QStringLiteral(" 1..") + QString::number(z.AnlagenAnzahl);
    return (z.OptNetzwerk ? tr("RIDIZO O2- Humaro NET") : tr("RIDIZO O2- Humaro")) + bereich;
}

void TFMain::baueFenster() {
    auto *zentrale = new QWidget(this);
    auto *aussen = new QVBoxLayout(zentrale);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(2);

    Panel1 = new TProduktPanel(zentrale);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->installEventFilter(this);
    auto *panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(14, 12, 14, 8);
    panel->setSpacing(0);

    // logo, product name and version
    auto *kopf = new QHBoxLayout;
    kopf->setSpacing(14);
    ProgramIcon = new TBildLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(Bilder::HerstellerLogo(LogoSeite, devicePixelRatioF()));
    ProgramIcon->setFixedSize(LogoSeite, LogoSeite);
    kopf->addWidget(ProgramIcon, 0, Qt::AlignTop);
    auto *namen = new QVBoxLayout;
    namen->setSpacing(2);
    namen->addStretch(1);
    ProductName = new QLabel(Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont gross = ProductName->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    ProductName->setFont(gross);
    ProductName->setStyleSheet(QStringLiteral("color: #1B5E20;"));
    namen->addWidget(ProductName);
    Version = new QLabel(Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setStyleSheet(QStringLiteral("color: #455A64;"));
    namen->addWidget(Version);
    namen->addStretch(1);
    kopf->addLayout(namen, 1);
    panel->addLayout(kopf);
    panel->addSpacing(16);

    // comments and the partner's logo
    Comments = new QLabel(Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setAlignment(Qt::AlignCenter);
    panel->addWidget(Comments);
    panel->addSpacing(6);
    PartnerLogo = new TBildLabel(Panel1);
    PartnerLogo->setObjectName(QStringLiteral("PartnerLogo"));
    PartnerLogo->setAlignment(Qt::AlignCenter);
    PartnerLogo->setPixmap(Bilder::PartnerBild(PartnerGroesse, devicePixelRatioF()));
    PartnerLogo->setMinimumHeight(PartnerGroesse.height());
    panel->addWidget(PartnerLogo, 0, Qt::AlignHCenter);
    panel->addStretch(1);

    Copyright = new QLabel(Panel1);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setAlignment(Qt::AlignCenter);
    QFont klein = Copyright->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    Copyright->setFont(klein);
    Copyright->setStyleSheet(QStringLiteral("color: #6D7A6A;"));
    panel->addWidget(Copyright);

    // the learning display over the middle of the panel
    m_ladeBox = new TLadeBox(Panel1);
    m_ladeBox->setObjectName(QStringLiteral("LadeBox"));
    auto *lade = new QVBoxLayout(m_ladeBox);
    lade->setContentsMargins(12, 10, 12, 12);
    lade->setSpacing(8);
    LadeLabel = new QLabel(m_ladeBox);
    LadeLabel->setObjectName(QStringLiteral("LadeLabel"));
    LadeLabel->setAlignment(Qt::AlignCenter);
    QFont fett = LadeLabel->font();
    fett.setBold(true);
    LadeLabel->setFont(fett);
    lade->addWidget(LadeLabel);
    Anzeige1 = new QProgressBar(m_ladeBox);
    Anzeige1->setObjectName(QStringLiteral("Anzeige1"));
    Anzeige1->setMinimum(0);
    Anzeige1->setMaximum(1);
    Anzeige1->setValue(0);
    Anzeige1->setTextVisible(false);
    Anzeige1->setFixedHeight(14);
    lade->addWidget(Anzeige1);
    LadeLabel->hide();
    Anzeige1->hide();
    m_ladeBox->hide();

    aussen->addWidget(Panel1, 1);

    StatusPanel = new QLabel(zentrale);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel->setFixedHeight(45);
    StatusPanel->setMargin(4);
    StatusPanel->setIndent(4);
    StatusPanel->setWordWrap(true);
    StatusPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont status = StatusPanel->font();
    status.setBold(true);
    StatusPanel->setFont(status);
    AlarmPanel = new QLabel(zentrale);
    AlarmPanel->setObjectName(QStringLiteral("AlarmPanel"));
    AlarmPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AlarmPanel->setFixedHeight(45);
    AlarmPanel->setMargin(4);
    AlarmPanel->setAlignment(Qt::AlignCenter);
    AlarmPanel->setFont(status);
    AlarmPanel->setStyleSheet(QStringLiteral("color: white; background-color: #C62828;"));
    AlarmPanel->setCursor(Qt::PointingHandCursor);
    AlarmPanel->installEventFilter(this);
    AlarmPanel->hide();
    auto *statuszeile = new QHBoxLayout;
    statuszeile->setSpacing(2);
    statuszeile->addWidget(StatusPanel, 1);
    statuszeile->addWidget(AlarmPanel);
    aussen->addLayout(statuszeile);

    for (QWidget *w : {static_cast<QWidget *>(Panel1), static_cast<QWidget *>(LadeLabel),
                       static_cast<QWidget *>(Anzeige1), static_cast<QWidget *>(StatusPanel)})
        FarbenWieAktiv(w);
    QPalette gruen = Anzeige1->palette();
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        gruen.setColor(gruppe, QPalette::Highlight, QColor(0x43, 0xA0, 0x47));
    Anzeige1->setPalette(gruen);

    setCentralWidget(zentrale);
    m_zentrale = zentrale;
    // The window is exactly as large as its panel, menu bar and status line:
    // it shrinks again when a language of shorter texts follows a longer one.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFMain::baueMenue() {
    QMenuBar *leiste = menuBar();
    auto punkt = [this](QMenu *menu, QKeySequence kuerzel, void (TFMain::*slot)()) {
        QAction *a = menu->addAction(QString());
        if (!kuerzel.isEmpty())
            a->setShortcut(kuerzel);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto strg = [](char c) { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(c)); };

    EndeMenu = leiste->addMenu(QString());
    EndeMenu->setObjectName(QStringLiteral("Ende1"));
    EndeItem = punkt(EndeMenu, strg('X'), &TFMain::EndeClick);

    SetupMenu = leiste->addMenu(QString());
    SetupMenu->setObjectName(QStringLiteral("PCSetup1"));
    SetupItem = punkt(SetupMenu, strg('S'), &TFMain::ProgrammSetupClick);
    SpeicherzeitItem = punkt(SetupMenu, strg('Z'), &TFMain::SpeicherzeitClick);
    SetupMenu->addSeparator();
    FirmendatenItem = punkt(SetupMenu, strg('F'), &TFMain::FirmendatenClick);
    SetupMenu->addSeparator();
    AlarmEinstellungenItem = punkt(SetupMenu, QKeySequence(), &TFMain::AlarmEinstellungenClick);

    MessungMenu = leiste->addMenu(QString());
    MessungMenu->setObjectName(QStringLiteral("Messung1"));
    AnzeigeItem = punkt(MessungMenu, strg('A'), &TFMain::AnzeigeClick);
    MessungMenu->addSeparator();
    EinlernenItem = punkt(MessungMenu, strg('E'), &TFMain::EinlernenClick);
    MessungMenu->addSeparator();
    OfflineItem = punkt(MessungMenu, strg('O'), &TFMain::OfflineClick);
    MessungMenu->addSeparator();
    AlarmeItem = punkt(MessungMenu, strg('L'), &TFMain::AlarmeClick);

    DatenMenu = leiste->addMenu(QString());
    DatenMenu->setObjectName(QStringLiteral("Daten1"));
    MesswerteDruckenItem = punkt(DatenMenu, strg('W'), &TFMain::MesswerteDruckenClick);
    ProtokollGGItem = punkt(DatenMenu, strg('P'), &TFMain::ProtokollGGClick);
    GrafikItem = punkt(DatenMenu, strg('G'), &TFMain::GrafikClick);

    // The languages of the localisation, each under its own name; the
    // current one is checked, choosing another switches every window at once
    // and keeps the choice for the next start.
    SpracheMenu = leiste->addMenu(QString());
    SpracheMenu->setObjectName(QStringLiteral("Sprache1"));
    auto *sprachen = new QActionGroup(this);
    sprachen->setExclusive(true);
    for (const TSprache::Eintrag &e : TSprache::Sprachen()) {
        QAction *a = SpracheMenu->addAction(e.Name);
        a->setObjectName(QStringLiteral("Sprache_") + e.Kuerzel);
        a->setData(e.Kuerzel);
        a->setCheckable(true);
        a->setChecked(e.Kuerzel == m_lauf.Sprache.Aktuell());
        sprachen->addAction(a);
        connect(a, &QAction::triggered, this, [this, kuerzel = e.Kuerzel] { SpracheWaehlen(kuerzel); });
    }

    InfoMenu = leiste->addMenu(QString());
    InfoMenu->setObjectName(QStringLiteral("Info1"));
    InfoItem = punkt(InfoMenu, strg('I'), &TFMain::InfoClick);

    for (int i = 0; i < static_cast<int>(Fenster::Anzahl); ++i)
        MenuePunkt(static_cast<Fenster>(i))->setEnabled(false);
}

void TFMain::SpracheWaehlen(const QString &kuerzel) {
    m_lauf.Sprache.Setze(kuerzel);
    // The texts follow with the language-change event; the check mark now.
    for (QAction *a : SpracheMenu->actions())
        a->setChecked(a->data().toString() == m_lauf.Sprache.Aktuell());
}

TFMain::TPanelTexte TFMain::PanelTexte() {
    return {tr("Z2- Eduzivid"), tr("Version 3.0.3"),
            tr("Assynchrone Messwertspeicherung und\nVisualisierung in Zusammenarbeit mit"),
            tr("© RIDIZO Mess- und Regeltechnik · Alle Rechte vorbehalten")};
}

void TFMain::SetzeTexte() {
    TZustand &z = m_lauf.Zustand;
    const QString titel = Titel(z);
    setWindowTitle(titel);
    m_lauf.Dialoge.SetzeTitel(titel);
    KompUtils::BildeRefText(z);

    const TPanelTexte panel = PanelTexte();
    ProductName->setText(panel.Produkt);
    Version->setText(panel.Version);
    Comments->setText(panel.Kommentar);
    Copyright->setText(panel.Rechte);
    LadeLabel->setText(tr("Einlesen der Systemumgebung!!!\n Anlernen der angeschlossenen Steuerungen."));

    EndeMenu->setTitle(tr("Ende"));
    EndeItem->setText(tr("&Ende"));
    SetupMenu->setTitle(tr("&PC-Setup"));
    SetupItem->setText(tr("Programm &Setup"));
    SpeicherzeitItem->setText(tr("Speicher&zeit"));
    FirmendatenItem->setText(tr("&Firmendaten"));
    AlarmEinstellungenItem->setText(tr("A&larme einstellen"));
    MessungMenu->setTitle(tr("&Messung"));
    AnzeigeItem->setText(tr("PC &Anzeige"));
    EinlernenItem->setText(tr("Anlagen einlernen"));
    OfflineItem->setText(tr("&Offline Daten auslesen"));
    AlarmeItem->setText(tr("A&larme"));
    DatenMenu->setTitle(tr("&Daten"));
    MesswerteDruckenItem->setText(tr("Mess&werte drucken"));
    ProtokollGGItem->setText(tr("&Protokoll Gütegemeinschaft"));
    GrafikItem->setText(tr("&Grafik erstellen"));
    SpracheMenu->setTitle(tr("Sprache"));
    for (QAction *a : SpracheMenu->actions())
        a->setChecked(a->data().toString() == m_lauf.Sprache.Aktuell());
    InfoMenu->setTitle(tr("&Info"));
    InfoItem->setText(tr("&Info"));

    zeigeAlarmstand();
    passeGroesseAn();

    // The connection's status line in the new language.
    m_lauf.Komm.Verbindung.StatusErneuern();
    if (m_ladeBox && m_ladeBox->isVisible())
        platziereLadeAnzeige();
}

void TFMain::passeGroesseAn() {
    // The panel keeps its size; it grows where a language or the status line needs more room.
    m_zentrale->setMinimumSize(0, 0);
    m_zentrale->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayoutsErneuern(m_zentrale);
    m_zentrale->setFixedSize(m_zentrale->sizeHint().expandedTo(QSize(std::max(377, menueBreite()), 269)));
}

int TFMain::menueBreite() const {
    // Measured as the menu bar lays its items out, for every item: the bar
    // of a window not yet shown, or one too narrow, measures only those it shows.
    const QMenuBar *leiste = menuBar();
    const QStyle *stil = leiste->style();
    const QFontMetrics fm(leiste->font());
    const int abstand = stil->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, leiste);
    int breite = 2 * (stil->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, leiste) +
                      stil->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, leiste));
    for (QAction *a : leiste->actions()) {
        QStyleOptionMenuItem opt;
        opt.initFrom(leiste);
        opt.menuItemType = QStyleOptionMenuItem::Normal;
        opt.text = a->text();
        const QSize text = fm.size(Qt::TextShowMnemonic, a->text());
        breite += stil->sizeFromContents(QStyle::CT_MenuBarItem, &opt, text, leiste).width() + abstand;
    }
    return breite + 4;
}

void TFMain::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && ProductName)
        SetzeTexte();
    QMainWindow::changeEvent(ereignis);
}

QAction *TFMain::MenuePunkt(Fenster fenster) const {
    switch (fenster) {
    case Fenster::Firmendaten:
        return FirmendatenItem;
    case Fenster::Anzeige:
        return AnzeigeItem;
    case Fenster::Offline:
        return OfflineItem;
    case Fenster::MesswerteDrucken:
        return MesswerteDruckenItem;
    case Fenster::ProtokollGG:
        return ProtokollGGItem;
    case Fenster::Grafik:
        return GrafikItem;
    case Fenster::Alarme:
        return AlarmeItem;
    case Fenster::AlarmEinstellungen:
        return AlarmEinstellungenItem;
    case Fenster::Anzahl:
        break;
    }
    return nullptr;
}

void TFMain::SetzeOeffner(Fenster fenster, Oeffner oeffner) {
    if (fenster == Fenster::Anzahl)
        return;
    const bool da = static_cast<bool>(oeffner);
    m_oeffner[static_cast<size_t>(fenster)] = std::move(oeffner);
    MenuePunkt(fenster)->setEnabled(da);
}

TFMain::TMenueAus::TMenueAus(TFMain &fenster) : m_leiste(fenster.menuBar()), m_war(m_leiste->isEnabled()) {
    m_leiste->setEnabled(false);
}

TFMain::TMenueAus::~TMenueAus() {
    m_leiste->setEnabled(m_war);
}

bool TFMain::Oeffne(Fenster fenster) {
    if (fenster == Fenster::Anzahl)
        return false;
    // A copy: the opener may run a window's own event loop.
    const Oeffner o = m_oeffner[static_cast<size_t>(fenster)];
    if (!o)
        return false;
    const TMenueAus aus(*this);
    o(*this);
    return true;
}

void TFMain::zeigeAlarmstand() {
    const int aktive = m_lauf.Alarmstand.Aktive();
    AlarmPanel->setText(tr("Aktive Alarme: %1").arg(aktive));
    AlarmPanel->setVisible(aktive > 0);
}

void TFMain::ladeLogo() {
    const TZustand &z = m_lauf.Zustand;
    if (!z.OptLogo)
        return;
    const QString datei = HeimDatei(z, QStringLiteral("KompLogo.BMP"));
    if (!QFileInfo::exists(datei))
        return;
    QPixmap bild(datei);
    if (bild.isNull())
        return; // not a picture: the built-in one stays
    // A large picture is scaled into the space the panel has for it.
    const QSize platz(PartnerGroesse.width() * 2, PartnerGroesse.height() * 2);
    if (bild.width() > platz.width() || bild.height() > platz.height())
        bild = bild.scaled(platz, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    PartnerLogo->setPixmap(bild);
}

void TFMain::Starte() {
    if (const QScreen *schirm = screen()) {
        const QRect platz = schirm->availableGeometry();
        adjustSize();
        move(platz.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    show();
    m_lauf.Sicherung.Starte();
    m_lauf.Komm.Verbindung.InitVerbindung(m_lauf.Ini);
    if (m_lauf.Zustand.Layer == 0) {
        setEnabled(true);
        AnlagenEinlernen();
    }
}

void TFMain::StopTimer() {
    m_lauf.Komm.Abfrage.StopTimer();
}

void TFMain::StartTimer() {
    m_lauf.Komm.Abfrage.StartTimer();
}

void TFMain::AnlagenEinlernen() {
    TZustand &z = m_lauf.Zustand;
    // Not inside the storage sweep's waits: it learns when the sweep is over.
    if (m_lernt || m_schliesst || m_geschlossen || !z.LernenAnfordern || !z.Verbunden ||
        m_lauf.Sicherung.Laeuft())
        return;
    m_lernt = true;
    m_lauf.Sperre.Belegen();
    setEnabled(false);
    // A dialog open above the main window must not start another exchange meanwhile.
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    if (dialog == this)
        dialog = nullptr;
    if (dialog)
        dialog->setEnabled(false);

    Anzeige1->setMaximum(z.AnlagenAnzahl);
    Anzeige1->setValue(0);
    LadeLabel->show();
    Anzeige1->show();
    platziereLadeAnzeige();
    m_ladeBox->show();
    m_ladeBox->raise();

    StopTimer();
    LerneAlleAnlagen();

    Anzeige1->hide();
    LadeLabel->hide();
    m_ladeBox->hide();
    if (dialog)
        dialog->setEnabled(true);
    setEnabled(true);
    m_lernt = false;
    m_lauf.Sperre.Freigeben();

    if (m_schliessenAngefordert) {
        // The operator closed the window while the plants were being learned.
        QTimer::singleShot(0, this, &QWidget::close);
    } else if (z.Verbunden) {
        m_lauf.Komm.Abfrage.StartePolling();
    }
    emit LernenBeendet();
}

void TFMain::LerneAlleAnlagen() {
    TZustand &z = m_lauf.Zustand;
    TKommunikation &k = m_lauf.Komm;
    StopTimer();
    k.Protokoll.InitAnlagen();
    if (!k.Verbindung.TransportOffen())
        return;
    for (int n = 1; n <= z.AnlagenAnzahl; ++n)
        LeseAnlage(z, m_lauf.Ini, n);
    for (int n = 1; n <= z.AnlagenAnzahl; ++n) {
        if (m_schliessenAngefordert)
            return;
        Anzeige1->setValue(n);
        k.Operationen.LerneAnlage(static_cast<quint8>(n));
    }
    StartTimer();

    QStringList fehler;
    m_lernHinweis.clear();
    m_lernHinweisText.clear();
    for (int n = 1; n <= z.AnlagenAnzahl; ++n) {
        tAnlageParameter &a = z.Anlagen[static_cast<size_t>(n)];
        if (a.Angeschlossen != 0) {
            if (a.Betriebsart == 4)
                a.Betriebsart = 3;
            if (a.Eingeschaltet == 0) {
                a.Datei.clear();
                a.Anzahl = 0;
            } else if (a.Datei.isEmpty()) {
                if (const QString grund = dateiFuerLaufendeMiete(n); !grund.isEmpty())
                    fehler.append(grund);
            }
        } else {
            a.Datei.clear();
            a.Anzahl = 0;
        }
    }
    z.AktAnlage = 1;
    for (int n = 1; n <= z.AnlagenAnzahl; ++n) {
        if (z.Anlagen[static_cast<size_t>(n)].Angeschlossen != 0) {
            z.AktAnlage = static_cast<quint16>(n);
            break;
        }
    }
    z.LernenAnfordern = false;

    // Said without stopping the program (a box here would keep the live
    // display and every readout away until someone confirms it): in the
    // status line and the event log; the readouts go on with the name.
    if (!fehler.isEmpty()) {
        fehler.removeDuplicates();
        m_lernHinweis = tr("Name der Messdatendatei nicht gespeichert!");
        m_lernHinweisText =
            tr("Der Name der neuen Messdatendatei konnte nicht in die Konfigurationsdatei geschrieben "
               "werden:\n%1")
                .arg(fehler.join(QLatin1Char('\n')));
        m_lauf.Log.LogSchreiben(QString(m_lernHinweisText).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    zeigeStatus();
}

QString TFMain::dateiFuerLaufendeMiete(int n) {
    QString fortgesetzt;
    const bool ok = m_lauf.Daten.LaufendeMieteFortsetzen(n, fortgesetzt);
    if (!fortgesetzt.isEmpty())
        m_lauf.Log.LogSchreiben(tr("Anlage %1: die laufende Miete wird in ihrer Datei %2 fortgesetzt.")
                                    .arg(n)
                                    .arg(QDir::toNativeSeparators(fortgesetzt)));
    return ok ? QString() : m_lauf.Daten.LastError();
}

void TFMain::platziereLadeAnzeige() {
    const int breite = Panel1->width() - 40;
    m_ladeBox->setFixedWidth(qMax(100, breite));
    m_ladeBox->adjustSize();
    m_ladeBox->move((Panel1->width() - m_ladeBox->width()) / 2, (Panel1->height() - m_ladeBox->height()) / 2);
}

bool TFMain::eventFilter(QObject *objekt, QEvent *ereignis) {
    if (objekt == Panel1 && ereignis->type() == QEvent::Resize && m_ladeBox)
        platziereLadeAnzeige();
    if (objekt == AlarmPanel && ereignis->type() == QEvent::MouseButtonRelease && isEnabled() &&
        AlarmeItem->isEnabled()) {
        AlarmeClick();
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TFMain::Statuszeile(const QString &text) {
    m_verbindungsText = text;
    zeigeStatus();
}

void TFMain::zeigeStatus() {
    const TStoerungsStand &st = m_lauf.Stoerungen;
    QStringList hinweise, gruende;
    if (!m_lernHinweis.isEmpty()) {
        // A configuration file that cannot be written is its cause, named below.
        if (!st.Aktiv(TStoerung::Konfiguration, 0))
            hinweise.append(m_lernHinweis);
        gruende.append(m_lernHinweisText);
    }
    if (st.Aktiv(TStoerung::Konfiguration, 0)) {
        hinweise.append(tr("Konfigurationsdatei nicht beschreibbar!"));
        gruende.append(st.Grund(TStoerung::Konfiguration, 0));
    }
    if (st.Aktiv(TStoerung::Ereignisprotokoll, 0)) {
        hinweise.append(tr("Kein Ereignisprotokoll!"));
        gruende.append(st.Grund(TStoerung::Ereignisprotokoll, 0));
    }
    if (st.Aktiv(TStoerung::GehalteneDatensaetze, 0)) {
        hinweise.append(tr("Gehaltene Datensätze nicht gesichert!"));
        gruende.append(st.Grund(TStoerung::GehalteneDatensaetze, 0));
    }
    QStringList zeilen = hinweise;
    if (!m_verbindungsText.isEmpty())
        zeilen.prepend(m_verbindungsText);
    StatusPanel->setText(zeilen.join(QLatin1Char('\n')));
    StatusPanel->setToolTip(gruende.join(QLatin1Char('\n')));
    // One line each; the status line grows beyond its two lines when it must.
    const int hoehe =
        std::max(45, static_cast<int>(zeilen.size()) * StatusPanel->fontMetrics().lineSpacing() +
                         2 * (StatusPanel->margin() + StatusPanel->frameWidth()) + 4);
    if (StatusPanel->height() != hoehe || StatusPanel->minimumHeight() != hoehe) {
        StatusPanel->setFixedHeight(hoehe);
        if (m_zentrale)
            passeGroesseAn();
    }
}

void TFMain::sicherungBegonnen() {
    setEnabled(false);
    QWidget *vorne = QApplication::activeModalWidget();
    m_gesperrtFuerSicherung = vorne != this ? vorne : nullptr;
    if (m_gesperrtFuerSicherung)
        m_gesperrtFuerSicherung->setEnabled(false);
}

void TFMain::sicherungBeendet() {
    if (m_gesperrtFuerSicherung)
        m_gesperrtFuerSicherung->setEnabled(true);
    m_gesperrtFuerSicherung = nullptr;
    if (!m_lernt)
        setEnabled(true);
    if (m_schliessenAngefordert) {
        // The operator closed the window while the sweep read the controllers.
        QTimer::singleShot(0, this, &QWidget::close);
    } else if (m_lauf.Zustand.LernenAnfordern && m_lauf.Zustand.Verbunden) {
        // The connection came back during the sweep: the plants are learned now.
        QTimer::singleShot(0, this, &TFMain::AnlagenEinlernen);
    }
}

void TFMain::Meldung(const QString &text) {
    // The connection's messages: what failed.
    m_lauf.Dialoge.Warnung(this, text);
}

void TFMain::closeEvent(QCloseEvent *ereignis) {
    if (m_lernt) {
        // The learning pass stops after the plant it is asking and closes the window then.
        m_schliessenAngefordert = true;
        ereignis->ignore();
        return;
    }
    if (m_lauf.Sicherung.Laeuft()) {
        // The sweep ends after the record it is asking for (the others wait in
        // the controllers) and closes the window then.
        m_schliessenAngefordert = true;
        m_lauf.Sicherung.Abbrechen();
        ereignis->ignore();
        return;
    }
    if (m_schliesst) {
        ereignis->ignore();
        return;
    }
    if (!m_geschlossen) {
        m_schliesst = true;
        m_lauf.Sicherung.Stoppe();
        StopTimer();
        m_lauf.Komm.Verbindung.Schliessen();
        m_lauf.Log.LogSchliessen();
        m_geschlossen = true;
        m_schliesst = false;
    }
    if (m_aktiv)
        m_aktiv->hide();
    ereignis->accept();
}

void TFMain::EndeClick() {
    close();
}

void TFMain::ProgrammSetupClick() {
    bool geaendert = false;
    {
        const TMenueAus aus(*this);
        TFPC_Setup dialog(m_lauf, this);
        dialog.exec();
        geaendert = dialog.Geaendert;
    }
    if (geaendert) {
        m_lauf.Zustand.LernenAnfordern = true;
        AnlagenEinlernen();
    }
}

void TFMain::SpeicherzeitClick() {
    const TMenueAus aus(*this);
    TFZeitSelect dialog(m_lauf, this);
    dialog.move(x() + 100, y() + 50);
    dialog.exec();
}

void TFMain::InfoClick() {
    const TMenueAus aus(*this);
    TFAbout dialog(*this);
    dialog.exec();
}

void TFMain::EinlernenClick() {
    m_lauf.Zustand.LernenAnfordern = true;
    // While the connection is being reopened by itself, learning needs it
    // back first: try now; the learning follows the reconnect.
    if (m_lauf.Komm.Verbindung.Unterbrochen()) {
        m_lauf.Komm.Verbindung.JetztVersuchen();
        return;
    }
    AnlagenEinlernen();
}

void TFMain::FirmendatenClick() {
    Oeffne(Fenster::Firmendaten);
}

void TFMain::AnzeigeClick() {
    Oeffne(Fenster::Anzeige);
}

void TFMain::OfflineClick() {
    Oeffne(Fenster::Offline);
}

void TFMain::MesswerteDruckenClick() {
    Oeffne(Fenster::MesswerteDrucken);
}

void TFMain::ProtokollGGClick() {
    Oeffne(Fenster::ProtokollGG);
}

void TFMain::GrafikClick() {
    Oeffne(Fenster::Grafik);
}

void TFMain::AlarmeClick() {
    Oeffne(Fenster::Alarme);
}

void TFMain::AlarmEinstellungenClick() {
    Oeffne(Fenster::AlarmEinstellungen);
}

#include "reports/UCSV_Lesen.h"

#include "reports/UMietenName.h"
#include "reports/UProtokollDruck.h"
#include "shell/UAbout.h"
#include "shell/ULauf.h"
#include "shell/ULog.h"
#include "shell/UMain.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFormSkalierer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <numeric>

namespace {

constexpr int DesignBreite = 760;
constexpr int DesignHoehe = 382;

QIcon bild(const QStyle *stil, const char *thema, QStyle::StandardPixmap ersatz) {
    return QIcon::fromTheme(QLatin1String(thema), stil->standardIcon(ersatz));
}

// A small printer, for systems without an icon theme.
QIcon druckerBild() {
    QPixmap p(20, 18);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(60, 60, 60), 1));
    m.setBrush(Qt::white);
    m.drawRect(QRectF(5.5, 1.5, 9, 6)); // paper going in
    m.setBrush(QColor(150, 150, 160));
    m.drawRoundedRect(QRectF(1.5, 6.5, 17, 7), 1.5, 1.5); // body
    m.setBrush(Qt::white);
    m.drawRect(QRectF(5.5, 11.5, 9, 5.5)); // paper coming out
    m.setPen(QColor(60, 60, 60));
    m.drawLine(QPointF(7, 13.5), QPointF(13, 13.5));
    m.drawLine(QPointF(7, 15.2), QPointF(12, 15.2));
    m.setPen(Qt::NoPen);
    m.setBrush(QColor(40, 170, 40));
    m.drawEllipse(QPointF(15.5, 9), 1, 1);
    m.end();
    return QIcon(p);
}

} // namespace

TFCSV_Lesen::TFCSV_Lesen(TLauf &lauf, QWidget *parent)
    : QMainWindow(parent), m_lauf(lauf), m_breite(DesignBreite) {
    setObjectName(QStringLiteral("FCSV_Lesen"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    baueFenster();
    baueMenue();
    SetzeTexte();
    resize(DesignBreite, DesignHoehe + menuBar()->sizeHint().height() + ToolBar1->sizeHint().height() +
                             StatusBar1->sizeHint().height());
    FormCreate();
}

TFCSV_Lesen::~TFCSV_Lesen() {
    HygieneTabelle->removeEventFilter(this);
    // FormDestroy: the check boxes, only when the operator clicked one.
    if (m_geaendert) {
        m_lauf.Ini.WriteBool(QStringLiteral("COM"), comSchluessel(true), CheckGraph->isChecked());
        m_lauf.Ini.WriteBool(QStringLiteral("COM"), comSchluessel(false), CheckTag->isChecked());
    }
}

QString TFCSV_Lesen::comSchluessel(bool graph) const {
    if (ProtokollArt == 0)
        return graph ? QStringLiteral("PGRAPH") : QStringLiteral("PTAG");
    return graph ? QStringLiteral("GGRAPH") : QStringLiteral("GTAG");
}

void TFCSV_Lesen::baueFenster() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(20, 18));
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    const QStyle *stil = style();
    OpenButton = ToolBar1->addAction(bild(stil, "document-open", QStyle::SP_DialogOpenButton), QString());
    PreviewButton = ToolBar1->addAction(
        bild(stil, "document-print-preview", QStyle::SP_FileDialogContentsView), QString());
    PrintButton =
        ToolBar1->addAction(QIcon::fromTheme(QStringLiteral("document-print"), druckerBild()), QString());
    OpenButton->setObjectName(QStringLiteral("OpenButton"));
    PreviewButton->setObjectName(QStringLiteral("PreviewButton"));
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    for (QAction *a : {OpenButton, PreviewButton, PrintButton})
        if (QWidget *w = ToolBar1->widgetForAction(a))
            w->setFixedSize(40, 23);
    connect(OpenButton, &QAction::triggered, this, &TFCSV_Lesen::OpenButtonClick);
    connect(PreviewButton, &QAction::triggered, this, &TFCSV_Lesen::PreviewButtonClick);
    connect(PrintButton, &QAction::triggered, this, &TFCSV_Lesen::PrintButtonClick);

    auto *zentrale = new QWidget(this);
    zentrale->setObjectName(QStringLiteral("Zentrale"));
    setCentralWidget(zentrale);

    Panel1 = new QWidget(zentrale);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, DesignBreite, 96);
    CheckGraph = new QCheckBox(Panel1);
    CheckGraph->setObjectName(QStringLiteral("CheckGraph"));
    CheckGraph->setGeometry(8, 8, 130, 20);
    CheckTag = new QCheckBox(Panel1);
    CheckTag->setObjectName(QStringLiteral("CheckTag"));
    CheckTag->setGeometry(8, 32, 130, 20);
    connect(CheckGraph, &QCheckBox::clicked, this, &TFCSV_Lesen::CheckClick);
    connect(CheckTag, &QCheckBox::clicked, this, &TFCSV_Lesen::CheckClick);
    // The plant tabs wrap into as many rows as they need (placed when filled).
    TabControl1 = new TAnlagenTabs(Panel1);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setGeometry(146, 6, DesignBreite - 154, 26);
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, &TFCSV_Lesen::TabControl1Change);
    MieteName = new QLabel(QStringLiteral("--"), Panel1);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    QFont fett = MieteName->font();
    fett.setBold(true);
    MieteName->setFont(fett);
    MieteName->setTextFormat(Qt::RichText);
    MieteName->setGeometry(146, 60, DesignBreite - 154, 20);

    HygieneTitel = new QLabel(zentrale);
    HygieneTitel->setObjectName(QStringLiteral("HygieneTitel"));
    HygieneTitel->setFont(fett);
    HygieneTitel->setGeometry(8, 100, DesignBreite / 2 - 8, 18);
    HygieneArt = new QLabel(zentrale);
    HygieneArt->setObjectName(QStringLiteral("HygieneArt"));
    HygieneArt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HygieneArt->setGeometry(DesignBreite / 2, 100, DesignBreite / 2 - 8, 18);
    HygieneTabelle = new QTableWidget(6, 5, zentrale);
    HygieneTabelle->setObjectName(QStringLiteral("HygieneTabelle"));
    HygieneTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HygieneTabelle->setSelectionMode(QAbstractItemView::NoSelection);
    HygieneTabelle->setFocusPolicy(Qt::NoFocus);
    HygieneTabelle->verticalHeader()->hide();
    HygieneTabelle->verticalHeader()->setDefaultSectionSize(20);
    HygieneTabelle->horizontalHeader()->setFixedHeight(22);
    HygieneTabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    HygieneTabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HygieneTabelle->horizontalHeader()->setStretchLastSection(true);
    HygieneTabelle->setGeometry(8, 120, DesignBreite - 16, 6 * 20 + 22 + 4 + 16);
    // Its columns follow its texts and its size, whatever the language and the window's size.
    HygieneTabelle->installEventFilter(this);
    HygieneHinweise = new QPlainTextEdit(zentrale);
    HygieneHinweise->setObjectName(QStringLiteral("HygieneHinweise"));
    HygieneHinweise->setReadOnly(true);
    HygieneHinweise->setLineWrapMode(QPlainTextEdit::NoWrap);
    HygieneHinweise->setGeometry(8, 286, DesignBreite - 16, 46);
    HygieneSchluss = new QLabel(zentrale);
    HygieneSchluss->setObjectName(QStringLiteral("HygieneSchluss"));
    HygieneSchluss->setFont(fett);
    HygieneSchluss->setGeometry(8, 336, DesignBreite - 16, 20);
    HygieneSchlussAlle = new QLabel(zentrale);
    HygieneSchlussAlle->setObjectName(QStringLiteral("HygieneSchlussAlle"));
    HygieneSchlussAlle->setFont(fett);
    HygieneSchlussAlle->setGeometry(8, 358, DesignBreite - 16, 20);

    // Status bar: "Pfad:", the file, "Anzahl Speicherwerte:", the count.
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    setStatusBar(StatusBar1);
    static constexpr int breiten[4] = {35, 200, 115, 50};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMargin(1);
        l->setMinimumWidth(breiten[i]);
        StatusBar1->addWidget(l, i == 1 ? 1 : 0);
        StatusPanels[static_cast<size_t>(i)] = l;
    }
}

void TFCSV_Lesen::baueMenue() {
    QMenuBar *leiste = menuBar();
    auto punkt = [this](QMenu *menue, const QKeySequence &taste, auto slot) {
        QAction *a = menue->addAction(QString());
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto strg = [](char c) { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(c)); };
    Datei1 = leiste->addMenu(QString());
    Oeffnen1 = punkt(Datei1, strg('F'), &TFCSV_Lesen::OpenButtonClick);
    Schliessen1 = punkt(Datei1, strg('S'), &TFCSV_Lesen::Schliessen1Click);
    Datei1->addSeparator();
    Ende2 = punkt(Datei1, strg('X'), &TFCSV_Lesen::Ende2Click);
    Drucken1 = leiste->addMenu(QString());
    Druckvorschau1 = punkt(Drucken1, strg('V'), &TFCSV_Lesen::PreviewButtonClick);
    Drucken2 = punkt(Drucken1, strg('D'), &TFCSV_Lesen::PrintButtonClick);
    Info1 = leiste->addAction(QString());
    connect(Info1, &QAction::triggered, this, &TFCSV_Lesen::Info1Click);
}

int TFCSV_Lesen::neben() const {
    return CheckGraph->x() + std::max(CheckGraph->width(), CheckTag->width()) + 8;
}

void TFCSV_Lesen::SetzeTexte() {
    if (!m_ersteAktivierung)
        setWindowTitle(ProtokollArt == 0 ? tr("Humaro Protokoll") : tr("Humaro Protokoll Gütegemeinschaft"));
    OpenButton->setToolTip(tr("Öffnen"));
    PreviewButton->setToolTip(tr("Druckvorschau"));
    PrintButton->setToolTip(tr("Drucken"));
    CheckGraph->setText(tr("Grafik drucken"));
    CheckTag->setText(tr("1 Wert/ Tag"));
    // The check boxes as wide as their captions; the plant tabs and the name beside them.
    const int haken = std::max({130, CheckGraph->sizeHint().width(), CheckTag->sizeHint().width()});
    CheckGraph->resize(haken, 20);
    CheckTag->resize(haken, 20);
    const int links = neben();
    TabControl1->setGeometry(links, 6, m_breite - links - 8, TabControl1->height());
    MieteName->setGeometry(links, MieteName->y(), m_breite - links - 8, 20);
    HygieneTitel->setText(tr("Hygienisierung"));
    HygieneTabelle->setHorizontalHeaderLabels(
        {tr("Kriterium"), tr("Basis"), tr("Urteil"), tr("Dauer"), tr("Längste Spanne")});
    StatusPanels[0]->setText(tr("Pfad:"));
    StatusPanels[2]->setText(tr("Anzahl Speicherwerte:"));
    Datei1->setTitle(tr("&Datei"));
    Oeffnen1->setText(tr("Ö&ffnen"));
    Schliessen1->setText(tr("&Schliessen"));
    Ende2->setText(tr("&Ende"));
    Drucken1->setTitle(tr("D&rucken"));
    Druckvorschau1->setText(tr("Druck&vorschau"));
    Drucken2->setText(tr("&Drucken"));
    Info1->setText(tr("&Info"));
    if (m_geladen) {
        zeigeHygiene();
        zeigeMieteName();
    }
    // Switched while the window is at its design size: it grows when the
    // table's texts need more room in this language, and that is its new design.
    if (FormResizer1 && FormResizer1->faktorX() == 1.0 && FormResizer1->faktorY() == 1.0 &&
        benoetigteBreite() > m_breite) {
        delete FormResizer1;
        setzeBreite(benoetigteBreite());
        FormResizer1 = new TFormSkalierer(this);
    }
    passeTabelleAn();
}

QList<int> TFCSV_Lesen::tabellenBedarf() const {
    // The widest texts of each column: both plant types, both verdicts,
    // spans and durations with the widest digits.
    QList<QStringList> texte(HygieneTabelle->columnCount());
    for (const TAnlagenArt art : {TAnlagenArt::Offen, TAnlagenArt::Geschlossen}) {
        THygienisierung h;
        h.Art = art;
        const QDateTime zeit(QDate(2088, 8, 28), QTime(20, 58));
        for (auto &kriterium : h.Spanne)
            for (THygieneSpanne &spanne : kriterium) {
                spanne.Vorhanden = true;
                spanne.Von = spanne.Bis = zeit;
                spanne.Minuten = 88 * 1440 + 20 * 60;
            }
        for (auto &kriterium : h.Erfuellt)
            kriterium.fill(art == TAnlagenArt::Geschlossen);
        for (const bool vorhanden : {true, false}) {
            if (!vorhanden)
                for (auto &kriterium : h.Spanne)
                    for (THygieneSpanne &spanne : kriterium)
                        spanne.Vorhanden = false;
            for (const THygieneZeile &z :
                 HygieneText(h, m_lauf.Zustand.Metric, m_lauf.Zustand.Gebietsschema).Zeilen)
                for (int c = 0; c < texte.size(); ++c)
                    texte[c].append(QStringList{z.Kriterium, z.Basis, z.Urteil, z.Dauer, z.Spanne}.value(c));
        }
    }
    // and what the table shows now
    for (int r = 0; r < HygieneTabelle->rowCount(); ++r)
        for (int c = 0; c < texte.size(); ++c)
            if (const QTableWidgetItem *zelle = HygieneTabelle->item(r, c))
                texte[c].append(zelle->text());

    const QFontMetrics schrift(HygieneTabelle->font());
    // The item's text margins as the style draws them, the grid line, and a little air.
    const int rand =
        2 * (HygieneTabelle->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, HygieneTabelle) +
             1) +
        1 + 4;
    QList<int> bedarf;
    for (int c = 0; c < texte.size(); ++c) {
        int b = HygieneTabelle->horizontalHeader()->sectionSizeHint(c);
        for (const QString &t : std::as_const(texte[c]))
            b = std::max(b, schrift.horizontalAdvance(t) + rand);
        bedarf.append(b);
    }
    return bedarf;
}

int TFCSV_Lesen::benoetigteBreite() const {
    const QList<int> bedarf = tabellenBedarf();
    return std::max(DesignBreite, static_cast<int>(std::accumulate(bedarf.begin(), bedarf.end(), 0)) +
                                      2 * HygieneTabelle->frameWidth() + 16);
}

void TFCSV_Lesen::setzeBreite(int breite) {
    const int mehr = breite - m_breite;
    if (mehr == 0)
        return;
    m_breite = breite;
    Panel1->resize(m_breite, Panel1->height());
    for (QWidget *w : {static_cast<QWidget *>(TabControl1), static_cast<QWidget *>(MieteName)})
        w->resize(m_breite - w->x() - 8, w->height());
    HygieneTitel->resize(m_breite / 2 - 8, HygieneTitel->height());
    HygieneArt->setGeometry(m_breite / 2, HygieneArt->y(), m_breite / 2 - 8, HygieneArt->height());
    for (QWidget *w : {static_cast<QWidget *>(HygieneTabelle), static_cast<QWidget *>(HygieneHinweise),
                       static_cast<QWidget *>(HygieneSchluss), static_cast<QWidget *>(HygieneSchlussAlle)})
        w->resize(m_breite - 16, w->height());
    resize(width() + mehr, height());
}

void TFCSV_Lesen::passeTabelleAn() {
    QTableWidget *t = HygieneTabelle;
    const QFontMetrics schrift(t->font());
    const QFontMetrics kopf(t->horizontalHeader()->font());
    // At the design font the rows are 20 pixels high and the header 22.
    t->verticalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(std::max(20, schrift.height() + 5));
    t->horizontalHeader()->setFixedHeight(std::max(22, kopf.height() + 7));
    const QList<int> bedarf = tabellenBedarf();
    const int summe = std::accumulate(bedarf.begin(), bedarf.end(), 0);
    const int platz = t->width() - 2 * t->frameWidth();
    // The room left over goes to the columns in proportion to what they need;
    // the last one takes what rounding leaves.
    const double faktor = summe > 0 && platz > summe ? static_cast<double>(platz) / summe : 1.0;
    for (int c = 0; c + 1 < bedarf.size(); ++c)
        t->setColumnWidth(c, static_cast<int>(bedarf.at(c) * faktor));
}

void TFCSV_Lesen::FormCreate() {
    const TZustand &z = m_lauf.Zustand;
    // As wide as the verdict table's texts need in this language.
    setzeBreite(benoetigteBreite());
    // 1. The series model, owned by the window.
    m_daten = new TMessDaten(z, this);
    m_ersteAktivierung = true;
    // 2. The current plant and its name.
    const int n = std::clamp(static_cast<int>(z.AnlagenAnzahl), 1, MaxAnlagen);
    m_anlage = std::clamp(static_cast<int>(z.AktAnlage), 1, n);
    zeigeMieteName();
    // 3. Plant tabs, the current plant's selected.
    FuelleAnlagenTabs(*TabControl1, n, z.OptAdressen33);
    {
        // the rows of tabs, the name below them, the rest of the window below the panel
        const int links = neben();
        const int breite = m_breite - links - 8;
        const int hoehe = TabControl1->hoeheFuerBreite(breite);
        TabControl1->setGeometry(links, 6, breite, hoehe);
        MieteName->move(links, 6 + hoehe + 6);
        const int unten = std::max(96, 6 + hoehe + 30);
        Panel1->resize(m_breite, unten);
        const int mehr = unten - 96;
        if (mehr > 0) {
            for (QWidget *w :
                 {static_cast<QWidget *>(HygieneTitel), static_cast<QWidget *>(HygieneArt),
                  static_cast<QWidget *>(HygieneTabelle), static_cast<QWidget *>(HygieneHinweise),
                  static_cast<QWidget *>(HygieneSchluss), static_cast<QWidget *>(HygieneSchlussAlle)})
                w->move(w->x(), w->y() + mehr);
            resize(width(), height() + mehr);
        }
    }
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(m_anlage - 1);
    }
    // 4. Proportional resizing, with the design size as the smallest size.
    FormResizer1 = new TFormSkalierer(this);
    druckknoepfe(false);
    Info1->setEnabled(false);
}

void TFCSV_Lesen::FormActivate() {
    if (!m_ersteAktivierung)
        return;
    // The boxes are set while the first activation is still pending: their
    // clicks count as no change.
    CheckGraph->setChecked(m_lauf.Ini.ReadBool(QStringLiteral("COM"), comSchluessel(true), false));
    CheckTag->setChecked(m_lauf.Ini.ReadBool(QStringLiteral("COM"), comSchluessel(false), false));
    m_geaendert = false;
    m_ersteAktivierung = false;
    SetzeTexte();
    Info1->setEnabled(static_cast<bool>(InfoOeffner));
}

void TFCSV_Lesen::CheckClick() {
    if (!m_ersteAktivierung)
        m_geaendert = true;
}

TAnlagenArt TFCSV_Lesen::anlagenArt() const {
    return m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)].Geschlossen ? TAnlagenArt::Geschlossen
                                                                             : TAnlagenArt::Offen;
}

void TFCSV_Lesen::TabControl1Change(int index) {
    if (index < 0)
        return;
    m_anlage = index + 1;
    // The loaded file stays, under its own name and with its file name; its
    // verdict follows the type of the plant now selected.
    zeigeMieteName();
    if (!m_geladen)
        StatusPanels[1]->clear();
    if (m_geladen) {
        SetzeAnlagenArt(m_hygiene, anlagenArt());
        zeigeHygiene();
    }
}

void TFCSV_Lesen::zeigeMieteName() {
    const QString anlage = m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)].Name;
    MieteName->setText(m_geladen ? MietenName::Anzeige(MietenName::AusDatei(*m_daten), anlage,
                                                       TabControl1->tabText(m_anlage - 1))
                                 : anlage.toHtmlEscaped());
}

void TFCSV_Lesen::druckknoepfe(bool an) {
    m_druckbar = an;
    for (QAction *a : {PreviewButton, PrintButton, Druckvorschau1, Drucken2})
        a->setEnabled(an);
}

void TFCSV_Lesen::OpenButtonClick() {
    const TZustand &z = m_lauf.Zustand;
    // The plant's data folder, or the program's folder when it does not exist.
    m_letztesVerzeichnis = z.Anlagen[static_cast<size_t>(m_anlage)].Pfad;
    if (m_letztesVerzeichnis.isEmpty() || !QFileInfo(m_letztesVerzeichnis).isDir())
        m_letztesVerzeichnis = QDir::toNativeSeparators(z.Heimordner);
    QString datei;
    {
        const TSperre::THalter halter(m_lauf.Sperre);
        datei = m_lauf.Dialoge.DateiOeffnen(this, tr("Öffnen"), m_letztesVerzeichnis,
                                            tr("EXCEL ( *.csv) (*.csv *.CSV)"), {TLog::NamensMuster()});
    }
    if (datei.isEmpty()) {
        druckknoepfe(false);
        return;
    }
    if (!m_daten->Load(datei)) {
        // The file could not be read at all (locked, vanished, no permission).
        druckknoepfe(false);
        m_geladen = false;
        m_hygiene = THygienisierung();
        hygieneLeeren();
        zeigeMieteName();
        StatusPanels[1]->clear();
        StatusPanels[3]->clear();
        const TSperre::THalter halter(m_lauf.Sperre);
        m_lauf.Dialoge.Warnung(this, m_daten->LastError());
        return;
    }
    if (!m_daten->Valid()) {
        druckknoepfe(false);
        m_geladen = false;
        m_hygiene = THygienisierung();
        hygieneLeeren();
        zeigeMieteName();
        StatusPanels[1]->clear();
        StatusPanels[3]->clear();
        const TSperre::THalter halter(m_lauf.Sperre);
        m_lauf.Dialoge.Warnung(this,
                               tr("Kein gültiger Dateiaufbau\nDatei war nicht von dieser Software erzeugt!"));
        return;
    }
    m_geladen = true;
    m_datei = datei;
    zeigeMieteName();
    StatusPanels[1]->setText(m_daten->FileName());
    StatusPanels[3]->setText(QString::number(m_daten->LineCount()));
    m_hygiene = BewerteHygienisierung(*m_daten, anlagenArt());
    zeigeHygiene();
    druckknoepfe(true);
    // Lines that cannot be read are left out of the protocol, the later
    // records are printed: say so once, before anything goes to paper.
    m_daten->BuildSeries(false, nullptr);
    if (m_daten->SkippedLines() > 0) {
        const TSperre::THalter halter(m_lauf.Sperre);
        m_lauf.Dialoge.Information(this, m_daten->SkippedText());
    }
}

void TFCSV_Lesen::hygieneLeeren() {
    HygieneTabelle->clearContents();
    passeTabelleAn();
    HygieneHinweise->clear();
    HygieneArt->clear();
    HygieneSchluss->clear();
    HygieneSchlussAlle->clear();
    m_hygieneText.clear();
}

void TFCSV_Lesen::zeigeHygiene() {
    const THygieneText t = HygieneText(m_hygiene, m_lauf.Zustand.Metric, m_lauf.Zustand.Gebietsschema);
    for (int r = 0; r < t.Zeilen.size() && r < HygieneTabelle->rowCount(); ++r) {
        const THygieneZeile &z = t.Zeilen.at(r);
        const QStringList texte{z.Kriterium, z.Basis, z.Urteil, z.Dauer, z.Spanne};
        for (int c = 0; c < 5; ++c) {
            auto *zelle = new QTableWidgetItem(texte.at(c));
            // a criterion that does not count for this plant in grey
            if (!z.Gewertet)
                zelle->setForeground(QColor(120, 120, 120));
            else if (c == 2)
                zelle->setForeground(z.Erfuellt ? QColor(0, 120, 0) : QColor(170, 0, 0));
            HygieneTabelle->setItem(r, c, zelle);
        }
    }
    QStringList hinweise = t.Hinweise();
    if (!t.Datei.isEmpty())
        hinweise << t.Datei << t.Pruefsumme;
    passeTabelleAn();
    HygieneHinweise->setPlainText(hinweise.join(QLatin1Char('\n')));
    HygieneArt->setText(t.Anlagenart);
    const auto schluss = [](QLabel *l, const QString &text, bool nachgewiesen) {
        l->setText(text);
        QPalette farben = l->palette();
        farben.setColor(QPalette::WindowText, nachgewiesen ? QColor(0, 120, 0) : QColor(170, 0, 0));
        l->setPalette(farben);
    };
    schluss(HygieneSchluss, t.Schluss, m_hygiene.Nachgewiesen());
    schluss(HygieneSchlussAlle, t.SchlussAlle, m_hygiene.AlleNachgewiesen());
    m_hygieneText = HygieneZeilen(t).join(QLatin1Char('\n'));
}

QString TFCSV_Lesen::HygieneAnzeigeText() const {
    return m_hygieneText;
}

QString TFCSV_Lesen::StatusText(int panel) const {
    if (panel < 1 || panel > 4)
        return QString();
    return StatusPanels[static_cast<size_t>(panel - 1)]->text();
}

void TFCSV_Lesen::ausgeben(bool vorschau) {
    if (!m_druckbar)
        return;
    const TSperre::THalter halter(m_lauf.Sperre);
    const TZustand &z = m_lauf.Zustand;
    // The layout exists only for this one preview or print; its end takes
    // the series off its chart again.
    TProtokollDruck druck(*m_daten, z, ProtokollArt, CheckGraph->isChecked(), CheckTag->isChecked(),
                          m_hygiene);
    StatusPanels[3]->setText(QString::number(druck.Werte()));
    if (!druck.Ok()) {
        m_lauf.Dialoge.Warnung(this, druck.Fehler());
        return;
    }
    if (Ausgabe)
        Ausgabe(druck.Bericht(), vorschau);
    else if (vorschau)
        BerichtAusgabe::Vorschau(druck.Bericht(), m_lauf.Dialoge, this,
                                 QFileInfo(m_datei).completeBaseName() + QStringLiteral(".pdf"));
    else
        BerichtAusgabe::Drucken(druck.Bericht(), m_lauf.Dialoge, this);
}

void TFCSV_Lesen::PreviewButtonClick() {
    ausgeben(true);
}

void TFCSV_Lesen::PrintButtonClick() {
    ausgeben(false);
}

void TFCSV_Lesen::Schliessen1Click() {
    druckknoepfe(false);
}

void TFCSV_Lesen::Ende2Click() {
    close();
}

void TFCSV_Lesen::Info1Click() {
    if (!InfoOeffner)
        return;
    const TSperre::THalter halter(m_lauf.Sperre);
    InfoOeffner(this);
}

bool TFCSV_Lesen::eventFilter(QObject *objekt, QEvent *event) {
    if (objekt == HygieneTabelle && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        passeTabelleAn();
    return QMainWindow::eventFilter(objekt, event);
}

void TFCSV_Lesen::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    else if (event->type() == QEvent::LanguageChange)
        SetzeTexte();
    QMainWindow::changeEvent(event);
}

void TFCSV_Lesen::showEvent(QShowEvent *event) {
    // The first showing counts as the first activation, also where the
    // platform activates no window (offscreen).
    FormActivate();
    QMainWindow::showEvent(event);
}

void TFCSV_Lesen::closeEvent(QCloseEvent *event) {
    event->accept();
    emit Geschlossen();
}

void ZeigeProtokollViewer(TFMain &main, int art) {
    auto *f = new TFCSV_Lesen(main.Lauf(), &main);
    f->setWindowFlag(Qt::Window);
    f->ProtokollArt = static_cast<quint8>(art);
    f->InfoOeffner = [&main](QWidget *) {
        TFAbout about(main);
        about.exec();
    };
    f->setWindowModality(Qt::ApplicationModal);
    if (const QScreen *schirm = main.screen()) {
        const QRect platz = schirm->availableGeometry();
        f->move(platz.center() - QPoint(f->width() / 2, f->height() / 2));
    }
    QEventLoop schleife;
    QObject::connect(f, &TFCSV_Lesen::Geschlossen, &schleife, &QEventLoop::quit);
    f->show();
    schleife.exec(QEventLoop::DialogExec);
    delete f;
}

#include "display/UO2MessSetup.h"

#include "shell/ULauf.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UZahlenFeld.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Groups of rows parted by a line: O2, storage, interval, maximum times, control.
bool LinieNach(TSollFeld f) {
    return f == TSollFeld::O2Aus || f == TSollFeld::Speicherintervall || f == TSollFeld::IntervallAus ||
           f == TSollFeld::MaxAus;
}

} // namespace

TFO2MessSetup::TFO2MessSetup(TLauf &lauf, IAnzeigeTimer &timer, QWidget *parent)
    : QDialog(parent), m_lauf(lauf), m_austausch(lauf, timer) {
    setObjectName(QStringLiteral("FO2MessSetup"));
    setModal(true);
    // Decimals as the operator writes them, like everywhere else in the program.
    setLocale(lauf.Zustand.Gebietsschema);
    baueFenster();
    SetzeTexte();
    FormCreate();
}

void TFO2MessSetup::baueFenster() {
    auto *haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(10, 10, 10, 10);
    haupt->setSpacing(8);

    TabControl1 = new TAnlagenTabs(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    haupt->addWidget(TabControl1);
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, [this] { TabControl1Change(); });

    MieteName = new QLabel(QStringLiteral("--"), this);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    MieteName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MieteName->setAlignment(Qt::AlignCenter);
    QFont fett = MieteName->font();
    fett.setBold(true);
    MieteName->setFont(fett);
    MieteName->setMinimumHeight(24);
    haupt->addWidget(MieteName);

    // The form: label, field, unit, explanation; one row per set value.
    auto *rahmen = new QFrame(this);
    rahmen->setObjectName(QStringLiteral("Panel1"));
    rahmen->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *form = new QGridLayout(rahmen);
    form->setContentsMargins(12, 8, 12, 8);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    form->setColumnMinimumWidth(3, 16);
    form->setColumnStretch(4, 1);
    QPalette grau = palette();
    grau.setColor(QPalette::WindowText,
                  palette().color(QPalette::Disabled, QPalette::WindowText).darker(130));
    int zeile = 0;
    for (const TSollFeldInfo &info : SollFelder()) {
        const auto i = static_cast<size_t>(info.Feld);
        auto *feld = info.Zehntel ? new TZahlenFeld(info.Min / 10.0, info.Max / 10.0, 0.1, 1, rahmen)
                                  : new TZahlenFeld(info.Min, info.Max, 1, 0, rahmen);
        feld->setObjectName(QLatin1String(info.Name));
        if (info.Zehntel)
            feld->setMaxZeichen(4);
        // A value counts (and moves its partner) once it is typed completely.
        feld->setKeyboardTracking(false);
        feld->setMinimumWidth(76);
        m_felder[i] = feld;

        m_labels[i] = new QLabel(rahmen);
        m_labels[i]->setBuddy(feld);
        m_einheiten[i] = new QLabel(rahmen);
        m_erklaerungen[i] = new QLabel(rahmen);
        m_erklaerungen[i]->setPalette(grau);
        m_erklaerungen[i]->setMinimumHeight(m_erklaerungen[i]->fontMetrics().lineSpacing() * 2 + 4);

        form->addWidget(m_labels[i], zeile, 0, Qt::AlignLeft | Qt::AlignVCenter);
        form->addWidget(feld, zeile, 1, Qt::AlignVCenter);
        form->addWidget(m_einheiten[i], zeile, 2, Qt::AlignLeft | Qt::AlignVCenter);
        form->addWidget(m_erklaerungen[i], zeile, 4, Qt::AlignLeft | Qt::AlignVCenter);
        ++zeile;
        if (LinieNach(info.Feld)) {
            auto *linie = new QFrame(rahmen);
            linie->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            form->addWidget(linie, zeile++, 0, 1, 5);
        }
    }
    haupt->addWidget(rahmen);

    O2EINEdit = Feld(TSollFeld::O2Ein);
    O2AUSEdit = Feld(TSollFeld::O2Aus);
    SpeicherEdit = Feld(TSollFeld::Speicherintervall);
    IntEINEdit = Feld(TSollFeld::IntervallEin);
    IntAUSEdit = Feld(TSollFeld::IntervallAus);
    MaxEinEdit = Feld(TSollFeld::MaxEin);
    MaxAUSEdit = Feld(TSollFeld::MaxAus);
    NotEINEdit = Feld(TSollFeld::SteuerEin);
    NotAUSEdit = Feld(TSollFeld::SteuerAus);
    connect(O2EINEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::O2EINEditChange);
    connect(O2AUSEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::O2AusEditChange);
    connect(SpeicherEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::SpeicherEditChange);
    connect(IntEINEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::IntEditEinchanged);
    connect(IntAUSEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::IntEditAuschanged);
    connect(MaxEinEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::MaxEditChange);
    connect(MaxAUSEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::MaxEditChange);
    connect(NotEINEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::NotEditChange);
    connect(NotAUSEdit, &QDoubleSpinBox::valueChanged, this, &TFO2MessSetup::NotEditChange);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    haupt->addLayout(knoepfe);
    connect(OKBtn, &QPushButton::clicked, this, &TFO2MessSetup::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFO2MessSetup::reject);
}

void TFO2MessSetup::SetzeTexte() {
    setWindowTitle(tr("Mess- Steuerung Setup"));
    for (const TSollFeldInfo &info : SollFelder()) {
        const auto i = static_cast<size_t>(info.Feld);
        m_labels[i]->setText(tr(info.Label));
        m_einheiten[i]->setText(tr(info.Einheit));
        m_erklaerungen[i]->setText(tr(info.Erklaerung));
        // Every whole-number field carries the same hint, the storage interval's too.
        if (!info.Zehntel)
            m_felder[i]->setToolTip(tr("Bereich 1-300min"));
    }
    OKBtn->setText(tr("OK"));
    CancelBtn->setText(tr("Abbrechen"));
    zeigeMiete();
}

void TFO2MessSetup::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && CancelBtn)
        SetzeTexte();
    QDialog::changeEvent(event);
}

void TFO2MessSetup::FormCreate() {
    const TZustand &z = m_lauf.Zustand;
    const int n = std::clamp(static_cast<int>(z.AnlagenAnzahl), 1, MaxAnlagen);
    FuelleAnlagenTabs(*TabControl1, n, z.OptAdressen33);
    m_anlage = std::clamp(static_cast<int>(z.AktAnlage), 1, n);
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(m_anlage - 1);
    }
    zeigeMiete();
    fuelleFelder();
}

int TFO2MessSetup::angezeigteNummer(int anlage) const {
    return m_lauf.Zustand.OptAdressen33 ? anlage + 32 : anlage;
}

void TFO2MessSetup::zeigeMiete() {
    if (!MieteName)
        return;
    const tAnlageParameter &a =
        m_lauf.Zustand.Anlagen[static_cast<size_t>(std::clamp(m_anlage, 1, MaxAnlagen))];
    if (a.Angeschlossen == 0)
        MieteName->setText(tr("KEINE ANLAGE ANGESCHLOSSEN!!"));
    else if (a.Eingeschaltet != 0)
        MieteName->setText(a.Name);
    else
        MieteName->setText(tr("Angeschlossene ANLAGE ist abgeschaltet!!"));
}

void TFO2MessSetup::fuelleFelder() {
    // In this order; the O2 pair adjusts itself while it is filled, and the
    // marks set meanwhile are cleared afterwards.
    const tAnlageSollwerte &s = m_lauf.Zustand.Sollwerte;
    for (TZahlenFeld *f : m_felder)
        f->setLeer(false);
    SpeicherEdit->setValue(s.Speicherintervall);
    IntEINEdit->setValue(s.IntervallEin);
    IntAUSEdit->setValue(s.IntervallAus);
    NotEINEdit->setValue(s.SteuerEin);
    NotAUSEdit->setValue(s.SteuerAus);
    O2EINEdit->setValue(s.O2Ein / 10.0);
    O2AUSEdit->setValue(s.O2Aus / 10.0);
    MaxEinEdit->setValue(s.MaxEin);
    MaxAUSEdit->setValue(s.MaxAus);
    for (TZahlenFeld *f : m_felder)
        f->setEnabled(true);
    m_marken.Loeschen();
}

void TFO2MessSetup::sperreFelder() {
    // Without values of this plant the fields show none: greyed values
    // would be another plant's, or ones the controller did not confirm.
    for (TZahlenFeld *f : m_felder) {
        f->setEnabled(false);
        f->setLeer(true);
    }
    m_marken.Loeschen();
}

bool TFO2MessSetup::FelderAktiv() const {
    return std::all_of(m_felder.begin(), m_felder.end(), [](const TZahlenFeld *f) { return f->isEnabled(); });
}

tAnlageSollwerte TFO2MessSetup::Werte() const {
    tAnlageSollwerte s;
    for (const TSollFeldInfo &info : SollFelder()) {
        const TZahlenFeld *f = Feld(info.Feld);
        SetzeSollWert(s, info.Feld, info.Zehntel ? SollZehntel(f->value()) : f->ganzzahl());
    }
    return s;
}

void TFO2MessSetup::uebernimmEingaben() {
    for (TZahlenFeld *f : m_felder) {
        if (f->isEnabled())
            f->interpretText();
    }
}

// ---------------------------------------------------------------------------
// Editing

void TFO2MessSetup::O2EINEditChange() {
    m_marken[TSollGruppe::O2] = true;
    const int ein = SollZehntel(O2EINEdit->value());
    if (SollZehntel(O2AUSEdit->value()) <= ein + 2)
        O2AUSEdit->setValue((ein + 2) / 10.0);
}

void TFO2MessSetup::O2AusEditChange() {
    m_marken[TSollGruppe::O2] = true;
    const int aus = SollZehntel(O2AUSEdit->value());
    if (aus - 2 <= SollZehntel(O2EINEdit->value()))
        O2EINEdit->setValue((aus - 2) / 10.0);
}

void TFO2MessSetup::SpeicherEditChange() {
    m_marken[TSollGruppe::Speicher] = true;
}

void TFO2MessSetup::IntEditEinchanged() {
    m_marken[TSollGruppe::IntervallEin] = true;
}

void TFO2MessSetup::IntEditAuschanged() {
    m_marken[TSollGruppe::IntervallAus] = true;
}

void TFO2MessSetup::MaxEditChange() {
    m_marken[TSollGruppe::Max] = true;
}

void TFO2MessSetup::NotEditChange() {
    m_marken[TSollGruppe::Steuer] = true;
}

// ---------------------------------------------------------------------------
// Exchanges with the controller

bool TFO2MessSetup::lese(int anlage) {
    setEnabled(false);
    const bool ok = m_austausch.Lese(static_cast<quint8>(anlage));
    setEnabled(true);
    return ok;
}

bool TFO2MessSetup::lade() {
    uebernimmEingaben();
    if (!m_marken.Irgendeine())
        return true;
    // Without a connection nothing would go out: said at once, and the
    // changes stay in the fields for when it is back.
    if (m_lauf.KeineVerbindungMelden(this))
        return false;
    setEnabled(false);
    const TSollUploadErgebnis ergebnis = m_austausch.Lade(static_cast<quint8>(m_anlage), Werte(), m_marken);
    setEnabled(true);
    // The fields show what the controller reports now; without a reply they
    // stay, disabled, as for any failed read.
    if (ergebnis.Zurueckgelesen)
        fuelleFelder();
    else
        sperreFelder();
    const QString text = TSollwertAustausch::AbweichungsText(ergebnis, angezeigteNummer(m_anlage),
                                                             m_lauf.Zustand.Gebietsschema);
    if (!text.isEmpty())
        m_lauf.Dialoge.Warnung(this, text);
    return true;
}

void TFO2MessSetup::TabControl1Change() {
    const int neu = TabControl1->currentIndex() + 1;
    if (neu < 1 || neu == m_anlage)
        return;
    uebernimmEingaben();
    if (m_marken.Irgendeine() && m_lauf.Dialoge.Frage(this, tr("Setup gändert, in Steuerung laden?")) &&
        !lade()) {
        // Not loaded: the dialog stays on the plant the changes are meant for.
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(m_anlage - 1);
        return;
    }
    m_anlage = neu;
    zeigeMiete();
    if (m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)].Angeschlossen == 0) {
        sperreFelder();
        return;
    }
    if (lese(m_anlage)) {
        fuelleFelder();
    } else {
        sperreFelder();
        m_lauf.Dialoge.Warnung(this, m_lauf.Komm.Verbindung.KeineAntwortText());
    }
}

void TFO2MessSetup::OKBtnClick() {
    if (!isEnabled())
        return;
    if (lade())
        accept();
}

void TFO2MessSetup::reject() {
    // Closing while a request waits would leave it without its window.
    if (!isEnabled())
        return;
    QDialog::reject();
}

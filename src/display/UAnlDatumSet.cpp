#include "display/UAnlDatumSet.h"

#include "shell/KompUtils.h"
#include "shell/ULauf.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UDialoge.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Width of the tab area; the tabs wrap into rows within it.
constexpr int TabBreite = 420;
} // namespace

TFAnlDatumSetup::TFAnlDatumSetup(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FAnlDatumSetup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const TZustand &z = m_lauf.Zustand;
    const int n = std::clamp<int>(z.AnlagenAnzahl, 1, MaxAnlagen);

    TabControl1 = new TAnlagenTabs(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    FuelleAnlagenTabs(*TabControl1, n, z.OptAdressen33);
    TabControl1->setFixedSize(TabBreite, TabControl1->hoeheFuerBreite(TabBreite));

    QFont fett = font();
    fett.setBold(true);
    MieteName = new QLabel(this);
    MieteName->setObjectName(QStringLiteral("MieteName"));
    MieteName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MieteName->setAlignment(Qt::AlignCenter);
    MieteName->setFont(fett);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setObjectName(QStringLiteral("Label1"));
    Ueberschrift->setFont(fett);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    QFont fest(QStringLiteral("Monospace"));
    fest.setStyleHint(QFont::TypeWriter);
    Edit1->setFont(fest);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setStyleSheet(QStringLiteral("color: #C62828;"));
    Hinweis->setFont(fett);
    // its room is kept while it is hidden: the dialog has a fixed size
    QSizePolicy platz = Hinweis->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    Hinweis->setSizePolicy(platz);
    Hinweis->hide();
    SetBtn = new QPushButton(this);
    SetBtn->setObjectName(QStringLiteral("SetBtn"));
    SetBtn->setDefault(true);
    connect(SetBtn, &QPushButton::clicked, this, &TFAnlDatumSetup::SetBtnClick);
    FertigBtn = new QPushButton(this);
    FertigBtn->setObjectName(QStringLiteral("FertigBtn"));
    FertigBtn->setAutoDefault(false);
    connect(FertigBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(SetBtn);
    knoepfe->addStretch(1);
    knoepfe->addWidget(FertigBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabControl1);
    layout->addWidget(MieteName);
    layout->addSpacing(8);
    layout->addWidget(Ueberschrift);
    layout->addWidget(Edit1);
    layout->addWidget(Hinweis);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    SetzeTexte();

    // FormCreate: the tab of the current plant, which becomes the dialog's plant.
    m_anlage = std::clamp<int>(z.AktAnlage, 1, n);
    {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(m_anlage - 1);
    }
    connect(TabControl1, &TAnlagenTabs::currentChanged, this, &TFAnlDatumSetup::TabControl1Change);
    setFixedSize(sizeHint());
    ShowClock();
}

void TFAnlDatumSetup::SetzeTexte() {
    setWindowTitle(tr("Mess- Steuerung Setup"));
    Ueberschrift->setText(tr("Aktuelle Anlagen-Datum/Zeit Einstellung:"));
    SetBtn->setText(tr("Datum/ Zeit neu Setzen"));
    FertigBtn->setText(tr("Fertig"));
    Hinweis->setText(tr("Die Steuerung antwortet nicht."));
    zeigeMiete();
    if (!Edit1->text().isEmpty())
        Edit1->setText(UhrAnzeige(m_uhrText, m_lauf.Zustand.Gebietsschema));
}

QString TFAnlDatumSetup::UhrAnzeige(const QString &uhrText, const QLocale &ort) {
    static const QRegularExpression muster(QStringLiteral(
        "^\\s*T\\s*Datum\\s+(\\d\\d)\\.(\\d\\d)\\.(\\d\\d)\\s+Zeit\\s+(\\d\\d):(\\d\\d):(\\d\\d)\\s*$"));
    const QRegularExpressionMatch m = muster.match(uhrText);
    if (!m.hasMatch())
        return uhrText;
    const QDate datum(2000 + m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    const QTime zeit(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!datum.isValid() || !zeit.isValid())
        return uhrText;
    return tr("Datum %1  Zeit %2")
        .arg(KompUtils::KurzDatum(ort, datum), zeit.toString(QStringLiteral("hh:mm:ss")));
}

int TFAnlDatumSetup::anzeigeNummer() const {
    return m_lauf.Zustand.OptAdressen33 ? m_anlage + 32 : m_anlage;
}

void TFAnlDatumSetup::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && FertigBtn)
        SetzeTexte();
    QDialog::changeEvent(event);
}

void TFAnlDatumSetup::zeigeMiete() {
    const tAnlageParameter &a = m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)];
    if (a.Angeschlossen == 0)
        MieteName->setText(tr("KEINE ANLAGE ANGESCHLOSSEN!!"));
    else if (a.Eingeschaltet != 0)
        MieteName->setText(a.Name);
    else
        MieteName->setText(tr("Angeschlossene ANLAGE ist abgeschaltet!!"));
}

bool TFAnlDatumSetup::ShowClock() {
    const tAnlageParameter &a = m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)];
    zeigeMiete();
    if (a.Angeschlossen == 0) {
        Edit1->clear();
        Hinweis->hide();
        SetBtn->setEnabled(false);
        return false;
    }
    SetBtn->setEnabled(true);
    // While the request waits, events are delivered: the dialog takes no
    // tab change, click or close meanwhile.
    m_liest = true;
    TabControl1->setEnabled(false);
    SetBtn->setEnabled(false);
    FertigBtn->setEnabled(false);
    const bool ok = m_lauf.Komm.Operationen.LeseUhrText(static_cast<quint8>(m_anlage));
    m_liest = false;
    TabControl1->setEnabled(true);
    SetBtn->setEnabled(true);
    FertigBtn->setEnabled(true);
    m_uhrText = ok ? m_lauf.Zustand.UhrText : QString();
    if (ok)
        Edit1->setText(UhrAnzeige(m_uhrText, m_lauf.Zustand.Gebietsschema));
    else
        Edit1->clear();
    // An empty field alone would not say why.
    Hinweis->setVisible(!ok);
    return ok;
}

void TFAnlDatumSetup::TabControl1Change() {
    const int index = TabControl1->currentIndex();
    if (index < 0 || m_liest)
        return;
    m_anlage = std::clamp(index + 1, 1, MaxAnlagen);
    SetBtn->setEnabled(m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)].Angeschlossen != 0);
    zeigeMiete();
    ShowClock();
}

void TFAnlDatumSetup::SetBtnClick() {
    if (m_liest)
        return;
    // Without a connection nothing would go out: not set, and said so.
    if (m_lauf.KeineVerbindungMelden(this))
        return;
    const auto nr = static_cast<quint8>(m_anlage);
    const QDateTime gesetzt = m_lauf.Zustand.Jetzt();
    m_lauf.Komm.Operationen.SendeDatum(nr);
    m_lauf.Komm.Operationen.SendeUhrzeit(nr);
    // The controller does not acknowledge the setting: its clock read back
    // is the confirmation.
    if (ShowClock()) {
        m_lauf.Dialoge.Information(this,
                                   tr("Datum und Uhrzeit der Anlage %1 gesetzt: %2")
                                       .arg(anzeigeNummer())
                                       .arg(KompUtils::DatumZeit(m_lauf.Zustand.Gebietsschema, gesetzt)));
    } else {
        m_lauf.Dialoge.Warnung(this, tr("Die Steuerung der Anlage %1 antwortet nicht: ob Datum und Uhrzeit "
                                        "gesetzt wurden, ist nicht bekannt.")
                                             .arg(anzeigeNummer()) +
                                         QLatin1Char('\n') + m_lauf.Komm.Verbindung.KeineAntwortText());
    }
}

void TFAnlDatumSetup::closeEvent(QCloseEvent *event) {
    if (m_liest) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFAnlDatumSetup::keyPressEvent(QKeyEvent *event) {
    // Escape closes like "Fertig", but not in the middle of a request.
    if (m_liest && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

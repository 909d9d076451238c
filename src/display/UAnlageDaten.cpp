#include "display/UAnlageDaten.h"

#include "data/UMessDaten.h"
#include "display/UPfadsetzen.h"
#include "shell/KompUtils.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFensterGroesse.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The name field: characters outside the accepted set are swallowed, typed
// or pasted; Abgelehnt hears which ones (empty after an edit that kept all).
class TNamenFeld : public QLineEdit {
public:
    std::function<void(const QString &)> Abgelehnt;

    explicit TNamenFeld(QWidget *parent) : QLineEdit(parent) {
        connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
            QString sauber;
            QString weg;
            for (QChar c : text) {
                if (TFAnlageDaten::Edit1KeyPress(c))
                    sauber.append(c);
                else
                    weg.append(c);
            }
            if (sauber != text) {
                const int stelle = std::min(cursorPosition(), static_cast<int>(sauber.size()));
                setText(sauber);
                setCursorPosition(stelle);
                setModified(true);
            }
            melden(weg);
        });
    }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !std::all_of(text.begin(), text.end(), [](QChar c) { return TFAnlageDaten::Edit1KeyPress(c); })) {
            event->accept();
            melden(text);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    void melden(const QString &weg) {
        if (Abgelehnt)
            Abgelehnt(weg);
    }
};

QString MitTrenner(const QString &ordner) {
    QString pfad = QDir::toNativeSeparators(ordner);
    if (!pfad.isEmpty() && !pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    return pfad;
}

bool GleicherOrdner(const QString &a, const QString &b) {
    return QDir::cleanPath(QDir::fromNativeSeparators(a)) == QDir::cleanPath(QDir::fromNativeSeparators(b));
}

} // namespace

TFAnlageDaten::TFAnlageDaten(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FAnlageDaten"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    QFont fett = font();
    fett.setBold(true);
    QFont gross = fett;
    gross.setPointSizeF(fett.pointSizeF() * 1.3);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setObjectName(QStringLiteral("Label1"));
    Ueberschrift->setFont(gross);
    AnlNrLabel = new QLabel(this);
    AnlNr = new QLabel(this);
    AnlNr->setObjectName(QStringLiteral("AnlNr"));
    AnlNr->setFont(fett);
    NameLabel = new QLabel(this);
    auto *namenFeld = new TNamenFeld(this);
    Edit1 = namenFeld;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(MaxNamenLaenge);
    NameHinweis = new QLabel(this);
    NameHinweis->setObjectName(QStringLiteral("NameHinweis"));
    NameHinweis->setWordWrap(true);
    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    NameHinweis->setFont(klein);
    KommLabel = new QLabel(this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    PfadLabel = new QLabel(this);
    DirLabel = new QLabel(this);
    DirLabel->setObjectName(QStringLiteral("DirLabel"));
    DirLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DirLabel->setTextFormat(Qt::PlainText);
    DirLabel->setMinimumWidth(260);
    PfadButton1 = new QPushButton(this);
    PfadButton1->setObjectName(QStringLiteral("PfadButton1"));
    PfadButton1->setAutoDefault(false);
    connect(PfadButton1, &QPushButton::clicked, this, &TFAnlageDaten::PfadButton1Click);
    CheckGeschlossen = new QCheckBox(this);
    CheckGeschlossen->setObjectName(QStringLiteral("CheckGeschlossen"));
    DateiLabel = new QLabel(this);
    DateiName = new QLabel(this);
    DateiName->setObjectName(QStringLiteral("DateiName"));
    DateiName->setTextFormat(Qt::PlainText);
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TFAnlageDaten::OKBtnClick);
    AbbruchBtn = new QPushButton(this);
    AbbruchBtn->setObjectName(QStringLiteral("AbbruchBtn"));
    AbbruchBtn->setAutoDefault(false);
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *felder = new QGridLayout;
    felder->addWidget(AnlNrLabel, 0, 0);
    felder->addWidget(AnlNr, 0, 1, 1, 2);
    felder->addWidget(NameLabel, 1, 0);
    felder->addWidget(Edit1, 1, 1, 1, 2);
    felder->addWidget(NameHinweis, 2, 1, 1, 2);
    felder->addWidget(KommLabel, 3, 0);
    felder->addWidget(Edit2, 3, 1, 1, 2);
    felder->addWidget(PfadLabel, 4, 0);
    felder->addWidget(DirLabel, 4, 1);
    felder->addWidget(PfadButton1, 4, 2);
    felder->addWidget(DateiLabel, 5, 0);
    felder->addWidget(DateiName, 5, 1, 1, 2);
    felder->addWidget(CheckGeschlossen, 6, 1, 1, 2);
    felder->setColumnStretch(1, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(AbbruchBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(Ueberschrift);
    layout->addSpacing(6);
    layout->addLayout(felder);
    layout->addSpacing(10);
    layout->addLayout(knoepfe);

    OrdnerWaehlen = [this](const QString &ordner) {
        TFPfadsetzen dialog(ordner, this);
        return dialog.exec() == QDialog::Accepted ? dialog.Ordner() : QString();
    };

    namenFeld->Abgelehnt = [this](const QString &weg) { ZeigeHinweis(weg); };
    connect(Edit1, &QLineEdit::textChanged, this, &TFAnlageDaten::zeigeDateiName);

    SetzeTexte();

    // FormCreate: the current plant's record.
    const TZustand &z = m_lauf.Zustand;
    m_anlage = std::clamp<int>(z.AktAnlage, 1, MaxAnlagen);
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(m_anlage)];
    AnlNr->setText(QString::number(m_anlage));
    Edit1->setText(a.Name);
    Edit2->setText(a.Komm);
    DirLabel->setText(a.Pfad);
    CheckGeschlossen->setChecked(a.Geschlossen);
    m_ordner = a.Pfad.isEmpty() ? HeimordnerMitTrenner(z) : a.Pfad;
    m_ordnerGeaendert = false;
    zeigeDateiName();

    m_gebaut = true;
    passeGroesseAn();
}

void TFAnlageDaten::passeGroesseAn() {
    // A fixed size that fits the texts of the language, the hint wrapped to the width.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayoutsErneuern(this);
    const int breite = std::max(460, sizeHint().width());
    const int hoehe =
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(breite) : sizeHint().height();
    setFixedSize(breite, std::max(hoehe, sizeHint().height()));
}

void TFAnlageDaten::SetzeTexte() {
    setWindowTitle(tr("Kompost Steuerung Kontroll- Center"));
    Ueberschrift->setText(tr("Anlage benennen"));
    AnlNrLabel->setText(tr("Anlagen- Nr.:"));
    NameLabel->setText(tr("Anlagen Text :"));
    KommLabel->setText(tr("Kommentar:"));
    PfadLabel->setText(tr("Daten Speicherpfad:"));
    PfadButton1->setText(tr("..."));
    PfadButton1->setToolTip(tr("Speicherpfad wählen"));
    DateiLabel->setText(tr("Datendatei:"));
    CheckGeschlossen->setText(tr("Geschlossene Anlage"));
    OKBtn->setText(tr("OK"));
    AbbruchBtn->setText(tr("Abbruch"));
    ZeigeHinweis(m_abgelehnt);
    if (m_gebaut)
        passeGroesseAn();
}

void TFAnlageDaten::ZeigeHinweis(const QString &abgelehnt) {
    m_abgelehnt = abgelehnt;
    if (abgelehnt.isEmpty()) {
        NameHinweis->setText(tr("Höchstens %1 Zeichen: A–Z, a–z, 0–9, „_“ und „-“ (keine Leerzeichen, "
                                "keine Umlaute).")
                                 .arg(MaxNamenLaenge));
        NameHinweis->setStyleSheet(QString());
        return;
    }
    // each refused character once, a blank by its name
    QStringList zeichen;
    for (QChar c : abgelehnt) {
        const QString z = c == QLatin1Char(' ') ? tr("Leerzeichen") : tr("„%1“").arg(c);
        if (!zeichen.contains(z))
            zeichen.append(z);
    }
    NameHinweis->setText(tr("Nicht übernommen: %1. Erlaubt sind A–Z, a–z, 0–9, „_“ und „-“.")
                             .arg(zeichen.join(QStringLiteral(", "))));
    NameHinweis->setStyleSheet(QStringLiteral("color: #b00000;"));
    // a longer message takes another line: the dialog grows by it
    if (m_gebaut && NameHinweis->heightForWidth(NameHinweis->width()) > NameHinweis->height())
        passeGroesseAn();
}

void TFAnlageDaten::zeigeDateiName() {
    // The name OK would keep: an emptied field gives the stored one back.
    const TZustand &z = m_lauf.Zustand;
    const QString name =
        Edit1->text().isEmpty() ? z.Anlagen[static_cast<size_t>(m_anlage)].Name : Edit1->text();
    DateiName->setText(TDataFile::FreierDateiName(m_ordner, name, z.Jetzt().date(), z.Gebietsschema));
}

bool TFAnlageDaten::Edit1KeyPress(QChar c) {
    const char16_t u = c.unicode();
    return u == u'\b' || u == u'-' || u == u'_' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') ||
           (u >= u'a' && u <= u'z');
}

void TFAnlageDaten::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // Once the dialog is on the screen, as with every later activation.
    QTimer::singleShot(0, this, &TFAnlageDaten::FormActivate);
}

void TFAnlageDaten::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &TFAnlageDaten::FormActivate);
    else if (event->type() == QEvent::LanguageChange && AbbruchBtn)
        SetzeTexte();
    QDialog::changeEvent(event);
}

void TFAnlageDaten::FormActivate() {
    if (m_meldet || QFileInfo(m_ordner).isDir())
        return;
    const QString heim = HeimordnerMitTrenner(m_lauf.Zustand);
    // Without a home folder there is no better folder to offer: no message
    // on every activation.
    if (GleicherOrdner(m_ordner, heim))
        return;
    m_meldet = true;
    m_lauf.Dialoge.Warnung(this, tr("Vorgabepfad für Speicherdatei existiert nicht, setze neuen Pfad.."));
    m_ordner = heim;
    m_meldet = false;
    zeigeDateiName();
}

void TFAnlageDaten::PfadButton1Click() {
    const QString gewaehlt = OrdnerWaehlen ? OrdnerWaehlen(m_ordner) : QString();
    if (gewaehlt.isEmpty() || GleicherOrdner(gewaehlt, m_ordner))
        return;
    // A folder the configuration file cannot name would be stored as "?"
    // and lose every later readout: refused, the previous folder stays.
    if (const QString meldung = KompUtils::PfadMeldung(gewaehlt); !meldung.isEmpty()) {
        m_lauf.Dialoge.Warnung(this, meldung);
        return;
    }
    m_ordner = MitTrenner(gewaehlt);
    DirLabel->setText(m_ordner);
    m_ordnerGeaendert = true;
    // Another folder may already hold a file of that name today.
    zeigeDateiName();
}

void TFAnlageDaten::OKBtnClick() {
    const tAnlageParameter &a = m_lauf.Zustand.Anlagen[static_cast<size_t>(m_anlage)];
    bool offenLassen = false;
    // An empty name is not accepted: the stored one comes back and the
    // operator stays in the dialog.
    if (Edit1->text().isEmpty()) {
        Edit1->setText(a.Name);
        offenLassen = true;
    }
    if (SpeichernBeiOk)
        Speichern();
    if (!offenLassen)
        accept();
}

void TFAnlageDaten::Speichern() {
    TZustand &z = m_lauf.Zustand;
    tAnlageParameter &a = z.Anlagen[static_cast<size_t>(m_anlage)];
    const bool nameGeaendert = Edit1->text() != a.Name;
    const bool kommGeaendert = Edit2->text() != a.Komm;
    const bool artGeaendert = CheckGeschlossen->isChecked() != a.Geschlossen;
    if (nameGeaendert || kommGeaendert || m_ordnerGeaendert || artGeaendert) {
        a.Name = Edit1->text();
        a.Pfad = m_ordner;
        a.Komm = Edit2->text();
        a.Geschlossen = CheckGeschlossen->isChecked();
        if (nameGeaendert || m_ordnerGeaendert)
            m_lauf.Daten.NewDataFileName(m_anlage);
        if (!SchreibeAnlage(z, m_lauf.Ini, m_anlage))
            m_lauf.Dialoge.Warnung(
                isVisible() || !parentWidget() ? this : parentWidget(),
                tr("Die Anlagendaten konnten nicht in die Konfigurationsdatei geschrieben werden:\n%1")
                    .arg(m_lauf.Ini.LetzterFehler()));
        // What is stored now is the dialog's starting point.
        m_ordnerGeaendert = false;
        DirLabel->setText(a.Pfad);
    }
}

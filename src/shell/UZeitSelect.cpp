#include "shell/UZeitSelect.h"

#include "shell/ULauf.h"
#include "shell/USpeicherzeit.h"
#include "toolkit/UDialoge.h"
#include "toolkit/USchalterFeld.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFZeitSelect::TFZeitSelect(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FZeitSelect"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    ZeitFeld = new TSchalterFeld(this);
    ZeitFeld->setObjectName(QStringLiteral("ZeitFeld"));
    ZeitFeld->setSchalterGroesse(QSize(30, 24));
    ZeitFeld->setSchalterZeilen(schalterTexte());

    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TFZeitSelect::OKButtonClick);
    AbbruchButton = new QPushButton(this);
    AbbruchButton->setObjectName(QStringLiteral("AbbruchButton"));
    connect(AbbruchButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbruchButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(Label1);
    layout->addSpacing(4);
    layout->addWidget(ZeitFeld, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addLayout(knoepfe);
    SetzeTexte();

    DrueckeSchalter(m_lauf.Zustand.SpeicherStunde + 1);
}

QList<QStringList> TFZeitSelect::schalterTexte() {
    QList<QStringList> zeilen{{tr("AUS")}};
    for (int zeile = 0; zeile < 4; ++zeile) {
        QStringList stunden;
        for (int h = zeile * 6 + 1; h <= zeile * 6 + 6; ++h)
            stunden.append((h < 10 ? tr(" %1h") : tr("%1h")).arg(h));
        zeilen.append(stunden);
    }
    return zeilen;
}

void TFZeitSelect::SetzeTexte() {
    setWindowTitle(tr("Speicherzeit auswählen"));
    Label1->setText(
        tr("Zeitvorgabe, wann 1mal täglich die Daten automatisch aus der Steuerung ausgelesen werden !"));
    int k = 1;
    for (const QStringList &zeile : schalterTexte())
        for (const QString &text : zeile)
            if (QAbstractButton *b = Schalter(k++))
                b->setText(text);
    OKButton->setText(tr("OK"));
    AbbruchButton->setText(tr("Abbruch"));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(sizeHint().expandedTo(QSize(255, 200)));
}

void TFZeitSelect::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && AbbruchButton)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

int TFZeitSelect::GedrueckterSchalter() const {
    return ZeitFeld->aktuellerIndex() + 1;
}

void TFZeitSelect::DrueckeSchalter(int k) {
    ZeitFeld->setAktuellerIndex(k - 1);
}

QAbstractButton *TFZeitSelect::Schalter(int k) const {
    return ZeitFeld->schalter(k - 1);
}

void TFZeitSelect::OKButtonClick() {
    const int k = GedrueckterSchalter();
    if (!SetzeSpeicherStunde(m_lauf.Zustand, m_lauf.Ini, k - 1))
        m_lauf.Dialoge.Warnung(this, tr("Die Speicherzeit konnte nicht in die Konfigurationsdatei "
                                        "geschrieben werden:\n%1")
                                         .arg(m_lauf.Ini.LetzterFehler()));
    accept();
}

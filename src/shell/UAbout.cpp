#include "shell/UAbout.h"

#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UFensterGroesse.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFAbout::TFAbout(TFMain &main) : QDialog(&main), m_heimordner(main.Lauf().Zustand.Heimordner) {
    setObjectName(QStringLiteral("FAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto *innen = new QVBoxLayout(panel);
    innen->setContentsMargins(10, 10, 10, 10);
    innen->setSpacing(4);

    auto kopie = [panel](const QLabel *quelle, const char *name) {
        auto *l = new QLabel(quelle->text(), panel);
        l->setObjectName(QLatin1String(name));
        l->setFont(quelle->font());
        l->setStyleSheet(quelle->styleSheet());
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        return l;
    };
    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(main.ProgramIcon->pixmap());
    ProgramIcon->setAlignment(Qt::AlignCenter);
    innen->addWidget(ProgramIcon);
    innen->addSpacing(4);
    ProductName = kopie(main.ProductName, "ProductName");
    innen->addWidget(ProductName);
    Version = kopie(main.Version, "Version");
    innen->addWidget(Version);
    innen->addSpacing(4);
    Comments = kopie(main.Comments, "Comments");
    innen->addWidget(Comments);
    innen->addSpacing(4);
    Copyright = kopie(main.Copyright, "Copyright");
    innen->addWidget(Copyright);
    innen->addSpacing(6);
    HeimLabel = new QLabel(panel);
    HeimLabel->setObjectName(QStringLiteral("HeimLabel"));
    HeimLabel->setAlignment(Qt::AlignCenter);
    HeimLabel->setWordWrap(true);
    HeimLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    innen->addWidget(HeimLabel);

    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(8, 8, 8, 8);
    aussen->addWidget(panel, 1);
    aussen->addWidget(OKButton, 0, Qt::AlignHCenter);
    SetzeTexte();
}

void TFAbout::SetzeTexte() {
    setWindowTitle(tr("Info"));
    const TFMain::TPanelTexte panel = TFMain::PanelTexte();
    ProductName->setText(panel.Produkt);
    Version->setText(panel.Version);
    Comments->setText(panel.Kommentar);
    Copyright->setText(panel.Rechte);
    HeimLabel->setText(
        tr("Einstellungen und Ereignisprotokolle in:\n%1").arg(QDir::toNativeSeparators(m_heimordner)));
    OKButton->setText(tr("OK"));
    // as large as the texts of this language need, smaller again after longer ones
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayoutsErneuern(this);
    setFixedSize(sizeHint().expandedTo(QSize(298, 208)));
}

void TFAbout::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && OKButton)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

#include "shell/UAbout.h"

#include "shell/UMain.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFAbout::TFAbout(TFMain &main) : QDialog(&main) {
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(tr("Info"));
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

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(8, 8, 8, 8);
    aussen->addWidget(panel, 1);
    aussen->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(298, 208)));
}

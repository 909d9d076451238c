#include "shell/UAktiv.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWindow>

TFAktiv::TFAktiv(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FAktiv"));
    setFixedSize(296, 113);
    setCursor(Qt::BusyCursor);

    Text = new QLabel(this);
    Text->setObjectName(QStringLiteral("Label1"));
    Text->setWordWrap(true);
    Text->setAlignment(Qt::AlignCenter);
    Text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Text->setMargin(6);
    Text->installEventFilter(this);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(16);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(Text, 1);
    layout->addWidget(ProgressBar1);
    SetzeTexte();
}

void TFAktiv::SetzeTexte() {
    setWindowTitle(tr("Humaro Aktiv !"));
    if (!m_abbrechbar)
        Text->setText(tr("Daten werden aus Steuerung geladen. Bitte etwas Geduld, Programm kann nicht "
                         "unterbrochen werden !"));
    else if (!Abbruch)
        Text->setText(tr("Daten werden aus Steuerung geladen. Bitte etwas Geduld. Ein Klick auf diesen "
                         "Text bricht das Auslesen ab."));
    else
        Text->setText(tr("Auslesen wird abgebrochen …"));
}

void TFAktiv::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && Text)
        SetzeTexte();
    QWidget::changeEvent(ereignis);
}

void TFAktiv::Zeige(QWidget *F, int M, bool abbrechbar) {
    if (F) {
        const QRect r = F->frameGeometry();
        move(r.left() + r.width() / 2 - 100, r.top() + r.height() / 2 - 50);
    }
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(M);
    ProgressBar1->setValue(1);
    Abbruch = false;
    m_abbrechbar = abbrechbar;
    Text->setCursor(abbrechbar ? Qt::PointingHandCursor : Qt::BusyCursor);
    SetzeTexte();
    show();
    // F is a modal window (or one under a modal window), which blocks the
    // input of every other window: stacked on F the busy window still takes
    // the click on its text.
    if (F && windowHandle()) {
        if (QWindow *ueber = F->window()->windowHandle())
            windowHandle()->setTransientParent(ueber);
    }
    raise();
}

bool TFAktiv::eventFilter(QObject *objekt, QEvent *ereignis) {
    if (objekt == Text && ereignis->type() == QEvent::MouseButtonRelease) {
        Abbruch = true;
        if (m_abbrechbar)
            SetzeTexte(); // the operator sees that the click was taken
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TFAktiv::paintEvent(QPaintEvent *) {
    // A borderless window: a raised frame of its own.
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

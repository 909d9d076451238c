// The form resizer: proportional scaling of absolutely placed controls.
#include "toolkit/UFormSkalierer.h"

#include "toolkit/UAnzeigeElemente.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

// Is the widget placed by the layout l (or one nested in it)?
bool ImLayout(const QLayout *l, const QWidget *w) {
    if (!l)
        return false;
    if (l->menuBar() == w)
        return true;
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem *item = l->itemAt(i);
        if (!item)
            continue;
        if (item->widget() == w)
            return true;
        if (item->layout() && ImLayout(item->layout(), w))
            return true;
    }
    return false;
}

int Runde(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

TFormSkalierer::TFormSkalierer(QWidget *fenster, const QSize &mindestGroesse)
    : QObject(fenster), m_fenster(fenster), m_mindest(mindestGroesse) {
    Merken();
}

void TFormSkalierer::Ausnehmen(QWidget *control) {
    if (control)
        m_ausgenommen.append(control);
}

QSize TFormSkalierer::mindestGroesse() const {
    return m_mindest.isValid() ? m_mindest : m_design;
}

double TFormSkalierer::faktorX() const {
    if (!m_fenster || m_design.width() <= 0)
        return 1.0;
    return static_cast<double>(m_fenster->width()) / m_design.width();
}

double TFormSkalierer::faktorY() const {
    if (!m_fenster || m_design.height() <= 0)
        return 1.0;
    return static_cast<double>(m_fenster->height()) / m_design.height();
}

void TFormSkalierer::Merken() {
    if (!m_fenster)
        return;
    for (const TBehaelter &b : std::as_const(m_behaelter)) {
        if (b.widget)
            b.widget->removeEventFilter(this);
    }
    m_behaelter.clear();
    m_schriften.clear();

    // Containers placed by a layout (a main window's central widget) get their
    // real size before it is taken as their design.
    if (QLayout *layout = m_fenster->layout())
        layout->activate();
    m_design = m_fenster->size();
    erfasseSchriften(m_fenster);
    erfasse(m_fenster);

    m_fenster->setMinimumSize(mindestGroesse());
    if (m_fenster->width() < mindestGroesse().width() || m_fenster->height() < mindestGroesse().height())
        m_fenster->resize(m_fenster->size().expandedTo(mindestGroesse()));
}

bool TFormSkalierer::istBehaelter(QWidget *w) const {
    // Controls that place their own parts are scaled as a whole, never taken apart.
    return !(qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
             qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w) ||
             qobject_cast<QAbstractSlider *>(w) || qobject_cast<QLineEdit *>(w) ||
             qobject_cast<QProgressBar *>(w) || qobject_cast<QMenuBar *>(w) || qobject_cast<QMenu *>(w) ||
             qobject_cast<QStatusBar *>(w) || qobject_cast<QToolBar *>(w) || qobject_cast<QSplitter *>(w) ||
             qobject_cast<QTabBar *>(w) || qobject_cast<QLabel *>(w) || qobject_cast<QDialogButtonBox *>(w) ||
             qobject_cast<QDockWidget *>(w) || qobject_cast<QCalendarWidget *>(w) ||
             qobject_cast<TStringGrid *>(w) || qobject_cast<TSchalterFeld *>(w) ||
             qobject_cast<TLedInstrument *>(w) || qobject_cast<TBalkenAnzeige *>(w) ||
             qobject_cast<TLampe *>(w));
}

void TFormSkalierer::erfasse(QWidget *behaelter) {
    if (QLayout *layout = behaelter->layout())
        layout->activate();
    const qsizetype index = m_behaelter.size();
    m_behaelter.append({behaelter, behaelter->size(), {}});
    behaelter->installEventFilter(this);

    if (auto *tabs = qobject_cast<QTabWidget *>(behaelter)) {
        // The tab widget places its bar and pages itself; the pages' controls are scaled.
        for (int i = 0; i < tabs->count(); ++i) {
            if (QWidget *seite = tabs->widget(i); seite && !m_ausgenommen.contains(seite)) {
                erfasse(seite);
            }
        }
        return;
    }
    const QList<QWidget *> kinder = behaelter->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *kind : kinder)
        erfasseKind(m_behaelter[index], kind);
}

void TFormSkalierer::erfasseKind(TBehaelter &eintrag, QWidget *kind) {
    if (kind->isWindow() || m_ausgenommen.contains(kind))
        return;
    QWidget *behaelter = eintrag.widget;
    if (!ImLayout(behaelter->layout(), kind))
        eintrag.kinder.append({kind, kind->geometry()});
    // m_behaelter grows in erfasse(); the entry reference must not be used after it.
    if (istBehaelter(kind))
        erfasse(kind);
}

void TFormSkalierer::erfasseSchriften(QWidget *w) {
    // Every control gets its font set, not only inherited: with a style sheet
    // in effect, fonts no longer pass from a window to its controls.
    m_schriften.append({w, w->font()});
    const QList<QWidget *> kinder = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *kind : kinder) {
        if (!kind->isWindow() && !m_ausgenommen.contains(kind))
            erfasseSchriften(kind);
    }
}

void TFormSkalierer::skaliereSchriften() {
    const double f = std::min(faktorX(), faktorY());
    for (const TSchrift &s : std::as_const(m_schriften)) {
        if (!s.widget)
            continue;
        QFont neu = s.design;
        if (s.design.pointSizeF() > 0)
            neu.setPointSizeF(std::max(1.0, s.design.pointSizeF() * f));
        else if (s.design.pixelSize() > 0)
            neu.setPixelSize(std::max(1, Runde(s.design.pixelSize() * f)));
        if (neu != s.widget->font())
            s.widget->setFont(neu);
    }
}

void TFormSkalierer::skaliereKinder(const TBehaelter &eintrag) {
    if (!eintrag.widget || eintrag.design.width() <= 0 || eintrag.design.height() <= 0)
        return;
    const double fx = static_cast<double>(eintrag.widget->width()) / eintrag.design.width();
    const double fy = static_cast<double>(eintrag.widget->height()) / eintrag.design.height();
    for (const TKind &k : eintrag.kinder) {
        if (!k.widget)
            continue;
        // Edges are scaled, not sizes, so neighbouring controls stay flush.
        const QRect &d = k.design;
        const int links = Runde(d.x() * fx), oben = Runde(d.y() * fy);
        const int rechts = Runde((d.x() + d.width()) * fx), unten = Runde((d.y() + d.height()) * fy);
        k.widget->setGeometry(links, oben, rechts - links, unten - oben);
    }
}

void TFormSkalierer::Anwenden() {
    if (!m_fenster || m_aktiv)
        return;
    m_aktiv = true;
    skaliereSchriften();
    // Containers were recorded from the window down, so each is sized before its controls.
    for (qsizetype i = 0; i < m_behaelter.size(); ++i)
        skaliereKinder(m_behaelter.at(i));
    for (const TBehaelter &b : std::as_const(m_behaelter)) {
        for (const TKind &k : b.kinder) {
            if (auto *grid = qobject_cast<TStringGrid *>(k.widget.data()))
                grid->skalieren(faktorX(), faktorY());
        }
    }
    m_aktiv = false;
}

bool TFormSkalierer::eventFilter(QObject *objekt, QEvent *event) {
    if (event->type() == QEvent::Resize && !m_aktiv) {
        if (objekt == m_fenster) {
            Anwenden();
        } else {
            // A container resized by its layout: scale the controls on it.
            for (const TBehaelter &b : std::as_const(m_behaelter)) {
                if (b.widget == objekt)
                    skaliereKinder(b);
            }
        }
    }
    return QObject::eventFilter(objekt, event);
}

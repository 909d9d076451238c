#include "toolkit/UAnlagenTabs.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {
// Width of a plant tab at the font the bar was built with.
constexpr int DesignTabBreite = 33;
} // namespace

TAnlagenTabs::TAnlagenTabs(QWidget *parent) : QWidget(parent), m_designPunkte(font().pointSizeF()) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    QSizePolicy politik(QSizePolicy::Preferred, QSizePolicy::Fixed);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
}

void TAnlagenTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == m_aktuell)
        return;
    m_aktuell = index;
    update();
    emit currentChanged(index);
}

QString TAnlagenTabs::tabText(int index) const {
    if (index < 0 || index >= count())
        return QString();
    return m_texte.at(index);
}

int TAnlagenTabs::addTab(const QString &text) {
    m_texte.append(text);
    m_markiert.append(false);
    m_hinweise.append(QString());
    updateGeometry();
    update();
    const int index = count() - 1;
    if (m_aktuell < 0) {
        m_aktuell = index;
        emit currentChanged(index);
    }
    return index;
}

void TAnlagenTabs::clear() {
    m_texte.clear();
    m_markiert.clear();
    m_hinweise.clear();
    m_ueber = -1;
    const bool war = m_aktuell >= 0;
    m_aktuell = -1;
    updateGeometry();
    update();
    if (war)
        emit currentChanged(-1);
}

void TAnlagenTabs::setMarkiert(int index, bool markiert) {
    if (index < 0 || index >= count() || m_markiert.at(index) == markiert)
        return;
    m_markiert[index] = markiert;
    update(tabRect(index));
}

bool TAnlagenTabs::markiert(int index) const {
    return index >= 0 && index < count() && m_markiert.at(index);
}

void TAnlagenTabs::setHinweis(int index, const QString &text) {
    if (index < 0 || index >= count() || m_hinweise.at(index) == text)
        return;
    m_hinweise[index] = text;
    update(tabRect(index));
}

QString TAnlagenTabs::hinweis(int index) const {
    return index >= 0 && index < count() ? m_hinweise.at(index) : QString();
}

bool TAnlagenTabs::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *hilfe = static_cast<QHelpEvent *>(event);
        const int index = tabAt(hilfe->pos());
        if (index >= 0 && !m_hinweise.at(index).isEmpty())
            QToolTip::showText(hilfe->globalPos(), m_hinweise.at(index), this, tabRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

QSize TAnlagenTabs::tabGroesse() const {
    const QFontMetrics fm = fontMetrics();
    const double f =
        m_designPunkte > 0 && font().pointSizeF() > 0 ? font().pointSizeF() / m_designPunkte : 1.0;
    // The selected tab shows its caption in bold.
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fmFett(fett);
    int text = 0;
    for (const QString &t : m_texte)
        text = std::max(text, fmFett.horizontalAdvance(t));
    const int hRand = std::max(8, fm.averageCharWidth());
    const int vRand = std::max(8, fm.height() / 2);
    const int breite = std::max(static_cast<int>(std::lround(DesignTabBreite * f)), text + hRand);
    return QSize(breite, fm.height() + vRand);
}

int TAnlagenTabs::tabsProReihe(int w) const {
    return std::max(1, w / std::max(1, tabGroesse().width()));
}

int TAnlagenTabs::reihen(int w) const {
    if (count() == 0)
        return 1;
    const int proReihe = tabsProReihe(w);
    return (count() + proReihe - 1) / proReihe;
}

int TAnlagenTabs::hoeheFuerBreite(int w) const {
    return reihen(w) * tabGroesse().height() + 2;
}

QRect TAnlagenTabs::tabRect(int index) const {
    if (index < 0 || index >= count())
        return QRect();
    const QSize g = tabGroesse();
    const int proReihe = tabsProReihe(width());
    return QRect((index % proReihe) * g.width(), (index / proReihe) * g.height(), g.width(), g.height());
}

int TAnlagenTabs::tabAt(const QPoint &pos) const {
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(pos))
            return i;
    }
    return -1;
}

QSize TAnlagenTabs::sizeHint() const {
    const QSize g = tabGroesse();
    // A bar of fixed width asks for the rows that width needs.
    const int w =
        maximumWidth() < QWIDGETSIZE_MAX ? maximumWidth() : std::max(1, std::min(count(), 16)) * g.width();
    return QSize(w, hoeheFuerBreite(w));
}

QSize TAnlagenTabs::minimumSizeHint() const {
    const QSize g = tabGroesse();
    return QSize(g.width(), g.height() + 2);
}

void TAnlagenTabs::paintEvent(QPaintEvent *) {
    // Drawn here rather than by the style: the style's tabs belong to a
    // one-row bar (the selected one reaches over the row below).
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette &pal = palette();
    const QSize g = tabGroesse();
    const int proReihe = tabsProReihe(width());
    const int anzahlReihen = reihen(width());
    // Every row stands on its own base line.
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    for (int r = 0; r < anzahlReihen; ++r) {
        const int inReihe = std::min(proReihe, count() - r * proReihe);
        const double y = (r + 1) * g.height() - 0.5;
        p.drawLine(QPointF(0, y), QPointF(std::max(0, inReihe * g.width()) - 0.5, y));
    }
    const QFont normal = font();
    QFont fett = normal;
    fett.setBold(true);
    for (int i = 0; i < count(); ++i) {
        const bool gewaehlt = i == m_aktuell;
        QRectF r = QRectF(tabRect(i)).adjusted(0.5, gewaehlt ? 0.5 : 2.5, -0.5, gewaehlt ? 0.5 : -0.5);
        QPainterPath form;
        const double rund = 3.0;
        form.moveTo(r.left(), r.bottom());
        form.lineTo(r.left(), r.top() + rund);
        form.quadTo(r.left(), r.top(), r.left() + rund, r.top());
        form.lineTo(r.right() - rund, r.top());
        form.quadTo(r.right(), r.top(), r.right(), r.top() + rund);
        form.lineTo(r.right(), r.bottom());
        QColor flaeche = gewaehlt ? pal.color(QPalette::Base) : pal.color(QPalette::Button);
        if (!gewaehlt && i == m_ueber && isEnabled())
            flaeche = flaeche.lighter(108);
        p.fillPath(form, flaeche);
        if (!m_hinweise.at(i).isEmpty()) {
            // A plant whose readings are not live: hatched.
            p.fillPath(form, QBrush(pal.color(QPalette::Mid), Qt::BDiagPattern));
        }
        p.setPen(QPen(gewaehlt ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid), 1));
        p.drawPath(form);
        if (gewaehlt) {
            // A bar on top marks the selected plant also in a row of its own.
            p.fillRect(QRectF(r.left() + 1, r.top() + 0.5, r.width() - 2, 2.5),
                       pal.color(QPalette::Highlight));
        }
        p.setFont(gewaehlt ? fett : normal);
        const QColor rot(0xC6, 0x28, 0x28);
        if (m_markiert.at(i)) {
            // A plant that needs attention: red caption, red dot in the corner.
            p.setPen(Qt::NoPen);
            p.setBrush(rot);
            const double d = std::max(5.0, r.height() / 5.0);
            p.drawEllipse(QRectF(r.right() - d - 2.5, r.top() + 3.5, d, d));
            p.setBrush(Qt::NoBrush);
            p.setPen(isEnabled() ? rot : rot.lighter(150));
        } else {
            p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        }
        p.drawText(r.adjusted(0, gewaehlt ? 1 : -1, 0, 0), Qt::AlignCenter, m_texte.at(i));
        if (gewaehlt && hasFocus()) {
            QStyleOptionFocusRect fokus;
            fokus.initFrom(this);
            fokus.rect = r.toRect().adjusted(3, 4, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
        }
    }
}

void TAnlagenTabs::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
    event->accept();
}

void TAnlagenTabs::mouseMoveEvent(QMouseEvent *event) {
    const int index = tabAt(event->position().toPoint());
    if (index != m_ueber) {
        m_ueber = index;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TAnlagenTabs::leaveEvent(QEvent *event) {
    if (m_ueber >= 0) {
        m_ueber = -1;
        update();
    }
    QWidget::leaveEvent(event);
}

void TAnlagenTabs::keyPressEvent(QKeyEvent *event) {
    if (count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int proReihe = tabsProReihe(width());
    const int von = std::max(0, m_aktuell);
    int nach = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        nach = von - 1;
        break;
    case Qt::Key_Right:
        nach = von + 1;
        break;
    case Qt::Key_Up:
        nach = von - proReihe;
        break;
    case Qt::Key_Down:
        nach = von + proReihe;
        break;
    case Qt::Key_Home:
        nach = 0;
        break;
    case Qt::Key_End:
        nach = count() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (nach >= 0 && nach < count())
        setCurrentIndex(nach);
    event->accept();
}

void TAnlagenTabs::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void FuelleAnlagenTabs(TAnlagenTabs &tabs, int n, bool adressen33) {
    // Filling the bar is no change of plant: the window selects a tab afterwards.
    const QSignalBlocker sperre(&tabs);
    tabs.clear();
    const int start = adressen33 ? 33 : 1;
    for (int i = 0; i < n; ++i)
        tabs.addTab(QString::number(start + i));
}

// The panel of toggle buttons with at most one button down.
#include "toolkit/USchalterFeld.h"

#include <QGridLayout>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

#include <algorithm>

namespace {

// A toggle button that asks for the panel's button size and may be stretched
// or shrunk with the panel.
class TFeldSchalter : public QToolButton {
public:
    TFeldSchalter(const QString &text, const QSize &groesse, QWidget *parent)
        : QToolButton(parent), m_groesse(groesse) {
        setText(text);
        setCheckable(true);
        setAutoRaise(false);
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        setFocusPolicy(Qt::TabFocus);
    }
    void setGroesse(const QSize &groesse) {
        m_groesse = groesse;
        updateGeometry();
    }
    // The designed size, wider where a caption (bold when down) needs it.
    QSize sizeHint() const override {
        QFont fett = font();
        fett.setBold(true);
        const int text = QFontMetrics(fett).horizontalAdvance(this->text()) + 8;
        return QSize(std::max(m_groesse.width(), text), m_groesse.height());
    }
    QSize minimumSizeHint() const override { return QSize(4, 4); }

protected:
    // The button that is down is drawn sunken with bold text, so it stands out.
    void paintEvent(QPaintEvent *) override {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        if (isChecked())
            opt.font.setBold(true);
        p.drawComplexControl(QStyle::CC_ToolButton, opt);
    }

private:
    QSize m_groesse;
};

} // namespace

TSchalterFeld::TSchalterFeld(QWidget *parent) : QWidget(parent), m_layout(new QGridLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
}

void TSchalterFeld::setSchalter(int zeilen, int spalten, const QStringList &beschriftungen) {
    QList<QStringList> liste;
    qsizetype n = 0;
    for (int z = 0; z < zeilen; ++z) {
        QStringList zeile;
        for (int s = 0; s < spalten && n < beschriftungen.size(); ++s)
            zeile.append(beschriftungen.at(n++));
        liste.append(zeile);
    }
    baue(liste);
}

void TSchalterFeld::setSchalterZeilen(const QList<QStringList> &zeilen) {
    baue(zeilen);
}

void TSchalterFeld::baue(const QList<QStringList> &zeilen) {
    const bool warUnten = m_index >= 0;
    qDeleteAll(m_schalter);
    m_schalter.clear();
    m_index = -1;
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        for (qsizetype s = 0; s < zeilen.at(z).size(); ++s) {
            const int index = static_cast<int>(m_schalter.size());
            auto *knopf = new TFeldSchalter(zeilen.at(z).at(s), m_groesse, this);
            connect(knopf, &QAbstractButton::clicked, this,
                    [this, index](bool unten) { schalterGeklickt(index, unten); });
            m_layout->addWidget(knopf, static_cast<int>(z), static_cast<int>(s));
            m_schalter.append(knopf);
        }
    }
    updateGeometry();
    if (warUnten)
        emit indexGeaendert(-1);
}

QString TSchalterFeld::beschriftung(int index) const {
    const QAbstractButton *knopf = schalter(index);
    return knopf ? knopf->text() : QString();
}

QAbstractButton *TSchalterFeld::schalter(int index) const {
    return index >= 0 && index < m_schalter.size() ? m_schalter.at(index) : nullptr;
}

void TSchalterFeld::setAktuellerIndex(int index) {
    if (index < 0 || index >= m_schalter.size())
        index = -1;
    for (int i = 0; i < m_schalter.size(); ++i)
        m_schalter.at(i)->setChecked(i == index);
    if (index != m_index) {
        m_index = index;
        emit indexGeaendert(m_index);
    }
}

void TSchalterFeld::schalterGeklickt(int index, bool unten) {
    // The click has already toggled the button: down makes it the current one,
    // up (it was the current one) leaves none down.
    setAktuellerIndex(unten ? index : -1);
}

void TSchalterFeld::setSchalterGroesse(const QSize &groesse) {
    m_groesse = groesse;
    for (QAbstractButton *knopf : std::as_const(m_schalter))
        static_cast<TFeldSchalter *>(knopf)->setGroesse(groesse);
    updateGeometry();
}

void TSchalterFeld::setAbstand(int abstand) {
    m_layout->setSpacing(std::max(0, abstand));
}

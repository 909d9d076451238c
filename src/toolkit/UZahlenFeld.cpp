// The numeric edit with spin buttons.
#include "toolkit/UZahlenFeld.h"

#include <QLineEdit>

#include <cmath>

TZahlenFeld::TZahlenFeld(QWidget *parent) : QDoubleSpinBox(parent) {
    init();
    setDecimals(0);
}

TZahlenFeld::TZahlenFeld(double min, double max, double schritt, int decimals, QWidget *parent)
    : QDoubleSpinBox(parent) {
    init();
    setDecimals(decimals);
    setRange(min, max);
    setSingleStep(schritt);
}

void TZahlenFeld::init() {
    setAccelerated(true);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (!m_setztWert)
            emit bearbeitet(v);
    });
}

void TZahlenFeld::setMaxZeichen(int anzahl) {
    lineEdit()->setMaxLength(anzahl > 0 ? anzahl : 32767);
}

int TZahlenFeld::maxZeichen() const {
    const int n = lineEdit()->maxLength();
    return n >= 32767 ? 0 : n;
}

void TZahlenFeld::setWert(double wert) {
    m_setztWert = true;
    setLeer(false);
    setValue(wert);
    m_setztWert = false;
}

void TZahlenFeld::setLeer(bool leer) {
    if (leer == m_leer)
        return;
    m_leer = leer;
    lineEdit()->setText(textFromValue(value()));
}

QString TZahlenFeld::textFromValue(double wert) const {
    return m_leer ? QString() : QDoubleSpinBox::textFromValue(wert);
}

int TZahlenFeld::ganzzahl() const {
    return static_cast<int>(std::lround(value()));
}

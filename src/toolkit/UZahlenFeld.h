// A numeric edit with spin buttons for whole or decimal numbers: range, step,
// number of decimals and an optional limit on the characters typed.
#pragma once

#include <QDoubleSpinBox>

class TZahlenFeld : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit TZahlenFeld(QWidget *parent = nullptr);
    // A field for min..max in steps of schritt with the given decimals.
    TZahlenFeld(double min, double max, double schritt, int decimals, QWidget *parent = nullptr);

    void setBereich(double min, double max) { setRange(min, max); }
    void setSchritt(double schritt) { setSingleStep(schritt); }
    double schritt() const { return singleStep(); }
    void setNachkommastellen(int decimals) { setDecimals(decimals); }
    int nachkommastellen() const { return decimals(); }
    // At most this many characters can be typed (0: no limit).
    void setMaxZeichen(int anzahl);
    int maxZeichen() const;

    // Sets the value (clamped into the range) without emitting bearbeitet().
    void setWert(double wert);
    double wert() const { return value(); }
    // The value rounded to a whole number.
    int ganzzahl() const;
    // Shows no value at all (a field that has none to show, e.g. disabled
    // for want of a reply) until a value is set again.
    void setLeer(bool leer);
    bool istLeer() const { return m_leer; }

protected:
    QString textFromValue(double wert) const override;

signals:
    // The operator changed the value (typing or the spin buttons), not setWert().
    void bearbeitet(double wert);

private:
    void init();
    bool m_setztWert = false;
    bool m_leer = false;
};

// Display widgets of the live display and the dialogs: the LED-style numeric
// instrument, the vertical bar meter and the LED lamp. This header also pulls in
// the other widgets of the toolkit (string grid, toggle-button panel, form
// resizer and numeric spin edit), so one include gives a window all of them.
//
// Every text shown is given by the caller; the widgets carry no texts of their own.
#pragma once

#include "toolkit/UFormSkalierer.h"
#include "toolkit/USchalterFeld.h"
#include "toolkit/UStringGrid.h"
#include "toolkit/UZahlenFeld.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QPainter;

// A numeric instrument with a seven-segment display: yellow segments on a dark
// blue face, the caption left of the digits and the unit right of them. The
// segments that are off stay faintly visible, as on a real LED display.
//
// The display has a fixed number of digit positions, `decimals` of them after
// the decimal point. A minus sign takes one position. A value that does not fit
// (or is not a number) shows a dash in every position and no decimal point.
// Until it is given a value, and after Ausschalten(), the display is dark.
class TLedInstrument : public QWidget {
    Q_OBJECT
public:
    explicit TLedInstrument(QWidget *parent = nullptr);

    void setBeschriftung(const QString &text);
    QString beschriftung() const { return m_beschriftung; }
    void setEinheit(const QString &text);
    QString einheit() const { return m_einheit; }

    // digits: 1..12 positions; decimals: 0..digits-1 of them after the point.
    void setStellen(int digits, int decimals);
    int stellen() const { return m_stellen; }
    int nachkommastellen() const { return m_nachkomma; }

    // Shows the value rounded to the decimals and lights the display.
    void setWert(double wert);
    double wert() const { return m_wert; }
    // Blanks the digits: only the dim segments remain.
    void Ausschalten();
    bool istAn() const { return m_an; }
    // True while the shown value does not fit the digits (all dashes).
    bool istUeberlauf() const { return m_an && m_ueberlauf; }

    // The digits as shown, right-aligned in the digit positions with '.' as
    // decimal point: "131", " 20.9", "  -7", "---" on overflow; empty when off.
    QString anzeigeText() const;

    // Colours: segments and face. Defaults are yellow on dark blue.
    void setSegmentFarbe(const QColor &farbe);
    void setFlaechenFarbe(const QColor &farbe);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void zeichneZiffer(QPainter &p, const QRectF &zelle, QChar zeichen, bool punktAn) const;
    void bildeStellen();

    QString m_beschriftung;
    QString m_einheit;
    int m_stellen = 3;
    int m_nachkomma = 0;
    double m_wert = 0.0;
    bool m_an = false;
    bool m_ueberlauf = false;
    QString m_ziffern; // one character per digit position: '0'..'9', '-' or ' '
    QColor m_segmentFarbe;
    QColor m_flaechenFarbe;
};

// A vertical bar meter for a depth: the scale runs from the minimum at the top to
// the maximum at the bottom, and the bar grows from the top down to the value.
// A pointer beside the bar marks the value, and the value with its unit is
// written under the scale. Values outside the scale are drawn at its ends.
class TBalkenAnzeige : public QWidget {
    Q_OBJECT
public:
    explicit TBalkenAnzeige(QWidget *parent = nullptr);

    void setBeschriftung(const QString &text);
    QString beschriftung() const { return m_beschriftung; }
    void setEinheit(const QString &text);
    QString einheit() const { return m_einheit; }

    // Scale from minimum to maximum; a maximum not above the minimum is raised
    // to minimum + 1.
    void setSkala(double minimum, double maximum);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    double minimum() const { return m_min; }
    double maximum() const { return m_max; }
    // Distance of the scale marks (every value min + k * abstand); 0 or less
    // draws marks only at both ends. The maximum always carries a mark.
    void setMarkenAbstand(double abstand);
    double markenAbstand() const { return m_markenAbstand; }
    // The values at which scale marks and labels are drawn, top to bottom.
    QList<double> skalenMarken() const;

    void setNachkommastellen(int decimals);
    int nachkommastellen() const { return m_nachkomma; }

    // NaN: no value (an empty tube, no pointer, "---").
    void setWert(double wert);
    double wert() const { return m_wert; }
    // The value clamped into the scale, as the bar shows it.
    double angezeigterWert() const;
    // The bar's length as a fraction 0..1 of the scale.
    double balkenAnteil() const;

    void setBalkenFarbe(const QColor &farbe);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString zahlText(double wert) const;

    QString m_beschriftung;
    QString m_einheit;
    double m_min = 0.0;
    double m_max = 100.0;
    double m_markenAbstand = 25.0;
    int m_nachkomma = 0;
    double m_wert = 0.0;
    QColor m_balkenFarbe;
};

// A round LED lamp with its caption to the right. Lit it glows in its colour;
// dark it shows a dim shade of the same colour.
class TLampe : public QWidget {
    Q_OBJECT
public:
    explicit TLampe(QWidget *parent = nullptr);
    TLampe(const QString &beschriftung, const QColor &farbe, QWidget *parent = nullptr);

    void setBeschriftung(const QString &text);
    QString beschriftung() const { return m_beschriftung; }
    void setFarbe(const QColor &farbe);
    QColor farbe() const { return m_farbe; }

    void setAn(bool an);
    bool an() const { return m_an; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_beschriftung;
    QColor m_farbe;
    bool m_an = false;
};

// The LED-style numeric instrument, the vertical bar meter and the LED lamp.
#include "toolkit/UAnzeigeElemente.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Face colours shared by the instrument and the bar meter.
const QColor kFlaeche(22, 38, 104);      // dark blue face
const QColor kFenster(5, 10, 40);        // the recessed digit window
const QColor kSegment(255, 214, 10);     // lit segments: yellow
const QColor kSchrift(226, 232, 255);    // captions and scale on the face
const QColor kRahmenHell(120, 140, 200); // bevel, lit edge
const QColor kRahmenDunkel(4, 8, 30);    // bevel, shaded edge

QColor Mische(const QColor &a, const QColor &b, double anteilB) {
    const double a1 = 1.0 - anteilB;
    return QColor::fromRgbF(static_cast<float>(a.redF() * a1 + b.redF() * anteilB),
                            static_cast<float>(a.greenF() * a1 + b.greenF() * anteilB),
                            static_cast<float>(a.blueF() * a1 + b.blueF() * anteilB));
}

// The bevelled frame and the face of an instrument; returns the face's inner rectangle.
QRectF ZeichneGehaeuse(QPainter &p, const QRectF &r, const QColor &flaeche) {
    const double radius = std::min(5.0, std::min(r.width(), r.height()) / 6.0);
    QLinearGradient rand(r.topLeft(), r.bottomRight());
    rand.setColorAt(0.0, kRahmenHell);
    rand.setColorAt(1.0, kRahmenDunkel);
    p.setPen(Qt::NoPen);
    p.setBrush(rand);
    p.drawRoundedRect(r, radius, radius);

    const QRectF innen = r.adjusted(2, 2, -2, -2);
    QLinearGradient face(innen.topLeft(), innen.bottomLeft());
    face.setColorAt(0.0, flaeche.lighter(125));
    face.setColorAt(1.0, flaeche.darker(125));
    p.setBrush(face);
    p.drawRoundedRect(innen, std::max(0.0, radius - 1.5), std::max(0.0, radius - 1.5));
    return innen;
}

// A recessed dark window (digit window, bar tube).
void ZeichneFenster(QPainter &p, const QRectF &r, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRahmenDunkel);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(kFenster);
    p.drawRoundedRect(r.adjusted(1, 1, -0.5, -0.5), radius, radius);
    // the lit lower edge of the recess
    p.setPen(QPen(QColor(90, 105, 160), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.bottom() - 0.5), QPointF(r.right() - radius, r.bottom() - 0.5));
}

QFont FettSchrift(const QFont &f) {
    QFont fett(f);
    fett.setBold(true);
    return fett;
}

// Segments a..g of a seven-segment digit, bit 0 = a.
enum Segment { SegA = 1, SegB = 2, SegC = 4, SegD = 8, SegE = 16, SegF = 32, SegG = 64 };

int SegmenteVon(QChar c) {
    switch (c.unicode()) {
    case '0':
        return SegA | SegB | SegC | SegD | SegE | SegF;
    case '1':
        return SegB | SegC;
    case '2':
        return SegA | SegB | SegD | SegE | SegG;
    case '3':
        return SegA | SegB | SegC | SegD | SegG;
    case '4':
        return SegB | SegC | SegF | SegG;
    case '5':
        return SegA | SegC | SegD | SegF | SegG;
    case '6':
        return SegA | SegC | SegD | SegE | SegF | SegG;
    case '7':
        return SegA | SegB | SegC;
    case '8':
        return SegA | SegB | SegC | SegD | SegE | SegF | SegG;
    case '9':
        return SegA | SegB | SegC | SegD | SegF | SegG;
    case '-':
        return SegG;
    default:
        return 0;
    }
}

// Proportions of a digit cell: width to height, and the pitch (cell plus the
// room for the decimal point) to the cell width.
constexpr double kZiffernBreite = 0.56;
constexpr double kZiffernAbstand = 1.32;
constexpr double kNeigung = 0.08; // slant of the digits

} // namespace

// ---------------------------------------------------------------------------
// TLedInstrument

TLedInstrument::TLedInstrument(QWidget *parent)
    : QWidget(parent), m_segmentFarbe(kSegment), m_flaechenFarbe(kFlaeche) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    bildeStellen();
}

void TLedInstrument::setBeschriftung(const QString &text) {
    m_beschriftung = text;
    updateGeometry();
    update();
}

void TLedInstrument::setEinheit(const QString &text) {
    m_einheit = text;
    updateGeometry();
    update();
}

void TLedInstrument::setStellen(int digits, int decimals) {
    m_stellen = std::clamp(digits, 1, 12);
    m_nachkomma = std::clamp(decimals, 0, m_stellen - 1);
    bildeStellen();
    updateGeometry();
    update();
}

void TLedInstrument::setWert(double wert) {
    m_wert = wert;
    m_an = true;
    bildeStellen();
    update();
}

void TLedInstrument::Ausschalten() {
    m_an = false;
    bildeStellen();
    update();
}

void TLedInstrument::setSegmentFarbe(const QColor &farbe) {
    m_segmentFarbe = farbe;
    update();
}

void TLedInstrument::setFlaechenFarbe(const QColor &farbe) {
    m_flaechenFarbe = farbe;
    update();
}

void TLedInstrument::bildeStellen() {
    m_ueberlauf = false;
    if (!m_an) {
        m_ziffern = QString(m_stellen, QLatin1Char(' '));
        return;
    }
    if (!std::isfinite(m_wert)) {
        m_ueberlauf = true;
        m_ziffern = QString(m_stellen, QLatin1Char('-'));
        return;
    }
    QString text = QString::number(m_wert, 'f', m_nachkomma);
    // A value that rounds to zero is shown without a sign ("-0.0" -> "0.0").
    if (text.startsWith(QLatin1Char('-'))) {
        bool nurNullen = true;
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char('0') && text.at(i) != QLatin1Char('.'))
                nurNullen = false;
        }
        if (nurNullen)
            text.remove(0, 1);
    }
    text.remove(QLatin1Char('.'));
    if (text.size() > m_stellen) {
        m_ueberlauf = true;
        m_ziffern = QString(m_stellen, QLatin1Char('-'));
        return;
    }
    m_ziffern = text.rightJustified(m_stellen, QLatin1Char(' '));
}

QString TLedInstrument::anzeigeText() const {
    if (!m_an)
        return QString();
    if (m_ueberlauf || m_nachkomma == 0)
        return m_ziffern;
    QString text = m_ziffern;
    text.insert(m_stellen - m_nachkomma, QLatin1Char('.'));
    return text;
}

QSize TLedInstrument::minimumSizeHint() const {
    const QFontMetrics fm(FettSchrift(font()));
    const int h = fm.height() + 10;
    const double zelle = (h - 8) * kZiffernBreite * kZiffernAbstand;
    int breite = static_cast<int>(std::ceil(m_stellen * zelle)) + 12;
    if (!m_beschriftung.isEmpty())
        breite += fm.horizontalAdvance(m_beschriftung) + 6;
    if (!m_einheit.isEmpty())
        breite += fm.horizontalAdvance(m_einheit) + 6;
    return QSize(breite, h);
}

QSize TLedInstrument::sizeHint() const {
    const QFontMetrics fm(FettSchrift(font()));
    const int ziffernHoehe = static_cast<int>(std::lround(fm.height() * 1.45));
    const int h = ziffernHoehe + 16;
    const double zelle = ziffernHoehe * kZiffernBreite * kZiffernAbstand;
    int breite = static_cast<int>(std::ceil(m_stellen * zelle)) + 24;
    if (!m_beschriftung.isEmpty())
        breite += fm.horizontalAdvance(m_beschriftung) + 8;
    if (!m_einheit.isEmpty())
        breite += fm.horizontalAdvance(m_einheit) + 8;
    return QSize(breite, h);
}

void TLedInstrument::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF innen = ZeichneGehaeuse(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_flaechenFarbe);

    const QFont schrift = FettSchrift(font());
    const QFontMetricsF fm(schrift);
    const double rand = std::clamp(innen.height() * 0.12, 2.0, 8.0);
    const double textAbstand = std::max(4.0, fm.averageCharWidth() * 0.7);

    // The digit window: as high as the face allows. When the width is short the
    // digits shrink first to 70 %, then the caption and the unit give way.
    double beschriftungBreite =
        m_beschriftung.isEmpty() ? 0.0 : fm.horizontalAdvance(m_beschriftung) + textAbstand;
    double einheitBreite = m_einheit.isEmpty() ? 0.0 : fm.horizontalAdvance(m_einheit) + textAbstand;
    double fensterHoehe = innen.height() - 2 * rand;
    const double fensterRand = std::max(1.5, fensterHoehe * 0.1);
    const double vollHoehe = std::max(4.0, fensterHoehe - 2 * fensterRand);
    const double proHoehe = m_stellen * kZiffernBreite * kZiffernAbstand;
    auto breiteFuer = [&](double h) { return h * proHoehe + 2 * fensterRand; };
    const double platz = std::max(0.0, innen.width() - 2 * rand);
    double ziffernHoehe = vollHoehe;
    if (breiteFuer(ziffernHoehe) + beschriftungBreite + einheitBreite > platz) {
        ziffernHoehe = std::max(vollHoehe * 0.7,
                                (platz - beschriftungBreite - einheitBreite - 2 * fensterRand) / proHoehe);
        ziffernHoehe = std::min(ziffernHoehe, vollHoehe);
        beschriftungBreite =
            std::min(beschriftungBreite, std::max(0.0, platz - einheitBreite - breiteFuer(ziffernHoehe)));
        einheitBreite = std::min(einheitBreite, std::max(0.0, platz - breiteFuer(ziffernHoehe)));
        if (breiteFuer(ziffernHoehe) > platz)
            ziffernHoehe = std::max(2.0, (platz - 2 * fensterRand) / proHoehe);
    }
    const double zellBreite = ziffernHoehe * kZiffernBreite;
    const double schritt = zellBreite * kZiffernAbstand;
    const double fensterBreite = m_stellen * schritt + 2 * fensterRand;
    fensterHoehe = ziffernHoehe + 2 * fensterRand;

    // Digits sit right-aligned before the unit, so stacked instruments line up.
    const double fensterX = innen.right() - rand - einheitBreite - fensterBreite;
    const QRectF fenster(fensterX, innen.center().y() - fensterHoehe / 2, fensterBreite, fensterHoehe);
    ZeichneFenster(p, fenster, std::min(3.0, fensterRand));

    p.setFont(schrift);
    p.setPen(kSchrift);
    if (beschriftungBreite > textAbstand) {
        const QRectF r(innen.left() + rand, innen.top(), beschriftungBreite - textAbstand, innen.height());
        // A caption too long for its room is set smaller first (down to three
        // quarters), then on two lines where the face is high enough, and only
        // then cut.
        QFont klein = schrift;
        const double noetig = fm.horizontalAdvance(m_beschriftung);
        if (noetig > r.width() + 0.5 && klein.pointSizeF() > 0)
            klein.setPointSizeF(klein.pointSizeF() * std::max(0.75, r.width() / noetig));
        const QFontMetricsF fk(klein);
        p.setFont(klein);
        const int umbruch = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        if (fk.horizontalAdvance(m_beschriftung) <= r.width() + 0.5)
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, m_beschriftung);
        else if (const QRectF zwei = fk.boundingRect(r, umbruch, m_beschriftung);
                 zwei.height() <= r.height() && zwei.width() <= r.width() + 0.5)
            p.drawText(r, umbruch, m_beschriftung);
        else
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                       fk.elidedText(m_beschriftung, Qt::ElideRight, r.width() + 0.5));
        p.setFont(schrift);
    }
    if (einheitBreite > textAbstand) {
        const QRectF r(fenster.right() + textAbstand, innen.top(), einheitBreite - textAbstand,
                       innen.height());
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(m_einheit, Qt::ElideRight, r.width() + 0.5));
    }

    const int punktStelle = m_nachkomma > 0 && !m_ueberlauf && m_an ? m_stellen - m_nachkomma - 1 : -1;
    for (int i = 0; i < m_stellen; ++i) {
        // the decimal point's room lies right of each digit; the first digit starts at the window's edge
        const QRectF zelle(fenster.left() + fensterRand + (schritt - zellBreite) * 0.35 + i * schritt,
                           fenster.top() + fensterRand, zellBreite, ziffernHoehe);
        zeichneZiffer(p, zelle, m_ziffern.at(i), i == punktStelle);
    }
}

void TLedInstrument::zeichneZiffer(QPainter &p, const QRectF &z, QChar zeichen, bool punktAn) const {
    const int an = SegmenteVon(zeichen);
    const QColor aus = Mische(kFenster, m_segmentFarbe, 0.13);
    const double t = z.width() * 0.2; // segment thickness
    const double g = t * 0.14;        // gap between segments
    const double x0 = z.left() + t / 2, x1 = z.right() - t / 2;
    const double y0 = z.top() + t / 2, ym = z.center().y(), y1 = z.bottom() - t / 2;

    auto schraeg = [&](QPointF q) { return QPointF(q.x() - (q.y() - ym) * kNeigung, q.y()); };
    auto waagrecht = [&](double yc) {
        const double xa = x0 + g, xb = x1 - g, h = t / 2;
        return QPolygonF{schraeg({xa, yc}), schraeg({xa + h, yc - h}), schraeg({xb - h, yc - h}),
                         schraeg({xb, yc}), schraeg({xb - h, yc + h}), schraeg({xa + h, yc + h})};
    };
    auto senkrecht = [&](double xc, double ya, double yb) {
        ya += g;
        yb -= g;
        const double h = t / 2;
        return QPolygonF{schraeg({xc, ya}), schraeg({xc + h, ya + h}), schraeg({xc + h, yb - h}),
                         schraeg({xc, yb}), schraeg({xc - h, yb - h}), schraeg({xc - h, ya + h})};
    };
    const std::array<QPolygonF, 7> segmente = {waagrecht(y0), senkrecht(x1, y0, ym), senkrecht(x1, ym, y1),
                                               waagrecht(y1), senkrecht(x0, ym, y1), senkrecht(x0, y0, ym),
                                               waagrecht(ym)};

    // Unlit segments first, then the lit ones with a soft glow around them.
    p.setPen(Qt::NoPen);
    p.setBrush(aus);
    for (size_t s = 0; s < segmente.size(); ++s) {
        if (!(an & (1 << s)))
            p.drawPolygon(segmente[s]);
    }
    QColor schein = m_segmentFarbe;
    schein.setAlpha(70);
    for (size_t s = 0; s < segmente.size(); ++s) {
        if (!(an & (1 << s)))
            continue;
        p.setPen(QPen(schein, t * 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(m_segmentFarbe);
        p.drawPolygon(segmente[s]);
    }

    const double r = t * 0.55;
    const QPointF punkt = schraeg({z.right() + t * 0.9, z.bottom() - r});
    p.setPen(punktAn ? QPen(schein, t * 0.5) : Qt::NoPen);
    p.setBrush(punktAn ? m_segmentFarbe : aus);
    p.drawEllipse(punkt, r, r);
}

// ---------------------------------------------------------------------------
// TBalkenAnzeige

TBalkenAnzeige::TBalkenAnzeige(QWidget *parent) : QWidget(parent), m_balkenFarbe(kSegment) {
}

void TBalkenAnzeige::setBeschriftung(const QString &text) {
    m_beschriftung = text;
    updateGeometry();
    update();
}

void TBalkenAnzeige::setEinheit(const QString &text) {
    m_einheit = text;
    updateGeometry();
    update();
}

void TBalkenAnzeige::setSkala(double minimum, double maximum) {
    m_min = std::isfinite(minimum) ? minimum : 0.0;
    m_max = std::isfinite(maximum) && maximum > m_min ? maximum : m_min + 1.0;
    updateGeometry();
    update();
}

void TBalkenAnzeige::setMinimum(double minimum) {
    setSkala(minimum, m_max);
}

void TBalkenAnzeige::setMaximum(double maximum) {
    setSkala(m_min, maximum);
}

void TBalkenAnzeige::setMarkenAbstand(double abstand) {
    m_markenAbstand = std::isfinite(abstand) ? abstand : 0.0;
    update();
}

QList<double> TBalkenAnzeige::skalenMarken() const {
    QList<double> marken;
    marken.append(m_min);
    if (m_markenAbstand > 0) {
        // at most a few hundred marks; a finer distance is drawn as ends only
        const double anzahl = (m_max - m_min) / m_markenAbstand;
        if (anzahl <= 500) {
            for (int k = 1; m_min + k * m_markenAbstand < m_max - m_markenAbstand * 1e-9; ++k)
                marken.append(m_min + k * m_markenAbstand);
        }
    }
    marken.append(m_max);
    return marken;
}

void TBalkenAnzeige::setNachkommastellen(int decimals) {
    m_nachkomma = std::clamp(decimals, 0, 6);
    update();
}

void TBalkenAnzeige::setWert(double wert) {
    m_wert = wert;
    update();
}

double TBalkenAnzeige::angezeigterWert() const {
    if (std::isnan(m_wert))
        return m_min;
    return std::clamp(m_wert, m_min, m_max);
}

double TBalkenAnzeige::balkenAnteil() const {
    return (angezeigterWert() - m_min) / (m_max - m_min);
}

void TBalkenAnzeige::setBalkenFarbe(const QColor &farbe) {
    m_balkenFarbe = farbe;
    update();
}

QString TBalkenAnzeige::zahlText(double wert) const {
    if (!std::isfinite(wert))
        return QStringLiteral("---");
    QString text = QString::number(wert, 'f', m_nachkomma);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

QSize TBalkenAnzeige::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(QStringLiteral("000")) + 30, fm.height() * 6);
}

QSize TBalkenAnzeige::sizeHint() const {
    const QFontMetrics fm(font());
    const QFontMetrics fett(FettSchrift(font()));
    int breite = fm.horizontalAdvance(zahlText(m_max)) + 44;
    breite = std::max(breite, fett.horizontalAdvance(m_beschriftung) + 12);
    return QSize(breite, fm.height() * 14);
}

void TBalkenAnzeige::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF innen = ZeichneGehaeuse(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kFlaeche);
    const double rand = 4.0;

    // Caption at the top, wrapped when the meter is narrow.
    const QFont fett = FettSchrift(font());
    p.setFont(fett);
    p.setPen(kSchrift);
    const QRectF textRaum(innen.left() + 2, innen.top() + rand, innen.width() - 4, innen.height() / 3);
    const QRectF kopf =
        m_beschriftung.isEmpty()
            ? QRectF(textRaum.topLeft(), QSizeF(textRaum.width(), 0))
            : p.boundingRect(textRaum, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_beschriftung);
    p.drawText(textRaum, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_beschriftung);

    // Value and unit in a dark window at the foot.
    const QFontMetricsF fmFett(fett);
    const double fussHoehe = fmFett.height() + 6;
    const QRectF fuss(innen.left() + rand, innen.bottom() - rand - fussHoehe, innen.width() - 2 * rand,
                      fussHoehe);
    ZeichneFenster(p, fuss, 2.0);
    p.setPen(m_balkenFarbe);
    QString wertText = zahlText(m_wert);
    if (!m_einheit.isEmpty())
        wertText += QLatin1Char(' ') + m_einheit;
    p.drawText(fuss, Qt::AlignCenter, fmFett.elidedText(wertText, Qt::ElideRight, fuss.width() - 2));

    // The scale between caption and foot.
    const QFont normal = font();
    const QFontMetricsF fm(normal);
    p.setFont(normal);
    const double skalaOben = kopf.bottom() + rand + fm.height() / 2;
    const double skalaUnten = fuss.top() - rand - fm.height() / 2;
    if (skalaUnten <= skalaOben + 4)
        return;
    const QList<double> marken = skalenMarken();
    double labelBreite = 0;
    for (double m : marken)
        labelBreite = std::max(labelBreite, fm.horizontalAdvance(zahlText(m)));
    const double strich = 5.0;
    const double roehreBreite = std::clamp(innen.width() * 0.2, 7.0, 18.0);
    const double zeigerBreite = std::clamp(roehreBreite * 0.7, 5.0, 10.0);
    const double gesamt = labelBreite + 2 + strich + 1 + roehreBreite + 1 + zeigerBreite;
    const double links = innen.left() + std::max(rand, (innen.width() - gesamt) / 2);
    const double strichX = links + labelBreite + 2;
    const QRectF roehre(strichX + strich + 1, skalaOben - 2, roehreBreite, skalaUnten - skalaOben + 4);
    auto yVon = [&](double v) {
        return skalaOben + (v - m_min) / (m_max - m_min) * (skalaUnten - skalaOben);
    };

    // marks with labels, and an unlabelled mark halfway between two of them
    p.setPen(QPen(kSchrift, 1.0));
    for (qsizetype i = 0; i < marken.size(); ++i) {
        const double y = yVon(marken.at(i));
        p.drawLine(QPointF(strichX, y), QPointF(strichX + strich, y));
        p.drawText(QRectF(links - 2, y - fm.height() / 2, labelBreite + 2, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, zahlText(marken.at(i)));
        if (i + 1 < marken.size()) {
            const double halb = yVon((marken.at(i) + marken.at(i + 1)) / 2);
            if (yVon(marken.at(i + 1)) - y > 10)
                p.drawLine(QPointF(strichX + strich / 2, halb), QPointF(strichX + strich, halb));
        }
    }

    // the tube, filled from the top down to the value
    ZeichneFenster(p, roehre, std::min(3.0, roehreBreite / 3));
    const double yWert = yVon(angezeigterWert());
    if (yWert > skalaOben + 0.5) {
        const QRectF balken(roehre.left() + 2, roehre.top() + 2, roehre.width() - 4,
                            yWert - roehre.top() - 2);
        QLinearGradient glanz(balken.topLeft(), balken.topRight());
        glanz.setColorAt(0.0, m_balkenFarbe.darker(150));
        glanz.setColorAt(0.4, m_balkenFarbe.lighter(130));
        glanz.setColorAt(1.0, m_balkenFarbe.darker(170));
        p.setPen(Qt::NoPen);
        p.setBrush(glanz);
        p.drawRoundedRect(balken, 1.5, 1.5);
    }

    // the pointer right of the tube; without a value there is none to point at
    if (std::isnan(m_wert))
        return;
    const double zx = roehre.right() + 1;
    const QPolygonF zeiger{QPointF(zx, yWert), QPointF(zx + zeigerBreite, yWert - zeigerBreite * 0.6),
                           QPointF(zx + zeigerBreite, yWert + zeigerBreite * 0.6)};
    p.setPen(QPen(m_balkenFarbe.darker(200), 1.0));
    p.setBrush(m_balkenFarbe);
    p.drawPolygon(zeiger);
}

// ---------------------------------------------------------------------------
// TLampe

TLampe::TLampe(QWidget *parent) : QWidget(parent), m_farbe(Qt::red) {
}

TLampe::TLampe(const QString &beschriftung, const QColor &farbe, QWidget *parent)
    : QWidget(parent), m_beschriftung(beschriftung), m_farbe(farbe) {
}

void TLampe::setBeschriftung(const QString &text) {
    m_beschriftung = text;
    updateGeometry();
    update();
}

void TLampe::setFarbe(const QColor &farbe) {
    m_farbe = farbe;
    update();
}

void TLampe::setAn(bool an) {
    if (an == m_an)
        return;
    m_an = an;
    update();
}

QSize TLampe::minimumSizeHint() const {
    const QFontMetrics fm(font());
    const int d = fm.height();
    return QSize(d + (m_beschriftung.isEmpty() ? 0 : fm.horizontalAdvance(m_beschriftung) + 5), d);
}

QSize TLampe::sizeHint() const {
    const QFontMetrics fm(font());
    const int d = fm.height() + 6;
    return QSize(d + 2 + (m_beschriftung.isEmpty() ? 0 : fm.horizontalAdvance(m_beschriftung) + 8), d + 2);
}

void TLampe::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(font());
    const double d = std::max(6.0, std::min(height() - 2.0, fm.height() + 6));
    const QPointF mitte(1 + d / 2, height() / 2.0);
    const double r = d / 2;

    // chrome bezel
    QLinearGradient fassung(mitte.x() - r, mitte.y() - r, mitte.x() + r, mitte.y() + r);
    fassung.setColorAt(0.0, QColor(235, 235, 235));
    fassung.setColorAt(1.0, QColor(70, 70, 70));
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(fassung);
    p.drawEllipse(mitte, r - 0.5, r - 0.5);

    // the glass: bright core when lit, a dim shade of the colour when dark
    const double rg = r * 0.74;
    const QColor basis =
        m_an ? m_farbe
             : QColor::fromHsvF(m_farbe.hsvHueF(), m_farbe.hsvSaturationF() * 0.7f, m_farbe.valueF() * 0.32f);
    QRadialGradient glas(mitte, rg, QPointF(mitte.x() - rg * 0.3, mitte.y() - rg * 0.3));
    glas.setColorAt(0.0, m_an ? basis.lighter(175) : basis.lighter(140));
    glas.setColorAt(0.6, basis);
    glas.setColorAt(1.0, basis.darker(m_an ? 130 : 150));
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(glas);
    p.drawEllipse(mitte, rg, rg);

    // specular highlight
    QRadialGradient licht(QPointF(mitte.x() - rg * 0.3, mitte.y() - rg * 0.4), rg * 0.5);
    licht.setColorAt(0.0, QColor(255, 255, 255, m_an ? 200 : 110));
    licht.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(licht);
    p.drawEllipse(QPointF(mitte.x() - rg * 0.3, mitte.y() - rg * 0.4), rg * 0.5, rg * 0.4);

    if (!m_beschriftung.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        const QRectF text(d + 6, 0, width() - d - 6, height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, m_beschriftung);
    }
}

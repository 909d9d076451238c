#include "display/UMietenBild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

const QColor kHimmelOben(163, 201, 232);
const QColor kHimmelUnten(226, 237, 243);
const QColor kKompostHell(156, 110, 64);
const QColor kKompostDunkel(78, 49, 28);
const QColor kKompostRand(58, 36, 20);
const QColor kBetonHell(176, 174, 166);
const QColor kBetonDunkel(128, 126, 120);
const QColor kErdeOben(96, 78, 56);
const QColor kErdeUnten(62, 50, 36);

// One fleck of straw or wood in the compost, placed in the pile's bounding box
// (fractions 0..1), so the texture scales with the picture.
struct TFleck {
    double u, v, laenge, winkel;
    bool hell;
};

const std::array<TFleck, 220> &Flecken() {
    static const std::array<TFleck, 220> flecken = [] {
        std::array<TFleck, 220> f{};
        QRandomGenerator zufall(4711);
        for (TFleck &x : f) {
            x.u = zufall.generateDouble();
            x.v = zufall.generateDouble();
            x.laenge = 0.006 + zufall.generateDouble() * 0.022;
            x.winkel = zufall.generateDouble() * 180.0;
            x.hell = zufall.bounded(3) != 0;
        }
        return f;
    }();
    return flecken;
}

} // namespace

TMietenBild::TMietenBild(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int tiefe : Tiefen)
        m_tiefenTexte.append(tr("%1 cm").arg(tiefe));
}

double TMietenBild::TiefenAnteil(int tiefeCm) {
    return 0.30 + std::clamp(tiefeCm, 0, 100) / 100.0 * 0.48;
}

void TMietenBild::setLinienAnfang(double anteil) {
    m_linienAnfang = std::clamp(anteil, 0.0, LanzeAnteil);
    update();
}

void TMietenBild::setTiefenTexte(const QStringList &texte) {
    m_tiefenTexte = texte;
    update();
}

void TMietenBild::setBelueftet(bool an) {
    if (an == m_belueftet)
        return;
    m_belueftet = an;
    update();
}

void TMietenBild::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    const double boden = BodenAnteil * h;
    const double oberflaeche = TiefenAnteil(0) * h;
    const double lanzeX = LanzeAnteil * w;

    // Sky and ground: a concrete floor with the aeration channel, soil below.
    QLinearGradient himmel(0, 0, 0, boden);
    himmel.setColorAt(0, kHimmelOben);
    himmel.setColorAt(1, kHimmelUnten);
    p.fillRect(QRectF(0, 0, w, boden), himmel);
    const double platte = 0.03 * h;
    QLinearGradient beton(0, boden, 0, boden + platte);
    beton.setColorAt(0, kBetonHell);
    beton.setColorAt(1, kBetonDunkel);
    p.fillRect(QRectF(0, boden, w, platte), beton);
    QLinearGradient erde(0, boden + platte, 0, h);
    erde.setColorAt(0, kErdeOben);
    erde.setColorAt(1, kErdeUnten);
    p.fillRect(QRectF(0, boden + platte, w, h - boden - platte), erde);
    p.setPen(QPen(QColor(90, 88, 82), 1.0));
    p.drawLine(QPointF(0, boden), QPointF(w, boden));

    // The pile: a rounded trapezoid from its left to its right foot.
    const double xl = FussLinks * w, xr = FussRechts * w, bw = xr - xl;
    const double hoehe = boden - oberflaeche;
    QPainterPath miete;
    miete.moveTo(xl, boden);
    miete.cubicTo(xl + 0.08 * bw, boden - 0.55 * hoehe, xl + 0.12 * bw, oberflaeche, xl + 0.27 * bw,
                  oberflaeche);
    miete.lineTo(xr - 0.27 * bw, oberflaeche);
    miete.cubicTo(xr - 0.12 * bw, oberflaeche, xr - 0.08 * bw, boden - 0.55 * hoehe, xr, boden);
    miete.closeSubpath();
    QLinearGradient kompost(0, oberflaeche, 0, boden);
    kompost.setColorAt(0, kKompostHell);
    kompost.setColorAt(1, kKompostDunkel);
    p.setPen(Qt::NoPen);
    p.setBrush(kompost);
    p.drawPath(miete);

    p.save();
    p.setClipPath(miete);
    // Settled layers, darker with depth.
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 4; ++i) {
        const double y = oberflaeche + hoehe * (i / 5.0);
        QPainterPath schicht;
        schicht.moveTo(xl, y);
        schicht.cubicTo(xl + bw * 0.3, y - hoehe * 0.04, xl + bw * 0.6, y + hoehe * 0.04, xr,
                        y - hoehe * 0.01);
        p.setPen(QPen(QColor(50, 30, 15, 45), std::max(1.0, h * 0.012)));
        p.drawPath(schicht);
    }
    // Straw and wood chips.
    const double fleckBreite = std::max(1.0, h * 0.004);
    for (const TFleck &f : Flecken()) {
        const QPointF mitte(xl + f.u * bw, oberflaeche + f.v * hoehe);
        const double l = f.laenge * w;
        const double a = f.winkel * std::numbers::pi / 180.0;
        const QPointF d(std::cos(a) * l / 2, std::sin(a) * l / 2);
        p.setPen(QPen(f.hell ? QColor(214, 178, 104, 150) : QColor(40, 24, 10, 120), fleckBreite,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(mitte - d, mitte + d);
    }
    p.restore();
    p.setPen(QPen(kKompostRand, std::max(1.0, h * 0.004)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(miete);

    // The aeration channel in the floor under the pile, leading out to the fan.
    const double kanalY = boden + platte * 0.5;
    const double kanalR = platte * 0.42;
    const double kanalX = (xl + xr) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 62, 66));
    p.drawRoundedRect(QRectF(kanalX - kanalR, kanalY - kanalR, w - kanalX + kanalR, 2 * kanalR), kanalR,
                      kanalR);
    p.setBrush(QColor(40, 40, 44));
    for (double x = xl + 0.12 * bw; x < xr - 0.1 * bw; x += 0.08 * bw)
        p.drawEllipse(QPointF(x, boden), kanalR * 0.35, kanalR * 0.35);

    // Air rising from the floor while the fan runs.
    if (m_belueftet) {
        p.save();
        p.setClipPath(miete);
        p.setPen(QPen(QColor(175, 215, 255, 170), std::max(1.0, h * 0.006), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            const double x0 = xl + bw * (0.18 + 0.16 * i);
            const double y0 = boden - h * 0.01;
            const double y1 = boden - hoehe * 0.55;
            QPainterPath strom;
            strom.moveTo(x0, y0);
            strom.cubicTo(x0 - bw * 0.04, y0 - (y0 - y1) * 0.35, x0 + bw * 0.04, y0 - (y0 - y1) * 0.65, x0,
                          y1);
            p.drawPath(strom);
            const double s = h * 0.012;
            p.drawLine(QPointF(x0, y1), QPointF(x0 - s, y1 + s));
            p.drawLine(QPointF(x0, y1), QPointF(x0 + s, y1 + s));
        }
        p.restore();
    }

    // The depth lines, dark on the sky, light in the compost.
    const double linienBreite = std::max(1.0, h * 0.0035);
    const double anfang = m_linienAnfang * w;
    for (int t : Tiefen) {
        const double y = TiefenAnteil(t) * h;
        p.setPen(QPen(QColor(70, 70, 80, 170), linienBreite, Qt::DashLine));
        p.drawLine(QPointF(anfang, y), QPointF(lanzeX, y));
        p.save();
        p.setClipPath(miete);
        p.setPen(QPen(QColor(250, 236, 205, 220), linienBreite, Qt::DashLine));
        p.drawLine(QPointF(anfang, y), QPointF(lanzeX, y));
        p.restore();
    }

    // The temperature lance: a steel rod with a handle, a sensor at each depth.
    const double stab = std::max(3.0, w * 0.012);
    const double kopf = oberflaeche - 0.11 * h;
    const double spitze = TiefenAnteil(100) * h + 0.03 * h;
    QLinearGradient stahl(lanzeX - stab / 2, 0, lanzeX + stab / 2, 0);
    stahl.setColorAt(0, QColor(120, 124, 130));
    stahl.setColorAt(0.45, QColor(236, 238, 240));
    stahl.setColorAt(1, QColor(96, 100, 106));
    p.setPen(Qt::NoPen);
    p.setBrush(stahl);
    QPainterPath rohr;
    rohr.addRect(QRectF(lanzeX - stab / 2, kopf, stab, spitze - kopf - stab));
    rohr.moveTo(lanzeX - stab / 2, spitze - stab);
    rohr.lineTo(lanzeX + stab / 2, spitze - stab);
    rohr.lineTo(lanzeX, spitze);
    rohr.closeSubpath();
    p.drawPath(rohr);
    const QRectF griff(lanzeX - stab * 3, kopf - stab * 1.2, stab * 6, stab * 1.4);
    p.setBrush(QColor(40, 70, 140));
    p.drawRoundedRect(griff, stab * 0.5, stab * 0.5);
    p.setPen(QPen(QColor(40, 40, 40), std::max(1.0, h * 0.003)));
    p.setBrush(Qt::NoBrush);
    QPainterPath kabel;
    kabel.moveTo(griff.left(), griff.center().y());
    kabel.cubicTo(griff.left() - w * 0.05, griff.center().y(), griff.left() - w * 0.04, kopf - h * 0.07,
                  griff.left() - w * 0.1, kopf - h * 0.07);
    p.drawPath(kabel);

    QFont schrift = font();
    schrift.setPixelSize(std::max(7, static_cast<int>(std::lround(h * 0.028))));
    schrift.setBold(true);
    p.setFont(schrift);
    const QFontMetricsF fm(schrift);
    for (int i = 0; i < 5; ++i) {
        const double y = TiefenAnteil(Tiefen[i]) * h;
        const double r = stab * 0.95;
        QRadialGradient glut(QPointF(lanzeX - r * 0.3, y - r * 0.3), r * 1.4);
        glut.setColorAt(0, QColor(255, 190, 120));
        glut.setColorAt(1, QColor(200, 40, 20));
        p.setPen(QPen(QColor(90, 20, 10), 1.0));
        p.setBrush(glut);
        p.drawEllipse(QPointF(lanzeX, y), r, r);
        if (i < m_tiefenTexte.size()) {
            const QRectF feld(lanzeX + r + 4, y - fm.height() / 2, w - lanzeX - r - 4, fm.height());
            p.setPen(QColor(30, 16, 6, 160));
            p.drawText(feld.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, m_tiefenTexte.at(i));
            p.setPen(QColor(255, 240, 210));
            p.drawText(feld, Qt::AlignLeft | Qt::AlignVCenter, m_tiefenTexte.at(i));
        }
    }
}

// ---------------------------------------------------------------------------

TLuefterBild::TLuefterBild(QWidget *parent) : QWidget(parent) {
    m_takt.setInterval(80);
    connect(&m_takt, &QTimer::timeout, this, [this] {
        m_drehung = std::fmod(m_drehung + 18.0, 360.0);
        update();
    });
}

void TLuefterBild::showEvent(QShowEvent *event) {
    m_takt.start();
    QWidget::showEvent(event);
}

void TLuefterBild::hideEvent(QHideEvent *event) {
    m_takt.stop();
    QWidget::hideEvent(event);
}

void TLuefterBild::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(width(), height());
    const QPointF mitte(width() / 2.0, height() / 2.0);
    const double r = s / 2 - 1;

    // Housing: a steel ring around a dark opening.
    QLinearGradient ring(mitte.x() - r, mitte.y() - r, mitte.x() + r, mitte.y() + r);
    ring.setColorAt(0, QColor(220, 224, 230));
    ring.setColorAt(1, QColor(90, 96, 108));
    p.setPen(QPen(QColor(50, 54, 62), 1.0));
    p.setBrush(ring);
    p.drawEllipse(mitte, r, r);
    p.setBrush(QColor(24, 34, 58));
    p.drawEllipse(mitte, r * 0.80, r * 0.80);

    // Impeller.
    p.save();
    p.translate(mitte);
    p.rotate(m_drehung);
    QPainterPath fluegel;
    fluegel.moveTo(0, 0);
    fluegel.cubicTo(r * 0.15, -r * 0.35, r * 0.55, -r * 0.55, r * 0.74, -r * 0.18);
    fluegel.cubicTo(r * 0.52, -r * 0.05, r * 0.25, r * 0.02, 0, 0);
    QLinearGradient blatt(0, -r * 0.5, r * 0.7, 0);
    blatt.setColorAt(0, QColor(120, 200, 255));
    blatt.setColorAt(1, QColor(30, 110, 200));
    p.setPen(QPen(QColor(10, 50, 110), 0.8));
    p.setBrush(blatt);
    for (int i = 0; i < 4; ++i) {
        p.drawPath(fluegel);
        p.rotate(90);
    }
    p.restore();
    QRadialGradient nabe(mitte - QPointF(r * 0.06, r * 0.06), r * 0.2);
    nabe.setColorAt(0, QColor(250, 250, 250));
    nabe.setColorAt(1, QColor(110, 116, 126));
    p.setPen(QPen(QColor(50, 54, 62), 0.8));
    p.setBrush(nabe);
    p.drawEllipse(mitte, r * 0.16, r * 0.16);
}

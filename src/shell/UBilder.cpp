#include "shell/UBilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Bilder {

namespace {

QPixmap leer(QSize groesse, qreal verhaeltnis) {
    QPixmap bild(groesse * verhaeltnis);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::transparent);
    return bild;
}

// A leaf of length l pointing up and to the right from its stem at (0,0).
QPainterPath blatt(qreal l) {
    QPainterPath p;
    p.moveTo(0, 0);
    p.cubicTo(l * 0.05, -l * 0.55, l * 0.55, -l * 0.95, l, -l);
    p.cubicTo(l * 0.95, -l * 0.45, l * 0.55, -l * 0.02, 0, 0);
    return p;
}

} // namespace

QPixmap HerstellerLogo(int seite, qreal verhaeltnis) {
    QPixmap bild = leer(QSize(seite, seite), verhaeltnis);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = seite;

    // green tile
    QLinearGradient grund(0, 0, 0, s);
    grund.setColorAt(0, QColor(0x43, 0xA0, 0x47));
    grund.setColorAt(1, QColor(0x1B, 0x5E, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);

    // the pile
    QPainterPath miete;
    miete.moveTo(s * 0.08, s * 0.86);
    miete.cubicTo(s * 0.22, s * 0.50, s * 0.78, s * 0.50, s * 0.92, s * 0.86);
    miete.closeSubpath();
    QLinearGradient erde(0, s * 0.55, 0, s * 0.86);
    erde.setColorAt(0, QColor(0xA1, 0x88, 0x7F));
    erde.setColorAt(1, QColor(0x4E, 0x34, 0x2E));
    p.setBrush(erde);
    p.drawPath(miete);
    // layers of the pile
    p.setPen(QPen(QColor(0x3E, 0x27, 0x23, 140), s * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.25, s * 0.68, s * 0.5, s * 0.16), 20 * 16, 140 * 16);
    p.drawArc(QRectF(s * 0.18, s * 0.76, s * 0.64, s * 0.14), 25 * 16, 130 * 16);

    // the leaf growing from the top of the pile
    p.save();
    p.translate(s * 0.46, s * 0.60);
    p.rotate(-8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC5, 0xE1, 0xA5));
    p.drawPath(blatt(s * 0.34));
    p.setPen(QPen(QColor(0x33, 0x69, 0x1E), s * 0.02, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(s * 0.26, -s * 0.26));
    p.restore();

    // the O2 bubble
    const QRectF blase(s * 0.10, s * 0.10, s * 0.36, s * 0.36);
    QRadialGradient glanz(blase.center() - QPointF(s * 0.05, s * 0.05), s * 0.22);
    glanz.setColorAt(0, QColor(255, 255, 255));
    glanz.setColorAt(1, QColor(0xB3, 0xE5, 0xFC));
    p.setPen(QPen(QColor(255, 255, 255, 220), s * 0.02));
    p.setBrush(glanz);
    p.drawEllipse(blase);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(qMax(6, static_cast<int>(s * 0.17)));
    p.setFont(schrift);
    p.setPen(QColor(0x0D, 0x47, 0xA1));
    QRectF o = blase.adjusted(0, 0, -s * 0.05, 0);
    p.drawText(o, Qt::AlignCenter, QStringLiteral("O"));
    schrift.setPixelSize(qMax(5, static_cast<int>(s * 0.10)));
    p.setFont(schrift);
    p.drawText(QRectF(blase.center().x() + s * 0.045, blase.center().y() - s * 0.01, s * 0.1, s * 0.12),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("2"));
    return bild;
}

QPixmap PartnerBild(QSize groesse, qreal verhaeltnis) {
    QPixmap bild = leer(groesse, verhaeltnis);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal h = groesse.height();
    const qreal w = groesse.width();

    // emblem: a ring with a leaf and a thermometer
    const QRectF ring(1, 1, h - 2, h - 2);
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), h * 0.07));
    p.setBrush(QColor(0xF1, 0xF8, 0xE9));
    p.drawEllipse(ring.adjusted(h * 0.04, h * 0.04, -h * 0.04, -h * 0.04));
    p.save();
    p.translate(ring.center().x() - h * 0.12, ring.center().y() + h * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0xBB, 0x6A));
    p.drawPath(blatt(h * 0.42));
    p.restore();
    const qreal tx = ring.center().x() + h * 0.14;
    p.setPen(QPen(QColor(0xC6, 0x28, 0x28), h * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tx, ring.top() + h * 0.22), QPointF(tx, ring.bottom() - h * 0.30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawEllipse(QPointF(tx, ring.bottom() - h * 0.27), h * 0.08, h * 0.08);

    // lettering
    const QRectF text(h + h * 0.15, 0, w - h - h * 0.15, h);
    QFont gross(QStringLiteral("DejaVu Sans"));
    gross.setBold(true);
    gross.setPixelSize(qMax(6, static_cast<int>(h * 0.36)));
    p.setFont(gross);
    p.setPen(QColor(0x1B, 0x5E, 0x20));
    p.drawText(text.adjusted(0, 0, 0, -h * 0.45), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Kompost"));
    QFont klein(QStringLiteral("DejaVu Sans"));
    klein.setPixelSize(qMax(5, static_cast<int>(h * 0.24)));
    p.setFont(klein);
    p.setPen(QColor(0x55, 0x6B, 0x2F));
    p.drawText(text.adjusted(0, h * 0.56, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Partner"));
    return bild;
}

} // namespace Bilder

#include "UBildklein.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace Bildklein {

namespace {

struct TFarbe {
    QRgb Rgb;
    qint64 Anzahl;
};

int Kanal(QRgb c, int k) {
    return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
}

// A box of the median cut: the colours [Von, Bis) of the shared list.
struct TKasten {
    size_t Von = 0;
    size_t Bis = 0;
    int Kanal = 0;  // the channel of the widest range
    int Weite = -1; // that range; -1 while a single colour
};

void Vermessen(const std::vector<TFarbe> &farben, TKasten &k) {
    int min[3] = {255, 255, 255}, max[3] = {0, 0, 0};
    for (size_t i = k.Von; i < k.Bis; ++i)
        for (int c = 0; c < 3; ++c) {
            min[c] = std::min(min[c], Kanal(farben[i].Rgb, c));
            max[c] = std::max(max[c], Kanal(farben[i].Rgb, c));
        }
    k.Kanal = 0;
    for (int c = 1; c < 3; ++c)
        if (max[c] - min[c] > max[k.Kanal] - min[k.Kanal])
            k.Kanal = c;
    k.Weite = k.Bis - k.Von > 1 ? max[k.Kanal] - min[k.Kanal] : -1;
}

// The box's colour: its most frequent colour where that covers most of the
// box (a window's flat areas keep their exact colour), else the weighted mean.
QRgb Vertreter(const std::vector<TFarbe> &farben, const TKasten &k) {
    qint64 summe = 0, r = 0, g = 0, b = 0;
    size_t haeufigste = k.Von;
    for (size_t i = k.Von; i < k.Bis; ++i) {
        const TFarbe &f = farben[i];
        summe += f.Anzahl;
        r += qRed(f.Rgb) * f.Anzahl;
        g += qGreen(f.Rgb) * f.Anzahl;
        b += qBlue(f.Rgb) * f.Anzahl;
        if (f.Anzahl > farben[haeufigste].Anzahl)
            haeufigste = i;
    }
    if (2 * farben[haeufigste].Anzahl > summe)
        return farben[haeufigste].Rgb;
    return qRgb(static_cast<int>((r + summe / 2) / summe), static_cast<int>((g + summe / 2) / summe),
                static_cast<int>((b + summe / 2) / summe));
}

int Abstand(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

} // namespace

QImage Verkleinert(const QImage &bild, int breite) {
    if (bild.width() <= breite)
        return bild;
    return bild.scaledToWidth(breite, Qt::SmoothTransformation);
}

QImage MitPalette(const QImage &bild, int n) {
    n = std::clamp(n, 2, 256);
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> zaehler;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *zeile = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++zaehler[zeile[x] | 0xFF000000u];
    }
    std::vector<TFarbe> farben;
    farben.reserve(static_cast<size_t>(zaehler.size()));
    for (auto it = zaehler.cbegin(); it != zaehler.cend(); ++it)
        farben.push_back({it.key(), it.value()});
    // a fixed order, so that the same picture gives the same palette
    std::sort(farben.begin(), farben.end(), [](const TFarbe &a, const TFarbe &b) { return a.Rgb < b.Rgb; });

    QList<QRgb> palette;
    if (farben.size() <= static_cast<size_t>(n)) {
        for (const TFarbe &f : farben)
            palette.append(f.Rgb);
    } else {
        std::vector<TKasten> kaesten{{0, farben.size()}};
        Vermessen(farben, kaesten.front());
        while (kaesten.size() < static_cast<size_t>(n)) {
            // the box of the widest range is split at its weighted median
            auto breitester =
                std::max_element(kaesten.begin(), kaesten.end(),
                                 [](const TKasten &a, const TKasten &b) { return a.Weite < b.Weite; });
            if (breitester->Weite < 0)
                break;
            TKasten k = *breitester;
            std::sort(farben.begin() + static_cast<std::ptrdiff_t>(k.Von),
                      farben.begin() + static_cast<std::ptrdiff_t>(k.Bis),
                      [c = k.Kanal](const TFarbe &a, const TFarbe &b) {
                          return Kanal(a.Rgb, c) < Kanal(b.Rgb, c);
                      });
            qint64 summe = 0;
            for (size_t i = k.Von; i < k.Bis; ++i)
                summe += farben[i].Anzahl;
            qint64 links = 0;
            size_t mitte = k.Von + 1;
            for (size_t i = k.Von; i + 1 < k.Bis; ++i) {
                links += farben[i].Anzahl;
                mitte = i + 1;
                if (2 * links >= summe)
                    break;
            }
            TKasten a{k.Von, mitte}, b{mitte, k.Bis};
            Vermessen(farben, a);
            Vermessen(farben, b);
            *breitester = a;
            kaesten.push_back(b);
        }
        for (const TKasten &k : kaesten)
            palette.append(Vertreter(farben, k));
    }

    // every colour of the picture to its nearest palette colour
    QHash<QRgb, uchar> index;
    for (const TFarbe &f : farben) {
        int bester = 0;
        for (int i = 1; i < palette.size(); ++i)
            if (Abstand(f.Rgb, palette[i]) < Abstand(f.Rgb, palette[bester]))
                bester = i;
        index.insert(f.Rgb, static_cast<uchar>(bester));
    }
    QImage ergebnis(rgb.size(), QImage::Format_Indexed8);
    ergebnis.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *ein = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *aus = ergebnis.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            aus[x] = index.value(ein[x] | 0xFF000000u);
    }
    return ergebnis;
}

} // namespace Bildklein

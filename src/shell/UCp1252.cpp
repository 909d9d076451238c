#include "UCp1252.h"

#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the five undefined places keep their C1 value.
constexpr std::array<char16_t, 32> hoch = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace Cp1252 {

QByteArray encode(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (hoch[static_cast<size_t>(i)] == u) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(b);
    }
    return out;
}

bool darstellbar(const QString &text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            continue;
        bool gefunden = false;
        for (char16_t h : hoch)
            gefunden = gefunden || h == u;
        if (!gefunden)
            return false;
    }
    return true;
}

QString decode(const QByteArray &bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            out.append(QChar(hoch[b - 0x80]));
        else
            out.append(QChar(static_cast<char16_t>(b)));
    }
    return out;
}

} // namespace Cp1252

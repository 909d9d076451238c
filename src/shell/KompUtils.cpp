#include "KompUtils.h"

#include "UCp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace KompUtils {

int CelsiusNachFahrenheit(int a) {
    return a * 9 / 5 + 32;
}

int CmNachZoll(int a) {
    return a * 100 / 254;
}

double CelsiusNachFahrenheitF(double x) {
    return std::trunc(x * 9.0 / 5.0 + 32.0) + 0.1;
}

double FahrenheitNachCelsiusF(double x) {
    return std::trunc((x - 32.0) * 5.0 / 9.0) + 0.1;
}

double CmNachZollF(double x) {
    return std::trunc(x / 2.54) + 0.1;
}

void BerechneRefMarke(tAnlageMesswerte &W, double refTemp) {
    W.RefMarke = 100;
    int k = 1;
    while (k <= 5 && !(static_cast<double>(W.T[static_cast<size_t>(k)]) < refTemp))
        ++k;
    if (k > 5) {
        W.RefMarke = 0;
        return;
    }
    if (k == 1)
        return;
    // 64 bits: temperatures from a damaged file or reply may be anything a 32-bit number holds
    const qint64 d = qint64(W.T[static_cast<size_t>(k - 1)]) - qint64(W.T[static_cast<size_t>(k)]);
    if (d <= 0)
        return;
    const double x = (refTemp - W.T[static_cast<size_t>(k)]) * 25.0 / static_cast<double>(d);
    if (x > 0.0 && x <= 25.0)
        W.RefMarke = static_cast<qint32>(std::trunc(x)) + 125 - 25 * k;
}

QString PfadMeldung(const QString &pfad) {
    if (Cp1252::darstellbar(pfad))
        return QString();
    QString zeichen;
    for (QChar c : pfad)
        if (!Cp1252::darstellbar(QString(c)) && !zeichen.contains(c))
            zeichen += c;
    return QCoreApplication::translate(
               "KompUtils", "Der Pfad %1 enthält Zeichen (%2), die die Konfigurationsdatei und die "
                            "Speicherdateien nicht aufnehmen können. Bitte einen Ordner ohne diese "
                            "Zeichen wählen.")
        .arg(QDir::toNativeSeparators(pfad), zeichen);
}

void BildeRefText(TZustand &z) {
    int n = static_cast<int>(std::nearbyint(z.RefTemp)); // halves to the even neighbour
    if (z.Metric)
        n = CelsiusNachFahrenheit(n);
    // The caption of the reference depth follows the language of the windows.
    z.RefText = (z.Metric ? QCoreApplication::translate("KompUtils", "s %1°F[in]")
                          : QCoreApplication::translate("KompUtils", "s %1°C[cm]"))
                    .arg(n);
}

int ZaehleZeichen(char c, const QByteArray &s) {
    return static_cast<int>(s.count(c));
}

int ZaehleZeichen(QChar c, const QString &s) {
    return static_cast<int>(s.count(c));
}

namespace {

template <typename Str, typename Ch> bool naechstesFeld(Ch sep, Str &s, Str &feld) {
    feld.clear();
    if (s.isEmpty())
        return false;
    qsizetype start = 0;
    while (start < s.size() && s.at(start) == sep)
        ++start;
    if (start >= s.size())
        return false;
    const qsizetype ende = s.indexOf(sep, start);
    if (ende < 0) {
        feld = s.mid(start);
        s.clear();
        return true;
    }
    feld = s.mid(start, ende - start);
    if (ende == s.size() - 1)
        s.clear();
    else
        s.remove(0, ende);
    return true;
}

template <typename Str, typename Ch> bool trenneFeld(Ch sep, Str &s, Str &feld) {
    if (s.isEmpty())
        return false;
    const qsizetype p = s.indexOf(sep);
    if (p >= 0) {
        feld = s.left(p);
        s.remove(0, p + 1);
    }
    return true;
}

} // namespace

bool NaechstesFeld(char sep, QByteArray &s, QByteArray &feld) {
    return naechstesFeld(sep, s, feld);
}
bool NaechstesFeld(QChar sep, QString &s, QString &feld) {
    return naechstesFeld(sep, s, feld);
}
bool TrenneFeld(char sep, QByteArray &s, QByteArray &feld) {
    return trenneFeld(sep, s, feld);
}
bool TrenneFeld(QChar sep, QString &s, QString &feld) {
    return trenneFeld(sep, s, feld);
}

bool IstIPAdresse(const QString &s) {
    if (s.size() > 15 || s.startsWith(QLatin1Char('.')))
        return false;
    int punkte = 0;
    int gruppe = 0;
    int ziffern = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c != QLatin1Char('.') && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
        if (ziffern >= 4)
            return false;
        if (c == QLatin1Char('.')) {
            ++punkte;
            gruppe = 0;
            ziffern = 0;
            if (i + 1 >= s.size())
                return false;
            const QChar n = s.at(i + 1);
            if (!(n >= QLatin1Char('0') && n <= QLatin1Char('9')))
                return false;
        } else {
            gruppe = gruppe * 10 + (c.unicode() - '0');
            ++ziffern;
            if (gruppe > 255 || ziffern > 3)
                return false;
        }
    }
    return punkte >= 3;
}

void Warte(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

QString KurzDatumFormat(const QLocale &locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

QString KurzDatum(const QLocale &locale, const QDate &datum) {
    return locale.toString(datum, KurzDatumFormat(locale));
}

QString DatumZeit(const QLocale &locale, const QDateTime &zeit) {
    return KurzDatum(locale, zeit.date()) + QLatin1Char(' ') +
           zeit.time().toString(QStringLiteral("hh:mm:ss"));
}

bool AlsGanzzahl(QByteArrayView text, qint32 &wert) {
    qsizetype i = 0;
    qsizetype n = text.size();
    auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && leer(text.at(i)))
        ++i;
    while (n > i && leer(text.at(n - 1)))
        --n;
    if (i >= n)
        return false;
    bool negativ = false;
    if (text.at(i) == '-' || text.at(i) == '+') {
        negativ = text.at(i) == '-';
        ++i;
    }
    if (i >= n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > static_cast<qint64>(std::numeric_limits<qint32>::max()) + 1)
            return false;
    }
    if (negativ)
        v = -v;
    if (v > std::numeric_limits<qint32>::max() || v < std::numeric_limits<qint32>::min())
        return false;
    wert = static_cast<qint32>(v);
    return true;
}

bool AlsGanzzahl(const QString &text, qint32 &wert) {
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return AlsGanzzahl(QByteArrayView(text.toLatin1()), wert);
}

QString Maskiert(QByteArrayView bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b <= 0x7E && b != '\\') {
            text += QLatin1Char(c);
        } else {
            text += QLatin1String("\\x");
            text += QLatin1Char(Hex[b >> 4]);
            text += QLatin1Char(Hex[b & 0x0F]);
        }
    }
    return text;
}

QString Einzeilig(const QString &text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029) {
            ergebnis += QLatin1String("\\x");
            if (u > 0xFF) {
                ergebnis += QString::number(u, 16).toUpper();
            } else {
                ergebnis += QLatin1Char(Hex[u >> 4]);
                ergebnis += QLatin1Char(Hex[u & 0x0F]);
            }
        } else {
            ergebnis += c;
        }
    }
    return ergebnis;
}

QByteArray FeldAlsText(QByteArrayView feld) {
    QByteArray text(feld.data(), feld.size());
    for (char &c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == ';')
            c = '?';
    }
    return text;
}

bool AufDisk(QFileDevice &f, QString &grund) {
    if (!f.flush()) {
        grund = f.errorString();
        return false;
    }
#if defined(Q_OS_WIN)
    const bool synchron = _commit(f.handle()) == 0;
#else
    const bool synchron = ::fsync(f.handle()) == 0;
#endif
    if (!synchron) {
        grund = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace KompUtils

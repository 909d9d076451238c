// Arbitrary configuration files and one write into them. The input is the
// file's bytes, then after a NUL byte the section, key and value to write,
// separated by NUL bytes (missing parts are empty). Invariants: a write that
// succeeds reads back (each line break, CR LF included, becomes one blank;
// blanks around the value do not count); every other key reads as before; every line of the file that
// the write did not touch is still there, in order, byte for byte; a refused
// write leaves the file as it was.
#include "shell/UIniDatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray lies(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Lines without their line ends (a line ends at LF; a CR before it goes too).
QByteArrayList zeilen(const QByteArray &daten) {
    QByteArrayList l = daten.split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    for (QByteArray &z : l)
        if (z.endsWith('\r'))
            z.chop(1);
    return l;
}

// Whether a is b with at most `mehr` lines added and at most one line changed.
bool fastGleich(const QByteArrayList &alt, const QByteArrayList &neu) {
    if (neu.size() < alt.size() || neu.size() > alt.size() + 2)
        return false;
    qsizetype i = 0, j = 0;
    int geaendert = 0;
    while (i < alt.size() && j < neu.size()) {
        if (alt.at(i) == neu.at(j)) {
            ++i;
            ++j;
        } else if (neu.size() - j > alt.size() - i) {
            ++j; // an inserted line
        } else {
            ++i;
            ++j;
            ++geaendert;
        }
    }
    return i == alt.size() && geaendert <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir ordner;
    static const QString pfad = ordner.filePath(QStringLiteral("O2_Tarvos.ini"));
    const QByteArray eingabe(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QByteArrayList teile = eingabe.split('\0');
    const QByteArray datei = teile.value(0);
    const QString sektion = QString::fromLatin1(teile.value(1));
    const QString schluessel = QString::fromLatin1(teile.value(2));
    const QString wert = QString::fromLatin1(teile.value(3));
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(datei);
    }

    // every section/key pair the file names, read before the write
    TIniDatei vorher(pfad, QLocale::c());
    QList<std::pair<QString, QString>> paare;
    QString aktuelle;
    for (const QByteArray &z : zeilen(datei)) {
        const QString t = QString::fromLatin1(z).trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']'))) {
            aktuelle = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
        } else if (const qsizetype g = t.indexOf(QLatin1Char('=')); g > 0 && paare.size() < 200) {
            paare.append({aktuelle, t.left(g).trimmed()});
        }
    }
    QStringList werteVorher;
    for (const auto &[s, k] : paare)
        werteVorher.append(vorher.ReadString(s, k, QStringLiteral("\x01")));

    TIniDatei ini(pfad, QLocale::c());
    const bool ok = ini.WriteString(sektion, schluessel, wert);
    const QByteArray nachher = lies(pfad);
    if (!ok) {
        if (nachher != datei)
            std::abort();
        return 0;
    }
    QString erwartet = wert;
    erwartet.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    erwartet = erwartet.trimmed();
    TIniDatei neu(pfad, QLocale::c());
    if (neu.ReadString(sektion, schluessel, QStringLiteral("\x01")) != erwartet)
        std::abort();
    for (qsizetype i = 0; i < paare.size(); ++i) {
        const auto &[s, k] = paare.at(i);
        if (QString::compare(s, sektion.trimmed(), Qt::CaseInsensitive) == 0 &&
            QString::compare(k, schluessel.trimmed(), Qt::CaseInsensitive) == 0)
            continue;
        if (neu.ReadString(s, k, QStringLiteral("\x01")) != werteVorher.at(i))
            std::abort();
    }
    if (!fastGleich(zeilen(datei), zeilen(nachher)))
        std::abort();
    return 0;
}

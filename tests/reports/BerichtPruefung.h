// Helpers of the report tests: poppler's tools on a written PDF, and the
// placed fields of a planned report by name.
#pragma once

#include "toolkit/UBericht.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace BerichtPruefung {

inline QString poppler(const QString &programm, const QStringList &argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(programm, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString pdfText(const QString &datei) {
    return poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
}

inline QString pdfInfo(const QString &datei, const QString &schluessel) {
    const QString info = poppler(QStringLiteral("pdfinfo"), {datei});
    const QRegularExpressionMatch m =
        QRegularExpression(QRegularExpression::escape(schluessel) + QStringLiteral(":\\s+(.*)")).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : info;
}

// The placed field of that name on a page (the first band that has it), or none.
inline const TGesetztesFeld *feld(const TSeite &seite, const QString &name, int zeile = 0) {
    for (const TGesetztesBand &b : seite.Baender) {
        if (zeile > 0 && b.Zeile != zeile)
            continue;
        for (const TGesetztesFeld &f : b.Felder)
            if (f.Feld->Name == name)
                return &f;
    }
    return nullptr;
}

inline const TGesetztesBand *band(const TSeite &seite, const QString &name, int zeile = 0) {
    for (const TGesetztesBand &b : seite.Baender)
        if (b.Band->Name == name && (zeile == 0 || b.Zeile == zeile))
            return &b;
    return nullptr;
}

// Where a test may keep its PDFs for a look (KOMPOST_BERICHTE=folder); else the temporary folder.
inline QString ablage(const QString &temp, const QString &name) {
    const QString ordner = qEnvironmentVariable("KOMPOST_BERICHTE");
    return (ordner.isEmpty() ? temp : ordner) + QLatin1Char('/') + name;
}

} // namespace BerichtPruefung

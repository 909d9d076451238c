#include "shell/UHeimordner.h"

#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace Heimordner {

namespace {

// The path as the comparison needs it: absolute, cleaned, links resolved
// where it exists.
QString vergleichbar(const QString &ordner) {
    const QFileInfo info(ordner);
    const QString echt = info.exists() ? info.canonicalFilePath() : QString();
    return QDir::cleanPath(echt.isEmpty() ? info.absoluteFilePath() : echt);
}

} // namespace

TOrte Plattform(const QString &programmordner) {
    TOrte orte;
    orte.Programmordner = programmordner;
    orte.Beschreibbar = [](const QString &ordner) { return Beschreibbar(ordner); };
#ifdef Q_OS_WIN
    QString programData = qEnvironmentVariable("ProgramData");
    if (programData.isEmpty())
        programData = QStringLiteral("C:/ProgramData");
    orte.Datenordner =
        QDir(QDir::fromNativeSeparators(programData)).filePath(QStringLiteral("Kompost-Leitstand"));
    for (const char *name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString ordner = qEnvironmentVariable(name);
        if (!ordner.isEmpty())
            orte.Systemordner.append(QDir::fromNativeSeparators(ordner));
    }
    orte.Schreibung = Qt::CaseInsensitive;
#else
    orte.Datenordner = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                           .filePath(QStringLiteral("kompost"));
    orte.Systemordner = {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin"),
                         QStringLiteral("/snap")};
#endif
    return orte;
}

TWahl Bestimme(const QString &kommandozeile, const TOrte &orte) {
    if (!kommandozeile.isEmpty())
        return {QDir(kommandozeile).absolutePath(), TGrund::Kommandozeile};
    const QString programm = QDir(orte.Programmordner).absolutePath();
    if (HaeltInstallation(programm))
        return {programm, TGrund::Installation};
    const bool beschreibbar = orte.Beschreibbar ? orte.Beschreibbar(programm) : Beschreibbar(programm);
    if (beschreibbar && !Innerhalb(programm, orte.Systemordner, orte.Schreibung))
        return {programm, TGrund::Programmordner};
    return {QDir(orte.Datenordner).absolutePath(), TGrund::Datenordner};
}

bool HaeltInstallation(const QString &ordner) {
    const QDir d(ordner);
    return QFileInfo::exists(d.filePath(QLatin1String(InstallationsDateiName))) ||
           QFileInfo::exists(d.filePath(QLatin1String(KonfigDateiName)));
}

bool Beschreibbar(const QString &ordner) {
    if (!QFileInfo(ordner).isDir())
        return false;
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral(".kompost-probe-XXXXXX")));
    return probe.open();
}

bool Innerhalb(const QString &ordner, const QStringList &ordnerListe, Qt::CaseSensitivity gross) {
    const QString pfad = vergleichbar(ordner);
    for (const QString &o : ordnerListe) {
        if (o.isEmpty())
            continue;
        const QString basis = vergleichbar(o);
        if (pfad.compare(basis, gross) == 0 ||
            pfad.startsWith(basis.endsWith(QLatin1Char('/')) ? basis : basis + QLatin1Char('/'), gross))
            return true;
    }
    return false;
}

} // namespace Heimordner

#include "reports/UMietenName.h"

#include "data/UMessDaten.h"

#include <QCoreApplication>

namespace {
// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(MietenName)
};
} // namespace

namespace MietenName {

QString AusDatei(const TMessDaten &daten) {
    return daten.PlantName().trimmed();
}

QString Hinweis(const QString &dateiName, const QString &anlagenName, const QString &nummer) {
    const QString anlage = anlagenName.trimmed();
    if (anlage.isEmpty() || anlage == dateiName.trimmed())
        return QString();
    return TTexte::tr("Name weicht von Anlage %1 ab: „%2“").arg(nummer, anlage);
}

QString Anzeige(const QString &dateiName, const QString &anlagenName, const QString &nummer) {
    const QString name = dateiName.trimmed().toHtmlEscaped();
    const QString hinweis = Hinweis(dateiName, anlagenName, nummer);
    if (hinweis.isEmpty())
        return name;
    return name + QStringLiteral("&nbsp;&nbsp;&nbsp;<span style=\"color:#b00000;\">") +
           hinweis.toHtmlEscaped() + QStringLiteral("</span>");
}

} // namespace MietenName

#include "alarm/UAlarmTexte.h"

#include <QCoreApplication>

QString tAlarmText::Einsetzen(const QString &vorlage, const QStringList &argumente) {
    QString text;
    text.reserve(vorlage.size() + 32);
    for (qsizetype i = 0; i < vorlage.size(); ++i) {
        const QChar c = vorlage.at(i);
        if (c == QLatin1Char('%') && i + 1 < vorlage.size()) {
            const int ziffer = vorlage.at(i + 1).digitValue();
            if (ziffer >= 1 && ziffer <= argumente.size()) {
                text += argumente.at(ziffer - 1);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

QString tAlarmText::Deutsch() const {
    return Vorlage ? Einsetzen(QString::fromUtf8(Vorlage), Argumente) : QString();
}

QString tAlarmText::Uebersetzt() const {
    return Vorlage ? Einsetzen(QCoreApplication::translate(AlarmTextKontext, Vorlage), Argumente) : QString();
}

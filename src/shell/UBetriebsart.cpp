#include "shell/UBetriebsart.h"

#include <QCoreApplication>

namespace KompUtils {

QString BetriebsartText(int art) {
    // Under the live display's context, where the translations know them.
    switch (art) {
    case 0:
        return QCoreApplication::translate("TFAnzeige", "Manuell- AUS");
    case 1:
        return QCoreApplication::translate("TFAnzeige", "Manuell- EIN");
    case 2:
        return QCoreApplication::translate("TFAnzeige", "Intervall");
    case 3:
        return QCoreApplication::translate("TFAnzeige", "O2-Regelung");
    case 4:
        return QCoreApplication::translate("TFAnzeige", "Steuerbetrieb");
    default:
        return QString::number(art);
    }
}

} // namespace KompUtils

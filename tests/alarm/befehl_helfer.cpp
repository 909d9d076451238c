// Starts its arguments as the alarm command is started and runs until it is
// killed: the tests kill it outright and look whether the command died with it.
#include "alarm/UKindProzess.h"

#include <QCoreApplication>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty())
        return 2;
    TKindProzess kind;
    kind.setProgram(argumente.takeFirst());
    kind.setArguments(argumente);
    kind.Starte();
    if (!kind.waitForStarted(5000))
        return 1;
    return QCoreApplication::exec();
}

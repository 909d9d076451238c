#include "shell/ULauf.h"

#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"

#include <QDir>

TZustand TLauf::zustandFuer(const QString &heimordner) {
    TZustand z;
    z.Heimordner = QDir(heimordner).absolutePath();
    LeseInstallation(z);
    return z;
}

TLauf::TLauf(const QString &heimordner, IDialoge &dialoge)
    : Zustand(zustandFuer(heimordner)),
      Ini(HeimDatei(Zustand, QLatin1String(KonfigDateiName)), Zustand.Gebietsschema), Log(Zustand),
      Komm(Zustand), Daten(Zustand, Ini), Dialoge(dialoge) {
    Komm.Protokoll.SetzeLog(&Log);
}

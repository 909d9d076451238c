#include "UInstallation.h"

#include "UIniDatei.h"
#include "UKonfiguration.h"

namespace {

const QString Installation = QStringLiteral("Installation");

int ganzzahlImBereich(const TIniDatei &ini, const QString &key, int von, int bis, int def) {
    const int wert = ini.ReadInteger(Installation, key, def);
    return (wert >= von && wert <= bis) ? wert : def;
}

} // namespace

void LeseInstallation(TZustand &z) {
    const TIniDatei ini(HeimDatei(z, QLatin1String(InstallationsDateiName)), z.Gebietsschema);
    LeseInstallation(z, ini);
}

void LeseInstallation(TZustand &z, const TIniDatei &ini) {
    z.OptAnlagenAnzahl = ganzzahlImBereich(ini, QStringLiteral("Anlagen"), 1, MaxAnlagen, 1);
    z.OptAdressen33 = ini.ReadBool(Installation, QStringLiteral("Adressen33"), false);
    z.OptLogo = ini.ReadBool(Installation, QStringLiteral("Logo"), false);
    z.OptBaudIndex = ganzzahlImBereich(ini, QStringLiteral("BaudIndex"), 0, 3, 0);
    z.OptNetzwerk = ini.ReadBool(Installation, QStringLiteral("Netzwerk"), false);
    for (int n = 1; n <= 8; ++n) {
        const QString geraet = ini.ReadString(QStringLiteral("Ports"), PortName(n), QString());
        z.OptPortGeraete[static_cast<size_t>(n)] = geraet.isEmpty() ? StandardPortGeraet(n) : geraet;
    }
}

QString StandardPortGeraet(int n) {
    if (n < 1 || n > 8)
        return QString();
#ifdef Q_OS_WIN
    return PortName(n);
#else
    return QStringLiteral("/dev/ttyS") + QString::number(n - 1);
#endif
}

QString PortName(int n) {
    return QStringLiteral("COM") + QString::number(n);
}

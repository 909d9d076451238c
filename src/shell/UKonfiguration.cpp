#include "UKonfiguration.h"

#include "UIniDatei.h"

#include <QDir>

namespace {

const QString Com = QStringLiteral("COM");

bool gueltigeNummer(int Nr) {
    return Nr >= 1 && Nr <= MaxAnlagen;
}

} // namespace

QString HeimDatei(const TZustand &z, const QString &name) {
    return QDir(z.Heimordner).filePath(name);
}

QString HeimordnerMitTrenner(const TZustand &z) {
    QString pfad = QDir::toNativeSeparators(z.Heimordner);
    if (!pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    return pfad;
}

QStringList LeseFirmenZeilen(const TIniDatei &ini) {
    const QString firma = QStringLiteral("Firma");
    return {
        ini.ReadString(firma, QStringLiteral("Titel"), QStringLiteral("Firmen- Name")),
        ini.ReadString(firma, QStringLiteral("Zeile2"), QStringLiteral("* Text *")),
        ini.ReadString(firma, QStringLiteral("Zeile3"), QStringLiteral("* Text *")),
    };
}

void LeseAnlage(TZustand &z, const TIniDatei &ini, int Nr) {
    if (!gueltigeNummer(Nr))
        return;
    const QString sektion = QString::number(Nr);
    tAnlageParameter &a = z.Anlagen[static_cast<size_t>(Nr)];
    a.Name = ini.ReadString(sektion, QStringLiteral("Name"), QStringLiteral("Anl-Nr") + sektion);
    a.Komm = ini.ReadString(sektion, QStringLiteral("Komm"), QString());
    a.Datei = ini.ReadString(sektion, QStringLiteral("Datei"), QString());
    a.Pfad = ini.ReadString(sektion, QStringLiteral("Pfad"), QString());
    if (a.Pfad.isEmpty())
        a.Pfad = HeimordnerMitTrenner(z);
    // A record count that no data file can have (negative, or so large that
    // counting on would overflow) reads as the default.
    a.Anzahl = ini.ReadInteger(sektion, QStringLiteral("Anzahl"), 0);
    if (a.Anzahl < 0 || a.Anzahl > MaxAnzahl)
        a.Anzahl = 0;
    a.Geschlossen = ini.ReadBool(sektion, QStringLiteral("Geschlossen"), false);
}

bool SchreibeAnlage(TZustand &z, TIniDatei &ini, int Nr) {
    if (!gueltigeNummer(Nr))
        return false;
    const QString sektion = QString::number(Nr);
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(Nr)];
    return ini.WriteString(sektion, QStringLiteral("Name"), a.Name) &&
           ini.WriteString(sektion, QStringLiteral("Pfad"), a.Pfad) &&
           ini.WriteString(sektion, QStringLiteral("Komm"), a.Komm) &&
           ini.WriteBool(sektion, QStringLiteral("Geschlossen"), a.Geschlossen);
}

void LeseComEinstellungen(TZustand &z, const TIniDatei &ini) {
    const int stunde = ini.ReadInteger(Com, QStringLiteral("ZEIT"), 0);
    z.SpeicherStunde = (stunde >= 0 && stunde <= 24) ? stunde : 0;
    z.Metric = ini.ReadBool(Com, QStringLiteral("Metric"), false);
    const double ref = ini.ReadFloat(Com, QStringLiteral("REFTEMP"), 55.0);
    z.RefTemp = (ref >= 30.0 && ref <= 80.0) ? ref : 55.0;
    z.ShowRef = ini.ReadBool(Com, QStringLiteral("SHOWREF"), true);
    // The longest reply timeout is TimeoutKurz + 600 and must fit 16 bits.
    const int timeout = ini.ReadInteger(Com, QStringLiteral("TIMEOUT"), z.TimeoutKurz);
    if (timeout >= 1 && timeout <= 65535 - 600)
        z.TimeoutKurz = static_cast<quint16>(timeout);
    const int logTage = ini.ReadInteger(Com, QStringLiteral("LOGTAGE"), 180);
    z.LogTage = logTage >= 0 ? logTage : 180;
}

void LeseVerbindung(TZustand &z, const TIniDatei &ini) {
    z.Layer = ini.ReadInteger(Com, QStringLiteral("LAYER"), 0) == 1 ? 1 : 0;
    const int com = ini.ReadInteger(Com, QStringLiteral("COM"), 1);
    z.ComNummer = static_cast<quint16>((com >= 1 && com <= 8) ? com : 1);
    z.NetAdresse = ini.ReadString(Com, QStringLiteral("NETADR"), QString());
    const int port = ini.ReadInteger(Com, QStringLiteral("NETPORT"), 8000);
    z.NetPort = (port >= 0 && port <= 65535) ? port : 8000;
}

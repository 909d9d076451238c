#include "shell/UMqttEinstellungen.h"

#include "shell/UIniDatei.h"

#include <QSysInfo>

namespace {

const QString Sektion = QStringLiteral("MQTT");

} // namespace

tMqttEinstellungen LeseMqttEinstellungen(const TIniDatei &ini) {
    tMqttEinstellungen e;
    e.Host = ini.ReadString(Sektion, QStringLiteral("HOST"), QString()).trimmed();
    e.Port = ini.ReadInteger(Sektion, QStringLiteral("PORT"), e.Port);
    if (e.Port < 1 || e.Port > 65535)
        e.Port = 1883;
    e.Tls = ini.ReadBool(Sektion, QStringLiteral("TLS"), false);
    e.CaDatei = ini.ReadString(Sektion, QStringLiteral("CAFILE"), QString());
    e.Benutzer = ini.ReadString(Sektion, QStringLiteral("USER"), QString());
    e.Passwort = ini.ReadString(Sektion, QStringLiteral("PASS"), QString());
    e.Standort = ini.ReadString(Sektion, QStringLiteral("STANDORT"), QString());
    e.Keepalive = ini.ReadInteger(Sektion, QStringLiteral("KEEPALIVE"), e.Keepalive);
    // The broker closes a connection that stays silent for 1.5 times this
    // long; below 5 s the pings would crowd the line, above 65535 s MQTT
    // cannot say it.
    if (e.Keepalive < 5 || e.Keepalive > 65535)
        e.Keepalive = 60;
    return e;
}

bool SchreibeMqttEinstellungen(TIniDatei &ini, const tMqttEinstellungen &neu,
                               const tMqttEinstellungen &vorher, QStringList &fehler) {
    const qsizetype anfang = fehler.size();
    auto pruefe = [&](bool ok) {
        if (!ok)
            fehler.append(ini.LetzterFehler());
    };
    if (neu.Host != vorher.Host)
        pruefe(ini.WriteString(Sektion, QStringLiteral("HOST"), neu.Host));
    if (neu.Port != vorher.Port)
        pruefe(ini.WriteInteger(Sektion, QStringLiteral("PORT"), neu.Port));
    if (neu.Tls != vorher.Tls)
        pruefe(ini.WriteBool(Sektion, QStringLiteral("TLS"), neu.Tls));
    if (neu.CaDatei != vorher.CaDatei)
        pruefe(ini.WriteString(Sektion, QStringLiteral("CAFILE"), neu.CaDatei));
    if (neu.Benutzer != vorher.Benutzer)
        pruefe(ini.WriteString(Sektion, QStringLiteral("USER"), neu.Benutzer));
    if (neu.Passwort != vorher.Passwort)
        pruefe(ini.WriteString(Sektion, QStringLiteral("PASS"), neu.Passwort));
    if (neu.Standort != vorher.Standort)
        pruefe(ini.WriteString(Sektion, QStringLiteral("STANDORT"), neu.Standort));
    if (neu.Keepalive != vorher.Keepalive)
        pruefe(ini.WriteInteger(Sektion, QStringLiteral("KEEPALIVE"), neu.Keepalive));
    return fehler.size() == anfang;
}

QString MqttStandort(const tMqttEinstellungen &e) {
    QString s = e.Standort.trimmed();
    if (s.isEmpty())
        s = QSysInfo::machineHostName().trimmed();
    if (s.isEmpty())
        s = QStringLiteral("standort");
    for (QChar &c : s)
        if (c == QLatin1Char('/') || c == QLatin1Char('+') || c == QLatin1Char('#') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    return s;
}

#include "alarm/UAlarmEinstellungen.h"

#include "shell/UIniDatei.h"

#include <cmath>

namespace {

const QString Sektion = QLatin1String(AlarmSektion);

int ganz(const TIniDatei &ini, const char *key, int vorgabe, int min, int max) {
    const int wert = ini.ReadInteger(Sektion, QLatin1String(key), vorgabe);
    return wert >= min && wert <= max ? wert : vorgabe;
}

} // namespace

QStringList tAlarmEinstellungen::Empfaenger() const {
    QStringList liste;
    for (const QString &teil : An.split(QLatin1Char(','))) {
        const QString a = teil.trimmed();
        if (!a.isEmpty())
            liste.append(a);
    }
    return liste;
}

tAlarmEinstellungen tAlarmEinstellungen::Lesen(const TIniDatei &ini) {
    tAlarmEinstellungen e;
    e.Still = ganz(ini, "STILL", e.Still, 0, 1000000);
    e.Verbindung = ganz(ini, "VERBINDUNG", e.Verbindung, 0, 1000000);
    const double o2 = ini.ReadFloat(Sektion, QStringLiteral("O2MIN"), e.O2Min);
    if (o2 >= 0.0 && o2 <= 21.0)
        e.O2Min = o2;
    e.O2Dauer = ganz(ini, "O2DAUER", e.O2Dauer, 0, 1000000);
    e.TMax = ganz(ini, "TMAX", e.TMax, 0, 200);
    e.HygTage = ganz(ini, "HYGTAGE", e.HygTage, 0, 3650);
    e.Speicher = ganz(ini, "SPEICHER", e.Speicher, 0, 1000);
    e.PlatzMB = ganz(ini, "PLATZMB", e.PlatzMB, 0, 1000000000);
    e.Smtp = ini.ReadString(Sektion, QStringLiteral("SMTP"), QString());
    e.SmtpPort = ganz(ini, "SMTPPORT", e.SmtpPort, 1, 65535);
    e.SmtpTls = ganz(ini, "SMTPTLS", e.SmtpTls, 0, 2);
    e.SmtpUser = ini.ReadString(Sektion, QStringLiteral("SMTPUSER"), QString());
    e.SmtpPass = ini.ReadString(Sektion, QStringLiteral("SMTPPASS"), QString());
    e.SmtpCa = ini.ReadString(Sektion, QStringLiteral("SMTPCA"), QString());
    e.Von = ini.ReadString(Sektion, QStringLiteral("VON"), QString());
    e.An = ini.ReadString(Sektion, QStringLiteral("AN"), QString());
    e.Befehl = ini.ReadString(Sektion, QStringLiteral("BEFEHL"), QString());
    return e;
}

bool tAlarmEinstellungen::Schreiben(TIniDatei &ini, const tAlarmEinstellungen &vorher,
                                    QStringList &fehler) const {
    bool ok = true;
    const auto pruefe = [&](bool geschrieben) {
        if (!geschrieben) {
            ok = false;
            fehler.append(ini.LetzterFehler());
        }
    };
    const auto zahl = [&](const char *key, int neu, int alt) {
        if (neu != alt)
            pruefe(ini.WriteInteger(Sektion, QLatin1String(key), neu));
    };
    const auto text = [&](const char *key, const QString &neu, const QString &alt) {
        if (neu != alt)
            pruefe(ini.WriteString(Sektion, QLatin1String(key), neu));
    };
    zahl("STILL", Still, vorher.Still);
    zahl("VERBINDUNG", Verbindung, vorher.Verbindung);
    if (std::abs(O2Min - vorher.O2Min) > 1e-9)
        pruefe(ini.WriteFloat(Sektion, QStringLiteral("O2MIN"), O2Min));
    zahl("O2DAUER", O2Dauer, vorher.O2Dauer);
    zahl("TMAX", TMax, vorher.TMax);
    zahl("HYGTAGE", HygTage, vorher.HygTage);
    zahl("SPEICHER", Speicher, vorher.Speicher);
    zahl("PLATZMB", PlatzMB, vorher.PlatzMB);
    text("SMTP", Smtp, vorher.Smtp);
    zahl("SMTPPORT", SmtpPort, vorher.SmtpPort);
    zahl("SMTPTLS", SmtpTls, vorher.SmtpTls);
    text("SMTPUSER", SmtpUser, vorher.SmtpUser);
    text("SMTPPASS", SmtpPass, vorher.SmtpPass);
    text("SMTPCA", SmtpCa, vorher.SmtpCa);
    text("VON", Von, vorher.Von);
    text("AN", An, vorher.An);
    text("BEFEHL", Befehl, vorher.Befehl);
    return ok;
}

QString MailAdresse(const QString &text) {
    const qsizetype auf = text.lastIndexOf(QLatin1Char('<'));
    const qsizetype zu = text.lastIndexOf(QLatin1Char('>'));
    if (auf >= 0 && zu > auf)
        return text.mid(auf + 1, zu - auf - 1).trimmed();
    return text.trimmed();
}

bool GueltigeMailAdresse(const QString &adresse) {
    const qsizetype at = adresse.lastIndexOf(QLatin1Char('@'));
    if (at <= 0 || at == adresse.size() - 1 || adresse.size() > 254)
        return false;
    const QString lokal = adresse.left(at);
    const QString domain = adresse.mid(at + 1);
    static const QString erlaubtLokal = QStringLiteral("!#$%&'*+/=?^_`{|}~.-");
    for (const QChar c : lokal) {
        const char16_t u = c.unicode();
        const bool alnum = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!alnum && !erlaubtLokal.contains(c))
            return false;
    }
    if (lokal.startsWith(QLatin1Char('.')) || lokal.endsWith(QLatin1Char('.')))
        return false;
    // a host name, or an address literal in brackets
    const bool literal = domain.startsWith(QLatin1Char('[')) && domain.endsWith(QLatin1Char(']'));
    const QString innen = literal ? domain.mid(1, domain.size() - 2) : domain;
    if (innen.isEmpty())
        return false;
    for (const QChar c : innen) {
        const char16_t u = c.unicode();
        const bool alnum = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!alnum && u != '.' && u != '-' && !(literal && u == ':'))
            return false;
    }
    return !innen.startsWith(QLatin1Char('.')) && !innen.endsWith(QLatin1Char('.'));
}

// The alarm settings: section [ALARM] of O2_Tarvos.ini. The thresholds of the
// conditions (0 switches a condition off), the site's mail server and the
// command run at every alarm change. The password is kept only in the
// configuration file, which is then written readable by its owner only.
#pragma once

#include <QString>
#include <QStringList>

class TIniDatei;

inline constexpr char AlarmSektion[] = "ALARM";

struct tAlarmEinstellungen {
    // Thresholds; 0 switches the condition off.
    int Still = 10;      // "STILL": minutes without a poll reply of a plant
    int Verbindung = 10; // "VERBINDUNG": minutes without the link to the controllers
    double O2Min = 5.0;  // "O2MIN": vol%
    int O2Dauer = 30;    // "O2DAUER": minutes below O2MIN
    int TMax = 85;       // "TMAX": °C in the core
    int HygTage = 5;     // "HYGTAGE": days of a pile without 55 °C in the core
    int Speicher = 900;  // "SPEICHER": records in a controller's memory (it keeps 1000)
    int PlatzMB = 500;   // "PLATZMB": MB free in a data folder

    // Mail through the site's server; no mail while Smtp is empty.
    QString Smtp;      // "SMTP": host name or address
    int SmtpPort = 25; // "SMTPPORT"
    int SmtpTls = 0;   // "SMTPTLS": 0 none, 1 STARTTLS, 2 TLS from the start
    QString SmtpUser;  // "SMTPUSER"; no login while empty
    QString SmtpPass;  // "SMTPPASS"
    QString SmtpCa;    // "SMTPCA": a CA certificate (PEM) trusted besides the system's
    QString Von;       // "VON": the sender's address
    QString An;        // "AN": one or more addresses separated by ","

    // "BEFEHL": a program run at every alarm raised and cleared, without a
    // shell, with the arguments state, plant number and alarm text.
    QString Befehl;

    bool MailAn() const { return !Smtp.trimmed().isEmpty(); }
    // The addresses of "AN", each trimmed, empty ones left out.
    QStringList Empfaenger() const;

    // The keys of [ALARM]; a missing, malformed or out-of-range value reads as its default.
    static tAlarmEinstellungen Lesen(const TIniDatei &ini);
    // Writes the keys whose values differ from vorher. false: a write failed,
    // fehler holds the reasons (the other keys are written all the same).
    bool Schreiben(TIniDatei &ini, const tAlarmEinstellungen &vorher, QStringList &fehler) const;

    bool operator==(const tAlarmEinstellungen &) const = default;
};

// The address of "Name <adresse>" or of a bare address, trimmed.
QString MailAdresse(const QString &text);
// A plain address a mail server takes: local part, "@", domain; no blanks,
// line breaks or characters that would break the mail's header lines.
bool GueltigeMailAdresse(const QString &adresse);

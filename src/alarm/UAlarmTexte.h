// A text of the alarms kept as its German pattern and its arguments: the
// windows and mails show it in the current language, while the journal and
// the event log, which are data, keep it in German.
#pragma once

#include <QString>
#include <QStringList>

// The translation context of the patterns (QT_TRANSLATE_NOOP("TAlarmTexte", ...)).
inline constexpr char AlarmTextKontext[] = "TAlarmTexte";

struct tAlarmText {
    const char *Vorlage = nullptr; // German, with %1..%9; null: no text
    QStringList Argumente;

    bool Leer() const { return Vorlage == nullptr; }
    QString Deutsch() const;
    QString Uebersetzt() const;

    // Puts the arguments into the pattern in one pass, so that an argument
    // holding "%1" (a server's reply, a file name) stays as it is.
    static QString Einsetzen(const QString &vorlage, const QStringList &argumente);
};

// The alarm journal: every alarm raised, cleared and acknowledged, one line
// each, in "Alarme_<yyyy>.CSV" of the home folder (the year of the change):
//
//   10.12.2024 14:30:05;3;Sauerstoff zu niedrig;kommt
//   10.12.2024 14:31:00;;Verbindung zu den Steuerungen unterbrochen;geht
//
// date and time, the plant's number (1..32 as the configuration numbers it;
// empty for an alarm of the PC), the alarm text in German, "kommt", "geht" or
// "quittiert". Windows-1252 text with CR LF; each line is on the disk when it
// has been written. The alarms read it back after a restart.
#pragma once

#include "shell/UEreignisse.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class TAlarmJournal {
public:
    // The journals live in ordner (the home folder).
    explicit TAlarmJournal(const QString &ordner);

    static QString DateiName(int jahr);
    QString Pfad(int jahr) const;

    // Appends the line of e to the journal of its year and brings it onto
    // the disk. false: Fehler() says why (the journal stays as it was, or
    // holds the line without its sync).
    bool Schreiben(const tAlarmEreignis &e);
    QString Fehler() const { return m_fehler; }

    // The entries of the journals of the years von..bis, in order. A line
    // that cannot be read is left out and counted in *unlesbar.
    QList<tAlarmEreignis> Lesen(int von, int bis, int *unlesbar = nullptr) const;

    // One line with its CR LF; ";" and line breaks in the text become blanks.
    static QByteArray Zeile(const tAlarmEreignis &e);
    static bool ZeileLesen(QByteArrayView zeile, tAlarmEreignis &e);

private:
    QString m_ordner;
    QString m_fehler;
};

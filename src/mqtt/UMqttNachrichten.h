// The payloads the site network publishes: compact JSON in UTF-8, keys in a
// fixed order, numbers as JSON numbers, times as local calendar time
// "yyyy-MM-ddTHH:mm:ss" without a zone (the controllers' clock has none).
//
//   kompost/<S>/anlage/<n>/zustand    {"name": "...", "angeschlossen": true, "eingeschaltet": true,
//                                      "datei": "...", "betriebsart": 3, "verbindung": true}
//   kompost/<S>/anlage/<n>/messwerte  {"zeit": "...", "t": [62, 65, 58, 45, 30], "o2": 20.9,
//                                      "betriebsart": 3, "laufzeit": 12, "zyklen": 4, "refmarke": 44}
//                                     or {"zeit": "...", "gueltig": false}
//   kompost/<S>/anlage/<n>/datensatz  {"datei": "...", "nr": 17, "zeit": "...", "t": [...], "o2": 15.2,
//                                      "betriebsart": 3, "laufzeit": 14, "zyklen": 6, "refmarke": 44}
//   kompost/<S>/alarm                 {"zeit": "...", "anlage": 3, "text": "...", "zustand": "kommt"}
//
// Temperatures are whole °C, as the program keeps them and the data file
// holds them; O2 is in vol% with one decimal.
#pragma once

#include "shell/UEreignisse.h"
#include "shell/UZustand.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace MqttNachrichten {

// The topic below "kompost/<S>/" (no leading slash), e.g. "anlage/3/messwerte".
QByteArray AnlagenThema(int anzeigeNummer, const char *was);
// The full topic of a site.
QByteArray Thema(const QString &standort, const QByteArray &unterThema);

QString Zeit(const QDateTime &zeit);
// The storage time of a record line ("09.12.2024  14:30", also "9.12.2024 8:05")
// as "2024-12-09T14:30:00"; a text that is no valid time stays as it is.
QString DatensatzZeit(const QString &zeit);
// The file name of a data file without its folder (also a Windows path).
QString DateiName(const QString &pfad);

QByteArray Zustand(const tAnlageParameter &a, bool verbindung);
QByteArray Messwerte(const tAnlageMesswerte &w, const QDateTime &zeit);
QByteArray Ungueltig(const QDateTime &zeit);
QByteArray Datensatz(const QString &datei, qint32 nr, const QString &zeit, const tAnlageMesswerte &w);
QByteArray Alarm(const tAlarmEreignis &a, int anzeigeNummer);

} // namespace MqttNachrichten

// Common helpers: unit conversions for the °F/inch display, the depth of the
// reference temperature, the field splitters for semicolon text, the IP address
// check, the message-pumping delay and the locale's date formats.
#pragma once

#include "shell/UZustand.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QFileDevice>
#include <QLocale>
#include <QString>

namespace KompUtils {

// a * 9 / 5 + 32, integer division truncating toward zero.
int CelsiusNachFahrenheit(int a);
// a * 100 / 254, integer division truncating toward zero.
int CmNachZoll(int a);
// Int(x * 9 / 5 + 32) + 0.1
double CelsiusNachFahrenheitF(double x);
// Int((x - 32) * 5 / 9) + 0.1
double FahrenheitNachCelsiusF(double x);
// Int(x / 2.54) + 0.1
double CmNachZollF(double x);

// The widest temperature (whole °C, either sign) a pile sensor can report; a
// data file field beyond it is no reading.
inline constexpr qint32 MaxSensorTemperatur = 999;

// Sets W.RefMarke (cm) from W.T[1..5]: the depth at which the pile reaches refTemp.
// Any 32-bit temperatures are safe.
void BerechneRefMarke(tAnlageMesswerte &W, double refTemp);
// Rebuilds z.RefText from z.RefTemp and z.Metric.
void BildeRefText(TZustand &z);

int ZaehleZeichen(char c, const QByteArray &s);
int ZaehleZeichen(QChar c, const QString &s);

// Takes the next non-empty field off the front of s; separators collapse.
bool NaechstesFeld(char sep, QByteArray &s, QByteArray &feld);
bool NaechstesFeld(QChar sep, QString &s, QString &feld);
// Splits off the text before the first separator, empty fields included.
// Without a separator in s it returns true and changes neither s nor feld.
bool TrenneFeld(char sep, QByteArray &s, QByteArray &feld);
bool TrenneFeld(QChar sep, QString &s, QString &feld);

// A dotted decimal IPv4 address (four or more groups of 1..3 digits, each <= 255).
bool IstIPAdresse(const QString &s);

// Waits ms milliseconds in a local event loop: the processor sleeps, timer and
// receive events are delivered meanwhile.
void Warte(int ms);

// The locale's short date format with a four-digit year ("dd.MM.yyyy" in German).
QString KurzDatumFormat(const QLocale &locale);
QString KurzDatum(const QLocale &locale, const QDate &datum);
// Short date (four-digit year), a blank, hh:mm:ss.
QString DatumZeit(const QLocale &locale, const QDateTime &zeit);

// Empty when the path can be stored in the configuration and the data files
// (Windows-1252 text); otherwise the message that says it cannot.
QString PfadMeldung(const QString &pfad);

// Parses a whole decimal integer (optional sign, surrounding blanks allowed);
// false on anything else or on overflow of 32 bits.
bool AlsGanzzahl(QByteArrayView text, qint32 &wert);
inline bool AlsGanzzahl(const QByteArray &text, qint32 &wert) {
    return AlsGanzzahl(QByteArrayView(text), wert);
}
bool AlsGanzzahl(const QString &text, qint32 &wert);

// Bytes from the line as the event log shows them: printable ASCII as it
// is, every other byte (control characters, CR, LF, NUL, bytes above 0x7E)
// and the backslash itself as \xNN, so that no received byte can end or
// forge a log line.
QString Maskiert(QByteArrayView bytes);
// A text for one log line: every control character (CR, LF, NUL, ...) as \xNN.
QString Einzeilig(const QString &text);
// A field as received, made fit for a ";"-separated line: CR, LF, NUL, every
// other control character and ";" become "?", other bytes stay as they came.
QByteArray FeldAlsText(QByteArrayView feld);

// Flushes f and brings what it wrote onto the storage medium (fsync, on
// Windows _commit). On failure false, with the reason in grund: the device's
// error text when the flush fails, the system's when the sync does.
bool AufDisk(QFileDevice &f, QString &grund);

} // namespace KompUtils

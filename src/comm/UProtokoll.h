// Request frames and reply decoding: the one place that turns a command index
// into bytes on the line and the controllers' reply text into plant state.
#pragma once

#include "shell/USchnittstellen.h"
#include "shell/UZustand.h"

#include <QObject>
#include <initializer_list>

namespace Befehle {
// The letter of each command index 0..21 (index 0 is a blank).
inline constexpr char Buchstaben[] = " BReoTqAZDIEOnNprFScG6";
// The dispatch kind of each command index.
inline constexpr quint8 Arten[22] = {0, 1, 2, 4, 4, 4, 4, 4, 5, 5, 7, 7, 7, 8, 8, 8, 6, 4, 6, 3, 6, 6};
inline constexpr quint8 Max = 21;

enum : quint8 {
    Betriebsart = 1,
    Sollwerte = 2,
    ManuellEin = 3,
    ManuellAus = 4,
    Intervall = 5,
    O2Regelung = 6,
    Aus = 7,
    Uhrzeit = 8,
    Datum = 9,
    Speicherintervall = 10,
    IntervallEin = 11,
    IntervallAus = 12,
    SteuerZeiten = 13,
    MaxZeiten = 14,
    O2Werte = 15,
    AnzahlDaten = 16,
    Ein = 17,
    Status = 18,
    Abfrage = 19,
    Datensatz = 20,
    Uhr = 21,
};

// Whether a reply is decoded for the command (the receive buffer is emptied before it is sent).
constexpr bool ErwartetAntwort(quint8 befehl) {
    return befehl == 1 || befehl == 2 || befehl == 16 || (befehl >= 18 && befehl <= 21);
}
} // namespace Befehle

class TProtokoll : public QObject {
    Q_OBJECT
public:
    // Text that can never complete a reply is dropped once the receive buffer
    // holds more than this; the longest reply is about 200 characters.
    static constexpr qsizetype MaxPuffer = 2048;

    explicit TProtokoll(TZustand &zustand, QObject *parent = nullptr);

    // Both may be null: without a transport nothing is sent, without a log nothing logged.
    void SetzeTransport(ITransport *transport) { m_transport = transport; }
    void SetzeLog(ILogSink *log) { m_log = log; }

    // Builds and sends the frame of command Befehl to plant Anlage. Only the
    // first one to three values are used (by the commands with arguments).
    void SendeBefehl(quint8 Anlage, quint8 Befehl, std::initializer_list<quint16> Werte = {0});
    // The command of the last frame asked for (to the plant TZustand::AktAdresse).
    quint8 LetzterBefehl() const { return m_letzterBefehl; }
    // Appends a received piece of text to the receive buffer and decodes every
    // complete reply at its front.
    void EmpfangAuswerten(const QByteArray &text);
    // Resets the readings and the connected/switched-on flags of plants 1..AnlagenAnzahl.
    void InitAnlagen();

    TZustand &Zustand() { return m_z; }
    // Writes one entry to the event log, if there is one.
    void Log(const QString &text) {
        if (m_log)
            m_log->LogSchreiben(text);
    }

signals:
    // A reply was decoded and AntwortCode set to code.
    void AntwortGemeldet(int code);

private:
    quint8 m_letzterBefehl = 0;
    enum class Ergebnis { Weiter, Unvollstaendig };
    Ergebnis werteAus();
    Ergebnis werteAntwortAus();
    int zaehleFelder();
    qsizetype naechsterAnfang() const;
    void log(const QByteArray &text);
    void melde(quint8 code);
    void sendeKurz(quint8 anlage, char buchstabe);
    void sendeText(quint8 anlage, QByteArray text);
    void leseMesswerte(tAnlageMesswerte &W, bool istAbfrage);

    TZustand &m_z;
    ITransport *m_transport = nullptr;
    ILogSink *m_log = nullptr;
    // fields counted so far of the reply at the front of the receive buffer,
    // and up to which position (0: count anew)
    qsizetype m_gezaehltBis = 0;
    int m_felder = 0;
    qsizetype m_groesseZuletzt = 0; // the buffer's size when the last call returned
};

// Request frames and reply decoding: the one place that turns a command index
// into bytes on the line and the controllers' reply text into plant state.
#pragma once

#include "shell/USchnittstellen.h"
#include "shell/UZustand.h"

#include <QDateTime>
#include <QDeadlineTimer>
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
// The letter of the reply that answers the command (0: none is decoded).
constexpr char AntwortBuchstabe(quint8 befehl) {
    switch (befehl) {
    case 1:
        return 'B';
    case 2:
        return 'R';
    case 16:
        return 'r';
    case 18:
        return 'S';
    case 19:
        return 'c';
    case 20:
        return 'G';
    case 21:
        return 'T';
    default:
        return 0;
    }
}
// A poll's reply must come within one poll tick (500 ms).
inline constexpr int PollFrist = 500;
} // namespace Befehle

class TProtokoll : public QObject {
    Q_OBJECT
public:
    // Text that can never complete a reply is dropped once the receive buffer
    // holds more than this; the longest reply is about 200 characters.
    static constexpr qsizetype MaxPuffer = 2048;

    // Bytes received from the line that the event log takes per minute
    // (some 100 KB come in a minute of a fast readout); what comes beyond is
    // left out, and one line says how many bytes were.
    static constexpr qint64 LogBudget = 256 * 1024;

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

    // The line: a request whose reply is still on its way. A frame that
    // expects a reply opens it when it goes out, with the time its reply may
    // take (the poll one tick, 'B', 'S', 'r' TimeoutKurz, 'R', '6'
    // TimeoutMittel, 'G' TimeoutLang); its reply (valid or not) or the end of
    // that time closes it. Nothing else may be sent while it is open: the
    // request cycle (TAbfrage) waits for it before every frame.
    bool AnfrageOffen() const { return m_offen != 0 && !m_frist.hasExpired(); }
    // The command whose reply is awaited (0: none).
    quint8 OffenerBefehl() const { return AnfrageOffen() ? m_offen : 0; }
    // Milliseconds until the open request's time is over (0: none open).
    qint64 OffenRestMs() const { return AnfrageOffen() ? m_frist.remainingTime() : 0; }
    // The open request's time runs ms from now (the caller's own timeout).
    void FristSetzen(int ms);
    // Nothing is on its way any more: the request's timeout has passed, or
    // the connection was closed or lost.
    void AnfrageBeenden();

    TZustand &Zustand() { return m_z; }
    // Writes one entry to the event log, if there is one.
    void Log(const QString &text) {
        if (m_log)
            m_log->LogSchreiben(text);
    }

signals:
    // A reply was decoded and AntwortCode set to code.
    void AntwortGemeldet(int code);
    // The reply the line waited for has arrived (valid or not), or the
    // request was ended: the next frame may go.
    void LeitungFrei();

private:
    quint8 m_letzterBefehl = 0;
    enum class Ergebnis { Weiter, Unvollstaendig };
    Ergebnis werteAus();
    Ergebnis werteAntwortAus();
    int zaehleFelder();
    qsizetype naechsterAnfang() const;
    // The event log entry of a frame sent (ours) or of received text (the
    // line's): bytes escaped (KompUtils::Maskiert), received text within LogBudget.
    void log(const QByteArray &text, bool vonLeitung = true);
    void logFenster();
    void melde(quint8 code);
    // Each returns whether the frame went out on a transport.
    bool sendeKurz(quint8 anlage, char buchstabe);
    bool sendeText(quint8 anlage, QByteArray text);
    void leseMesswerte(tAnlageMesswerte &W, bool istAbfrage);

    TZustand &m_z;
    ITransport *m_transport = nullptr;
    ILogSink *m_log = nullptr;
    // fields counted so far of the reply at the front of the receive buffer,
    // and up to which position (0: count anew)
    qsizetype m_gezaehltBis = 0;
    int m_felder = 0;
    qsizetype m_groesseZuletzt = 0; // the buffer's size when the last call returned
    // the request whose reply is on its way (0: none) and until when it may come
    quint8 m_offen = 0;
    QDeadlineTimer m_frist;
    // the minute of received text in the log: since when, bytes logged and left out
    QDateTime m_logFenster;
    qint64 m_logBytes = 0;
    qint64 m_logAusgelassen = 0;
};

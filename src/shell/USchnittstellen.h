// The small interfaces through which the communication reaches the world
// around it: the transport that carries frames, the event log that records
// them, and the status line and message box of the main window.
#pragma once

#include <QByteArray>
#include <QString>

// Carries frames to the controllers (serial line or TCP).
class ITransport {
public:
    virtual ~ITransport() = default;
    // Writes the bytes as one write call.
    virtual void Sende(const QByteArray &daten) = 0;
};

// Receives one entry of the controller traffic (the event log).
class ILogSink {
public:
    virtual ~ILogSink() = default;
    virtual void LogSchreiben(const QString &text) = 0;
};

// The connection messages for the operator: the main window's status line and
// its information box. The main window implements it; tests record it.
class IStatusAnzeige {
public:
    virtual ~IStatusAnzeige() = default;
    virtual void Statuszeile(const QString &text) = 0;
    virtual void Meldung(const QString &text) = 0;
};

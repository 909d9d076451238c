// The request/reply cycle and the poll. One request at a time is on the
// line: every frame, whoever sends it (the poll, the readouts, the pile
// operations, set values, the clock), goes out only once the request before
// it has its reply or its time is over (TProtokoll::AnfrageOffen). A request
// waits for the line and then for its reply in a local event loop; the poll
// timer asks the plants in turn for their readings every 500 ms and never
// waits: a tick that finds the line taken sends nothing.
#pragma once

#include "comm/UProtokoll.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

class TAbfrage : public QObject {
    Q_OBJECT
public:
    static constexpr int PollIntervall = 500;

    TAbfrage(TZustand &zustand, TProtokoll &protokoll, QObject *parent = nullptr);

    // Sends command Befehl (no arguments) to plant Anlage once the line is
    // free and waits, while events are delivered, until its reply is decoded
    // (true) or Timeout milliseconds have passed (false). A request made
    // while another one waits is refused at once with false, and so is one
    // made while no connection is open (its frame is logged, nothing is sent).
    bool SendeUndWarte(quint16 Timeout, quint8 Anlage, quint8 Befehl);
    // Sends a command that has no reply (mode, switching, clock, set values)
    // once the line is free. Refused like SendeUndWarte while another
    // request waits; false when it could not go out.
    bool Sende(quint8 Anlage, quint8 Befehl, std::initializer_list<quint16> Werte = {0});
    // A request waits for the line or for its reply.
    bool Wartet() const { return m_wartet; }
    // The connection is gone: a request that waits gives up now, as if its
    // timeout had passed, and nothing is on its way any more.
    void Abbrechen();

    void StarteTimeout(int ms);
    void StoppeTimeout();

    // The poll timer LeseTimer: off, or on at 500 ms. While the connection
    // is lost and being reopened, StartTimer leaves it off.
    void StopTimer();
    void StartTimer();
    void SetzeUnterbrochen(bool unterbrochen);
    bool TimerLaeuft() const { return LeseTimer.isActive(); }
    // After learning: poll plant 1 at once and start the timer.
    void StartePolling();

    // One poll step: judge the reply to the last poll, poll the next plant.
    // While a request waits for its reply the step does nothing; the step
    // after such a skipped one judges nothing and polls the next plant.
    void LeseTimerTimer();
    void Timeout1Timer();

    QTimer Timeout1;
    QTimer LeseTimer;

signals:
    // A poll step has stored new live readings or counted a miss.
    void Abgefragt(int anlage);

private:
    // Waits, while events are delivered, until no request is on its way
    // (its reply came or its time is over) or the connection is gone.
    // Whether the connection is still open.
    bool warteAufLeitung();
    // Logs a frame refused because another request waits.
    void abgewiesen(quint8 anlage, quint8 befehl);

    TZustand &m_z;
    TProtokoll &m_protokoll;
    bool m_wartet = false;
    bool m_ausgelassen = false;
    bool m_unterbrochen = false;
    QEventLoop *m_schleife = nullptr;
};

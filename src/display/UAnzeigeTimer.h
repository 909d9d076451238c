// The window whose timers an exchange with a controller stops and restarts
// (the live display: its display timer and the poll of the main window).
#pragma once

class IAnzeigeTimer {
public:
    virtual ~IAnzeigeTimer() = default;
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
};

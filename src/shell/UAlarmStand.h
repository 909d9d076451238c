// What the windows show of the alarms: how many are active and which plants
// have one. The alarms (src/alarm) keep it up to date; the main window and the
// live display only read it and follow its change signal, so they need to know
// nothing else of the alarms. Without alarms it stays at nothing active.
#pragma once

#include "shell/UZustand.h"

#include <QObject>
#include <array>

class TAlarmStand : public QObject {
    Q_OBJECT
public:
    // Active alarms, those of the PC included.
    int Aktive() const { return m_aktive; }
    // Plant 1..32 has an active alarm.
    bool AnlageAktiv(int anlage) const {
        return anlage >= 1 && anlage <= MaxAnlagen && m_anlagen[static_cast<size_t>(anlage)];
    }

    // The alarms report the new state; the signal follows only when something changed.
    void Setze(int aktive, const std::array<bool, MaxAnlagen + 1> &anlagen) {
        if (aktive == m_aktive && anlagen == m_anlagen)
            return;
        m_aktive = aktive;
        m_anlagen = anlagen;
        emit Geaendert();
    }

signals:
    void Geaendert();

private:
    int m_aktive = 0;
    std::array<bool, MaxAnlagen + 1> m_anlagen{};
};

// The plant operations the windows call: each sends one or two commands with
// the request/reply cycle (every frame waits for the line to be free), tries
// once more when a reply is missing, and updates the shared plant state.
// None shows a message; the result says it.
// The caller stops the poll timer before and starts it again afterwards.
#pragma once

#include "comm/UAbfrage.h"

#include <optional>

class TAnlagenOperationen {
public:
    TAnlagenOperationen(TZustand &zustand, TAbfrage &abfrage);

    bool LerneAnlage(quint8 Anlage);
    bool LeseSollwerte(quint8 Anlage);
    bool SetzeBetriebsart(quint8 Anlage, quint8 Art);
    bool SchalteAnlageAus(quint8 Anlage);
    bool SchalteAnlageEin(quint8 Anlage);
    // 'r': true when the controller answered with a possible count (0..1000,
    // in AnzahlDaten). empfangen (when given) gets the count it answered
    // with, also an impossible one; it stays empty without an answer.
    bool LeseAnzahlDaten(quint8 Anlage, std::optional<qint32> *empfangen = nullptr);
    void SendeDatum(quint8 Anlage);
    void SendeUhrzeit(quint8 Anlage);
    bool LeseUhrText(quint8 Anlage);

private:
    // Up to two tries of the same request.
    bool zweiVersuche(quint16 timeout, quint8 anlage, quint8 befehl);
    tAnlageParameter &anlage(quint8 nr);

    TZustand &m_z;
    TAbfrage &m_abfrage;
};

// The controller communication of one run: protocol, request cycle and poll,
// transport and plant operations, wired together on one shared state.
#pragma once

#include "comm/UAbfrage.h"
#include "comm/UAnlagenOperationen.h"
#include "comm/UProtokoll.h"
#include "comm/UVerbindung.h"
#include "shell/UZustand.h"

class TKommunikation {
public:
    explicit TKommunikation(TZustand &zustand)
        : Zustand(zustand), Protokoll(zustand), Abfrage(zustand, Protokoll),
          Verbindung(zustand, Protokoll, Abfrage), Operationen(zustand, Abfrage) {}

    TZustand &Zustand;
    TProtokoll Protokoll;
    TAbfrage Abfrage;
    TVerbindung Verbindung;
    TAnlagenOperationen Operationen;
};

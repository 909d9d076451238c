// "Verbindung prüfen" of the first start: tries the line that the setup
// window describes before anything is written. It opens the line on a
// communication of its own (the program's own one is not open yet), asks
// every plant address 1..N for its mode and status as learning does
// (TAnlagenOperationen::LerneAnlage), and closes the line again.
#pragma once

#include "shell/UEinrichtung.h"

#include <QList>
#include <QString>
#include <functional>

struct TPruefErgebnis {
    bool Geoeffnet = false; // the line could be opened
    QList<int> Antworten;   // the plant addresses (1..N) that answered
    QString Text;           // what the window says
};

// fortschritt is told the plant address before it is asked. verbindenMs:
// how long a network adapter may take to accept the connection.
TPruefErgebnis PruefeVerbindung(const TEinrichtung &e, const std::function<void(int)> &fortschritt = {},
                                int verbindenMs = 5000);

// A simulator in the test's own event loop and a communication connected to it
// over loopback TCP (or its pseudo-terminal), with a recorded status line.
#pragma once

#include "Aufzeichner.h"
#include "comm/UKommunikation.h"
#include "kompost-sim/TSimulator.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

// The serial tests run the line over the simulator's pseudo-terminal, which
// Windows lacks (and under Wine a serial port never receives from one): there
// they are skipped, and the serial line is tested on Linux.
#if defined(Q_OS_UNIX)
#define OHNE_PTY_UEBERSPRINGEN()
#else
#define OHNE_PTY_UEBERSPRINGEN() QSKIP("no pseudo-terminals on Windows: the serial line is tested on Linux")
#endif

struct TStatusAufzeichner : IStatusAnzeige {
    QStringList status;
    QStringList meldungen;
    void Statuszeile(const QString &text) override { status.append(text); }
    void Meldung(const QString &text) override { meldungen.append(text); }
};

struct TSimAnschluss {
    TZustand z;
    KompostSim::TSimulator sim{7};
    std::unique_ptr<TKommunikation> komm;
    TAufzeichner log;
    TStatusAufzeichner anzeige;

    explicit TSimAnschluss(int anlagen = 8) {
        z.AnlagenAnzahl = static_cast<quint16>(anlagen);
        z.OptAnlagenAnzahl = anlagen;
        komm = std::make_unique<TKommunikation>(z);
        komm->Protokoll.SetzeLog(&log);
        komm->Verbindung.SetzeAnzeige(&anzeige);
    }

    // Opens the network transport to the simulator and waits for the connect event.
    bool verbindeTcp() {
        if (!sim.StarteTcp(QHostAddress::LocalHost, 0))
            return false;
        z.OptNetzwerk = true;
        z.Layer = 1;
        z.NetAdresse = QStringLiteral("127.0.0.1");
        z.NetPort = sim.TcpPort();
        QSignalSpy verbunden(&komm->Verbindung, &TVerbindung::NetzVerbunden);
        komm->Verbindung.OeffneVerbindung();
        return verbunden.wait(5000) && z.Verbunden;
    }

    // Opens the serial transport on the simulator's pseudo-terminal as COM1.
    bool verbindeSeriell() {
        if (!sim.StartePty())
            return false;
        z.OptPortGeraete[1] = sim.PtyGeraet();
        z.ComNummer = 1;
        z.Layer = 0;
        komm->Verbindung.OeffneVerbindung();
        return z.Verbunden;
    }

    // Marks plants as connected and switched on, as learning would.
    void alleAngeschlossen() {
        for (int i = 1; i <= z.AnlagenAnzahl; ++i) {
            z.Anlagen[static_cast<size_t>(i)].Angeschlossen = 1;
            z.Anlagen[static_cast<size_t>(i)].Eingeschaltet = 1;
        }
    }

    // The frames the simulator received for a plant, as bytes.
    QByteArrayList rahmen(int anlage) const {
        QByteArrayList l;
        for (const auto &r : sim.Rahmen(anlage))
            l.append(r.Bytes);
        return l;
    }
};

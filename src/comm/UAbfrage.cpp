#include "comm/UAbfrage.h"

#include <algorithm>

TAbfrage::TAbfrage(TZustand &zustand, TProtokoll &protokoll, QObject *parent)
    : QObject(parent), m_z(zustand), m_protokoll(protokoll) {
    Timeout1.setTimerType(Qt::PreciseTimer);
    LeseTimer.setTimerType(Qt::PreciseTimer);
    LeseTimer.setInterval(PollIntervall);
    connect(&Timeout1, &QTimer::timeout, this, &TAbfrage::Timeout1Timer);
    connect(&LeseTimer, &QTimer::timeout, this, &TAbfrage::LeseTimerTimer);
}

void TAbfrage::Timeout1Timer() {
    m_z.TimeoutAbgelaufen = true;
}

void TAbfrage::StarteTimeout(int ms) {
    m_z.TimeoutAbgelaufen = false;
    Timeout1.start(ms);
}

void TAbfrage::StoppeTimeout() {
    Timeout1.stop();
}

void TAbfrage::StopTimer() {
    LeseTimer.stop();
}

void TAbfrage::StartTimer() {
    if (m_unterbrochen)
        return;
    LeseTimer.start(PollIntervall);
}

void TAbfrage::SetzeUnterbrochen(bool unterbrochen) {
    m_unterbrochen = unterbrochen;
    if (unterbrochen)
        StopTimer();
}

void TAbfrage::StartePolling() {
    m_z.AbfrageAnlage = 1;
    StartTimer();
    // With the line taken the first tick polls instead.
    if (!m_wartet && !m_protokoll.AnfrageOffen())
        m_protokoll.SendeBefehl(1, Befehle::Abfrage);
}

void TAbfrage::abgewiesen(quint8 anlage, quint8 befehl) {
    m_protokoll.Log(QStringLiteral("%1%2 abgewiesen: eine Anfrage wartet noch")
                        .arg(QChar(static_cast<char16_t>(anlage + 48)))
                        .arg(QLatin1Char(befehl <= Befehle::Max ? Befehle::Buchstaben[befehl] : '?')));
}

bool TAbfrage::warteAufLeitung() {
    while (m_z.Verbunden && m_protokoll.AnfrageOffen()) {
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
        connect(&m_protokoll, &TProtokoll::LeitungFrei, &schleife, &QEventLoop::quit);
        // One millisecond past the end of its time, so that it is over then.
        wecker.start(static_cast<int>(std::min<qint64>(m_protokoll.OffenRestMs() + 1, 60000)));
        m_schleife = &schleife;
        schleife.exec();
        m_schleife = nullptr;
    }
    return m_z.Verbunden;
}

bool TAbfrage::Sende(quint8 Anlage, quint8 Befehl, std::initializer_list<quint16> Werte) {
    if (m_wartet) {
        abgewiesen(Anlage, Befehl);
        return false;
    }
    m_wartet = true;
    const bool offen = warteAufLeitung();
    m_wartet = false;
    // Without a connection the frame is logged all the same, nothing is sent.
    m_protokoll.SendeBefehl(Anlage, Befehl, Werte);
    return offen;
}

bool TAbfrage::SendeUndWarte(quint16 Timeout, quint8 Anlage, quint8 Befehl) {
    if (m_wartet) {
        // Replies carry no plant number: a second request would take over the
        // buffer and the reply code of the one that waits.
        abgewiesen(Anlage, Befehl);
        return false;
    }
    m_wartet = true;
    // The request before it (a poll, an earlier request) has its reply or its time first.
    if (!warteAufLeitung()) {
        // Nothing would go out: no reply can come, so no timeout is waited for.
        m_protokoll.SendeBefehl(Anlage, Befehl);
        m_z.TimeoutAbgelaufen = true;
        m_wartet = false;
        return false;
    }
    m_protokoll.SendeBefehl(Anlage, Befehl);
    m_protokoll.FristSetzen(Timeout);
    StarteTimeout(Timeout);

    QEventLoop schleife;
    const auto beiAntwort = connect(&m_protokoll, &TProtokoll::AntwortGemeldet, &schleife, [&](int code) {
        if (code == Befehl)
            schleife.quit();
    });
    const auto beiTimeout = connect(&Timeout1, &QTimer::timeout, &schleife, &QEventLoop::quit);
    m_schleife = &schleife;
    if (m_z.AntwortCode != Befehl && !m_z.TimeoutAbgelaufen)
        schleife.exec();
    m_schleife = nullptr;
    disconnect(beiAntwort);
    disconnect(beiTimeout);

    StoppeTimeout();
    m_wartet = false;
    // Its time is over: the line is free for the next, whatever comes late.
    if (m_z.TimeoutAbgelaufen)
        m_protokoll.AnfrageBeenden();
    return !m_z.TimeoutAbgelaufen;
}

void TAbfrage::Abbrechen() {
    m_protokoll.AnfrageBeenden();
    if (!m_wartet)
        return;
    m_z.TimeoutAbgelaufen = true;
    if (m_schleife)
        m_schleife->quit();
}

void TAbfrage::LeseTimerTimer() {
    // Only one request may be outstanding: while one waits for the line or
    // its reply, or a request other than the poll is still on its way, the
    // tick sends nothing, and a later tick polls the next plant.
    if (m_wartet || (m_protokoll.AnfrageOffen() && m_protokoll.OffenerBefehl() != Befehle::Abfrage)) {
        m_ausgelassen = true;
        return;
    }
    const quint16 nr = m_z.AbfrageAnlage;
    // After a skipped tick the reply code belongs to the request that waited,
    // not to the last poll: that is no missed reply.
    const bool urteilen = !m_ausgelassen;
    m_ausgelassen = false;
    if (urteilen && nr >= 1 && nr <= MaxAnlagen) {
        tAnlageMesswerte &W = m_z.Messwerte[nr];
        const tAnlageParameter &a = m_z.Anlagen[nr];
        // A plant that answered nothing is marked at once, so that its last
        // readings are not shown as live ones; any reply ends it.
        QDateTime &still = m_z.KeineAntwortSeit[nr];
        // Only a poll that went out is judged so: a plant switched off is not
        // polled, and after an operation the last frame was not a poll.
        const bool gepollt =
            m_protokoll.LetzterBefehl() == Befehle::Abfrage && m_z.AktAdresse == nr && a.Eingeschaltet != 0;
        if (m_z.AntwortCode == Befehle::Abfrage || a.Angeschlossen == 0)
            still = QDateTime();
        else if (gepollt && !still.isValid())
            still = m_z.Jetzt();
        if (m_z.AntwortCode == Befehle::Abfrage && a.Angeschlossen != 0 && a.Eingeschaltet != 0 &&
            m_z.AbfrageWerte.Gueltig != 0) {
            W = m_z.AbfrageWerte;
        } else {
            W.Fehlabfragen = static_cast<quint16>(W.Fehlabfragen + 1);
            if (W.Fehlabfragen >= 5) {
                W.Fehlabfragen = 4;
                W.Gueltig = 0;
            }
        }
        emit Abgefragt(nr);
    }
    // The tick is the last poll's timeout: a reply still missing comes too late.
    m_protokoll.AnfrageBeenden();
    m_z.AbfrageAnlage = static_cast<quint16>(nr + 1);
    if (m_z.AbfrageAnlage > m_z.AnlagenAnzahl || m_z.AbfrageAnlage > MaxAnlagen)
        m_z.AbfrageAnlage = 1;
    m_protokoll.SendeBefehl(static_cast<quint8>(m_z.AbfrageAnlage), Befehle::Abfrage);
}

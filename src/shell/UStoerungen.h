// Which disturbances of the PC and the plants are under way. Whatever notices
// one (a readout, the configuration file, the event log) tells it here each
// time; the run's listeners hear of it once when it begins and once when it
// ends, however often the operation that notices it runs. One per run
// (TLauf::Stoerungen); tests build their own.
#pragma once

#include "shell/UEreignisse.h"

#include <QMap>
#include <QPair>
#include <QString>

class TStoerungsStand {
public:
    explicit TStoerungsStand(IEreignisse &ziel) : m_ziel(ziel) {}
    TStoerungsStand(const TStoerungsStand &) = delete;
    TStoerungsStand &operator=(const TStoerungsStand &) = delete;

    // The disturbance `art` of plant `anlage` (0: the PC) is under way
    // (aktiv) or over. Reported when that changes, with the reason of its
    // beginning; otherwise nothing.
    void Melden(TStoerung art, int anlage, bool aktiv, const QString &grund = QString()) {
        const Schluessel s(static_cast<int>(art), anlage);
        if (aktiv == m_aktiv.contains(s))
            return;
        if (aktiv)
            m_aktiv.insert(s, grund);
        else
            m_aktiv.remove(s);
        m_ziel.Stoerung(art, anlage, aktiv, grund);
    }

    // Tells a listener that comes late of every disturbance under way, as
    // if it had heard them begin.
    void Nachmelden(IEreignisse &hoerer) const {
        for (auto it = m_aktiv.cbegin(); it != m_aktiv.cend(); ++it)
            hoerer.Stoerung(static_cast<TStoerung>(it.key().first), it.key().second, true, it.value());
    }

    bool Aktiv(TStoerung art, int anlage) const {
        return m_aktiv.contains(Schluessel(static_cast<int>(art), anlage));
    }
    // The reason given when it began (empty when it is not under way).
    QString Grund(TStoerung art, int anlage) const {
        return m_aktiv.value(Schluessel(static_cast<int>(art), anlage));
    }

private:
    using Schluessel = QPair<int, int>;
    IEreignisse &m_ziel;
    QMap<Schluessel, QString> m_aktiv;
};

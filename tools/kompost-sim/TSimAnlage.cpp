#include "TSimAnlage.h"

#include <algorithm>
#include <cmath>

namespace KompostSim {

namespace {

// Share of the core-to-edge temperature rise at 100, 75, 50, 25 and 0 cm.
constexpr std::array<double, 5> Profil{1.0, 0.95, 0.85, 0.62, 0.0};

constexpr double O2Frischluft = 205.0; // tenths of vol%, reached with the fan running
constexpr double O2Verbraucht = 10.0;  // tenths of vol%, approached with the fan off

QDateTime Naiv(const QDateTime &dt) {
    return QDateTime(dt.date(), dt.time(), Qt::UTC);
}

int Zahl(const QByteArray &ziffern, int von, int laenge) {
    return ziffern.mid(von, laenge).toInt();
}

} // namespace

TSimAnlage::TSimAnlage(int nummer, quint32 seed, const QDateTime &uhr)
    : m_nummer(nummer), m_zufall(std::array<quint32, 2>{seed, static_cast<quint32>(nummer)}.data(), 2) {
    SetUhr(uhr);

    // Every pile is somewhere in its hot phase, each a little different.
    const double alterTage = 2.0 + 7.0 * m_zufall.generateDouble();
    m_alterS = std::round(alterTage * 86400.0);
    m_grundversatz = Zufall(2.0);
    m_o2 = 60.0 + 120.0 * m_zufall.generateDouble();
    m_tauAbS = (35.0 + 25.0 * m_zufall.generateDouble()) * 60.0;
    m_tauAufS = (6.0 + 4.0 * m_zufall.generateDouble()) * 60.0;
    m_kuehlung = 0.2 + 0.3 * m_zufall.generateDouble();
    for (double &d : m_drift)
        d = Zufall(0.5);
    m_laufzeitS = std::round(m_alterS * 0.25);
    m_zyklen = static_cast<int>(alterTage * 24.0);
    m_betriebsart = (nummer % 2 == 1) ? O2Regelung : Intervall;
}

double TSimAnlage::Zufall(double breite) {
    return (m_zufall.generateDouble() * 2.0 - 1.0) * breite;
}

void TSimAnlage::Fortschreiten(qint64 jetztMs) {
    if (jetztMs <= m_jetztMs)
        return;
    m_jetztMs = jetztMs;
    while (m_tickMs + TickMs <= m_jetztMs)
        Tick();
}

void TSimAnlage::Tick() {
    const double h = TickMs / 1000.0;
    m_tickMs += TickMs;
    m_alterS += h;

    // The pile consumes oxygen; the fan brings fresh air.
    const double ziel = m_luefter ? O2Frischluft : O2Verbraucht;
    const double tau = m_luefter ? m_tauAufS : m_tauAbS;
    m_o2 = ziel + (m_o2 - ziel) * std::exp(-h / tau);
    m_o2Drift = std::clamp(m_o2Drift * 0.95 + Zufall(1.0), -4.0, 4.0);

    // Aeration cools the pile; without it the pile heats up again.
    if (m_luefter)
        m_kuehlung += (1.0 - m_kuehlung) * (1.0 - std::exp(-h / 2400.0));
    else
        m_kuehlung *= std::exp(-h / 5400.0);
    for (double &d : m_drift)
        d = std::clamp(d * 0.98 + Zufall(0.15), -1.0, 1.0);

    if (m_luefter)
        m_laufzeitS += h;
    m_phaseS += h;

    if (m_eingeschaltet)
        Regle();
    else if (m_luefter)
        LuefterSchalten(false);

    if (m_eingeschaltet && m_soll.Speicherintervall > 0 && m_tickMs >= m_naechsteSpeicherungMs) {
        Speichere();
        m_naechsteSpeicherungMs = m_tickMs + qint64(m_soll.Speicherintervall) * 60000;
    }
}

void TSimAnlage::LuefterSchalten(bool ein) {
    if (ein && !m_luefter)
        ++m_zyklen;
    m_luefter = ein;
    m_phaseS = 0;
}

void TSimAnlage::Regle() {
    const double o2 = m_o2 + m_o2Drift;
    const double phaseMin = m_phaseS / 60.0;
    switch (m_betriebsart) {
    case LuefterAus:
        if (m_luefter)
            LuefterSchalten(false);
        break;
    case LuefterEin:
        if (!m_luefter)
            LuefterSchalten(true);
        break;
    case Intervall:
        if (m_luefter && phaseMin >= m_soll.IntervallEin) {
            LuefterSchalten(m_soll.IntervallAus <= 0);
        } else if (!m_luefter && phaseMin >= m_soll.IntervallAus) {
            LuefterSchalten(m_soll.IntervallEin > 0);
        }
        break;
    case O2Regelung:
        if (!m_luefter && o2 <= m_soll.O2Ein) {
            LuefterSchalten(true);
        } else if (m_luefter && o2 >= m_soll.O2Aus) {
            LuefterSchalten(false);
        } else if (m_luefter && m_soll.MaxEin > 0 && phaseMin >= m_soll.MaxEin) {
            // O2 does not reach the switch-off value: fixed cycle instead.
            m_betriebsart = Steuerbetrieb;
            m_steuerWegenMaxEin = true;
            LuefterSchalten(false);
        } else if (!m_luefter && m_soll.MaxAus > 0 && phaseMin >= m_soll.MaxAus) {
            // O2 does not fall to the switch-on value: fixed cycle instead.
            m_betriebsart = Steuerbetrieb;
            m_steuerWegenMaxEin = false;
            LuefterSchalten(true);
        }
        break;
    case Steuerbetrieb:
        // Back to O2 control as soon as the value that control was waiting
        // for is reached again.
        if (m_steuerWegenMaxEin ? o2 >= m_soll.O2Aus : o2 <= m_soll.O2Ein) {
            m_betriebsart = O2Regelung;
            LuefterSchalten(!m_steuerWegenMaxEin);
        } else if (m_luefter && phaseMin >= m_soll.SteuerEin && m_soll.SteuerAus > 0) {
            LuefterSchalten(false);
        } else if (!m_luefter && phaseMin >= m_soll.SteuerAus && m_soll.SteuerEin > 0) {
            LuefterSchalten(true);
        }
        break;
    default:
        break;
    }
}

void TSimAnlage::Speichere() {
    while (!m_speicher.empty() && static_cast<int>(m_speicher.size()) >= m_speicherGroesse)
        m_speicher.pop_front();
    if (m_speicherGroesse <= 0)
        return;
    TSimDatensatz satz;
    satz.Werte = Messwerte();
    satz.Zeit = m_uhrBeiNull.addMSecs(m_tickMs);
    m_speicher.push_back(satz);
}

void TSimAnlage::SetEingeschaltet(bool ein) {
    if (ein == m_eingeschaltet)
        return;
    m_eingeschaltet = ein;
    if (ein) {
        m_naechsteSpeicherungMs = m_tickMs + qint64(m_soll.Speicherintervall) * 60000;
        SetBetriebsart(m_betriebsart == Steuerbetrieb ? O2Regelung : m_betriebsart);
    } else {
        if (m_betriebsart == Steuerbetrieb)
            m_betriebsart = O2Regelung;
        if (m_luefter)
            LuefterSchalten(false);
    }
}

int TSimAnlage::Speicherstatus() const {
    if (!m_eingeschaltet)
        return 0;
    return static_cast<int>(m_speicher.size()) >= m_speicherGroesse ? 2 : 1;
}

void TSimAnlage::SetBetriebsart(int art) {
    if (art < LuefterAus || art > O2Regelung)
        return;
    m_betriebsart = art;
    m_phaseS = 0;
    if (!m_eingeschaltet)
        return;
    switch (art) {
    case LuefterAus:
        LuefterSchalten(false);
        break;
    case LuefterEin:
        LuefterSchalten(true);
        break;
    case Intervall:
        LuefterSchalten(m_soll.IntervallEin > 0);
        break;
    default:
        break; // O2 control decides at the next tick
    }
}

void TSimAnlage::SetSollwerte(const TSimSollwerte &soll) {
    const bool neuesIntervall = soll.Speicherintervall != m_soll.Speicherintervall;
    m_soll = soll;
    if (neuesIntervall)
        m_naechsteSpeicherungMs = m_tickMs + qint64(m_soll.Speicherintervall) * 60000;
}

QDateTime TSimAnlage::Uhr() const {
    return m_uhrBeiNull.addMSecs(m_jetztMs);
}

void TSimAnlage::SetUhr(const QDateTime &uhr) {
    // The clock keeps whole seconds on the tick grid, as a controller's clock
    // would; the reading now is off by less than half a second.
    const qint64 basis = Naiv(uhr).toMSecsSinceEpoch() - m_jetztMs;
    const qint64 gerundet = (basis >= 0 ? basis + 500 : basis - 500) / 1000 * 1000;
    m_uhrBeiNull = QDateTime::fromMSecsSinceEpoch(gerundet, Qt::UTC);
}

TSimMesswerte TSimAnlage::Messwerte() const {
    const double alterTage = m_alterS / 86400.0;
    double kern = 40.0 + 32.0 * (1.0 - std::exp(-alterTage / 1.2)) * std::exp(-alterTage / 45.0) +
                  m_grundversatz - 8.0 * m_kuehlung;
    kern = std::max(kern, 42.0);
    const double rand = 35.0 + (kern - 35.0) * 0.35;

    TSimMesswerte w;
    for (int i = 0; i < 5; ++i) {
        const double t = rand + (kern - rand) * Profil[i] + m_drift[i];
        w.T[i] = static_cast<int>(std::lround(t * 10.0));
    }
    w.O2 = std::clamp(static_cast<int>(std::lround(m_o2 + m_o2Drift)), 0, 210);
    w.Betriebsart = m_betriebsart;
    w.Luefter = m_luefter;
    w.Statuswert = 0;
    w.Laufzeit = static_cast<int>(m_laufzeitS / 60.0);
    w.Zyklen = m_zyklen;
    return w;
}

void TSimAnlage::SetAlter(double tage) {
    m_alterS = std::round(std::max(tage, 0.0) * 86400.0);
    m_laufzeitS = std::round(m_alterS * 0.25);
    m_zyklen = static_cast<int>(tage * 24.0);
}

void TSimAnlage::SetSpeicherGroesse(int groesse) {
    m_speicherGroesse = std::max(groesse, 0);
    while (static_cast<int>(m_speicher.size()) > m_speicherGroesse)
        m_speicher.pop_front();
}

void TSimAnlage::FuelleSpeicher(int anzahl) {
    if (anzahl <= 0 || m_soll.Speicherintervall <= 0)
        return;
    const qint64 dauer = qint64(anzahl) * m_soll.Speicherintervall * 60000;
    const int benoetigt = static_cast<int>(m_speicher.size()) + anzahl;
    if (m_speicherGroesse < benoetigt)
        m_speicherGroesse = benoetigt;

    // Go back in time by the whole stretch and let the pile run up to now
    // again, storing at every interval; the last record falls on the last
    // tick before now.
    const bool warEin = m_eingeschaltet;
    const qint64 ziel = m_jetztMs;
    m_eingeschaltet = true;
    m_jetztMs -= dauer;
    m_tickMs -= dauer;
    m_naechsteSpeicherungMs = m_tickMs + qint64(m_soll.Speicherintervall) * 60000;
    Fortschreiten(ziel);
    if (!warEin) {
        m_eingeschaltet = true; // so that switching off takes its usual path
        SetEingeschaltet(false);
    }
}

QByteArray TSimAnlage::Bearbeite(char befehl, const QByteArray &argument) {
    switch (befehl) {
    case 'B':
        return AntwortB();
    case 'R':
        return AntwortR();
    case 'r':
        return Antwortr();
    case 'S':
        return AntwortS();
    case 'c':
        return Antwortc();
    case '6':
        return AntwortT();
    case 'G': {
        if (m_speicher.empty())
            return {};
        const TSimDatensatz satz = m_speicher.front();
        m_speicher.pop_front();
        return AntwortG(satz);
    }
    case 'o':
        SetBetriebsart(LuefterAus);
        return {};
    case 'e':
        SetBetriebsart(LuefterEin);
        return {};
    case 'T':
        SetBetriebsart(Intervall);
        return {};
    case 'q':
        SetBetriebsart(O2Regelung);
        return {};
    case 'F':
        SetEingeschaltet(true);
        return {};
    case 'A':
        SetEingeschaltet(false);
        return {};
    case 'Z': {
        if (argument.size() < 6)
            return {};
        const QTime t(Zahl(argument, 0, 2), Zahl(argument, 2, 2), Zahl(argument, 4, 2));
        if (t.isValid())
            SetUhr(QDateTime(Uhr().date(), t, Qt::UTC));
        return {};
    }
    case 'D': {
        if (argument.size() < 6)
            return {};
        const QDate d(2000 + Zahl(argument, 4, 2), Zahl(argument, 2, 2), Zahl(argument, 0, 2));
        if (d.isValid())
            SetUhr(QDateTime(d, Uhr().time(), Qt::UTC));
        return {};
    }
    default:
        break;
    }

    // The set values.
    TSimSollwerte soll = m_soll;
    const int a = Zahl(argument, 0, 4);
    const int b = Zahl(argument, 4, 4);
    switch (befehl) {
    case 'I':
        soll.Speicherintervall = a;
        break;
    case 'E':
        soll.IntervallEin = a;
        break;
    case 'O':
        soll.IntervallAus = a;
        break;
    case 'n':
        soll.SteuerEin = a;
        soll.SteuerAus = b;
        break;
    case 'N':
        soll.MaxEin = a;
        soll.MaxAus = b;
        break;
    case 'p':
        soll.O2Ein = a;
        soll.O2Aus = b;
        break;
    default:
        return {};
    }
    SetSollwerte(soll);
    return {};
}

QByteArray TSimAnlage::AntwortB() const {
    return "B" + QByteArray::number(m_betriebsart) + ';';
}

QByteArray TSimAnlage::AntwortS() const {
    return "S" + QByteArray::number(Speicherstatus()) + ';' + QByteArray::number(m_eingeschaltet ? 1 : 0) +
           ';';
}

QByteArray TSimAnlage::AntwortR() const {
    QByteArray r = "R";
    for (const int v : {m_soll.Speicherintervall, m_soll.IntervallEin, m_soll.IntervallAus, m_soll.O2Ein,
                        m_soll.O2Aus, m_soll.SteuerEin, m_soll.SteuerAus, m_soll.MaxEin, m_soll.MaxAus})
        r += QByteArray::number(v) + ';';
    return r;
}

QByteArray TSimAnlage::Antwortr() const {
    return "r" + QByteArray::number(static_cast<qint64>(m_speicher.size())) + ';';
}

QByteArray TSimAnlage::Antwortc() const {
    const TSimMesswerte w = Messwerte();
    QByteArray r = "c";
    for (const int t : w.T)
        r += QByteArray::number(t) + ';';
    for (const int v : {w.O2, w.Betriebsart, w.Luefter ? 1 : 0, w.Statuswert, w.Laufzeit, w.Zyklen})
        r += QByteArray::number(v) + ';';
    return r;
}

QByteArray TSimAnlage::AntwortG(const TSimDatensatz &satz) {
    const TSimMesswerte &w = satz.Werte;
    QByteArray r = "G";
    for (const int t : w.T)
        r += QByteArray::number(t) + ';';
    r += QByteArray::number(w.O2) + ';' + QByteArray::number(w.Betriebsart) + ';' +
         QByteArray::number(w.Statuswert) + ';';
    const QDate d = satz.Zeit.date();
    const QTime t = satz.Zeit.time();
    r += QString::asprintf("%02d;%02d;%02d;%02d;%02d;", t.minute(), t.hour(), d.day(), d.month(),
                           d.year() % 100)
             .toLatin1();
    r += QByteArray::number(w.Laufzeit) + ';' + QByteArray::number(w.Zyklen) + ';';
    return r;
}

QByteArray TSimAnlage::AntwortT() const {
    // Exactly 30 characters: "T Datum dd.mm.yy Zeit hh:mm:ss".
    const QDateTime u = Uhr();
    const QDate d = u.date();
    const QTime t = u.time();
    return QString::asprintf("T Datum %02d.%02d.%02d Zeit %02d:%02d:%02d", d.day(), d.month(), d.year() % 100,
                             t.hour(), t.minute(), t.second())
        .toLatin1();
}

} // namespace KompostSim

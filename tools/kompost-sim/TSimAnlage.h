// One simulated aeration controller with its compost pile: operating mode
// and fan control, set values, clock, the memory of stored records and the
// readings of a plausible hot pile.
//
// The pile advances on a fixed grid of simulated time (ticks of ten
// seconds); the readings change only from tick to tick and are drawn from a
// random generator seeded per plant, so the same seed, the same commands and
// the same simulated times give the same replies.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>

#include <array>
#include <deque>

namespace KompostSim {

// The nine set values of a controller. O2 values in tenths of vol%, times in
// minutes.
struct TSimSollwerte {
    int Speicherintervall = 15;
    int IntervallEin = 10;
    int IntervallAus = 30;
    int O2Ein = 80;
    int O2Aus = 150;
    int SteuerEin = 5;
    int SteuerAus = 25;
    int MaxEin = 60;
    int MaxAus = 180;

    bool operator==(const TSimSollwerte &) const = default;
};

// Readings as the controller reports them: temperatures in tenths of °C
// (T100, T75, T50, T25, T0), O2 in tenths of vol%, the fan running time in
// minutes.
struct TSimMesswerte {
    std::array<int, 5> T{};
    int O2 = 0;
    int Betriebsart = 0;
    bool Luefter = false;
    int Statuswert = 0;
    int Laufzeit = 0;
    int Zyklen = 0;
};

// A record in the controller's memory: the readings and the controller
// clock at the moment it was stored.
struct TSimDatensatz {
    TSimMesswerte Werte;
    QDateTime Zeit;
};

class TSimAnlage {
public:
    static constexpr qint64 TickMs = 10000;

    // Operating modes; 4 ("Steuerbetrieb") is entered by the controller only.
    enum Betriebsart { LuefterAus = 0, LuefterEin = 1, Intervall = 2, O2Regelung = 3, Steuerbetrieb = 4 };

    // A plant with its pile half-way through the hot phase. Not present,
    // switched off, memory empty; the clock starts at `uhr` at simulated
    // time 0.
    TSimAnlage(int nummer, quint32 seed, const QDateTime &uhr);

    int Nummer() const { return m_nummer; }

    // A plant that is not present never answers.
    bool Vorhanden() const { return m_vorhanden; }
    void SetVorhanden(bool v) { m_vorhanden = v; }

    // Advances the pile to the simulated time `jetztMs` (never backwards).
    void Fortschreiten(qint64 jetztMs);
    qint64 JetztMs() const { return m_jetztMs; }

    // Switched on: a pile runs, the fan is controlled, records are stored.
    // Switching on starts a new storage interval.
    bool Eingeschaltet() const { return m_eingeschaltet; }
    void SetEingeschaltet(bool ein);

    // 0 while switched off, 1 while recording, 2 when the memory is full and
    // the oldest records are being overwritten.
    int Speicherstatus() const;

    // Operating mode 0..3 as commanded ('o', 'e', 'T', 'q'); the controller
    // may enter 4 on its own.
    int Betriebsart() const { return m_betriebsart; }
    void SetBetriebsart(int art);
    bool Luefter() const { return m_luefter; }

    TSimSollwerte Sollwerte() const { return m_soll; }
    void SetSollwerte(const TSimSollwerte &soll);

    // The controller clock (naive local date and time, held as UTC).
    QDateTime Uhr() const;
    void SetUhr(const QDateTime &uhr);

    TSimMesswerte Messwerte() const;
    // The pile's age from here on, in days (its fan running time and switch
    // cycles follow it): 0 is a fresh pile that heats up over its first days.
    void SetAlter(double tage);

    // Memory of stored records, oldest first.
    const std::deque<TSimDatensatz> &Speicher() const { return m_speicher; }
    int SpeicherGroesse() const { return m_speicherGroesse; }
    void SetSpeicherGroesse(int groesse);
    void LeereSpeicher() { m_speicher.clear(); }
    // Runs the pile for `anzahl` storage intervals up to now, so that the
    // memory afterwards holds `anzahl` more records, the last one stored
    // now. Works also for a plant that is switched off (the records then
    // belong to its last pile).
    void FuelleSpeicher(int anzahl);

    // Handles one request (letter and argument digits) and returns the reply
    // text, or an empty text for commands without reply ('G' with an empty
    // memory gets none either).
    QByteArray Bearbeite(char befehl, const QByteArray &argument);

    // The reply texts, built from the current state.
    QByteArray AntwortB() const;
    QByteArray AntwortS() const;
    QByteArray AntwortR() const;
    QByteArray Antwortr() const;
    QByteArray Antwortc() const;
    static QByteArray AntwortG(const TSimDatensatz &satz);
    QByteArray AntwortT() const;

private:
    void Tick();
    void Regle();
    void LuefterSchalten(bool ein);
    void Speichere();
    double Zufall(double breite); // uniform in [-breite, breite]

    int m_nummer;
    QRandomGenerator m_zufall;
    bool m_vorhanden = false;
    bool m_eingeschaltet = false;
    int m_betriebsart = O2Regelung;
    bool m_luefter = false;
    bool m_steuerWegenMaxEin = false; // why control operation was entered
    TSimSollwerte m_soll;

    qint64 m_jetztMs = 0; // simulated time reached
    qint64 m_tickMs = 0;  // simulated time of the last tick (on the grid)
    qint64 m_naechsteSpeicherungMs = 0;
    QDateTime m_uhrBeiNull; // controller clock at simulated time 0

    // The pile.
    double m_alterS = 0;       // age of the pile in seconds
    double m_grundversatz = 0; // the pile's own temperature offset, °C
    double m_kuehlung = 0;     // 0..1, cooling by the aeration
    std::array<double, 5> m_drift{};
    double m_o2 = 150; // tenths of vol%
    double m_o2Drift = 0;
    double m_tauAbS = 2700; // O2 consumption time constant (fan off)
    double m_tauAufS = 480; // O2 refill time constant (fan on)
    double m_phaseS = 0;    // time since the fan was last switched
    double m_laufzeitS = 0; // fan running time
    int m_zyklen = 0;

    std::deque<TSimDatensatz> m_speicher;
    int m_speicherGroesse = 1000;
};

} // namespace KompostSim

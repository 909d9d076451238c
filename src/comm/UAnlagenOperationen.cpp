#include "comm/UAnlagenOperationen.h"

#include <algorithm>

TAnlagenOperationen::TAnlagenOperationen(TZustand &zustand, TAbfrage &abfrage)
    : m_z(zustand), m_abfrage(abfrage) {
}

tAnlageParameter &TAnlagenOperationen::anlage(quint8 nr) {
    return m_z.Anlagen[std::min<size_t>(nr, MaxAnlagen)];
}

bool TAnlagenOperationen::zweiVersuche(quint16 timeout, quint8 anlage, quint8 befehl) {
    return m_abfrage.SendeUndWarte(timeout, anlage, befehl) ||
           m_abfrage.SendeUndWarte(timeout, anlage, befehl);
}

bool TAnlagenOperationen::LerneAnlage(quint8 Anlage) {
    tAnlageParameter &a = anlage(Anlage);
    a.Angeschlossen = 0;
    a.Eingeschaltet = 0;
    a.Speicherstatus = 0;
    if (!zweiVersuche(m_z.TimeoutKurz, Anlage, Befehle::Betriebsart))
        return false;
    if (!zweiVersuche(m_z.TimeoutKurz, Anlage, Befehle::Status))
        return false;
    a.Angeschlossen = 1;
    return true;
}

bool TAnlagenOperationen::LeseSollwerte(quint8 Anlage) {
    if (anlage(Anlage).Angeschlossen == 0)
        return false;
    m_z.Sollwerte.Gueltig = 0;
    if (!zweiVersuche(m_z.TimeoutMittel, Anlage, Befehle::Sollwerte))
        return false;
    m_z.Sollwerte.Gueltig = 1;
    return true;
}

bool TAnlagenOperationen::SetzeBetriebsart(quint8 Anlage, quint8 Art) {
    if (anlage(Anlage).Angeschlossen == 0)
        return true;
    static constexpr quint8 befehl[5] = {Befehle::ManuellAus, Befehle::ManuellEin, Befehle::Intervall,
                                         Befehle::O2Regelung, Befehle::O2Regelung};
    if (Art > 4)
        return false;
    for (int versuch = 0; versuch < 2; ++versuch) {
        m_abfrage.Sende(Anlage, befehl[Art]);
        if (LerneAnlage(Anlage))
            return true;
    }
    return false;
}

bool TAnlagenOperationen::SchalteAnlageAus(quint8 Anlage) {
    tAnlageParameter &a = anlage(Anlage);
    bool ergebnis = true;
    if (a.Angeschlossen != 0 && a.Eingeschaltet != 0) {
        m_abfrage.Sende(Anlage, Befehle::Aus);
        m_abfrage.SendeUndWarte(m_z.TimeoutKurz, Anlage, Befehle::Status);
        if (a.Eingeschaltet != 0) {
            m_abfrage.Sende(Anlage, Befehle::Aus);
            m_abfrage.SendeUndWarte(m_z.TimeoutKurz, Anlage, Befehle::Status);
            if (a.Eingeschaltet != 0)
                ergebnis = false;
        }
    }
    if (ergebnis) {
        a.Datei.clear();
        a.Anzahl = 0;
    }
    return ergebnis;
}

bool TAnlagenOperationen::SchalteAnlageEin(quint8 Anlage) {
    bool gelesen = false;
    for (int versuch = 0; versuch < 2 && !gelesen; ++versuch) {
        m_abfrage.Sende(Anlage, Befehle::Ein);
        gelesen = m_abfrage.SendeUndWarte(m_z.TimeoutKurz, Anlage, Befehle::Status);
    }
    const tAnlageParameter &a = anlage(Anlage);
    return gelesen && a.Eingeschaltet != 0 && a.Speicherstatus != 0;
}

bool TAnlagenOperationen::LeseAnzahlDaten(quint8 Anlage, std::optional<qint32> *empfangen) {
    if (empfangen)
        empfangen->reset();
    if (anlage(Anlage).Angeschlossen == 0)
        return false;
    const bool antwort = zweiVersuche(m_z.TimeoutKurz, Anlage, Befehle::AnzahlDaten);
    if (antwort && empfangen)
        *empfangen = m_z.AnzahlDaten;
    if (antwort && m_z.AnzahlDaten >= 0 && m_z.AnzahlDaten <= 1000)
        return true;
    m_z.AnzahlDaten = 0;
    return false;
}

void TAnlagenOperationen::SendeDatum(quint8 Anlage) {
    const QDate heute = m_z.Jetzt().date();
    m_abfrage.Sende(Anlage, Befehle::Datum,
                    {static_cast<quint16>(heute.day()), static_cast<quint16>(heute.month()),
                     static_cast<quint16>(heute.year() % 100)});
}

void TAnlagenOperationen::SendeUhrzeit(quint8 Anlage) {
    const QTime jetzt = m_z.Jetzt().time();
    m_abfrage.Sende(Anlage, Befehle::Uhrzeit,
                    {static_cast<quint16>(jetzt.hour()), static_cast<quint16>(jetzt.minute()),
                     static_cast<quint16>(jetzt.second())});
}

bool TAnlagenOperationen::LeseUhrText(quint8 Anlage) {
    if (anlage(Anlage).Angeschlossen == 0)
        return false;
    return zweiVersuche(m_z.TimeoutMittel, Anlage, Befehle::Uhr);
}

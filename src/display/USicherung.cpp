#include "display/USicherung.h"

#include "shell/USpeicherzeit.h"
#include "shell/USperre.h"

#include <algorithm>

TSicherung::TSicherung(TKommunikation &komm, TDataFile &datei, TSperre &sperre, QObject *parent)
    : QObject(parent), m_komm(komm), m_sperre(sperre), m_speicherung(komm, datei, *this) {
    m_takt.setInterval(1000);
    connect(&m_takt, &QTimer::timeout, this, &TSicherung::Pruefe);
    // A sweep that fell due while the guard was held is made up as soon as
    // it is given back (after the operation that gave it back has returned).
    connect(&m_sperre, &TSperre::Frei, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_takt.isActive())
                Pruefe();
        });
    });
}

void TSicherung::AnzeigeAnmelden(ISpeicherAnzeige *anzeige) {
    if (!anzeige)
        return;
    m_anzeigen.removeAll(anzeige);
    m_anzeigen.append(anzeige);
}

void TSicherung::AnzeigeAbmelden(ISpeicherAnzeige *anzeige) {
    m_anzeigen.removeAll(anzeige);
}

void TSicherung::Starte() {
    m_takt.start();
}

void TSicherung::Stoppe() {
    m_takt.stop();
}

const TSicherung::TAnlagenStand &TSicherung::Stand(int anlage) const {
    return m_stand[static_cast<size_t>(std::clamp(anlage, 0, MaxAnlagen))];
}

bool TSicherung::Pruefe() {
    const TZustand &z = m_komm.Zustand;
    // Never inside another exchange with a controller or while a dialog may
    // start one; nor while the connection is down: it runs once the plants
    // are learned again.
    if (m_laeuft || !SpeicherungFaellig(z) || !SpeicherungMoeglich(z) || m_sperre.Belegt() ||
        m_komm.Abfrage.Wartet())
        return false;
    Sicherung();
    return true;
}

void TSicherung::Sicherung() {
    if (m_laeuft)
        return;
    TZustand &z = m_komm.Zustand;
    // No window starts an exchange meanwhile; the poll waits.
    const TSperre::THalter halter(m_sperre);
    m_laeuft = true;
    m_abbrechen = false;
    m_stand.fill(TAnlagenStand{});
    m_am = z.Jetzt();
    m_komm.Abfrage.StopTimer();
    emit Begonnen();
    const int n = std::clamp(static_cast<int>(z.AnlagenAnzahl), 1, MaxAnlagen);
    for (int i = 1; i <= n && !m_abbrechen; ++i) {
        // A plant that does not answer or runs no pile is not asked; records
        // kept for it are written all the same, but nothing was read.
        const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(i)];
        const TStand nichtGelesen = a.Angeschlossen == 0   ? TStand::KeineAntwort
                                    : a.Eingeschaltet == 0 ? TStand::Ausgeschaltet
                                                           : TStand::Gesichert;
        const bool ok = m_speicherung.StoreControllerRecordsQuiet(i);
        TAnlagenStand &s = m_stand[static_cast<size_t>(i)];
        s.Grund = m_speicherung.LastError();
        if (!ok)
            s.Stand = TStand::Fehler;
        else if (m_speicherung.Ergebnis() == TSpeicherung::TErgebnis::KonfigurationNichtGeschrieben)
            s.Stand = TStand::KonfigurationNichtGeschrieben;
        else
            s.Stand = nichtGelesen;
        emit AnlageGesichert(i);
    }
    // A connection lost during the sweep: it runs again once the plants are
    // learned again. One cut short for the program's end is not done either.
    if (z.Verbunden && !m_abbrechen)
        SpeicherzeitWeiter(z);
    m_laeuft = false;
    m_komm.Abfrage.StartTimer();
    emit Beendet();
}

void TSicherung::Abbrechen() {
    if (!m_laeuft)
        return;
    m_abbrechen = true;
    m_speicherung.Abbrechen();
}

void TSicherung::Meldung(const QString &) {
    // The sweep runs without messages: its outcome is in the storage status.
}

void TSicherung::AnzahlAnzeigen(const QString &text) {
    if (ISpeicherAnzeige *a = anzeige())
        a->AnzahlAnzeigen(text);
}

void TSicherung::FortschrittZeigen(int maximum) {
    if (ISpeicherAnzeige *a = anzeige())
        a->FortschrittZeigen(maximum);
}

void TSicherung::FortschrittSchritt() {
    if (ISpeicherAnzeige *a = anzeige())
        a->FortschrittSchritt();
}

void TSicherung::FortschrittVerbergen() {
    if (ISpeicherAnzeige *a = anzeige())
        a->FortschrittVerbergen();
}

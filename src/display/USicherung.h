// The daily storage sweep of the running program: once a day, at the storage
// hour (USpeicherzeit.h), the records stored in every running controller are
// read into the plants' data files, whether a window is open or not. It waits
// while a controller exchange runs or a window's dialog is open (the run's
// guard) or while the connection is down, and runs as soon as that ends. The
// windows only show what it did: the live display its storage-status grid
// and progress, the main window that it is busy. No widgets.
#pragma once

#include "display/USpeicherung.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>
#include <array>

class TSperre;

class TSicherung : public QObject, private ISpeicherAnzeige {
    Q_OBJECT
public:
    // How the last sweep ended for one plant.
    enum class TStand {
        Keiner,                        // not swept yet
        Gesichert,                     // "Ergebnis OK !"
        KonfigurationNichtGeschrieben, // records saved, "Anzahl" or "Datei" not stored
        Fehler,                        // "Fehler beim sichern!"
        Ausgeschaltet,                 // not read: no pile runs
        KeineAntwort,                  // not read: the plant does not answer
    };
    struct TAnlagenStand {
        TStand Stand = TStand::Keiner;
        QString Grund; // what failed, in words (empty when all went well)
    };

    TSicherung(TKommunikation &komm, TDataFile &datei, TSperre &sperre, QObject *parent = nullptr);

    // Who hears of the readouts and their disturbances (see TSpeicherung).
    void SetzeEreignisse(IEreignisse *ereignisse) { m_speicherung.SetzeEreignisse(ereignisse); }
    void SetzeStoerungen(TStoerungsStand *stoerungen) { m_speicherung.SetzeStoerungen(stoerungen); }
    // Where the progress of the readouts is shown: on the display that came
    // last of those that are there (none: nowhere). Each window that shows
    // it comes when it is built and goes when it is destroyed.
    void AnzeigeAnmelden(ISpeicherAnzeige *anzeige);
    void AnzeigeAbmelden(ISpeicherAnzeige *anzeige);

    // Looks every second whether the sweep is due (the program starts it
    // when its window is up), and no more.
    void Starte();
    void Stoppe();
    bool Gestartet() const { return m_takt.isActive(); }

    // The sweep runs now if it is due, can be done (the connection is open
    // and the plants are learned) and nothing else is busy. true if it ran.
    bool Pruefe();
    // The sweep over plants 1..N: each running plant's records into its data
    // file, then the storage time one day on (unless the connection went
    // meanwhile: then it runs again once the plants are learned again).
    void Sicherung();
    // A sweep that runs asks for no further record (closing the program):
    // the plant being read ends after its current record, the others wait.
    void Abbrechen();
    bool Laeuft() const { return m_laeuft; }

    // The last sweep: when it began and each plant's outcome.
    QDateTime Am() const { return m_am; }
    const TAnlagenStand &Stand(int anlage) const;

signals:
    // A sweep begins; plant n has been swept; the sweep is over.
    void Begonnen();
    void AnlageGesichert(int anlage);
    void Beendet();

private:
    // ISpeicherAnzeige: handed on to the window that shows the sweep.
    void Meldung(const QString &text) override;
    void AnzahlAnzeigen(const QString &text) override;
    void FortschrittZeigen(int maximum) override;
    void FortschrittSchritt() override;
    void FortschrittVerbergen() override;

    TKommunikation &m_komm;
    TSperre &m_sperre;
    TSpeicherung m_speicherung;
    ISpeicherAnzeige *anzeige() const { return m_anzeigen.isEmpty() ? nullptr : m_anzeigen.last(); }
    QList<ISpeicherAnzeige *> m_anzeigen;
    QTimer m_takt;
    bool m_laeuft = false;
    bool m_abbrechen = false;
    QDateTime m_am;
    std::array<TAnlagenStand, MaxAnlagen + 1> m_stand{};
};

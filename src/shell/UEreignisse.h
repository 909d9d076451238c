// The run's events for those who only listen: the alarms, the publisher to a
// site's broker. The communication, the data file writer and the readouts
// report through IEreignisse without knowing who listens; TEreignisVerteiler
// (one per run, TLauf::Ereignisse) hands every event to each listener.
//
// A listener is called on the user-interface thread inside the operation that
// reports the event (a poll step, a readout between two records). It must
// return at once: no message box, no local event loop, no waiting for the
// network; what takes time it hands to a timer or a thread of its own. It
// never changes the run's state.
#pragma once

#include "shell/UZustand.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Something that keeps the PC from doing its work, reported when it begins
// and when it ends. Plant 0: the PC itself.
enum class TStoerung {
    // A readout (daily sweep, pile end, offline readout) could not read or
    // write every record of the plant; ends with the next readout that does.
    Auslesung,
    // The configuration file could not be written.
    Konfiguration,
    // The event log could not be written.
    Ereignisprotokoll,
    // The list of the records kept while the disk refused them
    // ("Gehaltene_Datensaetze.CSV") could not be written.
    GehalteneDatensaetze,
    // The outbox to the site's broker was found damaged (lines that cannot
    // be sent, its marker unreadable or beyond its end); ends when what it
    // still held has reached the broker.
    MqttAusgang,
};

// An alarm raised, cleared or acknowledged (the alarms report it, others publish it).
struct tAlarmEreignis {
    QDateTime Zeit;
    int Anlage = 0;  // 0: an alarm of the PC
    QString Text;    // the alarm's text in German, as the journal keeps it
    QString Zustand; // "kommt", "geht" or "quittiert"
};

class IEreignisse {
public:
    virtual ~IEreignisse() = default;

    // A poll step judged plant `anlage`: its live readings now (w.Gueltig
    // tells a valid reply from a miss), at the run's clock time `zeit`.
    virtual void Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) {
        (void)anlage, (void)w, (void)zeit;
    }
    // One record line is on the disk: plant, data file (full path), record
    // number, the storage time as the line holds it ("09.12.2024  14:30") and
    // the values the line was made of.
    virtual void DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                                      const tAnlageMesswerte &w) {
        (void)anlage, (void)datei, (void)nr, (void)zeit, (void)w;
    }
    // The link to the controllers is up (true) or down (false).
    virtual void Verbindung(bool verbunden) { (void)verbunden; }
    // A controller announced how many records it holds ('r').
    virtual void Speicherstand(int anlage, qint32 anzahl) { (void)anlage, (void)anzahl; }
    // A readout of plant `anlage` has ended, having read `gelesen` records;
    // ok: every announced record is in the data file.
    virtual void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) {
        (void)anlage, (void)ok, (void)gelesen, (void)grund;
    }
    // A disturbance begins (aktiv) or ends, with its reason in words.
    virtual void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) {
        (void)art, (void)anlage, (void)aktiv, (void)grund;
    }
    // An alarm changed.
    virtual void Alarm(const tAlarmEreignis &a) { (void)a; }
};

// Hands every event to each listener, in the order they were added.
class TEreignisVerteiler : public IEreignisse {
public:
    void Anmelden(IEreignisse *hoerer) {
        if (hoerer && !m_hoerer.contains(hoerer))
            m_hoerer.append(hoerer);
    }
    void Abmelden(IEreignisse *hoerer) { m_hoerer.removeAll(hoerer); }
    qsizetype Hoerer() const { return m_hoerer.size(); }

    void Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) override {
        for (IEreignisse *h : liste())
            h->Messwert(anlage, w, zeit);
    }
    void DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                              const tAnlageMesswerte &w) override {
        for (IEreignisse *h : liste())
            h->DatensatzGeschrieben(anlage, datei, nr, zeit, w);
    }
    void Verbindung(bool verbunden) override {
        for (IEreignisse *h : liste())
            h->Verbindung(verbunden);
    }
    void Speicherstand(int anlage, qint32 anzahl) override {
        for (IEreignisse *h : liste())
            h->Speicherstand(anlage, anzahl);
    }
    void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) override {
        for (IEreignisse *h : liste())
            h->Auslesung(anlage, ok, gelesen, grund);
    }
    void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) override {
        for (IEreignisse *h : liste())
            h->Stoerung(art, anlage, aktiv, grund);
    }
    void Alarm(const tAlarmEreignis &a) override {
        for (IEreignisse *h : liste())
            h->Alarm(a);
    }

private:
    // A copy, so that a listener may leave while it is called.
    QList<IEreignisse *> liste() const { return m_hoerer; }

    QList<IEreignisse *> m_hoerer;
};

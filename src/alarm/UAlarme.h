// The alarms: they watch the run's events (the judged polls, the link, the
// records written, the controllers' record counts, the readouts' ends and
// the disturbances of the PC), the data folders' free space and the piles'
// core temperatures, and raise an alarm when a plant or the PC needs
// attention. An alarm belongs to a plant (1..32) or to the PC (0); it is
// raised once, stays active until its condition clears and can be
// acknowledged; a cleared alarm that was never acknowledged stays listed
// until it is.
//
// Every change (raised "kommt", cleared "geht", acknowledged "quittiert")
// goes into the event log, the alarm journal (TAlarmJournal) and to the
// run's listeners; raised and cleared alarms go out by mail (TAlarmPost) and
// to the site's command ("BEFEHL"). The active alarms come back from the
// journals of this and the last year after a restart, without being sent
// again.
//
// The conditions and their thresholds ([ALARM] of O2_Tarvos.ini):
// - "Anlage antwortet nicht": a plant that answered in this run (or whose
//   alarm was active before the restart) missed every poll for STILL minutes
//   while the link is up; a plant switched off counts as answering while it
//   is learned (its replies are not judged). Clears with its next reply.
// - "Verbindung zu den Steuerungen unterbrochen": the link has been down for
//   VERBINDUNG minutes (also since the start); clears when it is back.
// - "Sauerstoff zu niedrig": a running pile's O2 below O2MIN for O2DAUER
//   minutes; clears at O2MIN or above, or when the pile ends.
// - "Temperatur zu hoch": a running pile's core (100 cm) above TMAX; clears
//   at TMAX or below, or when the pile ends.
// - "Kern hat 55 °C nicht erreicht": a pile running for HYGTAGE days (from
//   its data file's first record, or since it was first seen running) whose
//   core never reached 55 °C in its data file or the live readings; clears at
//   55 °C or when the pile ends.
// - "Steuerungsspeicher fast voll": a controller announced SPEICHER records
//   or more; clears when a count below is announced or a readout succeeds.
// - "Auslesung fehlgeschlagen": a readout did not bring every record into
//   the data file; clears with the plant's next successful readout.
// - "Wenig Speicherplatz": a data folder or the home folder has less than
//   PLATZMB MB free; clears when all have more.
// - "Konfigurationsdatei kann nicht geschrieben werden", "Ereignisprotokoll
//   kann nicht geschrieben werden": the disturbances of the PC, while they last.
// - "MQTT-Ausgang beschädigt": the outbox to the site's broker was found
//   damaged; clears when what it still held has reached the broker.
//
// Everything runs on the user-interface thread and returns at once; mail
// goes out on threads of their own and the command runs as a process of its
// own. No widgets.
#pragma once

#include "alarm/UAlarmEinstellungen.h"
#include "alarm/UAlarmJournal.h"
#include "alarm/UAlarmPost.h"
#include "alarm/UAlarmTexte.h"
#include "alarm/UHintergrund.h"
#include "shell/UEreignisse.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <climits>

class TAlarmStand;
class TIniDatei;
class TLog;

enum class TAlarmArt {
    Still,
    Verbindung,
    Sauerstoff,
    Temperatur,
    Hygienisierung,
    Speicher,
    Auslesung,
    Platz,
    Konfiguration,
    Ereignisprotokoll,
    MqttAusgang,
    Sonstige, // a text of the journal this program does not know
};

// The German text of an alarm (as the journal keeps it; translated with the
// context AlarmTextKontext); the kind of a text, Sonstige for an unknown one.
const char *AlarmText(TAlarmArt art);
TAlarmArt AlarmArt(const QString &text);

struct tAlarm {
    TAlarmArt Art = TAlarmArt::Sonstige;
    int Anlage = 0; // 0: the PC
    QString Text;   // German
    QDateTime Seit; // raised
    QDateTime Ende; // cleared; invalid while active
    bool Aktiv = true;
    bool Quittiert = false;
    tAlarmText Werte;               // what raised it
    tAlarmText EndeWerte;           // what cleared it
    bool Wiederhergestellt = false; // taken over from the journal at the start

    // The text in the current language.
    QString Uebersetzt() const;
};

class TAlarme : public QObject, public IEreignisse {
    Q_OBJECT
public:
    // Reads [ALARM], takes the alarms still active or unacknowledged from
    // the journals of this and the last year, and listens to ereignisse
    // (until it is destroyed). Every reference must outlive the alarms.
    TAlarme(TZustand &z, TIniDatei &ini, TLog &log, TEreignisVerteiler &ereignisse, TAlarmStand &stand,
            QObject *parent = nullptr);
    ~TAlarme() override;

    const tAlarmEinstellungen &Einstellungen() const { return m_e; }
    // Reads [ALARM] again (after the settings dialog); an alarm whose
    // condition was switched off clears.
    void EinstellungenLesen();

    // The check of what has no event of its own (the link down for long, the
    // free space, the piles' 55 °C, disturbances from before the restart).
    // Runs every minute unless a test sets another period.
    void Pruefen();
    void SetzeTakt(int ms);
    // A pile's data file is being read (on a thread of its own).
    bool LiestDatei() const { return m_leser.Laeuft(); }
    // A command still running this long is ended.
    void SetzeBefehlGrenze(int ms) { m_befehlGrenzeMs = ms; }

    // Active and unacknowledged alarms, oldest first.
    QList<tAlarm> Liste() const;
    int Aktive() const;
    // The changes of the last `tage` days, newest first.
    QList<tAlarmEreignis> Verlauf(int tage = 30) const;

    // The operator acknowledges an alarm (false: there is none to acknowledge).
    bool Quittieren(int anlage, const QString &text);
    // Acknowledges every alarm not acknowledged yet; how many.
    int AlleQuittieren();

    // "Anlage 3" (its displayed number) or "PC", in the current language.
    QString Wer(int anlage) const;
    // The mail of a change ("kommt" or "geht") of alarm a.
    tMail Mail(const tAlarm &a, const QString &zustand) const;
    tMail Testmail() const;

    TAlarmPost &Post() { return m_post; }
    const TAlarmJournal &Journal() const { return m_journal; }

    // IEreignisse
    void Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) override;
    void DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                              const tAnlageMesswerte &w) override;
    void Verbindung(bool verbunden) override;
    void Speicherstand(int anlage, qint32 anzahl) override;
    void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) override;
    void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) override;

signals:
    // The list or the history changed.
    void Geaendert();

private:
    // What the alarms know of a plant between the events.
    struct TBeobachtung {
        bool Beobachtet = false; // answered in this run (or its alarm came back from the journal)
        QDateTime StillSeit;     // the first poll without reply since the last reply
        QDateTime O2TiefSeit;
        // the pile watched for 55 °C in the core
        QString Datei;
        QDateTime MieteGesehen;    // first seen running in this run
        QDateTime ErsterDatensatz; // the oldest record of its data file
        int KernMax = INT_MIN;
        bool DateiGelesen = false;
    };

    QDateTime jetzt() const;
    void heben(TAlarmArt art, int anlage, const tAlarmText &werte);
    void loesen(TAlarmArt art, int anlage, const tAlarmText &werte);
    void melden(const tAlarm &a, const QString &zustand);
    void befehl(const tAlarm &a, const QString &zustand);
    void standMelden();
    void wiederherstellen();
    void abgeschalteteLoesen();
    void mieteBeendet(int anlage);
    void neueMiete(int anlage, const QString &datei, const QDateTime &zeit);
    void dateiLesen(int anlage);
    void naechsteDatei();
    void mieteBewerten(int anlage);
    void platzPruefen();
    qsizetype finde(int anlage, const QString &text) const;
    QString zeitText(const QDateTime &t) const;
    QStringList firmenZeilen() const;

    TZustand &m_z;
    TIniDatei &m_ini;
    TLog &m_log;
    TEreignisVerteiler &m_ereignisse;
    TAlarmStand &m_stand;
    tAlarmEinstellungen m_e;
    TAlarmJournal m_journal;
    TAlarmPost m_post;
    QList<tAlarm> m_alarme;
    QList<tAlarmEreignis> m_verlauf;
    std::array<TBeobachtung, MaxAnlagen + 1> m_beob;
    QDateTime m_linkWegSeit;
    QTimer m_takt;
    THintergrund m_leser{this}; // reads a pile's data file
    int m_befehlGrenzeMs = 10 * 60 * 1000;
    bool m_journalFehler = false;
};

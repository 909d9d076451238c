// The publisher of the site network: listens to the run's events and sends
// this PC's live values, stored records and alarms to the MQTT broker of
// [MQTT] in O2_Tarvos.ini (see UMqttNachrichten.h for the topics and
// payloads). It only publishes; it listens on no port.
//
// Stored records and alarms go through the outbox (UMqttAusgang.h): on the
// disk before they are sent, gone from it only when the broker has
// acknowledged them, sent in order with a few in flight at a time. The
// retained live topics (status, zustand, messwerte) always carry the latest
// state and are published again after every reconnect, so that a broker
// restarted without its store shows them again. A lost connection is
// reopened with growing pauses (5 s up to 60 s); the event log says so.
//
// Everything here runs on the user-interface thread and returns at once: the
// connection itself lives in a thread of its own (UMqttVerbindung.h). The
// only wait on the disk is the sync of each outbox line, as for the record
// line it accompanies.
//
// A damaged outbox (UMqttAusgang.h) is logged line by line and is a
// disturbance of the PC (TStoerung::MqttAusgang) until what it still held
// has reached the broker; the alarms hear of it as of every disturbance.
#pragma once

#include "mqtt/UMqttAusgang.h"
#include "mqtt/UMqttVerbindung.h"
#include "shell/UEreignisse.h"
#include "shell/UMqttEinstellungen.h"
#include "shell/USchnittstellen.h"
#include "shell/UStoerungen.h"
#include "shell/UZustand.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <array>
#include <memory>

class TMqttSender : public QObject, public IEreignisse, public IMqttDienst {
    Q_OBJECT
public:
    // The outbox lives in z.Heimordner; log (may be null) gets the connection's events.
    TMqttSender(const TZustand &z, ILogSink *log, QObject *parent = nullptr);
    ~TMqttSender() override;

    // Messages of the outbox in flight at once.
    static constexpr int Fenster = 8;

    // Starts with these settings (Host empty: off).
    void Starte(const tMqttEinstellungen &e) { Uebernehmen(e); }
    // Program end: the status "offline", then the connection ends cleanly;
    // waits in a local event loop at most ms milliseconds for it.
    void Beenden(int ms = 4000);

    bool IstVerbunden() const { return m_verbunden; }
    // The outbox (null while the publisher was never on).
    TMqttAusgang *Ausgang() const { return m_ausgang.get(); }
    // The pauses between attempts (tests shorten them).
    void SetzePausen(int ersteMs, int laengsteMs);
    // Where a damaged outbox is reported as a disturbance of the PC (may be null).
    void SetzeStoerungen(TStoerungsStand *stoerungen) { m_stoerungen = stoerungen; }

    // IEreignisse
    void Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) override;
    void DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                              const tAnlageMesswerte &w) override;
    void Verbindung(bool verbunden) override;
    void Speicherstand(int anlage, qint32 anzahl) override;
    void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) override;
    void Alarm(const tAlarmEreignis &a) override;

    // IMqttDienst
    tMqttEinstellungen Einstellungen() const override { return m_e; }
    void Uebernehmen(const tMqttEinstellungen &e) override;
    QString Zustandstext() const override;
    qint64 Wartend() const override;
    qint64 AusgangBytes() const override;
    void Testen(const tMqttEinstellungen &e,
                std::function<void(bool ok, const QString &text)> antwort) override;

signals:
    void Verbunden();
    void Getrennt();
    // A message of the outbox was acknowledged.
    void Zugestellt();

private:
    enum class TStand { Aus, Verbinde, Verbunden, Getrennt };

    void beiVerbunden(quint64 sitzung);
    void beiGetrennt(quint64 sitzung, const QByteArray &grundText, const QString &grundWert, int pauseMs,
                     bool abgewiesen);
    void beiBestaetigt(quint64 sitzung, qint64 nummer);
    void beiTestErgebnis(int auftrag, bool ok, const QByteArray &grundText, const QString &grundWert);
    void takt();
    // Hands messages of the outbox to the connection while the window has room.
    void pumpe();
    void ablegen(const QByteArray &thema, const QByteArray &inhalt);
    // Logs what the outbox found damaged and reports the disturbance while it lasts.
    void schaedenMelden();
    void senden(const QByteArray &unterThema, const QByteArray &inhalt, int qos, bool behalten);
    void zustandPruefen(int anlage, bool immer);
    void allesVeroeffentlichen();
    // Keeps a plant's readings message and publishes it, retained.
    void messwerteSenden(int anlage, const QByteArray &inhalt);
    int anzeigeNummer(int anlage) const;
    void log(const QString &text) const;

    const TZustand &m_z;
    ILogSink *m_log;
    TStoerungsStand *m_stoerungen = nullptr;
    tMqttEinstellungen m_e;
    QString m_standort;
    QThread *m_thread; // left to the end of the process if it does not end
    TMqttArbeiter *m_arbeiter = nullptr;
    std::unique_ptr<TMqttAusgang> m_ausgang;
    bool m_ausgangGemeldet = false; // an outbox error is in the log
    QTimer m_takt;

    TStand m_stand = TStand::Aus;
    bool m_verbunden = false;
    quint64 m_sitzung = 0;
    tMqttGrund m_grund;
    bool m_abgewiesen = false;
    QDeadlineTimer m_naechsterVersuch;

    // per plant (1..32): the last readings payload, whether it was valid, the last state payload
    std::array<QByteArray, MaxAnlagen + 1> m_messwerte;
    std::array<bool, MaxAnlagen + 1> m_gueltig{};
    std::array<QByteArray, MaxAnlagen + 1> m_zustand;

    int m_naechsterAuftrag = 1;
    QHash<int, std::function<void(bool, const QString &)>> m_tests;
};

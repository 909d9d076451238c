// The connection to the MQTT broker: libmosquitto (MQTT 3.1.1, TLS with a CA
// file, user name and password) driven by the event loop of a thread of its
// own, so that resolving the broker's name, a connect that hangs or a TLS
// handshake never hold up the poll, the readouts or the windows.
//
// TMqttSitzung is one connection: its socket watched by QSocketNotifiers,
// keepalive pings from a timer. TMqttArbeiter lives in the thread, opens the
// sessions, reopens a lost one with growing pauses (5 s up to 60 s) and
// reports to the user-interface thread through queued signals; every signal
// carries the number of the session it comes from, so that nothing of an old
// connection is taken for the new one.
#pragma once

#include "shell/UMqttEinstellungen.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

struct mosquitto;
class QSocketNotifier;
class TWiederaufbau;

// Why a connection failed or ended: a text in German (the source of its
// translation) with one value for %1.
struct tMqttGrund {
    QByteArray Text;
    QString Wert;
    QString Deutsch() const;
    QString Uebersetzt() const;
};

class TMqttSitzung : public QObject {
    Q_OBJECT
public:
    // kennung: the client id; will: topic and payload of the last will
    // (retained, QoS 1), none when the topic is empty.
    TMqttSitzung(const tMqttEinstellungen &e, const QByteArray &kennung, const QByteArray &willeThema,
                 const QByteArray &willeInhalt, QObject *parent = nullptr);
    ~TMqttSitzung() override;

    // Starts the connection. Resolves the broker's name: may take a while.
    // false: it did not start (Grund() says why); nothing follows.
    bool Starte();
    // Publishes; the message id, or -1 when it cannot be sent now.
    int Sende(const QByteArray &thema, const QByteArray &inhalt, int qos, bool behalten);
    // Ends the connection with DISCONNECT (the broker sends no last will); Getrennt follows.
    void Trenne();
    bool IstVerbunden() const { return m_verbunden; }
    tMqttGrund Grund() const { return m_grund; }

    // How long a connection may take until the broker accepts it.
    static constexpr int VerbindenMs = 15000;

signals:
    void Verbunden();
    // The broker refused the connection (its CONNACK code in words).
    void Abgewiesen(const tMqttGrund &grund);
    // The connection failed or ended (not after a refusal).
    void Getrennt(const tMqttGrund &grund);
    // The broker acknowledged a QoS 1 message (PUBACK), or a QoS 0 message left.
    void Bestaetigt(int mid);

private:
    static void beiConnack(mosquitto *m, void *selbst, int rc);
    static void beiDisconnect(mosquitto *m, void *selbst, int rc);
    static void beiPublish(mosquitto *m, void *selbst, int mid);
    static void beiLog(mosquitto *m, void *selbst, int stufe, const char *text);

    void lesen();
    void schreiben();
    void pflege();
    // After every call into libmosquitto: the socket notifiers follow its
    // socket; an error ends the session.
    void danach(int rc);
    void beende(const tMqttGrund &grund);
    void notifierWeg();
    tMqttGrund fehlerGrund(int rc, int fehlerNr) const;

    tMqttEinstellungen m_e;
    mosquitto *m_mosq = nullptr;
    QSocketNotifier *m_lesen = nullptr;
    QSocketNotifier *m_schreiben = nullptr;
    QTimer m_pflege;
    QTimer m_frist;
    bool m_verbunden = false;
    bool m_beendet = false;
    bool m_trennt = false;
    int m_connack = -1;
    int m_disconnectRc = 0;
    int m_disconnectErrno = 0;
    QString m_tlsFehler;
    tMqttGrund m_grund;
};

class TMqttArbeiter : public QObject {
    Q_OBJECT
public:
    explicit TMqttArbeiter(QObject *parent = nullptr);
    ~TMqttArbeiter() override;

    // All of these run in the arbeiter's thread (called through queued invocations).
    // New settings: the session in use ends (the broker sends its last will)
    // and a new one starts unless Host is empty.
    void Einstellen(const tMqttEinstellungen &e);
    void Senden(quint64 sitzung, qint64 nummer, const QByteArray &thema, const QByteArray &inhalt, int qos,
                bool behalten);
    // Program end: the message (the status "offline"), then DISCONNECT; Beendet follows.
    void Beenden(const QByteArray &thema, const QByteArray &inhalt);
    // A trial connection beside the one in use; TestErgebnis follows.
    void Teste(int auftrag, const tMqttEinstellungen &e);
    void SetzePausen(int ersteMs, int laengsteMs);

    // The topic of a site's status, and the client id of a site.
    static QByteArray StatusThema(const tMqttEinstellungen &e);
    static QByteArray Kennung(const tMqttEinstellungen &e);

signals:
    void Verbunden(quint64 sitzung);
    // pauseMs: until the next attempt; abgewiesen: the broker refused.
    void Getrennt(quint64 sitzung, const QByteArray &grundText, const QString &grundWert, int pauseMs,
                  bool abgewiesen);
    void Bestaetigt(quint64 sitzung, qint64 nummer);
    void Beendet();
    void TestErgebnis(int auftrag, bool ok, const QByteArray &grundText, const QString &grundWert);

private:
    TWiederaufbau &wiederaufbau();
    void versuch();
    void verloren(const tMqttGrund &grund, bool abgewiesen);
    void sitzungWeg();

    tMqttEinstellungen m_e;
    std::unique_ptr<TMqttSitzung> m_sitzung;
    quint64 m_nummer = 0; // of the session in use
    TWiederaufbau *m_wiederaufbau = nullptr;
    int m_ersteMs = 0, m_laengsteMs = 0;
    QHash<int, qint64> m_mids; // message id -> outbox number
    bool m_beendet = false;
    int m_beendenMid = -1;
};

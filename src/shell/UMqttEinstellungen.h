// The site network ("Netzwerk-Dashboard"): the settings of the publisher that
// sends the live values, the stored records and the alarms of this PC to an
// MQTT broker, kept in the section [MQTT] of O2_Tarvos.ini, and the narrow
// interface through which the PC setup dialog reaches that publisher without
// knowing it. Qt Core only.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class TIniDatei;

struct tMqttEinstellungen {
    QString Host;       // [MQTT] HOST: broker address or name; empty: the publisher is off
    int Port = 1883;    // PORT
    bool Tls = false;   // TLS (0/1)
    QString CaDatei;    // CAFILE: the certificate authority that signed the broker's certificate
    QString Benutzer;   // USER
    QString Passwort;   // PASS
    QString Standort;   // STANDORT: the site's name in the topics; empty: the PC's host name
    int Keepalive = 60; // KEEPALIVE, seconds

    bool Aktiv() const { return !Host.trimmed().isEmpty(); }
    // "host:port", as the messages name the broker.
    QString Adresse() const { return Host.trimmed() + QLatin1Char(':') + QString::number(Port); }
    bool operator==(const tMqttEinstellungen &) const = default;
};

// The settings of [MQTT]; missing or malformed keys take their defaults.
tMqttEinstellungen LeseMqttEinstellungen(const TIniDatei &ini);

// Writes the keys whose values differ from `vorher`; the reasons of failed
// writes are appended to fehler. true when every write succeeded.
bool SchreibeMqttEinstellungen(TIniDatei &ini, const tMqttEinstellungen &neu,
                               const tMqttEinstellungen &vorher, QStringList &fehler);

// The site name as it stands in the topics: STANDORT, else the PC's host
// name, else "standort"; characters that would break a topic level ('/', '+',
// '#', control characters) become '-'.
QString MqttStandort(const tMqttEinstellungen &e);

// The publisher as the PC setup dialog sees it. Everything is called on the
// user-interface thread and returns at once.
class IMqttDienst {
public:
    virtual ~IMqttDienst() = default;

    // The settings in use.
    virtual tMqttEinstellungen Einstellungen() const = 0;
    // New settings, already written to the configuration file: the connection
    // to the broker is built anew (or ended when Host is empty).
    virtual void Uebernehmen(const tMqttEinstellungen &e) = 0;
    // The state of the connection to the broker in words, in the current language.
    virtual QString Zustandstext() const = 0;
    // Messages waiting in the outbox for the broker's acknowledgement, and
    // the outbox file's size in bytes.
    virtual qint64 Wartend() const = 0;
    virtual qint64 AusgangBytes() const = 0;
    // A trial connection with these settings, beside the one in use. antwort
    // is called once, later, on the user-interface thread: success and the
    // result in plain words (the broker's refusal, the network's error).
    virtual void Testen(const tMqttEinstellungen &e,
                        std::function<void(bool ok, const QString &text)> antwort) = 0;
};

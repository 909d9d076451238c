#include "mqtt/UMqttVerbindung.h"

#include "comm/UWiederaufbau.h"
#include "mqtt/UMqttNachrichten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <mosquitto.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char *Kontext = "TMqttSender";

void bibliothekStarten() {
    static const int einmal = mosquitto_lib_init();
    (void)einmal;
}

tMqttGrund grund(const char *text, const QString &wert = QString()) {
    return tMqttGrund{QByteArray(text), wert};
}

} // namespace

QString tMqttGrund::Deutsch() const {
    const QString t = QString::fromUtf8(Text);
    return t.contains(QLatin1String("%1")) ? t.arg(Wert) : t;
}

QString tMqttGrund::Uebersetzt() const {
    const QString t = QCoreApplication::translate(Kontext, Text.constData());
    return t.contains(QLatin1String("%1")) ? t.arg(Wert) : t;
}

// ---------------------------------------------------------------- session

TMqttSitzung::TMqttSitzung(const tMqttEinstellungen &e, const QByteArray &kennung,
                           const QByteArray &willeThema, const QByteArray &willeInhalt, QObject *parent)
    : QObject(parent), m_e(e) {
    bibliothekStarten();
    m_mosq = mosquitto_new(kennung.constData(), true, this);
    if (!m_mosq)
        return;
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(m_mosq, &TMqttSitzung::beiConnack);
    mosquitto_disconnect_callback_set(m_mosq, &TMqttSitzung::beiDisconnect);
    mosquitto_publish_callback_set(m_mosq, &TMqttSitzung::beiPublish);
    mosquitto_log_callback_set(m_mosq, &TMqttSitzung::beiLog);
    if (!willeThema.isEmpty())
        mosquitto_will_set(m_mosq, willeThema.constData(), static_cast<int>(willeInhalt.size()),
                           willeInhalt.constData(), 1, true);
    m_pflege.setInterval(1000);
    connect(&m_pflege, &QTimer::timeout, this, &TMqttSitzung::pflege);
    m_frist.setSingleShot(true);
    connect(&m_frist, &QTimer::timeout, this,
            [this] { beende(grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker antwortet nicht."))); });
}

TMqttSitzung::~TMqttSitzung() {
    notifierWeg();
    if (m_mosq)
        mosquitto_destroy(m_mosq);
}

// The callbacks run inside a call into libmosquitto: they only take note;
// danach() acts once the call has returned.
void TMqttSitzung::beiConnack(mosquitto *, void *selbst, int rc) {
    static_cast<TMqttSitzung *>(selbst)->m_connack = rc;
}

void TMqttSitzung::beiDisconnect(mosquitto *, void *selbst, int rc) {
    auto *s = static_cast<TMqttSitzung *>(selbst);
    s->m_disconnectErrno = errno;
    s->m_disconnectRc = rc == 0 ? MOSQ_ERR_NO_CONN : rc;
}

void TMqttSitzung::beiPublish(mosquitto *, void *selbst, int mid) {
    auto *s = static_cast<TMqttSitzung *>(selbst);
    // Emitted at once: the receiver only takes note of the acknowledgement.
    emit s->Bestaetigt(mid);
}

void TMqttSitzung::beiLog(mosquitto *, void *selbst, int stufe, const char *text) {
    if (stufe != MOSQ_LOG_ERR || !text)
        return;
    // "OpenSSL Error[0]: error:0A000086:SSL routines::certificate verify failed"
    QString t = QString::fromUtf8(text);
    if (!t.contains(QLatin1String("OpenSSL"), Qt::CaseInsensitive) && !t.contains(QLatin1String("SSL")))
        return;
    const qsizetype doppel = t.lastIndexOf(QLatin1String("::"));
    const qsizetype einfach = t.lastIndexOf(QLatin1Char(':'));
    t = t.mid((doppel >= 0 ? doppel + 2 : einfach + 1)).trimmed();
    auto *s = static_cast<TMqttSitzung *>(selbst);
    if (s->m_tlsFehler.isEmpty())
        s->m_tlsFehler = t;
}

bool TMqttSitzung::Starte() {
    if (!m_mosq) {
        m_grund = grund(QT_TRANSLATE_NOOP("TMqttSender", "Die MQTT- Bibliothek kann nicht starten."));
        return false;
    }
    const QByteArray benutzer = m_e.Benutzer.toUtf8();
    const QByteArray passwort = m_e.Passwort.toUtf8();
    if (!benutzer.isEmpty())
        mosquitto_username_pw_set(m_mosq, benutzer.constData(),
                                  passwort.isEmpty() ? nullptr : passwort.constData());
    if (m_e.Tls) {
        const QString ca = m_e.CaDatei.trimmed();
        if (ca.isEmpty()) {
            m_grund = grund(QT_TRANSLATE_NOOP("TMqttSender", "Für TLS fehlt die CA- Datei."));
            return false;
        }
        const QFileInfo info(ca);
        if (!info.isFile() || !info.isReadable()) {
            m_grund = grund(QT_TRANSLATE_NOOP("TMqttSender", "Die CA- Datei %1 kann nicht gelesen werden."),
                            QDir::toNativeSeparators(ca));
            return false;
        }
        const int rc =
            mosquitto_tls_set(m_mosq, QFile::encodeName(ca).constData(), nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            m_grund = grund(QT_TRANSLATE_NOOP("TMqttSender", "Die CA- Datei %1 kann nicht gelesen werden."),
                            QDir::toNativeSeparators(ca));
            return false;
        }
    }
    errno = 0;
    const QByteArray host = m_e.Host.trimmed().toUtf8();
    const int rc = mosquitto_connect_async(m_mosq, host.constData(), m_e.Port, m_e.Keepalive);
    if (rc != MOSQ_ERR_SUCCESS) {
        m_grund = fehlerGrund(rc, errno);
        return false;
    }
    const int sock = mosquitto_socket(m_mosq);
    if (sock < 0) {
        m_grund = fehlerGrund(MOSQ_ERR_NO_CONN, 0);
        return false;
    }
    m_lesen = new QSocketNotifier(sock, QSocketNotifier::Read, this);
    connect(m_lesen, &QSocketNotifier::activated, this, &TMqttSitzung::lesen);
    m_schreiben = new QSocketNotifier(sock, QSocketNotifier::Write, this);
    connect(m_schreiben, &QSocketNotifier::activated, this, &TMqttSitzung::schreiben);
    m_schreiben->setEnabled(mosquitto_want_write(m_mosq));
    m_pflege.start();
    m_frist.start(VerbindenMs);
    return true;
}

int TMqttSitzung::Sende(const QByteArray &thema, const QByteArray &inhalt, int qos, bool behalten) {
    if (!m_mosq || m_beendet || !m_verbunden)
        return -1;
    int mid = -1;
    const int rc = mosquitto_publish(m_mosq, &mid, thema.constData(), static_cast<int>(inhalt.size()),
                                     inhalt.constData(), qos, behalten);
    if (rc != MOSQ_ERR_SUCCESS)
        return -1;
    // The message is written now if the socket takes it, else when it is writable.
    if (m_schreiben)
        m_schreiben->setEnabled(mosquitto_want_write(m_mosq));
    return mid;
}

void TMqttSitzung::Trenne() {
    if (!m_mosq || m_beendet)
        return;
    m_trennt = true;
    const int rc = mosquitto_disconnect(m_mosq);
    if (rc != MOSQ_ERR_SUCCESS) {
        beende(fehlerGrund(rc, errno));
        return;
    }
    if (m_schreiben)
        m_schreiben->setEnabled(mosquitto_want_write(m_mosq));
}

void TMqttSitzung::lesen() {
    if (!m_mosq || m_beendet)
        return;
    danach(mosquitto_loop_read(m_mosq, 1));
}

void TMqttSitzung::schreiben() {
    if (!m_mosq || m_beendet)
        return;
    // While the TLS handshake runs, a writable socket moves it on; libmosquitto
    // does that step in its read call.
    if (m_e.Tls && !m_verbunden) {
        danach(mosquitto_loop_read(m_mosq, 1));
        if (m_beendet)
            return;
    }
    danach(mosquitto_loop_write(m_mosq, 1));
}

void TMqttSitzung::pflege() {
    if (!m_mosq || m_beendet)
        return;
    // keepalive pings, and the end of a connection whose pings stay unanswered
    danach(mosquitto_loop_misc(m_mosq));
}

void TMqttSitzung::danach(int rc) {
    if (m_beendet)
        return;
    if (m_connack >= 0 && !m_verbunden) {
        const int code = m_connack;
        if (code == 0) {
            m_verbunden = true;
            m_frist.stop();
            emit Verbunden();
        } else {
            tMqttGrund g;
            switch (code) {
            case 1:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker versteht MQTT 3.1.1 nicht."));
                break;
            case 2:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker weist die Kennung des Programms ab."));
                break;
            case 3:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker ist zur Zeit nicht bereit."));
                break;
            case 4:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender", "Benutzername oder Passwort ist falsch."));
                break;
            case 5:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender",
                                            "Der Broker verweigert die Anmeldung: Benutzername "
                                            "oder Passwort falsch oder nicht berechtigt."));
                break;
            default:
                g = grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker weist die Verbindung ab (Code %1)."),
                          QString::number(code));
            }
            m_beendet = true;
            m_verbunden = false;
            notifierWeg();
            m_pflege.stop();
            m_frist.stop();
            m_grund = g;
            emit Abgewiesen(g);
            return;
        }
    }
    if (m_beendet)
        return;
    const bool weg = mosquitto_socket(m_mosq) < 0;
    if (rc != MOSQ_ERR_SUCCESS || weg) {
        const int code = rc != MOSQ_ERR_SUCCESS ? rc
                         : m_disconnectRc != 0  ? m_disconnectRc
                                                : MOSQ_ERR_NO_CONN;
        beende(m_trennt ? grund(QT_TRANSLATE_NOOP("TMqttSender", "Die Verbindung wurde beendet."))
                        : fehlerGrund(code, rc == MOSQ_ERR_ERRNO ? errno : m_disconnectErrno));
        return;
    }
    if (m_schreiben)
        m_schreiben->setEnabled(mosquitto_want_write(m_mosq));
}

void TMqttSitzung::beende(const tMqttGrund &g) {
    if (m_beendet)
        return;
    m_beendet = true;
    m_verbunden = false;
    notifierWeg();
    m_pflege.stop();
    m_frist.stop();
    m_grund = g;
    emit Getrennt(g);
}

void TMqttSitzung::notifierWeg() {
    delete m_lesen;
    m_lesen = nullptr;
    delete m_schreiben;
    m_schreiben = nullptr;
}

tMqttGrund TMqttSitzung::fehlerGrund(int rc, int fehlerNr) const {
    const QString hostPort = m_e.Adresse();
    switch (rc) {
    case MOSQ_ERR_ERRNO:
        switch (fehlerNr) {
        case ECONNREFUSED:
            return grund(QT_TRANSLATE_NOOP("TMqttSender", "Unter %1 nimmt kein Broker Verbindungen an."),
                         hostPort);
        case ENETUNREACH:
        case EHOSTUNREACH:
        case ENETDOWN:
            return grund(QT_TRANSLATE_NOOP("TMqttSender", "Das Netz zu %1 ist nicht erreichbar."), hostPort);
        case ETIMEDOUT:
            return grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker antwortet nicht."));
        case ECONNRESET:
        case EPIPE:
            return grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker hat die Verbindung abgebrochen."));
        default:
            return grund(QT_TRANSLATE_NOOP("TMqttSender", "Netzwerkfehler: %1"),
                         QString::fromLocal8Bit(std::strerror(fehlerNr)));
        }
    case MOSQ_ERR_EAI:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Rechnername %1 ist nicht bekannt."),
                     m_e.Host.trimmed());
    case MOSQ_ERR_TLS:
    case MOSQ_ERR_TLS_HANDSHAKE:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Die TLS- Verbindung ist gescheitert: %1"),
                     m_tlsFehler.isEmpty() ? QStringLiteral("TLS") : m_tlsFehler);
    case MOSQ_ERR_CONN_LOST:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker hat die Verbindung abgebrochen."));
    case MOSQ_ERR_KEEPALIVE:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Der Broker antwortet nicht mehr."));
    case MOSQ_ERR_PROTOCOL:
    case MOSQ_ERR_MALFORMED_PACKET:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Unter %1 antwortet kein MQTT- Broker."), hostPort);
    case MOSQ_ERR_NO_CONN:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Die Verbindung ist getrennt."));
    case MOSQ_ERR_INVAL:
        return grund(
            QT_TRANSLATE_NOOP("TMqttSender", "Die Einstellungen sind ungültig (Rechnername, Port)."));
    default:
        return grund(QT_TRANSLATE_NOOP("TMqttSender", "Verbindungsfehler: %1"),
                     QString::fromUtf8(mosquitto_strerror(rc)));
    }
}

// ---------------------------------------------------------------- arbeiter

TMqttArbeiter::TMqttArbeiter(QObject *parent) : QObject(parent) {
}

TMqttArbeiter::~TMqttArbeiter() = default;

QByteArray TMqttArbeiter::StatusThema(const tMqttEinstellungen &e) {
    return MqttNachrichten::Thema(MqttStandort(e), "status");
}

QByteArray TMqttArbeiter::Kennung(const tMqttEinstellungen &e) {
    return "kompost-" + MqttStandort(e).toUtf8();
}

TWiederaufbau &TMqttArbeiter::wiederaufbau() {
    // Made in the arbeiter's thread, so that its timer runs there.
    if (!m_wiederaufbau) {
        m_wiederaufbau = new TWiederaufbau(this);
        if (m_ersteMs > 0)
            m_wiederaufbau->SetzePausen(m_ersteMs, m_laengsteMs);
        connect(m_wiederaufbau, &TWiederaufbau::Versuch, this, &TMqttArbeiter::versuch);
    }
    return *m_wiederaufbau;
}

void TMqttArbeiter::SetzePausen(int ersteMs, int laengsteMs) {
    m_ersteMs = ersteMs;
    m_laengsteMs = laengsteMs;
    wiederaufbau().SetzePausen(ersteMs, laengsteMs);
}

void TMqttArbeiter::sitzungWeg() {
    m_mids.clear();
    if (!m_sitzung)
        return;
    m_sitzung->disconnect(this);
    // possibly called from one of its own signals
    m_sitzung.release()->deleteLater();
}

void TMqttArbeiter::Einstellen(const tMqttEinstellungen &e) {
    m_e = e;
    m_beendet = false;
    wiederaufbau().Stoppe();
    sitzungWeg();
    if (m_e.Aktiv())
        versuch();
}

void TMqttArbeiter::versuch() {
    sitzungWeg();
    if (m_beendet || !m_e.Aktiv())
        return;
    const quint64 nr = ++m_nummer;
    m_sitzung =
        std::make_unique<TMqttSitzung>(m_e, Kennung(m_e), StatusThema(m_e), QByteArrayLiteral("offline"));
    TMqttSitzung *s = m_sitzung.get();
    connect(s, &TMqttSitzung::Verbunden, this, [this, nr] {
        if (nr != m_nummer)
            return;
        wiederaufbau().Stoppe();
        emit Verbunden(nr);
    });
    connect(s, &TMqttSitzung::Abgewiesen, this, [this, nr](const tMqttGrund &g) {
        if (nr == m_nummer)
            verloren(g, true);
    });
    connect(s, &TMqttSitzung::Getrennt, this, [this, nr](const tMqttGrund &g) {
        if (nr == m_nummer)
            verloren(g, false);
    });
    connect(s, &TMqttSitzung::Bestaetigt, this, [this, nr](int mid) {
        if (nr != m_nummer)
            return;
        if (m_beendet && mid == m_beendenMid) {
            m_beendenMid = -1;
            if (m_sitzung)
                m_sitzung->Trenne();
            return;
        }
        const auto it = m_mids.constFind(mid);
        if (it == m_mids.constEnd())
            return;
        const qint64 nummer = it.value();
        m_mids.erase(it);
        emit Bestaetigt(nr, nummer);
    });
    if (!s->Starte())
        verloren(s->Grund(), false);
}

void TMqttArbeiter::verloren(const tMqttGrund &g, bool abgewiesen) {
    const quint64 nr = m_nummer;
    sitzungWeg();
    if (m_beendet) {
        emit Beendet();
        return;
    }
    if (!wiederaufbau().Aktiv())
        wiederaufbau().Starte();
    emit Getrennt(nr, g.Text, g.Wert, wiederaufbau().RestMs(), abgewiesen);
}

void TMqttArbeiter::Senden(quint64 sitzung, qint64 nummer, const QByteArray &thema, const QByteArray &inhalt,
                           int qos, bool behalten) {
    if (sitzung != m_nummer || !m_sitzung || !m_sitzung->IstVerbunden() || m_beendet)
        return;
    const int mid = m_sitzung->Sende(thema, inhalt, qos, behalten);
    if (mid < 0) {
        // A connection that cannot take a message is no use: a new one.
        verloren(grund(QT_TRANSLATE_NOOP("TMqttSender", "Die Nachricht kann nicht gesendet werden.")), false);
        return;
    }
    if (nummer > 0 && qos > 0)
        m_mids.insert(mid, nummer);
}

void TMqttArbeiter::Beenden(const QByteArray &thema, const QByteArray &inhalt) {
    m_beendet = true;
    if (m_wiederaufbau)
        m_wiederaufbau->Stoppe();
    if (!m_sitzung || !m_sitzung->IstVerbunden()) {
        sitzungWeg();
        emit Beendet();
        return;
    }
    m_beendenMid = m_sitzung->Sende(thema, inhalt, 1, true);
    if (m_beendenMid < 0)
        m_sitzung->Trenne();
    // A broker that does not acknowledge in time: the connection ends all the same.
    QTimer::singleShot(2000, this, [this] {
        if (m_sitzung)
            m_sitzung->Trenne();
    });
    QTimer::singleShot(3000, this, [this] {
        if (m_sitzung) {
            sitzungWeg();
            emit Beendet();
        }
    });
}

void TMqttArbeiter::Teste(int auftrag, const tMqttEinstellungen &e) {
    auto *s = new TMqttSitzung(e, Kennung(e) + "-test", QByteArray(), QByteArray(), this);
    auto gemeldet = std::make_shared<bool>(false);
    auto melde = [this, s, auftrag, gemeldet](bool ok, const tMqttGrund &g) {
        if (*gemeldet)
            return;
        *gemeldet = true;
        emit TestErgebnis(auftrag, ok, g.Text, g.Wert);
        if (ok) {
            s->Trenne();
            // the DISCONNECT has a moment to leave
            QTimer::singleShot(1000, s, &QObject::deleteLater);
        } else {
            s->deleteLater();
        }
    };
    connect(s, &TMqttSitzung::Verbunden, this, [melde, e] {
        melde(true, grund(QT_TRANSLATE_NOOP("TMqttSender", "Verbindung hergestellt: der Broker %1 nimmt die "
                                                           "Anmeldung an."),
                          e.Adresse()));
    });
    connect(s, &TMqttSitzung::Abgewiesen, this, [melde](const tMqttGrund &g) { melde(false, g); });
    connect(s, &TMqttSitzung::Getrennt, this, [melde](const tMqttGrund &g) { melde(false, g); });
    if (!e.Aktiv()) {
        melde(false, grund(QT_TRANSLATE_NOOP("TMqttSender", "Kein Broker eingetragen.")));
        return;
    }
    if (!s->Starte())
        melde(false, s->Grund());
}

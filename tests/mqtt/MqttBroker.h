// A real Mosquitto broker for the tests, started on a free loopback port with
// a configuration made in a temporary folder (optionally TLS with a
// certificate authority and a password file made by the test), and a
// subscriber on libmosquitto that records every message it gets.
#pragma once

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <mosquitto.h>

#include <atomic>
#include <functional>
#include <pwd.h>
#include <unistd.h>

struct TMqttBroker {
    QTemporaryDir ordner;
    QProcess prozess;
    quint16 port = 0;
    QByteArray mehr; // further configuration lines (TLS, passwords)

    ~TMqttBroker() { Stoppe(); }

    QString pfad(const QString &name) const { return ordner.filePath(name); }

    static quint16 freierPort() {
        QTcpServer s;
        if (!s.listen(QHostAddress::LocalHost, 0))
            return 0;
        return s.serverPort();
    }

    // Starts the broker (again on the same port); true once it takes connections.
    bool Starte() {
        if (port == 0)
            port = freierPort();
        const passwd *pw = getpwuid(geteuid());
        QByteArray conf = "listener " + QByteArray::number(port) + " 127.0.0.1\n";
        if (!mehr.contains("allow_anonymous"))
            conf += "allow_anonymous true\n";
        conf += mehr;
        conf += "persistence true\npersistence_location " + QFile::encodeName(ordner.path()) + "/\n";
        conf += "log_dest file " + QFile::encodeName(pfad(QStringLiteral("mosquitto.log"))) + "\n";
        if (pw)
            conf += QByteArray("user ") + pw->pw_name + "\n";
        QFile f(pfad(QStringLiteral("mosquitto.conf")));
        if (!f.open(QIODevice::WriteOnly) || f.write(conf) != conf.size())
            return false;
        f.close();
        prozess.setStandardOutputFile(pfad(QStringLiteral("mosquitto.out")), QIODevice::Append);
        prozess.setStandardErrorFile(pfad(QStringLiteral("mosquitto.out")), QIODevice::Append);
        prozess.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), f.fileName()});
        if (!prozess.waitForStarted(5000))
            return false;
        for (int i = 0; i < 100; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            if (probe.waitForConnected(200)) {
                probe.disconnectFromHost();
                return true;
            }
            if (prozess.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(50);
        }
        return false;
    }

    // Ends the broker as an administrator would (it keeps its sessions on disk).
    void Stoppe() {
        if (prozess.state() == QProcess::NotRunning)
            return;
        prozess.terminate();
        if (!prozess.waitForFinished(5000)) {
            prozess.kill();
            prozess.waitForFinished(2000);
        }
    }

    // A certificate authority and a server certificate for "localhost"
    // (openssl), a password file (mosquitto_passwd) and the lines that make
    // the listener use them.
    bool TlsMitPasswort(const QString &benutzer, const QString &passwort) {
        const QString d = ordner.path();
        auto laufe = [&d](const QStringList &args) {
            QProcess p;
            p.setWorkingDirectory(d);
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(args.first(), args.mid(1));
            return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        };
        QFile ext(pfad(QStringLiteral("ext.cnf")));
        if (!ext.open(QIODevice::WriteOnly) || ext.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n") < 0)
            return false;
        ext.close();
        const QString o = QStringLiteral("openssl");
        if (!laufe({o, QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                    QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                    QStringLiteral("ca.key"), QStringLiteral("-out"), QStringLiteral("ca.crt"),
                    QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                    QStringLiteral("/CN=Kompost Test CA")}) ||
            !laufe({o, QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                    QStringLiteral("-nodes"), QStringLiteral("-keyout"), QStringLiteral("server.key"),
                    QStringLiteral("-out"), QStringLiteral("server.csr"), QStringLiteral("-subj"),
                    QStringLiteral("/CN=localhost")}) ||
            !laufe({o, QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                    QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("ca.crt"),
                    QStringLiteral("-CAkey"), QStringLiteral("ca.key"), QStringLiteral("-CAcreateserial"),
                    QStringLiteral("-out"), QStringLiteral("server.crt"), QStringLiteral("-days"),
                    QStringLiteral("2"), QStringLiteral("-extfile"), QStringLiteral("ext.cnf")}) ||
            !laufe({QStringLiteral("/usr/bin/mosquitto_passwd"), QStringLiteral("-c"), QStringLiteral("-b"),
                    QStringLiteral("passwd"), benutzer, passwort}))
            return false;
        const QByteArray p = QFile::encodeName(d) + '/';
        mehr = "cafile " + p + "ca.crt\ncertfile " + p + "server.crt\nkeyfile " + p +
               "server.key\npassword_file " + p + "passwd\nallow_anonymous false\n";
        return true;
    }
};

// A subscriber in its own libmosquitto thread; it subscribes again after each
// reconnect. With a kennung it keeps a session on the broker (messages of
// QoS 1 wait for it while it is away, also across a restart of the broker).
struct TMqttMithoerer {
    struct tNachricht {
        QByteArray Thema;
        QByteArray Inhalt;
        bool Behalten = false;
    };

    mosquitto *m = nullptr;
    QByteArrayList themen;
    QMutex sperre;
    QList<tNachricht> liste;
    std::atomic<int> abos{0};

    TMqttMithoerer() { mosquitto_lib_init(); }
    ~TMqttMithoerer() { Ende(); }

    void Ende() {
        if (!m)
            return;
        mosquitto_disconnect(m);
        mosquitto_loop_stop(m, true);
        mosquitto_destroy(m);
        m = nullptr;
    }

    bool Starte(quint16 port, const QByteArrayList &t, const QByteArray &kennung = {}, const QString &ca = {},
                const QByteArray &benutzer = {}, const QByteArray &passwort = {}) {
        themen = t;
        m = mosquitto_new(kennung.isEmpty() ? nullptr : kennung.constData(), kennung.isEmpty(), this);
        if (!m)
            return false;
        mosquitto_int_option(m, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
        mosquitto_reconnect_delay_set(m, 1, 1, false);
        if (!benutzer.isEmpty())
            mosquitto_username_pw_set(m, benutzer.constData(), passwort.constData());
        if (!ca.isEmpty() && mosquitto_tls_set(m, QFile::encodeName(ca).constData(), nullptr, nullptr,
                                               nullptr, nullptr) != MOSQ_ERR_SUCCESS)
            return false;
        mosquitto_connect_callback_set(m, [](mosquitto *mm, void *selbst, int rc) {
            if (rc != 0)
                return;
            for (const QByteArray &th : static_cast<TMqttMithoerer *>(selbst)->themen)
                mosquitto_subscribe(mm, nullptr, th.constData(), 1);
        });
        mosquitto_subscribe_callback_set(m, [](mosquitto *, void *selbst, int, int, const int *) {
            ++static_cast<TMqttMithoerer *>(selbst)->abos;
        });
        mosquitto_message_callback_set(m, [](mosquitto *, void *selbst, const mosquitto_message *n) {
            auto *s = static_cast<TMqttMithoerer *>(selbst);
            QMutexLocker l(&s->sperre);
            s->liste.append({QByteArray(n->topic),
                             QByteArray(static_cast<const char *>(n->payload), n->payloadlen), n->retain});
        });
        const char *host = ca.isEmpty() ? "127.0.0.1" : "localhost";
        if (mosquitto_connect(m, host, port, 10) != MOSQ_ERR_SUCCESS)
            return false;
        if (mosquitto_loop_start(m) != MOSQ_ERR_SUCCESS)
            return false;
        return Warte([this] { return abos.load() >= themen.size(); }, 5000);
    }

    // Waits in the event loop (the program under test goes on working).
    static bool Warte(const std::function<bool()> &bedingung, int ms) {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            if (uhr.elapsed() > ms)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    QList<tNachricht> Alle() {
        QMutexLocker l(&sperre);
        return liste;
    }
    // The payloads of one topic, in the order they came.
    QByteArrayList Inhalte(const QByteArray &thema) {
        QMutexLocker l(&sperre);
        QByteArrayList r;
        for (const tNachricht &n : std::as_const(liste))
            if (n.Thema == thema)
                r.append(n.Inhalt);
        return r;
    }
    QByteArray Letzte(const QByteArray &thema) {
        const QByteArrayList l = Inhalte(thema);
        return l.isEmpty() ? QByteArray() : l.last();
    }
    void Leeren() {
        QMutexLocker l(&sperre);
        liste.clear();
    }
};

// A real mail server for the tests: Python's aiosmtpd (Debian's package, run
// by Debian's own interpreter /usr/bin/python3) on a free loopback port,
// optionally with STARTTLS or TLS from the start on a certificate the test
// makes with openssl, and with a login. Every message it accepts is read back
// with its envelope, its decoded subject and text.
#pragma once

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A self-signed certificate for localhost and 127.0.0.1 (made once per test program).
struct TZertifikat {
    QTemporaryDir ordner;
    QString cert() const { return ordner.filePath(QStringLiteral("cert.pem")); }
    QString key() const { return ordner.filePath(QStringLiteral("key.pem")); }
    bool mache() {
        QProcess p;
        p.start(QStringLiteral("openssl"),
                {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                 "-keyout", key(), "-out", cert(), "-days", "2", "-subj", "/CN=localhost", "-addext",
                 "subjectAltName=DNS:localhost,IP:127.0.0.1"});
        return p.waitForFinished(30000) && p.exitCode() == 0 && QFile::exists(cert());
    }
};

struct TMailServer {
    QProcess prozess;
    QTemporaryDir ablage;
    quint16 port = 0;

    ~TMailServer() { stoppe(); }

    bool starte(const QStringList &optionen = {}) {
        prozess.setProcessChannelMode(QProcess::SeparateChannels);
        prozess.start(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(KOMPOST_SMTP_SKRIPT), QStringLiteral("--dir"), ablage.path()} +
                optionen);
        if (!prozess.waitForStarted(10000))
            return false;
        QByteArray zeile;
        QElapsedTimer uhr;
        uhr.start();
        while (!zeile.endsWith('\n') && uhr.elapsed() < 20000) {
            if (!prozess.waitForReadyRead(1000) && prozess.state() != QProcess::Running)
                break;
            zeile += prozess.readAllStandardOutput();
        }
        if (!zeile.startsWith("PORT ")) {
            qWarning("mail server: %s %s", zeile.constData(), prozess.readAllStandardError().constData());
            return false;
        }
        port = static_cast<quint16>(zeile.mid(5).trimmed().toUInt());
        return port != 0;
    }
    void stoppe() {
        if (prozess.state() != QProcess::NotRunning) {
            prozess.terminate();
            if (!prozess.waitForFinished(5000)) {
                prozess.kill();
                prozess.waitForFinished(5000);
            }
        }
    }

    // The messages accepted so far, in order.
    QList<QJsonObject> mails() const {
        QList<QJsonObject> liste;
        const QDir d(ablage.path());
        for (const QString &name : d.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile f(d.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            QJsonObject m = QJsonDocument::fromJson(f.readAll()).object();
            // the text travels with CR LF line ends
            m[QStringLiteral("text")] =
                m[QStringLiteral("text")].toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            liste.append(m);
        }
        return liste;
    }
    int anzahl() const { return static_cast<int>(mails().size()); }
};

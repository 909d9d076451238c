// A plain loopback TCP client for talking to the simulator in the tests: it
// sends frames and takes complete replies off the received bytes, using the
// reply grammar (letter, then a fixed number of ';'-terminated fields; the
// clock text 'T' is 30 characters). Every wait runs a local event loop, so
// an in-process simulator in the same thread keeps working.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

class SimClient {
public:
    // Fields of each reply letter; -1 for letters that begin no reply.
    static int Felder(char buchstabe) {
        switch (buchstabe) {
        case 'B':
        case 'r':
            return 1;
        case 'S':
            return 2;
        case 'R':
            return 9;
        case 'c':
            return 11;
        case 'G':
            return 15;
        case 'T':
            return 0;
        default:
            return -1;
        }
    }

    // Length of the complete reply at the start of `puffer`, 0 if not yet
    // complete. `puffer` must start with a reply letter.
    static qsizetype AntwortLaenge(const QByteArray &puffer) {
        const int felder = Felder(puffer.at(0));
        if (felder == 0)
            return puffer.size() >= 30 ? 30 : 0;
        int gezaehlt = 0;
        for (qsizetype i = 1; i < puffer.size(); ++i) {
            if (puffer.at(i) == ';' && ++gezaehlt == felder)
                return i + 1;
        }
        return 0;
    }

    bool Verbinde(quint16 port, int timeoutMs = 3000) {
        Socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        return WarteAuf([this] { return Socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs);
    }

    void Sende(const QByteArray &daten) {
        Socket.write(daten);
        Socket.flush();
    }

    // Runs the event loop until `bedingung` holds or the time is up. The
    // condition is checked whenever the socket reports something, and at
    // least every 20 ms for conditions that depend on other things.
    template <typename F> bool WarteAuf(F bedingung, int timeoutMs) {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            const qint64 rest = timeoutMs - uhr.elapsed();
            if (rest <= 0)
                return false;
            QEventLoop schleife;
            QObject::connect(&Socket, &QTcpSocket::readyRead, &schleife, &QEventLoop::quit);
            QObject::connect(&Socket, &QTcpSocket::stateChanged, &schleife, &QEventLoop::quit);
            QTimer::singleShot(std::min<qint64>(rest, 20), &schleife, &QEventLoop::quit);
            schleife.exec();
        }
        return true;
    }

    // Waits for the next complete reply and takes it off the received bytes;
    // bytes that begin no reply before it are collected in `Rauschen`. Empty
    // on timeout.
    QByteArray LiesAntwort(int timeoutMs = 2000) {
        QByteArray antwort;
        WarteAuf(
            [&] {
                Puffer += Socket.readAll();
                while (!Puffer.isEmpty() && Felder(Puffer.at(0)) < 0) {
                    Rauschen += Puffer.at(0);
                    Puffer.remove(0, 1);
                }
                if (Puffer.isEmpty())
                    return false;
                const qsizetype laenge = AntwortLaenge(Puffer);
                if (laenge == 0)
                    return false;
                antwort = Puffer.left(laenge);
                Puffer.remove(0, laenge);
                return true;
            },
            timeoutMs);
        return antwort;
    }

    QByteArray Frage(const QByteArray &rahmen, int timeoutMs = 2000) {
        Sende(rahmen);
        return LiesAntwort(timeoutMs);
    }

    // Sends `rahmen`, which must get no reply, followed by `probe`, which
    // must; returns what arrived first (the probe's reply if all is well).
    QByteArray OhneAntwort(const QByteArray &rahmen, const QByteArray &probe = QByteArray("\x01"
                                                                                          "B")) {
        Sende(rahmen);
        return Frage(probe);
    }

    // Splits a reply into its letter-less fields ("c1;2;" -> {"1", "2"}).
    static QList<QByteArray> FelderVon(const QByteArray &antwort) {
        QList<QByteArray> felder = antwort.mid(1).split(';');
        if (!felder.isEmpty() && felder.last().isEmpty())
            felder.removeLast();
        return felder;
    }

    QTcpSocket Socket;
    QByteArray Puffer;
    QByteArray Rauschen;
};

// The serial and network transport: opens the chosen transport, carries the
// frames, hands received text to the decoder and reports the connection state
// in the status line.
#pragma once

#include "comm/UAbfrage.h"
#include "shell/USchnittstellen.h"

#include <QObject>
#include <QSerialPort>
#include <QTcpSocket>

class TIniDatei;

class TVerbindung : public QObject, public ITransport {
    Q_OBJECT
public:
    TVerbindung(TZustand &zustand, TProtokoll &protokoll, TAbfrage &abfrage, QObject *parent = nullptr);
    ~TVerbindung() override;

    void SetzeAnzeige(IStatusAnzeige *anzeige) { m_anzeige = anzeige; }

    // Reads the connection settings from [COM] and opens the transport.
    void InitVerbindung(const TIniDatei &ini);
    // Closes whatever is open and opens the transport of the current settings.
    void OeffneVerbindung();
    // Closes the TCP connection after a pause of Wartezeit ms (only when connected over the network).
    void SchliesseSocketVerbindung(int Wartezeit);
    // Program end: poll timer off, serial port closed, TCP connection closed after 500 ms.
    void Schliessen();

    void Sende(const QByteArray &daten) override;

    // The selected transport is open (serial: the port is open; network: the
    // client is connecting or connected).
    bool TransportOffen() const;
    bool SeriellOffen() const { return m_seriell.isOpen(); }

    // The device of port n from the installation options.
    QString PortGeraet(int n) const;
    // Whether port n can be opened now (the open port counts as available).
    bool PortOeffnenbar(int n);
    static qint32 Baudrate(int baudIndex);
    // The message box text of a socket error: its number (where the socket
    // layer has one) and the error in words.
    static QString SocketFehlerText(QAbstractSocket::SocketError fehler, const QString &worte);

    QSerialPort &Seriell() { return m_seriell; }
    QTcpSocket &Socket() { return m_socket; }

signals:
    // The TCP connection is up: the main window enables itself and learns.
    void NetzVerbunden();
    // The TCP connection failed: the main window enables itself.
    void NetzFehler();

private:
    void status(const QString &text);
    void beiVerbunden();
    void beiGetrennt();
    void beiFehler(QAbstractSocket::SocketError fehler);
    void beiSocketDaten();
    void beiSeriellDaten();

    TZustand &m_z;
    TProtokoll &m_protokoll;
    TAbfrage &m_abfrage;
    IStatusAnzeige *m_anzeige = nullptr;
    QSerialPort m_seriell;
    QTcpSocket m_socket;
};

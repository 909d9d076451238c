// The serial and network transport: opens the chosen transport, carries the
// frames, hands received text to the decoder and reports the connection state
// in the status line. A connection that was up and is lost (the peer or the
// network closes it, a socket error, the serial device goes away) makes every
// plant's readings invalid at once and is reopened by itself, with growing
// pauses, until it is back or the operator opens or closes the connection.
// One that cannot be opened at the program's start (the adapter or the USB
// serial device comes after the PC) is tried again the same way.
#pragma once

#include "comm/UAbfrage.h"
#include "comm/UWiederaufbau.h"
#include "shell/USchnittstellen.h"

#include <QObject>
#include <QSerialPort>
#include <QTcpSocket>
#include <functional>

class TIniDatei;

class TVerbindung : public QObject, public ITransport {
    Q_OBJECT
public:
    TVerbindung(TZustand &zustand, TProtokoll &protokoll, TAbfrage &abfrage, QObject *parent = nullptr);
    ~TVerbindung() override;

    void SetzeAnzeige(IStatusAnzeige *anzeige) { m_anzeige = anzeige; }
    // Shows the last status line again, in the current language.
    void StatusErneuern();

    // Reads the connection settings from [COM] and opens the transport. When
    // it cannot be opened (connection refused, host unknown, serial device
    // missing) it is tried again by itself like a lost connection, without
    // a message box.
    void InitVerbindung(const TIniDatei &ini);
    // Closes whatever is open and opens the transport of the current
    // settings (the operator's choice: a failure is said in a message box).
    void OeffneVerbindung();
    // Closes the TCP connection after a pause of Wartezeit ms (only when connected over the network).
    void SchliesseSocketVerbindung(int Wartezeit);
    // Program end: poll timer off, serial port closed, TCP connection closed
    // after 500 ms; automatic attempts end.
    void Schliessen();

    // The connection was lost, or could not be opened at the start, and is
    // being reopened by itself.
    bool Unterbrochen() const { return m_wiederaufbau.Aktiv(); }
    // When it was lost (invalid unless Unterbrochen()).
    QDateTime UnterbrochenSeit() const { return m_unterbrochenSeit; }
    // While the connection is being reopened by itself: an attempt now
    // (the operator asked to learn the plants, which needs the connection).
    void JetztVersuchen();
    // The schedule of the automatic attempts (tests shorten its pauses).
    TWiederaufbau &Wiederaufbau() { return m_wiederaufbau; }

    // No connection is open: lost and being reopened, never opened, or
    // closed. A request now is refused at once (TAbfrage::SendeUndWarte).
    bool Getrennt() const { return !m_z.Verbunden; }
    // One line for the windows while the connection is being reopened: since
    // when it is lost and when the next attempt comes.
    QString UnterbrochenText() const;
    // The same for a status panel while no connection is open, whether it
    // is being reopened or not.
    QString GetrenntText() const;
    // What an operation that needs the controllers says while no connection
    // is open: since when and the next attempt, or what to check.
    QString KeineVerbindungText() const;
    // What an operation says when a controller gave no reply in time: the
    // timeout of the transport in use, or KeineVerbindungText() when the
    // connection is gone (it may have gone while the request waited).
    QString KeineAntwortText() const;

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
    // The TCP connection failed (at the start: it is tried again by itself):
    // the main window enables itself.
    void NetzFehler();
    // A connection that was up is lost; the automatic attempts begin.
    void Verloren();
    // An automatic attempt reopened the connection: the plants are learned
    // again and polling resumes.
    void Wiederverbunden();
    // The link is up (true) or down (false): sent once for each change of
    // Verbunden, whatever caused it.
    void Verbindungsstand(bool verbunden);

private:
    void status(std::function<QString()> text);
    void beiVerbunden();
    void beiGetrennt();
    void beiFehler(QAbstractSocket::SocketError fehler);
    void beiSocketDaten();
    void beiSeriellDaten();
    void beiSeriellFehler(QSerialPort::SerialPortError fehler);
    void oeffne(bool anlauf);
    // A connection that was up is gone.
    void verloren();
    // The program's first opening failed: the attempts begin as for a loss.
    void anlaufFehlgeschlagen();
    // What a lost link and one that failed at the start share: the retries
    // begin, the transport is closed, a waiting request gives up.
    void unterbrechen(const QString &logText);
    void versuch();
    void wiederhergestellt();
    void statusUnterbrochen();
    // Reports a change of Verbunden since the last report.
    void meldeStand();
    // Reports the state when the handler it guards returns, by whatever path.
    struct TStandMelder {
        explicit TStandMelder(TVerbindung &v) : m_v(v) {}
        ~TStandMelder() { m_v.meldeStand(); }
        TStandMelder(const TStandMelder &) = delete;
        TStandMelder &operator=(const TStandMelder &) = delete;
        TVerbindung &m_v;
    };

    TZustand &m_z;
    TProtokoll &m_protokoll;
    TAbfrage &m_abfrage;
    IStatusAnzeige *m_anzeige = nullptr;
    // Builds the last status line (again on a language change).
    std::function<QString()> m_status;
    QSerialPort m_seriell;
    QTcpSocket m_socket;
    TWiederaufbau m_wiederaufbau;
    QDateTime m_unterbrochenSeit;
    bool m_gemeldet = false;
    // The opening of the program's start is under way: its failure is
    // retried, not reported in a box.
    bool m_anlauf = false;
};

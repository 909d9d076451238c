// The controller simulator: up to 32 simulated aeration controllers behind
// one TCP listener (like a network adapter) and/or one pseudo-terminal (like
// a serial line). It reads the PC's request frames from the byte stream,
// lets the addressed plant handle them and sends its replies, with optional
// faults for testing the PC side.
//
// In-process use (tests): construct it, adjust plants and faults, call
// StarteTcp() (port 0 takes a free port) and connect to TcpPort(). Everything
// runs in the caller's thread and event loop.
#pragma once

#include "TSimAnlage.h"
#include "TSimRahmenLeser.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace KompostSim {

class TSimPty;

// A field of a reply that is sent as `Text` instead of its number.
struct TSimFeldFehler {
    char Buchstabe = 'c'; // reply letter: B, R, r, S, c or G
    int Feld = 1;         // field number, from 1
    QByteArray Text = "x";
    int Nur = 0; // only the Nth reply of that letter from the plant (from 1); 0: every one
};

// Faults of one plant. The default is a faultless controller.
struct TSimStoerung {
    bool Stumm = false;                    // never answers, ignores every command
    QByteArray Ignoriert;                  // command letters ignored and never answered
    bool BleibtEingeschaltet = false;      // 'A' does not switch the plant off
    bool BleibtAusgeschaltet = false;      // 'F' does not switch the plant on
    std::optional<qint64> AnzahlErzwungen; // 'r' reports this instead of the real count
    std::optional<int> O2Erzwungen;        // 'c' reports this O2 (tenths of vol%) instead of the pile's
    std::optional<int> KernErzwungen;      // 'c' reports this T100 (tenths of °C) instead of the pile's
    int VerzoegerungMs = 0;                // delay before each reply
    double Verlustanteil = 0.0;            // share of replies not sent, 0..1
    bool Zerteilen = false;                // replies written in random pieces, small pauses between
    int Rauschen = 0;                      // up to this many noise bytes before each reply
    QList<TSimFeldFehler> FeldFehler;
};

class TSimulator : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxAnlagen = 32;
    static constexpr double MaxZeitfaktor = 100000.0;

    // Plants 1..8 present, switched on, their memory empty; all clocks start
    // at the PC's time; time runs at factor 1. `seed` fixes the piles and the
    // random faults.
    explicit TSimulator(quint32 seed = 1, QObject *parent = nullptr);
    ~TSimulator() override;

    quint32 Seed() const { return m_seed; }

    // --- Plants -----------------------------------------------------------
    // Plant 1..32, advanced to the current simulated time.
    TSimAnlage &Anlage(int nummer);
    // Exactly these plants are present; the others never answer.
    void SetAnlagen(const QList<int> &nummern);
    QList<int> Anlagen() const;

    // Faults of plant 1..32.
    TSimStoerung &Stoerung(int nummer);
    // A babbling line: random bytes (any of 0..255) at this rate towards the
    // PC, between and inside the replies, on every open channel (0: none).
    void SetGeplapper(int bytesProSekunde);
    int Geplapper() const { return m_geplapper; }
    // Closes the TCP connection after this many replies on it (0: never).
    void SetTrennenNach(int antworten) { m_trennenNach = antworten; }
    int TrennenNach() const { return m_trennenNach; }

    // --- Time -------------------------------------------------------------
    // Simulated time runs `faktor` times as fast as real time (0 stops it;
    // at most MaxZeitfaktor). Advances the controller clocks and the piles.
    void SetZeitfaktor(double faktor);
    double Zeitfaktor() const { return m_faktor; }
    // Moves simulated time forward at once.
    void Vorspulen(qint64 ms);
    // Simulated milliseconds since the start.
    qint64 SimZeitMs() const;
    // Sets every plant's clock.
    void SetUhr(const QDateTime &uhr);

    // --- Transports -------------------------------------------------------
    // Listens for one client at a time; a new client replaces the old one.
    bool StarteTcp(const QHostAddress &adresse = QHostAddress::LocalHost, quint16 port = 0);
    QHostAddress TcpAdresse() const;
    quint16 TcpPort() const;
    bool TcpVerbunden() const { return m_tcpKanal != nullptr; }
    // An outage of the network adapter: true drops the client and refuses new
    // connections (the listener closes); false listens again on the same
    // address and port. False if listening again fails (Fehler() says why).
    bool SetTcpGesperrt(bool gesperrt);
    bool TcpGesperrt() const { return m_gesperrt; }
    // The same for a while: refuses for dauerMs, then listens again.
    void TcpAusfall(int dauerMs);
    // Opens a pseudo-terminal; with `linkPfad` a symbolic link to its slave
    // device is made there (removed again by Stoppe()).
    bool StartePty(const QString &linkPfad = {});
    QString PtyGeraet() const;
    QString PtyLink() const;
    // Closes the listener, the client and the pseudo-terminal.
    void Stoppe();
    // Text of the last failure of StarteTcp() or StartePty().
    QString Fehler() const { return m_fehler; }

    // --- Record of the received frames -------------------------------------
    // Every complete frame, in order of arrival, also those for plants that
    // are not present; each says whether it came while a reply was still to
    // be sent (TSimRahmen::InAntwort).
    const QList<TSimRahmen> &Rahmen() const { return m_rahmen; }
    QList<TSimRahmen> Rahmen(int anlage) const;
    void LoescheRahmen() { m_rahmen.clear(); }
    // Runs a local event loop until Rahmen() holds at least `anzahl` frames;
    // false on timeout.
    bool WarteAufRahmen(int anzahl, int timeoutMs = 5000);
    // Replies completely written since the start.
    int GesendeteAntworten() const { return m_gesendet; }
    // Frames received since the start while a reply was still to be sent.
    int FrameInAntwort() const { return m_inAntwort; }

signals:
    void RahmenEmpfangen(const KompostSim::TSimRahmen &rahmen);
    // A reply has been written completely (after the faults were applied).
    void AntwortGesendet(int anlage, const QByteArray &antwort);
    // One piece of output (reply piece or noise) has been written.
    void StueckGeschrieben(const QByteArray &stueck);
    void ClientVerbunden();
    void ClientGetrennt();
    // A line for the operator's log (frames, replies, faults).
    void Meldung(const QString &text);

private:
    struct Kanal;
    struct Stueck {
        qint64 FaelligMs = 0;
        QByteArray Daten;
        int Anlage = 0;
        QByteArray Antwort; // set on the last piece of a reply
    };

    void NeuerClient();
    // A channel with its timer for replies that fall due later.
    std::shared_ptr<Kanal> NeuerKanal();
    void Empfange(const std::shared_ptr<Kanal> &kanal, const QByteArray &daten);
    void BearbeiteRahmen(const std::shared_ptr<Kanal> &kanal, const TSimRahmen &empfangen);
    void Einreihen(const std::shared_ptr<Kanal> &kanal, int anlage, const QByteArray &antwort,
                   const TSimStoerung &st);
    void SchreibeFaellige(const std::shared_ptr<Kanal> &kanal);
    void SchliesseTcpKanal();
    void AllesFortschreiten();
    qint64 EchtMs() const { return m_uhr.elapsed(); }
    static QByteArray FelderVerfaelschen(const QByteArray &antwort, const QList<TSimFeldFehler> &fehler);
    void Plappern();

    quint32 m_seed;
    QRandomGenerator m_stoerZufall;
    std::array<std::unique_ptr<TSimAnlage>, MaxAnlagen> m_anlagen;
    std::array<TSimStoerung, MaxAnlagen> m_stoerungen;
    int m_trennenNach = 0;
    // replies sent per plant and letter, for faults of the Nth reply only
    std::array<std::array<int, 128>, MaxAnlagen> m_antwortZahl{};
    int m_geplapper = 0;
    QTimer *m_plapperTakt = nullptr;

    QElapsedTimer m_uhr;
    double m_faktor = 1.0;
    qint64 m_basisSimMs = 0; // simulated time at m_basisEchtMs
    qint64 m_basisEchtMs = 0;
    QTimer *m_fortschritt = nullptr;

    QTcpServer *m_server = nullptr;
    bool m_gesperrt = false;
    QHostAddress m_gesperrtAdresse;
    quint16 m_gesperrtPort = 0;
    std::shared_ptr<Kanal> m_tcpKanal;
    TSimPty *m_pty = nullptr;
    std::shared_ptr<Kanal> m_ptyKanal;
    QString m_fehler;

    QList<TSimRahmen> m_rahmen;
    int m_gesendet = 0;
    int m_inAntwort = 0;
};

} // namespace KompostSim

// The command line of the program kompost-sim: which plants it simulates,
// how they start, which faults it injects and where it listens.
#pragma once

#include "TSimulator.h"

#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace KompostSim {

// Reads a plant list: "all", or numbers and ranges 1..32 separated by commas
// ("1-8", "1,3,5-7"). False with a message for anything else.
bool LiesAnlagenListe(const QString &text, QList<int> &liste, QString &fehler);
// Writes a plant list compactly, e.g. "1-5,8".
QString AnlagenListeText(const QList<int> &liste);

struct TSimOptionen {
    // A value for some plants; an empty list means the option's default set.
    template <typename T> struct FuerAnlagen {
        T Wert{};
        QList<int> Anlagen;
    };

    quint32 Seed = 1;
    bool Tcp = false;
    QHostAddress TcpAdresse = QHostAddress(QHostAddress::LocalHost);
    quint16 TcpPort = 8000;
    bool Pty = false;
    QString PtyLink; // empty: no link
    bool Ausfuehrlich = false;

    QList<int> Anlagen{1, 2, 3, 4, 5, 6, 7, 8};
    QList<int> Ausgeschaltet;
    QList<int> Stumm;
    QList<int> BleibtEingeschaltet;
    QList<int> BleibtAusgeschaltet;
    QList<int> Zerteilen;
    QList<FuerAnlagen<int>> Datensaetze;
    QList<FuerAnlagen<int>> Betriebsart;
    QList<FuerAnlagen<int>> Speicherintervall;
    QList<FuerAnlagen<double>> Alter; // days
    QList<FuerAnlagen<qint64>> AnzahlErzwungen;
    QList<FuerAnlagen<int>> O2Erzwungen;   // tenths of vol%
    QList<FuerAnlagen<int>> KernErzwungen; // tenths of °C
    QList<FuerAnlagen<int>> Verzoegerung;
    QList<FuerAnlagen<double>> Verlust;
    QList<FuerAnlagen<int>> Rauschen;
    QList<FuerAnlagen<QByteArray>> Ignoriert;
    QList<FuerAnlagen<TSimFeldFehler>> FeldFehler;
    int SpeicherGroesse = 1000;
    int TrennenNach = 0;
    int Geplapper = 0;    // --babble: random bytes per second
    int AusfallNach = -1; // --outage: seconds after the start, -1 none
    int AusfallDauer = 0; // seconds new connections are refused
    double Zeitfaktor = 1.0;
    QDateTime Uhr; // invalid: the PC's time

    static constexpr int StandardDatensaetze = 12;

    // Declares every option of the program (and --help, --version).
    static void RichteEin(QCommandLineParser &parser);
    // Takes the values from a parser that has processed the command line;
    // false with a message for a value it cannot use.
    bool Lies(const QCommandLineParser &parser, QString &fehler);
    // Convenience for tests: parses `argumente` (without the program name).
    bool Lies(const QStringList &argumente, QString &fehler);
    // Sets the simulator up as the options ask (everything but the
    // transports and the seed, which the simulator takes at construction).
    void Anwenden(TSimulator &sim) const;
    // The plants that are present after Anwenden().
    QList<int> Vorhanden() const;
};

} // namespace KompostSim

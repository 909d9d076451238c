// The shared state of one run: the plant register, the live readings, the set
// values and the single variables that the communication, the shell and the
// windows share. One TZustand object exists per run (tests build their own);
// it is passed by reference, never reached through a global.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

inline constexpr int MaxAnlagen = 32;

// One plant's register entry and state.
struct tAnlageParameter {
    quint8 Angeschlossen = 0;  // answered at the last learning
    quint8 Eingeschaltet = 0;  // second field of the last 'S' reply: a pile is running
    quint8 Speicherstatus = 0; // first field of the last 'S' reply
    QString Name;              // ini "Name"
    QString Komm;              // ini "Komm"
    QString Datei;             // ini "Datei": full path of the pile's data file
    QString Pfad;              // ini "Pfad": folder for data files
    quint8 Betriebsart = 0;    // from the 'B' reply
    qint32 Anzahl = 0;         // records written to the data file; ini "Anzahl"
    bool Geschlossen = false;  // ini "Geschlossen": a closed plant, else open windrows
};

// One set of readings. T is indexed 1..5 (T[1] at 100 cm ... T[5] at 0 cm);
// element 0 is not used.
struct tAnlageMesswerte {
    quint8 Gueltig = 0;
    std::array<qint32, 6> T{};
    qint32 O2 = 0;         // tenths of vol%
    qint32 RefMarke = 100; // cm, computed by BerechneRefMarke
    quint8 Luefter = 0;
    quint8 Betriebsart = 0; // 0..4
    quint16 Statuswert = 255;
    qint32 Laufzeit = 0;
    qint32 Zyklen = 0;
    quint16 Fehlabfragen = 0;
};

// The controller's nine set values.
struct tAnlageSollwerte {
    quint8 Gueltig = 0;
    qint32 Speicherintervall = 0;
    qint32 O2Ein = 0;
    qint32 O2Aus = 0;
    qint32 SteuerEin = 0;
    qint32 SteuerAus = 0;
    qint32 IntervallEin = 0;
    qint32 IntervallAus = 0;
    qint32 MaxEin = 0;
    qint32 MaxAus = 0;
};

struct TZustand {
    // Installation options, fixed for an installation.
    int OptAnlagenAnzahl = 1; // 1..32
    bool OptAdressen33 = false;
    bool OptLogo = false;
    int OptBaudIndex = 0; // 0..3 -> 2400, 4800, 9600, 19200
    bool OptNetzwerk = false;
    std::array<QString, 9> OptPortGeraete; // device of COM1..COM8 (index 1..8)

    // Plant register and readings, indexed by plant number 1..32 (0 unused).
    std::array<tAnlageParameter, MaxAnlagen + 1> Anlagen{};
    std::array<tAnlageMesswerte, MaxAnlagen + 1> Messwerte{};
    // Since when a connected plant has not answered its poll (invalid while
    // it answers): its readings are no live ones from the first missed poll.
    std::array<QDateTime, MaxAnlagen + 1> KeineAntwortSeit{};
    tAnlageMesswerte AbfrageWerte;   // the last 'c' reply
    tAnlageMesswerte DatensatzWerte; // the last 'G' reply
    tAnlageSollwerte Sollwerte;

    quint16 AnlagenAnzahl = 1;
    quint16 AktAnlage = 1;
    bool LernenAnfordern = true;

    // Decoder and request cycle.
    QByteArray EmpfangsPuffer;
    quint8 AntwortCode = 0;
    quint8 AktAdresse = 0;
    qint32 AnzahlDaten = 0;
    QString UhrText;
    QString DsMinute, DsStunde, DsTag, DsMonat, DsJahr;
    // The fields of the last 'G' reply as they came (KompUtils::FeldAlsText),
    // in the reply's order; DatensatzWerte.Gueltig tells whether its values
    // could all be read.
    QList<QByteArray> DsFelder;
    quint16 AbfrageAnlage = 1;
    bool TimeoutAbgelaufen = false;
    quint16 TimeoutKurz = 300;
    quint16 TimeoutMittel = 600;
    quint16 TimeoutLang = 900;

    // Connection settings ([COM]) and state.
    quint8 Layer = 0; // 0 serial, 1 network
    quint16 ComNummer = 1;
    QString NetAdresse;
    qint32 NetPort = 8000;
    bool Verbunden = false;

    // Display settings.
    bool Metric = false;
    bool ShowRef = true;
    double RefTemp = 55.0;
    QString RefText;

    // Storage-time schedule.
    qint32 SpeicherStunde = 0;
    bool SpeicherAktiv = false;
    QDateTime NaechsteSpeicherzeit;

    // Event logs older than this many days are removed ([COM] "LOGTAGE"; 0 keeps all).
    qint32 LogTage = 180;

    // Environment of the run: the home folder holding the configuration,
    // installation options and event logs; the user's locale; the clock.
    QString Heimordner;
    QLocale Gebietsschema = QLocale::system();
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };
};

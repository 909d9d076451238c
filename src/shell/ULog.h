// The event log: a plain text trace of the controller traffic in the home
// folder, one file per program start and day, named
// "Komp_LOG_" + short date (four-digit year, '.' and characters a file name
// cannot hold replaced by '-') + letter(s) + ".CSV", the letters being the
// first free of A..Z, AA..AZ, BA.. ZZ. Each line: short date, a blank,
// hh:mm:ss, a blank, the text, CR LF, in Windows-1252. When the date changes
// while the program runs, the next line starts the next day's file; logs
// older than TZustand::LogTage days are removed then and at start-up. Any
// failure turns logging off until the next day's file; Zustandswechsel hears
// of it (and of logging coming back), so that the run can say so.
#pragma once

#include "shell/UEreignisse.h"
#include "shell/USchnittstellen.h"
#include "shell/UZustand.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QString>
#include <functional>

class TLog : public ILogSink {
public:
    // Takes the home folder, the locale, the clock and the days to keep logs
    // from z, which must outlive the log.
    explicit TLog(const TZustand &z);
    ~TLog() override;
    TLog(const TLog &) = delete;
    TLog &operator=(const TLog &) = delete;

    // Creates a new log file; true if logging is on. A log already open stays
    // the one in use.
    bool LogOeffnen();
    // Appends one entry if logging is on; each line reaches the disk at once.
    // An entry is one line: control characters in it (CR, LF, NUL, ...) are
    // written as \xNN.
    // The first entry of a new day goes to a new file of that day.
    void LogSchreiben(const QString &text) override;
    // Closes the file; logging is off afterwards.
    void LogSchliessen();

    // Removes the logs in the home folder whose date lies more than
    // TZustand::LogTage days before today (0 keeps all). Only files named
    // exactly as this log names its files are touched. Returns how many went.
    int AlteLogsEntfernen();

    bool LogAktiv() const { return m_aktiv; }
    // Why logging is off (empty while it is on or was never tried).
    QString LetzterFehler() const { return m_fehler; }
    // Told when a log file could not be created or written (false, with the
    // reason) and when a file is in use again after that (true).
    std::function<void(bool ok, const QString &fehler)> Zustandswechsel;
    // Full path of the log file in use (empty if none could be created).
    QString DateiName() const { return m_datei.fileName(); }

    // The letters of the index-th file of a day: 0 "A" .. 25 "Z", 26 "AA",
    // 27 "AB" .. 701 "ZZ"; empty beyond.
    static QString Buchstaben(int index);
    // The file name (without folder) of the index-th log file of that day.
    static QString LogDateiName(const QLocale &locale, const QDate &datum, int index);
    // The date of a log file name of that locale; invalid for any other name.
    static QDate LogDatum(const QLocale &locale, const QString &dateiName);
    // The wildcard pattern every log file name matches ("Komp_LOG_*.CSV"):
    // what a dialog offering data files leaves out.
    static QString NamensMuster();

private:
    bool oeffne(const QDate &tag);
    void melden(bool ok);

    const TZustand &m_z;
    QFile m_datei;
    bool m_aktiv = false;
    bool m_gewuenscht = false; // between LogOeffnen and LogSchliessen
    QDate m_tag;               // the day of the file in use
    QString m_fehler;
};

// Writes into the event log what keeps the PC from its work: each readout
// that could not save every record (with the reason), and the beginning and
// end of each other disturbance (the configuration file that cannot be
// written, the log itself coming back). A listener of the run's events.
class TLogHoerer : public IEreignisse {
public:
    explicit TLogHoerer(TLog &log) : m_log(log) {}
    void Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) override;
    void Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) override;

private:
    TLog &m_log;
};

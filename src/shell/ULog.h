// The event log: a plain text trace of the controller traffic, one new file
// per program start in the home folder, named
// "Komp_LOG_" + short date (four-digit year, '.' and characters a file name
// cannot hold replaced by '-') + letter(s) + ".CSV", the letters being the
// first free of A..Z, AA..AZ, BA.. ZZ. Each line: short date, a blank,
// hh:mm:ss, a blank, the text, CR LF, in Windows-1252. Any failure turns
// logging off for the rest of the run, silently.
#pragma once

#include "shell/USchnittstellen.h"
#include "shell/UZustand.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QString>

class TLog : public ILogSink {
public:
    // Takes the home folder, the locale and the clock from z, which must
    // outlive the log.
    explicit TLog(const TZustand &z);
    ~TLog() override;
    TLog(const TLog &) = delete;
    TLog &operator=(const TLog &) = delete;

    // Creates a new log file; true if logging is on. A log already open stays
    // the one in use.
    bool LogOeffnen();
    // Appends one entry if logging is on; each line reaches the disk at once.
    void LogSchreiben(const QString &text) override;
    // Closes the file; logging is off afterwards.
    void LogSchliessen();

    bool LogAktiv() const { return m_aktiv; }
    // Full path of the log file of this run (empty if none could be created).
    QString DateiName() const { return m_datei.fileName(); }

    // The letters of the index-th file of a day: 0 "A" .. 25 "Z", 26 "AA",
    // 27 "AB" .. 701 "ZZ"; empty beyond.
    static QString Buchstaben(int index);
    // The file name (without folder) of the index-th log file of that day.
    static QString LogDateiName(const QLocale &locale, const QDate &datum, int index);

private:
    const TZustand &m_z;
    QFile m_datei;
    bool m_aktiv = false;
};

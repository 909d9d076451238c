// The alarms of a run without windows on a temporary home folder, with a
// clock the test sets: the events are handed to them directly, the journal,
// the event log and what they report to the listeners are read back.
#pragma once

#include "alarm/UAlarme.h"
#include "data/UMessDaten.h"
#include "shell/UAlarmStand.h"
#include "shell/UCp1252.h"
#include "shell/UIniDatei.h"
#include "shell/ULog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Hears what the alarms report to the run's listeners.
struct TAlarmHoerer : IEreignisse {
    QList<tAlarmEreignis> alarme;
    void Alarm(const tAlarmEreignis &a) override { alarme.append(a); }
    QStringList kurz() const {
        QStringList l;
        for (const tAlarmEreignis &a : alarme)
            l.append(QStringLiteral("%1 %2 %3").arg(a.Anlage).arg(a.Text, a.Zustand));
        return l;
    }
};

struct TAlarmUmgebung {
    QTemporaryDir heim;
    TZustand z;
    std::unique_ptr<TIniDatei> ini;
    std::unique_ptr<TLog> log;
    TEreignisVerteiler ereignisse;
    TAlarmStand stand;
    TAlarmHoerer hoerer;
    QDateTime zeit{QDate(2024, 12, 10), QTime(12, 0)};
    std::unique_ptr<TAlarme> alarme;

    // O2_Tarvos.ini with the lines given (PLATZMB=0 unless they set it, so
    // that the test machine's disk raises nothing).
    explicit TAlarmUmgebung(const QByteArray &alarmZeilen = {}, int anlagen = 4) {
        z.Heimordner = heim.path();
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z.Jetzt = [this] { return zeit; };
        z.AnlagenAnzahl = static_cast<quint16>(anlagen);
        z.Verbunden = true;
        QByteArray text = "[ALARM]\n" + alarmZeilen;
        if (!alarmZeilen.contains("PLATZMB"))
            text += "PLATZMB=0\n";
        schreibe(QStringLiteral("O2_Tarvos.ini"), text);
        ini = std::make_unique<TIniDatei>(pfad(QStringLiteral("O2_Tarvos.ini")), z.Gebietsschema);
        log = std::make_unique<TLog>(z);
        log->LogOeffnen();
        ereignisse.Anmelden(&hoerer);
    }

    QString pfad(const QString &name) const { return heim.filePath(name); }
    void schreibe(const QString &name, QByteArray inhalt) const {
        inhalt.replace("\r\n", "\n");
        inhalt.replace("\n", "\r\n");
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray lies(const QString &name) const {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray journal(int jahr = 2024) const { return lies(TAlarmJournal::DateiName(jahr)); }
    // The lines of the event log (German data).
    QStringList logZeilen() const {
        QFile f(log->DateiName());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return Cp1252::decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    bool imLog(const QString &teil) const {
        for (const QString &z : logZeilen())
            if (z.contains(teil))
                return true;
        return false;
    }

    TAlarme &starte() {
        alarme = std::make_unique<TAlarme>(z, *ini, *log, ereignisse, stand);
        return *alarme;
    }
    void spaeter(int minuten) { zeit = zeit.addSecs(qint64(minuten) * 60); }

    // Plant n learned with a running pile on data file datei.
    void laeuft(int n, const QString &datei = {}) {
        tAnlageParameter &a = z.Anlagen[static_cast<size_t>(n)];
        a.Angeschlossen = 1;
        a.Eingeschaltet = 1;
        a.Name = QStringLiteral("Miete %1").arg(n);
        a.Datei = datei.isEmpty() ? pfad(QStringLiteral("Miete%1.CSV").arg(n)) : datei;
    }
    // A judged poll of plant n: a reply with core and O2 (tenths), or a miss.
    void poll(int n, int kern = 60, int o2 = 150) {
        tAnlageMesswerte w;
        w.Gueltig = 1;
        w.T = {0, kern, kern - 3, kern - 8, kern - 15, kern - 25};
        w.O2 = o2;
        ereignisse.Messwert(n, w, zeit);
    }
    void verpasst(int n) {
        tAnlageMesswerte w;
        w.Gueltig = 0;
        w.Fehlabfragen = 4;
        ereignisse.Messwert(n, w, zeit);
    }
    // The alarms listed, as "plant text state" with state a (active), q (acknowledged), e (cleared).
    QStringList liste() const {
        QStringList l;
        for (const tAlarm &a : alarme->Liste())
            l.append(QStringLiteral("%1 %2 %3%4")
                         .arg(a.Anlage)
                         .arg(a.Text, a.Aktiv ? QStringLiteral("a") : QStringLiteral("e"),
                              a.Quittiert ? QStringLiteral("q") : QString()));
        return l;
    }

    // A data file with a record for each (time, core temperature).
    void datendatei(const QString &name, const QList<QPair<QDateTime, int>> &saetze) const {
        QByteArray d = "Kompostwerk\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete\r\nDatei  - Name: " +
                       name.toLatin1() + "\r\n\r\nErste Datensicherung : 01.12.2024\r\n" +
                       Cp1252::encode(TDataFile::ColumnTitles()) + "\r\n";
        qint32 nr = 0;
        for (const auto &[t, kern] : saetze) {
            tAnlageMesswerte w;
            w.T = {0, kern, kern - 3, kern - 8, kern - 15, kern - 25};
            w.O2 = 120;
            d += TDataFile::RecordLine(++nr, t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")), w);
        }
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(d);
    }
};

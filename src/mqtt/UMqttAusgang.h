// The outbox of the site network: every message that must reach the broker
// (a stored record, an alarm) is appended to a file in the home folder and
// synced before it may be sent, and counts as delivered only when the broker
// has acknowledged it. A broker that is away for days, a lost network, a
// killed program or a power cut lose nothing: what is not acknowledged is
// sent again, in order. A message may arrive twice, never not at all.
//
// The files (UTF-8, LF; no operator reads them):
//   MQTT_Ausgang.txt  one message a line: "<number>\t<topic below kompost/<S>/>\t<JSON>\n",
//                     numbers rising by one and never used twice
//   MQTT_Ausgang.pos  "<number>\n": every message up to this number is acknowledged
// The marker is written a little after the acknowledgements (a crash in
// between only repeats messages); once every message is acknowledged the
// outbox is emptied, and a long acknowledged beginning is cut off.
//
// When the outbox file cannot be written (home folder read-only, disk
// full), the messages wait in memory behind those in the file, and the file
// is tried again with each new message and on Sichern().
//
// A damaged outbox is never passed over in silence. Opening it checks every
// line (number, topic, a JSON object; a line cut off, unreadable or far too
// long cannot be sent) and the marker (unreadable, or beyond the last
// message: then no message of the file is taken for acknowledged). Each line
// that cannot be sent is reported with its line and message number
// (Schaeden()); when anything is wrong, the lines that can be sent are
// written to a fresh file in their order, numbered above anything used
// before, and all of them are sent again when the marker cannot be trusted:
// a message may come twice, none goes missing.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class TMqttAusgang {
public:
    struct tNachricht {
        qint64 Nummer = 0;
        QByteArray Thema; // below kompost/<S>/
        QByteArray Inhalt;
    };

    static constexpr const char *DateiName = "MQTT_Ausgang.txt";
    static constexpr const char *MarkeName = "MQTT_Ausgang.pos";

    // Opens the outbox in the folder: what was not acknowledged before waits
    // again, in order. A damaged outbox is mended as far as it can be and said (Schaeden()).
    explicit TMqttAusgang(const QString &ordner);
    ~TMqttAusgang(); // writes the marker
    TMqttAusgang(const TMqttAusgang &) = delete;
    TMqttAusgang &operator=(const TMqttAusgang &) = delete;

    // Appends a message; it is on the disk when this returns true. false: it
    // waits in memory only (Fehler() says why); it is sent all the same.
    bool Anhaengen(const QByteArray &thema, const QByteArray &inhalt);

    // The next message not yet handed out since the last Zurueckspulen(); false when none.
    bool Naechste(tNachricht &n);
    // Every message not acknowledged is handed out again from the first one
    // (a new connection: what was in flight on the old one may be lost).
    void Zurueckspulen();
    // The broker acknowledged the message with this number.
    void Bestaetigt(qint64 nummer);
    // Messages handed out and not yet acknowledged.
    int Unterwegs() const { return static_cast<int>(m_unterwegs.size()); }

    // Writes the marker if it moved; empties or shortens the file when its
    // beginning is acknowledged; tries to move messages waiting in memory to
    // the file. Called now and then and before the program ends.
    void Sichern();

    // Messages not yet acknowledged (file and memory).
    qint64 Wartend() const { return m_wartend; }
    // The outbox file's size in bytes.
    qint64 Bytes() const { return m_groesse; }
    // Messages that wait in memory because the file could not take them.
    int ImSpeicher() const { return static_cast<int>(m_speicher.size()); }
    // Why the last write failed (empty after success).
    QString Fehler() const { return m_fehler; }
    QString Pfad() const { return m_datei.fileName(); }
    // From how many acknowledged bytes at its beginning the file is shortened (tests lower it).
    void SetzeKuerzenAb(qint64 bytes) { m_kuerzenAb = bytes; }

    // What was found damaged since the last call, one text for each line
    // that cannot be sent (with its line and message number) and for the
    // marker; for the event log. Taken by the call.
    QStringList Schaeden();
    // The outbox was found damaged, and what it still held then has not all
    // reached the broker yet.
    bool Beschaedigt() const { return m_schadenBis >= 0 && m_bestaetigtBis < m_schadenBis; }
    // The damage in short (for the disturbance it is).
    QString SchadenGrund() const { return m_schadenGrund; }

    // Longer lines are none this program writes.
    static constexpr qint64 MaxZeile = 64 * 1024;

private:
    struct tUnterwegs {
        qint64 ende = -1; // end of its line in the file; -1: it waits in memory
        bool bestaetigt = false;
    };

    bool laden();
    bool oeffnen();
    bool schreibeAufDisk(const QByteArray &bytes);
    bool markeSchreiben();
    void kuerzen();
    bool speicherSichern();
    static QByteArray zeile(const tNachricht &n);
    static bool zerlege(const QByteArray &zeile, tNachricht &n);
    // A line that can be sent: number, topic and a JSON object.
    static bool sendbar(const QByteArray &zeile, tNachricht &n);
    bool neuSchreiben(const QList<QPair<qint64, qint64>> &zeilen, qint64 basis);
    void schaden(const QString &text);

    QString m_ordner;
    QFile m_datei; // read and append
    qint64 m_groesse = 0;
    qint64 m_naechsteNummer = 1;
    qint64 m_bestaetigtBis = 0; // every number up to this one is acknowledged
    qint64 m_markeGeschrieben = -1;
    qint64 m_erstePos = 0; // where the first unacknowledged line of the file begins
    qint64 m_lesePos = 0;  // where the next line to hand out begins
    qint64 m_wartend = 0;
    QMap<qint64, tUnterwegs> m_unterwegs;
    QList<tNachricht> m_speicher;  // behind the file, not written
    qsizetype m_speicherIndex = 0; // the next of m_speicher to hand out
    QString m_fehler;
    qint64 m_kuerzenAb = 1024 * 1024;
    QStringList m_schaeden;
    qint64 m_schadenBis = -1; // the last message kept from a damaged outbox
    QString m_schadenGrund;
};

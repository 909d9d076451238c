// Alarm mail through the site's mail server, with libcurl's SMTP support.
// Every mail is sent on a thread of its own, so that no poll, readout or
// window waits for the server. The mails go out in order; one that cannot be
// delivered is logged and tried again after pauses that grow from one
// minute to thirty, the others waiting behind it. The password never reaches
// the event log.
#pragma once

#include "alarm/UAlarmEinstellungen.h"
#include "alarm/UAlarmTexte.h"
#include "alarm/UHintergrund.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class ILogSink;

struct tMail {
    QString Betreff;
    QString Text;
};

struct tSendeErgebnis {
    bool Ok = false;
    tAlarmText Fehler; // why it failed, in plain words
};

// The message as it goes to the server: the header lines (Date, From, To,
// Subject encoded for non-ASCII text, Message-ID, MIME) and the text in UTF-8.
QByteArray BaueNachricht(const tAlarmEinstellungen &e, const tMail &m, const QDateTime &zeit);
// A header text as RFC 2047 encoded words (UTF-8, base64) where it is not
// plain ASCII, folded so that no line grows beyond 76 characters.
QByteArray KodiereKopfText(const QString &text);

// Sends one mail with the settings e and waits for the server (call it on a
// thread of its own). A set *abbrechen ends the attempt.
tSendeErgebnis SendeMail(const tAlarmEinstellungen &e, const tMail &m, const QDateTime &zeit,
                         const std::atomic<bool> *abbrechen = nullptr);

class TAlarmPost : public QObject {
    Q_OBJECT
public:
    // log takes one line per delivery and failure; jetzt is the run's clock.
    TAlarmPost(ILogSink &log, std::function<QDateTime()> jetzt, QObject *parent = nullptr);
    // Ends a mail on its way and waits for its thread; waiting mails are
    // logged as not sent.
    ~TAlarmPost() override;

    // The server settings for the next attempt. A mail waiting for its next
    // attempt is tried at once; without a server the waiting mails are dropped.
    void SetzeEinstellungen(const tAlarmEinstellungen &e);
    // Queues a mail (only while a server is set).
    void Einreihen(const tMail &m);
    // Sends a test message with the settings e at once, past the queue;
    // TestErgebnis with the number returned here tells how it went.
    int Testnachricht(const tAlarmEinstellungen &e, const tMail &m);
    bool TestLaeuft() const { return m_testsLaufend > 0; }

    // Mails not delivered yet (the one on its way included).
    int Wartend() const { return static_cast<int>(m_schlange.size()); }
    // The pause after the first failed attempt and the longest one; each
    // further failure doubles the pause. 1 and 30 minutes unless tests shorten them.
    void SetzePausen(int ersteMs, int hoechsteMs);
    int PauseNach(int versuche) const;

signals:
    void Zugestellt(const QString &betreff);
    void NichtZugestellt(const QString &betreff, const QString &grund, int versuche, int pauseMs);
    void TestErgebnis(int nummer, bool ok, const QString &meldung);

private:
    struct tAuftrag {
        tMail Mail;
        int Versuche = 0;
    };
    void starte();
    void fertig(const tSendeErgebnis &ergebnis);

    ILogSink &m_log;
    std::function<QDateTime()> m_jetzt;
    tAlarmEinstellungen m_e;
    QList<tAuftrag> m_schlange;
    bool m_unterwegs = false;
    int m_testNummer = 0;
    int m_testsLaufend = 0;
    QTimer m_pause;
    int m_erstePause = 60000;
    int m_hoechstePause = 1800000;
    std::shared_ptr<std::atomic<bool>> m_abbrechen;
    THintergrund m_hintergrund{this}; // the mails on their way
};

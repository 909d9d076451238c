#include "alarm/UAlarmPost.h"

#include "shell/USchnittstellen.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUuid>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

// Whether the text may stand in a header line as it is.
bool einfachesAscii(const QString &text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

// The text without line breaks and other control characters, so that no
// header line of the mail can be made to end early.
QString einzeilig(QString text) {
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return text.simplified();
}

// The sender as the From line shows it: "Name <adresse>" as configured when
// that is plain ASCII, else the address alone.
QByteArray absenderZeile(const QString &von) {
    const QString text = einzeilig(von);
    if (einfachesAscii(text) && text.contains(QLatin1Char('<')))
        return text.toLatin1();
    return '<' + MailAdresse(text).toLatin1() + '>';
}

QByteArray basis64Zeilen(const QByteArray &daten) {
    const QByteArray b = daten.toBase64();
    QByteArray zeilen;
    for (qsizetype i = 0; i < b.size(); i += 76)
        zeilen += b.mid(i, 76) + "\r\n";
    return zeilen;
}

struct TLeser {
    QByteArray daten;
    qsizetype pos = 0;
};

size_t lesen(char *ziel, size_t groesse, size_t anzahl, void *zeiger) {
    auto *l = static_cast<TLeser *>(zeiger);
    const size_t rest = static_cast<size_t>(l->daten.size() - l->pos);
    const size_t n = std::min(groesse * anzahl, rest);
    std::memcpy(ziel, l->daten.constData() + l->pos, n);
    l->pos += static_cast<qsizetype>(n);
    return n;
}

// The server's replies, to tell the operator what it said. Only what the
// server sends is kept: the commands going out carry the password.
struct TAntworten {
    QByteArray letzterFehler; // the last reply with a 4xx or 5xx code
};

int mitschreiben(CURL *, curl_infotype art, char *daten, size_t groesse, void *zeiger) {
    if (art != CURLINFO_HEADER_IN)
        return 0;
    auto *a = static_cast<TAntworten *>(zeiger);
    const QByteArray zeile = QByteArray(daten, static_cast<qsizetype>(groesse)).trimmed();
    if (zeile.size() >= 3 && (zeile.at(0) == '4' || zeile.at(0) == '5'))
        a->letzterFehler = zeile;
    return 0;
}

int fortschritt(void *zeiger, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto *abbrechen = static_cast<const std::atomic<bool> *>(zeiger);
    return abbrechen && abbrechen->load() ? 1 : 0;
}

void curlEinmal() {
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

tAlarmText text(const char *vorlage, QStringList argumente = {}) {
    return tAlarmText{vorlage, std::move(argumente)};
}

// The settings checked before the server is asked.
bool pruefeEinstellungen(const tAlarmEinstellungen &e, tAlarmText &fehler) {
    if (!e.MailAn()) {
        fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Es ist kein Mailserver eingestellt."));
        return false;
    }
    if (!GueltigeMailAdresse(MailAdresse(e.Von))) {
        fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Die Absenderadresse \"%1\" ist ungültig."), {e.Von});
        return false;
    }
    const QStringList an = e.Empfaenger();
    if (an.isEmpty()) {
        fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Es ist keine Empfängeradresse eingestellt."));
        return false;
    }
    for (const QString &a : an) {
        if (!GueltigeMailAdresse(MailAdresse(a))) {
            fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Die Empfängeradresse \"%1\" ist ungültig."), {a});
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray KodiereKopfText(const QString &text) {
    const QString t = einzeilig(text);
    if (einfachesAscii(t))
        return t.toLatin1();
    // Encoded words of 64 characters at most (39 bytes of UTF-8 make 52 of
    // base64), so that the first one still fits behind "Subject: " into a
    // line of 76; a character is never split between two words.
    QList<QByteArray> woerter;
    QByteArray stueck;
    for (qsizetype i = 0; i < t.size();) {
        const qsizetype laenge = t.at(i).isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
        const QByteArray zeichen = t.mid(i, laenge).toUtf8();
        if (stueck.size() + zeichen.size() > 39) {
            woerter.append(stueck);
            stueck.clear();
        }
        stueck += zeichen;
        i += laenge;
    }
    if (!stueck.isEmpty())
        woerter.append(stueck);
    QByteArray kodiert;
    for (const QByteArray &w : woerter) {
        if (!kodiert.isEmpty())
            kodiert += "\r\n ";
        kodiert += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return kodiert;
}

QByteArray BaueNachricht(const tAlarmEinstellungen &e, const tMail &m, const QDateTime &zeit) {
    QStringList an;
    for (const QString &a : e.Empfaenger())
        an.append(MailAdresse(a));
    const QString von = MailAdresse(e.Von);
    const QString domain = von.mid(von.lastIndexOf(QLatin1Char('@')) + 1);
    QByteArray n;
    n += "Date: " + zeit.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    n += "From: " + absenderZeile(e.Von) + "\r\n";
    n += "To: " + an.join(QStringLiteral(", ")).toLatin1() + "\r\n";
    n += "Subject: " + KodiereKopfText(m.Betreff) + "\r\n";
    n += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' +
         (domain.isEmpty() || !einfachesAscii(domain) ? QByteArray("kompost-leitstand") : domain.toLatin1()) +
         ">\r\n";
    n += "MIME-Version: 1.0\r\n";
    n += "Content-Type: text/plain; charset=UTF-8\r\n";
    n += "Content-Transfer-Encoding: base64\r\n";
    n += "X-Mailer: Kompost-Leitstand\r\n";
    n += "\r\n";
    QString inhalt = m.Text;
    inhalt.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    inhalt.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    n += basis64Zeilen(inhalt.toUtf8());
    return n;
}

tSendeErgebnis SendeMail(const tAlarmEinstellungen &e, const tMail &m, const QDateTime &zeit,
                         const std::atomic<bool> *abbrechen) {
    tSendeErgebnis ergebnis;
    if (!pruefeEinstellungen(e, ergebnis.Fehler))
        return ergebnis;
    curlEinmal();
    CURL *curl = curl_easy_init();
    if (!curl) {
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Die Mailbibliothek lässt sich nicht starten."));
        return ergebnis;
    }

    const QString server = e.Smtp.trimmed();
    QUrl url;
    url.setScheme(e.SmtpTls == 2 ? QStringLiteral("smtps") : QStringLiteral("smtp"));
    url.setHost(server);
    url.setPort(e.SmtpPort);
    if (!url.isValid() || url.host().isEmpty()) {
        curl_easy_cleanup(curl);
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Name des Mailservers \"%1\" ist ungültig."), {server});
        return ergebnis;
    }
    const QByteArray urlText = url.toString(QUrl::FullyEncoded).toUtf8();
    const QByteArray von = '<' + MailAdresse(e.Von).toUtf8() + '>';
    curl_slist *empfaenger = nullptr;
    for (const QString &a : e.Empfaenger())
        empfaenger = curl_slist_append(empfaenger, ('<' + MailAdresse(a).toUtf8() + '>').constData());
    const QByteArray benutzer = e.SmtpUser.toUtf8();
    const QByteArray kennwort = e.SmtpPass.toUtf8();
    const QByteArray ca = e.SmtpCa.trimmed().toLocal8Bit();
    TLeser leser{BaueNachricht(e, m, zeit)};
    TAntworten antworten;
    char fehlerText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, urlText.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 120L);
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, von.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, empfaenger);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, lesen);
    curl_easy_setopt(curl, CURLOPT_READDATA, &leser);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(leser.daten.size()));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, fehlerText);
    // The replies of the server reach mitschreiben only while "verbose" is
    // on; nothing goes to the standard error then.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, mitschreiben);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &antworten);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, fortschritt);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, abbrechen);
    if (!benutzer.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, benutzer.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, kennwort.constData());
    }
    if (e.SmtpTls == 1)
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (e.SmtpTls != 0) {
        // The server's certificate is checked against the system's store,
        // and against the site's own CA as well when one is named.
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!ca.isEmpty())
            curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    }

    const CURLcode rc = curl_easy_perform(curl);
    curl_slist_free_all(empfaenger);
    curl_easy_cleanup(curl);
    if (rc == CURLE_OK) {
        ergebnis.Ok = true;
        return ergebnis;
    }

    const QString port = QString::number(e.SmtpPort);
    const QString detail = QString::fromUtf8(fehlerText[0] ? fehlerText : curl_easy_strerror(rc));
    const QString antwort = QString::fromUtf8(antworten.letzterFehler);
    switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte",
                                   "Der Mailserver %1 ist unbekannt: sein Name lässt sich nicht auflösen."),
                 {server});
        break;
    case CURLE_COULDNT_CONNECT:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Mailserver %1 nimmt auf Port %2 keine Verbindung an."),
                 {server, port});
        break;
    case CURLE_OPERATION_TIMEDOUT:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Mailserver %1 antwortet nicht (Zeitüberschreitung)."),
                 {server});
        break;
    case CURLE_LOGIN_DENIED:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Mailserver hat die Anmeldung als %1 "
                                                  "abgelehnt: Benutzername oder Kennwort stimmen "
                                                  "nicht. Antwort des Servers: %2"),
                 {e.SmtpUser, antwort.isEmpty() ? detail : antwort});
        break;
    case CURLE_USE_SSL_FAILED:
        ergebnis.Fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Mailserver %1 bietet keine "
                                                                "verschlüsselte Verbindung (STARTTLS) an."),
                               {server});
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
        ergebnis.Fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Das Zertifikat des Mailservers %1 ist nicht "
                                                                "vertrauenswürdig: %2"),
                               {server, detail});
        break;
    case CURLE_SSL_CACERT_BADFILE:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Die Zertifikatsdatei %1 kann nicht gelesen werden."),
                 {e.SmtpCa});
        break;
    case CURLE_SSL_CONNECT_ERROR:
        ergebnis.Fehler =
            text(QT_TRANSLATE_NOOP("TAlarmTexte", "Die verschlüsselte Verbindung zum Mailserver "
                                                  "%1 ist fehlgeschlagen: %2"),
                 {server, detail});
        break;
    case CURLE_ABORTED_BY_CALLBACK:
        ergebnis.Fehler = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Das Senden wurde abgebrochen."));
        break;
    default:
        if (!antwort.isEmpty())
            ergebnis.Fehler =
                text(QT_TRANSLATE_NOOP("TAlarmTexte", "Der Mailserver hat die Nachricht abgelehnt: %1"),
                     {antwort});
        else
            ergebnis.Fehler = text(
                QT_TRANSLATE_NOOP("TAlarmTexte", "Die Nachricht konnte nicht gesendet werden: %1"), {detail});
        break;
    }
    return ergebnis;
}

// ---------------------------------------------------------------------------

TAlarmPost::TAlarmPost(ILogSink &log, std::function<QDateTime()> jetzt, QObject *parent)
    : QObject(parent), m_log(log), m_jetzt(std::move(jetzt)),
      m_abbrechen(std::make_shared<std::atomic<bool>>(false)) {
    curlEinmal();
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &TAlarmPost::starte);
}

TAlarmPost::~TAlarmPost() {
    // the mails on their way give up; m_hintergrund waits for them
    m_abbrechen->store(true);
    if (!m_schlange.isEmpty())
        m_log.LogSchreiben(QStringLiteral("Alarm-E-Mail: %1 Nachricht(en) beim Beenden nicht gesendet")
                               .arg(m_schlange.size()));
}

void TAlarmPost::SetzePausen(int ersteMs, int hoechsteMs) {
    m_erstePause = std::max(1, ersteMs);
    m_hoechstePause = std::max(m_erstePause, hoechsteMs);
}

int TAlarmPost::PauseNach(int versuche) const {
    qint64 pause = m_erstePause;
    for (int i = 1; i < versuche && pause < m_hoechstePause; ++i)
        pause *= 2;
    return static_cast<int>(std::min<qint64>(pause, m_hoechstePause));
}

void TAlarmPost::SetzeEinstellungen(const tAlarmEinstellungen &e) {
    m_e = e;
    if (!m_e.MailAn()) {
        // Mail was switched off: what waits is not sent any more (the one on its way may still arrive).
        const int weg = static_cast<int>(m_schlange.size()) - (m_unterwegs ? 1 : 0);
        if (weg > 0) {
            m_schlange.erase(m_schlange.begin() + (m_unterwegs ? 1 : 0), m_schlange.end());
            m_pause.stop();
            m_log.LogSchreiben(
                QStringLiteral("Alarm-E-Mail abgeschaltet: %1 wartende Nachricht(en) verworfen").arg(weg));
        }
        return;
    }
    if (m_pause.isActive()) {
        m_pause.stop();
        starte();
    }
}

void TAlarmPost::Einreihen(const tMail &m) {
    if (!m_e.MailAn())
        return;
    m_schlange.append({m, 0});
    if (!m_pause.isActive())
        starte();
}

void TAlarmPost::starte() {
    if (m_unterwegs || m_schlange.isEmpty() || !m_e.MailAn())
        return;
    m_unterwegs = true;
    const tAlarmEinstellungen e = m_e;
    const tMail m = m_schlange.first().Mail;
    const QDateTime zeit = m_jetzt();
    const auto abbrechen = m_abbrechen;
    m_hintergrund.Starte([e, m, zeit, abbrechen] { return SendeMail(e, m, zeit, abbrechen.get()); },
                         [this](const tSendeErgebnis &ergebnis) { fertig(ergebnis); });
}

void TAlarmPost::fertig(const tSendeErgebnis &ergebnis) {
    m_unterwegs = false;
    if (m_schlange.isEmpty())
        return;
    tAuftrag &a = m_schlange.first();
    ++a.Versuche;
    const QString betreff = a.Mail.Betreff;
    if (ergebnis.Ok) {
        m_log.LogSchreiben(QStringLiteral("Alarm-E-Mail zugestellt an %1: %2")
                               .arg(m_e.Empfaenger().join(QStringLiteral(", ")), betreff));
        m_schlange.removeFirst();
        emit Zugestellt(betreff);
        starte();
        return;
    }
    const int pause = PauseNach(a.Versuche);
    const int versuche = a.Versuche;
    m_log.LogSchreiben(
        QStringLiteral("Alarm-E-Mail nicht zugestellt (Versuch %1): %2 - %3; nächster Versuch in %4 s")
            .arg(versuche)
            .arg(betreff, ergebnis.Fehler.Deutsch())
            .arg((pause + 999) / 1000));
    m_pause.start(pause);
    emit NichtZugestellt(betreff, ergebnis.Fehler.Uebersetzt(), versuche, pause);
}

int TAlarmPost::Testnachricht(const tAlarmEinstellungen &e, const tMail &m) {
    const int nummer = ++m_testNummer;
    ++m_testsLaufend;
    const QDateTime zeit = m_jetzt();
    const auto abbrechen = m_abbrechen;
    m_hintergrund.Starte([e, m, zeit, abbrechen] { return SendeMail(e, m, zeit, abbrechen.get()); },
                         [this, e, nummer](const tSendeErgebnis &ergebnis) {
                             --m_testsLaufend;
                             m_log.LogSchreiben(
                                 ergebnis.Ok ? QStringLiteral("Alarm-Testnachricht zugestellt an %1")
                                                   .arg(e.Empfaenger().join(QStringLiteral(", ")))
                                             : QStringLiteral("Alarm-Testnachricht nicht zugestellt: %1")
                                                   .arg(ergebnis.Fehler.Deutsch()));
                             emit TestErgebnis(nummer, ergebnis.Ok, ergebnis.Fehler.Uebersetzt());
                         });
    return nummer;
}

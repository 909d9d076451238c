#include "mqtt/UMqttSender.h"

#include "mqtt/UMqttNachrichten.h"

#include <QEventLoop>

using namespace MqttNachrichten;

TMqttSender::TMqttSender(const TZustand &z, ILogSink *log, QObject *parent)
    : QObject(parent), m_z(z), m_log(log), m_thread(new QThread) {
    m_thread->setObjectName(QStringLiteral("MQTT"));
    m_arbeiter = new TMqttArbeiter;
    m_arbeiter->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_arbeiter, &QObject::deleteLater);
    connect(m_arbeiter, &TMqttArbeiter::Verbunden, this, &TMqttSender::beiVerbunden);
    connect(m_arbeiter, &TMqttArbeiter::Getrennt, this, &TMqttSender::beiGetrennt);
    connect(m_arbeiter, &TMqttArbeiter::Bestaetigt, this, &TMqttSender::beiBestaetigt);
    connect(m_arbeiter, &TMqttArbeiter::TestErgebnis, this, &TMqttSender::beiTestErgebnis);
    m_thread->start();
    m_takt.setInterval(1000);
    connect(&m_takt, &QTimer::timeout, this, &TMqttSender::takt);
    m_takt.start();
}

TMqttSender::~TMqttSender() {
    m_thread->quit();
    // A thread held up in a name lookup would keep the program from ending;
    // it is left to the end of the process instead.
    if (m_thread->wait(5000))
        delete m_thread;
    if (m_ausgang)
        m_ausgang->Sichern();
}

void TMqttSender::SetzePausen(int ersteMs, int laengsteMs) {
    QMetaObject::invokeMethod(
        m_arbeiter, [a = m_arbeiter, ersteMs, laengsteMs] { a->SetzePausen(ersteMs, laengsteMs); },
        Qt::QueuedConnection);
}

void TMqttSender::log(const QString &text) const {
    if (m_log)
        m_log->LogSchreiben(QStringLiteral("MQTT: ") + text);
}

int TMqttSender::anzeigeNummer(int anlage) const {
    return anlage > 0 && m_z.OptAdressen33 ? anlage + 32 : anlage;
}

void TMqttSender::Uebernehmen(const tMqttEinstellungen &e) {
    const bool warAktiv = m_e.Aktiv();
    m_e = e;
    m_standort = MqttStandort(e);
    m_verbunden = false;
    m_sitzung = 0;
    m_grund = {};
    m_abgewiesen = false;
    if (e.Aktiv() && !m_ausgang) {
        m_ausgang = std::make_unique<TMqttAusgang>(m_z.Heimordner);
        schaedenMelden();
        if (!m_ausgang->Fehler().isEmpty()) {
            log(m_ausgang->Fehler());
            m_ausgangGemeldet = true;
        }
    }
    if (m_ausgang)
        m_ausgang->Zurueckspulen();
    m_stand = e.Aktiv() ? TStand::Verbinde : TStand::Aus;
    if (e.Aktiv())
        log(QStringLiteral("Verbinde mit %1 (Standort %2)").arg(m_e.Adresse(), m_standort));
    else if (warAktiv)
        log(QStringLiteral("Aus"));
    QMetaObject::invokeMethod(
        m_arbeiter, [a = m_arbeiter, e] { a->Einstellen(e); }, Qt::QueuedConnection);
}

void TMqttSender::Beenden(int ms) {
    m_takt.stop();
    if (m_ausgang)
        m_ausgang->Sichern();
    if (!m_e.Aktiv())
        return;
    // No live values once the program has ended.
    Verbindung(false);
    QEventLoop schleife;
    QTimer frist;
    frist.setSingleShot(true);
    connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    connect(m_arbeiter, &TMqttArbeiter::Beendet, &schleife, &QEventLoop::quit);
    const QByteArray thema = Thema(m_standort, "status");
    QMetaObject::invokeMethod(
        m_arbeiter, [a = m_arbeiter, thema] { a->Beenden(thema, QByteArrayLiteral("offline")); },
        Qt::QueuedConnection);
    frist.start(ms);
    schleife.exec();
    if (m_verbunden)
        log(QStringLiteral("Verbindung zu %1 beendet").arg(m_e.Adresse()));
    m_verbunden = false;
    m_stand = TStand::Aus;
}

// ---------------------------------------------------------------- the connection's reports

void TMqttSender::beiVerbunden(quint64 sitzung) {
    m_sitzung = sitzung;
    m_verbunden = true;
    m_stand = TStand::Verbunden;
    m_grund = {};
    log(QStringLiteral("Verbunden mit %1 (Standort %2)").arg(m_e.Adresse(), m_standort));
    senden("status", QByteArrayLiteral("online"), 1, true);
    allesVeroeffentlichen();
    if (m_ausgang)
        m_ausgang->Zurueckspulen();
    pumpe();
    emit Verbunden();
}

void TMqttSender::beiGetrennt(quint64 sitzung, const QByteArray &grundText, const QString &grundWert,
                              int pauseMs, bool abgewiesen) {
    Q_UNUSED(sitzung);
    const bool war = m_verbunden;
    m_verbunden = false;
    m_stand = TStand::Getrennt;
    m_grund = tMqttGrund{grundText, grundWert};
    m_abgewiesen = abgewiesen;
    m_naechsterVersuch = QDeadlineTimer(pauseMs);
    // What was in flight is sent again on the next connection.
    if (m_ausgang)
        m_ausgang->Zurueckspulen();
    const QString pause = QString::number((pauseMs + 999) / 1000);
    if (abgewiesen)
        log(QStringLiteral("%1 weist die Verbindung ab: %2 Neuer Versuch in %3 s")
                .arg(m_e.Adresse(), m_grund.Deutsch(), pause));
    else if (war)
        log(QStringLiteral("Verbindung zu %1 getrennt: %2 Neuer Versuch in %3 s")
                .arg(m_e.Adresse(), m_grund.Deutsch(), pause));
    else
        log(QStringLiteral("Keine Verbindung zu %1: %2 Neuer Versuch in %3 s")
                .arg(m_e.Adresse(), m_grund.Deutsch(), pause));
    if (war)
        emit Getrennt();
}

void TMqttSender::beiBestaetigt(quint64 sitzung, qint64 nummer) {
    if (sitzung != m_sitzung || !m_ausgang)
        return;
    m_ausgang->Bestaetigt(nummer);
    pumpe();
    emit Zugestellt();
}

void TMqttSender::pumpe() {
    if (!m_verbunden || !m_ausgang)
        return;
    TMqttAusgang::tNachricht n;
    while (m_ausgang->Unterwegs() < Fenster && m_ausgang->Naechste(n)) {
        const QByteArray thema = Thema(m_standort, n.Thema);
        QMetaObject::invokeMethod(
            m_arbeiter,
            [a = m_arbeiter, s = m_sitzung, nr = n.Nummer, thema, inhalt = n.Inhalt] {
                a->Senden(s, nr, thema, inhalt, 1, false);
            },
            Qt::QueuedConnection);
    }
}

void TMqttSender::senden(const QByteArray &unterThema, const QByteArray &inhalt, int qos, bool behalten) {
    if (!m_verbunden)
        return;
    const QByteArray thema = Thema(m_standort, unterThema);
    QMetaObject::invokeMethod(
        m_arbeiter,
        [a = m_arbeiter, s = m_sitzung, thema, inhalt, qos, behalten] {
            a->Senden(s, 0, thema, inhalt, qos, behalten);
        },
        Qt::QueuedConnection);
}

void TMqttSender::ablegen(const QByteArray &thema, const QByteArray &inhalt) {
    if (!m_e.Aktiv() || !m_ausgang)
        return;
    if (!m_ausgang->Anhaengen(thema, inhalt)) {
        // The message waits in memory and is sent all the same; the log says
        // once that the outbox cannot keep it over a restart.
        if (!m_ausgangGemeldet)
            log(m_ausgang->Fehler());
        m_ausgangGemeldet = true;
    } else {
        m_ausgangGemeldet = false;
    }
    pumpe();
}

void TMqttSender::schaedenMelden() {
    if (!m_ausgang)
        return;
    const QStringList schaeden = m_ausgang->Schaeden();
    for (const QString &text : schaeden)
        log(text);
    if (!m_stoerungen)
        return;
    if (!schaeden.isEmpty())
        m_stoerungen->Melden(TStoerung::MqttAusgang, 0, true, m_ausgang->SchadenGrund());
    if (!m_ausgang->Beschaedigt())
        m_stoerungen->Melden(TStoerung::MqttAusgang, 0, false);
}

void TMqttSender::takt() {
    if (!m_e.Aktiv())
        return;
    if (m_ausgang) {
        m_ausgang->Sichern();
        schaedenMelden();
    }
    for (int n = 1; n <= m_z.AnlagenAnzahl && n <= MaxAnlagen; ++n)
        zustandPruefen(n, false);
}

// ---------------------------------------------------------------- the live topics

void TMqttSender::zustandPruefen(int anlage, bool immer) {
    if (anlage < 1 || anlage > MaxAnlagen || anlage > m_z.AnlagenAnzahl)
        return;
    const auto i = static_cast<size_t>(anlage);
    const QByteArray inhalt = Zustand(m_z.Anlagen[i], m_z.Verbunden);
    if (!immer && inhalt == m_zustand[i])
        return;
    m_zustand[i] = inhalt;
    senden(AnlagenThema(anzeigeNummer(anlage), "zustand"), inhalt, 1, true);
}

void TMqttSender::allesVeroeffentlichen() {
    const QDateTime jetzt = m_z.Jetzt();
    for (int n = 1; n <= m_z.AnlagenAnzahl && n <= MaxAnlagen; ++n) {
        const auto i = static_cast<size_t>(n);
        zustandPruefen(n, true);
        // A plant without valid readings in this run: no values of an earlier
        // run may stand on the broker as if they were live.
        if (!m_gueltig[i] || m_messwerte[i].isEmpty())
            messwerteSenden(n, Ungueltig(jetzt));
        else
            messwerteSenden(n, m_messwerte[i]);
    }
}

void TMqttSender::messwerteSenden(int anlage, const QByteArray &inhalt) {
    const auto i = static_cast<size_t>(anlage);
    m_messwerte[i] = inhalt;
    senden(AnlagenThema(anzeigeNummer(anlage), "messwerte"), m_messwerte[i], 0, true);
}

void TMqttSender::Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) {
    if (!m_e.Aktiv() || anlage < 1 || anlage > MaxAnlagen)
        return;
    const auto i = static_cast<size_t>(anlage);
    // A fresh valid reply (a missed poll keeps the last values, counting the misses).
    if (w.Gueltig != 0 && w.Fehlabfragen == 0) {
        m_gueltig[i] = true;
        messwerteSenden(anlage, Messwerte(w, zeit));
    } else if (w.Gueltig == 0 && m_gueltig[i]) {
        m_gueltig[i] = false;
        messwerteSenden(anlage, Ungueltig(zeit));
    }
    zustandPruefen(anlage, false);
}

void TMqttSender::Verbindung(bool verbunden) {
    if (!m_e.Aktiv())
        return;
    if (!verbunden) {
        const QDateTime jetzt = m_z.Jetzt();
        for (int n = 1; n <= MaxAnlagen; ++n) {
            const auto i = static_cast<size_t>(n);
            if (!m_gueltig[i])
                continue;
            m_gueltig[i] = false;
            messwerteSenden(n, Ungueltig(jetzt));
        }
    }
    for (int n = 1; n <= m_z.AnlagenAnzahl && n <= MaxAnlagen; ++n)
        zustandPruefen(n, false);
}

void TMqttSender::Speicherstand(int anlage, qint32) {
    zustandPruefen(anlage, false);
}

void TMqttSender::Auslesung(int anlage, bool, qint32, const QString &) {
    zustandPruefen(anlage, false);
}

void TMqttSender::DatensatzGeschrieben(int anlage, const QString &datei, qint32 nr, const QString &zeit,
                                       const tAnlageMesswerte &w) {
    if (anlage < 1 || anlage > MaxAnlagen)
        return;
    ablegen(AnlagenThema(anzeigeNummer(anlage), "datensatz"), Datensatz(datei, nr, zeit, w));
}

void TMqttSender::Alarm(const tAlarmEreignis &a) {
    ablegen(QByteArrayLiteral("alarm"), MqttNachrichten::Alarm(a, anzeigeNummer(a.Anlage)));
}

// ---------------------------------------------------------------- for the setup page

QString TMqttSender::Zustandstext() const {
    switch (m_stand) {
    case TStand::Aus:
        return tr("Aus: kein Broker eingetragen.");
    case TStand::Verbinde:
        return tr("Verbinde mit %1 …").arg(m_e.Adresse());
    case TStand::Verbunden:
        return tr("Verbunden mit %1 (Standort %2).").arg(m_e.Adresse(), m_standort);
    case TStand::Getrennt:
        break;
    }
    const qint64 rest = (m_naechsterVersuch.remainingTime() + 999) / 1000;
    const QString anfang = m_abgewiesen
                               ? tr("%1 weist die Verbindung ab: %2").arg(m_e.Adresse(), m_grund.Uebersetzt())
                               : tr("Keine Verbindung zu %1: %2").arg(m_e.Adresse(), m_grund.Uebersetzt());
    return anfang + QLatin1Char(' ') +
           (rest > 0 ? tr("Neuer Versuch in %1 s.").arg(rest) : tr("Neuer Versuch läuft."));
}

qint64 TMqttSender::Wartend() const {
    return m_ausgang ? m_ausgang->Wartend() : 0;
}

qint64 TMqttSender::AusgangBytes() const {
    return m_ausgang ? m_ausgang->Bytes() : 0;
}

void TMqttSender::Testen(const tMqttEinstellungen &e, std::function<void(bool, const QString &)> antwort) {
    const int auftrag = m_naechsterAuftrag++;
    m_tests.insert(auftrag, std::move(antwort));
    QMetaObject::invokeMethod(
        m_arbeiter, [a = m_arbeiter, auftrag, e] { a->Teste(auftrag, e); }, Qt::QueuedConnection);
}

void TMqttSender::beiTestErgebnis(int auftrag, bool ok, const QByteArray &grundText,
                                  const QString &grundWert) {
    const auto antwort = m_tests.take(auftrag);
    if (antwort)
        antwort(ok, tMqttGrund{grundText, grundWert}.Uebersetzt());
}

#include "alarm/UAlarme.h"

#include "alarm/UKindProzess.h"
#include "data/UMessDaten.h"
#include "shell/KompUtils.h"
#include "shell/UAlarmStand.h"
#include "shell/UIniDatei.h"
#include "shell/UKonfiguration.h"
#include "shell/ULog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>

#include <algorithm>

namespace {

// The core temperature that a pile must reach (biowaste ordinance).
constexpr int KernZiel = 55;
// The history the windows show, and a day more in memory.
constexpr int VerlaufTage = 31;

const QString Kommt = QStringLiteral("kommt");
const QString Geht = QStringLiteral("geht");
const QString Quittiert = QStringLiteral("quittiert");

// A text passed on as it is (a reason given by the reporter).
constexpr char NurText[] = "%1";

struct tArtText {
    TAlarmArt art;
    const char *text;
};

const tArtText ArtTexte[] = {
    {TAlarmArt::Still, QT_TRANSLATE_NOOP("TAlarmTexte", "Anlage antwortet nicht")},
    {TAlarmArt::Verbindung, QT_TRANSLATE_NOOP("TAlarmTexte", "Verbindung zu den Steuerungen unterbrochen")},
    {TAlarmArt::Sauerstoff, QT_TRANSLATE_NOOP("TAlarmTexte", "Sauerstoff zu niedrig")},
    {TAlarmArt::Temperatur, QT_TRANSLATE_NOOP("TAlarmTexte", "Temperatur zu hoch")},
    {TAlarmArt::Hygienisierung, QT_TRANSLATE_NOOP("TAlarmTexte", "Kern hat 55 °C nicht erreicht")},
    {TAlarmArt::Speicher, QT_TRANSLATE_NOOP("TAlarmTexte", "Steuerungsspeicher fast voll")},
    {TAlarmArt::Auslesung, QT_TRANSLATE_NOOP("TAlarmTexte", "Auslesung fehlgeschlagen")},
    {TAlarmArt::Platz, QT_TRANSLATE_NOOP("TAlarmTexte", "Wenig Speicherplatz")},
    {TAlarmArt::Konfiguration,
     QT_TRANSLATE_NOOP("TAlarmTexte", "Konfigurationsdatei kann nicht geschrieben werden")},
    {TAlarmArt::Ereignisprotokoll,
     QT_TRANSLATE_NOOP("TAlarmTexte", "Ereignisprotokoll kann nicht geschrieben werden")},
    {TAlarmArt::MqttAusgang, QT_TRANSLATE_NOOP("TAlarmTexte", "MQTT-Ausgang beschädigt")},
};

tAlarmText text(const char *vorlage, QStringList argumente = {}) {
    return tAlarmText{vorlage, std::move(argumente)};
}

} // namespace

const char *AlarmText(TAlarmArt art) {
    for (const tArtText &t : ArtTexte)
        if (t.art == art)
            return t.text;
    return "";
}

TAlarmArt AlarmArt(const QString &text) {
    for (const tArtText &t : ArtTexte)
        if (text == QString::fromUtf8(t.text))
            return t.art;
    return TAlarmArt::Sonstige;
}

QString tAlarm::Uebersetzt() const {
    return QCoreApplication::translate(AlarmTextKontext, Text.toUtf8().constData());
}

// ---------------------------------------------------------------------------

TAlarme::TAlarme(TZustand &z, TIniDatei &ini, TLog &log, TEreignisVerteiler &ereignisse, TAlarmStand &stand,
                 QObject *parent)
    : QObject(parent), m_z(z), m_ini(ini), m_log(log), m_ereignisse(ereignisse), m_stand(stand),
      m_journal(z.Heimordner), m_post(log, [&z] { return z.Jetzt(); }) {
    m_e = tAlarmEinstellungen::Lesen(m_ini);
    m_post.SetzeEinstellungen(m_e);
    // A link that is not up yet counts from the start.
    if (!m_z.Verbunden)
        m_linkWegSeit = jetzt();
    wiederherstellen();
    abgeschalteteLoesen();
    standMelden();
    m_ereignisse.Anmelden(this);
    m_takt.setInterval(60000);
    connect(&m_takt, &QTimer::timeout, this, &TAlarme::Pruefen);
    m_takt.start();
    // The first check soon after the start, for the alarms taken over from the journal.
    QTimer::singleShot(0, this, &TAlarme::Pruefen);
}

TAlarme::~TAlarme() {
    m_ereignisse.Abmelden(this);
    m_takt.stop();
    // A command still running ends with everything it started.
    for (TKindProzess *p : findChildren<TKindProzess *>()) {
        p->disconnect(this);
        if (p->state() != QProcess::NotRunning) {
            m_log.LogSchreiben(QStringLiteral("Alarmbefehl %1 beim Beenden abgebrochen").arg(p->program()));
            p->GruppeBeenden();
            p->waitForFinished(2000);
        }
    }
}

QDateTime TAlarme::jetzt() const {
    return m_z.Jetzt();
}

QString TAlarme::zeitText(const QDateTime &t) const {
    return KompUtils::DatumZeit(m_z.Gebietsschema, t);
}

void TAlarme::SetzeTakt(int ms) {
    m_takt.setInterval(std::max(1, ms));
    m_takt.start();
}

void TAlarme::EinstellungenLesen() {
    m_e = tAlarmEinstellungen::Lesen(m_ini);
    m_post.SetzeEinstellungen(m_e);
    abgeschalteteLoesen();
}

// ---------------------------------------------------------------------------
// The list

qsizetype TAlarme::finde(int anlage, const QString &text) const {
    for (qsizetype i = 0; i < m_alarme.size(); ++i)
        if (m_alarme.at(i).Anlage == anlage && m_alarme.at(i).Text == text)
            return i;
    return -1;
}

QList<tAlarm> TAlarme::Liste() const {
    QList<tAlarm> liste = m_alarme;
    std::stable_sort(liste.begin(), liste.end(),
                     [](const tAlarm &a, const tAlarm &b) { return a.Seit < b.Seit; });
    return liste;
}

int TAlarme::Aktive() const {
    return static_cast<int>(
        std::count_if(m_alarme.cbegin(), m_alarme.cend(), [](const tAlarm &a) { return a.Aktiv; }));
}

QList<tAlarmEreignis> TAlarme::Verlauf(int tage) const {
    const QDateTime grenze = jetzt().addDays(-tage);
    QList<tAlarmEreignis> liste;
    for (auto i = m_verlauf.crbegin(); i != m_verlauf.crend(); ++i)
        if (i->Zeit >= grenze)
            liste.append(*i);
    return liste;
}

void TAlarme::standMelden() {
    std::array<bool, MaxAnlagen + 1> anlagen{};
    int aktive = 0;
    for (const tAlarm &a : std::as_const(m_alarme)) {
        if (!a.Aktiv)
            continue;
        ++aktive;
        if (a.Anlage >= 1 && a.Anlage <= MaxAnlagen)
            anlagen[static_cast<size_t>(a.Anlage)] = true;
    }
    m_stand.Setze(aktive, anlagen);
}

void TAlarme::heben(TAlarmArt art, int anlage, const tAlarmText &werte) {
    const QString text = QString::fromUtf8(AlarmText(art));
    const qsizetype i = finde(anlage, text);
    if (i >= 0 && m_alarme.at(i).Aktiv) {
        // Reported again: it no longer rests on the journal alone.
        m_alarme[i].Wiederhergestellt = false;
        return;
    }
    tAlarm a;
    a.Art = art;
    a.Anlage = anlage;
    a.Text = text;
    a.Seit = jetzt();
    a.Werte = werte;
    if (i >= 0)
        m_alarme[i] = a; // cleared but not acknowledged: it is the same alarm again
    else
        m_alarme.append(a);
    melden(a, Kommt);
}

void TAlarme::loesen(TAlarmArt art, int anlage, const tAlarmText &werte) {
    const qsizetype i = finde(anlage, QString::fromUtf8(AlarmText(art)));
    if (i < 0 || !m_alarme.at(i).Aktiv)
        return;
    tAlarm &a = m_alarme[i];
    a.Aktiv = false;
    a.Ende = jetzt();
    a.EndeWerte = werte;
    const tAlarm kopie = a;
    if (a.Quittiert)
        m_alarme.removeAt(i);
    melden(kopie, Geht);
}

bool TAlarme::Quittieren(int anlage, const QString &text) {
    const qsizetype i = finde(anlage, text);
    if (i < 0 || m_alarme.at(i).Quittiert)
        return false;
    m_alarme[i].Quittiert = true;
    const tAlarm kopie = m_alarme.at(i);
    if (!kopie.Aktiv)
        m_alarme.removeAt(i);
    melden(kopie, Quittiert);
    return true;
}

int TAlarme::AlleQuittieren() {
    QList<QPair<int, QString>> offen;
    for (const tAlarm &a : Liste())
        if (!a.Quittiert)
            offen.append({a.Anlage, a.Text});
    int n = 0;
    for (const auto &[anlage, text] : std::as_const(offen))
        n += Quittieren(anlage, text) ? 1 : 0;
    return n;
}

void TAlarme::melden(const tAlarm &a, const QString &zustand) {
    const tAlarmEreignis e{jetzt(), a.Anlage, a.Text, zustand};
    if (!m_journal.Schreiben(e)) {
        if (!m_journalFehler)
            m_log.LogSchreiben(QStringLiteral("Alarmjournal: ") + m_journal.Fehler());
        m_journalFehler = true;
    } else {
        m_journalFehler = false;
    }
    const tAlarmText &werte = zustand == Geht ? a.EndeWerte : a.Werte;
    QString zeile =
        QStringLiteral("Alarm %1: %2: %3")
            .arg(zustand, a.Anlage > 0 ? QStringLiteral("Anlage %1").arg(a.Anlage) : QStringLiteral("PC"),
                 a.Text);
    if (!werte.Leer() && zustand != Quittiert)
        zeile += QStringLiteral("; ") + werte.Deutsch();
    m_log.LogSchreiben(zeile);

    m_verlauf.append(e);
    const QDateTime grenze = e.Zeit.addDays(-VerlaufTage);
    while (!m_verlauf.isEmpty() && m_verlauf.first().Zeit < grenze)
        m_verlauf.removeFirst();

    standMelden();
    m_ereignisse.Alarm(e);
    if (zustand != Quittiert) {
        if (m_e.MailAn())
            m_post.Einreihen(Mail(a, zustand));
        if (!m_e.Befehl.trimmed().isEmpty())
            befehl(a, zustand);
    }
    emit Geaendert();
}

void TAlarme::wiederherstellen() {
    const int jahr = jetzt().date().year();
    int unlesbar = 0;
    const QList<tAlarmEreignis> eintraege = m_journal.Lesen(jahr - 1, jahr, &unlesbar);
    if (unlesbar > 0)
        m_log.LogSchreiben(QStringLiteral("Alarmjournal: %1 unlesbare Zeile(n) übergangen").arg(unlesbar));
    const QDateTime grenze = jetzt().addDays(-VerlaufTage);
    for (const tAlarmEreignis &e : eintraege) {
        if (e.Zeit >= grenze)
            m_verlauf.append(e);
        const qsizetype i = finde(e.Anlage, e.Text);
        if (e.Zustand == Kommt) {
            tAlarm a;
            a.Art = AlarmArt(e.Text);
            a.Anlage = e.Anlage;
            a.Text = e.Text;
            a.Seit = e.Zeit;
            a.Wiederhergestellt = true;
            if (i >= 0)
                m_alarme[i] = a;
            else
                m_alarme.append(a);
        } else if (i >= 0 && e.Zustand == Geht) {
            m_alarme[i].Aktiv = false;
            m_alarme[i].Ende = e.Zeit;
            if (m_alarme.at(i).Quittiert)
                m_alarme.removeAt(i);
        } else if (i >= 0 && e.Zustand == Quittiert) {
            m_alarme[i].Quittiert = true;
            if (!m_alarme.at(i).Aktiv)
                m_alarme.removeAt(i);
        }
    }
    std::stable_sort(m_verlauf.begin(), m_verlauf.end(),
                     [](const tAlarmEreignis &a, const tAlarmEreignis &b) { return a.Zeit < b.Zeit; });
    for (tAlarm &a : m_alarme) {
        // An alarm of a kind this program does not know cannot clear: it is
        // listed as cleared until the operator acknowledges it.
        if (a.Art == TAlarmArt::Sonstige && a.Aktiv) {
            a.Aktiv = false;
            a.Ende = a.Seit;
        }
        if (a.Art == TAlarmArt::Still && a.Aktiv && a.Anlage >= 1 && a.Anlage <= MaxAnlagen)
            m_beob[static_cast<size_t>(a.Anlage)].Beobachtet = true;
    }
}

void TAlarme::abgeschalteteLoesen() {
    const auto aus = [this](TAlarmArt art) {
        switch (art) {
        case TAlarmArt::Still:
            return m_e.Still <= 0;
        case TAlarmArt::Verbindung:
            return m_e.Verbindung <= 0;
        case TAlarmArt::Sauerstoff:
            return m_e.O2Min <= 0.0 || m_e.O2Dauer <= 0;
        case TAlarmArt::Temperatur:
            return m_e.TMax <= 0;
        case TAlarmArt::Hygienisierung:
            return m_e.HygTage <= 0;
        case TAlarmArt::Speicher:
            return m_e.Speicher <= 0;
        case TAlarmArt::Platz:
            return m_e.PlatzMB <= 0;
        default:
            return false;
        }
    };
    QList<QPair<TAlarmArt, int>> weg;
    for (const tAlarm &a : std::as_const(m_alarme))
        if (a.Aktiv && aus(a.Art))
            weg.append({a.Art, a.Anlage});
    for (const auto &[art, anlage] : std::as_const(weg))
        loesen(art, anlage, text(QT_TRANSLATE_NOOP("TAlarmTexte", "Bedingung abgeschaltet")));
    for (TBeobachtung &b : m_beob) {
        if (m_e.Still <= 0)
            b.StillSeit = {};
        if (m_e.O2Min <= 0.0 || m_e.O2Dauer <= 0)
            b.O2TiefSeit = {};
    }
}

// ---------------------------------------------------------------------------
// The events

void TAlarme::Messwert(int anlage, const tAnlageMesswerte &w, const QDateTime &zeit) {
    if (anlage < 1 || anlage > MaxAnlagen)
        return;
    const tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(anlage)];
    TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
    // A running pile's reply is judged by the poll; a plant switched off is
    // learned but its replies are not judged, so being learned counts.
    const bool laeuft = a.Angeschlossen != 0 && a.Eingeschaltet != 0;
    const bool antwort = laeuft ? w.Gueltig != 0 && w.Fehlabfragen == 0 : a.Angeschlossen != 0;
    if (antwort) {
        b.Beobachtet = true;
        b.StillSeit = {};
        loesen(TAlarmArt::Still, anlage, text(QT_TRANSLATE_NOOP("TAlarmTexte", "antwortet wieder")));
    } else if (b.Beobachtet && m_e.Still > 0) {
        if (!b.StillSeit.isValid())
            b.StillSeit = zeit;
        if (b.StillSeit.secsTo(zeit) >= qint64(m_e.Still) * 60)
            heben(TAlarmArt::Still, anlage,
                  text(QT_TRANSLATE_NOOP("TAlarmTexte", "keine Antwort seit %1"), {zeitText(b.StillSeit)}));
    }

    if (a.Angeschlossen != 0 && a.Eingeschaltet == 0) {
        mieteBeendet(anlage);
        return;
    }
    if (!laeuft || !antwort)
        return;

    // A fresh reading of a running pile.
    if (!a.Datei.isEmpty() && a.Datei != b.Datei)
        neueMiete(anlage, a.Datei, zeit);
    if (!b.MieteGesehen.isValid())
        b.MieteGesehen = zeit;

    const QLocale &l = m_z.Gebietsschema;
    const QString o2 = l.toString(w.O2 / 10.0, 'f', 1);
    if (m_e.O2Min > 0.0 && m_e.O2Dauer > 0) {
        if (w.O2 < m_e.O2Min * 10.0 - 1e-6) {
            if (!b.O2TiefSeit.isValid())
                b.O2TiefSeit = zeit;
            if (b.O2TiefSeit.secsTo(zeit) >= qint64(m_e.O2Dauer) * 60)
                heben(TAlarmArt::Sauerstoff, anlage,
                      text(QT_TRANSLATE_NOOP("TAlarmTexte", "O2 %1 vol%, seit %2 unter %3 vol%"),
                           {o2, zeitText(b.O2TiefSeit), l.toString(m_e.O2Min, 'f', 1)}));
        } else {
            b.O2TiefSeit = {};
            loesen(TAlarmArt::Sauerstoff, anlage, text(QT_TRANSLATE_NOOP("TAlarmTexte", "O2 %1 vol%"), {o2}));
        }
    }

    const int kern = w.T[1];
    if (m_e.TMax > 0) {
        if (kern > m_e.TMax)
            heben(TAlarmArt::Temperatur, anlage,
                  text(QT_TRANSLATE_NOOP("TAlarmTexte", "Kern %1 °C, über %2 °C"),
                       {QString::number(kern), QString::number(m_e.TMax)}));
        else
            loesen(TAlarmArt::Temperatur, anlage,
                   text(QT_TRANSLATE_NOOP("TAlarmTexte", "Kern %1 °C"), {QString::number(kern)}));
    }

    b.KernMax = std::max(b.KernMax, kern);
    if (b.KernMax >= KernZiel)
        loesen(TAlarmArt::Hygienisierung, anlage,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "Kern %1 °C erreicht"), {QString::number(b.KernMax)}));
}

void TAlarme::mieteBeendet(int anlage) {
    const tAlarmText werte = text(QT_TRANSLATE_NOOP("TAlarmTexte", "Miete beendet"));
    loesen(TAlarmArt::Sauerstoff, anlage, werte);
    loesen(TAlarmArt::Temperatur, anlage, werte);
    loesen(TAlarmArt::Hygienisierung, anlage, werte);
    // What was known of the pile goes; whether the plant answers stays.
    TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
    const TBeobachtung alt = b;
    b = TBeobachtung();
    b.Beobachtet = alt.Beobachtet;
    b.StillSeit = alt.StillSeit;
}

void TAlarme::neueMiete(int anlage, const QString &datei, const QDateTime &zeit) {
    TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
    // Another data file while the plant runs: the pile watched so far has ended.
    if (!b.Datei.isEmpty())
        loesen(TAlarmArt::Hygienisierung, anlage, text(QT_TRANSLATE_NOOP("TAlarmTexte", "Miete beendet")));
    b.Datei = datei;
    b.MieteGesehen = zeit;
    b.ErsterDatensatz = {};
    b.KernMax = INT_MIN;
    b.DateiGelesen = false;
}

void TAlarme::DatensatzGeschrieben(int anlage, const QString &datei, qint32, const QString &zeit,
                                   const tAnlageMesswerte &w) {
    if (anlage < 1 || anlage > MaxAnlagen)
        return;
    TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
    if (b.Datei.isEmpty() || b.Datei != datei)
        return;
    const QDateTime t = QDateTime::fromString(zeit.simplified(), QStringLiteral("dd.MM.yyyy hh:mm"));
    if (t.isValid() && (!b.ErsterDatensatz.isValid() || t < b.ErsterDatensatz))
        b.ErsterDatensatz = t;
    b.KernMax = std::max(b.KernMax, static_cast<int>(w.T[1]));
    if (b.KernMax >= KernZiel)
        loesen(TAlarmArt::Hygienisierung, anlage,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "Kern %1 °C erreicht"), {QString::number(b.KernMax)}));
}

void TAlarme::Verbindung(bool verbunden) {
    // The polls while the link was down say nothing about the plants.
    for (TBeobachtung &b : m_beob)
        b.StillSeit = {};
    if (verbunden) {
        m_linkWegSeit = {};
        loesen(TAlarmArt::Verbindung, 0,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "Verbindung wiederhergestellt")));
    } else if (!m_linkWegSeit.isValid()) {
        m_linkWegSeit = jetzt();
    }
}

void TAlarme::Speicherstand(int anlage, qint32 anzahl) {
    if (anlage < 1 || anlage > MaxAnlagen || m_e.Speicher <= 0)
        return;
    if (anzahl >= m_e.Speicher)
        heben(TAlarmArt::Speicher, anlage,
              text(QT_TRANSLATE_NOOP("TAlarmTexte", "%1 Datensätze im Speicher der Steuerung (Grenze %2, "
                                                    "Platz für 1000)"),
                   {QString::number(anzahl), QString::number(m_e.Speicher)}));
    else
        loesen(TAlarmArt::Speicher, anlage,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "%1 Datensätze im Speicher der Steuerung"),
                    {QString::number(anzahl)}));
}

void TAlarme::Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) {
    if (anlage < 1 || anlage > MaxAnlagen)
        return;
    const QString n = QString::number(gelesen);
    if (ok) {
        const tAlarmText werte = text(QT_TRANSLATE_NOOP("TAlarmTexte", "ausgelesen: %1 Datensätze"), {n});
        loesen(TAlarmArt::Auslesung, anlage, werte);
        loesen(TAlarmArt::Speicher, anlage, werte);
    } else {
        heben(TAlarmArt::Auslesung, anlage,
              grund.isEmpty()
                  ? text(QT_TRANSLATE_NOOP("TAlarmTexte", "%1 Datensätze gelesen"), {n})
                  : text(QT_TRANSLATE_NOOP("TAlarmTexte", "%1 Datensätze gelesen: %2"), {n, grund}));
    }
}

void TAlarme::Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) {
    TAlarmArt alarm = TAlarmArt::Auslesung;
    int wer = anlage;
    switch (art) {
    case TStoerung::Auslesung:
        if (anlage < 1 || anlage > MaxAnlagen)
            return;
        break;
    case TStoerung::Konfiguration:
        alarm = TAlarmArt::Konfiguration;
        wer = 0;
        break;
    case TStoerung::Ereignisprotokoll:
        alarm = TAlarmArt::Ereignisprotokoll;
        wer = 0;
        break;
    case TStoerung::GehalteneDatensaetze:
        // The log and the status line say it; the records themselves are
        // in memory, and a failed readout raises its own alarm.
        return;
    case TStoerung::MqttAusgang:
        alarm = TAlarmArt::MqttAusgang;
        wer = 0;
        break;
    }
    const tAlarmText werte = grund.isEmpty() ? tAlarmText{} : text(NurText, {grund});
    if (aktiv)
        heben(alarm, wer, werte);
    else
        loesen(alarm, wer, werte);
}

// ---------------------------------------------------------------------------
// The check

void TAlarme::Pruefen() {
    const QDateTime t = jetzt();
    if (m_linkWegSeit.isValid() && m_e.Verbindung > 0 &&
        m_linkWegSeit.secsTo(t) >= qint64(m_e.Verbindung) * 60)
        heben(TAlarmArt::Verbindung, 0,
              text(QT_TRANSLATE_NOOP("TAlarmTexte", "keine Verbindung seit %1"), {zeitText(m_linkWegSeit)}));

    const int anzahl = std::min<int>(m_z.AnlagenAnzahl, MaxAnlagen);
    for (int n = 1; n <= anzahl; ++n)
        if (m_beob[static_cast<size_t>(n)].DateiGelesen)
            mieteBewerten(n);
    naechsteDatei();

    platzPruefen();

    // Disturbances of the PC that came back from the journal and that the PC
    // no longer shows.
    QList<TAlarmArt> vorbei;
    for (const tAlarm &a : std::as_const(m_alarme)) {
        if (!a.Aktiv || !a.Wiederhergestellt)
            continue;
        if (a.Art == TAlarmArt::Ereignisprotokoll && m_log.LogAktiv())
            vorbei.append(a.Art);
        // The outbox is checked afresh at every start and a damage found
        // again is reported again; one from before is mended.
        if (a.Art == TAlarmArt::MqttAusgang)
            vorbei.append(a.Art);
        if (a.Art == TAlarmArt::Konfiguration) {
            const QFileInfo fi(m_ini.DateiName());
            if (fi.exists() ? fi.isWritable() : QFileInfo(fi.absolutePath()).isWritable())
                vorbei.append(a.Art);
        }
    }
    for (TAlarmArt art : std::as_const(vorbei))
        loesen(art, 0, text(QT_TRANSLATE_NOOP("TAlarmTexte", "nicht mehr gestört")));
}

void TAlarme::mieteBewerten(int anlage) {
    const TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
    if (b.Datei.isEmpty())
        return;
    if (b.KernMax >= KernZiel) {
        loesen(TAlarmArt::Hygienisierung, anlage,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "Kern %1 °C erreicht"), {QString::number(b.KernMax)}));
        return;
    }
    if (m_e.HygTage <= 0 || b.KernMax == INT_MIN)
        return;
    QDateTime start = b.MieteGesehen;
    if (b.ErsterDatensatz.isValid() && (!start.isValid() || b.ErsterDatensatz < start))
        start = b.ErsterDatensatz;
    if (start.isValid() && start.secsTo(jetzt()) >= qint64(m_e.HygTage) * 86400)
        heben(TAlarmArt::Hygienisierung, anlage,
              text(QT_TRANSLATE_NOOP("TAlarmTexte", "höchste Kerntemperatur %1 °C, Miete seit %2"),
                   {QString::number(b.KernMax), zeitText(start)}));
}

void TAlarme::naechsteDatei() {
    if (m_leser.Laeuft())
        return;
    const int anzahl = std::min<int>(m_z.AnlagenAnzahl, MaxAnlagen);
    for (int n = 1; n <= anzahl; ++n) {
        const TBeobachtung &b = m_beob[static_cast<size_t>(n)];
        if (!b.Datei.isEmpty() && !b.DateiGelesen) {
            dateiLesen(n);
            return;
        }
    }
}

// A pile's data file may hold many thousand records: it is read once, on a
// thread of its own, through the series model like every reader of data
// files; the check of the pile follows when it is done.
void TAlarme::dateiLesen(int anlage) {
    struct tErgebnis {
        QDateTime Erster;
        int KernMax = INT_MIN;
    };
    // What the model reads of the run's state, copied for the thread.
    TZustand kopie;
    kopie.Metric = m_z.Metric;
    kopie.RefTemp = m_z.RefTemp;
    kopie.RefText = m_z.RefText;
    kopie.ShowRef = m_z.ShowRef;
    kopie.Gebietsschema = m_z.Gebietsschema;
    const QString datei = m_beob[static_cast<size_t>(anlage)].Datei;
    m_leser.Starte(
        [kopie, datei] {
            tErgebnis ergebnis;
            TMessDaten daten(kopie);
            if (!daten.Load(datei) || !daten.Valid())
                return ergebnis;
            for (qint32 i = 0; i < daten.LineCount(); ++i) {
                TMessDaten::TSatz s;
                if (!daten.Satz(i, s))
                    continue;
                if (s.Zeit.isValid() && (!ergebnis.Erster.isValid() || s.Zeit < ergebnis.Erster))
                    ergebnis.Erster = s.Zeit;
                if (s.TemperaturenLesbar)
                    ergebnis.KernMax = std::max(ergebnis.KernMax, static_cast<int>(s.T[1]));
            }
            return ergebnis;
        },
        [this, anlage, datei](const tErgebnis &ergebnis) {
            TBeobachtung &b = m_beob[static_cast<size_t>(anlage)];
            // Meanwhile another pile may have begun: then this file no longer counts.
            if (b.Datei == datei && !b.DateiGelesen) {
                b.DateiGelesen = true;
                if (ergebnis.Erster.isValid() &&
                    (!b.ErsterDatensatz.isValid() || ergebnis.Erster < b.ErsterDatensatz))
                    b.ErsterDatensatz = ergebnis.Erster;
                b.KernMax = std::max(b.KernMax, ergebnis.KernMax);
                mieteBewerten(anlage);
            }
            naechsteDatei();
        });
}

void TAlarme::platzPruefen() {
    if (m_e.PlatzMB <= 0)
        return;
    QStringList ordner{QDir::cleanPath(m_z.Heimordner)};
    const int anzahl = std::min<int>(m_z.AnlagenAnzahl, MaxAnlagen);
    for (int n = 1; n <= anzahl; ++n) {
        const QString pfad = m_z.Anlagen[static_cast<size_t>(n)].Pfad.trimmed();
        if (pfad.isEmpty())
            continue;
        const QString o = QDir::cleanPath(QDir::fromNativeSeparators(pfad));
        if (!ordner.contains(o))
            ordner.append(o);
    }
    QStringList knapp;
    bool gemessen = false;
    for (const QString &o : std::as_const(ordner)) {
        const QStorageInfo s(o);
        if (!s.isValid() || !s.isReady())
            continue;
        gemessen = true;
        const qint64 mb = s.bytesAvailable() / (1024 * 1024);
        if (mb < m_e.PlatzMB)
            knapp.append(QStringLiteral("%1: %2 MB").arg(QDir::toNativeSeparators(o)).arg(mb));
    }
    if (!knapp.isEmpty())
        heben(TAlarmArt::Platz, 0,
              text(QT_TRANSLATE_NOOP("TAlarmTexte", "frei: %1 (Grenze %2 MB)"),
                   {knapp.join(QStringLiteral(", ")), QString::number(m_e.PlatzMB)}));
    else if (gemessen)
        loesen(TAlarmArt::Platz, 0,
               text(QT_TRANSLATE_NOOP("TAlarmTexte", "mehr als %1 MB frei"), {QString::number(m_e.PlatzMB)}));
}

// ---------------------------------------------------------------------------
// Sending out

QString TAlarme::Wer(int anlage) const {
    if (anlage <= 0)
        return tr("PC");
    return tr("Anlage %1").arg(m_z.OptAdressen33 ? anlage + 32 : anlage);
}

tMail TAlarme::Mail(const tAlarm &a, const QString &zustand) const {
    const bool geht = zustand == Geht;
    tMail m;
    m.Betreff =
        (geht ? tr("Kompost-Leitstand: Alarm beendet – %1: %2") : tr("Kompost-Leitstand: Alarm – %1: %2"))
            .arg(Wer(a.Anlage), a.Uebersetzt());
    QStringList z;
    z << (geht ? tr("Alarm beendet: %1") : tr("Alarm: %1")).arg(a.Uebersetzt());
    z << tr("Zeit: %1").arg(zeitText(geht && a.Ende.isValid() ? a.Ende : a.Seit));
    if (geht)
        z << tr("Gekommen: %1").arg(zeitText(a.Seit));
    if (a.Anlage > 0) {
        const tAnlageParameter &p = m_z.Anlagen[static_cast<size_t>(std::min(a.Anlage, MaxAnlagen))];
        z << tr("Anlage: %1 – %2").arg(m_z.OptAdressen33 ? a.Anlage + 32 : a.Anlage).arg(p.Name);
        QString datei = p.Datei;
        if (datei.isEmpty())
            datei = m_beob[static_cast<size_t>(std::min(a.Anlage, MaxAnlagen))].Datei;
        if (!datei.isEmpty())
            z << tr("Mietendatei: %1").arg(QDir::toNativeSeparators(datei));
    } else {
        z << tr("Anlage: %1").arg(tr("PC"));
    }
    const tAlarmText &werte = geht ? a.EndeWerte : a.Werte;
    if (!werte.Leer())
        z << tr("Werte: %1").arg(werte.Uebersetzt());
    z << QString() << firmenZeilen();
    m.Text = z.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return m;
}

QStringList TAlarme::firmenZeilen() const {
    // The company lines of the printouts; lines never filled in (empty, or
    // still the placeholder a new installation has) are left out.
    QStringList zeilen;
    for (QString zeile : LeseFirmenZeilen(m_ini)) {
        zeile = zeile.trimmed();
        if (!zeile.isEmpty() && zeile != QLatin1String("* Text *") && zeile != QLatin1String("Firmen- Name"))
            zeilen.append(zeile);
    }
    return zeilen;
}

tMail TAlarme::Testmail() const {
    tMail m;
    m.Betreff = tr("Kompost-Leitstand: Testnachricht");
    QStringList z;
    z << tr("Diese Testnachricht zeigt, dass die Alarme des Kompost-Leitstands per E-Mail ankommen.");
    z << tr("Zeit: %1").arg(zeitText(jetzt()));
    z << QString() << firmenZeilen();
    m.Text = z.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return m;
}

void TAlarme::befehl(const tAlarm &a, const QString &zustand) {
    const QString befehl = m_e.Befehl.trimmed();
    QString programm;
    QStringList argumente;
    // A path to a program, also one with blanks; else the program and its own
    // arguments, split like a command line (double quotes group words), but
    // never handed to a shell.
    if (QFileInfo(befehl).isFile()) {
        programm = befehl;
    } else {
        argumente = QProcess::splitCommand(befehl);
        if (argumente.isEmpty())
            return;
        programm = argumente.takeFirst();
    }
    argumente << zustand << QString::number(a.Anlage) << a.Text;
    const QString beschreibung =
        QStringLiteral("%1 (%2 %3 \"%4\")").arg(programm, zustand, QString::number(a.Anlage), a.Text);

    // In a group of its own, with no descriptor of this program but its
    // standard streams; what it leaves running when it ends is ended too.
    auto *p = new TKindProzess(this);
    p->setProgram(programm);
    p->setArguments(argumente);
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    connect(p, &QProcess::finished, this, [this, p, beschreibung](int code, QProcess::ExitStatus status) {
        if (p->GruppeBeenden())
            m_log.LogSchreiben(
                QStringLiteral("Alarmbefehl %1 hinterließ laufende Prozesse; sie werden beendet")
                    .arg(beschreibung));
        if (status == QProcess::NormalExit)
            m_log.LogSchreiben(
                QStringLiteral("Alarmbefehl %1 beendet mit Code %2").arg(beschreibung).arg(code));
        else
            m_log.LogSchreiben(QStringLiteral("Alarmbefehl %1 abgebrochen").arg(beschreibung));
        p->deleteLater();
    });
    connect(p, &QProcess::errorOccurred, this, [this, p, beschreibung](QProcess::ProcessError fehler) {
        if (fehler != QProcess::FailedToStart)
            return;
        m_log.LogSchreiben(QStringLiteral("Alarmbefehl %1 kann nicht gestartet werden: %2")
                               .arg(beschreibung, p->errorString()));
        p->deleteLater();
    });
    const int grenze = m_befehlGrenzeMs;
    QTimer::singleShot(grenze, p, [this, p, beschreibung, grenze] {
        if (p->state() == QProcess::NotRunning)
            return;
        m_log.LogSchreiben(QStringLiteral("Alarmbefehl %1 läuft nach %2 s noch und wird beendet")
                               .arg(beschreibung)
                               .arg(grenze / 1000));
        p->GruppeBeenden();
    });
    p->Starte();
}

#include "ULog.h"

#include "KompUtils.h"
#include "UCp1252.h"
#include "UKonfiguration.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int MaxLogDateien = 26 + 26 * 26; // A..Z, AA..ZZ

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TLog)
};

} // namespace

TLog::TLog(const TZustand &z) : m_z(z) {
}

TLog::~TLog() {
    LogSchliessen();
}

QString TLog::Buchstaben(int index) {
    if (index < 0 || index >= MaxLogDateien)
        return QString();
    if (index < 26)
        return QString(QChar(u'A' + index));
    index -= 26;
    return QString(QChar(u'A' + index / 26)) + QChar(u'A' + index % 26);
}

namespace {

// The short date as it stands in a log file name.
QString DatumImNamen(QString tag) {
    for (QChar &c : tag) {
        const char16_t u = c.unicode();
        if (u == '.' || u == '/' || u == '\\' || u == ':' || u == '*' || u == '?' || u == '"' || u == '<' ||
            u == '>' || u == '|' || u < 0x20)
            c = QLatin1Char('-');
    }
    return tag;
}

const QString Vorsilbe = QStringLiteral("Komp_LOG_");
const QString Endung = QStringLiteral(".CSV");

} // namespace

QString TLog::LogDateiName(const QLocale &locale, const QDate &datum, int index) {
    return Vorsilbe + DatumImNamen(KompUtils::KurzDatum(locale, datum)) + Buchstaben(index) + Endung;
}

QString TLog::NamensMuster() {
    return Vorsilbe + QLatin1Char('*') + Endung;
}

QDate TLog::LogDatum(const QLocale &locale, const QString &dateiName) {
    if (!dateiName.startsWith(Vorsilbe) || !dateiName.endsWith(Endung))
        return {};
    const QString mitte = dateiName.mid(Vorsilbe.size(), dateiName.size() - Vorsilbe.size() - Endung.size());
    // One or two capital letters end the name; the date is what stands before.
    int buchstaben = 0;
    while (buchstaben < 2 && buchstaben < mitte.size() && mitte.at(mitte.size() - 1 - buchstaben) >= u'A' &&
           mitte.at(mitte.size() - 1 - buchstaben) <= u'Z')
        ++buchstaben;
    for (int n = buchstaben; n >= 1; --n) {
        const QString datumText = mitte.left(mitte.size() - n);
        const QDate datum = locale.toDate(datumText, DatumImNamen(KompUtils::KurzDatumFormat(locale)));
        // Only a name this log would give itself counts.
        if (datum.isValid() && DatumImNamen(KompUtils::KurzDatum(locale, datum)) == datumText)
            return datum;
    }
    return {};
}

bool TLog::oeffne(const QDate &tag) {
    m_tag = tag;
    QString grund = TTexte::tr("alle Namen des Tages sind vergeben");
    for (int i = 0; i < MaxLogDateien; ++i) {
        const QString pfad = HeimDatei(m_z, LogDateiName(m_z.Gebietsschema, tag, i));
        if (QFile::exists(pfad))
            continue;
        m_datei.setFileName(pfad);
        // NewOnly: a file that appeared meanwhile is never overwritten.
        if (m_datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const bool warAus = !m_fehler.isEmpty();
            m_aktiv = true;
            m_fehler.clear();
            if (warAus)
                melden(true);
            return true;
        }
        grund = m_datei.errorString();
        if (QFile::exists(pfad))
            continue;
        break; // the folder cannot take the file
    }
    m_datei.setFileName(QString());
    m_aktiv = false;
    m_fehler = TTexte::tr("Das Ereignisprotokoll kann in %1 nicht angelegt werden: %2")
                   .arg(QDir::toNativeSeparators(m_z.Heimordner), grund);
    melden(false);
    return false;
}

void TLog::melden(bool ok) {
    if (Zustandswechsel)
        Zustandswechsel(ok, m_fehler);
}

bool TLog::LogOeffnen() {
    if (m_aktiv)
        return true;
    m_gewuenscht = true;
    return oeffne(m_z.Jetzt().date());
}

void TLog::LogSchreiben(const QString &text) {
    if (!m_gewuenscht)
        return;
    const QDateTime jetzt = m_z.Jetzt();
    if (jetzt.date() != m_tag) {
        // A new day: the line goes to that day's file, and the oldest logs go.
        if (m_datei.isOpen())
            m_datei.close();
        m_aktiv = false;
        oeffne(jetzt.date());
        AlteLogsEntfernen();
    }
    if (!m_aktiv)
        return;
    const QByteArray zeile = Cp1252::encode(KompUtils::DatumZeit(m_z.Gebietsschema, jetzt) +
                                            QLatin1Char(' ') + KompUtils::Einzeilig(text)) +
                             QByteArrayLiteral("\r\n");
    if (m_datei.write(zeile) != zeile.size() || !m_datei.flush()) {
        m_fehler = TTexte::tr("Das Ereignisprotokoll %1 kann nicht geschrieben werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        m_datei.close();
        m_aktiv = false;
        melden(false);
    }
}

int TLog::AlteLogsEntfernen() {
    if (m_z.LogTage <= 0)
        return 0;
    const QDate heute = m_z.Jetzt().date();
    const QDir ordner(m_z.Heimordner);
    int entfernt = 0;
    const QStringList namen = ordner.entryList({Vorsilbe + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString &name : namen) {
        const QDate datum = LogDatum(m_z.Gebietsschema, name);
        if (!datum.isValid() || datum.daysTo(heute) <= m_z.LogTage)
            continue;
        if (ordner.filePath(name) == m_datei.fileName())
            continue;
        if (QFile::remove(ordner.filePath(name)))
            ++entfernt;
    }
    return entfernt;
}

void TLog::LogSchliessen() {
    if (m_datei.isOpen())
        m_datei.close();
    m_aktiv = false;
    m_gewuenscht = false;
}

void TLogHoerer::Auslesung(int anlage, bool ok, qint32 gelesen, const QString &grund) {
    if (ok)
        return;
    QString text =
        TTexte::tr("Anlage %1: Auslesung unvollständig, %2 Datensätze gelesen").arg(anlage).arg(gelesen);
    if (!grund.isEmpty())
        text += QStringLiteral(": ") + grund;
    // One entry is one line.
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_log.LogSchreiben(text);
}

void TLogHoerer::Stoerung(TStoerung art, int anlage, bool aktiv, const QString &grund) {
    QString text;
    switch (art) {
    case TStoerung::Auslesung:
        // Its beginning is the failed readout, logged with its reason.
        if (aktiv)
            return;
        text = TTexte::tr("Anlage %1: Auslesung wieder vollständig").arg(anlage);
        break;
    case TStoerung::Konfiguration:
        text = aktiv ? TTexte::tr("Störung: %1").arg(grund)
                     : TTexte::tr("Störung behoben: die Konfigurationsdatei wird wieder geschrieben");
        break;
    case TStoerung::Ereignisprotokoll:
        // Its beginning cannot be logged; its end is the first line of the new file.
        if (aktiv)
            return;
        text = TTexte::tr("Störung behoben: das Ereignisprotokoll wird wieder geschrieben");
        break;
    case TStoerung::GehalteneDatensaetze:
        text =
            aktiv
                ? TTexte::tr("Störung: %1").arg(grund)
                : TTexte::tr("Störung behoben: die Liste der gehaltenen Datensätze wird wieder geschrieben");
        break;
    case TStoerung::MqttAusgang:
        // Its beginning is logged line by line by the publisher.
        if (aktiv)
            return;
        text = TTexte::tr("Störung behoben: der MQTT-Ausgang ist beim Broker angekommen");
        break;
    }
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_log.LogSchreiben(text);
}

#include "ULog.h"

#include "KompUtils.h"
#include "UCp1252.h"
#include "UKonfiguration.h"

namespace {

constexpr int MaxLogDateien = 26 + 26 * 26; // A..Z, AA..ZZ

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

QString TLog::LogDateiName(const QLocale &locale, const QDate &datum, int index) {
    QString tag = KompUtils::KurzDatum(locale, datum);
    for (QChar &c : tag) {
        const char16_t u = c.unicode();
        if (u == '.' || u == '/' || u == '\\' || u == ':' || u == '*' || u == '?' || u == '"' || u == '<' ||
            u == '>' || u == '|' || u < 0x20)
            c = QLatin1Char('-');
    }
    return QStringLiteral("Komp_LOG_") + tag + Buchstaben(index) + QStringLiteral(".CSV");
}

bool TLog::LogOeffnen() {
    if (m_aktiv)
        return true;
    const QDate heute = m_z.Jetzt().date();
    for (int i = 0; i < MaxLogDateien; ++i) {
        const QString pfad = HeimDatei(m_z, LogDateiName(m_z.Gebietsschema, heute, i));
        if (QFile::exists(pfad))
            continue;
        m_datei.setFileName(pfad);
        // NewOnly: a file that appeared meanwhile is never overwritten.
        if (m_datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_aktiv = true;
            return true;
        }
        if (QFile::exists(pfad))
            continue;
        break; // the folder cannot take the file
    }
    m_datei.setFileName(QString());
    m_aktiv = false;
    return false;
}

void TLog::LogSchreiben(const QString &text) {
    if (!m_aktiv)
        return;
    const QByteArray zeile =
        Cp1252::encode(KompUtils::DatumZeit(m_z.Gebietsschema, m_z.Jetzt()) + QLatin1Char(' ') + text) +
        QByteArrayLiteral("\r\n");
    if (m_datei.write(zeile) != zeile.size() || !m_datei.flush()) {
        m_datei.close();
        m_aktiv = false;
    }
}

void TLog::LogSchliessen() {
    if (m_datei.isOpen())
        m_datei.close();
    m_aktiv = false;
}

#include "UIniDatei.h"

#include "KompUtils.h"
#include "UCp1252.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

namespace {

const QByteArray ZeilenEnde = QByteArrayLiteral("\r\n");

// "[name]" with blanks allowed around it; name is what stands between the brackets.
bool istSektion(const QString &zeile, QString &name) {
    const QString t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype zu = t.indexOf(QLatin1Char(']'));
    if (zu < 0)
        return false;
    name = t.mid(1, zu - 1).trimmed();
    return true;
}

// "key=value"; blanks around the key and the value do not count. Comment lines
// (starting with ';') and lines without '=' hold no key.
bool istSchluessel(const QString &zeile, QString *key, QString *wert) {
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (gleich < 0)
        return false;
    const QString k = zeile.left(gleich).trimmed();
    if (k.isEmpty() || k.startsWith(QLatin1Char(';')))
        return false;
    if (key)
        *key = k;
    if (wert)
        *wert = zeile.mid(gleich + 1).trimmed();
    return true;
}

bool gleichNamig(const QString &a, const QString &b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Keys whose values are secrets (section, key): a file that holds one of
// them with a value is kept readable and writable by its owner only.
struct tGeheimerSchluessel {
    const char *sektion;
    const char *schluessel;
};
constexpr tGeheimerSchluessel GeheimeSchluessel[] = {
    {"MQTT", "PASS"},
    {"ALARM", "SMTPPASS"},
};

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TIniDatei)
};

} // namespace

TIniDatei::TIniDatei(const QString &dateiName, const QLocale &locale)
    : m_dateiName(dateiName), m_locale(locale) {
}

bool TIniDatei::stempelGleich() const {
    const QFileInfo fi(m_dateiName);
    if (!fi.exists())
        return !m_stempelDa;
    return m_stempelDa && fi.size() == m_stempelGroesse &&
           fi.lastModified().toMSecsSinceEpoch() == m_stempelZeit;
}

void TIniDatei::stempelMerken() const {
    const QFileInfo fi(m_dateiName);
    m_stempelDa = fi.exists();
    m_stempelGroesse = m_stempelDa ? fi.size() : -1;
    m_stempelZeit = m_stempelDa ? fi.lastModified().toMSecsSinceEpoch() : 0;
}

// Takes the file's lines into m_zeilen unless they are still current. The
// program is the only writer, so the file changes only through this object;
// a change made by hand while the program runs is still picked up because the
// size or the modification time differs.
void TIniDatei::laden() const {
    if (m_geladen && stempelGleich())
        return;
    m_zeilen.clear();
    m_utf8 = false;
    m_lesefehler = false;
    m_lesefehlerText.clear();
    m_geladen = true;
    stempelMerken();
    if (!m_stempelDa)
        return;
    QFile f(m_dateiName);
    if (!f.open(QIODevice::ReadOnly)) {
        m_lesefehler = true;
        m_lesefehlerText = f.errorString();
        return;
    }
    QByteArray daten = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        m_lesefehler = true;
        m_lesefehlerText = f.errorString();
        return;
    }
    // A file saved by an editor as UTF-8 with a byte-order mark: the mark is
    // not part of the first line, and the file stays UTF-8 when written.
    m_utf8 = daten.startsWith("\xEF\xBB\xBF");
    if (m_utf8)
        daten.remove(0, 3);
    const auto decode = [this](const QByteArray &b) {
        return m_utf8 ? QString::fromUtf8(b) : Cp1252::decode(b);
    };
    qsizetype anfang = 0;
    while (anfang < daten.size()) {
        const qsizetype lf = daten.indexOf('\n', anfang);
        Zeile z;
        if (lf < 0) {
            z.roh = daten.mid(anfang);
            z.text = decode(z.roh);
            anfang = daten.size();
        } else {
            qsizetype ende = lf;
            if (ende > anfang && daten.at(ende - 1) == '\r') {
                --ende;
                z.ende = ZeilenEnde;
            } else {
                z.ende = QByteArrayLiteral("\n");
            }
            z.roh = daten.mid(anfang, ende - anfang);
            z.text = decode(z.roh);
            anfang = lf + 1;
        }
        m_zeilen.append(z);
    }
}

qsizetype TIniDatei::findeSektion(const QString &section) const {
    const QString gesucht = section.trimmed();
    QString name;
    for (qsizetype i = 0; i < m_zeilen.size(); ++i)
        if (istSektion(m_zeilen.at(i).text, name) && gleichNamig(name, gesucht))
            return i;
    return -1;
}

qsizetype TIniDatei::findeSchluessel(qsizetype kopf, const QString &key) const {
    const QString gesucht = key.trimmed();
    QString name, k;
    for (qsizetype i = kopf + 1; i < m_zeilen.size(); ++i) {
        const QString &zeile = m_zeilen.at(i).text;
        if (istSektion(zeile, name))
            break;
        if (istSchluessel(zeile, &k, nullptr) && gleichNamig(k, gesucht))
            return i;
    }
    return -1;
}

QString TIniDatei::ReadString(const QString &section, const QString &key, const QString &def) const {
    laden();
    const qsizetype kopf = findeSektion(section);
    if (kopf < 0)
        return def;
    const qsizetype i = findeSchluessel(kopf, key);
    if (i < 0)
        return def;
    QString wert;
    istSchluessel(m_zeilen.at(i).text, nullptr, &wert);
    return wert;
}

int TIniDatei::ReadInteger(const QString &section, const QString &key, int def) const {
    qint32 wert = 0;
    if (!KompUtils::AlsGanzzahl(ReadString(section, key, QString()), wert))
        return def;
    return wert;
}

bool TIniDatei::ReadBool(const QString &section, const QString &key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

// Accepts the decimal comma as well as the decimal point, whatever the locale:
// files move between systems, and both 55,5 and 55.5 mean the same.
double TIniDatei::ReadFloat(const QString &section, const QString &key, double def) const {
    QString text = ReadString(section, key, QString());
    if (text.isEmpty())
        return def;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    for (QChar c : text) {
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
              c == QLatin1Char('e') || c == QLatin1Char('E')) ||
            c.unicode() > 0x7F)
            return def;
    }
    bool ok = false;
    const double wert = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(wert))
        return def;
    return wert;
}

bool TIniDatei::HaeltGeheimnis() const {
    laden();
    return haeltGeheimnis();
}

bool TIniDatei::WriteString(const QString &section, const QString &key, const QString &value) {
    // A line break in a value would end the line and start a key or a section
    // of its own: each one becomes a blank.
    QString wert = value;
    wert.replace(QLatin1String("\r\n"), QLatin1String(" "));
    wert.replace(QLatin1Char('\r'), QLatin1Char(' '));
    wert.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return schreibeWert(section, key, wert);
}

bool TIniDatei::WriteInteger(const QString &section, const QString &key, int value) {
    return schreibeWert(section, key, QString::number(value));
}

bool TIniDatei::WriteBool(const QString &section, const QString &key, bool value) {
    return schreibeWert(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

// The locale's decimal separator, without group separators: 55,5 on a German
// system, 55.5 on an English one, 55 for 55.0. A locale whose separator is
// neither ',' nor '.' writes '.', which every reader understands.
bool TIniDatei::WriteFloat(const QString &section, const QString &key, double value) {
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (m_locale.decimalPoint() == QLatin1String(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return schreibeWert(section, key, text);
}

bool TIniDatei::schreibeWert(const QString &section, const QString &key, const QString &wert) {
    const QString sek = section.trimmed();
    const QString schl = key.trimmed();
    const auto enthaelt = [](const QString &s, const char *zeichen) {
        for (const char *z = zeichen; *z; ++z)
            if (s.contains(QLatin1Char(*z)))
                return true;
        return false;
    };
    if (sek.isEmpty() || enthaelt(sek, "[]\r\n") || schl.isEmpty() || enthaelt(schl, "=[\r\n") ||
        schl.startsWith(QLatin1Char(';'))) {
        m_fehler =
            TTexte::tr("Ungültiger Abschnitt oder Schlüssel \"%1\" / \"%2\" für die Konfigurationsdatei %3")
                .arg(section, key, QDir::toNativeSeparators(m_dateiName));
        return false;
    }

    laden();
    // A value the file cannot hold would be read back with "?" in place of
    // its characters (a data folder "Łódź" would lead nowhere): refused.
    if (!m_utf8 && !Cp1252::darstellbar(sek + schl + wert)) {
        m_fehler = TTexte::tr("\"%1\" enthält Zeichen, die die Konfigurationsdatei %2 nicht aufnehmen kann "
                              "(Windows-1252); der Wert wird nicht gespeichert.")
                       .arg(wert, QDir::toNativeSeparators(m_dateiName));
        return false;
    }
    if (m_lesefehler)
        return gescheitert(TTexte::tr("Die Konfigurationsdatei %1 kann nicht gelesen werden: %2")
                               .arg(QDir::toNativeSeparators(m_dateiName), m_lesefehlerText));

    const QString neueZeile = schl + QLatin1Char('=') + wert;
    const qsizetype kopf = findeSektion(sek);
    if (kopf < 0) {
        // A new section goes at the end of the file.
        if (!m_zeilen.isEmpty() && m_zeilen.last().ende.isEmpty())
            m_zeilen.last().ende = ZeilenEnde;
        m_zeilen.append({QLatin1Char('[') + sek + QLatin1Char(']'), ZeilenEnde, QByteArray()});
        m_zeilen.append({neueZeile, ZeilenEnde, QByteArray()});
    } else if (const qsizetype i = findeSchluessel(kopf, schl); i >= 0) {
        // The key keeps its spelling in the file; only the value changes.
        QString &zeile = m_zeilen[i].text;
        zeile = zeile.left(zeile.indexOf(QLatin1Char('='))) + QLatin1Char('=') + wert;
        m_zeilen[i].roh = QByteArray();
    } else {
        // A new key goes behind the last key of its section, before any blank
        // or comment lines that separate it from the next section.
        qsizetype nach = kopf;
        QString name;
        for (qsizetype j = kopf + 1; j < m_zeilen.size(); ++j) {
            if (istSektion(m_zeilen.at(j).text, name))
                break;
            if (istSchluessel(m_zeilen.at(j).text, nullptr, nullptr))
                nach = j;
        }
        if (m_zeilen.at(nach).ende.isEmpty())
            m_zeilen[nach].ende = ZeilenEnde;
        m_zeilen.insert(nach + 1, {neueZeile, ZeilenEnde, QByteArray()});
    }
    return speichern();
}

bool TIniDatei::haeltGeheimnis() const {
    QString sektion, key, wert;
    for (const Zeile &z : std::as_const(m_zeilen)) {
        if (istSektion(z.text, sektion))
            continue;
        if (!istSchluessel(z.text, &key, &wert) || wert.isEmpty())
            continue;
        for (const tGeheimerSchluessel &g : GeheimeSchluessel)
            if (gleichNamig(sektion, QLatin1String(g.sektion)) &&
                gleichNamig(key, QLatin1String(g.schluessel)))
                return true;
    }
    return false;
}

// Writes all lines to a temporary file beside the configuration and renames it
// over the old one: a crash or a power cut leaves either the old or the new
// file, never a truncated one. A file that may be written in a folder that
// may not (a shared installation folder) is written in place and synced.
bool TIniDatei::speichern() {
    if (Schreibsperre) {
        if (const QString grund = Schreibsperre(); !grund.isEmpty())
            return gescheitert(TTexte::tr("Die Konfigurationsdatei %1 kann nicht geschrieben werden: %2")
                                   .arg(QDir::toNativeSeparators(m_dateiName), grund));
    }
    QByteArray daten;
    if (m_utf8)
        daten += "\xEF\xBB\xBF";
    for (const Zeile &z : std::as_const(m_zeilen)) {
        // untouched lines go back byte for byte, also bytes that are no valid UTF-8
        daten += !z.roh.isNull() ? z.roh : m_utf8 ? z.text.toUtf8() : Cp1252::encode(z.text);
        daten += z.ende;
    }
    QSaveFile f(m_dateiName);
    f.setDirectWriteFallback(true);
    bool ok = f.open(QIODevice::WriteOnly);
    // A file that holds a password is readable by its owner only, before the
    // password is written into it (the replacement keeps the mode of the
    // file it replaces, so it stays so whoever writes it next).
    if (ok && haeltGeheimnis())
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (ok) {
        ok = f.write(daten) == daten.size() && f.flush();
        if (!ok) {
            const QString grund = f.errorString();
            f.cancelWriting(); // the temporary file goes, the old file stays
            return gescheitert(TTexte::tr("Die Konfigurationsdatei %1 kann nicht geschrieben werden: %2")
                                   .arg(QDir::toNativeSeparators(m_dateiName), grund));
        }
        ok = f.commit();
    }
    if (!ok)
        return gescheitert(TTexte::tr("Die Konfigurationsdatei %1 kann nicht geschrieben werden: %2")
                               .arg(QDir::toNativeSeparators(m_dateiName), f.errorString()));
    stempelMerken();
    m_fehler.clear();
    if (NachSchreiben)
        NachSchreiben(true, QString());
    return true;
}

bool TIniDatei::gescheitert(const QString &fehler) {
    m_fehler = fehler;
    if (NachSchreiben)
        NachSchreiben(false, fehler);
    return false;
}

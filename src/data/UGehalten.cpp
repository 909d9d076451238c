#include "data/UGehalten.h"

#include "shell/UCp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TGehalten)
};

const QString Titel = QStringLiteral("Gehaltene Datensaetze");
const QString Spalten = QStringLiteral("Anlage;Speicherzeit;T5;T4;T3;T2;T1;RefMarke;O2[0,1vol%];Betriebsart;"
                                       "Luefter;Statuswert;Luefterlaufzeit;LuefterZyklen;Nummer;Roh;Datei");
// The columns of the earlier layout, without "Nummer" and "Roh".
const QString SpaltenFrueher =
    QStringLiteral("Anlage;Speicherzeit;T5;T4;T3;T2;T1;RefMarke;O2[0,1vol%];"
                   "Betriebsart;Luefter;Statuswert;Luefterlaufzeit;LuefterZyklen;Datei");
constexpr int Felder = 17;        // the data file's path last
constexpr int FelderFrueher = 15; // the same without "Nummer" and "Roh"

// A text field stays one field on one line.
QString feld(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    return text;
}

// The lines of a file (CR LF, LF or CR), decoded.
QStringList zeilenVon(const QByteArray &bytes) {
    QString text = Cp1252::decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList l = text.split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// The "Stand" of a file's title line, -1 when it is none.
qint64 standVon(const QString &titelzeile) {
    const QStringList t = titelzeile.split(QLatin1Char(';'));
    if (t.size() != 3 || t.at(0) != Titel || t.at(1) != QLatin1String("Stand"))
        return -1;
    bool ok = false;
    const qint64 n = t.at(2).toLongLong(&ok);
    return ok && n >= 0 ? n : -1;
}

qint64 standDerDatei(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return standVon(zeilenVon(f.readLine(4096)).value(0));
}

} // namespace

void TGehalten::SetzeOrdner(const QStringList &ordner) {
    m_ordner.clear();
    for (const QString &o : ordner)
        if (!o.isEmpty() && !m_ordner.contains(o))
            m_ordner.append(o);
}

QString TGehalten::Zeile(const tGehaltenerDatensatz &d) {
    const tAnlageMesswerte &w = d.Werte;
    QStringList f{QString::number(d.Anlage), feld(d.Zeit)};
    for (size_t i = 1; i <= 5; ++i)
        f.append(QString::number(w.T[i]));
    f << QString::number(w.RefMarke) << QString::number(w.O2) << QString::number(w.Betriebsart)
      << QString::number(w.Luefter) << QString::number(w.Statuswert) << QString::number(w.Laufzeit)
      << QString::number(w.Zyklen) << QString::number(d.Nummer);
    // A line kept as it came has no control characters and no ";" in its
    // fields: its separators become tabs.
    f.append(feld(QString(d.Roh).replace(QLatin1Char(';'), QLatin1Char('\t'))));
    // the path last: everything after the 14th ";" belongs to it
    QString datei = d.Datei;
    datei.replace(QLatin1Char('\r'), QLatin1Char(' '));
    datei.replace(QLatin1Char('\n'), QLatin1Char(' '));
    f.append(datei);
    return f.join(QLatin1Char(';'));
}

bool TGehalten::ZeileLesen(const QString &zeile, tGehaltenerDatensatz &d, bool mitNummer) {
    QStringList f;
    qsizetype von = 0;
    const int felder = mitNummer ? Felder : FelderFrueher;
    for (int i = 0; i < felder - 1; ++i) {
        const qsizetype p = zeile.indexOf(QLatin1Char(';'), von);
        if (p < 0)
            return false;
        f.append(zeile.mid(von, p - von));
        von = p + 1;
    }
    f.append(zeile.mid(von));
    QList<qint64> zahlen;
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
        bool ok = false;
        const qint64 n = f.at(i).trimmed().toLongLong(&ok);
        if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
            return false;
        zahlen.append(n);
    }
    if (zahlen.at(0) < 1 || zahlen.at(0) > MaxAnlagen || f.last().isEmpty() || f.at(1).isEmpty())
        return false;
    // mode, fan flag and status value are small by nature
    if (zahlen.at(8) < 0 || zahlen.at(8) > 255 || zahlen.at(9) < 0 || zahlen.at(9) > 255 ||
        zahlen.at(10) < 0 || zahlen.at(10) > 65535)
        return false;
    tGehaltenerDatensatz neu;
    neu.Anlage = static_cast<int>(zahlen.at(0));
    neu.Zeit = f.at(1);
    tAnlageMesswerte &w = neu.Werte;
    w.Gueltig = 1;
    for (size_t i = 1; i <= 5; ++i)
        w.T[i] = static_cast<qint32>(zahlen.at(static_cast<qsizetype>(i)));
    w.RefMarke = static_cast<qint32>(zahlen.at(6));
    w.O2 = static_cast<qint32>(zahlen.at(7));
    w.Betriebsart = static_cast<quint8>(zahlen.at(8));
    w.Luefter = static_cast<quint8>(zahlen.at(9));
    w.Statuswert = static_cast<quint16>(zahlen.at(10));
    w.Laufzeit = static_cast<qint32>(zahlen.at(11));
    w.Zyklen = static_cast<qint32>(zahlen.at(12));
    neu.Datei = f.last();
    if (mitNummer) {
        bool ok = false;
        neu.Nummer = f.at(14).trimmed().toInt(&ok);
        if (!ok || neu.Nummer < 0)
            return false;
        neu.Roh = f.at(15);
        neu.Roh.replace(QLatin1Char('\t'), QLatin1Char(';'));
        // A record kept as it came is no reading.
        if (!neu.Roh.isEmpty())
            w.Gueltig = 0;
    }
    d = neu;
    return true;
}

bool TGehalten::Laden() {
    m_fehler.clear();
    // The file of the latest "Stand": a copy left behind in another folder is older.
    QString beste;
    qint64 besterStand = -1;
    QStringList fehler;
    for (const QString &ordner : std::as_const(m_ordner)) {
        const QString pfad = QDir(ordner).filePath(QLatin1String(DateiName));
        if (!QFileInfo::exists(pfad))
            continue;
        const qint64 stand = standDerDatei(pfad);
        if (stand < 0) {
            fehler.append(TTexte::tr("%1 ist keine Datei gehaltener Datensätze oder nicht lesbar.")
                              .arg(QDir::toNativeSeparators(pfad)));
            continue;
        }
        m_stand = std::max(m_stand, stand);
        if (stand > besterStand) {
            besterStand = stand;
            beste = pfad;
        }
    }
    if (!beste.isEmpty()) {
        QFile f(beste);
        if (!f.open(QIODevice::ReadOnly)) {
            fehler.append(TTexte::tr("%1 kann nicht gelesen werden: %2")
                              .arg(QDir::toNativeSeparators(beste), f.errorString()));
        } else {
            const QStringList zeilen = zeilenVon(f.readAll());
            const bool mitNummer = zeilen.value(1) != SpaltenFrueher;
            int unlesbar = 0;
            for (qsizetype i = 2; i < zeilen.size(); ++i) {
                tGehaltenerDatensatz d;
                if (ZeileLesen(zeilen.at(i), d, mitNummer))
                    m_liste.append(d);
                else if (!zeilen.at(i).trimmed().isEmpty())
                    ++unlesbar;
            }
            m_datei = beste;
            if (unlesbar > 0)
                fehler.append(TTexte::tr("%1 Zeilen in %2 sind keine Datensätze und wurden übergangen.")
                                  .arg(unlesbar)
                                  .arg(QDir::toNativeSeparators(beste)));
        }
    }
    m_fehler = fehler.join(QLatin1Char('\n'));
    return fehler.isEmpty();
}

void TGehalten::Behalten(const tGehaltenerDatensatz &d) {
    m_liste.append(d);
    Sichern();
}

QList<tGehaltenerDatensatz> TGehalten::VonAnlage(int anlage) const {
    QList<tGehaltenerDatensatz> l;
    for (const tGehaltenerDatensatz &d : m_liste)
        if (d.Anlage == anlage)
            l.append(d);
    return l;
}

qsizetype TGehalten::Anzahl(int anlage) const {
    return std::count_if(m_liste.cbegin(), m_liste.cend(),
                         [anlage](const tGehaltenerDatensatz &d) { return d.Anlage == anlage; });
}

bool TGehalten::ErstenEntfernen(int anlage, const QString &datei) {
    const auto it =
        std::find_if(m_liste.begin(), m_liste.end(), [anlage, &datei](const tGehaltenerDatensatz &d) {
            return d.Anlage == anlage && d.Datei == datei;
        });
    if (it == m_liste.end())
        return true;
    m_liste.erase(it);
    return Sichern();
}

bool TGehalten::ErstemNummerGeben(int anlage, const QString &datei, qint32 nummer) {
    const auto it =
        std::find_if(m_liste.begin(), m_liste.end(), [anlage, &datei](const tGehaltenerDatensatz &d) {
            return d.Anlage == anlage && d.Datei == datei;
        });
    if (it == m_liste.end())
        return true;
    const qint32 vorher = it->Nummer;
    it->Nummer = nummer;
    if (Sichern())
        return true;
    // The number on the disk is still the one before: so is the one in memory.
    it->Nummer = vorher;
    return false;
}

bool TGehalten::schreibeIn(const QString &ordner, const QByteArray &inhalt, QString &fehler) {
    if (!QDir().mkpath(ordner)) {
        fehler =
            TTexte::tr("Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    const QString pfad = QDir(ordner).filePath(QLatin1String(DateiName));
    if (Schreibsperre) {
        if (const QString grund = Schreibsperre(pfad); !grund.isEmpty()) {
            fehler =
                TTexte::tr("%1 kann nicht geschrieben werden: %2").arg(QDir::toNativeSeparators(pfad), grund);
            return false;
        }
    }
    // Written beside the old file, synced and renamed over it: a crash leaves
    // the old list or the new one, never half of one.
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit()) {
        fehler = TTexte::tr("%1 kann nicht geschrieben werden: %2")
                     .arg(QDir::toNativeSeparators(pfad), f.errorString());
        f.cancelWriting();
        return false;
    }
    return true;
}

bool TGehalten::Sichern() {
    // Above every "Stand" on the disk, also one this run has not read.
    for (const QString &ordner : std::as_const(m_ordner))
        m_stand = std::max(m_stand, standDerDatei(QDir(ordner).filePath(QLatin1String(DateiName))));
    ++m_stand;
    QByteArray inhalt = Cp1252::encode(Titel + QStringLiteral(";Stand;") + QString::number(m_stand)) + "\r\n";
    inhalt += Cp1252::encode(Spalten) + "\r\n";
    for (const tGehaltenerDatensatz &d : std::as_const(m_liste))
        inhalt += Cp1252::encode(Zeile(d)) + "\r\n";

    QStringList fehler;
    if (m_liste.isEmpty()) {
        // Nothing kept: no file anywhere. One that cannot be removed gets the
        // empty list of the latest "Stand", so that nothing is read back twice.
        for (const QString &ordner : std::as_const(m_ordner)) {
            const QString pfad = QDir(ordner).filePath(QLatin1String(DateiName));
            const bool gesperrt = Schreibsperre && !Schreibsperre(pfad).isEmpty();
            if (!QFileInfo::exists(pfad) || (!gesperrt && QFile::remove(pfad)))
                continue;
            QString grund;
            if (!schreibeIn(ordner, inhalt, grund))
                fehler.append(grund);
        }
        m_datei.clear();
    } else {
        m_datei.clear();
        for (const QString &ordner : std::as_const(m_ordner)) {
            QString grund;
            if (schreibeIn(ordner, inhalt, grund)) {
                m_datei = QDir(ordner).filePath(QLatin1String(DateiName));
                break;
            }
            fehler.append(grund);
        }
        if (m_datei.isEmpty() && fehler.isEmpty())
            fehler.append(TTexte::tr("Kein Ordner für die gehaltenen Datensätze."));
        // A copy in a later folder is older now: it goes where it can.
        if (!m_datei.isEmpty()) {
            for (const QString &ordner : std::as_const(m_ordner)) {
                const QString pfad = QDir(ordner).filePath(QLatin1String(DateiName));
                if (pfad != m_datei && QFileInfo::exists(pfad))
                    QFile::remove(pfad);
            }
            fehler.clear();
        }
    }
    m_ungesichert = !fehler.isEmpty();
    m_fehler = fehler.join(QLatin1Char('\n'));
    return !m_ungesichert;
}

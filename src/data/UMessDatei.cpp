// TDataFile: naming, creating, appending to and closing the data file of a plant.
#include "UMessDaten.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"
#include "shell/UIniDatei.h"
#include "shell/UKonfiguration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#if !defined(Q_OS_WIN)
#include <sys/resource.h>
#endif

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TDataFile)
};

// One header or record field must stay on its line: every line break
// (CR LF, LF or CR) becomes one blank.
QString einzeilig(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QByteArray breite5(qint32 wert) {
    return QByteArray::number(wert).rightJustified(5, ' ');
}

bool imDateinamenErlaubt(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_' || u == '-';
}

// The text with every character a file name may not hold replaced by "-".
QString imDateinamen(QString text) {
    for (QChar &c : text)
        if (!imDateinamenErlaubt(c))
            c = QLatin1Char('-');
    return text;
}

// The plant's data folder with a separator at its end: Pfad, else the home
// folder. A folder carried over from a Windows configuration ends in "\\"
// already.
QString ordnerMitTrenner(const TZustand &z, const tAnlageParameter &a) {
    QString pfad = a.Pfad.isEmpty() ? QDir::toNativeSeparators(z.Heimordner) : a.Pfad;
    if (!pfad.isEmpty() && !pfad.endsWith(QDir::separator()) && !pfad.endsWith(QLatin1Char('/')) &&
        !pfad.endsWith(QLatin1Char('\\')))
        pfad += QDir::separator();
    return pfad;
}

// Whether two names (native separators or not) name the same file.
bool gleicheDatei(const QString &a, const QString &b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo x(QDir::fromNativeSeparators(a));
    const QFileInfo y(QDir::fromNativeSeparators(b));
    return x.absoluteFilePath() == y.absoluteFilePath() || (x.exists() && y.exists() && x == y);
}

// Whether the file is empty or its last byte ends a line.
bool endetMitZeilenende(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0)
        return true;
    char letztes = '\n';
    return !f.seek(f.size() - 1) || !f.getChar(&letztes) || letztes == '\n' || letztes == '\r';
}

// Reads a data file backwards from its end in growing pieces (the first of
// `stueck` bytes) and hands each line that carries a record number to `satz`,
// the last line first, until `satz` returns true (Angehalten) or the file's
// beginning is reached (Anfang). Fehler: the file could not be positioned.
enum class TVonHinten { Angehalten, Anfang, Fehler };
template <typename F> TVonHinten SaetzeVonHinten(QFile &f, qint64 stueck, F satz) {
    const qint64 groesse = f.size();
    for (;; stueck *= 4) {
        const qint64 von = qMax<qint64>(0, groesse - stueck);
        if (!f.seek(von))
            return TVonHinten::Fehler;
        const QByteArray ende = f.read(groesse - von);
        QList<QByteArrayView> teile;
        qsizetype i = 0;
        while (i < ende.size()) {
            qsizetype e = i;
            while (e < ende.size() && ende.at(e) != '\r' && ende.at(e) != '\n')
                ++e;
            teile.append(QByteArrayView(ende).sliced(i, e - i));
            i = e < ende.size() ? e + 1 : e;
        }
        // the first piece may begin inside a line, unless it starts the file
        const qsizetype erstes = von > 0 ? 1 : 0;
        for (qsizetype t = teile.size() - 1; t >= erstes; --t) {
            qint32 nr = 0;
            if (TDataFile::RecordNumber(teile.at(t), nr) && satz(teile.at(t), nr))
                return TVonHinten::Angehalten;
        }
        if (von == 0)
            return TVonHinten::Anfang;
    }
}

} // namespace

TDataFile::TDataFile(TZustand &z, TIniDatei &ini) : m_z(z), m_ini(ini) {
}

TDataFile::~TDataFile() {
    schliessenOhneZaehler();
    // Kept records whose list could not be written at their last change get another try.
    if (m_gehalten.Ungesichert())
        m_gehalten.Sichern();
}

bool TDataFile::gueltig(int plant) {
    if (plant >= 1 && plant <= MaxAnlagen)
        return true;
    m_fehler = TTexte::tr("Anlage %1 gibt es nicht.").arg(plant);
    return false;
}

QString TDataFile::ColumnTitles() {
    return QStringLiteral(
        " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen");
}

QByteArray TDataFile::RecordLine(qint32 nummer, const QString &zeit, const tAnlageMesswerte &w,
                                 const QString &roh) {
    // "%d;%s;%5d;%5d;%5d;%5d;%5d;%5d;%5.1f;%d;%5d;%5d;" with a decimal comma,
    // whatever the locale
    QByteArray zeile;
    zeile.reserve(96);
    zeile += QByteArray::number(nummer);
    zeile += ';';
    if (!roh.isEmpty()) {
        // kept as it came: its fields hold no line end of their own
        zeile += Cp1252::encode(einzeilig(roh));
        zeile += "\r\n";
        return zeile;
    }
    zeile += Cp1252::encode(einzeilig(zeit));
    zeile += ';';
    for (size_t k = 1; k <= 5; ++k) {
        zeile += breite5(w.T[k]);
        zeile += ';';
    }
    zeile += breite5(w.RefMarke);
    zeile += ';';
    QByteArray o2 = QByteArray::number(w.O2 / 10.0, 'f', 1);
    o2.replace('.', ',');
    zeile += o2.rightJustified(5, ' ');
    zeile += ';';
    zeile += QByteArray::number(w.Betriebsart);
    zeile += ';';
    zeile += breite5(w.Laufzeit);
    zeile += ';';
    zeile += breite5(w.Zyklen);
    zeile += ";\r\n";
    return zeile;
}

QString TDataFile::neuerName(int plant) {
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    a.Pfad = ordnerMitTrenner(m_z, a);
    return a.Pfad + FreierDateiName(a.Pfad, a.Name, m_z.Jetzt().date(), m_z.Gebietsschema);
}

QString TDataFile::FreierDateiName(const QString &ordner, const QString &name, const QDate &datum,
                                   const QLocale &locale) {
    const QString basis = DateiNameFuer(name, datum, locale);
    const QDir dir(QDir::fromNativeSeparators(ordner));
    if (ordner.isEmpty() || !dir.exists(basis))
        return basis;
    // A pile of the same name began the same day: its records stay its own.
    const QString stamm = basis.chopped(4);
    for (int n = 2; n <= 999; ++n) {
        const QString kandidat = stamm + QLatin1Char('_') + QString::number(n) + QStringLiteral(".CSV");
        if (!dir.exists(kandidat))
            return kandidat;
    }
    return basis;
}

QString TDataFile::DateiNameFuer(const QString &name, const QDate &datum, const QLocale &locale) {
    return imDateinamen(name + QLatin1Char('_') + KompUtils::KurzDatum(locale, datum)) +
           QStringLiteral(".CSV");
}

bool TDataFile::NewDataFileName(int plant) {
    if (!gueltig(plant))
        return false;
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    const QString pfadVorher = a.Pfad;
    const QString name = neuerName(plant);
    if (const QString meldung = KompUtils::PfadMeldung(name); !meldung.isEmpty()) {
        a.Pfad = pfadVorher;
        m_fehler = meldung;
        return false;
    }
    a.Datei = name;
    a.Anzahl = 0;

    const QString sektion = QString::number(plant);
    if (!m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), 0) ||
        !m_ini.WriteString(sektion, QStringLiteral("Datei"), a.Datei)) {
        m_fehler = m_ini.LetzterFehler();
        return false;
    }
    return true;
}

TDataFile::TKopf TDataFile::KopfPruefen(const QString &pfad) {
    TKopf k;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        k.fehler = f.errorString();
        return k;
    }
    const qint64 groesse = f.size();
    if (groesse == 0) {
        k.zustand = TKopf::Leer;
        return k;
    }
    // The header: the first ten lines (company lines are short; a megabyte is plenty).
    const QByteArray anfang = f.read(qMin<qint64>(groesse, 1 << 20));
    struct Zeile {
        qsizetype start, laenge;
        bool mitEnde;
    };
    QList<Zeile> zeilen;
    for (qsizetype i = 0; i < anfang.size() && zeilen.size() < 10;) {
        qsizetype e = i;
        while (e < anfang.size() && anfang.at(e) != '\r' && anfang.at(e) != '\n')
            ++e;
        const bool mitEnde = e < anfang.size();
        zeilen.append({i, e - i, mitEnde});
        if (mitEnde)
            e += (anfang.at(e) == '\r' && e + 1 < anfang.size() && anfang.at(e + 1) == '\n') ? 2 : 1;
        i = e;
    }
    const auto bytes = [&](qsizetype n) {
        return QByteArrayView(anfang).sliced(zeilen.at(n).start, zeilen.at(n).laenge);
    };
    const auto beginntMitEins = [](QByteArrayView z) { return z.startsWith("1;"); };
    if (zeilen.size() >= 9 && beginntMitEins(bytes(8))) {
        k.zustand = TKopf::Gueltig; // earlier layout: eight header lines
    } else if (zeilen.size() >= 10 && beginntMitEins(bytes(9))) {
        k.zustand = TKopf::Gueltig;
    } else if (zeilen.size() == 9 && zeilen.at(8).mitEnde &&
               zeilen.at(8).start + zeilen.at(8).laenge < groesse && !bytes(8).isEmpty() &&
               groesse <= anfang.size()) {
        k.zustand = TKopf::Gueltig; // the header alone: no record yet
        return k;
    } else {
        k.zustand = TKopf::Ungueltig;
        return k;
    }

    // The number of the last record: the first record line from the end.
    if (SaetzeVonHinten(f, 64 * 1024, [&](QByteArrayView, qint32 nr) {
            k.letzteNummer = nr;
            return true;
        }) == TVonHinten::Fehler) {
        k.fehler = f.errorString();
        k.zustand = TKopf::Ungueltig;
    }
    return k; // without a record line: only the header
}

bool TDataFile::RecordNumber(QByteArrayView zeile, qint32 &nummer) {
    // Digits right up to the first semicolon: a line torn after that still
    // carries its number, one torn inside the number does not.
    const qsizetype p = zeile.indexOf(';');
    if (p <= 0 || p > 10)
        return false;
    qint64 n = 0;
    for (qsizetype i = 0; i < p; ++i) {
        const char c = zeile.at(i);
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
        if (n > MaxNummer)
            return false;
    }
    nummer = static_cast<qint32>(n);
    return true;
}

void TDataFile::konfiguration(bool ok) {
    if (!ok && m_konfigFehler.isEmpty())
        m_konfigFehler = m_ini.LetzterFehler();
}

bool TDataFile::OpenDataFile(int plant) {
    if (!gueltig(plant))
        return false;
    if (m_datei.isOpen())
        CloseDataFile(m_offenePlant);
    m_konfigFehler.clear();
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    // Nothing of the plant's configuration changes before the file is open:
    // a readout that cannot write leaves "Datei" and "Anzahl" as they were.
    const bool neuBenannt = a.Datei.isEmpty();
    const QString pfadVorher = a.Pfad;
    const QString name = neuBenannt ? neuerName(plant) : a.Datei;
    if (!oeffnen(plant, name, true)) {
        a.Pfad = pfadVorher;
        return false;
    }

    // A configuration that cannot be written does not stop the readout.
    const QString sektion = QString::number(plant);
    if (neuBenannt) {
        a.Datei = name;
        a.Anzahl = m_nummer;
        const bool anzahl = m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), m_nummer);
        konfiguration(anzahl);
        konfiguration(m_ini.WriteString(sektion, QStringLiteral("Datei"), name));
    } else if (a.Anzahl != m_nummer) {
        a.Anzahl = m_nummer;
        konfiguration(m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), m_nummer));
    }
    return true;
}

bool TDataFile::OpenEarlierDataFile(int plant, const QString &datei) {
    if (!gueltig(plant))
        return false;
    if (m_datei.isOpen())
        CloseDataFile(m_offenePlant);
    m_konfigFehler.clear();
    const QString gezeigt = QDir::toNativeSeparators(datei);
    if (datei.isEmpty()) {
        m_fehler =
            TTexte::tr("Für die Anlage %1 ist keine Datendatei einer vorigen Miete eingetragen.").arg(plant);
        return false;
    }
    if (!QFileInfo(datei).isFile()) {
        m_fehler = TTexte::tr("Die Datendatei %1 gibt es nicht mehr.").arg(gezeigt);
        return false;
    }
    // Only a file that already is a data file: an empty one would get a
    // header made of what the plant holds now, which may be another pile's.
    const TKopf kopf = KopfPruefen(datei);
    if (kopf.zustand != TKopf::Gueltig) {
        m_fehler =
            kopf.fehler.isEmpty()
                ? TTexte::tr("Die Datei %1 hat nicht den Aufbau einer Speicherdatei; an sie wird nichts "
                             "angehängt.")
                      .arg(gezeigt)
                : TTexte::tr("Speicherdatei %1 kann nicht gelesen werden: %2").arg(gezeigt, kopf.fehler);
        return false;
    }
    return oeffnen(plant, datei, false);
}

QString TDataFile::LetzteDatei(int plant) const {
    if (plant < 1 || plant > MaxAnlagen)
        return QString();
    return m_ini.ReadString(QString::number(plant), QStringLiteral("Datei"), QString());
}

bool TDataFile::oeffnen(int plant, const QString &name, bool aktuell) {
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    // A name the configuration cannot hold would be lost at the next start,
    // and every readout after it would fail.
    if (const QString meldung = KompUtils::PfadMeldung(name); !meldung.isEmpty()) {
        m_fehler = meldung;
        return false;
    }
    m_datei.setFileName(name);
    qint32 anzahl = 0;
    if (QFileInfo::exists(name) && !QFileInfo(name).isFile()) {
        // A device or a pipe: no header to check, no last record to find.
        if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht geöffnet werden: %2")
                           .arg(QDir::toNativeSeparators(name), m_datei.errorString());
            return false;
        }
        anzahl = aktuell ? a.Anzahl : 0;
    } else if (QFileInfo::exists(name)) {
        const TKopf kopf = KopfPruefen(name);
        if (kopf.zustand == TKopf::Ungueltig) {
            m_fehler =
                kopf.fehler.isEmpty()
                    ? TTexte::tr("Die Datei %1 hat nicht den Aufbau einer Speicherdatei; an sie wird nichts "
                                 "angehängt.")
                          .arg(QDir::toNativeSeparators(name))
                    : TTexte::tr("Speicherdatei %1 kann nicht gelesen werden: %2")
                          .arg(QDir::toNativeSeparators(name), kopf.fehler);
            return false;
        }
        if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht geöffnet werden: %2")
                           .arg(QDir::toNativeSeparators(name), m_datei.errorString());
            return false;
        }
        if (kopf.zustand == TKopf::Leer) {
            // created, then the program stopped before the header was written
            if (!kopfSchreiben(a, name)) {
                m_fehler = TTexte::tr("Speicherdatei %1 kann nicht beschrieben werden: %2")
                               .arg(QDir::toNativeSeparators(name), m_grund);
                m_datei.resize(0);
                schliessenOhneZaehler();
                return false;
            }
        } else if (!endetMitZeilenende(name) && !schreiben(QByteArrayLiteral("\r\n"))) {
            // A last line without its line end (a crash in mid-write) would
            // have the next record glued to it: the next record starts on a
            // line of its own.
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht beschrieben werden: %2")
                           .arg(QDir::toNativeSeparators(name), m_grund);
            schliessenOhneZaehler();
            return false;
        }
        // The numbering goes on after the file's last record, whatever the
        // stored count says (a readout cut short by a crash leaves it behind).
        anzahl = kopf.letzteNummer;
    } else {
        // A new file: its first record is number 1, also when the count still
        // belongs to a file that was deleted or moved away.
        if (!m_datei.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht angelegt werden: %2")
                           .arg(QDir::toNativeSeparators(name), m_datei.errorString());
            return false;
        }
        if (!kopfSchreiben(a, name)) {
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht beschrieben werden: %2")
                           .arg(QDir::toNativeSeparators(name), m_grund);
            m_datei.close();
            // a file without its complete header would be refused by every reader
            QFile::remove(name);
            return false;
        }
    }
    m_offenePlant = plant;
    m_aktuell = aktuell;
    m_nummer = anzahl;
    return true;
}

QByteArray TDataFile::Kopf(const QStringList &firma, const QString &anlage, const QString &datei,
                           const QString &komm, const QDate &erster, const QLocale &locale) {
    const QStringList zeilen{
        firma.value(0),
        firma.value(1),
        firma.value(2),
        QString(),
        QStringLiteral("Anlagen- Name: ") + anlage,
        QStringLiteral("Datei  - Name: ") + datei,
        komm,
        QStringLiteral("Erste Datensicherung : ") + KompUtils::KurzDatum(locale, erster),
        ColumnTitles(),
    };
    QByteArray kopf;
    for (const QString &z : zeilen) {
        kopf += Cp1252::encode(einzeilig(z));
        kopf += "\r\n";
    }
    return kopf;
}

bool TDataFile::kopfSchreiben(const tAnlageParameter &a, const QString &name) {
    return schreiben(
        Kopf(LeseFirmenZeilen(m_ini), a.Name, name, a.Komm, m_z.Jetzt().date(), m_z.Gebietsschema));
}

QString TDataFile::NeuesteDatendatei(int plant, qint32 *letzteNummer) const {
    if (plant < 1 || plant > MaxAnlagen)
        return QString();
    const tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    // The folder and the name as neuerName() puts them together, on any day.
    const QString pfad = ordnerMitTrenner(m_z, a);
    const QString vorne = imDateinamen(a.Name + QLatin1Char('_'));
    const QByteArray nameZeile = Cp1252::encode(einzeilig(QStringLiteral("Anlagen- Name: ") + a.Name));
    const QFileInfoList dateien = QDir(QDir::fromNativeSeparators(pfad))
                                      .entryInfoList({vorne + QStringLiteral("*.CSV")}, QDir::Files,
                                                     QDir::Time); // newest first
    for (const QFileInfo &info : dateien) {
        const QString datum = info.fileName().mid(vorne.size(), info.fileName().size() - vorne.size() - 4);
        if (datum.isEmpty() || !std::all_of(datum.cbegin(), datum.cend(), imDateinamenErlaubt))
            continue;
        // Another pile's file whose name only begins alike ("Miete_Nord_...")
        // is not it: the name line first, the whole header only then.
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QByteArray zeile;
        for (int i = 0; i <= 4 && !f.atEnd(); ++i)
            zeile = f.readLine(4096);
        while (zeile.endsWith('\n') || zeile.endsWith('\r'))
            zeile.chop(1);
        if (zeile != nameZeile)
            continue;
        const TKopf kopf = KopfPruefen(info.filePath());
        if (kopf.zustand != TKopf::Gueltig)
            continue;
        if (letzteNummer)
            *letzteNummer = kopf.letzteNummer;
        return pfad + info.fileName();
    }
    return QString();
}

bool TDataFile::LaufendeMieteFortsetzen(int plant, QString &fortgesetzt) {
    fortgesetzt.clear();
    if (!gueltig(plant))
        return false;
    qint32 letzte = 0;
    const QString vorhanden = NeuesteDatendatei(plant, &letzte);
    if (vorhanden.isEmpty())
        return NewDataFileName(plant);
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    a.Datei = vorhanden;
    a.Anzahl = letzte;
    fortgesetzt = vorhanden;
    const QString sektion = QString::number(plant);
    const bool datei = m_ini.WriteString(sektion, QStringLiteral("Datei"), a.Datei);
    const bool anzahl = m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), a.Anzahl);
    if (datei && anzahl)
        return true;
    m_fehler = m_ini.LetzterFehler();
    return false;
}

qint64 TDataFile::volumenFrei() const {
    if (Platzabfrage)
        return Platzabfrage(m_datei.fileName());
    QStorageInfo platte(QFileInfo(m_datei.fileName()).absolutePath());
    return platte.isValid() ? platte.bytesAvailable() : -1;
}

qint64 TDataFile::grenzeRest() const {
#if !defined(Q_OS_WIN)
    rlimit grenze{};
    if (getrlimit(RLIMIT_FSIZE, &grenze) == 0 && grenze.rlim_cur != RLIM_INFINITY)
        return qMax<qint64>(0, static_cast<qint64>(grenze.rlim_cur) - m_datei.size());
#endif
    return -1;
}

qint64 TDataFile::Zeilenbedarf(qint32 nummer) {
    // Values that fill their columns; wider ones get the allowance.
    tAnlageMesswerte w;
    w.T = {0, 99999, 99999, 99999, 99999, 99999};
    w.RefMarke = 99999;
    w.O2 = 9999;
    w.Betriebsart = 9;
    w.Laufzeit = 99999;
    w.Zyklen = 99999;
    return RecordLine(qMax<qint32>(1, nummer), QStringLiteral("00.00.0000  00:00"), w).size() +
           ZeilenZuschlag;
}

qint32 TDataFile::PlatzFuer(qint32 datensaetze) {
    if (datensaetze <= 0)
        return 0;
    if (!m_datei.isOpen() || !QFileInfo(m_datei.fileName()).isFile())
        return datensaetze;
    // The volume keeps its reserve; the file size limit is exact.
    qint64 frei = volumenFrei();
    const qint64 gemeldet = frei;
    if (frei >= 0)
        frei = qMax<qint64>(0, frei - Reserve);
    if (const qint64 rest = grenzeRest(); rest >= 0)
        frei = frei < 0 ? rest : qMin(frei, rest);
    if (frei < 0)
        return datensaetze;
    const qint64 proZeile = Zeilenbedarf(m_nummer + datensaetze);
    const qint64 noetig = proZeile * datensaetze;
    if (frei >= noetig)
        return datensaetze;
    const auto passen = static_cast<qint32>(frei / proZeile);
    m_fehler =
        TTexte::tr("Zu wenig Platz in %1: %2 von %3 Datensätzen passen (frei sind %4 Bytes, es fehlen %5 "
                   "Bytes).")
            .arg(QDir::toNativeSeparators(m_datei.fileName()))
            .arg(passen)
            .arg(datensaetze)
            .arg(gemeldet < 0 ? frei : gemeldet)
            .arg(noetig - frei);
    return passen;
}

bool TDataFile::aufDiskBringen() {
    return KompUtils::AufDisk(m_datei, m_grund);
}

bool TDataFile::schreiben(const QByteArray &bytes) {
    if (Schreibsperre) {
        if (const QString grund = Schreibsperre(m_datei.fileName(), bytes); !grund.isEmpty()) {
            m_grund = grund;
            return false;
        }
    }
    // A disk that fills up takes part of the bytes without an error; the
    // write of the rest then fails with the real reason (disk full, file too large).
    qsizetype geschrieben = 0;
    while (geschrieben < bytes.size()) {
        errno = 0;
        const qint64 n = m_datei.write(bytes.constData() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0) {
            const int fehlerNr = errno;
            m_grund = m_datei.error() != QFileDevice::NoError ? m_datei.errorString() : QString();
            if ((m_grund.isEmpty() || m_grund == QLatin1String("Unknown error")) && fehlerNr != 0)
                m_grund = QString::fromLocal8Bit(std::strerror(fehlerNr));
            if (m_grund.isEmpty() || m_grund == QLatin1String("Unknown error"))
                m_grund = TTexte::tr("Der Datenträger nimmt keine weiteren Daten an (voll?).");
            return false;
        }
        geschrieben += n;
    }
    return aufDiskBringen();
}

bool TDataFile::ZeileMitNummer(const QString &pfad, qint32 nummer, QByteArray &zeile) {
    QFile f(pfad);
    if (nummer <= 0 || !f.open(QIODevice::ReadOnly))
        return false;
    // From the end, until the number or a smaller one turns up.
    bool gefunden = false;
    SaetzeVonHinten(f, 16 * 1024, [&](QByteArrayView z, qint32 nr) {
        if (nr == nummer) {
            zeile = z.toByteArray();
            gefunden = true;
        }
        return nr <= nummer;
    });
    return gefunden;
}

bool TDataFile::zeileSchreiben(int plant, const QString &zeit, const tAnlageMesswerte &w,
                               const QString &roh) {
    if (m_nummer >= MaxNummer) {
        m_fehler = TTexte::tr("Die Speicherdatei %1 hat keine Datensatznummern mehr frei.")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()));
        return false;
    }
    const qint32 nummer = m_nummer + 1;
    const qint64 vorher = m_datei.isSequential() ? -1 : m_datei.size();
    if (!schreiben(RecordLine(nummer, zeit, w, roh))) {
        m_fehler = TTexte::tr("Datensatz %1 kann nicht in %2 geschrieben werden: %3")
                       .arg(nummer)
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_grund);
        // take a partly written line back, so that the next record starts a line of its own
        if (vorher >= 0 && m_datei.size() > vorher)
            m_datei.resize(vorher);
        return false;
    }
    m_nummer = nummer;
    if (m_aktuell)
        m_z.Anlagen[static_cast<size_t>(plant)].Anzahl = nummer;
    if (m_ereignisse && roh.isEmpty())
        m_ereignisse->DatensatzGeschrieben(plant, m_datei.fileName(), nummer, zeit, w);
    return true;
}

void TDataFile::gehalteneMelden() {
    if (GehalteneGesichert)
        GehalteneGesichert(!m_gehalten.Ungesichert(), m_gehalten.Fehler());
}

void TDataFile::behalten(const tGehaltenerDatensatz &d) {
    m_gehalten.Behalten(d);
    gehalteneMelden();
}

bool TDataFile::gehalteneInOffene(int plant) {
    const QString offen = m_datei.fileName();
    for (const tGehaltenerDatensatz &d : m_gehalten.VonAnlage(plant)) {
        // Records kept before the plant had a file name belong to its own file.
        if (d.Datei != offen && !(d.Datei.isEmpty() && m_aktuell))
            continue;
        // Written before, but the list could not be rewritten (a crash, a
        // refused write): its number is in the file with its line. It only
        // goes off the list.
        // A record kept by an earlier version carries no number: the file's
        // last line, when it is that record's, is the one written before a crash.
        const qint32 frueher = d.Nummer > 0 ? d.Nummer : m_nummer;
        if (frueher > 0 && frueher <= m_nummer) {
            QByteArray zeile;
            const QByteArray erwartet = RecordLine(frueher, d.Zeit, d.Werte, d.Roh).chopped(2);
            if (ZeileMitNummer(offen, frueher, zeile) && zeile == erwartet) {
                m_gehalten.ErstenEntfernen(plant, d.Datei);
                gehalteneMelden();
                continue;
            }
        }
        // The list holds the number before the line is written, so that a
        // crash right after the write cannot have it written once more.
        const qint32 nummer = m_nummer + 1;
        if (d.Nummer != nummer && !m_gehalten.ErstemNummerGeben(plant, d.Datei, nummer)) {
            gehalteneMelden();
            m_fehler =
                TTexte::tr("Die Liste der gehaltenen Datensätze kann nicht geschrieben werden; der "
                           "gehaltene Datensatz wird erst danach in %1 geschrieben, damit er dort nicht "
                           "doppelt steht:")
                    .arg(QDir::toNativeSeparators(offen)) +
                QLatin1Char('\n') + m_gehalten.Fehler();
            return false;
        }
        if (!zeileSchreiben(plant, d.Zeit, d.Werte, d.Roh))
            return false;
        m_gehalten.ErstenEntfernen(plant, d.Datei);
        gehalteneMelden();
    }
    return true;
}

bool TDataFile::WriteDataRecord(int plant, const QString &zeit, const tAnlageMesswerte &w,
                                const QString &roh) {
    if (!gueltig(plant))
        return false;
    ordnerSetzen();
    const auto behalte = [&](const QString &datei, qint32 nummer) {
        tGehaltenerDatensatz d{plant, datei, zeit, w, roh, nummer};
        behalten(d);
        return false;
    };
    if (!m_datei.isOpen() || m_offenePlant != plant) {
        m_fehler = TTexte::tr("Die Speicherdatei der Anlage %1 ist nicht geöffnet.").arg(plant);
        // The record came from the controller all the same: it goes into the plant's file later.
        return behalte(m_z.Anlagen[static_cast<size_t>(plant)].Datei, 0);
    }
    // What was kept for this file goes in first, so that the lines stay in the order the records came.
    if (!gehalteneInOffene(plant) || !zeileSchreiben(plant, zeit, w, roh)) {
        // Its number: after the file's last record and those kept for it before.
        const QString offen = m_datei.fileName();
        qint32 nummer = m_nummer + 1;
        for (const tGehaltenerDatensatz &d : m_gehalten.VonAnlage(plant))
            if (d.Datei == offen || (d.Datei.isEmpty() && m_aktuell))
                nummer = qMax(nummer, d.Nummer + 1);
        return behalte(offen, nummer);
    }
    return true;
}

bool TDataFile::CloseDataFile(int plant) {
    if (!gueltig(plant))
        return false;
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    const bool frueher = m_datei.isOpen() && !m_aktuell;
    if (m_datei.isOpen()) {
        bool ok = aufDiskBringen();
        m_datei.close();
        m_offenePlant = 0;
        if (ok && m_datei.error() != QFileDevice::NoError) {
            ok = false;
            m_grund = m_datei.errorString();
        }
        if (!ok) {
            m_fehler = TTexte::tr("Speicherdatei %1 kann nicht geschlossen werden: %2")
                           .arg(QDir::toNativeSeparators(m_datei.fileName()), m_grund);
            return false;
        }
    }
    // The records are on the disk: a configuration that cannot take the
    // count is a fault of its own (the next readout counts from the file).
    const QString sektion = QString::number(plant);
    if (!frueher) {
        konfiguration(m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), a.Anzahl));
    } else if (gleicheDatei(LetzteDatei(plant), m_datei.fileName())) {
        // An earlier pile's file: its count, where the configuration still names it.
        konfiguration(m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), m_nummer));
    }
    return true;
}

void TDataFile::SetzeAusweichordner(const QString &ordner) {
    m_ausweichordner = ordner;
}

void TDataFile::ordnerSetzen() {
    m_gehalten.SetzeOrdner({m_z.Heimordner, m_ausweichordner});
}

bool TDataFile::GehalteneLaden() {
    ordnerSetzen();
    return m_gehalten.Laden();
}

bool TDataFile::GehalteneSchreiben(int plant) {
    if (!gueltig(plant))
        return false;
    if (m_datei.isOpen())
        CloseDataFile(m_offenePlant);
    m_konfigFehler.clear();
    ordnerSetzen();
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    // File by file, in the order their oldest kept records came.
    for (QList<tGehaltenerDatensatz> liste = m_gehalten.VonAnlage(plant); !liste.isEmpty();
         liste = m_gehalten.VonAnlage(plant)) {
        const QString datei = liste.first().Datei;
        const bool aktuell = datei.isEmpty() || gleicheDatei(datei, a.Datei);
        const QString konfigVorher = m_konfigFehler;
        const bool offen = aktuell ? OpenDataFile(plant) : oeffnen(plant, datei, false);
        if (m_konfigFehler.isEmpty())
            m_konfigFehler = konfigVorher;
        if (!offen)
            return false;
        const bool ok = gehalteneInOffene(plant);
        if (aktuell) {
            const QString fehler = m_fehler;
            if (!CloseDataFile(plant))
                return false;
            m_fehler = fehler;
        } else {
            const bool draussen = aufDiskBringen();
            m_datei.close();
            m_offenePlant = 0;
            if (!draussen) {
                m_fehler = TTexte::tr("Speicherdatei %1 kann nicht geschlossen werden: %2")
                               .arg(QDir::toNativeSeparators(datei), m_grund);
                return false;
            }
        }
        if (!ok)
            return false;
    }
    return true;
}

void TDataFile::schliessenOhneZaehler() {
    if (m_datei.isOpen())
        m_datei.close();
    m_offenePlant = 0;
}

// TDataFile: naming, creating, appending to and closing the data file of a plant.
#include "UMessDaten.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"
#include "shell/UIniDatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("TDataFile", text);
}

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

// Whether the file is empty or its last byte ends a line.
bool endetMitZeilenende(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0)
        return true;
    char letztes = '\n';
    return !f.seek(f.size() - 1) || !f.getChar(&letztes) || letztes == '\n' || letztes == '\r';
}

} // namespace

TDataFile::TDataFile(TZustand &z, TIniDatei &ini) : m_z(z), m_ini(ini) {
}

TDataFile::~TDataFile() {
    schliessenOhneZaehler();
}

bool TDataFile::gueltig(int plant) {
    if (plant >= 1 && plant <= MaxAnlagen)
        return true;
    m_fehler = tr("Anlage %1 gibt es nicht.").arg(plant);
    return false;
}

QString TDataFile::ColumnTitles() {
    return QStringLiteral(
        " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen");
}

QByteArray TDataFile::RecordLine(qint32 nummer, const QString &zeit, const tAnlageMesswerte &w) {
    // "%d;%s;%5d;%5d;%5d;%5d;%5d;%5d;%5.1f;%d;%5d;%5d;" with a decimal comma,
    // whatever the locale
    QByteArray zeile;
    zeile.reserve(96);
    zeile += QByteArray::number(nummer);
    zeile += ';';
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

bool TDataFile::NewDataFileName(int plant) {
    if (!gueltig(plant))
        return false;
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    QString pfad = a.Pfad;
    if (pfad.isEmpty())
        pfad = QDir::toNativeSeparators(m_z.Heimordner);
    if (!pfad.isEmpty() && !pfad.endsWith(QDir::separator()) && !pfad.endsWith(QLatin1Char('/')))
        pfad += QDir::separator();
    a.Pfad = pfad;

    QString text = a.Name + QLatin1Char('_') + KompUtils::KurzDatum(m_z.Gebietsschema, m_z.Jetzt().date());
    for (QChar &c : text)
        if (!imDateinamenErlaubt(c))
            c = QLatin1Char('-');
    a.Datei = pfad + text + QStringLiteral(".CSV");
    a.Anzahl = 0;

    const QString sektion = QString::number(plant);
    if (!m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), 0) ||
        !m_ini.WriteString(sektion, QStringLiteral("Datei"), a.Datei)) {
        m_fehler = m_ini.LetzterFehler();
        return false;
    }
    return true;
}

bool TDataFile::OpenDataFile(int plant) {
    if (!gueltig(plant))
        return false;
    if (m_datei.isOpen())
        CloseDataFile(m_offenePlant);
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    if (a.Datei.isEmpty())
        NewDataFileName(plant); // a configuration that cannot be written does not stop the readout

    m_datei.setFileName(a.Datei);
    if (QFileInfo::exists(a.Datei)) {
        if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            m_fehler =
                tr("Speicherdatei %1 kann nicht geöffnet werden: %2").arg(a.Datei, m_datei.errorString());
            return false;
        }
        m_offenePlant = plant;
        // A last line without its line end (a crash in mid-write) would have
        // the next record glued to it: the next record starts on a line of its own.
        if (!endetMitZeilenende(a.Datei) && !schreiben(QByteArrayLiteral("\r\n"))) {
            m_fehler = tr("Speicherdatei %1 kann nicht beschrieben werden: %2").arg(a.Datei, m_grund);
            schliessenOhneZaehler();
            return false;
        }
        return true;
    }

    // A new file: its first record is number 1, also when the count still
    // belongs to a file that was deleted or moved away.
    if (a.Anzahl != 0) {
        a.Anzahl = 0;
        m_ini.WriteInteger(QString::number(plant), QStringLiteral("Anzahl"), 0);
    }
    if (!m_datei.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        m_fehler = tr("Speicherdatei %1 kann nicht angelegt werden: %2").arg(a.Datei, m_datei.errorString());
        return false;
    }
    if (!kopfSchreiben(a)) {
        m_fehler = tr("Speicherdatei %1 kann nicht beschrieben werden: %2").arg(a.Datei, m_grund);
        m_datei.close();
        // a file without its complete header would be refused by every reader
        QFile::remove(a.Datei);
        return false;
    }
    m_offenePlant = plant;
    return true;
}

bool TDataFile::kopfSchreiben(tAnlageParameter &a) {
    const QString firma = QStringLiteral("Firma");
    const QStringList zeilen{
        m_ini.ReadString(firma, QStringLiteral("Titel"), QStringLiteral("Firmen- Name")),
        m_ini.ReadString(firma, QStringLiteral("Zeile2"), QStringLiteral("* Text *")),
        m_ini.ReadString(firma, QStringLiteral("Zeile3"), QStringLiteral("* Text *")),
        QString(),
        QStringLiteral("Anlagen- Name: ") + a.Name,
        QStringLiteral("Datei  - Name: ") + a.Datei,
        a.Komm,
        QStringLiteral("Erste Datensicherung : ") +
            KompUtils::KurzDatum(m_z.Gebietsschema, m_z.Jetzt().date()),
        ColumnTitles(),
    };
    QByteArray kopf;
    for (const QString &z : zeilen) {
        kopf += Cp1252::encode(einzeilig(z));
        kopf += "\r\n";
    }
    return schreiben(kopf);
}

bool TDataFile::aufDiskBringen() {
    if (!m_datei.flush()) {
        m_grund = m_datei.errorString();
        return false;
    }
#if defined(Q_OS_WIN)
    const int fd = m_datei.handle();
    if (fd >= 0 && _commit(fd) != 0) {
        m_grund = tr("Die Daten erreichen das Speichermedium nicht.");
        return false;
    }
#else
    if (::fsync(m_datei.handle()) != 0) {
        m_grund = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#endif
    return true;
}

bool TDataFile::schreiben(const QByteArray &bytes) {
    if (m_datei.write(bytes) != bytes.size()) {
        m_grund = m_datei.errorString();
        return false;
    }
    return aufDiskBringen();
}

bool TDataFile::WriteDataRecord(int plant, const QString &zeit, const tAnlageMesswerte &w) {
    if (!gueltig(plant))
        return false;
    if (!m_datei.isOpen() || m_offenePlant != plant) {
        m_fehler = tr("Die Speicherdatei der Anlage %1 ist nicht geöffnet.").arg(plant);
        return false;
    }
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    ++a.Anzahl;
    const qint64 vorher = m_datei.isSequential() ? -1 : m_datei.size();
    if (!schreiben(RecordLine(a.Anzahl, zeit, w))) {
        m_fehler =
            tr("Datensatz %1 kann nicht in %2 geschrieben werden: %3").arg(a.Anzahl).arg(a.Datei, m_grund);
        // take a partly written line back, so that the next record starts a line of its own
        if (vorher >= 0 && m_datei.size() > vorher)
            m_datei.resize(vorher);
        return false;
    }
    return true;
}

bool TDataFile::CloseDataFile(int plant) {
    if (!gueltig(plant))
        return false;
    tAnlageParameter &a = m_z.Anlagen[static_cast<size_t>(plant)];
    if (m_datei.isOpen()) {
        bool ok = aufDiskBringen();
        m_datei.close();
        m_offenePlant = 0;
        if (ok && m_datei.error() != QFileDevice::NoError) {
            ok = false;
            m_grund = m_datei.errorString();
        }
        if (!ok) {
            m_fehler = tr("Speicherdatei %1 kann nicht geschlossen werden: %2").arg(a.Datei, m_grund);
            return false;
        }
    }
    if (!m_ini.WriteInteger(QString::number(plant), QStringLiteral("Anzahl"), a.Anzahl)) {
        m_fehler = m_ini.LetzterFehler();
        return false;
    }
    return true;
}

void TDataFile::schliessenOhneZaehler() {
    if (m_datei.isOpen())
        m_datei.close();
    m_offenePlant = 0;
}

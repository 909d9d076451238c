#include "alarm/UAlarmJournal.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const QString ZeitFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TAlarmJournal)
};

QString ohneTrenner(QString text) {
    for (QChar &c : text)
        if (c == QLatin1Char(';') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

TAlarmJournal::TAlarmJournal(const QString &ordner) : m_ordner(ordner) {
}

QString TAlarmJournal::DateiName(int jahr) {
    return QStringLiteral("Alarme_%1.CSV").arg(jahr, 4, 10, QLatin1Char('0'));
}

QString TAlarmJournal::Pfad(int jahr) const {
    return QDir(m_ordner).filePath(DateiName(jahr));
}

QByteArray TAlarmJournal::Zeile(const tAlarmEreignis &e) {
    const QString text = e.Zeit.toString(ZeitFormat) + QLatin1Char(';') +
                         (e.Anlage > 0 ? QString::number(e.Anlage) : QString()) + QLatin1Char(';') +
                         ohneTrenner(e.Text) + QLatin1Char(';') + ohneTrenner(e.Zustand);
    return Cp1252::encode(text) + QByteArrayLiteral("\r\n");
}

bool TAlarmJournal::ZeileLesen(QByteArrayView zeile, tAlarmEreignis &e) {
    while (!zeile.isEmpty() && (zeile.back() == '\r' || zeile.back() == '\n'))
        zeile.chop(1);
    const QStringList felder = Cp1252::decode(zeile.toByteArray()).split(QLatin1Char(';'));
    if (felder.size() != 4)
        return false;
    const QDateTime zeit = QDateTime::fromString(felder.at(0).trimmed(), ZeitFormat);
    if (!zeit.isValid())
        return false;
    int anlage = 0;
    if (!felder.at(1).trimmed().isEmpty()) {
        bool ok = false;
        anlage = felder.at(1).trimmed().toInt(&ok);
        if (!ok || anlage < 1 || anlage > MaxAnlagen)
            return false;
    }
    const QString text = felder.at(2).trimmed();
    const QString zustand = felder.at(3).trimmed();
    if (text.isEmpty() || (zustand != QLatin1String("kommt") && zustand != QLatin1String("geht") &&
                           zustand != QLatin1String("quittiert")))
        return false;
    e = tAlarmEreignis{zeit, anlage, text, zustand};
    return true;
}

bool TAlarmJournal::Schreiben(const tAlarmEreignis &e) {
    const QString pfad = Pfad(e.Zeit.date().year());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_fehler = TTexte::tr("Das Alarmjournal %1 kann nicht geöffnet werden: %2")
                       .arg(QDir::toNativeSeparators(pfad), f.errorString());
        return false;
    }
    const QByteArray zeile = Zeile(e);
    const qint64 vorher = f.size();
    if (f.write(zeile) != zeile.size() || !f.flush()) {
        m_fehler = TTexte::tr("Das Alarmjournal %1 kann nicht geschrieben werden: %2")
                       .arg(QDir::toNativeSeparators(pfad), f.errorString());
        // a torn line would join the next one: taken back
        f.resize(vorher);
        return false;
    }
    // flushed above: only the sync can fail here
    if (QString grund; !KompUtils::AufDisk(f, grund)) {
        m_fehler = TTexte::tr("Das Alarmjournal %1 erreicht das Speichermedium nicht: %2")
                       .arg(QDir::toNativeSeparators(pfad), grund);
        return false;
    }
    m_fehler.clear();
    return true;
}

QList<tAlarmEreignis> TAlarmJournal::Lesen(int von, int bis, int *unlesbar) const {
    QList<tAlarmEreignis> liste;
    int schlecht = 0;
    for (int jahr = von; jahr <= bis; ++jahr) {
        QFile f(Pfad(jahr));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray daten = f.readAll();
        qsizetype anfang = 0;
        while (anfang < daten.size()) {
            qsizetype ende = daten.indexOf('\n', anfang);
            if (ende < 0)
                ende = daten.size();
            const QByteArrayView zeile(daten.constData() + anfang, ende - anfang);
            anfang = ende + 1;
            if (zeile.trimmed().isEmpty())
                continue;
            tAlarmEreignis e;
            if (ZeileLesen(zeile, e))
                liste.append(e);
            else
                ++schlecht;
        }
    }
    if (unlesbar)
        *unlesbar = schlecht;
    return liste;
}

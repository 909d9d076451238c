#include "mqtt/UMqttAusgang.h"

#include "shell/KompUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TMqttAusgang)
};

} // namespace

TMqttAusgang::TMqttAusgang(const QString &ordner) : m_ordner(ordner) {
    m_datei.setFileName(QDir(ordner).filePath(QLatin1String(DateiName)));
    laden();
}

TMqttAusgang::~TMqttAusgang() {
    Sichern();
}

QByteArray TMqttAusgang::zeile(const tNachricht &n) {
    return QByteArray::number(n.Nummer) + '\t' + n.Thema + '\t' + n.Inhalt + '\n';
}

bool TMqttAusgang::zerlege(const QByteArray &zeile, tNachricht &n) {
    if (!zeile.endsWith('\n'))
        return false;
    const qsizetype tab1 = zeile.indexOf('\t');
    const qsizetype tab2 = tab1 < 0 ? -1 : zeile.indexOf('\t', tab1 + 1);
    if (tab2 < 0)
        return false;
    bool ok = false;
    n.Nummer = zeile.left(tab1).toLongLong(&ok);
    if (!ok || n.Nummer <= 0)
        return false;
    n.Thema = zeile.mid(tab1 + 1, tab2 - tab1 - 1);
    n.Inhalt = zeile.mid(tab2 + 1, zeile.size() - tab2 - 2);
    return !n.Thema.isEmpty() && !n.Inhalt.isEmpty();
}

bool TMqttAusgang::laden() {
    QFile marke(QDir(m_ordner).filePath(QLatin1String(MarkeName)));
    if (marke.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const qint64 wert = marke.readAll().trimmed().toLongLong(&ok);
        if (ok && wert > 0)
            m_bestaetigtBis = wert;
    }
    m_markeGeschrieben = m_bestaetigtBis;
    m_naechsteNummer = m_bestaetigtBis + 1;
    if (!m_datei.open(QIODevice::ReadWrite)) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geöffnet werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        return false;
    }
    qint64 pos = 0;
    qint64 erste = -1;
    tNachricht n;
    while (!m_datei.atEnd()) {
        const QByteArray z = m_datei.readLine();
        if (z.isEmpty() || !z.endsWith('\n'))
            break; // cut off by a crash while it was written
        if (zerlege(z, n)) {
            m_naechsteNummer = std::max(m_naechsteNummer, n.Nummer + 1);
            if (n.Nummer > m_bestaetigtBis) {
                if (erste < 0)
                    erste = pos;
                ++m_wartend;
            }
        }
        pos += z.size();
    }
    if (pos < m_datei.size() && !m_datei.resize(pos)) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geschrieben werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        m_datei.close();
        return false;
    }
    m_groesse = pos;
    m_erstePos = erste < 0 ? pos : erste;
    m_lesePos = m_erstePos;
    return true;
}

bool TMqttAusgang::oeffnen() {
    if (m_datei.isOpen())
        return true;
    // Opened late (it could not be at the start): only an empty file, so that
    // no message it may hold is taken for sent.
    if (!m_datei.open(QIODevice::ReadWrite)) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geöffnet werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        return false;
    }
    if (m_datei.size() != 0) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht gelesen werden.")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()));
        m_datei.close();
        return false;
    }
    m_groesse = m_erstePos = m_lesePos = 0;
    return true;
}

bool TMqttAusgang::schreibeAufDisk(const QByteArray &bytes) {
    if (!oeffnen())
        return false;
    QString grund;
    bool ok = m_datei.seek(m_groesse);
    qsizetype geschrieben = 0;
    while (ok && geschrieben < bytes.size()) {
        errno = 0;
        const qint64 n = m_datei.write(bytes.constData() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0)
            ok = false;
        else
            geschrieben += n;
    }
    ok = ok && KompUtils::AufDisk(m_datei, grund);
    if (ok)
        return true;
    if (grund.isEmpty())
        grund = m_datei.error() != QFileDevice::NoError ? m_datei.errorString()
                                                        : QString::fromLocal8Bit(std::strerror(errno));
    m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geschrieben werden: %2")
                   .arg(QDir::toNativeSeparators(m_datei.fileName()), grund);
    // a partly written line is taken back, so that the next one starts a line of its own
    m_datei.unsetError();
    if (m_datei.size() > m_groesse)
        m_datei.resize(m_groesse);
    return false;
}

bool TMqttAusgang::Anhaengen(const QByteArray &thema, const QByteArray &inhalt) {
    tNachricht n;
    n.Nummer = m_naechsteNummer++;
    n.Thema = thema;
    n.Inhalt = inhalt;
    ++m_wartend;
    // Messages in memory go first, so that the file keeps the order.
    if (m_speicher.isEmpty() || speicherSichern()) {
        const QByteArray z = zeile(n);
        if (schreibeAufDisk(z)) {
            m_groesse += z.size();
            m_fehler.clear();
            return true;
        }
    }
    m_speicher.append(n);
    return false;
}

bool TMqttAusgang::speicherSichern() {
    if (m_speicher.isEmpty())
        return true;
    QByteArray bytes;
    QList<qint64> enden;
    const qint64 alt = m_groesse;
    for (const tNachricht &n : std::as_const(m_speicher)) {
        bytes += zeile(n);
        enden.append(alt + bytes.size());
    }
    if (!schreibeAufDisk(bytes))
        return false;
    for (auto it = m_unterwegs.begin(); it != m_unterwegs.end(); ++it) {
        if (it->ende >= 0)
            continue;
        for (qsizetype i = 0; i < m_speicher.size(); ++i)
            if (m_speicher.at(i).Nummer == it.key())
                it->ende = enden.at(i);
    }
    // The messages in memory were handed out only after the whole file.
    if (m_speicherIndex > 0)
        m_lesePos = enden.at(m_speicherIndex - 1);
    m_groesse = alt + bytes.size();
    m_speicher.clear();
    m_speicherIndex = 0;
    m_fehler.clear();
    return true;
}

bool TMqttAusgang::Naechste(tNachricht &n) {
    while (m_datei.isOpen() && m_lesePos < m_groesse) {
        const qint64 anfang = m_lesePos;
        QByteArray z;
        if (m_datei.seek(anfang))
            z = m_datei.readLine();
        if (z.isEmpty()) {
            m_lesePos = m_groesse; // cannot be read: nothing more of the file
            break;
        }
        m_lesePos += z.size();
        if (!zerlege(z, n) || n.Nummer <= m_bestaetigtBis) {
            // a line no one can send: passed over
            if (m_unterwegs.isEmpty() && anfang == m_erstePos)
                m_erstePos = m_lesePos;
            continue;
        }
        m_unterwegs.insert(n.Nummer, tUnterwegs{m_lesePos, false});
        return true;
    }
    if (m_speicherIndex < m_speicher.size()) {
        n = m_speicher.at(m_speicherIndex++);
        m_unterwegs.insert(n.Nummer, tUnterwegs{-1, false});
        return true;
    }
    return false;
}

void TMqttAusgang::Zurueckspulen() {
    m_unterwegs.clear();
    m_lesePos = m_erstePos;
    m_speicherIndex = 0;
}

void TMqttAusgang::Bestaetigt(qint64 nummer) {
    auto it = m_unterwegs.find(nummer);
    if (it == m_unterwegs.end())
        return;
    it->bestaetigt = true;
    while (!m_unterwegs.isEmpty() && m_unterwegs.first().bestaetigt) {
        const qint64 nr = m_unterwegs.firstKey();
        const tUnterwegs u = m_unterwegs.first();
        m_unterwegs.erase(m_unterwegs.begin());
        if (u.ende >= 0) {
            m_erstePos = u.ende;
        } else if (!m_speicher.isEmpty() && m_speicher.first().Nummer == nr) {
            m_speicher.removeFirst();
            if (m_speicherIndex > 0)
                --m_speicherIndex;
        }
        m_bestaetigtBis = nr;
        if (m_wartend > 0)
            --m_wartend;
    }
}

bool TMqttAusgang::markeSchreiben() {
    QSaveFile f(QDir(m_ordner).filePath(QLatin1String(MarkeName)));
    if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray::number(m_bestaetigtBis) + '\n') < 0 ||
        !f.commit()) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geschrieben werden: %2")
                       .arg(QDir::toNativeSeparators(f.fileName()), f.errorString());
        return false;
    }
    m_markeGeschrieben = m_bestaetigtBis;
    return true;
}

void TMqttAusgang::kuerzen() {
    if (!m_datei.isOpen() || m_erstePos == 0 || m_markeGeschrieben != m_bestaetigtBis)
        return;
    if (m_erstePos >= m_groesse && m_unterwegs.isEmpty()) {
        // Everything in the file is acknowledged: it starts empty again.
        if (m_datei.resize(0)) {
            m_groesse = m_erstePos = m_lesePos = 0;
            QString grund; // unsynced, a crash at most sends acknowledged messages again
            KompUtils::AufDisk(m_datei, grund);
        }
        return;
    }
    // An acknowledged beginning of a megabyte that is at least half of the
    // file is cut off, so that a long outage does not leave a file that only grows.
    if (m_erstePos < m_kuerzenAb || m_erstePos * 2 < m_groesse)
        return;
    // A long acknowledged beginning: the rest goes to a new file that takes
    // the old one's place in one step.
    QByteArray rest;
    if (!m_datei.seek(m_erstePos))
        return;
    rest = m_datei.read(m_groesse - m_erstePos);
    if (rest.size() != m_groesse - m_erstePos)
        return;
    QSaveFile neu(m_datei.fileName());
    if (!neu.open(QIODevice::WriteOnly) || neu.write(rest) != rest.size())
        return;
    m_datei.close();
    const bool ok = neu.commit();
    if (!m_datei.open(QIODevice::ReadWrite)) {
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geöffnet werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        return;
    }
    if (!ok)
        return;
    const qint64 schnitt = m_erstePos;
    for (tUnterwegs &u : m_unterwegs)
        if (u.ende >= 0)
            u.ende -= schnitt;
    m_lesePos -= schnitt;
    m_groesse -= schnitt;
    m_erstePos = 0;
}

void TMqttAusgang::Sichern() {
    if (!m_speicher.isEmpty())
        speicherSichern();
    if (m_bestaetigtBis != m_markeGeschrieben)
        markeSchreiben();
    kuerzen();
}

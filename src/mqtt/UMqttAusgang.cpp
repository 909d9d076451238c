#include "mqtt/UMqttAusgang.h"

#include "shell/KompUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

#include <utility>

#include <cerrno>
#include <cstring>

namespace {

struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TMqttAusgang)
};

// No marker this outbox writes is this high.
constexpr qint64 MaxNummer = qint64(1) << 50;

// The beginning of a damaged line for the event log: printable ASCII as it
// is, every other byte as \xNN, never a line break.
QString Auszug(const QByteArray &z) {
    constexpr qsizetype Laenge = 80;
    QByteArray teil = z.left(Laenge);
    if (teil.endsWith('\n'))
        teil.chop(1);
    QString t;
    for (const char c : std::as_const(teil)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && b != '\\')
            t += QLatin1Char(c);
        else
            t += QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    if (z.size() > Laenge)
        t += QStringLiteral("...");
    return QStringLiteral("\"") + t + QStringLiteral("\"");
}

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

bool TMqttAusgang::sendbar(const QByteArray &zeile, tNachricht &n) {
    if (zeile.size() > MaxZeile || !zerlege(zeile, n))
        return false;
    // A topic below kompost/<S>/ of printable characters without wildcards.
    for (const char c : std::as_const(n.Thema))
        if (c <= ' ' || c > '~' || c == '+' || c == '#')
            return false;
    QJsonParseError fehler{};
    const QJsonDocument d = QJsonDocument::fromJson(n.Inhalt, &fehler);
    return fehler.error == QJsonParseError::NoError && d.isObject();
}

void TMqttAusgang::schaden(const QString &text) {
    m_schaeden.append(text);
}

QStringList TMqttAusgang::Schaeden() {
    return std::exchange(m_schaeden, {});
}

bool TMqttAusgang::laden() {
    const QString name = QLatin1String(DateiName);
    // How far the broker has acknowledged. None yet: nothing is.
    bool markeGut = true;
    QFile marke(QDir(m_ordner).filePath(QLatin1String(MarkeName)));
    if (marke.open(QIODevice::ReadOnly)) {
        const QByteArray inhalt = marke.read(64);
        bool ok = false;
        const qint64 wert = inhalt.trimmed().toLongLong(&ok);
        if (ok && wert >= 0 && wert < MaxNummer) {
            m_bestaetigtBis = wert;
        } else {
            markeGut = false;
            schaden(TTexte::tr("%1: die Marke %2 ist unlesbar: %3")
                        .arg(name, QLatin1String(MarkeName), Auszug(inhalt)));
        }
    } else if (marke.exists()) {
        markeGut = false;
        schaden(TTexte::tr("%1: die Marke %2 ist unlesbar: %3")
                    .arg(name, QLatin1String(MarkeName), marke.errorString()));
    }
    if (!m_datei.open(QIODevice::ReadWrite)) {
        m_markeGeschrieben = m_bestaetigtBis;
        m_naechsteNummer = m_bestaetigtBis + 1;
        m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geöffnet werden: %2")
                       .arg(QDir::toNativeSeparators(m_datei.fileName()), m_datei.errorString());
        return false;
    }

    // Every line: where it is, how long, its number if it can be sent.
    QList<QPair<qint64, qint64>> gute; // start and length of the lines that can be sent
    qint64 erste = -1;                 // the first of them not acknowledged
    qint64 pos = 0, hoechste = 0, vorige = 0, wartend = 0;
    bool steigend = true;
    int zeilenNr = 0, unsendbar = 0;
    // A run of lines without a number, reported as one.
    int laufVon = 0, laufBis = 0;
    QString laufGrund, laufAuszug;
    const auto laufMelden = [&] {
        if (laufVon == 0)
            return;
        const QString grund = TTexte::tr(laufGrund.toUtf8().constData());
        if (laufVon == laufBis)
            schaden(TTexte::tr("%1: %2 kann nicht gesendet werden (%3): %4")
                        .arg(name, TTexte::tr("Zeile %1").arg(laufVon), grund, laufAuszug));
        else
            schaden(TTexte::tr("%1: Zeilen %2 bis %3 können nicht gesendet werden (%4): %5")
                        .arg(name)
                        .arg(laufVon)
                        .arg(laufBis)
                        .arg(grund, laufAuszug));
        laufVon = 0;
    };
    tNachricht n;
    while (!m_datei.atEnd()) {
        ++zeilenNr;
        const QByteArray z = m_datei.readLine(MaxZeile + 1);
        if (z.isEmpty()) {
            // cannot be read further: the rest is not written over
            ++unsendbar;
            laufMelden();
            schaden(TTexte::tr("%1: ab Zeile %2 nicht lesbar: %3")
                        .arg(name)
                        .arg(zeilenNr)
                        .arg(m_datei.errorString()));
            break;
        }
        qint64 laenge = z.size();
        bool ganz = z.endsWith('\n');
        // A line far too long is passed over to its end, without keeping it.
        while (!ganz && laenge > MaxZeile && !m_datei.atEnd()) {
            const QByteArray rest = m_datei.readLine(MaxZeile + 1);
            if (rest.isEmpty())
                break;
            laenge += rest.size();
            ganz = rest.endsWith('\n');
        }
        if (ganz && sendbar(z, n)) {
            laufMelden();
            steigend = steigend && n.Nummer > vorige;
            vorige = n.Nummer;
            hoechste = std::max(hoechste, n.Nummer);
            if (n.Nummer > m_bestaetigtBis) {
                if (erste < 0)
                    erste = pos;
                ++wartend;
            }
            gute.append({pos, laenge});
        } else {
            ++unsendbar;
            const char *grund = !ganz               ? QT_TRANSLATE_NOOP("TMqttAusgang", "abgeschnitten")
                                : laenge > MaxZeile ? QT_TRANSLATE_NOOP("TMqttAusgang", "zu lang")
                                                    : QT_TRANSLATE_NOOP("TMqttAusgang", "unlesbar");
            const qsizetype tab = z.indexOf('\t');
            bool ok = false;
            const qint64 nr = tab > 0 ? z.left(tab).toLongLong(&ok) : 0;
            if (ok && nr > 0) {
                laufMelden();
                schaden(TTexte::tr("%1: %2 kann nicht gesendet werden (%3): %4")
                            .arg(name, TTexte::tr("Zeile %1 (Nachricht %2)").arg(zeilenNr).arg(nr),
                                 TTexte::tr(grund), Auszug(z)));
            } else if (laufVon > 0 && laufGrund == QLatin1String(grund)) {
                laufBis = zeilenNr;
            } else {
                laufMelden();
                laufVon = laufBis = zeilenNr;
                laufGrund = QLatin1String(grund);
                laufAuszug = Auszug(z);
            }
        }
        pos += laenge;
    }
    laufMelden();

    // A marker beyond the last message cannot be the broker's: nothing of the
    // file is taken for acknowledged. Nor when the numbers do not rise.
    const bool hinterEnde = markeGut && !gute.isEmpty() && m_bestaetigtBis > hoechste;
    if (hinterEnde)
        schaden(TTexte::tr("%1: die Marke %2 steht hinter dem Ende (Nachricht %3, die letzte ist %4)")
                    .arg(name, QLatin1String(MarkeName))
                    .arg(m_bestaetigtBis)
                    .arg(hoechste));
    if (!steigend)
        schaden(TTexte::tr("%1: die Nummern der Nachrichten steigen nicht auf").arg(name));
    const bool vertraut = markeGut && steigend && !hinterEnde;

    if (unsendbar == 0 && vertraut) {
        m_markeGeschrieben = m_bestaetigtBis;
        m_naechsteNummer = std::max(m_bestaetigtBis, hoechste) + 1;
        m_wartend = wartend;
        m_groesse = pos;
        m_erstePos = erste < 0 ? pos : erste;
        m_lesePos = m_erstePos;
        return true;
    }

    // Damaged: the lines that can be sent (those not acknowledged, or all
    // when the marker cannot be trusted) go to a fresh file, numbered above
    // everything used before.
    QList<QPair<qint64, qint64>> behalten;
    for (const auto &g : std::as_const(gute))
        if (!vertraut || g.first >= erste)
            behalten.append(g);
    if (vertraut && erste < 0)
        behalten.clear();
    QStringList teile;
    if (unsendbar > 0)
        teile.append(TTexte::tr("%1 Zeile(n) können nicht gesendet werden").arg(unsendbar));
    if (!vertraut)
        teile.append(TTexte::tr("%1 Nachricht(en) werden noch einmal gesendet").arg(behalten.size()));
    m_schadenGrund = name + QStringLiteral(": ") + teile.join(QStringLiteral("; "));
    return neuSchreiben(behalten, std::max(m_bestaetigtBis, hoechste) + 1);
}

bool TMqttAusgang::neuSchreiben(const QList<QPair<qint64, qint64>> &zeilen, qint64 basis) {
    QList<tNachricht> nachrichten;
    QByteArray bytes;
    tNachricht n;
    for (const auto &[anfang, laenge] : zeilen) {
        if (!m_datei.seek(anfang) || !zerlege(m_datei.read(laenge), n))
            continue; // was read a moment ago
        n.Nummer = basis + nachrichten.size();
        bytes += zeile(n);
        nachrichten.append(n);
    }
    m_naechsteNummer = basis + nachrichten.size();
    m_bestaetigtBis = basis - 1;
    m_schadenBis = m_naechsteNummer - 1;
    m_wartend = nachrichten.size();
    m_groesse = m_erstePos = m_lesePos = 0;
    m_datei.close();
    QSaveFile neu(m_datei.fileName());
    bool ok = neu.open(QIODevice::WriteOnly) && neu.write(bytes) == bytes.size();
    ok = ok && neu.commit();
    if (ok && m_datei.open(QIODevice::ReadWrite)) {
        m_groesse = bytes.size();
        markeSchreiben();
        return true;
    }
    // The damaged file stays as it is (the next start finds it again); its
    // messages wait in memory and are sent all the same. Nothing is appended
    // to it meanwhile: a late opening takes only an empty file.
    m_fehler = TTexte::tr("Der Ausgang %1 kann nicht geschrieben werden: %2")
                   .arg(QDir::toNativeSeparators(m_datei.fileName()),
                        ok ? m_datei.errorString() : neu.errorString());
    m_datei.close();
    m_speicher = nachrichten;
    m_speicherIndex = 0;
    m_markeGeschrieben = m_bestaetigtBis;
    return false;
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
        const bool gut = sendbar(z, n);
        if (!gut || n.Nummer <= m_bestaetigtBis) {
            // a line that cannot be sent (the file was changed behind this
            // program's back) is said and passed over, as is one acknowledged
            if (!gut) {
                schaden(TTexte::tr("%1: %2 kann nicht gesendet werden (%3): %4")
                            .arg(QLatin1String(DateiName), TTexte::tr("Zeile bei Byte %1").arg(anfang),
                                 TTexte::tr("unlesbar"), Auszug(z)));
                m_schadenBis = std::max(m_schadenBis, m_naechsteNummer - 1);
                if (m_schadenGrund.isEmpty())
                    m_schadenGrund = QLatin1String(DateiName) + QStringLiteral(": ") +
                                     TTexte::tr("%1 Zeile(n) können nicht gesendet werden").arg(1);
            }
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

#include "comm/UProtokoll.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"

#include <algorithm>
#include <cstring>

using KompUtils::AlsGanzzahl;
using KompUtils::NaechstesFeld;

namespace {

// Received text is fed to the decoder in slices of this size, so that the
// receive buffer stays bounded whatever a single read delivers.
constexpr qsizetype Scheibe = 256;

bool istAntwortBuchstabe(char c) {
    return c != 0 && std::strchr("BRrScGT", c) != nullptr;
}

// Takes the next two fields, where present, into a and b. A field that is
// no number ends the pair: false, and b keeps its value if a failed.
bool feldPaar(QByteArray &puffer, qint32 &a, qint32 &b) {
    QByteArray feld;
    for (qint32 *ziel : {&a, &b}) {
        if (NaechstesFeld(';', puffer, feld) && !AlsGanzzahl(feld, *ziel))
            return false;
    }
    return true;
}

// Whether position i of the buffer ends a field of the reply that starts at
// 0: a ';' from position 2 on that does not follow another ';'. Separators
// directly after the letter or doubled ones end no field, so a reply sent as
// B;3; that arrives as B; and 3; still waits for its field instead of being
// taken empty.
bool endetFeld(const char *p, qsizetype i) {
    return p[i] == ';' && p[i - 1] != ';';
}

// Whether a reply starting with letter c is complete once it holds that many
// fields (or, for 'T', that many characters).
bool vollstaendig(char c, int felder, qsizetype laenge) {
    switch (c) {
    case 'B':
    case 'r':
        return felder >= 1;
    case 'S':
        return felder >= 2;
    case 'R':
        return felder >= 9;
    case 'c':
        return felder >= 11;
    case 'G':
        return felder >= 15;
    case 'T':
        return laenge >= 30;
    default:
        return true;
    }
}

} // namespace

TProtokoll::TProtokoll(TZustand &zustand, QObject *parent) : QObject(parent), m_z(zustand) {
}

void TProtokoll::logFenster() {
    const QDateTime jetzt = m_z.Jetzt();
    if (m_logFenster.isValid() && jetzt >= m_logFenster && m_logFenster.msecsTo(jetzt) < 60000)
        return;
    if (m_logAusgelassen > 0)
        m_log->LogSchreiben(tr("Leitung: %1 empfangene Bytes seit %2 nicht protokolliert (mehr als %3 Bytes "
                               "in einer Minute)")
                                .arg(m_logAusgelassen)
                                .arg(KompUtils::DatumZeit(m_z.Gebietsschema, m_logFenster))
                                .arg(LogBudget));
    m_logFenster = jetzt;
    m_logBytes = 0;
    m_logAusgelassen = 0;
}

void TProtokoll::log(const QByteArray &text, bool vonLeitung) {
    if (!m_log)
        return;
    logFenster();
    if (vonLeitung) {
        if (m_logAusgelassen > 0 || m_logBytes + text.size() > LogBudget) {
            m_logAusgelassen += text.size();
            return;
        }
        m_logBytes += text.size();
    }
    m_log->LogSchreiben(KompUtils::Maskiert(text));
}

void TProtokoll::melde(quint8 code) {
    m_z.AntwortCode = code;
    emit AntwortGemeldet(code);
}

void TProtokoll::SendeBefehl(quint8 Anlage, quint8 Befehl, std::initializer_list<quint16> Werte) {
    m_z.AntwortCode = 0;
    if (Anlage == 0 || Anlage > m_z.AnlagenAnzahl || Anlage > MaxAnlagen)
        return;
    m_z.AktAdresse = Anlage;
    m_letzterBefehl = Befehl;
    if (Befehle::ErwartetAntwort(Befehl)) {
        m_z.EmpfangsPuffer.clear();
        m_gezaehltBis = 0;
    }
    if (Befehl > Befehle::Max)
        return;

    quint16 w[3] = {0, 0, 0};
    std::copy_n(Werte.begin(), std::min<size_t>(Werte.size(), 3), w);
    const char buchstabe = Befehle::Buchstaben[Befehl];
    bool gesendet = false;
    switch (Befehle::Arten[Befehl]) {
    case 0:
        break;
    case 1:
    case 2:
    case 4:
    case 6:
        gesendet = sendeKurz(Anlage, buchstabe);
        break;
    case 3:
        if (m_z.Anlagen[Anlage].Angeschlossen != 0 && m_z.Anlagen[Anlage].Eingeschaltet != 0)
            gesendet = sendeKurz(Anlage, buchstabe);
        break;
    case 5:
        gesendet =
            sendeText(Anlage, QByteArray(1, buchstabe) + QByteArray::number(w[0]).rightJustified(2, ' ') +
                                  QByteArray::number(w[1]).rightJustified(2, ' ') +
                                  QByteArray::number(w[2]).rightJustified(2, ' '));
        break;
    case 7:
        gesendet =
            sendeText(Anlage, QByteArray(1, buchstabe) + QByteArray::number(w[0]).rightJustified(4, ' '));
        break;
    case 8:
        gesendet =
            sendeText(Anlage, QByteArray(1, buchstabe) + QByteArray::number(w[0]).rightJustified(4, ' ') +
                                  QByteArray::number(w[1]).rightJustified(4, ' '));
        break;
    }
    if (gesendet && Befehle::ErwartetAntwort(Befehl)) {
        // Its reply is on its way now, for as long as the controller may take.
        m_offen = Befehl;
        int frist = Befehle::PollFrist;
        switch (Befehl) {
        case Befehle::Sollwerte:
        case Befehle::Uhr:
            frist = m_z.TimeoutMittel;
            break;
        case Befehle::Datensatz:
            frist = m_z.TimeoutLang;
            break;
        case Befehle::Abfrage:
            break;
        default:
            frist = m_z.TimeoutKurz;
            break;
        }
        FristSetzen(frist);
    }
}

void TProtokoll::FristSetzen(int ms) {
    m_frist.setRemainingTime(std::max(0, ms), Qt::PreciseTimer);
}

void TProtokoll::AnfrageBeenden() {
    const bool warOffen = m_offen != 0;
    m_offen = 0;
    if (warOffen)
        emit LeitungFrei();
}

bool TProtokoll::sendeKurz(quint8 anlage, char buchstabe) {
    log(QByteArray(1, static_cast<char>(anlage + 48)) + buchstabe, false);
    if (!m_z.Verbunden || !m_transport)
        return false;
    if (m_z.Layer == 0) {
        m_transport->Sende(QByteArray(1, static_cast<char>(anlage)));
        m_transport->Sende(QByteArray(1, buchstabe));
    } else {
        m_transport->Sende(QByteArray(1, static_cast<char>(anlage)) + buchstabe);
    }
    return true;
}

bool TProtokoll::sendeText(quint8 anlage, QByteArray text) {
    text.replace(' ', '0');
    log(QByteArray(1, static_cast<char>(anlage + 48)) + text, false);
    if (!m_z.Verbunden || !m_transport)
        return false;
    if (m_z.Layer == 0) {
        m_transport->Sende(QByteArray(1, static_cast<char>(anlage)));
        m_transport->Sende(text);
    } else {
        m_transport->Sende(QByteArray(1, static_cast<char>(anlage)) + text);
    }
    return true;
}

void TProtokoll::InitAnlagen() {
    const int n = std::min<int>(m_z.AnlagenAnzahl, MaxAnlagen);
    for (int i = 1; i <= n; ++i) {
        m_z.Messwerte[static_cast<size_t>(i)] = tAnlageMesswerte{};
        m_z.Anlagen[static_cast<size_t>(i)].Angeschlossen = 0;
        m_z.Anlagen[static_cast<size_t>(i)].Eingeschaltet = 0;
    }
}

void TProtokoll::EmpfangAuswerten(const QByteArray &text) {
    QByteArray &puffer = m_z.EmpfangsPuffer;
    if (puffer.size() != m_groesseZuletzt)
        m_gezaehltBis = 0; // changed from outside since the last call
    for (qsizetype von = 0; von < text.size(); von += Scheibe) {
        puffer.append(QByteArrayView(text).sliced(von, std::min(Scheibe, text.size() - von)));
        while (!puffer.isEmpty()) {
            if (werteAus() == Ergebnis::Unvollstaendig) {
                if (puffer.size() <= MaxPuffer)
                    break;
                // Text this long in front of its separators is no reply: look
                // for the next reply behind its first character.
                puffer.remove(0, naechsterAnfang());
                m_gezaehltBis = 0;
            }
        }
    }
    m_groesseZuletzt = puffer.size();
}

int TProtokoll::zaehleFelder() {
    const QByteArray &puffer = m_z.EmpfangsPuffer;
    // Only what arrived since the last call is looked at: a reply that comes
    // in byte by byte costs no rescan of what is already counted.
    if (m_gezaehltBis < 2 || m_gezaehltBis > puffer.size()) {
        m_gezaehltBis = 2;
        m_felder = 0;
    }
    const char *p = puffer.constData();
    for (qsizetype i = m_gezaehltBis; i < puffer.size(); ++i)
        if (endetFeld(p, i))
            ++m_felder;
    m_gezaehltBis = std::max<qsizetype>(m_gezaehltBis, puffer.size());
    return m_felder;
}

// Where the decoding goes on when the reply at the front cannot complete
// within the bound: the first reply letter behind position 0 whose reply is
// complete, or behind which at most half the bound has arrived; the end when
// there is none. A reply letter with more than half the bound behind it and
// still too few fields is noise (the longest reply is about 200 characters),
// so nothing that could become a reply is lost, and the next pass comes only
// after another half buffer: the work per received byte stays constant.
qsizetype TProtokoll::naechsterAnfang() const {
    const QByteArray &puffer = m_z.EmpfangsPuffer;
    const qsizetype n = puffer.size();
    const char *p = puffer.constData();
    // ab[i]: field ends at positions >= i
    QList<int> ab(n + 2, 0);
    for (qsizetype i = n - 1; i >= 1; --i)
        ab[i] = ab[i + 1] + (endetFeld(p, i) ? 1 : 0);
    for (qsizetype k = 1; k < n; ++k) {
        if (!istAntwortBuchstabe(p[k]))
            continue;
        if (n - k <= MaxPuffer / 2 || vollstaendig(p[k], k + 2 <= n ? ab[k + 2] : 0, n - k))
            return k;
    }
    return n;
}

TProtokoll::Ergebnis TProtokoll::werteAus() {
    const char buchstabe = m_z.EmpfangsPuffer.at(0);
    const Ergebnis e = werteAntwortAus();
    if (e == Ergebnis::Weiter) {
        m_gezaehltBis = 0; // the front of the buffer has moved on
        // The reply the line waited for is complete, whether its fields are
        // valid or not: the controller has finished talking.
        if (m_offen != 0 && istAntwortBuchstabe(buchstabe) && buchstabe == Befehle::AntwortBuchstabe(m_offen))
            AnfrageBeenden();
    }
    return e;
}

TProtokoll::Ergebnis TProtokoll::werteAntwortAus() {
    QByteArray &puffer = m_z.EmpfangsPuffer;
    const char c = puffer.at(0);
    if (!istAntwortBuchstabe(c)) {
        // Text that begins no reply (line ends, noise, echoes) is dropped up to the next reply letter.
        qsizetype n = 1;
        while (n < puffer.size() && !istAntwortBuchstabe(puffer.at(n)))
            ++n;
        puffer.remove(0, n);
        return Ergebnis::Weiter;
    }

    const int semikola = zaehleFelder();
    QByteArray feld;
    qint32 wert = 0;
    switch (c) {
    case 'B': {
        if (semikola < 1)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        if (NaechstesFeld(';', puffer, feld)) {
            if (AlsGanzzahl(feld, wert)) {
                m_z.Anlagen[std::min<size_t>(m_z.AktAdresse, MaxAnlagen)].Betriebsart =
                    static_cast<quint8>(wert & 0xFF);
                melde(Befehle::Betriebsart);
            } else {
                m_z.AntwortCode = 0;
            }
        }
        break;
    }
    case 'R': {
        if (semikola < 9)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        tAnlageSollwerte &s = m_z.Sollwerte;
        qint32 *ziele[9] = {&s.Speicherintervall, &s.IntervallEin, &s.IntervallAus, &s.O2Ein, &s.O2Aus,
                            &s.SteuerEin,         &s.SteuerAus,    &s.MaxEin,       &s.MaxAus};
        bool fehler = false;
        for (qint32 *ziel : ziele) {
            if (!NaechstesFeld(';', puffer, feld))
                continue;
            if (!AlsGanzzahl(feld, *ziel)) {
                fehler = true;
                break;
            }
        }
        if (fehler) {
            m_z.AntwortCode = 0;
        } else {
            s.Gueltig = 1;
            melde(Befehle::Sollwerte);
        }
        break;
    }
    case 'r': {
        if (semikola < 1)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        // A count that is no number is not stored and not announced: the request times out.
        if (NaechstesFeld(';', puffer, feld) && AlsGanzzahl(feld, wert)) {
            m_z.AnzahlDaten = wert;
            melde(Befehle::AnzahlDaten);
        }
        break;
    }
    case 'S': {
        if (semikola < 2)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        tAnlageParameter &a = m_z.Anlagen[std::min<size_t>(m_z.AktAdresse, MaxAnlagen)];
        bool ok = true;
        if (NaechstesFeld(';', puffer, feld)) {
            ok = AlsGanzzahl(feld, wert);
            if (ok)
                a.Speicherstatus = static_cast<quint8>(wert & 0xFF);
        }
        if (ok && NaechstesFeld(';', puffer, feld)) {
            ok = AlsGanzzahl(feld, wert);
            if (ok)
                a.Eingeschaltet = static_cast<quint8>(wert & 0xFF);
        }
        if (ok) {
            melde(Befehle::Status);
        } else {
            a.Speicherstatus = 0;
            a.Eingeschaltet = 0;
            m_z.AntwortCode = 0;
        }
        break;
    }
    case 'c': {
        if (semikola < 11)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        leseMesswerte(m_z.AbfrageWerte, true);
        if (m_z.AbfrageWerte.Gueltig == 1) {
            m_z.AbfrageWerte.Fehlabfragen = 0;
            melde(Befehle::Abfrage);
        }
        break;
    }
    case 'G': {
        if (semikola < 15)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        puffer.remove(0, 1);
        {
            // The controller forgets a record once it has sent it: a reply
            // whose fields cannot all be read is announced all the same, with
            // its fields as they came, so that the readout keeps it.
            QByteArray kopie = puffer;
            m_z.DsFelder.clear();
            while (m_z.DsFelder.size() < 15 && NaechstesFeld(';', kopie, feld))
                m_z.DsFelder.append(KompUtils::FeldAlsText(feld));
        }
        leseMesswerte(m_z.DatensatzWerte, false);
        m_z.DatensatzWerte.Fehlabfragen = 0;
        melde(Befehle::Datensatz);
        break;
    }
    case 'T': {
        if (puffer.size() < 30)
            return Ergebnis::Unvollstaendig;
        log(puffer);
        m_z.UhrText = Cp1252::decode(puffer.left(30));
        puffer.remove(0, 30);
        melde(Befehle::Uhr);
        break;
    }
    default:
        break;
    }
    return Ergebnis::Weiter;
}

void TProtokoll::leseMesswerte(tAnlageMesswerte &W, bool istAbfrage) {
    QByteArray &puffer = m_z.EmpfangsPuffer;
    QByteArray feld;
    qint32 wert = 0;

    // Temperatures in tenths of °C, stored as whole °C truncated toward zero.
    W.Gueltig = 1;
    for (size_t k = 1; k <= 5; ++k) {
        if (!NaechstesFeld(';', puffer, feld))
            continue;
        if (AlsGanzzahl(feld, wert))
            W.T[k] = wert / 10;
        else
            W.Gueltig = 0;
    }
    if (W.Gueltig == 1)
        KompUtils::BerechneRefMarke(W, m_z.RefTemp);

    // O2 and operating mode.
    qint32 art = W.Betriebsart;
    if (!feldPaar(puffer, W.O2, art))
        W.Gueltig = 0;
    W.Betriebsart = static_cast<quint8>(art & 0xFF);

    if (istAbfrage) {
        W.Luefter = 0;
        if (NaechstesFeld(';', puffer, feld) && feld.startsWith('1'))
            W.Luefter = 1;
    }

    if (NaechstesFeld(';', puffer, feld)) {
        if (AlsGanzzahl(feld, wert))
            W.Statuswert = static_cast<quint16>(wert & 0xFFFF);
        else
            W.Gueltig = 0;
    }

    if (!istAbfrage) {
        QString *ziele[5] = {&m_z.DsMinute, &m_z.DsStunde, &m_z.DsTag, &m_z.DsMonat, &m_z.DsJahr};
        for (int i = 0; i < 5; ++i) {
            if (!NaechstesFeld(';', puffer, feld))
                continue;
            // Each is a short text of at most 10 characters, the year's "20" included.
            const QByteArray text = KompUtils::FeldAlsText((i == 4) ? QByteArrayLiteral("20") + feld : feld);
            *ziele[i] = Cp1252::decode(text.left(10));
        }
    }

    // Fan running time and switching cycles.
    if (!feldPaar(puffer, W.Laufzeit, W.Zyklen))
        W.Gueltig = 0;
}

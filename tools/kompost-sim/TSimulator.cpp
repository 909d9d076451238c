#include "TSimulator.h"

#include "TSimPty.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace KompostSim {

namespace {

// Noise the line may carry between replies: no reply letter, no digit, no
// minus sign, no field separator.
constexpr char Rauschzeichen[] = {'\r', '\n', '\0', '?', '*', '#',    '~',    '!',
                                  '%',  '&',  'x',  'y', 'z', '\x7f', '\xff', '\xa7'};

constexpr int FortschrittMs = 200;

QString Lesbar(const QByteArray &bytes) {
    QString s;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x21 && b < 0x7f)
            s += QLatin1Char(c);
        else
            s += QStringLiteral("<%1>").arg(b, 2, 16, QLatin1Char('0'));
    }
    return s;
}

} // namespace

// One byte stream towards the PC: the current TCP client or the
// pseudo-terminal, with its own frame reader and its own output queue.
struct TSimulator::Kanal {
    TSimRahmenLeser Leser;
    QList<Stueck> Warteschlange;
    QTimer *Zeitgeber = nullptr;
    QTcpSocket *Socket = nullptr;
    TSimPty *Pty = nullptr;
    int Antworten = 0;
    bool Geschlossen = false;

    void Schreibe(const QByteArray &daten) {
        if (Socket) {
            Socket->write(daten);
            Socket->flush();
        } else if (Pty) {
            Pty->Schreibe(daten);
        }
    }

    ~Kanal() {
        // The timer may be the one whose signal is being handled right now.
        if (Zeitgeber) {
            Zeitgeber->stop();
            Zeitgeber->deleteLater();
        }
    }
};

TSimulator::TSimulator(quint32 seed, QObject *parent)
    : QObject(parent), m_seed(seed), m_stoerZufall(std::array<quint32, 2>{seed, 0x53544f45u}.data(), 2) {
    m_uhr.start();
    const QDateTime jetzt = QDateTime::currentDateTime();
    for (int i = 0; i < MaxAnlagen; ++i) {
        m_anlagen[i] = std::make_unique<TSimAnlage>(i + 1, seed, jetzt);
        if (i < 8) {
            m_anlagen[i]->SetVorhanden(true);
            m_anlagen[i]->SetEingeschaltet(true);
        }
    }
    m_fortschritt = new QTimer(this);
    m_fortschritt->setInterval(FortschrittMs);
    connect(m_fortschritt, &QTimer::timeout, this, &TSimulator::AllesFortschreiten);
    m_fortschritt->start();
}

TSimulator::~TSimulator() {
    Stoppe();
}

void TSimulator::SetGeplapper(int bytesProSekunde) {
    m_geplapper = std::max(0, bytesProSekunde);
    if (!m_plapperTakt) {
        m_plapperTakt = new QTimer(this);
        m_plapperTakt->setInterval(50);
        connect(m_plapperTakt, &QTimer::timeout, this, &TSimulator::Plappern);
    }
    if (m_geplapper > 0)
        m_plapperTakt->start();
    else
        m_plapperTakt->stop();
}

void TSimulator::Plappern() {
    const int n = std::max(1, m_geplapper / 20);
    QByteArray bytes(n, '\0');
    for (char &c : bytes)
        c = static_cast<char>(m_stoerZufall.bounded(256));
    for (const std::shared_ptr<Kanal> &kanal : {m_tcpKanal, m_ptyKanal}) {
        if (!kanal || kanal->Geschlossen)
            continue;
        kanal->Schreibe(bytes);
        emit StueckGeschrieben(bytes);
    }
}

TSimAnlage &TSimulator::Anlage(int nummer) {
    Q_ASSERT(nummer >= 1 && nummer <= MaxAnlagen);
    TSimAnlage &a = *m_anlagen[qBound(1, nummer, MaxAnlagen) - 1];
    a.Fortschreiten(SimZeitMs());
    return a;
}

void TSimulator::SetAnlagen(const QList<int> &nummern) {
    for (int i = 1; i <= MaxAnlagen; ++i)
        Anlage(i).SetVorhanden(nummern.contains(i));
}

QList<int> TSimulator::Anlagen() const {
    QList<int> liste;
    for (const auto &a : m_anlagen) {
        if (a->Vorhanden())
            liste.append(a->Nummer());
    }
    return liste;
}

TSimStoerung &TSimulator::Stoerung(int nummer) {
    return m_stoerungen[qBound(1, nummer, MaxAnlagen) - 1];
}

// --- Time -------------------------------------------------------------------

qint64 TSimulator::SimZeitMs() const {
    return m_basisSimMs + static_cast<qint64>(std::floor(double(EchtMs() - m_basisEchtMs) * m_faktor));
}

void TSimulator::SetZeitfaktor(double faktor) {
    m_basisSimMs = SimZeitMs();
    m_basisEchtMs = EchtMs();
    m_faktor = std::isfinite(faktor) ? std::clamp(faktor, 0.0, MaxZeitfaktor) : 1.0;
    if (m_faktor > 0)
        m_fortschritt->start();
    else
        m_fortschritt->stop();
}

void TSimulator::Vorspulen(qint64 ms) {
    if (ms <= 0)
        return;
    m_basisSimMs += ms;
    AllesFortschreiten();
}

void TSimulator::SetUhr(const QDateTime &uhr) {
    for (int i = 1; i <= MaxAnlagen; ++i)
        Anlage(i).SetUhr(uhr);
}

void TSimulator::AllesFortschreiten() {
    const qint64 jetzt = SimZeitMs();
    for (auto &a : m_anlagen) {
        if (a->Vorhanden())
            a->Fortschreiten(jetzt);
    }
}

// --- Transports ---------------------------------------------------------------

bool TSimulator::StarteTcp(const QHostAddress &adresse, quint16 port) {
    m_gesperrt = false;
    if (m_server) {
        SchliesseTcpKanal();
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    m_server = new QTcpServer(this);
    if (!m_server->listen(adresse, port)) {
        m_fehler = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QTcpServer::newConnection, this, &TSimulator::NeuerClient);
    return true;
}

QHostAddress TSimulator::TcpAdresse() const {
    if (m_gesperrt)
        return m_gesperrtAdresse;
    return m_server ? m_server->serverAddress() : QHostAddress();
}

quint16 TSimulator::TcpPort() const {
    if (m_gesperrt)
        return m_gesperrtPort;
    return m_server ? m_server->serverPort() : 0;
}

bool TSimulator::SetTcpGesperrt(bool gesperrt) {
    if (!m_server || gesperrt == m_gesperrt)
        return true;
    if (gesperrt) {
        m_gesperrtAdresse = m_server->serverAddress();
        m_gesperrtPort = m_server->serverPort();
        m_gesperrt = true;
        SchliesseTcpKanal();
        m_server->close();
        emit Meldung(QStringLiteral("tcp closed, new connections refused"));
        return true;
    }
    m_gesperrt = false;
    if (!m_server->listen(m_gesperrtAdresse, m_gesperrtPort)) {
        m_fehler = m_server->errorString();
        emit Meldung(QStringLiteral("cannot listen again: %1").arg(m_fehler));
        return false;
    }
    emit Meldung(QStringLiteral("tcp listening again"));
    return true;
}

void TSimulator::TcpAusfall(int dauerMs) {
    SetTcpGesperrt(true);
    QTimer::singleShot(std::max(0, dauerMs), this, [this] { SetTcpGesperrt(false); });
}

void TSimulator::NeuerClient() {
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        // One client at a time: the newcomer replaces the old one.
        SchliesseTcpKanal();
        socket->setParent(this);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

        auto kanal = NeuerKanal();
        kanal->Socket = socket;
        std::weak_ptr<Kanal> schwach = kanal;
        connect(socket, &QTcpSocket::readyRead, this, [this, schwach] {
            if (auto k = schwach.lock())
                Empfange(k, k->Socket->readAll());
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, schwach] {
            auto k = schwach.lock();
            if (k && k == m_tcpKanal) {
                emit Meldung(QStringLiteral("client disconnected"));
                SchliesseTcpKanal();
            }
        });
        m_tcpKanal = kanal;
        emit Meldung(QStringLiteral("client %1:%2 connected")
                         .arg(socket->peerAddress().toString())
                         .arg(socket->peerPort()));
        emit ClientVerbunden();
        // Bytes may have arrived before the connection was taken.
        if (socket->bytesAvailable() > 0)
            Empfange(kanal, socket->readAll());
    }
}

void TSimulator::SchliesseTcpKanal() {
    if (!m_tcpKanal)
        return;
    std::shared_ptr<Kanal> kanal = std::move(m_tcpKanal);
    m_tcpKanal.reset();
    kanal->Geschlossen = true;
    kanal->Warteschlange.clear();
    if (QTcpSocket *socket = kanal->Socket) {
        kanal->Socket = nullptr;
        socket->disconnect(this);
        socket->flush();
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
        else
            connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    }
    emit ClientGetrennt();
}

bool TSimulator::StartePty(const QString &linkPfad) {
    if (m_pty) {
        m_ptyKanal->Geschlossen = true;
        m_ptyKanal->Pty = nullptr;
        m_ptyKanal.reset();
        m_pty->Schliesse();
        m_pty->deleteLater();
        m_pty = nullptr;
    }
    auto *pty = new TSimPty(this);
    if (!pty->Oeffne(linkPfad, &m_fehler)) {
        delete pty;
        return false;
    }
    m_pty = pty;
    auto kanal = NeuerKanal();
    kanal->Pty = pty;
    std::weak_ptr<Kanal> schwach = kanal;
    connect(pty, &TSimPty::Empfangen, this, [this, schwach](const QByteArray &daten) {
        if (auto k = schwach.lock())
            Empfange(k, daten);
    });
    m_ptyKanal = kanal;
    return true;
}

QString TSimulator::PtyGeraet() const {
    return m_pty ? m_pty->Geraet() : QString();
}

QString TSimulator::PtyLink() const {
    return m_pty ? m_pty->Link() : QString();
}

void TSimulator::Stoppe() {
    m_gesperrt = false;
    SchliesseTcpKanal();
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_ptyKanal) {
        m_ptyKanal->Geschlossen = true;
        m_ptyKanal->Pty = nullptr;
        m_ptyKanal.reset();
    }
    if (m_pty) {
        // May be called from inside the pseudo-terminal's own receive signal.
        m_pty->Schliesse();
        m_pty->deleteLater();
        m_pty = nullptr;
    }
}

// --- Frames and replies ---------------------------------------------------------

QList<TSimRahmen> TSimulator::Rahmen(int anlage) const {
    QList<TSimRahmen> liste;
    for (const TSimRahmen &r : m_rahmen) {
        if (r.Anlage == anlage)
            liste.append(r);
    }
    return liste;
}

bool TSimulator::WarteAufRahmen(int anzahl, int timeoutMs) {
    if (m_rahmen.size() >= anzahl)
        return true;
    QEventLoop schleife;
    QTimer wecker;
    wecker.setSingleShot(true);
    connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
    connect(this, &TSimulator::RahmenEmpfangen, &schleife, [&] {
        if (m_rahmen.size() >= anzahl)
            schleife.quit();
    });
    wecker.start(timeoutMs);
    schleife.exec();
    return m_rahmen.size() >= anzahl;
}

std::shared_ptr<TSimulator::Kanal> TSimulator::NeuerKanal() {
    auto kanal = std::make_shared<Kanal>();
    kanal->Zeitgeber = new QTimer(this);
    kanal->Zeitgeber->setSingleShot(true);
    kanal->Zeitgeber->setTimerType(Qt::PreciseTimer);
    std::weak_ptr<Kanal> schwach = kanal;
    connect(kanal->Zeitgeber, &QTimer::timeout, this, [this, schwach] {
        if (auto k = schwach.lock())
            SchreibeFaellige(k);
    });
    return kanal;
}

void TSimulator::Empfange(const std::shared_ptr<Kanal> &kanal, const QByteArray &daten) {
    if (kanal->Geschlossen)
        return;
    const QList<TSimRahmen> rahmen = kanal->Leser.Lies(daten);
    for (const TSimRahmen &r : rahmen) {
        if (kanal->Geschlossen)
            break;
        BearbeiteRahmen(kanal, r);
    }
}

void TSimulator::BearbeiteRahmen(const std::shared_ptr<Kanal> &kanal, const TSimRahmen &empfangen) {
    TSimRahmen rahmen = empfangen;
    // A reply (or a piece of it) still waits to be written: the PC did not
    // wait for it.
    rahmen.InAntwort = !kanal->Warteschlange.isEmpty();
    if (rahmen.InAntwort)
        ++m_inAntwort;
    m_rahmen.append(rahmen);
    emit Meldung(QStringLiteral("frame plant %1: %2%3")
                     .arg(rahmen.Anlage)
                     .arg(Lesbar(rahmen.Bytes.mid(1)),
                          rahmen.InAntwort ? QStringLiteral(" (while a reply is on its way)") : QString()));
    emit RahmenEmpfangen(rahmen);
    if (kanal->Geschlossen || rahmen.Anlage < 1 || rahmen.Anlage > MaxAnlagen)
        return;

    TSimAnlage &anlage = *m_anlagen[rahmen.Anlage - 1];
    const TSimStoerung st = m_stoerungen[rahmen.Anlage - 1];
    if (!anlage.Vorhanden() || st.Stumm || st.Ignoriert.contains(rahmen.Befehl))
        return;
    anlage.Fortschreiten(SimZeitMs());
    if (rahmen.Befehl == 'A' && st.BleibtEingeschaltet)
        return;
    if (rahmen.Befehl == 'F' && st.BleibtAusgeschaltet)
        return;

    QByteArray antwort = anlage.Bearbeite(rahmen.Befehl, rahmen.Argument);
    if (rahmen.Befehl == 'r' && st.AnzahlErzwungen)
        antwort = "r" + QByteArray::number(*st.AnzahlErzwungen) + ';';
    if (antwort.isEmpty())
        return;
    if (rahmen.Befehl == 'c') {
        // An anaerobic or overheated pile on demand: the live reply carries the forced values.
        QList<TSimFeldFehler> erzwungen;
        if (st.KernErzwungen)
            erzwungen.append({'c', 1, QByteArray::number(*st.KernErzwungen)});
        if (st.O2Erzwungen)
            erzwungen.append({'c', 6, QByteArray::number(*st.O2Erzwungen)});
        antwort = FelderVerfaelschen(antwort, erzwungen);
    }
    // Faults of the Nth reply of a letter count the replies of that letter.
    const int nummer = ++m_antwortZahl[static_cast<size_t>(rahmen.Anlage - 1)]
                                      [static_cast<unsigned char>(antwort.at(0)) & 0x7F];
    QList<TSimFeldFehler> fehler;
    for (const TSimFeldFehler &f : st.FeldFehler)
        if (f.Nur == 0 || f.Nur == nummer)
            fehler.append(f);
    antwort = FelderVerfaelschen(antwort, fehler);
    if (st.Verlustanteil > 0 && m_stoerZufall.generateDouble() < st.Verlustanteil) {
        emit Meldung(QStringLiteral("reply plant %1 dropped: %2").arg(rahmen.Anlage).arg(Lesbar(antwort)));
        return;
    }
    Einreihen(kanal, rahmen.Anlage, antwort, st);
}

QByteArray TSimulator::FelderVerfaelschen(const QByteArray &antwort, const QList<TSimFeldFehler> &fehler) {
    QByteArray ergebnis = antwort;
    for (const TSimFeldFehler &f : fehler) {
        if (ergebnis.isEmpty() || ergebnis.at(0) != f.Buchstabe || f.Buchstabe == 'T')
            continue;
        QList<QByteArray> felder = ergebnis.mid(1).split(';');
        if (!felder.isEmpty() && felder.last().isEmpty())
            felder.removeLast();
        if (f.Feld < 1 || f.Feld > felder.size())
            continue;
        felder[f.Feld - 1] = f.Text;
        ergebnis = QByteArray(1, f.Buchstabe) + felder.join(';') + ';';
    }
    return ergebnis;
}

void TSimulator::Einreihen(const std::shared_ptr<Kanal> &kanal, int anlage, const QByteArray &antwort,
                           const TSimStoerung &st) {
    const qint64 jetzt = EchtMs();
    qint64 zeit = jetzt + std::max(st.VerzoegerungMs, 0);
    if (!kanal->Warteschlange.isEmpty())
        zeit = std::max(zeit, kanal->Warteschlange.last().FaelligMs);

    if (st.Rauschen > 0) {
        const int n = 1 + static_cast<int>(m_stoerZufall.bounded(st.Rauschen));
        QByteArray rauschen;
        for (int i = 0; i < n; ++i)
            rauschen += Rauschzeichen[m_stoerZufall.bounded(static_cast<int>(sizeof Rauschzeichen))];
        kanal->Warteschlange.append({zeit, rauschen, anlage, {}});
    }

    if (st.Zerteilen && antwort.size() > 1) {
        // Two to five pieces at random cut points, a few milliseconds apart.
        const int stuecke =
            2 + static_cast<int>(m_stoerZufall.bounded(std::min<qsizetype>(4, antwort.size() - 1)));
        QList<int> schnitte;
        while (schnitte.size() < stuecke - 1) {
            const int s = 1 + static_cast<int>(m_stoerZufall.bounded(static_cast<int>(antwort.size() - 1)));
            if (!schnitte.contains(s))
                schnitte.append(s);
        }
        std::sort(schnitte.begin(), schnitte.end());
        schnitte.append(static_cast<int>(antwort.size()));
        int von = 0;
        for (int i = 0; i < schnitte.size(); ++i) {
            if (i > 0)
                zeit += 2 + m_stoerZufall.bounded(14);
            const bool letztes = i == schnitte.size() - 1;
            kanal->Warteschlange.append(
                {zeit, antwort.mid(von, schnitte[i] - von), anlage, letztes ? antwort : QByteArray()});
            von = schnitte[i];
        }
    } else {
        kanal->Warteschlange.append({zeit, antwort, anlage, antwort});
    }
    SchreibeFaellige(kanal);
}

void TSimulator::SchreibeFaellige(const std::shared_ptr<Kanal> &kanal) {
    const qint64 jetzt = EchtMs();
    while (!kanal->Geschlossen && !kanal->Warteschlange.isEmpty() &&
           kanal->Warteschlange.first().FaelligMs <= jetzt) {
        const Stueck s = kanal->Warteschlange.takeFirst();
        kanal->Schreibe(s.Daten);
        emit StueckGeschrieben(s.Daten);
        if (s.Antwort.isEmpty() || kanal->Geschlossen)
            continue;
        ++kanal->Antworten;
        ++m_gesendet;
        emit Meldung(QStringLiteral("reply plant %1: %2").arg(s.Anlage).arg(Lesbar(s.Antwort)));
        emit AntwortGesendet(s.Anlage, s.Antwort);
        if (kanal == m_tcpKanal && m_trennenNach > 0 && kanal->Antworten >= m_trennenNach) {
            emit Meldung(QStringLiteral("dropping the connection after %1 replies").arg(kanal->Antworten));
            SchliesseTcpKanal();
        }
    }
    if (!kanal->Geschlossen && !kanal->Warteschlange.isEmpty() && kanal->Zeitgeber)
        kanal->Zeitgeber->start(
            static_cast<int>(std::max<qint64>(0, kanal->Warteschlange.first().FaelligMs - jetzt)));
}

} // namespace KompostSim

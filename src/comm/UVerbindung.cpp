#include "comm/UVerbindung.h"

#include "shell/KompUtils.h"
#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"

#include <QCoreApplication>

#include <algorithm>
namespace {

// The number the socket layer of the installations reports for an error (the
// operators' documents list these), 0 where there is none.
int socketFehlerNummer(QAbstractSocket::SocketError fehler) {
    switch (fehler) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return 10054;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::NetworkError:
        return 10065;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    default:
        return 0;
    }
}

} // namespace

TVerbindung::TVerbindung(TZustand &zustand, TProtokoll &protokoll, TAbfrage &abfrage, QObject *parent)
    : QObject(parent), m_z(zustand), m_protokoll(protokoll), m_abfrage(abfrage) {
    connect(&m_socket, &QTcpSocket::connected, this, &TVerbindung::beiVerbunden);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TVerbindung::beiGetrennt);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TVerbindung::beiFehler);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TVerbindung::beiSocketDaten);
    connect(&m_seriell, &QSerialPort::readyRead, this, &TVerbindung::beiSeriellDaten);
    connect(&m_seriell, &QSerialPort::errorOccurred, this, &TVerbindung::beiSeriellFehler);
    connect(&m_wiederaufbau, &TWiederaufbau::Versuch, this, &TVerbindung::versuch);
    m_protokoll.SetzeTransport(this);
}

TVerbindung::~TVerbindung() {
    m_wiederaufbau.Stoppe();
    m_protokoll.SetzeTransport(nullptr);
    m_socket.disconnect(this);
    m_socket.abort();
    m_seriell.close();
}

void TVerbindung::status(std::function<QString()> text) {
    m_status = std::move(text);
    StatusErneuern();
}

void TVerbindung::StatusErneuern() {
    if (m_anzeige && m_status)
        m_anzeige->Statuszeile(m_status());
}

qint32 TVerbindung::Baudrate(int baudIndex) {
    switch (baudIndex) {
    case 1:
        return 4800;
    case 2:
        return 9600;
    case 3:
        return 19200;
    default:
        return 2400;
    }
}

QString TVerbindung::PortGeraet(int n) const {
    if (n >= 1 && n <= 8 && !m_z.OptPortGeraete[static_cast<size_t>(n)].isEmpty())
        return m_z.OptPortGeraete[static_cast<size_t>(n)];
    return StandardPortGeraet(n);
}

bool TVerbindung::PortOeffnenbar(int n) {
    if (m_seriell.isOpen() && m_seriell.portName() == PortGeraet(n))
        return true;
    QSerialPort probe;
    probe.setPortName(PortGeraet(n));
    if (!probe.open(QIODevice::ReadWrite))
        return false;
    probe.close();
    return true;
}

void TVerbindung::InitVerbindung(const TIniDatei &ini) {
    LeseVerbindung(m_z, ini);
    if (!(m_z.Layer == 1 && m_z.OptNetzwerk && !m_z.NetAdresse.isEmpty()))
        m_z.Layer = 0;
    oeffne(true);
}

void TVerbindung::OeffneVerbindung() {
    oeffne(false);
}

void TVerbindung::oeffne(bool anlauf) {
    const TStandMelder melder(*this);
    // The operator's choice takes over from the automatic attempts.
    m_wiederaufbau.Stoppe();
    m_unterbrochenSeit = QDateTime();
    m_abfrage.SetzeUnterbrochen(false);
    m_anlauf = anlauf;
    // Whatever was on its way belongs to the connection closed now.
    m_protokoll.AnfrageBeenden();
    if (m_seriell.isOpen()) {
        m_abfrage.StopTimer();
        m_seriell.close();
    }
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        SchliesseSocketVerbindung(500);
    // A connection attempt still pending is given up before a new one starts.
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();

    m_seriell.setPortName(PortGeraet(m_z.ComNummer));
    m_z.Verbunden = true;

    if (m_z.OptNetzwerk && m_z.Layer == 1 && !m_z.NetAdresse.isEmpty()) {
        m_z.Verbunden = false;
        // An address is used as it is; anything else is a host name to be resolved.
        m_socket.connectToHost(m_z.NetAdresse, static_cast<quint16>(m_z.NetPort));
        status([] { return tr("Baue Netzwerkverbindung auf......"); });
        m_z.TimeoutMittel = static_cast<quint16>(m_z.TimeoutKurz + 300);
        m_z.TimeoutLang = static_cast<quint16>(m_z.TimeoutKurz + 600);
        return;
    }

    m_z.Layer = 0;
    m_seriell.setBaudRate(Baudrate(m_z.OptBaudIndex));
    m_seriell.setDataBits(QSerialPort::Data8);
    m_seriell.setStopBits(QSerialPort::OneStop);
    m_seriell.setParity(QSerialPort::NoParity);
    m_seriell.setFlowControl(QSerialPort::NoFlowControl);
    if (m_seriell.open(QIODevice::ReadWrite)) {
        m_anlauf = false;
        status([=, this] { return tr("Serielle Verbindung auf :") + PortName(m_z.ComNummer); });
        m_abfrage.LeseTimer.start(TAbfrage::PollIntervall);
        m_z.Verbunden = true;
    } else if (m_anlauf) {
        // The adapter may come after the PC (a power cut): tried again by itself.
        anlaufFehlgeschlagen();
    } else {
        if (m_anzeige)
            m_anzeige->Meldung(tr("Fehler beim Öffnen der seriellen Schnittstelle !\nBitte überprüfen!!"));
        status([] { return tr("Keine Verbindung\nBitte Kabel und PC- Einstellung überprüfen!"); });
        m_z.Verbunden = false;
    }
    m_z.TimeoutKurz = 300;
    m_z.TimeoutMittel = 600;
    m_z.TimeoutLang = 900;
}

void TVerbindung::SchliesseSocketVerbindung(int Wartezeit) {
    const TStandMelder melder(*this);
    if (m_z.Layer != 1 || !m_z.Verbunden)
        return;
    status([] { return tr("Schliesse Verbindung...."); });
    m_abfrage.StopTimer();
    m_z.Verbunden = false;
    KompUtils::Warte(Wartezeit);
    m_socket.disconnectFromHost();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
}

void TVerbindung::Schliessen() {
    const TStandMelder melder(*this);
    m_wiederaufbau.Stoppe();
    m_anlauf = false;
    m_protokoll.AnfrageBeenden();
    m_abfrage.SetzeUnterbrochen(false);
    m_abfrage.StopTimer();
    m_seriell.close();
    SchliesseSocketVerbindung(500);
    m_socket.abort();
}

bool TVerbindung::TransportOffen() const {
    if (m_z.Layer == 1)
        return m_socket.state() == QAbstractSocket::ConnectedState;
    return m_seriell.isOpen();
}

void TVerbindung::Sende(const QByteArray &daten) {
    if (m_z.Layer == 1) {
        if (m_socket.state() == QAbstractSocket::ConnectedState)
            m_socket.write(daten);
    } else if (m_seriell.isOpen()) {
        m_seriell.write(daten);
    }
}

void TVerbindung::beiVerbunden() {
    const TStandMelder melder(*this);
    if (Unterbrochen()) {
        wiederhergestellt();
        return;
    }
    m_anlauf = false;
    status([=, this] { return tr("Netzwerkverbindung zu :") + m_z.NetAdresse; });
    m_z.Verbunden = true;
    m_abfrage.StartTimer();
    emit NetzVerbunden();
}

void TVerbindung::beiGetrennt() {
    const TStandMelder melder(*this);
    // While the connection is reopened by itself, the loss has been handled.
    if (Unterbrochen())
        return;
    if (m_z.Verbunden && m_z.Layer == 1) {
        verloren();
        return;
    }
    status([] { return tr("Netzwerkverbindung ist inaktiv !"); });
    m_abfrage.StopTimer();
    m_z.Verbunden = false;
}

void TVerbindung::beiFehler(QAbstractSocket::SocketError fehler) {
    const TStandMelder melder(*this);
    // The peer closing the connection is a disconnect, reported by beiGetrennt.
    if (fehler == QAbstractSocket::RemoteHostClosedError)
        return;
    // A failed automatic attempt: the next one is scheduled, no message.
    if (Unterbrochen())
        return;
    if (m_z.Verbunden && m_z.Layer == 1) {
        verloren();
        return;
    }
    if (m_anlauf) {
        // The adapter may come after the PC (a power cut): tried again by
        // itself, without a message box; the window is usable meanwhile.
        anlaufFehlgeschlagen();
        emit NetzFehler();
        return;
    }
    m_z.Verbunden = false;
    m_abfrage.StopTimer();
    status([] {
        return tr("Fehler beim Öffnen der Netzerkverbindung!\nBitte Kabel und PC- Einstellung überprüfen!");
    });
    emit NetzFehler();
    if (m_anzeige)
        m_anzeige->Meldung(SocketFehlerText(fehler, m_socket.errorString()));
}

QString TVerbindung::SocketFehlerText(QAbstractSocket::SocketError fehler, const QString &worte) {
    // In words, with the socket layer's number where it has one; never the
    // toolkit's own enumeration value, which means nothing to the operator.
    const int nummer = socketFehlerNummer(fehler);
    return tr("Asynchroner Socket-Fehler %1")
               .arg(nummer != 0 ? QString::number(nummer) : QString())
               .trimmed() +
           QLatin1Char('\n') + worte;
}

void TVerbindung::beiSocketDaten() {
    m_protokoll.EmpfangAuswerten(m_socket.readAll());
}

void TVerbindung::beiSeriellDaten() {
    m_protokoll.EmpfangAuswerten(m_seriell.readAll());
}

void TVerbindung::beiSeriellFehler(QSerialPort::SerialPortError fehler) {
    // The device went away (a USB adapter pulled out): a lost connection.
    if (fehler == QSerialPort::ResourceError && m_z.Layer == 0 && m_z.Verbunden)
        verloren();
}

void TVerbindung::verloren() {
    const TStandMelder melder(*this);
    m_z.Verbunden = false;
    m_abfrage.SetzeUnterbrochen(true);
    // Nothing is measured any more: no reading may pass for a live one.
    const int n = std::min<int>(m_z.AnlagenAnzahl, MaxAnlagen);
    for (int i = 1; i <= n; ++i) {
        m_z.Messwerte[static_cast<size_t>(i)].Gueltig = 0;
        m_z.KeineAntwortSeit[static_cast<size_t>(i)] = QDateTime();
    }
    unterbrechen(QStringLiteral("Verbindung unterbrochen"));
    emit Verloren();
}

void TVerbindung::unterbrechen(const QString &logText) {
    // The plants are learned (again) once the connection is there.
    m_z.LernenAnfordern = true;
    m_unterbrochenSeit = m_z.Jetzt();
    m_wiederaufbau.Starte();
    m_protokoll.Log(logText);
    if (m_z.Layer == 1) {
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.abort();
    } else {
        m_seriell.close();
    }
    // A request that waits for its reply gives up now.
    m_abfrage.Abbrechen();
    statusUnterbrochen();
}

void TVerbindung::anlaufFehlgeschlagen() {
    const TStandMelder melder(*this);
    m_anlauf = false;
    m_z.Verbunden = false;
    m_abfrage.SetzeUnterbrochen(true);
    unterbrechen(QStringLiteral("Verbindung beim Start nicht hergestellt"));
}

void TVerbindung::JetztVersuchen() {
    if (Unterbrochen())
        versuch();
}

void TVerbindung::versuch() {
    if (m_z.Layer == 1) {
        // An attempt that still hangs gives way to the new one.
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.abort();
        m_socket.connectToHost(m_z.NetAdresse, static_cast<quint16>(m_z.NetPort));
    } else {
        m_seriell.close();
        m_seriell.setPortName(PortGeraet(m_z.ComNummer));
        if (m_seriell.open(QIODevice::ReadWrite)) {
            wiederhergestellt();
            return;
        }
    }
    statusUnterbrochen();
}

void TVerbindung::wiederhergestellt() {
    const TStandMelder melder(*this);
    m_wiederaufbau.Stoppe();
    m_unterbrochenSeit = QDateTime();
    m_z.Verbunden = true;
    m_abfrage.SetzeUnterbrochen(false);
    m_protokoll.Log(QStringLiteral("Verbindung wiederhergestellt"));
    if (m_z.Layer == 1)
        status([=, this] { return tr("Netzwerkverbindung zu :") + m_z.NetAdresse; });
    else
        status([=, this] { return tr("Serielle Verbindung auf :") + PortName(m_z.ComNummer); });
    m_abfrage.StartTimer();
    emit Wiederverbunden();
}

void TVerbindung::meldeStand() {
    if (m_z.Verbunden == m_gemeldet)
        return;
    m_gemeldet = m_z.Verbunden;
    emit Verbindungsstand(m_gemeldet);
}

QString TVerbindung::UnterbrochenText() const {
    const QDateTime naechster = m_z.Jetzt().addMSecs(m_wiederaufbau.RestMs());
    return tr("Verbindung unterbrochen seit %1 – nächster Versuch um %2")
        .arg(KompUtils::DatumZeit(m_z.Gebietsschema, m_unterbrochenSeit),
             naechster.time().toString(QStringLiteral("hh:mm:ss")));
}

QString TVerbindung::GetrenntText() const {
    return Unterbrochen() ? UnterbrochenText() : tr("Keine Verbindung zu den Steuerungen!");
}

QString TVerbindung::KeineVerbindungText() const {
    const QString kopf = tr("Keine Verbindung zu den Steuerungen!");
    if (Unterbrochen())
        return kopf + QLatin1Char('\n') + UnterbrochenText();
    return kopf + QLatin1Char('\n') +
           (m_z.Layer == 1 ? tr("Bitte Netzwerkadapter und PC- Einstellung überprüfen!")
                           : tr("Bitte Kabel und PC- Einstellung überprüfen!"));
}

QString TVerbindung::KeineAntwortText() const {
    if (Getrennt())
        return KeineVerbindungText();
    if (m_z.Layer == 1)
        return tr(
            "TIMEOUT bei der Netzwerkverbindung!\nBitte Netzwerkadapter und PC- Einstellung überprüfen!");
    return tr("TIMEOUT, bei der seriellen Kommunikation!\nBitte Kabel und PC- Einstellung "
              "überprüfen!Bitte Kabel und PC- Einstellung überprüfen!");
}

void TVerbindung::statusUnterbrochen() {
    const QDateTime naechster = m_z.Jetzt().addMSecs(m_wiederaufbau.RestMs());
    status([=, this] {
        return tr("Verbindung unterbrochen seit %1\nNächster Versuch um %2")
            .arg(KompUtils::DatumZeit(m_z.Gebietsschema, m_unterbrochenSeit),
                 naechster.time().toString(QStringLiteral("hh:mm:ss")));
    });
}

#include "comm/UVerbindungsPruefung.h"

#include "comm/UKommunikation.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Keeps the status line and the message of the transport: the reason when
// the line does not open.
struct TMitschrift : IStatusAnzeige {
    QString status;
    QStringList meldungen;
    void Statuszeile(const QString &t) override { status = t; }
    void Meldung(const QString &t) override { meldungen.append(t); }
};

} // namespace

TPruefErgebnis PruefeVerbindung(const TEinrichtung &e, const std::function<void(int)> &fortschritt,
                                int verbindenMs) {
    TPruefErgebnis ergebnis;
    const int anlagen = qBound(1, e.Anlagen, MaxAnlagen);
    TZustand z;
    z.OptAnlagenAnzahl = anlagen;
    z.AnlagenAnzahl = static_cast<quint16>(anlagen);
    z.OptAdressen33 = e.Adressen33;
    z.OptNetzwerk = e.Netzwerk;
    z.Layer = e.Netzwerk ? 1 : 0;
    z.NetAdresse = e.NetAdresse.trimmed();
    z.NetPort = e.NetPort;
    z.OptBaudIndex = e.BaudIndex;
    z.ComNummer = 1;
    z.OptPortGeraete[1] = e.PortGeraet.trimmed();

    TKommunikation k(z);
    TMitschrift mitschrift;
    k.Verbindung.SetzeAnzeige(&mitschrift);
    if (e.Netzwerk && !z.NetAdresse.isEmpty()) {
        QEventLoop warten;
        QObject::connect(&k.Verbindung, &TVerbindung::NetzVerbunden, &warten, &QEventLoop::quit);
        QObject::connect(&k.Verbindung, &TVerbindung::NetzFehler, &warten, &QEventLoop::quit);
        QTimer::singleShot(verbindenMs, &warten, &QEventLoop::quit);
        k.Verbindung.OeffneVerbindung();
        if (!z.Verbunden && k.Verbindung.Socket().state() != QAbstractSocket::UnconnectedState)
            warten.exec();
    } else if (!e.Netzwerk && !z.OptPortGeraete[1].isEmpty()) {
        k.Verbindung.OeffneVerbindung();
    }
    k.Abfrage.StopTimer();
    if (!z.Verbunden || !k.Verbindung.TransportOffen()) {
        QString grund = mitschrift.meldungen.join(QLatin1Char('\n'));
        // The system's own words name what keeps a serial port closed (busy, no permission).
        if (!e.Netzwerk && k.Verbindung.Seriell().error() != QSerialPort::NoError)
            grund +=
                QStringLiteral("\n%1: %2").arg(z.OptPortGeraete[1], k.Verbindung.Seriell().errorString());
        grund = grund.trimmed();
        if (grund.isEmpty())
            grund =
                e.Netzwerk
                    ? QCoreApplication::translate("TVerbindungsPruefung",
                                                  "Der Netzwerkadapter hat die Verbindung nicht angenommen.")
                    : QCoreApplication::translate("TVerbindungsPruefung",
                                                  "Keine serielle Schnittstelle gewählt.");
        ergebnis.Text = QCoreApplication::translate("TVerbindungsPruefung",
                                                    "Die Verbindung konnte nicht geöffnet werden:") +
                        QLatin1Char('\n') + grund;
        k.Verbindung.Schliessen();
        return ergebnis;
    }
    ergebnis.Geoeffnet = true;

    k.Protokoll.InitAnlagen();
    for (int n = 1; n <= anlagen; ++n) {
        if (fortschritt)
            fortschritt(n);
        if (k.Operationen.LerneAnlage(static_cast<quint8>(n)))
            ergebnis.Antworten.append(n);
        // The line may go while the plants are asked.
        if (!z.Verbunden)
            break;
    }
    k.Abfrage.StopTimer();
    k.Verbindung.Schliessen();

    if (ergebnis.Antworten.isEmpty()) {
        ergebnis.Text = QCoreApplication::translate(
                            "TVerbindungsPruefung",
                            "Die Verbindung ist offen, aber keine der %1 Steuerungen hat geantwortet. Bitte "
                            "Kabel, Geschwindigkeit und Zahl der Anlagen überprüfen.")
                            .arg(anlagen);
        return ergebnis;
    }
    QStringList nummern;
    for (int n : ergebnis.Antworten)
        nummern.append(QString::number(e.Adressen33 ? n + 32 : n));
    ergebnis.Text = QCoreApplication::translate("TVerbindungsPruefung",
                                                "%1 von %2 Steuerungen haben geantwortet: Anlage %3.")
                        .arg(ergebnis.Antworten.size())
                        .arg(anlagen)
                        .arg(nummern.join(QStringLiteral(", ")));
    return ergebnis;
}

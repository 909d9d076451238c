// A pseudo-terminal that stands in for a serial line: the simulator holds
// the master side, the PC opens the slave device (optionally reached through
// a symbolic link) like any serial port.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace KompostSim {

class TSimPty : public QObject {
    Q_OBJECT
public:
    explicit TSimPty(QObject *parent = nullptr);
    ~TSimPty() override;

    // Opens the pseudo-terminal in raw mode. With a non-empty `linkPfad` a
    // symbolic link to the slave device is made there (an existing link is
    // replaced, any other file is left alone and reported). Returns false
    // with a message in `fehler` if that fails.
    bool Oeffne(const QString &linkPfad, QString *fehler);
    void Schliesse();
    bool IstOffen() const { return m_master >= 0; }

    // The slave device, e.g. /dev/pts/5, and the link made to it.
    QString Geraet() const { return m_geraet; }
    QString Link() const { return m_link; }

    // Writes towards the PC. What the line cannot take at once waits and is
    // written when it can (up to a limit; beyond it the oldest bytes go).
    void Schreibe(const QByteArray &daten);

signals:
    void Empfangen(const QByteArray &daten);

private:
    void Lesen();
    void SchreibeAusstehendes();

    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees a hang-up
    QSocketNotifier *m_lesen = nullptr;
    QSocketNotifier *m_schreiben = nullptr;
    QByteArray m_ausstehend;
    QString m_geraet;
    QString m_link;
};

} // namespace KompostSim

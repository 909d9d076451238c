#include "TSimPty.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace KompostSim {

namespace {
constexpr qsizetype MaxAusstehend = 64 * 1024;
}

TSimPty::TSimPty(QObject *parent) : QObject(parent) {
}

TSimPty::~TSimPty() {
    Schliesse();
}

#if defined(Q_OS_UNIX)

static QString Fehlertext(const char *was) {
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(was),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool TSimPty::Oeffne(const QString &linkPfad, QString *fehler) {
    Schliesse();
    auto scheitern = [&](const QString &text) {
        if (fehler)
            *fehler = text;
        Schliesse();
        return false;
    };

    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return scheitern(Fehlertext("posix_openpt"));
    if (::grantpt(m_master) != 0)
        return scheitern(Fehlertext("grantpt"));
    if (::unlockpt(m_master) != 0)
        return scheitern(Fehlertext("unlockpt"));
    const char *name = ::ptsname(m_master);
    if (!name)
        return scheitern(Fehlertext("ptsname"));
    m_geraet = QString::fromLocal8Bit(name);

    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return scheitern(Fehlertext("open slave"));
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0)
        return scheitern(Fehlertext("tcgetattr"));
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return scheitern(Fehlertext("tcsetattr"));

    const int flags = ::fcntl(m_master, F_GETFL);
    if (flags < 0 || ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return scheitern(Fehlertext("fcntl"));

    if (!linkPfad.isEmpty()) {
        const QFileInfo info(linkPfad);
        if (info.isSymLink()) {
            QFile::remove(linkPfad);
        } else if (info.exists()) {
            return scheitern(QStringLiteral("%1 exists and is no symbolic link").arg(linkPfad));
        }
        if (!QFile::link(m_geraet, linkPfad))
            return scheitern(QStringLiteral("cannot make the link %1").arg(linkPfad));
        m_link = linkPfad;
    }

    m_lesen = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_lesen, &QSocketNotifier::activated, this, &TSimPty::Lesen);
    m_schreiben = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_schreiben->setEnabled(false);
    connect(m_schreiben, &QSocketNotifier::activated, this, &TSimPty::SchreibeAusstehendes);
    return true;
}

void TSimPty::Schliesse() {
    delete m_lesen;
    m_lesen = nullptr;
    delete m_schreiben;
    m_schreiben = nullptr;
    if (!m_link.isEmpty()) {
        // Only our own link goes; someone may have replaced it meanwhile.
        if (QFileInfo(m_link).symLinkTarget() == m_geraet)
            QFile::remove(m_link);
        m_link.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_ausstehend.clear();
    m_geraet.clear();
}

void TSimPty::Lesen() {
    char puffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, puffer, sizeof puffer);
        if (n > 0) {
            emit Empfangen(QByteArray(puffer, static_cast<qsizetype>(n)));
            if (m_master < 0)
                return; // closed by a receiver
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO cannot occur while our slave is open; should
        // it happen anyway, stop listening rather than spin on it.
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && m_lesen)
            m_lesen->setEnabled(false);
        return;
    }
}

void TSimPty::Schreibe(const QByteArray &daten) {
    if (m_master < 0)
        return;
    m_ausstehend += daten;
    if (m_ausstehend.size() > MaxAusstehend)
        m_ausstehend.remove(0, m_ausstehend.size() - MaxAusstehend);
    SchreibeAusstehendes();
}

void TSimPty::SchreibeAusstehendes() {
    while (!m_ausstehend.isEmpty() && m_master >= 0) {
        const ssize_t n =
            ::write(m_master, m_ausstehend.constData(), static_cast<size_t>(m_ausstehend.size()));
        if (n > 0) {
            m_ausstehend.remove(0, static_cast<qsizetype>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_schreiben)
        m_schreiben->setEnabled(!m_ausstehend.isEmpty());
}

#else

bool TSimPty::Oeffne(const QString &, QString *fehler) {
    if (fehler)
        *fehler = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void TSimPty::Schliesse() {
}
void TSimPty::Lesen() {
}
void TSimPty::Schreibe(const QByteArray &) {
}
void TSimPty::SchreibeAusstehendes() {
}

#endif

} // namespace KompostSim

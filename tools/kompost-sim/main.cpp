// kompost-sim: the controller simulator as a program. Prints where it
// listens, then serves until SIGINT or SIGTERM.

#include "TSimOptionen.h"
#include "TSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTime>

#include <cstdio>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

using namespace KompostSim;

namespace {

void Zeile(FILE *datei, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), datei);
    std::fputc('\n', datei);
    std::fflush(datei);
}

#if defined(Q_OS_UNIX)
int g_signalPaar[2] = {-1, -1};

void SignalEmpfangen(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPaar[0], &c, 1);
}

// Turns SIGINT and SIGTERM into a quit of the event loop.
bool BeendenBeiSignal(QCoreApplication &app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPaar) != 0)
        return false;
    auto *melder = new QSocketNotifier(g_signalPaar[1], QSocketNotifier::Read, &app);
    QObject::connect(melder, &QSocketNotifier::activated, &app, [melder] {
        melder->setEnabled(false);
        char c = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPaar[1], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction sa {};
    sa.sa_handler = SignalEmpfangen;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}
#endif

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kompost-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KOMPOST_VERSION));

    QCommandLineParser parser;
    TSimOptionen::RichteEin(parser);
    parser.process(app); // --help, --version and unknown options end here

    TSimOptionen optionen;
    QString fehler;
    if (!optionen.Lies(parser, fehler)) {
        Zeile(stderr, QStringLiteral("kompost-sim: ") + fehler);
        return 2;
    }

#if defined(Q_OS_UNIX)
    if (!BeendenBeiSignal(app)) {
        Zeile(stderr, QStringLiteral("kompost-sim: cannot catch SIGINT/SIGTERM"));
        return 1;
    }
#endif

    TSimulator sim(optionen.Seed);
    optionen.Anwenden(sim);
    if (optionen.Ausfuehrlich) {
        QObject::connect(&sim, &TSimulator::Meldung, &app, [](const QString &text) {
            Zeile(stderr, QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz ")) + text);
        });
    }

    if (optionen.Tcp) {
        if (!sim.StarteTcp(optionen.TcpAdresse, optionen.TcpPort)) {
            Zeile(stderr, QStringLiteral("kompost-sim: cannot listen on %1:%2: %3")
                              .arg(optionen.TcpAdresse.toString())
                              .arg(optionen.TcpPort)
                              .arg(sim.Fehler()));
            return 1;
        }
        Zeile(stdout, QStringLiteral("tcp %1:%2").arg(sim.TcpAdresse().toString()).arg(sim.TcpPort()));
    }
    if (optionen.Pty) {
        if (!sim.StartePty(optionen.PtyLink)) {
            Zeile(stderr, QStringLiteral("kompost-sim: cannot open a pseudo-terminal: %1").arg(sim.Fehler()));
            return 1;
        }
        Zeile(stdout, QStringLiteral("pty %1").arg(sim.PtyGeraet()));
        if (!sim.PtyLink().isEmpty())
            Zeile(stdout, QStringLiteral("link %1").arg(sim.PtyLink()));
    }

    QList<int> laufend;
    QList<int> aus;
    for (int n : sim.Anlagen()) {
        if (optionen.Stumm.contains(n))
            continue;
        (sim.Anlage(n).Eingeschaltet() ? laufend : aus).append(n);
    }
    Zeile(stdout, QStringLiteral("plants running %1, switched off %2, silent %3, time factor %4")
                      .arg(AnlagenListeText(laufend), AnlagenListeText(aus), AnlagenListeText(optionen.Stumm))
                      .arg(sim.Zeitfaktor()));

    const int ergebnis = QCoreApplication::exec();
    sim.Stoppe(); // removes the link
    return ergebnis;
}

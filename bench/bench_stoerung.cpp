// Fault soak of the readout: readouts of the controller's stored records into
// a data file against the simulator with lost replies, replies split into
// pieces, noise before replies and (over TCP) connections closed by the
// adapter, over TCP and over the pseudo-terminal.
//
//   bench_stoerung [readouts per transport] [records per readout]
//
// Figures per transport: readouts and how many succeeded; records the
// controller stored; "G" replies decoded; record lines in the file; record
// numbers given twice and records written twice; whether the file loads with
// every line; records still in the controller; and the records lost by the
// protocol itself: a controller forgets a record once it has sent it, so a
// reply lost on the line takes its record with it.
#include "comm/UKommunikation.h"
#include "data/UMessDaten.h"
#include "display/USpeicherung.h"
#include "kompost-sim/TSimulator.h"
#include "shell/UIniDatei.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct TStumm : ISpeicherAnzeige {
    void Meldung(const QString &) override {}
    void AnzahlAnzeigen(const QString &) override {}
    void FortschrittZeigen(int) override {}
    void FortschrittSchritt() override {}
    void FortschrittVerbergen() override {}
};

bool verbinde(TKommunikation &k, KompostSim::TSimulator &sim, bool tcp) {
    TZustand &z = k.Zustand;
    if (tcp) {
        k.Verbindung.Socket().abort(); // what is left of a connection the adapter closed
        z.OptNetzwerk = true;
        z.Layer = 1;
        z.NetAdresse = QStringLiteral("127.0.0.1");
        z.NetPort = sim.TcpPort();
        QSignalSpy verbunden(&k.Verbindung, &TVerbindung::NetzVerbunden);
        k.Verbindung.OeffneVerbindung();
        if (!verbunden.wait(5000))
            return false;
    } else {
        z.OptPortGeraete[1] = sim.PtyGeraet();
        z.ComNummer = 1;
        z.Layer = 0;
        k.Verbindung.OeffneVerbindung();
    }
    k.Abfrage.StopTimer();
    return z.Verbunden;
}

int lauf(bool tcp, int auslesungen, int jeAuslesung) {
    QTemporaryDir ordner;
    TZustand z;
    z.AnlagenAnzahl = 1;
    z.OptAnlagenAnzahl = 1;
    z.Heimordner = ordner.path();
    z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    KompostSim::TSimulator sim(11);
    sim.SetZeitfaktor(0);
    if (tcp ? !sim.StarteTcp(QHostAddress::LocalHost, 0) : !sim.StartePty()) {
        std::fprintf(stderr, "simulator not started\n");
        return 1;
    }
    KompostSim::TSimStoerung &st = sim.Stoerung(1);
    st.Verlustanteil = 0.02;
    st.Zerteilen = true;
    st.Rauschen = 6;
    if (tcp)
        sim.SetTrennenNach(157);

    TKommunikation k(z);
    TIniDatei ini(ordner.filePath(QStringLiteral("O2_Tarvos.ini")), z.Gebietsschema);
    TDataFile datei(z, ini);
    TStumm anzeige;
    TSpeicherung sp(k, datei, anzeige);
    tAnlageParameter &a = z.Anlagen[1];
    a.Name = QStringLiteral("Soak");
    a.Pfad = ordner.path() + QLatin1Char('/');
    a.Angeschlossen = 1;
    a.Eingeschaltet = 1;

    int decodiert = 0;
    QObject::connect(&k.Protokoll, &TProtokoll::AntwortGemeldet, [&](int code) {
        if (code == Befehle::Datensatz)
            ++decodiert;
    });
    int gesendet = 0;
    QObject::connect(&sim, &KompostSim::TSimulator::AntwortGesendet, [&](int, const QByteArray &antwort) {
        if (antwort.startsWith('G'))
            ++gesendet;
    });

    int gespeichert = 0;
    int erfolgreich = 0;
    int verbindungen = 0;
    QElapsedTimer uhr;
    uhr.start();
    int nachLetzter = 0; // records in the controller after the last readout
    for (int i = 0; i < auslesungen; ++i) {
        sim.Vorspulen(6 * 3600 * 1000); // the records of each readout from a later time
        sim.Anlage(1).FuelleSpeicher(jeAuslesung);
        gespeichert += int(sim.Anlage(1).Speicher().size()) - nachLetzter;
        if (!z.Verbunden) {
            if (!verbinde(k, sim, tcp)) {
                std::fprintf(stderr, "no connection to the simulator\n");
                return 1;
            }
            ++verbindungen;
        }
        const bool ok = sp.StoreControllerRecordsQuiet(1);
        erfolgreich += ok ? 1 : 0;
        if (!ok && qEnvironmentVariableIsSet("KOMPOST_BENCH_AUSFUEHRLICH"))
            std::fprintf(stderr, "readout %d: %s\n", i + 1, qPrintable(sp.LastError()));
        nachLetzter = int(sim.Anlage(1).Speicher().size());
    }
    const double sekunden = double(uhr.elapsed()) / 1000.0;
    const int imSpeicher = int(sim.Anlage(1).Speicher().size());

    TMessDaten m(z);
    const bool geladen = m.Load(a.Datei) && m.Valid();
    m.BuildSeries(false, nullptr);
    QSet<QByteArray> nummern, inhalte;
    int doppelteNummern = 0, doppelteSaetze = 0;
    for (qint32 i = 0; i < m.Lines().count(); ++i) {
        const QByteArrayView zeile = m.Lines().Bytes(i);
        const qsizetype p = zeile.indexOf(';');
        const QByteArray nr = zeile.first(qMax<qsizetype>(p, 0)).toByteArray();
        if (nummern.contains(nr))
            ++doppelteNummern;
        nummern.insert(nr);
        const QByteArray inhalt = zeile.sliced(p + 1).toByteArray();
        if (inhalte.contains(inhalt))
            ++doppelteSaetze;
        inhalte.insert(inhalt);
    }
    const int inDatei = m.LineCount();
    std::printf("%s: %d readouts (%d succeeded, %d connections) in %.0f s\n", tcp ? "TCP" : "pseudo-terminal",
                auslesungen, erfolgreich, verbindungen, sekunden);
    std::printf("  records stored by the controller %d, sent %d, 'G' replies decoded %d, record lines in "
                "the file %d\n",
                gespeichert, gesendet, decodiert, inDatei);
    std::printf("  record numbers twice %d, records twice %d, file loads %s with %d of %d lines plotted "
                "(%d skipped)\n",
                doppelteNummern, doppelteSaetze, geladen ? "yes" : "NO", m.PointCount(), inDatei,
                m.SkippedLines());
    std::printf("  still in the controller %d; lost by the protocol (sent or dropped after the controller "
                "forgot them) %d\n",
                imSpeicher, gespeichert - inDatei - imSpeicher);
    std::fflush(stdout);
    return (decodiert == inDatei && doppelteNummern == 0 && doppelteSaetze == 0 && geladen) ? 0 : 2;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int auslesungen = argc > 1 ? std::atoi(argv[1]) : 50;
    const int jeAuslesung = argc > 2 ? std::atoi(argv[2]) : 20;
    const QByteArray nur = qgetenv("KOMPOST_BENCH_NUR"); // "tcp" or "pty": one transport only
    const int a = nur == "pty" ? 0 : lauf(true, auslesungen, jeAuslesung);
    const int b = nur == "tcp" ? 0 : lauf(false, auslesungen, jeAuslesung);
    return a != 0 ? a : b;
}

// Benchmark of the controller communication against the simulator program
// kompost-sim in a process of its own, over loopback TCP:
//  1. processor time of this program while polling 32 plants, as a share of one core,
//     and the size of the event log this writes, extrapolated to one day;
//  2. wall time of learning 32 silent plants against 32 x 2 x TimeoutKurz;
//  3. stored records read per second with 'G' from a simulator without reply delay;
//  4. a whole readout of 1000 records (TSpeicherung: room check, each line
//     written and synced) into a data file in a temporary folder;
//  5. keeping records the disk refuses: the list of kept records written
//     whole and synced at each one, and writing them out again.
// Run by hand: bench_abfrage [--sim PATH] [--sekunden N]
#include "BenchHilfen.h"
#include "comm/UKommunikation.h"
#include "display/USpeicherung.h"
#include "shell/KompUtils.h"
#include "shell/UIniDatei.h"
#include "shell/ULog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

using namespace BenchHilfen;

namespace {

struct Sim {
    QProcess prozess;
    quint16 port = 0;
    bool starte(const QString &programm, const QStringList &argumente) {
        prozess.start(programm,
                      QStringList{QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0")} + argumente);
        if (!prozess.waitForStarted(5000))
            return false;
        while (prozess.waitForReadyRead(5000)) {
            while (prozess.canReadLine()) {
                const QByteArray zeile = prozess.readLine().trimmed();
                if (zeile.startsWith("tcp ")) {
                    port = static_cast<quint16>(zeile.mid(zeile.lastIndexOf(':') + 1).toUInt());
                    return port != 0;
                }
            }
        }
        return false;
    }
    ~Sim() {
        prozess.terminate();
        prozess.waitForFinished(3000);
    }
};

struct Verbindung {
    TZustand z;
    std::unique_ptr<TKommunikation> komm;
    bool verbinde(quint16 port, int anlagen) {
        z.AnlagenAnzahl = static_cast<quint16>(anlagen);
        z.OptNetzwerk = true;
        z.Layer = 1;
        z.NetAdresse = QStringLiteral("127.0.0.1");
        z.NetPort = port;
        komm = std::make_unique<TKommunikation>(z);
        QSignalSpy verbunden(&komm->Verbindung, &TVerbindung::NetzVerbunden);
        komm->Verbindung.OeffneVerbindung();
        if (!verbunden.wait(5000))
            return false;
        komm->Abfrage.StopTimer();
        return true;
    }
};

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString sim = QStringLiteral(KOMPOST_SIM);
    int sekunden = 60;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--sim"))
            sim = args[i + 1];
        else if (args[i] == QLatin1String("--sekunden"))
            sekunden = args[i + 1].toInt();
    }

    // 1. Polling 32 plants.
    {
        Sim s;
        Verbindung v;
        if (!s.starte(sim, {QStringLiteral("--plants"), QStringLiteral("1-32")}) || !v.verbinde(s.port, 32)) {
            std::fprintf(stderr, "simulator not reachable\n");
            return 1;
        }
        for (int i = 1; i <= 32; ++i) {
            v.z.Anlagen[static_cast<size_t>(i)].Angeschlossen = 1;
            v.z.Anlagen[static_cast<size_t>(i)].Eingeschaltet = 1;
        }
        // The event log as the program writes it (German dates).
        QTemporaryDir ordner;
        v.z.Heimordner = ordner.path();
        v.z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        TLog log(v.z);
        log.LogOeffnen();
        v.komm->Protokoll.SetzeLog(&log);
        const double cpu0 = cpuSekunden();
        QElapsedTimer uhr;
        uhr.start();
        v.komm->Abfrage.StartePolling();
        KompUtils::Warte(sekunden * 1000);
        v.komm->Abfrage.StopTimer();
        const double cpu = cpuSekunden() - cpu0;
        const double wand = static_cast<double>(uhr.elapsed()) / 1000.0;
        int gueltig = 0;
        for (int i = 1; i <= 32; ++i)
            gueltig += v.z.Messwerte[static_cast<size_t>(i)].Gueltig;
        std::printf("1. polling 32 plants for %.1f s: %.3f s processor time = %.2f %% of one core "
                    "(%d of 32 plants with valid readings)\n",
                    wand, cpu, 100.0 * cpu / wand, gueltig);
        v.komm->Protokoll.SetzeLog(nullptr);
        log.LogSchliessen();
        const double bytes = static_cast<double>(QFileInfo(log.DateiName()).size());
        std::printf("   event log: %.0f bytes in %.1f s = %.1f MB per day\n", bytes, wand,
                    bytes / wand * 86400.0 / 1e6);
    }

    // 2. Learning 32 silent plants.
    {
        Sim s;
        Verbindung v;
        if (!s.starte(sim, {QStringLiteral("--plants"), QStringLiteral("1"), QStringLiteral("--silent"),
                            QStringLiteral("1")}) ||
            !v.verbinde(s.port, 32))
            return 1;
        QElapsedTimer uhr;
        uhr.start();
        for (int i = 1; i <= 32; ++i)
            v.komm->Operationen.LerneAnlage(static_cast<quint8>(i));
        const double ms = static_cast<double>(uhr.elapsed());
        const double boden = 32.0 * 2.0 * v.z.TimeoutKurz;
        std::printf("2. learning 32 silent plants: %.0f ms against the floor of %.0f ms (+%.2f %%)\n", ms,
                    boden, 100.0 * (ms - boden) / boden);
    }

    // 3. Records read with 'G'.
    {
        Sim s;
        Verbindung v;
        if (!s.starte(sim, {QStringLiteral("--plants"), QStringLiteral("1"), QStringLiteral("--records"),
                            QStringLiteral("1000"), QStringLiteral("--time-factor"), QStringLiteral("0")}) ||
            !v.verbinde(s.port, 1))
            return 1;
        v.z.Anlagen[1].Angeschlossen = 1;
        if (!v.komm->Operationen.LeseAnzahlDaten(1))
            return 1;
        const int anzahl = v.z.AnzahlDaten;
        QElapsedTimer uhr;
        uhr.start();
        int gelesen = 0;
        for (int i = 0; i < anzahl; ++i)
            if (v.komm->Abfrage.SendeUndWarte(v.z.TimeoutLang, 1, Befehle::Datensatz))
                ++gelesen;
        const double ms = static_cast<double>(uhr.elapsed());
        std::printf("3. %d of %d records read in %.0f ms: %.0f records/s, %.3f ms per record\n", gelesen,
                    anzahl, ms, 1000.0 * gelesen / ms, ms / std::max(gelesen, 1));
    }

    // 4. and 5. The readout into a data file, and records kept.
    {
        Sim s;
        Verbindung v;
        if (!s.starte(sim, {QStringLiteral("--plants"), QStringLiteral("1"), QStringLiteral("--records"),
                            QStringLiteral("1000"), QStringLiteral("--time-factor"), QStringLiteral("0")}) ||
            !v.verbinde(s.port, 1))
            return 1;
        QTemporaryDir ordner;
        v.z.Heimordner = ordner.path();
        v.z.Anlagen[1].Angeschlossen = 1;
        v.z.Anlagen[1].Eingeschaltet = 1;
        v.z.Anlagen[1].Name = QStringLiteral("Bench");
        v.z.Anlagen[1].Pfad = ordner.path() + QLatin1Char('/');
        TIniDatei ini(ordner.filePath(QStringLiteral("O2_Tarvos.ini")));
        TDataFile datei(v.z, ini);
        struct : ISpeicherAnzeige {
            void Meldung(const QString &) override {}
            void AnzahlAnzeigen(const QString &) override {}
            void FortschrittZeigen(int) override {}
            void FortschrittSchritt() override {}
            void FortschrittVerbergen() override {}
        } anzeige;
        TSpeicherung sp(*v.komm, datei, anzeige);
        QElapsedTimer uhr;
        uhr.start();
        const bool ok = sp.StoreControllerRecordsQuiet(1);
        const double ms = static_cast<double>(uhr.elapsed());
        std::printf("4. readout of %d records into a data file (%s): %.0f ms, %.3f ms per record\n",
                    sp.Gelesen(), ok ? "all saved" : "FAILED", ms, ms / std::max(sp.Gelesen(), 1));

        // 100 records the disk refuses, each kept and the list synced; then written out.
        datei.Schreibsperre = [](const QString &, const QByteArray &) { return QStringLiteral("voll"); };
        if (!datei.OpenDataFile(1))
            return 1;
        tAnlageMesswerte w;
        w.Gueltig = 1;
        uhr.restart();
        for (int i = 0; i < 100; ++i)
            datei.WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), w);
        const double behalten = static_cast<double>(uhr.elapsed());
        datei.CloseDataFile(1);
        datei.Schreibsperre = nullptr;
        uhr.restart();
        const bool geschrieben = datei.GehalteneSchreiben(1);
        const double raus = static_cast<double>(uhr.elapsed());
        std::printf("5. 100 records kept: %.2f ms per record (list written and synced each time); "
                    "written out %s in %.0f ms\n",
                    behalten / 100.0, geschrieben ? "whole" : "NOT", raus);
    }
    return 0;
}

// Loads arbitrary bytes as a data file, judges its hygienisation and builds
// the series from them, every record per point and one per day, in °C and in
// °F. Invariants: no more points than record lines, one label per point,
// every series one placeholder plus one value per point; the verdict counts
// no more records than lines, no span is negative or longer than the clock
// ran, and the file's fingerprint is 64 hex digits.
#include "data/UHygienisierung.h"
#include "data/UMessDaten.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(const TMessDaten &m) {
    if (m.PointCount() < 0 || m.PointCount() > m.LineCount())
        std::abort();
    if (m.Labels().count() != m.PointCount())
        std::abort();
    for (TMessSerie *s : m.AllSeries())
        if (s->Anzahl() != m.PointCount() + 1)
            std::abort();
    if (m.SkippedLines() < 0 || m.SkippedLines() + m.PointCount() > m.LineCount())
        std::abort();
    for (qint32 i = 0; i < m.Labels().count(); ++i)
        if (m.Labels().at(i).isEmpty())
            std::abort();
}

void pruefeUrteil(const TMessDaten &m, bool metric) {
    const THygienisierung h =
        BewerteHygienisierung(m, metric ? TAnlagenArt::Geschlossen : TAnlagenArt::Offen);
    if (h.Ausgewertet < 0 || h.Ausgelassen < 0 || h.Doppelt < 0 ||
        qint64(h.Ausgewertet) + h.Ausgelassen + h.Doppelt > m.LineCount())
        std::abort();
    if (h.Unplausibel < 0 || h.Unplausibel > h.Ausgewertet)
        std::abort();
    for (const auto &kriterium : h.Spanne)
        for (const THygieneSpanne &s : kriterium)
            if (s.Minuten < 0 || s.Saetze < 0 || s.Saetze > h.Ausgewertet || (s.Vorhanden && s.Saetze < 1))
                std::abort();
    if (h.Nachweis >= 0 && !h.Erfuellt[size_t(h.Nachweis)][0])
        std::abort();
    if (m.Sha256().size() != 64)
        std::abort();
    const THygieneText t = HygieneText(h, metric);
    if (t.Zeilen.size() != 6 || t.Schluss.isEmpty() || t.SchlussAlle.isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir ordner;
    static const QString pfad = ordner.filePath(QStringLiteral("f.CSV"));
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    // one model per unit system for all inputs, as a window keeps its model
    // from file to file
    static const auto zustand = [](bool metric) {
        auto *z = new TZustand;
        z->Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z->Metric = metric;
        z->RefTemp = 55.0;
        return z;
    };
    static TMessDaten *const modelle[2] = {new TMessDaten(*zustand(false)), new TMessDaten(*zustand(true))};
    for (size_t k = 0; k < 2; ++k) {
        TMessDaten &m = *modelle[k];
        if (!m.Load(pfad))
            std::abort();
        if (!m.Valid() && m.LineCount() != 0)
            std::abort();
        // the verdict before the series, which collapse day-end lines for good
        pruefeUrteil(m, k == 1);
        for (bool einJeTag : {false, true, false}) {
            m.BuildSeries(einJeTag, nullptr);
            pruefe(m);
        }
    }
    return 0;
}

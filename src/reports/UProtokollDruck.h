// One printed protocol of a loaded data file: creates the layout of the kind
// (0 measurement protocol TFQRKompForm, 1 quality-association protocol
// TFQRKompProtokoll), fills its header and column titles, hooks the row
// counter and the print handlers of the detail fields to the series model,
// builds the series (every record or one per day) into the layout's chart,
// puts the series of the kind on the chart or takes the chart out, and for
// the quality-association protocol adds the hygienisation verdict below the
// rows: the plant type, a line per criterion and basis, the gaps, clock steps,
// repeats, implausible readings and unreadable lines, the closing lines for
// the core and for all measuring points, and the data file's name with the
// SHA-256 of its bytes. The viewer previews or prints the layout;
// ProtokollAlsPdf writes it as a PDF without any window. Destroying the object
// takes the series off the layout's chart again (they belong to the model)
// and frees the layout.
#pragma once

#include "data/UHygienisierung.h"
#include "reports/UProtokollZeilen.h"

#include <QString>
#include <memory>

class TBericht;
class TDiagrammAnzeige;
class TFQRKompForm;
class TFQRKompProtokoll;
class TMessDaten;
struct TZustand;

class TProtokollDruck {
public:
    // daten: loaded and valid. hygiene: the verdict printed by kind 1, of
    // every record of daten as loaded (building the series may collapse
    // day-end lines for good, so it is evaluated before); kind 0 prints none.
    TProtokollDruck(TMessDaten &daten, const TZustand &z, int art, bool grafik, bool proTag,
                    const THygienisierung &hygiene);
    ~TProtokollDruck();
    TProtokollDruck(const TProtokollDruck &) = delete;
    TProtokollDruck &operator=(const TProtokollDruck &) = delete;

    // false: the series could not be built (Fehler says why); nothing to print.
    bool Ok() const { return m_fehler.isEmpty(); }
    QString Fehler() const { return m_fehler; }
    // The number of rows the protocol prints.
    int Werte() const { return m_werte; }

    TBericht &Bericht();
    TFQRKompForm *Messprotokoll() const { return m_form.get(); }
    TFQRKompProtokoll *GueteProtokoll() const { return m_protokoll.get(); }
    TDiagrammAnzeige *Diagramm() const;

private:
    void messprotokollFuellen(const TZustand &z);
    void gueteprotokollFuellen(const TZustand &z);
    void hygieneBaender(const THygienisierung &h, bool metric, const QLocale &ort);
    void hinweisBand(const QString &text);

    TMessDaten &m_daten;
    std::unique_ptr<TFQRKompForm> m_form;
    std::unique_ptr<TFQRKompProtokoll> m_protokoll;
    TProtokollZeilen m_zeilen;
    QString m_fehler;
    int m_werte = 0;
};

// kompost --pdf: the protocol of the data file datei as PDF file pdf, with
// the settings of z (Metric, ShowRef, RefTemp), the verdict for a plant of
// type anlagenArt. Returns the exit code: 0 the PDF is written; 2 the data
// file cannot be read, is not a data file or holds no readable record (no
// PDF); 1 the PDF cannot be written. meldung: one line for standard error in
// the current language (empty on success).
int ProtokollAlsPdf(const TZustand &z, const QString &datei, int art, bool proTag, bool grafik,
                    TAnlagenArt anlagenArt, const QString &pdf, QString &meldung);

// Loads a data file for a printout without a window. 0: loaded and valid; 2:
// it cannot be read or is no data file (meldung says so in one line).
int DatendateiFuerDruck(TMessDaten &daten, const QString &datei, QString &meldung);
// The line for a data file without any readable record (exit code 2).
QString KeineMesswerteMeldung(const QString &datei);

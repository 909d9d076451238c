// The rows of the printed protocols: the reports have no data source of their
// own; the row counter answers the report's need-data requests and the print
// handlers of the detail fields take their texts from the series model.
//
// Row k (1-based) shows point k of each series (point 0 is the model's
// placeholder) and entry k - 1 of the time labels. Temperatures, depth mark,
// fan running time and cycles print with "%4.0f", O2 with "%4.1f" and the
// user's decimal separator; a series without point k prints "-*-"; the depth
// mark prints nothing when the depth is not shown (ShowRef off).
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

class TMessDaten;
class TMessSerie;

class TProtokollZeilen {
public:
    enum class TFeld { Nr, Datum, T1, T2, T3, T4, T5, Ref, O2, Laufzeit, Zyklen };

    TProtokollZeilen(TMessDaten &daten, bool showRef, const QLocale &locale)
        : m_daten(daten), m_showRef(showRef), m_locale(locale) {}

    // The need-data handler: true while rows remain (the counter then names
    // the row to print); false once all are printed, and the counter is 0 again.
    bool NeedData();
    // The row being printed, 0 between runs.
    int Zeile() const { return m_zeile; }
    void Zuruecksetzen() { m_zeile = 0; }

    // The text of a field in the current row.
    QString Text(TFeld feld) const;
    // The text of a field in row k.
    QString Text(TFeld feld, int k) const;

    // A value with a printf format, the point replaced by the locale's decimal separator.
    static QString Formatiere(const char *format, double wert, const QLocale &locale);

private:
    TMessDaten &m_daten;
    bool m_showRef;
    QLocale m_locale;
    int m_zeile = 0;
};

// The series the chart of a protocol shows: kind 0 (measurement protocol) the
// five temperatures, the depth mark (only with showRef) and O2; kind 1
// (quality-association protocol) the temperatures at 100 and 0 cm and the
// depth mark (only with showRef).
QList<TMessSerie *> ProtokollSerien(TMessDaten &daten, int art, bool showRef);

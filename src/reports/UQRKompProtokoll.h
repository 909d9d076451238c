// The quality-association protocol ("Temperatur- Protokoll Eigenuntersuchung
// von Kompost"), Letter portrait: page header with the company lines and the
// pile name, the column titles, one boxed row per record with the depth mark,
// core and base temperature and empty remark and signature cells, the chart in
// the summary band, and the page footer. Filled like TFQRKompForm.
#pragma once

#include "toolkit/UBericht.h"

#include <memory>

class TDiagrammAnzeige;
class TMessSerie;

class TFQRKompProtokoll : public TBericht {
public:
    TFQRKompProtokoll();
    ~TFQRKompProtokoll() override;

    // Takes the chart and the summary band out of the report: no graph.
    void OhneDiagramm();

    TBerichtBand *QRBand1 = nullptr;
    TBerichtBand *ColumnHeaderBand1 = nullptr;
    TBerichtBand *DetailBand1 = nullptr;
    TBerichtBand *SummaryBand1 = nullptr;
    TBerichtBand *PageFooterBand1 = nullptr;

    // Page header.
    TBerichtFeld *QRKLabel1 = nullptr;
    TBerichtFeld *QRLabel4 = nullptr;
    TBerichtFeld *QRKopf1 = nullptr;
    TBerichtFeld *QRKopf2 = nullptr;
    TBerichtFeld *QRKopf3 = nullptr;
    TBerichtFeld *QRLabel9 = nullptr;
    TBerichtFeld *AnlName = nullptr;

    // Column header.
    TBerichtFeld *QRDatum = nullptr;
    TBerichtFeld *QRLabel5 = nullptr;
    TBerichtFeld *QRTemp1 = nullptr; // "Rand " + depth unit
    TBerichtFeld *QRTemp2 = nullptr; // "Kern " + temperature unit
    TBerichtFeld *QRTemp3 = nullptr; // "Basis " + temperature unit
    TBerichtFeld *QRLabel7 = nullptr;
    TBerichtFeld *QRLabel3 = nullptr;

    // Detail row.
    TBerichtFeld *QRDat = nullptr;
    TBerichtFeld *QR55Gr = nullptr;
    TBerichtFeld *QRT1 = nullptr;
    TBerichtFeld *QRT5 = nullptr;

    std::unique_ptr<TDiagrammAnzeige> QRChart1;

private:
    std::unique_ptr<TMessSerie> m_platzhalter;
};

// The measurement protocol ("Humaro Messprotokoll"), Letter portrait: page
// header with the company lines, names and comments, the column titles, one
// detail row per record, the chart in the summary band, and the page footer.
//
// A filler sets the run-time texts (QRKopf1->Text = ...), the row callbacks
// (MehrDaten, BeimStart, QRNr->Drucken = [&](QString &t) { ... } ...), fills
// QRChart1->Diagramm() or calls OhneDiagramm(), and hands the layout to the
// output functions of toolkit/UBerichtAusgabe.h.
#pragma once

#include "toolkit/UBericht.h"

#include <memory>

class TDiagrammAnzeige;
class TMessSerie;

class TFQRKompForm : public TBericht {
public:
    TFQRKompForm();
    ~TFQRKompForm() override;

    // Takes the chart and the summary band out of the report: no graph.
    void OhneDiagramm();

    // Bands.
    TBerichtBand *QRBand1 = nullptr;           // page header
    TBerichtBand *ColumnHeaderBand1 = nullptr; // column titles
    TBerichtBand *DetailBand1 = nullptr;
    TBerichtBand *SummaryBand1 = nullptr; // the chart
    TBerichtBand *PageFooterBand1 = nullptr;

    // Page header.
    TBerichtFeld *QRKLabel1 = nullptr;
    TBerichtFeld *QRKopf1 = nullptr;
    TBerichtFeld *QRKopf2 = nullptr;
    TBerichtFeld *QRKopf3 = nullptr;
    TBerichtFeld *QRLabel9 = nullptr;
    TBerichtFeld *AnlName = nullptr;
    TBerichtFeld *QRLabel10 = nullptr;
    TBerichtFeld *DateiName = nullptr;
    TBerichtFeld *QRKomment1 = nullptr;
    TBerichtFeld *QRKomment2 = nullptr;

    // Column header.
    TBerichtFeld *QRLabel8 = nullptr;
    TBerichtFeld *QRDatum = nullptr;
    TBerichtFeld *QRLabel5 = nullptr;
    TBerichtFeld *QRTemp1 = nullptr;
    TBerichtFeld *QRTemp2 = nullptr;
    TBerichtFeld *QRTemp3 = nullptr;
    TBerichtFeld *QRTemp4 = nullptr;
    TBerichtFeld *QRTemp5 = nullptr;
    TBerichtFeld *QRLabel3 = nullptr;
    TBerichtFeld *QRLabel4 = nullptr;
    TBerichtFeld *QRLabel11 = nullptr;
    TBerichtFeld *QRLabel14 = nullptr;
    TBerichtFeld *QRLabel7 = nullptr;
    TBerichtFeld *QRLabel6 = nullptr;

    // Detail row.
    TBerichtFeld *QRNr = nullptr;
    TBerichtFeld *QRDat = nullptr;
    TBerichtFeld *QRT1 = nullptr;
    TBerichtFeld *QRT2 = nullptr;
    TBerichtFeld *QRT3 = nullptr;
    TBerichtFeld *QRT4 = nullptr;
    TBerichtFeld *QRT5 = nullptr;
    TBerichtFeld *QRO2 = nullptr;
    TBerichtFeld *QRZeit = nullptr;
    TBerichtFeld *QRZyklen = nullptr;
    TBerichtFeld *QR55Gr = nullptr;

    // The chart (line chart, legend by series title); holds the placeholder
    // series until a filler removes it (QRChart1->Diagramm().AlleSerienEntfernen()).
    std::unique_ptr<TDiagrammAnzeige> QRChart1;

private:
    std::unique_ptr<TMessSerie> m_platzhalter;
};

// The printed graph ("TARVOS Messprotokoll"), A4 landscape, always one page:
// page header with the company lines, names and comments, the chart in one
// detail band, and the page footer at the bottom of the page. The layout's own
// MehrDaten lets exactly one detail band print per run.
//
// A filler sets the header texts, takes over the screen chart's settings
// (QRChart1->Diagramm().EinstellungenUebernehmen(...)), removes the
// placeholder series and adds the shown series, then previews, prints or
// writes the PDF (toolkit/UBerichtAusgabe.h).
#pragma once

#include "toolkit/UBericht.h"

#include <memory>

class TDiagrammAnzeige;
class TMessSerie;

class TFQRGraphForm : public TBericht {
public:
    TFQRGraphForm();
    ~TFQRGraphForm() override;

    TBerichtBand *QRBand1 = nullptr;
    TBerichtBand *summaryband1 = nullptr; // a detail band holding the chart
    TBerichtBand *PageFooterBand1 = nullptr;

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

    std::unique_ptr<TDiagrammAnzeige> QRChart1;

private:
    std::unique_ptr<TMessSerie> m_platzhalter;
    bool m_gedruckt = false;
};

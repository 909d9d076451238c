// What the three printed layouts share: the page footer and the chart.
#pragma once

#include "toolkit/UBericht.h"

#include <memory>

class TDiagrammAnzeige;
class TMessSerie;

namespace QRGemeinsam {

// The page footer of every layout (10.6 mm, framed on all four sides): print
// date and time on the left, page number with the number of pages ("3 von 15")
// on the right.
TBerichtBand &Seitenfuss(TBericht &bericht, bool amSeitenende);

// The chart of a layout: a line chart without 3-D whose legend lists the
// series by title, holding one empty placeholder line series.
void DiagrammAnlegen(std::unique_ptr<TDiagrammAnzeige> &anzeige, std::unique_ptr<TMessSerie> &platzhalter);

} // namespace QRGemeinsam

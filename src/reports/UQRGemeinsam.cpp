#include "reports/UQRGemeinsam.h"

#include "toolkit/UDiagrammAnzeige.h"

#include <QCoreApplication>

namespace QRGemeinsam {

TBerichtBand &Seitenfuss(TBericht &bericht, bool amSeitenende) {
    TBerichtBand &fuss =
        bericht.NeuesBand(TBandArt::Seitenfuss, QStringLiteral("PageFooterBand1"), 10.6, TRahmen::Alle());
    fuss.AmSeitenende = amSeitenende;
    constexpr double oben = 3.0;
    fuss.Label(QStringLiteral("QRLabel1"), 2.2, oben, 28.7,
               QCoreApplication::translate("TFQRKompForm", "Druckdatum/-zeit :"));
    fuss.Systemfeld(QStringLiteral("QRSysData1"), TFeldArt::Druckzeit, 33.3, oben);
    fuss.Label(QStringLiteral("QRLabel2"), 152.6, oben, 17.2,
               QCoreApplication::translate("TFQRKompForm", "Seitennr. :"));
    fuss.Systemfeld(QStringLiteral("QRSysData2"), TFeldArt::SeiteVonGesamt, 170.9, oben);
    return fuss;
}

void DiagrammAnlegen(std::unique_ptr<TDiagrammAnzeige> &anzeige, std::unique_ptr<TMessSerie> &platzhalter) {
    anzeige = std::make_unique<TDiagrammAnzeige>();
    anzeige->resize(700, 520);
    TDiagramm &d = anzeige->Diagramm();
    d.SetDreidimensional(false);
    d.SetLegendeSichtbar(true);
    platzhalter =
        std::make_unique<TMessSerie>(TSerienArt::Linie, QStringLiteral("Series1"), TAchsenSeite::Links,
                                     QString(), Farben::Rot, TLinienStil::Durchgezogen);
    d.SerieHinzufuegen(platzhalter.get());
}

} // namespace QRGemeinsam

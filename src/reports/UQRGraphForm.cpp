#include "reports/UQRGraphForm.h"

#include "reports/UQRGemeinsam.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QCoreApplication>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TFQRGraphForm)
};

} // namespace

TFQRGraphForm::TFQRGraphForm() {
    Papier = QPageSize::A4;
    Ausrichtung = QPageLayout::Landscape;
    BandBreite = 277.2;
    Titel = TTexte::tr("TARVOS Messprotokoll");

    QRBand1 = &NeuesBand(TBandArt::Seitenkopf, QStringLiteral("QRBand1"), 46.0, TRahmen::Alle());
    TBerichtBand &k = *QRBand1;
    QRKLabel1 = &k.Label(QStringLiteral("QRKLabel1"), 45.0, 0.0, 0.0, TTexte::tr("TARVOS Messprotokoll"),
                         12.0, false, TAusrichtung::Mitte);
    QRKopf1 = &k.Label(QStringLiteral("QRKopf1"), 2.0, 6.3, 184.5, QStringLiteral("QRKopf1"), 14.0);
    QRKopf2 = &k.Label(QStringLiteral("QRKopf2"), 4.4, 12.8, 182.1, QStringLiteral("QRKopf2"));
    QRKopf3 = &k.Label(QStringLiteral("QRKopf3"), 4.4, 16.8, 182.1, QStringLiteral("QRKopf3"));
    QRLabel9 =
        &k.Label(QStringLiteral("QRLabel9"), 2.2, 25.6, 28.2, TTexte::tr("Anlagen- Name :"), 10.0, true);
    AnlName = &k.Label(QStringLiteral("AnlName"), 33.4, 25.5, 0.0, QStringLiteral("AnlName"));
    QRLabel10 =
        &k.Label(QStringLiteral("QRLabel10"), 2.2, 29.5, 28.2, TTexte::tr("Datei- Name :"), 10.0, true);
    DateiName = &k.Label(QStringLiteral("DateiName"), 33.4, 30.1, 0.0, QStringLiteral("DateiName"));
    QRKomment1 = &k.Label(QStringLiteral("QRKomment1"), 33.4, 35.4, 242.1, QStringLiteral("K1"));
    QRKomment2 = &k.Label(QStringLiteral("QRKomment2"), 33.4, 40.7, 242.1, QStringLiteral("K2"));

    // A detail band despite its name: the one band with the chart.
    summaryband1 = &NeuesBand(TBandArt::Detail, QStringLiteral("summaryband1"), 132.3);
    QRGemeinsam::DiagrammAnlegen(QRChart1, m_platzhalter);
    summaryband1->Diagramm(QStringLiteral("QRChart1"), 2.6, 2.6, 275.2, 122.0, QRChart1.get());

    PageFooterBand1 = &QRGemeinsam::Seitenfuss(*this, true);

    // Exactly one detail band per run: the first request is answered with
    // more data, the second with no more data.
    BeimStart = [this] { m_gedruckt = false; };
    MehrDaten = [this] {
        m_gedruckt = !m_gedruckt;
        return m_gedruckt;
    };
}

TFQRGraphForm::~TFQRGraphForm() = default;

#include "reports/UQRKompForm.h"

#include "reports/UQRGemeinsam.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QCoreApplication>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TFQRKompForm)
};

} // namespace

TFQRKompForm::TFQRKompForm() {
    Papier = QPageSize::Letter;
    Ausrichtung = QPageLayout::Portrait;
    BandBreite = 195.8;
    Titel = TTexte::tr("Humaro Messprotokoll");

    // Page header.
    QRBand1 = &NeuesBand(TBandArt::Seitenkopf, QStringLiteral("QRBand1"), 48.7, TRahmen::OhneUnten());
    TBerichtBand &k = *QRBand1;
    QRKLabel1 = &k.Label(QStringLiteral("QRKLabel1"), 31.8, 0.0, 106.1, TTexte::tr("Humaro Messprotokoll"),
                         12.0, false, TAusrichtung::Mitte);
    QRKopf1 = &k.Label(QStringLiteral("QRKopf1"), 28.4, 6.2, 133.2, QStringLiteral("QRKopf1"), 14.0);
    QRKopf2 = &k.Label(QStringLiteral("QRKopf2"), 30.9, 12.8, 131.0, QStringLiteral("QRKopf2"));
    QRKopf3 = &k.Label(QStringLiteral("QRKopf3"), 30.9, 16.8, 131.0, QStringLiteral("QRKopf3"));
    QRLabel9 =
        &k.Label(QStringLiteral("QRLabel9"), 2.2, 25.5, 28.2, TTexte::tr("Anlagen- Name :"), 10.0, true);
    AnlName = &k.Label(QStringLiteral("AnlName"), 33.4, 25.5, 154.8, QStringLiteral("AnlName"));
    QRLabel10 =
        &k.Label(QStringLiteral("QRLabel10"), 2.2, 29.5, 28.2, TTexte::tr("Datei- Name :"), 10.0, true);
    DateiName = &k.Label(QStringLiteral("DateiName"), 33.4, 29.5, 154.8, QStringLiteral("DateiName"));
    QRKomment1 = &k.Label(QStringLiteral("QRKomment1"), 33.4, 35.4, 154.8, QStringLiteral("K1"));
    QRKomment2 = &k.Label(QStringLiteral("QRKomment2"), 33.4, 40.7, 154.8, QStringLiteral("K2"));

    // Column header: an upper line of titles over a lower one.
    ColumnHeaderBand1 =
        &NeuesBand(TBandArt::Spaltenkopf, QStringLiteral("ColumnHeaderBand1"), 13.5, TRahmen::Alle());
    TBerichtBand &s = *ColumnHeaderBand1;
    constexpr double oben1 = 1.6;
    constexpr double oben2 = 6.9;
    QRLabel8 = &s.Label(QStringLiteral("QRLabel8"), 1.6, oben2, 0.0, TTexte::tr("Nr.:"));
    QRDatum = &s.Label(QStringLiteral("QRDatum"), 15.1, oben2, 23.3, TTexte::tr("Datum/Zeit"));
    QRLabel5 = &s.Label(QStringLiteral("QRLabel5"), 47.4, oben1, 40.7, TTexte::tr("Temperatur an Messtelle"));
    QRTemp1 = &s.Label(QStringLiteral("QRTemp1"), 44.5, oben2, 12.7, TTexte::tr("T5[°C]"));
    QRTemp2 = &s.Label(QStringLiteral("QRTemp2"), 60.1, oben2, 12.2, TTexte::tr("T4[°C]"));
    QRTemp3 = &s.Label(QStringLiteral("QRTemp3"), 74.1, oben2, 12.4, TTexte::tr("T3[°C]"));
    QRTemp4 = &s.Label(QStringLiteral("QRTemp4"), 88.9, oben2, 11.6, TTexte::tr("T2[°C]"));
    QRTemp5 = &s.Label(QStringLiteral("QRTemp5"), 102.1, oben2, 12.7, TTexte::tr("T1[°C]"));
    QRLabel3 = &s.Label(QStringLiteral("QRLabel3"), 115.6, oben2, 13.5, TTexte::tr("O2[vol%]"));
    QRLabel4 = &s.Label(QStringLiteral("QRLabel4"), 132.3, oben1, 23.3, TTexte::tr("Lüfter"));
    QRLabel11 = &s.Label(QStringLiteral("QRLabel11"), 132.3, oben2, 19.6, TTexte::tr("Laufzeit[min]"));
    QRLabel14 = &s.Label(QStringLiteral("QRLabel14"), 152.9, oben2, 13.0, TTexte::tr("Zyklen"));
    QRLabel7 = &s.Label(QStringLiteral("QRLabel7"), 170.7, oben1, 20.4, TTexte::tr("Tiefe"));
    QRLabel6 = &s.Label(QStringLiteral("QRLabel6"), 170.7, oben2, 20.4, QStringLiteral("S 55°C[cm]"));
    for (double x : {13.3, 42.4, 114.8, 131.7, 168.6, 192.2})
        s.SenkrechteLinie(x, 0.0, s.Hoehe);
    // under "Temperatur an Messtelle" and "Lüfter": the lower half only
    for (double x : {57.5, 71.5, 86.2, 100.5, 152.6})
        s.SenkrechteLinie(x, s.Hoehe / 2, s.Hoehe / 2);

    // Detail rows.
    DetailBand1 = &NeuesBand(TBandArt::Detail, QStringLiteral("DetailBand1"), 5.3, TRahmen::Seiten());
    TBerichtBand &d = *DetailBand1;
    constexpr double oben = 0.8;
    constexpr double pt = 9.0;
    const auto rechts = TAusrichtung::Rechts;
    QRNr = &d.Label(QStringLiteral("QRNr"), 1.6, oben, 0.0, QString(), pt);
    QRDat = &d.Label(QStringLiteral("QRDat"), 15.1, oben, 0.0, QString(), pt);
    QRT1 = &d.Label(QStringLiteral("QRT1"), 43.4, oben, 12.7, QString(), pt, false, rechts);
    QRT2 = &d.Label(QStringLiteral("QRT2"), 58.2, oben, 12.2, QString(), pt, false, rechts);
    QRT3 = &d.Label(QStringLiteral("QRT3"), 72.2, oben, 12.4, QString(), pt, false, rechts);
    QRT4 = &d.Label(QStringLiteral("QRT4"), 87.0, oben, 11.6, QString(), pt, false, rechts);
    QRT5 = &d.Label(QStringLiteral("QRT5"), 101.3, oben, 11.4, QString(), pt, false, rechts);
    QRO2 = &d.Label(QStringLiteral("QRO2"), 115.9, oben, 13.5, QString(), pt, false, rechts);
    QRZeit = &d.Label(QStringLiteral("QRZeit"), 132.3, oben, 18.3, QString(), pt, false, rechts);
    QRZyklen = &d.Label(QStringLiteral("QRZyklen"), 152.9, oben, 13.0, QString(), pt, false, rechts);
    QR55Gr = &d.Label(QStringLiteral("QR55Gr"), 169.3, oben, 17.7, QString(), pt, false, rechts);
    for (double x : {13.3, 42.4, 57.5, 71.5, 86.2, 100.5, 114.8, 131.7, 152.6, 168.6, 192.2})
        d.SenkrechteLinie(x, 0.0, d.Hoehe);

    // Summary: the chart.
    SummaryBand1 = &NeuesBand(TBandArt::Zusammenfassung, QStringLiteral("SummaryBand1"), 141.6);
    QRGemeinsam::DiagrammAnlegen(QRChart1, m_platzhalter);
    SummaryBand1->Diagramm(QStringLiteral("QRChart1"), 3.7, 2.0, 186.1, 138.5, QRChart1.get());

    PageFooterBand1 = &QRGemeinsam::Seitenfuss(*this, false);
}

TFQRKompForm::~TFQRKompForm() = default;

void TFQRKompForm::OhneDiagramm() {
    SummaryBand1->FeldEntfernen(QStringLiteral("QRChart1"));
    SummaryBand1->Aktiv = false;
}

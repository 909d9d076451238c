#include "reports/UQRKompProtokoll.h"

#include "reports/UQRGemeinsam.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QCoreApplication>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TFQRKompProtokoll)
};

} // namespace

TFQRKompProtokoll::TFQRKompProtokoll() {
    Papier = QPageSize::Letter;
    Ausrichtung = QPageLayout::Portrait;
    BandBreite = 196.1;
    Titel = TTexte::tr("Temperatur- Protokoll Eigenuntersuchung von Kompost");

    QRBand1 = &NeuesBand(TBandArt::Seitenkopf, QStringLiteral("QRBand1"), 36.7, TRahmen::OhneUnten());
    TBerichtBand &k = *QRBand1;
    QRKLabel1 = &k.Label(QStringLiteral("QRKLabel1"), 10.6, 2.0, 0.0,
                         TTexte::tr("Temperatur- Protokoll Eigenuntersuchung von Kompost"), 14.0, true);
    QRLabel4 = &k.Label(QStringLiteral("QRLabel4"), 2.1, 8.5, 28.3, TTexte::tr("Betrieb:"), 10.0, true);
    QRKopf1 = &k.Label(QStringLiteral("QRKopf1"), 2.0, 12.6, 144.9, QStringLiteral("QRKopf1"), 14.0);
    QRKopf2 = &k.Label(QStringLiteral("QRKopf2"), 4.2, 19.1, 182.8, QStringLiteral("QRKopf2"));
    QRKopf3 = &k.Label(QStringLiteral("QRKopf3"), 4.2, 23.3, 182.8, QStringLiteral("QRKopf3"));
    QRLabel9 = &k.Label(QStringLiteral("QRLabel9"), 2.1, 29.6, 19.8, TTexte::tr("Mieten-Nr:"), 10.0, true);
    AnlName = &k.Label(QStringLiteral("AnlName"), 21.8, 29.8, 0.0, QStringLiteral("AnlName"));

    ColumnHeaderBand1 =
        &NeuesBand(TBandArt::Spaltenkopf, QStringLiteral("ColumnHeaderBand1"), 14.9, TRahmen::Alle());
    TBerichtBand &s = *ColumnHeaderBand1;
    QRDatum = &s.Label(QStringLiteral("QRDatum"), 2.0, 6.9, 24.1, TTexte::tr("Datum"), 10.0, true);
    // The heading of the three value columns, centred above them; the lines
    // between the columns begin below it.
    QRLabel5 = &s.Label(QStringLiteral("QRLabel5"), 29.8, 1.2, 57.2, TTexte::tr("Messwerte"), 10.0, true,
                        TAusrichtung::Mitte);
    QRTemp1 = &s.Label(QStringLiteral("QRTemp1"), 31.8, 6.9, 16.2, TTexte::tr("Rand "), 10.0, true);
    QRTemp2 = &s.Label(QStringLiteral("QRTemp2"), 50.9, 6.9, 15.5, TTexte::tr("Kern "), 10.0, true);
    QRTemp3 = &s.Label(QStringLiteral("QRTemp3"), 69.8, 6.9, 15.2, TTexte::tr("Basis "), 10.0, true);
    QRLabel7 =
        &s.Label(QStringLiteral("QRLabel7"), 89.4, 2.1, 53.2,
                 TTexte::tr("Bemerkung über Behandlungen und Witterung ( z.B. Umsetzen, Bewässern, Wetter, "
                            "Aussentemperatur)"),
                 8.0);
    QRLabel7->Umbruch = true;
    QRLabel3 = &s.Label(QStringLiteral("QRLabel3"), 146.1, 4.2, 36.8, TTexte::tr("Prüfer/ Unterschrift"),
                        10.0, true);
    for (double x : {29.8, 87.0, 144.1})
        s.SenkrechteLinie(x, 0.0, s.Hoehe);
    constexpr double unterUeberschrift = 6.0;
    for (double x : {48.9, 67.8})
        s.SenkrechteLinie(x, unterUeberschrift, s.Hoehe - unterUeberschrift);

    // Each row a boxed line of the table; remark and signature stay empty.
    DetailBand1 = &NeuesBand(TBandArt::Detail, QStringLiteral("DetailBand1"), 5.3, TRahmen::Alle());
    TBerichtBand &d = *DetailBand1;
    constexpr double oben = 0.8;
    constexpr double pt = 9.0;
    const auto rechts = TAusrichtung::Rechts;
    QRDat = &d.Label(QStringLiteral("QRDat"), 2.0, oben, 0.0, QString(), pt);
    QR55Gr = &d.Label(QStringLiteral("QR55Gr"), 31.8, oben, 15.6, QString(), pt, false, rechts);
    QRT1 = &d.Label(QStringLiteral("QRT1"), 50.8, oben, 15.6, QString(), pt, false, rechts);
    QRT5 = &d.Label(QStringLiteral("QRT5"), 69.8, oben, 15.6, QString(), pt, false, rechts);
    for (double x : {29.8, 48.9, 67.8, 87.0, 144.1})
        d.SenkrechteLinie(x, 0.0, d.Hoehe);

    SummaryBand1 = &NeuesBand(TBandArt::Zusammenfassung, QStringLiteral("SummaryBand1"), 132.0);
    QRGemeinsam::DiagrammAnlegen(QRChart1, m_platzhalter);
    SummaryBand1->Diagramm(QStringLiteral("QRChart1"), 0.0, 0.0, 188.2, 122.0, QRChart1.get());

    PageFooterBand1 = &QRGemeinsam::Seitenfuss(*this, false);
}

TFQRKompProtokoll::~TFQRKompProtokoll() = default;

void TFQRKompProtokoll::OhneDiagramm() {
    SummaryBand1->FeldEntfernen(QStringLiteral("QRChart1"));
    SummaryBand1->Aktiv = false;
}

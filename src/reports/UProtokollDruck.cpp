#include "reports/UProtokollDruck.h"

#include "data/UMessDaten.h"
#include "reports/UQRKompForm.h"
#include "reports/UQRKompProtokoll.h"
#include "shell/UZustand.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TProtokollDruck)
};

using TFeld = TProtokollZeilen::TFeld;

} // namespace

TProtokollDruck::TProtokollDruck(TMessDaten &daten, const TZustand &z, int art, bool grafik, bool proTag,
                                 const THygienisierung &hygiene)
    : m_daten(daten), m_zeilen(daten, z.ShowRef, z.Gebietsschema) {
    // 1./2. The layout of the kind, its texts and row handlers.
    if (art == 0) {
        m_form = std::make_unique<TFQRKompForm>();
        messprotokollFuellen(z);
    } else {
        m_protokoll = std::make_unique<TFQRKompProtokoll>();
        gueteprotokollFuellen(z);
        hygieneBaender(hygiene, z.Metric, z.Gebietsschema);
    }
    TBericht &b = Bericht();
    b.Gebietsschema = z.Gebietsschema;
    b.BeimStart = [this] { m_zeilen.Zuruecksetzen(); };
    b.MehrDaten = [this] { return m_zeilen.NeedData(); };

    // 3. The series, into the layout's chart (which also gets its titles and axes).
    m_zeilen.Zuruecksetzen();
    TDiagrammAnzeige *anzeige = Diagramm();
    if (!m_daten.BuildSeries(proTag, &anzeige->Diagramm()))
        m_fehler = m_daten.LastError();
    m_werte = m_daten.PointCount();
    // Lines the series had to leave out are named on the printout, below the rows.
    if (m_daten.SkippedLines() > 0)
        hinweisBand(m_daten.SkippedText());

    // 4. The series of the kind on the chart, or no chart at all.
    if (grafik) {
        anzeige->Diagramm().AlleSerienEntfernen();
        for (TMessSerie *s : ProtokollSerien(m_daten, art, z.ShowRef))
            anzeige->Diagramm().SerieHinzufuegen(s);
        anzeige->Neuzeichnen();
    } else if (m_form) {
        m_form->OhneDiagramm();
    } else {
        m_protokoll->OhneDiagramm();
    }
}

TProtokollDruck::~TProtokollDruck() {
    // The chart only showed the series; they stay the model's.
    m_daten.AttachSeries(nullptr);
}

TBericht &TProtokollDruck::Bericht() {
    if (m_form)
        return *m_form;
    return *m_protokoll;
}

TDiagrammAnzeige *TProtokollDruck::Diagramm() const {
    return m_form ? m_form->QRChart1.get() : m_protokoll->QRChart1.get();
}

void TProtokollDruck::messprotokollFuellen(const TZustand &z) {
    TFQRKompForm &f = *m_form;
    f.QRKopf1->Text = m_daten.Header1();
    f.QRKopf2->Text = m_daten.Header2();
    f.QRKopf3->Text = m_daten.Header3();
    f.AnlName->Text = m_daten.PlantName();
    f.DateiName->Text = m_daten.FileName();
    f.QRKomment1->Text = m_daten.Comment1();
    f.QRKomment2->Text = m_daten.Comment2();
    if (z.Metric) {
        static const char *const titel[5] = {
            QT_TRANSLATE_NOOP("TProtokollDruck", "T5[°F]"), QT_TRANSLATE_NOOP("TProtokollDruck", "T4[°F]"),
            QT_TRANSLATE_NOOP("TProtokollDruck", "T3[°F]"), QT_TRANSLATE_NOOP("TProtokollDruck", "T2[°F]"),
            QT_TRANSLATE_NOOP("TProtokollDruck", "T1[°F]")};
        TBerichtFeld *felder[5] = {f.QRTemp1, f.QRTemp2, f.QRTemp3, f.QRTemp4, f.QRTemp5};
        for (int i = 0; i < 5; ++i)
            felder[i]->Text = TTexte::tr(titel[i]);
    }
    if (z.ShowRef) {
        f.QRLabel6->Text = z.RefText;
    } else {
        f.QRLabel6->Text.clear();
        f.QRLabel7->Text.clear();
    }
    const auto haken = [this](TBerichtFeld *feld, TFeld art) {
        feld->Drucken = [this, art](QString &text) { text = m_zeilen.Text(art); };
    };
    haken(f.QRNr, TFeld::Nr);
    haken(f.QRDat, TFeld::Datum);
    haken(f.QRT1, TFeld::T1);
    haken(f.QRT2, TFeld::T2);
    haken(f.QRT3, TFeld::T3);
    haken(f.QRT4, TFeld::T4);
    haken(f.QRT5, TFeld::T5);
    haken(f.QRO2, TFeld::O2);
    haken(f.QRZeit, TFeld::Laufzeit);
    haken(f.QRZyklen, TFeld::Zyklen);
    haken(f.QR55Gr, TFeld::Ref);
}

void TProtokollDruck::gueteprotokollFuellen(const TZustand &z) {
    TFQRKompProtokoll &f = *m_protokoll;
    f.QRKopf1->Text = m_daten.Header1();
    f.QRKopf2->Text = m_daten.Header2();
    f.QRKopf3->Text = m_daten.Header3();
    f.AnlName->Text = m_daten.PlantName();
    if (z.ShowRef)
        f.QRTemp1->Text += z.Metric ? TTexte::tr("[in]") : TTexte::tr("[cm]");
    else
        f.QRTemp1->Text.clear();
    const QString einheit = z.Metric ? TTexte::tr("[°F]") : TTexte::tr("[°C]");
    f.QRTemp2->Text += einheit;
    f.QRTemp3->Text += einheit;
    const auto haken = [this](TBerichtFeld *feld, TFeld art) {
        feld->Drucken = [this, art](QString &text) { text = m_zeilen.Text(art); };
    };
    haken(f.QRDat, TFeld::Datum);
    haken(f.QR55Gr, TFeld::Ref);
    haken(f.QRT1, TFeld::T1);
    haken(f.QRT5, TFeld::T5);
}

void TProtokollDruck::hinweisBand(const QString &text) {
    auto band = std::make_unique<TBerichtBand>(TBandArt::Zusammenfassung, QStringLiteral("UebersprungenBand"),
                                               7.0, TRahmen::Keiner());
    band->Label(QStringLiteral("UebersprungenText"), 2.0, 1.5, 190.0, text, 9.0, true);
    // right below the rows, before the verdict, which ends with the file's fingerprint
    TBericht &b = Bericht();
    b.BandEinfuegen(std::move(band), b.SucheBand(QStringLiteral("HygieneBand1"))
                                         ? QStringLiteral("HygieneBand1")
                                         : QStringLiteral("SummaryBand1"));
}

// The verdict below the rows, before the chart: a heading with the plant
// type, a line per criterion and basis (a criterion of closed plants only
// with its note on a second line), every gap, clock step and the counts of
// what was left out, then the two closing lines with the data file's name and
// fingerprint. Each note is a band of its own, so that a long list breaks
// across pages; the closing lines and the fingerprint stay together.
void TProtokollDruck::hygieneBaender(const THygienisierung &h, bool metric, const QLocale &ort) {
    TBericht &b = *m_protokoll;
    const THygieneText t = HygieneText(h, metric, ort);
    constexpr double zeile = 4.2;
    constexpr double pt = 8.0;
    // Kriterium, Basis, Längste Spanne, Dauer, Urteil: each as wide as its
    // longest text in any language (a duration of four-digit days too).
    static constexpr double links[5] = {2.0, 51.0, 79.0, 135.0, 164.0};
    static constexpr double breiten[5] = {48.0, 27.0, 55.0, 28.0, 30.0};
    const QString vor = QStringLiteral("SummaryBand1");

    constexpr double tabelle = 18.6; // the top of the first row
    double hoehe = tabelle;
    for (const THygieneZeile &z : t.Zeilen)
        hoehe += z.Vermerk.isEmpty() ? zeile : 2 * zeile;
    auto kopf = std::make_unique<TBerichtBand>(TBandArt::Zusammenfassung, QStringLiteral("HygieneBand1"),
                                               hoehe + 1.5, TRahmen::Keiner());
    kopf->Label(QStringLiteral("HygieneTitel"), 2.0, 3.0, 190.0, t.Ueberschrift, 10.0, true);
    kopf->Label(QStringLiteral("HygieneArt"), 2.0, 8.2, 190.0, t.Anlagenart, 9.0);
    const QStringList titel{TTexte::tr("Kriterium"), TTexte::tr("Basis"), TTexte::tr("Längste Spanne"),
                            TTexte::tr("Dauer"), TTexte::tr("Urteil")};
    for (int c = 0; c < 5; ++c)
        kopf->Label(QStringLiteral("HygieneSpalte%1").arg(c + 1), links[c], 13.2, breiten[c], titel.at(c), pt,
                    true);
    kopf->WaagerechteLinie(2.0, 17.6, 192.0);
    double y = tabelle;
    for (int r = 0; r < t.Zeilen.size(); ++r) {
        const THygieneZeile &z = t.Zeilen.at(r);
        const QStringList texte{z.Anforderung, z.Basis, z.Spanne, z.Dauer, z.Urteil};
        for (int c = 0; c < 5; ++c)
            kopf->Label(QStringLiteral("Hygiene%1_%2").arg(r + 1).arg(c + 1), links[c], y, breiten[c],
                        texte.at(c), pt, c == 4 && z.Erfuellt && z.Gewertet);
        y += zeile;
        if (!z.Vermerk.isEmpty()) {
            // the note of a criterion of closed plants, under its row, as wide as the row
            kopf->Label(QStringLiteral("HygieneVermerk%1").arg(r + 1), links[0] + 3.0, y, 145.0, z.Vermerk,
                        pt);
            y += zeile;
        }
    }
    b.BandEinfuegen(std::move(kopf), vor);

    const QStringList hinweise = t.Hinweise();
    for (int i = 0; i < hinweise.size(); ++i) {
        auto band = std::make_unique<TBerichtBand>(TBandArt::Zusammenfassung,
                                                   QStringLiteral("HygieneHinweis%1").arg(i + 1), zeile,
                                                   TRahmen::Keiner());
        band->Label(QStringLiteral("HygieneHinweisText%1").arg(i + 1), 2.0, 0.2, 190.0, hinweise.at(i), pt);
        b.BandEinfuegen(std::move(band), vor);
    }

    const bool datei = !t.Datei.isEmpty();
    auto schluss = std::make_unique<TBerichtBand>(TBandArt::Zusammenfassung, QStringLiteral("HygieneSchluss"),
                                                  datei ? 21.5 : 13.0, TRahmen::Keiner());
    schluss->Label(QStringLiteral("HygieneSchlussText"), 2.0, 2.0, 190.0, t.Schluss, 10.0, true);
    schluss->Label(QStringLiteral("HygieneSchlussAlle"), 2.0, 7.0, 190.0, t.SchlussAlle, 10.0, true);
    if (datei) {
        schluss->Label(QStringLiteral("HygieneDatei"), 2.0, 12.6, 190.0, t.Datei, pt);
        schluss->Label(QStringLiteral("HygienePruefsumme"), 2.0, 16.4, 190.0, t.Pruefsumme, pt);
    }
    b.BandEinfuegen(std::move(schluss), vor);
}

int DatendateiFuerDruck(TMessDaten &daten, const QString &datei, QString &meldung) {
    meldung.clear();
    if (!daten.Load(datei)) {
        meldung = daten.LastError();
        return 2;
    }
    if (!daten.Valid()) {
        meldung =
            TTexte::tr("%1: Kein gültiger Dateiaufbau, die Datei war nicht von dieser Software erzeugt.")
                .arg(QDir::toNativeSeparators(datei));
        return 2;
    }
    return 0;
}

QString KeineMesswerteMeldung(const QString &datei) {
    return TTexte::tr("%1: Die Datei enthält keine Messwerte; es wurde kein PDF geschrieben.")
        .arg(QDir::toNativeSeparators(datei));
}

int ProtokollAlsPdf(const TZustand &z, const QString &datei, int art, bool proTag, bool grafik,
                    TAnlagenArt anlagenArt, const QString &pdf, QString &meldung) {
    TMessDaten daten(z);
    if (const int code = DatendateiFuerDruck(daten, datei, meldung); code != 0)
        return code;
    // every record as loaded, before the series collapse day-end lines
    const THygienisierung hygiene = BewerteHygienisierung(daten, anlagenArt);
    TProtokollDruck druck(daten, z, art, grafik, proTag, hygiene);
    if (!druck.Ok()) {
        meldung = TTexte::tr("%1: %2").arg(QDir::toNativeSeparators(datei), druck.Fehler());
        return 2;
    }
    if (druck.Werte() == 0) {
        meldung = KeineMesswerteMeldung(datei);
        return 2;
    }
    QString fehler;
    if (BerichtAusgabe::AlsPdf(druck.Bericht(), pdf, &fehler) <= 0) {
        meldung =
            fehler.isEmpty()
                ? TTexte::tr("Das PDF %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(pdf))
                : fehler;
        return 1;
    }
    return 0;
}

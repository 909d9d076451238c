#include "toolkit/UBericht.h"

#include "shell/KompUtils.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <algorithm>

namespace {

// Text is measured at a fixed high resolution, the same for every output, so
// that the layout does not depend on the device it is drawn on.
constexpr double MessDpi = 1200.0;

const QImage &messGeraet() {
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_RGB32);
        const int dpm = qRound(MessDpi / 0.0254);
        b.setDotsPerMeterX(dpm);
        b.setDotsPerMeterY(dpm);
        return b;
    }();
    return bild;
}

constexpr double pxZuMm(double px) {
    return px / MessDpi * 25.4;
}

// The metrics of the few fonts a report uses, kept for one run: building
// them is far dearer than measuring a text.
class TMetriken {
public:
    const QFontMetricsF &fuer(const QFont &schrift) {
        const QString schluessel = schrift.key();
        auto it = m_cache.constFind(schluessel);
        if (it == m_cache.constEnd())
            it = m_cache.insert(schluessel, std::make_shared<QFontMetricsF>(schrift, &messGeraet()));
        return **it;
    }

private:
    QHash<QString, std::shared_ptr<QFontMetricsF>> m_cache;
};

// Small tolerance for sums of tenths of a millimetre.
constexpr double Toleranz = 1e-6;

// Room between the page header and a summary band that opens a page (mm).
constexpr double AbstandUnterKopf = 2.0;

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TBericht)
};

// Whether a report prints the number of pages somewhere.
bool mitSeitenzahl(const TBericht &b) {
    for (const auto &band : b.Baender)
        if (band->Aktiv)
            for (const auto &f : band->Felder)
                if (f->Art == TFeldArt::SeiteVonGesamt && f->Sichtbar)
                    return true;
    return false;
}

} // namespace

QFont TBerichtFeld::Schrift() const {
    QFont f(Schriftart);
    f.setPointSizeF(Groesse);
    f.setBold(Fett);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

TBerichtFeld &TBerichtBand::Label(const QString &name, double links, double oben, double breite,
                                  const QString &text, double groesse, bool fett, TAusrichtung ausrichtung) {
    auto f = std::make_unique<TBerichtFeld>();
    f->Name = name;
    f->Art = TFeldArt::Text;
    f->Links = links;
    f->Oben = oben;
    f->Breite = breite;
    f->Text = text;
    f->Groesse = groesse;
    f->Fett = fett;
    f->Ausrichtung = ausrichtung;
    f->AutoGroesse = breite <= 0.0;
    Felder.push_back(std::move(f));
    return *Felder.back();
}

TBerichtFeld &TBerichtBand::Systemfeld(const QString &name, TFeldArt art, double links, double oben,
                                       double groesse) {
    TBerichtFeld &f = Label(name, links, oben, 0.0, QString(), groesse);
    f.Art = art;
    f.AutoGroesse = true;
    return f;
}

TBerichtFeld &TBerichtBand::SenkrechteLinie(double x, double oben, double laenge) {
    auto f = std::make_unique<TBerichtFeld>();
    f->Art = TFeldArt::Linie;
    f->Links = x;
    f->Oben = oben;
    f->Hoehe = laenge;
    Felder.push_back(std::move(f));
    return *Felder.back();
}

TBerichtFeld &TBerichtBand::WaagerechteLinie(double links, double y, double laenge) {
    auto f = std::make_unique<TBerichtFeld>();
    f->Art = TFeldArt::Linie;
    f->Links = links;
    f->Oben = y;
    f->Breite = laenge;
    Felder.push_back(std::move(f));
    return *Felder.back();
}

TBerichtFeld &TBerichtBand::Diagramm(const QString &name, double links, double oben, double breite,
                                     double hoehe, TDiagrammAnzeige *anzeige) {
    auto f = std::make_unique<TBerichtFeld>();
    f->Name = name;
    f->Art = TFeldArt::Diagramm;
    f->Links = links;
    f->Oben = oben;
    f->Breite = breite;
    f->Hoehe = hoehe;
    f->Diagramm = anzeige;
    Felder.push_back(std::move(f));
    return *Felder.back();
}

TBerichtFeld *TBerichtBand::SucheFeld(const QString &name) const {
    for (const auto &f : Felder)
        if (!name.isEmpty() && f->Name == name)
            return f.get();
    return nullptr;
}

bool TBerichtBand::FeldEntfernen(const QString &name) {
    const auto it = std::find_if(Felder.begin(), Felder.end(),
                                 [&](const auto &f) { return !name.isEmpty() && f->Name == name; });
    if (it == Felder.end())
        return false;
    Felder.erase(it);
    return true;
}

TBericht::TBericht() = default;
TBericht::~TBericht() = default;

TBerichtBand &TBericht::NeuesBand(TBandArt art, const QString &name, double hoehe, TRahmen rahmen) {
    return BandEinfuegen(std::make_unique<TBerichtBand>(art, name, hoehe, rahmen));
}

TBerichtBand &TBericht::BandEinfuegen(std::unique_ptr<TBerichtBand> band, const QString &vor) {
    auto it = Baender.end();
    if (!vor.isEmpty())
        it = std::find_if(Baender.begin(), Baender.end(), [&](const auto &b) { return b->Name == vor; });
    it = Baender.insert(it, std::move(band));
    return **it;
}

TBerichtBand *TBericht::SucheBand(const QString &name) const {
    for (const auto &b : Baender)
        if (b->Name == name)
            return b.get();
    return nullptr;
}

TBerichtBand *TBericht::BandDerArt(TBandArt art) const {
    for (const auto &b : Baender)
        if (b->Art == art && b->Aktiv)
            return b.get();
    return nullptr;
}

TBerichtFeld *TBericht::SucheFeld(const QString &name) const {
    for (const auto &b : Baender)
        if (TBerichtFeld *f = b->SucheFeld(name))
            return f;
    return nullptr;
}

QSizeF TBericht::PapierGroesse() const {
    const QSizeF s = QPageSize(Papier).size(QPageSize::Millimeter);
    return Ausrichtung == QPageLayout::Landscape ? s.transposed() : s;
}

QPageLayout TBericht::Seitenlayout() const {
    return QPageLayout(QPageSize(Papier), Ausrichtung, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

std::vector<TSeite> TBericht::Planen() {
    std::vector<TSeite> seiten;
    TSeitenplaner planer(*this);
    TSeite s;
    while (planer.NaechsteSeite(s))
        seiten.push_back(std::move(s));
    return seiten;
}

double TSeitenplaner::TextBreite(const QFont &schrift, const QString &text) {
    if (text.isEmpty())
        return 0.0;
    return pxZuMm(QFontMetricsF(schrift, &messGeraet()).horizontalAdvance(text));
}

double TSeitenplaner::ZeilenHoehe(const QFont &schrift) {
    return pxZuMm(QFontMetricsF(schrift, &messGeraet()).height());
}

struct TSeitenplaner::Zustand {
    enum class Phase { Anfang, Details, Zusammenfassung, Ende };
    TBericht &b;
    Phase phase = Phase::Anfang;
    bool zeileWartet = false; // MehrDaten said yes, the row is not yet placed
    int zeile = 0;
    int seite = 0;
    int seiten = 0;          // pages of the run, when a field prints them
    bool nurZaehlen = false; // only count the pages: no fields are placed
    size_t naechsteZusammenfassung = 0;
    QString druckzeit;
    TMetriken metriken;

    explicit Zustand(TBericht &bericht) : b(bericht) {}

    bool mehr() {
        if (b.MehrDaten)
            return b.MehrDaten();
        // Without a data source the detail band prints once.
        return zeile == 0;
    }

    TGesetztesBand setze(const TBerichtBand &band, double oben, int zeilenNr) {
        TGesetztesBand g;
        g.Band = &band;
        g.Oben = oben;
        g.Zeile = zeilenNr;
        g.Rahmen = band.Rahmen;
        if (nurZaehlen)
            return g;
        g.Felder.reserve(band.Felder.size());
        for (const auto &fp : band.Felder) {
            const TBerichtFeld &f = *fp;
            if (!f.Sichtbar)
                continue;
            TGesetztesFeld gf;
            gf.Feld = &f;
            const double x = b.Rand + f.Links;
            const double y = oben + f.Oben;
            switch (f.Art) {
            case TFeldArt::Text:
            case TFeldArt::Druckzeit:
            case TFeldArt::Seitennummer:
            case TFeldArt::SeiteVonGesamt: {
                if (f.Art == TFeldArt::Druckzeit)
                    gf.Text = druckzeit;
                else if (f.Art == TFeldArt::Seitennummer)
                    gf.Text = QString::number(seite);
                else if (f.Art == TFeldArt::SeiteVonGesamt)
                    gf.Text = TTexte::tr("%1 von %2").arg(seite).arg(seiten);
                else
                    gf.Text = f.Text;
                if (f.Drucken)
                    f.Drucken(gf.Text);
                const QFont schrift = f.Schrift();
                const QFontMetricsF &fm = metriken.fuer(schrift);
                const double textBreite = gf.Text.isEmpty() ? 0.0 : pxZuMm(fm.horizontalAdvance(gf.Text));
                const double breite = f.AutoGroesse ? textBreite : f.Breite;
                gf.Abgeschnitten = !f.AutoGroesse && !f.Umbruch && textBreite > breite + 0.05;
                if (gf.Abgeschnitten && breite / textBreite >= 0.7) {
                    gf.Schriftfaktor = breite / textBreite * 0.98;
                    gf.Abgeschnitten = false;
                }
                double hoehe = f.Hoehe;
                if (hoehe <= 0.0) {
                    const double zeilenHoehe = pxZuMm(fm.height());
                    hoehe = zeilenHoehe;
                    if (f.Umbruch && !f.AutoGroesse && breite > 0.0 && !gf.Text.isEmpty()) {
                        const double bPx = breite / 25.4 * MessDpi;
                        const QRectF r = fm.boundingRect(QRectF(0, 0, bPx, 1e7), Qt::TextWordWrap, gf.Text);
                        hoehe = std::max(zeilenHoehe, pxZuMm(r.height()));
                    }
                }
                gf.Rechteck = QRectF(x, y, breite, hoehe);
                break;
            }
            case TFeldArt::Linie:
            case TFeldArt::Diagramm:
                gf.Rechteck = QRectF(x, y, f.Breite, f.Hoehe);
                break;
            }
            g.Felder.push_back(std::move(gf));
        }
        return g;
    }
};

TSeitenplaner::TSeitenplaner(TBericht &bericht) : d(std::make_unique<Zustand>(bericht)) {
}
TSeitenplaner::~TSeitenplaner() = default;

int TSeitenplaner::zaehleSeiten(TBericht &bericht) {
    TSeitenplaner zaehler(bericht);
    zaehler.d->nurZaehlen = true;
    TSeite seite;
    int n = 0;
    while (zaehler.NaechsteSeite(seite))
        ++n;
    return n;
}

bool TSeitenplaner::NaechsteSeite(TSeite &seite) {
    using Phase = Zustand::Phase;
    TBericht &b = d->b;
    seite = TSeite();
    if (d->phase == Phase::Ende)
        return false;
    if (d->phase == Phase::Anfang) {
        // The number of pages, before the run itself starts (a run of its own).
        if (!d->nurZaehlen && mitSeitenzahl(b))
            d->seiten = zaehleSeiten(b);
        if (b.BeimStart)
            b.BeimStart();
        const QDateTime zeit = b.Druckzeit.isValid() ? b.Druckzeit : QDateTime::currentDateTime();
        d->druckzeit = KompUtils::KurzDatum(b.Gebietsschema, zeit.date()) + QLatin1Char(' ') +
                       b.Gebietsschema.toString(zeit.time(), QLocale::ShortFormat);
        if (!d->mehr()) {
            // nothing is printed for an empty report
            d->phase = Phase::Ende;
            return false;
        }
        d->zeileWartet = true;
        d->phase = Phase::Details;
    }

    seite.Nummer = ++d->seite;
    const double unten = b.PapierGroesse().height() - b.Rand;
    double y = b.Rand;
    const TBerichtBand *kopf = b.BandDerArt(TBandArt::Seitenkopf);
    const TBerichtBand *spalten = b.BandDerArt(TBandArt::Spaltenkopf);
    const TBerichtBand *detail = b.BandDerArt(TBandArt::Detail);
    const TBerichtBand *fuss = b.BandDerArt(TBandArt::Seitenfuss);
    const double fussHoehe = fuss ? fuss->Hoehe : 0.0;

    // The column titles head rows: a page that holds no row (the closing
    // bands after the table) has none, so that no empty table stands there.
    const bool zeilenFolgen = d->phase == Phase::Details && d->zeileWartet && detail;
    for (const TBerichtBand *band : {kopf, zeilenFolgen ? spalten : nullptr}) {
        if (!band)
            continue;
        seite.Baender.push_back(d->setze(*band, y, 0));
        y += band->Hoehe;
    }
    // A framed page header that no table header closes is closed itself.
    if (kopf && spalten && !zeilenFolgen && kopf->Rahmen.Links && kopf->Rahmen.Rechts)
        seite.Baender.front().Rahmen.Unten = true;
    // A band goes onto this page when it fits above the footer, or when it is
    // the first band below the headers (a band taller than a page is cut
    // rather than pushing pages out for ever).
    bool inhalt = false;
    auto passt = [&](double hoehe) { return !inhalt || y + hoehe + fussHoehe <= unten + Toleranz; };

    bool voll = false;
    while (!voll && d->phase == Phase::Details) {
        if (d->zeileWartet) {
            if (detail) {
                if (!passt(detail->Hoehe)) {
                    voll = true;
                    break;
                }
                seite.Baender.push_back(d->setze(*detail, y, d->zeile + 1));
                y += detail->Hoehe;
                inhalt = true;
            }
            ++d->zeile;
            d->zeileWartet = false;
        }
        if (d->mehr())
            d->zeileWartet = true;
        else
            d->phase = Phase::Zusammenfassung;
    }
    if (!voll && d->phase == Phase::Zusammenfassung) {
        while (d->naechsteZusammenfassung < b.Baender.size()) {
            const TBerichtBand &band = *b.Baender[d->naechsteZusammenfassung];
            if (band.Art == TBandArt::Zusammenfassung && band.Aktiv) {
                if (!passt(band.Hoehe)) {
                    voll = true;
                    break;
                }
                // A closing band that opens a page keeps a little distance
                // from the page header rather than touching it.
                if (!inhalt)
                    y += AbstandUnterKopf;
                seite.Baender.push_back(d->setze(band, y, 0));
                y += band.Hoehe;
                inhalt = true;
            }
            ++d->naechsteZusammenfassung;
        }
        if (!voll)
            d->phase = Phase::Ende;
    }
    if (fuss) {
        const double oben = fuss->AmSeitenende ? unten - fuss->Hoehe : y;
        seite.Baender.push_back(d->setze(*fuss, oben, 0));
    }
    return true;
}

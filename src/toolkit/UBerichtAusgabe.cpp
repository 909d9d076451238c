#include "toolkit/UBerichtAusgabe.h"

#include "toolkit/UBericht.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QToolBar>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(BerichtAusgabe)
};

// The chart is laid out as on a screen of this resolution and then scaled
// onto the page, so that its fonts and lines keep screen proportions.
constexpr double DiagrammDpi = 96.0;

// Every page is drawn in the resolution that the chart view records its
// picture in (the screen's): a recorded picture replays its fonts in the
// resolution of the device it is drawn on, so a different one would enlarge
// the chart's texts. Paper and PDF output stay vectors; images get more
// pixels through the painter's scale.
int seitenDpi() {
    static const int dpi = QPicture().logicalDpiY();
    return dpi;
}

struct TUmrechnung {
    double fx = 1.0;
    double fy = 1.0;
    // thinnest line: one pixel of an image, so that lines stay visible at low resolutions
    double minStrich = 0.0;
    QRectF px(const QRectF &mm) const {
        return {mm.x() * fx, mm.y() * fy, mm.width() * fx, mm.height() * fy};
    }
    QPointF px(double xMm, double yMm) const { return {xMm * fx, yMm * fy}; }
};

void linie(QPainter &p, const TUmrechnung &u, double staerkeMm, QPointF a, QPointF b) {
    const double breite = std::max(staerkeMm * u.fx, u.minStrich);
    if (p.pen().widthF() != breite || p.pen().capStyle() != Qt::SquareCap || p.pen().color() != Qt::black) {
        QPen stift(Qt::black);
        stift.setWidthF(breite);
        stift.setCapStyle(Qt::SquareCap);
        p.setPen(stift);
    }
    p.drawLine(u.px(a.x(), a.y()), u.px(b.x(), b.y()));
}

void rahmen(QPainter &p, const TUmrechnung &u, double staerkeMm, const QRectF &r, const TRahmen &seiten) {
    if (seiten.Oben)
        linie(p, u, staerkeMm, r.topLeft(), r.topRight());
    if (seiten.Unten)
        linie(p, u, staerkeMm, r.bottomLeft(), r.bottomRight());
    if (seiten.Links)
        linie(p, u, staerkeMm, r.topLeft(), r.bottomLeft());
    if (seiten.Rechts)
        linie(p, u, staerkeMm, r.topRight(), r.bottomRight());
}

void feldZeichnen(QPainter &p, const TUmrechnung &u, const TGesetztesFeld &g) {
    const TBerichtFeld &f = *g.Feld;
    switch (f.Art) {
    case TFeldArt::Text:
    case TFeldArt::Druckzeit:
    case TFeldArt::Seitennummer:
    case TFeldArt::SeiteVonGesamt: {
        if (!g.Text.isEmpty()) {
            QFont schrift = f.Schrift();
            if (g.Schriftfaktor != 1.0)
                schrift.setPointSizeF(schrift.pointSizeF() * g.Schriftfaktor);
            if (p.font() != schrift)
                p.setFont(schrift);
            if (p.pen().color() != Qt::black)
                p.setPen(Qt::black);
            int flags = Qt::AlignTop;
            switch (f.Ausrichtung) {
            case TAusrichtung::Links:
                flags |= Qt::AlignLeft;
                break;
            case TAusrichtung::Mitte:
                flags |= Qt::AlignHCenter;
                break;
            case TAusrichtung::Rechts:
                flags |= Qt::AlignRight;
                break;
            }
            if (f.Umbruch)
                flags |= Qt::TextWordWrap;
            const QRectF r = u.px(g.Rechteck);
            // A text wider than its designed field is cut at the field's
            // edges; the others are drawn without a clip, which is much
            // cheaper on paper and in PDF.
            if (!g.Abgeschnitten) {
                p.drawText(r.adjusted(0, 0, f.AutoGroesse ? u.fx : 0.0, 0), flags | Qt::TextDontClip, g.Text);
            } else {
                p.save();
                p.setClipRect(r);
                p.drawText(r, flags, g.Text);
                p.restore();
            }
        }
        if (f.Rahmen != TRahmen::Keiner())
            rahmen(p, u, f.Strichstaerke, g.Rechteck, f.Rahmen);
        break;
    }
    case TFeldArt::Linie:
        linie(p, u, f.Strichstaerke, g.Rechteck.topLeft(), g.Rechteck.bottomRight());
        break;
    case TFeldArt::Diagramm:
        if (f.Diagramm) {
            const QSize layout(qRound(g.Rechteck.width() / 25.4 * DiagrammDpi),
                               qRound(g.Rechteck.height() / 25.4 * DiagrammDpi));
            p.save();
            f.Diagramm->Zeichnen(p, u.px(g.Rechteck), layout);
            p.restore();
        }
        rahmen(p, u, f.Strichstaerke, g.Rechteck, f.Rahmen);
        break;
    }
}

} // namespace

namespace BerichtAusgabe {

void ZeichneSeite(QPainter &painter, const TBericht &bericht, const TSeite &seite) {
    QPaintDevice *geraet = painter.device();
    TUmrechnung u;
    if (geraet) {
        u.fx = geraet->logicalDpiX() / 25.4;
        u.fy = geraet->logicalDpiY() / 25.4;
        if (geraet->devType() == QInternal::Image)
            u.minStrich = 1.0 / std::max(0.01, painter.worldTransform().m11() * geraet->devicePixelRatioF());
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const TGesetztesBand &band : seite.Baender) {
        for (const TGesetztesFeld &f : band.Felder)
            feldZeichnen(painter, u, f);
        rahmen(painter, u, 0.2, band.Rechteck(bericht.Rand, bericht.BandBreite), band.Rahmen);
    }
    painter.restore();
}

namespace {

// Plans and draws every page on geraet; begins the painter only when there is
// a first page. -1 when the painter cannot begin.
int zeichneAlle(TBericht &bericht, QPagedPaintDevice &geraet) {
    TSeitenplaner planer(bericht);
    TSeite seite;
    if (!planer.NaechsteSeite(seite))
        return 0;
    QPainter p;
    if (!p.begin(&geraet))
        return -1;
    int anzahl = 0;
    do {
        if (anzahl > 0)
            geraet.newPage();
        ZeichneSeite(p, bericht, seite);
        ++anzahl;
    } while (planer.NaechsteSeite(seite));
    p.end();
    return anzahl;
}

} // namespace

int Zeichnen(TBericht &bericht, QPagedPaintDevice &geraet) {
    return zeichneAlle(bericht, geraet);
}

int AlsPdf(TBericht &bericht, const QString &datei, QString *fehler) {
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly)) {
        if (fehler)
            *fehler =
                TTexte::tr("Die Datei %1 kann nicht geschrieben werden: %2").arg(datei, ziel.errorString());
        return -1;
    }
    int seiten = 0;
    {
        QPdfWriter pdf(&ziel);
        pdf.setResolution(seitenDpi());
        pdf.setPageLayout(bericht.Seitenlayout());
        pdf.setTitle(bericht.Titel);
        pdf.setCreator(QCoreApplication::applicationName());
        seiten = zeichneAlle(bericht, pdf);
    }
    if (seiten <= 0) {
        ziel.cancelWriting();
        if (seiten < 0 && fehler)
            *fehler = TTexte::tr("Die Datei %1 kann nicht geschrieben werden.").arg(datei);
        return seiten;
    }
    if (!ziel.commit()) {
        if (fehler)
            *fehler =
                TTexte::tr("Die Datei %1 kann nicht geschrieben werden: %2").arg(datei, ziel.errorString());
        return -1;
    }
    return seiten;
}

QList<QImage> AlsBilder(TBericht &bericht, double dpi) {
    QList<QImage> bilder;
    const QSizeF mm = bericht.PapierGroesse();
    const QSize groesse(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi));
    const int dpm = qRound(seitenDpi() / 0.0254);
    const double massstab = dpi / seitenDpi();
    TSeitenplaner planer(bericht);
    TSeite seite;
    while (planer.NaechsteSeite(seite)) {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.setDotsPerMeterX(dpm);
        bild.setDotsPerMeterY(dpm);
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.scale(massstab, massstab);
        ZeichneSeite(p, bericht, seite);
        p.end();
        bilder.append(bild);
    }
    return bilder;
}

void DruckerEinrichten(QPrinter &drucker, const TBericht &bericht) {
    drucker.setResolution(seitenDpi());
    drucker.setFullPage(true);
    drucker.setPageLayout(bericht.Seitenlayout());
    drucker.setDocName(bericht.Titel);
    drucker.setCopyCount(1);
    drucker.setDuplex(QPrinter::DuplexNone);
    drucker.setPaperSource(QPrinter::Upper); // the first paper bin
    drucker.setPrintRange(QPrinter::AllPages);
}

bool Drucken(TBericht &bericht, IDialoge &dialoge, QWidget *owner) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> alle = QPrinterInfo::availablePrinters();
        if (!alle.isEmpty())
            info = alle.first();
    }
    if (info.isNull()) {
        dialoge.Warnung(owner,
                        TTexte::tr("Es ist kein Drucker installiert.\nBitte richten Sie einen Drucker ein "
                                   "oder speichern Sie den Ausdruck in der Druckvorschau als PDF."));
        return false;
    }
    QPrinter drucker(info, QPrinter::HighResolution);
    DruckerEinrichten(drucker, bericht);
    if (zeichneAlle(bericht, drucker) < 0) {
        dialoge.Warnung(owner, TTexte::tr("Der Drucker %1 kann nicht drucken.").arg(info.printerName()));
        return false;
    }
    return true;
}

void Vorschau(TBericht &bericht, IDialoge &dialoge, QWidget *owner, const QString &pdfVorschlag) {
    QPrinter drucker(QPrinter::HighResolution);
    TBerichtVorschau vorschau(bericht, dialoge, drucker, owner, pdfVorschlag);
    vorschau.exec();
}

} // namespace BerichtAusgabe

TBerichtVorschau::TBerichtVorschau(TBericht &bericht, IDialoge &dialoge, QPrinter &drucker, QWidget *owner,
                                   const QString &pdfVorschlag)
    : QPrintPreviewDialog(&drucker, owner), m_bericht(bericht), m_dialoge(dialoge) {
    BerichtAusgabe::DruckerEinrichten(drucker, bericht);
    if (!pdfVorschlag.isEmpty()) {
        const QFileInfo fi(pdfVorschlag);
        m_vorschlag = fi.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0
                          ? pdfVorschlag
                          : fi.path() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral(".pdf");
    }
    setWindowTitle(bericht.Titel.isEmpty() ? TTexte::tr("Druckvorschau")
                                           : TTexte::tr("Druckvorschau - %1").arg(bericht.Titel));
    resize(900, 1000);
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *p) { BerichtAusgabe::Zeichnen(m_bericht, *p); });
    m_pdf = new QAction(TTexte::tr("Als PDF speichern"), this);
    m_pdf->setToolTip(TTexte::tr("Als PDF speichern"));
    m_pdf->setObjectName(QStringLiteral("PdfSpeichern"));
    connect(m_pdf, &QAction::triggered, this, [this] { AlsPdfSpeichern(); });
    if (auto *leiste = findChild<QToolBar *>()) {
        leiste->addSeparator();
        leiste->addAction(m_pdf);
    } else {
        addAction(m_pdf);
    }
}

bool TBerichtVorschau::AlsPdfSpeichern() {
    QString datei = m_dialoge.DateiSpeichern(this, TTexte::tr("Als PDF speichern"), m_vorschlag,
                                             TTexte::tr("PDF-Dateien (*.pdf);;Alle Dateien (*)"));
    if (datei.isEmpty())
        return false;
    if (QFileInfo(datei).suffix().isEmpty())
        datei += QStringLiteral(".pdf");
    QString fehler;
    const int seiten = BerichtAusgabe::AlsPdf(m_bericht, datei, &fehler);
    if (seiten < 0) {
        m_dialoge.Warnung(this, fehler);
        return false;
    }
    return true;
}

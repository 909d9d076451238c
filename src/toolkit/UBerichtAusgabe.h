// Output of a report (UBericht.h): one drawing path (Zeichnen) feeds the
// preview window, the default printer, PDF files and images.
//
//   BerichtAusgabe::Vorschau(bericht, lauf.Dialoge, this, "Pile_2024.pdf"); // modal
//   if (!BerichtAusgabe::Drucken(bericht, lauf.Dialoge, this)) ...          // default printer
//   int seiten = BerichtAusgabe::AlsPdf(bericht, "/tmp/p.pdf", &fehler);   // no dialog
//   QList<QImage> bilder = BerichtAusgabe::AlsBilder(bericht, 100);
//
// Every call runs the report anew (BeimStart, MehrDaten, the print callbacks).
#pragma once

#include <QImage>
#include <QList>
#include <QPrintPreviewDialog>
#include <QString>

class IDialoge;
class QAction;
class QPainter;
class QPagedPaintDevice;
class QPrinter;
class TBericht;
struct TSeite;

namespace BerichtAusgabe {

// Draws one planned page on an active painter whose device is the page
// (origin at the paper's top left corner).
void ZeichneSeite(QPainter &painter, const TBericht &bericht, const TSeite &seite);

// Runs the report onto a paged device (printer, PDF writer), page by page;
// the device's page layout must already be set. Returns the number of pages.
int Zeichnen(TBericht &bericht, QPagedPaintDevice &geraet);

// Writes the report as a PDF file without any dialog. Returns the number of
// pages; an empty report writes no file and returns 0; -1 when the file
// cannot be written (fehler then says why, in German).
int AlsPdf(TBericht &bericht, const QString &datei, QString *fehler = nullptr);

// The pages as images at dpi dots per inch (white paper).
QList<QImage> AlsBilder(TBericht &bericht, double dpi = 100.0);

// Paper, orientation, no margins (the report keeps its own), one copy, no
// duplex, first paper bin, all pages.
void DruckerEinrichten(QPrinter &drucker, const TBericht &bericht);

// Prints on the default printer: one copy, no duplex, first paper bin, all
// pages. Where no printer is installed, a message box says so and false is
// returned. An empty report prints nothing (true).
bool Drucken(TBericht &bericht, IDialoge &dialoge, QWidget *owner);

// Shows the report in the preview window, modally, until it is closed.
// pdfVorschlag: default file name of "Als PDF speichern".
void Vorschau(TBericht &bericht, IDialoge &dialoge, QWidget *owner, const QString &pdfVorschlag = {});

} // namespace BerichtAusgabe

// The preview window: Qt's print preview whose tool bar also saves the
// document as PDF (file dialog through IDialoge).
class TBerichtVorschau : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TBerichtVorschau(TBericht &bericht, IDialoge &dialoge, QPrinter &drucker, QWidget *owner,
                     const QString &pdfVorschlag = {});

    // "Als PDF speichern" in the tool bar.
    QAction *PdfAktion() const { return m_pdf; }
    // Asks for a file name and writes the PDF; false when cancelled or failed.
    bool AlsPdfSpeichern();

private:
    TBericht &m_bericht;
    IDialoge &m_dialoge;
    QString m_vorschlag;
    QAction *m_pdf = nullptr;
};

// The window "Daten Offline lesen": the operator fetches the records stored in
// a plant's controller by hand, sees them in a table as they arrive (they go
// into the pile's data file too) and prints the table as a measurement
// protocol. The readout itself is TDatenLesen (UDatenAuslesen.h).
#pragma once

#include "display/UDatenAuslesen.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class TAnlagenTabs;
class QToolBar;
class QToolButton;
class TBericht;
class TFAktiv;
class TFQRKompForm;
class TIniDatei;
class TFMain;
class TFormSkalierer;
class TLauf;
class TStringGrid;

class TFDatenLesen1 : public QMainWindow, public IDatenLesenAnzeige {
    Q_OBJECT
public:
    // aktiv: the run's busy window, shown over this window during a readout.
    TFDatenLesen1(TLauf &lauf, TFAktiv &aktiv, QWidget *owner = nullptr);
    ~TFDatenLesen1() override;

    // All texts the window shows of its own (called when built; again after
    // a language switch).
    void SetzeTexte();

    // The read-out button: the readout of AktAnlage.
    void DatenAuslesen();
    // A plant tab was chosen: it becomes AktAnlage.
    void TabControl1Change();
    // Preview and print of the table as a measurement protocol.
    void PreviewButtonClick();
    void PrintButtonClick();
    void Info1Click();
    void Ende2Click();

    // Shows the about box ("&Info"); set by whoever opens the window.
    std::function<void(QWidget *)> InfoOeffner;
    // Shows the printout; the preview window by default. Tests put something
    // else here (e.g. writing the PDF).
    std::function<void(TBericht &)> ZeigeVorschau;
    // Prints the printout; true when it was printed. The default printer by
    // default.
    std::function<bool(TBericht &)> Drucke;

    TDatenLesen &Lesen() { return m_lesen; }
    // Text of status panel 1 or 2.
    QString StatusText(int panel) const;
    // A readout runs.
    bool Liest() const { return m_liest; }

    // IDatenLesenAnzeige
    void Meldung(const QString &text) override;
    void Warnung(const QString &text) override;
    void TabelleZuruecksetzen(int zeilen) override;
    void ZeilenAnzahl(int zeilen) override;
    void AnzahlZeigen(const QString &text) override;
    void DatensatzNrZeigen(const QString &text) override;
    void ZeileZeigen(int nr, const QStringList &zellen) override;
    void StatusZeigen(const QString &text) override;
    void FortschrittZeigen(int maximum) override;
    void FortschrittSchritt() override;
    bool Abgebrochen() override;
    void FortschrittVerbergen() override;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QToolButton *PreviewButton = nullptr;
    QToolButton *PrintButton = nullptr;
    TAnlagenTabs *TabControl1 = nullptr;
    QLabel *MieteName = nullptr;
    QLabel *AnzahlLabel = nullptr;
    QLabel *AnzDaten1 = nullptr;
    QLabel *LeseLabel = nullptr;
    QLabel *DatenNr = nullptr;
    TStringGrid *StringGrid1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 2> StatusPanels{};

    QMenu *EndeMenu = nullptr;
    QMenu *DruckenMenu = nullptr;
    QAction *Ende2 = nullptr;
    QAction *Druckvorschau1 = nullptr;
    QAction *Drucken1 = nullptr;
    QAction *Info1 = nullptr;

    TFormSkalierer *Skalierer = nullptr;

signals:
    // The window was closed (the modal showing ends).
    void Geschlossen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void zeigeMiete();
    void baueFenster();
    void baueMenue();
    void FormCreate();
    void setzeDruckKnoepfe(bool an);

    TLauf &m_lauf;
    TFAktiv &m_aktiv;
    TDatenLesen m_lesen;
    bool m_liest = false;
};

// The measurement protocol of the rows read by an offline readout of plant
// anlage: the company lines of [Firma], the plant's name, the data file the
// rows went into (datei; the plant's Datei when empty) and its comment, °F
// titles with Metric, the reference depth title with ShowRef, exactly one
// detail row per row read (numbered from 1), no chart.
std::unique_ptr<TFQRKompForm> OfflineProtokoll(const TZustand &z, const TIniDatei &ini, int anlage,
                                               const QList<QStringList> &zeilen,
                                               const QString &datei = QString());

// "&Offline Daten auslesen" of the main window and of the live display:
// creates the window with owner as its owner, shows it modally and destroys
// it when it is closed.
void ZeigeDatenLesen1(TFMain &main, QWidget *owner);

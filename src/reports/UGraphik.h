// The graph window "Humaro Graphik": the measurement series of one per-pile
// data file as a chart over the measurement number. The operator chooses the
// curves with check boxes on two pages (environment data, fan data), reduces
// them to one value per day, zooms and scrolls along the measurement axis and
// previews or prints the chart on one landscape page. The window owns one
// series model (TMessDaten); the chart shows the model's series of the page in
// front whose boxes are checked. The states of the ten boxes are settings of
// the [COM] section, written when the window goes, if the operator clicked one.
#pragma once

#include "data/UDiagramm.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class TAnlagenTabs;
class TDiagrammAnzeige;
class TFMain;
class TFQRGraphForm;
class TLauf;
class TMessDaten;

class TFGraphForm : public QMainWindow {
    Q_OBJECT
public:
    // The check boxes in the order of their settings.
    enum Box { BoxT1, BoxT2, BoxT3, BoxT4, BoxT5, BoxT55, BoxO2, BoxWert, BoxZyklen, BoxLuftZeit, BoxAnzahl };
    // The [COM] key of each box: "T1" .. "T5", "T55", "O2", "WRT", "ZYKL" and
    // "LZEIT" for the fan running time ("ZEIT" holds the storage hour).
    static QString Schluessel(Box box);

    // The series of the page in front (fan page or not) that the boxes select,
    // in drawing order; the depth mark only with showRef.
    static QList<TMessSerie *> GezeigteSerien(TMessDaten &m, const std::array<bool, BoxAnzahl> &an,
                                              bool showRef);

    // FormCreate: the model, the boxes from their settings, the plant tabs
    // with the current plant selected. The window is not shown.
    explicit TFGraphForm(TLauf &lauf, QWidget *parent = nullptr);
    // FormDestroy: frees the model; writes every box's setting if one was clicked.
    ~TFGraphForm() override;

    // What "&Info" shows (the about box); without it the item is disabled.
    void SetzeInfo(std::function<void(QWidget *owner)> zeigen);

    TMessDaten &Daten() { return *m_daten; }
    // The plant of the selected tab (1-based).
    int Anlage() const { return m_anlage; }
    bool EinstellungenGeaendert() const { return m_geaendert; }
    // Text of status panel 1..4.
    QString StatusText(int panel) const;
    QCheckBox *Check(Box box) const { return m_boxen.at(static_cast<size_t>(box)); }

    // Opens a data file as the open dialog does when it is confirmed; false
    // when it was refused (with its message).
    bool DateiOeffnen(const QString &datei);

    // Sets every text of the window (also after a change of language).
    void SetzeTexte();

    // Tool bar.
    QToolBar *ToolBar1 = nullptr;
    QToolButton *OpenButton = nullptr;
    QToolButton *PreviewButton = nullptr;
    QToolButton *PrintButton = nullptr;
    // Top panel.
    QWidget *Panel1 = nullptr;
    TAnlagenTabs *TabControl1 = nullptr;
    QLabel *MieteName = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *Sheet1 = nullptr;
    QWidget *Sheet2 = nullptr;
    QCheckBox *CheckT1 = nullptr;
    QCheckBox *CheckT2 = nullptr;
    QCheckBox *CheckT3 = nullptr;
    QCheckBox *CheckT4 = nullptr;
    QCheckBox *CheckT5 = nullptr;
    QCheckBox *CheckT55 = nullptr;
    QCheckBox *CheckO2 = nullptr;
    QCheckBox *CheckLuftZeit = nullptr;
    QCheckBox *CheckZyklen = nullptr;
    QCheckBox *CheckWert = nullptr;
    // The chart and the status bar.
    TDiagrammAnzeige *Chart1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 4> StatusPanels{};
    // Menu.
    QMenu *Datei1 = nullptr;
    QMenu *Drucken1 = nullptr;
    QAction *Oeffnen1 = nullptr;
    QAction *Schliessen1 = nullptr;
    QAction *Ende2 = nullptr;
    QAction *Druckvorschau1 = nullptr;
    QAction *Drucken2 = nullptr;
    QAction *Info1 = nullptr;

public slots:
    // A click on one of the ten boxes.
    void CheckClick(QCheckBox *sender);
    void PageControl1Change();
    void TabControl1Change();
    void OpenButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();
    void Schliessen1Click();
    void Ende2Click();
    void Info1Click();
    void Chart1Zoom();
    void Chart1UndoZoom();
    // Asked before the chart scrolls an axis to newMin .. newMax.
    bool Chart1AllowScroll(TAchsenSeite achse, double newMin, double newMax) const;
    // Shows the checked series of the page in front with the page's axes.
    void ZeichneDiagramm();

signals:
    // The window was closed (the modal showing ends).
    void Geschlossen();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void baueFenster();
    void baueMenue();
    void FormCreate();
    void druckenFreigeben(bool an);
    // The pile's name: the plant's while no file is open, else the name in
    // the file's header, with a hint where it is not the plant's (the model
    // keeps its file when another tab is chosen, and draws it again).
    void zeigeMieteName();
    void drucken(bool vorschau);
    void serienBauen();

    TLauf &m_lauf;
    std::unique_ptr<TMessDaten> m_daten;
    std::array<QCheckBox *, BoxAnzahl> m_boxen{};
    int m_anlage = 1;
    bool m_initialisierung = false; // true while the boxes are set at creation
    bool m_geaendert = false;
    QString m_letzterOrdner;
    QString m_datei;        // the file last opened
    bool m_geladen = false; // the model holds the file last opened
    std::function<void(QWidget *)> m_info;
};

// Fills the printed graph: header lines, plant name, file name and both
// comment lines from the model; the print chart takes over the settings of the
// screen chart and the series it shows (they leave the screen chart until it
// takes them back).
void GraphFuellen(TFQRGraphForm &qr, const TMessDaten &m, const TDiagramm &bildschirm);

// The command line "--protocol graph FILE --pdf OUT": the environment page of
// the graph of a data file as a PDF, with the series that the [COM] keys
// select ("WRT": one value per day) and the display settings of the
// configuration. Returns the exit code as the protocols do: 0 written; 2 the
// data file cannot be read, is no data file or holds no readable record (no
// PDF); 1 no file named or the PDF cannot be written. meldung: one line for
// standard error (empty on success).
int GraphAlsPdf(TLauf &lauf, const QString &datei, const QString &pdf, QString &meldung);

// A picture of the window with a data file, maximised, on page seite (1 or 2),
// zoomed to the measurement numbers "FROM:TO" if given. Returns the exit code.
int GrafikFoto(TLauf &lauf, const QString &datei, const QString &bild, int seite, const QString &zoom);

// The main window's "&Grafik erstellen": creates the graph window, shows it
// maximised and modal over main, and destroys it when it is closed.
void ZeigeGrafik(TFMain &main);

// The protocol viewer "Humaro Protokoll" (kind 0, the measurement protocol)
// and "Humaro Protokoll Gütegemeinschaft" (kind 1, the quality-association
// protocol): the operator picks a plant by its tab, opens one of its data
// files, sees the hygienisation verdict of the file (for the type of the
// plant whose tab is selected: open or closed), and previews or prints the
// protocol, with or without its chart, with every record or one per day. All
// reading of the file is done by the series model the window owns.
#pragma once

#include "data/UHygienisierung.h"
#include "data/UMessDaten.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTableWidget;
class QToolBar;
class TBericht;
class TAnlagenTabs;
class TFMain;
class TFormSkalierer;
class TLauf;

class TFCSV_Lesen : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: the series model, the plant tabs with the current plant
    // selected, its name. The caption and the check boxes follow the kind at
    // the first activation, so ProtokollArt is set before the window is shown.
    explicit TFCSV_Lesen(TLauf &lauf, QWidget *parent = nullptr);
    // FormDestroy: writes the check boxes to [COM] when the operator clicked one.
    ~TFCSV_Lesen() override;

    // 0 measurement protocol, 1 quality-association protocol.
    quint8 ProtokollArt = 0;
    // Shows the about box over the given window; "&Info" is disabled without it.
    std::function<void(QWidget *)> InfoOeffner;

    // Every window text (caption included), for building and a language switch.
    void SetzeTexte();
    // The left edge of the plant tabs and the pile name, right of the check boxes.
    int neben() const;

    TMessDaten &Daten() { return *m_daten; }
    int AusgewaehlteAnlage() const { return m_anlage; }
    bool EinstellungenGeaendert() const { return m_geaendert; }
    const THygienisierung &Hygienisierung() const { return m_hygiene; }
    // Text of status panel 1..4.
    QString StatusText(int panel) const;
    // The hygienisation summary as shown: the plant type, one line per table
    // row, each note, the closing lines, the data file and its fingerprint.
    QString HygieneAnzeigeText() const;

    QToolBar *ToolBar1 = nullptr;
    QAction *OpenButton = nullptr;
    QAction *PreviewButton = nullptr;
    QAction *PrintButton = nullptr;
    QWidget *Panel1 = nullptr;
    QCheckBox *CheckGraph = nullptr;
    QCheckBox *CheckTag = nullptr;
    TAnlagenTabs *TabControl1 = nullptr;
    // The pile's name: the plant's while no file is open, else the name in
    // the file's header, with a hint where it is not the plant's.
    QLabel *MieteName = nullptr;
    // The hygienisation verdict: the plant type, a line per criterion and
    // basis, the gaps, clock steps and what was left out with the data file's
    // name and fingerprint, the closing lines for the core and all measuring points.
    QLabel *HygieneTitel = nullptr;
    QLabel *HygieneArt = nullptr;
    QTableWidget *HygieneTabelle = nullptr;
    QPlainTextEdit *HygieneHinweise = nullptr;
    QLabel *HygieneSchluss = nullptr;
    QLabel *HygieneSchlussAlle = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 4> StatusPanels{};
    QMenu *Datei1 = nullptr;
    QMenu *Drucken1 = nullptr;
    QAction *Oeffnen1 = nullptr;
    QAction *Schliessen1 = nullptr;
    QAction *Ende2 = nullptr;
    QAction *Druckvorschau1 = nullptr;
    QAction *Drucken2 = nullptr;
    QAction *Info1 = nullptr;
    TFormSkalierer *FormResizer1 = nullptr;

    // Where preview and print go: none means the preview window and the
    // default printer. Tests put their own here and look at the filled layout.
    using TAusgabe = std::function<void(TBericht &bericht, bool vorschau)>;
    TAusgabe Ausgabe;
    // The file loaded last (full name).
    QString GeladeneDatei() const { return m_datei; }

public slots:
    void FormActivate();
    void CheckClick();
    void TabControl1Change(int index);
    void OpenButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();
    void Schliessen1Click();
    void Ende2Click();
    void Info1Click();

signals:
    // The window was closed (the modal showing ends).
    void Geschlossen();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void baueFenster();
    void baueMenue();
    void FormCreate();
    void druckknoepfe(bool an);
    void zeigeHygiene();
    void hygieneLeeren();
    void ausgeben(bool vorschau);
    QString comSchluessel(bool graph) const;
    // The type of the selected plant, for the verdict.
    TAnlagenArt anlagenArt() const;
    void zeigeMieteName();
    // The widths the verdict table's columns need for the widest texts they
    // can show in this language (every criterion, note and verdict, the
    // longest dates and durations) and for the texts they show, in the
    // table's present font.
    QList<int> tabellenBedarf() const;
    // The window's width for the table at its design font.
    int benoetigteBreite() const;
    // The design width of the window and its controls.
    void setzeBreite(int breite);
    // Rows as high as their font, columns as wide as their texts need, the
    // room left over shared among them (on every change of size and font).
    void passeTabelleAn();

    TLauf &m_lauf;
    TMessDaten *m_daten = nullptr;
    int m_breite; // the window's design width
    THygienisierung m_hygiene;
    int m_anlage = 1;
    bool m_ersteAktivierung = true;
    bool m_geaendert = false;
    bool m_geladen = false;
    bool m_druckbar = false;
    QString m_letztesVerzeichnis;
    QString m_hygieneText;
    QString m_datei;
};

// The main window's "Mess&werte drucken" (art 0) and "&Protokoll
// Gütegemeinschaft" (art 1): creates the viewer over main, shows it modally
// and destroys it when it is closed.
void ZeigeProtokollViewer(TFMain &main, int art);

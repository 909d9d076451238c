// The live display "Kompost- Messwerterfassung": the readings of the selected
// plant on instruments over a picture of the pile, a one-line overview of every
// plant, the menus of the plant operations, and the outcome of the daily
// storage sweep (TLauf::Sicherung, which runs whether this window is open or
// not) in its storage-status grid.
#pragma once

#include "display/UMietenVerwaltung.h"
#include "display/USollwerte.h"
#include "display/USpeicherung.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTabBar;
class TAnlagenTabs;
class TBalkenAnzeige;
class TFMain;
class TFormSkalierer;
class TLampe;
class TLauf;
class TLedInstrument;
class TLuefterBild;
class TMietenBild;
class TStringGrid;

class TFAnzeige : public QMainWindow, public IMietenAnzeige {
    Q_OBJECT
public:
    // Builds the window for the run of main (FormCreate): grid rows and row
    // titles, plant tabs, the depth display and the units. The timers stay idle
    // until the window is activated.
    explicit TFAnzeige(TFMain &main);
    ~TFAnzeige() override;

    // The display timer (1000 ms) on, then the poll of the main window.
    void StartTimer() override;
    // The poll of the main window off, then the display timer; the
    // heartbeat empties.
    void StopTimer() override;

    // Selects the tab of the current plant, refreshes everything that depends
    // on it and starts both timers (each time the window becomes active).
    void FormActivate();
    // The selected tab's plant becomes the current plant: mode tab,
    // instruments, pile line, menu items, memory lamp and status bar.
    void TabControl1Change();
    // Instruments, lamps and mode tab from the current plant's readings.
    void UpdateInstruments();
    // Row n of the overview grid from plant n's readings; all rows.
    void UpdateGridRow(int n);
    void UpdateGrid();
    // One tick of the display timer: heartbeat (only while the plants are
    // polled), instruments, grid, the connection's state.
    void DispTimerTimer();

    // While a dialog or an operation of this window runs, no storage sweep
    // starts (one that falls due meanwhile runs as soon as it is over), an
    // activation of the window starts no timers, and the window cannot be
    // closed. Calls nest; every DialogOffen() needs its DialogZu().
    // The guard is the run's (TLauf::Sperre), so the main window and every
    // other window see it too.
    void DialogOffen();
    void DialogZu();
    bool DialogIstOffen() const;
    // The same as a guard for one scope.
    class TDialogSperre {
    public:
        explicit TDialogSperre(TFAnzeige &f) : m_f(f) { m_f.DialogOffen(); }
        ~TDialogSperre() { m_f.DialogZu(); }
        TDialogSperre(const TDialogSperre &) = delete;
        TDialogSperre &operator=(const TDialogSperre &) = delete;

    private:
        TFAnzeige &m_f;
    };

    TFMain &Main() { return m_main; }
    TLauf &Lauf() { return m_lauf; }
    TSpeicherung &Speicherung() { return *m_speicherung; }
    TMietenVerwaltung &Mieten() { return *m_mieten; }
    // The heartbeat counter, 1..10 (0 before the first tick).
    int Herzschlag() const { return m_herzschlag; }
    // Text of status panel 1..4.
    QString StatusText(int panel) const;

    // ISpeicherAnzeige: the readout (ending a pile, and the storage sweep
    // while this window is open) shows its messages, its count in panel 4
    // and its progress in the busy window over this window.
    void Meldung(const QString &text) override;
    void Warnung(const QString &text) override;
    void AnzahlAnzeigen(const QString &text) override;
    void FortschrittZeigen(int maximum) override;
    void FortschrittSchritt() override;
    void FortschrittVerbergen() override;
    // IMietenAnzeige: the pile operations refresh the plant's view and ask
    // their questions over this window.
    void Auffrischen() override { TabControl1Change(); }
    bool Frage(const QString &text) override;

    // The operating mode texts of the overview grid (modes 0..4) and of the
    // mode tabs (modes 0..3).
    static QString BetriebsartText(int art);
    static QString BetriebsartTabText(int art);

    // Sets every text of the window in the current language: when it is
    // built and again on a language change.
    void SetzeTexte();

    QTimer DispTimer;

    // Top strip.
    QLabel *AktivLabel = nullptr;
    QProgressBar *Progressbar1 = nullptr;
    QLabel *ZustandLabel = nullptr;
    QLabel *Logo = nullptr;
    // Left panel.
    QWidget *LinkesPanel = nullptr;
    TAnlagenTabs *TabControl1 = nullptr;
    QLabel *MieteName = nullptr;
    QTabBar *BetriebsArtTab = nullptr;
    TMietenBild *MietenBild = nullptr;
    TLedInstrument *T1Anz = nullptr;
    TLedInstrument *T2Anz = nullptr;
    TLedInstrument *T3Anz = nullptr;
    TLedInstrument *T4Anz = nullptr;
    TLedInstrument *T5Anz = nullptr;
    TBalkenAnzeige *T55Anz = nullptr;
    TLampe *SteuerLED = nullptr;
    TLampe *MEMLabel = nullptr;
    TLedInstrument *O2Anz = nullptr;
    TLedInstrument *LaufzeitAnz = nullptr;
    TLedInstrument *ZyklenAnz = nullptr;
    TLuefterBild *Luft1 = nullptr;
    // Right: the overview and, over it, the storage status.
    TStringGrid *BPAnzGrid = nullptr;
    TStringGrid *StatusAnzeige = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 4> StatusPanels{};
    // The number of active alarms, in red while there are any.
    QLabel *AlarmPanel = nullptr;
    // While no connection is open: since when and the next attempt, in red,
    // in place of the file panels.
    QLabel *VerbindungPanel = nullptr;
    // Over the pile while no connection is open or the shown plant does not
    // answer: the instruments show nothing live.
    QLabel *NichtLive = nullptr;
    // While the shown plant does not answer its polls: since when, in the
    // status bar.
    QLabel *StillPanel = nullptr;

    // Menus.
    QMenu *EndeMenu = nullptr;
    QMenu *MietenMenu = nullptr;
    QMenu *OptionenMenu = nullptr;
    QMenu *InfoMenu = nullptr;
    QAction *Ende1 = nullptr;
    QAction *OfflineDatenauslesen1 = nullptr;
    QAction *Mieteneustarten1 = nullptr;
    QAction *Mietefortfuehren1 = nullptr;
    QAction *Mietebeenden1 = nullptr;
    QAction *PCSpeicherstatus1 = nullptr;
    QAction *Alarme1 = nullptr;
    QAction *Einstellwerte1 = nullptr;
    QAction *ZeitDatumsetzen1 = nullptr;
    QAction *Info1 = nullptr;

    TFormSkalierer *Skalierer = nullptr;

public slots:
    void Ende1Click();
    void OfflineDatenauslesen1Click();
    void Mieteneustarten1Click();
    void Mietefortfuehren1Click();
    void Mietebeenden1Click();
    void PCSpeicherstatus1Click();
    // The window "Alarme" over this one (registered with the main window).
    void Alarme1Click();
    void Einstellwerte1Click();
    void ZeitDatumsetzen1Click();
    void Info1Click();
    // A click on the storage-status grid shows or hides it.
    void StatusAnzeigeClick();
    // Whether the operator may choose another mode tab now: only for a
    // connected plant with a running pile, and not while another exchange runs.
    bool BetriebsArtTabChanging() const;
    // The operator chose another mode tab: the controller is switched to it.
    void BetriebsArtTabChange(int index);

signals:
    // The window was closed (the modal showing ends).
    void Geschlossen();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void baueFenster();
    void baueMenue();
    // menueHoehe: the menu bar's height the window was first sized with.
    void FormCreate(int menueHoehe);
    void legeAnlagenTabsAus();
    void sperreFrei();
    void zeigeBetriebsart(int art);
    // The storage-status grid from the last sweep: title, each plant's
    // outcome, and what failed in the cell's tool tip.
    void zeigeSicherung();
    void sicherungBegonnen();
    void sicherungBeendet();
    void zeigeMieteName();
    // The alarm panel and the marks of the plants' tabs from the run's alarm state.
    void zeigeAlarmstand();
    // While no connection is open: the red panel with since when and the next
    // attempt, the pile marked as not live, both lamps out.
    void zeigeVerbindung();
    // Since when plant n has not answered its polls while the connection is
    // open (invalid while it answers, or when nothing can be known).
    QDateTime keineAntwortSeit(int n) const;
    QString keineAntwortText(int n) const;
    // Column widths of both grids for their titles and texts; how much wider
    // the grids must be.
    int passeSpaltenAn();
    TLedInstrument *temperaturAnzeige(int i) const;

    TFMain &m_main;
    bool m_stillGezeigt = false;
    TLauf &m_lauf;
    std::unique_ptr<TSpeicherung> m_speicherung;
    std::unique_ptr<TMietenVerwaltung> m_mieten;
    int m_herzschlag = 0;
    bool m_aktivierungOffen = false;
    // The display timer ran when the storage sweep began.
    bool m_dispVorSicherung = false;
    // The mode tab last shown by the window or taken by the controller.
    int m_artReiter = 0;
};

// The main window's "PC &Anzeige": creates the live display, shows it modally
// over main with main.LiveAnzeige pointing at it, and destroys it when it is
// closed (the reference is cleared then).
void ZeigeLiveAnzeige(TFMain &main);

// The main window: the product panel, the menu that opens every other window,
// the status line with the connection state, and the learning of the plants.
// It opens the event log and the transport when it starts and closes both
// when it closes; the run object (TLauf) holds them.
#pragma once

#include "shell/USchnittstellen.h"
#include "shell/USprache.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class TFAktiv;
class TLauf;
struct TZustand;

class TFMain : public QMainWindow, public IStatusAnzeige {
    Q_OBJECT
public:
    // The registry key under which the localisation keeps its languages.
    static constexpr const char *SprachSchluessel = TSprache::Schluessel;

    // Does the creation work up to reading the settings: event log opened,
    // plant count, title, [COM] display settings, schedule, partner logo.
    // The window starts disabled; Starte() shows it and connects.
    explicit TFMain(TLauf &lauf, QWidget *parent = nullptr);
    ~TFMain() override;

    // Shows the window centred on the screen and opens the transport. On the
    // serial line the window is enabled and the plants are learned at once;
    // over the network the connect event (or the error event) does it.
    void Starte();

    // Learning with its display: only when LernenAnfordern and Verbunden.
    // The window is disabled meanwhile; polling starts afterwards.
    void AnlagenEinlernen();
    // The learning pass itself.
    void LerneAlleAnlagen();
    // The poll timer off; on at 500 ms.
    void StopTimer();
    void StartTimer();

    // " 1..N" or " 33..32+N" behind the product title, with "NET" when the
    // network may be used.
    static QString Titel(const TZustand &z);

    // Sets every text of the window in the current language: when it is
    // built and again on a language change (title, panel, menu, status line,
    // the caption of the message boxes and the reference depth's text).
    void SetzeTexte();
    // The texts of the product panel, which the about box shows as well.
    struct TPanelTexte {
        QString Produkt, Version, Kommentar, Rechte;
    };
    static TPanelTexte PanelTexte();
    // The operator chose a language in the "Sprache" menu.
    void SpracheWaehlen(const QString &kuerzel);

    // IStatusAnzeige: the status line and the information box. Below the
    // connection's text the status line names what keeps the PC from its
    // work without stopping it (the configuration file or the event log
    // that cannot be written, a data file name not stored); its tool tip
    // says why.
    void Statuszeile(const QString &text) override;
    void Meldung(const QString &text) override;

    TLauf &Lauf() { return m_lauf; }
    // The busy window of the run.
    TFAktiv &Aktiv() { return *m_aktiv; }
    bool Lernt() const { return m_lernt; }

    // Windows that other parts of the program provide. Until an opener is
    // set, its menu item is shown disabled.
    enum class Fenster {
        Firmendaten,
        Anzeige,
        Offline,
        MesswerteDrucken,
        ProtokollGG,
        Grafik,
        Alarme,
        AlarmEinstellungen,
        Anzahl
    };
    using Oeffner = std::function<void(TFMain &)>;
    void SetzeOeffner(Fenster fenster, Oeffner oeffner);
    QAction *MenuePunkt(Fenster fenster) const;
    // Opens a registered window (the live display opens the alarms this way);
    // false when none is registered.
    bool Oeffne(Fenster fenster);

    // The window shown while it is open from "PC &Anzeige" (the live display),
    // so that dialogs opened from it reach its timers; cleared when it goes.
    QPointer<QWidget> LiveAnzeige;

    // Panel and status line.
    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QLabel *PartnerLogo = nullptr;
    QLabel *Copyright = nullptr;
    QLabel *LadeLabel = nullptr;
    QProgressBar *Anzeige1 = nullptr;
    QLabel *StatusPanel = nullptr;
    // The number of active alarms, in red while there are any (a click opens "Alarme").
    QLabel *AlarmPanel = nullptr;

    // Menu.
    QMenu *EndeMenu = nullptr;
    QMenu *SetupMenu = nullptr;
    QMenu *MessungMenu = nullptr;
    QMenu *DatenMenu = nullptr;
    QMenu *SpracheMenu = nullptr;
    QMenu *InfoMenu = nullptr;
    QAction *EndeItem = nullptr;
    QAction *SetupItem = nullptr;
    QAction *SpeicherzeitItem = nullptr;
    QAction *FirmendatenItem = nullptr;
    QAction *AnzeigeItem = nullptr;
    QAction *EinlernenItem = nullptr;
    QAction *OfflineItem = nullptr;
    QAction *MesswerteDruckenItem = nullptr;
    QAction *ProtokollGGItem = nullptr;
    QAction *GrafikItem = nullptr;
    QAction *AlarmeItem = nullptr;
    QAction *AlarmEinstellungenItem = nullptr;
    QAction *InfoItem = nullptr;

public slots:
    void EndeClick();
    void ProgrammSetupClick();
    void SpeicherzeitClick();
    void FirmendatenClick();
    void AnzeigeClick();
    void EinlernenClick();
    void OfflineClick();
    void MesswerteDruckenClick();
    void ProtokollGGClick();
    void GrafikClick();
    void AlarmeClick();
    void AlarmEinstellungenClick();
    void InfoClick();

signals:
    // A learning pass has ended (also one that stopped because the transport was closed).
    void LernenBeendet();

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void changeEvent(QEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    // While a window or dialog opened from the menu is open, the menus look
    // disabled, as they take no input meanwhile.
    class TMenueAus {
    public:
        explicit TMenueAus(TFMain &fenster);
        ~TMenueAus();
        TMenueAus(const TMenueAus &) = delete;
        TMenueAus &operator=(const TMenueAus &) = delete;

    private:
        QMenuBar *m_leiste;
        bool m_war;
    };

    void baueFenster();
    void baueMenue();
    void ladeLogo();
    void platziereLadeAnzeige();
    void zeigeStatus();
    // The window as large as its menus, panel and status line need.
    void passeGroesseAn();
    // While the storage sweep runs, this window and the one in front of it
    // take no input (no second exchange may start inside its waits).
    void sicherungBegonnen();
    void sicherungBeendet();
    // A switched-on plant whose data file name is not in the configuration:
    // its newest data file goes on, or a new name is chosen. The reason when
    // the name could not be stored.
    QString dateiFuerLaufendeMiete(int n);
    // The width the menu bar needs to show every menu.
    int menueBreite() const;
    // The alarm panel from the run's alarm state.
    void zeigeAlarmstand();

    TLauf &m_lauf;
    TFAktiv *m_aktiv = nullptr;
    QWidget *m_ladeBox = nullptr;
    QWidget *m_zentrale = nullptr;
    std::array<Oeffner, static_cast<size_t>(Fenster::Anzahl)> m_oeffner;
    bool m_lernt = false;
    bool m_schliessenAngefordert = false;
    bool m_geschlossen = false;
    bool m_schliesst = false;
    // The connection's text in the status line, and a notice of the last
    // learning pass (short, and in full for the tool tip).
    QString m_verbindungsText;
    QString m_lernHinweis;
    QString m_lernHinweisText;
    class THinweisHoerer;
    std::unique_ptr<THinweisHoerer> m_hinweisHoerer;
    class TSicherungsAnzeige;
    std::unique_ptr<TSicherungsAnzeige> m_sicherungsAnzeige;
    QPointer<QWidget> m_gesperrtFuerSicherung;
};

// The set-values dialog "Mess- Steuerung Setup": the nine set values of one
// controller at a time, chosen with the dialog's own plant tabs; OK (or a
// change of plant, when the operator agrees) loads the changed groups into the
// controller and reads them back to tell which values it did not take.
#pragma once

#include "display/USollwerte.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTabBar;
class TAnlagenTabs;
class TLauf;
class TZahlenFeld;

class TFO2MessSetup : public QDialog {
    Q_OBJECT
public:
    // Expects the set values of AktAnlage in Sollwerte (read just before).
    // timer is the window whose timers the dialog's reads stop (the live display).
    TFO2MessSetup(TLauf &lauf, IAnzeigeTimer &timer, QWidget *parent = nullptr);

    // Every text of the dialog (again after a change of language).
    void SetzeTexte();

    // The selected plant tab's plant becomes the dialog's plant; changes made
    // for the previous one are loaded first if the operator agrees.
    void TabControl1Change();
    // Loads the changed groups into the dialog's plant and closes the dialog.
    void OKBtnClick();

    // Change handlers: each sets its group's change mark; the O2 pair keeps
    // the switch-off value at least 0.2 vol% above the switch-on value.
    void O2EINEditChange();
    void O2AusEditChange();
    void SpeicherEditChange();
    void IntEditEinchanged();
    void IntEditAuschanged();
    void MaxEditChange();
    void NotEditChange();

    // The dialog's plant, 1..N.
    int Anlage() const { return m_anlage; }
    const TSollMarken &Marken() const { return m_marken; }
    // The fields' values as they would be sent (O2 in tenths, truncated).
    tAnlageSollwerte Werte() const;
    TZahlenFeld *Feld(TSollFeld f) const { return m_felder[static_cast<size_t>(f)]; }
    bool FelderAktiv() const;

    TAnlagenTabs *TabControl1 = nullptr;
    QLabel *MieteName = nullptr;
    TZahlenFeld *O2EINEdit = nullptr;
    TZahlenFeld *O2AUSEdit = nullptr;
    TZahlenFeld *SpeicherEdit = nullptr;
    TZahlenFeld *IntEINEdit = nullptr;
    TZahlenFeld *IntAUSEdit = nullptr;
    TZahlenFeld *MaxEinEdit = nullptr;
    TZahlenFeld *MaxAUSEdit = nullptr;
    TZahlenFeld *NotEINEdit = nullptr;
    TZahlenFeld *NotAUSEdit = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

public slots:
    // "Abbrechen": closes without sending anything; not while a request runs.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void baueFenster();
    void FormCreate();
    // Fields from Sollwerte, enabled, change marks cleared.
    void fuelleFelder();
    void sperreFelder();
    void zeigeMiete();
    // Uploads the marked groups to the dialog's plant and reports what the
    // controller did not take. false: nothing sent, as no connection is open
    // (said; the changes stay).
    bool lade();
    // Takes text typed but not yet confirmed into the fields.
    void uebernimmEingaben();
    bool lese(int anlage);
    int angezeigteNummer(int anlage) const;

    TLauf &m_lauf;
    TSollwertAustausch m_austausch;
    int m_anlage = 1;
    TSollMarken m_marken;
    std::array<TZahlenFeld *, SollFelderAnzahl> m_felder{};
    std::array<QLabel *, SollFelderAnzahl> m_labels{};
    std::array<QLabel *, SollFelderAnzahl> m_einheiten{};
    std::array<QLabel *, SollFelderAnzahl> m_erklaerungen{};
};

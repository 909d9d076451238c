// The window "Alarme": the active alarms and those cleared but not yet
// acknowledged, with the time raised, the plant, the text, the state and the
// values that raised it; the history of the last 30 days on a page of its
// own; buttons to acknowledge the chosen alarm or all. It follows every
// change of the alarms while it is open. It runs no controller exchange, so
// the polls and the storage sweep go on while it is open.
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TAlarme;
class TLauf;

class TFAlarme : public QDialog {
    Q_OBJECT
public:
    TFAlarme(TLauf &lauf, TAlarme &alarme, QWidget *parent = nullptr);

    // Sets every text in the current language (and again on a language change).
    void SetzeTexte();
    // Both tables from the alarms as they are now.
    void Auffrischen();

    QTabWidget *Seiten = nullptr;
    QTableWidget *AlarmTabelle = nullptr;
    QTableWidget *VerlaufTabelle = nullptr;
    QLabel *LeerLabel = nullptr;
    QPushButton *QuittierenButton = nullptr;
    QPushButton *AlleQuittierenButton = nullptr;
    QPushButton *SchliessenButton = nullptr;

public slots:
    // Acknowledges the alarm of the chosen row.
    void QuittierenClick();
    void AlleQuittierenClick();

protected:
    void changeEvent(QEvent *ereignis) override;
    // At its first showing the window grows (within the screen) until every
    // column shows its texts whole.
    void showEvent(QShowEvent *ereignis) override;

private:
    void knoepfeAnpassen();
    // How much wider the current alarms' columns are than their table shows (0: they fit).
    int fehlendeBreite();

    TLauf &m_lauf;
    TAlarme &m_alarme;
    // plant and German text of each row of AlarmTabelle
    QList<QPair<int, QString>> m_zeilen;
    bool m_gebaut = false;
    bool m_gezeigt = false;
};

// "Messung → Alarme": the window over ueber, modal, until it is closed.
void ZeigeAlarme(TLauf &lauf, TAlarme &alarme, QWidget *ueber);

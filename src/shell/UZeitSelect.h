// The storage-time dialog "Speicherzeit auswählen": the hour at which the
// records of every running controller are fetched once a day, chosen with a
// panel of 25 toggle buttons ("AUS", " 1h" .. "24h").
#pragma once

#include <QDialog>

class QAbstractButton;
class QLabel;
class QPushButton;
class TLauf;
class TSchalterFeld;

class TFZeitSelect : public QDialog {
    Q_OBJECT
public:
    // Puts the button of the current SpeicherStunde down.
    TFZeitSelect(TLauf &lauf, QWidget *parent = nullptr);

    // Button k (1..25) stands for the hour k - 1; 0 when none is down.
    int GedrueckterSchalter() const;
    void DrueckeSchalter(int k);
    QAbstractButton *Schalter(int k) const;

    QLabel *Label1 = nullptr;
    TSchalterFeld *ZeitFeld = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *AbbruchButton = nullptr;

    // Sets every text of the dialog in the current language: when it is
    // built and again on a language change.
    void SetzeTexte();

public slots:
    // Takes the hour of the button that is down (none down keeps the
    // previous hour), writes [COM] "ZEIT" if it changed, and closes.
    void OKButtonClick();

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    // The buttons' captions, row by row: "AUS", then the hours 1..24.
    static QList<QStringList> schalterTexte();

    TLauf &m_lauf;
};

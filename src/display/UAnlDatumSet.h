// The clock dialog "Mess- Steuerung Setup": shows the date and time a
// controller reports and sets them to the PC's. It keeps its own plant (at
// first AktAnlage); its tabs never change AktAnlage. It does not stop the
// timers of the live display: its requests run while the poll goes on.
#pragma once

#include <QDialog>
#include <QLocale>

class QLabel;
class QLineEdit;
class QPushButton;
class TAnlagenTabs;
class TLauf;

class TFAnlDatumSetup : public QDialog {
    Q_OBJECT
public:
    // FormCreate: tabs, the tab of AktAnlage, pile line and the clock read.
    explicit TFAnlDatumSetup(TLauf &lauf, QWidget *parent = nullptr);

    // The dialog's plant, 1..N.
    int Anlage() const { return m_anlage; }
    // The selected tab's plant becomes the dialog's plant; its clock is read.
    void TabControl1Change();
    // "Datum/ Zeit neu Setzen": the PC's date and time to the dialog's plant,
    // then its clock read back.
    void SetBtnClick();
    // Pile line, button and clock text of the dialog's plant; true when
    // the controller answered.
    bool ShowClock();
    // A clock request is under way (the dialog takes no input meanwhile).
    bool Liest() const { return m_liest; }
    // The clock text as the dialog shows it: the controller's "T Datum
    // dd.mm.yy Zeit hh:mm:ss" in the current language, the date in the
    // locale's short format; a text of another form as it came.
    static QString UhrAnzeige(const QString &uhrText, const QLocale &ort);

    TAnlagenTabs *TabControl1 = nullptr;
    QLabel *MieteName = nullptr;
    QLabel *Ueberschrift = nullptr;
    QLineEdit *Edit1 = nullptr;
    // Below the clock: that the controller does not answer (hidden while it does).
    QLabel *Hinweis = nullptr;
    QPushButton *SetBtn = nullptr;
    QPushButton *FertigBtn = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void SetzeTexte();
    void zeigeMiete();

    int anzeigeNummer() const;

    TLauf &m_lauf;
    int m_anlage = 1;
    bool m_liest = false;
    QString m_uhrText; // the clock text shown, as the controller sent it
};

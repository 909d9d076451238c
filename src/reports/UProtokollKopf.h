// The company-data dialog ("Kompost Steuerung Kontroll- Center"): the three
// lines of section [Firma] that head every data file and so every printout,
// and a sample measurement protocol with the lines as typed.
#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TBericht;
class TFMain;
class TLauf;

class TFProtokKopf : public QDialog {
    Q_OBJECT
public:
    explicit TFProtokKopf(TLauf &lauf, QWidget *parent = nullptr);
    ~TFProtokKopf() override;

    // Result codes: Accepted for "OK", Ignorieren for "Ignorieren".
    static constexpr int Ignorieren = 5;

    // Shows the sample report; the preview window by default. Tests put
    // something else here (e.g. writing the PDF).
    std::function<void(TBericht &)> ZeigeBericht;

    QLabel *StaticText4 = nullptr;
    QLabel *StaticText1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *StaticText3 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *Button1 = nullptr;
    QFrame *Bevel1 = nullptr;

    void SetzeTexte();

public slots:
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void changeEvent(QEvent *ereignis) override;

public:
    // Esc and the close button end the dialog like "Ignorieren".
    void reject() override;

private:
    TLauf &m_lauf;
    bool m_geladen = false;
};

// Opens the dialog modally from the main window ("&Firmendaten").
void ZeigeFirmendaten(TFMain &main);

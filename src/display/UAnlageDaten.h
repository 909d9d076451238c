// The plant data dialog "Anlage benennen", opened when a pile is started: the
// pile's name (only the characters a data file name may hold, at most 20),
// a comment, the folder of the data files and whether the plant is closed
// (the hygienisation criterion of closed plants counts only for them). A
// hint under the name says which characters are taken (and which one was
// just refused), and the name of the new pile's data file follows the name
// as it is typed. OK stores what changed in the plant record and the
// configuration (or leaves that to the caller, who stores it once the pile
// has started); a new name or folder also gives the plant a new data file
// name. "Abbruch" stores nothing.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TLauf;

class TFAnlageDaten : public QDialog {
    Q_OBJECT
public:
    // For the current plant AktAnlage of the run (FormCreate).
    explicit TFAnlageDaten(TLauf &lauf, QWidget *parent = nullptr);

    // Each time the dialog becomes active: a working folder that does not
    // exist is reported and replaced by the home folder.
    void FormActivate();
    // Whether a typed character is taken into the name field.
    static bool Edit1KeyPress(QChar c);
    // Opens the folder dialog on the working folder; another folder chosen
    // with OK becomes the working folder.
    void PfadButton1Click();
    // Closes with OK unless an emptied name had to be given back; stores
    // what changed when SpeichernBeiOk is set.
    void OKBtnClick();
    // Stores what changed in the plant record and the configuration; a new
    // name or folder also gives the plant a new data file name.
    void Speichern();
    // false: OK only takes the input, and Speichern() stores it later (a
    // pile start stores it once the plant has switched on).
    bool SpeichernBeiOk = true;

    QString Arbeitsordner() const { return m_ordner; }
    bool OrdnerGeaendert() const { return m_ordnerGeaendert; }

    // The folder choice: gets the working folder, gives the chosen folder or
    // an empty text when cancelled. Opens TFPfadsetzen unless a test replaces it.
    std::function<QString(const QString &)> OrdnerWaehlen;

    QLabel *Ueberschrift = nullptr;
    QLabel *AnlNrLabel = nullptr;
    QLabel *AnlNr = nullptr;
    QLabel *NameLabel = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *NameHinweis = nullptr; // the characters the name may hold
    QLabel *KommLabel = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *PfadLabel = nullptr;
    QLabel *DirLabel = nullptr;
    QPushButton *PfadButton1 = nullptr;
    QCheckBox *CheckGeschlossen = nullptr; // "Geschlossene Anlage"
    QLabel *DateiLabel = nullptr;
    QLabel *DateiName = nullptr; // the new pile's data file, as the name reads now
    QPushButton *OKBtn = nullptr;
    QPushButton *AbbruchBtn = nullptr;

    static constexpr int MaxNamenLaenge = 20;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The hint under the name; with refused characters, which ones.
    void ZeigeHinweis(const QString &abgelehnt = QString());

private:
    void SetzeTexte();
    void zeigeDateiName();
    void passeGroesseAn();

    TLauf &m_lauf;
    int m_anlage = 1;
    QString m_ordner;
    bool m_ordnerGeaendert = false;
    bool m_meldet = false;
    QString m_abgelehnt; // characters refused at the last edit
    bool m_gebaut = false;
};

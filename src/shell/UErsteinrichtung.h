// The setup window "Ersteinrichtung" of a new installation, shown before the
// main window when the home folder holds neither Installation.ini nor
// O2_Tarvos.ini: the number of plants, the line to the controllers (a serial
// port of this PC with its speed, or a network adapter) with "Verbindung
// prüfen", the data folder of the piles and the company lines of the
// protocols. OK writes both files (Einrichtung::Schreibe); "Abbrechen"
// writes nothing.
#pragma once

#include "shell/UEinrichtung.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TLauf;

class TFErsteinrichtung : public QDialog {
    Q_OBJECT
public:
    // A serial port as the system names it.
    struct TPort {
        QString Geraet; // the device the line opens
        QString Text;   // its name and description for the list
    };
    // The serial ports this PC has (names and descriptions as the system gives them).
    static QList<TPort> SystemPorts();

    // The proposal for the run's home folder, the ports of this PC.
    explicit TFErsteinrichtung(TLauf &lauf, QWidget *parent = nullptr);

    // Offers these ports in the list (the first chosen).
    void SetzePorts(const QList<TPort> &ports);
    // What the fields say now.
    TEinrichtung Eingaben() const;

    // The language of the windows (chosen and kept as in the "Sprache" menu).
    QComboBox *SpracheBox = nullptr;
    QSpinBox *AnlagenEdit = nullptr;
    QCheckBox *Adressen33Check = nullptr;
    QRadioButton *SeriellButton = nullptr;
    QRadioButton *NetzwerkButton = nullptr;
    QComboBox *PortBox = nullptr;
    QComboBox *BaudBox = nullptr;
    QLineEdit *AdresseEdit = nullptr;
    QSpinBox *NetPortEdit = nullptr;
    QPushButton *PruefenButton = nullptr;
    QLabel *PruefLabel = nullptr;
    QLineEdit *DatenordnerEdit = nullptr;
    QPushButton *OrdnerButton = nullptr;
    QLineEdit *FirmaEdit[3] = {};
    QPushButton *OKButton = nullptr;
    QPushButton *AbbrechenButton = nullptr;

    // Sets every text of the window in the current language: when it is
    // built and again on a language change.
    void SetzeTexte();

public slots:
    void PruefenButtonClick();
    void OrdnerButtonClick();
    void OKButtonClick();
    // "Abbrechen" and the close button (not while the line is tried).
    void reject() override;

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    void leitungGewechselt();
    void passeGroesseAn();

    TLauf &m_lauf;
    bool m_prueft = false;
    bool m_gebaut = false;
    QString m_pruefText;
    QLabel *m_einleitung = nullptr;
    QLabel *m_heimLabel = nullptr;
    QLabel *m_spracheLabel = nullptr;
    QGroupBox *m_anlagenGruppe = nullptr;
    QGroupBox *m_leitungGruppe = nullptr;
    QGroupBox *m_datenGruppe = nullptr;
    QGroupBox *m_firmaGruppe = nullptr;
    QLabel *m_anlagenLabel = nullptr;
    QLabel *m_portLabel = nullptr;
    QLabel *m_baudLabel = nullptr;
    QLabel *m_adresseLabel = nullptr;
    QLabel *m_netPortLabel = nullptr;
    QLabel *m_ordnerLabel = nullptr;
    QLabel *m_firmaLabel[3] = {};
};

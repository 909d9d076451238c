// The settings dialog "PC- Setup": serial port or network adapter, network
// timeout, the °F/inch display and the reference temperature. OK writes what
// changed to the configuration file and reopens the connection when a
// connection setting changed; Geaendert then tells the main window to learn
// the plants again.
#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TLauf;
class TMqttSeite;

class TFPC_Setup : public QDialog {
    Q_OBJECT
public:
    TFPC_Setup(TLauf &lauf, QWidget *parent = nullptr);

    // A connection setting changed (read by the main window after closing).
    bool Geaendert = false;
    // The port of the radio button clicked last.
    quint16 GewaehlterPort = 1;

    // The line's own choice (with the installation's network option only):
    // the pages only show the settings of each line.
    QGroupBox *VerbindungGruppe = nullptr;
    QRadioButton *SeriellWahl = nullptr;
    QRadioButton *NetzwerkWahl = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSeriell = nullptr;
    QWidget *TabNetzwerk = nullptr;
    QLabel *BaudLabel = nullptr;
    QButtonGroup *Schnittstelle = nullptr;
    QRadioButton *Com(int n) const;
    QLineEdit *AdresseEdit = nullptr;
    QSpinBox *PortEdit = nullptr;
    QSpinBox *TimeoutEdit = nullptr;
    QPushButton *VerbindenButton = nullptr;
    // the third page: the site network's broker ("Netzwerk-Dashboard (MQTT)")
    TMqttSeite *MqttSeite = nullptr;
    QCheckBox *CheckMetric = nullptr;
    QCheckBox *CheckShowRef = nullptr;
    QDoubleSpinBox *RefTempEdit = nullptr;
    QLabel *EinheitLabel = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *AbbrechenButton = nullptr;

    // The baud text of an installation's OptBaudIndex.
    static QString BaudText(int baudIndex);

    // Sets every text of the dialog in the current language: when it is
    // built and again on a language change.
    void SetzeTexte();

public slots:
    void OKButtonClick();
    void VerbindenButtonClick();
    // "Abbrechen" and the close button: a line that "Verbinden" opened is
    // taken back.
    void reject() override;

    // The question before the line changes.
    static QString TextVerbindungWechseln();

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    void leitungGewaehlt(int layer);
    // The transport the dialog's choice stands for (always serial without
    // the network option).
    quint8 gewaehlterLayer() const;
    void metricGeklickt(bool an);
    void refTempGeaendert(double wert);
    void zeigeRefTemp();

    TLauf &m_lauf;
    QLabel *m_comText = nullptr;
    QLabel *m_refText = nullptr;
    QGroupBox *m_comGruppe = nullptr;
    std::array<QLabel *, 3> m_netzLabels{}; // address, port, ping time
    bool m_gebaut = false;
    // the reference temperature in °C as the dialog holds it; replaces
    // RefTemp on OK only if the operator touched the field
    double m_refCelsius = 55.0;
    bool m_refBeruehrt = false;
    bool m_refSetzen = false;
    quint8 m_layerAnfang = 0;
    int m_verbindenLayer = -1; // the transport "Verbinden" opened, -1 if not used
    QString m_adresseAnfang;
    int m_timeoutAnfang = 0;
};

// The dialog "Alarme einstellen" (menu "PC-Setup"): the thresholds of the
// alarm conditions, the site's mail server and the command run at every
// alarm. "Testnachricht senden" sends a message with the settings as they
// stand in the dialog and says in plain words whether it arrived at the
// server or what went wrong; the dialog stays usable meanwhile. OK writes the
// keys that changed to [ALARM] of the configuration file.
#pragma once

#include "alarm/UAlarmEinstellungen.h"

#include <QDialog>
#include <array>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TAlarme;
class TLauf;

class TFAlarmEinstellungen : public QDialog {
    Q_OBJECT
public:
    TFAlarmEinstellungen(TLauf &lauf, TAlarme &alarme, QWidget *parent = nullptr);

    void SetzeTexte();
    // The settings as they stand in the fields.
    tAlarmEinstellungen Einstellungen() const;

    // Thresholds.
    QSpinBox *StillEdit = nullptr;
    QSpinBox *VerbindungEdit = nullptr;
    QDoubleSpinBox *O2MinEdit = nullptr;
    QSpinBox *O2DauerEdit = nullptr;
    QSpinBox *TMaxEdit = nullptr;
    QSpinBox *HygTageEdit = nullptr;
    QSpinBox *SpeicherEdit = nullptr;
    QSpinBox *PlatzEdit = nullptr;
    // Mail.
    QLineEdit *SmtpEdit = nullptr;
    QSpinBox *PortEdit = nullptr;
    QComboBox *TlsBox = nullptr;
    QLineEdit *BenutzerEdit = nullptr;
    QLineEdit *KennwortEdit = nullptr;
    QLineEdit *VonEdit = nullptr;
    QLineEdit *AnEdit = nullptr;
    QLineEdit *CaEdit = nullptr;
    QPushButton *TestButton = nullptr;
    QLabel *TestLabel = nullptr;
    // Command.
    QLineEdit *BefehlEdit = nullptr;

    QPushButton *OKButton = nullptr;
    QPushButton *AbbrechenButton = nullptr;

public slots:
    void TestButtonClick();
    void OKButtonClick();

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    // Why the mail settings cannot be used (empty when they can).
    QString mailFehler(const tAlarmEinstellungen &e) const;
    void testErgebnis(int nummer, bool ok, const QString &meldung);

    TLauf &m_lauf;
    TAlarme &m_alarme;
    tAlarmEinstellungen m_vorher;
    QGroupBox *m_grenzen = nullptr;
    QGroupBox *m_mail = nullptr;
    QGroupBox *m_befehl = nullptr;
    std::array<QLabel *, 8> m_grenzLabels{};
    std::array<QLabel *, 8> m_einheiten{};
    std::array<QLabel *, 8> m_mailLabels{};
    QLabel *m_befehlLabel = nullptr;
    QLabel *m_befehlHinweis = nullptr;
    int m_testNummer = 0; // the test message on its way, 0: none
    bool m_gebaut = false;
};

// "PC-Setup → Alarme einstellen": the dialog over ueber, modal.
void ZeigeAlarmEinstellungen(TLauf &lauf, TAlarme &alarme, QWidget *ueber);

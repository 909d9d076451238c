// The page "Netzwerk-Dashboard (MQTT)" of the PC setup dialog: the broker,
// its port, TLS with the CA file, user name and password, the site's name in
// the topics and the keepalive; the state of the connection and the size of
// the outbox, refreshed every second; "Verbindung testen" tries the settings
// as they stand on the page without taking them over. OK in the dialog
// writes what changed to [MQTT] and hands the settings to the publisher.
#pragma once

#include "shell/UMqttEinstellungen.h"

#include <QTimer>
#include <QWidget>

class IDialoge;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TIniDatei;

class TMqttSeite : public QWidget {
    Q_OBJECT
public:
    // dienst may be null (no publisher in this run): the settings are still
    // edited and written; they take effect at the next start.
    TMqttSeite(TIniDatei &ini, IMqttDienst *dienst, IDialoge &dialoge, QWidget *parent = nullptr);

    QLineEdit *HostEdit = nullptr;
    QSpinBox *PortEdit = nullptr;
    QCheckBox *TlsCheck = nullptr;
    QLineEdit *CaEdit = nullptr;
    QPushButton *CaButton = nullptr;
    QLineEdit *UserEdit = nullptr;
    QLineEdit *PassEdit = nullptr;
    QLineEdit *StandortEdit = nullptr;
    QSpinBox *KeepaliveEdit = nullptr;
    QLabel *ZustandLabel = nullptr;
    QLabel *AusgangLabel = nullptr;
    QPushButton *TestenButton = nullptr;
    QLabel *TestLabel = nullptr;

    // The settings as they stand on the page.
    tMqttEinstellungen Einstellungen() const;
    // OK of the dialog: writes the keys that changed and hands the settings
    // to the publisher; the reasons of failed writes go to fehler. Returns
    // whether anything changed.
    bool Uebernehmen(QStringList &fehler);

    void SetzeTexte();
    // Shows the connection state and the outbox now.
    void ZeigeZustand();

private:
    void tlsGeklickt();
    void caWaehlen();
    void testen();

    TIniDatei &m_ini;
    IMqttDienst *m_dienst;
    IDialoge &m_dialoge;
    tMqttEinstellungen m_vorher;
    QList<QLabel *> m_labels;
    QTimer m_takt;
    bool m_testLaeuft = false;
    // the result of the last test in the broker's words (already translated); empty before the first
    QString m_testText;
};

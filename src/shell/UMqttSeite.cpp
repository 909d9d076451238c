#include "shell/UMqttSeite.h"

#include "shell/UIniDatei.h"
#include "toolkit/UDialoge.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QSysInfo>
#include <QVBoxLayout>

TMqttSeite::TMqttSeite(TIniDatei &ini, IMqttDienst *dienst, IDialoge &dialoge, QWidget *parent)
    : QWidget(parent), m_ini(ini), m_dienst(dienst), m_dialoge(dialoge) {
    setObjectName(QStringLiteral("TabMqtt"));
    HostEdit = new QLineEdit;
    HostEdit->setObjectName(QStringLiteral("MqttHostEdit"));
    HostEdit->setMaxLength(255);
    HostEdit->setMinimumWidth(240);
    PortEdit = new QSpinBox;
    PortEdit->setObjectName(QStringLiteral("MqttPortEdit"));
    PortEdit->setRange(1, 65535);
    PortEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    PortEdit->setMaximumWidth(90);
    TlsCheck = new QCheckBox;
    TlsCheck->setObjectName(QStringLiteral("MqttTlsCheck"));
    CaEdit = new QLineEdit;
    CaEdit->setObjectName(QStringLiteral("MqttCaEdit"));
    CaEdit->setMinimumWidth(240);
    CaButton = new QPushButton(QStringLiteral("…"));
    CaButton->setObjectName(QStringLiteral("MqttCaButton"));
    CaButton->setAutoDefault(false);
    CaButton->setMaximumWidth(32);
    UserEdit = new QLineEdit;
    UserEdit->setObjectName(QStringLiteral("MqttUserEdit"));
    PassEdit = new QLineEdit;
    PassEdit->setObjectName(QStringLiteral("MqttPassEdit"));
    PassEdit->setEchoMode(QLineEdit::Password);
    StandortEdit = new QLineEdit;
    StandortEdit->setObjectName(QStringLiteral("MqttStandortEdit"));
    StandortEdit->setPlaceholderText(QSysInfo::machineHostName());
    KeepaliveEdit = new QSpinBox;
    KeepaliveEdit->setObjectName(QStringLiteral("MqttKeepaliveEdit"));
    KeepaliveEdit->setRange(5, 65535);
    KeepaliveEdit->setSuffix(QStringLiteral(" s"));
    KeepaliveEdit->setMaximumWidth(90);
    ZustandLabel = new QLabel;
    ZustandLabel->setObjectName(QStringLiteral("MqttZustandLabel"));
    ZustandLabel->setWordWrap(true);
    AusgangLabel = new QLabel;
    AusgangLabel->setObjectName(QStringLiteral("MqttAusgangLabel"));
    AusgangLabel->setWordWrap(true);
    TestenButton = new QPushButton;
    TestenButton->setObjectName(QStringLiteral("MqttTestenButton"));
    TestenButton->setAutoDefault(false);
    TestLabel = new QLabel;
    TestLabel->setObjectName(QStringLiteral("MqttTestLabel"));
    TestLabel->setWordWrap(true);

    auto *ca = new QHBoxLayout;
    ca->addWidget(CaEdit, 1);
    ca->addWidget(CaButton);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    for (int i = 0; i < 7; ++i)
        m_labels.append(new QLabel);
    form->addRow(m_labels[0], HostEdit);
    form->addRow(m_labels[1], PortEdit);
    form->addRow(QString(), TlsCheck);
    form->addRow(m_labels[2], ca);
    form->addRow(m_labels[3], UserEdit);
    form->addRow(m_labels[4], PassEdit);
    form->addRow(m_labels[5], StandortEdit);
    form->addRow(m_labels[6], KeepaliveEdit);
    m_labels[2]->setBuddy(CaEdit);
    auto *test = new QHBoxLayout;
    test->addWidget(TestenButton);
    test->addWidget(TestLabel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ZustandLabel);
    layout->addWidget(AusgangLabel);
    layout->addLayout(test);
    layout->addStretch(1);

    m_vorher = LeseMqttEinstellungen(m_ini);
    HostEdit->setText(m_vorher.Host);
    PortEdit->setValue(m_vorher.Port);
    TlsCheck->setChecked(m_vorher.Tls);
    CaEdit->setText(m_vorher.CaDatei);
    UserEdit->setText(m_vorher.Benutzer);
    PassEdit->setText(m_vorher.Passwort);
    StandortEdit->setText(m_vorher.Standort);
    KeepaliveEdit->setValue(m_vorher.Keepalive);
    tlsGeklickt();
    TestenButton->setEnabled(m_dienst != nullptr);

    connect(TlsCheck, &QCheckBox::toggled, this, &TMqttSeite::tlsGeklickt);
    connect(CaButton, &QPushButton::clicked, this, &TMqttSeite::caWaehlen);
    connect(TestenButton, &QPushButton::clicked, this, &TMqttSeite::testen);
    SetzeTexte();
    m_takt.setInterval(1000);
    connect(&m_takt, &QTimer::timeout, this, &TMqttSeite::ZeigeZustand);
    m_takt.start();
}

void TMqttSeite::SetzeTexte() {
    m_labels[0]->setText(tr("Broker (Adresse oder Name)"));
    m_labels[1]->setText(tr("Port"));
    TlsCheck->setText(tr("Verschlüsselt (TLS)"));
    m_labels[2]->setText(tr("CA- Datei"));
    m_labels[3]->setText(tr("Benutzername"));
    m_labels[4]->setText(tr("Passwort"));
    m_labels[5]->setText(tr("Standort (in den Topics)"));
    m_labels[6]->setText(tr("Keepalive"));
    CaButton->setToolTip(tr("CA- Datei wählen"));
    TestenButton->setText(tr("Verbindung testen"));
    HostEdit->setPlaceholderText(tr("leer: aus"));
    if (m_testLaeuft)
        TestLabel->setText(tr("Teste die Verbindung …"));
    else if (!m_testText.isEmpty())
        TestLabel->setText(m_testText);
    ZeigeZustand();
}

void TMqttSeite::ZeigeZustand() {
    if (!m_dienst) {
        ZustandLabel->setText(tr("Verbindung: die Einstellungen gelten ab dem nächsten Start."));
        AusgangLabel->clear();
        return;
    }
    ZustandLabel->setText(tr("Verbindung: %1").arg(m_dienst->Zustandstext()));
    AusgangLabel->setText(tr("Ausgang: %1 Nachrichten warten auf die Bestätigung des Brokers (%2).")
                              .arg(m_dienst->Wartend())
                              .arg(locale().formattedDataSize(m_dienst->AusgangBytes())));
}

void TMqttSeite::tlsGeklickt() {
    CaEdit->setEnabled(TlsCheck->isChecked());
    CaButton->setEnabled(TlsCheck->isChecked());
}

void TMqttSeite::caWaehlen() {
    const QString datei =
        m_dialoge.DateiOeffnen(this, tr("CA- Datei wählen"), QFileInfo(CaEdit->text()).path(),
                               tr("Zertifikate (*.pem *.crt);;Alle Dateien (*)"));
    if (!datei.isEmpty())
        CaEdit->setText(QDir::toNativeSeparators(datei));
}

tMqttEinstellungen TMqttSeite::Einstellungen() const {
    tMqttEinstellungen e;
    e.Host = HostEdit->text().trimmed();
    e.Port = PortEdit->value();
    e.Tls = TlsCheck->isChecked();
    e.CaDatei = CaEdit->text().trimmed();
    e.Benutzer = UserEdit->text();
    e.Passwort = PassEdit->text();
    e.Standort = StandortEdit->text().trimmed();
    e.Keepalive = KeepaliveEdit->value();
    return e;
}

void TMqttSeite::testen() {
    if (!m_dienst || m_testLaeuft)
        return;
    m_testLaeuft = true;
    TestenButton->setEnabled(false);
    TestLabel->setText(tr("Teste die Verbindung …"));
    QPointer<TMqttSeite> seite(this);
    m_dienst->Testen(Einstellungen(), [seite](bool, const QString &text) {
        if (!seite)
            return;
        seite->m_testLaeuft = false;
        seite->m_testText = text;
        seite->TestLabel->setText(text);
        seite->TestenButton->setEnabled(true);
    });
}

bool TMqttSeite::Uebernehmen(QStringList &fehler) {
    const tMqttEinstellungen neu = Einstellungen();
    if (neu == m_vorher)
        return false;
    SchreibeMqttEinstellungen(m_ini, neu, m_vorher, fehler);
    if (m_dienst)
        m_dienst->Uebernehmen(neu);
    m_vorher = neu;
    return true;
}

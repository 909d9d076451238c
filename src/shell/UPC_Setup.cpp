#include "shell/UPC_Setup.h"

#include "shell/KompUtils.h"
#include "shell/UInstallation.h"
#include "shell/ULauf.h"
#include "shell/UMqttSeite.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFensterGroesse.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString ComSektion = QStringLiteral("COM");

constexpr double MinC = 30.0;
constexpr double MaxC = 80.0;

// °F as the operator typed it, to whole °C within the field's range.
double ganzeCelsius(double fahrenheit) {
    return qBound(MinC, std::round((fahrenheit - 32.0) * 5.0 / 9.0), MaxC);
}

} // namespace

QString TFPC_Setup::BaudText(int baudIndex) {
    switch (baudIndex) {
    case 1:
        return tr("4800 Baud");
    case 2:
        return tr("9600 Baud");
    case 3:
        return tr("19200 Baud");
    default:
        return tr("2400 Baud");
    }
}

TFPC_Setup::TFPC_Setup(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FPC_Setup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    TZustand &z = m_lauf.Zustand;
    // numbers and sizes as the run writes them everywhere (the set values' decimal comma)
    setLocale(z.Gebietsschema);

    // --- serial page
    TabSeriell = new QWidget;
    TabSeriell->setObjectName(QStringLiteral("TabSheet1"));
    auto *text = new QLabel;
    m_comText = text;
    BaudLabel = new QLabel;
    BaudLabel->setObjectName(QStringLiteral("BaudLabel"));
    QFont fett = BaudLabel->font();
    fett.setBold(true);
    BaudLabel->setFont(fett);
    auto *links = new QVBoxLayout;
    links->addWidget(text);
    links->addSpacing(6);
    links->addWidget(BaudLabel);
    links->addStretch(1);
    auto *gruppe = new QGroupBox;
    m_comGruppe = gruppe;
    gruppe->setObjectName(QStringLiteral("Schnittstelle"));
    auto *ports = new QGridLayout(gruppe);
    Schnittstelle = new QButtonGroup(this);
    for (int n = 1; n <= 8; ++n) {
        auto *r = new QRadioButton(PortName(n));
        r->setObjectName(PortName(n));
        Schnittstelle->addButton(r, n);
        ports->addWidget(r, (n - 1) % 4, (n - 1) / 4);
    }
    auto *seriell = new QHBoxLayout(TabSeriell);
    seriell->addLayout(links, 1);
    seriell->addWidget(gruppe);

    // --- network page
    TabNetzwerk = new QWidget;
    TabNetzwerk->setObjectName(QStringLiteral("TabSheet2"));
    AdresseEdit = new QLineEdit;
    AdresseEdit->setObjectName(QStringLiteral("AdresseEdit"));
    AdresseEdit->setMaxLength(40);
    PortEdit = new QSpinBox;
    PortEdit->setObjectName(QStringLiteral("PortEdit"));
    PortEdit->setRange(0, 65535);
    PortEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    PortEdit->setMaximumWidth(90);
    TimeoutEdit = new QSpinBox;
    TimeoutEdit->setObjectName(QStringLiteral("TimeoutEdit"));
    TimeoutEdit->setRange(300, 600);
    TimeoutEdit->setSingleStep(10);
    TimeoutEdit->setMaximumWidth(90);
    VerbindenButton = new QPushButton;
    VerbindenButton->setObjectName(QStringLiteral("VerbindenButton"));
    VerbindenButton->setAutoDefault(false);
    auto *netz = new QFormLayout(TabNetzwerk);
    netz->setLabelAlignment(Qt::AlignLeft);
    const QList<QWidget *> felder{AdresseEdit, PortEdit, TimeoutEdit};
    for (size_t i = 0; i < m_netzLabels.size(); ++i) {
        m_netzLabels[i] = new QLabel;
        netz->addRow(m_netzLabels[i], felder.at(static_cast<qsizetype>(i)));
    }
    netz->addRow(QString(), VerbindenButton);

    VerbindungGruppe = new QGroupBox;
    VerbindungGruppe->setObjectName(QStringLiteral("VerbindungGruppe"));
    SeriellWahl = new QRadioButton;
    SeriellWahl->setObjectName(QStringLiteral("SeriellWahl"));
    NetzwerkWahl = new QRadioButton;
    NetzwerkWahl->setObjectName(QStringLiteral("NetzwerkWahl"));
    auto *wahl = new QHBoxLayout(VerbindungGruppe);
    wahl->addWidget(SeriellWahl);
    wahl->addWidget(NetzwerkWahl);
    wahl->addStretch(1);
    auto *leitungen = new QButtonGroup(this);
    leitungen->addButton(SeriellWahl, 0);
    leitungen->addButton(NetzwerkWahl, 1);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(TabSeriell, QString());
    PageControl1->addTab(TabNetzwerk, QString());
    MqttSeite = new TMqttSeite(m_lauf.Ini, m_lauf.Mqtt, m_lauf.Dialoge);
    PageControl1->addTab(MqttSeite, QString());

    // --- display settings
    auto *anzeige = new QGroupBox;
    anzeige->setObjectName(QStringLiteral("GroupBox1"));
    CheckMetric = new QCheckBox;
    CheckMetric->setObjectName(QStringLiteral("CheckMetric"));
    CheckShowRef = new QCheckBox;
    CheckShowRef->setObjectName(QStringLiteral("CheckShowRef"));
    RefTempEdit = new QDoubleSpinBox;
    RefTempEdit->setObjectName(QStringLiteral("RefTempEdit"));
    RefTempEdit->setDecimals(0);
    RefTempEdit->setSingleStep(1);
    RefTempEdit->setMinimumWidth(70);
    EinheitLabel = new QLabel;
    EinheitLabel->setObjectName(QStringLiteral("EinheitLabel"));
    auto *refText = new QLabel;
    m_refText = refText;
    auto *ref = new QHBoxLayout;
    ref->addWidget(RefTempEdit);
    ref->addWidget(EinheitLabel);
    ref->addSpacing(10);
    ref->addWidget(refText, 1);
    auto *anz = new QVBoxLayout(anzeige);
    anz->addWidget(CheckMetric);
    anz->addWidget(CheckShowRef);
    anz->addLayout(ref);

    OKButton = new QPushButton;
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton;
    AbbrechenButton->setObjectName(QStringLiteral("AbbrechenButton"));
    AbbrechenButton->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(VerbindungGruppe);
    layout->addWidget(PageControl1);
    layout->addWidget(anzeige);
    layout->addLayout(knoepfe);

    // --- opening
    Geaendert = false;
    m_layerAnfang = z.Layer;
    m_lauf.Komm.Verbindung.Seriell().setBaudRate(TVerbindung::Baudrate(z.OptBaudIndex));
    for (int n = 1; n <= 8; ++n)
        Com(n)->setEnabled(m_lauf.Komm.Verbindung.PortOeffnenbar(n));
    if (QRadioButton *r = Com(z.ComNummer))
        r->setChecked(true);
    GewaehlterPort = z.ComNummer;

    m_refCelsius = z.RefTemp;
    CheckMetric->setChecked(z.Metric);
    zeigeRefTemp();
    SetzeTexte();
    CheckShowRef->setChecked(z.ShowRef);
    RefTempEdit->setEnabled(z.ShowRef);

    AdresseEdit->setText(z.NetAdresse);
    m_adresseAnfang = AdresseEdit->text();
    PortEdit->setValue(z.NetPort);
    TimeoutEdit->setValue(z.TimeoutKurz);
    m_timeoutAnfang = TimeoutEdit->value();

    PageControl1->setTabVisible(1, z.OptNetzwerk);
    PageControl1->setCurrentIndex(z.Layer == 1 && z.OptNetzwerk ? 1 : 0);
    // Without the network there is nothing to choose.
    VerbindungGruppe->setVisible(z.OptNetzwerk);
    (z.Layer == 1 && z.OptNetzwerk ? NetzwerkWahl : SeriellWahl)->setChecked(true);

    connect(leitungen, &QButtonGroup::idClicked, this, &TFPC_Setup::leitungGewaehlt);
    connect(Schnittstelle, &QButtonGroup::idClicked, this,
            [this](int id) { GewaehlterPort = static_cast<quint16>(id); });
    connect(CheckMetric, &QCheckBox::clicked, this, &TFPC_Setup::metricGeklickt);
    connect(CheckShowRef, &QCheckBox::clicked, RefTempEdit, &QWidget::setEnabled);
    connect(RefTempEdit, &QDoubleSpinBox::valueChanged, this, &TFPC_Setup::refTempGeaendert);
    connect(VerbindenButton, &QPushButton::clicked, this, &TFPC_Setup::VerbindenButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TFPC_Setup::OKButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &TFPC_Setup::reject);

    // as large as both pages need, the one not shown too
    LayoutsErneuern(this);
    setFixedSize(sizeHint());
    m_gebaut = true;
    if (const QScreen *schirm = parent ? parent->screen() : screen())
        move(schirm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFPC_Setup::SetzeTexte() {
    setWindowTitle(tr("PC- Setup"));
    m_comText->setText(
        tr("Auswahl COM- Port:\nKommunikation läuft mit\n8 Datenbits, 1Stopbit, \nKeine Parität"));
    BaudLabel->setText(BaudText(m_lauf.Zustand.OptBaudIndex));
    m_comGruppe->setTitle(tr("Schnittstelle"));
    VerbindenButton->setText(tr("Verbinden"));
    m_netzLabels[0]->setText(tr("IP- Adresse oder Netzwerkname"));
    m_netzLabels[1]->setText(tr("Port- Nummer"));
    m_netzLabels[2]->setText(tr("Ping-Zeit [300ms- 600ms]"));
    VerbindungGruppe->setTitle(tr("Verbindung über"));
    SeriellWahl->setText(tr("Seriell"));
    NetzwerkWahl->setText(tr("Netzwerk"));
    PageControl1->setTabText(0, tr("Seriell"));
    PageControl1->setTabText(1, tr("Netzwerk"));
    PageControl1->setTabText(2, tr("Netzwerk-Dashboard (MQTT)"));
    MqttSeite->SetzeTexte();
    CheckMetric->setText(tr("Anzeige: °F/in nicht aktiviert [°C/ cm]"));
    CheckShowRef->setText(tr("Anzeige Tiefe Referenztemp. in Protokoll"));
    m_refText->setText(tr("Auswahl derTemperatur\nbei welcher die Referenztiefe\nberechnet wird."));
    OKButton->setText(tr("OK"));
    AbbrechenButton->setText(tr("Abbrechen"));
    EinheitLabel->setText(CheckMetric->isChecked() ? tr("°F") : tr("°C"));
    if (m_gebaut) {
        // The dialog grows where the texts of a language need more room.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        LayoutsErneuern(this); // the page not shown measures its new texts too
        setFixedSize(sizeHint());
    }
}

void TFPC_Setup::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && m_gebaut)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

QRadioButton *TFPC_Setup::Com(int n) const {
    return qobject_cast<QRadioButton *>(Schnittstelle->button(n));
}

void TFPC_Setup::zeigeRefTemp() {
    m_refSetzen = true;
    if (CheckMetric->isChecked()) {
        RefTempEdit->setRange(KompUtils::CelsiusNachFahrenheitF(MinC),
                              KompUtils::CelsiusNachFahrenheitF(MaxC));
        RefTempEdit->setValue(KompUtils::CelsiusNachFahrenheitF(m_refCelsius));
        EinheitLabel->setText(tr("°F"));
    } else {
        RefTempEdit->setRange(MinC, MaxC);
        RefTempEdit->setValue(m_refCelsius);
        EinheitLabel->setText(tr("°C"));
    }
    m_refSetzen = false;
}

void TFPC_Setup::metricGeklickt(bool) {
    // The field shows the same temperature in the other unit; converting the
    // shown value back and forth would add a tenth each time.
    zeigeRefTemp();
}

void TFPC_Setup::refTempGeaendert(double wert) {
    if (m_refSetzen)
        return;
    m_refBeruehrt = true;
    m_refCelsius = CheckMetric->isChecked() ? ganzeCelsius(wert) : wert;
}

QString TFPC_Setup::TextVerbindungWechseln() {
    return tr("Verbindung wechseln? Die Anlagen werden neu eingelernt.");
}

quint8 TFPC_Setup::gewaehlterLayer() const {
    return m_lauf.Zustand.OptNetzwerk && NetzwerkWahl->isChecked() ? 1 : 0;
}

void TFPC_Setup::leitungGewaehlt(int layer) {
    // Only the choice changes the line (on OK); the page follows it so that
    // the line's settings are in view. Looking at a page changes nothing.
    PageControl1->setCurrentIndex(layer == 1 ? 1 : 0);
}

void TFPC_Setup::VerbindenButtonClick() {
    TZustand &z = m_lauf.Zustand;
    const quint8 layer = gewaehlterLayer();
    // Another line than the one in use: asked first.
    if (layer != z.Layer && !m_lauf.Dialoge.Frage(this, TextVerbindungWechseln()))
        return;
    setEnabled(false);
    z.Layer = layer;
    m_lauf.Komm.Verbindung.OeffneVerbindung();
    m_verbindenLayer = z.Layer;
    setEnabled(true);
}

void TFPC_Setup::reject() {
    // The window's close button still reaches the dialog while it is disabled,
    // that is while it opens a connection or the plants are being learned:
    // taking the page back then would reopen the connection inside that wait.
    if (!isEnabled())
        return;
    TZustand &z = m_lauf.Zustand;
    z.Layer = m_layerAnfang;
    Geaendert = false;
    if (m_verbindenLayer >= 0 && m_verbindenLayer != m_layerAnfang) {
        // "Verbinden" opened the other transport: back to the one in the settings.
        setEnabled(false);
        m_lauf.Komm.Verbindung.OeffneVerbindung();
        setEnabled(true);
        Geaendert = true;
    }
    QDialog::reject();
}

void TFPC_Setup::OKButtonClick() {
    TZustand &z = m_lauf.Zustand;
    TIniDatei &ini = m_lauf.Ini;
    QStringList fehler;
    auto pruefe = [&](bool ok) {
        if (!ok)
            fehler.append(ini.LetzterFehler());
    };

    // What would change the line: the choice of the line, or a setting of it.
    const quint8 layer = gewaehlterLayer();
    const QString adresse = AdresseEdit->text();
    const bool adresseNeu = adresse != z.NetAdresse && adresse != m_adresseAnfang;
    const bool portNeu = PortEdit->value() != z.NetPort;
    const bool comNeu = GewaehlterPort != z.ComNummer;
    const int timeout = TimeoutEdit->value();
    const bool timeoutNeu = timeout != z.TimeoutKurz && timeout != m_timeoutAnfang;
    const bool layerNeu = layer != m_layerAnfang;
    // The line is reopened and the plants learned again: only when the
    // operator says so. "Nein" keeps everything; the dialog stays open.
    if ((layerNeu || adresseNeu || portNeu || comNeu || timeoutNeu) &&
        !(layer == z.Layer && m_verbindenLayer == layer && !adresseNeu && !portNeu && !comNeu &&
          !timeoutNeu) &&
        !m_lauf.Dialoge.Frage(this, TextVerbindungWechseln()))
        return;
    setEnabled(false);

    if (layer != z.Layer || layerNeu) {
        z.Layer = layer;
        Geaendert = true;
    }
    if (adresseNeu) {
        z.NetAdresse = adresse;
        Geaendert = true;
    }
    if (portNeu) {
        z.NetPort = PortEdit->value();
        Geaendert = true;
    }
    if (comNeu) {
        z.ComNummer = GewaehlterPort;
        pruefe(ini.WriteInteger(ComSektion, QStringLiteral("COM"), z.ComNummer));
        Geaendert = true;
    }
    if (timeoutNeu) {
        z.TimeoutKurz = static_cast<quint16>(timeout);
        pruefe(ini.WriteInteger(ComSektion, QStringLiteral("TIMEOUT"), timeout));
        Geaendert = true;
    }
    if (Geaendert) {
        m_lauf.Komm.Verbindung.OeffneVerbindung();
        if (z.Layer == 1 && z.OptNetzwerk) {
            pruefe(ini.WriteInteger(ComSektion, QStringLiteral("LAYER"), 1));
            pruefe(ini.WriteString(ComSektion, QStringLiteral("NETADR"), z.NetAdresse));
            pruefe(ini.WriteInteger(ComSektion, QStringLiteral("NETPORT"), z.NetPort));
        } else {
            pruefe(ini.WriteInteger(ComSektion, QStringLiteral("LAYER"), 0));
            pruefe(ini.WriteInteger(ComSektion, QStringLiteral("COM"), z.ComNummer));
        }
    }
    if (CheckMetric->isChecked() != z.Metric) {
        z.Metric = CheckMetric->isChecked();
        pruefe(ini.WriteBool(ComSektion, QStringLiteral("Metric"), z.Metric));
    }
    if (CheckShowRef->isChecked() != z.ShowRef) {
        z.ShowRef = CheckShowRef->isChecked();
        pruefe(ini.WriteBool(ComSektion, QStringLiteral("SHOWREF"), z.ShowRef));
    }
    if (m_refBeruehrt && m_refCelsius != z.RefTemp) {
        z.RefTemp = m_refCelsius;
        pruefe(ini.WriteFloat(ComSektion, QStringLiteral("REFTEMP"), z.RefTemp));
    }
    KompUtils::BildeRefText(z);
    MqttSeite->Uebernehmen(fehler);
    setEnabled(true);

    if (!fehler.isEmpty()) {
        fehler.removeDuplicates();
        m_lauf.Dialoge.Warnung(this, tr("Die Einstellungen konnten nicht in die Konfigurationsdatei "
                                        "geschrieben werden:\n%1")
                                         .arg(fehler.join(QLatin1Char('\n'))));
    }
    accept();
}

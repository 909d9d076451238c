#include "shell/UErsteinrichtung.h"

#include "comm/UVerbindungsPruefung.h"
#include "shell/ULauf.h"
#include "shell/UPC_Setup.h"
#include "toolkit/UDialoge.h"
#include "toolkit/UFensterGroesse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>

QList<TFErsteinrichtung::TPort> TFErsteinrichtung::SystemPorts() {
    QList<TPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QStringList teile{info.description(), info.manufacturer()};
        teile.removeAll(QString());
        teile.removeDuplicates();
        const QString text = teile.isEmpty()
                                 ? info.portName()
                                 : info.portName() + QStringLiteral(" – ") + teile.join(QStringLiteral(", "));
        ports.append({info.systemLocation(), text});
    }
    return ports;
}

TFErsteinrichtung::TFErsteinrichtung(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FErsteinrichtung"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const TEinrichtung vorschlag = Einrichtung::Vorschlag(m_lauf.Zustand.Heimordner);

    m_einleitung = new QLabel;
    m_einleitung->setWordWrap(true);
    m_heimLabel = new QLabel;
    m_heimLabel->setObjectName(QStringLiteral("HeimLabel"));
    m_heimLabel->setWordWrap(true);
    m_heimLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_spracheLabel = new QLabel;
    SpracheBox = new QComboBox;
    SpracheBox->setObjectName(QStringLiteral("SpracheBox"));
    for (const TSprache::Eintrag &e : TSprache::Sprachen())
        SpracheBox->addItem(e.Name, e.Kuerzel);
    SpracheBox->setCurrentIndex(SpracheBox->findData(m_lauf.Sprache.Aktuell()));
    auto *sprache = new QHBoxLayout;
    sprache->addWidget(m_spracheLabel);
    sprache->addWidget(SpracheBox);
    sprache->addStretch(1);

    // --- plants
    m_anlagenGruppe = new QGroupBox;
    m_anlagenLabel = new QLabel;
    AnlagenEdit = new QSpinBox;
    AnlagenEdit->setObjectName(QStringLiteral("AnlagenEdit"));
    AnlagenEdit->setRange(1, MaxAnlagen);
    AnlagenEdit->setValue(vorschlag.Anlagen);
    Adressen33Check = new QCheckBox;
    Adressen33Check->setObjectName(QStringLiteral("Adressen33Check"));
    auto *anlagen = new QHBoxLayout(m_anlagenGruppe);
    anlagen->addWidget(m_anlagenLabel);
    anlagen->addWidget(AnlagenEdit);
    anlagen->addSpacing(16);
    anlagen->addWidget(Adressen33Check);
    anlagen->addStretch(1);

    // --- the line
    m_leitungGruppe = new QGroupBox;
    SeriellButton = new QRadioButton;
    SeriellButton->setObjectName(QStringLiteral("SeriellButton"));
    SeriellButton->setChecked(true);
    NetzwerkButton = new QRadioButton;
    NetzwerkButton->setObjectName(QStringLiteral("NetzwerkButton"));
    m_portLabel = new QLabel;
    PortBox = new QComboBox;
    PortBox->setObjectName(QStringLiteral("PortBox"));
    // A device the list does not name (a link, a virtual port) may be typed.
    PortBox->setEditable(true);
    PortBox->setInsertPolicy(QComboBox::NoInsert);
    PortBox->setMinimumContentsLength(28);
    PortBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_baudLabel = new QLabel;
    BaudBox = new QComboBox;
    BaudBox->setObjectName(QStringLiteral("BaudBox"));
    for (int i = 0; i < 4; ++i)
        BaudBox->addItem(QString(), i);
    BaudBox->setCurrentIndex(vorschlag.BaudIndex);
    m_adresseLabel = new QLabel;
    AdresseEdit = new QLineEdit;
    AdresseEdit->setObjectName(QStringLiteral("AdresseEdit"));
    AdresseEdit->setMaxLength(40);
    m_netPortLabel = new QLabel;
    NetPortEdit = new QSpinBox;
    NetPortEdit->setObjectName(QStringLiteral("NetPortEdit"));
    NetPortEdit->setRange(1, 65535);
    NetPortEdit->setValue(vorschlag.NetPort);
    NetPortEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    PruefenButton = new QPushButton;
    PruefenButton->setObjectName(QStringLiteral("PruefenButton"));
    PruefenButton->setAutoDefault(false);
    PruefLabel = new QLabel;
    PruefLabel->setObjectName(QStringLiteral("PruefLabel"));
    PruefLabel->setWordWrap(true);
    auto *leitung = new QGridLayout(m_leitungGruppe);
    leitung->addWidget(SeriellButton, 0, 0, 1, 4);
    leitung->addWidget(m_portLabel, 1, 0);
    leitung->addWidget(PortBox, 1, 1);
    leitung->addWidget(m_baudLabel, 1, 2);
    leitung->addWidget(BaudBox, 1, 3);
    leitung->addWidget(NetzwerkButton, 2, 0, 1, 4);
    leitung->addWidget(m_adresseLabel, 3, 0);
    leitung->addWidget(AdresseEdit, 3, 1);
    leitung->addWidget(m_netPortLabel, 3, 2);
    leitung->addWidget(NetPortEdit, 3, 3);
    auto *pruefen = new QHBoxLayout;
    pruefen->addWidget(PruefenButton, 0, Qt::AlignTop);
    pruefen->addWidget(PruefLabel, 1);
    leitung->addLayout(pruefen, 4, 0, 1, 4);
    leitung->setColumnStretch(1, 1);

    // --- data folder
    m_datenGruppe = new QGroupBox;
    m_ordnerLabel = new QLabel;
    DatenordnerEdit = new QLineEdit(vorschlag.Datenordner);
    DatenordnerEdit->setObjectName(QStringLiteral("DatenordnerEdit"));
    OrdnerButton = new QPushButton;
    OrdnerButton->setObjectName(QStringLiteral("OrdnerButton"));
    OrdnerButton->setAutoDefault(false);
    auto *daten = new QHBoxLayout(m_datenGruppe);
    daten->addWidget(m_ordnerLabel);
    daten->addWidget(DatenordnerEdit, 1);
    daten->addWidget(OrdnerButton);

    // --- company lines
    m_firmaGruppe = new QGroupBox;
    auto *firma = new QGridLayout(m_firmaGruppe);
    for (int i = 0; i < 3; ++i) {
        m_firmaLabel[i] = new QLabel;
        FirmaEdit[i] = new QLineEdit(vorschlag.Firma.value(i));
        FirmaEdit[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        firma->addWidget(m_firmaLabel[i], i, 0);
        firma->addWidget(FirmaEdit[i], i, 1);
    }

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
    layout->addLayout(sprache);
    layout->addWidget(m_einleitung);
    layout->addWidget(m_heimLabel);
    layout->addWidget(m_anlagenGruppe);
    layout->addWidget(m_leitungGruppe);
    layout->addWidget(m_datenGruppe);
    layout->addWidget(m_firmaGruppe);
    layout->addLayout(knoepfe);

    SetzePorts(SystemPorts());
    connect(SpracheBox, &QComboBox::currentIndexChanged, this,
            [this] { m_lauf.Sprache.Setze(SpracheBox->currentData().toString()); });
    connect(SeriellButton, &QRadioButton::toggled, this, &TFErsteinrichtung::leitungGewechselt);
    connect(PruefenButton, &QPushButton::clicked, this, &TFErsteinrichtung::PruefenButtonClick);
    connect(OrdnerButton, &QPushButton::clicked, this, &TFErsteinrichtung::OrdnerButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TFErsteinrichtung::OKButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &TFErsteinrichtung::reject);
    leitungGewechselt();
    SetzeTexte();
    m_gebaut = true;
    passeGroesseAn();
    if (const QScreen *schirm = parent ? parent->screen() : screen())
        move(schirm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFErsteinrichtung::SetzePorts(const QList<TPort> &ports) {
    PortBox->clear();
    for (const TPort &p : ports)
        PortBox->addItem(p.Text, p.Geraet);
    if (ports.isEmpty())
        PortBox->setEditText(Einrichtung::Vorschlag(m_lauf.Zustand.Heimordner).PortGeraet);
    else
        PortBox->setCurrentIndex(0);
}

TEinrichtung TFErsteinrichtung::Eingaben() const {
    TEinrichtung e;
    e.Anlagen = AnlagenEdit->value();
    e.Adressen33 = Adressen33Check->isChecked();
    e.Netzwerk = NetzwerkButton->isChecked();
    // A port of the list, or the device as typed.
    const int index = PortBox->currentIndex();
    e.PortGeraet = index >= 0 && PortBox->itemText(index) == PortBox->currentText()
                       ? PortBox->itemData(index).toString()
                       : PortBox->currentText().trimmed();
    e.BaudIndex = BaudBox->currentData().toInt();
    e.NetAdresse = AdresseEdit->text().trimmed();
    e.NetPort = NetPortEdit->value();
    e.Datenordner = DatenordnerEdit->text().trimmed();
    for (QLineEdit *f : FirmaEdit)
        e.Firma.append(f->text());
    return e;
}

void TFErsteinrichtung::SetzeTexte() {
    setWindowTitle(tr("Ersteinrichtung"));
    m_spracheLabel->setText(tr("Sprache:"));
    m_einleitung->setText(
        tr("Dieser PC ist noch nicht eingerichtet. Bitte die Anlagen, die Verbindung zu den "
           "Steuerungen, den Ordner der Messdaten und den Protokollkopf angeben. Alles "
           "lässt sich später unter „PC-Setup“ ändern."));
    m_heimLabel->setText(tr("Die Einstellungen werden gespeichert in: %1")
                             .arg(QDir::toNativeSeparators(m_lauf.Zustand.Heimordner)));
    m_anlagenGruppe->setTitle(tr("Anlagen"));
    m_anlagenLabel->setText(tr("Zahl der Anlagen:"));
    Adressen33Check->setText(tr("Anlagennummern ab 33 zählen"));
    m_leitungGruppe->setTitle(tr("Verbindung zu den Steuerungen"));
    SeriellButton->setText(tr("Serielle Schnittstelle"));
    NetzwerkButton->setText(tr("Netzwerkadapter"));
    m_portLabel->setText(tr("Schnittstelle:"));
    m_baudLabel->setText(tr("Geschwindigkeit:"));
    for (int i = 0; i < BaudBox->count(); ++i)
        BaudBox->setItemText(i, TFPC_Setup::BaudText(i));
    m_adresseLabel->setText(tr("IP- Adresse oder Netzwerkname:"));
    m_netPortLabel->setText(tr("Port- Nummer:"));
    PruefenButton->setText(tr("Verbindung prüfen"));
    m_datenGruppe->setTitle(tr("Messdaten der Mieten"));
    m_ordnerLabel->setText(tr("Ordner:"));
    OrdnerButton->setText(tr("Wählen..."));
    m_firmaGruppe->setTitle(tr("Protokollkopf"));
    m_firmaLabel[0]->setText(tr("Titeltext :"));
    m_firmaLabel[1]->setText(tr("2. Zeile :"));
    m_firmaLabel[2]->setText(tr("3. Zeile :"));
    OKButton->setText(tr("OK"));
    AbbrechenButton->setText(tr("Abbrechen"));
    // The result of the last check stays; it is said again only by the next check.
    PruefLabel->setText(m_pruefText);
    if (m_gebaut)
        passeGroesseAn();
}

void TFErsteinrichtung::passeGroesseAn() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayoutsErneuern(this);
    const QSize groesse = sizeHint().expandedTo(QSize(560, 0));
    setMinimumSize(groesse);
    resize(groesse);
}

void TFErsteinrichtung::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && m_gebaut)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

void TFErsteinrichtung::leitungGewechselt() {
    const bool seriell = SeriellButton->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_portLabel), static_cast<QWidget *>(PortBox),
                       static_cast<QWidget *>(m_baudLabel), static_cast<QWidget *>(BaudBox)})
        w->setEnabled(seriell);
    for (QWidget *w : {static_cast<QWidget *>(m_adresseLabel), static_cast<QWidget *>(AdresseEdit),
                       static_cast<QWidget *>(m_netPortLabel), static_cast<QWidget *>(NetPortEdit)})
        w->setEnabled(!seriell);
}

void TFErsteinrichtung::PruefenButtonClick() {
    if (m_prueft)
        return;
    const TEinrichtung e = Eingaben();
    m_prueft = true;
    setEnabled(false);
    PruefLabel->setStyleSheet(QString());
    const auto fortschritt = [this, &e](int n) {
        PruefLabel->setText(tr("Frage Anlage %1 von %2 ...").arg(e.Adressen33 ? n + 32 : n).arg(e.Anlagen));
    };
    PruefLabel->setText(tr("Öffne die Verbindung ..."));
    const TPruefErgebnis ergebnis = PruefeVerbindung(e, fortschritt);
    m_pruefText = ergebnis.Text;
    PruefLabel->setText(m_pruefText);
    PruefLabel->setStyleSheet(ergebnis.Antworten.isEmpty() ? QStringLiteral("color: #b00000;")
                                                           : QStringLiteral("color: #1b6e20;"));
    setEnabled(true);
    m_prueft = false;
    passeGroesseAn();
}

void TFErsteinrichtung::OrdnerButtonClick() {
    const QString ordner =
        m_lauf.Dialoge.OrdnerWaehlen(this, tr("Ordner der Messdaten wählen"), DatenordnerEdit->text());
    if (!ordner.isEmpty())
        DatenordnerEdit->setText(QDir::toNativeSeparators(ordner));
}

void TFErsteinrichtung::OKButtonClick() {
    if (m_prueft)
        return;
    QString fehler;
    if (!Einrichtung::Schreibe(m_lauf.Zustand.Heimordner, Eingaben(), fehler)) {
        m_lauf.Dialoge.Information(this, fehler);
        return;
    }
    accept();
}

void TFErsteinrichtung::reject() {
    // The close button reaches the window also while the line is tried.
    if (m_prueft)
        return;
    QDialog::reject();
}

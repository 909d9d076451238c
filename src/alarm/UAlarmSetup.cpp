#include "alarm/UAlarmSetup.h"

#include "alarm/UAlarme.h"
#include "shell/ULauf.h"
#include "toolkit/UDialoge.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *zahl(const char *name, int max) {
    auto *s = new QSpinBox;
    s->setObjectName(QLatin1String(name));
    s->setRange(0, max);
    s->setMinimumWidth(90);
    return s;
}

QLineEdit *zeile(const char *name) {
    auto *e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    e->setMinimumWidth(280);
    return e;
}

} // namespace

TFAlarmEinstellungen::TFAlarmEinstellungen(TLauf &lauf, TAlarme &alarme, QWidget *parent)
    : QDialog(parent), m_lauf(lauf), m_alarme(alarme) {
    setObjectName(QStringLiteral("FAlarmEinstellungen"));
    // numbers as the run writes them everywhere (the set values' decimal comma)
    setLocale(lauf.Zustand.Gebietsschema);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // --- thresholds
    StillEdit = zahl("StillEdit", 100000);
    VerbindungEdit = zahl("VerbindungEdit", 100000);
    O2MinEdit = new QDoubleSpinBox;
    O2MinEdit->setObjectName(QStringLiteral("O2MinEdit"));
    O2MinEdit->setRange(0.0, 21.0);
    O2MinEdit->setDecimals(1);
    O2MinEdit->setSingleStep(0.5);
    O2MinEdit->setMinimumWidth(90);
    O2DauerEdit = zahl("O2DauerEdit", 100000);
    TMaxEdit = zahl("TMaxEdit", 200);
    HygTageEdit = zahl("HygTageEdit", 3650);
    SpeicherEdit = zahl("SpeicherEdit", 1000);
    PlatzEdit = zahl("PlatzEdit", 1000000000);
    m_grenzen = new QGroupBox;
    m_grenzen->setObjectName(QStringLiteral("Grenzen"));
    auto *grenzen = new QGridLayout(m_grenzen);
    const QList<QWidget *> felder{StillEdit, VerbindungEdit, O2MinEdit,    O2DauerEdit,
                                  TMaxEdit,  HygTageEdit,    SpeicherEdit, PlatzEdit};
    for (int i = 0; i < static_cast<int>(felder.size()); ++i) {
        m_grenzLabels[static_cast<size_t>(i)] = new QLabel;
        m_einheiten[static_cast<size_t>(i)] = new QLabel;
        m_grenzLabels[static_cast<size_t>(i)]->setBuddy(felder.at(i));
        grenzen->addWidget(m_grenzLabels[static_cast<size_t>(i)], i, 0);
        grenzen->addWidget(felder.at(i), i, 1);
        grenzen->addWidget(m_einheiten[static_cast<size_t>(i)], i, 2);
    }
    grenzen->setColumnStretch(2, 1);

    // --- mail
    SmtpEdit = zeile("SmtpEdit");
    PortEdit = zahl("PortEdit", 65535);
    PortEdit->setMinimum(1);
    TlsBox = new QComboBox;
    TlsBox->setObjectName(QStringLiteral("TlsBox"));
    TlsBox->addItems({QString(), QString(), QString()});
    BenutzerEdit = zeile("BenutzerEdit");
    KennwortEdit = zeile("KennwortEdit");
    KennwortEdit->setEchoMode(QLineEdit::Password);
    VonEdit = zeile("VonEdit");
    AnEdit = zeile("AnEdit");
    CaEdit = zeile("CaEdit");
    TestButton = new QPushButton;
    TestButton->setObjectName(QStringLiteral("TestButton"));
    TestButton->setAutoDefault(false);
    TestLabel = new QLabel;
    TestLabel->setObjectName(QStringLiteral("TestLabel"));
    m_mail = new QGroupBox;
    m_mail->setObjectName(QStringLiteral("Mail"));
    auto *mail = new QGridLayout(m_mail);
    const QList<QWidget *> mailFelder{SmtpEdit,     PortEdit, TlsBox, BenutzerEdit,
                                      KennwortEdit, VonEdit,  AnEdit, CaEdit};
    for (int i = 0; i < static_cast<int>(mailFelder.size()); ++i) {
        m_mailLabels[static_cast<size_t>(i)] = new QLabel;
        m_mailLabels[static_cast<size_t>(i)]->setBuddy(mailFelder.at(i));
        mail->addWidget(m_mailLabels[static_cast<size_t>(i)], i, 0);
        mail->addWidget(mailFelder.at(i), i, 1, 1, 2, i == 1 || i == 2 ? Qt::AlignLeft : Qt::Alignment());
    }
    auto *test = new QHBoxLayout;
    test->addWidget(TestButton);
    test->addWidget(TestLabel, 1);
    mail->addLayout(test, static_cast<int>(mailFelder.size()), 0, 1, 3);

    // --- command
    BefehlEdit = zeile("BefehlEdit");
    m_befehl = new QGroupBox;
    m_befehl->setObjectName(QStringLiteral("Befehl"));
    m_befehlLabel = new QLabel;
    m_befehlLabel->setBuddy(BefehlEdit);
    m_befehlHinweis = new QLabel;
    m_befehlHinweis->setWordWrap(true);
    auto *befehl = new QGridLayout(m_befehl);
    befehl->addWidget(m_befehlLabel, 0, 0);
    befehl->addWidget(BefehlEdit, 0, 1);
    befehl->addWidget(m_befehlHinweis, 1, 0, 1, 2);

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

    auto *links = new QVBoxLayout;
    links->addWidget(m_grenzen);
    links->addWidget(m_befehl);
    links->addStretch(1);
    auto *seiten = new QHBoxLayout;
    seiten->addLayout(links);
    seiten->addWidget(m_mail, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(seiten);
    layout->addLayout(knoepfe);

    // --- the values of the configuration file
    m_vorher = tAlarmEinstellungen::Lesen(m_lauf.Ini);
    const tAlarmEinstellungen &e = m_vorher;
    StillEdit->setValue(e.Still);
    VerbindungEdit->setValue(e.Verbindung);
    O2MinEdit->setValue(e.O2Min);
    O2DauerEdit->setValue(e.O2Dauer);
    TMaxEdit->setValue(e.TMax);
    HygTageEdit->setValue(e.HygTage);
    SpeicherEdit->setValue(e.Speicher);
    PlatzEdit->setValue(e.PlatzMB);
    SmtpEdit->setText(e.Smtp);
    PortEdit->setValue(e.SmtpPort);
    TlsBox->setCurrentIndex(e.SmtpTls);
    BenutzerEdit->setText(e.SmtpUser);
    KennwortEdit->setText(e.SmtpPass);
    VonEdit->setText(e.Von);
    AnEdit->setText(e.An);
    CaEdit->setText(e.SmtpCa);
    BefehlEdit->setText(e.Befehl);

    connect(TestButton, &QPushButton::clicked, this, &TFAlarmEinstellungen::TestButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TFAlarmEinstellungen::OKButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_alarme.Post(), &TAlarmPost::TestErgebnis, this, &TFAlarmEinstellungen::testErgebnis);

    SetzeTexte();
    m_gebaut = true;
    setFixedSize(sizeHint());
    if (const QScreen *schirm = parent ? parent->screen() : screen())
        move(schirm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFAlarmEinstellungen::SetzeTexte() {
    setWindowTitle(tr("Alarme einstellen"));
    m_grenzen->setTitle(tr("Grenzwerte (0 schaltet eine Bedingung ab)"));
    const QStringList grenzen{tr("Anlage antwortet nicht seit"),
                              tr("Verbindung unterbrochen seit"),
                              tr("Sauerstoff unter"),
                              tr("Sauerstoff zu niedrig seit"),
                              tr("Kerntemperatur über"),
                              tr("55 °C im Kern nicht erreicht nach"),
                              tr("Datensätze im Steuerungsspeicher ab"),
                              tr("Freier Speicherplatz unter")};
    const QStringList einheiten{tr("min"), tr("min"),   tr("vol%"),     tr("min"),
                                tr("°C"),  tr("Tagen"), tr("von 1000"), tr("MB")};
    for (size_t i = 0; i < m_grenzLabels.size(); ++i) {
        m_grenzLabels[i]->setText(grenzen.at(static_cast<qsizetype>(i)));
        m_einheiten[i]->setText(einheiten.at(static_cast<qsizetype>(i)));
    }
    for (QAbstractSpinBox *s :
         std::initializer_list<QAbstractSpinBox *>{StillEdit, VerbindungEdit, O2MinEdit, O2DauerEdit,
                                                   TMaxEdit, HygTageEdit, SpeicherEdit, PlatzEdit})
        s->setSpecialValueText(tr("aus"));

    m_mail->setTitle(tr("E-Mail"));
    const QStringList mail{tr("Mailserver (leer: keine E-Mail)"),
                           tr("Port"),
                           tr("Verschlüsselung"),
                           tr("Benutzer"),
                           tr("Kennwort"),
                           tr("Absender"),
                           tr("Empfänger (durch Komma getrennt)"),
                           tr("Eigene Zertifizierungsstelle (PEM-Datei, wahlweise)")};
    for (size_t i = 0; i < m_mailLabels.size(); ++i)
        m_mailLabels[i]->setText(mail.at(static_cast<qsizetype>(i)));
    TlsBox->setItemText(0, tr("keine"));
    TlsBox->setItemText(1, tr("STARTTLS"));
    TlsBox->setItemText(2, tr("TLS von Beginn an"));
    TestButton->setText(tr("Testnachricht senden"));
    if (m_testNummer != 0)
        TestLabel->setText(tr("Die Testnachricht wird gesendet …"));

    m_befehl->setTitle(tr("Befehl"));
    m_befehlLabel->setText(tr("Programm"));
    m_befehlHinweis->setText(tr("Läuft bei jedem Alarm, der kommt oder geht, ohne Shell, mit den Argumenten "
                                "\"kommt\" oder \"geht\", der Nummer der Anlage (0: der PC) und dem Text des "
                                "Alarms."));
    OKButton->setText(tr("OK"));
    AbbrechenButton->setText(tr("Abbrechen"));
    if (m_gebaut) {
        // The dialog grows where the texts of a language need more room.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setFixedSize(sizeHint());
    }
}

void TFAlarmEinstellungen::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && m_gebaut)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

tAlarmEinstellungen TFAlarmEinstellungen::Einstellungen() const {
    tAlarmEinstellungen e;
    e.Still = StillEdit->value();
    e.Verbindung = VerbindungEdit->value();
    e.O2Min = O2MinEdit->value();
    e.O2Dauer = O2DauerEdit->value();
    e.TMax = TMaxEdit->value();
    e.HygTage = HygTageEdit->value();
    e.Speicher = SpeicherEdit->value();
    e.PlatzMB = PlatzEdit->value();
    e.Smtp = SmtpEdit->text().trimmed();
    e.SmtpPort = PortEdit->value();
    e.SmtpTls = TlsBox->currentIndex();
    e.SmtpUser = BenutzerEdit->text().trimmed();
    e.SmtpPass = KennwortEdit->text();
    e.Von = VonEdit->text().trimmed();
    e.An = AnEdit->text().trimmed();
    e.SmtpCa = CaEdit->text().trimmed();
    e.Befehl = BefehlEdit->text().trimmed();
    return e;
}

QString TFAlarmEinstellungen::mailFehler(const tAlarmEinstellungen &e) const {
    if (!e.MailAn())
        return {};
    if (!GueltigeMailAdresse(MailAdresse(e.Von)))
        return tr("Die Absenderadresse \"%1\" ist ungültig.").arg(e.Von);
    if (e.Empfaenger().isEmpty())
        return tr("Bitte mindestens eine Empfängeradresse angeben.");
    for (const QString &a : e.Empfaenger())
        if (!GueltigeMailAdresse(MailAdresse(a)))
            return tr("Die Empfängeradresse \"%1\" ist ungültig.").arg(a);
    return {};
}

void TFAlarmEinstellungen::TestButtonClick() {
    const tAlarmEinstellungen e = Einstellungen();
    if (!e.MailAn()) {
        m_lauf.Dialoge.Warnung(this, tr("Bitte zuerst den Mailserver angeben."));
        return;
    }
    if (const QString fehler = mailFehler(e); !fehler.isEmpty()) {
        m_lauf.Dialoge.Warnung(this, fehler);
        return;
    }
    TestButton->setEnabled(false);
    TestLabel->setText(tr("Die Testnachricht wird gesendet …"));
    m_testNummer = m_alarme.Post().Testnachricht(e, m_alarme.Testmail());
}

void TFAlarmEinstellungen::testErgebnis(int nummer, bool ok, const QString &meldung) {
    // Only the answer to this dialog's own message (one sent from a dialog
    // closed meanwhile may still come back).
    if (m_testNummer == 0 || nummer != m_testNummer)
        return;
    m_testNummer = 0;
    TestButton->setEnabled(true);
    TestLabel->clear();
    const tAlarmEinstellungen e = Einstellungen();
    if (ok)
        m_lauf.Dialoge.Information(this, tr("Der Mailserver hat die Testnachricht an %1 angenommen.")
                                             .arg(e.Empfaenger().join(QStringLiteral(", "))));
    else
        m_lauf.Dialoge.Warnung(this, tr("Die Testnachricht konnte nicht gesendet werden:\n%1").arg(meldung));
}

void TFAlarmEinstellungen::OKButtonClick() {
    const tAlarmEinstellungen e = Einstellungen();
    if (const QString fehler = mailFehler(e); !fehler.isEmpty()) {
        m_lauf.Dialoge.Warnung(this, fehler);
        return;
    }
    QStringList fehler;
    if (!e.Schreiben(m_lauf.Ini, m_vorher, fehler)) {
        fehler.removeDuplicates();
        m_lauf.Dialoge.Warnung(this, tr("Die Einstellungen konnten nicht in die Konfigurationsdatei "
                                        "geschrieben werden:\n%1")
                                         .arg(fehler.join(QLatin1Char('\n'))));
    }
    m_alarme.EinstellungenLesen();
    accept();
}

void ZeigeAlarmEinstellungen(TLauf &lauf, TAlarme &alarme, QWidget *ueber) {
    TFAlarmEinstellungen dialog(lauf, alarme, ueber);
    dialog.exec();
}

#include "reports/UProtokollKopf.h"

#include "reports/UQRKompForm.h"
#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDialoge.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const QString Firma = QStringLiteral("Firma");

struct TSchluessel {
    const char *name;
    const char *vorgabe;
};
// "Titel", "Zeile2", "Zeile3" with their defaults, in the order of Edit1 ... Edit3
constexpr TSchluessel Schluessel[3] = {
    {"Titel", "Firmen- Name"},
    {"Zeile2", "* Text *"},
    {"Zeile3", "* Text *"},
};

constexpr int SampleZeilen = 20;

} // namespace

TFProtokKopf::TFProtokKopf(TLauf &lauf, QWidget *parent) : QDialog(parent), m_lauf(lauf) {
    setObjectName(QStringLiteral("FProtokKopf"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 233);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 34, 463, 156);

    StaticText4 = new QLabel(this);
    StaticText4->setObjectName(QStringLiteral("StaticText4"));
    QFont gross = StaticText4->font();
    gross.setPointSize(14);
    gross.setBold(true);
    StaticText4->setFont(gross);
    StaticText4->setGeometry(8, 6, 300, 26);

    auto zeile = [this](QLabel *&text, QLineEdit *&edit, const char *name, const char *editName, int y, int h,
                        int punkte) {
        text = new QLabel(this);
        text->setObjectName(QLatin1String(name));
        text->setGeometry(16, y, 76, h);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(editName));
        QFont f = edit->font();
        f.setPointSize(punkte);
        edit->setFont(f);
        edit->setGeometry(94, y, 369, h);
    };
    zeile(StaticText1, Edit1, "StaticText1", "Edit1", 40, 30, 14);
    zeile(StaticText2, Edit2, "StaticText2", "Edit2", 76, 24, 10);
    zeile(StaticText3, Edit3, "StaticText3", "Edit3", 104, 24, 10);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 134, 447, 52);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(292, 198, 86, 27);
    connect(OKBtn, &QPushButton::clicked, this, &TFProtokKopf::OKBtnClick);
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(385, 198, 86, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &TFProtokKopf::CancelBtnClick);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 198, 120, 27);
    Button1->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TFProtokKopf::Button1Click);

    SetzeTexte();
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, Button1);

    if (const QScreen *schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

TFProtokKopf::~TFProtokKopf() = default;

void TFProtokKopf::SetzeTexte() {
    setWindowTitle(tr("Kompost Steuerung Kontroll- Center"));
    StaticText4->setText(tr("Protokollkopf"));
    StaticText1->setText(tr("Titeltext :"));
    StaticText2->setText(tr("2. Zeile :"));
    StaticText3->setText(tr("3. Zeile :"));
    // the text keeps its line breaks as the operator knows them
    Label1->setText(
        tr("Die hier eingegebenen Daten werden in dem Ausdruck der Protokollwerte \r\nim Seitenkopf "
           "dargestellt. Sie dienen der Archivierung und Zuordnung der \r\nMessprotokolle.")
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    OKBtn->setText(tr("OK"));
    CancelBtn->setText(tr("Ignorieren"));
    Button1->setText(tr("Druck-Vorschau"));
    // as wide as its caption needs (the French one is longer), up to the OK button
    Button1->resize(qBound(120, Button1->sizeHint().width(), OKBtn->x() - 2 * Button1->x()),
                    Button1->height());
}

void TFProtokKopf::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && Button1)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

void TFProtokKopf::showEvent(QShowEvent *ereignis) {
    QDialog::showEvent(ereignis);
    // The lines are loaded when the dialog opens, not again when it becomes
    // active after the sample's preview, so that typed texts stay.
    if (!m_geladen) {
        m_geladen = true;
        FormActivate();
        CancelBtn->setFocus();
    }
}

void TFProtokKopf::FormActivate() {
    QLineEdit *edits[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        edits[i]->setText(m_lauf.Ini.ReadString(Firma, QLatin1String(Schluessel[i].name),
                                                QLatin1String(Schluessel[i].vorgabe)));
        edits[i]->setModified(false);
    }
}

void TFProtokKopf::OKBtnClick() {
    QLineEdit *edits[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        if (!edits[i]->isModified())
            continue;
        if (!m_lauf.Ini.WriteString(Firma, QLatin1String(Schluessel[i].name), edits[i]->text())) {
            // the operator must know that the lines were not kept
            m_lauf.Dialoge.Information(this, tr("Die Firmendaten konnten nicht in die Konfigurationsdatei "
                                                "geschrieben werden:\n%1")
                                                 .arg(m_lauf.Ini.LetzterFehler()));
            return;
        }
        edits[i]->setModified(false);
    }
    accept();
}

void TFProtokKopf::CancelBtnClick() {
    done(Ignorieren);
}

void TFProtokKopf::reject() {
    done(Ignorieren);
}

void TFProtokKopf::Button1Click() {
    Button1->setEnabled(false);
    struct TWiederFrei {
        QPushButton *knopf;
        ~TWiederFrei() { knopf->setEnabled(true); }
    } wiederFrei{Button1};

    TFQRKompForm bericht;
    bericht.Gebietsschema = m_lauf.Zustand.Gebietsschema;
    int zaehler = 0;
    bericht.QRKopf1->Text = Edit1->text();
    bericht.QRKopf2->Text = Edit2->text();
    bericht.QRKopf3->Text = Edit3->text();
    bericht.AnlName->Text = QStringLiteral("Anlagen- Name: ");

    bericht.BeimStart = [&zaehler] { zaehler = 0; };
    bericht.MehrDaten = [&zaehler] {
        const bool mehr = zaehler < SampleZeilen;
        ++zaehler;
        return mehr;
    };
    auto fest = [](TBerichtFeld *feld, const QString &text) {
        feld->Drucken = [text](QString &t) { t = text; };
    };
    bericht.QRNr->Drucken = [&zaehler](QString &t) { t = QString::number(zaehler); };
    fest(bericht.QRDat, QStringLiteral("12:00 03.10.1999"));
    fest(bericht.QRT1, QStringLiteral("52.0"));
    fest(bericht.QRT2, QStringLiteral("53.0"));
    fest(bericht.QRT3, QStringLiteral("54.0"));
    fest(bericht.QRT4, QStringLiteral("55.0"));
    fest(bericht.QRT5, QStringLiteral("56.0"));
    fest(bericht.QR55Gr, QStringLiteral("80.0"));
    fest(bericht.QRO2, QStringLiteral("19.6"));
    fest(bericht.QRZeit, QStringLiteral("123"));
    fest(bericht.QRZyklen, QStringLiteral("234"));

    if (ZeigeBericht)
        ZeigeBericht(bericht);
    else
        BerichtAusgabe::Vorschau(bericht, m_lauf.Dialoge, this);
}

void ZeigeFirmendaten(TFMain &main) {
    TLauf &lauf = main.Lauf();
    const TSperre::THalter offen(lauf.Sperre);
    TFProtokKopf dialog(lauf, &main);
    dialog.exec();
}

#include "reports/UProtokollKopf.h"

#include "data/UMessDaten.h"
#include "reports/UProtokollDruck.h"
#include "reports/UQRKompForm.h"
#include "shell/KompUtils.h"
#include "shell/UCp1252.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDialoge.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>

namespace {

const QString Firma = QStringLiteral("Firma");

// The keys of the company lines, in the order of Edit1 ... Edit3
constexpr const char *Schluessel[3] = {"Titel", "Zeile2", "Zeile3"};

constexpr int SampleZeilen = 20;

// The sample pile: one record a day at noon, the core (100 cm) warming up to
// 69 °C and cooling slowly, the other sensors the cooler the nearer the base,
// O2 and the fan as an O2-controlled pile has them.
constexpr int KernTemperatur[SampleZeilen] = {38, 48, 57, 63, 66, 68, 69, 68, 67, 66,
                                              66, 65, 64, 63, 62, 61, 60, 59, 58, 57};
constexpr int Abstand[6] = {0, 0, 2, 5, 11, 20}; // below the core, by sensor
constexpr int O2Zehntel[SampleZeilen] = {178, 162, 149, 153, 158, 161, 164, 160, 166, 169,
                                         171, 168, 173, 175, 172, 178, 180, 176, 181, 183};
constexpr int Laufzeit[SampleZeilen] = {310, 295, 288, 270, 262, 250, 244, 236, 230, 221,
                                        215, 208, 199, 192, 186, 178, 171, 165, 160, 152};

// The sample data file of the current plant (its name, or "Miete 1"), headed
// by the given company lines, as the data file writer writes it.
QByteArray MusterDatei(const TZustand &z, const QStringList &kopfzeilen) {
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(std::clamp<int>(z.AktAnlage, 1, MaxAnlagen))];
    const QString name = a.Name.trimmed().isEmpty() ? TFProtokKopf::tr("Miete 1") : a.Name;
    const QDate heute = z.Jetzt().date();
    const QDate erster = heute.addDays(-SampleZeilen);
    QString ordner = a.Pfad.isEmpty() ? HeimordnerMitTrenner(z) : a.Pfad;
    if (!ordner.endsWith(QLatin1Char('/')) && !ordner.endsWith(QLatin1Char('\\')))
        ordner += QDir::separator();
    const QString dateiName = ordner + TDataFile::DateiNameFuer(name, erster, z.Gebietsschema);
    QByteArray inhalt = TDataFile::Kopf(kopfzeilen, name, dateiName, a.Komm, erster, z.Gebietsschema);
    for (int i = 0; i < SampleZeilen; ++i) {
        tAnlageMesswerte w;
        for (size_t k = 1; k <= 5; ++k)
            w.T[k] = KernTemperatur[i] - Abstand[k];
        KompUtils::BerechneRefMarke(w, z.RefTemp);
        w.O2 = O2Zehntel[i];
        w.Betriebsart = 3;
        w.Laufzeit = Laufzeit[i];
        w.Zyklen = Laufzeit[i] / 6;
        const QString zeit =
            erster.addDays(i).toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("  12:00");
        inhalt += TDataFile::RecordLine(i + 1, zeit, w);
    }
    return inhalt;
}

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
    const QStringList zeilen = LeseFirmenZeilen(m_lauf.Ini);
    for (int i = 0; i < 3; ++i) {
        edits[i]->setText(zeilen.at(i));
        edits[i]->setModified(false);
    }
}

void TFProtokKopf::OKBtnClick() {
    QLineEdit *edits[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        if (!edits[i]->isModified())
            continue;
        if (!m_lauf.Ini.WriteString(Firma, QLatin1String(Schluessel[i]), edits[i]->text())) {
            // the operator must know that the lines were not kept
            m_lauf.Dialoge.Warnung(this, tr("Die Firmendaten konnten nicht in die Konfigurationsdatei "
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

    // The sample is a protocol as the viewer prints it, of a sample data
    // file headed by the lines as typed: the dates, numbers and names in the
    // program's own formats.
    const TZustand &z = m_lauf.Zustand;
    QTemporaryDir ordner;
    const QByteArray inhalt = MusterDatei(z, {Edit1->text(), Edit2->text(), Edit3->text()});
    const QString muster = ordner.filePath(QStringLiteral("Muster.CSV"));
    QString grund = ordner.errorString();
    bool geschrieben = false;
    if (ordner.isValid()) {
        QFile datei(muster);
        geschrieben =
            datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size() && datei.flush();
        grund = datei.errorString();
    }
    TMessDaten daten(z);
    if (geschrieben && !daten.Load(muster))
        grund = daten.LastError();
    if (!geschrieben || !daten.Valid()) {
        m_lauf.Dialoge.Warnung(this, tr("Die Druck-Vorschau kann nicht erstellt werden:\n%1").arg(grund));
        return;
    }
    // The measurement protocol prints no verdict.
    TProtokollDruck druck(daten, z, 0, true, false, THygienisierung{});
    TBericht &bericht = druck.Bericht();
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

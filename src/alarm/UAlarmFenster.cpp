#include "alarm/UAlarmFenster.h"

#include "alarm/UAlarme.h"
#include "shell/KompUtils.h"
#include "shell/ULauf.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The states of the journal as the history shows them.
const char *const Zustaende[][2] = {
    {"kommt", QT_TRANSLATE_NOOP("TFAlarme", "kommt")},
    {"geht", QT_TRANSLATE_NOOP("TFAlarme", "geht")},
    {"quittiert", QT_TRANSLATE_NOOP("TFAlarme", "quittiert")},
};

QTableWidget *neueTabelle(QWidget *parent, const char *name, int spalten) {
    auto *t = new QTableWidget(0, spalten, parent);
    t->setObjectName(QLatin1String(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setHighlightSections(false);
    return t;
}

// Every column as wide as its texts; the last one fills the rest of the
// table, but where the columns together are wider than the table it keeps
// its texts' width and the table scrolls sideways rather than cutting them.
void spaltenAnpassen(QTableWidget *t) {
    QHeaderView *kopf = t->horizontalHeader();
    kopf->setStretchLastSection(false);
    t->resizeColumnsToContents();
    int summe = 0;
    for (int c = 0; c < t->columnCount(); ++c)
        summe += kopf->sectionSize(c);
    kopf->setStretchLastSection(summe <= t->viewport()->width());
}

// The width the columns need beyond what the table shows (the columns are
// left as wide as their texts).
int spaltenUeberstand(QTableWidget *t) {
    t->horizontalHeader()->setStretchLastSection(false);
    t->resizeColumnsToContents();
    int summe = 0;
    for (int c = 0; c < t->columnCount(); ++c)
        summe += t->horizontalHeader()->sectionSize(c);
    return std::max(0, summe - t->viewport()->width());
}

QTableWidgetItem *zelle(const QString &text, const QColor &farbe = QColor(), bool fett = false) {
    auto *z = new QTableWidgetItem(text);
    z->setToolTip(text);
    if (farbe.isValid())
        z->setForeground(farbe);
    if (fett) {
        QFont f = z->font();
        f.setBold(true);
        z->setFont(f);
    }
    return z;
}

} // namespace

TFAlarme::TFAlarme(TLauf &lauf, TAlarme &alarme, QWidget *parent)
    : QDialog(parent), m_lauf(lauf), m_alarme(alarme) {
    setObjectName(QStringLiteral("FAlarme"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);

    auto *aktuell = new QWidget;
    AlarmTabelle = neueTabelle(aktuell, "AlarmTabelle", 5);
    LeerLabel = new QLabel(aktuell);
    LeerLabel->setObjectName(QStringLiteral("LeerLabel"));
    LeerLabel->setAlignment(Qt::AlignCenter);
    QuittierenButton = new QPushButton(aktuell);
    QuittierenButton->setObjectName(QStringLiteral("QuittierenButton"));
    QuittierenButton->setAutoDefault(false);
    AlleQuittierenButton = new QPushButton(aktuell);
    AlleQuittierenButton->setObjectName(QStringLiteral("AlleQuittierenButton"));
    AlleQuittierenButton->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(LeerLabel);
    knoepfe->addStretch(1);
    knoepfe->addWidget(QuittierenButton);
    knoepfe->addWidget(AlleQuittierenButton);
    auto *seite1 = new QVBoxLayout(aktuell);
    seite1->addWidget(AlarmTabelle, 1);
    seite1->addLayout(knoepfe);

    auto *verlauf = new QWidget;
    VerlaufTabelle = neueTabelle(verlauf, "VerlaufTabelle", 4);
    auto *seite2 = new QVBoxLayout(verlauf);
    seite2->addWidget(VerlaufTabelle);

    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    Seiten->addTab(aktuell, QString());
    Seiten->addTab(verlauf, QString());

    SchliessenButton = new QPushButton(this);
    SchliessenButton->setObjectName(QStringLiteral("SchliessenButton"));
    SchliessenButton->setDefault(true);
    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(SchliessenButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Seiten, 1);
    layout->addLayout(unten);

    connect(QuittierenButton, &QPushButton::clicked, this, &TFAlarme::QuittierenClick);
    connect(AlleQuittierenButton, &QPushButton::clicked, this, &TFAlarme::AlleQuittierenClick);
    connect(SchliessenButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(AlarmTabelle, &QTableWidget::itemSelectionChanged, this, &TFAlarme::knoepfeAnpassen);
    connect(&m_alarme, &TAlarme::Geaendert, this, &TFAlarme::Auffrischen);
    // a page shown gets its columns fitted to the width it has now
    connect(Seiten, &QTabWidget::currentChanged, this, [this] {
        spaltenAnpassen(AlarmTabelle);
        spaltenAnpassen(VerlaufTabelle);
    });

    SetzeTexte();
    m_gebaut = true;
    resize(1080, 440);
}

void TFAlarme::SetzeTexte() {
    setWindowTitle(tr("Alarme"));
    Seiten->setTabText(0, tr("Aktuelle Alarme"));
    Seiten->setTabText(1, tr("Verlauf (30 Tage)"));
    AlarmTabelle->setHorizontalHeaderLabels(
        {tr("Seit"), tr("Anlage"), tr("Alarm"), tr("Zustand"), tr("Werte")});
    VerlaufTabelle->setHorizontalHeaderLabels({tr("Zeit"), tr("Anlage"), tr("Alarm"), tr("Ereignis")});
    LeerLabel->setText(tr("Keine Alarme."));
    QuittierenButton->setText(tr("&Quittieren"));
    AlleQuittierenButton->setText(tr("&Alle quittieren"));
    SchliessenButton->setText(tr("Schließen"));
    Auffrischen();
}

int TFAlarme::fehlendeBreite() {
    return spaltenUeberstand(AlarmTabelle);
}

void TFAlarme::showEvent(QShowEvent *ereignis) {
    QDialog::showEvent(ereignis);
    if (m_gezeigt)
        return;
    m_gezeigt = true;
    // The layout has given the tables their widths now.
    layout()->activate();
    const int mehr = fehlendeBreite();
    if (mehr > 0) {
        // as wide as the screen allows; where it does not, the table scrolls sideways
        int breite = width() + mehr + 4;
        if (const QScreen *schirm = screen())
            breite = std::min(breite, schirm->availableGeometry().width());
        if (breite > width()) {
            resize(breite, height());
            layout()->activate();
        }
    }
    spaltenAnpassen(AlarmTabelle);
    spaltenAnpassen(VerlaufTabelle);
}

void TFAlarme::changeEvent(QEvent *ereignis) {
    if (ereignis->type() == QEvent::LanguageChange && m_gebaut)
        SetzeTexte();
    QDialog::changeEvent(ereignis);
}

void TFAlarme::Auffrischen() {
    const TZustand &z = m_lauf.Zustand;
    const auto anlage = [this, &z](int n) {
        if (n <= 0)
            return m_alarme.Wer(n);
        return m_alarme.Wer(n) + QStringLiteral(" – ") +
               z.Anlagen[static_cast<size_t>(std::min(n, MaxAnlagen))].Name;
    };

    // The chosen row stays chosen.
    QPair<int, QString> gewaehlt;
    const int alteZeile = AlarmTabelle->currentRow();
    if (alteZeile >= 0 && alteZeile < m_zeilen.size())
        gewaehlt = m_zeilen.at(alteZeile);

    const QList<tAlarm> liste = m_alarme.Liste();
    m_zeilen.clear();
    AlarmTabelle->setRowCount(static_cast<int>(liste.size()));
    int neueZeile = -1;
    for (int r = 0; r < liste.size(); ++r) {
        const tAlarm &a = liste.at(r);
        m_zeilen.append({a.Anlage, a.Text});
        if (m_zeilen.last() == gewaehlt)
            neueZeile = r;
        QString zustand;
        QColor farbe;
        if (a.Aktiv && !a.Quittiert) {
            zustand = tr("aktiv");
            farbe = QColor(0xC6, 0x28, 0x28);
        } else if (a.Aktiv) {
            zustand = tr("aktiv, quittiert");
            farbe = QColor(0x8E, 0x24, 0x24);
        } else {
            zustand = tr("beendet %1").arg(KompUtils::DatumZeit(z.Gebietsschema, a.Ende));
            farbe = QColor(0x55, 0x5F, 0x66);
        }
        const bool fett = a.Aktiv && !a.Quittiert;
        const tAlarmText &werte = a.Aktiv || a.EndeWerte.Leer() ? a.Werte : a.EndeWerte;
        AlarmTabelle->setItem(r, 0, zelle(KompUtils::DatumZeit(z.Gebietsschema, a.Seit), farbe, fett));
        AlarmTabelle->setItem(r, 1, zelle(anlage(a.Anlage), farbe, fett));
        AlarmTabelle->setItem(r, 2, zelle(a.Uebersetzt(), farbe, fett));
        AlarmTabelle->setItem(r, 3, zelle(zustand, farbe, fett));
        AlarmTabelle->setItem(r, 4, zelle(werte.Uebersetzt(), farbe));
    }
    spaltenAnpassen(AlarmTabelle);
    if (neueZeile >= 0)
        AlarmTabelle->selectRow(neueZeile);
    else
        AlarmTabelle->clearSelection();

    const QList<tAlarmEreignis> verlauf = m_alarme.Verlauf(30);
    VerlaufTabelle->setRowCount(static_cast<int>(verlauf.size()));
    for (int r = 0; r < verlauf.size(); ++r) {
        const tAlarmEreignis &e = verlauf.at(r);
        QString zustand = e.Zustand;
        for (const auto &paar : Zustaende)
            if (e.Zustand == QLatin1String(paar[0]))
                zustand = QCoreApplication::translate("TFAlarme", paar[1]);
        const QColor farbe = e.Zustand == QLatin1String("kommt") ? QColor(0xC6, 0x28, 0x28) : QColor();
        VerlaufTabelle->setItem(r, 0, zelle(KompUtils::DatumZeit(z.Gebietsschema, e.Zeit)));
        VerlaufTabelle->setItem(r, 1, zelle(anlage(e.Anlage)));
        VerlaufTabelle->setItem(
            r, 2, zelle(QCoreApplication::translate(AlarmTextKontext, e.Text.toUtf8().constData())));
        VerlaufTabelle->setItem(r, 3, zelle(zustand, farbe));
    }
    spaltenAnpassen(VerlaufTabelle);

    LeerLabel->setVisible(liste.isEmpty());
    knoepfeAnpassen();
}

void TFAlarme::knoepfeAnpassen() {
    const QList<tAlarm> liste = m_alarme.Liste();
    const int zeile = AlarmTabelle->currentRow();
    bool waehlbar = false;
    bool offen = false;
    for (const tAlarm &a : liste) {
        offen = offen || !a.Quittiert;
        if (zeile >= 0 && zeile < m_zeilen.size() && AlarmTabelle->selectionModel()->hasSelection() &&
            m_zeilen.at(zeile) == qMakePair(a.Anlage, a.Text))
            waehlbar = !a.Quittiert;
    }
    QuittierenButton->setEnabled(waehlbar);
    AlleQuittierenButton->setEnabled(offen);
}

void TFAlarme::QuittierenClick() {
    const int zeile = AlarmTabelle->currentRow();
    if (zeile < 0 || zeile >= m_zeilen.size())
        return;
    m_alarme.Quittieren(m_zeilen.at(zeile).first, m_zeilen.at(zeile).second);
}

void TFAlarme::AlleQuittierenClick() {
    m_alarme.AlleQuittieren();
}

void ZeigeAlarme(TLauf &lauf, TAlarme &alarme, QWidget *ueber) {
    TFAlarme fenster(lauf, alarme, ueber);
    fenster.exec();
}

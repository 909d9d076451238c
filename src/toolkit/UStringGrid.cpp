// The string grid: a QTableWidget whose headers carry the title row and the
// title column, addressed like a classic string grid.
#include "toolkit/UStringGrid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStandardBreite = 64;
constexpr Qt::Alignment kAusrichtung = Qt::AlignLeft | Qt::AlignVCenter;

QTableWidgetItem *NeuesFeld(const QString &text = QString()) {
    auto *feld = new QTableWidgetItem(text);
    feld->setFlags(Qt::ItemIsEnabled);
    feld->setTextAlignment(kAusrichtung);
    return feld;
}

int Skaliert(int wert, double faktor) {
    return std::max(1, static_cast<int>(std::lround(wert * faktor)));
}

} // namespace

TStringGrid::TStringGrid(int spalten, int zeilen, QWidget *parent)
    : QWidget(parent), m_tabelle(new QTableWidget(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabelle);

    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabelle->setFocusPolicy(Qt::NoFocus);
    m_tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_tabelle->setWordWrap(false);
    m_tabelle->setTextElideMode(Qt::ElideNone); // clipped, as a classic grid shows a long text
    for (QHeaderView *kopf : {m_tabelle->horizontalHeader(), m_tabelle->verticalHeader()}) {
        kopf->setSectionResizeMode(QHeaderView::Fixed);
        kopf->setSectionsClickable(true);
        kopf->setHighlightSections(false);
        kopf->setDefaultAlignment(kAusrichtung);
        kopf->setMinimumSectionSize(1);
    }
    m_tabelle->horizontalHeader()->setStretchLastSection(false);

    connect(m_tabelle, &QTableWidget::cellClicked, this,
            [this](int zeile, int spalte) { emit geklickt(spalte + 1, zeile + 1); });
    connect(m_tabelle->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int spalte) { emit geklickt(spalte + 1, 0); });
    connect(m_tabelle->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int zeile) { emit geklickt(0, zeile + 1); });
    m_tabelle->viewport()->installEventFilter(this);
    // The corner button shows the corner text and reports clicks on it.
    if (auto *ecke = m_tabelle->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        ecke->installEventFilter(this);
    }

    setSpaltenAnzahl(spalten);
    setZeilenAnzahl(zeilen);
}

void TStringGrid::setSpaltenAnzahl(int spalten) {
    spalten = std::max(1, spalten);
    const int alt = m_tabelle->columnCount();
    m_tabelle->setColumnCount(spalten - 1);
    for (int c = alt; c < spalten - 1; ++c)
        m_tabelle->setHorizontalHeaderItem(c, NeuesFeld());
    while (m_breiten.size() < spalten)
        m_breiten.append(kStandardBreite);
    m_breiten.resize(spalten);
    wendeGroessenAn();
}

int TStringGrid::spaltenAnzahl() const {
    return m_tabelle->columnCount() + 1;
}

void TStringGrid::setZeilenAnzahl(int zeilen) {
    zeilen = std::max(1, zeilen);
    const int alt = m_tabelle->rowCount();
    m_tabelle->setRowCount(zeilen - 1);
    for (int r = alt; r < zeilen - 1; ++r)
        m_tabelle->setVerticalHeaderItem(r, NeuesFeld());
    wendeGroessenAn();
}

int TStringGrid::zeilenAnzahl() const {
    return m_tabelle->rowCount() + 1;
}

QString TStringGrid::Cells(int spalte, int zeile) const {
    if (spalte < 0 || zeile < 0 || spalte >= spaltenAnzahl() || zeile >= zeilenAnzahl())
        return QString();
    QTableWidgetItem *feld = nullptr;
    if (spalte == 0 && zeile == 0)
        return m_ecke;
    if (zeile == 0)
        feld = m_tabelle->horizontalHeaderItem(spalte - 1);
    else if (spalte == 0)
        feld = m_tabelle->verticalHeaderItem(zeile - 1);
    else
        feld = m_tabelle->item(zeile - 1, spalte - 1);
    return feld ? feld->text() : QString();
}

void TStringGrid::setCells(int spalte, int zeile, const QString &text) {
    if (spalte < 0 || zeile < 0 || spalte >= spaltenAnzahl() || zeile >= zeilenAnzahl())
        return;
    if (spalte == 0 && zeile == 0) {
        m_ecke = text;
        if (auto *ecke = m_tabelle->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
            ecke->update();
        return;
    }
    if (zeile == 0) {
        m_tabelle->horizontalHeaderItem(spalte - 1)->setText(text);
    } else if (spalte == 0) {
        m_tabelle->verticalHeaderItem(zeile - 1)->setText(text);
    } else if (QTableWidgetItem *feld = m_tabelle->item(zeile - 1, spalte - 1)) {
        feld->setText(text);
    } else {
        m_tabelle->setItem(zeile - 1, spalte - 1, NeuesFeld(text));
    }
}

void TStringGrid::leereZellen() {
    for (int r = 0; r < m_tabelle->rowCount(); ++r) {
        for (int c = 0; c < m_tabelle->columnCount(); ++c) {
            if (QTableWidgetItem *feld = m_tabelle->item(r, c))
                feld->setText(QString());
        }
    }
}

void TStringGrid::setSpaltenBreite(int spalte, int breite) {
    if (spalte < 0 || spalte >= m_breiten.size())
        return;
    m_breiten[spalte] = std::max(0, breite);
    wendeGroessenAn();
}

int TStringGrid::spaltenBreite(int spalte) const {
    if (spalte < 0 || spalte >= m_breiten.size())
        return 0;
    return spalte == 0 ? m_tabelle->verticalHeader()->width() : m_tabelle->columnWidth(spalte - 1);
}

void TStringGrid::setSpaltenBreiten(const QList<int> &breiten) {
    for (qsizetype c = 0; c < breiten.size() && c < m_breiten.size(); ++c)
        m_breiten[c] = std::max(0, breiten.at(c));
    wendeGroessenAn();
}

void TStringGrid::setZeilenHoehe(int hoehe) {
    m_zeilenHoehe = std::max(1, hoehe);
    wendeGroessenAn();
}

int TStringGrid::zeilenHoehe() const {
    return m_tabelle->verticalHeader()->defaultSectionSize();
}

void TStringGrid::skalieren(double fx, double fy) {
    m_fx = fx > 0 ? fx : 1.0;
    m_fy = fy > 0 ? fy : 1.0;
    wendeGroessenAn();
}

void TStringGrid::wendeGroessenAn() {
    QHeaderView *links = m_tabelle->verticalHeader();
    const int hoehe = Skaliert(m_zeilenHoehe, m_fy);
    links->setFixedWidth(m_breiten.isEmpty() ? 0 : Skaliert(m_breiten.at(0), m_fx));
    links->setDefaultSectionSize(hoehe);
    for (int r = 0; r < m_tabelle->rowCount(); ++r)
        m_tabelle->setRowHeight(r, hoehe);
    m_tabelle->horizontalHeader()->setFixedHeight(hoehe);
    for (int c = 1; c < m_breiten.size(); ++c)
        m_tabelle->setColumnWidth(c - 1, Skaliert(m_breiten.at(c), m_fx));
}

bool TStringGrid::eventFilter(QObject *objekt, QEvent *event) {
    if (objekt == m_tabelle->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        if (!m_tabelle->indexAt(maus->position().toPoint()).isValid())
            emit geklickt(-1, -1);
        return false;
    }
    auto *ecke = qobject_cast<QAbstractButton *>(objekt);
    if (ecke && ecke->parent() == m_tabelle) {
        if (event->type() == QEvent::Paint) {
            QPainter p(ecke);
            QStyleOptionHeader opt;
            opt.initFrom(ecke);
            opt.rect = ecke->rect();
            opt.text = m_ecke;
            opt.textAlignment = kAusrichtung;
            opt.position = QStyleOptionHeader::OnlyOneSection;
            opt.state |= QStyle::State_Raised | QStyle::State_Horizontal;
            ecke->style()->drawControl(QStyle::CE_Header, &opt, &p, ecke);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            emit geklickt(0, 0);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress)
            return true; // no select-all: the grid is read-only
    }
    return QWidget::eventFilter(objekt, event);
}

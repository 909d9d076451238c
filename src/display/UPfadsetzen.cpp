#include "display/UPfadsetzen.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

TFPfadsetzen::TFPfadsetzen(const QString &ordner, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FPfadsetzen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);

    m_modell = new QFileSystemModel(this);
    m_modell->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modell->setRootPath(QString());
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(m_modell);
    for (int spalte = 1; spalte < m_modell->columnCount(); ++spalte)
        DirectoryListBox1->hideColumn(spalte);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setMinimumHeight(220);

    // The drive list drives the folder list; a system with one root has no choice to make.
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    const QFileInfoList laufwerke = QDir::drives();
    for (const QFileInfo &l : laufwerke)
        DriveComboBox1->addItem(QDir::toNativeSeparators(l.absoluteFilePath()), l.absoluteFilePath());
    DriveComboBox1->setVisible(laufwerke.size() > 1);
    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int i) { SetzeOrdner(DriveComboBox1->itemData(i).toString()); });

    DirLabel = new QLabel(this);
    DirLabel->setObjectName(QStringLiteral("DirLabel"));
    DirLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DirLabel->setTextFormat(Qt::PlainText);

    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    AbbruchBtn = new QPushButton(this);
    AbbruchBtn->setObjectName(QStringLiteral("AbbruchBtn"));
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(AbbruchBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(DirectoryListBox1, 1);
    layout->addWidget(DriveComboBox1);
    layout->addWidget(DirLabel);
    layout->addLayout(knoepfe);

    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFPfadsetzen::ordnerGewaehlt);
    // The folders are read and sorted in the background: until the operator
    // takes the list in hand, the selected folder is kept in view.
    m_folgen.setSingleShot(true);
    m_folgen.setInterval(0);
    connect(&m_folgen, &QTimer::timeout, this, [this] {
        if (!m_bedient && DirectoryListBox1->currentIndex().isValid())
            DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(),
                                        QAbstractItemView::PositionAtCenter);
    });
    auto folgen = [this] { m_folgen.start(); };
    connect(m_modell, &QFileSystemModel::directoryLoaded, this, folgen);
    connect(m_modell, &QAbstractItemModel::layoutChanged, this, folgen);
    connect(m_modell, &QAbstractItemModel::rowsInserted, this, folgen);
    connect(DirectoryListBox1, &QAbstractItemView::pressed, this, [this] { m_bedient = true; });

    SetzeTexte();
    SetzeOrdner(QFileInfo(ordner).isDir() ? ordner : QDir::currentPath());
    resize(sizeHint().expandedTo(QSize(480, 420)));
}

QString TFPfadsetzen::ErklaerungsText() {
    return tr("Pfad einstellen, in dem die Messdaten aus der Anlage gespeichert \n"
              "werden. In diesem Verzeichnis werden die Daten in Dateien mit der\n"
              "Endung \".CSV\" gespeichert.\n"
              "Damit ist eine spätere Auswertung mit Standardprogrammen, z.B.  \n"
              "EXCEL,  möglich");
}

void TFPfadsetzen::SetzeTexte() {
    setWindowTitle(tr("Kompost Steuerung Kontroll- Center"));
    Label1->setText(ErklaerungsText());
    OKBtn->setText(tr("OK"));
    AbbruchBtn->setText(tr("Abbruch"));
}

void TFPfadsetzen::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && AbbruchBtn)
        SetzeTexte();
    QDialog::changeEvent(event);
}

void TFPfadsetzen::SetzeOrdner(const QString &ordner) {
    const QString sauber = QDir::cleanPath(QDir::fromNativeSeparators(ordner));
    const QModelIndex index = m_modell->index(sauber);
    if (index.isValid()) {
        // Opening the parents has their folders read.
        for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
            DirectoryListBox1->expand(p);
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index);
    }
    m_ordner = QDir::toNativeSeparators(sauber);
    DirLabel->setText(m_ordner);
}

void TFPfadsetzen::ordnerGewaehlt() {
    const QString pfad = m_modell->filePath(DirectoryListBox1->currentIndex());
    if (pfad.isEmpty())
        return;
    m_ordner = QDir::toNativeSeparators(QDir::cleanPath(pfad));
    DirLabel->setText(m_ordner);
    // The drive list follows the folder.
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        if (QDir::fromNativeSeparators(m_ordner).startsWith(DriveComboBox1->itemData(i).toString(),
                                                            Qt::CaseInsensitive)) {
            DriveComboBox1->setCurrentIndex(i);
            break;
        }
    }
}

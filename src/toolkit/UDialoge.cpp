#include "toolkit/UDialoge.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

namespace {

// Leaves out the files whose names match a pattern; folders stay.
class TAusblenden : public QSortFilterProxyModel {
public:
    TAusblenden(const QStringList &muster, QObject *parent) : QSortFilterProxyModel(parent) {
        for (const QString &m : muster)
            m_muster.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(m),
                                               QRegularExpression::CaseInsensitiveOption));
    }

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex &eltern) const override {
        const auto *modell = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!modell)
            return true;
        const QModelIndex i = modell->index(zeile, 0, eltern);
        if (modell->isDir(i))
            return true;
        const QString name = modell->fileName(i);
        return std::none_of(m_muster.cbegin(), m_muster.cend(),
                            [&name](const QRegularExpression &m) { return m.match(name).hasMatch(); });
    }

private:
    QList<QRegularExpression> m_muster;
};

} // namespace

void TQtDialoge::Information(QWidget *owner, const QString &text) {
    QMessageBox box(QMessageBox::Information, m_titel, text, QMessageBox::Ok, owner);
    box.exec();
}

void TQtDialoge::Warnung(QWidget *owner, const QString &text) {
    QMessageBox box(QMessageBox::Warning, m_titel, text, QMessageBox::Ok, owner);
    box.exec();
}

bool TQtDialoge::Frage(QWidget *owner, const QString &text) {
    QMessageBox box(QMessageBox::Question, m_titel, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.button(QMessageBox::Yes)->setText(QMessageBox::tr("&Ja"));
    box.button(QMessageBox::No)->setText(QMessageBox::tr("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString TQtDialoge::DateiOeffnen(QWidget *owner, const QString &titel, const QString &ordner,
                                 const QString &filter, const QStringList &ausblenden) {
    if (ausblenden.isEmpty())
        return QFileDialog::getOpenFileName(owner, titel, ordner, filter);
    QFileDialog dialog(owner, titel, ordner, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setProxyModel(new TAusblenden(ausblenden, &dialog));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
    // The name column as wide as the longest name of the folder shown.
    if (auto *liste = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        const auto anpassen = [liste] {
            liste->resizeColumnToContents(0);
            liste->setColumnWidth(0, std::max(liste->columnWidth(0), 260));
        };
        if (auto *modell = dialog.findChild<QFileSystemModel *>())
            QObject::connect(modell, &QFileSystemModel::directoryLoaded, liste,
                             [anpassen] { QTimer::singleShot(0, anpassen); });
        QObject::connect(&dialog, &QFileDialog::directoryEntered, liste,
                         [anpassen] { QTimer::singleShot(0, anpassen); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TQtDialoge::OrdnerWaehlen(QWidget *owner, const QString &titel, const QString &ordner) {
    return QFileDialog::getExistingDirectory(owner, titel, ordner);
}

QString TQtDialoge::DateiSpeichern(QWidget *owner, const QString &titel, const QString &vorschlag,
                                   const QString &filter) {
    return QFileDialog::getSaveFileName(owner, titel, vorschlag, filter);
}

bool TQtDialoge::DruckerWaehlen(QWidget *owner, QPrinter &printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void TSkriptDialoge::Information(QWidget *, const QString &text) {
    Protokoll.append({Art::Information, text, {}, {}, {}});
    if (BeiMeldung)
        BeiMeldung(text);
}

void TSkriptDialoge::Warnung(QWidget *, const QString &text) {
    Protokoll.append({Art::Warnung, text, {}, {}, {}});
    if (BeiMeldung)
        BeiMeldung(text);
}

bool TSkriptDialoge::Frage(QWidget *, const QString &text) {
    Protokoll.append({Art::Frage, text, {}, {}, {}});
    if (BeiMeldung)
        BeiMeldung(text);
    return Antworten.isEmpty() ? false : Antworten.takeFirst();
}

QString TSkriptDialoge::DateiOeffnen(QWidget *, const QString &titel, const QString &ordner,
                                     const QString &filter, const QStringList &ausblenden) {
    Protokoll.append({Art::DateiOeffnen, titel, ordner, filter, ausblenden});
    return Dateien.isEmpty() ? QString() : Dateien.takeFirst();
}

QString TSkriptDialoge::OrdnerWaehlen(QWidget *, const QString &titel, const QString &ordner) {
    Protokoll.append({Art::OrdnerWaehlen, titel, ordner, {}, {}});
    return Ordner.isEmpty() ? QString() : Ordner.takeFirst();
}

QString TSkriptDialoge::DateiSpeichern(QWidget *, const QString &titel, const QString &vorschlag,
                                       const QString &filter) {
    Protokoll.append({Art::DateiSpeichern, titel, vorschlag, filter, {}});
    return SpeicherDateien.isEmpty() ? QString() : SpeicherDateien.takeFirst();
}

bool TSkriptDialoge::DruckerWaehlen(QWidget *, QPrinter &) {
    Protokoll.append({Art::DruckerWaehlen, {}, {}, {}, {}});
    return DruckerAntworten.isEmpty() ? false : DruckerAntworten.takeFirst();
}

QStringList TSkriptDialoge::Meldungen() const {
    QStringList l;
    for (const Eintrag &e : Protokoll)
        if (e.art == Art::Information || e.art == Art::Warnung || e.art == Art::Frage)
            l.append(e.text);
    return l;
}

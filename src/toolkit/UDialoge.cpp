#include "toolkit/UDialoge.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

void TQtDialoge::Information(QWidget *owner, const QString &text) {
    QMessageBox box(QMessageBox::Information, m_titel, text, QMessageBox::Ok, owner);
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
                                 const QString &filter) {
    return QFileDialog::getOpenFileName(owner, titel, ordner, filter);
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
    Protokoll.append({Art::Information, text, {}, {}});
    if (BeiMeldung)
        BeiMeldung(text);
}

bool TSkriptDialoge::Frage(QWidget *, const QString &text) {
    Protokoll.append({Art::Frage, text, {}, {}});
    if (BeiMeldung)
        BeiMeldung(text);
    return Antworten.isEmpty() ? false : Antworten.takeFirst();
}

QString TSkriptDialoge::DateiOeffnen(QWidget *, const QString &titel, const QString &ordner,
                                     const QString &filter) {
    Protokoll.append({Art::DateiOeffnen, titel, ordner, filter});
    return Dateien.isEmpty() ? QString() : Dateien.takeFirst();
}

QString TSkriptDialoge::OrdnerWaehlen(QWidget *, const QString &titel, const QString &ordner) {
    Protokoll.append({Art::OrdnerWaehlen, titel, ordner, {}});
    return Ordner.isEmpty() ? QString() : Ordner.takeFirst();
}

QString TSkriptDialoge::DateiSpeichern(QWidget *, const QString &titel, const QString &vorschlag,
                                       const QString &filter) {
    Protokoll.append({Art::DateiSpeichern, titel, vorschlag, filter});
    return SpeicherDateien.isEmpty() ? QString() : SpeicherDateien.takeFirst();
}

bool TSkriptDialoge::DruckerWaehlen(QWidget *, QPrinter &) {
    Protokoll.append({Art::DruckerWaehlen, {}, {}, {}});
    return DruckerAntworten.isEmpty() ? false : DruckerAntworten.takeFirst();
}

QStringList TSkriptDialoge::Meldungen() const {
    QStringList l;
    for (const Eintrag &e : Protokoll)
        if (e.art == Art::Information || e.art == Art::Frage)
            l.append(e.text);
    return l;
}

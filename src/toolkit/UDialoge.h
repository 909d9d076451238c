// The message boxes and standard dialogs of the program. Every window shows
// them through IDialoge, so that tests can answer them from a script: TQtDialoge
// shows the real boxes, TSkriptDialoge records the texts and gives queued
// answers without showing anything.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

class IDialoge {
public:
    virtual ~IDialoge() = default;

    // The caption of the message boxes: the application title.
    virtual void SetzeTitel(const QString &titel) = 0;
    virtual QString Titel() const = 0;

    // Modal box with the information symbol and one OK button.
    virtual void Information(QWidget *owner, const QString &text) = 0;
    // Modal box with the warning symbol and one OK button.
    virtual void Warnung(QWidget *owner, const QString &text) = 0;
    // Modal confirmation with Yes and No; true for Yes.
    virtual bool Frage(QWidget *owner, const QString &text) = 0;
    // Open-file dialog; filter as "Messdaten (*.CSV);;Alle Dateien (*)". Files
    // whose names match one of the wildcard patterns ausblenden (any case) are
    // not offered. Empty when cancelled.
    virtual QString DateiOeffnen(QWidget *owner, const QString &titel, const QString &ordner,
                                 const QString &filter, const QStringList &ausblenden = {}) = 0;
    // Folder (and drive) choice. Empty when cancelled.
    virtual QString OrdnerWaehlen(QWidget *owner, const QString &titel, const QString &ordner) = 0;
    // Save-file dialog starting with vorschlag (folder and/or name). Empty when cancelled.
    virtual QString DateiSpeichern(QWidget *owner, const QString &titel, const QString &vorschlag,
                                   const QString &filter) = 0;
    // Printer choice for printer; true when the operator confirmed it.
    virtual bool DruckerWaehlen(QWidget *owner, QPrinter &printer) = 0;
};

// The real boxes and dialogs (QMessageBox, QFileDialog, QPrintDialog). The
// open-file dialog lists the files with their details, the names in full;
// one that hides files is always Qt's own (a system dialog cannot).
class TQtDialoge : public IDialoge {
public:
    explicit TQtDialoge(const QString &titel = {}) : m_titel(titel) {}

    void SetzeTitel(const QString &titel) override { m_titel = titel; }
    QString Titel() const override { return m_titel; }

    void Information(QWidget *owner, const QString &text) override;
    void Warnung(QWidget *owner, const QString &text) override;
    bool Frage(QWidget *owner, const QString &text) override;
    QString DateiOeffnen(QWidget *owner, const QString &titel, const QString &ordner, const QString &filter,
                         const QStringList &ausblenden = {}) override;
    QString OrdnerWaehlen(QWidget *owner, const QString &titel, const QString &ordner) override;
    QString DateiSpeichern(QWidget *owner, const QString &titel, const QString &vorschlag,
                           const QString &filter) override;
    bool DruckerWaehlen(QWidget *owner, QPrinter &printer) override;

private:
    QString m_titel;
};

// For tests: records every box and dialog and answers from queues. An empty
// queue answers No, an empty file or folder name, or a cancelled printer
// choice. Bei* callbacks, if set, run while a box is "shown" (for example to
// look at the window state at that moment).
class TSkriptDialoge : public IDialoge {
public:
    enum class Art {
        Information,
        Warnung,
        Frage,
        DateiOeffnen,
        OrdnerWaehlen,
        DruckerWaehlen,
        DateiSpeichern
    };
    struct Eintrag {
        Art art;
        QString text; // message text, or the dialog's caption
        QString ordner;
        QString filter;
        QStringList ausgeblendet; // DateiOeffnen: the patterns of files not offered
    };

    void SetzeTitel(const QString &titel) override { m_titel = titel; }
    QString Titel() const override { return m_titel; }

    void Information(QWidget *owner, const QString &text) override;
    void Warnung(QWidget *owner, const QString &text) override;
    bool Frage(QWidget *owner, const QString &text) override;
    QString DateiOeffnen(QWidget *owner, const QString &titel, const QString &ordner, const QString &filter,
                         const QStringList &ausblenden = {}) override;
    QString OrdnerWaehlen(QWidget *owner, const QString &titel, const QString &ordner) override;
    QString DateiSpeichern(QWidget *owner, const QString &titel, const QString &vorschlag,
                           const QString &filter) override;
    bool DruckerWaehlen(QWidget *owner, QPrinter &printer) override;

    // Everything shown so far, in order.
    QList<Eintrag> Protokoll;
    // The texts of the information and warning boxes and the questions, in order.
    QStringList Meldungen() const;

    QList<bool> Antworten;        // for Frage
    QStringList Dateien;          // for DateiOeffnen
    QStringList Ordner;           // for OrdnerWaehlen
    QList<bool> DruckerAntworten; // for DruckerWaehlen
    QStringList SpeicherDateien;  // for DateiSpeichern (the proposal lands in Eintrag::ordner)

    std::function<void(const QString &)> BeiMeldung;

private:
    QString m_titel;
};

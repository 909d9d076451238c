// The localisation: the languages the program offers, the translators of its
// own texts (carried inside the program as a resource) and of Qt's texts, and
// the operator's choice kept under a registry key through QSettings (the
// registry on Windows, the user's settings file elsewhere). German is the
// source language of every text and needs no translator of its own.
//
// Installing or removing a translator makes Qt send QEvent::LanguageChange to
// every widget, so open windows set their texts again at once. Number and
// date formats are not touched: they follow the system's locale.
#pragma once

#include <QList>
#include <QString>
#include <QTranslator>
#include <memory>

class TSprache {
public:
    struct Eintrag {
        QString Kuerzel; // "de", "en", "fr"
        QString Name;    // the language's own name, as the menu shows it
    };
    // The languages on offer, German first.
    static const QList<Eintrag> &Sprachen();
    static bool Bekannt(const QString &kuerzel);

    // The registry key of the program's language choice.
    static constexpr char Schluessel[] = "Software\\O2-Humaro\\Locales";
    // The value under the key that holds the chosen language.
    static constexpr char Wert[] = "Sprache";

    // schluessel as "Software\Company\Product"; without the leading
    // "Software\" part it names the QSettings organisation and application.
    explicit TSprache(const QString &schluessel);
    ~TSprache();
    TSprache(const TSprache &) = delete;
    TSprache &operator=(const TSprache &) = delete;

    // The language at start: uebersteuern (from the command line) for this
    // run only, otherwise the stored choice, otherwise German. Returns false
    // (and starts with the stored choice) when uebersteuern names no known
    // language.
    bool Starte(const QString &uebersteuern = {});

    // Switches to kuerzel at once; with speichern the choice is stored for the
    // next start. False for an unknown language.
    bool Setze(const QString &kuerzel, bool speichern = true);

    QString Aktuell() const { return m_aktuell; }
    // The choice stored under the key ("de" when none or an unknown one is stored).
    QString Gespeichert() const;

private:
    void entferneUebersetzer();

    QString m_organisation;
    QString m_anwendung;
    QString m_aktuell = QStringLiteral("de");
    bool m_geladen = false;
    std::unique_ptr<QTranslator> m_programm;
    std::unique_ptr<QTranslator> m_qt;
};

#include "shell/USprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

const QList<TSprache::Eintrag> &TSprache::Sprachen() {
    static const QList<Eintrag> sprachen{{QStringLiteral("de"), QStringLiteral("Deutsch")},
                                         {QStringLiteral("en"), QStringLiteral("English")},
                                         {QStringLiteral("fr"), QStringLiteral("Français")}};
    return sprachen;
}

bool TSprache::Bekannt(const QString &kuerzel) {
    for (const Eintrag &e : Sprachen())
        if (e.Kuerzel == kuerzel)
            return true;
    return false;
}

TSprache::TSprache(const QString &schluessel) {
    // "Software\O2-Humaro\Locales": QSettings puts organisation and
    // application under HKEY_CURRENT_USER\Software on Windows.
    QStringList teile = schluessel.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!teile.isEmpty() && teile.constFirst().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        teile.removeFirst();
    m_organisation = teile.value(0);
    m_anwendung = teile.mid(1).join(QLatin1Char('/'));
}

TSprache::~TSprache() {
    entferneUebersetzer();
}

QString TSprache::Gespeichert() const {
    const QSettings einstellungen(m_organisation, m_anwendung);
    const QString wert = einstellungen.value(QLatin1String(Wert)).toString();
    return Bekannt(wert) ? wert : QStringLiteral("de");
}

bool TSprache::Starte(const QString &uebersteuern) {
    if (!uebersteuern.isEmpty() && Setze(uebersteuern, false))
        return true;
    Setze(Gespeichert(), false);
    return uebersteuern.isEmpty();
}

bool TSprache::Setze(const QString &kuerzel, bool speichern) {
    if (!Bekannt(kuerzel))
        return false;
    if (speichern) {
        QSettings einstellungen(m_organisation, m_anwendung);
        einstellungen.setValue(QLatin1String(Wert), kuerzel);
    }
    if (kuerzel == m_aktuell && m_geladen)
        return true;
    // Removing and installing translators each posts the language-change
    // event that makes every window set its texts again.
    entferneUebersetzer();
    m_aktuell = kuerzel;
    m_geladen = true;
    // Qt's own texts (standard buttons, dialogs), where they are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + kuerzel, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get()))
        m_qt = std::move(qt);
    if (kuerzel != QLatin1String("de")) {
        auto programm = std::make_unique<QTranslator>();
        if (programm->load(QStringLiteral(":/i18n/kompost_") + kuerzel) &&
            QCoreApplication::installTranslator(programm.get()))
            m_programm = std::move(programm);
    }
    return true;
}

void TSprache::entferneUebersetzer() {
    if (m_programm)
        QCoreApplication::removeTranslator(m_programm.get());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    m_programm.reset();
    m_qt.reset();
}

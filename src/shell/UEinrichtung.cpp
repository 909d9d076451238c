#include "shell/UEinrichtung.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"
#include "shell/UHeimordner.h"
#include "shell/UIniDatei.h"
#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"
#include "shell/UZustand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Einrichtung {

namespace {

// The folder in native spelling with a trailing separator, as "Pfad" holds it.
QString mitTrenner(const QString &ordner) {
    QString pfad = QDir::toNativeSeparators(QDir(ordner).absolutePath());
    if (!pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    return pfad;
}

// The first of the texts that the files cannot hold, empty when all fit.
QString nichtDarstellbar(const QStringList &texte) {
    for (const QString &t : texte)
        if (!Cp1252::darstellbar(t) || t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r')))
            return t;
    return QString();
}

} // namespace

bool Noetig(const QString &heimordner) {
    return !Heimordner::HaeltInstallation(heimordner);
}

TEinrichtung Vorschlag(const QString &heimordner) {
    TEinrichtung e;
    e.PortGeraet = StandardPortGeraet(1);
    e.BaudIndex = 2;
    e.Datenordner = QDir::toNativeSeparators(QDir(heimordner).filePath(QStringLiteral("Daten")));
    e.Firma = {QStringLiteral("Firmen- Name"), QStringLiteral("* Text *"), QStringLiteral("* Text *")};
    return e;
}

QString Pruefe(const TEinrichtung &e) {
    if (e.Anlagen < 1 || e.Anlagen > MaxAnlagen)
        return QCoreApplication::translate("Einrichtung",
                                           "Die Zahl der Anlagen muss zwischen 1 und 32 liegen.");
    if (e.Netzwerk) {
        if (e.NetAdresse.trimmed().isEmpty())
            return QCoreApplication::translate(
                "Einrichtung", "Bitte die IP- Adresse oder den Netzwerknamen des Netzwerkadapters angeben.");
        if (e.NetAdresse.size() > 40 || !nichtDarstellbar({e.NetAdresse}).isEmpty())
            return QCoreApplication::translate(
                       "Einrichtung",
                       "Die Adresse %1 ist keine gültige IP- Adresse und kein gültiger Netzwerkname.")
                .arg(e.NetAdresse);
        if (e.NetPort < 1 || e.NetPort > 65535)
            return QCoreApplication::translate("Einrichtung",
                                               "Die Port- Nummer muss zwischen 1 und 65535 liegen.");
    } else {
        if (e.PortGeraet.trimmed().isEmpty())
            return QCoreApplication::translate("Einrichtung", "Bitte eine serielle Schnittstelle wählen.");
        if (!nichtDarstellbar({e.PortGeraet}).isEmpty())
            return QCoreApplication::translate(
                       "Einrichtung",
                       "Die Schnittstelle %1 kann nicht in die Konfigurationsdatei geschrieben werden.")
                .arg(e.PortGeraet);
        if (e.BaudIndex < 0 || e.BaudIndex > 3)
            return QCoreApplication::translate("Einrichtung",
                                               "Bitte eine Übertragungsgeschwindigkeit wählen.");
    }
    if (e.Datenordner.trimmed().isEmpty())
        return QCoreApplication::translate("Einrichtung",
                                           "Bitte einen Ordner für die Messdatendateien angeben.");
    if (const QString meldung = KompUtils::PfadMeldung(e.Datenordner); !meldung.isEmpty())
        return meldung;
    if (!QDir().mkpath(e.Datenordner) || !Heimordner::Beschreibbar(e.Datenordner))
        return QCoreApplication::translate(
                   "Einrichtung",
                   "In den Ordner %1 kann nicht geschrieben werden. Bitte einen anderen Ordner für die "
                   "Messdatendateien wählen.")
            .arg(QDir::toNativeSeparators(e.Datenordner));
    if (e.Firma.size() != 3)
        return QCoreApplication::translate("Einrichtung",
                                           "Bitte die drei Zeilen des Protokollkopfs angeben.");
    if (const QString t = nichtDarstellbar(e.Firma); !t.isEmpty())
        return QCoreApplication::translate(
                   "Einrichtung",
                   "Der Text „%1“ enthält Zeichen, die die Konfigurationsdatei nicht aufnehmen kann.")
            .arg(t);
    return QString();
}

int PortNummer(const QString &geraet) {
    const QString g = geraet.trimmed();
    for (int n = 1; n <= 8; ++n) {
        const QString standard = StandardPortGeraet(n);
        // Windows spells a port's device also as \\.\COMn.
        if (g.compare(standard, Qt::CaseInsensitive) == 0 ||
            g.compare(QStringLiteral("\\\\.\\") + standard, Qt::CaseInsensitive) == 0)
            return n;
    }
    return 0;
}

bool Schreibe(const QString &heimordner, const TEinrichtung &e, QString &fehler) {
    fehler = Pruefe(e);
    if (!fehler.isEmpty())
        return false;
    if (!QDir().mkpath(heimordner)) {
        fehler = QCoreApplication::translate("Einrichtung", "Der Ordner %1 kann nicht angelegt werden.")
                     .arg(QDir::toNativeSeparators(heimordner));
        return false;
    }
    const QDir heim(heimordner);
    const QString konfigName = heim.filePath(QLatin1String(KonfigDateiName));
    const QString installationName = heim.filePath(QLatin1String(InstallationsDateiName));
    // Never over an installation: its files are the operator's.
    if (QFileInfo::exists(konfigName) || QFileInfo::exists(installationName)) {
        fehler = QCoreApplication::translate("Einrichtung",
                                             "Im Ordner %1 ist schon eine Installation eingerichtet.")
                     .arg(QDir::toNativeSeparators(heimordner));
        return false;
    }

    const QString com = QStringLiteral("COM");
    const int portNummer = e.Netzwerk ? 1 : PortNummer(e.PortGeraet);
    TIniDatei konfig(konfigName);
    bool ok = konfig.WriteInteger(com, QStringLiteral("LAYER"), e.Netzwerk ? 1 : 0) &&
              konfig.WriteInteger(com, QStringLiteral("COM"), portNummer > 0 ? portNummer : 1);
    if (ok && e.Netzwerk)
        ok = konfig.WriteString(com, QStringLiteral("NETADR"), e.NetAdresse.trimmed()) &&
             konfig.WriteInteger(com, QStringLiteral("NETPORT"), e.NetPort);
    const QString firma = QStringLiteral("Firma");
    ok = ok && konfig.WriteString(firma, QStringLiteral("Titel"), e.Firma.at(0)) &&
         konfig.WriteString(firma, QStringLiteral("Zeile2"), e.Firma.at(1)) &&
         konfig.WriteString(firma, QStringLiteral("Zeile3"), e.Firma.at(2));
    const QString pfad = mitTrenner(e.Datenordner);
    for (int n = 1; ok && n <= e.Anlagen; ++n)
        ok = konfig.WriteString(QString::number(n), QStringLiteral("Pfad"), pfad);

    TIniDatei installation(installationName);
    const QString inst = QStringLiteral("Installation");
    QString installationFehler;
    if (ok) {
        ok = installation.WriteInteger(inst, QStringLiteral("Anlagen"), e.Anlagen) &&
             installation.WriteBool(inst, QStringLiteral("Adressen33"), e.Adressen33) &&
             installation.WriteBool(inst, QStringLiteral("Logo"), false) &&
             installation.WriteInteger(inst, QStringLiteral("BaudIndex"), e.Netzwerk ? 0 : e.BaudIndex) &&
             installation.WriteBool(inst, QStringLiteral("Netzwerk"), e.Netzwerk);
        if (ok && !e.Netzwerk && portNummer == 0)
            ok = installation.WriteString(QStringLiteral("Ports"), PortName(1), e.PortGeraet.trimmed());
        if (!ok)
            installationFehler = installation.LetzterFehler();
    }
    if (!ok) {
        fehler =
            QCoreApplication::translate("Einrichtung", "Die Einrichtung konnte nicht gespeichert werden: %1")
                .arg(installationFehler.isEmpty() ? konfig.LetzterFehler() : installationFehler);
        // Nothing half written stays behind: the next start asks again.
        QFile::remove(installationName);
        QFile::remove(konfigName);
        return false;
    }
    return true;
}

} // namespace Einrichtung

#include "display/UMietenVerwaltung.h"

#include "data/UGehalten.h"
#include "shell/UCp1252.h"
#include "shell/UIniDatei.h"
#include "shell/UKonfiguration.h"
#include "shell/ULog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TMietenVerwaltung)
};

// What continuing a pile takes from its data file.
struct TDateiKopf {
    QString Name; // as the header has it, after the colon
    QString Komm;
    qint32 Anzahl = 0;
};

// A data file of this program that holds its header alone (the pile ended
// before its first record): the nine header lines as the writer puts them,
// and nothing after them.
bool NurKopf(const QString &pfad, TDateiKopf &kopf) {
    QFile f(pfad);
    // a header is a few hundred bytes
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024)
        return false;
    QByteArray inhalt = f.readAll();
    if (!inhalt.endsWith('\n'))
        return false;
    inhalt.chop(1);
    QList<QByteArray> zeilen = inhalt.split('\n');
    if (zeilen.size() != 9)
        return false;
    QStringList text;
    for (QByteArray &z : zeilen) {
        if (z.endsWith('\r'))
            z.chop(1);
        text.append(Cp1252::decode(z));
    }
    const QString name = QStringLiteral("Anlagen- Name:");
    if (!text.at(4).startsWith(name) || !text.at(5).startsWith(QStringLiteral("Datei  - Name:")) ||
        text.at(8) != TDataFile::ColumnTitles())
        return false;
    kopf.Name = text.at(4).mid(name.size());
    kopf.Komm = text.at(6);
    kopf.Anzahl = 0;
    return true;
}

// The header of a data file of this program, with or without records.
bool LeseKopf(const TZustand &z, const QString &pfad, TDateiKopf &kopf) {
    if (pfad.isEmpty())
        return false;
    TMessDaten daten(z);
    if (daten.Load(pfad) && daten.Valid()) {
        kopf.Name = daten.PlantName();
        kopf.Komm = daten.Comment1();
        kopf.Anzahl = daten.LineCount();
        return true;
    }
    return NurKopf(pfad, kopf);
}
} // namespace

TMietenVerwaltung::TMietenVerwaltung(TKommunikation &komm, TDataFile &datei, TIniDatei &ini,
                                     TSpeicherung &speicherung, IMietenAnzeige &anzeige)
    : m_komm(komm), m_datei(datei), m_ini(ini), m_speicherung(speicherung), m_anzeige(anzeige) {
}

QString TMietenVerwaltung::TextKeineDatendatei() {
    return TTexte::tr("Datendatei existiert nicht oder\n") +
           TTexte::tr("Kein gültiger Dateiaufbau\nDatei war nicht von dieser Software erzeugt!");
}

QString TMietenVerwaltung::TextNichtEingeschaltet() {
    return TTexte::tr("Anlage ist NICHT eingeschaltet!!\nFehler beim Starten!");
}

QString TMietenVerwaltung::TextNichtGestartet() {
    return TTexte::tr("Anlage hat nicht eingeschaltet – Miete nicht gestartet");
}

QString TMietenVerwaltung::TextAusschaltenFrage(int nummer, const QString &name) {
    return TTexte::tr("Soll die Anlage %1 (Miete „%2“) ausgeschaltet werden ?\nEs werden keine weiteren "
                      "Messwerte gespeichert.\nEinschalten durch Start einer neuen Miete!!")
        .arg(nummer)
        .arg(name);
}

QString TMietenVerwaltung::TextTrotzdemAusschalten() {
    return TTexte::tr("Nicht alle Daten wurden korrekt gespeichert!!\nTrotzdem Anlage ausschalten???");
}

QString TMietenVerwaltung::TextAusgeschaltet() {
    return TTexte::tr("Anlage ist ausgeschaltet!!\nEinschalten durch Start einer neuen Miete!");
}

QString TMietenVerwaltung::TextNichtAusgeschaltet() {
    return TTexte::tr("Anlage ist NICHT ausgeschaltet!!\nFehler bei der Übertragung!");
}

QString TMietenVerwaltung::TextVorigeMieteFrage(qint32 wartend, const QString &datei, const QString &grund,
                                                const QString &ziel) {
    QString text =
        wartend < 0
            ? TTexte::tr(
                  "Ob in der Steuerung noch Datensätze der vorigen Miete sind, kann nicht gelesen werden.")
            : TTexte::tr("In der Steuerung sind noch %1 Datensätze der vorigen Miete.").arg(wartend);
    // Where they belong, unless the reason names the file already.
    const QString gezeigt = QDir::toNativeSeparators(datei);
    if (!datei.isEmpty() && !grund.contains(gezeigt))
        text += QLatin1Char('\n') + TTexte::tr("Ihre Datei: %1").arg(gezeigt);
    if (!grund.isEmpty())
        text += QLatin1Char('\n') + grund;
    text += QLatin1Char('\n');
    if (ziel.isEmpty())
        text += TTexte::tr("Beim Start kämen sie in die Datei der neuen Miete.\nMiete trotzdem starten?");
    else
        text += TTexte::tr("Beim Fortführen kämen sie in die Datei %1.\nMiete trotzdem fortführen?")
                    .arg(QDir::toNativeSeparators(ziel));
    return text;
}

QString TMietenVerwaltung::TextVorigeMieteGelesen(qint32 gelesen, const QString &datei) {
    return TTexte::tr("%1 Datensätze der vorigen Miete aus der Steuerung in ihre Datei gelesen:\n%2")
        .arg(gelesen)
        .arg(QDir::toNativeSeparators(datei));
}

tAnlageParameter &TMietenVerwaltung::aktuelle() {
    TZustand &z = m_komm.Zustand;
    return z.Anlagen[static_cast<size_t>(std::clamp<int>(z.AktAnlage, 1, MaxAnlagen))];
}

bool TMietenVerwaltung::keineVerbindung() {
    if (!m_komm.Verbindung.Getrennt())
        return false;
    m_anzeige.Warnung(m_komm.Verbindung.KeineVerbindungText());
    return true;
}

bool TMietenVerwaltung::KannStarten() const {
    const TZustand &z = m_komm.Zustand;
    if (z.AktAnlage < 1 || z.AktAnlage > MaxAnlagen || z.AktAnlage > z.AnlagenAnzahl)
        return false;
    const tAnlageParameter &a = z.Anlagen[z.AktAnlage];
    return a.Angeschlossen != 0 && a.Eingeschaltet == 0;
}

bool TMietenVerwaltung::KannBeenden() const {
    const TZustand &z = m_komm.Zustand;
    if (z.AktAnlage < 1 || z.AktAnlage > MaxAnlagen || z.AktAnlage > z.AnlagenAnzahl)
        return false;
    const tAnlageParameter &a = z.Anlagen[z.AktAnlage];
    return a.Angeschlossen != 0 && a.Eingeschaltet != 0;
}

bool TMietenVerwaltung::Einschalten(bool neueMiete, const std::function<void()> &beiErfolg) {
    m_anzeige.StopTimer();
    const bool ein = einschalten(neueMiete, beiErfolg);
    // The window shows the plant as it is now, switched on or not.
    m_anzeige.Auffrischen();
    m_anzeige.StartTimer();
    return ein;
}

bool TMietenVerwaltung::einschalten(bool neueMiete, const std::function<void()> &beiErfolg) {
    TZustand &z = m_komm.Zustand;
    const auto nr = static_cast<quint8>(std::clamp<int>(z.AktAnlage, 1, MaxAnlagen));
    tAnlageParameter &a = aktuelle();
    TAnlagenOperationen &op = m_komm.Operationen;

    op.SendeDatum(nr);
    op.SendeUhrzeit(nr);
    if (!op.SetzeBetriebsart(nr, a.Betriebsart)) {
        // The failed learning cleared both flags; the plant was connected.
        a.Angeschlossen = 1;
        a.Eingeschaltet = 0;
        return false;
    }
    if (!op.SchalteAnlageEin(nr)) {
        a.Eingeschaltet = 0;
        return false;
    }
    if (beiErfolg)
        beiErfolg();
    if (neueMiete)
        m_datei.NewDataFileName(nr);
    return true;
}

TMietenVerwaltung::TVorigeMiete TMietenVerwaltung::VorigeMieteAuslesen(const QString &neuesZiel) {
    TZustand &z = m_komm.Zustand;
    const int nr = std::clamp<int>(z.AktAnlage, 1, MaxAnlagen);
    TVorigeMiete v;
    // Emptied in memory when the pile ended; the configuration keeps it.
    v.Datei = m_datei.LetzteDatei(nr);
    qint32 anzahl = 0;
    QString grund;
    if (!m_speicherung.LeseAnzahl(nr, anzahl)) {
        v.Wartend = -1;
        if (z.TimeoutAbgelaufen)
            grund = m_komm.Verbindung.KeineAntwortText();
        else if (const std::optional<qint32> n = m_speicherung.UnmoeglicheAnzahl())
            grund = TSpeicherung::TextUnmoeglicheAnzahl(*n);
    } else if (anzahl == 0) {
        return v;
    } else {
        const bool ok = m_speicherung.StoreLeftoverRecords(nr, v.Datei);
        v.Gelesen = m_speicherung.Gelesen();
        if (ok)
            return v;
        const qint32 angekuendigt = m_speicherung.Angekuendigt();
        v.Wartend = std::max<qint32>(0, (angekuendigt >= 0 ? angekuendigt : anzahl) - v.Gelesen);
        grund = m_speicherung.LastError();
        // Every record is out of the controller (one the disk refused is
        // kept for that file): nothing of the old pile can reach the new one.
        if (v.Wartend == 0) {
            v.Fehler = grund;
            return v;
        }
    }
    v.Weiter = m_anzeige.Frage(TextVorigeMieteFrage(v.Wartend, v.Datei, grund, neuesZiel));
    return v;
}

void TMietenVerwaltung::vorigeMieteMelden(const TVorigeMiete &vorige) {
    if (vorige.Gelesen == 0 || vorige.Wartend != 0)
        return;
    QString text = TextVorigeMieteGelesen(vorige.Gelesen, vorige.Datei);
    if (!vorige.Fehler.isEmpty())
        text += QLatin1Char('\n') + vorige.Fehler;
    m_anzeige.Meldung(text);
}

bool TMietenVerwaltung::einschaltenUndMelden(bool neueMiete, const std::function<void()> &beiErfolg,
                                             const TVorigeMiete &vorige, QString fehlText) {
    const bool ein = einschalten(neueMiete, beiErfolg);
    m_anzeige.Auffrischen();
    m_anzeige.StartTimer();
    vorigeMieteMelden(vorige);
    if (!ein) {
        // Without any reply, the operator also hears what to check.
        if (m_komm.Zustand.TimeoutAbgelaufen)
            fehlText += QLatin1Char('\n') + m_komm.Verbindung.KeineAntwortText();
        m_anzeige.Warnung(fehlText);
    }
    return ein;
}

TMietenVerwaltung::TStart TMietenVerwaltung::MieteStarten(const std::function<void()> &speichern) {
    if (keineVerbindung())
        return TStart::KeineVerbindung;
    m_anzeige.StopTimer();
    const TVorigeMiete vorige = VorigeMieteAuslesen(QString());
    if (!vorige.Weiter) {
        m_anzeige.StartTimer();
        return TStart::Abgebrochen;
    }
    // Not switched on, the new pile's name and file were never stored: the
    // plant keeps the previous ones.
    return einschaltenUndMelden(true, speichern, vorige, TextNichtGestartet()) ? TStart::Eingeschaltet
                                                                               : TStart::NichtEingeschaltet;
}

QStringList TMietenVerwaltung::KeineDatendateien() {
    // The alarm journal ("Alarme_<yyyy>.CSV") and the outbox ("MQTT_Ausgang.txt")
    // belong to higher parts of the program, which this one does not know.
    return {TLog::NamensMuster(), QStringLiteral("Alarme_[0-9][0-9][0-9][0-9].CSV"),
            QStringLiteral("MQTT_Ausgang.*"), QLatin1String(TGehalten::DateiName)};
}

QString TMietenVerwaltung::FortsetzungsOrdner() {
    tAnlageParameter &a = aktuelle();
    if (a.Pfad.isEmpty() || !QFileInfo(a.Pfad).isDir())
        a.Pfad = HeimordnerMitTrenner(m_komm.Zustand);
    return a.Pfad;
}

TMietenVerwaltung::TFortsetzung TMietenVerwaltung::MieteFortfuehren(const QString &datei) {
    TZustand &z = m_komm.Zustand;
    const int nr = std::clamp<int>(z.AktAnlage, 1, MaxAnlagen);
    tAnlageParameter &a = aktuelle();

    if (keineVerbindung())
        return TFortsetzung::KeineVerbindung;
    // A file that cannot be read at all (gone since it was chosen, no
    // permission) is no data file either; one with its header alone is.
    TDateiKopf kopf;
    if (!LeseKopf(z, datei, kopf)) {
        m_anzeige.Warnung(TextKeineDatendatei());
        return TFortsetzung::KeineDatendatei;
    }

    m_anzeige.StopTimer();
    const TVorigeMiete vorige = VorigeMieteAuslesen(datei);
    if (!vorige.Weiter) {
        m_anzeige.StartTimer();
        return TFortsetzung::Abgebrochen;
    }
    // The chosen file may be the previous pile's own, which may have grown
    // (by its leftovers, or by records kept from its last readout).
    if (!LeseKopf(z, datei, kopf)) {
        m_anzeige.StartTimer();
        m_anzeige.Warnung(TextKeineDatendatei());
        return TFortsetzung::KeineDatendatei;
    }

    const QFileInfo info(datei);
    QString ordner = QDir::toNativeSeparators(info.absolutePath());
    if (!ordner.endsWith(QDir::separator()))
        ordner += QDir::separator();
    // The header writes "Anlagen- Name: " + Name, and the name is read as
    // everything after the colon: without taking that one blank off again,
    // every continuation would put one more blank in front of the name.
    QString name = kopf.Name;
    if (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    a.Name = name;
    a.Komm = kopf.Komm;
    a.Datei = QDir::toNativeSeparators(info.absoluteFilePath());
    a.Pfad = ordner;
    a.Anzahl = kopf.Anzahl;

    const QString sektion = QString::number(nr);
    m_ini.WriteString(sektion, QStringLiteral("Name"), a.Name);
    m_ini.WriteString(sektion, QStringLiteral("Komm"), a.Komm);
    m_ini.WriteString(sektion, QStringLiteral("Datei"), a.Datei);
    m_ini.WriteString(sektion, QStringLiteral("Pfad"), a.Pfad);
    m_ini.WriteInteger(sektion, QStringLiteral("Anzahl"), a.Anzahl);
    SchreibeAnlage(z, m_ini, nr);

    return einschaltenUndMelden(false, {}, vorige, TextNichtEingeschaltet())
               ? TFortsetzung::Eingeschaltet
               : TFortsetzung::NichtEingeschaltet;
}

TMietenVerwaltung::TBeendet TMietenVerwaltung::MieteBeenden() {
    TZustand &z = m_komm.Zustand;
    const auto nr = static_cast<quint8>(std::clamp<int>(z.AktAnlage, 1, MaxAnlagen));
    // Neither the records nor the switch-off can reach the controller now.
    if (keineVerbindung())
        return TBeendet::KeineVerbindung;
    // The plant as the operator sees it numbered, and its pile.
    if (!m_anzeige.Frage(TextAusschaltenFrage(z.OptAdressen33 ? nr + 32 : nr, aktuelle().Name)))
        return TBeendet::Abgebrochen;

    m_anzeige.StopTimer();
    if (!m_speicherung.StoreControllerRecords() && !m_anzeige.Frage(TextTrotzdemAusschalten())) {
        m_anzeige.StartTimer();
        return TBeendet::LaeuftWeiter;
    }

    if (m_komm.Operationen.SchalteAnlageAus(nr)) {
        tAnlageParameter &a = aktuelle();
        z.Messwerte[nr].Gueltig = 0;
        a.Eingeschaltet = 0;
        a.Datei.clear();
        a.Anzahl = 0;
        m_anzeige.Auffrischen();
        m_anzeige.StartTimer();
        m_anzeige.Meldung(TextAusgeschaltet());
        return TBeendet::Ausgeschaltet;
    }
    m_anzeige.StartTimer();
    m_anzeige.Warnung(TextNichtAusgeschaltet());
    return TBeendet::NichtAusgeschaltet;
}

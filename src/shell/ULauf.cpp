#include "shell/ULauf.h"

#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"
#include "toolkit/UDialoge.h"

#include <QDir>

TZustand TLauf::zustandFuer(const QString &heimordner) {
    TZustand z;
    z.Heimordner = QDir(heimordner).absolutePath();
    // A system without a locale of its own (C/POSIX) would name data files and
    // logs after English month names with blanks; it gets the German formats
    // of the installations instead.
    if (z.Gebietsschema.language() == QLocale::C)
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
    LeseInstallation(z);
    return z;
}

TLauf::TLauf(const QString &heimordner, IDialoge &dialoge)
    : Zustand(zustandFuer(heimordner)),
      Ini(HeimDatei(Zustand, QLatin1String(KonfigDateiName)), Zustand.Gebietsschema), Log(Zustand),
      Komm(Zustand), Daten(Zustand, Ini), Dialoge(dialoge) {
    Komm.Protokoll.SetzeLog(&Log);
    Daten.SetzeEreignisse(&Ereignisse);
    QObject::connect(&Komm.Abfrage, &TAbfrage::Abgefragt, &Komm.Abfrage, [this](int anlage) {
        if (anlage >= 1 && anlage <= MaxAnlagen)
            Ereignisse.Messwert(anlage, Zustand.Messwerte[static_cast<size_t>(anlage)], Zustand.Jetzt());
    });
    QObject::connect(&Komm.Verbindung, &TVerbindung::Verbindungsstand, &Komm.Verbindung,
                     [this](bool verbunden) { Ereignisse.Verbindung(verbunden); });
    // A configuration file or an event log that cannot be written is a
    // disturbance of the PC until it is written again.
    Ini.NachSchreiben = [this](bool ok, const QString &fehler) {
        Stoerungen.Melden(TStoerung::Konfiguration, 0, !ok, fehler);
    };
    Log.Zustandswechsel = [this](bool ok, const QString &fehler) {
        Stoerungen.Melden(TStoerung::Ereignisprotokoll, 0, !ok, fehler);
    };
    // So is a list of kept records that cannot be written: a crash would
    // lose or double what it holds.
    Daten.GehalteneGesichert = [this](bool ok, const QString &fehler) {
        Stoerungen.Melden(TStoerung::GehalteneDatensaetze, 0, !ok, fehler);
    };
    Ereignisse.Anmelden(&m_logHoerer);
    Sicherung.SetzeEreignisse(&Ereignisse);
    Sicherung.SetzeStoerungen(&Stoerungen);
}

TLauf::~TLauf() {
    // Nothing reports to the listeners while the run goes.
    Ini.NachSchreiben = nullptr;
    Log.Zustandswechsel = nullptr;
    Daten.GehalteneGesichert = nullptr;
    Ereignisse.Abmelden(&m_logHoerer);
}

bool TLauf::KeineVerbindungMelden(QWidget *owner) {
    if (!Komm.Verbindung.Getrennt())
        return false;
    Dialoge.Warnung(owner, Komm.Verbindung.KeineVerbindungText());
    return true;
}

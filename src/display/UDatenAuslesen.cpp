#include "display/UDatenAuslesen.h"

#include "display/USpeicherung.h"
#include "shell/KompUtils.h"
#include "shell/UBetriebsart.h"
#include "shell/UStoerungen.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TDatenLesen)
};

QString Zahl4(int wert) {
    return QString::asprintf("%4d", wert);
}

QString Zahl5(int wert) {
    return QString::asprintf("%5d", wert);
}

} // namespace

TDatenLesen::TDatenLesen(TKommunikation &komm, TDataFile &datei, IDatenLesenAnzeige &anzeige)
    : m_komm(komm), m_datei(datei), m_anzeige(anzeige) {
}

QList<int> TDatenLesen::Spaltenbreiten() {
    return {30, 120, 40, 40, 40, 40, 40, 47, 88, 71, 59, 89};
}

QStringList TDatenLesen::Spaltentitel(const TZustand &z) {
    static const char *const celsius[] = {
        QT_TRANSLATE_NOOP("TDatenLesen", "T5[°C]"), QT_TRANSLATE_NOOP("TDatenLesen", "T4[°C]"),
        QT_TRANSLATE_NOOP("TDatenLesen", "T3[°C]"), QT_TRANSLATE_NOOP("TDatenLesen", "T2[°C]"),
        QT_TRANSLATE_NOOP("TDatenLesen", "T1[°C]")};
    static const char *const fahrenheit[] = {
        QT_TRANSLATE_NOOP("TDatenLesen", "T5[°F]"), QT_TRANSLATE_NOOP("TDatenLesen", "T4[°F]"),
        QT_TRANSLATE_NOOP("TDatenLesen", "T3[°F]"), QT_TRANSLATE_NOOP("TDatenLesen", "T2[°F]"),
        QT_TRANSLATE_NOOP("TDatenLesen", "T1[°F]")};
    QStringList titel{QString(), TTexte::tr("Datum")};
    for (int i = 0; i < 5; ++i)
        titel.append(TTexte::tr(z.Metric ? fahrenheit[i] : celsius[i]));
    titel << TTexte::tr("% O2") << TTexte::tr("Betriebsart") << TTexte::tr("Laufzeit") << TTexte::tr("Zyklen")
          << (z.ShowRef ? z.RefText : QString());
    return titel;
}

QDateTime TDatenLesen::Speicherzeit(const TZustand &z) {
    const QDateTime nullpunkt(QDate(1899, 12, 30), QTime(0, 0));
    qint32 tag = 0, monat = 0, jahr = 0, stunde = 0, minute = 0;
    if (!KompUtils::AlsGanzzahl(z.DsTag, tag) || !KompUtils::AlsGanzzahl(z.DsMonat, monat) ||
        !KompUtils::AlsGanzzahl(z.DsJahr, jahr) || !KompUtils::AlsGanzzahl(z.DsStunde, stunde) ||
        !KompUtils::AlsGanzzahl(z.DsMinute, minute))
        return nullpunkt;
    // The zero point is the earliest time shown; year 0 does not exist.
    const QDate datum = jahr >= 1 ? QDate(jahr, monat, tag) : QDate();
    const QTime zeit(stunde, minute);
    if (!datum.isValid() || !zeit.isValid())
        return nullpunkt;
    return QDateTime(datum, zeit);
}

QStringList TDatenLesen::Zellen(const TZustand &z, int nr) {
    const tAnlageMesswerte &w = z.DatensatzWerte;
    // A record with fields that cannot be read is shown as the file keeps it.
    QString welche;
    const QString roh = z.DsFelder.isEmpty() ? QString() : TDatensatzAbruf::RohZeile(z, welche);
    if (!roh.isEmpty()) {
        const QStringList f = roh.split(QLatin1Char(';'));
        return {QString::number(nr), f.value(0), f.value(1),  f.value(2),
                f.value(3),          f.value(4), f.value(5),  f.value(7),
                f.value(8),          f.value(9), f.value(10), z.ShowRef ? f.value(6) : QString()};
    }
    const QDateTime zeit = Speicherzeit(z);
    QStringList zellen;
    zellen.reserve(Spalten);
    zellen << QString::number(nr)
           << KompUtils::KurzDatum(z.Gebietsschema, zeit.date()) + QStringLiteral("  ") +
                  zeit.time().toString(QStringLiteral("hh:mm"));
    for (size_t i = 1; i <= 5; ++i)
        zellen << Zahl4(z.Metric ? KompUtils::CelsiusNachFahrenheit(w.T[i]) : w.T[i]);
    // O2 as the data file writes it: width 5, one decimal, a decimal comma.
    QString o2 = QString::number(w.O2 / 10.0, 'f', 1);
    o2.replace(QLatin1Char('.'), QLatin1Char(','));
    zellen << o2.rightJustified(5, QLatin1Char(' ')) << KompUtils::BetriebsartText(w.Betriebsart)
           << Zahl5(w.Laufzeit) << Zahl5(w.Zyklen)
           << (z.ShowRef ? Zahl4(z.Metric ? KompUtils::CmNachZoll(w.RefMarke) : w.RefMarke) : QString());
    return zellen;
}

QString TDatenLesen::TextAusgeschaltetLeer() {
    return TTexte::tr("Anlage ist ausgeschaltet.\nIn der Steuerung sind keine Datensätze.");
}

QString TDatenLesen::TextAusgeschaltetOhneDatei(qint32 anzahl, const QString &grund) {
    return TTexte::tr("In der Steuerung sind noch %1 Datensätze der vorigen Miete.").arg(anzahl) +
           QLatin1Char('\n') + grund + QLatin1Char('\n') + TTexte::tr("Sie bleiben in der Steuerung.");
}

QString TDatenLesen::TextAbgebrochen(qint32 gespeichert, qint32 verbleibend) {
    return TTexte::tr("Daten auslesen abgebrochen.\n%1 Datensätze in Datei gespeichert, %2 bleiben in der "
                      "Steuerung und kommen mit der nächsten Auslesung.")
        .arg(gespeichert)
        .arg(verbleibend);
}

QString TDatenLesen::TextAbgebrochenStatus(qint32 gespeichert, qint32 verbleibend) {
    return TTexte::tr("Abgebrochen: %1 Datensätze gespeichert, %2 in der Steuerung")
        .arg(gespeichert)
        .arg(verbleibend);
}

QString TDatenLesen::TextVorigeMieteGespeichert(const QString &datei) {
    return TTexte::tr("Werte in Datei der vorigen Miete gespeichert: %1").arg(datei);
}

void TDatenLesen::Zuruecksetzen() {
    m_zeilen.clear();
    m_dateiGelesen.clear();
    m_anzeige.TabelleZuruecksetzen(LeereZeilen);
}

int TDatenLesen::DatenAuslesen() {
    TZustand &z = m_komm.Zustand;
    const int plant = z.AktAnlage;
    bool ok = false;
    QString grund;
    m_abgebrochen = false;
    const int gelesen = auslesen(ok, grund);
    // The operator's cancel is no failure: the records not asked for wait
    // in the controller for the next readout, and the operator was told so.
    if (gelesen >= 0 && !m_abgebrochen) {
        if (m_ereignisse)
            m_ereignisse->Auslesung(plant, ok, gelesen, ok ? QString() : grund);
        if (m_stoerungen)
            m_stoerungen->Melden(TStoerung::Auslesung, plant, !ok, grund);
    }
    return std::max(gelesen, 0);
}

int TDatenLesen::auslesen(bool &ok, QString &grund) {
    TZustand &z = m_komm.Zustand;
    Zuruecksetzen();
    const int plant = z.AktAnlage;
    if (plant < 1 || plant > MaxAnlagen)
        return -1;
    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(plant)];
    // A plant that does not answer has nothing to fetch.
    if (a.Angeschlossen == 0)
        return -1;
    // Without a connection nothing can be asked: said at once, and no
    // readout was tried.
    if (m_komm.Verbindung.Getrennt()) {
        m_anzeige.Warnung(m_komm.Verbindung.KeineVerbindungText());
        return -1;
    }
    const auto nr = static_cast<quint8>(plant);
    const bool laeuft = a.Eingeschaltet != 0;
    const QString nichtGespeichert =
        TTexte::tr("Daten wurden nicht korrekt gespeichert!!\nBitte Speichermedium überprüfen !!");

    // Records kept from an earlier readout go first; while the disk still
    // refuses them, nothing more is asked of the controller.
    if (!m_datei.GehalteneSchreiben(plant)) {
        grund = TTexte::tr("Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis "
                           "dahin bleiben die neuen in der Steuerung:")
                    .arg(plant) +
                QLatin1Char('\n') + m_datei.LastError();
        m_anzeige.Warnung(nichtGespeichert + QLatin1Char('\n') + grund);
        return 0;
    }

    if (laeuft && !m_datei.OpenDataFile(plant)) {
        grund = m_datei.LastError();
        m_anzeige.Warnung(TTexte::tr("Speicherdatei kann nicht geöffnet werden !"));
        return 0;
    }
    m_komm.Abfrage.StopTimer();
    std::optional<qint32> empfangen;
    if (!m_komm.Operationen.LeseAnzahlDaten(nr, &empfangen)) {
        QString text =
            TTexte::tr("Anzahl der Speicherdaten kann nicht ausgelesen werden !\nKommunikationsfehler !");
        if (m_komm.Verbindung.Getrennt())
            text += QLatin1Char('\n') + m_komm.Verbindung.KeineVerbindungText();
        // An impossible count is said with what came (log and alarm hear it).
        if (empfangen) {
            grund = TSpeicherung::TextUnmoeglicheAnzahl(*empfangen);
            text += QLatin1Char('\n') + grund;
        }
        m_anzeige.Warnung(text);
        if (laeuft)
            m_datei.CloseDataFile(plant);
        m_komm.Abfrage.StartTimer();
        return 0;
    }
    const qint32 anzahl = z.AnzahlDaten;
    if (m_ereignisse)
        m_ereignisse->Speicherstand(plant, anzahl);
    if (laeuft) {
        m_dateiGelesen = a.Datei;
    } else {
        // Switched off, the controller may still hold records of the pile
        // that ended before all were read: they go into that pile's data
        // file (the one the configuration names), never into another.
        if (anzahl == 0) {
            m_anzeige.Meldung(TextAusgeschaltetLeer());
            m_komm.Abfrage.StartTimer();
            ok = true;
            return 0;
        }
        const QString letzte = m_datei.LetzteDatei(plant);
        if (!m_datei.OpenEarlierDataFile(plant, letzte)) {
            grund = m_datei.LastError();
            m_anzeige.AnzahlZeigen(QString::number(anzahl));
            m_anzeige.Warnung(TextAusgeschaltetOhneDatei(anzahl, grund));
            m_komm.Abfrage.StartTimer();
            return 0;
        }
        m_dateiGelesen = QDir::toNativeSeparators(letzte);
    }

    m_anzeige.AnzahlZeigen(QString::number(anzahl));
    // The same room check and the same fetching as the other readouts.
    TDatensatzAbruf abruf(m_komm, m_datei, plant);
    const qint32 platz = abruf.Platz(anzahl);
    const QString platzGrund = abruf.Grund();
    m_anzeige.ZeilenAnzahl(platz + 1);
    m_anzeige.FortschrittZeigen(platz);
    bool schreibFehler = false;
    bool ende = false;
    QStringList unlesbar; // records that came with fields that cannot be read
    while (!ende && GeleseneZeilen() < platz && !schreibFehler) {
        const TDatensatzAbruf::TSchritt schritt = abruf.Naechster();
        if (schritt == TDatensatzAbruf::TSchritt::KeineAntwort ||
            schritt == TDatensatzAbruf::TSchritt::Abgewiesen) {
            m_anzeige.Warnung(m_komm.Verbindung.KeineAntwortText());
            grund = TTexte::tr("Keine Antwort auf die Anfrage nach Datensatz %1 von %2.")
                        .arg(GeleseneZeilen() + 1)
                        .arg(anzahl);
            break;
        }
        m_anzeige.FortschrittSchritt();
        const int zeile = GeleseneZeilen() + 1;
        m_anzeige.DatensatzNrZeigen(QString::number(zeile));
        if (abruf.LetzterUnlesbar())
            unlesbar.append(abruf.Unlesbar());
        if (schritt == TDatensatzAbruf::TSchritt::Gehalten) {
            schreibFehler = true;
            grund = abruf.Grund();
        }
        m_zeilen.append(Zellen(z, zeile));
        m_anzeige.ZeileZeigen(zeile, m_zeilen.last());
        // A cancel takes effect only now: this record's reply has arrived and
        // the controller may already have forgotten it, so it is kept.
        ende = m_anzeige.Abgebrochen();
    }
    // The busy window stays on top: it goes before the closing messages.
    m_anzeige.FortschrittVerbergen();

    const bool abgebrochen = ende && !schreibFehler && GeleseneZeilen() < anzahl;
    if (!abgebrochen)
        m_anzeige.Meldung(TTexte::tr("INFO Daten auslesen abgeschlossen."));
    // Fewer asked than announced: the operator hears why, and that the rest waits.
    if (platz < anzahl) {
        m_anzeige.Warnung(platzGrund);
        if (grund.isEmpty())
            grund = platzGrund;
    }
    // A file that cannot be written out loses records the controller may
    // already have forgotten: that counts as a failed write.
    if (!m_datei.CloseDataFile(plant)) {
        schreibFehler = true;
        if (grund.isEmpty())
            grund = m_datei.LastError();
    }
    // Kept as they came, but no readings: said, and the readout has not
    // brought every record readable into the file.
    if (!unlesbar.isEmpty()) {
        const QString text = unlesbar.join(QLatin1Char('\n'));
        m_anzeige.Warnung(text);
        grund = grund.isEmpty() ? text : grund + QLatin1Char('\n') + text;
    }
    ok = !schreibFehler && unlesbar.isEmpty() && GeleseneZeilen() == anzahl;
    m_abgebrochen = abgebrochen && !schreibFehler;
    if (m_abgebrochen) {
        const qint32 gelesen = GeleseneZeilen();
        m_anzeige.Meldung(TextAbgebrochen(gelesen, anzahl - gelesen));
        m_anzeige.StatusZeigen(TextAbgebrochenStatus(gelesen, anzahl - gelesen));
    } else if (schreibFehler) {
        m_anzeige.Warnung(nichtGespeichert + (grund.isEmpty() ? QString() : QLatin1Char('\n') + grund));
        m_anzeige.StatusZeigen(QString());
    } else if (laeuft) {
        m_anzeige.StatusZeigen(TTexte::tr("Werte in Datei gespeichert !"));
    } else {
        m_anzeige.StatusZeigen(TextVorigeMieteGespeichert(m_dateiGelesen));
    }
    m_komm.Abfrage.StartTimer();
    return GeleseneZeilen();
}

#include "display/USollwerte.h"

#include "shell/ULauf.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(TFO2MessSetup)
};

// The dialog's table: label, unit, explanation and range of each field, top to bottom.
const std::array<TSollFeldInfo, SollFelderAnzahl> Felder{{
    {TSollFeld::O2Ein, TSollGruppe::O2, "O2EINEdit", QT_TRANSLATE_NOOP("TFO2MessSetup", "O2-Einschaltwert:"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[vol%]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup",
                       "Sauerstoffkonzentration, bei welcher der \nLuefter eingeschaltet wird."),
     0, 210, true},
    {TSollFeld::O2Aus, TSollGruppe::O2, "O2AUSEdit", QT_TRANSLATE_NOOP("TFO2MessSetup", "O2-Ausschaltwert:"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[vol%]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup",
                       "Sauerstoffkonzentration, bei welcher der \nLuefter ausgeschaltet wird."),
     0, 210, true},
    {TSollFeld::Speicherintervall, TSollGruppe::Speicher, "SpeicherEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Speicherintervall"), QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP(
         "TFO2MessSetup",
         "Alle N- Minuten werden die aktuellen Mess-\nwerte in der Protokolldatei abgespeichert."),
     // the range its hint states, like every other whole-number field
     1, 300, false},
    {TSollFeld::IntervallEin, TSollGruppe::IntervallEin, "IntEINEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Lüfter- EIN- Intervall"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Zeit wie lange der Lüfter im Intervallbetrieb\neingeschaltet ist."),
     1, 300, false},
    {TSollFeld::IntervallAus, TSollGruppe::IntervallAus, "IntAUSEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Lüfter- AUS- Intervall"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Zeit wie lange der Lüfter im Intervallbetrieb\nausgeschaltet ist."),
     1, 300, false},
    {TSollFeld::MaxEin, TSollGruppe::Max, "MaxEinEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Max Lüfter- EIN-Zeit"), QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP(
         "TFO2MessSetup",
         "Zeit wie lange der Lüfter im maximal laufen\ndarf, bevor der Steuerbetrieb gestartet wird."),
     1, 300, false},
    {TSollFeld::MaxAus, TSollGruppe::Max, "MaxAUSEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Max. Lüfter- AUS- Zeit"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Zeit wie lange der Lüfter maximal abgeschaltet\nsein darf, bevor "
                                        "der Steuerbetrieb gestartet wird."),
     1, 300, false},
    {TSollFeld::SteuerEin, TSollGruppe::Steuer, "NotEINEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Steuer- EIN- Intervall"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Zeit wie lange der Lüfter im Steuerbetrieb\neingeschaltet ist."), 1,
     300, false},
    {TSollFeld::SteuerAus, TSollGruppe::Steuer, "NotAUSEdit",
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Steuer- AUS- Intervall"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "[min]"),
     QT_TRANSLATE_NOOP("TFO2MessSetup", "Zeit wie lange der Lüfter im Steuerbetrieb\nausgeschaltet ist."), 1,
     300, false},
}};

// The command of each group and the fields it carries, in upload order.
struct TGruppenBefehl {
    TSollGruppe Gruppe;
    quint8 Befehl;
    std::array<TSollFeld, 2> Werte;
    int Anzahl;
};
const std::array<TGruppenBefehl, SollGruppenAnzahl> Upload{{
    {TSollGruppe::Speicher,
     Befehle::Speicherintervall,
     {TSollFeld::Speicherintervall, TSollFeld::Speicherintervall},
     1},
    {TSollGruppe::O2, Befehle::O2Werte, {TSollFeld::O2Ein, TSollFeld::O2Aus}, 2},
    {TSollGruppe::IntervallEin, Befehle::IntervallEin, {TSollFeld::IntervallEin, TSollFeld::IntervallEin}, 1},
    {TSollGruppe::IntervallAus, Befehle::IntervallAus, {TSollFeld::IntervallAus, TSollFeld::IntervallAus}, 1},
    {TSollGruppe::Steuer, Befehle::SteuerZeiten, {TSollFeld::SteuerEin, TSollFeld::SteuerAus}, 2},
    {TSollGruppe::Max, Befehle::MaxZeiten, {TSollFeld::MaxEin, TSollFeld::MaxAus}, 2},
}};

// The value as it goes into the frame: inside the field's range.
quint16 FrameWert(const tAnlageSollwerte &s, TSollFeld f) {
    const TSollFeldInfo &info = SollFeldInfo(f);
    return static_cast<quint16>(std::clamp(SollWert(s, f), info.Min, info.Max));
}

QString WertText(TSollFeld f, qint32 wert, const QLocale &locale) {
    const TSollFeldInfo &info = SollFeldInfo(f);
    QString einheit = TTexte::tr(info.Einheit);
    einheit.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const QString zahl = info.Zehntel ? locale.toString(wert / 10.0, 'f', 1) : QString::number(wert);
    return zahl + QLatin1Char(' ') + einheit;
}

} // namespace

bool TSollMarken::Irgendeine() const {
    return std::any_of(m_marken.begin(), m_marken.end(), [](bool m) { return m; });
}

const std::array<TSollFeldInfo, SollFelderAnzahl> &SollFelder() {
    return Felder;
}

const TSollFeldInfo &SollFeldInfo(TSollFeld f) {
    return Felder[static_cast<size_t>(f)];
}

qint32 SollWert(const tAnlageSollwerte &s, TSollFeld f) {
    switch (f) {
    case TSollFeld::O2Ein:
        return s.O2Ein;
    case TSollFeld::O2Aus:
        return s.O2Aus;
    case TSollFeld::Speicherintervall:
        return s.Speicherintervall;
    case TSollFeld::IntervallEin:
        return s.IntervallEin;
    case TSollFeld::IntervallAus:
        return s.IntervallAus;
    case TSollFeld::MaxEin:
        return s.MaxEin;
    case TSollFeld::MaxAus:
        return s.MaxAus;
    case TSollFeld::SteuerEin:
        return s.SteuerEin;
    case TSollFeld::SteuerAus:
        return s.SteuerAus;
    }
    return 0;
}

void SetzeSollWert(tAnlageSollwerte &s, TSollFeld f, qint32 wert) {
    switch (f) {
    case TSollFeld::O2Ein:
        s.O2Ein = wert;
        break;
    case TSollFeld::O2Aus:
        s.O2Aus = wert;
        break;
    case TSollFeld::Speicherintervall:
        s.Speicherintervall = wert;
        break;
    case TSollFeld::IntervallEin:
        s.IntervallEin = wert;
        break;
    case TSollFeld::IntervallAus:
        s.IntervallAus = wert;
        break;
    case TSollFeld::MaxEin:
        s.MaxEin = wert;
        break;
    case TSollFeld::MaxAus:
        s.MaxAus = wert;
        break;
    case TSollFeld::SteuerEin:
        s.SteuerEin = wert;
        break;
    case TSollFeld::SteuerAus:
        s.SteuerAus = wert;
        break;
    }
}

int SollZehntel(double vol) {
    // The fields hold one decimal; the small allowance only undoes the
    // representation error of a decimal fraction before truncating.
    return static_cast<int>(std::floor(vol * 10.0 + 1e-6));
}

TSollwertAustausch::TSollwertAustausch(TLauf &lauf, IAnzeigeTimer &timer) : m_lauf(lauf), m_timer(timer) {
}

bool TSollwertAustausch::Lese(quint8 anlage) {
    const TSperre::THalter halter(m_lauf.Sperre);
    m_timer.StopTimer();
    const bool ok = m_lauf.Komm.Operationen.LeseSollwerte(anlage);
    m_timer.StartTimer();
    return ok;
}

void TSollwertAustausch::Sende(TLauf &lauf, quint8 anlage, const tAnlageSollwerte &werte,
                               const TSollMarken &marken) {
    for (const TGruppenBefehl &g : Upload) {
        if (!marken[g.Gruppe])
            continue;
        const quint16 a = FrameWert(werte, g.Werte[0]);
        if (g.Anzahl == 1)
            lauf.Komm.Abfrage.Sende(anlage, g.Befehl, {a});
        else
            lauf.Komm.Abfrage.Sende(anlage, g.Befehl, {a, FrameWert(werte, g.Werte[1])});
    }
}

TSollUploadErgebnis TSollwertAustausch::Lade(quint8 anlage, const tAnlageSollwerte &werte,
                                             const TSollMarken &marken) {
    TSollUploadErgebnis ergebnis;
    if (!marken.Irgendeine())
        return ergebnis;
    ergebnis.Gesendet = true;
    Sende(m_lauf, anlage, werte, marken);

    // Whether the controller took them: the values it reports now.
    ergebnis.Zurueckgelesen = Lese(anlage);
    const tAnlageSollwerte &gemeldet = m_lauf.Zustand.Sollwerte;
    for (const TGruppenBefehl &g : Upload) {
        if (!marken[g.Gruppe])
            continue;
        for (int i = 0; i < g.Anzahl; ++i) {
            const TSollFeld f = g.Werte[static_cast<size_t>(i)];
            const qint32 gesendet = FrameWert(werte, f);
            if (!ergebnis.Zurueckgelesen)
                ergebnis.Abweichungen.append(TSollAbweichung{f, gesendet, std::nullopt});
            else if (SollWert(gemeldet, f) != gesendet)
                ergebnis.Abweichungen.append(TSollAbweichung{f, gesendet, SollWert(gemeldet, f)});
        }
    }
    return ergebnis;
}

QString TSollwertAustausch::AbweichungsText(const TSollUploadErgebnis &ergebnis, int nummer,
                                            const QLocale &locale) {
    if (ergebnis.Uebernommen())
        return QString();
    QStringList zeilen;
    zeilen.append(
        ergebnis.Zurueckgelesen
            ? TTexte::tr("Die Steuerung der Anlage %1 hat nicht alle Einstellwerte übernommen:").arg(nummer)
            : TTexte::tr("Die Steuerung der Anlage %1 hat die Einstellwerte nicht zurückgemeldet:")
                  .arg(nummer));
    zeilen.append(QString());
    for (const TSollAbweichung &a : ergebnis.Abweichungen) {
        QString label = TTexte::tr(SollFeldInfo(a.Feld).Label);
        if (label.endsWith(QLatin1Char(':')))
            label.chop(1);
        const QString gesendet = WertText(a.Feld, a.Gesendet, locale);
        if (a.Gemeldet)
            zeilen.append(TTexte::tr("%1: gesendet %2, gemeldet %3")
                              .arg(label, gesendet, WertText(a.Feld, *a.Gemeldet, locale)));
        else
            zeilen.append(TTexte::tr("%1: gesendet %2, keine Antwort").arg(label, gesendet));
    }
    return zeilen.join(QLatin1Char('\n'));
}

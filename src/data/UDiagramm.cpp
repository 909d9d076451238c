#include "UDiagramm.h"

#include <algorithm>

// ---------------------------------------------------------------- TMessSerie

TMessSerie::TMessSerie(TSerienArt art, const QString &titel, TAchsenSeite achse, const QString &wertFormat,
                       TFarbe farbe, TLinienStil stil, QObject *parent)
    : QObject(parent), m_art(art), m_titel(titel), m_achse(achse), m_wertFormat(wertFormat), m_farbe(farbe),
      m_stil(stil) {
}

TMessSerie::~TMessSerie() {
    if (m_diagramm)
        m_diagramm->SerieEntfernen(this);
}

void TMessSerie::geaendert() {
    ++m_stand;
    if (m_diagramm)
        m_diagramm->melden();
}

void TMessSerie::SetTitel(const QString &titel) {
    m_titel = titel;
    geaendert();
}

void TMessSerie::SetAchse(TAchsenSeite achse) {
    m_achse = achse;
    geaendert();
}

void TMessSerie::SetWertFormat(const QString &format) {
    m_wertFormat = format;
    geaendert();
}

void TMessSerie::SetFarbe(TFarbe farbe) {
    m_farbe = farbe;
    geaendert();
}

void TMessSerie::SetStil(TLinienStil stil) {
    m_stil = stil;
    geaendert();
}

void TMessSerie::SetPlatzhalter(qsizetype anzahl) {
    m_platzhalter = std::max<qsizetype>(0, anzahl);
    geaendert();
}

void TMessSerie::SetMarkenSichtbar(bool sichtbar) {
    m_markenSichtbar = sichtbar;
    geaendert();
}

TFarbe TMessSerie::PunktFarbe(qsizetype i) const {
    const auto it =
        std::lower_bound(m_punktFarben.cbegin(), m_punktFarben.cend(), i,
                         [](const QPair<qsizetype, TFarbe> &e, qsizetype k) { return e.first < k; });
    if (it != m_punktFarben.cend() && it->first == i)
        return it->second;
    return m_farbe;
}

void TMessSerie::Hinzufuegen(double wert, TFarbe farbe) {
    if (farbe != m_farbe)
        m_punktFarben.append({m_werte.size(), farbe});
    m_werte.append(wert);
    geaendert();
}

void TMessSerie::Hinzufuegen(double wert) {
    m_werte.append(wert);
    geaendert();
}

void TMessSerie::Leeren() {
    m_werte.clear();
    m_punktFarben.clear();
    geaendert();
}

// ---------------------------------------------------------------- TDiagramm

TDiagramm::TDiagramm(QObject *parent) : QObject(parent) {
    // the second right scale appears only for a series that asks for it
    m_achsen[idx(TAchsenSeite::Rechts2)].NurMitSerie = true;
}

TDiagramm::~TDiagramm() {
    for (TMessSerie *s : std::as_const(m_serien))
        s->m_diagramm = nullptr;
}

void TDiagramm::melden() {
    if (m_gemeldet)
        return;
    m_gemeldet = true;
    emit geaendert();
}

void TDiagramm::SetTitel(const QStringList &zeilen) {
    m_titel = zeilen;
    melden();
}

void TDiagramm::SetFuss(const QStringList &zeilen) {
    m_fuss = zeilen;
    melden();
}

void TDiagramm::SetTitelFarbe(TFarbe farbe) {
    m_titelFarbe = farbe;
    melden();
}

void TDiagramm::SetFussFarbe(TFarbe farbe) {
    m_fussFarbe = farbe;
    melden();
}

void TDiagramm::SetDreidimensional(bool an) {
    m_3d = an;
    melden();
}

void TDiagramm::SetPunkteBeschneiden(bool an) {
    m_beschneiden = an;
    melden();
}

void TDiagramm::SetLegendeSichtbar(bool an) {
    m_legende = an;
    melden();
}

void TDiagramm::SetAchse(TAchsenSeite seite, const TDiagrammAchse &achse) {
    m_achsen[idx(seite)] = achse;
    melden();
}

void TDiagramm::SetAchseFest(TAchsenSeite seite, double min, double max) {
    TDiagrammAchse &a = m_achsen[idx(seite)];
    a.AutoMinimum = false;
    a.AutoMaximum = false;
    a.Minimum = min;
    a.Maximum = max;
    melden();
}

void TDiagramm::SetAchseAutoMaximum(TAchsenSeite seite, double min) {
    TDiagrammAchse &a = m_achsen[idx(seite)];
    a.AutoMinimum = false;
    a.AutoMaximum = true;
    a.Minimum = min;
    melden();
}

void TDiagramm::SetAchseMinimum(TAchsenSeite seite, double min) {
    TDiagrammAchse &a = m_achsen[idx(seite)];
    a.AutoMinimum = false;
    a.Minimum = min;
    melden();
}

void TDiagramm::SetAchseMaximum(TAchsenSeite seite, double max) {
    TDiagrammAchse &a = m_achsen[idx(seite)];
    a.AutoMaximum = false;
    a.Maximum = max;
    melden();
}

void TDiagramm::SetAchseSichtbar(TAchsenSeite seite, bool sichtbar) {
    m_achsen[idx(seite)].Sichtbar = sichtbar;
    melden();
}

void TDiagramm::SetAchseNurMitSerie(TAchsenSeite seite, bool an) {
    m_achsen[idx(seite)].NurMitSerie = an;
    melden();
}

bool TDiagramm::AchseGezeigt(TAchsenSeite seite) const {
    const TDiagrammAchse &a = m_achsen[idx(seite)];
    if (!a.Sichtbar)
        return false;
    if (!a.NurMitSerie)
        return true;
    return std::any_of(m_serien.cbegin(), m_serien.cend(),
                       [seite](const TMessSerie *s) { return s->Achse() == seite; });
}

void TDiagramm::SetAchseFormat(TAchsenSeite seite, const QString &format) {
    m_achsen[idx(seite)].WertFormat = format;
    melden();
}

void TDiagramm::SetAchseTitel(TAchsenSeite seite, const QString &titel) {
    m_achsen[idx(seite)].Titel = titel;
    melden();
}

void TDiagramm::EinstellungenUebernehmen(const TDiagramm &quelle) {
    m_titel = quelle.m_titel;
    m_fuss = quelle.m_fuss;
    m_titelFarbe = quelle.m_titelFarbe;
    m_fussFarbe = quelle.m_fussFarbe;
    m_3d = quelle.m_3d;
    m_beschneiden = quelle.m_beschneiden;
    m_legende = quelle.m_legende;
    m_achsen = quelle.m_achsen;
    melden();
}

void TDiagramm::SerieHinzufuegen(TMessSerie *serie) {
    if (!serie || serie->m_diagramm == this)
        return;
    if (serie->m_diagramm)
        serie->m_diagramm->SerieEntfernen(serie);
    serie->m_diagramm = this;
    m_serien.append(serie);
    melden();
}

void TDiagramm::SerieEntfernen(TMessSerie *serie) {
    if (!serie || serie->m_diagramm != this)
        return;
    m_serien.removeOne(serie);
    serie->m_diagramm = nullptr;
    melden();
}

void TDiagramm::AlleSerienEntfernen() {
    if (m_serien.isEmpty())
        return;
    for (TMessSerie *s : std::as_const(m_serien))
        s->m_diagramm = nullptr;
    m_serien.clear();
    melden();
}

// ---------------------------------------------------------------- number patterns

int MusterNachkommastellen(const QString &muster) {
    const qsizetype punkt = muster.indexOf(QLatin1Char('.'));
    if (punkt < 0)
        return 0;
    int n = 0;
    for (qsizetype i = punkt + 1; i < muster.size(); ++i)
        if (muster.at(i) == QLatin1Char('#') || muster.at(i) == QLatin1Char('0'))
            ++n;
    return n;
}

QString FormatiereMuster(double wert, const QString &muster, const QLocale &locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (muster.isEmpty())
        return l.toString(wert, 'g', QLocale::FloatingPointShortest);
    const int hoechstens = MusterNachkommastellen(muster);
    int mindestens = 0;
    const qsizetype punkt = muster.indexOf(QLatin1Char('.'));
    if (punkt >= 0)
        for (qsizetype i = punkt + 1; i < muster.size() && muster.at(i) == QLatin1Char('0'); ++i)
            ++mindestens;
    QString text = l.toString(wert, 'f', hoechstens);
    if (hoechstens > mindestens) {
        const QString dez = l.decimalPoint();
        const qsizetype p = text.indexOf(dez);
        if (p >= 0) {
            qsizetype ende = text.size();
            while (ende > p + dez.size() + mindestens && text.at(ende - 1) == l.zeroDigit().at(0))
                --ende;
            if (ende == p + dez.size())
                ende = p;
            text.truncate(ende);
        }
    }
    // "-0" after rounding reads as 0
    if (text == l.negativeSign() + l.zeroDigit())
        text = l.zeroDigit();
    return text;
}

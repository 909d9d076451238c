#include "data/UHygienisierung.h"

#include "data/UMessDaten.h"
#include "shell/KompUtils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

constexpr qint64 MinutenProTag = 24 * 60;

// The controller's clock as minutes since a fixed day: date and time of day
// only, whatever Qt::TimeSpec the value carries, so that no time zone and no
// daylight-saving rule of the PC enters the arithmetic.
qint64 minuten(const QDateTime &t) {
    return t.date().toJulianDay() * MinutenProTag + t.time().msecsSinceStartOfDay() / 60000;
}

// The same calendar time without a time zone (never in a daylight-saving gap).
QDateTime kalenderzeit(const QDateTime &t) {
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

bool lesbar(const THygieneSatz &s) {
    return s.Lesbar && s.Zeit.date().isValid() && s.Zeit.time().isValid();
}

int wertDerBasis(const THygieneSatz &s, THygieneBasis basis) {
    if (basis == THygieneBasis::Kern)
        return s.T[1];
    return *std::min_element(s.T.begin() + 1, s.T.end());
}

// Whether the record's readings of the basis can be believed.
bool plausibel(const THygieneSatz &s, THygieneBasis basis) {
    if (basis == THygieneBasis::Kern)
        return s.T[1] <= MaxPlausibleTemperatur;
    return *std::max_element(s.T.begin() + 1, s.T.end()) <= MaxPlausibleTemperatur;
}

// Time, temperatures and the other fields: equal for a record and its repeat.
QByteArray schluessel(const THygieneSatz &s, qint64 zeit) {
    QByteArray k;
    k.reserve(static_cast<qsizetype>(sizeof(qint64) + 5 * sizeof(qint32)) + s.Rest.size());
    k.append(reinterpret_cast<const char *>(&zeit), sizeof zeit);
    for (size_t i = 1; i <= 5; ++i)
        k.append(reinterpret_cast<const char *>(&s.T[i]), sizeof(qint32));
    k.append(s.Rest);
    return k;
}

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(THygienisierung)
};

// A record time in the locale's short date, as the protocol rows show it.
QString zeitText(const QLocale &ort, const QDateTime &t) {
    return KompUtils::KurzDatum(ort, t.date()) + QLatin1Char(' ') +
           t.time().toString(QStringLiteral("hh:mm"));
}

// The first criterion that counts and is met on the basis, -1 when none is.
int nachweis(const THygienisierung &h, THygieneBasis basis) {
    for (size_t k = 0; k < HygieneKriterien.size(); ++k)
        if (h.Gewertet(k) && h.Erfuellt[k][static_cast<size_t>(basis)])
            return static_cast<int>(k);
    return -1;
}

} // namespace

bool THygienisierung::Gewertet(size_t k) const {
    return k < HygieneKriterien.size() &&
           (!HygieneKriterien[k].NurGeschlossen || Art == TAnlagenArt::Geschlossen);
}

void SetzeAnlagenArt(THygienisierung &h, TAnlagenArt art) {
    h.Art = art;
    h.Nachweis = nachweis(h, THygieneBasis::Kern);
    h.NachweisAlle = nachweis(h, THygieneBasis::AlleMessstellen);
}

THygienisierung BewerteHygienisierung(const QList<THygieneSatz> &saetze, TAnlagenArt art) {
    THygienisierung h;

    // The records evaluated, in file order, each with its clock time and two
    // measures of the time since the first one: the forward steps of the
    // clock added up (a step back adds nothing), which tells how far apart
    // two records are; and how far the clock has passed the latest time it
    // showed before, which is the length a span may claim.
    struct TEintrag {
        const THygieneSatz *satz;
        qint64 zeit;
        qint64 vorwaerts;
        qint64 laenge;
    };
    qint64 hoechste = 0; // the latest clock time so far
    QList<TEintrag> folge;
    folge.reserve(saetze.size());
    QSet<QByteArray> gesehen;
    gesehen.reserve(saetze.size());
    for (const THygieneSatz &s : saetze) {
        if (!lesbar(s)) {
            ++h.Ausgelassen;
            continue;
        }
        const qint64 zeit = minuten(s.Zeit);
        QByteArray k = schluessel(s, zeit);
        if (gesehen.contains(k)) {
            ++h.Doppelt;
            continue;
        }
        gesehen.insert(std::move(k));
        qint64 vorwaerts = 0;
        qint64 laenge = 0;
        if (folge.isEmpty()) {
            hoechste = zeit;
        } else {
            const TEintrag &vorher = folge.constLast();
            const qint64 schritt = zeit - vorher.zeit;
            vorwaerts = vorher.vorwaerts + std::max<qint64>(schritt, 0);
            laenge = vorher.laenge + std::max<qint64>(zeit - hoechste, 0);
            hoechste = std::max(hoechste, zeit);
            if (schritt <= 0)
                h.Rueckstellungen.append({kalenderzeit(vorher.satz->Zeit), kalenderzeit(s.Zeit)});
            else if (schritt > MinutenProTag)
                h.Luecken.append({kalenderzeit(vorher.satz->Zeit), kalenderzeit(s.Zeit)});
        }
        if (!plausibel(s, THygieneBasis::AlleMessstellen))
            ++h.Unplausibel;
        folge.append({&s, zeit, vorwaerts, laenge});
    }
    h.Ausgewertet = static_cast<int>(folge.size());

    for (size_t k = 0; k < HygieneKriterien.size(); ++k) {
        const THygieneKriterium &kr = HygieneKriterien[k];
        for (size_t b = 0; b < 2; ++b) {
            const auto basis = static_cast<THygieneBasis>(b);
            THygieneSpanne &beste = h.Spanne[k][b];
            const TEintrag *start = nullptr;
            const TEintrag *letzter = nullptr; // the last record of the basis
            int saetzeInSpanne = 0;
            const auto schliessen = [&] {
                if (!start)
                    return;
                const qint64 dauer = letzter->laenge - start->laenge;
                if (!beste.Vorhanden || dauer > beste.Minuten) {
                    beste.Vorhanden = true;
                    beste.Von = kalenderzeit(start->satz->Zeit);
                    beste.Bis = kalenderzeit(letzter->satz->Zeit);
                    beste.Minuten = dauer;
                    beste.Saetze = saetzeInSpanne;
                }
                start = nullptr;
            };
            for (const TEintrag &e : folge) {
                // A reading the basis cannot believe is left out of it.
                if (!plausibel(*e.satz, basis))
                    continue;
                // More than 24 hours since the basis's last record: a gap.
                if (letzter && e.vorwaerts - letzter->vorwaerts > MinutenProTag)
                    schliessen();
                if (wertDerBasis(*e.satz, basis) >= kr.GradC) {
                    if (!start) {
                        start = &e;
                        saetzeInSpanne = 0;
                    }
                    ++saetzeInSpanne;
                } else {
                    schliessen();
                }
                letzter = &e;
            }
            schliessen();
            h.Erfuellt[k][b] =
                beste.Vorhanden && beste.Minuten >= static_cast<qint64>(kr.Tage) * MinutenProTag;
        }
    }
    SetzeAnlagenArt(h, art);
    return h;
}

THygienisierung BewerteHygienisierung(const TMessDaten &daten, TAnlagenArt art) {
    QList<THygieneSatz> saetze;
    saetze.reserve(daten.LineCount());
    TMessDaten::TSatz s;
    for (qint32 i = 0; i < daten.LineCount(); ++i) {
        if (daten.Lines().Bytes(i).trimmed().isEmpty())
            continue; // an empty line is no record
        THygieneSatz h;
        if (daten.Satz(i, s)) {
            h.Zeit = s.Zeit;
            h.T = s.T;
            h.Lesbar = s.TemperaturenLesbar;
            h.Rest = s.Rest;
        } else {
            h.Lesbar = false;
        }
        saetze.append(std::move(h));
    }
    THygienisierung h = BewerteHygienisierung(saetze, art);
    if (!daten.Pfad().isEmpty()) {
        h.Datei = QFileInfo(daten.Pfad()).fileName();
        h.Sha256 = daten.Sha256();
    }
    return h;
}

THygieneText HygieneText(const THygienisierung &h, bool metric, const QLocale &ort) {
    static const char *const basen[2] = {QT_TRANSLATE_NOOP("THygienisierung", "Kern"),
                                         QT_TRANSLATE_NOOP("THygienisierung", "alle Messstellen")};
    const auto grad = [metric](int c) {
        return metric ? TTexte::tr("%1 °F").arg(KompUtils::CelsiusNachFahrenheit(c))
                      : TTexte::tr("%1 °C").arg(c);
    };
    const auto anforderung = [&](const THygieneKriterium &k) {
        return TTexte::tr("≥ %1 über %2 Tage").arg(grad(k.GradC)).arg(k.Tage);
    };
    // The criterion as the closing lines name it.
    const auto kriterium = [&](int k) {
        const THygieneKriterium &kr = HygieneKriterien[static_cast<size_t>(k)];
        QString s = anforderung(kr);
        if (kr.NurGeschlossen)
            s += TTexte::tr(", nur geschlossene Anlagen");
        return s;
    };

    THygieneText t;
    t.Ueberschrift = TTexte::tr("Nachweis der Hygienisierung (längste Spanne je Kriterium)");
    t.Anlagenart = h.Art == TAnlagenArt::Geschlossen ? TTexte::tr("Anlagenart: geschlossen")
                                                     : TTexte::tr("Anlagenart: offen");
    for (size_t k = 0; k < HygieneKriterien.size(); ++k) {
        const THygieneKriterium &kr = HygieneKriterien[k];
        for (size_t b = 0; b < 2; ++b) {
            const THygieneSpanne &s = h.Spanne[k][b];
            THygieneZeile z;
            z.Anforderung = anforderung(kr);
            z.Gewertet = h.Gewertet(k);
            if (kr.NurGeschlossen)
                z.Vermerk = z.Gewertet ? TTexte::tr("nur geschlossene Anlagen")
                                       : TTexte::tr("nur geschlossene Anlagen – nicht gewertet");
            z.Kriterium =
                z.Vermerk.isEmpty() ? z.Anforderung : QStringLiteral("%1, %2").arg(z.Anforderung, z.Vermerk);
            z.Basis = TTexte::tr(basen[b]);
            if (s.Vorhanden) {
                z.Spanne = zeitText(ort, s.Von) + QStringLiteral(" – ") + zeitText(ort, s.Bis);
                z.Dauer = TTexte::tr("%1 Tage %2 Std.")
                              .arg(s.Minuten / MinutenProTag)
                              .arg((s.Minuten % MinutenProTag) / 60);
            } else {
                z.Spanne = TTexte::tr("nie erreicht");
                z.Dauer = QStringLiteral("–");
            }
            z.Erfuellt = h.Erfuellt[k][b];
            // A criterion that does not count for this plant gets no verdict of its own.
            z.Urteil = !z.Gewertet  ? TTexte::tr("nicht gewertet")
                       : z.Erfuellt ? TTexte::tr("erfüllt")
                                    : TTexte::tr("nicht erfüllt");
            t.Zeilen.append(z);
        }
    }
    for (const THygieneLuecke &l : h.Luecken)
        t.Luecken.append(TTexte::tr("Lücke: %1 – %2").arg(zeitText(ort, l.Von), zeitText(ort, l.Bis)));
    for (const THygieneLuecke &l : h.Rueckstellungen)
        t.Rueckstellungen.append(
            TTexte::tr("Uhrzeit zurückgestellt: %1 – %2").arg(zeitText(ort, l.Von), zeitText(ort, l.Bis)));
    if (h.Doppelt > 0)
        t.Doppelt = TTexte::tr("Doppelte Datensätze, nicht gewertet: %1").arg(h.Doppelt);
    if (h.Unplausibel > 0)
        t.Unplausibel = TTexte::tr("Unplausible Messwerte (über %1), nicht gewertet: %2")
                            .arg(grad(MaxPlausibleTemperatur))
                            .arg(h.Unplausibel);
    if (h.Ausgelassen > 0)
        t.Ausgelassen = TTexte::tr("Nicht lesbare Zeilen, nicht ausgewertet: %1").arg(h.Ausgelassen);
    t.Schluss = h.Nachgewiesen() ? TTexte::tr("Hygienisierung nachgewiesen: %1 im Kern")
                                       .arg(anforderung(HygieneKriterien[static_cast<size_t>(h.Nachweis)]))
                                 : TTexte::tr("Hygienisierung nicht nachgewiesen");
    if (h.Nachgewiesen() && HygieneKriterien[static_cast<size_t>(h.Nachweis)].NurGeschlossen)
        t.Schluss += TTexte::tr(", nur geschlossene Anlagen");
    t.SchlussAlle = h.AlleNachgewiesen()
                        ? TTexte::tr("An allen Messstellen nachgewiesen: %1").arg(kriterium(h.NachweisAlle))
                        : TTexte::tr("An allen Messstellen nicht nachgewiesen");
    if (!h.Datei.isEmpty()) {
        t.Datei = TTexte::tr("Datendatei: %1").arg(h.Datei);
        t.Pruefsumme = TTexte::tr("SHA-256: %1").arg(h.Sha256);
    }
    return t;
}

QStringList THygieneText::Hinweise() const {
    QStringList l = Luecken;
    l.append(Rueckstellungen);
    for (const QString &s : {Doppelt, Unplausibel, Ausgelassen})
        if (!s.isEmpty())
            l.append(s);
    return l;
}

QStringList HygieneZeilen(const THygieneText &t) {
    QStringList l;
    l.append(t.Ueberschrift);
    l.append(t.Anlagenart);
    for (const THygieneZeile &z : t.Zeilen)
        l.append(
            QStringLiteral("%1, %2: %3 (%4) – %5").arg(z.Kriterium, z.Basis, z.Spanne, z.Dauer, z.Urteil));
    l.append(t.Hinweise());
    l.append(t.Schluss);
    l.append(t.SchlussAlle);
    if (!t.Datei.isEmpty()) {
        l.append(t.Datei);
        l.append(t.Pruefsumme);
    }
    return l;
}

#include "data/UHygienisierung.h"

#include "data/UMessDaten.h"
#include "shell/KompUtils.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr qint64 MinutenProTag = 24 * 60;

// Wall-clock minutes, without daylight-saving shifts: the controllers keep local time.
qint64 minuten(const QDateTime &t) {
    return t.date().toJulianDay() * MinutenProTag + t.time().msecsSinceStartOfDay() / 60000;
}

int wertDerBasis(const THygieneSatz &s, THygieneBasis basis) {
    if (basis == THygieneBasis::Kern)
        return s.T[1];
    return *std::min_element(s.T.begin() + 1, s.T.end());
}

// The texts of this file, under the context the translation files know them by.
struct TTexte {
    Q_DECLARE_TR_FUNCTIONS(THygienisierung)
};

QString zeitText(const QDateTime &t) {
    return t.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

} // namespace

THygienisierung BewerteHygienisierung(const QList<THygieneSatz> &saetze) {
    THygienisierung h;
    QList<const THygieneSatz *> lesbar;
    lesbar.reserve(saetze.size());
    for (const THygieneSatz &s : saetze) {
        if (s.Lesbar && s.Zeit.isValid())
            lesbar.append(&s);
        else
            ++h.Ausgelassen;
    }
    h.Ausgewertet = static_cast<int>(lesbar.size());

    // A span breaks where two consecutive records are more than 24 hours
    // apart, and where the time runs backwards (a reset clock): there the
    // records prove nothing about the time in between.
    QList<bool> bruch(lesbar.size(), false);
    for (qsizetype i = 1; i < lesbar.size(); ++i) {
        const qint64 abstand = minuten(lesbar.at(i)->Zeit) - minuten(lesbar.at(i - 1)->Zeit);
        if (abstand > MinutenProTag || abstand < 0) {
            bruch[i] = true;
            h.Luecken.append({lesbar.at(i - 1)->Zeit, lesbar.at(i)->Zeit});
        }
    }

    for (size_t k = 0; k < HygieneKriterien.size(); ++k) {
        const THygieneKriterium &kr = HygieneKriterien[k];
        for (int b = 0; b < 2; ++b) {
            const auto basis = static_cast<THygieneBasis>(b);
            THygieneSpanne &beste = h.Spanne[k][static_cast<size_t>(b)];
            qsizetype start = -1;
            const auto schliessen = [&](qsizetype ende) {
                if (start < 0)
                    return;
                const qint64 dauer = minuten(lesbar.at(ende)->Zeit) - minuten(lesbar.at(start)->Zeit);
                if (!beste.Vorhanden || dauer > beste.Minuten) {
                    beste.Vorhanden = true;
                    beste.Von = lesbar.at(start)->Zeit;
                    beste.Bis = lesbar.at(ende)->Zeit;
                    beste.Minuten = dauer;
                    beste.Saetze = static_cast<int>(ende - start + 1);
                }
                start = -1;
            };
            for (qsizetype i = 0; i < lesbar.size(); ++i) {
                if (bruch.at(i))
                    schliessen(i - 1);
                if (wertDerBasis(*lesbar.at(i), basis) >= kr.GradC) {
                    if (start < 0)
                        start = i;
                } else {
                    schliessen(i - 1);
                }
            }
            schliessen(lesbar.size() - 1);
            h.Erfuellt[k][static_cast<size_t>(b)] =
                beste.Vorhanden && beste.Minuten >= static_cast<qint64>(kr.Tage) * MinutenProTag;
        }
        if (h.Nachweis < 0 && h.Erfuellt[k][static_cast<size_t>(THygieneBasis::Kern)])
            h.Nachweis = static_cast<int>(k);
    }
    return h;
}

THygienisierung BewerteHygienisierung(const TMessDaten &daten) {
    QList<THygieneSatz> saetze;
    saetze.reserve(daten.LineCount());
    for (qint32 i = 0; i < daten.LineCount(); ++i) {
        if (daten.Lines().Bytes(i).trimmed().isEmpty())
            continue; // an empty line is no record
        TMessDaten::TSatz s;
        THygieneSatz h;
        if (daten.Satz(i, s)) {
            h.Zeit = s.Zeit;
            h.T = s.T;
            h.Lesbar = s.TemperaturenLesbar;
        } else {
            h.Lesbar = false;
        }
        saetze.append(h);
    }
    return BewerteHygienisierung(saetze);
}

THygieneText HygieneText(const THygienisierung &h, bool metric) {
    static const char *const basen[2] = {QT_TRANSLATE_NOOP("THygienisierung", "Kern"),
                                         QT_TRANSLATE_NOOP("THygienisierung", "alle Messstellen")};
    const auto grad = [metric](int c) {
        return metric ? TTexte::tr("%1 °F").arg(KompUtils::CelsiusNachFahrenheit(c))
                      : TTexte::tr("%1 °C").arg(c);
    };
    const auto kriterium = [&](const THygieneKriterium &k) {
        QString s = TTexte::tr("≥ %1 über %2 Tage").arg(grad(k.GradC)).arg(k.Tage);
        if (k.NurGeschlossen)
            s += TTexte::tr(", nur geschlossene Anlagen");
        return s;
    };

    THygieneText t;
    t.Ueberschrift = TTexte::tr("Nachweis der Hygienisierung (längste Spanne je Kriterium)");
    for (size_t k = 0; k < HygieneKriterien.size(); ++k) {
        for (size_t b = 0; b < 2; ++b) {
            const THygieneSpanne &s = h.Spanne[k][b];
            THygieneZeile z;
            z.Kriterium = kriterium(HygieneKriterien[k]);
            z.Basis = TTexte::tr(basen[b]);
            if (s.Vorhanden) {
                z.Spanne = zeitText(s.Von) + QStringLiteral(" – ") + zeitText(s.Bis);
                z.Dauer = TTexte::tr("%1 Tage %2 Std.")
                              .arg(s.Minuten / MinutenProTag)
                              .arg((s.Minuten % MinutenProTag) / 60);
            } else {
                z.Spanne = TTexte::tr("nie erreicht");
                z.Dauer = QStringLiteral("–");
            }
            z.Erfuellt = h.Erfuellt[k][b];
            z.Urteil = z.Erfuellt ? TTexte::tr("erfüllt") : TTexte::tr("nicht erfüllt");
            t.Zeilen.append(z);
        }
    }
    for (const THygieneLuecke &l : h.Luecken)
        t.Luecken.append(TTexte::tr("Lücke: %1 – %2").arg(zeitText(l.Von), zeitText(l.Bis)));
    if (h.Ausgelassen > 0)
        t.Ausgelassen = TTexte::tr("Nicht lesbare Zeilen, nicht ausgewertet: %1").arg(h.Ausgelassen);
    if (h.Nachgewiesen()) {
        const THygieneKriterium &k = HygieneKriterien[static_cast<size_t>(h.Nachweis)];
        t.Schluss = TTexte::tr("Hygienisierung nachgewiesen: %1 im Kern")
                        .arg(TTexte::tr("≥ %1 über %2 Tage").arg(grad(k.GradC)).arg(k.Tage));
        if (k.NurGeschlossen)
            t.Schluss += TTexte::tr(", nur geschlossene Anlagen");
    } else {
        t.Schluss = TTexte::tr("Hygienisierung nicht nachgewiesen");
    }
    return t;
}

QStringList HygieneZeilen(const THygieneText &t) {
    QStringList l;
    l.append(t.Ueberschrift);
    for (const THygieneZeile &z : t.Zeilen)
        l.append(
            QStringLiteral("%1, %2: %3 (%4) – %5").arg(z.Kriterium, z.Basis, z.Spanne, z.Dauer, z.Urteil));
    l.append(t.Luecken);
    if (!t.Ausgelassen.isEmpty())
        l.append(t.Ausgelassen);
    l.append(t.Schluss);
    return l;
}

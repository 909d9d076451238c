#include "reports/UProtokollZeilen.h"

#include "data/UMessDaten.h"

namespace {

const QString KeinPunkt = QStringLiteral("-*-");

} // namespace

bool TProtokollZeilen::NeedData() {
    const bool mehr = m_zeile < m_daten.PointCount();
    ++m_zeile;
    if (!mehr)
        m_zeile = 0;
    return mehr;
}

QString TProtokollZeilen::Formatiere(const char *format, double wert, const QLocale &locale) {
    QString s = QString::asprintf(format, wert);
    const QString trenner = locale.decimalPoint();
    if (trenner != QLatin1String("."))
        s.replace(QLatin1Char('.'), trenner);
    return s;
}

QString TProtokollZeilen::Text(TFeld feld) const {
    return Text(feld, m_zeile);
}

QString TProtokollZeilen::Text(TFeld feld, int k) const {
    const auto wert = [this, k](const TMessSerie &s, const char *format) {
        if (k < 0 || k >= s.Anzahl())
            return KeinPunkt;
        return Formatiere(format, s.Wert(k), m_locale);
    };
    switch (feld) {
    case TFeld::Nr:
        return QString::number(k);
    case TFeld::Datum:
        return k >= 1 && k <= m_daten.Labels().count() ? m_daten.Labels().at(k - 1) : KeinPunkt;
    case TFeld::T1:
    case TFeld::T2:
    case TFeld::T3:
    case TFeld::T4:
    case TFeld::T5:
        return wert(m_daten.TempSeries(static_cast<int>(feld) - static_cast<int>(TFeld::T1) + 1), "%4.0f");
    case TFeld::Ref:
        return m_showRef ? wert(m_daten.RefSeries(), "%4.0f") : QString();
    case TFeld::O2:
        return wert(m_daten.O2Series(), "%4.1f");
    case TFeld::Laufzeit:
        return wert(m_daten.FanTimeSeries(), "%4.0f");
    case TFeld::Zyklen:
        return wert(m_daten.FanCyclesSeries(), "%4.0f");
    }
    return QString();
}

QList<TMessSerie *> ProtokollSerien(TMessDaten &daten, int art, bool showRef) {
    QList<TMessSerie *> l;
    if (art == 0) {
        for (int i = 1; i <= 5; ++i)
            l.append(&daten.TempSeries(i));
        if (showRef)
            l.append(&daten.RefSeries());
        l.append(&daten.O2Series());
    } else {
        l.append(&daten.TempSeries(1));
        l.append(&daten.TempSeries(5));
        if (showRef)
            l.append(&daten.RefSeries());
    }
    return l;
}

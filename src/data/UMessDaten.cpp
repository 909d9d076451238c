// TMessDaten: reading a data file and turning it into chart series.
#include "UMessDaten.h"

#include "shell/KompUtils.h"
#include "shell/UCp1252.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr int MinutenProTag = 24 * 60;

bool istLeer(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView ohneRaender(QByteArrayView v) {
    qsizetype a = 0;
    qsizetype e = v.size();
    while (a < e && istLeer(v.at(a)))
        ++a;
    while (e > a && istLeer(v.at(e - 1)))
        --e;
    return v.sliced(a, e - a);
}

bool nurLeerzeichen(QByteArrayView v) {
    return ohneRaender(v).isEmpty();
}

// The next field of a record line: the text before the next semicolon, taken
// off the line together with that semicolon. Text without a semicolon after
// it is no field.
bool naechstesFeld(QByteArrayView &rest, QByteArrayView &feld) {
    const qsizetype p = rest.indexOf(';');
    if (p < 0)
        return false;
    feld = rest.first(p);
    rest = rest.sliced(p + 1);
    return true;
}

// A decimal number with a decimal comma ("15,2", " -3", "0,5"), blanks around
// it allowed. The file's numbers never follow the user's locale.
bool kommazahl(QByteArrayView v, double &wert) {
    v = ohneRaender(v);
    if (v.isEmpty() || v.size() > 64)
        return false;
    char puffer[72];
    qsizetype n = 0;
    qsizetype i = 0;
    bool negativ = false;
    if (v.at(0) == '-' || v.at(0) == '+') {
        negativ = v.at(0) == '-';
        i = 1;
    }
    bool ziffer = false;
    bool komma = false;
    for (; i < v.size(); ++i) {
        const char c = v.at(i);
        if (c >= '0' && c <= '9') {
            ziffer = true;
            puffer[n++] = c;
        } else if (c == ',' && !komma) {
            komma = true;
            puffer[n++] = '.';
        } else {
            return false;
        }
    }
    if (!ziffer)
        return false;
    double d = 0.0;
    const auto [ende, ec] = std::from_chars(puffer, puffer + n, d, std::chars_format::fixed);
    if (ec != std::errc() || ende != puffer + n)
        return false;
    wert = negativ ? -d : d;
    return true;
}

// One to max digits.
bool ziffern(QByteArrayView v, int max, int &wert) {
    if (v.isEmpty() || v.size() > max)
        return false;
    wert = 0;
    for (char c : v) {
        if (c < '0' || c > '9')
            return false;
        wert = wert * 10 + (c - '0');
    }
    return true;
}

// Day, month and year separated by "." (a two-digit year is one of 2000..2099).
bool datumLesen(QByteArrayView v, QDate &datum) {
    const qsizetype p1 = v.indexOf('.');
    if (p1 < 0)
        return false;
    const qsizetype p2 = v.sliced(p1 + 1).indexOf('.');
    if (p2 < 0)
        return false;
    int tag = 0, monat = 0, jahr = 0;
    if (!ziffern(v.first(p1), 2, tag) || !ziffern(v.sliced(p1 + 1, p2), 2, monat) ||
        !ziffern(v.sliced(p1 + 2 + p2), 4, jahr))
        return false;
    if (v.size() - (p1 + 2 + p2) <= 2)
        jahr += 2000;
    datum = QDate(jahr, monat, tag);
    return datum.isValid();
}

// Hour and minute (and optional seconds) separated by ":".
bool uhrzeitLesen(QByteArrayView v, int &minute) {
    const qsizetype p1 = v.indexOf(':');
    if (p1 < 0)
        return false;
    QByteArrayView rest = v.sliced(p1 + 1);
    int sekunde = 0;
    const qsizetype p2 = rest.indexOf(':');
    if (p2 >= 0) {
        if (!ziffern(rest.sliced(p2 + 1), 2, sekunde) || sekunde > 59)
            return false;
        rest = rest.first(p2);
    }
    int stunde = 0, min = 0;
    if (!ziffern(v.first(p1), 2, stunde) || !ziffern(rest, 2, min) || stunde > 23 || min > 59)
        return false;
    minute = stunde * 60 + min;
    return true;
}

// Date, blanks, time; a date alone stands for midnight.
bool zeitpunktLesen(QByteArrayView feld, QDate &datum, int &minute) {
    feld = ohneRaender(feld);
    qsizetype blank = feld.indexOf(' ');
    if (blank < 0) {
        minute = 0;
        return datumLesen(feld, datum);
    }
    if (!datumLesen(feld.first(blank), datum))
        return false;
    return uhrzeitLesen(ohneRaender(feld.sliced(blank)), minute);
}

// The time separator of the locale's short time format (":" when it has none).
QString zeitTrenner(const QLocale &locale) {
    const QString f = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    while (i < f.size() && f.at(i) != QLatin1Char('h') && f.at(i) != QLatin1Char('H'))
        ++i;
    while (i < f.size() && (f.at(i) == QLatin1Char('h') || f.at(i) == QLatin1Char('H')))
        ++i;
    QString trenner;
    while (i < f.size() && f.at(i) != QLatin1Char('m')) {
        if (f.at(i) != QLatin1Char('\''))
            trenner += f.at(i);
        ++i;
    }
    if (trenner.isEmpty() || i >= f.size())
        return QStringLiteral(":");
    return trenner;
}

QString nachDoppelpunkt(const QString &zeile) {
    const qsizetype p = zeile.indexOf(QLatin1Char(':'));
    return p < 0 ? zeile : zeile.mid(p + 1);
}

// Valid UTF-8 that holds at least one non-ASCII character: text an editor
// saved as UTF-8. Windows-1252 text with umlauts is almost never valid UTF-8.
bool istUtf8Text(QByteArrayView v) {
    return v.isValidUtf8() &&
           std::any_of(v.begin(), v.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The text of a line before its first semicolon; a line without one has no first field.
bool ersterFeldIstEins(QByteArrayView zeile) {
    const qsizetype p = zeile.indexOf(';');
    return p >= 0 && zeile.first(p) == QByteArrayView("1");
}

} // namespace

// ---------------------------------------------------------------- TZeilenListe

void TZeilenListe::setzen(QByteArray bytes) {
    m_daten = std::move(bytes);
    m_index.clear();
    m_index.reserve(m_daten.count('\n') + 1);
    const char *p = m_daten.constData();
    const qsizetype n = m_daten.size();
    // A file an editor saved as UTF-8 is read as such; the byte-order mark
    // is no text of its first line.
    const bool bom = m_daten.startsWith("\xEF\xBB\xBF");
    m_utf8 = bom || istUtf8Text(m_daten);
    qsizetype start = bom ? 3 : 0;
    qint32 zeile = 1;
    while (start < n) {
        qsizetype i = start;
        while (i < n && p[i] != '\r' && p[i] != '\n')
            ++i;
        const qsizetype laenge = qMin<qsizetype>(i - start, std::numeric_limits<qint32>::max());
        m_index.append({start, static_cast<qint32>(laenge), zeile});
        if (zeile < std::numeric_limits<qint32>::max())
            ++zeile;
        if (i < n)
            i += (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
}

void TZeilenListe::clear() {
    m_daten.clear();
    m_index.clear();
    m_utf8 = false;
}

QByteArrayView TZeilenListe::Bytes(qint32 i) const {
    const Eintrag &e = m_index.at(i);
    return QByteArrayView(m_daten.constData() + e.start, e.laenge);
}

QString TZeilenListe::at(qint32 i) const {
    const QByteArrayView b = Bytes(i);
    if (m_utf8)
        return QString::fromUtf8(b);
    return Cp1252::decode(QByteArray(b.data(), b.size()));
}

QStringList TZeilenListe::toStringList() const {
    QStringList l;
    l.reserve(count());
    for (qint32 i = 0; i < count(); ++i)
        l.append(at(i));
    return l;
}

// ---------------------------------------------------------------- TZeitMarken

QDateTime TZeitMarken::Zeit(qint32 i) const {
    const qint64 v = m_zeiten.at(i);
    const int minute = static_cast<int>(v % MinutenProTag);
    return QDateTime(QDate::fromJulianDay(v / MinutenProTag), QTime(minute / 60, minute % 60), Qt::UTC);
}

QString TZeitMarken::at(qint32 i) const {
    const QDateTime t = Zeit(i);
    return m_locale.toString(t.date(), m_datumFormat) + QStringLiteral("  ") +
           t.time().toString(m_zeitFormat);
}

QStringList TZeitMarken::toStringList() const {
    QStringList l;
    l.reserve(count());
    for (qint32 i = 0; i < count(); ++i)
        l.append(at(i));
    return l;
}

// ---------------------------------------------------------------- TMessDaten

struct TMessDaten::Datensatz {
    QDate datum;
    int minute = 0;
    bool temperaturen = false;
    std::array<qint32, 6> T{};
    QByteArrayView rest; // the fields after the temperatures
    double o2 = 0.0;
    double laufzeit = 0.0;
    double zyklen = 0.0;
};

namespace {
const char *const TiefenMetrisch[5] = {
    QT_TRANSLATE_NOOP("TMessDaten", "T 100cm"), QT_TRANSLATE_NOOP("TMessDaten", "T 75cm"),
    QT_TRANSLATE_NOOP("TMessDaten", "T 50cm"), QT_TRANSLATE_NOOP("TMessDaten", "T 25cm"),
    QT_TRANSLATE_NOOP("TMessDaten", "T  0cm")};
const char *const TiefenZoll[5] = {
    QT_TRANSLATE_NOOP("TMessDaten", "T 40in"), QT_TRANSLATE_NOOP("TMessDaten", "T 30in"),
    QT_TRANSLATE_NOOP("TMessDaten", "T 20in"), QT_TRANSLATE_NOOP("TMessDaten", "T 10in"),
    QT_TRANSLATE_NOOP("TMessDaten", "T 0in")};
} // namespace

TMessDaten::TMessDaten(const TZustand &z, QObject *owner) : QObject(owner), m_z(z) {
    static constexpr TFarbe farben[5] = {Farben::Kastanie, Farben::Lila, Farben::Gelb, Farben::Fuchsia,
                                         Farben::Petrol};
    static constexpr TLinienStil stile[5] = {TLinienStil::Durchgezogen, TLinienStil::Gepunktet,
                                             TLinienStil::Gestrichelt, TLinienStil::StrichPunkt,
                                             TLinienStil::StrichPunktPunkt};
    const QString wertFormat = QStringLiteral("###.#");
    for (size_t k = 0; k < 5; ++k)
        m_temp[k] = new TMessSerie(TSerienArt::Linie, QString(), TAchsenSeite::Links, wertFormat, farben[k],
                                   stile[k], this);
    // The reference depth is a depth, not a temperature: its own scale in cm
    // (inch) on the right.
    m_ref = new TMessSerie(TSerienArt::Linie, QString(), TAchsenSeite::Rechts2, wertFormat, Farben::Rot,
                           TLinienStil::Standard, this);
    m_o2 = new TMessSerie(TSerienArt::Linie, QString(), TAchsenSeite::Rechts, wertFormat, Farben::Blau,
                          TLinienStil::Standard, this);
    m_fanTime = new TMessSerie(TSerienArt::Balken, QString(), TAchsenSeite::Links, QStringLiteral("#####"),
                               Farben::Blau, TLinienStil::Standard, this);
    m_fanCycles = new TMessSerie(TSerienArt::Balken, QString(), TAchsenSeite::Rechts, QStringLiteral("#####"),
                                 Farben::Rot, TLinienStil::Standard, this);
    m_fanTime->SetMarkenSichtbar(false);
    m_fanCycles->SetMarkenSichtbar(false);
    // Point 0 of every series only keeps the numbering: never drawn, no line to it.
    for (TMessSerie *s : AllSeries())
        s->SetPlatzhalter(1);
    SetzeSerienTitel();
}

void TMessDaten::SetzeSerienTitel() {
    for (size_t k = 0; k < 5; ++k)
        m_temp[k]->SetTitel(tr(m_z.Metric ? TiefenZoll[k] : TiefenMetrisch[k]));
    m_ref->SetTitel(m_z.RefText);
    m_o2->SetTitel(tr("O2"));
    m_fanTime->SetTitel(tr("Laufzeit"));
    m_fanCycles->SetTitel(tr("Zyklen"));
}

TMessDaten::~TMessDaten() = default; // the series are children and leave their charts

QList<TMessSerie *> TMessDaten::AllSeries() const {
    return {m_temp[0], m_temp[1], m_temp[2], m_temp[3], m_temp[4], m_ref, m_o2, m_fanTime, m_fanCycles};
}

bool TMessDaten::Load(const QString &fileName) {
    m_valid = false;
    m_newLayout = true;
    m_lineCount = 0;
    m_fehler.clear();
    m_lines.clear();
    m_pfad.clear();
    m_sha256.clear();

    QFile datei(fileName);
    if (!datei.open(QIODevice::ReadOnly)) {
        m_fehler = tr("Die Datei %1 kann nicht gelesen werden: %2").arg(fileName, datei.errorString());
        return false;
    }
    QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        m_fehler = tr("Die Datei %1 kann nicht gelesen werden: %2").arg(fileName, datei.errorString());
        return false;
    }
    datei.close();
    m_pfad = fileName;
    m_lines.setzen(std::move(inhalt)); // keeps the bytes as read

    if (m_lines.count() < 9)
        return true;
    const QByteArrayView zeile8 = m_lines.Bytes(8);
    if (zeile8.isEmpty())
        return true;
    if (ersterFeldIstEins(zeile8)) {
        // earlier layout: eight header lines, O2 in tenths
        m_header1 = m_lines.at(0);
        m_header2 = m_lines.at(1);
        m_header3 = m_lines.at(2);
        m_plantName = nachDoppelpunkt(m_lines.at(3));
        m_fileName = nachDoppelpunkt(m_lines.at(4));
        m_comment1.clear();
        m_comment2 = m_lines.at(6);
        m_newLayout = false;
        m_lines.removeFirst(8);
    } else {
        if (m_lines.count() < 10)
            return true;
        const QByteArrayView zeile9 = m_lines.Bytes(9);
        if (zeile9.isEmpty() || !ersterFeldIstEins(zeile9))
            return true;
        m_header1 = m_lines.at(0);
        m_header2 = m_lines.at(1);
        m_header3 = m_lines.at(2);
        m_plantName = nachDoppelpunkt(m_lines.at(4));
        m_fileName = nachDoppelpunkt(m_lines.at(5));
        m_comment1 = m_lines.at(6);
        m_comment2 = m_lines.at(7);
        m_newLayout = true;
        m_lines.removeFirst(9);
    }
    m_valid = true;
    m_lineCount = m_lines.count();
    return true;
}

QString TMessDaten::Sha256() const {
    // The fingerprint of the file as it was read, which a protocol prints so
    // that it can be matched to the archived file.
    if (m_sha256.isEmpty() && !m_pfad.isEmpty())
        m_sha256 = QString::fromLatin1(
            QCryptographicHash::hash(m_lines.m_daten, QCryptographicHash::Sha256).toHex());
    return m_sha256;
}

bool TMessDaten::datensatzLesen(qint32 zeile, Datensatz &d) const {
    QByteArrayView rest = m_lines.Bytes(zeile);
    QByteArrayView feld;
    // 1: record number (skipped); 2: storage time
    if (!naechstesFeld(rest, feld) || !naechstesFeld(rest, feld) || !zeitpunktLesen(feld, d.datum, d.minute))
        return false;
    // 3..7: temperatures at 100, 75, 50, 25 and 0 cm. A value the line holds
    // but that is no reading (letters, a record the controller sent garbled
    // and that was kept as it came) makes the whole line unreadable: a 0 in
    // its place would be a value nobody measured.
    // So does a line torn before its last temperature.
    d.temperaturen = true;
    for (size_t k = 1; k <= 5; ++k) {
        if (!naechstesFeld(rest, feld) || !KompUtils::AlsGanzzahl(feld, d.T[k]) ||
            d.T[k] < -KompUtils::MaxSensorTemperatur || d.T[k] > KompUtils::MaxSensorTemperatur)
            return false;
    }
    d.rest = rest;
    // A field that is there and not blank must be a number.
    const auto unlesbar = [](QByteArrayView f, double &wert) {
        return !nurLeerzeichen(f) && !kommazahl(f, wert);
    };
    // 8: the stored reference depth is not used; it is computed anew
    naechstesFeld(rest, feld);
    // 9: O2 in vol% (earlier layout: tenths)
    d.o2 = 0.0;
    if (naechstesFeld(rest, feld)) {
        if (unlesbar(feld, d.o2))
            return false;
        if (!m_newLayout)
            d.o2 /= 10.0;
    }
    // 10..12: operating mode (not plotted), fan running time, fan cycles
    d.laufzeit = 0.0;
    d.zyklen = 0.0;
    if (rest.count(';') == 3) {
        double art = 0.0;
        naechstesFeld(rest, feld);
        if (unlesbar(feld, art))
            return false;
        if (naechstesFeld(rest, feld) && unlesbar(feld, d.laufzeit))
            return false;
        if (naechstesFeld(rest, feld) && unlesbar(feld, d.zyklen))
            return false;
    }
    return true;
}

bool TMessDaten::ZeitLesbar(const QString &zeit) {
    QDate datum;
    int minute = 0;
    return zeitpunktLesen(Cp1252::encode(zeit), datum, minute);
}

void TMessDaten::plot(const Datensatz &d) {
    m_labels.m_zeiten.append(d.datum.toJulianDay() * MinutenProTag + d.minute);
    const bool metric = m_z.Metric;
    tAnlageMesswerte w;
    w.T = d.T;
    KompUtils::BerechneRefMarke(w, m_z.RefTemp);
    for (size_t k = 1; k <= 5; ++k) {
        const double t = d.T[k];
        m_temp[k - 1]->Hinzufuegen(metric ? KompUtils::CelsiusNachFahrenheitF(t) : t);
    }
    const double ref = w.RefMarke;
    m_ref->Hinzufuegen(metric ? KompUtils::CmNachZollF(ref) : ref);
    m_o2->Hinzufuegen(d.o2);
    m_fanTime->Hinzufuegen(d.laufzeit);
    m_fanCycles->Hinzufuegen(d.zyklen);
    ++m_pointCount;
}

bool TMessDaten::Satz(qint32 zeile, TSatz &satz) const {
    satz = TSatz();
    if (zeile < 0 || zeile >= m_lines.count() || nurLeerzeichen(m_lines.Bytes(zeile)))
        return false;
    Datensatz d;
    if (!datensatzLesen(zeile, d))
        return false;
    // The controller's clock knows no time zone and no summer time: a plain
    // calendar time (a local time in the hour the spring change skips would
    // be invalid).
    satz.Zeit = QDateTime(d.datum, QTime(d.minute / 60, d.minute % 60), Qt::UTC);
    satz.TemperaturenLesbar = d.temperaturen;
    satz.T = d.T;
    satz.Rest = d.rest.toByteArray();
    return true;
}

void TMessDaten::tagesendenZusammenfassen() {
    // A day-end record (23:59) repeated for the same date, from the third
    // line on: the later one goes. Day-end records of different dates all
    // stay, so a pile stored once a day at 23:59 keeps every day.
    if (m_lineCount <= 2)
        return;
    constexpr int Tagesende = 23 * 60 + 59;
    // The date of a line stored at 23:59, or an invalid date.
    const auto tagesende = [this](qint32 i) {
        QByteArrayView rest = m_lines.Bytes(i);
        QByteArrayView feld;
        QDate datum;
        int minute = 0;
        if (!naechstesFeld(rest, feld) || !naechstesFeld(rest, feld) ||
            !zeitpunktLesen(feld, datum, minute) || minute != Tagesende)
            return QDate();
        return datum;
    };
    QList<TZeilenListe::Eintrag> behalten;
    behalten.reserve(m_lineCount);
    behalten.append(m_lines.m_index.at(0));
    behalten.append(m_lines.m_index.at(1));
    QDate letzter = tagesende(1);
    for (qint32 p = 2; p < m_lineCount; ++p) {
        const QDate jetzt = tagesende(p);
        if (jetzt.isValid() && jetzt == letzter)
            continue;
        behalten.append(m_lines.m_index.at(p));
        letzter = jetzt;
    }
    if (behalten.size() == m_lineCount)
        return;
    m_lines.m_index = std::move(behalten);
    m_lines.m_index.squeeze();
    m_lineCount = m_lines.count();
}

bool TMessDaten::BuildSeries(bool onePerDay, TDiagramm *chart) {
    m_fehler.clear();
    m_skipped = 0;
    m_firstSkipped = 0;
    const QList<TMessSerie *> alle = AllSeries();
    for (TMessSerie *s : alle)
        s->Leeren();
    m_labels.m_zeiten.clear();
    for (TMessSerie *s : alle)
        s->Hinzufuegen(0.0, Farben::Rot); // placeholder point 0, never shown
    static constexpr TFarbe farben[9] = {Farben::Kastanie, Farben::Lila,   Farben::Gelb,
                                         Farben::Fuchsia,  Farben::Petrol, Farben::Rot,
                                         Farben::Blau,     Farben::Blau,   Farben::Rot};
    for (qsizetype i = 0; i < alle.size(); ++i)
        alle.at(i)->SetFarbe(farben[i]);

    tagesendenZusammenfassen();

    m_pointCount = 0;
    m_labels.m_locale = m_z.Gebietsschema;
    m_labels.m_datumFormat = KompUtils::KurzDatumFormat(m_z.Gebietsschema);
    m_labels.m_zeitFormat = QStringLiteral("hh") + zeitTrenner(m_z.Gebietsschema) + QStringLiteral("mm");
    for (TMessSerie *s : alle)
        s->Reservieren(m_lineCount + 1);
    m_labels.m_zeiten.reserve(m_lineCount);

    // A record line that cannot be read (torn by a crash, a date or time that
    // is no number, a temperature that is no number) is skipped and counted;
    // the lines after it still count. A record without its temperatures is
    // no reading of the pile: a row or point of 0 °C would be a reading
    // nobody took. An empty line is no record at all.
    Datensatz d;
    Datensatz vorher;
    bool vorherDa = false;
    for (qint32 p = 0; p < m_lineCount; ++p) {
        if (nurLeerzeichen(m_lines.Bytes(p)))
            continue;
        if (!datensatzLesen(p, d) || !d.temperaturen) {
            if (m_skipped++ == 0)
                m_firstSkipped = m_lines.FileLine(p);
            continue;
        }
        if (!onePerDay) {
            plot(d);
            continue;
        }
        // one per day: the last record of each calendar day
        if (vorherDa && d.datum != vorher.datum)
            plot(vorher);
        vorher = d;
        vorherDa = true;
    }
    if (onePerDay && vorherDa)
        plot(vorher);
    m_fehler = SkippedText();
    SetupChart(chart);
    return true;
}

QString TMessDaten::SkippedText() const {
    if (m_skipped == 0)
        return QString();
    return tr("%1 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist Zeile %2.")
        .arg(m_skipped)
        .arg(m_firstSkipped);
}

void TMessDaten::SetupChart(TDiagramm *chart) {
    if (!chart)
        return;
    chart->SetDreidimensional(false);
    chart->SetPunkteBeschneiden(true);
    chart->SetTitel({m_header1, m_header2, m_header3, m_plantName});
    // A chart of a file with unreadable lines says so below the file name.
    if (m_skipped > 0)
        chart->SetFuss({m_fileName, SkippedText()});
    else
        chart->SetFuss({m_fileName});
    chart->SetTitelFarbe(Farben::Schwarz);
    chart->SetFussFarbe(Farben::Schwarz);
    SetAxes(chart);
    chart->SetAchseMinimum(TAchsenSeite::Unten, 0.7);
    chart->SetAchseFormat(TAchsenSeite::Unten, QStringLiteral("#"));
    chart->SetAchseTitel(TAchsenSeite::Unten, tr("Messwert- Nr"));
    chart->SetLegendeSichtbar(true);
}

void TMessDaten::SetAxes(TDiagramm *chart) {
    if (!chart)
        return;
    ResetAxes(chart);
    chart->SetAchseFormat(TAchsenSeite::Links, QStringLiteral("#"));
    chart->SetAchseFormat(TAchsenSeite::Rechts, QStringLiteral("#"));
    chart->SetAchseFormat(TAchsenSeite::Rechts2, QStringLiteral("#"));
    chart->SetAchseTitel(TAchsenSeite::Unten, tr("Messwert- Nr"));
    // The right scales only beside a curve drawn against them (a protocol
    // without O2 has no O2 scale).
    chart->SetAchseNurMitSerie(TAchsenSeite::Rechts, true);
    chart->SetAchseNurMitSerie(TAchsenSeite::Rechts2, true);
    chart->SetAchseSichtbar(TAchsenSeite::Rechts2, !m_fanPage);
    if (!m_fanPage) {
        chart->SetAchseTitel(TAchsenSeite::Links, m_z.Metric ? tr("T[°F]") : tr("T[°C]"));
        chart->SetAchseTitel(TAchsenSeite::Rechts, tr("O2/vol%"));
        chart->SetAchseTitel(TAchsenSeite::Rechts2, m_z.Metric ? tr("Tiefe[in]") : tr("Tiefe[cm]"));
        chart->SetAchseMaximum(TAchsenSeite::Unten, m_pointCount);
    } else {
        chart->SetAchseTitel(TAchsenSeite::Links, tr("t/min"));
        chart->SetAchseTitel(TAchsenSeite::Rechts, tr("n"));
        chart->SetAchseMaximum(TAchsenSeite::Unten, m_pointCount + 0.5);
    }
}

void TMessDaten::ResetAxes(TDiagramm *chart) {
    if (!chart)
        return;
    if (!m_fanPage) {
        chart->SetAchseFest(TAchsenSeite::Links, 0.0, m_z.Metric ? 212.0 : 100.0);
        chart->SetAchseFest(TAchsenSeite::Rechts, 0.0, 25.0);
        // the sensors' depths: 0 .. 100 cm (39.1 in)
        chart->SetAchseFest(TAchsenSeite::Rechts2, 0.0, m_z.Metric ? 40.0 : 100.0);
    } else {
        chart->SetAchseAutoMaximum(TAchsenSeite::Links, 0.0);
        chart->SetAchseAutoMaximum(TAchsenSeite::Rechts, 0.0);
    }
}

void TMessDaten::AttachSeries(TDiagramm *chart) {
    for (TMessSerie *s : AllSeries()) {
        if (chart)
            chart->SerieHinzufuegen(s);
        else if (s->Diagramm())
            s->Diagramm()->SerieEntfernen(s);
    }
}

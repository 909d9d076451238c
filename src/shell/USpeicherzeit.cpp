#include "USpeicherzeit.h"

#include "UIniDatei.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

namespace {

// tag at stunde:00 in the time zone setting of wie; hour 24 is midnight at the end of
// tag. A full hour that the clock skips (the change to summer time) becomes
// the first moment after the gap.
QDateTime zeitpunkt(QDate tag, int stunde, const QDateTime &wie) {
    if (stunde == 24) {
        tag = tag.addDays(1);
        stunde = 0;
    }
    QDateTime t = wie;
    t.setDate(tag);
    t.setTime(QTime(stunde, 0));
    if (t.isValid())
        return t;
    const QDateTime beginn = wie.timeSpec() == Qt::TimeZone
                                 ? tag.startOfDay(wie.timeZone())
                                 : tag.startOfDay(wie.timeSpec(), wie.offsetFromUtc());
    return beginn.addSecs(static_cast<qint64>(stunde) * 3600);
}

bool gueltigeStunde(int stunde) {
    return stunde >= 0 && stunde <= 24;
}

} // namespace

void BerechneSpeicherzeit(TZustand &z) {
    const int stunde = gueltigeStunde(z.SpeicherStunde) ? z.SpeicherStunde : 0;
    z.SpeicherAktiv = stunde != 0;

    const QDateTime jetzt = z.Jetzt();
    QDate tag = jetzt.date();
    // Hour 24 is always the coming midnight; another hour that has passed
    // today (exactly now has not) is due tomorrow.
    if (stunde != 24 && jetzt.time() > QTime(stunde, 0))
        tag = tag.addDays(1);
    z.NaechsteSpeicherzeit = zeitpunkt(tag, stunde, jetzt);
}

bool SpeicherungFaellig(const TZustand &z) {
    return z.SpeicherAktiv && z.NaechsteSpeicherzeit.isValid() && z.Jetzt() >= z.NaechsteSpeicherzeit;
}

bool SpeicherungMoeglich(const TZustand &z) {
    return z.Verbunden && !z.LernenAnfordern;
}

void SpeicherzeitWeiter(TZustand &z) {
    const QDateTime &alt = z.NaechsteSpeicherzeit;
    if (!alt.isValid())
        return;
    if (!gueltigeStunde(z.SpeicherStunde) || z.SpeicherStunde == 0) {
        z.NaechsteSpeicherzeit = alt.addDays(1);
        return;
    }
    // Hour 24 is held as 0:00 of the following day.
    const int stunde = z.SpeicherStunde == 24 ? 0 : z.SpeicherStunde;
    z.NaechsteSpeicherzeit = zeitpunkt(alt.date().addDays(1), stunde, alt);
}

bool SetzeSpeicherStunde(TZustand &z, TIniDatei &ini, int stunde) {
    if (!gueltigeStunde(stunde) || stunde == z.SpeicherStunde)
        return true;
    z.SpeicherStunde = stunde;
    const bool ok = ini.WriteInteger(QStringLiteral("COM"), QStringLiteral("ZEIT"), stunde);
    BerechneSpeicherzeit(z);
    return ok;
}

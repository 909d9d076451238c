// A test's time zone: the C library's (and so QDateTime's local time) is
// switched for the lifetime of the object and restored afterwards.
//
//   const TZeitzone zone("Europe/Berlin");
//   QVERIFY(TZeitzone::Uebersprungen(QDate(2026, 3, 29), QTime(2, 30)));
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>
#include <ctime>

class TZeitzone {
public:
    explicit TZeitzone(const QByteArray &tz)
        : m_hatte(qEnvironmentVariableIsSet("TZ")), m_alt(qgetenv("TZ")) {
        qputenv("TZ", tz);
        tzset();
    }
    ~TZeitzone() {
        if (m_hatte)
            qputenv("TZ", m_alt);
        else
            qunsetenv("TZ");
        tzset();
    }
    TZeitzone(const TZeitzone &) = delete;
    TZeitzone &operator=(const TZeitzone &) = delete;

    // Whether the local time zone skips that wall-clock time (the spring
    // change): proves that the zone is really in force.
    static bool Uebersprungen(const QDate &datum, const QTime &zeit) {
        return !QDateTime(datum, zeit).isValid();
    }

private:
    bool m_hatte;
    QByteArray m_alt;
};

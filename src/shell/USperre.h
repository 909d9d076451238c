// The run's one guard: while a controller exchange runs or a dialog of a
// window is open, no other window starts an exchange, the storage sweep waits
// and windows that would start their timers on activation leave them. Every
// window and the storage sweep consult the guard of their run; holds nest, and
// every Belegen() needs its Freigeben().
#pragma once

#include <QObject>

class TSperre : public QObject {
    Q_OBJECT
public:
    void Belegen() { ++m_tiefe; }
    void Freigeben() {
        if (m_tiefe == 0)
            return;
        if (--m_tiefe == 0)
            emit Frei();
    }
    bool Belegt() const { return m_tiefe > 0; }
    int Tiefe() const { return m_tiefe; }

    // Holds the guard for one scope.
    class THalter {
    public:
        explicit THalter(TSperre &s) : m_s(s) { m_s.Belegen(); }
        ~THalter() { m_s.Freigeben(); }
        THalter(const THalter &) = delete;
        THalter &operator=(const THalter &) = delete;

    private:
        TSperre &m_s;
    };

signals:
    // The last hold was given back.
    void Frei();

private:
    int m_tiefe = 0;
};

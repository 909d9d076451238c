// The schedule of the automatic attempts to reopen a lost connection: the
// first attempt after the first pause (5 s), each further one after a pause
// twice as long as the one before, at most the longest pause (60 s), until
// Stoppe(). The next attempt is scheduled when one starts, so an attempt that
// hangs never holds up the next. Tests shorten the pauses.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

class TWiederaufbau : public QObject {
    Q_OBJECT
public:
    static constexpr int ErstePause = 5000;
    static constexpr int LaengstePause = 60000;

    explicit TWiederaufbau(QObject *parent = nullptr);

    // Pauses in milliseconds (at least 1; the longest at least the first).
    void SetzePausen(int ersteMs, int laengsteMs);
    int Erste() const { return m_erste; }
    int Laengste() const { return m_laengste; }

    // Starts the attempts anew: the first after the first pause.
    void Starte();
    // Ends the attempts.
    void Stoppe();
    bool Aktiv() const { return m_timer.isActive(); }
    // Attempts made since Starte().
    int Versuche() const { return m_versuche; }
    // The pause now running, in milliseconds.
    int Pause() const { return m_pause; }
    // Milliseconds until the next attempt (0 when none is scheduled).
    int RestMs() const { return Aktiv() ? m_timer.remainingTime() : 0; }

signals:
    // Time for an attempt.
    void Versuch();

private:
    void faellig();

    QTimer m_timer;
    int m_erste = ErstePause;
    int m_laengste = LaengstePause;
    int m_pause = ErstePause;
    int m_versuche = 0;
};

#include "comm/UWiederaufbau.h"

#include <algorithm>

TWiederaufbau::TWiederaufbau(QObject *parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TWiederaufbau::faellig);
}

void TWiederaufbau::SetzePausen(int ersteMs, int laengsteMs) {
    m_erste = std::max(1, ersteMs);
    m_laengste = std::max(m_erste, laengsteMs);
}

void TWiederaufbau::Starte() {
    m_versuche = 0;
    m_pause = m_erste;
    m_timer.start(m_pause);
}

void TWiederaufbau::Stoppe() {
    m_timer.stop();
}

void TWiederaufbau::faellig() {
    ++m_versuche;
    // Doubling, without overflow, up to the longest pause.
    m_pause = m_pause > m_laengste / 2 ? m_laengste : m_pause * 2;
    m_timer.start(m_pause);
    emit Versuch();
}

#include "TSimRahmenLeser.h"

namespace KompostSim {

int TSimRahmenLeser::ArgumentLaenge(char befehl) {
    switch (befehl) {
    case 'Z':
    case 'D':
        return 6;
    case 'I':
    case 'E':
    case 'O':
        return 4;
    case 'n':
    case 'N':
    case 'p':
        return 8;
    case 'B':
    case 'R':
    case 'e':
    case 'o':
    case 'T':
    case 'q':
    case 'A':
    case 'r':
    case 'F':
    case 'S':
    case 'c':
    case 'G':
    case '6':
        return 0;
    default:
        return -1;
    }
}

static bool IstAdresse(unsigned char b) {
    return b >= 0x01 && b <= 0x20;
}

QList<TSimRahmen> TSimRahmenLeser::Lies(const QByteArray &daten) {
    QList<TSimRahmen> fertig;
    for (const char zeichen : daten) {
        // A byte may have to be looked at twice: once as the end of a broken
        // frame, once more as a possible start.
        bool nochmal = true;
        while (nochmal) {
            nochmal = false;
            const auto b = static_cast<unsigned char>(zeichen);
            if (m_teil.isEmpty()) {
                if (IstAdresse(b))
                    m_teil.append(zeichen);
                else
                    ++m_verworfen;
                continue;
            }
            const int laenge = ArgumentLaenge(m_teil.size() == 1 ? zeichen : m_teil.at(1));
            if (m_teil.size() == 1) {
                if (laenge < 0) {
                    // The address byte was noise; the byte may start a frame.
                    m_verworfen += m_teil.size();
                    m_teil.clear();
                    nochmal = true;
                    continue;
                }
                m_teil.append(zeichen);
            } else {
                if (b < '0' || b > '9') {
                    m_verworfen += m_teil.size();
                    m_teil.clear();
                    nochmal = true;
                    continue;
                }
                m_teil.append(zeichen);
            }
            if (m_teil.size() == 2 + laenge) {
                TSimRahmen r;
                r.Anlage = static_cast<unsigned char>(m_teil.at(0));
                r.Befehl = m_teil.at(1);
                r.Argument = m_teil.mid(2);
                r.Bytes = m_teil;
                fertig.append(r);
                m_teil.clear();
            }
        }
    }
    return fertig;
}

} // namespace KompostSim

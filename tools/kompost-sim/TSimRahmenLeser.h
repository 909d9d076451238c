// Incremental reader of the request frames that the PC sends to the
// controllers: the plant number as a raw byte (0x01..0x20), the command
// letter and, for some letters, a fixed number of ASCII digits. Frames have
// no terminator, so the reader keeps a started frame between calls and can
// be fed arbitrary pieces of the byte stream.
#pragma once

#include <QByteArray>
#include <QList>

namespace KompostSim {

// One complete request frame as it was received.
struct TSimRahmen {
    int Anlage = 0;      // plant number, the raw first byte (1..32)
    char Befehl = 0;     // command letter
    QByteArray Argument; // the argument digits (empty for letters without one)
    QByteArray Bytes;    // the whole frame, byte for byte as received
    // It arrived while a reply to an earlier frame was still to be sent: on a
    // two-wire bus the PC talked into a controller's reply.
    bool InAntwort = false;
};

class TSimRahmenLeser {
public:
    // Number of argument digits that follow the letter, or -1 if the byte is
    // no command letter: 6 for 'Z' and 'D', 4 for 'I', 'E', 'O', 8 for 'n',
    // 'N', 'p', 0 for the other letters of the command set.
    static int ArgumentLaenge(char befehl);

    // Feeds received bytes and returns the frames they complete, in order.
    // Bytes that cannot start or continue a frame are skipped; a started
    // frame that is broken off (an unknown letter, a non-digit inside the
    // argument) is dropped and its breaking byte is looked at again as a
    // possible start of the next frame.
    QList<TSimRahmen> Lies(const QByteArray &daten);

    // Forgets a started frame (a new connection starts afresh).
    void Zuruecksetzen() { m_teil.clear(); }

    // Bytes skipped so far (noise, broken frames).
    qint64 Verworfen() const { return m_verworfen; }

    // True while a frame is started but not complete.
    bool RahmenBegonnen() const { return !m_teil.isEmpty(); }

private:
    QByteArray m_teil;
    qint64 m_verworfen = 0;
};

} // namespace KompostSim

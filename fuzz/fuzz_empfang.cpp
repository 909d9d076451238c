// Feeds arbitrary received text to the reply decoder in pieces. The decoder
// must neither crash nor let its buffer grow past its bound.
#include "comm/UProtokoll.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TZustand z;
    z.AnlagenAnzahl = 32;
    TProtokoll p(z);
    // The first byte chooses the piece size and the plant the replies are for.
    const size_t stueck = size > 0 ? (data[0] % 64) + 1 : 1;
    z.AktAdresse = size > 0 ? static_cast<quint8>(data[0] % 40) : 0;
    for (size_t i = 1; i < size; i += stueck) {
        const size_t n = std::min(stueck, size - i);
        p.EmpfangAuswerten(QByteArray(reinterpret_cast<const char *>(data + i), static_cast<qsizetype>(n)));
        if (z.EmpfangsPuffer.size() > TProtokoll::MaxPuffer + 256)
            std::abort();
    }
    return 0;
}

// Windows-1252, the 8-bit code page of the configuration file, the data files
// and the event logs of existing installations.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1252 {

// Characters without a place in the code page become '?'.
QByteArray encode(const QString &text);
// Whether every character of text has a place in the code page (encode keeps it).
bool darstellbar(const QString &text);
// Every byte maps to one character; the five bytes the code page leaves
// undefined map to the C1 control of the same value, so decode/encode
// round-trips every byte string unchanged.
QString decode(const QByteArray &bytes);

} // namespace Cp1252

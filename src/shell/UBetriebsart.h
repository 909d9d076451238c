// The names of the controllers' operating modes, in the current language.
#pragma once

#include <QString>

namespace KompUtils {

// The name of an operating mode (0 "Manuell- AUS" ... 4 "Steuerbetrieb") in
// the current language, as the live display's grid shows it; a number that
// is no mode as the number.
QString BetriebsartText(int art);

} // namespace KompUtils

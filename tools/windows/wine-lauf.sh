#!/usr/bin/env bash
# Runs a Windows program under Wine as the tests need it (ctest's emulator of
# the cross build): the prefix of WINEPREFIX (tools/windows/wine-test.sh makes
# a fresh one per run), the offscreen platform unless WINEQT_QPA_PLATFORM says
# otherwise, Qt's messages on stderr, fonts from Debian's DejaVu, the DLLs and
# plugins of the runnable folder build-windows/dist and Qt's test library.
# Wine hands WINEQT_X to the program as QT_X; it drops QT_X itself.
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
BAU=$(cd "$HIER/../.." && pwd)/${KOMPOST_WINDOWS_BAU:-build-windows}
SDK=${KOMPOST_WINDOWS_SDK_ORDNER:-$("$HIER/sdk.sh")}
fenster() { printf 'Z:%s' "${1//\//\\}"; }

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEQT_QPA_PLATFORM=${WINEQT_QPA_PLATFORM:-offscreen}
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR=${WINEQT_QPA_FONTDIR:-$(fenster /usr/share/fonts/truetype/dejavu)}
export WINEQT_PLUGIN_PATH=$(fenster "$BAU/dist")
export WINEPATH="$(fenster "$BAU/dist");$(fenster "$SDK/qt6-win64/bin")"
# Debian keeps wine64 and wineserver in /usr/lib/wine.
export PATH="/usr/lib/wine:$PATH"
exec wine64 "$@"

#!/usr/bin/env bash
# Tests the Windows build under Wine (Debian's wine64, installed when
# missing), in a fresh Wine prefix per run on the offscreen platform:
#  1. the test programs of comm, the shell's core, data and reports (ctest
#     with tools/windows/wine-lauf.sh as the emulator; the same pass criteria
#     as on Linux; the tests left out are named in tests/CMakeLists.txt);
#  2. end to end against the Linux simulator over TCP (tools/windows/e2e.sh),
#     which needs the Linux build in build/.
# Exit code 3 (nothing run) when there is no Windows SDK.
#
#   tools/windows/wine-test.sh [ctest options...]
#   tools/windows/wine-test.sh --e2e        the end to end alone (what CI runs)
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
cd "$HIER/../.."
BAU=${KOMPOST_WINDOWS_BAU:-build-windows}

SDK=$("$HIER/sdk.sh") || exit $?
export KOMPOST_WINDOWS_SDK_ORDNER=$SDK
if [ ! -x /usr/lib/wine/wine64 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends wine64
fi

# Debian keeps wine64 and wineserver in /usr/lib/wine.
export PATH="/usr/lib/wine:$PATH"
WINEPREFIX=$(mktemp -d /tmp/kompost-wine.XXXXXX)
export WINEPREFIX
aufraeumen() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap aufraeumen EXIT
t0=$SECONDS
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine64 wineboot --init >/dev/null 2>&1
wineserver -w
# A German Windows, as in the plant offices: dates in the data file header and
# the protocols come in the user's short date format, as on the Linux side.
for wert in Locale:00000407 LocaleName:de-DE sShortDate:dd.MM.yyyy sShortTime:HH:mm sTimeFormat:HH:mm:ss; do
  WINEDEBUG=-all wine64 reg add 'HKCU\Control Panel\International' /v "${wert%%:*}" /d "${wert#*:}" /f >/dev/null 2>&1
done
wineserver -w
echo "=== Wine prefix ready in $((SECONDS - t0)) s"

nur_e2e=0
[ "${1:-}" = --e2e ] && nur_e2e=1 && shift
t1=$SECONDS
status=0
if [ "$nur_e2e" -eq 0 ]; then
  (cd "$BAU" && ctest --output-on-failure -j "${JOBS:-2}" "$@") || status=$?
  echo "=== Windows tests under Wine: $((SECONDS - t1)) s"
fi

if [ -x build/src/app/kompost ] && [ -x build/tools/kompost-sim ]; then
  t2=$SECONDS
  "$HIER/e2e.sh" build "$BAU" "$BAU/e2e" || status=1
  echo "=== end to end under Wine: $((SECONDS - t2)) s"
  # Where the serial line under Wine stands (reports, never fails).
  [ "$nur_e2e" -eq 1 ] || "$HIER/com1.sh" build "$BAU" "$BAU/com1" || true
else
  echo "=== end to end left out: no Linux build in build/ (./run test)"
fi
exit "$status"

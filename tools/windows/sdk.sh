#!/usr/bin/env bash
# Finds the Windows SDK (Qt for Windows and the libraries beside it) and
# prints its folder on stdout; exit code 3 when there is none.
#
# KOMPOST_WINDOWS_SDK names a folder holding qt6-win64/ (and deps-win64/).
# Without it, ../shared/windows-sdk/qt6-win64-*.tar.xz and deps-win64-*.tar.xz
# beside the work tree are unpacked once into a cache folder outside it
# (${XDG_CACHE_HOME:-$HOME/.cache}/kompost-windows). What the folder lacks is
# built there once by tools/windows/werkzeugkette.sh: QCustomPlot always (it is
# in neither archive), OpenSSL, libcurl and libmosquitto where no deps archive
# was found. With --da it only says (exit code 0 or 3) whether there is one.
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HIER/../.." && pwd)
ARCHIVE=${KOMPOST_WINDOWS_ARCHIVE:-$REPO/../shared/windows-sdk}

if [ -n "${KOMPOST_WINDOWS_SDK:-}" ]; then
  SDK=$KOMPOST_WINDOWS_SDK
  [ -d "$SDK/qt6-win64" ] || { echo "KOMPOST_WINDOWS_SDK=$SDK holds no qt6-win64/" >&2; exit 3; }
else
  SDK=${XDG_CACHE_HOME:-$HOME/.cache}/kompost-windows
  qt_archiv=$(ls "$ARCHIVE"/qt6-win64-*.tar.xz 2>/dev/null | tail -1 || true)
  if [ ! -d "$SDK/qt6-win64" ] && [ -z "$qt_archiv" ]; then
    echo "No Windows SDK: neither KOMPOST_WINDOWS_SDK nor $ARCHIVE/qt6-win64-*.tar.xz" >&2
    exit 3
  fi
fi
[ "${1:-}" = --da ] && exit 0
mkdir -p "$SDK"

# One unpacking and one library build at a time, whichever work tree asks.
exec 9>"$SDK/.sperre"
flock 9

auspacken() { # auspacken ARCHIVE FOLDER: unpacked beside, then renamed in one step
  local archiv=$1 ordner=$2
  [ -d "$SDK/$ordner" ] && return 0
  [ -n "$archiv" ] && [ -f "$archiv" ] || return 1
  echo "Unpacking $(basename "$archiv") into $SDK" >&2
  local tmp
  tmp=$(mktemp -d "$SDK/.auspacken.XXXXXX")
  tar -xJf "$archiv" -C "$tmp"
  mv "$tmp/$ordner" "$SDK/$ordner"
  rm -rf "$tmp"
}

if [ -z "${KOMPOST_WINDOWS_SDK:-}" ]; then
  auspacken "$(ls "$ARCHIVE"/qt6-win64-*.tar.xz 2>/dev/null | tail -1 || true)" qt6-win64
  auspacken "$(ls "$ARCHIVE"/deps-win64-*.tar.xz 2>/dev/null | tail -1 || true)" deps-win64 || true
fi

stufen=()
[ -f "$SDK/deps-win64/bin/libcurl.dll" ] && [ -f "$SDK/deps-win64/bin/libmosquitto.dll" ] ||
  stufen+=(openssl curl mosquitto)
[ -f "$SDK/deps-win64/lib/cmake/QCustomPlotQt6/QCustomPlotQt6Config.cmake" ] || stufen+=(qcustomplot)
if [ ${#stufen[@]} -gt 0 ]; then
  echo "Building into $SDK: ${stufen[*]}" >&2
  "$HIER/werkzeugkette.sh" "$SDK" "${stufen[@]}" >&2
fi
echo "$SDK"

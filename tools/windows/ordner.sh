#!/usr/bin/env bash
# Lays out a runnable Windows folder: the given programs, every DLL they and
# the Qt plugins import (found by reading their import tables, from Qt, the
# libraries beside it and the compiler's runtime), and the Qt plugins
# platforms (windows, offscreen), styles, imageformats and tls. The DLLs are
# stripped. Print support needs no plugin folder in Qt 6 on Windows: the
# Windows printer back end lives in Qt6PrintSupport.dll itself.
#
#   tools/windows/ordner.sh QT_PREFIX DEPS_PREFIX FOLDER PROGRAM.exe...
set -euo pipefail
[ $# -ge 4 ] || { sed -n 2,9p "$0" >&2; exit 2; }
QT=$1 DEPS=$2 ORDNER=$3
shift 3
MINGW=x86_64-w64-mingw32
SUCHPFAD=("$QT/bin" "$DEPS/bin" /usr/lib/gcc/$MINGW/12-posix /usr/$MINGW/lib)
mkdir -p "$ORDNER"

# Copies a DLL found on the search path (once) and follows its imports.
declare -A GESEHEN=()
folge() { # folge FILE: every DLL FILE imports that is not part of Windows
  local dll
  for dll in $($MINGW-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
    [ -n "${GESEHEN[${dll,,}]:-}" ] && continue
    GESEHEN[${dll,,}]=1
    local quelle=""
    for d in "${SUCHPFAD[@]}"; do
      if [ -f "$d/$dll" ]; then quelle="$d/$dll"; break; fi
    done
    [ -n "$quelle" ] || continue # a DLL of Windows itself
    if [ ! "$ORDNER/$dll" -nt "$quelle" ]; then
      cp "$quelle" "$ORDNER/$dll"
      $MINGW-strip --strip-unneeded "$ORDNER/$dll"
    fi
    folge "$quelle"
  done
}

for programm in "$@"; do
  [ "$(cd "$(dirname "$programm")" && pwd)" = "$(cd "$ORDNER" && pwd)" ] || cp "$programm" "$ORDNER/"
  folge "$programm"
done
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll \
  imageformats/qgif.dll imageformats/qico.dll imageformats/qjpeg.dll \
  tls/qschannelbackend.dll tls/qcertonlybackend.dll; do
  mkdir -p "$ORDNER/$(dirname "$plugin")"
  if [ ! "$ORDNER/$plugin" -nt "$QT/plugins/$plugin" ]; then
    cp "$QT/plugins/$plugin" "$ORDNER/$plugin"
    $MINGW-strip --strip-unneeded "$ORDNER/$plugin"
  fi
  folge "$QT/plugins/$plugin"
done

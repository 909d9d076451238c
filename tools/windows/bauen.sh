#!/usr/bin/env bash
# Cross-builds the program for Windows x86_64 into build-windows/ (kompost.exe,
# kompost-sim.exe, the translations inside kompost.exe, the test programs of
# comm, the shell, data and reports) and lays out the runnable folder
# build-windows/dist/ that an installer takes whole. Exit code 3 (nothing
# built) when there is no Windows SDK (tools/windows/sdk.sh).
#
#   tools/windows/bauen.sh [TARGET...]      (default: everything)
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
cd "$HIER/../.."
BAU=${KOMPOST_WINDOWS_BAU:-build-windows}

SDK=$("$HIER/sdk.sh") || exit $?
QT="$SDK/qt6-win64"
DEPS="$SDK/deps-win64"

if [ ! -f "$BAU/build.ninja" ]; then
  starter=()
  command -v ccache >/dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$BAU" -G Ninja -DCMAKE_BUILD_TYPE=Release "${starter[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_PREFIX_PATH="$QT;$DEPS" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-lauf.sh"
fi
# -k 0: every error of a pass at once (MinGW warns where Linux's GCC did not).
if [ $# -gt 0 ]; then
  cmake --build "$BAU" -j "${JOBS:-2}" --target "$@" -- -k 0
  [ -f "$BAU/src/app/kompost.exe" ] && [ -f "$BAU/tools/kompost-sim.exe" ] || exit 0
else
  cmake --build "$BAU" -j "${JOBS:-2}" -- -k 0
fi

# The runnable folder: the programs, every DLL and plugin they need, Qt's own
# translations where QLibraryInfo finds them through qt.conf (the program's
# texts are compiled into kompost.exe).
DIST="$BAU/dist"
"$HIER/ordner.sh" "$QT" "$DEPS" "$DIST" "$BAU/src/app/kompost.exe" "$BAU/tools/kompost-sim.exe"
mkdir -p "$DIST/translations"
for sprache in de en fr; do
  cp /usr/share/qt6/translations/qtbase_$sprache.qm "$DIST/translations/"
done
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' >"$DIST/qt.conf"
x86_64-w64-mingw32-strip --strip-unneeded "$DIST/kompost.exe" "$DIST/kompost-sim.exe"
echo "runnable folder: $DIST ($(du -sh "$DIST" | cut -f1))"

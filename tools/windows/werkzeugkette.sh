#!/usr/bin/env bash
# Builds the Windows x86_64 toolchain of the program from an empty folder,
# outside the work tree, from Debian 12's own sources with Debian's MinGW-w64
# (POSIX threads): Qt 6.4.2 (qtbase + Qt Serial Port), OpenSSL, libcurl with
# Schannel, libmosquitto with OpenSSL, QCustomPlot; then checks it with a tiny
# Qt program run under Wine.
#
#   tools/windows/werkzeugkette.sh FOLDER [STAGE...]
#
# Stages (all of them, in this order, when none is named):
#   pakete       the Debian packages: compiler, host Qt tools, Wine, deb-src line
#   qt           qtbase 6.4.2 (apt-get source qt6-base) into FOLDER/qt6-win64  (~40 min on 2 cores)
#   serialport   Qt Serial Port 6.4.2 into the same prefix
#   openssl      OpenSSL 3.0 into FOLDER/deps-win64
#   curl         libcurl 7.88.1 (Schannel) into FOLDER/deps-win64
#   mosquitto    libmosquitto 2.0.11 (OpenSSL) into FOLDER/deps-win64
#   qcustomplot  QCustomPlot 2.1.0 (Qt 6) into FOLDER/deps-win64
#   pruefe       a tiny Qt Widgets program cross-built and run under Wine
#   pack         qt6-win64-6.4.2.tar.xz and deps-win64-*.tar.xz in FOLDER
#
# Sources are fetched into FOLDER/src. Qt Serial Port's Debian source cannot
# be fetched whole from the archive, so its upstream archive is taken from
# KOMPOST_SERIALPORT_SRC (default: ../shared/windows-sdk beside the work tree).
set -euo pipefail

HIER=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HIER/../.." && pwd)
KETTE="$REPO/cmake/mingw-w64-x86_64.cmake"
MINGW=x86_64-w64-mingw32
JOBS=${JOBS:-2}

[ $# -ge 1 ] || { sed -n 2,24p "$0" >&2; exit 2; }
ZIEL=$(mkdir -p "$1" && cd "$1" && pwd)
shift
case "$ZIEL/" in
  "$REPO"/*) echo "FOLDER must lie outside the work tree" >&2; exit 2 ;;
esac
QT="$ZIEL/qt6-win64"
DEPS="$ZIEL/deps-win64"
SRC="$ZIEL/src"
SERIALPORT_SRC=${KOMPOST_SERIALPORT_SRC:-$REPO/../shared/windows-sdk/qtserialport-everywhere-src-6.4.2.tar.xz}
mkdir -p "$SRC" "$DEPS"

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
zeit() { # zeit NAME command...: runs it and notes how long it took
  local t0=$SECONDS
  "$@"
  echo "=== stage $STUFE: $((SECONDS - t0)) s" | tee -a "$ZIEL/zeiten.txt"
}

# apt-get source PACKAGE into $SRC (once), unpacked to $SRC/PACKAGE
quelle() {
  local paket=$1
  [ -d "$SRC/$paket" ] && return 0
  debsrc
  (cd "$SRC" && apt-get source --download-only "$paket")
  local dsc
  dsc=$(ls "$SRC/${paket}"_*.dsc | head -1)
  (cd "$SRC" && dpkg-source -x "$dsc" "$paket")
}

# The deb-src line apt-get source needs (Debian 12's archive), once.
debsrc() {
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && return 0
  grep -qs '^deb-src' /etc/apt/sources.list && return 0
  sudo_ tee /etc/apt/sources.list.d/kompost-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  sudo_ apt-get update -qq
}

stufe_pakete() {
  debsrc
  sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -qq --no-install-recommends \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    cmake ninja-build make perl dpkg-dev xz-utils \
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6serialport6-dev \
    wine64
}

stufe_qt() {
  quelle qt6-base
  local bau="$SRC/qtbase-bau"
  rm -rf "$bau" && mkdir -p "$bau"
  (cd "$bau" && "$SRC/qt6-base/configure" -prefix "$QT" -release -shared -xplatform win32-g++ \
     -qt-host-path /usr -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-pkg-config \
     -no-openssl -schannel -no-feature-direct2d1_1 -no-feature-vulkan -no-feature-tabletevent \
     -no-feature-tuiotouch -no-feature-sql -no-feature-xml -qt-zlib -qt-libpng -qt-libjpeg \
     -qt-freetype -qt-harfbuzz -qt-pcre \
     -- -DCMAKE_TOOLCHAIN_FILE="$KETTE" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  cmake --build "$bau" --parallel "$JOBS"
  cmake --install "$bau"
}

stufe_serialport() {
  [ -f "$SERIALPORT_SRC" ] || { echo "Qt Serial Port source not found: $SERIALPORT_SRC" >&2; exit 1; }
  rm -rf "$SRC/qtserialport-everywhere-src-6.4.2" "$SRC/serialport-bau"
  tar -xJf "$SERIALPORT_SRC" -C "$SRC"
  mkdir -p "$SRC/serialport-bau"
  (cd "$SRC/serialport-bau" && "$QT/bin/qt-configure-module" "$SRC/qtserialport-everywhere-src-6.4.2" \
     -- -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF)
  cmake --build "$SRC/serialport-bau" --parallel "$JOBS"
  cmake --install "$SRC/serialport-bau"
}

stufe_openssl() {
  # Debian's packaging part of openssl answers 404 at the moment; the upstream
  # .orig.tar.gz arrives before that error and builds as it is.
  if [ ! -d "$SRC/openssl" ]; then
    debsrc
    (cd "$SRC" && apt-get source --download-only openssl || true)
    local orig
    orig=$(ls "$SRC"/openssl_*.orig.tar.gz | head -1)
    mkdir -p "$SRC/openssl" && tar -xzf "$orig" -C "$SRC/openssl" --strip-components=1
  fi
  (cd "$SRC/openssl" && ./Configure mingw64 --cross-compile-prefix=$MINGW- shared no-tests \
     --prefix="$DEPS" --libdir=lib && make -j"$JOBS" && make install_sw)
}

stufe_curl() {
  quelle curl
  rm -rf "$SRC/curl-bau"
  cmake -S "$SRC/curl" -B "$SRC/curl-bau" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$KETTE" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS" -DCMAKE_PREFIX_PATH="$DEPS" \
    -DBUILD_SHARED_LIBS=ON -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF \
    -DUSE_NGHTTP2=OFF -DUSE_LIBIDN2=OFF -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF \
    -DCURL_DISABLE_LDAP=ON -DENABLE_UNICODE=ON -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none
  cmake --build "$SRC/curl-bau" --parallel "$JOBS"
  cmake --install "$SRC/curl-bau"
}

stufe_mosquitto() {
  quelle mosquitto
  rm -rf "$SRC/mosquitto-bau"
  cmake -S "$SRC/mosquitto" -B "$SRC/mosquitto-bau" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$KETTE" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS" -DCMAKE_PREFIX_PATH="$DEPS" \
    -DOPENSSL_ROOT_DIR="$DEPS" -DWITH_TLS=ON -DWITH_BROKER=OFF -DWITH_APPS=OFF -DWITH_CLIENTS=OFF \
    -DWITH_PLUGINS=OFF -DDOCUMENTATION=OFF -DWITH_CJSON=OFF -DWITH_LIB_CPP=OFF \
    -DWITH_STATIC_LIBRARIES=OFF
  cmake --build "$SRC/mosquitto-bau" --parallel "$JOBS"
  cmake --install "$SRC/mosquitto-bau"
}

stufe_qcustomplot() {
  quelle qcustomplot
  rm -rf "$SRC/qcustomplot-bau"
  cmake -S "$SRC/qcustomplot" -B "$SRC/qcustomplot-bau" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$KETTE" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_PREFIX_PATH="$QT" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS" \
    -DUSE_QT_VERSION=6 -DBUILD_SHARED_LIBS=ON
  cmake --build "$SRC/qcustomplot-bau" --parallel "$JOBS"
  cmake --install "$SRC/qcustomplot-bau"
}

# A Qt Widgets program that draws into a picture and a PDF and answers on
# stdout, run under Wine in a fresh prefix on the offscreen platform.
stufe_pruefe() {
  local p="$SRC/pruefung"
  rm -rf "$p" && mkdir -p "$p"
  cat >"$p/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(pruefung LANGUAGES CXX)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport SerialPort)
add_executable(pruefung main.cpp)
target_link_libraries(pruefung PRIVATE Qt6::Widgets Qt6::PrintSupport Qt6::SerialPort)
EOF
  cat >"$p/main.cpp" <<'EOF'
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPainter>
#include <QSerialPortInfo>
#include <cstdio>
int main(int argc, char **argv) {
  QApplication a(argc, argv);
  QLabel l(QStringLiteral("Grüße"));
  l.resize(200, 50);
  const bool bild = !l.grab().isNull();
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(QStringLiteral("pruefung.pdf"));
  QPainter maler(&drucker);
  maler.drawText(100, 100, QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())));
  maler.end();
  std::printf("qt=%s platform=%s grab=%d ports=%d\n", qVersion(), qPrintable(QGuiApplication::platformName()),
              bild ? 1 : 0, int(QSerialPortInfo::availablePorts().size()));
  return bild ? 0 : 1;
}
EOF
  cmake -S "$p" -B "$p/bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$KETTE" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_PREFIX_PATH="$QT"
  cmake --build "$p/bau"
  "$HIER/ordner.sh" "$QT" "$DEPS" "$p/bau" "$p/bau/pruefung.exe"
  local prefix
  prefix=$(mktemp -d)
  export PATH="/usr/lib/wine:$PATH"
  (cd "$p/bau" && WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
     WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu' \
     wine64 ./pruefung.exe | tee "$p/ausgabe.txt")
  WINEPREFIX="$prefix" wineserver -k || true
  rm -rf "$prefix"
  grep -q "qt=6.4.2 platform=offscreen grab=1" "$p/ausgabe.txt"
  [ -s "$p/bau/pruefung.pdf" ]
  echo "toolchain check: a Qt program runs under Wine"
}

stufe_pack() {
  (cd "$ZIEL" && tar -cJf qt6-win64-6.4.2.tar.xz qt6-win64 && \
     tar -cJf deps-win64-openssl-curl-mosquitto.tar.xz deps-win64)
}

STUFEN=("$@")
[ ${#STUFEN[@]} -gt 0 ] || STUFEN=(pakete qt serialport openssl curl mosquitto qcustomplot pruefe)
for STUFE in "${STUFEN[@]}"; do
  echo "=== stage $STUFE"
  zeit "stufe_$STUFE"
done

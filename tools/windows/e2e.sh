#!/usr/bin/env bash
# End to end under Wine: kompost.exe (build-windows/dist) against the Linux
# controller simulator over the network adapter (TCP on loopback), on a home
# folder whose name holds umlauts. It learns the plants, polls, reads plant
# 1's eight weeks of stored records into the pile's data file; the Linux
# build does the same against a simulator started the same way, and both data
# files must be the same byte for byte (the header line that names the file
# itself names it the way each system writes paths). Then the quality
# protocol of the Windows data file is exported by both builds
# (--pdf … --protocol quality) and their text (pdftotext) must be the same.
#
#   tools/windows/e2e.sh LINUX_BUILD WINDOWS_BUILD WORK_FOLDER
# Needs WINEPREFIX (a prefix of its own; tools/windows/wine-test.sh makes it).
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
LINUX=$(cd "$1" && pwd)
WIN=$(cd "$2" && pwd)
ARBEIT=$3
SIM="$LINUX/tools/kompost-sim"
# The controllers' clocks: a fixed moment, so that both simulators hold the same records.
UHR=$(date -d '+56 days' +%Y-%m-%dT%H:00:00)
fenster() { printf 'Z:%s' "${1//\//\\}"; }

sim_pid=""
aufraeumen() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null || true; }
trap aufraeumen EXIT

sim_an() { # sim_an LOG: the simulator on a free port; sets PORT and sim_pid
  "$SIM" --tcp 127.0.0.1:0 --plants 1-3 --age 0@1 --records 672@1 --interval 120@1 --seed 4 \
    --clock "$UHR" >"$1" 2>&1 &
  sim_pid=$!
  PORT=""
  for _ in $(seq 1 100); do
    PORT=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$1" | head -n 1)
    [ -n "$PORT" ] && return 0
    sleep 0.1
  done
  echo "e2e: the simulator did not start" >&2
  cat "$1" >&2
  exit 1
}

heim_an() { # heim_an FOLDER: installation (network, 3 plants) and configuration to the simulator
  mkdir -p "$1"
  printf '[Installation]\r\nAnlagen=3\r\nNetzwerk=1\r\nAdressen33=0\r\nLogo=0\r\nBaudIndex=0\r\n' \
    >"$1/Installation.ini"
  printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=%s\r\nTIMEOUT=300\r\nZEIT=0\r\n' "$PORT" >"$1/O2_Tarvos.ini"
  printf '[1]\r\nName=Miete Nord\r\nKomm=Gr\xfcnschnitt\r\n[2]\r\nName=Miete Ost\r\n[3]\r\nName=Miete S\xfcd\r\n' \
    >>"$1/O2_Tarvos.ini"
}

lauf() { # lauf NAME PROGRAM HOME_ARG PICTURE_ARG: one run of the program
  local name=$1
  shift
  local t0=$SECONDS
  if ! timeout 600 "$@" >"$ARBEIT/$name.out" 2>&1; then
    echo "e2e: $name failed:" >&2
    cat "$ARBEIT/$name.out" >&2
    exit 1
  fi
  echo "e2e: $name took $((SECONDS - t0)) s"
}

rm -rf "$ARBEIT"
mkdir -p "$ARBEIT"
ARBEIT=$(cd "$ARBEIT" && pwd)
HEIM_WIN="$ARBEIT/Kompostplatz Süd/Größe Ö"
HEIM_LINUX="$ARBEIT/linux"

sim_an "$ARBEIT/sim-win.log"
heim_an "$HEIM_WIN"
lauf windows "$HIER/wine-lauf.sh" "$WIN/dist/kompost.exe" --home "$(fenster "$HEIM_WIN")" \
  --offline-screenshot "$(fenster "$ARBEIT/offline-win.png")"
aufraeumen
sim_pid=""

sim_an "$ARBEIT/sim-linux.log"
heim_an "$HEIM_LINUX"
QT_QPA_PLATFORM=offscreen lauf linux "$LINUX/src/app/kompost" --home "$HEIM_LINUX" \
  --offline-screenshot "$ARBEIT/offline-linux.png"
aufraeumen
sim_pid=""

# Learned and polled: the event log holds the poll ("c") of every plant.
log=$(ls "$HEIM_WIN"/Komp_LOG_*.CSV | head -1)
for anlage in 1 2 3; do
  n=$(grep -ac " ${anlage}c"$'\r$' "$log" || true)
  echo "e2e: plant $anlage polled $n times (Windows)"
done

datei_win=$(ls "$HEIM_WIN"/Miete-Nord_*.CSV)
datei_linux=$(ls "$HEIM_LINUX"/Miete-Nord_*.CSV)
ohne_namen() { LC_ALL=C sed '6s/^Datei  - Name: .*$/Datei  - Name: */' "$1"; }
if ! cmp <(ohne_namen "$datei_win") <(ohne_namen "$datei_linux"); then
  echo "e2e: the data files differ" >&2
  diff <(ohne_namen "$datei_win") <(ohne_namen "$datei_linux") | head -20 >&2
  exit 1
fi
zeilen=$(($(wc -l <"$datei_win") - 9))
echo "e2e: $zeilen records, the data files are the same byte for byte ($(wc -c <"$datei_win") bytes, Windows-1252, CR LF)"
sed -n 6p "$datei_win" | iconv -f WINDOWS-1252 -t UTF-8 | tr -d '\r'

cp "$datei_win" "$ARBEIT/miete.csv"
lauf pdf-windows "$HIER/wine-lauf.sh" "$WIN/dist/kompost.exe" --home "$(fenster "$HEIM_WIN")" \
  --pdf "$(fenster "$ARBEIT/quality-win.pdf")" --protocol quality "$(fenster "$ARBEIT/miete.csv")"
QT_QPA_PLATFORM=offscreen lauf pdf-linux "$LINUX/src/app/kompost" --home "$HEIM_LINUX" \
  --pdf "$ARBEIT/quality-linux.pdf" --protocol quality "$ARBEIT/miete.csv"
# The verdict lines must agree word for word. The blanks pdftotext puts
# between columns, and where a long table caption wraps, follow each system's
# font metrics: the blanks are folded, and the rows above the verdict are the
# data file's, compared byte for byte above.
for seite in win linux; do
  pdftotext -layout "$ARBEIT/quality-$seite.pdf" - | sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' |
    sed -n '/^Nachweis der Hygienisierung/,/^SHA-256/p' >"$ARBEIT/quality-$seite.txt"
done
[ -s "$ARBEIT/quality-win.txt" ] || { echo "e2e: no verdict in the Windows protocol" >&2; exit 1; }
if ! diff "$ARBEIT/quality-win.txt" "$ARBEIT/quality-linux.txt" >"$ARBEIT/quality.diff"; then
  echo "e2e: the quality protocols differ:" >&2
  head -30 "$ARBEIT/quality.diff" >&2
  exit 1
fi
echo "e2e: the quality protocols read the same ($(wc -l <"$ARBEIT/quality-win.txt") lines); the verdict:"
grep -i -A2 "hygien" "$ARBEIT/quality-win.txt" | head -8

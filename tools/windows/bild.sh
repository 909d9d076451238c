#!/usr/bin/env bash
# Pictures of kompost.exe under Wine with the Windows platform plugin on a
# virtual screen (Xvfb): the main window and the live display, against the
# Linux simulator over TCP, in a Wine prefix of their own.
#
#   xvfb-run -a -s '-screen 0 1280x1024x24' tools/windows/bild.sh LINUX_BUILD WINDOWS_BUILD OUT_FOLDER
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
LINUX=$(cd "$1" && pwd)
WIN=$(cd "$2" && pwd)
mkdir -p "$3"
AUS=$(cd "$3" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "bild: no display; run it under xvfb-run -a" >&2; exit 2; }
export PATH="/usr/lib/wine:$PATH"
fenster() { printf 'Z:%s' "${1//\//\\}"; }

WINEPREFIX=$(mktemp -d /tmp/kompost-wine.XXXXXX)
export WINEPREFIX
heim=$(mktemp -d)
sim_pid=""
aufraeumen() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$heim"
}
trap aufraeumen EXIT
# The wineserver starts inside the virtual screen, so that the windows platform finds it.
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine64 wineboot --init >/dev/null 2>&1
wineserver -w

"$LINUX/tools/kompost-sim" --tcp 127.0.0.1:0 --plants 1-8 --off 6,7 --silent 8 >"$heim/sim.log" 2>&1 &
sim_pid=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$heim/sim.log" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
printf '[Installation]\r\nAnlagen=8\r\nNetzwerk=1\r\n' >"$heim/Installation.ini"
printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=%s\r\nZEIT=0\r\n' "$port" >"$heim/O2_Tarvos.ini"
n=1
for name in "Miete Nord" "Miete Ost" "Miete S\xfcd" "Miete West" "Tafelmiete 1" "Tafelmiete 2" "Reserve" "Halle"; do
  printf "[%d]\r\nName=$name\r\n" "$n" >>"$heim/O2_Tarvos.ini"
  n=$((n + 1))
done
WINEQT_QPA_PLATFORM=windows WINEQT_QPA_FONTDIR= "$HIER/wine-lauf.sh" "$WIN/dist/kompost.exe" \
  --home "$(fenster "$heim")" --screenshot-after 3000 \
  --window-screenshot "main=$(fenster "$AUS/windows_main.png")" \
  --window-screenshot "display=$(fenster "$AUS/windows_display.png")"
ls -l "$AUS"/windows_main.png "$AUS"/windows_display.png

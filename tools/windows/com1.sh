#!/usr/bin/env bash
# kompost.exe under Wine on COM1, mapped by Wine to a pseudo-terminal whose
# other end socat joins to the Linux simulator's network port, logging every
# byte both ways. Reports what crossed: the frames kompost.exe wrote, the
# replies the simulator sent back into the pseudo-terminal, and the replies
# kompost.exe recognised (its event log). Says what it saw and always exits 0
# where the program ran: Wine 8's serial emulation carries writes to a pty,
# but QSerialPort was not seen to receive from one, so the end to end runs
# over TCP (tools/windows/e2e.sh) and this shows where the serial line stands.
#
#   tools/windows/com1.sh LINUX_BUILD WINDOWS_BUILD WORK_FOLDER   (needs WINEPREFIX)
set -euo pipefail
HIER=$(cd "$(dirname "$0")" && pwd)
LINUX=$(cd "$1" && pwd)
WIN=$(cd "$2" && pwd)
ARBEIT=$3
export PATH="/usr/lib/wine:$PATH"
fenster() { printf 'Z:%s' "${1//\//\\}"; }
rm -rf "$ARBEIT" && mkdir -p "$ARBEIT"
ARBEIT=$(cd "$ARBEIT" && pwd)

pids=()
aufraeumen() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap aufraeumen EXIT

"$LINUX/tools/kompost-sim" --tcp 127.0.0.1:0 --plants 1-3 >"$ARBEIT/sim.log" 2>&1 &
pids+=($!)
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$ARBEIT/sim.log" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "com1: the simulator did not start" >&2; exit 1; }

socat -x -d -d "PTY,raw,echo=0,link=$ARBEIT/com1" "TCP:127.0.0.1:$port" 2>"$ARBEIT/socat.log" &
pids+=($!)
for _ in $(seq 1 50); do [ -e "$ARBEIT/com1" ] && break; sleep 0.1; done
geraet=$(readlink -f "$ARBEIT/com1")
wine64 reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$geraet" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true

heim="$ARBEIT/heim"
mkdir -p "$heim"
printf '[Installation]\r\nAnlagen=3\r\nNetzwerk=0\r\nBaudIndex=2\r\n' >"$heim/Installation.ini"
printf '[COM]\r\nLAYER=0\r\nCOM=1\r\nTIMEOUT=300\r\nZEIT=0\r\n' >"$heim/O2_Tarvos.ini"
timeout 300 "$HIER/wine-lauf.sh" "$WIN/dist/kompost.exe" --home "$(fenster "$heim")" \
  --screenshot "$(fenster "$ARBEIT/com1.png")" >"$ARBEIT/kompost.out" 2>&1 || true

# socat -x writes "> " for bytes from the pty (the program) and "< " for bytes into it.
geschrieben=$(grep -c '^> ' "$ARBEIT/socat.log" || true)
zurueck=$(grep -c '^< ' "$ARBEIT/socat.log" || true)
log=$(ls "$heim"/Komp_LOG_*.CSV 2>/dev/null | head -1 || true)
status=$(grep -a "Verbindung" "$ARBEIT/kompost.out" | head -1 || true)
echo "com1: COM1 = $geraet; pieces written by kompost.exe that reached the simulator: $geschrieben;" \
  "reply pieces written back into the pty: $zurueck"
if [ -n "$log" ]; then
  echo "com1: kompost.exe's event log ($(wc -l <"$log") lines), its first lines:"
  head -8 "$log" | iconv -f WINDOWS-1252 -t UTF-8 | tr -d '\r' | sed 's/^/    /'
fi
[ -n "$status" ] && echo "com1: $status"
exit 0

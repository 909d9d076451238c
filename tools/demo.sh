#!/usr/bin/env bash
# The demo: the program with eight simulated plants and no hardware.
#
#   tools/demo.sh [BUILD-FOLDER] [program options...]      (./run demo does this for build/)
#
# Starts the controller simulator kompost-sim on a free loopback port (plants
# 1-5 run a pile and hold stored records, 6 and 7 are connected but switched
# off, 8 never answers) and the program on the home folder BUILD-FOLDER/demo,
# whose Installation.ini permits the network with 8 plants and whose
# O2_Tarvos.ini points at the simulator. NETPORT is rewritten at every start;
# everything else the program writes there stays. Closing the program ends the
# simulator.
set -euo pipefail

build=${1:-build}
[ $# -gt 0 ] && shift

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
demo: no display ($DISPLAY and $WAYLAND_DISPLAY are empty).
The demo opens the program's window. Without a screen, run it on a virtual one:
    xvfb-run -a ./run demo
(xvfb-run comes with the Debian package xvfb, which ./run installs.)
TEXT
  exit 2
fi

programm="$build/src/app/kompost"
sim=""
for kandidat in "$build/tools/kompost-sim" "$build/tools/kompost-sim/kompost-sim"; do
  if [ -f "$kandidat" ] && [ -x "$kandidat" ]; then
    sim=$kandidat
    break
  fi
done
if [ ! -x "$programm" ] || [ -z "$sim" ]; then
  echo "demo: build the program first (./run demo builds it into build/)." >&2
  echo "      looked for $programm and $build/tools/kompost-sim" >&2
  exit 1
fi

heim="$build/demo"
mkdir -p "$heim"
ausgabe=$(mktemp)
sim_pid=""
aufraeumen() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -f "$ausgabe"
}
trap aufraeumen EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$sim" --tcp 127.0.0.1:0 --plants 1-8 --off 6,7 --silent 8 >"$ausgabe" &
sim_pid=$!

# The simulator prints "tcp 127.0.0.1:PORT" once it listens.
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$ausgabe" | head -n 1)
  [ -n "$port" ] && break
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "demo: the simulator did not start:" >&2
    cat "$ausgabe" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "demo: the simulator did not report its port." >&2
  exit 1
fi
sed -n '/^plants/p' "$ausgabe"
echo "demo: simulator on 127.0.0.1:$port, home folder $heim"

# Installation options: network permitted, 8 plants.
if [ ! -f "$heim/Installation.ini" ]; then
  printf '[Installation]\r\nAnlagen=8\r\nNetzwerk=1\r\nAdressen33=0\r\nLogo=0\r\nBaudIndex=0\r\n' \
    >"$heim/Installation.ini"
fi

# Configuration: network to the simulator, names for the plants. Later starts
# rewrite NETPORT only (Windows-1252 text with CR LF, edited byte-wise).
ini="$heim/O2_Tarvos.ini"
if [ ! -f "$ini" ]; then
  {
    printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=%s\r\nTIMEOUT=300\r\nZEIT=0\r\n' "$port"
    n=1
    for name in "Miete-Nord" "Miete-Ost" "Miete-Sued" "Miete-West" "Tafelmiete-1" "Tafelmiete-2" \
                "Reserve" "Halle"; do
      printf '[%d]\r\nName=%s\r\nKomm=Demo\r\n' "$n" "$name"
      n=$((n + 1))
    done
  } >"$ini"
else
  neu="$ini.neu"
  LC_ALL=C awk -v port="$port" '
    { zeile = $0; sub(/\r$/, "", zeile) }
    zeile ~ /^[ \t]*\[/ {
      if (inCom && !erledigt) { printf "NETPORT=%s\r\n", port; erledigt = 1 }
      name = zeile; gsub(/^[ \t]*\[|\][ \t]*$/, "", name)
      inCom = (toupper(name) == "COM"); if (inCom) sahCom = 1
    }
    inCom && toupper(zeile) ~ /^[ \t]*NETPORT[ \t]*=/ {
      if (!erledigt) { printf "NETPORT=%s\r\n", port; erledigt = 1 }
      next
    }
    { printf "%s\r\n", zeile }
    END {
      if (inCom && !erledigt) printf "NETPORT=%s\r\n", port
      if (!sahCom) printf "[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=%s\r\n", port
    }' "$ini" >"$neu"
  mv "$neu" "$ini"
fi

status=0
"$programm" --home "$heim" "$@" || status=$?
exit "$status"

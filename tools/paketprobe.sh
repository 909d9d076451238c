#!/usr/bin/env bash
# Tries the installed Debian package as an operator's PC would use it, without
# a screen of its own (.ci/run does this after `apt-get install ./…deb`):
#
#   tools/paketprobe.sh [BIN-FOLDER]      (default /usr/bin)
#
#  1. `kompost --version` names the package's version;
#  2. the simulator demo: kompost-sim on a free loopback port with five plants
#     (4 switched off, 5 silent), a home folder in a temporary folder with the
#     demo's Installation.ini and O2_Tarvos.ini; under Xvfb the program learns
#     the plants (its picture after learning), then reads plant 1's stored
#     records into the pile's data file (the offline readout);
#  3. the quality-association protocol of that data file as PDF, with a home
#     folder that holds no installation (headless: no setup window).
set -euo pipefail

bin=${1:-/usr/bin}
kompost="$bin/kompost"
sim="$bin/kompost-sim"
tmp=$(mktemp -d)
sim_pid=""
aufraeumen() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap aufraeumen EXIT

echo "--- $kompost --version"
"$kompost" --version | tee "$tmp/version"
grep -q '^kompost [0-9]' "$tmp/version"
"$sim" --version >/dev/null

echo "--- the simulator demo under Xvfb"
"$sim" --tcp 127.0.0.1:0 --plants 1-5 --off 4 --silent 5 >"$tmp/sim.txt" &
sim_pid=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$tmp/sim.txt" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "the simulator did not report its port" >&2; cat "$tmp/sim.txt" >&2; exit 1; }
heim="$tmp/heim"
mkdir -p "$heim" "$tmp/daten"
printf '[Installation]\r\nAnlagen=5\r\nNetzwerk=1\r\n' >"$heim/Installation.ini"
printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=%s\r\n[1]\r\nName=Probe\r\nPfad=%s/\r\n' \
  "$port" "$tmp/daten" >"$heim/O2_Tarvos.ini"
xvfb-run -a "$kompost" --home "$heim" --screenshot "$tmp/gelernt.png" --screenshot-after 1500
test -s "$tmp/gelernt.png"
# Learning chose the data file of plant 1's running pile.
grep -q "^Datei=$tmp/daten/Probe_" "$heim/O2_Tarvos.ini" || {
  echo "the plants were not learned:" >&2
  cat "$heim/O2_Tarvos.ini" >&2
  exit 1
}
xvfb-run -a "$kompost" --home "$heim" --offline-screenshot "$tmp/offline.png" --screenshot-after 500
test -s "$tmp/offline.png"
datei=$(ls "$tmp"/daten/Probe_*.CSV | head -n 1)
echo "learned and read: $(grep -c '' "$datei") lines in $datei"

echo "--- the protocol as PDF, on a home folder without an installation"
leer="$tmp/leer"
mkdir -p "$leer"
"$kompost" --home "$leer" --pdf "$tmp/gg.pdf" --protocol quality --chart "$datei"
head -c 5 "$tmp/gg.pdf" | grep -q '%PDF-'
[ -z "$(ls -A "$leer")" ] || { echo "the headless run wrote into its home folder:" >&2; ls -A "$leer" >&2; exit 1; }
echo "package check passed"

#!/usr/bin/env bash
# The pictures of the user guide (docs/bilder), made again from the program
# itself: every window comes from the program's own picture options, run
# against the controller simulator kompost-sim on a home folder of its own.
#
#   tools/bilder.sh [BUILD-FOLDER]          (./run pictures builds first and calls this)
#
# For German (de_DE) and English (en_GB) in turn:
#   1. a pile's season: the simulator's plant 1 holds eight weeks of records
#      of a fresh pile (stored every two hours); "Offline Daten auslesen"
#      reads them into the pile's data file, the picture of that window is
#      taken at the end of the readout;
#   2. the main window, the live display and the windows opened from the
#      menus (--window-screenshot), on eight plants: 1-5 run a pile, 6 and 7
#      are connected but switched off, 8 never answers;
#   3. the alarms: plant 3's pile is short of oxygen and plant 4's core is
#      too hot (the simulator forces both readings), the O2 alarm raised
#      after one minute;
#   4. the lost link: the network adapter drops the connection and refuses
#      new ones, the live display is taken while the program tries again;
#   5. the protocol viewer, the graph window and a page of the printed
#      quality-association protocol of the data file from step 1.
# Then, for both languages at once, the first start's setup window after
# "Verbindung prüfen" against the simulator (tst_ersteinrichtung bilder).
# Then each picture is cut, scaled and reduced to a palette of few colours
# (kompost-bildklein) and written to docs/bilder/NAME_de.png or NAME_en.png.
# Everything runs on a virtual screen (xvfb-run); the raw pictures stay in
# BUILD-FOLDER/bilder for a look. The home folders are made in /tmp/Kompost
# (KOMPOST_BILDER_HEIM), a short path that the windows show as the plant's
# data folder.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
build=$(cd "$build" && pwd)

# One virtual screen for the whole run, whatever screen the caller has: the
# pictures look the same on every machine.
if [ -z "${KOMPOST_BILDER_SCHIRM:-}" ]; then
  exec env KOMPOST_BILDER_SCHIRM=1 xvfb-run -a -s "-screen 0 1400x1000x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

programm="$build/src/app/kompost"
sim="$build/tools/kompost-sim"
klein="$build/tools/kompost-bildklein"
for p in "$programm" "$sim" "$klein"; do
  if [ ! -x "$p" ]; then
    echo "bilder: $p is missing; build first (./run pictures builds it)." >&2
    exit 1
  fi
done
command -v pdftoppm >/dev/null || { echo "bilder: pdftoppm (poppler-utils) is missing." >&2; exit 1; }

arbeit="$build/bilder"
heimbasis=${KOMPOST_BILDER_HEIM:-/tmp/Kompost}
ziel=docs/bilder
mkdir -p "$arbeit" "$ziel"

sim_pid=""
sim_aus() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  sim_pid=""
}
trap sim_aus EXIT

# sim_an HOME [simulator options...]: the simulator on a free loopback port,
# eight plants as in the demo; NETPORT of HOME's O2_Tarvos.ini points at it.
sim_an() {
  local heim=$1
  shift
  sim_aus
  local ausgabe="$heim/sim.txt"
  "$sim" --tcp 127.0.0.1:0 --plants 1-8 --off 6,7 --silent 8 "$@" >"$ausgabe" 2>&1 &
  sim_pid=$!
  local port=""
  for _ in $(seq 1 200); do
    port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$ausgabe" | head -n 1)
    [ -n "$port" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { cat "$ausgabe" >&2; exit 1; }
    sleep 0.1
  done
  [ -n "$port" ] || { echo "bilder: the simulator did not report its port" >&2; exit 1; }
  sed -i "s/^NETPORT=[0-9]*\r\$/NETPORT=$port\r/" "$heim/O2_Tarvos.ini"
}

# heim_anlegen HOME [extra configuration lines]: a fresh home folder with the
# installation options and the configuration of a small composting plant.
heim_anlegen() {
  local heim=$1
  rm -rf "$heim"
  mkdir -p "$heim/Mieten"
  printf '[Installation]\r\nAnlagen=8\r\nNetzwerk=1\r\nAdressen33=0\r\nLogo=0\r\nBaudIndex=2\r\n' \
    >"$heim/Installation.ini"
  {
    printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=0\r\nTIMEOUT=300\r\nZEIT=6\r\nSHOWREF=1\r\nREFTEMP=55\r\n'
    printf 'GGRAPH=1\r\nGTAG=1\r\n'
    printf '[Firma]\r\nTitel=Kompostwerk Lindenhof GmbH\r\nZeile2=Am Lindenhof 3, 12345 Musterstadt\r\n'
    printf 'Zeile3=Genehmigung Nr. 4711-K\r\n'
    # the comments in Windows-1252, as the program keeps them
    local n=1 name komm
    for eintrag in $'Miete-Nord|Gr\xfcnschnitt und Bioabfall' "Miete-Ost|Bioabfall" \
                   $'Miete-Sued|Gr\xfcnschnitt' "Miete-West|Bioabfall mit Strukturmaterial" \
                   "Tafelmiete-1|Bioabfall" $'Tafelmiete-2|Gr\xfcnschnitt' "Reserve|" "Halle|"; do
      name=${eintrag%%|*}
      komm=${eintrag#*|}
      printf '[%d]\r\nName=%s\r\nKomm=%s\r\nPfad=%s/Mieten/\r\n' "$n" "$name" "$komm" "$heim"
      n=$((n + 1))
    done
    printf '%s' "${2:-}"
  } >"$heim/O2_Tarvos.ini"
}

# land LANGUAGE: the locale of the language's country (dates, decimal separator).
land() {
  case $1 in
    de) echo de_DE.UTF-8 ;;
    *) echo en_GB.UTF-8 ;;
  esac
}

# lauf HOME LANGUAGE [program options...]: the program on HOME in LANGUAGE,
# with the formats of its country.
lauf() {
  local heim=$1 sprache=$2
  shift 2
  env LANG="$(land "$sprache")" LC_ALL="$(land "$sprache")" "$programm" --home "$heim" --language "$sprache" "$@"
}

# bild RAW NAME [kompost-bildklein options...]: the small picture of a raw one.
bild() {
  local roh=$1 name=$2
  shift 2
  [ -f "$roh" ] || { echo "bilder: $roh was not made" >&2; exit 1; }
  "$klein" "$@" "$roh" "$ziel/$name.png"
}

for sprache in de en; do
  roh="$arbeit/roh_$sprache"
  rm -rf "$roh"
  mkdir -p "$roh"
  echo "bilder: $sprache"

  # 1. A season of plant 1, read out offline into its data file. The
  #    controllers' clocks run eight weeks ahead, so that the season begins
  #    today, on the day the program starts the pile's data file.
  heim="$heimbasis"
  heim_anlegen "$heim"
  sim_an "$heim" --age 0@1 --records 672@1 --interval 120@1 --seed 4 \
    --clock "$(date -d '+56 days' +%Y-%m-%dT%H:%M:00)"
  lauf "$heim" "$sprache" --offline-screenshot "$roh/offline.png"
  saison=$(ls "$heim"/Mieten/Miete-Nord_*.CSV | head -n 1)
  [ -f "$saison" ] || { echo "bilder: no data file of the season" >&2; exit 1; }

  # 2. The main window, the live display and the windows of the menus.
  sim_an "$heim" --interval 120@1
  lauf "$heim" "$sprache" --screenshot-after 3000 \
    --window-screenshot "main=$roh/hauptfenster.png" \
    --window-screenshot "setup=$roh/pc-setup.png" \
    --window-screenshot "setup-mqtt=$roh/mqtt.png" \
    --window-screenshot "storage-time=$roh/speicherzeit.png" \
    --window-screenshot "company=$roh/firmendaten.png" \
    --window-screenshot "display=$roh/anzeige.png" \
    --window-screenshot "set-values=$roh/sollwerte.png" \
    --window-screenshot "clock=$roh/uhr.png" \
    --window-screenshot "new-pile=$roh/neue-miete.png"

  # 3. The alarms: O2 of plant 3 at 3.5 vol% (raised after the one minute
  #    it must last), the core of plant 4 at 88 °C (raised at once).
  alarmheim="$heimbasis-Alarme"
  heim_anlegen "$alarmheim" $'[ALARM]\r\nO2DAUER=1\r\nPLATZMB=0\r\n'
  sim_an "$alarmheim" --o2 35@3 --core 880@4
  lauf "$alarmheim" "$sprache" --screenshot-after 75000 \
    --window-screenshot "alarms=$roh/alarme.png" \
    --window-screenshot "alarms-history=$roh/alarme-verlauf.png" \
    --window-screenshot "alarm-settings=$roh/alarme-einstellen.png" \
    --window-screenshot "main=$roh/hauptfenster-alarme.png"

  # 4. The lost link: 8 s after the simulator's start its network adapter
  #    drops the connection and refuses new ones for ten minutes.
  sim_an "$heim" --outage 8:600
  lauf "$heim" "$sprache" --screenshot-after 14000 --display-screenshot "$roh/unterbrochen.png"
  sim_aus

  # 5. The data file of the season: viewer, graph window (maximised on a
  #    screen of its own, smaller than this one), the last page of the
  #    printed quality-association protocol (one value a day), which carries
  #    the hygienisation verdict.
  lauf "$heim" "$sprache" --viewer-screenshot "$roh/betrachter.png" --protocol quality "$saison"
  xvfb-run -a -s "-screen 0 1000x680x24" env LANG="$(land "$sprache")" LC_ALL="$(land "$sprache")" \
    "$programm" --home "$heim" --language "$sprache" --graph-screenshot "$roh/grafik.png" "$saison"
  lauf "$heim" "$sprache" --pdf "$roh/guete.pdf" --protocol quality --per-day "$saison"
  seiten=$(pdfinfo "$roh/guete.pdf" | sed -n 's/^Pages: *//p')
  pdftoppm -r 80 -png -f "$seiten" -l "$seiten" -singlefile "$roh/guete.pdf" "$roh/guete"

  # The small pictures.
  bild "$roh/hauptfenster.png" "hauptfenster_$sprache" --farben 48
  bild "$roh/pc-setup.png" "pc-setup_$sprache" --farben 24
  bild "$roh/mqtt.png" "mqtt_$sprache" --farben 24
  bild "$roh/speicherzeit.png" "speicherzeit_$sprache" --farben 24
  bild "$roh/firmendaten.png" "firmendaten_$sprache" --farben 24
  bild "$roh/anzeige.png" "anzeige_$sprache" --farben 24
  bild "$roh/sollwerte.png" "sollwerte_$sprache" --farben 24
  bild "$roh/uhr.png" "uhr_$sprache" --farben 24
  bild "$roh/neue-miete.png" "neue-miete_$sprache" --farben 24
  bild "$roh/offline.png" "offline_$sprache" --farben 32
  bild "$roh/alarme.png" "alarme_$sprache" --farben 32
  bild "$roh/alarme-verlauf.png" "alarme-verlauf_$sprache" --farben 32
  bild "$roh/alarme-einstellen.png" "alarme-einstellen_$sprache" --farben 24
  bild "$roh/hauptfenster-alarme.png" "hauptfenster-alarme_$sprache" --farben 48
  bild "$roh/unterbrochen.png" "unterbrochen_$sprache" --farben 24
  bild "$roh/betrachter.png" "betrachter_$sprache" --farben 32
  bild "$roh/grafik.png" "grafik_$sprache" --farben 48
  bild "$roh/guete.png" "guete_$sprache" --farben 8
done

# The first start's setup window, German and English (the test program
# makes both, after a check against the simulator on a pseudo-terminal).
roh="$arbeit/roh_einrichtung"
rm -rf "$roh"
mkdir -p "$roh"
KOMPOST_BILDER="$roh" "$build/tests/shell/tst_ersteinrichtung" bilder >/dev/null
for sprache in de en; do
  bild "$roh/ersteinrichtung_$sprache.png" "ersteinrichtung_$sprache" --farben 32
done

echo "bilder: $(ls "$ziel"/*.png | wc -l) pictures in $ziel, $(du -ck "$ziel"/*.png | tail -n 1 | cut -f1) KB"

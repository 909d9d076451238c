#!/usr/bin/env bash
# The Windows installer under Wine: a silent install into a fresh prefix, the
# installed program run headless (its version and a protocol export), a silent
# uninstall; the home folder and every data file must stay.
#
#   tools/windows/installer-test.sh SETUP.exe
set -euo pipefail

setup=$(realpath "$1")
setup_version=${setup##*-}
setup_version=${setup_version%.exe}
# Debian's wine64 package puts its loader and server under /usr/lib/wine.
PATH="$PATH:/usr/lib/wine"
wine=$(command -v wine || command -v wine64) || { echo "installer-test: no wine (Debian package wine64)" >&2; exit 1; }
arbeit=$(mktemp -d)
export WINEPREFIX="$arbeit/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\liberation'
# --version and --help print to standard output, not into a message box.
export WINEQT_COMMAND_LINE_PARSER_NO_GUI_MESSAGE_BOXES=1
aufraeumen() {
  wineserver -k 2>/dev/null || true
  rm -rf "$arbeit"
}
trap aufraeumen EXIT
fehler() {
  echo "installer-test: FAIL: $*" >&2
  exit 1
}

"$wine" wineboot --init >/dev/null 2>&1
wineserver -w

echo "installer-test: silent install of ${setup##*/}"
"$wine" "$setup" /S
wineserver -w
prog="$WINEPREFIX/drive_c/Program Files/Kompost-Leitstand"
daten="$WINEPREFIX/drive_c/ProgramData/Kompost-Leitstand"
startmenue="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kompost-Leitstand"
for f in kompost.exe kompost-sim.exe Uninstall.exe kompost-demo.cmd demo/O2_Tarvos.ini \
         doc/Bedienungsanleitung.html doc/user-guide.html platforms/qwindows.dll; do
  [ -f "$prog/$f" ] || fehler "$f was not installed"
done
links=$(find "$startmenue" -name '*.lnk' 2>/dev/null | wc -l)
[ "$links" -ge 4 ] || fehler "start menu has $links entries, 4 expected"
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kompost-Leitstand' \
  /v DisplayVersion >/dev/null 2>&1 || fehler "no uninstall entry in the registry"
echo "installer-test: installed: $(find "$prog" -type f | wc -l) files, $links start menu entries"

# The installed program, headless: its version, and a protocol of a data file.
# A Windows GUI program started by Wine from a shell has no console, so what
# --version prints does not reach this shell: the version is read from the
# uninstall entry, and the program itself proves it runs by the export below.
version=$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kompost-Leitstand' \
  /v DisplayVersion 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p')
echo "installer-test: installed version: $version"
[ "$version" = "${setup_version:-$version}" ] && [ -n "$version" ] || fehler "no version in the uninstall entry"

csv="$arbeit/Testmiete_01-06-2026.CSV"
{
  printf 'Kompostwerk Test\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Testmiete\r\n'
  printf 'Datei  - Name: C:\\Daten\\Testmiete_01-06-2026.CSV\r\n\r\nErste Datensicherung : 01.06.2026\r\n'
  printf ' ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n'
  for i in $(seq 1 60); do
    tag=$(( (i - 1) / 4 + 1 )); stunde=$(( ((i - 1) % 4) * 6 ))
    printf '%d;%02d.06.2026  %02d:00;   66;   67;   65;   61;   58;   25; 15,2;3;   12;    4;\r\n' \
      "$i" "$tag" "$stunde"
  done
} >"$csv"
"$wine" "C:\\Program Files\\Kompost-Leitstand\\kompost.exe" --pdf 'Z:'"${arbeit//\//\\}"'\protokoll.pdf' \
  --protocol quality 'Z:'"${csv//\//\\}" || fehler "the protocol export failed"
[ -s "$arbeit/protokoll.pdf" ] || fehler "no protocol PDF written"
text=$(pdftotext -layout "$arbeit/protokoll.pdf" -)
grep -q 'Testmiete' <<<"$text" || fehler "the protocol does not name the pile"
echo "installer-test: protocol export: $(pdfinfo "$arbeit/protokoll.pdf" | sed -n 's/^Pages: *//p') page(s)"

# An operator's files, in the home folder and beside the program.
mkdir -p "$daten/Daten"
for ordner in "$daten" "$prog"; do
  cp "$csv" "$ordner/"
  printf '[COM]\r\nLAYER=1\r\n' >"$ordner/O2_Tarvos.ini"
done
cp "$csv" "$daten/Daten/"

echo "installer-test: silent uninstall"
"$wine" "C:\\Program Files\\Kompost-Leitstand\\Uninstall.exe" /S
wineserver -w
sleep 2
wineserver -w
[ ! -f "$prog/kompost.exe" ] || fehler "kompost.exe is still there after uninstalling"
[ ! -d "$prog/platforms" ] || fehler "the Qt plugins are still there after uninstalling"
[ ! -d "$startmenue" ] || fehler "the start menu entries are still there"
for f in "$daten/${csv##*/}" "$daten/Daten/${csv##*/}" "$daten/O2_Tarvos.ini" "$prog/${csv##*/}" "$prog/O2_Tarvos.ini"; do
  [ -f "$f" ] || fehler "the uninstaller removed ${f#"$WINEPREFIX"/}"
  cmp -s "$csv" "$f" || [ "${f##*/}" = O2_Tarvos.ini ] || fehler "${f#"$WINEPREFIX"/} was changed"
done
echo "installer-test: passed (installed, ran, uninstalled; the data files stayed)"

#!/usr/bin/env bash
# Builds the Windows installer from the runnable folder of the Windows build.
#
#   tools/windows/installer.sh DIST OUT-FOLDER VERSION
#
# DIST is the runnable folder (build-windows/dist: kompost.exe, kompost-sim.exe,
# every DLL and Qt plugin). The installer gets DIST whole, the demo
# (kompost-demo.cmd with its two ini files), the user guides as HTML with their
# pictures and an icon; it is written as OUT-FOLDER/Kompost-Leitstand-Setup-VERSION.exe.
set -euo pipefail

dist=$(realpath "$1")
aus=$(realpath -m "$2")
version=$3
quelle=$(realpath "$(dirname "$0")/../..")
[ -f "$dist/kompost.exe" ] || { echo "installer: $dist/kompost.exe is missing (./run windows builds it)" >&2; exit 1; }
command -v makensis >/dev/null || { echo "installer: makensis is missing (Debian package nsis)" >&2; exit 1; }

stufe="$aus/stage"
rm -rf "$stufe"
mkdir -p "$stufe"
cp -a "$dist/." "$stufe/"

# The demo: a simulator on a fixed loopback port and a home folder of its own.
cp "$quelle/tools/windows/kompost-demo.cmd" "$stufe/"
mkdir -p "$stufe/demo"
printf '[Installation]\r\nAnlagen=8\r\nNetzwerk=1\r\nAdressen33=0\r\nLogo=0\r\nBaudIndex=0\r\n' \
  >"$stufe/demo/Installation.ini"
{
  printf '[COM]\r\nLAYER=1\r\nNETADR=127.0.0.1\r\nNETPORT=18000\r\nTIMEOUT=300\r\nZEIT=0\r\n'
  n=1
  for name in Miete-Nord Miete-Ost Miete-Sued Miete-West Tafelmiete-1 Tafelmiete-2 Reserve Halle; do
    printf '[%d]\r\nName=%s\r\nKomm=Demo\r\n' "$n" "$name"
    n=$((n + 1))
  done
} >"$stufe/demo/O2_Tarvos.ini"

# The user guides as HTML (Debian's python3-markdown), pictures beside them.
mkdir -p "$stufe/doc"
for md in Bedienungsanleitung user-guide; do
  /usr/bin/python3 - "$quelle/docs/$md.md" "$stufe/doc/$md.html" "$md" <<'PY'
import sys, markdown
text = open(sys.argv[1], encoding="utf-8").read()
titel = next((z.lstrip("# ").strip() for z in text.splitlines() if z.startswith("# ")), sys.argv[3])
rumpf = markdown.markdown(text, extensions=["tables", "fenced_code", "toc"])
with open(sys.argv[2], "w", encoding="utf-8", newline="\r\n") as f:
    f.write('<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>%s</title>\n'
            '<style>body{font-family:Arial,sans-serif;max-width:60em;margin:auto;padding:1em}'
            'img{max-width:100%%}table{border-collapse:collapse}td,th{border:1px solid #aaa;padding:2px 6px}'
            '</style></head><body>\n%s\n</body></html>\n' % (titel, rumpf))
PY
done
[ -d "$quelle/docs/bilder" ] && cp -a "$quelle/docs/bilder" "$stufe/doc/"

# The icon: the program's SVG drawn at 16 to 256 pixels (rsvg-convert, Debian's
# librsvg2-bin) and packed as .ico, whose entries may carry PNG data as it is.
svg="$quelle/packaging/kompost-leitstand.svg"
if [ -f "$svg" ] && command -v rsvg-convert >/dev/null; then
  for g in 16 32 48 256; do
    rsvg-convert -w "$g" -h "$g" "$svg" -o "$aus/icon-$g.png"
  done
  /usr/bin/python3 - "$stufe/kompost.ico" "$aus"/icon-16.png "$aus"/icon-32.png "$aus"/icon-48.png \
    "$aus"/icon-256.png <<'PY'
import struct, sys
bilder = [open(p, "rb").read() for p in sys.argv[2:]]
kopf = struct.pack("<HHH", 0, 1, len(bilder))
eintraege, daten, ort = b"", b"", 6 + 16 * len(bilder)
for png in bilder:
    breite, hoehe = struct.unpack(">II", png[16:24])
    eintraege += struct.pack("<BBBBHHII", breite % 256, hoehe % 256, 0, 0, 1, 32, len(png), ort + len(daten))
    daten += png
open(sys.argv[1], "wb").write(kopf + eintraege + daten)
PY
  rm -f "$aus"/icon-*.png
else
  echo "installer: no icon (needs packaging/kompost-leitstand.svg and rsvg-convert)" >&2
fi

# What to install, and for the uninstaller exactly those files again (nothing else).
(
  cd "$stufe"
  : >dateien.nsh
  : >entfernen.nsh
  find . -type d | sort | while read -r ordner; do
    rel=${ordner#./}
    [ "$ordner" = . ] && rel=""
    win=${rel//\//\\}
    echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >>dateien.nsh
    find "$ordner" -maxdepth 1 -type f ! -name '*.nsh' | sort | while read -r datei; do
      name=${datei##*/}
      echo "File \"$stufe/${datei#./}\"" >>dateien.nsh
      echo "Delete \"\$INSTDIR${win:+\\$win}\\$name\"" >>entfernen.nsh
    done
  done
  find . -mindepth 1 -type d | sort -r | while read -r ordner; do
    rel=${ordner#./}
    echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >>entfernen.nsh
  done
  echo 'SetOutPath "$INSTDIR"' >>dateien.nsh
)

ziel="$aus/Kompost-Leitstand-Setup-$version.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$stufe" -DOUTFILE="$ziel" "$quelle/tools/windows/installer.nsi"
echo "installer: $ziel ($(du -h "$ziel" | cut -f1))"

#!/usr/bin/env bash
# Plays the same session on the native build and on the Windows package
# under Wine and compares what they give: --version, --info on a demo chart,
# the screenshots of a headless run (title, free play, the chart under
# autoplay to its end) and of the settings dialog pixel by pixel, and the
# --render WAV byte by byte.
#
# usage: compare-windows-run.sh NATIVE_HOME DIST WINE_PREFIX WORK
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
NATIVE_HOME=$(cd "$1" && pwd) DIST=$(cd "$2" && pwd)
mkdir -p "$3" "$4"
export WINEPREFIX=$(cd "$3" && pwd)
WORK=$(cd "$4" && pwd)
WINE=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
CHART="demo/tide pool/tide_pool_7.bme"
SHOTS=(title list autoplay loading play end)

cat >"$WORK/session.txt" <<'EOF'
# title, free play, autoplay on, the 7-key demo chart to its end
wait 2000
shot title.png
press RETURN
wait 2000
shot list.png
press A
wait 400
shot autoplay.png
press RETURN
wait 3000
shot loading.png
press Q
wait 20000
shot play.png
wait 54000
shot end.png
EOF

# Fresh copies of both program folders, so neither run sees the other's files.
rm -rf "$WORK/linux" "$WORK/windows"
mkdir -p "$WORK/linux"
cp -r "$NATIVE_HOME/." "$WORK/linux/"
cp -r "$DIST" "$WORK/windows"
# Both start from the same settings (a session saves its own).
cp "$NATIVE_HOME/KV2.CFG" "$WORK/windows/KV2.CFG"
[ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot --init >/dev/null 2>&1

native() { (cd "$WORK/linux" && ./game --home . "$@"); }
windows() { (cd "$WORK/windows" && "$WINE" game.exe "$@"); }
native_dialog() { (cd "$WORK/linux" && ./sysconfig --home . "$@"); }
windows_dialog() { (cd "$WORK/windows" && "$WINE" sysconfig.exe "$@"); }
# --info names the chart by its absolute path; the rest must match.
without_path() { sed 's/^{"file":"[^"]*",//'; }

failed=0
check() {
  if [ "$2" = same ]; then echo "same: $1"; else echo "DIFFERENT: $1"; failed=1; fi
}

[ "$(native --version)" = "$(windows --version | tr -d '\r')" ] && r=same || r=different
check "--version" $r
[ "$(native --info "$CHART" | without_path)" = "$(windows --info "$CHART" | tr -d '\r' | without_path)" ] &&
  r=same || r=different
check "--info $CHART" $r

native --headless --script "$WORK/session.txt"
windows --headless --script "$WORK/session.txt"
for shot in "${SHOTS[@]}"; do
  if python3 "$HERE/same_pixels.py" "$WORK/linux/$shot.png" "$WORK/windows/$shot.png" >/dev/null; then r=same; else r=different; fi
  check "screenshot $shot.png" $r
done

printf 'wait 500\nshot dialog.png\n' >"$WORK/dialog.txt"
native_dialog --headless --script "$WORK/dialog.txt"
windows_dialog --headless --script "$WORK/dialog.txt"
python3 "$HERE/same_pixels.py" "$WORK/linux/dialog.png" "$WORK/windows/dialog.png" >/dev/null && r=same || r=different
check "sysconfig screenshot dialog.png" $r

native --render "$CHART" "$WORK/linux.wav" 2>/dev/null
windows --render "$CHART" "$WORK/windows.wav" 2>/dev/null
cmp -s "$WORK/linux.wav" "$WORK/windows.wav" && r=same || r=different
check "--render $CHART" $r
exit $failed

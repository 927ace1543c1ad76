#!/usr/bin/env bash
# Runs the cross-built unit suites under Wine, headless, in a Wine prefix
# kept under the build folder (the first run sets it up in a few seconds).
#
# usage: run-windows-tests.sh CROSS_BUILD DIST WINE_PREFIX
set -euo pipefail

CROSS_BUILD=$(cd "$1" && pwd) DIST=$(cd "$2" && pwd)
mkdir -p "$3"
export WINEPREFIX=$(cd "$3" && pwd)
WINE=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY

[ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot --init >/dev/null 2>&1

# The suites load the DLLs and fonts from beside themselves and read the
# generated media from the cross build's program folder, as on Linux.
cp "$DIST"/*.dll "$CROSS_BUILD/tests/"
cp -r "$DIST/fonts" "$CROSS_BUILD/tests/"
(cd "$DIST" && find . -mindepth 1 -maxdepth 1 ! -name '*.exe' -print0 | xargs -0 cp -r -t "$CROSS_BUILD/home/")

failed=()
started=$SECONDS
cd "$CROSS_BUILD/tests"
for suite in test_*.exe; do
  if "$WINE" "$suite" --gtest_brief=1 >"${suite%.exe}.log" 2>&1; then
    echo "passed: $suite ($(grep -o '[0-9]* tests\? from [0-9]* test suites\? ran' "${suite%.exe}.log" | head -1))"
  else
    failed+=("$suite")
    echo "FAILED: $suite (log: $CROSS_BUILD/tests/${suite%.exe}.log)"
    grep -E '^\[  FAILED  \]' "${suite%.exe}.log" | head -20 || true
  fi
done
echo "windows-test: $(( SECONDS - started )) s under Wine"
[ ${#failed[@]} -eq 0 ]

#!/usr/bin/env bash
# Builds what is missing of the 64-bit program and starts Traxo under Wine on this display, or,
# on a machine without one, on a virtual display of its own.
# The program lives in build/run/: its settings, the hook library it writes and the starter set.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Traxo starter_set

run=$root/build/run
mkdir -p "$run"
cp -f build/win64/Traxo.exe build/win64/GettingStarted.mtd "$run/"
if [ ! -f "$run/traxo.ini" ]; then
    # Until the first-run steps offer it, a new folder starts with the starter set loaded.
    printf '[main]\r\nmotions=GettingStarted.mtd\r\ntutorialPrompt=0\r\n' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$run/traxo.ini"
fi

export WINEPREFIX=$run/wineprefix WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1 || true; wineserver --wait || true; }

start() {
    echo "Traxo runs from $run. Hold the right button and draw; close it with:"
    echo "  WINEPREFIX=$WINEPREFIX wineserver --kill"
    cd "$run" && wine Traxo.exe
}

if [ -n "${DISPLAY:-}" ]; then
    start
    exit
fi
display=:${TRAXO_DISPLAY:-77}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'WINEPREFIX=$WINEPREFIX wineserver --kill 2>/dev/null; kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
echo "No display here: Traxo runs on the virtual display $display."
echo "  Draw a gesture:  DISPLAY=$display xdotool mousemove 300 300 mousedown 3 mousemove 500 300 mouseup 3"
echo "  See the screen:  DISPLAY=$display import -window root screen.png"
start

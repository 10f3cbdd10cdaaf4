#!/usr/bin/env bash
# Builds what is missing of the 64-bit program and starts Traxo under Wine on this display, or,
# on a machine without one, on a virtual display of its own (a free one: TRAXO_DISPLAY=N asks
# for :N, which must be free).
# The program lives in build/run/: its settings, the hook library it writes and the starter set.
# A first start there greets the user as a new user is greeted.
# Ending the script ends only what it started: Traxo and its virtual display. Other programs in
# the same Wine prefix go on running.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Traxo starter_set

run=$root/build/run
mkdir -p "$run"
cp -f build/win64/Traxo.exe build/win64/GettingStarted.mtd "$run/"
# No settings file is written: a new folder meets the first-run welcome, which asks for the
# language and loads the starter set.

export WINEPREFIX=$run/wineprefix WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1 || true; wineserver --wait || true; }
tools/wine-cjk-fonts.sh "$WINEPREFIX"

traxo=
xvfb=
numberFile=
finish() {
    # Only the processes this script started, by their ids.
    [ -z "$traxo" ] || kill "$traxo" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    [ -z "$numberFile" ] || rm -f "$numberFile"
}
trap finish EXIT
trap 'exit 130' INT TERM

start() {
    echo "Traxo runs from $run. Hold the right button and draw; end it with Exit in its window"
    echo "or its tray menu, or with Ctrl+C here."
    cd "$run"
    wine Traxo.exe &
    traxo=$!
    wait "$traxo" || true
    traxo=
}

if [ -n "${DISPLAY:-}" ]; then
    start
    exit
fi

# Xvfb picks the first free display itself and writes its number to the given descriptor.
numberFile=$(mktemp)
if [ -n "${TRAXO_DISPLAY:-}" ]; then
    if [ -e "/tmp/.X${TRAXO_DISPLAY}-lock" ] || [ -e "/tmp/.X11-unix/X${TRAXO_DISPLAY}" ]; then
        echo "The display :$TRAXO_DISPLAY is taken; leave TRAXO_DISPLAY unset to get a free one." >&2
        exit 1
    fi
    Xvfb ":$TRAXO_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    echo "$TRAXO_DISPLAY" >"$numberFile"
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    xvfb=$!
fi
for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "The virtual display did not start." >&2; exit 1; }
    sleep 0.1
done
[ -s "$numberFile" ] || { echo "The virtual display did not start." >&2; exit 1; }
display=:$(head -n 1 "$numberFile")
export DISPLAY=$display
echo "No display here: Traxo runs on the virtual display $display."
echo "  Draw a gesture:  DISPLAY=$display xdotool mousemove 300 300 mousedown 3 mousemove 500 300 mouseup 3"
echo "  See the screen:  DISPLAY=$display import -window root screen.png"
start

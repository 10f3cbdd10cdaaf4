#!/usr/bin/env bash
# Takes the README's pictures under Wine, on a virtual display of its own: the main window with the
# starter set loaded and its first gesture selected, in English (docs/screenshots/main-window.png)
# and in Chinese (main-window-chinese.png), and the options dialog (options.png).
# Needs the win64 build (built here when missing); ends only what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Traxo starter_set >/dev/null

scratch=$root/build/screenshots
export WINEPREFIX=$scratch/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
mkdir -p "$scratch" docs/screenshots
# The program runs from C:\Traxo, a folder a user might have, so that the pictures show no
# build folder of the machine that made them.
app=$WINEPREFIX/drive_c/Traxo

# shoot LANGUAGE MAIN_PNG [OPTIONS_PNG]: the main window with the starter set loaded and its first
# gesture selected, in the language; then, if asked, the options dialog opened from it.
shoot() {
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1 || true; wineserver --wait || true; }
    rm -rf "$app"
    mkdir -p "$app"
    cp build/win64/Traxo.exe build/win64/GettingStarted.mtd "$app/"
    printf '[main]\r\nmotions=GettingStarted.mtd\r\ntutorialPrompt=0\r\nautoCheck=0\r\nlanguage=%s\r\n' "$1" |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$app/traxo.ini"
    tools/wine-cjk-fonts.sh "$WINEPREFIX"

    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        set -euo pipefail
        cd "$1"
        wine Traxo.exe & traxo=$!
        trap "kill $traxo 2>/dev/null || true; wineserver -k 2>/dev/null || true" EXIT
        # A second start shows the first one'"'"'s window and ends.
        for _ in $(seq 60); do
            xdotool search --name "^Traxo$" >/dev/null 2>&1 && break
            sleep 0.5
        done
        wine Traxo.exe
        window=""
        for _ in $(seq 60); do
            for id in $(xdotool search --onlyvisible --name "^Traxo$" 2>/dev/null); do window=$id; done
            [ -n "$window" ] && break
            sleep 0.5
        done
        [ -n "$window" ] || { echo "screenshots.sh: the main window did not show" >&2; exit 1; }
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        # The first row of the list: 5 px into the list panel, 93 + 26 px down, half a row further.
        xdotool mousemove $((X + 60)) $((Y + 93 + 26 + 25)) click 1
        sleep 1
        import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2/$3"
        [ -n "$4" ] || exit 0
        # The toolbar'"'"'s Options button: 398 + 77 / 2 across, 27 + 16 + 36 / 2 down.
        xdotool mousemove $((X + 436)) $((Y + 61)) click 1
        dialog=""
        for _ in $(seq 40); do
            for id in $(xdotool search --onlyvisible --name "^(Options|选项)$" 2>/dev/null); do dialog=$id; done
            [ -n "$dialog" ] && break
            sleep 0.5
        done
        [ -n "$dialog" ] || { echo "screenshots.sh: the options dialog did not show" >&2; exit 1; }
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$dialog")"
        xdotool mousemove $((X + WIDTH + 20)) $((Y + 10)) # no button lit by the cursor
        sleep 0.5
        import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2/$4"
    ' screenshots "$app" "$root" "$2" "${3:-}"
}

shoot 0 docs/screenshots/main-window.png docs/screenshots/options.png
shoot 1 docs/screenshots/main-window-chinese.png
echo "Wrote docs/screenshots/main-window.png, options.png and main-window-chinese.png"

#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]
# Runs a Windows program of the build under Wine with its own prefix (made on first use, with
# its Chinese font link: tools/wine-cjk-fonts.sh) and, when there is no display, a virtual one.
set -euo pipefail

# Wine maps the system's shared page at a fixed address first thing in every process. Where the
# host's address randomisation has already put something there, the process ends at once with
# status 1 ("failed to map the shared user data", said only to Wine's error channel): now and
# then, by chance. With a fixed layout, for this script and all it starts, every start is alike.
if [ -z "${TRAXO_FIXED_LAYOUT:-}" ]; then
    export TRAXO_FIXED_LAYOUT=1
    exec setarch "$(uname -m)" --addr-no-randomize bash "$0" "$@"
fi

prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            wineboot --init >/dev/null 2>&1 || true
            wineserver --wait || true
        fi
    ) 9>"$prefix.lock"
fi
if [ ! -f "$prefix/.traxo-cjk-fonts" ]; then
    (
        flock 9
        "$(dirname "$0")/wine-cjk-fonts.sh" "$prefix"
    ) 9>"$prefix.lock"
fi

# The virtual display has no window manager. Windows that Wine leaves to one go without a
# caption there, and each hiding of one waits two seconds for the manager's answer: Wine frames
# and shows Traxo's windows itself, as Windows does.
if [ ! -f "$prefix/.unmanaged-windows" ]; then
    (
        flock 9
        if [ ! -f "$prefix/.unmanaged-windows" ]; then
            wine reg add 'HKCU\Software\Wine\AppDefaults\Traxo.exe\X11 Driver' /v Managed /d N /f \
                >/dev/null 2>&1 && touch "$prefix/.unmanaged-windows"
        fi
    ) 9>"$prefix.lock"
fi

if [ -z "${DISPLAY:-}" ]; then
    # A private X server for this one run; wait for Wine to finish with it before it goes.
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'wine "$@"; rc=$?; wineserver --wait; exit $rc' wine-run "$@"
fi
exec wine "$@"

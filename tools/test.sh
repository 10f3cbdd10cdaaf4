#!/usr/bin/env bash
# Installs what is missing, checks the format, builds the native, win64 and win32 trees and the
# release packages (dist/), and runs every test: the native unit tests, the 32-bit image checks,
# then the Windows tier under Wine (which installs and uninstalls the packaged installer). Each
# stage's time is told at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

times=()
stage() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    times+=("$(printf '%-22s %4d s' "$name" $((SECONDS - start)))")
}
tell_times() {
    echo "Stage times:"
    printf '  %s\n' "${times[@]}"
}
trap tell_times EXIT

stage install tools/install-deps.sh
stage format tools/check-format.sh

for preset in native win64 win32; do
    cmake --preset "$preset" >/dev/null
    stage "build $preset" cmake --build --preset "$preset"
done

stage packages tools/package.sh

stage "native tests" ctest --preset native -j "$(nproc)"
stage "32-bit checks" ctest --preset win32

# The Windows tier wants one display for the whole run: Wine's desktop process lives as long
# as its server, and must not outlive the X server it was started on.
windows_tier() {
    if [ -n "${DISPLAY:-}" ]; then
        ctest --preset win64
        return
    fi
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
        'ctest --preset win64; rc=$?; WINEPREFIX=$PWD/build/win64/wineprefix wineserver --kill 2>/dev/null; exit $rc'
}
stage "Windows tier" windows_tier

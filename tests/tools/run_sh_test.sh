#!/usr/bin/env bash
# tools/run.sh against stand-ins for Wine and Xvfb: it takes a free display (the one Xvfb picks),
# ending it ends only what it started, never the Wine server of the prefix, and it writes no
# settings, so that a new folder meets the first-run welcome.
set -euo pipefail
source_root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$scratch/tree/tools" "$scratch/tree/build/win64" "$scratch/bin"
cp "$source_root/tools/run.sh" "$scratch/tree/tools/"
touch "$scratch/tree/build/win64/Traxo.exe" "$scratch/tree/build/win64/GettingStarted.mtd"
log=$scratch/calls.log
mkdir -p "$scratch/tree/build/run/wineprefix" && touch "$scratch/tree/build/run/wineprefix/system.reg"

stub() { # name, body
    printf '#!/usr/bin/env bash\n%s\n' "$2" >"$scratch/bin/$1"
    chmod +x "$scratch/bin/$1"
}
stub wine 'echo "wine $* DISPLAY=$DISPLAY" >>"'"$log"'"; sleep 0.3'
stub wineserver 'echo "wineserver $*" >>"'"$log"'"'
stub wineboot 'echo "wineboot $*" >>"'"$log"'"'
stub cmake 'true'
for helper in install-deps.sh wine-cjk-fonts.sh; do
    printf '#!/usr/bin/env bash\ntrue\n' >"$scratch/tree/tools/$helper"
    chmod +x "$scratch/tree/tools/$helper"
done
# Picks display 93 as a free one and says so on the descriptor it was given.
stub Xvfb 'echo "Xvfb $*" >>"'"$log"'"
echo $$ >"'"$scratch/xvfb.pid"'"
for arg in "$@"; do [ "$prev" = -displayfd ] && echo 93 >&"$arg"; prev=$arg; done
exec sleep 30'

failed=0
expect() { # description, command...
    local what=$1
    shift
    if ! "$@"; then
        echo "FAILED: $what" >&2
        failed=1
    fi
}

env -u DISPLAY PATH="$scratch/bin:$PATH" bash "$scratch/tree/tools/run.sh" >"$scratch/out.log" 2>&1 || true

expect "Traxo was started" grep -q '^wine Traxo.exe' "$log"
expect "Xvfb chose the display" grep -q '^Xvfb .*-displayfd' "$log"
expect "Traxo ran on the display Xvfb chose" grep -q '^wine Traxo.exe DISPLAY=:93$' "$log"
expect "the starter set was put beside the program" test -f "$scratch/tree/build/run/GettingStarted.mtd"
expect "no settings file was written, so the first start greets the user" \
    test ! -e "$scratch/tree/build/run/traxo.ini"
expect "the Wine server was left alone" bash -c "! grep -Eq '^wineserver .*(-k|--kill)' '$log'"
ended() { # pid: whether the process is gone within two seconds
    for _ in $(seq 20); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
expect "the virtual display was ended" ended "$(cat "$scratch/xvfb.pid")"
if [ "$failed" -ne 0 ]; then
    echo "--- calls" >&2
    cat "$log" >&2
    echo "--- output" >&2
    cat "$scratch/out.log" >&2
fi
exit "$failed"

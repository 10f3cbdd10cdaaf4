#!/usr/bin/env bash
# wine-cjk-fonts.sh PREFIX
# Lets the Wine prefix draw Chinese in the faces the program's windows use, as Windows does
# through its font links: the first Chinese font fontconfig knows (Debian's fonts-wqy-microhei,
# which tools/install-deps.sh installs) becomes the linked font of Tahoma and the dialog faces.
# Wine finds that font by itself, but links only to the Windows fonts it names, which a Wine
# prefix lacks, so text in Tahoma would show the missing-glyph box. Does nothing when the link is
# there already or no Chinese font is installed.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}

font=$(fc-list ':lang=zh-cn' -f '%{file}|%{family[0]}\n' 2>/dev/null | sort | head -n 1 || true)
[ -n "$font" ] || exit 0
file=$(basename "${font%%|*}")
family=${font#*|}
marker=$prefix/.traxo-cjk-fonts
[ "$(cat "$marker" 2>/dev/null)" != "$file" ] || exit 0

key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
    wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$file,$family" /f >/dev/null 2>&1 || true
done
echo "$file" >"$marker"

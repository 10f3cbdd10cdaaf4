#!/usr/bin/env bash
# Builds the release packages into dist/ from the win32 and win64 builds (brought up to date
# first):
#   Traxo-VERSION-win32.zip, Traxo-VERSION-win64.zip  the portable programs
#   Traxo-VERSION-setup.exe                           the installer (runs on 32- and 64-bit Windows)
# and, for the end-to-end tests only (these machines run no 32-bit code), the same installer
# with the 64-bit stub in build/package/Traxo-VERSION-setup-amd64.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Traxo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
main_class=$(sed -n 's/^set(TRAXO_MAIN_WINDOW_CLASS \([A-Za-z]*\))/\1/p' CMakeLists.txt)
[ -n "$version" ] && [ -n "$main_class" ] ||
    { echo "package.sh: no version or main window class in CMakeLists.txt" >&2; exit 1; }
command -v makensis >/dev/null || { echo "package.sh: makensis missing (tools/install-deps.sh)" >&2; exit 1; }

# The starter set is the same file for both widths: it comes from the win32 tree.
for preset in win32 win64; do
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    targets=(Traxo)
    [ "$preset" = win32 ] && targets+=(starter_set)
    cmake --build --preset "$preset" --target "${targets[@]}" >/dev/null
done

stage=build/package
rm -rf "$stage" dist
mkdir -p "$stage" dist

# Text for Windows: line ends CR LF, the version filled in.
windows_text() {
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1" >"$2"
}

for width in 32 64; do
    case $width in
        32) strip=i686-w64-mingw32-strip ;;
        64) strip=x86_64-w64-mingw32-strip ;;
    esac
    dir=$stage/win$width
    mkdir -p "$dir"
    # The win64 tree is built with symbols for the tests; the product carries none.
    "$strip" -o "$dir/Traxo.exe" "build/win$width/Traxo.exe"
    cp build/win32/GettingStarted.mtd "$dir/"
    windows_text packaging/ReadMe.txt "$dir/ReadMe.txt"
    windows_text LICENSE "$dir/License.txt"
    (cd "$dir" && zip -q -X -9 "../../../dist/Traxo-$version-win$width.zip" \
        Traxo.exe GettingStarted.mtd ReadMe.txt License.txt)
done

kilobytes() {
    echo $(( ($(stat -c %s "$1") + 1023) / 1024 ))
}

installer() {
    makensis -V2 -INPUTCHARSET UTF8 \
        -DTARGET="$1" -DVERSION="$version" -DMAIN_CLASS="$main_class" \
        -DEXE32="$PWD/$stage/win32/Traxo.exe" -DEXE64="$PWD/$stage/win64/Traxo.exe" \
        -DEXE32_KB="$(kilobytes "$stage/win32/Traxo.exe")" \
        -DEXE64_KB="$(kilobytes "$stage/win64/Traxo.exe")" \
        -DSTARTER="$PWD/$stage/win32/GettingStarted.mtd" \
        -DREADME="$PWD/$stage/win32/ReadMe.txt" -DLICENSE="$PWD/$stage/win32/License.txt" \
        -DICON="$PWD/app/entry/Traxo.ico" -DOUTFILE="$PWD/$2" \
        packaging/Traxo.nsi
}
installer x86-unicode "dist/Traxo-$version-setup.exe"
installer amd64-unicode "$stage/Traxo-$version-setup-amd64.exe"

for file in dist/* "$stage/Traxo-$version-setup-amd64.exe"; do
    printf '%9d  %s\n' "$(stat -c %s "$file")" "$file"
done

#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks that every file is at
# its place and that the desktop entry and the AppStream data are valid.
# Usage: InstallIntoPrefix.sh BUILD_DIR
set -u
build_dir=$(cd "$1" && pwd)
prefix=$(mktemp -d)
source "$(dirname "$0")/Checks.sh"
trap 'rm -rf "$prefix" "$check_errors"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }

app=bg.uchebni.geografia
expected=(
    games/geografia
    share/applications/$app.desktop
    share/metainfo/$app.metainfo.xml
    share/icons/hicolor/scalable/apps/$app.svg
    share/doc/geografia/copyright
    share/doc/geografia/changelog.gz
    share/man/man6/geografia.6.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x${size}/apps/$app.png)
done
for file in "${expected[@]}"; do
    check "installs $file" test -s "$prefix/$file"
done
check "the program is executable" test -x "$prefix/games/geografia"
for size in 16 48 256; do
    check "the ${size}x${size} icon is ${size} pixels square" \
        grep -q "PNG image data, $size x $size" <(file "$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png")
done
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$prefix/share/applications/$app.desktop"
check "the desktop entry starts the program with the files it is given" \
    grep -qx 'Exec=geografia %F' "$prefix/share/applications/$app.desktop"
check "appstreamcli accepts the metainfo" \
    appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
unexpected=$(cd "$prefix" && find . -type f | grep -v -E '^\./(games|share/(applications|metainfo|icons|doc|man))/')
check "installs nothing else" test -z "$unexpected"

summary

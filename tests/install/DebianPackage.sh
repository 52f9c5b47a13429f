#!/usr/bin/env bash
# Builds the Debian package, checks its control data and contents, has lintian check it
# as Debian does, and starts the program it holds under Xvfb, ending it through "Изход".
# Given a package instead of a build folder (a release's, from ./run dist), checks that.
# Usage: DebianPackage.sh BUILD_DIR|PACKAGE.deb X11_PROGRAM_TEST
set -u
x11_test=$2
work=$(mktemp -d)
source "$(dirname "$0")/Checks.sh"
trap 'rm -rf "$work" "$check_errors"' EXIT

if [ -f "$1" ]; then
    deb=$1
else
    build_dir=$(cd "$1" && pwd)
    (cd "$work" && cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1)
    deb=$(find "$work/out" -maxdepth 1 -name 'geografia_*.deb' | head -n 1)
    if [ -z "$deb" ]; then
        echo "FAILED: cpack built no package"
        cat "$work/cpack.log"
        exit 1
    fi
    echo "ok: cpack built $(basename "$deb")"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation; do
    check "the package depends on $package" grep -q "\b$package\b" <<<"$depends"
done
check "the package is in section games" grep -qx games <(dpkg-deb -f "$deb" Section)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/games/geografia ./usr/share/applications/bg.uchebni.geografia.desktop \
    ./usr/share/metainfo/bg.uchebni.geografia.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/bg.uchebni.geografia.svg; do
    check "the package holds $file" grep -q " $file\$" <<<"$contents"
done

# Errors and warnings fail; tags that are wrong for this program are overridden, with
# their reasons, in the package itself.
lintian_accepts() {
    lintian --fail-on error,warning "$1" >&2
}
check "lintian reports no error and no warning" lintian_accepts "$deb"

dpkg-deb -x "$deb" "$work/root"
check "the packaged program starts under Xvfb and ends through Изход with status 0" \
    "$x11_test" "$work/root/usr/games/geografia"

summary

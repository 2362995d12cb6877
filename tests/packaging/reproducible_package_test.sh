#!/usr/bin/env bash
# Builds the Debian package twice, from two copies of the source tree at different paths and a
# minute apart, and checks that the two packages are the same bytes.
# Usage: reproducible_package_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The time the build takes from the last commit; only configure gets it, so that it has to reach
# the compiler and cpack through the build itself.
commit_time=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}

# The files git tracks, as the work tree holds them now; each copy gets its own file times.
copy_tracked_files() {
    local copy=$1
    mkdir -p "$copy"
    git -C "$source_dir" ls-files -z \
        | tar -C "$source_dir" --null --files-from=- --ignore-failed-read -cf - \
        | tar -C "$copy" --touch -xf -
}

# Copies the tree to COPY and builds only what the package holds, with the release build's flags.
build_package_in() {
    local copy=$1
    copy_tracked_files "$copy"
    (
        cd "$copy"
        SOURCE_DATE_EPOCH=$commit_time cmake --preset release \
            -DTEILERWERK_BUILD_TESTS=OFF -DTEILERWERK_BUILD_BENCH=OFF
        unset SOURCE_DATE_EPOCH
        cmake --build --preset release
        cd build/release
        cpack -G DEB
    ) > "$copy.log" 2>&1 || { cat "$copy.log"; fail "the build in $copy failed"; }
}

started=$(date +%s)
build_package_in "$work/first/teilerwerk"
# A clock time that leaks into the package, even one to the minute, then shows as a difference.
sleep $(( started + 61 - $(date +%s) > 0 ? started + 61 - $(date +%s) : 0 ))
build_package_in "$work/second-build/teilerwerk-copy"

first=$(echo "$work"/first/teilerwerk/build/release/teilerwerk_*.deb)
second=$(echo "$work"/second-build/teilerwerk-copy/build/release/teilerwerk_*.deb)
sha256sum "$first" "$second"
if ! cmp -s "$first" "$second"; then
    if command -v diffoscope > /dev/null; then
        diffoscope --text - --max-text-report-size 20000 "$first" "$second" || true
    fi
    fail "two builds of the same tree give different packages"
fi
echo "PASS: two builds at different paths, a minute apart, give the same package"

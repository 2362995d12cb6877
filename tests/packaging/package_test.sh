#!/usr/bin/env bash
# Checks what the Debian package holds and depends on, that every member carries the last
# commit's time, and runs its program, unpacked, through the end-to-end tests on X and Wayland.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR APP_ID END_TO_END_TEST WAYLAND_END_TO_END_TEST
set -euo pipefail
build_dir=$1
source_dir=$2
app_id=$3
end_to_end_test=$4
wayland_end_to_end_test=$5

fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build_dir"
package=$(echo teilerwerk_*_"$(dpkg --print-architecture)".deb)
[ -f "$package" ] || fail "no package with Debian's standard file name: $(ls ./*.deb)"

contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for file in ./usr/bin/teilerwerk \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "./usr/share/icons/hicolor/64x64/apps/$app_id.png" \
            ./usr/share/doc/teilerwerk/copyright \
            ./usr/share/doc/teilerwerk/changelog.gz \
            ./usr/share/man/man1/teilerwerk.1.gz \
            ./usr/share/man/de/man1/teilerwerk.1.gz; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libhwy1 qt6-qpa-plugins qt6-wayland qt6-translations-l10n \
                  fonts-freefont-ttf fonts-liberation2; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
done
[ -n "$(dpkg-deb -f "$package" Maintainer)" ] || fail "the package names no maintainer"

unpacked=$(mktemp -d)
members=$(mktemp -d)
trap 'rm -rf "$unpacked" "$members"' EXIT

# The archive's members, and the files in its control and data archives, all with their times.
commit_time=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}
(cd "$members" && ar xo "$build_dir/$package")
mkdir "$members/control" "$members/data"
tar -C "$members/control" -xf "$members"/control.tar.*
tar -C "$members/data" -xf "$members"/data.tar.*
other_times=$(find "$members" -mindepth 1 ! -path "$members/control" ! -path "$members/data" -printf '%Ts %P\n' \
    | awk -v time="$commit_time" '$1 != time')
[ -z "$other_times" ] || fail "members with another time than the last commit's ($commit_time): $other_times"

dpkg-deb -x "$package" "$unpacked"
bash "$end_to_end_test" "$unpacked/usr/bin/teilerwerk" "$build_dir/package-screenshot.png"
bash "$wayland_end_to_end_test" "$unpacked/usr/bin/teilerwerk"
echo "PASS: $package holds the program, its desktop files, manual pages and dependencies, all at the commit's time, and its program runs on X and on Wayland"

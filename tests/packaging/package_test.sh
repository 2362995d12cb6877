#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and depends on, and runs its program,
# unpacked, through the end-to-end test.
# Usage: package_test.sh BUILD_DIR APP_ID END_TO_END_TEST
set -euo pipefail
build_dir=$1
app_id=$2
end_to_end_test=$3

fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build_dir"
rm -f teilerwerk_*.deb
cpack -G DEB > cpack.log || { cat cpack.log; fail "cpack could not build the package"; }
package=$(echo teilerwerk_*_"$(dpkg --print-architecture)".deb)
[ -f "$package" ] || fail "no package with Debian's standard file name: $(ls ./*.deb)"

contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for file in ./usr/bin/teilerwerk \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "./usr/share/icons/hicolor/64x64/apps/$app_id.png" \
            ./usr/share/doc/teilerwerk/copyright; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libhwy1 qt6-qpa-plugins qt6-wayland qt6-translations-l10n \
                  fonts-freefont-ttf fonts-liberation2; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
done
[ -n "$(dpkg-deb -f "$package" Maintainer)" ] || fail "the package names no maintainer"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
bash "$end_to_end_test" "$unpacked/usr/bin/teilerwerk" "$build_dir/package-screenshot.png"
echo "PASS: $package holds the program, its desktop files and its dependencies, and its program runs"

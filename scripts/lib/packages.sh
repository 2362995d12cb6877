# Debian packages the scripts need, and a helper that installs the missing ones.

# To build and start the program: the compiler, Highway for the vectorised search, Qt with its
# Wayland plugin and German texts, and the two faces the window names.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libhwy-dev
    qt6-base-dev qt6-wayland qt6-translations-l10n fonts-freefont-ttf fonts-liberation2)
# To run every test: coreutils factor as the oracle, clang with libFuzzer, clang-format, an older
# CPU model under qemu, DejaVu as the only faces of a machine without the window's own, a real X
# display and a headless Wayland compositor with the accessibility bus for the end-to-end tests,
# and the tools that build and check the package, its manual pages and its builds from the tracked
# files at the last commit's time.
TEST_PACKAGES=(coreutils clang libclang-rt-14-dev clang-format qemu-user
    fonts-dejavu-core xvfb xauth xdotool weston dbus at-spi2-core python3-pyatspi imagemagick
    desktop-file-utils appstream dpkg-dev file lintian devscripts man-db xz-utils git)

# Installs the named packages that are not installed yet: with apt-get as root, otherwise it
# names them and stops.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

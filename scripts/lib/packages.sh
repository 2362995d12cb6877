# Debian packages the scripts need, and a helper that installs the missing ones.

# To build and start the program: the compiler, Qt and the two faces the window names.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-freefont-ttf fonts-liberation2)
# To run every test: coreutils factor as the oracle, clang with libFuzzer, clang-format, a real
# X display with the accessibility bus for the end-to-end test, and the tools that check and
# build the package.
TEST_PACKAGES=(coreutils clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool dbus at-spi2-core python3-pyatspi imagemagick
    desktop-file-utils appstream dpkg-dev file)

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

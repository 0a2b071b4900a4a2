# Sourced by the tools: installs Debian packages that are missing, and only those.

# ensure_packages NAME...: apt-get installs the names that are not installed yet
# (through sudo when not root); nothing is done when all are there.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs: qt6-l10n-tools for lupdate and
# lrelease, qt6-translations-l10n for the toolkit's own translations, and a
# font with the traditional Chinese characters of the zh_TW texts and books;
# qt6-charts-dev and qt6-svg-dev for the charts and their SVG copies, and
# libqt6opengl6-dev, whose CMake files the charts' own look for.
PROGRAM_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
                  qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-noto-cjk
                  qt6-charts-dev qt6-svg-dev libqt6opengl6-dev)
# What the tests, the benchmarks and the fuzzer need besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)

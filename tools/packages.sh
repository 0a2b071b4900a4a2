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
                  libcli11-dev nlohmann-json3-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev)
# The icon is rendered from its SVG at build time; manual pages are compressed.
PROGRAM_PACKAGES+=(librsvg2-bin gzip)
# What the tests, the benchmarks and the fuzzer need besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev ledger time)
# The desktop files' validators, the file-type database and its lookup, and
# groff for the manual pages' warnings.
TEST_PACKAGES+=(desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin groff-base)
# tools/package: dpkg-shlibdeps computes the package's dependencies, and CPack
# finds the binaries to give it with file.
# lintian checks the package against Debian's policy.
PACKAGE_PACKAGES=(dpkg-dev file lintian)
# tools/screenshots: a virtual display.
SCREENSHOT_PACKAGES=(xvfb xauth)
# What tools/bench-cold and tools/bench-cli need besides: GNU time for the peak memory.
BENCH_PACKAGES=(time)
# tools/format and tools/tidy: the formatter and the linter of the C++ sources.
FORMAT_PACKAGES=(clang-format)
TIDY_PACKAGES=(clang-tidy)

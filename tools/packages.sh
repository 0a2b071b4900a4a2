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

# What building the program needs.
PROGRAM_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
                  qt6-translations-l10n libgl-dev fonts-dejavu-core)
# What the tests, the benchmarks and the fuzzer need besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)
# What tools/bench-cold needs besides: GNU time for the peak memory.
BENCH_PACKAGES=(time)

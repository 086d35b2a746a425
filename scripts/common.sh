# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: the Debian packages RI-DI needs and the build folder.
# Sourced, not run.

ridi_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ridi_build=${RIDI_BUILD_DIR:-$ridi_root/build}

# Everything the build, the tests and the benchmarks use, as Debian 12 packages.
ridi_packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth
    netpbm desktop-file-utils appstream man-db groff-base dpkg-dev binutils-mingw-w64-x86-64
    # the licence and Debian policy checks
    reuse lintian
    # the real window on Xvfb: its X11 class, and what screen readers find over AT-SPI
    x11-utils dbus-daemon at-spi2-core python3-pyatspi
    # scripts/harden: libFuzzer (a Recommends of clang, so by name), its symbolizer, clang-tidy
    clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14
    # bench/batch_throughput
    hyperfine mawk
    # tests/cli/stub_reference.py: the independent reference for ridi-calc's stubs
    python3-scikit-rf
    # the core reads numbers with fast_float (but in the browser, whose C library reads them as
    # exactly), and writes the shortest digits with Dragonbox where the C++ library cannot (the
    # Windows and web builds)
    libfast-float-dev libdragonbox-dev
    # the Windows and web zips, and the tests that open them
    zip unzip
)

# What scripts/windows adds: the MinGW-w64 cross compiler (POSIX threads), Wine to run the
# Windows programs and their tests (64-bit only) and NSIS for the installer. GoogleTest's source
# (googletest), Xvfb and zip come with the packages above.
ridi_windows_packages=(
    g++-mingw-w64-x86-64-posix wine wine64 nsis
)

# What scripts/web adds: emscripten (its clang and node), rsvg-convert and pngquant for the icons,
# esbuild to minify the scripts and style sheets, and Chromium to run the tests in; npm (for the
# test driver, playwright-core) comes with some builds of nodejs, so scripts/web installs it only
# where the command is missing.
ridi_web_packages=(
    emscripten nodejs librsvg2-bin pngquant esbuild chromium
)

# What scripts/coverage adds: gcovr.
ridi_coverage_packages=(gcovr)

# What scripts/fresh needs on this machine, outside the root it makes: mmdebstrap to make the
# root and git to copy the checkout into it.
ridi_fresh_packages=(mmdebstrap git)

# Installs RI-DI's packages and those named that are not installed yet (apt-get; sudo when not
# root).
ridi_install() {
    ridi_install_only "${ridi_packages[@]}" "$@"
}

# Installs just the packages named that are not installed yet.
ridi_install_only() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || missing+=("$package")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures and builds the project through a preset of CMakePresets.json (default: "default",
# in $ridi_build). Further arguments go to the build, for example --target ridi.
ridi_build_preset() {
    local preset=$1
    shift
    if [ "$preset" = default ]; then
        cmake --preset "$preset" -S "$ridi_root" -B "$ridi_build"
    else
        cmake --preset "$preset" -S "$ridi_root"
    fi
    cmake --build "$(ridi_preset_dir "$preset")" --parallel "$(nproc)" "$@"
}

# The build folder of a preset.
ridi_preset_dir() {
    case $1 in
        default) echo "$ridi_build" ;;
        *) echo "$ridi_root/build-$1" ;;
    esac
}

ridi_build() {
    ridi_build_preset default "$@"
}

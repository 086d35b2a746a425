# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: the Debian packages RI-DI needs and the build folder.
# Sourced, not run.

ridi_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ridi_build=${RIDI_BUILD_DIR:-$ridi_root/build}

# The packages that build RI-DI are the Build-Depends of debian/control, and the tools its tests
# run (Xvfb, xprop, man, groff, python3) are the test dependencies of debian/tests/control, which
# the project's own tests use too; ridi_install installs both from there. Here: what the
# project's own builds, tests and benchmarks add to them, as Debian 12 packages.
ridi_packages=(
    # the presets' generator
    ninja-build
    libbenchmark-dev
    # the install tree's checks: desktop entry, metainfo, Windows resources
    desktop-file-utils appstream binutils-mingw-w64-x86-64
    # the licence and Debian policy checks
    reuse lintian
    # the real window on Xvfb: what screen readers find over AT-SPI
    dbus-daemon at-spi2-core python3-pyatspi
    # scripts/harden: libFuzzer (a Recommends of clang, so by name), its symbolizer, clang-tidy
    clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14
    # bench/batch_throughput
    hyperfine mawk
    # tests/cli/stub_reference.py: the independent reference for ridi-calc's stubs
    python3-scikit-rf
    # the shortest digits of a number where the C++ library cannot write them (the Windows and
    # web builds)
    libdragonbox-dev
    # the Windows and web zips, and the tests that open them
    zip unzip
)

# What scripts/windows adds: the MinGW-w64 cross compiler (POSIX threads), Wine to run the
# Windows programs and their tests (64-bit only), NSIS for the installer and GoogleTest's source,
# built for Windows. Xvfb and zip come with the packages above.
ridi_windows_packages=(
    g++-mingw-w64-x86-64-posix wine wine64 nsis googletest
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
# root and git to copy the checkout into it. scripts/debian uses them too, to make the chroot of
# its clean builds and the source package from the checkout.
ridi_fresh_packages=(mmdebstrap git)

# What scripts/debian --test adds to check the Debian package: sbuild and autopkgtest (in a user
# namespace, with uidmap, from a root that mmdebstrap packs with zstd), blhc, and reprotest with
# what varies the build (faketime, disorderfs) and shows a difference (diffoscope).
ridi_debian_packages=(
    sbuild autopkgtest uidmap zstd blhc reprotest faketime disorderfs diffoscope-minimal
)

# Installs the Build-Depends of debian/control, the test dependencies of debian/tests/control,
# RI-DI's packages above and those named, where they are not installed yet (apt-get; sudo when
# not root).
ridi_install() {
    ridi_install_build_depends
    local test_depends
    # The Depends fields, without the package under test and any version.
    mapfile -t test_depends < <(sed -n 's/^Depends://p' "$ridi_root/debian/tests/control" |
        tr ',' '\n' | sed 's/([^)]*)//; s/^ *//; s/ *$//' | grep -vxE 'ridi|@|' | sort -u)
    ridi_install_only "${test_depends[@]}" "${ridi_packages[@]}" "$@"
}

# Installs the Build-Depends of debian/control (and build-essential) where any is missing.
ridi_install_build_depends() {
    if ! command -v dpkg-checkbuilddeps >/dev/null ||
        ! dpkg-checkbuilddeps "$ridi_root/debian/control" 2>/dev/null; then
        echo "Installing the Build-Depends of debian/control"
        ridi_apt_get build-dep "$ridi_root"
    fi
}

# Installs just the packages named that are not installed yet.
ridi_install_only() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || missing+=("$package")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    ridi_apt_get install "${missing[@]}"
}

# apt-get COMMAND ARGS..., without questions or recommended packages, after one update of the
# package lists per script.
ridi_apt_get() {
    if [ -z "${ridi_apt_updated:-}" ]; then
        ridi_as_root apt-get update -qq
        ridi_apt_updated=1
    fi
    ridi_as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@"
}

# Runs a command as root: through sudo when not root already.
ridi_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
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

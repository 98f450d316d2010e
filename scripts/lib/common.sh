# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts in this folder; source it, do not run it.

# The repository's root, whatever the caller's working directory.
ROVALIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages needed to build the program and run its tests: the narrow
# font the window is laid out for, a private X server for the scaling tests
# (with xwininfo, which reads the window's class), and the tools that check the
# install (strace tells which catalogues the program opens) and build and check
# the Debian package (CPack reads the program's dependencies with
# dpkg-shlibdeps, which needs file), pdftotext, which reads back the plan's
# sheet saved as a PDF, and libfiu's fault injector (fiu-run, fiu-ctrl), which
# makes the writes of a save fail. Then Qt: its private headers for one test
# hook, its SVG plugins, which draw the icon, and Qt Charts, which draws the
# weekly build-up; Qt 5 unless a script is asked for Qt 6
# (ROVALIN_QT6_PACKAGES instead of ROVALIN_QT5_PACKAGES), with Qt's
# Linguist tools, which compile and check the translation, and Qt's own
# translations, which the program loads in Russian (the tests read Qt's
# buttons in it). Qt 6's Charts needs Qt 6's OpenGL CMake package, which
# Debian's qt6-charts-dev does not pull in.
ROVALIN_COMMON_PACKAGES=(cmake g++ make fonts-liberation xvfb x11-xserver-utils x11-utils
    desktop-file-utils appstream dpkg-dev file strace lintian poppler-utils fiu-utils)
ROVALIN_QT5_PACKAGES=(qtbase5-dev qtbase5-private-dev libqt5svg5 libqt5charts5-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n)
ROVALIN_QT6_PACKAGES=(qt6-base-dev qt6-base-private-dev libqt6svg6 qt6-charts-dev
    libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
ROVALIN_BUILD_PACKAGES=("${ROVALIN_COMMON_PACKAGES[@]}" "${ROVALIN_QT5_PACKAGES[@]}")

# ensure_packages PACKAGE...: installs the packages that are missing. As root
# it uses apt-get; otherwise it prints the one command to run and exits.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Some packages are missing. Install them with:" >&2
        echo "sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [CMAKE_OPTION...]
configure_and_build() {
    local build_dir=$1
    shift
    cmake -S "$ROVALIN_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# run_step LOG NAME COMMAND...: runs a step of a longer script in a subshell
# that stops at the first failing command, its output added to LOG under a
# "== NAME" line; prints the step's time, and on failure the end of LOG, and
# then exits.
run_step() {
    local log=$1 name=$2 start=$SECONDS status
    shift 2
    echo "== $name" >>"$log"
    set +e
    (
        set -e
        "$@"
    ) >>"$log" 2>&1
    status=$?
    set -e
    if [ $status -ne 0 ]; then
        echo "$(basename "$0"): $name failed after $((SECONDS - start)) s; the end of $log:" >&2
        tail -n 80 "$log" >&2
        exit 1
    fi
    printf '  %-22s %5d s\n' "$name" $((SECONDS - start))
}

# SPDX-License-Identifier: GPL-3.0-or-later

# The Qt for MinGW-w64 (x86_64, posix threads) that the Windows build links;
# shared by the scripts that build for Windows. Source it after common.sh and
# debian-source.sh, do not run it.
#
# Debian has no such Qt, so ensure_windows_qt builds one from Debian's own Qt
# source packages, the same versions as the Qt this machine's apt installs:
# qtbase with Core, Gui, Widgets, PrintSupport (for the plan's sheet) and
# Test, its Windows platform, style and printer plugins, qtsvg, which draws
# the window's icon, and qtcharts, which draws the weekly build-up of a dose
# and the plan's levels. It is kept outside the
# clone, in ${XDG_CACHE_HOME:-$HOME/.cache}/rovalin/qt-VERSION-mingw64, so that
# later runs on this machine reuse it. Its stamp file names the Debian versions
# of the Qt sources and of the compiler, and the recipe's version: when it
# matches, nothing is built. A build takes about 20 minutes on two cores, in a
# scratch folder that is removed afterwards; its whole output goes to
# qt-build.log beside the Qt. Qt Charts has a stamp of its own: added to a
# Qt built before it, it is built alone (a few minutes).

# The packages a Windows build needs: the cross compiler, what builds Qt,
# wine and NSIS, Xvfb and the tools that check the packages as a user would
# (strace, xdotool, Python), the lrelease that compiles the translation, and
# Qt's own translations, whose Russian the packages ship (a .qm file is the
# same on every platform).
ROVALIN_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev g++ make perl dpkg-dev xz-utils cmake wine
    wine64 nsis xvfb zip unzip strace x11-xserver-utils fonts-liberation xdotool python3
    qttools5-dev-tools qttranslations5-l10n)

scratch=
remove_scratch() {
    [ -z "$scratch" ] || rm -rf --one-file-system "$scratch"
}

qt_step() {
    run_step "$qt_log" "$@"
}

fetch_qt_sources() {
    fetch_debian_sources $suite "$scratch/src" \
        "qtbase-opensource-src=$qtbase_version" "qtsvg-opensource-src=$qtsvg_version"
}

# The mkspec calls the compilers x86_64-w64-mingw32-gcc and -g++, which are
# Debian alternatives that may point at the win32 threads variant: here they
# are the posix one whatever the machine's choice.
posix_compilers() {
    mkdir -p "$scratch/bin"
    ln -s "$(command -v $mingw-gcc-posix)" "$scratch/bin/$mingw-gcc"
    ln -s "$(command -v $mingw-g++-posix)" "$scratch/bin/$mingw-g++"
}

# Shared and release, the modules the program and its tests use and nothing
# else (the Direct2D platform plugin would build the Windows one a second
# time). Tablet support is off because Debian's sources leave out the Wintab
# headers it needs; the libraries Qt bundles are used rather than looked for.
configure_qtbase() {
    local source_dir
    source_dir=$(echo "$scratch"/src/qtbase-opensource-src-*/)
    mkdir -p "$scratch/qtbase"
    cd "$scratch/qtbase"
    PATH=$scratch/bin:$PATH "$source_dir/configure" -prefix "$qt_prefix" \
        -xplatform win32-g++ -device-option CROSS_COMPILE=$mingw- \
        -opensource -confirm-license -release -shared -silent \
        -nomake examples -nomake tests -no-pkg-config \
        -no-opengl -no-dbus -no-icu -no-vulkan -no-direct2d \
        -no-feature-sql -no-feature-network -no-feature-xml \
        -no-feature-concurrent -no-feature-tabletevent \
        -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
}

make_and_install() {
    cd "$1"
    PATH=$scratch/bin:$PATH make -j"$(nproc)"
    PATH=$scratch/bin:$PATH make install
}

# build_module NAME: a Qt module such as qtsvg, with the qmake of the Qt built
# into the prefix, from the sources fetched into the scratch folder.
build_module() {
    local source_dir
    source_dir=$(echo "$scratch/src/$1"-opensource-src-*/)
    mkdir -p "$scratch/$1"
    cd "$scratch/$1"
    PATH=$scratch/bin:$PATH "$qt_prefix/bin/qmake" "$source_dir"
    make_and_install "$scratch/$1"
}

# expect_files FILE...: each is below the prefix; says which are not.
expect_files() {
    local file absent=0
    for file in "$@"; do
        if [ ! -f "$qt_prefix/$file" ]; then
            echo "missing: $qt_prefix/$file"
            absent=1
        fi
    done
    return $absent
}

# What the Windows build relies on: the libraries, the plugins that draw the
# window, its style and its icon, the offscreen platform the tests run on, the
# CMake packages, and the host tools, which must run here.
check_qt() {
    local file files=(plugins/platforms/q{windows,offscreen}.dll
        plugins/styles/qwindowsvistastyle.dll plugins/iconengines/qsvgicon.dll
        plugins/imageformats/qsvg.dll plugins/printsupport/windowsprintersupport.dll) module
    for module in Core Gui Widgets PrintSupport Test Svg; do
        files+=("bin/Qt5$module.dll" "lib/cmake/Qt5$module/Qt5${module}Config.cmake")
    done
    for file in moc uic rcc; do
        "$qt_prefix/bin/$file" -v
    done
    expect_files "${files[@]}"
}

fetch_qtcharts_source() {
    fetch_debian_sources $suite "$scratch/src" "qtcharts-opensource-src=$qtcharts_version"
}


# new_scratch: a scratch folder for one build, removed when the script ends.
new_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/rovalin-qt.XXXXXX")
    trap remove_scratch EXIT
    trap 'exit 130' INT TERM
    # apt downloads as its own user, which must get through to the sources.
    chmod 755 "$scratch"
    posix_compilers
}

done_with_scratch() {
    remove_scratch
    scratch=
    trap - EXIT INT TERM
}

build_charts() {
    local start=$SECONDS
    rm -f "$charts_stamp_file"
    new_scratch
    echo "windows: building Qt Charts $qt_version for MinGW-w64 in $scratch, into $qt_prefix"
    qt_step "fetch the Qt Charts sources" fetch_qtcharts_source
    qt_step "build qtcharts" build_module qtcharts
    qt_step "check qtcharts" expect_files bin/Qt5Charts.dll \
        lib/cmake/Qt5Charts/Qt5ChartsConfig.cmake
    echo "$charts_stamp" >"$charts_stamp_file"
    done_with_scratch
    echo "windows: Qt Charts built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
}

build_qt() {
    local start=$SECONDS
    mkdir -p "$cache_dir"
    : >"$qt_log"
    rm -rf --one-file-system "$qt_prefix"
    new_scratch
    echo "windows: building Qt $qt_version for MinGW-w64 in $scratch, into $qt_prefix"
    qt_step "fetch the sources" fetch_qt_sources
    qt_step "configure qtbase" configure_qtbase
    qt_step "build qtbase" make_and_install "$scratch/qtbase"
    qt_step "build qtsvg" build_module qtsvg
    qt_step "check" check_qt
    echo "$qt_stamp" >"$qt_stamp_file"
    done_with_scratch
    echo "windows: Qt built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s" \
        "($(du -sh "$qt_prefix" | cut -f1))"
}

# ensure_windows_qt [--rebuild]: builds the Qt unless the cached one is
# current (or always, with --rebuild); sets qt_prefix to where it is and mingw
# to the compilers' target name.
ensure_windows_qt() {
    suite=bookworm
    mingw=x86_64-w64-mingw32
    cache_dir=${XDG_CACHE_HOME:-$HOME/.cache}/rovalin
    # Bump it whenever the Qt is built differently (configure options, modules,
    # files added to it): the cached Qt is then built again.
    qt_recipe=3

    qtbase_version=$(debian_source_version libqt5core5a)
    qtsvg_version=$(debian_source_version libqt5svg5)
    qtcharts_version=$(debian_source_version libqt5charts5)
    # 5.15.8 from 5.15.8+dfsg-11+deb12u3.
    qt_version=${qtbase_version#*:}
    qt_version=${qt_version%%[+~-]*}
    qt_prefix=$cache_dir/qt-$qt_version-mingw64
    qt_stamp_file=$qt_prefix/rovalin-qt.stamp
    qt_log=$cache_dir/qt-build.log
    charts_stamp_file=$qt_prefix/rovalin-qtcharts.stamp
    qt_stamp=$(
        echo "recipe $qt_recipe"
        echo "qtbase-opensource-src $qtbase_version"
        echo "qtsvg-opensource-src $qtsvg_version"
        for package in g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev; do
            echo "$package $(dpkg-query -W -f='${Version}' $package)"
        done
    )
    charts_stamp=$(
        echo "qtcharts-opensource-src $qtcharts_version"
        echo "$qt_stamp"
    )

    # One build at a time on this machine: a second run waits for the first,
    # then finds its Qt.
    mkdir -p "$cache_dir"
    exec 9>"$cache_dir/qt.lock"
    flock 9
    if [ "${1:-}" != --rebuild ] && [ -f "$qt_stamp_file" ] &&
        [ "$(cat "$qt_stamp_file")" = "$qt_stamp" ]; then
        echo "windows: Qt $qt_version for MinGW-w64 is up to date in $qt_prefix"
    else
        build_qt
    fi
    if [ "${1:-}" != --rebuild ] && [ -f "$charts_stamp_file" ] &&
        [ "$(cat "$charts_stamp_file")" = "$charts_stamp" ]; then
        echo "windows: Qt Charts for MinGW-w64 is up to date in $qt_prefix"
    else
        build_charts
    fi
    exec 9>&-
}

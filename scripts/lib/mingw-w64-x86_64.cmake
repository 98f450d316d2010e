# SPDX-License-Identifier: GPL-3.0-or-later

# CMake toolchain file for 64-bit Windows: Debian's MinGW-w64 compilers with
# posix threads, and the Qt that scripts/windows builds for them. Give it the
# Qt's prefix:
#
#   cmake -DCMAKE_TOOLCHAIN_FILE=scripts/lib/mingw-w64-x86_64.cmake \
#         -DROVALIN_QT_PREFIX=$HOME/.cache/rovalin/qt-5.15.8-mingw64 ...
#
# Programs (compilers, and Qt's moc, uic and rcc, which that Qt builds for this
# machine) are found on the host; headers, libraries and CMake packages only in
# MinGW-w64's folder and the Qt prefix.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROVALIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROVALIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROVALIN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ROVALIN_MINGW}-windres)

set(ROVALIN_QT_PREFIX "" CACHE PATH "The prefix of the Qt built for MinGW-w64 by scripts/windows")
if(NOT ROVALIN_QT_PREFIX)
    message(FATAL_ERROR "Set ROVALIN_QT_PREFIX to the prefix of the Qt that scripts/windows builds")
endif()
# try_compile projects read this file again: they need the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROVALIN_QT_PREFIX)

set(CMAKE_FIND_ROOT_PATH "${ROVALIN_QT_PREFIX}" /usr/${ROVALIN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

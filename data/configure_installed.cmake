# SPDX-License-Identifier: GPL-3.0-or-later

# Runs at install time, included by the install script: the menu entry and the
# launcher name the installed program and the folder of the catalogues, and the
# prefix is known only then (cpack and DESTDIR installs choose it). Expects
# ROVALIN_SOURCE_DIR, ROVALIN_BINARY_DIR, ROVALIN_APP_ID and the install
# folders ROVALIN_BIN, ROVALIN_DATA and ROVALIN_PROGRAM_DIR, relative to the
# prefix or absolute.

foreach(dir BIN DATA PROGRAM_DIR)
    get_filename_component(ROVALIN_${dir} "${ROVALIN_${dir}}" ABSOLUTE
        BASE_DIR "${CMAKE_INSTALL_PREFIX}")
endforeach()
set(ROVALIN_BIN_DIR "${ROVALIN_BIN}")
set(ROVALIN_DATA_DIR "${ROVALIN_DATA}/rovalin")
set(ROVALIN_PROGRAM "${ROVALIN_PROGRAM_DIR}/rovalin")

# The launcher is a shell script: each path as one single-quoted word.
foreach(path DATA_DIR PROGRAM)
    string(REPLACE "'" "'\\''" quoted "${ROVALIN_${path}}")
    set(ROVALIN_${path}_SH "'${quoted}'")
endforeach()

configure_file("${ROVALIN_SOURCE_DIR}/${ROVALIN_APP_ID}.desktop.in"
               "${ROVALIN_BINARY_DIR}/${ROVALIN_APP_ID}.desktop" @ONLY)
configure_file("${ROVALIN_SOURCE_DIR}/rovalin.in" "${ROVALIN_BINARY_DIR}/rovalin" @ONLY)

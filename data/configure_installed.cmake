# SPDX-License-Identifier: GPL-3.0-or-later

# Runs at install time, included by the install script: the menu entry, the
# launcher and the manual page name the installed program and the folder of the
# catalogues, and the prefix is known only then (cpack and DESTDIR installs
# choose it). Expects ROVALIN_SOURCE_DIR, ROVALIN_BINARY_DIR, ROVALIN_APP_ID,
# ROVALIN_VERSION, ROVALIN_MAINTAINER and the install folders
# ROVALIN_BIN, ROVALIN_DATA, ROVALIN_DOC and ROVALIN_PROGRAM_DIR, relative to
# the prefix or absolute.

foreach(dir BIN DATA DOC PROGRAM_DIR)
    get_filename_component(ROVALIN_${dir} "${ROVALIN_${dir}}" ABSOLUTE
        BASE_DIR "${CMAKE_INSTALL_PREFIX}")
endforeach()
set(ROVALIN_BIN_DIR "${ROVALIN_BIN}")
set(ROVALIN_DATA_DIR "${ROVALIN_DATA}/rovalin")
set(ROVALIN_DOC_DIR "${ROVALIN_DOC}")
set(ROVALIN_PROGRAM "${ROVALIN_PROGRAM_DIR}/rovalin")
set(PROJECT_VERSION "${ROVALIN_VERSION}")


# The launcher is a shell script: each path as one single-quoted word.
foreach(path DATA_DIR PROGRAM)
    string(REPLACE "'" "'\\''" quoted "${ROVALIN_${path}}")
    set(ROVALIN_${path}_SH "'${quoted}'")
endforeach()

configure_file("${ROVALIN_SOURCE_DIR}/${ROVALIN_APP_ID}.desktop.in"
               "${ROVALIN_BINARY_DIR}/${ROVALIN_APP_ID}.desktop" @ONLY)
configure_file("${ROVALIN_SOURCE_DIR}/rovalin.in" "${ROVALIN_BINARY_DIR}/rovalin" @ONLY)

# A changelog entry is signed "Name <address>". Without an address the angle
# brackets stay empty rather than hold an invented one, and the package tells
# lintian why (the Maintainer field without an address is reported as it is).
set(overrides "${ROVALIN_BINARY_DIR}/lintian-overrides")
if(ROVALIN_MAINTAINER MATCHES "<.+>")
    set(ROVALIN_CHANGELOG_SIGNATURE "${ROVALIN_MAINTAINER}")
    file(REMOVE "${overrides}")
else()
    set(ROVALIN_CHANGELOG_SIGNATURE "${ROVALIN_MAINTAINER} <>")
    file(WRITE "${overrides}"
        "# Built without DEBFULLNAME and DEBEMAIL: nobody's address is known, so the\n"
        "# changelog is signed without one instead of with an invented one.\n"
        "rovalin: bogus-mail-host-in-debian-changelog *\n")
endif()

# The manual page and the package's changelog, compressed as Debian wants them:
# gzip -9, without a name or a time stamp, so that builds are reproducible.
foreach(page rovalin.1 changelog)
    configure_file("${ROVALIN_SOURCE_DIR}/${page}.in" "${ROVALIN_BINARY_DIR}/${page}" @ONLY)
    execute_process(COMMAND gzip -9nf "${ROVALIN_BINARY_DIR}/${page}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${page}: ${failed}")
    endif()
endforeach()

# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when the translation lags behind the sources: lupdate, run on a copy
# of TS, finds a text that TS lacks, or TS has a text not yet translated.
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<folder> -DTS=<file.ts> -DWORK=<folder>
#         -P check_translation.cmake
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
configure_file("${TS}" "${copy}" COPYONLY)
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none -no-obsolete "${SOURCES}" -ts "${copy}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed: ${failed}")
endif()
file(READ "${copy}" content)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"unfinished\""
       unfinished "${content}")
list(LENGTH unfinished count)
if(count GREATER 0)
    foreach(entry IN LISTS unfinished)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${entry}")
        message("not translated: ${text}")
    endforeach()
    message(FATAL_ERROR "${count} texts of the sources are not translated in ${TS}: "
                        "run scripts/translations, then translate them")
endif()
message(STATUS "${TS}: every text of the sources is translated")

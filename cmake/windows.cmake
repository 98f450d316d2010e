# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows installation holds besides the program, all in one folder: the
# Qt libraries and plugins the program loads, Qt's Russian, the MinGW runtime,
# and the narrow font the window is laid out for; and how CPack packs it: an
# NSIS installer with a Start menu shortcut and an uninstaller, and a portable
# zip.

# The Qt libraries (Charts draws the weekly build-up, PrintSupport prints the
# plan's sheet), and the plugins that Qt loads from beside the program: the
# Windows platform, its native style, the SVG icon engine and image format
# that draw the window icon, and the Windows printers.
find_package(Qt${QT_VERSION_MAJOR} REQUIRED COMPONENTS Svg)
set(qt Qt${QT_VERSION_MAJOR})
foreach(library Core Gui Widgets PrintSupport Svg Charts)
    install(FILES $<TARGET_FILE:${qt}::${library}> DESTINATION .)
endforeach()
foreach(plugin QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles
               QSvgIconPlugin:iconengines QSvgPlugin:imageformats
               QWindowsPrinterSupportPlugin:printsupport)
    string(REPLACE ":" ";" plugin ${plugin})
    list(GET plugin 0 target)
    list(GET plugin 1 folder)
    install(FILES $<TARGET_FILE:${qt}::${target}> DESTINATION ${folder})
endforeach()

# Qt's Russian for its own dialogs and buttons: Debian's qtbase_ru.qm, compiled
# from Debian's qttranslations of the same Qt version (qttranslations5-l10n;
# the MinGW Qt is built without that module, and a .qm is the same file on
# every platform). It goes in translations/ beside the program, where
# QLibraryInfo points a program that has its Qt beside it and where the
# program looks too; the program and the tests in the build tree find it in
# translations/ beside them.
set(ROVALIN_QT_TRANSLATIONS_DIR /usr/share/qt5/translations CACHE PATH
    "Folder with Qt's qtbase_ru.qm that the Windows build ships")
if(NOT EXISTS ${ROVALIN_QT_TRANSLATIONS_DIR}/qtbase_ru.qm)
    message(FATAL_ERROR "Qt's Russian is needed: no qtbase_ru.qm in "
                        "${ROVALIN_QT_TRANSLATIONS_DIR} (Debian: qttranslations5-l10n)")
endif()
install(FILES ${ROVALIN_QT_TRANSLATIONS_DIR}/qtbase_ru.qm DESTINATION translations)
file(COPY ${ROVALIN_QT_TRANSLATIONS_DIR}/qtbase_ru.qm DESTINATION ${PROJECT_BINARY_DIR}/bin/translations)
file(COPY ${ROVALIN_QT_TRANSLATIONS_DIR}/qtbase_ru.qm DESTINATION ${PROJECT_BINARY_DIR}/tests/translations)

# The compiler's own runtime.
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()

# Liberation Sans Narrow, which Windows lacks, with its licence (the GPL,
# version 2, with the font exception); the program registers it at start. The
# program and the tests in the build tree find it the same way, in fonts/
# beside them.
set(ROVALIN_NARROW_FONT_DIR /usr/share/fonts/truetype/liberation CACHE PATH
    "Folder with the Liberation Sans Narrow fonts that the Windows build ships")
set(ROVALIN_NARROW_FONT_COPYRIGHT /usr/share/doc/fonts-liberation/copyright CACHE FILEPATH
    "Copyright file of those fonts")
set(ROVALIN_GPL2 /usr/share/common-licenses/GPL-2 CACHE FILEPATH
    "Text of the GPL, version 2, the fonts' licence")
file(GLOB fonts ${ROVALIN_NARROW_FONT_DIR}/LiberationSansNarrow-*.ttf)
if(NOT fonts OR NOT EXISTS ${ROVALIN_NARROW_FONT_COPYRIGHT} OR NOT EXISTS ${ROVALIN_GPL2})
    message(FATAL_ERROR "Liberation Sans Narrow and its licence are needed (Debian: fonts-liberation)")
endif()
install(FILES ${fonts} DESTINATION fonts)
install(FILES ${ROVALIN_NARROW_FONT_COPYRIGHT} DESTINATION fonts RENAME COPYRIGHT.txt)
install(FILES ${ROVALIN_GPL2} DESTINATION fonts RENAME GPL-2.txt)
file(COPY ${fonts} DESTINATION ${PROJECT_BINARY_DIR}/bin/fonts)
file(COPY ${fonts} DESTINATION ${PROJECT_BINARY_DIR}/tests/fonts)

# The installer puts everything in one folder, by default under Program Files,
# and its Start menu shortcut starts the program there, where it finds
# settings/. Its uninstaller removes what it put there, and the shortcut.
set(CPACK_GENERATOR NSIS ZIP)
# A 64-bit installer for a 64-bit program, into the 64-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Rovalin)
set(CPACK_NSIS_PACKAGE_NAME Rovalin)
set(CPACK_NSIS_DISPLAY_NAME "Rovalin ${PROJECT_VERSION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/rovalin.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/rovalin.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME rovalin.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "SetOutPath '$INSTDIR'\n  CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Rovalin.lnk' '$INSTDIR\\\\rovalin.exe'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\Rovalin.lnk'")

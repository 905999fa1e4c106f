# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package built by CPack
# from it (`cpack -G DEB` in the build folder).

# The application id and the folders come from packaging/folders.cmake,
# which the program's target includes.

# The package's name, which is also the installed program's name. Debian
# already has a console game called "sudoku" that owns /usr/games/sudoku, so
# neither may be named after the program; the build tree's program stays
# `sudoku`.
set(SUDOKU_PACKAGE sudoku-assistent)
set(SUDOKU_PROGRAM ${SUDOKU_PACKAGE})
set(SUDOKU_MAINTAINER "Sudoku-Team <sudoku-team@example.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(SUDOKU_SCREENSHOT_URL https://example.org/sudoku-assistent/screenshots
    CACHE STRING "Web folder that serves the screenshots of docs/ for software centres")
set(sudoku_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${SUDOKU_PACKAGE})

# The icon's pictures, written at build time from the same description as
# the window icon.
add_executable(sudoku-icon tools/icon_files.cpp)
target_link_libraries(sudoku-icon PRIVATE sudoku_game sudoku_qt)
set(sudoku_icon_png ${CMAKE_CURRENT_BINARY_DIR}/icon/${SUDOKU_APP_ID}.png)
set(sudoku_icon_svg ${CMAKE_CURRENT_BINARY_DIR}/icon/${SUDOKU_APP_ID}.svg)
add_custom_command(
  OUTPUT ${sudoku_icon_png} ${sudoku_icon_svg}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
  COMMAND sudoku-icon ${sudoku_icon_png} ${sudoku_icon_svg}
  DEPENDS sudoku-icon
  COMMENT "Writing the program icon")
add_custom_target(program_icon ALL DEPENDS ${sudoku_icon_png} ${sudoku_icon_svg})

# The desktop entry, the software centre entry and the manual pages, with
# the names, paths and version of this build filled in; the manual pages and
# the changelog compressed as Debian wants them (gzip -9n: no name, no time).
set(SUDOKU_DOC_FOLDER_FULL ${CMAKE_INSTALL_PREFIX}/${sudoku_doc_dir})
set(sudoku_package_files ${CMAKE_CURRENT_BINARY_DIR}/package-files)
configure_file(packaging/desktop-entry.desktop.in
               ${sudoku_package_files}/${SUDOKU_APP_ID}.desktop @ONLY)
configure_file(packaging/metainfo.xml.in
               ${sudoku_package_files}/${SUDOKU_APP_ID}.metainfo.xml @ONLY)
find_program(SUDOKU_GZIP gzip REQUIRED)
set(sudoku_compressed)
foreach(lang de en)
  configure_file(man/${lang}/${SUDOKU_PROGRAM}.6.in
                 ${sudoku_package_files}/man/${lang}/${SUDOKU_PROGRAM}.6 @ONLY)
endforeach()
foreach(item man/de/${SUDOKU_PROGRAM}.6 man/en/${SUDOKU_PROGRAM}.6 changelog)
  if(item STREQUAL changelog)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog)
  else()
    set(source ${sudoku_package_files}/${item})
  endif()
  set(compressed ${sudoku_package_files}/gz/${item})
  get_filename_component(compressed_dir ${compressed} DIRECTORY)
  add_custom_command(
    OUTPUT ${compressed}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${compressed}
    COMMAND ${SUDOKU_GZIP} -9nf ${compressed}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND sudoku_compressed ${compressed}.gz)
endforeach()
add_custom_target(package_files ALL DEPENDS ${sudoku_compressed})

# The build tree's program is `sudoku`; installed it takes the package's
# name. A stripped installation (CPack, `cmake --install --strip`) also
# loses the compiler's version notes, as Debian's own packages do.
install(TARGETS sudoku RUNTIME DESTINATION ${sudoku_games_dir})
install(CODE "
  set(installed \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${sudoku_games_dir}/${SUDOKU_PROGRAM}\")
  file(RENAME \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${sudoku_games_dir}/sudoku\" \"\${installed}\")
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\${installed}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES sudoku_erkl.txt DESTINATION ${sudoku_data_folder})
install(FILES ${sudoku_package_files}/${SUDOKU_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${sudoku_package_files}/${SUDOKU_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${sudoku_icon_png}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps)
install(FILES ${sudoku_icon_svg}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${sudoku_package_files}/gz/man/en/${SUDOKU_PROGRAM}.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${sudoku_package_files}/gz/man/de/${SUDOKU_PROGRAM}.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
install(FILES ${sudoku_package_files}/gz/changelog.gz packaging/copyright
        DESTINATION ${sudoku_doc_dir})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${SUDOKU_PACKAGE})

# The Debian package. It always installs under /usr; configure the build
# with -DCMAKE_INSTALL_PREFIX=/usr so that the data folder compiled into the
# program is the same (the path relative to the program finds it either way).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SUDOKU_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${SUDOKU_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SUDOKU_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries, the C++ runtime and every other shared library as
# dpkg-shlibdeps finds them in the program; the fonts that stand in for the
# layout's Windows fonts and Qt's German translations, which the program
# loads but does not link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35, fonts-liberation, qt6-translations-l10n")
# Qt's Wayland platform: without it the program runs on Wayland desktops
# only through XWayland, if at all.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "9×9-Sudokus von Hand lösen / solve Sudoku puzzles by hand")
# The extended description below the summary: German, then English.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ein Helfer für das Lösen von 9×9-Sudokus von Hand, mit deutscher
Oberfläche. Jede Ziffer wird sofort gegen Reihe, Spalte und Quadrat
geprüft; fünf Kontrollanzeigen zeigen die noch offenen Ziffern und
Kandidaten. Züge lassen sich zurücknehmen, Felder markieren, Spiele in
Textdateien speichern und wieder einlesen, und das Brett wird auf einer
Seite gedruckt.

A helper for solving 9×9 Sudoku puzzles by hand, with a German user
interface. Every digit is checked at once against its row, column and
square; five check displays show the digits and candidates still open.
Moves can be taken back, cells marked, games saved to text files and read
back, and the board printed on one page.")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/")
include(CPack)

# What `cmake --install` puts where, and the Debian package built by CPack
# from it (`cpack -G DEB` in the build folder).

include(GNUInstallDirs)

# The package's name; the desktop entry and the icon carry it too. Debian
# already has a console game called "sudoku", so the package may not be
# named after the program.
set(SUDOKU_PAKET sudoku-assistent)
set(SUDOKU_BETREUER "Sudoku-Team <sudoku-team@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

# The program looks for its explanation file in the working directory, then
# in its data folder relative to its own folder (a moved installation), then
# in the data folder of the install prefix.
set(sudoku_datenordner "${CMAKE_INSTALL_DATADIR}/sudoku")
file(RELATIVE_PATH sudoku_datenordner_relativ "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/sudoku")
target_compile_definitions(sudoku PRIVATE
  SUDOKU_DATENORDNER="${CMAKE_INSTALL_FULL_DATADIR}/sudoku"
  SUDOKU_DATENORDNER_RELATIV="${sudoku_datenordner_relativ}"
  SUDOKU_DESKTOP_DATEI="${SUDOKU_PAKET}")

# The icon's pictures, written at build time from the same description as
# the window icon.
add_executable(sudoku-symbol tools/symbol_dateien.cpp)
target_link_libraries(sudoku-symbol PRIVATE sudoku_qt)
set(sudoku_symbol_png ${CMAKE_CURRENT_BINARY_DIR}/symbol/${SUDOKU_PAKET}.png)
set(sudoku_symbol_svg ${CMAKE_CURRENT_BINARY_DIR}/symbol/${SUDOKU_PAKET}.svg)
add_custom_command(
  OUTPUT ${sudoku_symbol_png} ${sudoku_symbol_svg}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/symbol
  COMMAND sudoku-symbol ${sudoku_symbol_png} ${sudoku_symbol_svg}
  DEPENDS sudoku-symbol
  COMMENT "Writing the program icon")
add_custom_target(programmsymbol ALL DEPENDS ${sudoku_symbol_png} ${sudoku_symbol_svg})

install(TARGETS sudoku RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES sudoku_erkl.txt DESTINATION ${sudoku_datenordner})
install(FILES packaging/${SUDOKU_PAKET}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${sudoku_symbol_png}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps)
install(FILES ${sudoku_symbol_svg}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package. It always installs under /usr; configure the build
# with -DCMAKE_INSTALL_PREFIX=/usr so that the data folder compiled into the
# program is the same (the path relative to the program finds it either way).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SUDOKU_PAKET})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${SUDOKU_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SUDOKU_BETREUER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the C++ runtime as dpkg-shlibdeps finds them in the
# program; the fonts that stand in for the layout's Windows fonts; Qt's
# German texts (context menus, dialogs).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35, fonts-liberation, qt6-translations-l10n")
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

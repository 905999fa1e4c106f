# SPDX-License-Identifier: GPL-3.0-or-later
# The names and folders of the installation, which the program and its
# installation share.

include(GNUInstallDirs)

# The package's name, which is also the installed program's name. Debian
# already has a console game called "sudoku" that owns /usr/games/sudoku, so
# neither may be named after the program; the build tree's program stays
# `sudoku`.
set(SUDOKU_PACKAGE sudoku-assistent)
set(SUDOKU_PROGRAM ${SUDOKU_PACKAGE})
set(SUDOKU_MAINTAINER "Sudoku-Team <sudoku-team@example.org>"
    CACHE STRING "Maintainer named in the Debian package")
# One application id names the desktop entry, the icon and the software
# centre entry. The project has no domain of its own; the default uses the
# reserved example domain, as the maintainer's address does, and whoever
# publishes the package sets both to a domain they control.
set(SUDOKU_APP_ID org.example.sudoku_assistent
    CACHE STRING "Application id (reverse domain name) of the desktop entry, icon and metainfo")
set(SUDOKU_SCREENSHOT_URL https://example.org/sudoku-assistent/screenshots
    CACHE STRING "Web folder that serves the screenshots of docs/ for software centres")

# Games go where Debian puts games: PREFIX/games.
set(sudoku_games_dir games)
set(sudoku_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${SUDOKU_PACKAGE})

# The data folder, and the same seen from the folder of the program, which
# finds it there after the installation has moved.
set(sudoku_data_folder "${CMAKE_INSTALL_DATADIR}/sudoku")
file(RELATIVE_PATH sudoku_data_folder_relative "${CMAKE_INSTALL_PREFIX}/${sudoku_games_dir}"
     "${CMAKE_INSTALL_FULL_DATADIR}/sudoku")
set(SUDOKU_DATA_FOLDER_FULL ${CMAKE_INSTALL_FULL_DATADIR}/sudoku)

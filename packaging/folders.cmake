# SPDX-License-Identifier: GPL-3.0-or-later
# What the program and its installation both need: the application id and the
# folders the program is installed into and reads its data from.

include(GNUInstallDirs)

# One application id names the desktop entry, the icon and the software
# centre entry. The project has no domain of its own; the default uses the
# reserved example domain, as the maintainer's address does, and whoever
# publishes the package sets both to a domain they control.
set(SUDOKU_APP_ID org.example.sudoku_assistent
    CACHE STRING "Application id (reverse domain name) of the desktop entry, icon and metainfo")

# Games go where Debian puts games: PREFIX/games.
set(sudoku_games_dir games)

# The data folder, and the same seen from the folder of the program, which
# finds it there after the installation has moved.
set(sudoku_data_folder ${CMAKE_INSTALL_DATADIR}/sudoku)
set(SUDOKU_DATA_FOLDER_FULL ${CMAKE_INSTALL_FULL_DATADIR}/sudoku)
file(RELATIVE_PATH sudoku_data_folder_relative "${CMAKE_INSTALL_PREFIX}/${sudoku_games_dir}"
     "${SUDOKU_DATA_FOLDER_FULL}")

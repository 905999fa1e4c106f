# SPDX-License-Identifier: GPL-3.0-or-later
# The version and the release dates come from the Debian changelog, the one
# place that names them; the package, the manual pages and the software
# centre entry take them from here. Included before project().
#   SUDOKU_VERSION        version of the newest entry, e.g. 1.1
#   SUDOKU_RELEASE_DATE   its date as YYYY-MM-DD
#   SUDOKU_RELEASES_XML   every entry as an AppStream <release> line, newest first

set(sudoku_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sudoku_changelog})
file(STRINGS ${sudoku_changelog} sudoku_changelog_lines
     REGEX "^(sudoku-assistent \\(| -- )" ENCODING UTF-8)

set(sudoku_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(SUDOKU_RELEASES_XML "")
unset(SUDOKU_VERSION)
unset(sudoku_entry_version)
foreach(sudoku_line IN LISTS sudoku_changelog_lines)
  if(sudoku_line MATCHES "^sudoku-assistent \\(([0-9][0-9.]*)\\) ")
    if(DEFINED sudoku_entry_version)
      message(FATAL_ERROR "${sudoku_changelog}: entry ${sudoku_entry_version} has no trailer line")
    endif()
    set(sudoku_entry_version ${CMAKE_MATCH_1})
  elseif(sudoku_line MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    if(NOT DEFINED sudoku_entry_version)
      message(FATAL_ERROR "${sudoku_changelog}: a trailer line without an entry: ${sudoku_line}")
    endif()
    list(FIND sudoku_months ${CMAKE_MATCH_2} sudoku_month)
    if(sudoku_month LESS 0)
      message(FATAL_ERROR "${sudoku_changelog}: no month in: ${sudoku_line}")
    endif()
    math(EXPR sudoku_month "${sudoku_month} + 1")
    if(sudoku_month LESS 10)
      set(sudoku_month 0${sudoku_month})
    endif()
    set(sudoku_date ${CMAKE_MATCH_3}-${sudoku_month}-${CMAKE_MATCH_1})
    if(NOT DEFINED SUDOKU_VERSION)
      set(SUDOKU_VERSION ${sudoku_entry_version})
      set(SUDOKU_RELEASE_DATE ${sudoku_date})
    endif()
    string(APPEND SUDOKU_RELEASES_XML
           "    <release version=\"${sudoku_entry_version}\" date=\"${sudoku_date}\"/>\n")
    unset(sudoku_entry_version)
  else()
    message(FATAL_ERROR "${sudoku_changelog}: not a heading or trailer line as expected: ${sudoku_line}")
  endif()
endforeach()
if(NOT DEFINED SUDOKU_VERSION OR DEFINED sudoku_entry_version)
  message(FATAL_ERROR "${sudoku_changelog}: no complete entry")
endif()

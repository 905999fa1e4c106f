// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The explanation text shown on the start screen.
namespace explanation {

inline constexpr const char* file_name = "sudoku_erkl.txt";

// The largest explanation file read, in bytes: more than a hundred times the
// size of the real text, and small enough to be shown at once.
inline constexpr std::size_t max_bytes = 1024 * 1024;

// The most lines shown, and the longest line: a line longer than that is
// broken. Neither is reached by the real text; both keep the box quick to lay
// out (a document of a million lines, or one line a million characters long,
// takes seconds).
inline constexpr std::size_t max_lines = 10000;
inline constexpr std::size_t max_line_chars = 4000;

// Thrown by readFile() and prepare() for a file of more than max_bytes or
// more than max_lines lines.
class TooLarge : public std::runtime_error {
  public:
    TooLarge() : std::runtime_error("explanation file too large") {}
};

// The places where the program looks for the explanation file, in this
// order: the bare name (the current working directory), the data
// folder relative to the program's own folder (so that an installation moved
// elsewhere as a whole still finds its text), the data folder of the install
// prefix the program was built for. An empty argument leaves its place out,
// and a place equal to an earlier one is not repeated.
std::vector<std::filesystem::path> searchPlaces(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& dataFolderRelative,
                                                const std::filesystem::path& dataFolder);

// The first place that holds a regular file; a folder of that name does not
// count. Empty when no place does.
std::optional<std::filesystem::path> find(const std::vector<std::filesystem::path>& places);

// Reads the explanation file found at the first of the places (see find()).
// Every line, the last one included, ends with CR LF in the result; a line
// longer than max_line_chars characters is broken after the last blank that
// keeps it within that length (or after exactly that many characters). The file
// is UTF-8; a file that is not valid UTF-8 is read as Windows-1252. Empty when
// no place holds the file or the file found cannot be read or is no regular
// file once opened. Throws TooLarge for a file of more than max_bytes, which
// is not read at all.
std::optional<std::string> readFile(const std::vector<std::filesystem::path>& places = {file_name});

// The bytes of a regular file of at most max_bytes. Empty when the file cannot
// be opened or read, or is no regular file once opened (a named pipe is
// opened without waiting for a writer). Throws TooLarge for a larger file,
// of which nothing is read.
std::optional<std::string> readBytes(const std::filesystem::path& file_name);

// The text of a file's bytes as the start screen shows it (see readFile()).
// Throws TooLarge when the text has more than max_lines lines.
std::string prepare(std::string_view bytes);

}  // namespace explanation

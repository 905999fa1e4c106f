#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The explanation text shown on the start screen.
namespace explanation {

inline constexpr const char* file_name = "sudoku_erkl.txt";

// The places where the program looks for the explanation file, in this
// order: the bare name (the current working directory), the data
// folder relative to the program's own folder (so that an installation moved
// elsewhere as a whole still finds its text), the data folder of the install
// prefix the program was built for. An empty argument leaves its place out,
// and a place equal to an earlier one is not repeated.
std::vector<std::filesystem::path> search_places(const std::filesystem::path& program_folder,
                                                 const std::filesystem::path& data_folder_relative,
                                                 const std::filesystem::path& data_folder);

// The first place that holds a regular file; a folder of that name does not
// count. Empty when no place does.
std::optional<std::filesystem::path> find(const std::vector<std::filesystem::path>& places);

// Reads the explanation file found at the first of the places (see find()).
// Every line, the last one included, ends with CR LF in the result. The file
// is UTF-8; a file that is not valid UTF-8 is read as Windows-1252. Empty when
// no place holds the file or the file found cannot be read.
std::optional<std::string> read_file(const std::vector<std::filesystem::path>& places = {
                                         file_name});

// The text of a file's bytes as the start screen shows it (see read_file()).
std::string prepare(std::string_view bytes);

}  // namespace explanation

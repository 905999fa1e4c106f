#pragma once

#include <optional>
#include <string>
#include <string_view>

// The explanation text shown on the start screen.
namespace erklaerung {

inline constexpr const char* dateiname = "sudoku_erkl.txt";

// Reads the explanation file from the current working directory. Every line,
// the last one included, ends with CR LF in the result. The file is UTF-8;
// a file that is not valid UTF-8 is read as Windows-1252. Empty when the file
// is missing or cannot be read.
std::optional<std::string> lesen();

// The text of a file's bytes as the start screen shows it (see lesen()).
std::string aufbereiten(std::string_view bytes);

}  // namespace erklaerung

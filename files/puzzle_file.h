#pragma once

#include <cstddef>
#include <string>

// Reading and writing puzzle files. Failures are thrown as toolkit::Failure
// with the failure number that tells the reader's handler what went wrong.
namespace puzzle {

// The reader's position counter is a 16-bit Integer: it handles at most this
// many characters of content.
inline constexpr std::size_t max_chars = 32767;

// Failure numbers of file operations beyond the toolkit's own.
enum FileError : int {
    failure_bad_file_name = 52,  // a name the file system cannot take
    failure_io = 57,             // reading or writing failed
    failure_file_access = 75,    // the file cannot be opened as asked
};

// Reads the file of that name (relative to the working directory unless it
// holds a directory part) and joins its lines without separators. Throws
// failure 53 when no such file exists in an existing directory, 76 when the
// directory does not exist, 6 when the content holds more than max_chars
// characters (read no further than that), and another failure number for
// every other error.
std::string read_file(const std::string& name);

// Replaces (or creates) the file of that name with the given bytes. The
// bytes go to a temporary file in the same directory, which is renamed over
// the target only once it is complete: when anything fails, the target is
// as it was and no temporary file is left. Throws toolkit::Failure.
void write_file(const std::string& name, const std::string& bytes);

}  // namespace puzzle

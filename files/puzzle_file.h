// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

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
// directory does not exist, and another failure number for every other
// error. Holds at most max_chars + 1 characters: the reader cannot count
// further, so whatever follows cannot change how the file reads.
std::string readFile(const std::string& name);

// Appends a file's bytes to its content as the reader sees it: the lines
// joined without separators (CR LF, LF and a lone CR all end a line), at most
// max_chars + 1 characters in all. False once the content holds that many:
// nothing that follows can change how the file reads.
bool joinLines(std::string& content, std::string_view bytes);

// Replaces (or creates) the file of that name with the given bytes. The
// bytes go to a temporary file in the same directory, which is renamed over
// the target only once it is complete: when anything fails, the target is
// as it was and no temporary file is left. A symbolic link is followed to the
// file it leads to, which is created when it does not exist; the link stays.
// A file that exists is replaced only when mayReplace() allows it. After a
// successful save, temporary files of killed saves older than a day are
// removed from the folder. Throws toolkit::Failure.
void writeFile(const std::string& name, const std::string& bytes);

// Whether a save by `user` may replace an existing file of that mode and
// owner: only a regular file of the user's own whose owner may write it (a
// write-protected file stays, also for root, and a file of another user is
// never turned into one of ours).
bool mayReplace(mode_t mode, uid_t owner, uid_t user);

}  // namespace puzzle

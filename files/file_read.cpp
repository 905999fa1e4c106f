// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a puzzle file: bounded, line ends removed, errors sorted into the
// failure numbers the reader tells apart.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/open_file.h"
#include "files/puzzle_file.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

[[noreturn]] void fail(int number, int ec) {
    throw Failure(number, std::strerror(ec));
}

bool directoryExists(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(name).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
}

}  // namespace

std::string readFile(const std::string& name) {
    if (name.find('\0') != std::string::npos)
        throw Failure(failure_bad_file_name, "file name holds a null character");

    // Non-blocking, so that a named pipe cannot hang the program; only
    // regular files are read.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int ec = errno;
        if (ec == ENOENT)
            fail(directoryExists(name) ? toolkit::failure_file_not_found
                                       : toolkit::failure_path_not_found,
                 ec);
        if (ec == ENOTDIR) fail(toolkit::failure_path_not_found, ec);
        fail(failure_file_access, ec);
    }
    OpenFile file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) fail(failure_io, errno);
    if (!S_ISREG(info.st_mode)) throw Failure(failure_file_access, "not a regular file");

    // The reader's position counter reaches max_chars at the most, so one
    // character more tells a scan that runs past the end of what it can
    // count from one that ends at the content's end; the rest of a longer
    // file is never looked at and is not read.
    std::string content;
    content.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), max_chars + 1));
    char buffer[4096];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(failure_io, errno);
        }
        if (got == 0) break;
        if (!joinLines(content, std::string_view(buffer, static_cast<std::size_t>(got)))) break;
    }
    return content;
}

bool joinLines(std::string& content, std::string_view bytes) {
    constexpr std::size_t held = max_chars + 1;
    for (const char c : bytes) {
        if (content.size() >= held) return false;
        if (c == '\r' || c == '\n') continue;
        content += c;
    }
    return content.size() < held;
}

}  // namespace puzzle

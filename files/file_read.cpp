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

#include "files/puzzle_file.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

[[noreturn]] void fail(int number, int ec) {
    throw Failure(number, std::strerror(ec));
}

bool directory_exists(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(name).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
}

// Closes the file when reading ends, however it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::string read_file(const std::string& name) {
    if (name.find('\0') != std::string::npos)
        throw Failure(failure_bad_file_name, "file name holds a null character");

    // Non-blocking, so that a named pipe cannot hang the program; only
    // regular files are read.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int ec = errno;
        if (ec == ENOENT)
            fail(directory_exists(name) ? toolkit::failure_file_not_found
                                        : toolkit::failure_path_not_found,
                 ec);
        if (ec == ENOTDIR) fail(toolkit::failure_path_not_found, ec);
        fail(failure_file_access, ec);
    }
    Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) fail(failure_io, errno);
    if (!S_ISREG(info.st_mode)) throw Failure(failure_file_access, "not a regular file");

    std::string content;
    content.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), max_chars));
    char buffer[4096];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(failure_io, errno);
        }
        if (got == 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char chars = buffer[i];
            // The lines are joined without separators: CR LF, LF and a lone CR
            // all end a line.
            if (chars == '\r' || chars == '\n') continue;
            // One character more than the position counter can reach: the
            // file is damaged, whatever follows.
            if (content.size() == max_chars)
                throw Failure(toolkit::failure_overflow, "file too long");
            content += chars;
        }
    }
    return content;
}

}  // namespace puzzle

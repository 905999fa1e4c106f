// Writing a puzzle file so that an existing file is never lost: the new
// content goes to a temporary file beside the target, which replaces the
// target only when it is complete.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// The temporary file: closed and removed again unless it was renamed.
class TempFile {
  public:
    explicit TempFile(const std::filesystem::path& folder)
        : name_((folder / ".sudoku-XXXXXX").string()) {
        fd_ = ::mkstemp(name_.data());
        if (fd_ < 0) {
            const int ec = errno;
            const bool folder_missing = ec == ENOENT || ec == ENOTDIR;
            fail(folder_missing ? int{toolkit::failure_path_not_found} : int{failure_file_access},
                 ec);
        }
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void set_mode(mode_t mode) {
        if (::fchmod(fd_, mode) != 0) fail(failure_file_access, errno);
    }

    void write_file(const std::string& bytes) {
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail(failure_io, errno);
            }
            written += static_cast<std::size_t>(n);
        }
        // On the disk before it replaces the target, so that a crash cannot
        // leave an empty file in its place.
        if (::fsync(fd_) != 0) fail(failure_io, errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail(failure_io, errno);
    }

    void rename_to(const std::filesystem::path& target) {
        if (std::rename(name_.c_str(), target.c_str()) != 0) fail(failure_file_access, errno);
        renamed_ = true;
    }

  private:
    std::string name_;
    int fd_ = -1;
    bool renamed_ = false;
};

// A new file gets the rights that creating it would give; a replaced file
// keeps its own.
mode_t mode_for(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void write_file(const std::string& name, const std::string& bytes) {
    if (name.find('\0') != std::string::npos)
        throw Failure(failure_bad_file_name, "file name holds a null character");

    std::filesystem::path target(name);
    // A symbolic link is written through, as opening it would, not replaced.
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    TempFile file(folder);
    file.set_mode(mode_for(target));
    file.write_file(bytes);
    file.rename_to(target);
}

}  // namespace puzzle

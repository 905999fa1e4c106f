// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a puzzle file so that an existing file is never lost: the new
// content goes to a temporary file beside the target, which replaces the
// target only when it is complete.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "files/puzzle_file.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

// The most symbolic left followed in a row, as the system's own limit.
constexpr int max_links = 40;

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
            const bool folderMissing = ec == ENOENT || ec == ENOTDIR;
            fail(folderMissing ? int{toolkit::failure_path_not_found} : int{failure_file_access},
                 ec);
        }
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void setMode(mode_t mode) {
        if (::fchmod(fd_, mode) != 0) fail(failure_file_access, errno);
    }

    void writeFile(const std::string& bytes) {
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

    void renameTo(const std::filesystem::path& target) {
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
mode_t modeFor(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a save of that name writes: a symbolic link is followed, as
// opening the name for writing would, to the file it leads to, which need
// not exist yet. A chain of more left than the system follows (a loop) is
// a failure.
std::filesystem::path resolveLinks(const std::filesystem::path& name) {
    std::filesystem::path target = name;
    for (int left = 0;; ++left) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        if (left == max_links) fail(failure_file_access, ELOOP);
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) fail(failure_file_access, errno);
        link.resize(static_cast<std::size_t>(length));
        // A relative link leads from the folder the link stands in.
        target = target.parent_path() / link;
    }
}

// The name of a temporary file of a save, ".sudoku-" and six letters or
// digits (see mkstemp()).
bool isTemporaryName(const std::string& name) {
    const std::string prefix = ".sudoku-";
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

// Removes the temporary files that saves into this folder left behind when
// they were killed before their end: regular files of this user, named as
// the saves name them, untouched for more than a day (a save in progress
// touches its file within seconds).
void removeLeftovers(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder, ec);
    if (ec) return;
    const std::time_t cutoff = std::time(nullptr) - 24 * 60 * 60;
    for (const auto& entry : entries) {
        if (!isTemporaryName(entry.path().filename().string())) continue;
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0) continue;
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime < cutoff)
            ::unlink(entry.path().c_str());
    }
}

}  // namespace

bool mayReplace(mode_t mode, uid_t owner, uid_t user) {
    return S_ISREG(mode) && owner == user && (mode & S_IWUSR) != 0;
}

void writeFile(const std::string& name, const std::string& bytes) {
    if (name.find('\0') != std::string::npos)
        throw Failure(failure_bad_file_name, "file name holds a null character");

    const std::filesystem::path target = resolveLinks(name);
    // An existing file is replaced only where writing into it would be
    // allowed, and never another user's file: the new file would be ours.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !mayReplace(info.st_mode, info.st_uid, ::geteuid()))
        fail(failure_file_access, EACCES);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    TempFile file(folder);
    file.setMode(modeFor(target));
    file.writeFile(bytes);
    file.renameTo(target);
    removeLeftovers(folder);
}

}  // namespace puzzle

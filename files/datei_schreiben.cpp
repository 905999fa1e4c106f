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

#include "files/puzzle_datei.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

// The most symbolic links followed in a row, as the system's own limit.
constexpr int max_links = 40;

[[noreturn]] void fehler(int nummer, int fehlercode) {
    throw Failure(nummer, std::strerror(fehlercode));
}

// The temporary file: closed and removed again unless it was renamed.
class Zwischendatei {
  public:
    explicit Zwischendatei(const std::filesystem::path& ordner)
        : name_((ordner / ".sudoku-XXXXXX").string()) {
        fd_ = ::mkstemp(name_.data());
        if (fd_ < 0) {
            const int fehlercode = errno;
            const bool ordner_fehlt = fehlercode == ENOENT || fehlercode == ENOTDIR;
            fehler(
                ordner_fehlt ? int{toolkit::fehler_pfad_nicht_gefunden} : int{fehler_dateizugriff},
                fehlercode);
        }
    }
    ~Zwischendatei() {
        if (fd_ >= 0) ::close(fd_);
        if (!umbenannt_) ::unlink(name_.c_str());
    }
    Zwischendatei(const Zwischendatei&) = delete;
    Zwischendatei& operator=(const Zwischendatei&) = delete;

    void rechte_setzen(mode_t rechte) {
        if (::fchmod(fd_, rechte) != 0) fehler(fehler_dateizugriff, errno);
    }

    void schreiben(const std::string& bytes) {
        std::size_t geschrieben = 0;
        while (geschrieben < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + geschrieben, bytes.size() - geschrieben);
            if (n < 0) {
                if (errno == EINTR) continue;
                fehler(fehler_ein_ausgabe, errno);
            }
            geschrieben += static_cast<std::size_t>(n);
        }
        // On the disk before it replaces the target, so that a crash cannot
        // leave an empty file in its place.
        if (::fsync(fd_) != 0) fehler(fehler_ein_ausgabe, errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fehler(fehler_ein_ausgabe, errno);
    }

    void umbenennen(const std::filesystem::path& ziel) {
        if (std::rename(name_.c_str(), ziel.c_str()) != 0) fehler(fehler_dateizugriff, errno);
        umbenannt_ = true;
    }

  private:
    std::string name_;
    int fd_ = -1;
    bool umbenannt_ = false;
};

// A new file gets the rights that creating it would give; a replaced file
// keeps its own.
mode_t rechte_fuer(const std::filesystem::path& ziel) {
    struct stat info {};
    if (::stat(ziel.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// The file a save of that name writes: a symbolic link is followed, as
// opening the name for writing would, to the file it leads to, which need
// not exist yet. A chain of more links than the system follows (a loop) is
// a failure.
std::filesystem::path resolve_links(const std::filesystem::path& name) {
    std::filesystem::path target = name;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        if (links == max_links) fehler(fehler_dateizugriff, ELOOP);
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) fehler(fehler_dateizugriff, errno);
        link.resize(static_cast<std::size_t>(length));
        // A relative link leads from the folder the link stands in.
        target = target.parent_path() / link;
    }
}

// The name of a temporary file of a save, ".sudoku-" and six letters or
// digits (see mkstemp()).
bool is_temporary_name(const std::string& name) {
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
void remove_leftovers(const std::filesystem::path& ordner) {
    std::error_code fehlercode;
    std::filesystem::directory_iterator eintraege(ordner, fehlercode);
    if (fehlercode) return;
    const std::time_t grenze = std::time(nullptr) - 24 * 60 * 60;
    for (const auto& eintrag : eintraege) {
        if (!is_temporary_name(eintrag.path().filename().string())) continue;
        struct stat info {};
        if (::lstat(eintrag.path().c_str(), &info) != 0) continue;
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime < grenze)
            ::unlink(eintrag.path().c_str());
    }
}

}  // namespace

bool may_replace(mode_t mode, uid_t owner, uid_t user) {
    return S_ISREG(mode) && owner == user && (mode & S_IWUSR) != 0;
}

void schreiben(const std::string& name, const std::string& bytes) {
    if (name.find('\0') != std::string::npos)
        throw Failure(fehler_dateiname_falsch, "Dateiname enthält ein Nullzeichen");

    const std::filesystem::path ziel = resolve_links(name);
    // An existing file is replaced only where writing into it would be
    // allowed, and never another user's file: the new file would be ours.
    struct stat info {};
    if (::stat(ziel.c_str(), &info) == 0 && !may_replace(info.st_mode, info.st_uid, ::geteuid()))
        fehler(fehler_dateizugriff, EACCES);
    std::filesystem::path ordner = ziel.parent_path();
    if (ordner.empty()) ordner = ".";

    Zwischendatei datei(ordner);
    datei.rechte_setzen(rechte_fuer(ziel));
    datei.schreiben(bytes);
    datei.umbenennen(ziel);
    remove_leftovers(ordner);
}

}  // namespace puzzle

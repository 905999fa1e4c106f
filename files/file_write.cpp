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

#include "files/puzzle_datei.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

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

}  // namespace

void schreiben(const std::string& name, const std::string& bytes) {
    if (name.find('\0') != std::string::npos)
        throw Failure(fehler_dateiname_falsch, "Dateiname enthält ein Nullzeichen");

    std::filesystem::path ziel(name);
    // A symbolic link is written through, as opening it would, not replaced.
    std::error_code fehlercode;
    if (std::filesystem::is_symlink(ziel, fehlercode)) {
        std::filesystem::path aufgeloest = std::filesystem::weakly_canonical(ziel, fehlercode);
        if (!fehlercode) ziel = aufgeloest;
    }
    std::filesystem::path ordner = ziel.parent_path();
    if (ordner.empty()) ordner = ".";

    Zwischendatei datei(ordner);
    datei.rechte_setzen(rechte_fuer(ziel));
    datei.schreiben(bytes);
    datei.umbenennen(ziel);
}

}  // namespace puzzle

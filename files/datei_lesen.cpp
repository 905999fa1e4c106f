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

#include "files/puzzle_datei.h"
#include "screens/toolkit/failure.h"

namespace puzzle {

namespace {

using toolkit::Failure;

[[noreturn]] void fehler(int nummer, int fehlercode) {
    throw Failure(nummer, std::strerror(fehlercode));
}

bool verzeichnis_existiert(const std::string& name) {
    std::filesystem::path ordner = std::filesystem::path(name).parent_path();
    if (ordner.empty()) ordner = ".";
    std::error_code fehlercode;
    return std::filesystem::is_directory(ordner, fehlercode);
}

// Closes the file when reading ends, however it ends.
class Deskriptor {
  public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() { ::close(fd_); }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::string lesen(const std::string& name) {
    if (name.find('\0') != std::string::npos)
        throw Failure(fehler_dateiname_falsch, "Dateiname enthält ein Nullzeichen");

    // Non-blocking, so that a named pipe cannot hang the program; only
    // regular files are read.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int fehlercode = errno;
        if (fehlercode == ENOENT)
            fehler(verzeichnis_existiert(name) ? toolkit::fehler_datei_nicht_gefunden
                                               : toolkit::fehler_pfad_nicht_gefunden,
                   fehlercode);
        if (fehlercode == ENOTDIR) fehler(toolkit::fehler_pfad_nicht_gefunden, fehlercode);
        fehler(fehler_dateizugriff, fehlercode);
    }
    Deskriptor datei(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) fehler(fehler_ein_ausgabe, errno);
    if (!S_ISREG(info.st_mode)) throw Failure(fehler_dateizugriff, "keine gewöhnliche Datei");

    std::string inhalt;
    inhalt.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), max_zeichen));
    char puffer[4096];
    while (true) {
        const ssize_t gelesen = ::read(fd, puffer, sizeof puffer);
        if (gelesen < 0) {
            if (errno == EINTR) continue;
            fehler(fehler_ein_ausgabe, errno);
        }
        if (gelesen == 0) break;
        for (ssize_t i = 0; i < gelesen; ++i) {
            const char zeichen = puffer[i];
            // The lines are joined without separators: CR LF, LF and a lone CR
            // all end a line.
            if (zeichen == '\r' || zeichen == '\n') continue;
            // One character more than the position counter can reach: the
            // file is damaged, whatever follows.
            if (inhalt.size() == max_zeichen)
                throw Failure(toolkit::fehler_ueberlauf, "Datei zu lang");
            inhalt += zeichen;
        }
    }
    return inhalt;
}

}  // namespace puzzle

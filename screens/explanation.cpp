// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/explanation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "files/open_file.h"
#include "screens/toolkit/utf8.h"

namespace explanation {

namespace {

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        int follow = c < 0x80           ? 0
                     : (c >> 5) == 0x6  ? 1
                     : (c >> 4) == 0xE  ? 2
                     : (c >> 3) == 0x1E ? 3
                                        : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= bytes.size()) return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

// Windows-1252 to UTF-8; the five undefined bytes become U+FFFD.
std::string fromWindows1252(std::string_view bytes) {
    static const char16_t high[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string text;
    for (char byte : bytes) {
        auto b = static_cast<unsigned char>(byte);
        toolkit::appendUtf8(text, static_cast<char32_t>(b < 0x80   ? b
                                                        : b < 0xA0 ? high[b - 0x80]
                                                                   : b));
    }
    return text;
}

// Appends one line of the file, broken into pieces of at most max_line_chars
// characters, after the last blank of a piece where it has one; each piece
// ends with CR LF. Counts the lines appended.
void appendLine(std::string& result, std::string_view line, std::size_t& lines) {
    while (true) {
        if (++lines > max_lines) throw TooLarge();
        // Where the piece would end: after max_line_chars characters.
        std::size_t end = 0;
        std::size_t chars = 0;
        while (end < line.size() && chars < max_line_chars) {
            ++end;
            while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
                ++end;
            ++chars;
        }
        if (end < line.size()) {
            const std::size_t blank = line.rfind(' ', end - 1);
            if (blank != std::string_view::npos && blank > 0) end = blank + 1;
        }
        result.append(line.substr(0, end));
        result += "\r\n";
        line.remove_prefix(end);
        if (line.empty()) return;
    }
}

}  // namespace

std::string prepare(std::string_view bytes) {
    const std::string text = isValidUtf8(bytes) ? std::string(bytes) : fromWindows1252(bytes);
    // A line ends at CR LF, LF or a lone CR; each line gets CR LF.
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t lines = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos) end = text.size();
        appendLine(result, std::string_view(text).substr(i, end - i), lines);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        i = end + 1;
    }
    return result;
}

std::vector<std::filesystem::path> searchPlaces(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& dataFolderRelative,
                                                const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> places{file_name};
    auto add = [&places](const std::filesystem::path& place) {
        const std::filesystem::path normal = place.lexically_normal();
        for (const auto& vorhanden : places)
            if (vorhanden == normal) return;
        places.push_back(normal);
    };
    if (!programFolder.empty() && !dataFolderRelative.empty())
        add(programFolder / dataFolderRelative / file_name);
    if (!dataFolder.empty()) add(dataFolder / file_name);
    return places;
}

std::optional<std::filesystem::path> find(const std::vector<std::filesystem::path>& places) {
    for (const auto& place : places) {
        std::error_code fail;
        if (std::filesystem::is_regular_file(place, fail)) return place;
    }
    return std::nullopt;
}

std::optional<std::string> readBytes(const std::filesystem::path& file_name) {
    // Non-blocking, so that a named pipe put in the file's place after it
    // was found cannot hang the program; what was opened must be a regular
    // file.
    const int fd = ::open(file_name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    const OpenFile file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (static_cast<std::uintmax_t>(info.st_size) > max_bytes) throw TooLarge();

    // One byte more than the limit tells a file that grew since fstat().
    std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), max_bytes) + 1,
                      '\0');
    std::size_t length = 0;
    while (true) {
        if (length == bytes.size()) {
            if (length > max_bytes) throw TooLarge();
            bytes.resize(std::min(bytes.size() * 2, max_bytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + length, bytes.size() - length);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        length += static_cast<std::size_t>(n);
    }
    bytes.resize(length);
    return bytes;
}

std::optional<std::string> readFile(const std::vector<std::filesystem::path>& places) {
    const std::optional<std::filesystem::path> place = find(places);
    if (!place) return std::nullopt;
    const std::optional<std::string> bytes = readBytes(*place);
    if (!bytes) return std::nullopt;
    return prepare(*bytes);
}

}  // namespace explanation

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

// A fresh temporary working directory for one test; the previous working
// directory is restored and the folder removed afterwards.
class Arbeitsordner {
  public:
    Arbeitsordner() : before_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sudoku-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~Arbeitsordner() {
        std::error_code fail;
        std::filesystem::current_path(before_, fail);
        std::filesystem::remove_all(path_, fail);
    }
    const std::filesystem::path& path() const { return path_; }

    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    static void write_file(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string read_file(const std::string& name) {
        std::ifstream file(name, std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }
    // The names in a folder, hidden ones included.
    static std::set<std::string> names(const std::string& folder = ".") {
        std::set<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            result.insert(entry.path().filename().string());
        return result;
    }

  private:
    std::filesystem::path before_;
    std::filesystem::path path_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

// A fresh temporary folder of its own (mkdtemp), removed with everything in
// it when the object goes.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sudoku-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code fail;
        std::filesystem::remove_all(path_, fail);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The name of a file in the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    static void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string readFile(const std::string& name) {
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
    std::filesystem::path path_;
};

// A fresh temporary folder as the working directory for as long as the
// object lives; the previous working directory is restored afterwards.
class WorkingFolder : public TemporaryFolder {
  public:
    WorkingFolder() : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(path());
    }
    ~WorkingFolder() {
        std::error_code fail;
        std::filesystem::current_path(before_, fail);
    }

  private:
    std::filesystem::path before_;
};

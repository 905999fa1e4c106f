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
    Arbeitsordner() : vorher_(std::filesystem::current_path()) {
        std::string muster =
            (std::filesystem::temp_directory_path() / "sudoku-test-XXXXXX").string();
        if (!::mkdtemp(muster.data())) throw std::runtime_error("mkdtemp");
        pfad_ = muster;
        std::filesystem::current_path(pfad_);
    }
    ~Arbeitsordner() {
        std::error_code fehler;
        std::filesystem::current_path(vorher_, fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }
    const std::filesystem::path& pfad() const { return pfad_; }

    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    static void schreiben(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string lesen(const std::string& name) {
        std::ifstream datei(name, std::ios::binary);
        std::ostringstream inhalt;
        inhalt << datei.rdbuf();
        return inhalt.str();
    }
    // The names in a folder, hidden ones included.
    static std::set<std::string> namen(const std::string& ordner = ".") {
        std::set<std::string> ergebnis;
        for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
            ergebnis.insert(eintrag.path().filename().string());
        return ergebnis;
    }

  private:
    std::filesystem::path vorher_;
    std::filesystem::path pfad_;
};

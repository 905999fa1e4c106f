// The explanation text of the start screen: how the file's lines reach the
// text box, and what the screen does when the file disappears.

#include "screens/erklaerung.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

using erklaerung::aufbereiten;

TEST(Erklaerung, EveryLineEndsWithCrLfWhateverEndedItInTheFile) {
    EXPECT_EQ(aufbereiten("eins\r\nzwei\r\n"), "eins\r\nzwei\r\n");
    EXPECT_EQ(aufbereiten("eins\nzwei"), "eins\r\nzwei\r\n");  // last line without an end
    EXPECT_EQ(aufbereiten("eins\rzwei"), "eins\r\nzwei\r\n");
    EXPECT_EQ(aufbereiten("eins\n\nzwei\n"), "eins\r\n\r\nzwei\r\n");  // an empty line stays
    EXPECT_EQ(aufbereiten("\r\n"), "\r\n");
    EXPECT_EQ(aufbereiten(""), "");
}

TEST(Erklaerung, ReadsUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(aufbereiten("Erklärung"), "Erklärung\r\n");
    EXPECT_EQ(aufbereiten("Erkl\xE4rung \x80 \x84gut\x93"), "Erklärung € „gut“\r\n");
    // A UTF-8 sequence cut short is no UTF-8: the whole file is read as 1252.
    EXPECT_EQ(aufbereiten("\xC3"), "Ã\r\n");
}

namespace {

// Runs the start screen in a fresh working directory of its own.
struct ErklaerungImArbeitsordner : ::testing::Test {
    std::filesystem::path vorher = std::filesystem::current_path();
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() /
        ("sudoku-erklaerung-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::ostringstream ausgabe;
    toolkit::ScriptedPlatform plattform{ausgabe};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(plattform);
    frm_sudoku_start& start = programm->start;

    void SetUp() override {
        std::filesystem::create_directories(ordner);
        std::filesystem::current_path(ordner);
        programm->starten();
    }
    void TearDown() override {
        std::filesystem::current_path(vorher);
        std::filesystem::remove_all(ordner);
    }
};

}  // namespace

TEST_F(ErklaerungImArbeitsordner, AFileThatDisappearsLeavesTheHomeStateAndAnEmptyBox) {
    std::ofstream(erklaerung::dateiname, std::ios::binary) << "Zeile 1\r\nZeile 2";
    start.cmd_erkl.click();
    EXPECT_EQ(start.txt_Erkl.text(), "Zeile 1\r\nZeile 2\r\n");
    start.cmd_erkl.click();
    EXPECT_EQ(ausgabe.str(), "");

    std::filesystem::remove(erklaerung::dateiname);
    start.cmd_erkl.click();

    EXPECT_EQ(ausgabe.str(),
              "message \"Achtung!\" 0 \"Die Erklärungsdatei \\\"sudoku_erkl.txt\\\" wurde nicht "
              "gefunden oder kann nicht gelesen werden!\" -> ok\n");
    EXPECT_EQ(start.txt_Erkl.text(), "");
    EXPECT_FALSE(start.txt_Erkl.visible());
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_EQ(start.cmd_erkl.top(), 7320);
    EXPECT_TRUE(start.cmd_start.visible());
    EXPECT_TRUE(start.cmd_ansicht.visible());
}

TEST_F(ErklaerungImArbeitsordner, AFolderOfThatNameIsReportedLikeAMissingFile) {
    std::filesystem::create_directory(erklaerung::dateiname);
    start.cmd_erkl.click();
    EXPECT_NE(ausgabe.str().find("message \"Achtung!\" 0"), std::string::npos);
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_TRUE(start.cmd_start.visible());
}

// The explanation text of the start screen: how the file's lines reach the
// text box, and what the screen does when the file disappears.

#include "screens/explanation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"

using explanation::prepare;

TEST(Explanation, EveryLineEndsWithCrLfWhateverEndedItInTheFile) {
    EXPECT_EQ(prepare("eins\r\nzwei\r\n"), "eins\r\nzwei\r\n");
    EXPECT_EQ(prepare("eins\nzwei"), "eins\r\nzwei\r\n");  // last line without an end
    EXPECT_EQ(prepare("eins\rzwei"), "eins\r\nzwei\r\n");
    EXPECT_EQ(prepare("eins\n\nzwei\n"), "eins\r\n\r\nzwei\r\n");  // an empty line stays
    EXPECT_EQ(prepare("\r\n"), "\r\n");
    EXPECT_EQ(prepare(""), "");
}

TEST(Explanation, ReadsUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(prepare("Erklärung"), "Erklärung\r\n");
    EXPECT_EQ(prepare("Erkl\xE4rung \x80 \x84gut\x93"), "Erklärung € „gut“\r\n");
    // A UTF-8 sequence cut short is no UTF-8: the whole file is read as 1252.
    EXPECT_EQ(prepare("\xC3"), "Ã\r\n");
}

namespace {

// Runs the start screen in a fresh working directory of its own.
struct ExplanationInWorkingFolder : ::testing::Test {
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("sudoku-erklaerung-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::ostringstream output;
    toolkit::ScriptedPlatform platform{output};
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    frm_sudoku_start& start = program->start;

    void SetUp() override {
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        program->start_program();
    }
    void TearDown() override {
        std::filesystem::current_path(before);
        std::filesystem::remove_all(folder);
    }
};

}  // namespace

TEST_F(ExplanationInWorkingFolder, AFileThatDisappearsLeavesTheHomeStateAndAnEmptyBox) {
    std::ofstream(explanation::file_name, std::ios::binary) << "Zeile 1\r\nZeile 2";
    start.cmd_erkl.click();
    EXPECT_EQ(start.txt_Erkl.text(), "Zeile 1\r\nZeile 2\r\n");
    start.cmd_erkl.click();
    EXPECT_EQ(output.str(), "");

    std::filesystem::remove(explanation::file_name);
    start.cmd_erkl.click();

    EXPECT_EQ(output.str(),
              "message \"Achtung!\" 0 \"Die Erklärungsdatei \\\"sudoku_erkl.txt\\\" wurde nicht "
              "gefunden oder kann nicht gelesen werden!\" -> ok\n");
    EXPECT_EQ(start.txt_Erkl.text(), "");
    EXPECT_FALSE(start.txt_Erkl.visible());
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_EQ(start.cmd_erkl.top(), 7320);
    EXPECT_TRUE(start.cmd_start.visible());
    EXPECT_TRUE(start.cmd_ansicht.visible());
}

TEST_F(ExplanationInWorkingFolder, AFolderOfThatNameIsReportedLikeAMissingFile) {
    std::filesystem::create_directory(explanation::file_name);
    start.cmd_erkl.click();
    EXPECT_NE(output.str().find("message \"Achtung!\" 0"), std::string::npos);
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_TRUE(start.cmd_start.visible());
}

// Where the explanation file is looked for: the working directory first, then
// the data folder beside the program, then the data folder of the prefix the
// program was built for.
TEST(ExplanationPlaces, WorkingDirectoryThenBesideTheProgramThenTheBuildsPrefix) {
    using std::filesystem::path;
    EXPECT_EQ(explanation::search_places("/opt/spiel/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/opt/spiel/share/sudoku/sudoku_erkl.txt",
                                 "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Installed where it was built for: both data folders are one.
    EXPECT_EQ(explanation::search_places("/usr/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Without the program's folder only the working directory and the prefix remain.
    EXPECT_EQ(explanation::search_places("", "../share/sudoku", "/usr/local/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/local/share/sudoku/sudoku_erkl.txt"}));
    EXPECT_EQ(explanation::search_places("", "", ""), (std::vector<path>{"sudoku_erkl.txt"}));
}

TEST_F(ExplanationInWorkingFolder, TheWorkingDirectoryComesBeforeTheDataFolder) {
    const std::filesystem::path data_dir = folder / "installiert" / "share" / "sudoku";
    std::filesystem::create_directories(data_dir);
    const std::vector<std::filesystem::path> places =
        explanation::search_places(folder / "installiert" / "bin", "../share/sudoku", "");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(explanation::find(places), std::nullopt);
    EXPECT_EQ(explanation::read_file(places), std::nullopt);

    std::ofstream(data_dir / explanation::file_name, std::ios::binary) << "installiert\n";
    EXPECT_EQ(explanation::find(places), data_dir / explanation::file_name);
    EXPECT_EQ(explanation::read_file(places), "installiert\r\n");

    // A folder of that name in the working directory is not the file.
    std::filesystem::create_directory(explanation::file_name);
    EXPECT_EQ(explanation::read_file(places), "installiert\r\n");
    std::filesystem::remove(explanation::file_name);

    std::ofstream(explanation::file_name, std::ios::binary) << "eigene";
    EXPECT_EQ(explanation::find(places), std::filesystem::path(explanation::file_name));
    EXPECT_EQ(explanation::read_file(places), "eigene\r\n");
    // Without a list only the working directory counts, as the program always did.
    std::filesystem::remove(explanation::file_name);
    EXPECT_EQ(explanation::read_file(), std::nullopt);
}

TEST_F(ExplanationInWorkingFolder, TheStartScreenShowsTheInstalledTextFromAnyDirectory) {
    const std::filesystem::path data_dir = folder / "prefix" / "share" / "sudoku";
    std::filesystem::create_directories(data_dir);
    std::ofstream(data_dir / explanation::file_name, std::ios::binary) << "Aus dem Datenordner\n";
    start.explanation_places = explanation::search_places("", "", data_dir);
    std::filesystem::create_directory("elsewhere");
    std::filesystem::current_path("elsewhere");

    start.cmd_erkl.click();
    EXPECT_EQ(output.str(), "");
    EXPECT_TRUE(start.txt_Erkl.visible());
    EXPECT_EQ(start.txt_Erkl.text(), "Aus dem Datenordner\r\n");

    // Gone from every place: the message, as for a missing file in the working directory.
    start.cmd_erkl.click();
    std::filesystem::remove(data_dir / explanation::file_name);
    start.cmd_erkl.click();
    EXPECT_NE(output.str().find("message \"Achtung!\" 0"), std::string::npos);
    EXPECT_EQ(start.txt_Erkl.text(), "");
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
}

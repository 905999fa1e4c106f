// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation text of the start screen: how the file's lines reach the
// text box, and what the screen does when the file disappears.

#include "screens/explanation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

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
struct ExplanationInWorkingFolder : ::testing::Test, HeadlessGame<> {
    WorkingFolder workingFolder;
    const std::filesystem::path& folder = workingFolder.path();
    frm_sudoku_start& start = program->start;

    void SetUp() override { program->startProgram(); }
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
    EXPECT_EQ(explanation::searchPlaces("/opt/spiel/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/opt/spiel/share/sudoku/sudoku_erkl.txt",
                                 "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Installed where it was built for: both data folders are one.
    EXPECT_EQ(explanation::searchPlaces("/usr/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Without the program's folder only the working directory and the prefix remain.
    EXPECT_EQ(explanation::searchPlaces("", "../share/sudoku", "/usr/local/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/local/share/sudoku/sudoku_erkl.txt"}));
    EXPECT_EQ(explanation::searchPlaces("", "", ""), (std::vector<path>{"sudoku_erkl.txt"}));
}

TEST_F(ExplanationInWorkingFolder, TheWorkingDirectoryComesBeforeTheDataFolder) {
    const std::filesystem::path dataDir = folder / "installiert" / "share" / "sudoku";
    std::filesystem::create_directories(dataDir);
    const std::vector<std::filesystem::path> places =
        explanation::searchPlaces(folder / "installiert" / "bin", "../share/sudoku", "");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(explanation::find(places), std::nullopt);
    EXPECT_EQ(explanation::readFile(places), std::nullopt);

    std::ofstream(dataDir / explanation::file_name, std::ios::binary) << "installiert\n";
    EXPECT_EQ(explanation::find(places), dataDir / explanation::file_name);
    EXPECT_EQ(explanation::readFile(places), "installiert\r\n");

    // A folder of that name in the working directory is not the file.
    std::filesystem::create_directory(explanation::file_name);
    EXPECT_EQ(explanation::readFile(places), "installiert\r\n");
    std::filesystem::remove(explanation::file_name);

    std::ofstream(explanation::file_name, std::ios::binary) << "eigene";
    EXPECT_EQ(explanation::find(places), std::filesystem::path(explanation::file_name));
    EXPECT_EQ(explanation::readFile(places), "eigene\r\n");
    // Without a list only the working directory counts.
    std::filesystem::remove(explanation::file_name);
    EXPECT_EQ(explanation::readFile(), std::nullopt);
}

TEST_F(ExplanationInWorkingFolder, TheStartScreenShowsTheInstalledTextFromAnyDirectory) {
    const std::filesystem::path dataDir = folder / "prefix" / "share" / "sudoku";
    std::filesystem::create_directories(dataDir);
    std::ofstream(dataDir / explanation::file_name, std::ios::binary) << "Aus dem Datenordner\n";
    start.explanationPlaces = explanation::searchPlaces("", "", dataDir);
    std::filesystem::create_directory("anderswo");
    std::filesystem::current_path("anderswo");

    start.cmd_erkl.click();
    EXPECT_EQ(output.str(), "");
    EXPECT_TRUE(start.txt_Erkl.visible());
    EXPECT_EQ(start.txt_Erkl.text(), "Aus dem Datenordner\r\n");

    // Gone from every place: the message, as for a missing file in the working directory.
    start.cmd_erkl.click();
    std::filesystem::remove(dataDir / explanation::file_name);
    start.cmd_erkl.click();
    EXPECT_NE(output.str().find("message \"Achtung!\" 0"), std::string::npos);
    EXPECT_EQ(start.txt_Erkl.text(), "");
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
}

// Limits that keep the box quick to show whatever the file holds.
TEST(Explanation, ALineLongerThanTheLimitIsBrokenAfterItsLastBlankWithinIt) {
    const std::size_t n = explanation::max_line_chars;
    EXPECT_EQ(prepare(std::string(n, 'x')), std::string(n, 'x') + "\r\n");
    EXPECT_EQ(prepare(std::string(n + 1, 'x')), std::string(n, 'x') + "\r\nx\r\n");
    EXPECT_EQ(prepare("a " + std::string(n, 'x')), "a \r\n" + std::string(n, 'x') + "\r\n");
    // Characters count, not bytes, and no character is cut in two.
    std::string umlauts;
    for (std::size_t i = 0; i <= n; ++i) umlauts += "ä";
    EXPECT_EQ(prepare(umlauts), umlauts.substr(0, 2 * n) + "\r\nä\r\n");
}

TEST(Explanation, MoreLinesThanTheLimitAreTooLarge) {
    EXPECT_EQ(prepare(std::string(explanation::max_lines, '\n')).size(),
              2 * explanation::max_lines);
    EXPECT_THROW(prepare(std::string(explanation::max_lines + 1, '\n')), explanation::TooLarge);
}

TEST(Explanation, AFileLargerThanTheLimitIsNotRead) {
    WorkingFolder folder;
    std::ofstream(explanation::file_name, std::ios::binary) << "x";
    std::filesystem::resize_file(explanation::file_name, explanation::max_bytes);
    EXPECT_EQ(explanation::readBytes(explanation::file_name)->size(), explanation::max_bytes);
    // Sparse: nothing of it may be read, let alone copied.
    std::filesystem::resize_file(explanation::file_name, std::uintmax_t{3} << 30);
    EXPECT_THROW(explanation::readBytes(explanation::file_name), explanation::TooLarge);
}

TEST(Explanation, ANamedPipeIsOpenedWithoutWaitingAndNotRead) {
    WorkingFolder folder;
    ASSERT_EQ(::mkfifo(explanation::file_name, 0600), 0);
    EXPECT_EQ(explanation::readBytes(explanation::file_name), std::nullopt);
}

TEST_F(ExplanationInWorkingFolder, AFileTooLargeToShowGivesAMessageAndLeavesTheHomeState) {
    std::ofstream(explanation::file_name, std::ios::binary) << std::string(100000, '\n');
    start.cmd_erkl.click();
    EXPECT_EQ(output.str(),
              "message \"Achtung!\" 0 \"Die Erklärungsdatei \\\"sudoku_erkl.txt\\\" ist zu groß, "
              "um angezeigt zu werden!\" -> ok\n");
    EXPECT_FALSE(start.txt_Erkl.visible());
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_TRUE(start.cmd_start.visible());
}

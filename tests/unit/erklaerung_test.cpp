// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation text of the start screen: how the file's lines reach the
// text box, and what the screen does when the file disappears.

#include "screens/erklaerung.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "arbeitsordner.h"
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
    Arbeitsordner arbeitsordner;
    const std::filesystem::path& ordner = arbeitsordner.pfad();
    std::ostringstream ausgabe;
    toolkit::ScriptedPlatform plattform{ausgabe};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(plattform);
    frm_sudoku_start& start = programm->start;

    void SetUp() override { programm->starten(); }
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

// Where the explanation file is looked for: the working directory first, then
// the data folder beside the program, then the data folder of the prefix the
// program was built for.
TEST(ErklaerungSuchorte, WorkingDirectoryThenBesideTheProgramThenTheBuildsPrefix) {
    using std::filesystem::path;
    EXPECT_EQ(erklaerung::suchorte("/opt/spiel/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/opt/spiel/share/sudoku/sudoku_erkl.txt",
                                 "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Installed where it was built for: both data folders are one.
    EXPECT_EQ(erklaerung::suchorte("/usr/bin", "../share/sudoku", "/usr/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/share/sudoku/sudoku_erkl.txt"}));
    // Without the program's folder only the working directory and the prefix remain.
    EXPECT_EQ(erklaerung::suchorte("", "../share/sudoku", "/usr/local/share/sudoku"),
              (std::vector<path>{"sudoku_erkl.txt", "/usr/local/share/sudoku/sudoku_erkl.txt"}));
    EXPECT_EQ(erklaerung::suchorte("", "", ""), (std::vector<path>{"sudoku_erkl.txt"}));
}

TEST_F(ErklaerungImArbeitsordner, TheWorkingDirectoryComesBeforeTheDataFolder) {
    const std::filesystem::path daten = ordner / "installiert" / "share" / "sudoku";
    std::filesystem::create_directories(daten);
    const std::vector<std::filesystem::path> orte =
        erklaerung::suchorte(ordner / "installiert" / "bin", "../share/sudoku", "");
    ASSERT_EQ(orte.size(), 2u);
    EXPECT_EQ(erklaerung::finden(orte), std::nullopt);
    EXPECT_EQ(erklaerung::lesen(orte), std::nullopt);

    std::ofstream(daten / erklaerung::dateiname, std::ios::binary) << "installiert\n";
    EXPECT_EQ(erklaerung::finden(orte), daten / erklaerung::dateiname);
    EXPECT_EQ(erklaerung::lesen(orte), "installiert\r\n");

    // A folder of that name in the working directory is not the file.
    std::filesystem::create_directory(erklaerung::dateiname);
    EXPECT_EQ(erklaerung::lesen(orte), "installiert\r\n");
    std::filesystem::remove(erklaerung::dateiname);

    std::ofstream(erklaerung::dateiname, std::ios::binary) << "eigene";
    EXPECT_EQ(erklaerung::finden(orte), std::filesystem::path(erklaerung::dateiname));
    EXPECT_EQ(erklaerung::lesen(orte), "eigene\r\n");
    // Without a list only the working directory counts, as the program always did.
    std::filesystem::remove(erklaerung::dateiname);
    EXPECT_EQ(erklaerung::lesen(), std::nullopt);
}

TEST_F(ErklaerungImArbeitsordner, TheStartScreenShowsTheInstalledTextFromAnyDirectory) {
    const std::filesystem::path daten = ordner / "prefix" / "share" / "sudoku";
    std::filesystem::create_directories(daten);
    std::ofstream(daten / erklaerung::dateiname, std::ios::binary) << "Aus dem Datenordner\n";
    start.erklaerung_orte = erklaerung::suchorte("", "", daten);
    std::filesystem::create_directory("anderswo");
    std::filesystem::current_path("anderswo");

    start.cmd_erkl.click();
    EXPECT_EQ(ausgabe.str(), "");
    EXPECT_TRUE(start.txt_Erkl.visible());
    EXPECT_EQ(start.txt_Erkl.text(), "Aus dem Datenordner\r\n");

    // Gone from every place: the message, as for a missing file in the working directory.
    start.cmd_erkl.click();
    std::filesystem::remove(daten / erklaerung::dateiname);
    start.cmd_erkl.click();
    EXPECT_NE(ausgabe.str().find("message \"Achtung!\" 0"), std::string::npos);
    EXPECT_EQ(start.txt_Erkl.text(), "");
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
}

// Limits that keep the box quick to show whatever the file holds.
TEST(Erklaerung, ALineLongerThanTheLimitIsBrokenAfterItsLastBlankWithinIt) {
    const std::size_t n = erklaerung::max_line_chars;
    EXPECT_EQ(aufbereiten(std::string(n, 'x')), std::string(n, 'x') + "\r\n");
    EXPECT_EQ(aufbereiten(std::string(n + 1, 'x')), std::string(n, 'x') + "\r\nx\r\n");
    EXPECT_EQ(aufbereiten("a " + std::string(n, 'x')), "a \r\n" + std::string(n, 'x') + "\r\n");
    // Characters count, not bytes, and no character is cut in two.
    std::string umlaute;
    for (std::size_t i = 0; i <= n; ++i) umlaute += "ä";
    EXPECT_EQ(aufbereiten(umlaute), umlaute.substr(0, 2 * n) + "\r\nä\r\n");
}

TEST(Erklaerung, MoreLinesThanTheLimitAreTooLarge) {
    EXPECT_EQ(aufbereiten(std::string(erklaerung::max_lines, '\n')).size(),
              2 * erklaerung::max_lines);
    EXPECT_THROW(aufbereiten(std::string(erklaerung::max_lines + 1, '\n')), erklaerung::TooLarge);
}

TEST(Erklaerung, AFileLargerThanTheLimitIsNotRead) {
    Arbeitsordner ordner;
    std::ofstream(erklaerung::dateiname, std::ios::binary) << "x";
    std::filesystem::resize_file(erklaerung::dateiname, erklaerung::max_bytes);
    EXPECT_EQ(erklaerung::read_bytes(erklaerung::dateiname)->size(), erklaerung::max_bytes);
    // Sparse: nothing of it may be read, let alone copied.
    std::filesystem::resize_file(erklaerung::dateiname, std::uintmax_t{3} << 30);
    EXPECT_THROW(erklaerung::read_bytes(erklaerung::dateiname), erklaerung::TooLarge);
}

TEST(Erklaerung, ANamedPipeIsOpenedWithoutWaitingAndNotRead) {
    Arbeitsordner ordner;
    ASSERT_EQ(::mkfifo(erklaerung::dateiname, 0600), 0);
    EXPECT_EQ(erklaerung::read_bytes(erklaerung::dateiname), std::nullopt);
}

TEST_F(ErklaerungImArbeitsordner, AFileTooLargeToShowGivesAMessageAndLeavesTheHomeState) {
    std::ofstream(erklaerung::dateiname, std::ios::binary) << std::string(100000, '\n');
    start.cmd_erkl.click();
    EXPECT_EQ(ausgabe.str(),
              "message \"Achtung!\" 0 \"Die Erklärungsdatei \\\"sudoku_erkl.txt\\\" ist zu groß, "
              "um angezeigt zu werden!\" -> ok\n");
    EXPECT_FALSE(start.txt_Erkl.visible());
    EXPECT_EQ(start.cmd_erkl.text(), "Erklärung lesen");
    EXPECT_TRUE(start.cmd_start.visible());
}

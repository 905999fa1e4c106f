// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include "screens/toolkit/failure.h"
#include "tests/support/failure_number.h"
#include "tests/support/working_folder.h"

namespace fs = std::filesystem;

namespace {

struct PuzzleFile : ::testing::Test {
    WorkingFolder folder;
};

}  // namespace

TEST_F(PuzzleFile, LinesAreJoinedWithoutSeparators) {
    WorkingFolder::writeFile("z.txt", "ab\r\ncd\nef\rg\r\n");
    EXPECT_EQ(puzzle::readFile("z.txt"), "abcdefg");
    WorkingFolder::writeFile("leer.txt", "");
    EXPECT_EQ(puzzle::readFile("leer.txt"), "");
}

TEST_F(PuzzleFile, ContentIsLimitedTo32767CharactersNotCountingLineEnds) {
    std::string full(puzzle::max_chars, 'x');
    WorkingFolder::writeFile("voll.txt", full.substr(0, 100) + "\r\n" + full.substr(100) + "\r\n");
    EXPECT_EQ(puzzle::readFile("voll.txt"), full);
    WorkingFolder::writeFile("zu_lang.txt", full + "y\r\nzzz");
    EXPECT_EQ(puzzle::readFile("zu_lang.txt"), full + "y");
}

TEST_F(PuzzleFile, HugeFileIsReadOnlyAsFarAsTheReaderCanCount) {
    // 64 GiB of zero bytes, without using the disk: reading it all would
    // take minutes and exhaust the memory.
    { std::ofstream("riesig.txt"); }
    fs::resize_file("riesig.txt", std::uintmax_t{64} << 30);
    EXPECT_EQ(puzzle::readFile("riesig.txt").size(), puzzle::max_chars + 1);
}

TEST_F(PuzzleFile, ReadErrorsAreSortedByTheirCause) {
    EXPECT_EQ(failureNumber([] { puzzle::readFile("fehlt.txt"); }),
              toolkit::failure_file_not_found);
    EXPECT_EQ(failureNumber([] { puzzle::readFile(".txt"); }), toolkit::failure_file_not_found);
    EXPECT_EQ(failureNumber([] { puzzle::readFile("kein_ordner/x.txt"); }),
              toolkit::failure_path_not_found);
    WorkingFolder::writeFile("datei.txt", "x");
    EXPECT_EQ(failureNumber([] { puzzle::readFile("datei.txt/x.txt"); }),
              toolkit::failure_path_not_found);
    fs::create_directory("ordner.txt");
    EXPECT_EQ(failureNumber([] { puzzle::readFile("ordner.txt"); }), puzzle::failure_file_access);
    EXPECT_EQ(failureNumber([] { puzzle::readFile(std::string(300, 'n') + ".txt"); }),
              puzzle::failure_file_access);
    EXPECT_EQ(failureNumber([] { puzzle::readFile(std::string("a\0b.txt", 7)); }),
              puzzle::failure_bad_file_name);
}

TEST_F(PuzzleFile, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(::mkfifo("rohr.txt", 0600), 0);
    EXPECT_EQ(failureNumber([] { puzzle::readFile("rohr.txt"); }), puzzle::failure_file_access);
}

TEST_F(PuzzleFile, WritingCreatesAndReplacesWithExactlyTheBytes) {
    puzzle::writeFile("spiel.txt", "erste\r\n");
    EXPECT_EQ(WorkingFolder::readFile("spiel.txt"), "erste\r\n");
    puzzle::writeFile("spiel.txt", "zweite, laenger\r\n");
    EXPECT_EQ(WorkingFolder::readFile("spiel.txt"), "zweite, laenger\r\n");
    fs::create_directory("unter");
    puzzle::writeFile("unter/spiel.txt", "drin\r\n");
    EXPECT_EQ(WorkingFolder::readFile("unter/spiel.txt"), "drin\r\n");
    // Nothing else is left behind.
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{"spiel.txt", "unter"}));
    EXPECT_EQ(WorkingFolder::names("unter"), (std::set<std::string>{"spiel.txt"}));
}

TEST_F(PuzzleFile, NewFileFollowsTheUmaskAReplacedFileKeepsItsRights) {
    const mode_t before = ::umask(022);
    puzzle::writeFile("neu.txt", "x");
    ::umask(before);
    EXPECT_EQ(fs::status("neu.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                       fs::perms::group_read |
                                                       fs::perms::others_read);
    fs::permissions("neu.txt",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    puzzle::writeFile("neu.txt", "y");
    EXPECT_EQ(fs::status("neu.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PuzzleFile, SymbolicLinkIsWrittenThroughEvenToAFileNotThereYet) {
    WorkingFolder::writeFile("ziel.txt", "alt");
    fs::create_symlink("ziel.txt", "verweis.txt");
    puzzle::writeFile("verweis.txt", "neu");
    EXPECT_TRUE(fs::is_symlink("verweis.txt"));
    EXPECT_EQ(WorkingFolder::readFile("ziel.txt"), "neu");
    // A relative link leads from its own folder.
    fs::create_directory("unter");
    fs::create_symlink("../neu.txt", "unter/verweis.txt");
    puzzle::writeFile("unter/verweis.txt", "erstellt");
    EXPECT_TRUE(fs::is_symlink("unter/verweis.txt"));
    EXPECT_EQ(WorkingFolder::readFile("neu.txt"), "erstellt");
}

TEST_F(PuzzleFile, ALinkLoopIsAFailureAndTheLinksStay) {
    fs::create_symlink("b.txt", "a.txt");
    fs::create_symlink("a.txt", "b.txt");
    EXPECT_EQ(failureNumber([] { puzzle::writeFile("a.txt", "x"); }), puzzle::failure_file_access);
    EXPECT_EQ(fs::read_symlink("a.txt"), "b.txt");
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{"a.txt", "b.txt"}));
}

TEST(PuzzleFileReplace, OnlyAUsersOwnFileThatItsOwnerMayWriteIsReplaced) {
    EXPECT_TRUE(puzzle::mayReplace(S_IFREG | 0644, 1000, 1000));
    EXPECT_FALSE(puzzle::mayReplace(S_IFREG | 0444, 1000, 1000));
    EXPECT_FALSE(puzzle::mayReplace(S_IFREG | 0666, 1001, 1000));
    EXPECT_FALSE(puzzle::mayReplace(S_IFREG | 0666, 1001, 0));  // not even for root
    EXPECT_FALSE(puzzle::mayReplace(S_IFIFO | 0666, 1000, 1000));
}

TEST_F(PuzzleFile, AWriteProtectedFileIsNotReplaced) {
    WorkingFolder::writeFile("spiel.txt", "alt");
    fs::permissions("spiel.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(failureNumber([] { puzzle::writeFile("spiel.txt", "neu"); }),
              puzzle::failure_file_access);
    EXPECT_EQ(WorkingFolder::readFile("spiel.txt"), "alt");
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{"spiel.txt"}));
}

TEST_F(PuzzleFile, AnotherUsersFileIsNotReplaced) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user here; the decision itself "
                        "is tested by OnlyAUsersOwnFileThatItsOwnerMayWriteIsReplaced";
    WorkingFolder::writeFile("spiel.txt", "fremd");
    fs::permissions("spiel.txt", fs::perms::all);
    ASSERT_EQ(::chown("spiel.txt", 65534, 65534), 0);
    EXPECT_EQ(failureNumber([] { puzzle::writeFile("spiel.txt", "neu"); }),
              puzzle::failure_file_access);
    EXPECT_EQ(WorkingFolder::readFile("spiel.txt"), "fremd");
    struct stat info {};
    ASSERT_EQ(::stat("spiel.txt", &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
}

TEST_F(PuzzleFile, ASaveRemovesTemporaryFilesOfKilledSavesOlderThanADay) {
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    for (const char* name :
         {".sudoku-Alt123", ".sudoku-Neu456", ".sudoku-Alt12", "sudoku-Alt789"}) {
        WorkingFolder::writeFile(name, "halb");
        if (std::string(name) != ".sudoku-Neu456") fs::last_write_time(name, twoDaysAgo);
    }
    puzzle::writeFile("spiel.txt", "x");
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{".sudoku-Neu456", ".sudoku-Alt12",
                                                             "sudoku-Alt789", "spiel.txt"}));
}

TEST_F(PuzzleFile, FailedWriteLeavesTargetAndFolderAsTheyWere) {
    // Missing directory: nothing is made.
    EXPECT_EQ(failureNumber([] { puzzle::writeFile("kein_ordner/x.txt", "x"); }),
              toolkit::failure_path_not_found);
    // A directory in the target's place is neither replaced nor touched.
    fs::create_directory("ordner.txt");
    WorkingFolder::writeFile("ordner.txt/drin", "bleibt");
    EXPECT_NE(failureNumber([] { puzzle::writeFile("ordner.txt", "x"); }), 0);
    EXPECT_EQ(WorkingFolder::readFile("ordner.txt/drin"), "bleibt");
    // A name the file system refuses.
    EXPECT_NE(failureNumber([] { puzzle::writeFile(std::string(300, 'n') + ".txt", "x"); }), 0);
    EXPECT_EQ(failureNumber([] { puzzle::writeFile(std::string("a\0b.txt", 7), "x"); }),
              puzzle::failure_bad_file_name);
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{"ordner.txt"}));
}

TEST_F(PuzzleFile, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
    WorkingFolder::writeFile("spiel.txt", "das alte Spiel\r\n");
    // A file size limit makes the write fail as a full disk would.
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number =
        failureNumber([] { puzzle::writeFile("spiel.txt", std::string(1000, 'x')); });
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_EQ(number, puzzle::failure_io);
    EXPECT_EQ(WorkingFolder::readFile("spiel.txt"), "das alte Spiel\r\n");
    EXPECT_EQ(WorkingFolder::names(), (std::set<std::string>{"spiel.txt"}));
}

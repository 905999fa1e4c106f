// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_datei.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include "screens/toolkit/failure.h"
#include "tests/unit/arbeitsordner.h"

namespace fs = std::filesystem;

namespace {

// The failure number lesen or schreiben throws, 0 for none.
template <class F>
int fehlernummer(F&& f) {
    try {
        f();
    } catch (const toolkit::Failure& fehler) {
        return fehler.number();
    }
    return 0;
}

struct PuzzleDatei : ::testing::Test {
    Arbeitsordner ordner;
};

}  // namespace

TEST_F(PuzzleDatei, LinesAreJoinedWithoutSeparators) {
    Arbeitsordner::schreiben("z.txt", "ab\r\ncd\nef\rg\r\n");
    EXPECT_EQ(puzzle::lesen("z.txt"), "abcdefg");
    Arbeitsordner::schreiben("leer.txt", "");
    EXPECT_EQ(puzzle::lesen("leer.txt"), "");
}

TEST_F(PuzzleDatei, ContentIsLimitedTo32767CharactersNotCountingLineEnds) {
    std::string voll(puzzle::max_zeichen, 'x');
    Arbeitsordner::schreiben("voll.txt", voll.substr(0, 100) + "\r\n" + voll.substr(100) + "\r\n");
    EXPECT_EQ(puzzle::lesen("voll.txt"), voll);
    Arbeitsordner::schreiben("zu_lang.txt", voll + "y");
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("zu_lang.txt"); }), toolkit::fehler_ueberlauf);
}

TEST_F(PuzzleDatei, HugeFileIsRefusedWithoutReadingItAll) {
    // 64 GiB of zero bytes, without using the disk: reading it all would
    // take minutes and exhaust the memory.
    { std::ofstream("riesig.txt"); }
    fs::resize_file("riesig.txt", std::uintmax_t{64} << 30);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("riesig.txt"); }), toolkit::fehler_ueberlauf);
}

TEST_F(PuzzleDatei, ReadErrorsAreSortedByTheirCause) {
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("fehlt.txt"); }),
              toolkit::fehler_datei_nicht_gefunden);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen(".txt"); }), toolkit::fehler_datei_nicht_gefunden);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("kein_ordner/x.txt"); }),
              toolkit::fehler_pfad_nicht_gefunden);
    Arbeitsordner::schreiben("datei.txt", "x");
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("datei.txt/x.txt"); }),
              toolkit::fehler_pfad_nicht_gefunden);
    fs::create_directory("ordner.txt");
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("ordner.txt"); }), puzzle::fehler_dateizugriff);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen(std::string(300, 'n') + ".txt"); }),
              puzzle::fehler_dateizugriff);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen(std::string("a\0b.txt", 7)); }),
              puzzle::fehler_dateiname_falsch);
}

TEST_F(PuzzleDatei, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(::mkfifo("rohr.txt", 0600), 0);
    EXPECT_EQ(fehlernummer([] { puzzle::lesen("rohr.txt"); }), puzzle::fehler_dateizugriff);
}

TEST_F(PuzzleDatei, WritingCreatesAndReplacesWithExactlyTheBytes) {
    puzzle::schreiben("spiel.txt", "erste\r\n");
    EXPECT_EQ(Arbeitsordner::lesen("spiel.txt"), "erste\r\n");
    puzzle::schreiben("spiel.txt", "zweite, laenger\r\n");
    EXPECT_EQ(Arbeitsordner::lesen("spiel.txt"), "zweite, laenger\r\n");
    fs::create_directory("unter");
    puzzle::schreiben("unter/spiel.txt", "drin\r\n");
    EXPECT_EQ(Arbeitsordner::lesen("unter/spiel.txt"), "drin\r\n");
    // Nothing else is left behind.
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{"spiel.txt", "unter"}));
    EXPECT_EQ(Arbeitsordner::namen("unter"), (std::set<std::string>{"spiel.txt"}));
}

TEST_F(PuzzleDatei, NewFileFollowsTheUmaskAReplacedFileKeepsItsRights) {
    const mode_t vorher = ::umask(022);
    puzzle::schreiben("neu.txt", "x");
    ::umask(vorher);
    EXPECT_EQ(fs::status("neu.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                       fs::perms::group_read |
                                                       fs::perms::others_read);
    fs::permissions("neu.txt",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    puzzle::schreiben("neu.txt", "y");
    EXPECT_EQ(fs::status("neu.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PuzzleDatei, SymbolicLinkIsWrittenThroughEvenToAFileNotThereYet) {
    Arbeitsordner::schreiben("ziel.txt", "alt");
    fs::create_symlink("ziel.txt", "verweis.txt");
    puzzle::schreiben("verweis.txt", "neu");
    EXPECT_TRUE(fs::is_symlink("verweis.txt"));
    EXPECT_EQ(Arbeitsordner::lesen("ziel.txt"), "neu");
    // A relative link leads from its own folder.
    fs::create_directory("unter");
    fs::create_symlink("../neu.txt", "unter/verweis.txt");
    puzzle::schreiben("unter/verweis.txt", "erstellt");
    EXPECT_TRUE(fs::is_symlink("unter/verweis.txt"));
    EXPECT_EQ(Arbeitsordner::lesen("neu.txt"), "erstellt");
}

TEST_F(PuzzleDatei, ALinkLoopIsAFailureAndTheLinksStay) {
    fs::create_symlink("b.txt", "a.txt");
    fs::create_symlink("a.txt", "b.txt");
    EXPECT_EQ(fehlernummer([] { puzzle::schreiben("a.txt", "x"); }), puzzle::fehler_dateizugriff);
    EXPECT_EQ(fs::read_symlink("a.txt"), "b.txt");
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{"a.txt", "b.txt"}));
}

TEST(PuzzleDateiErsetzen, OnlyAUsersOwnFileThatItsOwnerMayWriteIsReplaced) {
    EXPECT_TRUE(puzzle::may_replace(S_IFREG | 0644, 1000, 1000));
    EXPECT_FALSE(puzzle::may_replace(S_IFREG | 0444, 1000, 1000));
    EXPECT_FALSE(puzzle::may_replace(S_IFREG | 0666, 1001, 1000));
    EXPECT_FALSE(puzzle::may_replace(S_IFREG | 0666, 1001, 0));  // not even for root
    EXPECT_FALSE(puzzle::may_replace(S_IFIFO | 0666, 1000, 1000));
}

TEST_F(PuzzleDatei, AWriteProtectedFileIsNotReplaced) {
    Arbeitsordner::schreiben("spiel.txt", "alt");
    fs::permissions("spiel.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(fehlernummer([] { puzzle::schreiben("spiel.txt", "neu"); }),
              puzzle::fehler_dateizugriff);
    EXPECT_EQ(Arbeitsordner::lesen("spiel.txt"), "alt");
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{"spiel.txt"}));
}

TEST_F(PuzzleDatei, AnotherUsersFileIsNotReplaced) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user here; the decision itself "
                        "is tested by OnlyAUsersOwnFileThatItsOwnerMayWriteIsReplaced";
    Arbeitsordner::schreiben("spiel.txt", "fremd");
    fs::permissions("spiel.txt", fs::perms::all);
    ASSERT_EQ(::chown("spiel.txt", 65534, 65534), 0);
    EXPECT_EQ(fehlernummer([] { puzzle::schreiben("spiel.txt", "neu"); }),
              puzzle::fehler_dateizugriff);
    EXPECT_EQ(Arbeitsordner::lesen("spiel.txt"), "fremd");
    struct stat info {};
    ASSERT_EQ(::stat("spiel.txt", &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
}

TEST_F(PuzzleDatei, ASaveRemovesTemporaryFilesOfKilledSavesOlderThanADay) {
    const auto vor_zwei_tagen = fs::file_time_type::clock::now() - std::chrono::hours(48);
    for (const char* name :
         {".sudoku-Alt123", ".sudoku-Neu456", ".sudoku-Alt12", "sudoku-Alt789"}) {
        Arbeitsordner::schreiben(name, "halb");
        if (std::string(name) != ".sudoku-Neu456") fs::last_write_time(name, vor_zwei_tagen);
    }
    puzzle::schreiben("spiel.txt", "x");
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{".sudoku-Neu456", ".sudoku-Alt12",
                                                             "sudoku-Alt789", "spiel.txt"}));
}

TEST_F(PuzzleDatei, FailedWriteLeavesTargetAndFolderAsTheyWere) {
    // Missing directory: nothing is made.
    EXPECT_EQ(fehlernummer([] { puzzle::schreiben("kein_ordner/x.txt", "x"); }),
              toolkit::fehler_pfad_nicht_gefunden);
    // A directory in the target's place is neither replaced nor touched.
    fs::create_directory("ordner.txt");
    Arbeitsordner::schreiben("ordner.txt/drin", "bleibt");
    EXPECT_NE(fehlernummer([] { puzzle::schreiben("ordner.txt", "x"); }), 0);
    EXPECT_EQ(Arbeitsordner::lesen("ordner.txt/drin"), "bleibt");
    // A name the file system refuses.
    EXPECT_NE(fehlernummer([] { puzzle::schreiben(std::string(300, 'n') + ".txt", "x"); }), 0);
    EXPECT_EQ(fehlernummer([] { puzzle::schreiben(std::string("a\0b.txt", 7), "x"); }),
              puzzle::fehler_dateiname_falsch);
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{"ordner.txt"}));
}

TEST_F(PuzzleDatei, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
    Arbeitsordner::schreiben("spiel.txt", "das alte Spiel\r\n");
    // A file size limit makes the write fail as a full disk would.
    struct rlimit vorher {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
    auto signal_vorher = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit klein = vorher;
    klein.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    const int nummer = fehlernummer([] { puzzle::schreiben("spiel.txt", std::string(1000, 'x')); });
    ::setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal_vorher);

    EXPECT_EQ(nummer, puzzle::fehler_ein_ausgabe);
    EXPECT_EQ(Arbeitsordner::lesen("spiel.txt"), "das alte Spiel\r\n");
    EXPECT_EQ(Arbeitsordner::namen(), (std::set<std::string>{"spiel.txt"}));
}

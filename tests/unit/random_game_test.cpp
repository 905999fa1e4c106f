// SPDX-License-Identifier: GPL-3.0-or-later
// A long random game played like a user: digits typed into cells, refused
// digits, other keys, undo, mark clicks, a view change now and then and, in
// some runs, the givens fixed part way. After every step the screens are
// compared with what follows from the digits on the board alone, kept by a
// small model of the board in this test, never from the program's records.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "tests/support/headless_game.h"

namespace {

constexpr const char* full_candidates = "1 2 3\r\n4 5 6\r\n7 8 9";
constexpr int digit_position[] = {0, 0, 2, 4, 7, 9, 11, 14, 16, 18};  // from 0

int rowOf(int k) {
    return (k - 1) / 9;
}  // 0 to 8
int columnOf(int k) {
    return (k - 1) % 9;
}
int squareOf(int k) {
    return rowOf(k) / 3 * 3 + columnOf(k) / 3;
}

bool isDigit(const std::string& text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}
bool isLetter(const std::string& text) {
    return text.size() == 1 && text[0] >= 'a' && text[0] <= 'z';
}

// What the user has put on the board, kept by the test itself.
struct Board {
    std::array<int, 82> digit{};             // 0 = empty cell
    std::vector<std::pair<int, int>> moves;  // (cell, digit) in the order accepted
    bool given = false;                      // givens fixed
    int givens = 0;                          // their number
    bool counterWritten = false;             // the count panel was refreshed once
    bool undoEnabled = true;                 // expected state of "1 Schritt zurück"

    bool inRow(int r, int d) const {
        for (int c = 0; c < 9; ++c)
            if (digit[r * 9 + c + 1] == d) return true;
        return false;
    }
    bool inColumn(int c, int d) const {
        for (int r = 0; r < 9; ++r)
            if (digit[r * 9 + c + 1] == d) return true;
        return false;
    }
    bool inSquare(int q, int d) const {
        for (int i = 0; i < 9; ++i)
            if (digit[(q / 3 * 3 + i / 3) * 9 + q % 3 * 3 + i % 3 + 1] == d) return true;
        return false;
    }
    bool possible(int k, int d) const {
        return !inRow(rowOf(k), d) && !inColumn(columnOf(k), d) && !inSquare(squareOf(k), d);
    }
    bool canUndo() const { return static_cast<int>(moves.size()) > (given ? givens : 0); }
};

// The message that refuses digit d in cell k, worded by where d already stands.
std::string conflictMessage(const Board& board, int k, int d) {
    const bool w = board.inRow(rowOf(k), d);
    const bool s = board.inColumn(columnOf(k), d);
    const bool q = board.inSquare(squareOf(k), d);
    const std::string row = " in der waagrechten Reihe ";
    const std::string column = " in der senkrechten Reihe ";
    const std::string square = " im Quadrat ";
    std::string middle;
    if (w && s && q)
        middle = row + "und" + column + "und" + square;
    else if (w && s)
        middle = row + "und" + column;
    else if (s && q)
        middle = column + "und" + square;
    else if (w && q)
        middle = row + "und" + square;
    else if (w)
        middle = row;
    else if (s)
        middle = column;
    else
        middle = square;
    return "message \"\" 0 \"Die Zahl  " + std::to_string(d) + " ist" + middle +
           "schon vorhanden!\" -> ok\n";
}

// A cheap comparison for the many checks after every step: gtest's own
// macros would take most of the test's time.
template <class T>
void expectEqual(const T& actual, const T& wanted, const char* was, int k) {
    if (!(actual == wanted))
        ADD_FAILURE() << was << "(" << k << ") is " << ::testing::PrintToString(actual)
                      << ", expected " << ::testing::PrintToString(wanted);
}

class RandomGame : HeadlessGame<> {
  public:
    RandomGame(unsigned seed, bool hideDisplays) : random_(seed) {
        program->startProgram();
        frm_sudoku_start& start = program->start;
        if (hideDisplays) {
            // Hide every check display but the last-entry one, whose labels
            // the user clicks to set marks: the hidden ones must still follow.
            start.cmd_ansicht.click();
            for (int i = 0; i <= 3; ++i) start.chk_verstecken(i).click();
            start.cmd_ansicht.click();
        }
        start.cmd_start.click();
        hidden_ = hideDisplays;
        output.str("");
    }

    void play(int steps, int givensAfterStep) {
        bool goBack = false;
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            if (step == givensAfterStep) {
                fixGivens();
            } else if (step / 250 % 4 == 3) {
                // A stretch in which the user first goes back a long way and
                // then marks almost every move, so that the 26 letters run out.
                if (step % 250 == 0) goBack = true;
                if (board_.moves.size() <= 15 || !board_.canUndo()) goBack = false;
                const int rollValue = roll(0, 99);
                if (goBack)
                    undo();
                else if (rollValue < 50)
                    typeDigit(true);
                else if (rollValue < 52)
                    undo();
                else
                    markCell(true);
            } else {
                const int rollValue = roll(0, 99);
                if (rollValue < 55)
                    typeDigit(roll(0, 1) == 0);
                else if (rollValue < 63)
                    otherKey();
                else if (rollValue < 80)
                    undo();
                else if (rollValue < 99)
                    markCell(false);
                else
                    changeView();
            }
            check();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasFailure()) return;
        }
    }

    int maxMoves() const { return maxMoves_; }
    int highestMarkCount() const { return highestMarkCount_; }
    int refused() const { return refused_; }
    int atLimit() const { return atLimit_; }

  private:
    int roll(int from, int until) {
        return std::uniform_int_distribution<int>(from, until)(random_);
    }

    int randomCell(bool emptyOnly) {
        std::vector<int> cells;
        for (int k = 1; k <= 81; ++k)
            if (!emptyOnly || board_.digit[k] == 0) cells.push_back(k);
        if (cells.empty()) return roll(1, 81);
        return cells[static_cast<std::size_t>(roll(0, static_cast<int>(cells.size()) - 1))];
    }

    // A user's key press in cell k: the cell gets the focus, then the key.
    void key(int k, int code) {
        main.setFocus(main.txt_m(k));
        main.txt_m(k).pressKey(code);
        EXPECT_EQ(program->app.focus(), &main.txt_m(k < 81 ? k + 1 : 81));
        EXPECT_EQ(main.cmd_einlesen_vorgabe.text(), "Vorgabe beenden");
        keysPressed_ = true;
    }

    // A digit typed into a cell, mostly an empty one; with passend one that
    // the cell can still take, if there is one.
    void typeDigit(bool passend) {
        const int k = randomCell(roll(0, 9) < 9);
        int d = roll(1, 9);
        if (passend)
            for (int attempt = 0; attempt < 9 && !board_.possible(k, d); ++attempt) d = d % 9 + 1;
        const bool empty = board_.digit[k] == 0;
        const bool passt = empty && board_.possible(k, d);
        const std::string expectedMessage =
            empty && !passt ? conflictMessage(board_, k, d) : std::string();

        key(k, '0' + d);

        EXPECT_EQ(output.str(), expectedMessage) << "cell " << k << " digit " << d;
        if (passt) {
            board_.digit[k] = d;
            board_.moves.emplace_back(k, d);
            board_.counterWritten = true;
            board_.undoEnabled = true;
            EXPECT_EQ(main.lbl_c(k).text(), std::to_string(d));
        } else if (empty) {
            ++refused_;
            if (!board_.moves.empty()) board_.undoEnabled = true;
        }
        if (static_cast<int>(board_.moves.size()) > maxMoves_)
            maxMoves_ = static_cast<int>(board_.moves.size());
    }

    void otherKey() {
        static constexpr int keys[] = {'0', 'a', 'Z', ' ', '!', '-', 8, 13, 0xE4};
        key(randomCell(false), keys[roll(0, 8)]);
        EXPECT_EQ(output.str(), "");
    }

    void undo() {
        // A user can click the button only while it is enabled.
        if (!main.cmd_back.enabled()) {
            EXPECT_FALSE(board_.canUndo());
            return;
        }
        const bool can = board_.canUndo();
        int cell = 0;
        std::string markLetter;
        std::string captionBefore;  // of the move that becomes the last one
        const std::string panelBefore = main.lbl_erkl(1).text();
        if (can) {
            cell = board_.moves.back().first;
            markLetter = main.markierung(cell);
            if (board_.moves.size() >= 2)
                captionBefore = main.lbl_c(board_.moves[board_.moves.size() - 2].first).text();
        }
        main.cmd_back.click();
        if (!can) return;
        board_.digit[cell] = 0;
        board_.moves.pop_back();
        board_.counterWritten = true;
        board_.undoEnabled = board_.canUndo();
        EXPECT_EQ(main.markierung(cell), "");
        EXPECT_EQ(main.lbl_c(cell).text(), "");
        if (board_.canUndo()) {
            // The new last move is shown on the last-entry display. When its
            // label showed a letter, the mark panel shows that letter and the
            // digit; otherwise the panel is empty if a mark was taken back,
            // and unchanged if not.
            auto [k, d] = board_.moves.back();
            EXPECT_EQ(main.lbl_c(k).text(), std::to_string(d));
            if (isLetter(captionBefore)) {
                EXPECT_EQ(main.lbl_erkl(1).text(), captionBefore);
                EXPECT_EQ(main.lbl_erkl(2).text(), std::to_string(d));
            } else if (!markLetter.empty()) {
                EXPECT_EQ(main.lbl_erkl(1).text(), "");
                EXPECT_EQ(main.lbl_erkl(2).text(), "");
            } else {
                EXPECT_EQ(main.lbl_erkl(1).text(), panelBefore);
            }
        } else {
            if (!markLetter.empty()) {
                EXPECT_EQ(main.lbl_erkl(1).text(), "");
                EXPECT_EQ(main.lbl_erkl(2).text(), "");
            }
            for (int i = 1; i <= 81; ++i)
                EXPECT_FALSE(isDigit(main.lbl_c(i).text())) << "lbl_c(" << i << ")";
        }
    }

    int markCount() {
        int n = 0;
        for (int i = 1; i <= 81; ++i)
            if (isLetter(main.markierung(i))) ++n;
        return n;
    }

    // A click on a label of the last-entry display: mostly the last move's
    // label; with targeted only while it shows the digit (a user who wants to
    // mark the move).
    void markCell(bool targeted) {
        int k = randomCell(false);
        if (!board_.moves.empty() && roll(0, 19) >= (targeted ? 1 : 5)) {
            const int last = board_.moves.back().first;
            if (!targeted || isDigit(main.lbl_c(last).text())) k = last;
        }
        const std::string before = main.lbl_c(k).text();
        const int markBefore = main.mark;
        const int count = markCount();
        main.lbl_c(k).click();
        const std::string after = main.lbl_c(k).text();

        if (board_.digit[k] != 0 && markBefore > 24) ++atLimit_;
        if (board_.digit[k] == 0 || markBefore > 24) {
            EXPECT_EQ(after, before);
            EXPECT_EQ(main.mark, markBefore);
            return;
        }
        if (isDigit(before)) {
            // A new mark: the letter after the marks counted now.
            const std::string letter(1, static_cast<char>('a' + count));
            EXPECT_EQ(after, letter);
            EXPECT_EQ(main.markierung(k), letter);
            EXPECT_EQ(main.mark, count);
        } else if (isLetter(before) && before[0] == 'a' + count - 1) {
            // The highest letter comes off again.
            EXPECT_EQ(after, "");
            EXPECT_EQ(main.markierung(k), "");
            EXPECT_EQ(main.mark, count - 1);
        } else {
            EXPECT_EQ(after, before);
            EXPECT_EQ(main.mark, count);
        }
        if (markCount() > highestMarkCount_) highestMarkCount_ = markCount();
    }

    void fixGivens() {
        if (!keysPressed_) key(randomCell(false), 'x');
        main.cmd_einlesen_vorgabe.click();
        board_.given = true;
        board_.givens = static_cast<int>(board_.moves.size());
        EXPECT_FALSE(main.cmd_einlesen_vorgabe.enabled());
        for (int k = 1; k <= 81; ++k) EXPECT_EQ(main.txt_m(k).italic(), board_.digit[k] != 0) << k;
    }

    // "Ansicht ändern", "Zurück", "Fortsetzen": the game must be unchanged.
    void changeView() {
        main.cmd_ans_aend.click();
        EXPECT_TRUE(program->start.visible());
        EXPECT_FALSE(main.visible());
        program->start.cmd_ansicht.click();
        EXPECT_EQ(program->start.cmd_start.text(), "Fortsetzen");
        program->start.cmd_start.click();
        EXPECT_TRUE(main.visible());
    }

    void check() {
        const Board& b = board_;
        frm_sudoku_main& m = main;
        const int moves = static_cast<int>(b.moves.size());
        EXPECT_EQ(output.str().find("ended"), std::string::npos);
        output.str("");

        // Which digits stand in each row, column and square (bit d).
        std::array<int, 9> inRow{}, inColumn{}, inSquare{};
        for (int k = 1; k <= 81; ++k) {
            const int bit = 1 << b.digit[k];
            inRow[rowOf(k)] |= bit;
            inColumn[columnOf(k)] |= bit;
            inSquare[squareOf(k)] |= bit;
        }
        std::array<bool, 82> given{};
        for (int i = 0; b.given && i < b.givens; ++i)
            given[b.moves[static_cast<std::size_t>(i)].first] = true;

        for (int k = 1; k <= 81; ++k) {
            // Cells: the digit, locked exactly when filled, givens in italics.
            const std::string text = b.digit[k] ? std::to_string(b.digit[k]) : "";
            if (m.txt_m(k).text() != text) {
                FAIL() << "txt_m(" << k << ") = \"" << m.txt_m(k).text() << "\", expected \""
                       << text << "\"";
            }
            expectEqual(m.txt_m(k).locked(), b.digit[k] != 0, "txt_m.locked", k);
            expectEqual(m.txt_m(k).italic(), given[k], "txt_m.italic", k);

            // Candidate pad: every digit not ruled out by a filled cell.
            std::string candidates;
            if (b.digit[k] == 0) {
                candidates = full_candidates;
                const int used = inRow[rowOf(k)] | inColumn[columnOf(k)] | inSquare[squareOf(k)];
                for (int d = 1; d <= 9; ++d)
                    if (used & (1 << d)) candidates[digit_position[d]] = ' ';
            }
            expectEqual(m.txt_c(k).text(), candidates, "txt_c", k);

            // Row, column and square displays: the digits still open.
            const int unit = (k - 1) / 9;
            const int d = (k - 1) % 9 + 1;
            const std::string openDigit(1, static_cast<char>('0' + d));
            const std::string empty;
            expectEqual(m.lbl_w(k).text(), inRow[unit] & (1 << d) ? empty : openDigit, "lbl_w", k);
            expectEqual(m.lbl_s(k).text(), inColumn[unit] & (1 << d) ? empty : openDigit, "lbl_s",
                        k);
            expectEqual(m.lbl_q(k).text(), inSquare[unit] & (1 << d) ? empty : openDigit, "lbl_q",
                        k);

            // Shown or hidden as the start screen's check boxes say.
            expectEqual(m.lbl_w(k).visible(), !hidden_, "lbl_w.visible", k);
            expectEqual(m.txt_c(k).visible(), !hidden_, "txt_c.visible", k);
            expectEqual(m.lbl_c(k).visible(), true, "lbl_c.visible", k);
        }

        // Last-entry display: at most one digit, the last move's at its cell.
        int digits = 0;
        for (int k = 1; k <= 81; ++k) {
            const std::string& caption = m.lbl_c(k).text();
            if (isDigit(caption)) {
                ++digits;
                ASSERT_FALSE(b.moves.empty()) << "lbl_c(" << k << ")";
                EXPECT_EQ(k, b.moves.back().first) << "lbl_c(" << k << ")";
                EXPECT_EQ(caption, std::to_string(b.moves.back().second));
            } else if (!caption.empty()) {
                EXPECT_TRUE(isLetter(caption)) << "lbl_c(" << k << ")";
                EXPECT_EQ(caption, m.markierung(k)) << "lbl_c(" << k << ")";
            }
            // A mark belongs to a filled cell and is one letter.
            if (!m.markierung(k).empty()) {
                EXPECT_TRUE(isLetter(m.markierung(k))) << "markierung(" << k << ")";
                EXPECT_NE(b.digit[k], 0) << "markierung(" << k << ")";
            }
        }
        EXPECT_LE(digits, 1);
        const int marks = markCount();
        EXPECT_LE(marks, 26);
        EXPECT_GE(m.mark, marks - 1);
        EXPECT_LE(m.mark, marks);
        EXPECT_EQ(m.lbl_erkl(1).text().empty(), m.lbl_erkl(2).text().empty());
        if (!m.lbl_erkl(1).text().empty()) {
            EXPECT_TRUE(isLetter(m.lbl_erkl(1).text()));
            EXPECT_TRUE(isDigit(m.lbl_erkl(2).text()));
        }

        // Count panel and undo button.
        std::string first, second;
        if (b.counterWritten) {
            first = std::to_string(b.given ? b.givens : moves);
            if (b.given && moves > b.givens) second = std::to_string(moves - b.givens);
        }
        EXPECT_EQ(m.lbl_erkl(4).text(), first);
        EXPECT_EQ(m.lbl_erkl(5).text(), second);
        EXPECT_EQ(m.back, moves);
        EXPECT_EQ(m.cmd_back.enabled(), b.undoEnabled);
    }

    std::mt19937 random_;
    Board board_;
    bool hidden_ = false;
    bool keysPressed_ = false;
    int maxMoves_ = 0;
    int highestMarkCount_ = 0;
    int refused_ = 0;
    int atLimit_ = 0;  // clicks ignored because 26 marks were set
};

struct GameRun {
    unsigned seed;
    bool hideDisplays;
    int givensAfterStep;  // 0 = the givens are never fixed
};

class RandomGameTest : public ::testing::TestWithParam<GameRun> {};

}  // namespace

TEST_P(RandomGameTest, DisplaysFollowTheBoardAfterEveryStep) {
    const GameRun run = GetParam();
    RandomGame game(run.seed, run.hideDisplays);
    game.play(3000, run.givensAfterStep);
    // The game went deep enough to mean something: a well filled board,
    // many refusals, and all 26 marks with clicks ignored at the limit.
    EXPECT_GE(game.maxMoves(), 50);
    EXPECT_GE(game.refused(), 500);
    EXPECT_EQ(game.highestMarkCount(), 26);
    EXPECT_GT(game.atLimit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, RandomGameTest,
                         ::testing::Values(GameRun{1, false, 0}, GameRun{2, false, 150},
                                           GameRun{3, true, 40}, GameRun{4, false, 1}),
                         [](const ::testing::TestParamInfo<GameRun>& info) {
                             const GameRun& run = info.param;
                             return "Seed" + std::to_string(run.seed) +
                                    (run.hideDisplays ? "_DisplaysHidden" : "") +
                                    (run.givensAfterStep
                                         ? "_GivensAfter" + std::to_string(run.givensAfterStep)
                                         : "");
                         });

// SPDX-License-Identifier: GPL-3.0-or-later
// Random games in which the user types right and wrong digits, takes moves
// back and puts them back. Taking entries out must leave the main screen
// exactly as typing only the kept moves would have left it, and a restart
// taken back exactly as the game stood before it: every variable, record
// and display compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <vector>

#include "solver/puzzle_text.h"
#include "solver/solver.h"
#include "tests/support/headless_game.h"
#include "tests/support/screen_state.h"
#include "tests/support/working_folder.h"

using solver::cellNumber;

namespace {

struct Puzzle {
    solver::Cells givens{};
    solver::Cells solution{};
};

// Puzzles with exactly one solution, from the solver's sample.
const std::vector<Puzzle>& puzzles() {
    static const std::vector<Puzzle> list = [] {
        std::vector<Puzzle> found;
        std::ifstream file(std::string(SUDOKU_SOURCE_FOLDER) +
                           "/tests/solver/data/ladder_sample.txt");
        std::string line;
        while (found.size() < 8 && std::getline(file, line)) {
            const solver::PuzzleText text = solver::readPuzzleText(line);
            if (text.count != 81) continue;
            const solver::Analysis analysis = solver::analyse(text.cells);
            if (analysis.solutions == 1) found.push_back({text.cells, analysis.solution});
        }
        return found;
    }();
    return list;
}

using Move = std::pair<int, int>;  // position, digit

// The user at the main screen, and the test's own record of the moves.
class Player : public HeadlessGame<> {
  public:
    Player(const Puzzle& puzzle, bool fixGivens) : puzzle_(puzzle) {
        openMainScreen();
        for (int p = 0; p < 81; ++p)
            if (puzzle.givens[p] != 0) typeDigit(p, puzzle.givens[p]);
        if (fixGivens) {
            main.cmd_einlesen_vorgabe.click();
            givens = moves.size();
        }
    }

    // Types the digit; an accepted one is a move, and ends what can be
    // redone unless it is the move to put back next.
    void typeDigit(int position, int digit) {
        typeKey(cellNumber(position), static_cast<char>('0' + digit));
        if (main.txt_m(cellNumber(position)).text() != std::string(1, '0' + digit)) return;
        moves.emplace_back(position, digit);
        if (!takenBack.empty() && takenBack.back() == moves.back())
            takenBack.pop_back();
        else
            takenBack.clear();
    }
    void undo() {
        if (!main.cmd_back.enabled()) return;
        main.cmd_back.click();
        if (moves.size() <= givens) return;
        takenBack.push_back(moves.back());
        moves.pop_back();
    }
    bool chord(const char* name) { return main.pressChord(*toolkit::chordFromName(name), nullptr); }
    void redo() {
        chord("Ctrl+Y");
        if (takenBack.empty()) return;
        moves.push_back(takenBack.back());
        takenBack.pop_back();
    }
    // Chooses the item of the cell's menu; false when the menu lacks it.
    bool menu(int position, const std::string& item) {
        toolkit::Element& cell = main.txt_m(cellNumber(position));
        const std::vector<toolkit::MenuItem> items = cell.contextMenuItems();
        const toolkit::MenuItem* entry = toolkit::findMenuItem(items, item);
        if (!entry) return false;
        main.setFocus(cell);
        program->app.runUserEvent(entry->action);
        return true;
    }

    // A random step: mostly a digit (often the right one) into an empty
    // cell, else a move taken back or put back, or a letter mark set on
    // the last move.
    void play(std::mt19937& random, bool marks) {
        const auto roll = [&random](int n) {
            return std::uniform_int_distribution(0, n - 1)(random);
        };
        const int what = roll(100);
        if (what < 60) {
            std::vector<int> empty;
            for (int p = 0; p < 81; ++p)
                if (main.txt_m(cellNumber(p)).text().empty()) empty.push_back(p);
            if (empty.empty()) return;
            const int p = empty[static_cast<std::size_t>(roll(static_cast<int>(empty.size())))];
            typeDigit(p, roll(10) < 6 ? puzzle_.solution[p] : roll(9) + 1);
        } else if (what < 80) {
            undo();
        } else if (what < 90 || !marks) {
            redo();
        } else if (!moves.empty()) {
            main.lbl_c(cellNumber(moves.back().first)).click();
        }
    }

    bool own(const Move& move) const { return puzzle_.givens[move.first] == 0; }
    bool right(const Move& move) const { return puzzle_.solution[move.first] == move.second; }

    std::vector<Move> moves;
    std::vector<Move> takenBack;
    std::size_t givens = 0;

  private:
    const Puzzle& puzzle_;
};

ScreenState withoutRefusalAndFocus(ScreenState state) {
    // The last refused digit is kept for its message only; the focus goes
    // to the cell taken out.
    state.erase("alt_z");
    state.erase("focus");
    return state;
}

}  // namespace

TEST(TakingBack, EntriesTakenOutLeaveWhatTypingTheKeptMovesGives) {
    ASSERT_GE(puzzles().size(), 4u);
    int removals = 0;
    for (unsigned seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Puzzle& puzzle = puzzles()[seed % puzzles().size()];
        std::mt19937 random(seed);
        Player game(puzzle, true);
        for (int step = 0; step < 45; ++step) game.play(random, false);
        // Redo puts back what the user's own record says.
        std::array<std::string, 81> board{};
        for (const Move& move : game.moves) board[move.first] = std::string(1, '0' + move.second);
        for (int p = 0; p < 81; ++p) ASSERT_EQ(game.main.txt_m(cellNumber(p)).text(), board[p]);
        std::vector<Move> own(game.moves.begin() + static_cast<long>(game.givens),
                              game.moves.end());
        if (own.empty()) continue;

        // Half the games take the wrong entries out, half one entry.
        std::vector<Move> kept;
        std::size_t first = 0;
        bool taken;
        if (seed % 2 == 0) {
            while (first < own.size() && game.right(own[first])) ++first;
            taken = game.menu(own.front().first, "Falsche Eingaben entfernen");
            ASSERT_EQ(taken, first < own.size());
            if (!taken) continue;
            for (std::size_t i = 0; i < own.size(); ++i)
                if (i < first || game.right(own[i])) kept.push_back(own[i]);
        } else {
            first = std::uniform_int_distribution<std::size_t>(0, own.size() - 1)(random);
            ASSERT_TRUE(game.menu(own[first].first, "Diese Eingabe entfernen"));
            kept = own;
            kept.erase(kept.begin() + static_cast<long>(first));
        }
        ++removals;
        EXPECT_EQ(game.program->app.focus(), &game.main.txt_m(cellNumber(own[first].first)));

        Player typed(puzzle, true);
        for (const Move& move : kept) typed.typeDigit(move.first, move.second);
        if (kept.size() == first) {
            // Nothing typed again after the entry taken out: the game ends
            // as one click on "1 Schritt zurück" after typing that entry.
            typed.typeDigit(own[first].first, own[first].second);
            typed.undo();
        }
        ASSERT_EQ(typed.moves.size(), typed.givens + kept.size());
        EXPECT_EQ(stateDifferences(withoutRefusalAndFocus(mainScreenState(game.main)),
                                   withoutRefusalAndFocus(mainScreenState(typed.main))),
                  "");
    }
    EXPECT_GE(removals, 10);
}

TEST(TakingBack, ARestartTakenBackBringsTheGameBackAsItStood) {
    TemporaryFolder folder;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        // Givens fixed, givens never fixed, and a game read from its file.
        Player game(puzzles()[seed % puzzles().size()], seed % 3 != 1);
        if (seed % 3 == 0) {
            const std::string name = (folder.path() / ("game" + std::to_string(seed))).string();
            game.save(name);
            game.main.cmd_neustart.click();
            game.readPuzzle(name);
        }
        for (int round = 0; round < 3; ++round) {
            for (int step = 0; step < 20; ++step) game.play(random, true);
            const ScreenState before = mainScreenState(game.main);
            game.main.cmd_neustart.click();
            ASSERT_EQ(game.main.back, 0);
            ASSERT_TRUE(game.chord("Ctrl+Z"));
            EXPECT_EQ(stateDifferences(before, mainScreenState(game.main)), "");
        }
        EXPECT_EQ(game.output.str().find("Achtung"), std::string::npos);
    }
}

TEST(TakingBack, OnlyAnOwnEntryCanBeTakenOutOnItsOwn) {
    Player game(puzzles().front(), true);
    const int given = static_cast<int>(game.moves.front().first);
    const int empty = static_cast<int>(
        std::find(puzzles().front().givens.begin(), puzzles().front().givens.end(), 0) -
        puzzles().front().givens.begin());
    game.typeDigit(empty, puzzles().front().solution[empty]);
    const auto offers = [&game](int position) {
        return toolkit::findMenuItem(game.main.txt_m(cellNumber(position)).contextMenuItems(),
                                     "Diese Eingabe entfernen") != nullptr;
    };
    EXPECT_TRUE(offers(empty));
    EXPECT_FALSE(offers(given));
    game.undo();
    EXPECT_FALSE(offers(empty));
}

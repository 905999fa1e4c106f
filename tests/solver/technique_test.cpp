// SPDX-License-Identifier: GPL-3.0-or-later
// One row per technique: a position (digits, and candidates taken out first
// where the pattern needs them), the first step the technique's finder must
// find there, and a position where it must find nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "solver/ladder.h"
#include "solver/puzzle_text.h"
#include "solver/step_text.h"
#include "solver/techniques.h"

namespace {

using namespace solver;

struct TechniqueCase {
    const char* name;
    Finder find;
    const char* position;
    const char* prepared;  // "r2c9-1 …": candidates removed before the search
    Technique technique;
    const char* eliminations;
    const char* placements;
    const char* nothing;  // a position where the finder finds nothing
};

CandidateGrid prepared(const char* position, const char* removed) {
    CandidateGrid grid(readPuzzleText(position).cells);
    std::istringstream in(removed);
    std::string item;
    while (in >> item) {
        // rRcC-D
        const int row = item[1] - '0', column = item[3] - '0', digit = item[5] - '0';
        EXPECT_TRUE(grid.eliminate(positionAt(row, column), digit)) << item;
    }
    return grid;
}

// An expert puzzle's givens: every technique of the second level is there.
const char* const expert =
    "305027000027600000190000000570009010086170000900000000010730060030000027008002130";

const TechniqueCase cases[] = {
    {"LockedCandidatesPointing", techniques::lockedCandidatesPointing, expert, "",
     Technique::LockedCandidatesPointing, "r2c9-1", "",
     "........2..984.13........4..28.3..5...548.92.3.4.5...........8...3....914.12...6."},
    {"LockedCandidatesClaiming", techniques::lockedCandidatesClaiming, expert, "",
     Technique::LockedCandidatesClaiming, "r1c7-6 r1c9-6", "",
     "..5...67...17..9.....4....1......5.6....6..2...75.2.1..2..4...51.9..5.6..8.27...."},
    {"NakedPair", techniques::nakedPair, expert, "", Technique::NakedPair, "r2c1-4 r8c1-4 r9c1-4",
     "", ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9..."},
    {"HiddenPair", techniques::hiddenPair, expert, "", Technique::HiddenPair,
     "r3c7-3 r3c7-4 r3c7-5 r3c7-7 r3c7-8 r3c9-3 r3c9-4 r3c9-5 r3c9-8", "",
     "2.78...3.1......4.53........74....9.......85...2..94..38.........9.24..5...7.5..9"},
    {"NakedTriple", techniques::nakedTriple, expert, "", Technique::NakedTriple, "r8c1-4 r9c1-4",
     "", "....5.......8...4.5.34...2...251....1....28.....7.8.3..81....94..72.....4...3.5.."},
    {"HiddenTriple", techniques::hiddenTriple, expert, "", Technique::HiddenTriple,
     "r3c7-3 r3c7-4 r3c7-5 r3c7-8 r3c8-4 r3c8-5 r3c8-8 r3c9-3 r3c9-4 r3c9-5 r3c9-8", "",
     ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9..."},
    {"NakedQuad", techniques::nakedQuad, expert, "", Technique::NakedQuad,
     "r1c9-4 r1c9-6 r1c9-8 r1c9-9", "",
     "....6.........478.8...3...11.....957....13.....6..9....5739.1.......1.6.9.....4.."},
    {"HiddenQuad", techniques::hiddenQuad,
     "365027000827600000194000000570009010086170000940000000010730060030000027008002130", "",
     Technique::HiddenQuad, "r5c7-2 r5c9-2", "",
     "2.78...3.1......4.53........74....9.......85...2..94..38.........9.24..5...7.5..9"},
};

class TechniqueTest : public testing::TestWithParam<TechniqueCase> {};

TEST_P(TechniqueTest, FindsItsFirstStepAndNothingWhereThereIsNone) {
    const TechniqueCase& c = GetParam();
    const std::optional<Step> step = firstStep(c.find, prepared(c.position, c.prepared));
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(eliminationsText(step->eliminations), c.eliminations);
    EXPECT_EQ(placementsText(step->placements), c.placements);
    EXPECT_FALSE(firstStep(c.find, prepared(c.nothing, "")));
}

INSTANTIATE_TEST_SUITE_P(Finders, TechniqueTest, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

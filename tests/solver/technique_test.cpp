// SPDX-License-Identifier: GPL-3.0-or-later
// One row per technique: a position (its candidates as the placed digits
// leave them), the first step the technique's finder must find there, and a
// position where it must find nothing.
#include <gtest/gtest.h>

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
    Technique technique;
    const char* eliminations;
    const char* placements;
    const char* nothing;  // a position where the finder finds nothing
};

CandidateGrid gridOf(const char* position) {
    return CandidateGrid(readPuzzleText(position).cells);
}

// An expert puzzle's givens: every technique of the second level is there.
const char* const expert =
    "305027000027600000190000000570009010086170000900000000010730060030000027008002130";

// Later positions of the same puzzle, after a few placements.
const char* const hard1 =
    "365027001827600000194000000573009010286170000941000000412730060639000027758062130";
const char* const hard2 =
    "365027001827690000194000000573009010286170000941000000412730060639000027758062130";
const char* const hard3 =
    "365027000827600000194000000573009010286170000941000000410730060639000027008002130";
const char* const late =
    "365427981827691345194000070573049010286170090941006750412730069639014027758962134";
// Intermediate givens without the pattern asked for.
const char* const intermediate1 =
    ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9...";
const char* const intermediate2 =
    "........252..3..7.8.6.....51..8........52...44.876..5.2.7......6..1..8.3....4..6.";
const char* const intermediate3 =
    "2.78...3.1......4.53........74....9.......85...2..94..38.........9.24..5...7.5..9";

const TechniqueCase cases[] = {
    {"LockedCandidatesPointing", techniques::lockedCandidatesPointing, expert,
     Technique::LockedCandidatesPointing, "r2c9-1", "",
     "........2..984.13........4..28.3..5...548.92.3.4.5...........8...3....914.12...6."},
    {"LockedCandidatesClaiming", techniques::lockedCandidatesClaiming, expert,
     Technique::LockedCandidatesClaiming, "r1c7-6 r1c9-6", "",
     "..5...67...17..9.....4....1......5.6....6..2...75.2.1..2..4...51.9..5.6..8.27...."},
    {"NakedPair", techniques::nakedPair, expert, Technique::NakedPair, "r2c1-4 r8c1-4 r9c1-4", "",
     ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9..."},
    {"HiddenPair", techniques::hiddenPair, expert, Technique::HiddenPair,
     "r3c7-3 r3c7-4 r3c7-5 r3c7-7 r3c7-8 r3c9-3 r3c9-4 r3c9-5 r3c9-8", "",
     "2.78...3.1......4.53........74....9.......85...2..94..38.........9.24..5...7.5..9"},
    {"NakedTriple", techniques::nakedTriple, expert, Technique::NakedTriple, "r8c1-4 r9c1-4", "",
     "....5.......8...4.5.34...2...251....1....28.....7.8.3..81....94..72.....4...3.5.."},
    {"HiddenTriple", techniques::hiddenTriple, expert, Technique::HiddenTriple,
     "r3c7-3 r3c7-4 r3c7-5 r3c7-8 r3c8-4 r3c8-5 r3c8-8 r3c9-3 r3c9-4 r3c9-5 r3c9-8", "",
     ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9..."},
    {"NakedQuad", techniques::nakedQuad, expert, Technique::NakedQuad,
     "r1c9-4 r1c9-6 r1c9-8 r1c9-9", "",
     "....6.........478.8...3...11.....957....13.....6..9....5739.1.......1.6.9.....4.."},
    {"HiddenQuad", techniques::hiddenQuad,
     "365027000827600000194000000570009010086170000940000000010730060030000027008002130",
     Technique::HiddenQuad, "r5c7-2 r5c9-2", "",
     "2.78...3.1......4.53........74....9.......85...2..94..38.........9.24..5...7.5..9"},
    {"XWing", techniques::xWing, expert, Technique::XWing, "r2c9-1", "", intermediate1},
    {"Swordfish", techniques::swordfish, hard2, Technique::Swordfish, "r9c9-9", "", intermediate1},
    {"Jellyfish", techniques::jellyfish, hard1, Technique::Jellyfish, "r2c7-9 r2c8-9 r2c9-9", "",
     intermediate1},
    {"FinnedXWing", techniques::finnedXWing, hard1, Technique::FinnedXWing, "r2c9-4", "",
     intermediate2},
    {"FinnedSwordfish", techniques::finnedSwordfish, hard1, Technique::FinnedSwordfish,
     "r2c7-9 r2c9-9", "", intermediate1},
    {"FinnedJellyfish", techniques::finnedJellyfish, hard3, Technique::FinnedJellyfish, "r9c9-9",
     "", intermediate2},
    {"Skyscraper", techniques::skyscraper,
     "365027001827691000194000000573009010286170000941000000412730060639000027758062130",
     Technique::Skyscraper, "r4c4-4", "", intermediate3},
    {"TwoStringKite", techniques::twoStringKite, hard2, Technique::TwoStringKite, "r4c9-4", "",
     intermediate3},
    {"TurbotFish", techniques::turbotFish, hard3, Technique::TurbotFish, "r9c9-9", "",
     intermediate1},
    {"EmptyRectangle", techniques::emptyRectangle, hard1, Technique::EmptyRectangle, "r2c9-4", "",
     intermediate3},
    {"XYWing", techniques::xyWing,
     "000000341547000268081460597030000409006040032000100050000507920005000000920000700",
     Technique::XYWing, "r1c4-9 r1c5-9 r1c6-9", "", intermediate3},
    {"XYZWing", techniques::xyzWing, expert, Technique::XYZWing, "r8c1-4 r9c1-4 r9c2-4", "",
     intermediate1},
    {"WWing", techniques::wWing,
     "365427001827691000194000000573049010286170000941006000412730060639014027758962134",
     Technique::WWing, "r3c4-5", "", intermediate3},
    {"RemotePair", techniques::remotePair,
     "736290010951370026824600973169735002587420391342800607613587249298143765070062100",
     Technique::RemotePair, "r1c7-4 r1c7-8", "", intermediate3},
    {"SimpleColouringTrap", techniques::simpleColouring,
     "857629413920300650360050900248167539000000062016932700600200005072503896005090000",
     Technique::SimpleColouring, "r3c8-7 r9c9-7", "",
     "4.5.....8...3...5.....4.6......7.1...7..1.....1...8.2.1.4.3.2.58..25..6...7.....1"},
    {"SimpleColouringWrap", techniques::simpleColouring,
     "857629413920300650360050920248167539793005162516932700689200305072503896035896200",
     Technique::SimpleColouring, "r2c5-7 r3c9-7 r7c8-7 r9c9-7", "",
     "4.5.....8...3...5.....4.6......7.1...7..1.....1...8.2.1.4.3.2.58..25..6...7.....1"},
    {"UniqueRectangle1", techniques::uniqueRectangle1,
     "705038006003090800806000703070380001381000075000001300002849537937100468408000129",
     Technique::UniqueRectangle1, "r6c8-4 r6c8-9", "", intermediate3},
    {"UniqueRectangle2", techniques::uniqueRectangle2, late, Technique::UniqueRectangle2,
     "r4c4-8 r6c9-8", "", intermediate3},
    {"UniqueRectangle3", techniques::uniqueRectangle3,
     "365427001827691000194000070573049010286170000941006700412730069639014027758962134",
     Technique::UniqueRectangle3, "r3c7-5 r3c7-8 r4c7-8", "", intermediate3},
    {"UniqueRectangle4", techniques::uniqueRectangle4, late, Technique::UniqueRectangle4,
     "r4c7-2 r4c9-2", "", intermediate1},
    {"HiddenRectangle", techniques::hiddenRectangle,
     "365427001827691000194000000573049010286170000941000000412730060639014027758962134",
     Technique::HiddenRectangle, "r5c7-5", "", intermediate1},
    {"Bug1", techniques::bug1,
     "297865413413729568586143972028300645370456820645200730050602304034510206862934157",
     Technique::Bug1, "", "r7c1=9", intermediate3},
    // Chains (checked by hand: the places of the digit in each unit of a link).
    {"XChain", techniques::xChain,
     "070400008060000500000000072690000040030908026005002030920700053057000000308006000",
     Technique::XChain, "r3c5-8", "",
     "400000100000002000001409006027001000600030000000200000010904270040050009309600000"},
    {"XYChain", techniques::xyChain,
     "013900000700000000000240010000001000480060000000003906000000000205000740060004890",
     Technique::XYChain, "r1c1-5 r3c1-5 r4c2-5 r6c2-5", "",
     "030000000780000905500000020903004050200100803000000000000001408001000007407209000"},
    {"NiceLoop", techniques::niceLoop,
     "400007600300090040050001000000006001705000030000704002900210000007600000004000900",
     Technique::NiceLoop, "r4c2-9", "",
     "760000003003010900800000000050670320000000051080300067530009002207006030000000000"},
    // A continuous loop through four groups of 8s in rows 1 and 3.
    {"GroupedNiceLoop", techniques::groupedNiceLoop, expert, Technique::GroupedNiceLoop,
     "r2c5-8 r2c6-8 r2c7-8 r2c8-8 r2c9-8", "",
     "247896031190503040530002070674008293913000856852639417385001724769324185421785369"},
    {"SueDeCoq", techniques::sueDeCoq,
     "003000000406000000080231006200090071500000008000040003000070000000000090001068007",
     Technique::SueDeCoq,
     "r7c7-2 r7c7-4 r7c7-5 r7c8-2 r7c8-4 r7c8-5 r8c7-2 r8c7-4 r8c7-5 r9c2-3 "
     "r9c2-9 r9c4-3 r9c4-9",
     "", "207800030100000040530000000074000090000000850002009400380000000009024005000705009"},
    {"AlsXz", techniques::alsXz,
     "400600300010020060008007001900800500040050010000002007500000600030080040000009005",
     Technique::AlsXz, "r9c5-1", "",
     "247896531198573640530002070674008293913000856852639417385001724769324185421785369"},
    {"AlsXyWing", techniques::alsXyWing,
     "000040001030600000800000000109005000000000870000200000070000260500094000000000300",
     Technique::AlsXyWing, "r7c9-8 r8c4-8", "",
     "000060150000080007053000000600500710008010005000000490400097000080000500001000073"},
    // Forcing chains: positions where nothing below them finds a step.
    {"CellForcingChain", techniques::cellForcingChain,
     "010000380286753149039010600304001826890020400621080090903000200062149038108030900",
     Technique::CellForcingChain, "r7c9-7", "",
     "000000002009840130000000040028030050005480920304050000000000080003000091401200060"},
    {"UnitForcingChain", techniques::unitForcingChain,
     "002001305100023080900700001000036052006000008090100603708069504000010030040057000",
     Technique::UnitForcingChain, "r8c9-9", "",
     "000000070000000500104000000007000010000040630306900085700090003010503040640087001"},
    {"ForcingNet", techniques::forcingNet,
     "000000040002004001070050090003007000040060000690100800320000100850900060000080003",
     Technique::ForcingNet, "r8c5-4", "",
     "247896531198573642536402978674108293913000856852639417385001724769324185421785369"},
};

class TechniqueTest : public testing::TestWithParam<TechniqueCase> {};

TEST_P(TechniqueTest, FindsItsFirstStepAndNothingWhereThereIsNone) {
    const TechniqueCase& c = GetParam();
    const std::optional<Step> step = firstStep(c.find, gridOf(c.position));
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(eliminationsText(step->eliminations), c.eliminations);
    EXPECT_EQ(placementsText(step->placements), c.placements);
    EXPECT_FALSE(firstStep(c.find, gridOf(c.nothing)));
}

INSTANTIATE_TEST_SUITE_P(Finders, TechniqueTest, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The hint finds an ALS step again by its sets alone: in its own grid it is
// the finder's step, and once applied it removes nothing more.
TEST(AlsStepAgain, IsTheFindersStepAndNothingOnceApplied) {
    for (const TechniqueCase& c : cases) {
        if (c.technique != Technique::AlsXz && c.technique != Technique::AlsXyWing) continue;
        CandidateGrid grid = gridOf(c.position);
        const std::optional<Step> step = firstStep(c.find, grid);
        ASSERT_TRUE(step) << c.name;
        EXPECT_EQ(techniques::alsStepAgain(grid, *step), step) << c.name;
        grid.apply(*step);
        EXPECT_FALSE(techniques::alsStepAgain(grid, *step)) << c.name;
    }
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/hint_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "solver/puzzle_text.h"
#include "solver/step_text.h"

namespace {

using namespace solver;

Cells puzzle(const char* text) {
    return readPuzzleText(text).cells;
}

std::vector<Technique> techniquesOf(const HintPlan& plan) {
    std::vector<Technique> techniques;
    for (const Step& step : plan.steps) techniques.push_back(step.technique);
    return techniques;
}

// No single here; three steps of the second level lead to one.
const char* const needsThree =
    "090020008041008020208760194019002000020000030300007010100270609064009000972006000";

TEST(HintPlanTest, ASingleFirstInTheHintsOwnOrder) {
    const auto plan = planHint(puzzle(
        "003020600900305001001806400008102900700000008006708200002609500800203009005010300"));
    ASSERT_TRUE(plan);
    EXPECT_EQ(techniquesOf(*plan), std::vector{Technique::NakedSingle});
    EXPECT_EQ(placementText(plan->target), "r5c6=4");
    EXPECT_EQ(plan->level, Level::Leicht);
}

TEST(HintPlanTest, OnlyTheStepsThePlacementNeeds) {
    const auto plan = planHint(puzzle(needsThree));
    ASSERT_TRUE(plan);
    EXPECT_EQ(techniquesOf(*plan),
              (std::vector{Technique::LockedCandidatesPointing, Technique::LockedCandidatesClaiming,
                           Technique::NakedPair, Technique::NakedSingle}));
    EXPECT_EQ(placementText(plan->target), "r3c6=3");
    EXPECT_EQ(plan->level, Level::Mittel);
}

TEST(HintPlanTest, OneStepOfTheLowestLevelAndASingleWhereThatSuffices) {
    // No single and nothing of the second level leads to one; a kite does.
    const auto plan = planHint(puzzle(
        "705038016003697850806010703070380001381020075000071380002849537937152468458763129"));
    ASSERT_TRUE(plan);
    EXPECT_EQ(techniquesOf(*plan), (std::vector{Technique::TwoStringKite, Technique::NakedSingle}));
    EXPECT_EQ(placementText(plan->target), "r2c1=1");
    EXPECT_EQ(plan->level, Level::Schwer);
}

TEST(HintPlanTest, MarksTargetLosingCellsAndPatternApart) {
    const auto plan = planHint(puzzle(needsThree));
    ASSERT_TRUE(plan);
    const HintMarking marking = markingOf(*plan);
    EXPECT_EQ(marking.target, positionAt(3, 6));
    const auto has = [](const std::vector<int>& cells, int p) {
        return std::find(cells.begin(), cells.end(), p) != cells.end();
    };
    EXPECT_TRUE(has(marking.eliminationCells, positionAt(7, 6)));  // loses the 3
    EXPECT_TRUE(has(marking.patternCells, positionAt(7, 2)));      // the pointing pair
    EXPECT_FALSE(has(marking.patternCells, marking.target));
    for (const Candidate& c : marking.eliminated) {
        if (c.position == marking.target) continue;
        EXPECT_NE(has(marking.eliminationCells, c.position), has(marking.patternCells, c.position));
    }
}

TEST(HintPlanTest, NothingOnAFullBoard) {
    EXPECT_FALSE(planHint(puzzle(
        "483921657967345821251876493548132976729564138136798245372689514814253769695417382")));
}

TEST(RatingTest, NamesTheTechniquesBeyondSinglesInLadderOrder) {
    const Rating rating = rate(puzzle(
        ".3.......78....9.55......2.9.3..4.5.2..1..8.3..............14.8..1.....74.72.9..."));
    EXPECT_TRUE(rating.solved);
    EXPECT_EQ(rating.level, Level::Mittel);
    EXPECT_EQ(rating.techniques, (std::vector{Technique::LockedCandidatesPointing,
                                              Technique::LockedCandidatesClaiming}));
}

TEST(RatingTest, APuzzleTheLadderCannotFinishIsExtrem) {
    const Rating rating = rate(puzzle(
        "7.8...3.....2.1...5.........4.....263...8.......1...9..9.6....4....7.5..........."));
    EXPECT_FALSE(rating.solved);
    EXPECT_EQ(rating.level, Level::Extrem);
}

TEST(RatingTest, UniquenessTechniquesOnlyWhenTheCallerSaysSo) {
    // An expert puzzle the ladder solves with a unique rectangle.
    const Cells givens =
        puzzle(".......6.......7157.1.8...43..6.......7.4..2...4...6.8....2....8.6.3.17...34....6");
    const auto usesUniqueness = [](const Rating& rating) {
        return std::any_of(rating.techniques.begin(), rating.techniques.end(), [](Technique t) {
            return t >= Technique::UniqueRectangle1 && t <= Technique::Bug1;
        });
    };
    EXPECT_TRUE(usesUniqueness(rate(givens, {true})));
    EXPECT_FALSE(usesUniqueness(rate(givens, {false})));
}

}  // namespace

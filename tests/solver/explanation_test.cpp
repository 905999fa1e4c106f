// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/explanation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace solver;

TEST(ExplanationTest, NamesEveryLevelAndEveryTechniqueApart) {
    EXPECT_EQ(levelName(Level::Leicht), "leicht");
    EXPECT_EQ(levelName(Level::Mittel), "mittel");
    EXPECT_EQ(levelName(Level::Schwer), "schwer");
    EXPECT_EQ(levelName(Level::SehrSchwer), "sehr schwer");
    EXPECT_EQ(levelName(Level::Extrem), "extrem");
    std::set<std::string_view> names;
    for (int t = 0; t <= static_cast<int>(Technique::ForcingNet); ++t)
        names.insert(techniqueName(static_cast<Technique>(t)));
    EXPECT_EQ(names.size(), static_cast<std::size_t>(Technique::ForcingNet) + 1);
    EXPECT_FALSE(names.contains(""));
}

TEST(ExplanationTest, SinglesSpeakAsTheHintAlwaysHas) {
    Step naked;
    naked.placements = {{positionAt(4, 6), 7}};
    EXPECT_EQ(explain(naked), "In Zeile 4, Spalte 6 ist nur noch die 7 möglich.");
    Step hidden;
    hidden.technique = Technique::HiddenSingle;
    hidden.units = {{UnitKind::Row, 2}};
    hidden.placements = {{positionAt(2, 8), 3}};
    EXPECT_EQ(explain(hidden), "In Zeile 2 kann die 3 nur in Spalte 8 stehen.");
    hidden.units = {{UnitKind::Column, 8}};
    EXPECT_EQ(explain(hidden), "In Spalte 8 kann die 3 nur in Zeile 2 stehen.");
    hidden.units = {{UnitKind::Square, 3}};
    EXPECT_EQ(explain(hidden), "Im Quadrat 3 kann die 3 nur in Zeile 2, Spalte 8 stehen.");
}

TEST(ExplanationTest, GroupsCellsByRowOrColumnAndRemovalsByDigitOrCell) {
    using namespace wording;
    EXPECT_EQ(cellList({positionAt(1, 5), positionAt(1, 2)}), "Zeile 1, Spalten 2 und 5");
    EXPECT_EQ(cellList({positionAt(4, 3), positionAt(1, 3)}), "Spalte 3, Zeilen 1 und 4");
    EXPECT_EQ(cellList({positionAt(1, 2), positionAt(4, 3), positionAt(7, 1), positionAt(7, 4)}),
              "Zeile 1, Spalte 2; Zeile 4, Spalte 3 und Zeile 7, Spalten 1 und 4");
    EXPECT_EQ(unitsPhrase({{UnitKind::Row, 7}, {UnitKind::Column, 3}, {UnitKind::Row, 2}}),
              "in den Zeilen 2 und 7 und in Spalte 3");
    EXPECT_EQ(unitsPhrase({{UnitKind::Row, 2}, {UnitKind::Square, 1}}),
              "in Zeile 2 und im Quadrat 1");
    EXPECT_EQ(
        eliminationSentence({{0, 5}, {8, 5}, {10, 2}}),
        "Daher entfällt die 2 in Zeile 2, Spalte 2. Die 5 entfällt in Zeile 1, Spalten 1 und 9.");
    EXPECT_EQ(eliminationSentence({{0, 5}, {0, 7}}),
              "Daher entfallen die 5 und 7 in Zeile 1, Spalte 1.");
    EXPECT_EQ(placementSentence({positionAt(2, 8), 4}), "Damit gehört die 4 in Zeile 2, Spalte 8.");
}

TEST(ExplanationTest, LockedCandidatesNameTheirUnitsAndRemovals) {
    Step step;
    step.technique = Technique::LockedCandidatesPointing;
    step.units = {{UnitKind::Square, 2}, {UnitKind::Row, 2}};
    step.cells = {positionAt(2, 5), positionAt(2, 6)};
    step.digits = {1};
    step.eliminations = {{positionAt(2, 9), 1}};
    EXPECT_EQ(explain(step),
              "Im Quadrat 2 kann die 1 nur in Zeile 2 stehen (Zeile 2, Spalten 5 und 6). Daher "
              "entfällt die 1 in Zeile 2, Spalte 9.");
}

// Pointing in square 2 along row 2, then a naked single.
HintPlan pointingThenSingle() {
    Step pointing;
    pointing.technique = Technique::LockedCandidatesPointing;
    pointing.units = {{UnitKind::Square, 2}, {UnitKind::Row, 2}};
    pointing.cells = {positionAt(2, 5), positionAt(2, 6)};
    pointing.digits = {1};
    pointing.eliminations = {{positionAt(2, 9), 1}};
    Step single;
    single.technique = Technique::NakedSingle;
    single.placements = {{positionAt(2, 9), 4}};
    return {{pointing, single}, {positionAt(2, 9), 4}, Level::Mittel};
}

TEST(ExplanationTest, AHintFirstNamesTechniquesAndUnitsThenGivesTheWholeWay) {
    const HintPlan plan = pointingThenSingle();
    EXPECT_EQ(hintOutline(plan),
              "Die nächsten Schritte (mittel): Gesperrte Kandidaten (Pointing) in Zeile 2 und im "
              "Quadrat 2; danach Nackter Single. Noch einmal Strg+H zeigt den ganzen Weg.");
    EXPECT_EQ(hintReasoning(plan), "Gesperrte Kandidaten (Pointing): " + explain(plan.steps[0]) +
                                       "\nDanach gilt: In Zeile 2, Spalte 9 ist nur noch die 4 "
                                       "möglich.\nDamit gehört die 4 in Zeile 2, Spalte 9.");
}

TEST(ExplanationTest, DifficultyNamesTheTechniquesBeyondSingles) {
    Rating rating;
    rating.solved = true;
    EXPECT_EQ(difficultyText(rating), "Schwierigkeit: leicht.");
    rating.level = Level::Schwer;
    rating.techniques = {Technique::NakedPair, Technique::XWing};
    EXPECT_EQ(difficultyText(rating),
              "Schwierigkeit: schwer. Nötig sind dafür: Nacktes Paar und X-Wing.");
    rating.solved = false;
    rating.level = Level::Extrem;
    EXPECT_EQ(difficultyText(rating),
              "Schwierigkeit: extrem. Die Techniken des Programms reichen nicht bis zum Ende; bis "
              "dahin nötig: Nacktes Paar und X-Wing.");
}

ChainNode node(int row, int column, int digit, bool on) {
    return {{positionAt(row, column)}, digit, on};
}

TEST(ExplanationTest, ChainsAreWrittenCompactlyAndNameTheirEnds) {
    Step step;
    step.technique = Technique::NiceLoop;
    step.chains = {{node(4, 2, 4, false), node(5, 2, 4, true), node(5, 2, 1, false),
                    node(5, 4, 1, true), node(5, 4, 9, false), node(4, 4, 9, true)}};
    step.eliminations = {{positionAt(4, 2), 9}};
    const std::string text = explain(step);
    EXPECT_EQ(text.substr(0, text.find(". (") + 1),
              "Alternierende Kette: (4) Z4S2 = Z5S2 − (1) Z5S2 = Z5S4 − (9) Z5S4 = Z4S4.");
    EXPECT_NE(text.find("Ist die 4 in Zeile 4, Spalte 2 falsch, ist die 9 in Zeile 4, Spalte 4 "
                        "wahr: eine der beiden ist wahr. Daher entfällt die 9 in Zeile 4, "
                        "Spalte 2."),
              std::string::npos);
    // A group in a row, and a chain that returns to its start: a loop.
    step.technique = Technique::GroupedNiceLoop;
    step.chains = {{node(1, 4, 8, false),
                    {{positionAt(1, 7), positionAt(1, 8), positionAt(1, 9)}, 8, true},
                    {{positionAt(3, 7), positionAt(3, 9)}, 8, false},
                    node(3, 5, 8, true),
                    node(1, 4, 8, false)}};
    EXPECT_NE(explain(step).find("(8) Z1S4 = Z1S789 − Z3S79 = Z3S5 − Z1S4. "), std::string::npos);
    EXPECT_NE(explain(step).find("Die Kette schließt sich zum Ring"), std::string::npos);
}

TEST(ExplanationTest, ForcingChainsSpellOutEveryBranch) {
    Step step;
    step.technique = Technique::UnitForcingChain;
    step.units = {{UnitKind::Row, 4}};
    step.pattern = {{positionAt(4, 2), 7}, {positionAt(4, 7), 7}};
    step.chains = {{node(4, 2, 7, true), node(1, 2, 7, false), node(1, 8, 7, true)},
                   {node(4, 7, 7, true), node(1, 7, 7, false), node(1, 8, 7, true)}};
    step.placements = {{positionAt(1, 8), 7}};
    EXPECT_EQ(explain(step),
              "Einheiten-Forcing-Chain: In Zeile 4 kann die 7 nur in Spalten 2 und 7 stehen. "
              "Steht sie in Zeile 4, Spalte 2: Z4S2=7 ⇒ Z1S2≠7 ⇒ Z1S8=7. Steht sie in Zeile 4, "
              "Spalte 7: Z4S7=7 ⇒ Z1S7≠7 ⇒ Z1S8=7. In jedem möglichen Fall gilt dasselbe. "
              "Damit gehört die 7 in Zeile 1, Spalte 8.");
    // A single premise that ends in a digit without a place.
    step.technique = Technique::ForcingNet;
    step.units.clear();
    step.pattern = {{positionAt(8, 5), 4}};
    const auto& column2 = unitCells(UnitKind::Column, 2);
    step.chains = {
        {node(8, 5, 4, true), node(8, 5, 1, false), {{column2.begin(), column2.end()}, 1, false}}};
    step.placements.clear();
    step.eliminations = {{positionAt(8, 5), 4}};
    EXPECT_EQ(explain(step),
              "Forcing-Netz: Wäre Zeile 8, Spalte 5 die 4, folgte Z8S5=4, daraus nacheinander "
              "Z8S5≠1, keine 1 in Spalte 2: ein Widerspruch. Also ist sie es nicht. Daher "
              "entfällt die 4 in Zeile 8, Spalte 5.");
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "solver/geometry.h"

namespace solver {

// The five levels of the technique ladder, lowest first.
enum class Level { Leicht = 1, Mittel, Schwer, SehrSchwer, Extrem };

// Every technique the ladder knows. Their German names, their level and the
// text that explains a step are made elsewhere (explanation.h, ladder.h).
enum class Technique {
    // leicht
    NakedSingle,
    HiddenSingle,
    // mittel
    LockedCandidatesPointing,
    LockedCandidatesClaiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    // schwer
    NakedQuad,
    HiddenQuad,
    XWing,
    Swordfish,
    Jellyfish,
    Skyscraper,
    TwoStringKite,
    TurbotFish,
    EmptyRectangle,
    XYWing,
    XYZWing,
    WWing,
    RemotePair,
    SimpleColouring,
    UniqueRectangle1,
    UniqueRectangle2,
    UniqueRectangle3,
    UniqueRectangle4,
    HiddenRectangle,
    Bug1,
    FinnedXWing,
    // sehr schwer
    FinnedSwordfish,
    FinnedJellyfish,
    SueDeCoq,
    XChain,
    XYChain,
    NiceLoop,
    GroupedNiceLoop,
    AlsXz,
    AlsXyWing,
    // extrem
    CellForcingChain,
    UnitForcingChain,
    ForcingNet,
};

// One candidate: digit d in the cell at a position (0 to 80).
struct Candidate {
    int position = 0;
    int digit = 0;
    bool operator==(const Candidate&) const = default;
};

// One node of a chain: a digit in one cell, or in a group of cells of one
// unit (grouped chains), that is true (on) or false (off) at this point.
struct ChainNode {
    std::vector<int> positions;
    int digit = 0;
    bool on = false;
    bool operator==(const ChainNode&) const = default;
};
using Chain = std::vector<ChainNode>;

// One solving step: what it found and what it changes. Pure data; the
// explanation module makes the text, the screens the marking.
struct Step {
    Technique technique = Technique::NakedSingle;
    std::vector<Unit> units;         // the units the pattern lies in
    std::vector<int> cells;          // the pattern's cells
    std::vector<int> digits;         // the digits the pattern is about
    std::vector<Candidate> pattern;  // the pattern's candidates (marked in the pads)
    std::vector<Candidate> eliminations;
    std::vector<Candidate> placements;
    std::vector<Chain> chains;  // a chain, or the branches of a forcing chain
    bool operator==(const Step&) const = default;
};

// Whether a step keeps to a solution: no elimination removes the solution's
// digit, every placement is the solution's digit.
inline bool keepsTo(const Step& step, const Cells& solution) {
    for (const Candidate& c : step.eliminations)
        if (solution[c.position] == c.digit) return false;
    for (const Candidate& c : step.placements)
        if (solution[c.position] != c.digit) return false;
    return true;
}

}  // namespace solver

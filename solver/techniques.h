// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/ladder.h"

// The techniques, one finder each (or one finder for a family whose members
// share their search). Every finder hands its steps to the sink in a fixed
// order and stops when the sink says so (see Finder in ladder.h).
namespace solver::techniques {

// A naked single, cells in reading order.
bool nakedSingle(const CandidateGrid& grid, const StepSink& sink);
// A hidden single: rows, then columns, then squares; digits ascending.
bool hiddenSingle(const CandidateGrid& grid, const StepSink& sink);

// --- mittel ---

// Locked candidates, pointing: a digit's places in a square lie in one row or
// column, which loses the digit outside the square. Squares, then digits,
// then the row before the column. Units: the square, then the line.
bool lockedCandidatesPointing(const CandidateGrid& grid, const StepSink& sink);
// Locked candidates, claiming: a digit's places in a row or column lie in one
// square, which loses the digit outside the line. Rows, then columns; digits
// ascending. Units: the line, then the square.
bool lockedCandidatesClaiming(const CandidateGrid& grid, const StepSink& sink);
// Naked subsets: n cells of a unit with n candidates between them; the digits
// leave every other cell of every unit the cells share (all of them in the
// step's units). Units in index order, cell sets ascending.
bool nakedPair(const CandidateGrid& grid, const StepSink& sink);
bool nakedTriple(const CandidateGrid& grid, const StepSink& sink);
// Hidden subsets: n digits with only n cells left in a unit; the other digits
// leave those cells. Units in index order, digit sets ascending.
bool hiddenPair(const CandidateGrid& grid, const StepSink& sink);
bool hiddenTriple(const CandidateGrid& grid, const StepSink& sink);

// --- schwer ---

bool nakedQuad(const CandidateGrid& grid, const StepSink& sink);
bool hiddenQuad(const CandidateGrid& grid, const StepSink& sink);

// Fish of one digit: n rows (the base) whose places lie in n columns (the
// cover), or the other way round; the cover loses the digit outside the
// base. Digits ascending, rows as base before columns, bases ascending.
// Units: the base lines, then the cover lines.
bool xWing(const CandidateGrid& grid, const StepSink& sink);
bool swordfish(const CandidateGrid& grid, const StepSink& sink);
bool jellyfish(const CandidateGrid& grid, const StepSink& sink);
// A fish with fins: base places outside the cover, all in one square; only
// the cover cells of that square outside the base lose the digit. The
// fins are the step's cells outside every cover line.
bool finnedXWing(const CandidateGrid& grid, const StepSink& sink);

// Two strong links of one digit (a unit with exactly two places) joined by
// two ends that see each other; the cells that see both free ends lose the
// digit. Chain: free end (off), joined ends (on, off), free end (on). Units:
// the two links' units, then the unit the joined ends share.
// Skyscraper: both links in rows (or columns), the joined ends in a column
// (row).
bool skyscraper(const CandidateGrid& grid, const StepSink& sink);
// 2-string kite: a row link and a column link joined in a square.
bool twoStringKite(const CandidateGrid& grid, const StepSink& sink);
// Turbot fish: every other such chain (a square link, or two parallel links
// joined in a square).
bool turbotFish(const CandidateGrid& grid, const StepSink& sink);
// Empty rectangle: a digit's places in a square on the cross of one row and
// one column, and a strong link in a crossing line outside the square with
// one end on the cross. Units: the square, the link's line. Chain: far end
// (off), near end (on), the square's arm the near end sees (off), the other
// arm (on); the one elimination sees that arm and the far end.
bool emptyRectangle(const CandidateGrid& grid, const StepSink& sink);
// XY-Wing: a pivot with x and y, wings with x and z and with y and z that
// see it; z leaves the cells that see both wings. Cells: pivot, wings.
// Units: the pivot's unit with each wing.
bool xyWing(const CandidateGrid& grid, const StepSink& sink);
// XYZ-Wing: the pivot has x, y and z; z leaves cells that see all three.
bool xyzWing(const CandidateGrid& grid, const StepSink& sink);
// W-Wing: two cells with the same two digits x and y that do not see each
// other, and a strong link on x whose ends see one each; y leaves the
// cells that see both. Cells: first cell, its link end, the other end, the
// second cell. Units: the link's unit, then the units joining the ends.
bool wWing(const CandidateGrid& grid, const StepSink& sink);
// Remote pairs: a chain of cells with the same two digits, each seeing the
// next; cells an odd number (three or more) of links apart hold different
// digits, so cells that see both lose the two digits. Cells and chain: the
// path from one end to the other.
bool remotePair(const CandidateGrid& grid, const StepSink& sink);
// Simple colouring: the strong links of a digit joined into a chain of at
// least four cells, coloured alternately; one colour holds the digit. Two
// cells of one colour that see each other make that colour false (wrap,
// the eliminations are the colour's cells); else the cells that see both
// colours lose the digit (trap). Chain: the cells breadth first, on for
// the first colour.
bool simpleColouring(const CandidateGrid& grid, const StepSink& sink);

// Uniqueness: only for puzzles with exactly one solution. A rectangle in
// two rows, two columns and two squares whose corners all hold a and b.
// Cells: the corners ascending (type 3: and the cells of its subset);
// digits: a and b (type 2: and the extra digit; type 3: and the subset's
// digits; type 4 and the hidden rectangle: the held digit, then the
// removed one). Units: the rectangle's
// rows and columns (types 3 and 4: and the unit used).
// Type 1: three corners hold only a and b; the fourth loses both.
bool uniqueRectangle1(const CandidateGrid& grid, const StepSink& sink);
// Type 2: two corners hold only a and b, the other two the same one extra
// digit, which leaves the cells that see both.
bool uniqueRectangle2(const CandidateGrid& grid, const StepSink& sink);
// Type 3: the extras of the other two corners with more cells of a unit
// they share form a naked subset.
bool uniqueRectangle3(const CandidateGrid& grid, const StepSink& sink);
// Type 4: in a unit the other two corners share, a has no other place; both
// lose b.
bool uniqueRectangle4(const CandidateGrid& grid, const StepSink& sink);
// Hidden rectangle: one corner holds only a and b, and in the opposite
// corner's row and column a stands only in the rectangle; that corner loses
// b.
bool hiddenRectangle(const CandidateGrid& grid, const StepSink& sink);
// BUG+1: every open cell has two candidates but one with three; the digit
// without which every digit had two places in every unit goes there.
bool bug1(const CandidateGrid& grid, const StepSink& sink);

// --- sehr schwer ---

// Finned fish of three and four lines (see finnedXWing).
bool finnedSwordfish(const CandidateGrid& grid, const StepSink& sink);
bool finnedJellyfish(const CandidateGrid& grid, const StepSink& sink);

// Alternating chains, shortest first (by nodes; starts by candidate): an
// X-chain uses one digit and the strong links of units, an XY-chain the two
// digits of cells with two candidates, a nice loop every strong and weak
// link between candidates, a grouped nice loop group nodes as well.
bool xChain(const CandidateGrid& grid, const StepSink& sink);
bool xyChain(const CandidateGrid& grid, const StepSink& sink);
bool niceLoop(const CandidateGrid& grid, const StepSink& sink);
bool groupedNiceLoop(const CandidateGrid& grid, const StepSink& sink);
// Sue de Coq, fewest cells first.
bool sueDeCoq(const CandidateGrid& grid, const StepSink& sink);
// ALS-XZ (singly and doubly linked) and ALS-XY-Wing, fewest cells first.
bool alsXz(const CandidateGrid& grid, const StepSink& sink);
bool alsXyWing(const CandidateGrid& grid, const StepSink& sink);
// An ALS-XZ or ALS-XY-Wing step found before, as its finder would find its
// sets in this grid: what they remove now, or none when they are no longer
// such a pattern or remove nothing. Much cheaper than the finder, which
// lists every set of the grid.
std::optional<Step> alsStepAgain(const CandidateGrid& grid, const Step& step);

// --- extrem ---

// Every candidate of one cell, or every place of a digit in one unit, leads
// by chains of single implications to the same fact; steps that rest on the
// fewest facts first.
bool cellForcingChain(const CandidateGrid& grid, const StepSink& sink);
bool unitForcingChain(const CandidateGrid& grid, const StepSink& sink);
// The same with every single (nets), and premises that lead to a
// contradiction.
bool forcingNet(const CandidateGrid& grid, const StepSink& sink);

}  // namespace solver::techniques

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

}  // namespace solver::techniques

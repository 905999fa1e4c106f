// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "solver/hint_plan.h"
#include "solver/step.h"

// The German words for the ladder: level and technique names, and one text
// per technique that explains a step (its pattern, cells and units, and what
// it removes or places), in the program's way of naming cells
// ("Zeile 4, Spalte 6").
namespace solver {

// "leicht", "mittel", "schwer", "sehr schwer", "extrem".
std::string_view levelName(Level level);
// The name German-speaking solvers know the technique by ("Nacktes Paar").
std::string_view techniqueName(Technique technique);
// The step in German sentences, ending with what it removes or places.
std::string explain(const Step& step);

// A hint's first press (of a level above leicht): the techniques and where
// to look, without the digit: "Die nächsten Schritte (mittel): Nacktes
// Paar in Zeile 2; danach Nackter Single. …"
std::string hintOutline(const HintPlan& plan);
// Its second press: each step explained, one a line, and last
// "Damit gehört die D in Zeile R, Spalte C."
std::string hintReasoning(const HintPlan& plan);
// "Schwierigkeit: schwer." and, above leicht, the sentence that names the
// techniques beyond singles (or says that the ladder does not reach the end).
std::string difficultyText(const Rating& rating);

// The words the texts are made of, for the templates of every technique.
namespace wording {

// "Zeile 4, Spalte 6".
std::string cellName(int position);
// "Zeile 4", "Spalte 6", "Quadrat 5".
std::string unitName(Unit unit);
// Items joined by ", " and a last " und ": "1, 3 und 7".
std::string listOf(const std::vector<std::string>& items);
// "3", "3 und 7".
std::string digitList(const std::vector<int>& digits);
// Cells in reading order, row by row: "Zeile 1, Spalten 2 und 5",
// "Zeile 1, Spalte 2; Zeile 4, Spalte 3 und Zeile 7, Spalte 1"; in one
// column "Spalte 3, Zeilen 1 und 4".
std::string cellList(std::vector<int> positions);
// Cells of a unit as the unit's own text names them: "Spalten 2 und 5" in a
// row, "Zeilen 1 und 4" in a column, the cells named in a square.
std::string cellsWithin(Unit unit, const std::vector<int>& positions);
// "in Zeile 3", "im Quadrat 2", "in den Zeilen 2 und 7 und den Spalten 3
// und 8".
std::string unitsPhrase(const std::vector<Unit>& units);
// "Daher entfällt die 5 in Zeile 1, Spalten 3 und 7. Die 8 entfällt in …":
// one sentence per digit, or per cell where that needs fewer ("Daher
// entfallen die 4 und 9 in Zeile 3, Spalte 1."). Empty for none.
std::string eliminationSentence(const std::vector<Candidate>& eliminations);
// "Damit gehört die 4 in Zeile 2, Spalte 8."
std::string placementSentence(Candidate placement);
// "zwei", "drei", "vier" (the number itself from five on).
std::string numberWord(int n);

}  // namespace wording

}  // namespace solver

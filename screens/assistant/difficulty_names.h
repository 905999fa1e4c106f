// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "solver/solver.h"

// The names of the four difficulties, as "Neues Sudoku" offers them and
// "Lösbarkeit prüfen" names them: QQwing's simple, easy, intermediate and
// expert ratings are "leicht", "mittel", "schwer" and "sehr schwer".
inline std::string_view difficultyName(solver::Difficulty difficulty) {
    switch (difficulty) {
        case solver::Difficulty::Simple:
            return "leicht";
        case solver::Difficulty::Easy:
            return "mittel";
        case solver::Difficulty::Intermediate:
            return "schwer";
        case solver::Difficulty::Expert:
            return "sehr schwer";
    }
    return {};
}

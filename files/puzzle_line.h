// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "screens/toolkit/numbers.h"

// The one-line puzzle file: a header field, the move, digit, mark and givens
// sections of 81 entries each, and a trailer field, each closed by "-".
namespace puzzle {

// What the line records of a game. Move k is stored at index k - 1, cell i
// at index i - 1.
struct GameState {
    toolkit::Integer anz_d_ziff = 0;                // number of givens
    toolkit::Integer back = 0;                      // number of moves
    std::array<double, 81> zug_feld{};              // cell index of each move
    std::array<std::string, 81> moveText{};         // text the move's cell shows now
    std::array<toolkit::Integer, 81> zug_ziffer{};  // digit of each move
    std::array<std::string, 81> markierung{};       // letter mark of each cell, or empty
    std::array<bool, 81> given{};                   // the cell is a given (shown in italics)
};

// The line for a game, ended by CR LF.
std::string line(const GameState& game);

}  // namespace puzzle

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/element.h"

// Colours shared by the screens.
namespace colours {

inline constexpr toolkit::Rgb background{192, 255, 255};  // screen background
inline constexpr toolkit::Rgb button{255, 128, 255};      // buttons
inline constexpr toolkit::Rgb title{192, 0, 192};         // start screen texts

// Background colours of the nine squares, square 1 top-left, row by row: the
// board, the candidate displays and the program's icon.
inline constexpr toolkit::Rgb squares[] = {{255, 192, 192}, {255, 192, 128}, {255, 128, 0},
                                           {128, 255, 128}, {0, 255, 0},     {0, 192, 0},
                                           {128, 255, 255}, {0, 192, 192},   {128, 128, 255}};

}  // namespace colours

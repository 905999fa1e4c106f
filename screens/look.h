// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/element.h"
#include "screens/toolkit/picture.h"

// The look of the program in one place: the faces and colours of the screens
// and the design of the program's icon.

// The two faces the screens write in; the front end chooses an installed face
// that stands in for each.
namespace fonts {

inline constexpr const char* handwriting = "Lucida Handwriting";  // titles, labels, buttons
inline constexpr const char* sans = "MS Sans Serif";  // cells, counters, the explanation text

}  // namespace fonts

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

// The program's icon: a 3 x 3 board in the colours of the squares, framed,
// with a small digit in the middle square. One description serves the window
// icon, the installed 16 x 16 picture and the scalable picture, so that the
// three cannot drift apart.
namespace program_icon {

// Width and height in pixels of the design.
inline constexpr int size = 16;

// The colours of the frame and of the digit.
inline constexpr toolkit::Rgb frame{128, 0, 128};
inline constexpr toolkit::Rgb digit{0, 0, 0};

// The rectangles (left, top, width, height, colour), painted in this order;
// the first covers the whole icon.
inline constexpr toolkit::PictureRect design[] = {
    {0, 0, size, size, colours::background},
    // The nine squares, row by row, each 4 x 4 with a pixel of gap.
    {1, 1, 4, 4, colours::squares[0]},
    {6, 1, 4, 4, colours::squares[1]},
    {11, 1, 4, 4, colours::squares[2]},
    {1, 6, 4, 4, colours::squares[3]},
    {6, 6, 4, 4, colours::squares[4]},
    {11, 6, 4, 4, colours::squares[5]},
    {1, 11, 4, 4, colours::squares[6]},
    {6, 11, 4, 4, colours::squares[7]},
    {11, 11, 4, 4, colours::squares[8]},
    // The frame.
    {0, 0, size, 1, frame},
    {0, size - 1, size, 1, frame},
    {0, 0, 1, size, frame},
    {size - 1, 0, 1, size, frame},
    // A "1" in the middle square, as a cell with an entry.
    {7, 6, 1, 4, digit},
    {6, 7, 1, 1, digit},
};

}  // namespace program_icon

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "screens/toolkit/element.h"

// The program's icon: a 3 x 3 board in the colours of the squares, framed,
// with a small digit in the middle square. One description serves the window
// icon, the installed 16 x 16 picture and the scalable picture, so that the
// three cannot drift apart.
namespace programmsymbol {

// Width and height in pixels of the design.
inline constexpr int groesse = 16;

// A filled rectangle of whole pixels.
struct Flaeche {
    int links, oben, breite, hoehe;
    toolkit::Rgb farbe;
};

// The rectangles, painted in this order; the first covers the whole icon.
const std::vector<Flaeche>& flaechen();

// The design as an SVG document with a 16 x 16 user space.
std::string svg();

}  // namespace programmsymbol

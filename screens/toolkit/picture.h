// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "screens/toolkit/element.h"

namespace toolkit {

// A filled rectangle of whole pixels.
struct PictureRect {
    int left = 0, top = 0, width = 0, height = 0;
    Rgb colour;
};

// A small picture made of filled rectangles, painted in order: the program's
// icon, which the program hands to the application and a front end shows on
// every window. Pixels no rectangle covers are black.
struct Picture {
    int width = 0, height = 0;
    std::vector<PictureRect> rects;

    bool empty() const { return rects.empty(); }
};

}  // namespace toolkit

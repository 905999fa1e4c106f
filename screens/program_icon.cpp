// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program_icon.h"

#include <cstdio>
#include <iterator>

#include "screens/look.h"

namespace program_icon {

toolkit::Picture picture() {
    return {size, size, {std::begin(design), std::end(design)}};
}

std::string svg() {
    const std::string g = std::to_string(size);
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        g + "\" height=\"" + g + "\" viewBox=\"0 0 " + g + " " + g +
        "\" shape-rendering=\"crispEdges\">\n"
        "  <title>Sudoku</title>\n";
    for (const toolkit::PictureRect& f : design) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", f.colour.r, f.colour.g, f.colour.b);
        text += "  <rect x=\"" + std::to_string(f.left) + "\" y=\"" + std::to_string(f.top) +
                "\" width=\"" + std::to_string(f.width) + "\" height=\"" +
                std::to_string(f.height) + "\" fill=\"" + colour + "\"/>\n";
    }
    text += "</svg>\n";
    return text;
}

}  // namespace program_icon

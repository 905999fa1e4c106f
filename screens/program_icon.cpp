// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program_icon.h"

#include <cstdio>

#include "screens/look.h"

namespace program_icon {

const std::vector<Rect>& rects() {
    static const std::vector<Rect> all = [] {
        std::vector<Rect> f{{0, 0, size, size, colours::background}};
        // The nine squares, row by row, each 4 x 4 with a pixel of gap.
        for (int q = 0; q < 9; ++q)
            f.push_back({1 + 5 * (q % 3), 1 + 5 * (q / 3), 4, 4, colours::squares[q]});
        const toolkit::Rgb frame{128, 0, 128};
        f.push_back({0, 0, size, 1, frame});
        f.push_back({0, size - 1, size, 1, frame});
        f.push_back({0, 0, 1, size, frame});
        f.push_back({size - 1, 0, 1, size, frame});
        // A "1" in the middle square, as a cell with an entry.
        const toolkit::Rgb digit{0, 0, 0};
        f.push_back({7, 6, 1, 4, digit});
        f.push_back({6, 7, 1, 1, digit});
        return f;
    }();
    return all;
}

std::string svg() {
    const std::string g = std::to_string(size);
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        g + "\" height=\"" + g + "\" viewBox=\"0 0 " + g + " " + g +
        "\" shape-rendering=\"crispEdges\">\n"
        "  <title>Sudoku</title>\n";
    for (const Rect& f : rects()) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/programmsymbol.h"

#include <cstdio>

#include "screens/farben.h"

namespace programmsymbol {

const std::vector<Flaeche>& flaechen() {
    static const std::vector<Flaeche> alle = [] {
        std::vector<Flaeche> f{{0, 0, groesse, groesse, farben::hintergrund}};
        // The nine squares, row by row, each 4 x 4 with a pixel of gap.
        const toolkit::Rgb quadrate[] = {{255, 192, 192}, {255, 192, 128}, {255, 128, 0},
                                         {128, 255, 128}, {0, 255, 0},     {0, 192, 0},
                                         {128, 255, 255}, {0, 192, 192},   {128, 128, 255}};
        for (int q = 0; q < 9; ++q)
            f.push_back({1 + 5 * (q % 3), 1 + 5 * (q / 3), 4, 4, quadrate[q]});
        const toolkit::Rgb rahmen{128, 0, 128};
        f.push_back({0, 0, groesse, 1, rahmen});
        f.push_back({0, groesse - 1, groesse, 1, rahmen});
        f.push_back({0, 0, 1, groesse, rahmen});
        f.push_back({groesse - 1, 0, 1, groesse, rahmen});
        // A "1" in the middle square, as a cell with an entry.
        const toolkit::Rgb ziffer{0, 0, 0};
        f.push_back({7, 6, 1, 4, ziffer});
        f.push_back({6, 7, 1, 1, ziffer});
        return f;
    }();
    return alle;
}

std::string svg() {
    const std::string g = std::to_string(groesse);
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        g + "\" height=\"" + g + "\" viewBox=\"0 0 " + g + " " + g +
        "\" shape-rendering=\"crispEdges\">\n"
        "  <title>Sudoku</title>\n";
    for (const Flaeche& f : flaechen()) {
        char farbe[8];
        std::snprintf(farbe, sizeof farbe, "#%02x%02x%02x", f.farbe.r, f.farbe.g, f.farbe.b);
        text += "  <rect x=\"" + std::to_string(f.links) + "\" y=\"" + std::to_string(f.oben) +
                "\" width=\"" + std::to_string(f.breite) + "\" height=\"" +
                std::to_string(f.hoehe) + "\" fill=\"" + farbe + "\"/>\n";
    }
    text += "</svg>\n";
    return text;
}

}  // namespace programmsymbol

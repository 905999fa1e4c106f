// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: one description, drawn as pixels and written as SVG.

#include "screens/programmsymbol.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

namespace {

using Raster =
    std::array<std::array<toolkit::Rgb, programmsymbol::groesse>, programmsymbol::groesse>;

void malen(Raster& raster, const programmsymbol::Flaeche& f) {
    for (int y = f.oben; y < f.oben + f.hoehe; ++y)
        for (int x = f.links; x < f.links + f.breite; ++x) raster[y][x] = f.farbe;
}

}  // namespace

TEST(Programmsymbol, EveryRectangleLiesOnTheIconAndTheFirstCoversIt) {
    const auto& flaechen = programmsymbol::flaechen();
    ASSERT_FALSE(flaechen.empty());
    EXPECT_EQ(flaechen.front().links, 0);
    EXPECT_EQ(flaechen.front().oben, 0);
    EXPECT_EQ(flaechen.front().breite, programmsymbol::groesse);
    EXPECT_EQ(flaechen.front().hoehe, programmsymbol::groesse);
    for (const auto& f : flaechen) {
        EXPECT_GE(f.links, 0);
        EXPECT_GE(f.oben, 0);
        EXPECT_GT(f.breite, 0);
        EXPECT_GT(f.hoehe, 0);
        EXPECT_LE(f.links + f.breite, programmsymbol::groesse);
        EXPECT_LE(f.oben + f.hoehe, programmsymbol::groesse);
    }
}

// Reading the rectangles back out of the SVG and painting them gives the same
// pixels as painting the description: positions, sizes, colours and order
// survive the writing.
TEST(Programmsymbol, TheSvgShowsThePixelsOfTheDescription) {
    const std::string svg = programmsymbol::svg();
    EXPECT_NE(svg.find("viewBox=\"0 0 16 16\""), std::string::npos);
    EXPECT_NE(svg.find("shape-rendering=\"crispEdges\""), std::string::npos);

    Raster erwartet{}, gelesen{};
    for (const auto& f : programmsymbol::flaechen()) malen(erwartet, f);

    const std::regex rechteck(
        "<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" "
        "fill=\"#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})\"/>");
    std::size_t anzahl = 0;
    for (std::sregex_iterator it(svg.begin(), svg.end(), rechteck), ende; it != ende; ++it) {
        const std::smatch& m = *it;
        auto hex = [&m](int i) { return std::stoi(m[i].str(), nullptr, 16); };
        malen(gelesen, {std::stoi(m[1].str()),
                        std::stoi(m[2].str()),
                        std::stoi(m[3].str()),
                        std::stoi(m[4].str()),
                        {hex(5), hex(6), hex(7)}});
        ++anzahl;
    }
    EXPECT_EQ(anzahl, programmsymbol::flaechen().size());
    EXPECT_EQ(gelesen, erwartet);
}

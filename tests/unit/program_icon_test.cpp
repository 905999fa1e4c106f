// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: one description, drawn as pixels and written as SVG.

#include "screens/program_icon.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

#include "screens/look.h"

namespace {

using Pixels = std::array<std::array<toolkit::Rgb, program_icon::size>, program_icon::size>;

void paint(Pixels& raster, const toolkit::PictureRect& f) {
    for (int y = f.top; y < f.top + f.height; ++y)
        for (int x = f.left; x < f.left + f.width; ++x) raster[y][x] = f.colour;
}

}  // namespace

TEST(ProgramIcon, EveryRectangleLiesOnTheIconAndTheFirstCoversIt) {
    const toolkit::Picture icon = program_icon::picture();
    EXPECT_EQ(icon.width, program_icon::size);
    EXPECT_EQ(icon.height, program_icon::size);
    const auto& rects = icon.rects;
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects.front().left, 0);
    EXPECT_EQ(rects.front().top, 0);
    EXPECT_EQ(rects.front().width, program_icon::size);
    EXPECT_EQ(rects.front().height, program_icon::size);
    for (const auto& f : rects) {
        EXPECT_GE(f.left, 0);
        EXPECT_GE(f.top, 0);
        EXPECT_GT(f.width, 0);
        EXPECT_GT(f.height, 0);
        EXPECT_LE(f.left + f.width, program_icon::size);
        EXPECT_LE(f.top + f.height, program_icon::size);
    }
}

// Reading the rectangles back out of the SVG and painting them gives the same
// pixels as painting the description: positions, sizes, colours and order
// survive the writing.
TEST(ProgramIcon, TheSvgShowsThePixelsOfTheDescription) {
    const std::string svg = program_icon::svg();
    EXPECT_NE(svg.find("viewBox=\"0 0 16 16\""), std::string::npos);
    EXPECT_NE(svg.find("shape-rendering=\"crispEdges\""), std::string::npos);

    Pixels expected{}, got{};
    const toolkit::Picture icon = program_icon::picture();
    for (const auto& f : icon.rects) paint(expected, f);

    const std::regex rectangle(
        "<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" "
        "fill=\"#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})\"/>");
    std::size_t count = 0;
    for (std::sregex_iterator it(svg.begin(), svg.end(), rectangle), stop; it != stop; ++it) {
        const std::smatch& m = *it;
        auto hex = [&m](int i) { return std::stoi(m[i].str(), nullptr, 16); };
        paint(got, {std::stoi(m[1].str()),
                    std::stoi(m[2].str()),
                    std::stoi(m[3].str()),
                    std::stoi(m[4].str()),
                    {hex(5), hex(6), hex(7)}});
        ++count;
    }
    EXPECT_EQ(count, icon.rects.size());
    EXPECT_EQ(got, expected);
}

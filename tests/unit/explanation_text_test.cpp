// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped explanation text "sudoku_erkl.txt" explains every command of
// the program: each caption a button or check box can show appears in it.

#include <gtest/gtest.h>

#include <sstream>

#include "screens/explanation.h"
#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

namespace {

std::string explanationText() {
    return TemporaryFolder::readFile(std::string(SUDOKU_SOURCE_FOLDER) + "/sudoku_erkl.txt");
}

}  // namespace

TEST(ExplanationText, IsUtf8AndEndsEveryLineWithCrLf) {
    const std::string raw = explanationText();
    ASSERT_FALSE(raw.empty());
    const std::string text = explanation::prepare(raw);
    // Read as UTF-8, not as Windows-1252: the umlauts come through unchanged.
    EXPECT_NE(text.find("Häkchen"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(ExplanationText, NamesEveryCaptionOfTheButtonsAndCheckBoxes) {
    const std::string text = explanationText();
    HeadlessGame<> game;

    // The captions the program's buttons take while it runs.
    std::vector<std::string> captions = {"Fortsetzen", "Zurück", "Vorgabe beenden"};
    for (toolkit::Screen* screen : game.program->app.screens())
        for (toolkit::Element* e : screen->elements())
            if (e->kind() == toolkit::ElementKind::Button ||
                e->kind() == toolkit::ElementKind::CheckBox)
                captions.push_back(e->text());
    for (std::string b : captions) {
        while (!b.empty() && b.back() == ' ') b.pop_back();  // "Zurück " on the print screen
        EXPECT_NE(text.find(b), std::string::npos) << b;
    }
}

// The explanation box uses a proportional font: blanks line up nothing there.
TEST(ExplanationText, AlignsNothingWithBlanks) {
    std::istringstream text(explanationText());
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        EXPECT_TRUE(line.empty() || line.front() != ' ') << "indented line " << number;
        EXPECT_EQ(line.find("  "), std::string::npos) << "two blanks in line " << number;
    }
}

TEST(ExplanationText, NamesEveryKeyAndMenuItem) {
    const std::string text = explanationText();
    for (const char* key :
         {"Pfeiltasten", "Tabulatortaste", "Strg+V", "Umschalt+Einfg", "Strg+E", "Strg+H", "Strg+S",
          "Strg+Z", "Strg+Y", "Strg+Umschalt+Z", "Strg+1", "Strg+9", "Strg+0", "Esc"})
        EXPECT_NE(text.find(key), std::string::npos) << key;

    HeadlessGame<> game;
    std::function<void(const std::vector<toolkit::MenuItem>&)> namesEach =
        [&](const std::vector<toolkit::MenuItem>& menu) {
            for (const toolkit::MenuItem& item : menu) {
                if (!item.separator()) {
                    EXPECT_NE(text.find(item.text), std::string::npos) << item.text;
                }
                namesEach(item.submenu);
            }
        };
    int menus = 0;
    for (toolkit::Screen* screen : game.program->app.screens())
        for (toolkit::Element* e : screen->elements())
            if (e->hasContextMenu()) {
                ++menus;
                namesEach(e->contextMenuItems());
            }
    EXPECT_GT(menus, 0) << "no right-click menu found";
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped explanation text "sudoku_erkl.txt" explains every command of
// the program: each caption a button or check box can show appears in it.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "screens/explanation.h"
#include "solver/explanation.h"
#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

namespace {

std::string sourceFile(const std::string& path) {
    return TemporaryFolder::readFile(std::string(SUDOKU_SOURCE_FOLDER) + "/" + path);
}

std::string explanationText() {
    return sourceFile("sudoku_erkl.txt");
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

// How the German and the English texts write a key: "Strg+Umschalt+Z",
// "Umschalt+Einfg", "Esc", and the four arrow keys as one.
std::string keyName(toolkit::KeyChord chord, bool german) {
    std::string name = toolkit::chordName(chord);
    if (chord.key >= toolkit::Key::Left && chord.key <= toolkit::Key::Down)
        return german ? "Pfeiltasten" : "arrow keys";
    if (!german) return name;
    const std::pair<const char*, const char*> words[] = {
        {"Ctrl", "Strg"},        {"Shift", "Umschalt"}, {"Insert", "Einfg"},
        {"Escape", "Esc"},       {"Delete", "Entf"},    {"PageUp", "Bild auf"},
        {"PageDown", "Bild ab"}, {"Home", "Pos1"},      {"End", "Ende"}};
    for (const auto& [english, word] : words)
        if (const auto at = name.find(english); at != std::string::npos)
            name.replace(at, std::string(english).size(), word);
    return name;
}

// The key lists of the explanation text, both manual pages and the README
// name every key of every command, and the menu keys.
TEST(KeyLists, NameEveryKeyOfTheCommands) {
    const std::string source = SUDOKU_SOURCE_FOLDER;
    const std::pair<std::string, bool> documents[] = {
        {source + "/sudoku_erkl.txt", true},
        {source + "/man/de/sudoku-assistent.6.in", true},
        {source + "/man/en/sudoku-assistent.6.in", false},
        {source + "/README.md", false}};
    HeadlessGame<> game;
    for (const auto& [path, german] : documents) {
        const std::string text = TemporaryFolder::readFile(path);
        ASSERT_FALSE(text.empty()) << path;
        std::vector<std::string> keys = {german ? "Umschalt+F10" : "Shift+F10",
                                         german ? "Menütaste" : "Menu key"};
        for (const Command& command : game.program->assistant.commands().commands())
            for (toolkit::KeyChord chord : command.chords) {
                const int key = static_cast<int>(chord.key);
                if (key >= '1' && key <= '9') {
                    // Digits as a range: "Strg+1 bis Strg+9".
                    for (char digit : {'1', '9'})
                        keys.push_back(
                            keyName({static_cast<toolkit::Key>(digit), chord.modifiers}, german));
                } else {
                    keys.push_back(keyName(chord, german));
                }
            }
        for (const std::string& key : keys)
            EXPECT_NE(text.find(key), std::string::npos) << path << ": " << key;
    }
}

TEST(ExplanationText, NamesTheTabKeyAndEveryMenuItem) {
    const std::string text = explanationText();
    EXPECT_NE(text.find("Tabulatortaste"), std::string::npos);

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

// The explanation text and both manual pages name every technique of the
// ladder as the hints and ratings do, wherever their lines break.
TEST(ExplanationText, AndTheManualPagesNameEveryTechnique) {
    for (const char* path :
         {"sudoku_erkl.txt", "man/de/sudoku-assistent.6.in", "man/en/sudoku-assistent.6.in"}) {
        std::string text = sourceFile(path);
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        // ForcingNet is the last technique the ladder knows.
        for (int t = 0; t <= static_cast<int>(solver::Technique::ForcingNet); ++t) {
            const std::string_view name = solver::techniqueName(static_cast<solver::Technique>(t));
            EXPECT_NE(text.find(name), std::string::npos) << path << ": " << name;
        }
    }
}

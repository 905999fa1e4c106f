// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped explanation text "sudoku_erkl.txt" explains every command of
// the program: each caption a button or check box can show appears in it.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "screens/erklaerung.h"
#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

std::string erklaerungstext() {
    std::ifstream datei(std::string(SUDOKU_QUELLORDNER) + "/sudoku_erkl.txt", std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

}  // namespace

TEST(Erklaerungstext, IstUtf8UndEndetJedeZeileMitCrLf) {
    const std::string roh = erklaerungstext();
    ASSERT_FALSE(roh.empty());
    const std::string text = erklaerung::aufbereiten(roh);
    // Read as UTF-8, not as Windows-1252: the umlauts come through unchanged.
    EXPECT_NE(text.find("Häkchen"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(Erklaerungstext, NenntJedeBeschriftungDerKnoepfeUndKontrollkaestchen) {
    const std::string text = erklaerungstext();
    std::ostringstream ausgabe;
    toolkit::ScriptedPlatform plattform(ausgabe);
    auto programm = std::make_unique<Programm>(plattform);

    // The captions the program's buttons take while it runs.
    std::vector<std::string> beschriftungen = {"Fortsetzen", "Zurück", "Vorgabe beenden"};
    for (toolkit::Screen* screen : programm->app.screens())
        for (toolkit::Element* e : screen->elements())
            if (e->kind() == toolkit::ElementKind::Button ||
                e->kind() == toolkit::ElementKind::CheckBox)
                beschriftungen.push_back(e->text());
    for (std::string b : beschriftungen) {
        while (!b.empty() && b.back() == ' ') b.pop_back();  // "Zurück " on the print screen
        EXPECT_NE(text.find(b), std::string::npos) << b;
    }
}

// The explanation box uses a proportional font: blanks line up nothing there.
TEST(ExplanationText, AlignsNothingWithBlanks) {
    std::istringstream text(erklaerungstext());
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        EXPECT_TRUE(line.empty() || line.front() != ' ') << "indented line " << number;
        EXPECT_EQ(line.find("  "), std::string::npos) << "two blanks in line " << number;
    }
}

TEST(ExplanationText, NamesEveryKeyAndMenuItem) {
    const std::string text = erklaerungstext();
    for (const char* key : {"Pfeiltasten", "Tabulatortaste", "Strg+V", "Umschalt+Einfg", "Strg+E",
                            "Strg+H", "Strg+S"})
        EXPECT_NE(text.find(key), std::string::npos) << key;

    std::ostringstream output;
    toolkit::ScriptedPlatform platform(output);
    auto programm = std::make_unique<Programm>(platform);
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
    for (toolkit::Screen* screen : programm->app.screens())
        for (toolkit::Element* e : screen->elements())
            if (!e->contextMenu.empty()) {
                ++menus;
                namesEach(e->contextMenu);
            }
    EXPECT_GT(menus, 0) << "no right-click menu found";
}

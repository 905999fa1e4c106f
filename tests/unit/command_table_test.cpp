// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "screens/assistant/command_table.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/scripted_platform.h"

using toolkit::Element;
using toolkit::ElementKind;
using toolkit::MenuItem;

namespace {

struct CommandTableTest : ::testing::Test {
    std::ostringstream out;
    toolkit::ScriptedPlatform platform{out};
    toolkit::Application app{platform};
    toolkit::Screen first{app, "eins"}, second{app, "zwei"};
    Element cell{first, ElementKind::TextBox, "feld"};
    Element other{first, ElementKind::TextBox, "anderes"};
    std::vector<std::string> ran;
    bool removable = false;

    Command command(std::string name, toolkit::Screen* screen, std::vector<toolkit::KeyChord> keys,
                    MenuPlace place, std::string submenu = "", bool separator = false) {
        return {name,
                screen,
                std::move(keys),
                place,
                std::move(submenu),
                separator,
                nullptr,
                [this, name](const CommandTarget& target) {
                    ran.push_back(name + "@" + (target.element ? target.element->name() : "-"));
                }};
    }
};

std::vector<std::string> texts(const std::vector<MenuItem>& items) {
    std::vector<std::string> result;
    for (const MenuItem& item : items) {
        result.push_back(item.text.empty() ? "-" : item.text);
        for (const MenuItem& inner : item.submenu) result.push_back("  " + inner.text);
    }
    return result;
}

}  // namespace

TEST_F(CommandTableTest, TheMenuFollowsTheTableAndLeavesOutWhatIsNotAvailable) {
    std::vector<Command> list{
        command("Einfügen", &first, chords({"Ctrl+V", "Shift+Insert"}), MenuPlace::BoardCell),
        command("leicht", &first, {}, MenuPlace::BoardCell, "Neu"),
        command("Entfernen", &first, {}, MenuPlace::BoardCell, "", true),
        command("schwer", &first, {}, MenuPlace::BoardCell, "Neu"),
        command("Prüfen", &first, {}, MenuPlace::BoardCell, "", true),
        command("PDF", &second, {}, MenuPlace::PrintGrid),
    };
    list[2].available = [this](const CommandTarget&) { return removable; };
    CommandTable table(std::move(list));
    EXPECT_EQ(texts(table.menu(MenuPlace::BoardCell, cell)),
              (std::vector<std::string>{"Einfügen", "Neu", "  leicht", "  schwer", "-", "Prüfen"}));
    removable = true;
    EXPECT_EQ(texts(table.menu(MenuPlace::BoardCell, cell)),
              (std::vector<std::string>{"Einfügen", "Neu", "  leicht", "  schwer", "-", "Entfernen",
                                        "-", "Prüfen"}));
    // An item shows its command's first chord.
    const std::vector<MenuItem> items = table.menu(MenuPlace::BoardCell, cell);
    EXPECT_EQ(items[0].shortcut, toolkit::chordFromName("Ctrl+V"));
    EXPECT_EQ(items.back().shortcut, std::nullopt);
    // An item runs its command for the element the menu opened on.
    table.showMenu(MenuPlace::BoardCell, {&cell, &other});
    toolkit::findMenuItem(other.contextMenuItems(), "Neu/schwer")->action();
    EXPECT_EQ(ran, std::vector<std::string>{"schwer@anderes"});
}

TEST_F(CommandTableTest, AChordRunsTheAvailableCommandOfItsScreen) {
    std::vector<Command> list{
        command("A", &first, chords({"Ctrl+H"}), MenuPlace::None),
        command("B", &second, chords({"Ctrl+H", "F1"}), MenuPlace::None),
        command("C", &first, chords({"Escape"}), MenuPlace::None),
    };
    list[0].available = [this](const CommandTarget& target) { return target.element == &cell; };
    CommandTable table(std::move(list));
    table.handleChords(first);
    table.handleChords(second);
    const toolkit::KeyChord ctrlH = *toolkit::chordFromName("Ctrl+H");
    EXPECT_TRUE(cell.pressChord(ctrlH));
    EXPECT_FALSE(other.pressChord(ctrlH));  // not available there: passed on
    EXPECT_TRUE(second.pressChord(ctrlH, nullptr));
    EXPECT_FALSE(first.pressChord(*toolkit::chordFromName("F1"), nullptr));
    EXPECT_TRUE(table.knows(*toolkit::chordFromName("F1")));
    EXPECT_FALSE(table.knows(*toolkit::chordFromName("F2")));
    EXPECT_EQ(ran, (std::vector<std::string>{"A@feld", "B@-"}));
    EXPECT_THROW(chords({"Strg+H"}), std::logic_error);
}

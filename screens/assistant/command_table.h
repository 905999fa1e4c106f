// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/element.h"
#include "screens/toolkit/key_chord.h"
#include "screens/toolkit/menu.h"
#include "screens/toolkit/screen.h"

// The right-click menus that list commands, one per kind of element.
enum class MenuPlace { None, BoardCell, PrintGrid };

// Where a command is asked for: its screen, and the element it was asked on
// (the focused element for a key chord, the right-clicked one for a menu
// item; null when no element has the focus).
struct CommandTarget {
    toolkit::Screen& screen;
    toolkit::Element* element;
};

// One command of the additions: how the user reaches it and what it does.
struct Command {
    // The text of its menu item; empty for a command reached by keys alone.
    std::string name;
    // The screen on which its key chords act.
    toolkit::Screen* screen = nullptr;
    std::vector<toolkit::KeyChord> chords;
    // The menu that lists it, the submenu of that menu that holds it (its
    // text; empty: the menu itself), and whether a separator comes before it.
    MenuPlace menu = MenuPlace::None;
    std::string submenu;
    bool separatorBefore = false;
    // Whether the command can be asked for here and now; an unavailable
    // command is left out of its menu and its chords pass on. None: always.
    std::function<bool(const CommandTarget&)> available;
    std::function<void(const CommandTarget&)> run;
};

// The chords of these names; a name that is no chord is a fault of the
// table (std::logic_error).
std::vector<toolkit::KeyChord> chords(std::initializer_list<std::string_view> names);

// Every command of the additions, each listed once, and what reaches them:
// one chord handler per screen and one menu per kind of element.
class CommandTable {
  public:
    explicit CommandTable(std::vector<Command> commands);
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    const std::vector<Command>& commands() const { return commands_; }

    // Whether a command of any screen has the chord.
    bool knows(toolkit::KeyChord chord) const;
    // Runs the first available command of the screen that has the chord;
    // whether one ran.
    bool runChord(toolkit::Screen& screen, toolkit::KeyChord chord,
                  toolkit::Element* element) const;
    // The menu of a place as it stands for the element now.
    std::vector<toolkit::MenuItem> menu(MenuPlace place, toolkit::Element& element) const;

    // Gives the screen its chord handler, which looks chords up here.
    void handleChords(toolkit::Screen& screen) const;
    // Gives each element the place's menu, one menu shared by all of them.
    void showMenu(MenuPlace place, const std::vector<toolkit::Element*>& elements) const;

  private:
    std::vector<Command> commands_;
};

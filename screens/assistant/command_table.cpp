// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/command_table.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

using toolkit::Element;
using toolkit::KeyChord;
using toolkit::MenuItem;
using toolkit::Screen;

namespace {

bool isAvailable(const Command& command, const CommandTarget& target) {
    return !command.available || command.available(target);
}

// Drops separators at either end and the second of two in a row, which
// items left out would leave behind.
void tidySeparators(std::vector<MenuItem>& items) {
    std::vector<MenuItem> kept;
    for (MenuItem& item : items) {
        if (item.separator() && (kept.empty() || kept.back().separator())) continue;
        kept.push_back(std::move(item));
    }
    if (!kept.empty() && kept.back().separator()) kept.pop_back();
    items = std::move(kept);
}

}  // namespace

std::vector<KeyChord> chords(std::initializer_list<std::string_view> names) {
    std::vector<KeyChord> result;
    for (std::string_view name : names) {
        const auto chord = toolkit::chordFromName(name);
        if (!chord) throw std::logic_error("no key chord: " + std::string(name));
        result.push_back(*chord);
    }
    return result;
}

CommandTable::CommandTable(std::vector<Command> commands) : commands_(std::move(commands)) {}

bool CommandTable::knows(KeyChord chord) const {
    return std::any_of(commands_.begin(), commands_.end(), [chord](const Command& command) {
        return std::find(command.chords.begin(), command.chords.end(), chord) !=
               command.chords.end();
    });
}

bool CommandTable::runChord(Screen& screen, KeyChord chord, Element* element) const {
    const CommandTarget target{screen, element};
    for (const Command& command : commands_) {
        if (command.screen != &screen) continue;
        if (std::find(command.chords.begin(), command.chords.end(), chord) == command.chords.end())
            continue;
        if (!isAvailable(command, target)) continue;
        command.run(target);
        return true;
    }
    return false;
}

std::vector<MenuItem> CommandTable::menu(MenuPlace place, Element& element) const {
    const CommandTarget target{element.screen(), &element};
    std::vector<MenuItem> items;
    for (const Command& command : commands_) {
        if (command.menu != place || place == MenuPlace::None) continue;
        if (!isAvailable(command, target)) continue;
        // Beside its text the item shows the command's first chord.
        MenuItem item{
            command.name,
            [&command, target] { command.run(target); },
            {},
            command.chords.empty() ? std::nullopt : std::optional<KeyChord>(command.chords.front()),
            true};
        std::vector<MenuItem>* list = &items;
        if (!command.submenu.empty()) {
            // A submenu stands where its first available item would.
            auto holder = std::find_if(items.begin(), items.end(), [&](const MenuItem& i) {
                return !i.submenu.empty() && i.text == command.submenu;
            });
            if (holder == items.end()) {
                if (command.separatorBefore) items.push_back(MenuItem::separatorItem());
                items.push_back(MenuItem{command.submenu, {}, {}, {}, true});
                holder = items.end() - 1;
            }
            list = &holder->submenu;
        } else if (command.separatorBefore) {
            items.push_back(MenuItem::separatorItem());
        }
        list->push_back(std::move(item));
    }
    tidySeparators(items);
    return items;
}

void CommandTable::handleChords(Screen& screen) const {
    screen.onChord = [this, &screen](KeyChord chord, Element* element) {
        return runChord(screen, chord, element);
    };
}

void CommandTable::showMenu(MenuPlace place, const std::vector<Element*>& elements) const {
    const auto shared = std::make_shared<const toolkit::ContextMenu>(
        [this, place](Element& element) { return menu(place, element); });
    for (Element* element : elements) element->setContextMenu(shared);
}

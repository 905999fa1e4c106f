// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/button_keys.h"

#include <string_view>

#include "screens/program.h"

namespace {

// The chord clicks the button, through its ordinary click handler.
Command clickingKey(toolkit::Screen& screen, std::string_view chord, toolkit::Element& button) {
    return {"",
            &screen,
            chords({chord}),
            MenuPlace::None,
            "",
            false,
            [&button](const CommandTarget&) { return button.visible() && button.enabled(); },
            [&button](const CommandTarget&) { button.click(); }};
}

}  // namespace

std::vector<Command> buttonKeys(Program& program) {
    return {clickingKey(program.main, "Ctrl+P", program.main.cmd_druck),
            clickingKey(program.druck, "Escape", program.druck.cmd_zurueck)};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "screens/assistant/command_table.h"

class Program;

// Keys for buttons of the screens, whichever element has the focus: Ctrl+P
// on the main screen clicks "Drucken", Escape on the print screen clicks
// "Zurück ". Each acts only while its button could be clicked.
std::vector<Command> buttonKeys(Program& program);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_line.h"

namespace puzzle {

std::string line(const GameState& game) {
    using toolkit::numberStr;
    using toolkit::numberText;

    std::string text;
    text.reserve(1024);
    // The header and trailer numbers keep the blank of the sign position.
    text += game.anz_d_ziff > 0 ? numberStr(game.anz_d_ziff) : "/";
    text += '-';
    for (int k = 1; k <= 81; ++k) {
        if (k <= game.back)
            text += numberText(game.zug_feld[k - 1]) + ":" + game.moveText[k - 1] + "/";
        else
            text += "!/";
    }
    text += '-';
    for (int k = 1; k <= 81; ++k)
        text += k <= game.back ? numberText(game.zug_ziffer[k - 1]) + "/" : "%/";
    text += '-';
    for (int i = 1; i <= 81; ++i) {
        const std::string& letter = game.markierung[i - 1];
        text += letter.empty() ? "?" : letter;
        text += '/';
    }
    text += '-';
    for (int i = 1; i <= 81; ++i) text += game.given[i - 1] ? "i/" : "n/";
    text += '-';
    text += numberStr(game.back);
    text += "-\r\n";
    return text;
}

}  // namespace puzzle

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_line.h"

namespace puzzle {

std::string line(const GameState& stand) {
    using toolkit::number_str;
    using toolkit::number_text;

    std::string text;
    text.reserve(1024);
    // The header and trailer numbers keep the blank of the sign position.
    text += stand.anz_d_ziff > 0 ? number_str(stand.anz_d_ziff) : "/";
    text += '-';
    for (int k = 1; k <= 81; ++k) {
        if (k <= stand.back)
            text += number_text(stand.zug_feld[k - 1]) + ":" + stand.move_text[k - 1] + "/";
        else
            text += "!/";
    }
    text += '-';
    for (int k = 1; k <= 81; ++k)
        text += k <= stand.back ? number_text(stand.zug_ziffer[k - 1]) + "/" : "%/";
    text += '-';
    for (int i = 1; i <= 81; ++i) {
        const std::string& letter = stand.markierung[i - 1];
        text += letter.empty() ? "?" : letter;
        text += '/';
    }
    text += '-';
    for (int i = 1; i <= 81; ++i) text += stand.given[i - 1] ? "i/" : "n/";
    text += '-';
    text += number_str(stand.back);
    text += "-\r\n";
    return text;
}

}  // namespace puzzle

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_zeile.h"

namespace puzzle {

std::string zeile(const Spielstand& stand) {
    using toolkit::zahl_str;
    using toolkit::zahl_text;

    std::string text;
    text.reserve(1024);
    // The header and trailer numbers keep the blank of the sign position.
    text += stand.anz_d_ziff > 0 ? zahl_str(stand.anz_d_ziff) : "/";
    text += '-';
    for (int k = 1; k <= 81; ++k) {
        if (k <= stand.back)
            text += zahl_text(stand.zug_feld[k - 1]) + ":" + stand.zug_text[k - 1] + "/";
        else
            text += "!/";
    }
    text += '-';
    for (int k = 1; k <= 81; ++k)
        text += k <= stand.back ? zahl_text(stand.zug_ziffer[k - 1]) + "/" : "%/";
    text += '-';
    for (int i = 1; i <= 81; ++i) {
        const std::string& letter = stand.markierung[i - 1];
        text += letter.empty() ? "?" : letter;
        text += '/';
    }
    text += '-';
    for (int i = 1; i <= 81; ++i) text += stand.vorgabe[i - 1] ? "i/" : "n/";
    text += '-';
    text += zahl_str(stand.back);
    text += "-\r\n";
    return text;
}

}  // namespace puzzle

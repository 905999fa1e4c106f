// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole state of the main screen as named values, for tests that reach
// one game two ways and compare: the game as its puzzle file records it,
// every variable and record of the screen, and every element as it shows.

#include <map>
#include <string>

#include "screens/frm_sudoku_main.h"

using ScreenState = std::map<std::string, std::string>;

inline ScreenState mainScreenState(const frm_sudoku_main& m) {
    ScreenState state;
    const auto put = [&state](const std::string& name, const auto& value) {
        if constexpr (std::is_convertible_v<decltype(value), std::string>)
            state[name] = value;
        else
            state[name] = std::to_string(value);
    };
    put("file", m.puzzleBytes());
    put("zl", m.zl);
    put("z", m.z);
    put("wo_w", m.wo_w);
    put("wo_s", m.wo_s);
    put("wo_q", m.wo_q);
    put("alt_z", m.alt_z);
    put("back", m.back);
    put("mark", m.mark);
    put("q_s", m.q_s);
    put("q_n", m.q_n);
    put("anz_d_ziff", m.anz_d_ziff);
    put("beenden", m.beenden);
    put("Vorgabe", m.Vorgabe);
    put("nicht_neu", m.nicht_neu);
    put("Einlesen", m.Einlesen);
    // Records above the move count have no meaning: the next move with
    // that number overwrites them.
    for (int i = 1; i <= m.back; ++i) {
        put("zug_feld(" + std::to_string(i) + ")", m.zug_feld(i));
        put("zug_ziffer(" + std::to_string(i) + ")", m.zug_ziffer(i));
    }
    for (int i = 1; i <= 81; ++i) {
        const std::string n = std::to_string(i);
        put("einzelfeld_text(" + n + ")", m.einzelfeld_text(i));
        put("markierung(" + n + ")", m.markierung(i));
        for (int k = 1; k <= 81; ++k) {
            const std::string nk = "(" + n + "," + std::to_string(k) + ")";
            put("einzelfeld_alt" + nk, m.einzelfeld_alt(i, k));
            put("zug_reihe" + nk, m.zug_reihe(i, k));
            put("zug_spalte" + nk, m.zug_spalte(i, k));
            put("zug_quadrat" + nk, m.zug_quadrat(i, k));
        }
    }
    for (const toolkit::Element* e : m.elements())
        put(e->fullName(), e->text() + (e->visible() ? " visible" : "") +
                               (e->enabled() ? " enabled" : "") + (e->locked() ? " locked" : "") +
                               (e->italic() ? " italic" : ""));
    put("focus", m.activeElement() ? m.activeElement()->fullName() : "none");
    return state;
}

// The values that differ, at most a few of them: "name: a | b".
inline std::string stateDifferences(const ScreenState& a, const ScreenState& b) {
    std::string text;
    int shown = 0;
    for (const auto& [name, value] : a) {
        const auto other = b.find(name);
        const std::string otherValue = other == b.end() ? "(none)" : other->second;
        if (value == otherValue) continue;
        if (++shown > 5) return text + "...\n";
        text += name + ": " + value + " | " + otherValue + "\n";
    }
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Cell marks: the letters "a" to "z" set on the last-entry display.

#include <string>

#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/numbers.h"

namespace {

bool isLowercaseLetter(const std::string& text) {
    return !text.empty() && text[0] >= 'a' && text[0] <= 'z';
}

}  // namespace

void frm_sudoku_main::lbl_c_Click(Integer Index) {
    if (txt_m(Index).text().empty() || mark > 24) return;

    Integer count = 0;
    for (int i = 1; i <= 81; ++i)
        if (isLowercaseLetter(markierung(i))) ++count;
    mark = count;

    const std::string c = lbl_c(Index).text();
    if (c.empty()) return;
    if (!isLowercaseLetter(c)) {
        // Marks read from a puzzle file are not counted in mark, so the
        // limit above can let a click through with all 26 letters in use.
        if (97 + mark > 'z') return;
        const std::string fresh(1, static_cast<char>(97 + mark));
        lbl_c(Index).setText(fresh);
        markierung(Index) = fresh;
    } else if (c[0] == 96 + mark) {
        lbl_c(Index).setText("");
        markierung(Index).clear();
        mark = toolkit::add(mark, -1);
    }
}

void frm_sudoku_main::lbl_c_mark_rueckg(Integer ix) {
    lbl_c(ix).setText(txt_m(ix).text());
    lbl_erkl(1).setText("");
    lbl_erkl(2).setText("");
    markierung(ix).clear();
    if (mark != 0) mark = toolkit::add(mark, -1);
}

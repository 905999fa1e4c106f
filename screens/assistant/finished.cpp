// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/finished.h"

#include "screens/assistant/board_marks.h"
#include "screens/assistant/board_snapshot.h"
#include "screens/program.h"
#include "solver/puzzle_text.h"

Finished::Finished(Program& program, BoardMarks& marks) : program_(program), marks_(marks) {
    listener_ = program_.app.addInputListener([this] { afterInput(); });
}

Finished::~Finished() {
    program_.app.removeInputListener(listener_);
}

void Finished::afterInput() {
    const frm_sudoku_main& main = program_.main;
    bool full = true;
    for (int k = 1; k <= 81 && full; ++k) full = !main.txt_m(k).text().empty();
    // The digit entry lets no digit stand twice in a row, column or square,
    // so a full board is a solution of its givens; the test guards against
    // a board that came about otherwise.
    if (full && !full_ && !solver::firstRepeat(snapshotOf(main).digits)) {
        BoardMarks::Marks marks;
        for (int k = 1; k <= 81; ++k)
            marks.emplace_back(&program_.main.txt_m(k),
                               toolkit::Decoration{toolkit::ElementMark::Corners, {}});
        marks_.showPassing(marks);
    }
    full_ = full;
}

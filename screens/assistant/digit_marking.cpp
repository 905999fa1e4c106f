// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/digit_marking.h"

#include "screens/program.h"

using toolkit::Decoration;
using toolkit::DigitMark;
using toolkit::ElementMark;

namespace {

// Where digit d stands in a candidate pad's text "1 2 3\r\n4 5 6\r\n7 8 9".
constexpr std::size_t pad_place[] = {0, 0, 2, 4, 7, 9, 11, 14, 16, 18};

}  // namespace

DigitMarking::DigitMarking(Program& program, BoardMarks& marks)
    : program_(program), marks_(marks) {}

void DigitMarking::toggle(int digit) {
    if (digit == digit_) {
        end();
        return;
    }
    digit_ = digit;
    marks_.follow([this] { return marks(); });
}

void DigitMarking::end() {
    digit_ = 0;
    marks_.follow(nullptr);
}

BoardMarks::Marks DigitMarking::marks() const {
    frm_sudoku_main& main = program_.main;
    const char shown = static_cast<char>('0' + digit_);
    const auto d = static_cast<std::size_t>(digit_);
    Decoration cell{ElementMark::Frame, {}};
    Decoration pad;
    pad.digits[d] = DigitMark::Marked;
    BoardMarks::Marks marks;
    for (int k = 1; k <= 81; ++k) {
        if (main.txt_m(k).text() == std::string(1, shown)) marks.emplace_back(&main.txt_m(k), cell);
        const std::string& candidates = main.txt_c(k).text();
        if (candidates.size() > pad_place[d] && candidates[pad_place[d]] == shown)
            marks.emplace_back(&main.txt_c(k), pad);
    }
    return marks;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/redo.h"

#include <algorithm>

#include "screens/assistant/board_snapshot.h"
#include "screens/program.h"

Redo::Redo(Program& program) : program_(program) {
    listener_ = program_.app.addInputListener([this] { afterInput(); });
}

Redo::~Redo() {
    program_.app.removeInputListener(listener_);
}

std::vector<Redo::Move> Redo::recordedMoves() const {
    const BoardSnapshot board = snapshotOf(program_.main);
    std::vector<Move> moves;
    for (const std::optional<int>& position : board.moves)
        moves.push_back(position ? Move{*position, board.digits[*position]} : Move{});
    return moves;
}

bool Redo::available() const {
    if (takenBack_.empty() || takenBack_.back().position < 0) return false;
    const toolkit::Element& cell =
        program_.main.txt_m(solver::cellNumber(takenBack_.back().position));
    return cell.text().empty() && !cell.locked();
}

void Redo::redo() {
    if (!available()) return;
    const Move move = takenBack_.back();
    frm_sudoku_main& main = program_.main;
    toolkit::Element& cell = main.txt_m(solver::cellNumber(move.position));
    main.setFocus(cell);
    // The listener takes the move off the list once this input has ended.
    cell.pressKey('0' + move.digit);
}

void Redo::forget() {
    forgetInput_ = program_.app.userEventCount();
    takenBack_.clear();
}

void Redo::afterInput() {
    std::vector<Move> now = recordedMoves();
    const std::size_t kept = std::min(now.size(), moves_.size());
    const bool sameStart = std::equal(now.begin(), now.begin() + kept, moves_.begin());
    const auto emptied = [&](const Move& move) {
        return move.position >= 0 &&
               program_.main.txt_m(solver::cellNumber(move.position)).text().empty();
    };
    if (forgetInput_ == program_.app.userEventCount() || !sameStart) {
        takenBack_.clear();
    } else if (now.size() < moves_.size()) {
        // Taken back, their cells empty again: the last of them is the first
        // to put back.
        if (std::all_of(moves_.begin() + kept, moves_.end(), emptied))
            for (std::size_t i = moves_.size(); i-- > kept;) takenBack_.push_back(moves_[i]);
        else
            takenBack_.clear();
    } else {
        // Moves put back as they were taken back keep the rest; any other
        // new move ends it.
        for (std::size_t i = kept; i < now.size(); ++i) {
            if (takenBack_.empty() || takenBack_.back() != now[i]) {
                takenBack_.clear();
                break;
            }
            takenBack_.pop_back();
        }
    }
    moves_ = std::move(now);
}

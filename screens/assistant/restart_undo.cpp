// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/restart_undo.h"

#include <exception>

#include "screens/assistant/redo.h"
#include "screens/program.h"

namespace {

constexpr int panel_slots[] = {1, 2, 4, 5};

}  // namespace

RestartUndo::RestartUndo(Program& program, Redo& redo) : program_(program), redo_(redo) {
    // Restart keeps what it is about to clear. Only the button restarts.
    toolkit::Element& button = program_.main.cmd_neustart;
    button.onClick = [this, restart = button.onClick] {
        beforeRestart();
        if (restart) restart();
    };
    listener_ = program_.app.addInputListener([this] { afterInput(); });
}

RestartUndo::~RestartUndo() {
    program_.app.removeInputListener(listener_);
}

bool RestartUndo::boardCleared() const {
    const frm_sudoku_main& main = program_.main;
    if (main.back != 0) return false;
    for (int k = 1; k <= 81; ++k)
        if (!main.txt_m(k).text().empty() || !main.markierung(k).empty()) return false;
    return true;
}

bool RestartUndo::available() const {
    return kept_.has_value() && boardCleared();
}

RestartUndo::Kept RestartUndo::keep() const {
    const frm_sudoku_main& m = program_.main;
    Kept kept{m.puzzleBytes(),
              m.zl,
              m.z,
              m.wo_w,
              m.wo_s,
              m.wo_q,
              m.alt_z,
              m.mark,
              m.q_s,
              m.q_n,
              m.anz_d_ziff,
              m.beenden,
              m.Vorgabe,
              m.nicht_neu,
              m.Einlesen,
              {},
              {},
              m.txt_test.text(),
              m.cmd_einlesen_vorgabe.text(),
              m.cmd_einlesen_vorgabe.enabled(),
              m.cmd_back.enabled(),
              m.activeElement()};
    for (int k = 1; k <= 81; ++k) kept.lastEntry[k - 1] = m.lbl_c(k).text();
    for (int i = 0; i < 4; ++i) kept.panels[i] = m.lbl_erkl(panel_slots[i]).text();
    return kept;
}

void RestartUndo::beforeRestart() {
    redo_.forget();
    // A restart of a cleared board keeps the game an earlier one cleared.
    if (boardCleared()) return;
    try {
        kept_ = keep();
    } catch (const std::exception&) {
        // A move record that names no cell (a damaged file read before) has
        // no file to write: this restart cannot be taken back.
        kept_.reset();
    }
}

void RestartUndo::afterInput() {
    if (kept_ && !boardCleared()) kept_.reset();
}

void RestartUndo::undo() {
    if (!available()) return;
    const Kept kept = std::move(*kept_);
    kept_.reset();
    frm_sudoku_main& m = program_.main;
    m.readPuzzleBytes(kept.bytes);
    if (program_.app.ended()) return;
    m.zl = kept.zl;
    m.z = kept.z;
    m.wo_w = kept.wo_w;
    m.wo_s = kept.wo_s;
    m.wo_q = kept.wo_q;
    m.alt_z = kept.alt_z;
    m.mark = kept.mark;
    m.q_s = kept.q_s;
    m.q_n = kept.q_n;
    m.anz_d_ziff = kept.anz_d_ziff;
    m.beenden = kept.beenden;
    m.Vorgabe = kept.Vorgabe;
    m.nicht_neu = kept.nicht_neu;
    m.Einlesen = kept.Einlesen;
    for (int k = 1; k <= 81; ++k) m.lbl_c(k).setText(kept.lastEntry[k - 1]);
    for (int i = 0; i < 4; ++i) m.lbl_erkl(panel_slots[i]).setText(kept.panels[i]);
    m.txt_test.setText(kept.testText);
    m.cmd_einlesen_vorgabe.setText(kept.readCaption);
    m.cmd_einlesen_vorgabe.setEnabled(kept.readEnabled);
    m.cmd_back.setEnabled(kept.backEnabled);
    if (kept.focus && kept.focus->canTakeFocus()) m.setFocus(*kept.focus);
}

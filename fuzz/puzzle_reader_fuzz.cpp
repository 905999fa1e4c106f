// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the content of a puzzle file, read
// from memory through the real main screen on the headless platform, which
// answers every box. What the read leaves behind is saved, and the bytes are
// read over it once more when the button still offers it, so that the writer
// and a read laid over a board are tried too.

#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

namespace {

// The save writes a real file: into a temporary folder, made once and
// removed when the fuzzer ends.
const std::string& savedName() {
    static const TemporaryFolder folder;
    static const std::string name = folder.file("saved");
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HeadlessGame<> game(Report::dropped);
    frm_sudoku_main& m = game.main;
    game.openMainScreen();

    m.readPuzzleBytes(bytes);
    if (game.ended()) return 0;

    game.save(savedName());
    if (m.cmd_einlesen_vorgabe.text() == "Datei einlesen") m.readPuzzleBytes(bytes);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// "Datei einlesen" / "Vorgabe beenden": reading a puzzle file by replaying its
// moves through the digit entry, and fixing the givens typed by hand.

#include <exception>
#include <string>
#include <string_view>

#include "files/puzzle_file.h"
#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/numbers.h"

using toolkit::Failure;
using toolkit::Integer;
using toolkit::True;

namespace {

constexpr std::string_view caption_read_file = "Datei einlesen";

// Parses the content of a puzzle file with one position counter and lays it
// over the board as it goes: there is no copy of the previous state.
class Reader {
  public:
    Reader(frm_sudoku_main& m, std::string content) : m_(m), content_(std::move(content)) {}

    // Reads header, sections and trailer. False when reading stopped because
    // a damaged file was reported from inside the replay.
    bool parse() { return header() && moves() && digits() && marks() && givens() && trailer(); }

  private:
    // The character at the position; past the end of the content the empty text.
    std::string_view currentChar() const {
        const auto i = static_cast<std::size_t>(pos_);
        if (pos_ < 1 || i > content_.size()) return {};
        return std::string_view(content_).substr(i - 1, 1);
    }
    // The counter is a 16-bit Integer: a scan that runs past position 32767
    // overflows, which marks the file as damaged.
    void advance() { pos_ = toolkit::add(pos_, 1); }
    // Past the end of the content every character is the empty text, so a
    // scan for a character can only end by that overflow: it is raised at
    // once instead of after counting up to 32767.
    void checkEnd() const {
        if (static_cast<std::size_t>(pos_) > content_.size())
            throw Failure(toolkit::failure_overflow, "overflow");
    }
    bool ended() const { return m_.beenden == True; }

    // The characters up to the next `stop`; the position then stands on it.
    std::string until(std::string_view stop) {
        std::string text;
        while (currentChar() != stop) {
            checkEnd();
            text += currentChar();
            advance();
        }
        return text;
    }

    // Runs `entry` for each entry of a section up to its closing "-" and
    // steps past that "-". An entry may read on; the position then stands on
    // its last character. False when reading stopped because a damaged file
    // was reported from inside the replay.
    template <class Entry>
    bool section(Entry entry) {
        while (true) {
            if (ended()) return false;
            const std::string_view c = currentChar();
            if (c == "-") {
                advance();
                return true;
            }
            entry(c);
            advance();
        }
    }

    // The characters of a header or trailer number up to the "-" that closes
    // it; the position then stands on that "-". False when reading stopped
    // because a damaged file was reported.
    bool numberText(std::string& text) {
        while (true) {
            if (ended()) return false;
            if (currentChar() == "-") return true;
            checkEnd();
            text += currentChar();
            advance();
        }
    }

    static Integer number(const std::string& text) {
        return toolkit::toInteger(toolkit::val(text));
    }

    // A character of the digit section: "0" to "9" only.
    static Integer digit(std::string_view c) {
        if (c.size() != 1 || c[0] < '0' || c[0] > '9')
            throw Failure(toolkit::failure_type_mismatch, "not a digit");
        return static_cast<Integer>(c[0] - '0');
    }

    // Header: "/" (no givens fixed, anz_d_ziff keeps its value) or the number
    // of givens, closed by "-".
    bool header() {
        if (ended()) return false;
        if (currentChar() == "/") {
            advance();
            advance();  // the "-" that closes the header
            return true;
        }
        std::string text;
        if (!numberText(text)) return false;
        advance();
        m_.anz_d_ziff = number(text);
        return true;
    }

    // Moves "cell:digit", replayed in their order; "!" is a move number
    // without a move.
    bool moves() {
        Integer k = 1;
        return section([&](std::string_view c) {
            if (c == "/") return;
            if (c == "!") {
                k = toolkit::add(k, 1);
                return;
            }
            const std::string index = until(":");
            advance();
            const std::string digit(currentChar());
            // The move record itself is written by the digit entry when it
            // accepts the digit, so a file laid over a game can never leave
            // a recorded move pointing at another cell. Only its bounds are
            // checked here: an 82nd move entry is an error.
            if (k > 81) throw Failure(toolkit::failure_subscript, "more than 81 moves");
            toolkit::Element& cell = m_.txt_m(toolkit::toInteger(toolkit::val(index)));
            // A file laid over a game may not put a second digit into a
            // filled cell: two moves in one cell would break undo and
            // overflow the move records.
            if (!cell.text().empty() && cell.text() != digit)
                throw Failure(toolkit::failure_subscript, "cell already taken");
            // The write runs the digit entry of the cell, nested: the digit
            // is checked, recorded and shown exactly as if it were typed.
            cell.setText(digit);
            k = toolkit::add(k, 1);
        });
    }

    // The digits of moves 1, 2, 3 ..., in order; "%" and "/" are skipped.
    bool digits() {
        Integer k = 0;
        return section([&](std::string_view c) {
            if (c == "%" || c == "/") return;
            k = toolkit::add(k, 1);
            m_.zug_ziffer(k) = digit(c);
        });
    }

    // One letter mark per cell; "?" leaves the cell's mark as it is.
    bool marks() {
        Integer i = 1;
        return section([&](std::string_view c) {
            if (c == "/") return;
            if (c != "?") {
                m_.markierung(i) = std::string(c);
                m_.lbl_c(i).setText(std::string(c));
            }
            i = toolkit::add(i, 1);
        });
    }

    // "i" makes the cell a given, "n" leaves it; the givens are counted anew.
    bool givens() {
        m_.anz_d_ziff = 0;
        Integer i = 0;
        return section([&](std::string_view c) {
            if (c == "i") {
                i = toolkit::add(i, 1);
                m_.Vorgabe = True;
                m_.txt_m(i).setItalic(true);
                m_.anz_d_ziff = toolkit::add(m_.anz_d_ziff, 1);
            } else if (c == "n") {
                i = toolkit::add(i, 1);
            } else {
                checkEnd();
            }
        });
    }

    // Trailer: the number of moves, closed by "-".
    bool trailer() {
        std::string text;
        if (!numberText(text)) return false;
        const Integer moves = number(text);
        // Only moves the replay has recorded can be counted: undo and the next
        // digit entry rely on a record for every move up to back, and the
        // records hold 81 moves.
        if (moves < 0 || moves > m_.back)
            throw Failure(toolkit::failure_subscript, "more moves than recorded");
        m_.back = moves;
        return true;
    }

    frm_sudoku_main& m_;
    const std::string content_;
    Integer pos_ = 1;
};

// Shows what went wrong while reading and does what follows from it.
void readFailure(frm_sudoku_main& m, int number) {
    switch (number) {
        case toolkit::failure_file_not_found:
            m.application().messageBox("Dateiname falsch geschrieben oder Datei nicht vorhanden!",
                                       toolkit::ok_only, "Achtung!");
            break;
        case toolkit::failure_overflow:
        case toolkit::failure_type_mismatch:
        case toolkit::failure_element_index:
            m.endForDamagedFile();
            break;
        default:
            // Reading stops; what was read so far stays in effect.
            m.application().messageBox("Ein umbekannter Fehler trat auf!", toolkit::ok_only,
                                       "Achtung!");
    }
}

// Runs one step of reading; a failure ends the read with its message.
template <class Step>
bool reportingFailures(frm_sudoku_main& m, Step step) {
    try {
        step();
        return true;
    } catch (const Failure& fail) {
        readFailure(m, fail.number());
    } catch (const std::exception&) {
        readFailure(m, 0);
    }
    return false;
}

}  // namespace

void frm_sudoku_main::endForDamagedFile() {
    if (Einlesen == True)
        application().messageBox(
            "Die einzulesende Datei wurde beschädigt oder unzulässig geändert! Das "
            "Programm wird daher beendet.",
            toolkit::ok_only, "Achtung!");
    beenden = True;
    cmd_exit_Click();
}

void frm_sudoku_main::cmd_einlesen_vorgabe_Click() {
    if (cmd_einlesen_vorgabe.text() != caption_read_file) {
        // Fixing the givens: every filled cell becomes a given, shown in italics.
        Vorgabe = True;
        cmd_einlesen_vorgabe.setEnabled(false);
        anz_d_ziff = back;
        for (int i = 1; i <= 81; ++i)
            if (!txt_m(i).text().empty()) txt_m(i).setItalic(true);
        return;
    }

    Einlesen = True;
    const std::string input = application().inputBox(
        "Geben sie zum Einlesen den Dateinamen, z.B. sudoku1 ein!", "Hinweis!");
    std::string content;
    if (!reportingFailures(*this, [&] { content = puzzle::readFile(input + ".txt"); })) return;
    readPuzzleBytes(content);
}

void frm_sudoku_main::readPuzzleBytes(std::string_view fileBytes) {
    Einlesen = True;
    reportingFailures(*this, [&] {
        std::string content;
        puzzle::joinLines(content, fileBytes);
        Reader reader(*this, std::move(content));
        if (!reader.parse()) return;
        // Disabled if the replay fixed the givens, enabled otherwise.
        cmd_einlesen_vorgabe.setText("Vorgabe beenden");
    });
}

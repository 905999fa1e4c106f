// SPDX-License-Identifier: GPL-3.0-or-later
// "Datei einlesen" / "Vorgabe beenden": reading a puzzle file by replaying its
// moves through the digit entry, and fixing the givens typed by hand.

#include <exception>
#include <string>
#include <string_view>

#include "files/puzzle_datei.h"
#include "screens/programm.h"
#include "screens/toolkit/failure.h"

using toolkit::Failure;
using toolkit::Integer;
using toolkit::True;

namespace {

constexpr std::string_view datei_einlesen = "Datei einlesen";

// Parses the content of a puzzle file with one position counter and lays it
// over the board as it goes: there is no copy of the previous state.
class Leser {
  public:
    Leser(frm_sudoku_main& m, std::string inhalt) : m_(m), inhalt_(std::move(inhalt)) {}

    // Reads header, sections and trailer. False when reading stopped because
    // a damaged file was reported from inside the replay.
    bool lesen() {
        return kopf() && zuege() && ziffern() && markierungen() && vorgaben() && schluss();
    }

  private:
    // The character at the position; past the end of the content the empty text.
    std::string_view zeichen() const {
        const auto i = static_cast<std::size_t>(pos_);
        if (pos_ < 1 || i > inhalt_.size()) return {};
        return std::string_view(inhalt_).substr(i - 1, 1);
    }
    // The counter is a 16-bit Integer: a scan that runs past position 32767
    // overflows, which marks the file as damaged.
    void weiter() { pos_ = toolkit::add(pos_, 1); }
    // Past the end of the content every character is the empty text, so a
    // scan for a character can only end by that overflow: it is raised at
    // once instead of after counting up to 32767.
    void ende_pruefen() const {
        if (static_cast<std::size_t>(pos_) > inhalt_.size())
            throw Failure(toolkit::fehler_ueberlauf, "Überlauf");
    }
    bool beendet() const { return m_.beenden == True; }

    // The characters up to the next `ende`; the position then stands on it.
    std::string bis(std::string_view ende) {
        std::string text;
        while (zeichen() != ende) {
            ende_pruefen();
            text += zeichen();
            weiter();
        }
        return text;
    }

    // Runs `eintrag` for each entry of a section up to its closing "-" and
    // steps past that "-". An entry may read on; the position then stands on
    // its last character. False when reading stopped because a damaged file
    // was reported from inside the replay.
    template <class Eintrag>
    bool abschnitt(Eintrag eintrag) {
        while (true) {
            if (beendet()) return false;
            const std::string_view c = zeichen();
            if (c == "-") {
                weiter();
                return true;
            }
            eintrag(c);
            weiter();
        }
    }

    // The characters of a header or trailer number up to the "-" that closes
    // it; the position then stands on that "-". False when reading stopped
    // because a damaged file was reported.
    bool zahl_text(std::string& text) {
        while (true) {
            if (beendet()) return false;
            if (zeichen() == "-") return true;
            ende_pruefen();
            text += zeichen();
            weiter();
        }
    }

    static Integer zahl(const std::string& text) { return toolkit::to_integer(toolkit::val(text)); }

    // A character of the digit section: "0" to "9" only.
    static Integer ziffer(std::string_view c) {
        if (c.size() != 1 || c[0] < '0' || c[0] > '9')
            throw Failure(toolkit::fehler_typen_unvertraeglich, "keine Ziffer");
        return static_cast<Integer>(c[0] - '0');
    }

    // Header: "/" (no givens fixed, anz_d_ziff keeps its value) or the number
    // of givens, closed by "-".
    bool kopf() {
        if (beendet()) return false;
        if (zeichen() == "/") {
            weiter();
            weiter();  // the "-" that closes the header
            return true;
        }
        std::string text;
        if (!zahl_text(text)) return false;
        weiter();
        m_.anz_d_ziff = zahl(text);
        return true;
    }

    // Moves "cell:digit", replayed in their order; "!" is a move number
    // without a move.
    bool zuege() {
        Integer k = 1;
        return abschnitt([&](std::string_view c) {
            if (c == "/") return;
            if (c == "!") {
                k = toolkit::add(k, 1);
                return;
            }
            const std::string index = bis(":");
            weiter();
            const std::string digit(zeichen());
            // The move record itself is written by the digit entry when it
            // accepts the digit, so a file laid over a game can never leave
            // a recorded move pointing at another cell. Only its bounds are
            // checked here: an 82nd move entry is an error.
            if (k > 81) throw Failure(toolkit::fehler_index_ausserhalb, "mehr als 81 Züge");
            toolkit::Element& zelle = m_.txt_m(toolkit::to_integer(toolkit::val(index)));
            // A file laid over a game may not put a second digit into a
            // filled cell: two moves in one cell would break undo and
            // overflow the move records.
            if (!zelle.text().empty() && zelle.text() != digit)
                throw Failure(toolkit::fehler_index_ausserhalb, "Zelle schon belegt");
            // The write runs the digit entry of the cell, nested: the digit
            // is checked, recorded and shown exactly as if it were typed.
            zelle.setText(digit);
            k = toolkit::add(k, 1);
        });
    }

    // The digits of moves 1, 2, 3 ..., in order; "%" and "/" are skipped.
    bool ziffern() {
        Integer k = 0;
        return abschnitt([&](std::string_view c) {
            if (c == "%" || c == "/") return;
            k = toolkit::add(k, 1);
            m_.zug_ziffer(k) = ziffer(c);
        });
    }

    // One letter mark per cell; "?" leaves the cell's mark as it is.
    bool markierungen() {
        Integer i = 1;
        return abschnitt([&](std::string_view c) {
            if (c == "/") return;
            if (c != "?") {
                m_.markierung(i) = std::string(c);
                m_.lbl_c(i).setText(std::string(c));
            }
            i = toolkit::add(i, 1);
        });
    }

    // "i" makes the cell a given, "n" leaves it; the givens are counted anew.
    bool vorgaben() {
        m_.anz_d_ziff = 0;
        Integer i = 0;
        return abschnitt([&](std::string_view c) {
            if (c == "i") {
                i = toolkit::add(i, 1);
                m_.Vorgabe = True;
                m_.txt_m(i).setItalic(true);
                m_.anz_d_ziff = toolkit::add(m_.anz_d_ziff, 1);
            } else if (c == "n") {
                i = toolkit::add(i, 1);
            } else {
                ende_pruefen();
            }
        });
    }

    // Trailer: the number of moves, closed by "-".
    bool schluss() {
        std::string text;
        if (!zahl_text(text)) return false;
        const Integer zuege = zahl(text);
        // Only moves the replay has recorded can be counted: undo and the next
        // digit entry rely on a record for every move up to back, and the
        // records hold 81 moves.
        if (zuege < 0 || zuege > m_.back)
            throw Failure(toolkit::fehler_index_ausserhalb, "mehr Züge als aufgezeichnet");
        m_.back = zuege;
        return true;
    }

    frm_sudoku_main& m_;
    const std::string inhalt_;
    Integer pos_ = 1;
};

// Shows what went wrong while reading and does what follows from it.
void lesefehler(frm_sudoku_main& m, int nummer) {
    switch (nummer) {
        case toolkit::fehler_datei_nicht_gefunden:
            m.application().messageBox("Dateiname falsch geschrieben oder Datei nicht vorhanden!",
                                       toolkit::nur_ok, "Achtung!");
            break;
        case toolkit::fehler_ueberlauf:
        case toolkit::fehler_typen_unvertraeglich:
        case toolkit::fehler_element_index_ungueltig:
            // Damaged content: the program ends, without the exit question.
            if (m.Einlesen == True)
                m.application().messageBox(
                    "Die einzulesende Datei wurde beschädigt oder unzulässig geändert! Das "
                    "Programm wird daher beendet.",
                    toolkit::nur_ok, "Achtung!");
            m.beenden = True;
            m.cmd_exit_Click();
            break;
        default:
            // Reading stops; what was read so far stays in effect.
            m.application().messageBox("Ein umbekannter Fehler trat auf!", toolkit::nur_ok,
                                       "Achtung!");
    }
}

}  // namespace

void frm_sudoku_main::cmd_einlesen_vorgabe_Click() {
    if (cmd_einlesen_vorgabe.text() != datei_einlesen) {
        // Fixing the givens: every filled cell becomes a given, shown in italics.
        Vorgabe = True;
        cmd_einlesen_vorgabe.setEnabled(false);
        anz_d_ziff = back;
        for (int i = 1; i <= 81; ++i)
            if (!txt_m(i).text().empty()) txt_m(i).setItalic(true);
        return;
    }

    Einlesen = True;
    const std::string eingabe = application().inputBox(
        "Geben sie zum Einlesen den Dateinamen, z.B. sudoku1 ein!", "Hinweis!");
    try {
        Leser leser(*this, puzzle::lesen(eingabe + ".txt"));
        if (!leser.lesen()) return;
        // Disabled if the replay fixed the givens, enabled otherwise.
        cmd_einlesen_vorgabe.setText("Vorgabe beenden");
    } catch (const Failure& fehler) {
        lesefehler(*this, fehler.number());
    } catch (const std::exception&) {
        lesefehler(*this, 0);
    }
}

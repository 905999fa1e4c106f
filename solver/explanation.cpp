// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/explanation.h"

#include <algorithm>
#include <map>

#include "solver/explanation_chains.h"

namespace solver {

using namespace wording;

std::string_view levelName(Level level) {
    switch (level) {
        case Level::Leicht:
            return "leicht";
        case Level::Mittel:
            return "mittel";
        case Level::Schwer:
            return "schwer";
        case Level::SehrSchwer:
            return "sehr schwer";
        case Level::Extrem:
            return "extrem";
    }
    return {};
}

std::string_view techniqueName(Technique technique) {
    switch (technique) {
        case Technique::NakedSingle:
            return "Nackter Single";
        case Technique::HiddenSingle:
            return "Versteckter Single";
        case Technique::LockedCandidatesPointing:
            return "Gesperrte Kandidaten (Pointing)";
        case Technique::LockedCandidatesClaiming:
            return "Gesperrte Kandidaten (Claiming)";
        case Technique::NakedPair:
            return "Nacktes Paar";
        case Technique::HiddenPair:
            return "Verstecktes Paar";
        case Technique::NakedTriple:
            return "Nackter Dreier";
        case Technique::HiddenTriple:
            return "Versteckter Dreier";
        case Technique::NakedQuad:
            return "Nackter Vierer";
        case Technique::HiddenQuad:
            return "Versteckter Vierer";
        case Technique::XWing:
            return "X-Wing";
        case Technique::Swordfish:
            return "Schwertfisch";
        case Technique::Jellyfish:
            return "Quallenfisch";
        case Technique::Skyscraper:
            return "Wolkenkratzer";
        case Technique::TwoStringKite:
            return "Drachen";
        case Technique::TurbotFish:
            return "Turbot-Fisch";
        case Technique::EmptyRectangle:
            return "Leeres Rechteck";
        case Technique::XYWing:
            return "XY-Wing";
        case Technique::XYZWing:
            return "XYZ-Wing";
        case Technique::WWing:
            return "W-Wing";
        case Technique::RemotePair:
            return "Entfernte Paare";
        case Technique::SimpleColouring:
            return "Einfache Färbung";
        case Technique::UniqueRectangle1:
            return "Eindeutiges Rechteck Typ 1";
        case Technique::UniqueRectangle2:
            return "Eindeutiges Rechteck Typ 2";
        case Technique::UniqueRectangle3:
            return "Eindeutiges Rechteck Typ 3";
        case Technique::UniqueRectangle4:
            return "Eindeutiges Rechteck Typ 4";
        case Technique::HiddenRectangle:
            return "Verstecktes Rechteck";
        case Technique::Bug1:
            return "BUG+1";
        case Technique::FinnedXWing:
            return "X-Wing mit Flosse";
        case Technique::FinnedSwordfish:
            return "Schwertfisch mit Flosse";
        case Technique::FinnedJellyfish:
            return "Quallenfisch mit Flosse";
        case Technique::SueDeCoq:
            return "Sue de Coq";
        case Technique::XChain:
            return "X-Kette";
        case Technique::XYChain:
            return "XY-Kette";
        case Technique::NiceLoop:
            return "Alternierende Kette";
        case Technique::GroupedNiceLoop:
            return "Gruppierte alternierende Kette";
        case Technique::AlsXz:
            return "ALS-XZ";
        case Technique::AlsXyWing:
            return "ALS-XY-Wing";
        case Technique::CellForcingChain:
            return "Zellen-Forcing-Chain";
        case Technique::UnitForcingChain:
            return "Einheiten-Forcing-Chain";
        case Technique::ForcingNet:
            return "Forcing-Netz";
    }
    return {};
}

namespace wording {

namespace {

std::string number(int n) {
    return std::to_string(n);
}

const char* kindName(UnitKind kind) {
    switch (kind) {
        case UnitKind::Row:
            return "Zeile";
        case UnitKind::Column:
            return "Spalte";
        case UnitKind::Square:
            return "Quadrat";
    }
    return "";
}

std::vector<std::string> numbers(const std::vector<int>& values) {
    std::vector<std::string> items;
    for (int v : values) items.push_back(number(v));
    return items;
}

}  // namespace

std::string cellName(int position) {
    return "Zeile " + number(rowOf(position)) + ", Spalte " + number(columnOf(position));
}

std::string unitName(Unit unit) {
    return std::string(kindName(unit.kind)) + " " + number(unit.number);
}

std::string listOf(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " und " : ", ";
        text += items[i];
    }
    return text;
}

std::string digitList(const std::vector<int>& digits) {
    return listOf(numbers(digits));
}

std::string cellList(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (positions.empty()) return {};
    const auto sameColumn = [&](int p) { return columnOf(p) == columnOf(positions.front()); };
    if (positions.size() > 1 && std::all_of(positions.begin(), positions.end(), sameColumn)) {
        std::vector<int> rows;
        for (int p : positions) rows.push_back(rowOf(p));
        return "Spalte " + number(columnOf(positions.front())) + ", Zeilen " + digitList(rows);
    }
    // Row by row; the groups apart by semicolons, since each names its row
    // and columns with a comma.
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < positions.size();) {
        std::vector<int> columns;
        const int row = rowOf(positions[i]);
        for (; i < positions.size() && rowOf(positions[i]) == row; ++i)
            columns.push_back(columnOf(positions[i]));
        groups.push_back("Zeile " + number(row) +
                         (columns.size() > 1 ? ", Spalten " : ", Spalte ") + digitList(columns));
    }
    std::string text;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) text += i + 1 == groups.size() ? " und " : "; ";
        text += groups[i];
    }
    return text;
}

std::string cellsWithin(Unit unit, const std::vector<int>& positions) {
    if (unit.kind == UnitKind::Square) return cellList(positions);
    std::vector<int> others;
    for (int p : positions) others.push_back(unit.kind == UnitKind::Row ? columnOf(p) : rowOf(p));
    std::sort(others.begin(), others.end());
    const char* kind = unit.kind == UnitKind::Row ? "Spalte" : "Zeile";
    return std::string(kind) + (others.size() > 1 ? "n " : " ") + digitList(others);
}

std::string unitsPhrase(const std::vector<Unit>& units) {
    std::vector<std::string> parts;
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Square}) {
        std::vector<int> found;
        for (const Unit& u : units)
            if (u.kind == kind && std::find(found.begin(), found.end(), u.number) == found.end())
                found.push_back(u.number);
        if (found.empty()) continue;
        std::sort(found.begin(), found.end());
        const bool square = kind == UnitKind::Square;
        if (found.size() == 1)
            parts.push_back((square ? "im " : "in ") + unitName({kind, found.front()}));
        else
            parts.push_back((parts.empty() ? "in den " : "den ") +
                            std::string(square                  ? "Quadraten"
                                        : kind == UnitKind::Row ? "Zeilen"
                                                                : "Spalten") +
                            " " + digitList(found));
    }
    return listOf(parts);
}

std::string eliminationSentence(const std::vector<Candidate>& eliminations) {
    if (eliminations.empty()) return {};
    // By digit (the cells each digit leaves) or by cell (the digits each cell
    // loses), whichever needs fewer sentences.
    std::map<int, std::vector<int>> byDigit, byCell;
    for (const Candidate& c : eliminations) {
        byDigit[c.digit].push_back(c.position);
        byCell[c.position].push_back(c.digit);
    }
    std::string text;
    if (byDigit.size() <= byCell.size()) {
        for (const auto& [digit, cells] : byDigit)
            text += (text.empty() ? "Daher entfällt die " + number(digit) + " in "
                                  : " Die " + number(digit) + " entfällt in ") +
                    cellList(cells) + ".";
    } else {
        for (auto& [cell, digits] : byCell) {
            std::sort(digits.begin(), digits.end());
            const char* verb = digits.size() > 1 ? " entfallen die " : " entfällt die ";
            text += (text.empty()
                         ? "Daher" + std::string(verb) + digitList(digits) + " in " + cellName(cell)
                         : " In " + cellName(cell) + verb + digitList(digits)) +
                    ".";
        }
    }
    return text;
}

std::string placementSentence(Candidate placement) {
    return "Damit gehört die " + number(placement.digit) + " in " + cellName(placement.position) +
           ".";
}

std::string numberWord(int n) {
    switch (n) {
        case 2:
            return "zwei";
        case 3:
            return "drei";
        case 4:
            return "vier";
        default:
            return number(n);
    }
}

}  // namespace wording

namespace {

std::string number(int n) {
    return std::to_string(n);
}

std::string nakedSingle(const Step& step) {
    const Candidate c = step.placements.front();
    return "In " + cellName(c.position) + " ist nur noch die " + number(c.digit) + " möglich.";
}

// The three texts of a hidden single, by the kind of its unit.
std::string hiddenSingle(const Step& step) {
    const Candidate c = step.placements.front();
    const Unit unit = step.units.front();
    const std::string d = number(c.digit);
    switch (unit.kind) {
        case UnitKind::Row:
            return "In Zeile " + number(rowOf(c.position)) + " kann die " + d + " nur in Spalte " +
                   number(columnOf(c.position)) + " stehen.";
        case UnitKind::Column:
            return "In Spalte " + number(columnOf(c.position)) + " kann die " + d +
                   " nur in Zeile " + number(rowOf(c.position)) + " stehen.";
        case UnitKind::Square:
            break;
    }
    return "Im Quadrat " + number(unit.number) + " kann die " + d + " nur in " +
           cellName(c.position) + " stehen.";
}

// Pointing: "Im Quadrat 4 kann die 5 nur in Zeile 6 stehen (…)."; claiming:
// "In Zeile 6 kann die 5 nur im Quadrat 4 stehen (…)." The first unit holds
// the places, the second loses the digit elsewhere.
std::string lockedCandidates(const Step& step) {
    const Unit inside = step.units[0], along = step.units[1];
    const std::string in = inside.kind == UnitKind::Square ? "Im " : "In ";
    const std::string at = along.kind == UnitKind::Square ? "im " : "in ";
    return in + unitName(inside) + " kann die " + number(step.digits.front()) + " nur " + at +
           unitName(along) + " stehen (" + cellsWithin(inside, step.cells) + "). " +
           eliminationSentence(step.eliminations);
}

std::string nakedSubset(const Step& step) {
    const std::string n = numberWord(static_cast<int>(step.cells.size()));
    return "In " + cellList(step.cells) + " sind zusammen nur die " + digitList(step.digits) +
           " möglich: diese " + n + " Ziffern stehen " + unitsPhrase(step.units) +
           " in genau diesen " + n + " Zellen. " + eliminationSentence(step.eliminations);
}

std::string hiddenSubset(const Step& step) {
    const Unit unit = step.units.front();
    const std::string n = numberWord(static_cast<int>(step.cells.size()));
    return std::string(unit.kind == UnitKind::Square ? "Im " : "In ") + unitName(unit) +
           " können die " + digitList(step.digits) + " nur in " +
           (unit.kind == UnitKind::Square ? "" : "den ") + cellsWithin(unit, step.cells) +
           " stehen: diese " + n + " Zellen gehören diesen " + n + " Ziffern. " +
           eliminationSentence(step.eliminations);
}

// "In Zeile 4" / "Im Quadrat 2", or lower case within a sentence.
std::string inUnit(Unit unit, bool capital = false) {
    const char* in =
        unit.kind == UnitKind::Square ? (capital ? "Im " : "im ") : (capital ? "In " : "in ");
    return in + unitName(unit);
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

std::vector<Unit> unitRange(const Step& step, std::size_t from, std::size_t to) {
    return {step.units.begin() + static_cast<std::ptrdiff_t>(from),
            step.units.begin() + static_cast<std::ptrdiff_t>(to)};
}

// The base lines come first in the step's units, the cover lines after;
// fins are the cells in no cover line.
std::string fish(const Step& step) {
    const std::size_t n = step.units.size() / 2;
    const std::vector<Unit> base = unitRange(step, 0, n), cover = unitRange(step, n, 2 * n);
    const std::string d = number(step.digits.front());
    std::vector<int> fins;
    for (int p : step.cells)
        if (std::none_of(cover.begin(), cover.end(), [&](Unit u) {
                return (u.kind == UnitKind::Row ? rowOf(p) : columnOf(p)) == u.number;
            }))
            fins.push_back(p);
    const char* baseLines = base.front().kind == UnitKind::Row ? "Zeilen" : "Spalten";
    const std::string count = n == 2 ? "beiden" : numberWord(static_cast<int>(n));
    std::string text = capitalised(unitsPhrase(base)) + " kann die " + d + " nur " +
                       unitsPhrase(cover) + " stehen";
    if (fins.empty())
        return text + " (" + cellList(step.cells) + "). Also steht sie " + unitsPhrase(cover) +
               " nur in diesen " + count + " " + baseLines + ". " +
               eliminationSentence(step.eliminations);
    const Technique basic = n == 2   ? Technique::XWing
                            : n == 3 ? Technique::Swordfish
                                     : Technique::Jellyfish;
    return text + ", außer in " + cellList(fins) + " (Flosse). Steht sie nicht in der Flosse, " +
           "ist es ein " + std::string(techniqueName(basic)) + "; steht sie dort, steht sie " +
           inUnit({UnitKind::Square, squareOf(fins.front())}) + ". " +
           eliminationSentence(step.eliminations);
}

// A chain a = b - c = d of one digit (skyscraper, kite, turbot fish, empty
// rectangle): the chain's nodes and the two strong links' units.
std::string nodeName(const ChainNode& node) {
    return cellList(node.positions);
}

std::string fourNodeChain(const Step& step) {
    const Chain& chain = step.chains.front();
    const std::string d = number(step.digits.front());
    std::string text;
    if (step.technique == Technique::EmptyRectangle) {
        // The square's arms: the one the near end sees is its line's kind.
        const Unit square = step.units[0], link = step.units[1];
        const int near = chain[1].positions.front(), other = chain[3].positions.front();
        const bool rowArmNear = link.kind == UnitKind::Column;
        const std::string nearArm =
            rowArmNear ? "Zeile " + number(rowOf(near)) : "Spalte " + number(columnOf(near));
        const std::string otherArm =
            rowArmNear ? "Spalte " + number(columnOf(other)) : "Zeile " + number(rowOf(other));
        std::vector<int> inSquare = chain[2].positions;
        inSquare.insert(inSquare.end(), chain[3].positions.begin(), chain[3].positions.end());
        text = inUnit(square, true) + " kann die " + d + " nur in " +
               (rowArmNear ? nearArm + " und " + otherArm : otherArm + " und " + nearArm) +
               " stehen (" + cellList(inSquare) + "). " + inUnit(link, true) + " kann sie nur in " +
               nodeName(chain[1]) + " oder " + nodeName(chain[0]) + " stehen. Steht sie nicht in " +
               nodeName(chain[0]) + ", steht sie in " + nodeName(chain[1]) + ", also " +
               inUnit(square) + " nicht in " + nearArm + ", sondern in " + otherArm + ". ";
    } else {
        text = inUnit(step.units[0], true) + " kann die " + d + " nur in " + nodeName(chain[0]) +
               " oder " + nodeName(chain[1]) + " stehen, " + inUnit(step.units[1]) + " nur in " +
               nodeName(chain[2]) + " oder " + nodeName(chain[3]) + "; " + nodeName(chain[1]) +
               " und " + nodeName(chain[2]) + " sehen sich. Steht sie nicht in " +
               nodeName(chain[0]) + ", steht sie in " + nodeName(chain[1]) + ", also nicht in " +
               nodeName(chain[2]) + " und damit in " + nodeName(chain[3]) + ". ";
    }
    return text + "Sie steht also in " + nodeName(chain[0]) + " oder in " + nodeName(chain[3]) +
           ". " + eliminationSentence(step.eliminations);
}

// The candidates the step's pattern gives a cell.
std::vector<int> patternDigits(const Step& step, int position) {
    std::vector<int> digits;
    for (const Candidate& c : step.pattern)
        if (c.position == position) digits.push_back(c.digit);
    return digits;
}

std::string onlyDigits(const Step& step, int position) {
    return "in " + cellName(position) + " nur die " + digitList(patternDigits(step, position));
}

// Cells [pivot, wing, wing]; z is the removed digit.
std::string wing(const Step& step) {
    const int pivot = step.cells[0], w1 = step.cells[1], w2 = step.cells[2];
    const std::string z = number(step.eliminations.front().digit);
    std::string text = "Möglich sind " + onlyDigits(step, pivot) + ", " + onlyDigits(step, w1) +
                       " und " + onlyDigits(step, w2) + ". ";
    if (step.technique == Technique::XYZWing) {
        text += "Welche Ziffer " + cellName(pivot) + " auch erhält, eine der drei Zellen ist die " +
                z + ".";
    } else {
        const auto shared = [&](int wing) {
            for (int d : patternDigits(step, wing))
                if (std::to_string(d) != z) return number(d);
            return std::string();
        };
        text += "Ist " + cellName(pivot) + " die " + shared(w1) + ", ist " + cellName(w1) +
                " die " + z + "; ist sie die " + shared(w2) + ", ist " + cellName(w2) + " die " +
                z + ".";
    }
    return text + " " + eliminationSentence(step.eliminations);
}

// Cells [a, link end, link end, b]; the chain says which digit is which.
std::string wWing(const Step& step) {
    const Chain& chain = step.chains.front();
    const int a = step.cells[0], e1 = step.cells[1], e2 = step.cells[2], b = step.cells[3];
    const std::string x = number(chain[1].digit), y = number(chain[0].digit);
    return "In " + cellName(a) + " und in " + cellName(b) + " sind nur die " +
           digitList(patternDigits(step, a)) + " möglich. " + inUnit(step.units[0], true) +
           " kann die " + x + " nur in " + cellName(e1) + " oder " + cellName(e2) +
           " stehen. Die erste sieht " + cellName(a) + ", die zweite " + cellName(b) +
           ": eine der beiden ist die " + x + ", also ist " + cellName(a) + " oder " + cellName(b) +
           " nicht die " + x + ", sondern die " + y + ". " + eliminationSentence(step.eliminations);
}

std::string path(const std::vector<int>& cells) {
    std::string text;
    for (int p : cells) text += (text.empty() ? "" : " – ") + cellName(p);
    return text;
}

std::string remotePair(const Step& step) {
    const std::string digits = digitList(step.digits);
    return "In den Zellen " + path(step.cells) + " sind nur die " + digits +
           " möglich, und jede sieht die nächste: ihre Ziffern wechseln sich ab. " +
           cellName(step.cells.front()) + " und " + cellName(step.cells.back()) +
           " haben daher verschiedene Ziffern, eine die " + number(step.digits[0]) +
           " und eine die " + number(step.digits[1]) + ". " +
           eliminationSentence(step.eliminations);
}

std::string colouring(const Step& step) {
    const Chain& chain = step.chains.front();
    const std::string d = number(step.digits.front());
    std::vector<int> colour[2];
    for (const ChainNode& node : chain) colour[node.on ? 0 : 1].push_back(node.positions.front());
    std::string text = "Die " + d + " hat " + unitsPhrase(step.units) +
                       " jeweils nur zwei Plätze; diese verbinden " + cellList(step.cells) +
                       ". Abwechselnd gefärbt: Farbe A hat " + cellList(colour[0]) +
                       ". Farbe B hat " + cellList(colour[1]) + ". Die " + d +
                       " steht in allen Zellen einer Farbe. ";
    // A wrap removes the digit from the cells of one colour.
    for (int c = 0; c < 2; ++c) {
        if (std::find(colour[c].begin(), colour[c].end(), step.eliminations.front().position) ==
            colour[c].end())
            continue;
        for (int p : colour[c])
            for (int q : colour[c])
                if (p < q && sees(p, q))
                    return text + cellName(p) + " und " + cellName(q) + " haben Farbe " +
                           (c == 0 ? "A" : "B") + " und sehen sich: in Farbe " +
                           (c == 0 ? "A" : "B") + " steht die " + d + " nicht. " +
                           eliminationSentence(step.eliminations);
    }
    std::vector<int> targets;
    for (const Candidate& e : step.eliminations) targets.push_back(e.position);
    return text + cellList(targets) + (targets.size() > 1 ? " sehen" : " sieht") +
           " beide Farben. " + eliminationSentence(step.eliminations);
}

// The rectangle's corners are the step's first four cells.
std::string rectangle(const Step& step) {
    const std::vector<int> corners(step.cells.begin(), step.cells.begin() + 4);
    const int a = step.digits[0], b = step.digits[1];
    const std::string ab = number(std::min(a, b)) + " und " + number(std::max(a, b));
    std::vector<int> floor, roof;
    for (int p : corners) {
        const std::vector<int> digits = patternDigits(step, p);
        const bool extra =
            std::any_of(digits.begin(), digits.end(), [&](int d) { return d != a && d != b; });
        const bool loses = std::any_of(step.eliminations.begin(), step.eliminations.end(),
                                       [&](const Candidate& c) { return c.position == p; });
        (extra || loses ? roof : floor).push_back(p);
    }
    std::string text = "Die Ecken " + cellList(corners) +
                       " eines Rechtecks in zwei Quadraten enthalten alle die " + ab + ". ";
    const std::string deadly =
        "ließen sich die " + ab + " im Rechteck tauschen, und das Sudoku hätte zwei Lösungen. ";
    switch (step.technique) {
        case Technique::UniqueRectangle1:
            text += "In drei von ihnen sind nur diese beiden möglich. Stünde auch in " +
                    cellList(roof) + " die " + number(a) + " oder " + number(b) + ", " + deadly;
            break;
        case Technique::UniqueRectangle2: {
            const std::string c = number(step.digits[2]);
            text += "In " + cellList(floor) + " sind nur diese beiden möglich, in " +
                    cellList(roof) + " dazu nur die " + c + ". Ohne die " + c + " dort " + deadly +
                    "Eine der beiden ist also die " + c + ". ";
            break;
        }
        case Technique::UniqueRectangle3: {
            const std::vector<int> subset(step.cells.begin() + 4, step.cells.end());
            const std::vector<int> digits(step.digits.begin() + 2, step.digits.end());
            text += "In " + cellList(floor) + " sind nur diese beiden möglich; sonst " + deadly +
                    "Also hat eine der Ecken " + cellList(roof) + " eine andere Ziffer als die " +
                    ab + ". Mit " + cellList(subset) + " hat sie " + inUnit(step.units.back()) +
                    " zusammen nur die " + digitList(digits) + ": diese " +
                    numberWord(static_cast<int>(digits.size())) + " Ziffern gehören diesen " +
                    numberWord(static_cast<int>(digits.size())) + " Zellen. ";
            break;
        }
        case Technique::UniqueRectangle4:
            text += "In " + cellList(floor) + " sind nur diese beiden möglich. " +
                    inUnit(step.units.back(), true) + " kann die " + number(a) + " nur in " +
                    cellList(roof) + " stehen: eine der beiden ist die " + number(a) +
                    ". Wäre die andere die " + number(b) + ", " + deadly;
            break;
        default: {
            // Hidden rectangle: the corner with only a and b is opposite the
            // one that loses b.
            const int target = step.eliminations.front().position;
            int only = -1;
            for (int p : corners)
                if (rowOf(p) != rowOf(target) && columnOf(p) != columnOf(target)) only = p;
            text += "In " + cellName(only) + " sind nur diese beiden möglich. In Zeile " +
                    number(rowOf(target)) + " und Spalte " + number(columnOf(target)) +
                    " kann die " + number(a) + " nur in Ecken des Rechtecks stehen. Wäre " +
                    cellName(target) + " die " + number(b) + ", wären die Ecken neben ihr die " +
                    number(a) + " und " + cellName(only) + " die " + number(b) + ": dann " + deadly;
            break;
        }
    }
    return text + eliminationSentence(step.eliminations);
}

std::string bug1(const Step& step) {
    const Candidate c = step.placements.front();
    return "Bis auf " + cellName(c.position) +
           " sind in jeder offenen Zelle nur noch zwei Ziffern möglich, dort die " +
           digitList(step.digits) + ". Ohne die " + number(c.digit) +
           " in dieser Zelle hätte jede Ziffer in jeder Einheit genau zwei Plätze, und das Sudoku "
           "hätte "
           "mehr als eine Lösung. Also gehört die " +
           number(c.digit) + " in " + cellName(c.position) + ".";
}

// Until a technique has its own template: its name, its cells and what it
// removes or places.
std::string generic(const Step& step) {
    std::string text = std::string(techniqueName(step.technique));
    if (!step.cells.empty()) text += " in " + cellList(step.cells);
    text += ".";
    if (!step.eliminations.empty()) text += " " + eliminationSentence(step.eliminations);
    for (const Candidate& c : step.placements) text += " " + placementSentence(c);
    return text;
}

}  // namespace

std::string explain(const Step& step) {
    switch (step.technique) {
        case Technique::NakedSingle:
            return nakedSingle(step);
        case Technique::HiddenSingle:
            return hiddenSingle(step);
        case Technique::LockedCandidatesPointing:
        case Technique::LockedCandidatesClaiming:
            return lockedCandidates(step);
        case Technique::NakedPair:
        case Technique::NakedTriple:
        case Technique::NakedQuad:
            return nakedSubset(step);
        case Technique::HiddenPair:
        case Technique::HiddenTriple:
        case Technique::HiddenQuad:
            return hiddenSubset(step);
        case Technique::XWing:
        case Technique::Swordfish:
        case Technique::Jellyfish:
        case Technique::FinnedXWing:
        case Technique::FinnedSwordfish:
        case Technique::FinnedJellyfish:
            return fish(step);
        case Technique::Skyscraper:
        case Technique::TwoStringKite:
        case Technique::TurbotFish:
        case Technique::EmptyRectangle:
            return fourNodeChain(step);
        case Technique::XYWing:
        case Technique::XYZWing:
            return wing(step);
        case Technique::WWing:
            return wWing(step);
        case Technique::RemotePair:
            return remotePair(step);
        case Technique::SimpleColouring:
            return colouring(step);
        case Technique::UniqueRectangle1:
        case Technique::UniqueRectangle2:
        case Technique::UniqueRectangle3:
        case Technique::UniqueRectangle4:
        case Technique::HiddenRectangle:
            return rectangle(step);
        case Technique::Bug1:
            return bug1(step);
        default:
            if (std::optional<std::string> text = explainChainStep(step)) return *text;
            return generic(step);
    }
}

namespace {

std::vector<std::string> namesOf(const std::vector<Technique>& techniques) {
    std::vector<std::string> names;
    for (Technique t : techniques) names.emplace_back(techniqueName(t));
    return names;
}

}  // namespace

std::string hintOutline(const HintPlan& plan) {
    std::string text = plan.steps.size() > 1 ? "Die nächsten Schritte (" : "Der nächste Schritt (";
    text += std::string(levelName(plan.level)) + "): ";
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const Step& step = plan.steps[i];
        if (i > 0) text += i + 1 == plan.steps.size() ? "; danach " : "; ";
        text += techniqueName(step.technique);
        if (!step.units.empty()) text += " " + unitsPhrase(step.units);
    }
    return text + ". Noch einmal Strg+H zeigt den ganzen Weg.";
}

std::string hintReasoning(const HintPlan& plan) {
    std::string text;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const Step& step = plan.steps[i];
        const bool last = i + 1 == plan.steps.size();
        if (i > 0) text += "\n";
        std::string sentences = explain(step);
        // Each step above the singles under the name the outline gave it,
        // so that the user can tell which sentences belong to which.
        const std::string_view name = techniqueName(step.technique);
        if (levelOf(step.technique) > Level::Leicht && !sentences.starts_with(name))
            sentences = std::string(name) + ": " + sentences;
        text += (last && i > 0 && levelOf(step.technique) == Level::Leicht ? "Danach gilt: " : "") +
                sentences;
    }
    return text + "\n" + placementSentence(plan.target);
}

std::string difficultyText(const Rating& rating) {
    std::string text = "Schwierigkeit: " + std::string(levelName(rating.level)) + ".";
    const std::string techniques = listOf(namesOf(rating.techniques));
    if (!rating.solved)
        return text + " Die Techniken des Programms reichen nicht bis zum Ende" +
               (techniques.empty() ? "." : "; bis dahin nötig: " + techniques + ".");
    if (rating.level == Level::Leicht) return text;
    return text + (rating.techniques.size() > 1 ? " Nötig sind dafür: " : " Nötig ist dafür: ") +
           techniques + ".";
}

}  // namespace solver

// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the chains, almost locked sets and forcing chains. A chain is
// written compactly, as hand-solvers write it: a cell "Z4S6" (row 4, column
// 6), a group "Z4S56" (row 4, columns 5 and 6) or "Z45S6", other sets of
// cells "Z1S4/Z2S5"; the digit in brackets where it changes, "=" between two
// nodes of which one is true, "−" between two of which one is false:
// "(5) Z4S6 = Z4S9 − Z7S9 = Z7S2". A branch of a forcing chain is a row of
// facts, "Z1S1=5 ⇒ Z1S2≠5 ⇒ Z1S2=3".
#include "solver/explanation_chains.h"

#include <algorithm>

#include "solver/explanation.h"

namespace solver {

using namespace wording;

namespace {

std::string number(int n) {
    return std::to_string(n);
}

std::string joined(const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += number(v);
    return text;
}

// "Z4S6", "Z4S56", "Z45S6", "Z1S4/Z2S5".
std::string cellsCode(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end());
    std::vector<int> rows, columns;
    for (int p : positions) {
        rows.push_back(rowOf(p));
        columns.push_back(columnOf(p));
    }
    const auto same = [](const std::vector<int>& v) {
        return std::all_of(v.begin(), v.end(), [&](int x) { return x == v.front(); });
    };
    if (same(rows)) {
        std::sort(columns.begin(), columns.end());
        return "Z" + number(rows.front()) + "S" + joined(columns);
    }
    if (same(columns)) return "Z" + joined(rows) + "S" + number(columns.front());
    std::string text;
    for (int p : positions)
        text += (text.empty() ? "Z" : "/Z") + number(rowOf(p)) + "S" + number(columnOf(p));
    return text;
}

// An alternating chain: a node false, the next true, and so on.
std::string chainCode(const Chain& chain) {
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (i > 0) text += chain[i].on ? " = " : " − ";
        if (i == 0 || chain[i].digit != chain[i - 1].digit)
            text += "(" + number(chain[i].digit) + ") ";
        text += cellsCode(chain[i].positions);
    }
    return text;
}

// "die 5 in Zeile 4, Spalte 6", "die 5 in Zeile 4, Spalten 5 und 6".
std::string nodeText(const ChainNode& node) {
    return "die " + number(node.digit) + " in " + cellList(node.positions);
}

const char* const notation =
    " („=“: ist das eine falsch, ist das andere wahr; „−“: ist das eine wahr, ist das andere "
    "falsch.) ";

std::string conclusion(const Step& step) {
    std::string text = eliminationSentence(step.eliminations);
    for (const Candidate& c : step.placements)
        text += (text.empty() ? "" : " ") + placementSentence(c);
    return text;
}

std::string alternatingChain(const Step& step) {
    const Chain& chain = step.chains.front();
    const ChainNode &first = chain.front(), &last = chain.back();
    std::string text =
        std::string(techniqueName(step.technique)) + ": " + chainCode(chain) + "." + notation;
    if (!last.on)
        return text + "Die Kette schließt sich zum Ring: in einem Ring ist von den zwei Enden " +
               "jeder Verbindung genau eines wahr. " + conclusion(step);
    const bool proves = first.positions == last.positions && first.digit == last.digit;
    if (proves)
        return text + "Stünde " + nodeText(first) +
               " nicht, stünde sie nach der Kette doch dort. " +
               (step.placements.empty() ? "Sie steht also dort. " : "") + conclusion(step);
    return text + "Ist " + nodeText(first) + " falsch, ist " + nodeText(last) +
           " wahr: eine der beiden ist wahr. " + conclusion(step);
}

// The candidates the step's pattern gives a set of cells.
std::vector<int> digitsIn(const Step& step, const std::vector<int>& cells) {
    std::vector<int> digits;
    for (const Candidate& c : step.pattern)
        if (std::find(cells.begin(), cells.end(), c.position) != cells.end())
            digits.push_back(c.digit);
    std::sort(digits.begin(), digits.end());
    digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
    return digits;
}

// "in Zeile 1, Spalten 2 und 5 nur die 1, 3 und 7"
std::string setText(const Step& step, const std::vector<int>& cells) {
    return "in " + cellList(cells) + " nur die " + digitList(digitsIn(step, cells));
}

// ALS-XZ: (z)A = (x)A − (x)B = (z)B, one chain per z; doubly linked, the
// loop (x)A = (y)A − (y)B = (x)B − (x)A.
std::string alsXz(const Step& step) {
    const Chain& first = step.chains.front();
    const std::vector<int>&a = first[0].positions, &b = first[2].positions;
    const std::string x = number(first[1].digit);
    std::string text = "ALS-XZ: Zusammen sind " + setText(step, a) + " möglich und " +
                       setText(step, b) +
                       ": je eine Ziffer mehr als Zellen (fast nackte Mengen). Jede " + x +
                       " der einen Menge sieht jede " + x + " der anderen; die " + x +
                       " steht also höchstens in einer, und die andere ist ohne sie eine nackte "
                       "Menge. ";
    if (first.size() == 5) {
        const std::string y = number(first[0].digit);
        return text + "Dasselbe gilt für die " + y +
               ": beide Mengen sind nackte Mengen, die eine " + "ohne die " + x +
               ", die andere ohne die " + y + " (" + chainCode(first) + "). " + conclusion(step);
    }
    std::vector<int> zs;
    std::string codes;
    for (const Chain& chain : step.chains) {
        zs.push_back(chain[0].digit);
        codes += (codes.empty() ? "" : "; ") + chainCode(chain);
    }
    return text + "Damit steht die " + digitList(zs) + " in einer der beiden Mengen (" + codes +
           "). " + conclusion(step);
}

// ALS-XY-Wing: (z)A = (x)A − (x)C = (y)C − (y)B = (z)B.
std::string alsXyWing(const Step& step) {
    const Chain& first = step.chains.front();
    const std::vector<int>&a = first[0].positions, &c = first[2].positions, &b = first[4].positions;
    const std::string x = number(first[1].digit), y = number(first[3].digit);
    std::vector<int> zs;
    for (const Chain& chain : step.chains) zs.push_back(chain[0].digit);
    const std::string z = digitList(zs);
    return "ALS-XY-Wing: Zusammen sind " + setText(step, a) + " möglich, " + setText(step, b) +
           " und " + setText(step, c) + ": je eine Ziffer mehr als Zellen. Jede " + x + " in " +
           cellList(a) + " sieht jede " + x + " in " + cellList(c) + ", jede " + y + " in " +
           cellList(b) + " jede " + y + " in " + cellList(c) + ". Die Menge in " + cellList(c) +
           " enthält die " + x + " oder die " + y + ". Enthält sie die " + x + ", fehlt die " + x +
           " der Menge in " + cellList(a) + ", die dann als nackte Menge die " + z +
           " enthält; enthält sie die " + y + ", gilt das für die Menge in " + cellList(b) +
           ". Also steht die " + z + " in einer der beiden (" + chainCode(first) + "). " +
           conclusion(step);
}

std::string sueDeCoq(const Step& step) {
    const Unit line = step.units[0], square = step.units[1];
    const auto inside = [](Unit unit, int p) {
        switch (unit.kind) {
            case UnitKind::Row:
                return rowOf(p) == unit.number;
            case UnitKind::Column:
                return columnOf(p) == unit.number;
            case UnitKind::Square:
                break;
        }
        return squareOf(p) == unit.number;
    };
    std::vector<int> core, lineCells, squareCells;
    for (int p : step.cells) {
        const bool l = inside(line, p), s = inside(square, p);
        (l && s ? core : l ? lineCells : squareCells).push_back(p);
    }
    const std::vector<int> all = digitsIn(step, step.cells);
    const std::vector<int> lineDigits = digitsIn(step, lineCells),
                           squareDigits = digitsIn(step, squareCells);
    const auto without = [&](const std::vector<int>& lacking) {
        std::vector<int> digits;
        for (int d : all)
            if (std::find(lacking.begin(), lacking.end(), d) == lacking.end()) digits.push_back(d);
        return digits;
    };
    const std::string n = number(static_cast<int>(step.cells.size()));
    return "Sue de Coq: Im Schnitt von " + unitName(line) + " und " + unitName(square) + " sind " +
           setText(step, core) + " möglich, dazu " + setText(step, lineCells) + " (in der " +
           (line.kind == UnitKind::Row ? "Zeile" : "Spalte") + ") und " +
           setText(step, squareCells) + " (im Quadrat). Die " + n +
           " Zellen haben zusammen genau " + n +
           " Ziffern, jede steht also genau einmal in ihnen: die " +
           digitList(without(squareDigits)) + " in " + unitName(line) + ", die " +
           digitList(without(lineDigits)) + " im " + unitName(square) + ". " + conclusion(step);
}

// "Z1S1=5", "Z1S2≠5"; a contradiction as what it is.
std::string factCode(const ChainNode& node) {
    if (node.digit == 0) return cellsCode(node.positions) + " ohne Kandidat";
    if (node.positions.size() == 9) {
        const int p = node.positions.front(), q = node.positions.back();
        const Unit unit = rowOf(p) == rowOf(q)         ? Unit{UnitKind::Row, rowOf(p)}
                          : columnOf(p) == columnOf(q) ? Unit{UnitKind::Column, columnOf(p)}
                                                       : Unit{UnitKind::Square, squareOf(p)};
        return "keine " + number(node.digit) + " " +
               (unit.kind == UnitKind::Square ? "im " : "in ") + unitName(unit);
    }
    return cellsCode(node.positions) + (node.on ? "=" : "≠") + number(node.digit);
}

bool contradicts(const Chain& branch) {
    const ChainNode& last = branch.back();
    return last.digit == 0 || last.positions.size() == 9;
}

// A branch: in a chain each fact follows from the one before it, in a net
// from the ones before it.
std::string branchCode(const Chain& branch, bool net) {
    std::string text = factCode(branch.front());
    if (net && branch.size() > 1) text += ", daraus nacheinander";
    for (std::size_t i = 1; i < branch.size(); ++i)
        text += (net ? (i == 1 ? " " : ", ") : " ⇒ ") + factCode(branch[i]);
    if (contradicts(branch)) text += ": ein Widerspruch";
    return text;
}

std::string forcing(const Step& step) {
    const bool net = step.technique == Technique::ForcingNet;
    std::string text = std::string(techniqueName(step.technique)) + ": ";
    if (step.chains.size() == 1) {
        const Candidate premise = step.pattern.front();
        return text + "Wäre " + cellName(premise.position) + " die " + number(premise.digit) +
               ", folgte " + branchCode(step.chains.front(), net) + ". Also ist sie es nicht. " +
               conclusion(step);
    }
    std::vector<int> cells;
    for (const Candidate& c : step.pattern) cells.push_back(c.position);
    const int digit = step.pattern.front().digit;
    const bool oneCell =
        std::all_of(cells.begin(), cells.end(), [&](int p) { return p == cells.front(); });
    if (oneCell) {
        text += "In " + cellName(cells.front()) + " sind nur die " +
                digitList(digitsIn(step, {cells.front()})) + " möglich.";
    } else {
        const Unit unit = step.units.front();
        text += std::string(unit.kind == UnitKind::Square ? "Im " : "In ") + unitName(unit) +
                " kann die " + number(digit) + " nur in " + cellsWithin(unit, cells) + " stehen.";
    }
    for (std::size_t i = 0; i < step.chains.size(); ++i) {
        const Candidate premise = step.pattern[i];
        text += oneCell ? " Ist sie die " + number(premise.digit)
                        : " Steht sie in " + cellName(premise.position);
        text += ": " + branchCode(step.chains[i], net) + ".";
    }
    return text + " In jedem möglichen Fall gilt dasselbe. " + conclusion(step);
}

}  // namespace

std::optional<std::string> explainChainStep(const Step& step) {
    switch (step.technique) {
        case Technique::XChain:
        case Technique::XYChain:
        case Technique::NiceLoop:
        case Technique::GroupedNiceLoop:
            return alternatingChain(step);
        case Technique::SueDeCoq:
            return sueDeCoq(step);
        case Technique::AlsXz:
            return alsXz(step);
        case Technique::AlsXyWing:
            return alsXyWing(step);
        case Technique::CellForcingChain:
        case Technique::UnitForcingChain:
        case Technique::ForcingNet:
            return forcing(step);
        default:
            return std::nullopt;
    }
}

}  // namespace solver

// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/explanation.h"

#include <algorithm>
#include <map>

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
        default:
            return generic(step);
    }
}

}  // namespace solver

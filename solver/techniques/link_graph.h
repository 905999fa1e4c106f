// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/candidate_grid.h"
#include "solver/techniques/bit_set.h"
#include "solver/techniques/common.h"

// The links between the candidates of a grid that alternating chains walk.
// A node is a candidate (a digit in one cell, numbered as candidateIndex) or
// a group: a digit in two or three cells of one intersection of a square with
// a row or column, true when the digit stands in one of them. A weak link
// joins two nodes that cannot both be true (when one is true the other is
// false); a strong link joins two that cannot both be false (when one is
// false the other is true): the two digits of a cell with two candidates, or
// the two places of a digit in a unit.
namespace solver::techniques {

// 54 intersections, nine digits each.
inline constexpr int max_groups = 54 * 9;
inline constexpr int max_nodes = candidate_count + max_groups;
using NodeSet = BitSet<max_nodes>;

// The cells that see every cell of a set (the set's own cells excluded).
CellSet commonPeers(CellSet cells);
inline bool subsetOf(CellSet a, CellSet b) {
    return a.without(b).none();
}
inline bool intersect(CellSet a, CellSet b) {
    return !(a & b).none();
}

struct StrongLink {
    std::int16_t node = 0;
    std::int8_t unit = -1;  // the unit index, or -1 for the two digits of a cell
};

class LinkGraph {
  public:
    // The links a search may use.
    struct Options {
        bool cellLinks = true;     // links between two digits of one cell
        bool unitLinks = true;     // strong links between two places of a digit in a unit
        bool bivalueOnly = false;  // only candidates of cells with two candidates
        bool groups = false;       // group nodes
    };

    LinkGraph(const CandidateGrid& grid, Options options);

    int nodeCount() const { return candidate_count + static_cast<int>(groups_.size()); }
    static bool isGroup(int node) { return node >= candidate_count; }
    int digit(int node) const;
    // The cells of a node, ascending.
    std::span<const int> positions(int node) const;

    // The nodes a chain may use.
    const NodeSet& nodes() const { return nodes_; }
    // The usable nodes that are false when the node is true.
    const NodeSet& weak(int node) const { return weak_[node]; }
    // The usable nodes that are true when the node is false.
    std::span<const StrongLink> strong(int node) const {
        return {strong_[node].data(), strongCount_[node]};
    }
    // Every candidate of the grid (usable or not) that is false when the node
    // is true: what a chain ending in it may eliminate.
    NodeSet conflicts(int node) const;
    // The same, candidates only (quicker).
    NodeSet candidateConflicts(int node) const;
    // The cells of a unit where a digit is open.
    CellSet places(int unitIndex, int digit) const {
        return digitCells_[digit] & unitSet(unitIndex);
    }
    // Whether two nodes cannot both be true.
    bool conflict(int a, int b) const;

  private:
    struct Group {
        int digit = 0;
        CellSet cells;
        std::array<int, 3> positions{};
        int size = 0;
        int line = 0;    // unit index of the row or column
        int square = 0;  // unit index of the square
        NodeSet conflicts;
    };

    const CandidateGrid& grid_;
    NodeSet present_;                     // the grid's candidates
    std::array<CellSet, 10> digitCells_;  // where each digit is open
    NodeSet nodes_;
    std::vector<Group> groups_;
    std::vector<NodeSet> weak_;
    std::vector<std::array<StrongLink, 4>> strong_;
    std::vector<std::uint8_t> strongCount_;
    std::array<int, 81> single_{};  // a candidate's own cell, for positions()

    void addGroups();
    void addStrongLinks(const Options& options);
    void addStrong(int from, int to, int unit);
    // The node whose cells are exactly these places of a digit: a candidate
    // or a group; -1 if there is none.
    int nodeFor(CellSet places, int digit) const;
};

}  // namespace solver::techniques

// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/techniques/link_graph.h"

#include <numeric>

namespace solver::techniques {

namespace {

struct Tables {
    // Every candidate that cannot be true together with a candidate: the
    // other digits of its cell and its digit in the cell's peers.
    std::array<NodeSet, candidate_count> conflicts;

    Tables() {
        for (int p = 0; p < 81; ++p)
            for (int d = 1; d <= 9; ++d) {
                NodeSet& set = conflicts[candidateIndex(p, d)];
                for (int e = 1; e <= 9; ++e)
                    if (e != d) set.set(candidateIndex(p, e));
                for (int q : solver::peers(p)) set.set(candidateIndex(q, d));
            }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

}  // namespace

CellSet commonPeers(CellSet cells) {
    CellSet common;
    bool first = true;
    cells.forEach([&](int p) {
        common = first ? peerSet(p) : common & peerSet(p);
        first = false;
    });
    return common;
}

LinkGraph::LinkGraph(const CandidateGrid& grid, Options options) : grid_(grid) {
    std::iota(single_.begin(), single_.end(), 0);
    for (int p = 0; p < 81; ++p) {
        if (!grid.empty(p)) continue;
        const bool bivalue = grid.candidateCount(p) == 2;
        for (int d = 1; d <= 9; ++d)
            if (grid.has(p, d)) {
                present_.set(candidateIndex(p, d));
                digitCells_[d].add(p);
                if (bivalue || !options.bivalueOnly) nodes_.set(candidateIndex(p, d));
            }
    }
    if (options.groups) addGroups();
    addStrongLinks(options);
    // A node without a strong link is never true in a chain, and a chain
    // that makes it false ends there: the search leaves it out.
    for (int node = 0; node < nodeCount(); ++node)
        if (strongCount_[node] == 0) nodes_.reset(node);

    const int count = nodeCount();
    weak_.resize(count);
    present_.forEach([&](int c) {
        if (!nodes_.test(c)) return;
        NodeSet& weak = weak_[c];
        weak = tables().conflicts[c] & nodes_;
        if (!options.cellLinks) {
            const int first = positionOfCandidate(c) * 9;
            for (int e = first; e < first + 9; ++e) weak.reset(e);
        }
    });
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g) {
        const int node = candidate_count + g;
        if (!nodes_.test(node)) continue;
        weak_[node] = groups_[g].conflicts & nodes_;
        // Conflicts are mutual: a candidate or group that a group excludes
        // excludes the group.
        weak_[node].forEach([&](int other) { weak_[other].set(node); });
    }
}

int LinkGraph::digit(int node) const {
    return isGroup(node) ? groups_[node - candidate_count].digit : digitOfCandidate(node);
}

std::span<const int> LinkGraph::positions(int node) const {
    if (isGroup(node)) {
        const Group& group = groups_[node - candidate_count];
        return {group.positions.data(), static_cast<std::size_t>(group.size)};
    }
    return {&single_[positionOfCandidate(node)], 1};
}

bool LinkGraph::conflict(int a, int b) const {
    if (isGroup(a)) return groups_[a - candidate_count].conflicts.test(b);
    if (isGroup(b)) return groups_[b - candidate_count].conflicts.test(a);
    return tables().conflicts[a].test(b);
}

NodeSet LinkGraph::candidateConflicts(int node) const {
    if (isGroup(node)) return groups_[node - candidate_count].conflicts & present_;
    return tables().conflicts[node] & present_;
}

NodeSet LinkGraph::conflicts(int node) const {
    if (isGroup(node)) return groups_[node - candidate_count].conflicts;
    NodeSet result = tables().conflicts[node] & present_;
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g)
        if (groups_[g].conflicts.test(node)) result.set(candidate_count + g);
    return result;
}

void LinkGraph::addGroups() {
    for (int square = 0; square < 9; ++square) {
        for (int k = 0; k < 6; ++k) {
            // Three rows of the square, then its three columns.
            const int line = k < 3 ? square / 3 * 3 + k : 9 + square % 3 * 3 + k - 3;
            const CellSet cells = unitSet(line) & unitSet(18 + square);
            for (int d = 1; d <= 9; ++d) {
                const CellSet places = digitCells_[d] & cells;
                if (places.count() < 2) continue;
                Group group;
                group.digit = d;
                group.cells = places;
                places.forEach([&](int p) { group.positions[group.size++] = p; });
                group.line = line;
                group.square = 18 + square;
                (digitCells_[d] & commonPeers(places)).forEach([&](int p) {
                    group.conflicts.set(candidateIndex(p, d));
                });
                groups_.push_back(group);
            }
        }
    }
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g) {
        Group& group = groups_[g];
        const CellSet seen = commonPeers(group.cells);
        for (int h = 0; h < static_cast<int>(groups_.size()); ++h)
            if (groups_[h].digit == group.digit && subsetOf(groups_[h].cells, seen))
                group.conflicts.set(candidate_count + h);
        nodes_.set(candidate_count + g);
    }
}

void LinkGraph::addStrong(int from, int to, int unit) {
    if (to < 0 || !nodes_.test(to)) return;
    std::uint8_t& count = strongCount_[from];
    for (int i = 0; i < count; ++i)
        if (strong_[from][i].node == to) return;  // the same two places in a row and a square
    strong_[from][count++] = {static_cast<std::int16_t>(to), static_cast<std::int8_t>(unit)};
}

void LinkGraph::addStrongLinks(const Options& options) {
    strong_.resize(nodeCount());
    strongCount_.assign(nodeCount(), 0);
    nodes_.forEach([&](int node) {
        const int d = digit(node);
        if (!isGroup(node)) {
            const int p = positionOfCandidate(node);
            if (options.cellLinks && grid_.candidateCount(p) == 2) {
                const DigitSet other = grid_.candidates(p) & static_cast<DigitSet>(~digitBit(d));
                addStrong(node, candidateIndex(p, std::countr_zero(other)), -1);
            }
            if (!options.unitLinks) return;
            for (const Unit& unit : unitsOf(p)) {
                const int u = unitIndex(unit);
                CellSet rest = digitCells_[d] & unitSet(u);
                rest.remove(p);
                addStrong(node, nodeFor(rest, d), u);
            }
            return;
        }
        if (!options.unitLinks) return;
        const Group& group = groups_[node - candidate_count];
        for (int u : {group.line, group.square})
            addStrong(node, nodeFor((digitCells_[d] & unitSet(u)).without(group.cells), d), u);
    });
}

int LinkGraph::nodeFor(CellSet places, int digit) const {
    const int count = places.count();
    if (count == 1) return candidateIndex(places.first(), digit);
    if (count < 2 || count > 3) return -1;
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g)
        if (groups_[g].digit == digit && groups_[g].cells == places) return candidate_count + g;
    return -1;
}

}  // namespace solver::techniques

// SPDX-License-Identifier: GPL-3.0-or-later
// Alternating chains: X-chains, XY-chains, and nice loops (alternating
// inference chains), grouped or not. A chain starts with a node assumed
// false and alternates a strong link (so the next node is true) and a weak
// link (so the next is false) until it reaches a node that is true. Then the
// first or the last node is true, and every candidate in conflict with both
// is false. A chain that ends in its own start proves the start; a chain
// whose end conflicts with its start closes into a continuous loop, in which
// every weak link holds both ways.
//
// The search is breadth first from every start at once, one strong and one
// weak link per round, so that the shortest chains come out first.
#include <optional>
#include <vector>

#include "solver/techniques.h"
#include "solver/techniques/link_graph.h"
#include "solver/techniques/step_parts.h"

namespace solver::techniques {

namespace {

// The fewest nodes of a chain (A = B - C = D), and the most.
constexpr int shortest_chain = 4;
constexpr int longest_chain = 20;

struct PathNode {
    int node;
    bool on;
};

struct ChainRules {
    LinkGraph::Options links;
    bool sameDigitEnds = false;  // an XY-chain starts and ends with the same digit
};

// The shortest alternating path from start (false) to end (true); parent
// links found by a breadth-first search like the one in searchChains.
std::vector<PathNode> shortestPath(const LinkGraph& graph, int start, int end) {
    const int count = graph.nodeCount();
    std::vector<std::int16_t> parentOn(count, -1), parentOff(count, -1);
    NodeSet visitedOn, visitedOff, frontier;
    visitedOff.set(start);
    frontier.set(start);
    while (!visitedOn.test(end) && frontier.any()) {
        NodeSet on;
        frontier.forEach([&](int n) {
            for (const StrongLink& link : graph.strong(n))
                if (!visitedOn.test(link.node) && !on.test(link.node)) {
                    on.set(link.node);
                    parentOn[link.node] = static_cast<std::int16_t>(n);
                }
        });
        visitedOn |= on;
        if (visitedOn.test(end)) break;
        NodeSet off;
        on.forEach([&](int n) {
            const NodeSet reached = graph.weak(n) - visitedOff - off;
            reached.forEach([&](int m) { parentOff[m] = static_cast<std::int16_t>(n); });
            off |= reached;
        });
        visitedOff |= off;
        frontier = off;
    }
    std::vector<PathNode> path;
    for (int node = end, on = 1; node >= 0;) {
        path.push_back({node, on == 1});
        if (!on && node == start) break;
        node = on ? parentOn[node] : parentOff[node];
        on = !on;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Whether no candidate stands twice in a path (in a node or a group's
// cell). A path through both states of one candidate proves something, but
// in a way that no reader follows.
bool simple(const LinkGraph& graph, const std::vector<PathNode>& path) {
    CandidateSet seen;
    for (const PathNode& node : path)
        for (int p : graph.positions(node.node)) {
            const int c = candidateIndex(p, graph.digit(node.node));
            if (seen.test(c)) return false;
            seen.set(c);
        }
    return true;
}

ChainNode chainNode(const LinkGraph& graph, const PathNode& node) {
    const auto positions = graph.positions(node.node);
    return {{positions.begin(), positions.end()}, graph.digit(node.node), node.on};
}

// The unit a link between two nodes in different cells lies in: for a
// strong link the unit whose places of the digit are exactly the two nodes.
std::optional<Unit> linkUnit(const LinkGraph& graph, int a, int b, bool strong) {
    CellSet cells;
    for (int p : graph.positions(a)) cells.add(p);
    for (int p : graph.positions(b)) cells.add(p);
    if (cells.count() < 2) return std::nullopt;
    std::optional<Unit> first;
    for (int u = 0; u < 27; ++u) {
        if (!subsetOf(cells, unitSet(u))) continue;
        if (!first) first = unitAt(u);
        if (!strong || graph.digit(a) != graph.digit(b)) break;
        if (subsetOf(graph.places(u, graph.digit(a)), cells)) return unitAt(u);
    }
    return first;
}

Technique classify(const LinkGraph& graph, const std::vector<PathNode>& path) {
    bool oneDigit = true, bivalue = true;
    const int digit = graph.digit(path.front().node);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const int node = path[i].node;
        if (LinkGraph::isGroup(node)) return Technique::GroupedNiceLoop;
        if (graph.digit(node) != digit) oneDigit = false;
        if (i == 0) continue;
        const bool sameCell = positionOfCandidate(node) == positionOfCandidate(path[i - 1].node);
        // Off to on is a strong link, in one cell; on to off a weak one,
        // between two cells.
        if (path[i].on != sameCell) bivalue = false;
    }
    if (oneDigit) return Technique::XChain;
    if (bivalue && graph.digit(path.back().node) == digit) return Technique::XYChain;
    return Technique::NiceLoop;
}

// The step a chain proves; its eliminations in `eliminated`.
Step chainStep(const LinkGraph& graph, const std::vector<PathNode>& path, NodeSet& eliminated) {
    const int a = path.front().node, z = path.back().node;
    const bool loop = a != z && graph.conflict(z, a);
    Step step;
    if (a == z) {
        if (LinkGraph::isGroup(a))
            eliminated = graph.candidateConflicts(a);
        else
            step.placements = {{positionOfCandidate(a), digitOfCandidate(a)}};
    } else {
        eliminated = graph.candidateConflicts(a) & graph.candidateConflicts(z);
        // In a continuous loop every weak link holds both ways: one of its
        // two nodes is true.
        if (loop)
            for (std::size_t i = 1; i + 1 < path.size(); i += 2)
                eliminated |= graph.candidateConflicts(path[i].node) &
                              graph.candidateConflicts(path[i + 1].node);
    }
    // A candidate of the chain itself that the conclusion removes would make
    // the chain refute itself: true, but no way to explain a step.
    for (const PathNode& node : path)
        for (int p : graph.positions(node.node))
            eliminated.reset(candidateIndex(p, graph.digit(node.node)));
    step.technique = classify(graph, path);
    step.eliminations = candidatesOf(eliminated);
    Chain chain;
    for (std::size_t i = 0; i < path.size(); ++i) {
        chain.push_back(chainNode(graph, path[i]));
        for (int p : graph.positions(path[i].node))
            step.pattern.push_back({p, graph.digit(path[i].node)});
        if (i > 0)
            if (auto unit = linkUnit(graph, path[i - 1].node, path[i].node, path[i].on))
                step.units.push_back(*unit);
    }
    if (loop) {
        chain.push_back(chainNode(graph, path.front()));
        if (auto unit = linkUnit(graph, z, a, false)) step.units.push_back(*unit);
    }
    step.chains = {std::move(chain)};
    completeStep(step);
    return step;
}

bool searchChains(const CandidateGrid& grid, const ChainRules& rules, const StepSink& sink) {
    const LinkGraph graph(grid, rules.links);
    struct Search {
        int start;
        NodeSet visitedOn, visitedOff, frontier;
    };
    std::vector<Search> searches;
    graph.nodes().forEach([&](int node) {
        Search search{node, {}, {}, {}};
        search.visitedOff.set(node);
        search.frontier.set(node);
        searches.push_back(search);
    });
    NodeSet emitted;  // eliminations of the steps handed on so far
    CellSet placed;
    std::vector<std::pair<int, int>> found;
    for (int nodes = 2; nodes <= longest_chain && !searches.empty(); nodes += 2) {
        found.clear();
        std::size_t alive = 0;
        for (Search& search : searches) {
            NodeSet on;
            search.frontier.forEach([&](int n) {
                for (const StrongLink& link : graph.strong(n)) on.set(link.node);
            });
            on -= search.visitedOn;
            search.visitedOn |= on;
            if (nodes >= shortest_chain) {
                const int a = search.start;
                const NodeSet startConflicts = graph.candidateConflicts(a);
                on.forEach([&](int z) {
                    if (z < a) return;  // the same chain read backwards
                    if (rules.sameDigitEnds && graph.digit(z) != graph.digit(a)) return;
                    if (z == a || startConflicts.intersects(graph.candidateConflicts(z)))
                        found.emplace_back(a, z);
                });
            }
            NodeSet off;
            on.forEach([&](int n) { off |= graph.weak(n); });
            off -= search.visitedOff;
            search.visitedOff |= off;
            search.frontier = off;
            if (off.any()) searches[alive++] = search;
        }
        searches.resize(alive);
        for (const auto& [a, z] : found) {
            std::vector<PathNode> path = shortestPath(graph, a, z);
            // A chain that proves its start has it at both ends.
            if (!simple(graph, a == z ? std::vector(path.begin() + 1, path.end()) : path)) continue;
            NodeSet eliminated;
            Step step = chainStep(graph, path, eliminated);
            if (step.placements.empty()) {
                if (!eliminated.any() || eliminated.subsetOf(emitted)) continue;
            } else {
                if (placed.has(step.placements.front().position)) continue;
                placed.add(step.placements.front().position);
            }
            emitted |= eliminated;
            if (sink(std::move(step))) return true;
        }
    }
    return false;
}

}  // namespace

bool xChain(const CandidateGrid& grid, const StepSink& sink) {
    return searchChains(grid, {{.cellLinks = false}}, sink);
}

bool xyChain(const CandidateGrid& grid, const StepSink& sink) {
    return searchChains(grid, {{.unitLinks = false, .bivalueOnly = true}, true}, sink);
}

bool niceLoop(const CandidateGrid& grid, const StepSink& sink) {
    return searchChains(grid, {{}}, sink);
}

bool groupedNiceLoop(const CandidateGrid& grid, const StepSink& sink) {
    return searchChains(grid, {{.groups = true}}, sink);
}

}  // namespace solver::techniques

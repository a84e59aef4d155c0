#pragma once

// Which clicks solve a board, as linear algebra over the two-element field: a click
// toggles a fixed set of cells, clicking twice undoes it, and the order of clicks does
// not matter, so a board is solved by a set of clicks whose toggles add up (exclusive
// or) to its reversed cells.

#include <bitset>
#include <optional>
#include <vector>

namespace engine {

constexpr int MaxCells = 100;

// A set of cells (or of clicks on cells): bit k - 1 stands for cell k.
using CellBits = std::bitset<MaxCells>;

// Every set of clicks that solves a board: the particular one plus any sum of the
// null space's sets, the independent click sets that change nothing at all.
struct ClickSolutions
{
    CellBits particular;
    std::vector<CellBits> nullSpace;
};

// The click sets whose toggles add up to `reversed`, where toggles[k - 1] holds the
// cells a click on cell k toggles; nothing when no set of clicks does.
std::optional<ClickSolutions> solveClicks(const std::vector<CellBits> &toggles,
                                          const CellBits &reversed);

// Null spaces up to this dimension are searched in full: 2^20 candidates.
constexpr int ExhaustiveDimension = 20;

// A solution with the fewest clicks: the true minimum when the null space has at most
// ExhaustiveDimension sets, otherwise the best a bounded local search finds.
CellBits fewestClicks(const ClickSolutions &solutions);

} // namespace engine

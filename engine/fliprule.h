#pragma once

#include "integer.h"

#include <array>

namespace engine {

// The cells one click toggles, in the order the flip visits them.
struct FlippedCells
{
    std::array<int, 9> cells{};
    int count = 0;

    const int *begin() const { return cells.data(); }
    const int *end() const { return cells.data() + count; }
};

// The cells a click on `cell` toggles: the cell and the neighbours FlipRule selects,
// skipping those beyond the board's edges, so the pattern never wraps into the next
// row or onto the opposite edge. Reads GridCols, CellCount, FlipRule; changes nothing.
FlippedCells CellsFlippedBy(platform::Integer cell);

// Toggles the cells a click on CurrentCell toggles. Changes CellState only.
void FlipAround();

} // namespace engine

#pragma once

namespace engine {

// Toggles the cell CurrentCell and the neighbours FlipRule selects. Cells beyond the
// board's edges are skipped: the pattern never wraps into the next row or onto the
// opposite edge. Reads GridCols, CellCount, FlipRule; changes CellState only.
void FlipAround();

} // namespace engine

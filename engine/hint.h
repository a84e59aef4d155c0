#pragma once

// Hint: where a stuck player should click next. It reads the game and changes nothing:
// no click, no counted move.

#include <optional>
#include <vector>

namespace engine {

// Reads BoardActive and GameMode: a hint is offered while a game outside puzzle mode
// takes clicks. In puzzle mode it would defeat the move limit.
bool HintAvailable();

// Reads GridCols, CellCount, CellState and FlipRule: the fewest cells, in ascending
// order, whose clicks turn the board back into the picture (none on a solved board);
// nothing when no set of clicks does, which an edited rule makes possible.
std::optional<std::vector<int>> ShortestSolution();

// Reads the game as ShortestSolution does: the cell of the shortest solution nearest to
// cell `from` (1..CellCount, the keyboard cursor); nothing when no hint is available,
// the board is solved, or no set of clicks solves it. Nearest means the fewest arrow-key
// steps, rows plus columns apart, the way the cursor walks; ties go to the lower cell.
std::optional<int> HintCell(int from);

// Reads GridCols, CellCount and FlipRule: how many independent sets of clicks change
// nothing on this board. A solvable board has 2^that many solutions.
int NullSpaceDimension();

} // namespace engine

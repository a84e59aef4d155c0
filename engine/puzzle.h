#pragma once

#include "integer.h"

namespace engine {

// The cell a random draw r in [0, 1) picks: floor(count x r) + 1, in double
// precision, so always 1..count.
platform::Integer RandomCell(platform::Integer count, double r);

// Makes a puzzle by PuzzleMoves random clicks on the current board (CellCount x 3 of
// them in normal mode, with the progress window and, when the animation is on, a
// redraw after each click, paced to the display) and records them in MoveHistory.
// Seeds the generator anew and lets events run once per click. A board that comes out
// solved is made again with new clicks. Reads GameMode, CellCount, PuzzleMoves.
void CreatePuzzle();

// Applies the recorded clicks again, in order, letting events run once per click;
// on the solved picture it recreates the puzzle CreatePuzzle made.
void ReplayPuzzle();

} // namespace engine

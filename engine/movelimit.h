#pragma once

#include "gamewindows.h"

namespace engine {

// The width the main window gains in puzzle mode for the task label and the title.
constexpr int PuzzleStripWidth = 2600;

// What the task label shows now: PuzzleMoves and MovesLeft.
TaskLabel CurrentTask();

// Shows the task label at the left edge of the puzzle strip with the task text.
void ShowTaskLabel();

// After a click: when every cell is the right way, reports the solved picture, takes
// the frames away and, in puzzle mode, starts the next, one click harder, level.
void CheckComplete();

// In puzzle mode, after a click: takes one move off MovesLeft and, when none is
// left, offers a retry of the same puzzle or gives it up.
void CountMove();

} // namespace engine

#pragma once

#include "integer.h"

namespace engine {

// The board takes a mode or settings command unless a creation or replay is running:
// then the first cell has its frame while the cells take no clicks.
bool BoardTakesCommands();

// A click on cell control Index (cell Index + 1): a move while the board is active.
// Flips, checks for the solved picture, counts the move in puzzle mode, and only then
// redraws, so any message shows over the board as it was before the click.
void Picture1_Click(platform::Integer Index);

// NormalMode: leaves puzzle mode after a question, then scrambles the solved picture
// with CellCount x 3 random clicks. No picture chosen: a warning.
void play_Click();

// PazzlMode: after its questions, starts puzzle mode at level 1 (one random click,
// one move), widening the main window for the task label; repaints the title.
void pazzl_Click();

} // namespace engine

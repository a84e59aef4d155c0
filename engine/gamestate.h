#pragma once

// The state of the game: one instance for the whole run, read and written by every
// window. Fields keep the names the game gives them.

#include "boundedarray.h"
#include "integer.h"

#include <string>

namespace engine {

using platform::BoundedArray;
using platform::Integer;

// Values of GameMode.
namespace Mode {
constexpr int None = 0;
constexpr int Normal = 1;
constexpr int Puzzle = 2;
} // namespace Mode

struct GameState
{
    Integer GridCols;                  // cells per row, 3..10 (0 before the first board)
    Integer GridRows;                  // always equal to GridCols
    Integer CellCount;                 // GridRows x GridCols
    BoundedArray<bool> CellState;      // 1..CellCount; true: the cell shows its piece the right way
    BoundedArray<bool> FlipRule{0, 8}; // 3 x 3 pattern a click toggles, row by row, 4 = the cell
    std::string CellSize;              // side of one cell in twips, as decimal text
    BoundedArray<Integer> MoveHistory; // 1..PuzzleMoves: the random clicks that made the puzzle
    Integer PuzzleMoves;               // random clicks of the puzzle; the move limit in puzzle mode
    Integer MovesLeft;                 // moves the player still has in puzzle mode
    Integer CurrentCell;               // the cell the next flip is centred on, 1..CellCount
    Integer GameMode;                  // Mode::None, Mode::Normal or Mode::Puzzle
    bool BoardActive = false;          // true while a game runs and the cells take clicks
    std::string ImagePath;             // the chosen picture; "" while none is chosen
    Integer MsgAnswer;                 // answer of the latest message box that was kept
};

// The shared instance.
GameState &game();

// How many cells of the board are reversed; 0 when the picture is whole.
int ReversedCells();

// Back to the state before start-up (all zero, false and empty); for tests.
void resetGame();

} // namespace engine

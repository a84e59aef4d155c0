#include "puzzle.h"

#include "fliprule.h"
#include "gamestate.h"
#include "gamewindows.h"

#include "random.h"

#include <cmath>

namespace engine {

Integer RandomCell(Integer count, double r)
{
    return static_cast<int>(std::floor(double(count) * r + 1.0));
}

void CreatePuzzle()
{
    GameState &g = game();
    GameWindows &w = windows();

    // Remember whether this creation showed the progress window: a command chosen
    // while events run may change GameMode, and the window must not stay behind.
    const bool showsProgress = g.GameMode == Mode::Normal;
    w.CreationRunning(true);
    if (showsProgress)
        w.ShowProgress();
    platform::Randomize();
    if (g.GameMode == Mode::Normal)
        g.PuzzleMoves = g.CellCount * 3;
    w.SetProgressMax(g.PuzzleMoves);
    g.MoveHistory.redim(1, g.PuzzleMoves);

    // The count is fixed when the loop starts, whatever a command run in between
    // does to PuzzleMoves.
    const int moves = g.PuzzleMoves;
    for (int i = 1; i <= moves; ++i) {
        const Integer cell = RandomCell(g.CellCount, platform::Rnd());
        g.CurrentCell = cell;
        g.MoveHistory(i) = cell;
        FlipAround();
        if (g.GameMode == Mode::Normal && w.AnimationOn())
            w.DrawBoard();
        w.SetProgressValue(i);
        w.DoEvents();
    }

    if (showsProgress)
        w.HideProgress();
    w.CreationRunning(false);
}

void ReplayPuzzle()
{
    GameState &g = game();
    GameWindows &w = windows();
    const int moves = g.PuzzleMoves;
    w.CreationRunning(true);
    for (int i = 1; i <= moves; ++i) {
        g.CurrentCell = g.MoveHistory(i);
        FlipAround();
        w.SetProgressValue(i);
        w.DoEvents();
    }
    w.CreationRunning(false);
}

} // namespace engine

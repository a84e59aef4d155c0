#include "puzzle.h"

#include "animationpace.h"
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

namespace {

// Creations in a row that may come out solved before the last one is kept as it is:
// only a flip rule that changes no cell at all makes them all come out so.
constexpr int MostAttempts = 100;

// The random clicks of one creation, recorded in MoveHistory, each followed by the
// animation's redraw (normal mode, when it is on) and a run of events. The animation
// is paced to the display; without it events run once a click.
void clickAtRandom(int moves)
{
    GameState &g = game();
    GameWindows &w = windows();
    const double start = w.Clock();
    const double frame = w.FrameSeconds();
    for (int i = 1; i <= moves; ++i) {
        const Integer cell = RandomCell(g.CellCount, platform::Rnd());
        g.CurrentCell = cell;
        g.MoveHistory(i) = cell;
        FlipAround();
        const bool animated = g.GameMode == Mode::Normal && w.AnimationOn();
        if (animated)
            w.DrawBoard();
        w.SetProgressValue(i);
        if (animated)
            w.DoEventsUntil(start + ClickDue(i, moves, frame));
        else
            w.DoEvents();
    }
}

} // namespace

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
    // does to PuzzleMoves. Clicks that cancel out would hand the player a solved
    // picture: such a creation is made again with new clicks, so the history always
    // holds the clicks of the board the player gets.
    const int moves = g.PuzzleMoves;
    for (int attempt = 1; attempt <= MostAttempts; ++attempt) {
        clickAtRandom(moves);
        if (ReversedCells() != 0)
            break;
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

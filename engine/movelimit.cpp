#include "movelimit.h"

#include "gamestate.h"
#include "gamewindows.h"
#include "messages.h"
#include "puzzle.h"

namespace engine {
namespace {

constexpr int StyleOk = 0;
constexpr int StyleYesNo = 4;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

void setAllCellsSolved()
{
    GameState &g = game();
    for (int i = 1; i <= g.CellCount; ++i)
        g.CellState(i) = true;
}

} // namespace

TaskLabel CurrentTask()
{
    const GameState &g = game();
    return TaskLabel{g.PuzzleMoves, g.MovesLeft};
}

void ShowTaskLabel()
{
    GameWindows &w = windows();
    w.SetTaskLabelVisible(true);
    w.SetTaskLabelLeft(w.MainWidth() - PuzzleStripWidth);
    w.SetTaskLabelCaption(CurrentTask());
}

void CheckComplete()
{
    GameState &g = game();
    GameWindows &w = windows();
    if (ReversedCells() != 0)
        return;

    g.BoardActive = false;
    g.MsgAnswer = w.MsgBox(text::Complete, StyleOk, text::CompleteTitle);
    w.SetCellBorders(0);
    if (g.GameMode != Mode::Puzzle)
        return; // a solved normal game stays on view, frameless, until a mode command

    // The next level is one click harder, but the counters are 16-bit: at the top
    // the player stays on the hardest level instead of overflowing.
    if (g.PuzzleMoves < Integer::Max - 1)
        g.PuzzleMoves += 1;
    // One above the limit: the CountMove of this same click takes it off again.
    g.MovesLeft = g.PuzzleMoves + 1;
    w.SetCellBorders(1);
    CreatePuzzle();
    w.DrawBoard();
    g.BoardActive = true;
    ShowTaskLabel();
}

void CountMove()
{
    GameState &g = game();
    GameWindows &w = windows();
    g.MovesLeft -= 1;
    ShowTaskLabel();
    if (g.MovesLeft > 0)
        return;

    g.BoardActive = false;
    g.MsgAnswer = w.MsgBox(text::Failed, StyleYesNo, text::FailedTitle);
    if (g.MsgAnswer == AnswerYes) {
        setAllCellsSolved();
        ReplayPuzzle();
        w.DrawBoard();
        g.BoardActive = true;
        g.MovesLeft = g.PuzzleMoves;
        ShowTaskLabel();
    } else if (g.MsgAnswer == AnswerNo) {
        TaskLabel givenUp = CurrentTask();
        givenUp.givenUp = true;
        w.SetTaskLabelCaption(givenUp);
        g.PuzzleMoves = 1;
        w.SetCellBorders(0);
    }
}

} // namespace engine

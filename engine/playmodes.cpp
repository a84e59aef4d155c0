#include "playmodes.h"

#include "fliprule.h"
#include "gamestate.h"
#include "gamewindows.h"
#include "messages.h"
#include "movelimit.h"
#include "puzzle.h"

namespace engine {
namespace {

constexpr int StyleYesNo = 4;
constexpr int StyleWarning = 48;
constexpr int AnswerYes = 6;

bool askYes(const char *prompt, const char *title)
{
    GameState &g = game();
    g.MsgAnswer = windows().MsgBox(prompt, StyleYesNo, title);
    return g.MsgAnswer == AnswerYes;
}

void warnNoPicture()
{
    game().MsgAnswer = windows().MsgBox(text::NoPicture, StyleWarning, text::LoadErrorTitle);
}

// Resets to the solved picture, frames the cells and makes a new puzzle on it.
void startGame()
{
    GameState &g = game();
    GameWindows &w = windows();
    for (int i = 1; i <= g.CellCount; ++i)
        g.CellState(i) = true;
    w.DrawBoard();
    w.SetCellBorders(1);
    g.BoardActive = false;
    CreatePuzzle();
    w.DrawBoard();
    g.BoardActive = true;
}

} // namespace

bool BoardTakesCommands()
{
    return windows().FirstCellBorderStyle() == 0 || game().BoardActive;
}

void Picture1_Click(Integer Index)
{
    GameState &g = game();
    if (!g.BoardActive)
        return;
    g.CurrentCell = Index + 1;
    FlipAround();
    CheckComplete();
    if (g.GameMode == Mode::Puzzle)
        CountMove();
    windows().DrawBoard();
}

void play_Click()
{
    GameState &g = game();
    GameWindows &w = windows();
    if (g.GameMode == Mode::Puzzle) {
        if (!askYes(text::PuzzleToNormal, text::ModeChangeTitle))
            return;
        w.SetMainWidth(w.MainWidth() - PuzzleStripWidth);
        w.SetTaskLabelVisible(false);
    }
    g.GameMode = Mode::Normal;
    if (!BoardTakesCommands())
        return;
    if (g.ImagePath.empty()) {
        warnNoPicture();
        return;
    }
    startGame();
}

void pazzl_Click()
{
    GameState &g = game();
    GameWindows &w = windows();
    if (g.GameMode == Mode::Normal && !askYes(text::NormalToPuzzle, text::ModeChangeTitle))
        return;
    if (!askYes(text::RestartPuzzle, text::CautionTitle))
        return;

    if (BoardTakesCommands()) {
        if (!g.ImagePath.empty()) {
            if (g.GameMode != Mode::Puzzle) {
                w.SetMainWidth(w.MainWidth() + PuzzleStripWidth);
                w.DrawBackground();
            }
            g.GameMode = Mode::Puzzle;
            g.PuzzleMoves = 1;
            startGame();
            g.MovesLeft = g.PuzzleMoves;
            ShowTaskLabel();
        } else {
            warnNoPicture();
        }
    }
    w.backward();
}

} // namespace engine

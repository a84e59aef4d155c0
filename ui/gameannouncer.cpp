#include "gameannouncer.h"

#include <algorithm>
#include <utility>

#include "announcer.h"
#include "board.h"
#include "cellaccessible.h"
#include "events.h"
#include "gamestate.h"

namespace ui {
GameAnnouncer::GameAnnouncer(QWidget *window, board::Board &board)
    : QObject(window), m_announcer(new platform::Announcer(window))
{
    connect(&board, &board::Board::cellClicked, this, &GameAnnouncer::cellClicked);
    connect(&platform::handlerEvents(), &platform::HandlerEvents::settled, this,
            &GameAnnouncer::handlerDone);
}

QString GameAnnouncer::boardState()
{
    const engine::GameState &g = engine::game();
    if (g.CellCount <= 0)
        return tr("No board yet");
    const QString cells =
        tr("%1 of %2 cells reversed").arg(engine::ReversedCells()).arg(g.CellCount);
    switch (int(g.GameMode)) {
    case engine::Mode::Normal:
        return tr("Normal mode; %1").arg(cells);
    case engine::Mode::Puzzle:
        return tr("Puzzle mode, move limit: %1; moves left: %2; %3")
            .arg(int(g.PuzzleMoves))
            .arg(int(g.MovesLeft))
            .arg(cells);
    default:
        return tr("No game running; %1").arg(cells);
    }
}

void GameAnnouncer::gameReady()
{
    m_gameReady = true;
}

void GameAnnouncer::sayBoardState()
{
    m_pending = boardState();
}

void GameAnnouncer::sayHint(int index)
{
    const int side = std::max<int>(1, engine::game().GridCols);
    m_pending = tr("Hint: row %1, column %2").arg(index / side + 1).arg(index % side + 1);
}

// Heard before the game handles the click: only a click on a running game is a move.
void GameAnnouncer::cellClicked(int index)
{
    if (engine::game().BoardActive)
        m_movedCell = index;
}

// A move that solved a level or used up the moves is followed by the next level or the
// retry: then the new game is what the player needs to hear.
void GameAnnouncer::handlerDone()
{
    const bool ready = std::exchange(m_gameReady, false) && engine::game().BoardActive;
    const int moved = std::exchange(m_movedCell, -1);
    QString message = std::exchange(m_pending, QString());
    if (message.isEmpty() && ready)
        message = boardState();
    else if (message.isEmpty() && moved >= 0 && moved < engine::game().CellCount)
        message = moveReport(moved);
    m_announcer->say(message);
}

QString GameAnnouncer::moveReport(int index) const
{
    const engine::GameState &g = engine::game();
    const QString report = tr("%1; %2 reversed")
                               .arg(board::cellName(index, g.CellState(index + 1)))
                               .arg(engine::ReversedCells());
    if (g.GameMode != engine::Mode::Puzzle)
        return report;
    return tr("%1; moves left: %2").arg(report).arg(int(g.MovesLeft));
}

} // namespace ui

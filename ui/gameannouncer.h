#pragma once

// What the main window tells a screen reader about the game, one message for each
// thing the player did, said once the command or click has run to its end (after any
// message box it showed):
// - after a move, the cell's new state and how many cells are still reversed, and in
//   puzzle mode the moves left;
// - when a game, a puzzle level or a retry is ready, the board's state: the mode, in
//   puzzle mode the task and the moves left, and the reversed cells;
// - a hint, and the board's state when the player asks for it.

#include <QObject>
#include <QString>

namespace platform {
class Announcer;
}

namespace board {
class Board;
}

namespace ui {

class GameAnnouncer : public QObject
{
    Q_OBJECT

public:
    // Speaks through an announcer on `window`; hears the clicks of `board`. Connect it
    // before the game's own handler of the clicks, so it sees a move as it begins.
    GameAnnouncer(QWidget *window, board::Board &board);

    // "Normal mode; 7 of 25 cells reversed", and the like for puzzle mode, no game or no
    // board.
    static QString boardState();

    // A creation or replay has made a new game, level or retry.
    void gameReady();
    // Says the board's state once the running handler is done.
    void sayBoardState();
    // Says that the hint points at cell control `index`.
    void sayHint(int index);

private:
    void cellClicked(int index);
    void handlerDone();
    QString moveReport(int index) const;

    platform::Announcer *m_announcer;
    int m_movedCell = -1;
    bool m_gameReady = false;
    QString m_pending;
};

} // namespace ui

#pragma once

// The keyboard cursor on the board: the cell the arrow keys have reached and whether it
// is shown. It belongs to the window, not to the game: moving it only redraws; Space
// and Return, which click the cell under it, are what change the game.
//
// Each game (each puzzle level, each retry) starts with the cursor on the top-left
// cell, hidden. While a game runs, the first arrow key, Space or Return shows it where
// it is; after that the arrows move it and stop at the board's edges, and Space or
// Return click the cell under it exactly as the mouse does. A mouse click on a cell
// hides it, and so do the end of the game and a new board.
//
// The cursor is a frame drawn inside its cell. A highlighted cursor, which points the
// player at a cell, has a bolder frame of another colour and turns plain at the next
// key; a click hides it.

#include <QObject>
#include <QPointer>

#include <vector>

class QKeyEvent;
class QWidget;

namespace board {

class Board;

class BoardCursor : public QObject
{
    Q_OBJECT

public:
    // Takes the keys of boardArea, the widget the cells sit on, and gives it the focus.
    BoardCursor(Board &board, QWidget *boardArea);
    ~BoardCursor() override;

    // The cell control under the cursor: the element index of Picture1, 0 the top left,
    // row by row.
    int position() const { return m_position; }
    bool isShown() const { return m_shown; }
    bool isHighlighted() const { return m_shown && m_highlighted; }

    // Shows the cursor on a cell of the board, highlighted or plain; false (and nothing
    // changed) for an index outside the board.
    bool showAt(int index, bool highlighted = false);
    void hide();
    // Back to the top-left cell, hidden.
    void reset();

    // A creation or replay starts or ends: the next game starts at the top left, and the
    // scrambling redraws are not announced cell by cell.
    void setCreationRunning(bool running);

    // For the cells' accessibility: the cursor of the board whose cells sit on `area`,
    // the index of a cell control (-1 if it is none of this board's), and whether a cell
    // showed its piece the right way when the board was last drawn.
    static BoardCursor *forBoardArea(const QObject *area);
    int cellIndex(const QObject *cell) const;
    bool drawnRightWay(int index) const;
    bool hasKeyboard() const;
    // The cell that has the keyboard focus, -1 when none has.
    int focusedCell() const;
    // Clicks a cell as the mouse does.
    void clickCell(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takeKey(const QKeyEvent &event);
    void moveBy(int columns, int rows);
    void frameCursorCell();
    void paintFrame(QWidget &cell);
    void boardDrawn();
    void cellClicked();

    Board &m_board;
    QWidget *m_area;
    QPointer<QWidget> m_framedCell;
    int m_position = 0;
    bool m_shown = false;
    bool m_highlighted = false;
    bool m_clickFromKeyboard = false;
    bool m_creationRunning = false;
    bool m_moveInFlight = false; // a click on a running game, until the board is drawn
    std::vector<bool> m_drawn;   // per cell control: right way at the last drawing
};

} // namespace board

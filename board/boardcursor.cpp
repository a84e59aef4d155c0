#include "boardcursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "accessibilityevents.h"
#include "board.h"
#include "focusframe.h"
#include "gamestate.h"
#include "picturebox.h"

namespace board {
namespace {

// The highlighted cursor: a band twice as bold, in orange rather than the desktop's
// highlight colour.
const QColor HighlightColor(255, 140, 0);
constexpr int PlainThickness = 2;
constexpr int HighlightThickness = 4;

std::vector<BoardCursor *> &liveCursors()
{
    static std::vector<BoardCursor *> cursors;
    return cursors;
}

} // namespace

BoardCursor::BoardCursor(Board &board, QWidget *boardArea)
    : QObject(&board), m_board(board), m_area(boardArea)
{
    liveCursors().push_back(this);
    m_area->setFocusPolicy(Qt::StrongFocus);
    m_area->installEventFilter(this);
    m_area->setFocus();
    connect(&board, &Board::cellClicked, this, &BoardCursor::cellClicked);
    connect(&board, &Board::drawn, this, &BoardCursor::boardDrawn);
    connect(&board, &Board::built, this, &BoardCursor::reset);
}

BoardCursor::~BoardCursor()
{
    std::erase(liveCursors(), this);
}

bool BoardCursor::showAt(int index, bool highlighted)
{
    if (index < 0 || index >= std::min<int>(engine::game().CellCount, m_board.cellControls()))
        return false;
    m_position = index;
    m_shown = true;
    m_highlighted = highlighted;
    frameCursorCell();
    QAccessibleEvent focus(m_board.Picture1(index), QAccessible::Focus);
    platform::notifyAccessibility(focus);
    return true;
}

void BoardCursor::hide()
{
    m_shown = false;
    m_highlighted = false;
    frameCursorCell();
}

void BoardCursor::reset()
{
    m_position = 0;
    hide();
}

void BoardCursor::setCreationRunning(bool running)
{
    m_creationRunning = running;
    m_moveInFlight = false;
    if (running)
        reset();
}

BoardCursor *BoardCursor::forBoardArea(const QObject *area)
{
    for (BoardCursor *cursor : liveCursors()) {
        if (area && cursor->m_area == area)
            return cursor;
    }
    return nullptr;
}

int BoardCursor::cellIndex(const QObject *cell) const
{
    for (int i = 0; i < m_board.cellControls(); ++i) {
        if (m_board.Picture1(i) == cell)
            return i;
    }
    return -1;
}

bool BoardCursor::drawnRightWay(int index) const
{
    return index < 0 || index >= static_cast<int>(m_drawn.size()) ||
           m_drawn[static_cast<std::size_t>(index)];
}

bool BoardCursor::hasKeyboard() const
{
    return m_area->hasFocus();
}

int BoardCursor::focusedCell() const
{
    return m_shown && hasKeyboard() ? m_position : -1;
}

// The cell's own click signal carries it to the game: the same handler, messages and
// move counting as a click with the mouse.
void BoardCursor::clickCell(int index)
{
    if (index < 0 || index >= m_board.cellControls())
        return;
    m_clickFromKeyboard = true;
    emit m_board.Picture1(index)->clicked();
    m_clickFromKeyboard = false;
}

// Runs before the game handles the click, and notes a move for the drawing after it. Only a click
// from the mouse hides the cursor; the flag is dropped at once, so a click let through while this
// one is being handled counts as the mouse's.
void BoardCursor::cellClicked()
{
    m_moveInFlight = engine::game().BoardActive;
    if (!std::exchange(m_clickFromKeyboard, false))
        hide();
}

bool BoardCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::KeyPress)
        return takeKey(*static_cast<QKeyEvent *>(event));
    if (watched == m_framedCell && event->type() == QEvent::Paint) {
        // The cell paints itself first; the frame goes over it.
        static_cast<QObject *>(m_framedCell)->event(event);
        paintFrame(*m_framedCell);
        return true;
    }
    return false;
}

bool BoardCursor::takeKey(const QKeyEvent &event)
{
    const engine::GameState &g = engine::game();
    if (!g.BoardActive || g.CellCount <= 0 ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    int columns = 0;
    int rows = 0;
    switch (event.key()) {
    case Qt::Key_Left:
        columns = -1;
        break;
    case Qt::Key_Right:
        columns = 1;
        break;
    case Qt::Key_Up:
        rows = -1;
        break;
    case Qt::Key_Down:
        rows = 1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }
    // The first key only shows where the cursor is; any key ends a highlight.
    if (!m_shown) {
        showAt(m_position);
    } else if (columns != 0 || rows != 0) {
        moveBy(columns, rows);
    } else {
        m_highlighted = false;
        frameCursorCell();
        clickCell(m_position);
    }
    return true;
}

// Moves within the board: at an edge the cursor stays where it is.
void BoardCursor::moveBy(int columns, int rows)
{
    const int side = engine::game().GridCols;
    const int column = std::clamp(m_position % side + columns, 0, side - 1);
    const int row = std::clamp(m_position / side + rows, 0, side - 1);
    showAt(row * side + column);
}

void BoardCursor::frameCursorCell()
{
    QWidget *target = m_shown ? m_board.Picture1(m_position) : nullptr;
    if (m_framedCell != target) {
        if (m_framedCell) {
            m_framedCell->removeEventFilter(this);
            m_framedCell->update();
        }
        m_framedCell = target;
        if (target)
            target->installEventFilter(this);
    }
    if (target)
        target->update();
}

// Inside the cell, clear of the frame a running game gives every cell.
void BoardCursor::paintFrame(QWidget &cell)
{
    QPainter painter(&cell);
    const QRect inside = cell.rect().adjusted(1, 1, -1, -1);
    if (m_highlighted)
        platform::drawContrastFrame(painter, inside, HighlightColor, HighlightThickness);
    else
        platform::drawContrastFrame(painter, inside, platform::focusColor(*m_area), PlainThickness);
}

// The end of a game takes the cursor away. The cells that a move turned are announced
// (their checked state and their name) once they are drawn, so a screen reader asking
// for them hears the new state. The redraws of a new game or level are not announced
// cell by cell: the game's own announcement tells how the board stands.
void BoardCursor::boardDrawn()
{
    const engine::GameState &g = engine::game();
    if (!g.BoardActive)
        hide();
    if (m_creationRunning)
        return;
    std::vector<bool> now;
    for (int k = 1; k <= g.CellCount; ++k)
        now.push_back(g.CellState(k));
    std::vector<bool> before = std::exchange(m_drawn, std::move(now));
    if (!std::exchange(m_moveInFlight, false) || before.size() != m_drawn.size())
        return;
    for (std::size_t i = 0; i < m_drawn.size(); ++i) {
        if (before[i] == m_drawn[i])
            continue;
        QObject *cell = m_board.Picture1(static_cast<int>(i));
        QAccessible::State turned;
        turned.checked = true;
        QAccessibleStateChangeEvent state(cell, turned);
        platform::notifyAccessibility(state);
        // Qt's bridge to the desktop sends a name change without the name, and Orca
        // fails on one for the focused control; the move's announcement says it instead.
        if (focusedCell() == static_cast<int>(i))
            continue;
        QAccessibleEvent name(cell, QAccessible::NameChanged);
        platform::notifyAccessibility(name);
    }
}

} // namespace board

#pragma once

// The cells of the board as assistive technology sees them: each cell a check box named
// by its row and column and by whether it shows its piece the right way or reversed
// ("Row 2, column 3, reversed"), checked while it shows it the right way, focused
// while the keyboard cursor is on it. Pressing it clicks the cell while a game runs.

class QAccessibleInterface;
class QObject;
class QString;

namespace board {

// "Row 2, column 3, reversed": cell control `index` (0 the top left, row by row) of the
// current board, the right way or reversed.
QString cellName(int index, bool rightWay);

// An accessibility factory (QAccessible::installFactory): the interface of a cell of a
// board, or nullptr for any other object.
QAccessibleInterface *cellAccessible(const QString &className, QObject *object);

} // namespace board

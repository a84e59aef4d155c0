#pragma once

// Boards and flip rules set straight into the game state, for the engine's tests and the
// solver's benchmark.

#include <QString>

#include "gamestate.h"

namespace boards {

// A solved N x N board as the board construction leaves it.
inline void newBoard(int n)
{
    auto &g = engine::game();
    g.GridCols = n;
    g.GridRows = n;
    g.CellCount = n * n;
    g.CellState.redim(1, n * n);
    for (int i = 1; i <= n * n; ++i)
        g.CellState(i) = true;
    g.BoardActive = false;
}

// A 3 x 3 rule written row by row, "#" for a cell the click flips: ".#./###/.#.".
inline void setRule(const QString &pattern)
{
    int entry = 0;
    for (const QChar c : pattern) {
        if (c != QLatin1Char('/'))
            engine::game().FlipRule(entry++) = (c == QLatin1Char('#'));
    }
}

} // namespace boards

#include "fliprule.h"

#include "gamestate.h"

namespace engine {

FlippedCells CellsFlippedBy(Integer a)
{
    const GameState &g = game();
    const Integer w = g.GridCols;
    const Integer n = g.CellCount;
    // Cells are numbered from 1, so a remainder of 1 marks the leftmost column and 0
    // the rightmost one.
    const int m = a % w;
    const bool notTop = a - w > 0;
    const bool notBottom = a + w <= n;
    const bool notRight = m != 0;
    const bool notLeft = m != 1;

    FlippedCells flipped;
    auto flip = [&flipped](Integer cell) { flipped.cells[flipped.count++] = cell; };

    if (g.FlipRule(4))
        flip(a);
    if (g.FlipRule(1) && notTop)
        flip(a - w);
    if (g.FlipRule(5) && notRight)
        flip(a + 1);
    if (g.FlipRule(3) && notLeft)
        flip(a - 1);
    if (g.FlipRule(7) && notBottom)
        flip(a + w);
    if (g.FlipRule(2) && notTop && notRight)
        flip(a - w + 1);
    if (g.FlipRule(0) && notTop && notLeft)
        flip(a - w - 1);
    if (g.FlipRule(8) && notBottom && notRight)
        flip(a + w + 1);
    if (g.FlipRule(6) && notBottom && notLeft)
        flip(a + w - 1);
    return flipped;
}

void FlipAround()
{
    GameState &g = game();
    for (const int cell : CellsFlippedBy(g.CurrentCell))
        g.CellState(cell) = !g.CellState(cell);
}

} // namespace engine

#include "fliprule.h"

#include "gamestate.h"

namespace engine {

void FlipAround()
{
    GameState &g = game();
    const Integer a = g.CurrentCell;
    const Integer w = g.GridCols;
    const Integer n = g.CellCount;
    // Cells are numbered from 1, so a remainder of 1 marks the leftmost column and 0
    // the rightmost one.
    const int m = a % w;
    const bool notTop = a - w > 0;
    const bool notBottom = a + w <= n;
    const bool notRight = m != 0;
    const bool notLeft = m != 1;

    auto toggle = [&g](Integer cell) { g.CellState(cell) = !g.CellState(cell); };

    if (g.FlipRule(4))
        toggle(a);
    if (g.FlipRule(1) && notTop)
        toggle(a - w);
    if (g.FlipRule(5) && notRight)
        toggle(a + 1);
    if (g.FlipRule(3) && notLeft)
        toggle(a - 1);
    if (g.FlipRule(7) && notBottom)
        toggle(a + w);
    if (g.FlipRule(2) && notTop && notRight)
        toggle(a - w + 1);
    if (g.FlipRule(0) && notTop && notLeft)
        toggle(a - w - 1);
    if (g.FlipRule(8) && notBottom && notRight)
        toggle(a + w + 1);
    if (g.FlipRule(6) && notBottom && notLeft)
        toggle(a + w - 1);
}

} // namespace engine

#include "startup.h"

#include "gamestate.h"
#include "gamewindows.h"

namespace engine {

void Main()
{
    GameState &g = game();
    // The default rule is the plus shape: the cell and its four orthogonal neighbours.
    for (int i = 1; i <= 9; ++i) {
        g.FlipRule(i - 1) = false;
        if (i == 2 || i == 4 || i == 5 || i == 6 || i == 8)
            g.FlipRule(i - 1) = true;
    }
    g.CellSize = "495";
    windows().ShowSplash();
}

} // namespace engine

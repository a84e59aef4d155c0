#include "gamestate.h"

namespace engine {

GameState &game()
{
    static GameState state;
    return state;
}

int ReversedCells()
{
    const GameState &g = game();
    int reversed = 0;
    for (int i = 1; i <= g.CellCount; ++i)
        reversed += g.CellState(i) ? 0 : 1;
    return reversed;
}

void resetGame()
{
    game() = GameState{};
}

} // namespace engine

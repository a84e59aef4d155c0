#include "gamestate.h"

namespace engine {

GameState &game()
{
    static GameState state;
    return state;
}

void resetGame()
{
    game() = GameState{};
}

} // namespace engine

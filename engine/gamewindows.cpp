#include "gamewindows.h"

#include <cassert>

namespace engine {
namespace {
GameWindows *connected = nullptr;
}

void connectWindows(GameWindows *w)
{
    connected = w;
}

GameWindows &windows()
{
    assert(connected && "connectWindows() must run before the game does");
    return *connected;
}

} // namespace engine

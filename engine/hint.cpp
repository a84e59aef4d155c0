#include "hint.h"

#include "clickalgebra.h"
#include "fliprule.h"
#include "gamestate.h"

#include <cstdlib>

namespace engine {
namespace {

// What each click toggles under FlipRule on this board, with the edges clipping it.
std::vector<CellBits> clickToggles()
{
    const int cells = game().CellCount;
    std::vector<CellBits> toggles(cells);
    for (int cell = 1; cell <= cells; ++cell) {
        for (const int toggled : CellsFlippedBy(cell))
            toggles[cell - 1].set(toggled - 1);
    }
    return toggles;
}

CellBits reversedCells()
{
    const GameState &g = game();
    CellBits reversed;
    for (int cell = 1; cell <= g.CellCount; ++cell)
        reversed[cell - 1] = !g.CellState(cell);
    return reversed;
}

int arrowSteps(int from, int to)
{
    const int side = game().GridCols;
    return std::abs((from - 1) / side - (to - 1) / side) +
           std::abs((from - 1) % side - (to - 1) % side);
}

} // namespace

bool HintAvailable()
{
    const GameState &g = game();
    return g.BoardActive && g.GameMode != Mode::Puzzle;
}

std::optional<std::vector<int>> ShortestSolution()
{
    const auto solutions = solveClicks(clickToggles(), reversedCells());
    if (!solutions)
        return std::nullopt;
    const CellBits clicks = fewestClicks(*solutions);
    std::vector<int> cells;
    for (int cell = 1; cell <= game().CellCount; ++cell) {
        if (clicks[cell - 1])
            cells.push_back(cell);
    }
    return cells;
}

std::optional<int> HintCell(int from)
{
    if (!HintAvailable())
        return std::nullopt;
    const auto solution = ShortestSolution();
    if (!solution || solution->empty())
        return std::nullopt;
    // The solution is in ascending order, so the first of equally near cells wins.
    int nearest = solution->front();
    for (const int cell : *solution) {
        if (arrowSteps(from, cell) < arrowSteps(from, nearest))
            nearest = cell;
    }
    return nearest;
}

int NullSpaceDimension()
{
    return int(solveClicks(clickToggles(), CellBits{})->nullSpace.size());
}

} // namespace engine

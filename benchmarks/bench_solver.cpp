// The hint's solver: the dimension of each flip rule's null space (the independent sets
// of clicks that change nothing) on every grid side, and the time one hint takes on a
// 10 x 10 board scrambled as a normal game is, for rules with small and large null
// spaces. The engine alone: no windows.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "clickalgebra.h"
#include "fliprule.h"
#include "gamestate.h"
#include "hint.h"

#include "benchsupport.h"
#include "boards.h"

using boards::newBoard;

namespace {

constexpr int Boards = 40;
constexpr double TargetMs = 5;

std::string ruleText(int bits)
{
    std::string text;
    for (int entry = 0; entry < 9; ++entry) {
        if (entry > 0 && entry % 3 == 0)
            text += '/';
        text += bits >> entry & 1 ? '#' : '.';
    }
    return text;
}

// A normal game's scramble: CellCount x 3 random clicks.
void scramble(std::mt19937 &random)
{
    engine::GameState &g = engine::game();
    std::uniform_int_distribution<int> anyCell(1, g.CellCount);
    for (int i = 0; i < g.CellCount * 3; ++i) {
        g.CurrentCell = anyCell(random);
        engine::FlipAround();
    }
}

void printDimensions(const std::vector<std::pair<const char *, const char *>> &rules)
{
    std::printf("Null-space dimension by grid side:\n%-18s %-12s", "rule", "");
    for (int side = 3; side <= 10; ++side)
        std::printf("%4d", side);
    std::printf("\n");
    for (const auto &[name, pattern] : rules) {
        boards::setRule(pattern);
        std::printf("%-18s %-12s", name, pattern);
        for (int side = 3; side <= 10; ++side) {
            newBoard(side);
            std::printf("%4d", engine::NullSpaceDimension());
        }
        std::printf("\n");
    }

    std::printf("\nLargest dimension over all 511 rules that flip anything (the empty rule\n"
                "flips nothing: dimension = cells):\n");
    for (int side = 3; side <= 10; ++side) {
        newBoard(side);
        int largest = -1;
        std::string which;
        for (int bits = 1; bits < 512; ++bits) {
            boards::setRule(QString::fromStdString(ruleText(bits)));
            const int dimension = engine::NullSpaceDimension();
            if (dimension > largest) {
                largest = dimension;
                which.clear();
            }
            if (dimension == largest)
                which += (which.empty() ? "" : " ") + ruleText(bits);
        }
        std::printf("%2d x %-2d  %3d  %s\n", side, side, largest, which.c_str());
    }
}

// Hints on scrambled 10 x 10 boards: median and worst, and whether each board got one.
// The target holds for the median: on a shared machine the worst also counts whatever
// else ran meanwhile.
bool timeHints(const char *name, const char *pattern)
{
    boards::setRule(pattern);
    newBoard(10);
    engine::GameState &g = engine::game();
    g.GameMode = engine::Mode::Normal;
    g.BoardActive = true;
    const int dimension = engine::NullSpaceDimension();
    std::mt19937 random(2024);
    std::vector<double> times;
    bool allGiven = true;
    for (int board = 0; board < Boards; ++board) {
        scramble(random);
        std::optional<int> hint;
        times.push_back(bench::timeMs([&] { hint = engine::HintCell(45); }));
        const auto solution = engine::ShortestSolution();
        allGiven = allGiven && solution && (hint || solution->empty());
    }
    const double median = bench::median(times);
    const double worst = *std::max_element(times.begin(), times.end());
    std::printf("%-18s %-12s %4d %10.3f %10.3f   %s%s\n", name, pattern, dimension, median, worst,
                median < TargetMs ? "met" : "NOT met",
                allGiven ? "" : "  (a scrambled board got no hint)");
    return median < TargetMs;
}

// Beyond the exhaustive limit: a made-up 100-cell system whose null space has the given
// dimension, its sets and the particular solution drawn at random.
std::vector<double> timeLocalSearch(int dimension)
{
    std::mt19937 random(dimension);
    std::bernoulli_distribution coin(0.5);
    std::vector<double> times;
    for (int run = 0; run < Boards; ++run) {
        engine::ClickSolutions solutions;
        for (int cell = 0; cell < engine::MaxCells; ++cell)
            solutions.particular[cell] = coin(random);
        solutions.nullSpace.resize(dimension);
        for (engine::CellBits &set : solutions.nullSpace) {
            for (int cell = 0; cell < engine::MaxCells; ++cell)
                set[cell] = coin(random);
        }
        times.push_back(bench::timeMs([&] { engine::fewestClicks(solutions); }));
    }
    return times;
}

} // namespace

int main()
{
    const std::vector<std::pair<const char *, const char *>> rules = {
        {"cross (default)", ".#./###/.#."},
        {"all nine", "###/###/###"},
        {"X", "#.#/.#./#.#"},
        {"centre and right", ".../.##/..."},
        {"four corners", "#.#/.../#.#"},
        {"cross, no centre", ".#./#.#/.#."},
        {"one corner", "#../.../..."},
    };
    printDimensions(rules);

    std::printf("\nOne hint (HintCell) on a 10 x 10 board after a normal game's 300 random\n"
                "clicks; %d boards per rule, milliseconds:\n"
                "%-18s %-12s %4s %10s %10s   target < %.0f ms\n",
                Boards, "rule", "", "dim", "median", "worst", TargetMs);
    bool met = true;
    for (const auto &[name, pattern] : rules)
        met = timeHints(name, pattern) && met;
    met = timeHints("nothing", ".../.../...") && met;

    std::printf("\nThe local search past dimension %d, on random 100-cell systems (no 3 x 3\n"
                "rule that flips anything gets there on these grids); %d systems each, ms:\n",
                engine::ExhaustiveDimension, Boards);
    for (const int dimension : {21, 50, 100}) {
        const std::vector<double> times = timeLocalSearch(dimension);
        std::printf("dimension %3d   median %8.3f   worst %8.3f   bound 50 ms\n", dimension,
                    bench::median(times), *std::max_element(times.begin(), times.end()));
    }
    std::printf("\nTargets: %s\n", met ? "met" : "NOT met");
    return 0;
}

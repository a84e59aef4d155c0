#include "clickalgebra.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace engine {
namespace {

// One cell's equation: the clicks that toggle it must add up to whether it has to
// change.
struct Equation
{
    CellBits clicks;
    bool toggled = false;

    Equation &operator^=(const Equation &other)
    {
        clicks ^= other.clicks;
        toggled ^= other.toggled;
        return *this;
    }
};

// The full search counts the bits of a million candidates. Where the processor can
// count them in one instruction, a second copy of the search uses it, picked when the
// program loads; elsewhere the count is done in software.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define COUNTS_BITS_IN_HARDWARE_WHERE_IT_CAN __attribute__((target_clones("popcnt", "default")))
#else
#define COUNTS_BITS_IN_HARDWARE_WHERE_IT_CAN
#endif

// Tries every combination of the null space in Gray-code order: each step adds or
// removes one set, so a candidate costs one exclusive or and one count.
COUNTS_BITS_IN_HARDWARE_WHERE_IT_CAN
CellBits searchAll(const ClickSolutions &solutions)
{
    const auto &sets = solutions.nullSpace;
    CellBits best = solutions.particular;
    std::size_t fewest = best.count();
    CellBits candidate = best;
    const std::uint32_t combinations = std::uint32_t(1) << sets.size();
    for (std::uint32_t step = 1; step < combinations; ++step) {
        candidate ^= sets[std::countr_zero(step)];
        const std::size_t clicks = candidate.count();
        if (clicks < fewest) {
            fewest = clicks;
            best = candidate;
        }
    }
    return best;
}

// Adds one or two of the null space's sets whenever that saves clicks, until no such
// step is left. Every step saves a click, so there are at most MaxCells rounds of at
// most d + d(d - 1) / 2 candidates: a few milliseconds even for d = 100, and always
// the same answer for the same board.
CellBits improveLocally(const ClickSolutions &solutions)
{
    const auto &sets = solutions.nullSpace;
    CellBits best = solutions.particular;
    bool improved = true;
    while (improved) {
        improved = false;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const CellBits one = best ^ sets[i];
            if (one.count() < best.count()) {
                best = one;
                improved = true;
                continue;
            }
            for (std::size_t j = i + 1; j < sets.size(); ++j) {
                const CellBits two = one ^ sets[j];
                if (two.count() < best.count()) {
                    best = two;
                    improved = true;
                    break;
                }
            }
        }
    }
    return best;
}

} // namespace

std::optional<ClickSolutions> solveClicks(const std::vector<CellBits> &toggles,
                                          const CellBits &reversed)
{
    const int cells = int(toggles.size());
    std::vector<Equation> equations(cells);
    for (int cell = 0; cell < cells; ++cell) {
        for (int click = 0; click < cells; ++click)
            equations[cell].clicks[click] = toggles[click][cell];
        equations[cell].toggled = reversed[cell];
    }

    // Gauss-Jordan elimination: afterwards each pivot click appears in exactly one
    // equation, which decides it once the free clicks are chosen.
    std::vector<int> pivotEquation(cells, -1);
    int rank = 0;
    for (int click = 0; click < cells; ++click) {
        int pivot = rank;
        while (pivot < cells && !equations[pivot].clicks[click])
            ++pivot;
        if (pivot == cells)
            continue; // a free click
        std::swap(equations[rank], equations[pivot]);
        for (int other = 0; other < cells; ++other) {
            if (other != rank && equations[other].clicks[click])
                equations[other] ^= equations[rank];
        }
        pivotEquation[click] = rank++;
    }

    // The equations left over say 0 = toggled: a cell that must change although no
    // combination of clicks reaches it.
    for (int rest = rank; rest < cells; ++rest) {
        if (equations[rest].toggled)
            return std::nullopt;
    }

    ClickSolutions solutions;
    for (int click = 0; click < cells; ++click) {
        if (pivotEquation[click] >= 0) {
            solutions.particular[click] = equations[pivotEquation[click]].toggled;
            continue;
        }
        // A free click together with every pivot click whose equation contains it
        // changes nothing.
        CellBits silent;
        silent.set(click);
        for (int pivot = 0; pivot < cells; ++pivot) {
            if (pivotEquation[pivot] >= 0 && equations[pivotEquation[pivot]].clicks[click])
                silent.set(pivot);
        }
        solutions.nullSpace.push_back(silent);
    }
    return solutions;
}

CellBits fewestClicks(const ClickSolutions &solutions)
{
    if (solutions.nullSpace.size() <= std::size_t(ExhaustiveDimension))
        return searchAll(solutions);
    return improveLocally(solutions);
}

} // namespace engine

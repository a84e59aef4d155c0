#include "random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine(12345u);
    return engine;
}

std::function<std::uint64_t()> &seedSource()
{
    static std::function<std::uint64_t()> source;
    return source;
}

} // namespace

void Randomize()
{
    const std::uint64_t seed =
        seedSource() ? seedSource()()
                     : static_cast<std::uint64_t>(
                           std::chrono::high_resolution_clock::now().time_since_epoch().count());
    generator().seed(static_cast<std::mt19937::result_type>(seed ^ (seed >> 32)));
}

float Rnd()
{
    // 24 random bits give every float of the form k / 2^24, all strictly below 1.
    return static_cast<float>(generator()() >> 8) / 16777216.0f;
}

void setSeedSource(std::function<std::uint64_t()> source)
{
    seedSource() = std::move(source);
}

} // namespace platform

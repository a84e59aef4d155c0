#pragma once

// Randomize and Rnd. Randomize seeds the generator from the clock; a test can pin
// the seeds it draws through setSeedSource to make a game reproducible.

#include <cstdint>
#include <functional>

namespace platform {

// Seeds the generator anew: from the clock, or from the installed seed source.
void Randomize();

// A number in [0, 1).
float Rnd();

// Installs a source of seeds for Randomize; an empty function restores the clock.
void setSeedSource(std::function<std::uint64_t()> source);

} // namespace platform

#include "animationpace.h"

#include <algorithm>

namespace engine {
namespace {

AnimationLength g_length;

} // namespace

AnimationLength animationLength()
{
    return g_length;
}

void setAnimationLength(AnimationLength length)
{
    g_length = length;
}

double ClickDue(int click, int clicks, double frameSeconds)
{
    if (clicks <= 0)
        return 0;
    // One frame a click, stretched to the shortest length or squeezed to the longest.
    const double total = std::clamp(clicks * frameSeconds, g_length.shortest,
                                    std::max(g_length.shortest, g_length.longest));
    return total * click / clicks;
}

} // namespace engine

#pragma once

// How the creation animation is spread over time, so that the player sees the picture
// being broken up: every click's board stays on screen for a frame, and the whole
// scramble lasts between a shortest and a longest length whatever the grid (when it
// would last longer, several clicks share a frame).

namespace engine {

struct AnimationLength
{
    double shortest = 1.0; // seconds
    double longest = 2.0;  // seconds
};

// The lengths the creation uses; tests shorten them to zero to run without waiting.
AnimationLength animationLength();
void setAnimationLength(AnimationLength length);

// Seconds from the first click at which the board after click `click` (1..clicks) has
// had its time on screen and the next click may come, on a display whose frame lasts
// frameSeconds.
double ClickDue(int click, int clicks, double frameSeconds);

} // namespace engine

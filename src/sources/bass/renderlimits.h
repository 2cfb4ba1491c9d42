#pragma once

#include <cstdint>

namespace tonewright {

// Rendered songs (tracker modules, MIDI files) render at 8 to 192 kHz and last at most a
// day: a hostile file that claims a longer play-through is refused rather than rendered
// for hours.
bool IsRenderRate(int rate);
// The frames of `seconds` at `rate`, rounded to nearest; false when the duration is not a
// positive number of at most a day.
bool RenderFrames(double seconds, int rate, uint64_t& frames);

}  // namespace tonewright

#include "sources/bass/renderlimits.h"

#include <cmath>

namespace tonewright {

namespace {

constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;
constexpr double kMaxSeconds = 24.0 * 3600.0;

}  // namespace

bool IsRenderRate(int rate) { return rate >= kMinRate && rate <= kMaxRate; }

bool RenderFrames(double seconds, int rate, uint64_t& frames) {
    if (!std::isfinite(seconds) || seconds <= 0.0 || seconds > kMaxSeconds) return false;
    frames = static_cast<uint64_t>(std::llround(seconds * rate));
    return frames > 0;
}

}  // namespace tonewright

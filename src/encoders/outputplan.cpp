#include "encoders/outputplan.h"

namespace tonewright {

namespace {

constexpr int kDefaultRenderRate = 44100;

}  // namespace

int RenderRateOf(int automatic, int rate) { return automatic || rate < 1 ? kDefaultRenderRate : rate; }

}  // namespace tonewright

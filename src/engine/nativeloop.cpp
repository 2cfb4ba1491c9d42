#include "engine/nativeloop.h"

#include "engine/amplify.h"
#include "engine/blockloop.h"
#include "engine/pathutil.h"
#include "engine/pipelines.h"

namespace tonewright {

namespace {

constexpr int kRightChannel = 2;

}  // namespace

int EncodeNativeSamples(AudioSource& source, int channels, int monoType, float gain, const ConversionJob& job,
                        const Sink16& write16, const Sink8& write8) {
    const bool pickRight = channels == 1 && source.GetChannels() == 2 && monoType == kRightChannel;
    const bool wide = source.GetBitsPerSample() == 16;
    auto consume = [&](uint8_t* left, uint8_t* right, int count) {
        if (count <= 0) return 1;
        uint8_t* first = pickRight ? right : left;
        uint8_t* second = channels == 2 ? right : nullptr;
        if (wide) {
            auto l = reinterpret_cast<int16_t*>(first), r = reinterpret_cast<int16_t*>(second);
            if (gain != 0.0f) AmplifySamples16(l, r, count, channels, gain);
            return write16(l, r, count);
        }
        if (gain != 0.0f) AmplifySamples8(first, second, count, channels, gain);
        return write8(first, second, count);
    };
    return RunBlockLoop(source, job.inputType, *job.progress, LastPathComponent(job.sourcePath), consume) ==
                   LoopOutcome::Finished
               ? 1
               : 0;
}

}  // namespace tonewright

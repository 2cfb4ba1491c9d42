#include "engine/blockloop.h"

#include <algorithm>
#include <vector>

#include "base/inputtype.h"
#include "engine/progress.h"
#include "sources/audiosource.h"

namespace tonewright {

namespace {

// Reports the percentage and the file bar only when one of them grows, so a file causes
// at most 100 text updates. The row's start has shown the bar empty.
class ProgressTracker {
public:
    ProgressTracker(FileProgress& progress, const std::string& displayName, uint64_t length)
        : progress_(progress), displayName_(displayName) {
        length_ = std::max<uint64_t>(length, 1);
        divisor_ = std::max<uint64_t>(length_ / 100, 1);
        width_ = std::max(progress.barSteps(), 1);
        step_ = std::max<uint64_t>(length_ / static_cast<uint64_t>(width_), 1);
    }

    uint64_t length() const { return length_; }

    void Update(uint64_t position) {
        const int percent = static_cast<int>(std::min<uint64_t>(position / divisor_, 100));
        const int bar = static_cast<int>(std::min<uint64_t>(position / step_, static_cast<uint64_t>(width_)));
        if (percent > lastPercent_ || bar > lastBar_) Show(std::max(percent, lastPercent_), std::max(bar, lastBar_));
    }

    void Finish() {
        if (lastPercent_ < 100 || lastBar_ < width_) Show(100, width_);
    }

private:
    void Show(int percent, int bar) {
        lastPercent_ = percent;
        lastBar_ = bar;
        progress_.Report({percent, bar, "Converting " + displayName_ + "..." + std::to_string(percent) + "%"});
    }

    FileProgress& progress_;
    std::string displayName_;
    uint64_t length_ = 1, divisor_ = 1, step_ = 1;
    int width_ = 1;
    int lastPercent_ = 0;
    int lastBar_ = 0;
};

// Reads with `read` (the count it returns as ReadBlock's) until the source ends, reporting
// progress and handing each count to `consume`.
template <typename Read, typename Consume>
LoopOutcome RunLoop(AudioSource& source, int inputType, FileProgress& progress, const std::string& displayName,
                    const Read& read, const Consume& consume) {
    ProgressTracker tracker(progress, displayName, source.GetLength());
    const bool endsAtLength = EndsAtDeclaredLength(inputType);
    for (;;) {
        const int count = read();
        if (count < 0) return LoopOutcome::ReadFailed;
        if (count == 0) break;
        const uint64_t position = source.GetPosition();
        tracker.Update(position);
        if (progress.Cancelled()) return LoopOutcome::Cancelled;
        if (!consume(count)) return LoopOutcome::WriteFailed;
        if (endsAtLength && position >= tracker.length()) break;
    }
    tracker.Finish();
    return LoopOutcome::Finished;
}

}  // namespace

LoopOutcome RunBlockLoop(AudioSource& source, int inputType, FileProgress& progress,
                         const std::string& displayName, const BlockConsumer& consume) {
    const int bytesPerSample = source.GetBitsPerSample() == 8 ? 1 : 2;
    std::vector<uint8_t> left(static_cast<size_t>(kBlockSamples) * bytesPerSample);
    std::vector<uint8_t> right(source.GetChannels() == 2 ? left.size() : 0);
    uint8_t* rightBuffer = right.empty() ? nullptr : right.data();
    return RunLoop(
        source, inputType, progress, displayName, [&] { return source.ReadBlock(left.data(), rightBuffer); },
        [&](int count) { return consume(left.data(), rightBuffer, count); });
}

LoopOutcome RunFrameLoop(AudioSource& source, int inputType, FileProgress& progress,
                         const std::string& displayName, const FrameConsumer& consume) {
    std::vector<float> frames(static_cast<size_t>(kBlockSamples) * kMaxRoadChannels);
    return RunLoop(
        source, inputType, progress, displayName, [&] { return source.ReadFrames(frames.data()); },
        [&](int count) { return consume(frames.data(), count); });
}

}  // namespace tonewright

#include "sources/codecs/dwvw.h"

#include <algorithm>

namespace tonewright {

namespace {

constexpr int kMinWidth = 8;
constexpr int kMaxWidth = 24;

class DwvwDecoder : public FrameDecoder {
public:
    DwvwDecoder(int bitWidth, size_t channels, uint64_t frameCount)
        : bitWidth_(bitWidth),
          maxModifier_(bitWidth / 2),
          maxDelta_(1 << (bitWidth - 1)),
          span_(1 << bitWidth),
          channels_(channels),
          framesLeft_(frameCount == 0 ? UINT64_MAX : frameCount) {}

    size_t Decode(SoundData& data, int16_t* frames, size_t maxFrames) override {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(maxFrames, framesLeft_)) * channels_;
        size_t count = 0;
        for (; count < wanted && !ended_; ++count) {
            ended_ = !DecodeSample(data);
            if (ended_) break;
            // The sample left-justified in 32 bits, of which the top 16 are delivered.
            const auto justified = static_cast<int32_t>(static_cast<uint32_t>(sample_) << (32 - bitWidth_));
            frames[count] = static_cast<int16_t>(justified >> 16);
        }
        framesLeft_ -= count / channels_;
        return count / channels_;
    }

private:
    // Reads `count` bits (0..24), most significant first. False when the data ends first.
    bool ReadBits(SoundData& data, int count, uint32_t& value) {
        while (held_ < count) {
            const int byte = bytes_.Next(data);
            if (byte < 0) return false;
            reservoir_ = reservoir_ << 8 | static_cast<uint32_t>(byte);
            held_ += 8;
        }
        held_ -= count;
        value = (reservoir_ >> held_) & ((1u << count) - 1);
        return true;
    }

    // The change of the delta width: zero bits up to a one bit, at most maxModifier_ of
    // them (the longest run has no closing one bit), then a sign bit when it is not 0.
    bool ReadWidthModifier(SoundData& data, int& modifier) {
        modifier = 0;
        uint32_t bit = 0;
        while (modifier < maxModifier_) {
            if (!ReadBits(data, 1, bit)) return false;
            if (bit) break;
            ++modifier;
        }
        if (modifier == 0) return true;
        if (!ReadBits(data, 1, bit)) return false;
        if (bit) modifier = -modifier;
        return true;
    }

    bool DecodeSample(SoundData& data) {
        int modifier = 0;
        if (!ReadWidthModifier(data, modifier)) return false;
        deltaWidth_ = (deltaWidth_ + modifier + bitWidth_) % bitWidth_;
        int delta = 0;
        if (deltaWidth_ > 0) {
            // The delta's top bit is implied; then its sign, then, for the one magnitude
            // that needs it, an extra bit that reaches maxDelta_.
            uint32_t lowBits = 0, negative = 0, extra = 0;
            if (!ReadBits(data, deltaWidth_ - 1, lowBits) || !ReadBits(data, 1, negative)) return false;
            delta = static_cast<int>(lowBits) | 1 << (deltaWidth_ - 1);
            if (delta == maxDelta_ - 1) {
                if (!ReadBits(data, 1, extra)) return false;
                delta += static_cast<int>(extra);
            }
            if (negative) delta = -delta;
        }
        sample_ += delta;
        if (sample_ >= maxDelta_) {
            sample_ -= span_;
        } else if (sample_ < -maxDelta_) {
            sample_ += span_;
        }
        return true;
    }

    const int bitWidth_;
    const int maxModifier_;
    const int maxDelta_;
    const int span_;
    const size_t channels_;
    uint64_t framesLeft_;
    SoundDataBytes bytes_;
    uint32_t reservoir_ = 0;  // the low held_ bits are unread
    int held_ = 0;
    int deltaWidth_ = 0;
    int sample_ = 0;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<FrameDecoder> CreateDwvwDecoder(int bitWidth, size_t channels, uint64_t frameCount) {
    if (bitWidth < kMinWidth || bitWidth > kMaxWidth || channels == 0) return nullptr;
    return std::make_unique<DwvwDecoder>(bitWidth, channels, frameCount);
}

}  // namespace tonewright

#include "engine/conversionstage.h"

namespace tonewright {

int ConversionStage::Setup(const PcmFormat& source, const PcmFormat& target, int monoType) {
    targetChannels_ = target.channels;
    pickedChannel_ = -1;
    resampler_.reset();
    PcmFormat fed = source;
    if (PicksOneChannel(source.channels, target.channels, monoType)) {
        pickedChannel_ = monoType == kMonoRight ? 1 : 0;
        fed.channels = 1;
    }
    const bool needed = target.rate != source.rate || target.bits != source.bits ||
                        fed.channels != target.channels;
    if (!needed) return 1;
    resampler_ = std::make_unique<Resampler>();
    resampler_->sourceRate = fed.rate;
    resampler_->sourceChannels = fed.channels;
    resampler_->sourceBits = fed.bits;
    resampler_->targetRate = target.rate;
    resampler_->targetChannels = target.channels;
    resampler_->targetBits = target.bits;
    return resampler_->Setup();
}

int ConversionStage::Process(uint8_t* left, uint8_t* right, int count, uint8_t*& outLeft, uint8_t*& outRight) {
    if (pickedChannel_ >= 0) {
        if (pickedChannel_ == 1) left = right;
        right = nullptr;
    }
    if (!resampler_) {
        outLeft = left;
        outRight = targetChannels_ == 2 ? right : nullptr;
        return count;
    }
    const int made = resampler_->Convert(left, right, count);
    outLeft = resampler_->OutputLeft();
    outRight = resampler_->OutputRight();
    return made;
}

int ConversionStage::Flush(uint8_t*& outLeft, uint8_t*& outRight) {
    if (!resampler_) return 0;
    const int made = resampler_->Flush();
    outLeft = resampler_->OutputLeft();
    outRight = resampler_->OutputRight();
    return made;
}

}  // namespace tonewright

#include "encoders/amr/amrencoder.h"

#include <algorithm>

namespace tonewright {

AmrEncoder::~AmrEncoder() { Close(); }

int AmrEncoder::SetNarrowband(const std::string&, int narrowband) {
    Close();
    narrowband_ = narrowband ? 1 : 0;
    frameSize_ = narrowband_ ? AmrStream::kNarrowbandFrame : AmrStream::kWidebandFrame;
    return 1;
}

int AmrEncoder::Open(const std::string& path) {
    if (frameSize_ == 0) {
        error_ = "no AMR codec chosen";
        return 0;
    }
    stream_ = AmrStream::Create(path, narrowband_, dtx_, narrowband_ ? narrowbandMode_ : widebandMode_, error_);
    return stream_ ? 1 : 0;
}

int AmrEncoder::WriteSamples16(const int16_t* samples, int count) {
    if (!stream_ || count <= 0) return stream_ ? 1 : 0;
    if (fill_ + count < frameSize_) {
        std::copy(samples, samples + count, frame_ + fill_);
        fill_ += count;
        return 1;
    }
    int ok = 1;
    int used = 0;
    if (fill_ > 0) {
        used = frameSize_ - fill_;
        std::copy(samples, samples + used, frame_ + fill_);
        ok &= stream_->Encode(frame_);
    }
    for (; count - used >= frameSize_; used += frameSize_) ok &= stream_->Encode(samples + used);
    fill_ = count - used;
    std::copy(samples + used, samples + count, frame_);
    if (!ok) error_ = stream_->ErrorText();
    return ok;
}

int AmrEncoder::Close() {
    int ok = 1;
    if (stream_) {
        if (fill_ > 0) {
            std::fill(frame_ + fill_, frame_ + frameSize_, 0);
            ok &= stream_->Encode(frame_);
        }
        ok &= stream_->Finish();
        if (!ok) error_ = stream_->ErrorText();
        stream_.reset();
    }
    dtx_ = 0;
    fill_ = 0;
    frameSize_ = 0;
    narrowband_ = 1;
    narrowbandMode_ = widebandMode_ = kDefaultMode;
    return ok;
}

}  // namespace tonewright

#include "encoders/mp3/mp3encoder.h"

#include <lame/lame.h>

#include <algorithm>

namespace tonewright {

namespace {

constexpr size_t kId3v1Size = 128;
// LAME asks for 1.25 bytes per sample plus 7200 for an encode call, and 7200 for the flush.
constexpr size_t kLameReserve = 7200;
constexpr size_t kFlushBufferSize = 16384;

}  // namespace

void Mp3Encoder::LameCloser::operator()(lame_global_struct* lame) const { lame_close(lame); }

Mp3Encoder::~Mp3Encoder() { Close(); }

int Mp3Encoder::Open(const std::string& path) {
    Close();
    lameError_.clear();
    started_ = false;
    vbr_ = false;
    infoFrame_ = false;
    if (!file_.Create(path)) return 0;
    lame_.reset(lame_init());
    if (!lame_) lameError_ = "LAME could not be initialised";
    return lame_ ? 1 : 0;
}

void Mp3Encoder::SetInSampleRate(int hz) {
    if (lame_) lame_set_in_samplerate(lame_.get(), hz);
}

void Mp3Encoder::SetOutSampleRate(int hz) {
    if (lame_) lame_set_out_samplerate(lame_.get(), hz);
}

void Mp3Encoder::SetChannels(int count) {
    if (lame_) lame_set_num_channels(lame_.get(), std::clamp(count, 1, 2));
}

void Mp3Encoder::SetMode(int mode) {
    const MPEG_mode lameMode = mode == 1 ? JOINT_STEREO : mode == 3 ? MONO : STEREO;
    if (lame_) lame_set_mode(lame_.get(), lameMode);
}

void Mp3Encoder::SetBitrate(int kbps) {
    if (lame_) lame_set_brate(lame_.get(), std::clamp(kbps, 8, 320));
}

void Mp3Encoder::SetVbrQuality(int quality) {
    vbr_ = true;
    if (lame_) lame_set_VBR_q(lame_.get(), std::clamp(quality, 0, 9));
}

void Mp3Encoder::SetInfoFrame(bool write) { infoFrame_ = write; }

void Mp3Encoder::SetId3v1Tag(const uint8_t* block128) { id3v1_.assign(block128, block128 + kId3v1Size); }

void Mp3Encoder::SetId3v2Tag(const uint8_t* block, uint32_t length) { id3v2_.assign(block, block + length); }

int Mp3Encoder::Start() {
    if (!lame_ || !file_.IsOpen()) return 0;
    lame_set_bWriteVbrTag(lame_.get(), vbr_ || infoFrame_ ? 1 : 0);
    lame_set_VBR(lame_.get(), vbr_ ? vbr_default : vbr_off);
    lame_set_write_id3tag_automatic(lame_.get(), 0);
    if (lame_init_params(lame_.get()) < 0) {
        lameError_ = "LAME refused the encoding parameters";
        return 0;
    }
    started_ = true;
    if (!id3v2_.empty() && !file_.Write(id3v2_.data(), id3v2_.size())) return 0;
    return 1;
}

bool Mp3Encoder::WriteEncoded(int byteCount) {
    if (byteCount < 0) {
        lameError_ = "LAME failed to encode";
        return false;
    }
    return file_.Write(encoded_.data(), static_cast<size_t>(byteCount));
}

int Mp3Encoder::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    if (!started_ || !file_.IsOpen()) return 0;
    if (count <= 0) return 1;
    encoded_.resize(static_cast<size_t>(count) * 5 / 4 + kLameReserve);
    // With one channel LAME reads the left buffer only; it is passed twice so that LAME
    // never sees a null right buffer.
    const int made = lame_encode_buffer(lame_.get(), left, right ? right : left, count, encoded_.data(),
                                        static_cast<int>(encoded_.size()));
    return WriteEncoded(made) ? 1 : 0;
}

int Mp3Encoder::Close() {
    if (file_.IsOpen()) {
        if (started_) {
            encoded_.resize(kFlushBufferSize);
            if (WriteEncoded(lame_encode_flush(lame_.get(), encoded_.data(), static_cast<int>(encoded_.size()))) &&
                (vbr_ || infoFrame_))
                WriteInfoFrame();
        }
        if (!id3v1_.empty()) file_.Write(id3v1_.data(), id3v1_.size());
        file_.Close();
    }
    id3v1_.clear();
    id3v2_.clear();
    lame_.reset();
    started_ = false;
    return file_.Failed() || !lameError_.empty() ? 0 : 1;
}

// LAME left room for the frame where the frames begin, right after the ID3v2 block.
bool Mp3Encoder::WriteInfoFrame() {
    encoded_.resize(kFlushBufferSize);
    const size_t size = lame_get_lametag_frame(lame_.get(), encoded_.data(), encoded_.size());
    if (size == 0 || size > encoded_.size()) {
        lameError_ = "LAME gave no information frame";
        return false;
    }
    return file_.WriteAt(id3v2_.size(), encoded_.data(), size);
}

std::string Mp3Encoder::ErrorText() const { return lameError_.empty() ? file_.ErrorText() : lameError_; }

}  // namespace tonewright

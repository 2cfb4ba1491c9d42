#include "sources/codecs/blockframedecoder.h"

#include <vector>

namespace tonewright {

namespace {

class BlockFrameDecoder : public FrameDecoder {
public:
    BlockFrameDecoder(std::unique_ptr<BlockDecoder> blocks, size_t channels)
        : blocks_(std::move(blocks)),
          raw_(blocks_->BlockBytes()),
          channels_(channels),
          framesPerBlock_(blocks_->BlockSamples() / channels) {}

    size_t Decode(SoundData& data, int16_t* frames, size_t maxFrames) override {
        size_t decoded = 0;
        while (!ended_ && maxFrames - decoded >= framesPerBlock_) {
            if (data.Read(raw_.data(), raw_.size()) < raw_.size() ||
                !blocks_->DecodeBlock(raw_.data(), frames + decoded * channels_)) {
                ended_ = true;
                break;
            }
            decoded += framesPerBlock_;
        }
        return decoded;
    }

private:
    std::unique_ptr<BlockDecoder> blocks_;
    std::vector<uint8_t> raw_;
    size_t channels_;
    size_t framesPerBlock_;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<FrameDecoder> CreateBlockFrameDecoder(std::unique_ptr<BlockDecoder> blocks, size_t channels) {
    if (!blocks || channels == 0 || blocks->BlockBytes() == 0 || blocks->BlockSamples() < channels ||
        blocks->BlockSamples() % channels != 0)
        return nullptr;
    return std::make_unique<BlockFrameDecoder>(std::move(blocks), channels);
}

}  // namespace tonewright

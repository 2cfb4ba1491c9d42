#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "sources/codecs/directframes.h"
#include "sources/codecs/framedecoder.h"
#include "sources/codecs/sounddata.h"

namespace tonewright {

// Decodes one stored sample to the value delivered (an unsigned byte for 8-bit delivery,
// else a signed 16-bit sample).
using StoredSampleDecoder = int (*)(const uint8_t* stored);

// The stored channels that are delivered: `left` always, `right` too when `stereo`.
struct ChannelPick {
    size_t storedChannels = 1;
    size_t left = 0;
    size_t right = 0;
    bool stereo = false;
};

// Reads the sound data of a file front to back and delivers it in blocks of up to
// kBlockSamples frames, planar: the picked left channel, and the picked right one for a
// stereo delivery; or in frames of every channel, interleaved as floats in a given order.
// Either every stored sample decodes on its own (PCM, float, G.711), or a FrameDecoder
// turns the data into frames (ADPCM, GSM, DWVW). Memory stays the same
// whatever the data's length; very wide frames are read fewer at a time.
class PlanarReader {
public:
    // Takes the sound data from the file's current offset on. With eightBit the delivered
    // samples are unsigned bytes, else 16-bit. Frames decode samples wider than that with
    // `wide`, the rest as the blocks do.
    void StartDirect(UniqueFile file, uint64_t dataSize, const ChannelPick& pick, StoredSampleDecoder decoder,
                     size_t storedSampleBytes, bool eightBit, FrameSample wide = {});
    void StartCoded(UniqueFile file, uint64_t dataSize, const ChannelPick& pick, std::unique_ptr<FrameDecoder> decoder);
    // Closes the file and frees the buffers.
    void Stop();

    // Frames delivered (1..kBlockSamples); 0 at the end of the data or before a start; -1
    // once a read of the file failed (the frames read before it were delivered first).
    int Read(void* left, void* right);
    // Frames deliver the stored channels in this order (by default none); call after a start.
    void SetFrameOrder(const ChannelOrder& order);
    // The width of delivered frames: that of the wide decoder, else 8 or 16.
    int FrameBits() const { return frameDecoder_ ? 16 : direct_.Bits(); }
    // Reads as Read does, delivering interleaved frames of the ordered channels.
    int ReadFrames(float* frames);
    // Bytes of sound data read so far.
    uint64_t Consumed() const { return data_.Consumed(); }
    // The system's error number of the read that failed; 0 when none did.
    int ReadError() const { return data_.ReadError(); }

private:
    void Start(UniqueFile file, uint64_t dataSize, const ChannelPick& pick);
    template <typename Sample>
    int ReadDirect(void* left, void* right);
    int ReadCoded(void* left, void* right);

    UniqueFile file_;
    SoundData data_;
    ChannelPick pick_;
    StoredSampleDecoder decodeSample_ = nullptr;  // direct data
    size_t storedSampleBytes_ = 0;
    bool eightBit_ = false;
    DirectFrames direct_;  // direct data as frames; its order serves coded data too
    std::unique_ptr<FrameDecoder> frameDecoder_;  // coded data
    std::vector<uint8_t> raw_;                    // direct data: one read's stored frames
    std::vector<int16_t> decoded_;                // coded data: one read's decoded frames
};

}  // namespace tonewright

#pragma once

#include <cstddef>
#include <cstdint>

namespace tonewright {

// A decoder for a codec stored in blocks of a fixed size, each of which decodes on its own
// to a fixed count of interleaved 16-bit samples (ADPCM in WAV files, GSM 06.10 WAV-49).
class BlockDecoder {
public:
    BlockDecoder() = default;
    virtual ~BlockDecoder() = default;
    BlockDecoder(const BlockDecoder&) = delete;
    BlockDecoder& operator=(const BlockDecoder&) = delete;

    // Stored bytes of one block.
    virtual size_t BlockBytes() const = 0;
    // Interleaved samples (all channels) one block decodes to.
    virtual size_t BlockSamples() const = 0;
    // Decodes one whole block of BlockBytes() bytes into BlockSamples() samples.
    // False when the block cannot be decoded.
    virtual bool DecodeBlock(const uint8_t* block, int16_t* samples) = 0;
};

}  // namespace tonewright

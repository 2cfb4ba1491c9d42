#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "encoders/outputfile.h"
#include "metadata/taginfo.h"

#include <FLAC/ordinals.h>

namespace tonewright {

// Writes a FLAC file from 16- or 24-bit PCM with libFLAC's stream encoder, every byte through
// OutputFile (libFLAC's write, seek and tell callbacks): the tags as a Vorbis comment block
// and their pictures as PICTURE blocks,
// a seek table with a point every ten seconds, the MD5 signature of the samples, and every
// frame decoded again and compared with its samples while it is written (libFLAC's verify
// mode).
class FlacEncoder {
public:
    FlacEncoder();
    ~FlacEncoder();
    FlacEncoder(const FlacEncoder&) = delete;
    FlacEncoder& operator=(const FlacEncoder&) = delete;

    // Drops what was open and creates the target. 1 when it was created.
    int Open(const std::string& path);
    // The rate, 1..8 channels of 16 or 24 bits (`bits`) whose speakers `channelMask` names,
    // compression level 0..8; `expectedSamples` (per channel, 0 when unknown) places the
    // seek points. Adds the non-empty tags as comments, and the channel mask as the comment
    // WAVEFORMATEXTENSIBLE_CHANNEL_MASK when the speakers are not those FFmpeg assumes for
    // a FLAC stream of that many channels. Then writes the stream's header blocks. 0 when
    // libFLAC refused the parameters or writing failed.
    int Start(int sampleRate, int channels, int bits, uint32_t channelMask, int compressionLevel,
              uint64_t expectedSamples, const TagInfo* tags);
    // Encodes `count` samples per channel (right is not read with one channel). 0 on failure.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    // Encodes `count` interleaved frames at the started width. 0 on failure.
    int WriteFrames(const float* frames, int count);
    // Ends the stream (the last frame, the sample count, the MD5 signature and the seek
    // points written into the header blocks) and closes the file. 1 when everything was
    // verified and reached the file.
    int Close();
    std::string ErrorText() const;

private:
    struct Codec;
    friend struct FlacCallbacks;

    bool PutBytes(const uint8_t* data, size_t size, uint32_t samples);
    bool FinishStream();
    void NoteEncoderState();
    bool ClearUnreachedSeekPoints();
    bool Process(const FLAC__int32* const planes[], const FLAC__int32* interleaved, int count);

    OutputFile file_;
    std::unique_ptr<Codec> codec_;
    uint64_t position_ = 0;  // where libFLAC writes next
    std::string error_;
};

}  // namespace tonewright

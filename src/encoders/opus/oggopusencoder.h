#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "encoders/outputfile.h"
#include "metadata/taginfo.h"

struct OggOpusEnc;

namespace tonewright {

// How libopus spends the bit rate; the values are those the OpusMode setting stores.
enum class OpusRateMode { Variable = 0, ConstrainedVariable = 1, Constant = 2 };

// The Opus encoder's parameters: the bit rate of the whole stream in kbit/s (6..510), its
// mode and libopus's complexity (0 fastest .. 10 best).
struct OpusParameters {
    int bitrateKbps = 128;
    OpusRateMode mode = OpusRateMode::Variable;
    int complexity = 10;
};

// Writes an Ogg Opus file from 16-bit or floating-point PCM with libopusenc, every page through OutputFile
// (libopusenc's write and close callbacks). The samples go in at the source's rate: libopus
// encodes at 48000 Hz, libopusenc resamples to it, keeps the source's rate in the header's
// input-rate field and sets the pre-skip and the last page's granule position so that a
// decoder gives out exactly the samples written. Mono and stereo (channel mapping family 0),
// or up to 8 channels (family 1); the tags become the stream's Vorbis comments (OpusTags).
class OggOpusEncoder {
public:
    OggOpusEncoder();
    ~OggOpusEncoder();
    OggOpusEncoder(const OggOpusEncoder&) = delete;
    OggOpusEncoder& operator=(const OggOpusEncoder&) = delete;

    // Drops what was open and creates the target. 1 when it was created.
    int Open(const std::string& path);
    // Sets up the encoder for `sampleRate` and `channels` with the parameters and the
    // comments of the non-empty tags: mapping family 0 for 1 or 2 channels, 1 (Vorbis
    // order) for 3..8, whose frames' channels `positions` takes to that order (see
    // FramePositions). 0 when libopusenc refused them.
    int Start(int sampleRate, int channels, const std::vector<int>& positions, const OpusParameters& parameters,
              const TagInfo* tags);
    // Encodes `count` samples per channel (right is not read with one channel) and writes
    // the pages that are complete. 0 when encoding or writing failed.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    // Encodes `count` interleaved frames, as WriteSamples16 does.
    int WriteFrames(const float* frames, int count);
    // With `endStream`, encodes what libopusenc still holds and writes the last page; then
    // closes the file. 1 when the stream was ended (if asked) and everything reached the file.
    int Close(bool endStream = true);
    std::string ErrorText() const;

private:
    friend struct OpusCallbacks;

    // Remembers why libopusenc failed, unless a failed write already says it.
    void NoteFailure(int code);
    // 1 when libopusenc took the samples (`code`), else notes why not.
    int Took(int code);

    OutputFile file_;
    OggOpusEnc* encoder_ = nullptr;
    int channels_ = 0;
    std::vector<int16_t> interleaved_;
    std::vector<int> positions_;
    std::vector<float> ordered_;
    std::string error_;
};

}  // namespace tonewright

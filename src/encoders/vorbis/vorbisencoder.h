#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "encoders/outputfile.h"
#include "metadata/taginfo.h"

namespace tonewright {

// Writes an Ogg Vorbis file from 16-bit or floating-point PCM with libvorbis and libogg: average bit rate
// with the bit-rate management engine off, or a quality level, the tags as Vorbis comments, the three header
// packets on pages of their own before any audio page, and the end-of-stream page last.
class VorbisEncoder {
public:
    VorbisEncoder();
    virtual ~VorbisEncoder();
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    // Drops what was open and creates the target. 1 when it was created.
    int Open(const std::string& path);
    // Chooses the libvorbis mode for the rate, 1..8 channels and the nominal bit rate in
    // bits per second. 0 when libvorbis has no mode for the combination.
    int Setup(int sampleRate, int channels, long nominalBitrate);
    // Chooses libvorbis's variable-bit-rate mode for the quality, -1 (smallest) to 10 (best);
    // the header's nominal bit rate is libvorbis's estimate for it. 0 when it has no mode.
    int SetupQuality(int sampleRate, int channels, int quality);
    // Adds the non-empty values as comments; the track only when its number is above 0.
    void SetTags(const TagInfo& tags);
    // Writes the identification, comment and codebook headers. 0 when writing failed.
    int WriteHeaders();
    // Encodes `count` samples per channel (right is not read with one channel) and writes
    // the pages that are complete. A count of 0 ends the stream. 0 when writing failed.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    // Where each channel of Vorbis order sits in the frames WriteFrames takes (see
    // FramePositions); none: they are in that order.
    void SetFramePositions(const std::vector<int>& positions) { positions_ = positions; }
    // Encodes `count` interleaved frames, as WriteSamples16 does.
    int WriteFrames(const float* frames, int count);
    // Closes the file and frees the codec state. 1 when everything written reached the file.
    int Close();
    std::string ErrorText() const { return file_.ErrorText(); }

private:
    struct Codec;

    bool WritePendingPages();
    // Takes `count` samples per channel from the analysis buffer into packets and pages.
    int Encode(int count);
    // Ends a setup whose mode was chosen (modeChosen) by libvorbis's setup_init. 1 when done.
    int FinishSetup(int channels, bool modeChosen);

    OutputFile file_;
    std::unique_ptr<Codec> codec_;
    int channels_ = 0;
    std::vector<int> positions_;
};

}  // namespace tonewright

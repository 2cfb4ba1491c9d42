#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "encoders/amr/amrstream.h"

namespace tonewright {

// Cuts mono 16-bit PCM (8000 Hz narrowband, 16000 Hz wideband) into AMR codec frames of
// 160 or 320 samples and hands them to an AmrStream; a partial frame waits for the next
// call and is padded with silence at Close.
class AmrEncoder {
public:
    AmrEncoder() = default;
    virtual ~AmrEncoder();

    // Finishes any open stream, then chooses the codec; modes and DTX go back to their
    // defaults (mode 6, DTX off). Always 1.
    int SetNarrowband(const std::string& path, int narrowband);
    void SetNarrowbandMode(int mode) { narrowbandMode_ = mode; }
    void SetWidebandMode(int mode) { widebandMode_ = mode; }
    void SetDtx(int dtx) { dtx_ = dtx; }
    // 1 when the file and the codec were created.
    int Open(const std::string& path);
    // 0 when writing failed.
    int WriteSamples16(const int16_t* samples, int count);
    // Pads and encodes the partial frame and ends the file; 0 when anything written was lost.
    int Close();
    std::string ErrorText() const { return error_; }

private:
    static constexpr int kDefaultMode = 6;
    static constexpr int kBufferSamples = 1024;

    int narrowband_ = 1;
    int16_t frame_[kBufferSamples] = {};
    int fill_ = 0;
    int dtx_ = 0;
    int narrowbandMode_ = kDefaultMode;
    int widebandMode_ = kDefaultMode;
    int frameSize_ = 0;
    std::unique_ptr<AmrStream> stream_;
    std::string error_;
};

}  // namespace tonewright

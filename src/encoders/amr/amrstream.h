#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "encoders/outputfile.h"

namespace tonewright {

// One AMR speech file in the storage format of RFC 4867: the magic "#!AMR\n" (narrowband,
// opencore-amrnb) or "#!AMR-WB\n" (wideband, vo-amrwbenc), then one codec frame after the
// other, each with its one-byte table-of-contents header.
class AmrStream {
public:
    static constexpr int kNarrowbandFrame = 160;  // samples per frame at 8000 Hz
    static constexpr int kWidebandFrame = 320;    // samples per frame at 16000 Hz

    // Creates the file and the codec with DTX on or off and a codec mode (0-7 narrowband,
    // 0-8 wideband; an out-of-range mode is clamped). Null when either cannot be created.
    static std::unique_ptr<AmrStream> Create(const std::string& path, bool narrowband, int dtx, int mode,
                                             std::string& error);
    ~AmrStream();
    AmrStream(const AmrStream&) = delete;
    AmrStream& operator=(const AmrStream&) = delete;

    // Encodes one frame of mono 16-bit samples (FrameSize() of them). 0 when writing failed.
    int Encode(const int16_t* frame);
    // Ends the file. 0 when anything written was lost.
    int Finish();
    int FrameSize() const { return narrowband_ ? kNarrowbandFrame : kWidebandFrame; }
    const std::string& ErrorText() const { return file_.ErrorText(); }

private:
    AmrStream(bool narrowband, int dtx, int mode);

    bool narrowband_;
    int dtx_;
    int mode_;
    void* codec_ = nullptr;
    OutputFile file_;
};

}  // namespace tonewright

#include "encoders/amr/amrstream.h"

#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>

#include <algorithm>

namespace tonewright {

namespace {

constexpr char kNarrowbandMagic[] = "#!AMR\n";
constexpr char kWidebandMagic[] = "#!AMR-WB\n";
constexpr int kHighestNarrowbandMode = 7;  // 12.2 kbit/s
constexpr int kHighestWidebandMode = 8;    // 23.85 kbit/s
// The largest storage frame: 23.85 kbit/s wideband, 477 bits plus the header byte.
constexpr int kMaxFrameBytes = 64;

}  // namespace

AmrStream::AmrStream(bool narrowband, int dtx, int mode)
    : narrowband_(narrowband),
      dtx_(dtx ? 1 : 0),
      mode_(std::clamp(mode, 0, narrowband ? kHighestNarrowbandMode : kHighestWidebandMode)) {}

std::unique_ptr<AmrStream> AmrStream::Create(const std::string& path, bool narrowband, int dtx, int mode,
                                             std::string& error) {
    std::unique_ptr<AmrStream> stream(new AmrStream(narrowband, dtx, mode));
    if (!stream->file_.Create(path)) {
        error = stream->file_.ErrorText();
        return nullptr;
    }
    stream->codec_ = narrowband ? Encoder_Interface_init(stream->dtx_) : E_IF_init();
    if (!stream->codec_) {
        error = "the AMR codec could not be set up";
        return nullptr;
    }
    const char* magic = narrowband ? kNarrowbandMagic : kWidebandMagic;
    stream->file_.Write(magic, std::char_traits<char>::length(magic));
    return stream;
}

AmrStream::~AmrStream() {
    if (!codec_) return;
    if (narrowband_) Encoder_Interface_exit(codec_);
    else E_IF_exit(codec_);
}

int AmrStream::Encode(const int16_t* frame) {
    unsigned char out[kMaxFrameBytes];
    const int bytes = narrowband_ ? Encoder_Interface_Encode(codec_, static_cast<Mode>(mode_), frame, out, 0)
                                  : E_IF_encode(codec_, mode_, frame, out, dtx_);
    if (bytes <= 0) return !file_.Failed();
    return file_.Write(out, std::min(bytes, kMaxFrameBytes)) ? 1 : 0;
}

int AmrStream::Finish() { return file_.Close() ? 1 : 0; }

}  // namespace tonewright

#include "base/windowsmediaprobe.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace tonewright {

bool ProbeWindowsMediaRuntime() {
    return avcodec_find_encoder(AV_CODEC_ID_WMAV2) && avcodec_find_decoder(AV_CODEC_ID_WMAV2) &&
           av_guess_format("asf", nullptr, nullptr) && av_find_input_format("asf");
}

}  // namespace tonewright

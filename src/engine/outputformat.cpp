#include "engine/outputformat.h"

#include "encoders/aac/aacoutput.h"
#include "encoders/amr/amroutput.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "encoders/winmedia/wmaoutput.h"

namespace tonewright {

const std::vector<OutputFormatInfo>& OutputFormats() {
    static const std::vector<OutputFormatInfo> formats = {
        {kOutputMp3, "MP3", ".mp3", "mp3", &kMp3Writer},
        {kOutputWav, "WAV", ".wav", "wav", &kWavWriter},
        {kOutputOgg, "OGG", ".ogg", "ogg", &kVorbisWriter},
        {kOutputAmr, "AMR", ".amr", "amr", &kAmrWriter},
        {kOutputAwb, "AWB", ".awb", "awb", &kAwbWriter},
        {kOutputAac, "AAC", ".aac", "aac", &kAacWriter},
        {kOutputM4a, "M4A", ".m4a", "m4a", &kM4aWriter},
        {kOutputMp4, "MP4", ".mp4", "mp4", &kMp4Writer},
        {kOutputM4b, "M4B", ".m4b", "m4b", &kM4bWriter},
        {kOutputWma, "WMA", ".wma", "wma", &kWmaWriter},
    };
    return formats;
}

const OutputFormatInfo* FindOutputFormat(int code) {
    for (const auto& format : OutputFormats())
        if (format.code == code) return &format;
    return nullptr;
}

const OutputFormatInfo* FindOutputFormatByCommandName(const std::string& name) {
    for (const auto& format : OutputFormats())
        if (name == format.commandName) return &format;
    return nullptr;
}

}  // namespace tonewright

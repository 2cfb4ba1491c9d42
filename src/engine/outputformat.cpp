#include "engine/outputformat.h"

#include "engine/pipelines.h"

namespace tonewright {

const std::vector<OutputFormatInfo>& OutputFormats() {
    static const std::vector<OutputFormatInfo> formats = {
        {kOutputMp3, "MP3", ".mp3", "mp3", ConvertToMp3},
        {kOutputWav, "WAV", ".wav", "wav", ConvertToWav},
        {kOutputOgg, "OGG", ".ogg", "ogg", ConvertToOgg},
        {kOutputAmr, "AMR", ".amr", "amr", nullptr},
        {kOutputAwb, "AWB", ".awb", "awb", nullptr},
        {kOutputAac, "AAC", ".aac", "aac", nullptr},
        {kOutputM4a, "M4A", ".m4a", "m4a", nullptr},
        {kOutputMp4, "MP4", ".mp4", "mp4", nullptr},
        {kOutputM4b, "M4B", ".m4b", "m4b", nullptr},
        {kOutputWma, "WMA", ".wma", "wma", nullptr},
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

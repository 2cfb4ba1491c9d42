#include "engine/outputformat.h"

#include "engine/pipelines.h"

namespace tonewright {

const std::vector<OutputFormatInfo>& OutputFormats() {
    static const std::vector<OutputFormatInfo> formats = {
        {kOutputMp3, "MP3", ".mp3", "mp3", ConvertToMp3},
        {kOutputWav, "WAV", ".wav", "wav", ConvertToWav},
        {kOutputOgg, "OGG", ".ogg", "ogg", ConvertToOgg},
        {kOutputAmr, "AMR", ".amr", "amr", ConvertToAmr},
        {kOutputAwb, "AWB", ".awb", "awb", ConvertToAwb},
        {kOutputAac, "AAC", ".aac", "aac", ConvertToAac},
        {kOutputM4a, "M4A", ".m4a", "m4a", ConvertToM4a},
        {kOutputMp4, "MP4", ".mp4", "mp4", ConvertToMp4},
        {kOutputM4b, "M4B", ".m4b", "m4b", ConvertToM4b},
        {kOutputWma, "WMA", ".wma", "wma", ConvertToWma},
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

#pragma once

#include <string>
#include <vector>

namespace tonewright {

struct OutputWriterFactory;

// Output format codes as stored in the OutputFormat setting.
enum OutputFormatCode {
    kOutputMp3 = 1000,
    kOutputWav = 2000,
    kOutputOgg = 4000,
    kOutputAmr = 5500,
    kOutputAwb = 5600,
    kOutputAac = 6000,
    kOutputM4a = 6500,
    kOutputMp4 = 6600,
    kOutputM4b = 6700,
    kOutputWma = 7000,
};

// Everything the program knows about one output format, in one place.
struct OutputFormatInfo {
    int code;
    const char* displayName;  // as in "Converting 1 of 3 file(s) to MP3..."
    const char* extension;    // target extension, dot included
    const char* commandName;  // the command line's -f value
    const OutputWriterFactory* writer;  // how its targets are written
};

const std::vector<OutputFormatInfo>& OutputFormats();
const OutputFormatInfo* FindOutputFormat(int code);
const OutputFormatInfo* FindOutputFormatByCommandName(const std::string& name);

}  // namespace tonewright

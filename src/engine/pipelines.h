#pragma once

#include <string>

namespace tonewright {

class FileProgress;
struct Settings;
struct WmaFormatList;

// One call of a format's pipeline: convert one source file into one target file.
struct ConversionJob {
    int inputType = 0;
    std::string sourcePath;
    std::string targetPath;       // where the encoder writes
    const Settings* settings = nullptr;
    FileProgress* progress = nullptr;
    int trackNumber = 1;          // 1-based position of the row in its batch
    std::string* failureReason = nullptr;  // set when no decoder opens the source
    const WmaFormatList* wmaFormats = nullptr;  // the WMA codec formats, once the runtime is found
};

// Each returns 1 when the target was written to the end, 0 otherwise; on 0 the partial
// target is gone.
int ConvertToWav(const ConversionJob& job);
int ConvertToMp3(const ConversionJob& job);
int ConvertToOgg(const ConversionJob& job);
// AMR narrowband or wideband by the AMR type setting; AWB always wideband.
int ConvertToAmr(const ConversionJob& job);
int ConvertToAwb(const ConversionJob& job);
int ConvertToAac(const ConversionJob& job);
// The same AAC-in-MP4 file, with the brand of iTunes audio, plain MP4 or an audiobook.
int ConvertToM4a(const ConversionJob& job);
int ConvertToMp4(const ConversionJob& job);
int ConvertToM4b(const ConversionJob& job);
// Runs only when the Windows Media codecs are there; 0 at once otherwise.
int ConvertToWma(const ConversionJob& job);

}  // namespace tonewright

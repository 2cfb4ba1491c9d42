#pragma once

#include <string>

namespace tonewright {

class FileProgress;
struct Settings;

// One call of a format's pipeline: convert one source file into one target file.
struct ConversionJob {
    int inputType = 0;
    std::string sourcePath;
    std::string targetPath;       // where the encoder writes
    const Settings* settings = nullptr;
    FileProgress* progress = nullptr;
    int trackNumber = 1;          // 1-based position of the row in its batch
    std::string* failureReason = nullptr;  // set when no decoder opens the source
};

// Each returns 1 when the target was written to the end, 0 otherwise; on 0 the partial
// target is gone.
int ConvertToWav(const ConversionJob& job);
int ConvertToMp3(const ConversionJob& job);
int ConvertToOgg(const ConversionJob& job);

}  // namespace tonewright

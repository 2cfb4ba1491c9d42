#pragma once

#include <string>

namespace tonewright {

class FileProgress;
struct OutputFormatInfo;
struct Settings;
struct WmaFormatList;

// One conversion of one source file into one target file.
struct ConversionJob {
    int inputType = 0;
    std::string sourcePath;
    std::string targetPath;       // where the writer writes
    const Settings* settings = nullptr;
    FileProgress* progress = nullptr;
    int trackNumber = 1;          // 1-based position of the row in its batch
    std::string* failureReason = nullptr;  // the first reason the row failed, when one is known
    std::string* note = nullptr;  // what the row's status adds when the target was written (may be null)
    const WmaFormatList* wmaFormats = nullptr;  // the WMA codec formats; null until they are found
};

// Converts the job's source into the format: opens the source, lets the format plan its
// writer from the settings and the source, reads every block through the one sample road
// (channel pick, width and rate conversion, the format's amplification) into the writer,
// and closes the source before the writer. 1 when the target was written to the end;
// otherwise 0, the first reason kept in the job and the partial target removed.
int RunPipeline(const ConversionJob& job, const OutputFormatInfo& format);

}  // namespace tonewright

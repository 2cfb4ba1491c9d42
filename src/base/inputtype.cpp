#include "base/inputtype.h"

#include <initializer_list>

#include "base/pathutil.h"

namespace tonewright {

namespace {

struct InputTypeRow {
    std::initializer_list<const char*> extensions;
    int inputType;
};

// The first row that lists the extension wins.
const InputTypeRow kInputTypes[] = {
    {{".mp3"}, kInputMp3},
    {{".wav", ".wave"}, kInputWav},
    {{".ogg", ".oga", ".ogm", ".ogv", ".ogx", ".opus"}, kInputOgg},
    {{".mod", ".xm", ".it", ".s3m", ".mtm", ".umx", ".mo3"}, kInputTrackerModule},
    {{".midi", ".mid", ".rmi", ".kar"}, kInputMidi},
    {{".au", ".snd"}, kInputAu},
    {{".aif", ".aiff", ".aifc", ".afc"}, kInputAiff},
    {{".cda"}, kInputCdTrack},
    {{".flac", ".fla"}, kInputFlac},
    {{".wma", ".wmv", ".asf", ".wm", ".wmd", ".xwmv"}, kInputWindowsMedia},
    {{".wv"}, kInputWavPack},
    {{".adx"}, kInputAdx},
    {{".ape", ".mac"}, kInputMonkeysAudio},
    {{".mpc", ".mpp", ".mp+"}, kInputMusepack},
    {{".spx"}, kInputSpeex},
    {{".tta"}, kInputTta},
    {{".aac"}, kInputAac},
    {{".mp4", ".m4v"}, kInputMp4},
    {{".m4a", ".m4b"}, kInputM4a},
};

}  // namespace

int ClassifyInputType(const std::string& path) {
    const std::string extension = AsciiLower(PathExtension(path));
    if (extension.empty()) return kInputOther;
    for (const auto& row : kInputTypes)
        for (const char* candidate : row.extensions)
            if (extension == candidate) return row.inputType;
    return kInputOther;
}

std::vector<std::string> FamilyExtensions() {
    std::vector<std::string> extensions;
    for (const auto& row : kInputTypes)
        extensions.insert(extensions.end(), row.extensions.begin(), row.extensions.end());
    return extensions;
}

}  // namespace tonewright

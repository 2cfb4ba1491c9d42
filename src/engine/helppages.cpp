#include "engine/helppages.h"

#include "base/pathutil.h"

namespace tonewright {

const char* const kWindowsMediaHelpPage = "windows-media.html";
const char* const kSoundFontHelpPage = "soundfont.html";

std::string HelpPageUrl(const std::string& page) {
    // Beside the program in a build folder; below share/ once installed.
    const std::string beside = ExecutableFolder() + "help/";
    const std::string installed = AbsoluteCleanPath(ExecutableFolder() + "../share/tonewright/help") + "/";
    const bool useInstalled = !IsFolder(beside) && IsFolder(installed);
    return "file://" + (useInstalled ? installed : beside) + page;
}

}  // namespace tonewright

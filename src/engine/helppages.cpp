#include "engine/helppages.h"

#include "engine/pathutil.h"

namespace tonewright {

const char* const kWindowsMediaHelpPage = "windows-media.html";
const char* const kSoundFontHelpPage = "soundfont.html";

std::string HelpPageUrl(const std::string& page) { return "file://" + ExecutableFolder() + "help/" + page; }

}  // namespace tonewright

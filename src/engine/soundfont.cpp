#include "engine/soundfont.h"

#include <cstdlib>

#include "engine/pathutil.h"

namespace tonewright {

const char* const kSoundFontFileName = "ct4mgm.sf2";

std::string FindSoundFont() {
    // TONEWRIGHT_SYSTEM_SOUNDFONT lets tests stand in for a machine without a SoundFont.
    const char* systemOverride = std::getenv("TONEWRIGHT_SYSTEM_SOUNDFONT");
    const std::string beside = ExecutableFolder() + kSoundFontFileName;
    const std::string system = systemOverride ? systemOverride : "/usr/share/sounds/sf2/default-GM.sf2";
    for (const std::string& candidate : {beside, system})
        if (!candidate.empty() && !IsFolder(candidate) && FileExists(candidate)) return candidate;
    return {};
}

}  // namespace tonewright

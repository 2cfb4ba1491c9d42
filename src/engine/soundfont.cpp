#include "engine/soundfont.h"

#include <cstdlib>

#include "base/pathutil.h"
#include "sources/bass/bass.h"

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

bool LoadDefaultSoundFont() {
    const std::string path = FindSoundFont();
    if (path.empty()) return false;
    const HSOUNDFONT font = BASS_MIDI_FontInit(path.c_str(), 0);
    if (!font) return false;
    // Stream handle 0: the default of every MIDI stream; preset -1 takes the whole font.
    const BASS_MIDI_FONT entry{font, -1, 0};
    return BASS_MIDI_StreamSetFonts(0, &entry, 1) != 0;
}

}  // namespace tonewright

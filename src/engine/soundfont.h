#pragma once

#include <string>

namespace tonewright {

// Name of the General MIDI SoundFont looked for beside the program.
extern const char* const kSoundFontFileName;

// The SoundFont MIDI files are rendered with: kSoundFontFileName in the program's folder
// when present, else the system's General MIDI SoundFont; "" when there is none.
std::string FindSoundFont();

// Loads the SoundFont FindSoundFont gives as the default font of every MIDI stream of the
// decoder layer. False when there is none or the layer refuses it.
bool LoadDefaultSoundFont();

}  // namespace tonewright

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonewright {

// The SoundFonts the layer hands out as handles, and the default fonts of MIDI streams.
// Shared by every thread; each call is guarded.

// A handle for a SoundFont 2 file (a RIFF "sfbk" file); 0 when the file is not one.
uint32_t RegisterSoundFont(const std::string& path);
// The files of the handles, in the order given; false when a handle is unknown.
bool SoundFontPaths(const std::vector<uint32_t>& handles, std::vector<std::string>& paths);
void SetDefaultSoundFonts(std::vector<std::string> paths);
std::vector<std::string> DefaultSoundFonts();

}  // namespace tonewright

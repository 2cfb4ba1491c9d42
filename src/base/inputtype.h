#pragma once

#include <string>
#include <vector>

namespace tonewright {

// The family of a source file, decided by its extension alone.
enum InputType {
    kInputMp3 = 1000,
    kInputWav = 2000,
    kInputTrackerModule = 3000,
    kInputMidi = 3050,
    kInputCdTrack = 3100,
    kInputFlac = 3200,
    kInputWavPack = 3300,
    kInputAdx = 3500,
    kInputMonkeysAudio = 3600,
    kInputMusepack = 3700,
    kInputSpeex = 3800,
    kInputTta = 3900,
    kInputOgg = 4000,
    kInputAu = 5000,
    kInputAiff = 5100,
    kInputAac = 6000,
    kInputM4a = 6500,
    kInputMp4 = 6600,
    kInputWindowsMedia = 7000,
    kInputOther = 9000,
};

// Classifies a path by its extension, compared without regard to letter case.
int ClassifyInputType(const std::string& path);

// Every extension that names a family of its own (".mp3", ...), lower case, in table order.
std::vector<std::string> FamilyExtensions();

// Rendered sources (MIDI, tracker modules) end at their declared length.
inline bool EndsAtDeclaredLength(int inputType) {
    return inputType == kInputTrackerModule || inputType == kInputMidi;
}

}  // namespace tonewright

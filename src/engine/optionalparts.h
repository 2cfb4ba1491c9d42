#pragma once

#include "encoders/winmedia/wmaformats.h"

namespace tonewright {

// The parts some conversions need that a machine may lack: the SoundFont MIDI files are
// rendered with, and the Windows Media codecs with their format list. One object per run
// of a program, shared by its batches (and the desktop's WMA options page): a part is
// looked for when first needed and kept once found; a part not found is looked for again
// the next time, since the user may have installed it meanwhile.
class OptionalParts {
public:
    // Loads the SoundFont as the default font of every MIDI stream, unless it is loaded.
    // True when it is.
    bool LoadSoundFont();
    bool soundFontLoaded() const { return soundFontLoaded_; }

    // Probes the codecs and fills the format list, unless done. True when they are there.
    bool FindWindowsMedia();
    // The format list once FindWindowsMedia has found the codecs, else null.
    const WmaFormatList* wmaFormats() const { return windowsMediaFound_ ? &wmaFormats_ : nullptr; }

private:
    bool soundFontLoaded_ = false;
    bool windowsMediaFound_ = false;
    WmaFormatList wmaFormats_;
};

}  // namespace tonewright

#include "engine/optionalparts.h"

#include "base/windowsmediaprobe.h"
#include "engine/soundfont.h"

namespace tonewright {

bool OptionalParts::LoadSoundFont() {
    if (!soundFontLoaded_) soundFontLoaded_ = LoadDefaultSoundFont();
    return soundFontLoaded_;
}

bool OptionalParts::FindWindowsMedia() {
    if (!windowsMediaFound_) windowsMediaFound_ = ProbeWindowsMediaRuntime() && FillWmaFormatList(wmaFormats_);
    return windowsMediaFound_;
}

}  // namespace tonewright

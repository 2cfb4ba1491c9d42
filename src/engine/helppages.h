#pragma once

#include <string>

namespace tonewright {

// Address of one of the help pages installed beside the program ("help/" in its folder).
std::string HelpPageUrl(const std::string& page);

// Pages that tell how to get the optional parts the program asks for.
extern const char* const kWindowsMediaHelpPage;
extern const char* const kSoundFontHelpPage;

}  // namespace tonewright

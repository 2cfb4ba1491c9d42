#pragma once

#include <string>

namespace tonewright {

// The tags of a file, read with TagLib, rendered through a tags.dll-style format: literal
// text with the fields %TITL %ARTI %ALBM %GNRE %YEAR %CMNT %TRCK %COMP %COPY and "%%" for
// a percent sign; an unknown field is kept as written. Values are UTF-8; line breaks inside
// a value become spaces. "" when the file has none of the fields the format names.
std::string RenderTagsText(const std::string& path, const std::string& format);

}  // namespace tonewright

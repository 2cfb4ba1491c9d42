#pragma once

#include <string>
#include <vector>

namespace tonewright {

// The file types the program reads, each as "Name (*.a *.b)", in the order the Add Files
// dialog lists them; the names are marked for translation in the context "OpenFilters".
std::vector<const char*> FileTypeFilters();

// Every extension the program reads (".mp3", ...), lower case, each once: the input
// families' and the file types'.
const std::vector<std::string>& ReadableExtensions();

// True when the name's extension is one the program reads, in any letter case.
bool IsReadableFileName(const std::string& path);

}  // namespace tonewright

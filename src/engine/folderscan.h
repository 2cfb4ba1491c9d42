#pragma once

#include <string>
#include <vector>

namespace tonewright {

struct Settings;

// The path to add for a file found by a folder scan or dropped on the window, or "" to
// leave it out. With the extension filter on, only files whose extension is listed are
// taken; a symbolic link whose own name does not pass is followed to its target, which is
// judged in turn.
std::string AcceptFile(const std::string& path, const Settings& settings);

// Every accepted file below `folder`: the folder's own files first, then each subfolder's,
// depth first; names in each folder in sorted order. Links to folders are not followed, so
// a link loop cannot trap the scan.
std::vector<std::string> ScanFolder(const std::string& folder, const Settings& settings);

}  // namespace tonewright

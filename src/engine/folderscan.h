#pragma once

#include <functional>
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
// depth first; names in each folder in sorted order. Then, in the order they were found,
// the folders that links lead to, searched the same way. A folder reached again (a link
// loop, or a second way to it) is not searched again, and a file reached by several paths
// is listed once, under the first. `eachFile`, when given, runs for each folder entry read
// and each file looked at (a window keeps its events going there).
std::vector<std::string> ScanFolder(const std::string& folder, const Settings& settings,
                                    const std::function<void()>& eachFile = {});

}  // namespace tonewright

#pragma once

#include <string>

#include "engine/targetcommit.h"

namespace tonewright {

// Copies a file as it is (a cover, a booklet) into `folder` under its own name, with the
// existing-target rule `targetExists` as a conversion's target gets it: the copy is
// written beside the target under a temporary name and claimed with CommitTarget, so a
// name taken meanwhile is never replaced (except by "Overwrite") and no partial copy is
// left. `target` is the file written (Committed); `message` is the row's status text.
CommitOutcome CopyFileToFolder(const std::string& source, const std::string& folder, int targetExists,
                               std::string& target, std::string& message);

}  // namespace tonewright

#pragma once

#include <string>

namespace tonewright {

struct TargetPaths;

enum class CommitOutcome { Committed, Skipped, Failed };

// Gives the finished temporary file of `paths` its target's name: the last step of a row.
// The file's data reaches the disk (fsync) before it gets the name, and the folder's entry
// after, so a power cut leaves the old state or the whole new file. The name is claimed
// without replacing what stands there (renameat2 with RENAME_NOREPLACE, or link and unlink
// where the file system refuses that), because another program or another run may have
// put a file there since the name was chosen: with the rule `targetExists` "Rename" the
// next free numbered name is taken (paths.target and paths.name follow it), with "Skip" the
// row is skipped; only "Overwrite" replaces, and the new file takes the replaced file's
// permission bits and, where permitted, its owner and group. The file's name must still
// lead to the file written: a file swapped in under it is never given the target's name.
// Failed, with the reason in `reason` (the system's text for the error, or "" for an empty
// file), when the file could not be put in place; the temporary file is left to the caller.
// An empty file is refused, as no conversion writes one, unless `mayBeEmpty` (a copy).
CommitOutcome CommitTarget(TargetPaths& paths, int targetExists, std::string& reason, bool mayBeEmpty = false);

}  // namespace tonewright

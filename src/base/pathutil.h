#pragma once

#include <cstdint>
#include <string>

namespace tonewright {

// Path helpers. Paths are UTF-8 byte strings with "/" as the separator; comparisons are
// exact, since Linux file systems tell letter case apart.

// The text after the last "/", or the whole path when there is none.
std::string LastPathComponent(const std::string& path);
// The folder part of a path including its trailing "/", or "" when there is none.
std::string FolderOf(const std::string& path);
// The last "." of the last component and what follows, or "" when the name has no dot.
// A leading dot (a hidden file such as ".profile") does not start an extension.
std::string PathExtension(const std::string& path);
// The path without its extension.
std::string StripExtension(const std::string& path);
// Lower-cases ASCII letters; other bytes (UTF-8 sequences) are kept as they are.
std::string AsciiLower(std::string text);

// True when anything (file, folder, link, even a dangling link) stands at the path.
bool FileExists(const std::string& path);
bool IsFolder(const std::string& path);
// Size in bytes of what the path names, following links; false when it cannot be read.
bool FileSize(const std::string& path, uint64_t& size);
// True when both paths name the same file on disk (also through links), or are equal.
bool SameFile(const std::string& a, const std::string& b);
// True when a new file may be renamed over the path: nothing stands there, or only a
// dangling link, or a regular file (also through a link) that has a write permission bit,
// that this user may open for writing, and that the folder lets this user remove. Folders,
// devices, pipes, write-protected files (even for the superuser), immutable files and
// another user's file in a folder with the sticky bit are never replaced.
bool CanReplace(const std::string& path);

// True when the path is an existing folder; otherwise creates the folder chain when
// `create` is set and returns whether that worked.
bool EnsureFolder(const std::string& path, bool create);
// Creates every missing folder along the path. False when a part exists but is not a
// folder or cannot be created.
bool CreateFolderChain(const std::string& path);

// The folder of the running program, with a trailing "/".
std::string ExecutableFolder();
// The user's documents folder (created when missing), without a trailing "/"; "" when the
// system knows none or it cannot be created.
std::string DocumentsFolder();
// Makes a path absolute and removes "." and ".." parts, doubled separators and a trailing
// separator. A ".." after a symbolic link is taken as the file system takes it: the link is
// resolved and ".." leaves the folder it names.
std::string AbsoluteCleanPath(const std::string& path);

}  // namespace tonewright

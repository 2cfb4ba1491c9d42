#pragma once

#include <string>

namespace tonewright {

struct FileEntry;
struct Settings;
class TargetReservations;

// Where the output of a row goes.
struct TargetPaths {
    std::string target;     // the name the converted file will carry
    std::string temporary;  // a reserved file beside it that the pipeline writes; renamed
                            // to `target` only when the conversion succeeded
};

// Decides the folder, name and extension of a row's output, applies the existing-target
// rule, and proves the folder writable by creating the temporary file. On success stores
// the target in entry.targetPath and returns true; otherwise returns false with `message`
// set to the text for the row's status. A name in `reservations` counts as taken and is
// never overwritten; the chosen name is added to them.
bool ResolveTargetPath(FileEntry& entry, const Settings& settings, int outputFormat, TargetPaths& paths,
                       std::string& message, TargetReservations* reservations = nullptr);

// Creates a new empty file with a unique hidden name in the folder of `target`.
// Returns its path, or "" when the folder does not take a new file.
std::string CreateTemporaryBeside(const std::string& target);

}  // namespace tonewright

#pragma once

#include <string>

#include "engine/targetreservations.h"
#include "engine/temporaryfile.h"

namespace tonewright {

struct FileEntry;
struct Settings;

// The status of a row whose target's name was taken, with the rule "Skip".
extern const char kTargetSkippedStatus[];

// Where the output of a row goes.
struct TargetPaths {
    std::string target;     // the name the converted file will carry
    std::string temporary;  // a reserved file beside it that the pipeline writes; renamed
                            // to `target` only when the conversion succeeded
    OutputTarget file;      // `temporary`, open and locked until it is renamed or removed
    ReservedName name;      // the batch's hold on `target`, kept when the row's file gets it
    // `target` is NumberedTarget(stem, number, extension).
    std::string stem;
    std::string extension;
    long number = 0;
};

// The target's name with `number` ("NAME_3.ext"); the plain name for 0.
std::string NumberedTarget(const std::string& stem, long number, const std::string& extension);

// Decides the folder, name and extension of a row's output (a name pattern in the settings
// builds the path below the folder from the source's tags; entry.outputSubfolder comes
// between an output folder and the name), applies the existing-target
// rule, and proves the folder writable by creating the temporary file. On success stores
// the target in entry.targetPath and returns true; otherwise returns false with `message`
// set to the text for the row's status. A name another row of `reservations` holds counts
// as taken and is never overwritten; the chosen name is reserved in paths.name. With
// `reservations` (a batch), the first target in a folder first removes the temporary files
// earlier runs left there.
// The folder ResolveTargetPath chooses for the row's target under the settings' folder rule
// (the documents folder aside), with a trailing "/"; nothing is created.
std::string TargetFolder(const FileEntry& entry, const Settings& settings, int outputFormat);

bool ResolveTargetPath(FileEntry& entry, const Settings& settings, int outputFormat, TargetPaths& paths,
                       std::string& message, TargetReservations* reservations = nullptr);

}  // namespace tonewright

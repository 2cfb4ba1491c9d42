#include "engine/targetpath.h"

#include <sys/stat.h>

#include "base/pathutil.h"
#include "engine/fileentry.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

namespace tonewright {

const char kTargetSkippedStatus[] = "Target exists and skipped";

std::string NumberedTarget(const std::string& stem, long number, const std::string& extension) {
    return number == 0 ? stem + extension : stem + "_" + std::to_string(number) + extension;
}

namespace {

// The permission bits the temporary file is created with: a file it will replace lends
// its own, so a private file's new contents are never more open than the file was.
mode_t TemporaryMode(const std::string& replaced) {
    struct stat st;
    return lstat(replaced.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? st.st_mode & 0777 : 0666;
}

std::string FolderFailure(const std::string& folder) { return "Failed to create folder \"" + folder + "\""; }
std::string FileFailure(const std::string& file) { return "Failed to create file \"" + file + "\""; }

struct FolderRule {
    int option;
    std::string folder;
    bool mirror;
};

// One attempt at the target under a folder rule: true with the target chosen, false with
// a message. `final` is set when no documents-folder retry may follow.
bool TryFolderRule(const FolderRule& rule, const std::string& source, const std::string& extension,
                   int targetExists, TargetReservations* reservations, TargetPaths& paths, std::string& message,
                   bool& final) {
    std::string stem;
    if (rule.option == kTargetsInCustomFolder) {
        if (rule.folder.empty() || !EnsureFolder(rule.folder, true)) {
            message = FolderFailure(rule.folder);
            return false;
        }
        stem = rule.folder;
        if (stem.back() != '/') stem += '/';
        if (rule.mirror) {
            std::string sourceFolder = FolderOf(AbsoluteCleanPath(source));
            while (!sourceFolder.empty() && sourceFolder.front() == '/') sourceFolder.erase(0, 1);
            stem += sourceFolder;
            if (!EnsureFolder(stem, true)) {
                message = FolderFailure(stem);
                return false;
            }
        }
        stem += StripExtension(LastPathComponent(source));
    } else {
        stem = StripExtension(source);
    }

    std::unique_lock<std::mutex> lock;
    if (reservations) lock = reservations->Lock();
    auto reserved = [&](const std::string& name) { return reservations && reservations->Taken(lock, name); };
    long number = 0;
    std::string target = NumberedTarget(stem, number, extension);
    mode_t mode = 0666;
    const bool givenToAnotherRow = reserved(target);
    if (givenToAnotherRow || FileExists(target)) {
        if (targetExists == kSkipTarget) {
            message = kTargetSkippedStatus;
            final = true;
            return false;
        }
        if (targetExists == kOverwriteTarget && !givenToAnotherRow) {
            if (SameFile(target, source)) {
                message = "Target file name is same as original file that can't be overwritten. "
                          "Please output files to a custom folder.";
                final = true;
                return false;
            }
            // Found now rather than when the finished file is renamed over it.
            if (!CanReplace(target)) {
                message = FileFailure(target);
                return false;
            }
            mode = TemporaryMode(target);
        } else {
            while (reserved(target) || FileExists(target)) target = NumberedTarget(stem, ++number, extension);
        }
    }

    // Before this batch's first temporary file in the folder, so none of its own is there.
    if (reservations && reservations->FirstTargetIn(FolderOf(target))) RemoveStaleTemporaries(FolderOf(target));
    paths.temporary = CreateTemporaryBeside(target, paths.file, mode);
    if (paths.temporary.empty()) {
        message = FileFailure(target);
        return false;
    }
    if (reservations) paths.name = reservations->Reserve(target);
    paths.target = target;
    paths.stem = stem;
    paths.extension = extension;
    paths.number = number;
    return true;
}

}  // namespace

bool ResolveTargetPath(FileEntry& entry, const Settings& settings, int outputFormat, TargetPaths& paths,
                       std::string& message, TargetReservations* reservations) {
    const OutputFormatInfo* format = FindOutputFormat(outputFormat);
    const std::string extension = format ? format->extension : "";
    FolderRule rule{settings.DestOutputFolderOpt, settings.DestSpecifiedFolder, settings.CreateDirs != 0};
    bool final = false;
    if (TryFolderRule(rule, entry.sourcePath, extension, settings.TargetExistsOpt, reservations, paths, message, final)) {
        entry.targetPath = paths.target;
        return true;
    }
    if (final || !settings.OutputFiles2MyDocuments) return false;
    const std::string documents = DocumentsFolder();
    if (documents.empty()) return false;
    const bool mirror = settings.DestOutputFolderOpt == kTargetsInCustomFolder && settings.CreateDirs != 0;
    rule = {kTargetsInCustomFolder, documents, mirror};
    if (!TryFolderRule(rule, entry.sourcePath, extension, settings.TargetExistsOpt, reservations, paths, message, final))
        return false;
    entry.targetPath = paths.target;
    return true;
}

}  // namespace tonewright

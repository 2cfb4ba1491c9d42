#include "engine/targetpath.h"

#include <sys/stat.h>

#include "base/pathutil.h"
#include "engine/fileentry.h"
#include "engine/namepattern.h"
#include "metadata/filetags.h"
#include "metadata/keptfields.h"
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
    std::string subfolder;  // below `folder` when not mirrored
};

// The folder a rule puts a source's target in, with a trailing "/" ("" for the working
// folder), before any folders of the target's own name.
std::string RuleFolder(const FolderRule& rule, const std::string& source) {
    if (rule.option != kTargetsInCustomFolder) return FolderOf(source);
    std::string folder = rule.folder;
    if (folder.empty() || folder.back() != '/') folder += '/';
    if (!rule.mirror) return folder + rule.subfolder;
    std::string sourceFolder = FolderOf(AbsoluteCleanPath(source));
    while (!sourceFolder.empty() && sourceFolder.front() == '/') sourceFolder.erase(0, 1);
    return folder + sourceFolder;
}

// One attempt at the target under a folder rule: true with the target chosen, false with
// a message. `final` is set when no documents-folder retry may follow. `name` is the
// target's path below its folder, without extension; it may hold folders of its own.
bool TryFolderRule(const FolderRule& rule, const std::string& source, const std::string& name,
                   const std::string& extension, int targetExists, TargetReservations* reservations,
                   TargetPaths& paths, std::string& message, bool& final) {
    if (rule.option == kTargetsInCustomFolder && (rule.folder.empty() || !EnsureFolder(rule.folder, true))) {
        message = FolderFailure(rule.folder);
        return false;
    }
    const std::string folder = RuleFolder(rule, source);
    const std::string stem = folder + name;
    if (!FolderOf(stem).empty() && !EnsureFolder(FolderOf(stem), true)) {
        message = FolderFailure(FolderOf(stem));
        return false;
    }

    std::unique_lock<std::mutex> lock;
    if (reservations) lock = reservations->Lock();
    auto reserved = [&](const std::string& candidate) { return reservations && reservations->Taken(lock, candidate); };
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

// Room a target's own name leaves for its extension and a number ("_12345").
constexpr size_t kNumberRoom = 8;

// The target's path below its folder, without extension: the name pattern's, or the
// source's own name.
bool TargetName(const std::string& source, const std::string& pattern, const std::string& extension,
                std::string& name, std::string& message) {
    if (pattern.empty()) {
        name = StripExtension(LastPathComponent(source));
        return true;
    }
    const std::string problem = NamePatternProblem(pattern);
    if (!problem.empty()) {
        message = "Failed to name the target (" + problem + ")";
        return false;
    }
    TagInfo tags;
    ReadFileTags(source, tags);
    ReadKeptTags(source, tags);
    name = ExpandNamePattern(pattern, tags, source, extension.size() + kNumberRoom);
    return true;
}

}  // namespace

std::string TargetFolder(const FileEntry& entry, const Settings& settings, int outputFormat) {
    const OutputFormatInfo* format = FindOutputFormat(outputFormat);
    std::string name, message;
    if (!TargetName(entry.sourcePath, settings.NamePattern, format ? format->extension : "", name, message)) name = "";
    const FolderRule rule{settings.DestOutputFolderOpt, settings.DestSpecifiedFolder, settings.CreateDirs != 0,
                          entry.outputSubfolder};
    return FolderOf(RuleFolder(rule, entry.sourcePath) + name);
}

bool ResolveTargetPath(FileEntry& entry, const Settings& settings, int outputFormat, TargetPaths& paths,
                       std::string& message, TargetReservations* reservations) {
    const OutputFormatInfo* format = FindOutputFormat(outputFormat);
    const std::string extension = format ? format->extension : "";
    std::string name;
    if (!TargetName(entry.sourcePath, settings.NamePattern, extension, name, message)) return false;
    FolderRule rule{settings.DestOutputFolderOpt, settings.DestSpecifiedFolder, settings.CreateDirs != 0,
                    entry.outputSubfolder};
    bool final = false;
    if (TryFolderRule(rule, entry.sourcePath, name, extension, settings.TargetExistsOpt, reservations, paths, message,
                      final)) {
        entry.targetPath = paths.target;
        return true;
    }
    if (final || !settings.OutputFiles2MyDocuments) return false;
    const std::string documents = DocumentsFolder();
    if (documents.empty()) return false;
    const bool mirror = settings.DestOutputFolderOpt == kTargetsInCustomFolder && settings.CreateDirs != 0;
    rule = {kTargetsInCustomFolder, documents, mirror, entry.outputSubfolder};
    if (!TryFolderRule(rule, entry.sourcePath, name, extension, settings.TargetExistsOpt, reservations, paths, message,
                       final))
        return false;
    entry.targetPath = paths.target;
    return true;
}

}  // namespace tonewright

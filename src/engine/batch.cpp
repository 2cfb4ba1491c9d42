#include "engine/batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "encoders/winmedia/runtime.h"
#include "engine/fileentry.h"
#include "engine/helppages.h"
#include "engine/inputtype.h"
#include "engine/outputformat.h"
#include "engine/pathutil.h"
#include "engine/pipelines.h"
#include "engine/soundfont.h"
#include "engine/targetpath.h"
#include "settings/settings.h"

namespace tonewright {

const char* const kSoundFontMissingStatus = "Failure. Requires file \"ct4mgm.sf2\".";

namespace {

constexpr int kWideStatusColumn = 500;

const char* const kRuntimeQuestion =
    "Dear user, WMA file requires Windows Media Format 9 Series Runtime.\n"
    "Unfortunately, the component isn't available on your computer.\n\n"
    "Do you want to download and install it now?";

std::string SoundFontQuestion(const std::string& folder) {
    return "Dear user, to decode MIDI file, file \"ct4mgm.sf2\" is required.\n"
           "Unfortunately, the file isn't available on your computer.\n\n"
           "Do you want to download the file from our website for free now?\n\n"
           "Once download completes, please copy the file to folder:\n\"" +
           folder + "\"\nAnd then convert your MIDI file again. Thank you.";
}

// Step 1: WMA output needs the Windows Media codecs. False ends the batch untouched.
bool EnsureWindowsMedia(BatchContext& context, BatchHost& host) {
    if (context.outputFormat != kOutputWma || context.windowsMediaReady) return true;
    if (ProbeWindowsMediaRuntime()) {
        context.windowsMediaReady = true;
        return true;
    }
    if (host.AskYesNo(kRuntimeQuestion)) host.OpenUrl(HelpPageUrl(kWindowsMediaHelpPage));
    return false;
}

// Step 2: MIDI rows need a SoundFont. False when the user chose to go and get it, which
// ends the batch untouched; on No the batch goes on and its MIDI rows fail.
bool EnsureSoundFont(const std::vector<FileEntry*>& entries, BatchContext& context, BatchHost& host) {
    if (context.soundFontReady) return true;
    bool hasMidi = false;
    for (const FileEntry* entry : entries) hasMidi = hasMidi || entry->inputType == kInputMidi;
    if (!hasMidi) return true;
    if (LoadDefaultSoundFont()) {
        context.soundFontReady = true;
        return true;
    }
    const std::string folder = ExecutableFolder();
    if (!host.AskYesNo(SoundFontQuestion(folder))) return true;
    host.OpenFolder(folder);
    host.OpenUrl(HelpPageUrl(kSoundFontHelpPage));
    return false;
}

// Gives the finished temporary file the target's name. When it replaces an existing file,
// the new data is flushed to disk first, so a crash never leaves the user with neither.
bool CommitTarget(const std::string& temporary, const std::string& target) {
    if (FileExists(target)) {
        const int fd = open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool synced = fsync(fd) == 0;
        close(fd);
        if (!synced) return false;
    }
    return std::rename(temporary.c_str(), target.c_str()) == 0;
}

bool IsCompleteFile(const std::string& path) {
    uint64_t size = 0;
    return !IsFolder(path) && FileSize(path, size) && size > 0;
}

struct RowResult {
    bool converted = false;
    std::string status;
};

// Steps 5.3 to 5.6 for one row: target path, pipeline, success test.
RowResult ConvertRow(FileEntry& entry, int number, int total, const BatchContext& context,
                     const OutputFormatInfo& format, BatchHost& host) {
    RowResult row;
    host.SetBatchText("Converting " + std::to_string(number) + " of " + std::to_string(total) + " file(s) to " +
                      format.displayName + "...");
    host.StepBatchBar();
    host.SetFileText("Converting " + LastPathComponent(entry.sourcePath) + "...");
    host.SetFileBarPosition(0);

    TargetPaths paths;
    if (!ResolveTargetPath(entry, *context.settings, context.outputFormat, paths, row.status)) return row;

    std::string failureReason;
    ConversionJob job;
    job.inputType = entry.inputType;
    job.sourcePath = entry.sourcePath;
    job.targetPath = paths.temporary;
    job.settings = context.settings;
    job.progress = &host;
    job.trackNumber = number;
    job.failureReason = &failureReason;
    const int result = format.pipeline ? format.pipeline(job) : 0;

    row.converted = result && IsCompleteFile(paths.temporary) && CommitTarget(paths.temporary, paths.target);
    if (row.converted) {
        row.status = LastPathComponent(paths.target);
        return row;
    }
    std::remove(paths.temporary.c_str());
    row.status = "Conversion Failure";
    if (!failureReason.empty()) {
        row.status += " (" + failureReason + ")";
        if (host.StatusColumnWidth() < kWideStatusColumn) host.SetStatusColumnWidth(kWideStatusColumn);
    }
    return row;
}

void RevealFirstConverted(const std::vector<FileEntry*>& entries, BatchHost& host) {
    for (const FileEntry* entry : entries) {
        if (!entry->targetPath.empty() && FileExists(entry->targetPath)) {
            host.RevealFile(entry->targetPath);
            return;
        }
    }
}

}  // namespace

void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows, BatchContext& context,
                  BatchHost& host) {
    const OutputFormatInfo* format = FindOutputFormat(context.outputFormat);
    if (!format || entries.size() != rows.size()) return;
    host.SetBusyCursor(true);
    if (!EnsureWindowsMedia(context, host) || !EnsureSoundFont(entries, context, host)) {
        host.SetBusyCursor(false);
        return;
    }

    host.SetMainWindowEnabled(false);
    host.OpenProgressWindow(static_cast<int>(entries.size()));
    host.PumpEvents();

    const int total = static_cast<int>(entries.size());
    bool cancelled = false;
    for (int i = 0; i < total && !cancelled; ++i) {
        FileEntry& entry = *entries[i];
        RowResult result;
        if (entry.inputType == kInputMidi && !context.soundFontReady) {
            result.status = kSoundFontMissingStatus;
        } else {
            host.EnsureRowVisible(rows[i]);
            host.SetRowStatus(rows[i], "Converting...");
            result = ConvertRow(entry, i + 1, total, context, *format, host);
        }
        if (result.converted) {
            host.RowFinished(rows[i], true, result.status);
            host.PumpEvents();
            cancelled = host.IsCancelled();
            continue;
        }
        entry.targetPath.clear();
        cancelled = host.IsCancelled();
        host.RowFinished(rows[i], false, cancelled ? "Cancelled" : result.status);
    }

    host.CloseProgressWindow();
    host.SetMainWindowEnabled(true);
    if (!cancelled && context.settings->BrowseOutputFolder) RevealFirstConverted(entries, host);
    host.SetBusyCursor(false);
}

}  // namespace tonewright

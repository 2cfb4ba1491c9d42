#include "engine/batch.h"

#include "base/inputtype.h"
#include "base/pathutil.h"
#include "base/windowsmediaprobe.h"
#include "engine/batchrow.h"
#include "engine/fileentry.h"
#include "engine/helppages.h"
#include "engine/outputformat.h"
#include "engine/parallelrows.h"
#include "engine/soundfont.h"
#include "engine/targetreservations.h"
#include "settings/settings.h"

namespace tonewright {

const char* const kSoundFontMissingStatus = "Failure. Requires file \"ct4mgm.sf2\".";

namespace {

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
    if (ProbeWindowsMediaRuntime() && FillWmaFormatList(context.wmaFormats)) {
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

// One row after the other, as the window does by default. True when cancelled.
bool ConvertRowsInTurn(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations) {
    const int total = static_cast<int>(entries.size());
    for (int i = 0; i < total; ++i) {
        FileEntry& entry = *entries[i];
        RowResult result;
        if (entry.inputType == kInputMidi && !context.soundFontReady) {
            result = MissingSoundFont();
        } else {
            AnnounceRow(rows[i], i + 1, total, format, host);
            result = ConvertRow(entry, i + 1, context, format, host, reservations);
        }
        if (result.converted) host.PumpEvents();
        const bool cancelled = host.IsCancelled();
        FinishRow(entry, rows[i], result, cancelled && !result.converted, host);
        if (cancelled) return true;
    }
    return false;
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

    TargetReservations reservations;
    const bool cancelled = context.jobs > 1 && entries.size() > 1 && host.ConvertsRowsAtOnce()
                               ? ConvertRowsAtOnce(entries, rows, context, *format, host, reservations)
                               : ConvertRowsInTurn(entries, rows, context, *format, host, reservations);

    host.CloseProgressWindow();
    host.SetMainWindowEnabled(true);
    if (!cancelled && context.settings->BrowseOutputFolder) RevealFirstConverted(entries, host);
    host.SetBusyCursor(false);
}

}  // namespace tonewright

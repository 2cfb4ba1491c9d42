#include "engine/batch.h"

#include "base/inputtype.h"
#include "base/pathutil.h"
#include "encoders/samplewriter.h"
#include "engine/batchrow.h"
#include "engine/fileentry.h"
#include "engine/helppages.h"
#include "engine/optionalparts.h"
#include "engine/outputformat.h"
#include "engine/parallelrows.h"
#include "engine/progress.h"
#include "engine/targetreservations.h"

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

// Step 1: an output format may need the Windows Media codecs. False ends the batch untouched.
bool EnsureWindowsMedia(const BatchContext& context, BatchHost& host) {
    const OutputFormatInfo* format = FindOutputFormat(context.outputFormat);
    if (!format || !format->writer->needsWindowsMedia || context.parts->FindWindowsMedia()) return true;
    host.Ask({kRuntimeQuestion, "", HelpPageUrl(kWindowsMediaHelpPage)});
    return false;
}

// Step 2: MIDI rows need a SoundFont. False when the user chose to go and get it, which
// ends the batch untouched; on No the batch goes on and its MIDI rows fail.
bool EnsureSoundFont(const std::vector<FileEntry*>& entries, const BatchContext& context, BatchHost& host) {
    bool hasMidi = false;
    for (const FileEntry* entry : entries) hasMidi = hasMidi || entry->inputType == kInputMidi;
    if (!hasMidi || context.parts->LoadSoundFont()) return true;
    const std::string folder = ExecutableFolder();
    return !host.Ask({SoundFontQuestion(folder), folder, HelpPageUrl(kSoundFontHelpPage)});
}

// One row after the other, as the window does by default. True when cancelled.
bool ConvertRowsInTurn(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations, std::vector<std::string>& converted) {
    const int total = static_cast<int>(entries.size());
    for (int i = 0; i < total; ++i) {
        FileEntry& entry = *entries[i];
        RowResult result;
        if (entry.inputType == kInputMidi && !context.parts->soundFontLoaded()) {
            result = MissingSoundFont();
        } else {
            FileProgress progress(host, rows[i], AnnounceRow(entry, rows[i], i + 1, total, format, host));
            result = ConvertRow(entry, i + 1, context, format, progress, reservations);
        }
        const bool cancelled = host.Cancelled();
        FinishRow(entry, rows[i], result, cancelled && !result.converted, host);
        if (result.converted) converted[i] = entry.targetPath;
        if (cancelled) return true;
    }
    return false;
}

}  // namespace

void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows, const BatchContext& context,
                  BatchHost& host) {
    const OutputFormatInfo* format = FindOutputFormat(context.outputFormat);
    if (!format || !context.parts || entries.size() != rows.size()) return;
    if (!EnsureWindowsMedia(context, host) || !EnsureSoundFont(entries, context, host)) return;

    const bool atOnce = context.jobs > 1 && entries.size() > 1;
    host.BatchStarted({static_cast<int>(entries.size()), atOnce});
    TargetReservations reservations;
    std::vector<std::string> converted(entries.size());
    BatchEnd end;
    end.cancelled = atOnce ? ConvertRowsAtOnce(entries, rows, context, *format, host, reservations, converted)
                           : ConvertRowsInTurn(entries, rows, context, *format, host, reservations, converted);
    for (std::string& target : converted)
        if (!target.empty()) end.convertedTargets.push_back(std::move(target));
    host.BatchFinished(end);
}

}  // namespace tonewright

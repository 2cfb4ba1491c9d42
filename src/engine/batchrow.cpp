#include "engine/batchrow.h"

#include <cstdio>

#include "base/pathutil.h"
#include "encoders/outputfault.h"
#include "engine/batch.h"
#include "engine/fileentry.h"
#include "engine/optionalparts.h"
#include "engine/outputformat.h"
#include "engine/pipeline.h"
#include "engine/targetcommit.h"
#include "engine/targetpath.h"

namespace tonewright {

int AnnounceRow(const FileEntry& entry, int row, int number, int total, const OutputFormatInfo& format,
                BatchHost& host) {
    RowStart start;
    start.status = "Converting...";
    start.batchText = "Converting " + std::to_string(number) + " of " + std::to_string(total) + " file(s) to " +
                      format.displayName + "...";
    start.fileText = "Converting " + LastPathComponent(entry.sourcePath) + "...";
    return host.RowStarted(row, start);
}

bool ChooseRowTarget(FileEntry& entry, const BatchContext& context, TargetReservations& reservations,
                     TargetPaths& paths, RowResult& result) {
    return ResolveTargetPath(entry, *context.settings, context.outputFormat, paths, result.status, &reservations);
}

RowResult ConvertToRowTarget(const FileEntry& entry, int number, const BatchContext& context,
                             const OutputFormatInfo& format, FileProgress& progress, TargetPaths& paths) {
    PauseAtTargetStep(TargetStep::Created, paths.temporary);
    std::string failureReason, note;
    ConversionJob job;
    job.inputType = entry.inputType;
    job.sourcePath = entry.sourcePath;
    job.targetPath = paths.temporary;
    job.settings = context.settings;
    job.progress = &progress;
    job.trackNumber = number;
    job.failureReason = &failureReason;
    job.note = &note;
    job.wmaFormats = context.parts->wmaFormats();
    const int result = RunPipeline(job, format);

    const CommitOutcome outcome =
        result ? CommitTarget(paths, context.settings->TargetExistsOpt, failureReason) : CommitOutcome::Failed;
    if (outcome == CommitOutcome::Committed) {
        paths.name.Keep();
    } else {
        std::remove(paths.temporary.c_str());
        paths.name.Release();  // no file carries the name now
    }
    paths.file.Release();
    RowResult row;
    if (outcome == CommitOutcome::Committed) {
        row.converted = true;
        row.target = paths.target;
        row.status = LastPathComponent(paths.target);
        if (!note.empty()) row.status += " (" + note + ")";
        return row;
    }
    if (outcome == CommitOutcome::Skipped) {
        row.status = kTargetSkippedStatus;
        return row;
    }
    row.status = "Conversion Failure";
    if (!failureReason.empty()) {
        row.status += " (" + failureReason + ")";
        row.hasReason = true;
    }
    return row;
}

RowResult ConvertRow(FileEntry& entry, int number, const BatchContext& context, const OutputFormatInfo& format,
                     FileProgress& progress, TargetReservations& reservations) {
    TargetPaths paths;
    RowResult result;
    if (!ChooseRowTarget(entry, context, reservations, paths, result)) return result;
    return ConvertToRowTarget(entry, number, context, format, progress, paths);
}

RowResult MissingSoundFont() {
    RowResult result;
    result.status = kSoundFontMissingStatus;
    return result;
}

void FinishRow(FileEntry& entry, int row, const RowResult& result, bool cancelled, BatchHost& host) {
    RowEnd end;
    end.converted = result.converted;
    end.failureHasReason = result.hasReason;
    end.status = !result.converted && cancelled ? "Cancelled" : result.status;
    if (result.converted) entry.targetPath = result.target;
    else entry.targetPath.clear();
    host.RowFinished(row, end);
}

}  // namespace tonewright

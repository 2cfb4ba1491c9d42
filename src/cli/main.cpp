// tonewright-cli: the conversion engine from a terminal, for scripts and large batches.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/pathutil.h"
#include "cli/clidocs.h"
#include "cli/clioptions.h"
#include "cli/settingadvice.h"
#include "cli/sourcelist.h"
#include "cli/terminalhost.h"
#include "engine/batch.h"
#include "engine/filecopy.h"
#include "engine/filelist.h"
#include "engine/namepattern.h"
#include "engine/optionalparts.h"
#include "engine/targetpath.h"
#include "engine/outputformat.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

using namespace tonewright;

namespace {

constexpr int kExitConverted = 0;
constexpr int kExitNotConverted = 1;
constexpr int kExitUsage = 2;
// After a signal, or a closed standard output, the shell's convention: 128 + its number.
constexpr int kExitAfterSignal = 128;

int UsageError(const std::string& message) {
    std::fprintf(stderr, "tonewright-cli: %s\nTry 'tonewright-cli --help' for more information.\n", message.c_str());
    return kExitUsage;
}

// Applies the command line's choices to the settings of this run.
bool ApplyOptions(const CliOptions& options, Settings& settings, std::string& error) {
    if (!options.format.empty()) {
        const OutputFormatInfo* format = FindOutputFormatByCommandName(options.format);
        if (!format) {
            error = "unknown output format '" + options.format + "'";
            return false;
        }
        settings.OutputFormat = format->code;
    }
    if (!options.outputDir.empty()) {
        settings.DestOutputFolderOpt = kTargetsInCustomFolder;
        settings.DestSpecifiedFolder = AbsoluteCleanPath(options.outputDir);
    }
    if (options.nextToSource) settings.DestOutputFolderOpt = kTargetsNextToSource;
    if (options.mirror) settings.CreateDirs = 1;
    if (options.keepTree) settings.CreateDirs = 0;
    if (!options.namePattern.empty()) settings.NamePattern = options.namePattern;
    if (options.noFallback) settings.OutputFiles2MyDocuments = 0;
    if (options.ifExists == "rename") settings.TargetExistsOpt = kRenameTarget;
    if (options.ifExists == "overwrite") settings.TargetExistsOpt = kOverwriteTarget;
    if (options.ifExists == "skip") settings.TargetExistsOpt = kSkipTarget;
    for (const auto& [name, value] : options.assignments)
        if (!SetSettingByName(settings, name, value, error)) return false;
    if (!FindOutputFormat(settings.OutputFormat)) settings.OutputFormat = Settings().OutputFormat;
    const std::string problem = NamePatternProblem(settings.NamePattern);
    if (!problem.empty()) {
        error = "NamePattern: " + problem;
        return false;
    }
    if ((options.keepTree || options.copyOther) && settings.DestOutputFolderOpt != kTargetsInCustomFolder) {
        error = std::string(options.keepTree ? "--keep-tree" : "--copy-other") + " needs an output folder (-o DIR)";
        return false;
    }
    return true;
}

std::string LoadFailureText(const std::string& path, const std::string& reason) {
    std::string text = "Failed to load";
    if (!reason.empty()) text += " (" + reason + ")";
    else if (!FileExists(path)) text += " (no such file)";
    return text;
}

// Adds the audio files to the list, reading `jobs` files at once; the report keeps input
// order, duplicates are left out. Files that are not audio get a row only when --copy-other
// copies them (CopyOtherFiles).
std::vector<ReportItem> AddFiles(const std::vector<SourceFile>& sources, int jobs, FileList& list) {
    std::vector<ReportItem> items;
    std::vector<std::string> audioPaths;
    std::vector<size_t> audioSources;  // the index in `sources` of each audio path
    for (size_t i = 0; i < sources.size(); ++i) {
        if (!sources[i].audio) continue;
        audioPaths.push_back(sources[i].path);
        audioSources.push_back(i);
    }
    size_t next = 0;  // the first source not in the report yet
    const auto reportOthersBefore = [&](size_t end) {
        for (; next < end; ++next)
            if (!sources[next].audio) items.push_back({sources[next].path, -1, {}, RowOutcome::Failed, {}});
    };
    FileList::AddObserver observer;
    observer.added = [&](size_t index, FileList::AddResult result, const std::string& reason) {
        const SourceFile& source = sources[audioSources[index]];
        reportOthersBefore(audioSources[index]);
        next = audioSources[index] + 1;
        if (result == FileList::AddResult::Added) {
            list[list.size() - 1].outputSubfolder = source.subfolder;
            items.push_back({source.path, static_cast<int>(list.size()) - 1, {}, RowOutcome::Failed, {}});
        } else if (result == FileList::AddResult::Failed) {
            items.push_back({source.path, -1, LoadFailureText(source.path, reason), RowOutcome::Failed, {}});
        }
        return true;
    };
    list.AddFiles(audioPaths, jobs, observer);
    reportOthersBefore(sources.size());
    return items;
}

// Files converted, or read for their properties, at once: -j, else one per core.
int JobCount(const CliOptions& options) {
    return options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Copies each file that is not audio into the folder the targets of its folder's audio
// files go to (or, when it has none, the folder --keep-tree or --mirror gives it). Without
// --copy-other they leave the report. Returns how many files were not audio.
int CopyOtherFiles(std::vector<ReportItem>& items, const std::vector<SourceFile>& sources, const FileList& list,
                   const Settings& settings, bool copy) {
    int notAudio = 0;
    std::set<std::string> seen;
    std::vector<ReportItem> kept;
    size_t source = 0;
    for (ReportItem& item : items) {
        while (sources[source].path != item.path) ++source;  // items follow the sources' order
        if (item.row >= 0 || sources[source].audio) {
            kept.push_back(std::move(item));
            continue;
        }
        FileEntry own;
        own.sourcePath = AbsoluteCleanPath(item.path);
        if (!seen.insert(own.sourcePath).second) continue;  // found twice: copied once
        ++notAudio;
        if (!copy) continue;
        own.outputSubfolder = sources[source].subfolder;
        const FileEntry* model = &own;
        for (size_t row = 0; row < list.size() && model == &own; ++row)
            if (FolderOf(list[row].sourcePath) == FolderOf(own.sourcePath)) model = &list[row];
        Settings rule = settings;
        if (model == &own) rule.NamePattern.clear();
        const std::string folder = TargetFolder(*model, rule, settings.OutputFormat);
        const CommitOutcome outcome = CopyFileToFolder(own.sourcePath, folder, settings.TargetExistsOpt, item.target,
                                                       item.status);
        item.outcome = outcome == CommitOutcome::Committed ? RowOutcome::Copied
                       : outcome == CommitOutcome::Skipped ? RowOutcome::Skipped
                                                           : RowOutcome::Failed;
        kept.push_back(std::move(item));
    }
    items = std::move(kept);
    return notAudio;
}

// A report that could not be written fails the run, whatever the conversions did; a
// closed standard output (EPIPE) ends it as the signal that would have come would.
int ReportLost(int error) {
    if (error == EPIPE) return kExitAfterSignal + SIGPIPE;
    std::fprintf(stderr, "tonewright-cli: the report could not be written (%s)\n", std::strerror(error));
    return kExitNotConverted;
}

int ListSettings(const Settings& settings) {
    for (const std::string& line : SettingListLines(settings, DefaultSettings(DocumentsFolder())))
        std::printf("%s\n", line.c_str());
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return ReportLost(errno ? errno : EIO);
    return kExitConverted;
}

int PrintInfo(const std::vector<ReportItem>& items, const FileList& list) {
    bool allLoaded = true;
    for (const ReportItem& item : items) {
        if (item.row < 0) {
            std::printf("%s\t%s\n", EscapeTabField(item.path).c_str(), item.status.c_str());
            allLoaded = false;
            continue;
        }
        const FileEntry& e = list[static_cast<size_t>(item.row)];
        std::printf("%s\t%s\t%s\t%s\t%s\n", EscapeTabField(item.path).c_str(), DurationText(e).c_str(),
                    BitrateText(e).c_str(),
                    FrequencyText(e).c_str(), ChannelsText(e).c_str());
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return ReportLost(errno ? errno : EIO);
    return allLoaded ? kExitConverted : kExitNotConverted;
}

// "12 converted, 3 skipped, 1 failed, 8 not audio, in 14.2 s; output in /music/out"
void PrintSummary(const ReportTally& tally, int notAudio, double seconds, const Settings& settings) {
    std::string text = std::to_string(tally.converted) + " converted";
    if (tally.copied) text += ", " + std::to_string(tally.copied) + " copied";
    text += ", " + std::to_string(tally.skipped) + " skipped, " + std::to_string(tally.failed) + " failed";
    if (tally.cancelled) text += ", " + std::to_string(tally.cancelled) + " cancelled";
    if (notAudio) text += ", " + std::to_string(notAudio) + " not audio";
    char time[32];
    std::snprintf(time, sizeof time, ", in %.1f s", seconds);
    text += time;
    text += settings.DestOutputFolderOpt == kTargetsInCustomFolder ? "; output in " + settings.DestSpecifiedFolder
                                                                    : "; output next to the sources";
    std::fprintf(stderr, "%s\n", text.c_str());
}

int Convert(std::vector<ReportItem> items, int notAudio, FileList& list, const Settings& settings,
            const CliOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<FileEntry*> entries;
    std::vector<int> rows;
    for (size_t row = 0; row < list.size(); ++row) {
        entries.push_back(&list[row]);
        rows.push_back(static_cast<int>(row));
    }
    ReportStyle style;
    style.json = options.json;
    style.showProgress = isatty(STDERR_FILENO) != 0;
    style.quiet = options.quiet;
    if (settings.DestOutputFolderOpt == kTargetsInCustomFolder) style.outputFolder = settings.DestSpecifiedFolder;
    TerminalHost host(std::move(items), list, style);
    TerminalHost::InstallCancelHandlers();
    OptionalParts parts;
    BatchContext context;
    context.parts = &parts;
    context.settings = &settings;
    context.outputFormat = settings.OutputFormat;
    context.jobs = JobCount(options);
    if (!entries.empty()) ConvertBatch(entries, rows, context, host);
    const ReportTally tally = host.FinishReport();
    if (!options.quiet) {
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        PrintSummary(tally, notAudio, seconds.count(), settings);
    }
    if (const int signal = TerminalHost::CancelSignal()) return kExitAfterSignal + signal;
    if (host.ReportError()) return ReportLost(host.ReportError());
    return tally.failed == 0 && tally.cancelled == 0 ? kExitConverted : kExitNotConverted;
}

}  // namespace

int main(int argc, char** argv) {
    CliOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) return UsageError(error);
    if (options.help) {
        std::fputs(kUsageText, stdout);
        return kExitConverted;
    }
    if (options.version) {
        std::printf("tonewright-cli %s\n", TONEWRIGHT_VERSION);
        return kExitConverted;
    }
    if (!options.printCompletion.empty()) {
        std::fputs(CompletionScript(options.printCompletion).c_str(), stdout);
        return kExitConverted;
    }
    if (options.printMan) {
        std::fputs(ManPage().c_str(), stdout);
        return kExitConverted;
    }

    // Under a file-size limit a write then fails (and the row with it) instead of the
    // signal ending the program in the middle of a file.
    std::signal(SIGXFSZ, SIG_IGN);
    // A closed standard output shows as a failed write (EPIPE): the batch is cancelled
    // cleanly instead of the signal ending the program between a temporary and its rename.
    std::signal(SIGPIPE, SIG_IGN);

    auto store = OpenUserSettingsStore();
    Settings settings = DefaultSettings(DocumentsFolder());
    LoadSettings(settings, *store);
    if (!ApplyOptions(options, settings, error)) return UsageError(error);
    RebuildExtensionFilter(settings);
    for (const std::string& warning : SettingWarnings(options.assignments, settings))
        std::fprintf(stderr, "tonewright-cli: warning: %s\n", warning.c_str());
    if (options.listSettings) return ListSettings(settings);
    if (options.save) SaveSettings(settings, *store, kSaveOptions | kSaveWindowState);

    std::vector<SourceFile> sources;
    if (!CollectSources(options, settings, sources, error)) return UsageError(error);
    FileList list;
    std::vector<ReportItem> items = AddFiles(sources, JobCount(options), list);
    const int notAudio = CopyOtherFiles(items, sources, list, settings, options.copyOther && !options.info);
    if (options.info) return PrintInfo(items, list);
    return Convert(std::move(items), notAudio, list, settings, options);
}

// tonewright-cli: the conversion engine from a terminal, for scripts and large batches.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "base/pathutil.h"
#include "cli/clioptions.h"
#include "cli/settingadvice.h"
#include "cli/terminalhost.h"
#include "engine/batch.h"
#include "engine/filelist.h"
#include "engine/folderscan.h"
#include "engine/optionalparts.h"
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
    if (options.ifExists == "rename") settings.TargetExistsOpt = kRenameTarget;
    if (options.ifExists == "overwrite") settings.TargetExistsOpt = kOverwriteTarget;
    if (options.ifExists == "skip") settings.TargetExistsOpt = kSkipTarget;
    for (const auto& [name, value] : options.assignments)
        if (!SetSettingByName(settings, name, value, error)) return false;
    if (!FindOutputFormat(settings.OutputFormat)) settings.OutputFormat = Settings().OutputFormat;
    return true;
}

// The files the command line names, in order: files as given, folders searched.
std::vector<std::string> CollectPaths(const CliOptions& options, const Settings& settings) {
    std::vector<std::string> paths;
    for (const std::string& path : options.paths) {
        if (!IsFolder(path)) {
            paths.push_back(path);
            continue;
        }
        for (std::string& found : ScanFolder(path, settings)) paths.push_back(std::move(found));
    }
    return paths;
}

std::string LoadFailureText(const std::string& path, const std::string& reason) {
    std::string text = "Failed to load";
    if (!reason.empty()) text += " (" + reason + ")";
    else if (!FileExists(path)) text += " (no such file)";
    return text;
}

// Adds every path to the list, reading `jobs` files at once; the report keeps input order,
// duplicates are left out.
std::vector<ReportItem> AddFiles(const std::vector<std::string>& paths, int jobs, FileList& list) {
    std::vector<ReportItem> items;
    FileList::AddObserver observer;
    observer.added = [&](size_t index, FileList::AddResult result, const std::string& reason) {
        if (result == FileList::AddResult::Added)
            items.push_back({paths[index], static_cast<int>(list.size()) - 1, {}});
        else if (result == FileList::AddResult::Failed)
            items.push_back({paths[index], -1, LoadFailureText(paths[index], reason)});
        return true;
    };
    list.AddFiles(paths, jobs, observer);
    return items;
}

// Files converted, or read for their properties, at once: -j, else one per core.
int JobCount(const CliOptions& options) {
    return options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
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
            std::printf("%s\t%s\n", item.path.c_str(), item.status.c_str());
            allLoaded = false;
            continue;
        }
        const FileEntry& e = list[static_cast<size_t>(item.row)];
        std::printf("%s\t%s\t%s\t%s\t%s\n", item.path.c_str(), DurationText(e).c_str(), BitrateText(e).c_str(),
                    FrequencyText(e).c_str(), ChannelsText(e).c_str());
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return ReportLost(errno ? errno : EIO);
    return allLoaded ? kExitConverted : kExitNotConverted;
}

int Convert(std::vector<ReportItem> items, FileList& list, const Settings& settings, const CliOptions& options) {
    std::vector<FileEntry*> entries;
    std::vector<int> rows;
    for (size_t row = 0; row < list.size(); ++row) {
        entries.push_back(&list[row]);
        rows.push_back(static_cast<int>(row));
    }
    TerminalHost host(std::move(items), list.size(), isatty(STDERR_FILENO) != 0, options.quiet);
    TerminalHost::InstallCancelHandlers();
    OptionalParts parts;
    BatchContext context;
    context.parts = &parts;
    context.settings = &settings;
    context.outputFormat = settings.OutputFormat;
    context.jobs = JobCount(options);
    if (!entries.empty()) ConvertBatch(entries, rows, context, host);
    const bool allConverted = host.FinishReport();
    if (const int signal = TerminalHost::CancelSignal()) return kExitAfterSignal + signal;
    if (host.ReportError()) return ReportLost(host.ReportError());
    return allConverted ? kExitConverted : kExitNotConverted;
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

    FileList list;
    std::vector<ReportItem> items = AddFiles(CollectPaths(options, settings), JobCount(options), list);
    if (options.info) return PrintInfo(items, list);
    return Convert(std::move(items), list, settings, options);
}

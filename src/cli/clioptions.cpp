#include "cli/clioptions.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/outputformat.h"

namespace tonewright {

namespace {

// The output formats' command names, in the order the desktop program's selector offers them.
std::string FormatNames() {
    std::string names;
    std::vector<int> listed;
    for (const FormatSelectorRow& row : FormatSelectorRows()) {
        if (std::find(listed.begin(), listed.end(), row.format->code) != listed.end()) continue;
        listed.push_back(row.format->code);
        names += std::string(names.empty() ? "" : " ") + row.format->commandName;
    }
    return names;
}

const std::string& UsageText() {
    static const std::string text =
        "Usage: tonewright-cli [OPTIONS] PATH...\n"
        "Converts audio files (and the audio of video files, tracker modules, MIDI files) to one\n"
        "output format. A PATH that is a folder is searched with all its subfolders.\n"
        "\n"
        "Options:\n"
        "  -f, --format FMT        output format: " + FormatNames() + "\n"
        "                          (default: the one chosen last in the desktop program)\n"
        "  -o, --output-dir DIR    write the converted files into DIR\n"
        "      --next-to-source    write each converted file next to its source\n"
        "      --mirror            below the output folder, rebuild each source's folder path\n"
        "      --if-exists RULE    when the target exists: rename, overwrite or skip\n"
        "  -j, --jobs N            convert up to N files at once (default: one per core)\n"
        "      --set NAME=VALUE    set a stored option for this run (e.g. MP3BitRate=192,\n"
        "                          MP3Tag/Artist=Name); may be repeated\n"
        "      --save              also store what this command line set\n"
        "      --info              print each file's duration, bit rate, frequency and channels\n"
        "      --list-settings     print every stored option: name, value for this run,\n"
        "                          default and what it may hold\n"
        "  -q, --quiet             no progress on the terminal\n"
        "  -h, --help              show this text\n"
        "      --version           show the version\n"
        "\n"
        "Output: one line per file, the source path, a TAB and the outcome.\n"
        "Exit status: 0 when every file converted, 1 when any did not, 2 on a usage error.\n";
    return text;
}

// The value of an option given as "--name value", "--name=value" or "-xvalue".
bool TakeValue(int argc, char** argv, int& i, const std::string& arg, const std::string& name,
               std::string& value, std::string& error) {
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= argc) {
        error = "option " + name + " needs a value";
        return false;
    }
    value = argv[++i];
    return true;
}

bool ParseJobs(const std::string& text, int& jobs, std::string& error) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 1 || n > 256) {
        error = "--jobs takes a whole number from 1 to 256";
        return false;
    }
    jobs = static_cast<int>(n);
    return true;
}

bool Matches(const std::string& arg, const char* shortName, const char* longName) {
    if (shortName && arg == shortName) return true;
    const size_t n = std::strlen(longName);
    return arg.compare(0, n, longName) == 0 && (arg.size() == n || arg[n] == '=');
}

}  // namespace

// Built when the program starts, as it lists the formats of the registry.
const char* const kUsageText = UsageText().c_str();

bool ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error) {
    bool onlyPaths = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string value;
        if (onlyPaths || arg.empty() || arg[0] != '-' || arg == "-") {
            options.paths.push_back(arg);
        } else if (arg == "--") {
            onlyPaths = true;
        } else if (Matches(arg, "-f", "--format")) {
            if (!TakeValue(argc, argv, i, arg, "--format", options.format, error)) return false;
        } else if (Matches(arg, "-o", "--output-dir")) {
            if (!TakeValue(argc, argv, i, arg, "--output-dir", options.outputDir, error)) return false;
            if (options.outputDir.empty()) {
                error = "the output folder must not be empty";
                return false;
            }
        } else if (arg == "--next-to-source") {
            options.nextToSource = true;
        } else if (arg == "--mirror") {
            options.mirror = true;
        } else if (Matches(arg, nullptr, "--if-exists")) {
            if (!TakeValue(argc, argv, i, arg, "--if-exists", options.ifExists, error)) return false;
            if (options.ifExists != "rename" && options.ifExists != "overwrite" && options.ifExists != "skip") {
                error = "--if-exists takes rename, overwrite or skip";
                return false;
            }
        } else if (Matches(arg, nullptr, "--set")) {
            if (!TakeValue(argc, argv, i, arg, "--set", value, error)) return false;
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                error = "--set takes NAME=VALUE";
                return false;
            }
            options.assignments.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (Matches(arg, "-j", "--jobs")) {
            if (!TakeValue(argc, argv, i, arg, "--jobs", value, error)) return false;
            if (!ParseJobs(value, options.jobs, error)) return false;
        } else if (arg.size() > 2 && arg.compare(0, 2, "-j") == 0) {
            if (!ParseJobs(arg.substr(2), options.jobs, error)) return false;
        } else if (arg == "--save") {
            options.save = true;
        } else if (arg == "--info") {
            options.info = true;
        } else if (arg == "--list-settings") {
            options.listSettings = true;
        } else if (arg == "-q" || arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg.size() > 2 && arg[1] != '-' && (arg[1] == 'f' || arg[1] == 'o')) {
            // "-fmp3" and "-oDIR"
            (arg[1] == 'f' ? options.format : options.outputDir) = arg.substr(2);
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (options.nextToSource && !options.outputDir.empty()) {
        error = "--next-to-source and --output-dir exclude each other";
        return false;
    }
    if (options.paths.empty() && !options.help && !options.version && !options.listSettings) {
        error = "no file or folder given";
        return false;
    }
    return true;
}

}  // namespace tonewright

#include "cli/clioptions.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/namepattern.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

bool Fail(std::string& error, const std::string& text) {
    error = text;
    return false;
}

// A whole number from `low` to `high`, the whole text.
bool ParseNumber(const std::string& text, long low, long high, long& number) {
    char* end = nullptr;
    number = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && number >= low && number <= high;
}

bool SetJobs(CliOptions& o, const std::string& v, std::string& error) {
    long n = 0;
    if (!ParseNumber(v, 1, 256, n)) return Fail(error, "--jobs takes a whole number from 1 to 256");
    o.jobs = static_cast<int>(n);
    return true;
}

bool SetOutputDir(CliOptions& o, const std::string& v, std::string& error) {
    if (v.empty()) return Fail(error, "the output folder must not be empty");
    o.outputDir = v;
    return true;
}

bool SetIfExists(CliOptions& o, const std::string& v, std::string& error) {
    if (v != "rename" && v != "overwrite" && v != "skip")
        return Fail(error, "--if-exists takes rename, overwrite or skip");
    o.ifExists = v;
    return true;
}

bool SetAssignment(CliOptions& o, const std::string& v, std::string& error) {
    const auto equals = v.find('=');
    if (equals == std::string::npos || equals == 0) return Fail(error, "--set takes NAME=VALUE");
    o.assignments.emplace_back(v.substr(0, equals), v.substr(equals + 1));
    return true;
}

bool SetNamePattern(CliOptions& o, const std::string& v, std::string& error) {
    const std::string problem = NamePatternProblem(v);
    if (!problem.empty()) return Fail(error, "--name-pattern: " + problem);
    o.namePattern = v;
    return true;
}

bool SetShard(CliOptions& o, const std::string& v, std::string& error) {
    const auto slash = v.find('/');
    long k = 0, n = 0;
    if (slash == std::string::npos || !ParseNumber(v.substr(slash + 1), 1, 1000000, n) ||
        !ParseNumber(v.substr(0, slash), 1, n, k))
        return Fail(error, "--shard takes K/N with 1 <= K <= N");
    o.shard = static_cast<int>(k);
    o.shardCount = static_cast<int>(n);
    return true;
}

bool SetPrintCompletion(CliOptions& o, const std::string& v, std::string& error) {
    if (v != "bash" && v != "zsh") return Fail(error, "--print-completion takes bash or zsh");
    o.printCompletion = v;
    return true;
}

#define FLAG(member) [](CliOptions& o, const std::string&, std::string&) { return o.member = true; }
#define TEXT(member) [](CliOptions& o, const std::string& v, std::string&) { o.member = v; return true; }

}  // namespace

const std::vector<OptionRow>& OptionTable() {
    using V = OptionValue;
    static const std::vector<OptionRow> table = {
        {"-f", "--format", "FMT", V::Format,
         "output format: " + FormatNames() + "\n(default: the one chosen last in the desktop program)", TEXT(format)},
        {"-o", "--output-dir", "DIR", V::Folder, "write the converted files into DIR", SetOutputDir},
        {nullptr, "--next-to-source", nullptr, V::None, "write each converted file next to its source",
         FLAG(nextToSource)},
        {nullptr, "--keep-tree", nullptr, V::None,
         "below DIR, rebuild each file's folders as they are below the folder\n"
         "argument it was found in; files given directly land in DIR",
         FLAG(keepTree)},
        {nullptr, "--mirror", nullptr, V::None, "below DIR, rebuild each source's whole absolute folder path",
         FLAG(mirror)},
        {nullptr, "--name-pattern", "PATTERN", V::Text,
         "name each target's path below the output folder from its tags, e.g.\n"
         "'%albumartist|artist%/%album%/%track:2% %title%'; fields:\n" + NamePatternFieldList(),
         SetNamePattern},
        {nullptr, "--copy-other", nullptr, V::None,
         "copy the files of a searched folder that are not audio (covers,\n"
         "booklets, cue sheets) to the matching target folder",
         FLAG(copyOther)},
        {nullptr, "--if-exists", "RULE", V::Rule, "when the target exists: rename, overwrite or skip", SetIfExists},
        {nullptr, "--no-fallback", nullptr, V::None,
         "fail a file whose output folder cannot be used instead of writing\n"
         "it to the documents folder",
         FLAG(noFallback)},
        {"-j", "--jobs", "N", V::Number, "convert up to N files at once (default: one per core)", SetJobs},
        {nullptr, "--files-from", "FILE", V::File,
         "also convert the paths listed in FILE, one a line or separated\n"
         "by NUL characters; - reads standard input",
         TEXT(filesFrom)},
        {nullptr, "--shard", "K/N", V::Text,
         "convert only the files of shard K of N, picked by a stable hash of\n"
         "each absolute path: N machines running K = 1..N, seeing the files\n"
         "under the same paths, convert each file once",
         SetShard},
        {nullptr, "--set", "NAME=VALUE", V::Setting,
         "set a stored option for this run (e.g. MP3BitRate=192,\n"
         "MP3Tag/Artist=Name); may be repeated",
         SetAssignment},
        {nullptr, "--save", nullptr, V::None, "also store what this command line set", FLAG(save)},
        {nullptr, "--info", nullptr, V::None, "print each file's duration, bit rate, frequency and channels",
         FLAG(info)},
        {nullptr, "--list-settings", nullptr, V::None,
         "print every stored option: name, value for this run,\ndefault and what it may hold", FLAG(listSettings)},
        {nullptr, "--json", nullptr, V::None, "report each file as one JSON object a line", FLAG(json)},
        {"-q", "--quiet", nullptr, V::None, "no progress and no summary on the terminal", FLAG(quiet)},
        {"-h", "--help", nullptr, V::None, "show this text", FLAG(help)},
        {nullptr, "--version", nullptr, V::None, "show the version", FLAG(version)},
        {nullptr, "--print-completion", "SHELL", V::Text, "", SetPrintCompletion},
        {nullptr, "--print-man", nullptr, V::None, "", FLAG(printMan)},
    };
    return table;
}

#undef FLAG
#undef TEXT

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

namespace {

// "  -f, --format FMT        text", continued lines indented to the text's column.
std::string OptionLines(const OptionRow& row) {
    constexpr size_t kTextColumn = 26;
    std::string head = std::string("  ") + (row.shortName ? std::string(row.shortName) + ", " : "    ") +
                       row.longName + (row.valueName ? std::string(" ") + row.valueName : "");
    // A head too long for the column puts the text on the next line.
    if (head.size() + 2 <= kTextColumn) head += std::string(kTextColumn - head.size(), ' ');
    else head += "\n" + std::string(kTextColumn, ' ');
    std::string text = row.help;
    std::string lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines += (lines.empty() ? head : std::string(kTextColumn, ' ')) + text.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return lines;
}

const std::string& UsageText() {
    static const std::string text = [] {
        std::string t =
            "Usage: tonewright-cli [OPTIONS] PATH...\n"
            "Converts audio files (and the audio of video files, tracker modules, MIDI files) to one\n"
            "output format. A PATH that is a folder is searched with all its subfolders for the\n"
            "files the program reads; other files there are passed over.\n"
            "\n"
            "Options:\n";
        for (const OptionRow& row : OptionTable())
            if (!row.help.empty()) t += OptionLines(row);
        t += "\n"
             "Output: one line per file, the source path, a TAB and the outcome (TAB, newline and\n"
             "backslash in either written as \\t, \\n and \\\\); a summary on stderr at the end.\n"
             "Exit status: 0 when every file converted or was skipped by the rule skip, 1 when any\n"
             "failed, 2 on a usage error, 128 + the signal's number after an interrupt (130) or a\n"
             "termination (143).\n";
        return t;
    }();
    return text;
}

bool Matches(const std::string& arg, const OptionRow& row) {
    if (row.shortName && arg == row.shortName) return true;
    const std::string name = row.longName;
    return arg.compare(0, name.size(), name) == 0 && (arg.size() == name.size() || arg[name.size()] == '=');
}

// The option `arg` starts with: "--name", "--name=value", "-x", or "-xvalue" for a short
// option that takes a value. `attached` is set when the value is part of `arg`.
const OptionRow* FindOption(const std::string& arg, std::string& attached, bool& hasAttached) {
    hasAttached = false;
    for (const OptionRow& row : OptionTable()) {
        if (Matches(arg, row)) {
            const size_t equals = arg.find('=');
            if (arg[1] == '-' && equals != std::string::npos) {
                attached = arg.substr(equals + 1);
                hasAttached = true;
            }
            return &row;
        }
    }
    for (const OptionRow& row : OptionTable()) {
        if (row.shortName && row.valueName && arg.size() > 2 && arg[1] != '-' && arg[1] == row.shortName[1]) {
            attached = arg.substr(2);
            hasAttached = true;
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

// Built when the program starts, as it lists the formats of the registry.
const char* const kUsageText = UsageText().c_str();

bool ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error) {
    bool onlyPaths = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyPaths || arg.empty() || arg[0] != '-' || arg == "-") {
            options.paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPaths = true;
            continue;
        }
        std::string value;
        bool hasValue = false;
        const OptionRow* row = FindOption(arg, value, hasValue);
        if (!row) return Fail(error, "unknown option " + arg);
        if (row->valueName && !hasValue) {
            if (i + 1 >= argc) return Fail(error, std::string("option ") + row->longName + " needs a value");
            value = argv[++i];
        } else if (!row->valueName && hasValue) {
            return Fail(error, std::string("option ") + row->longName + " takes no value");
        }
        if (!row->apply(options, value, error)) return false;
    }
    if (options.nextToSource && !options.outputDir.empty())
        return Fail(error, "--next-to-source and --output-dir exclude each other");
    if (options.keepTree && options.mirror) return Fail(error, "--keep-tree and --mirror exclude each other");
    const bool printOnly = options.help || options.version || options.listSettings || options.printMan ||
                           !options.printCompletion.empty();
    if (options.paths.empty() && options.filesFrom.empty() && !printOnly) return Fail(error, "no file or folder given");
    return true;
}

}  // namespace tonewright

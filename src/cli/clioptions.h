#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tonewright {

// What the command line asked for.
struct CliOptions {
    std::vector<std::string> paths;
    std::string format;  // -f value; empty = the stored output format
    std::string outputDir;
    bool nextToSource = false;
    bool mirror = false;
    bool keepTree = false;
    std::string namePattern;  // --name-pattern; empty = as stored
    bool copyOther = false;
    std::string ifExists;  // rename, overwrite, skip; empty = as stored
    bool noFallback = false;
    std::vector<std::pair<std::string, std::string>> assignments;  // --set NAME=VALUE
    int jobs = 0;  // files converted at once; 0 = one per processor core
    std::string filesFrom;  // --files-from; "-" = standard input
    int shard = 0;          // --shard K/N: this is shard K (1..N) of N; 0 = every file
    int shardCount = 0;
    bool save = false;
    bool info = false;
    bool listSettings = false;
    bool json = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::string printCompletion;  // bash or zsh: print that shell's completion script
    bool printMan = false;        // print the manual page
};

// What an option's value is, for the help text, the manual page and shell completion.
enum class OptionValue { None, Format, Folder, File, Rule, Setting, Text, Number };

// One option of the command line; every text the program shows about it comes from here.
struct OptionRow {
    const char* shortName;  // "-f", or nullptr
    const char* longName;   // "--format"
    const char* valueName;  // "FMT", or nullptr for an option without a value
    OptionValue value;
    std::string help;       // lines separated by '\n'; empty for an option not shown
    bool (*apply)(CliOptions& options, const std::string& value, std::string& error);
};

// Every option, in the order the help text lists them.
const std::vector<OptionRow>& OptionTable();

// The output formats' command names ("mp3 wav ..."), in the desktop program's selector order.
std::string FormatNames();

// Fills `options`; false with `error` set on a usage error.
bool ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error);

extern const char* const kUsageText;

}  // namespace tonewright

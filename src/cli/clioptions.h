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
    std::string ifExists;  // rename, overwrite, skip; empty = as stored
    std::vector<std::pair<std::string, std::string>> assignments;  // --set NAME=VALUE
    int jobs = 0;  // files converted at once; 0 = one per processor core
    bool save = false;
    bool info = false;
    bool listSettings = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Fills `options`; false with `error` set on a usage error.
bool ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error);

extern const char* const kUsageText;

}  // namespace tonewright

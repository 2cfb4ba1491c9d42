#include "cli/sourcelist.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <utility>

#include "base/filetypes.h"
#include "base/pathutil.h"
#include "cli/clioptions.h"
#include "engine/folderscan.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The paths of a list: one a line, or separated by NUL characters when the list holds one.
std::vector<std::string> SplitList(const std::string& text) {
    const char separator = text.find('\0') != std::string::npos ? '\0' : '\n';
    std::vector<std::string> paths;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        std::string path = text.substr(start, end - start);
        if (separator == '\n' && !path.empty() && path.back() == '\r') path.pop_back();
        if (!path.empty()) paths.push_back(std::move(path));
        start = end + 1;
    }
    return paths;
}

bool ReadList(const std::string& file, std::vector<std::string>& paths, std::string& error) {
    std::string text;
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            error = "cannot read --files-from " + file + " (" + std::strerror(errno) + ")";
            return false;
        }
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    for (std::string& path : SplitList(text)) paths.push_back(std::move(path));
    return true;
}

using FileId = std::pair<dev_t, ino_t>;

FileId Identify(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return {0, 0};
    return {st.st_dev, st.st_ino};
}

// A folder argument's files: first those the program reads (and the extension filter, when
// on, lets through) as audio, then the others as not audio, leaving out what only leads to
// an audio file found already (a link).
void SearchFolder(const std::string& folder, const Settings& settings, std::vector<SourceFile>& sources) {
    std::string prefix = folder;
    if (prefix.back() != '/') prefix += '/';
    auto add = [&](const std::string& path, bool audio) {
        // Files reached through links to folders outside the argument stay in its top folder.
        const bool inside = path.compare(0, prefix.size(), prefix) == 0;
        sources.push_back({path, inside ? FolderOf(path.substr(prefix.size())) : "", audio});
    };

    Settings audio = settings;
    audio.EnableExtFilter = 1;
    audio.extensionFilter.clear();
    for (const std::string& extension : ReadableExtensions()) {
        const std::string key = extension.substr(1);
        const auto& own = settings.extensionFilter;
        if (!settings.EnableExtFilter || std::find(own.begin(), own.end(), key) != own.end())
            audio.extensionFilter.push_back(key);
    }
    std::set<FileId> found;
    const std::vector<std::string> audioFiles = ScanFolder(folder, audio);
    for (const std::string& path : audioFiles) {
        add(path, true);
        found.insert(Identify(path));
    }
    if (audioFiles.empty()) std::fprintf(stderr, "tonewright-cli: no audio files found in %s\n", folder.c_str());

    Settings everything = settings;
    everything.EnableExtFilter = 0;
    for (const std::string& path : ScanFolder(folder, everything))
        if (!IsReadableFileName(path) && !found.count(Identify(path))) add(path, false);
}

}  // namespace

int ShardOf(const std::string& key, int count) {
    uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return static_cast<int>(hash % static_cast<uint64_t>(count)) + 1;
}

bool CollectSources(const CliOptions& options, const Settings& settings, std::vector<SourceFile>& sources,
                    std::string& error) {
    std::vector<std::string> paths = options.paths;
    if (!options.filesFrom.empty() && !ReadList(options.filesFrom, paths, error)) return false;
    std::vector<SourceFile> all;
    for (const std::string& path : paths) {
        if (IsFolder(path)) SearchFolder(path, settings, all);
        else all.push_back({path, "", true});
    }
    // The shard is picked by the file's absolute path, so a file named twice (given, and
    // found in a folder) falls in one shard.
    for (SourceFile& source : all)
        if (options.shardCount == 0 || ShardOf(AbsoluteCleanPath(source.path), options.shardCount) == options.shard)
            sources.push_back(std::move(source));
    return true;
}

}  // namespace tonewright

#include "engine/folderscan.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "base/pathutil.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// Links followed in a row before giving up (a chain of links, or a loop).
constexpr int kMaxLinkHops = 16;

bool Listed(const std::string& extension, const Settings& settings) {
    const std::string key = AsciiLower(extension.empty() ? extension : extension.substr(1));
    return std::find(settings.extensionFilter.begin(), settings.extensionFilter.end(), key) !=
           settings.extensionFilter.end();
}

std::string LinkTarget(const std::string& path) {
    char buffer[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string target(buffer, static_cast<size_t>(n));
    return target.front() == '/' ? target : FolderOf(path) + target;
}

struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

FolderListing ListFolder(const std::string& folder) {
    FolderListing listing;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) return listing;
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    while (const dirent* item = readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (lstat((prefix + name).c_str(), &st) != 0) continue;
        (S_ISDIR(st.st_mode) ? listing.folders : listing.files).push_back(prefix + name);
    }
    std::sort(listing.files.begin(), listing.files.end());
    std::sort(listing.folders.begin(), listing.folders.end());
    return listing;
}

void ScanInto(const std::string& folder, const Settings& settings, std::vector<std::string>& found) {
    const FolderListing listing = ListFolder(folder);
    for (const std::string& file : listing.files) {
        std::string accepted = AcceptFile(file, settings);
        if (!accepted.empty()) found.push_back(std::move(accepted));
    }
    for (const std::string& sub : listing.folders) ScanInto(sub, settings, found);
}

}  // namespace

std::string AcceptFile(const std::string& path, const Settings& settings) {
    if (!settings.EnableExtFilter) return path;
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (Listed(PathExtension(current), settings)) return current;
        struct stat st;
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
        current = LinkTarget(current);
        if (current.empty()) return {};
    }
    return {};
}

std::vector<std::string> ScanFolder(const std::string& folder, const Settings& settings) {
    std::vector<std::string> found;
    ScanInto(folder, settings, found);
    return found;
}

}  // namespace tonewright

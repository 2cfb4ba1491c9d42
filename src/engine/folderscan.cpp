#include "engine/folderscan.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <utility>

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
    std::vector<std::string> linkedFolders;  // links to folders
};

FolderListing ListFolder(const std::string& folder, const std::function<void()>& eachEntry) {
    FolderListing listing;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) return listing;
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    while (const dirent* item = readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        if (eachEntry) eachEntry();
        struct stat st;
        if (lstat((prefix + name).c_str(), &st) != 0) continue;
        // A dangling link, or one to a file, stays a file: it loads or fails like one.
        if (S_ISDIR(st.st_mode)) listing.folders.push_back(prefix + name);
        else if (S_ISLNK(st.st_mode) && IsFolder(prefix + name)) listing.linkedFolders.push_back(prefix + name);
        else listing.files.push_back(prefix + name);
    }
    for (auto* names : {&listing.files, &listing.folders, &listing.linkedFolders})
        std::sort(names->begin(), names->end());
    return listing;
}

// A file or folder on disk, whatever path or link reaches it.
using FileId = std::pair<dev_t, ino_t>;

bool Identify(const std::string& path, FileId& id) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return false;
    id = {st.st_dev, st.st_ino};
    return true;
}

// One search: each folder is searched once, so links that lead back up the tree (a loop)
// or to a folder searched already end there, and each file is listed once, under the
// first path that reaches it. The real folders of the tree come first and the folders
// reached through links after them, so a folder that is in the tree shows under its own
// path rather than a link's.
class FolderSearch {
public:
    FolderSearch(const Settings& settings, const std::function<void()>& eachFile)
        : settings_(settings), eachFile_(eachFile) {}

    void Run(const std::string& folder) {
        Scan(folder);
        for (size_t i = 0; i < linked_.size(); ++i) Scan(std::string(linked_[i]));  // linked_ grows
    }

    std::vector<std::string> Found() { return std::move(found_); }

private:
    // The folder's files, then its real subfolders, depth first; its links to folders wait.
    void Scan(const std::string& folder) {
        FileId id;
        if (Identify(folder, id) && !folders_.insert(id).second) return;
        const FolderListing listing = ListFolder(folder, eachFile_);
        for (const std::string& file : listing.files) {
            std::string accepted = AcceptFile(file, settings_);
            if (!accepted.empty() && FirstTime(accepted)) found_.push_back(std::move(accepted));
            if (eachFile_) eachFile_();
        }
        for (const std::string& sub : listing.folders) Scan(sub);
        linked_.insert(linked_.end(), listing.linkedFolders.begin(), listing.linkedFolders.end());
    }

    bool FirstTime(const std::string& file) {
        FileId id;
        return !Identify(file, id) || files_.insert(id).second;
    }

    const Settings& settings_;
    const std::function<void()>& eachFile_;
    std::set<FileId> folders_;
    std::set<FileId> files_;
    std::vector<std::string> linked_;  // links to folders, searched after the real tree
    std::vector<std::string> found_;
};

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

std::vector<std::string> ScanFolder(const std::string& folder, const Settings& settings,
                                    const std::function<void()>& eachFile) {
    FolderSearch search(settings, eachFile);
    search.Run(folder);
    return search.Found();
}

}  // namespace tonewright

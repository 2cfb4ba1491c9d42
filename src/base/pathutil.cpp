#include "base/pathutil.h"

#include <QDir>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

namespace tonewright {

std::string LastPathComponent(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string PathExtension(const std::string& path) {
    const std::string name = LastPathComponent(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return {};
    return name.substr(dot);
}

std::string StripExtension(const std::string& path) {
    return path.substr(0, path.size() - PathExtension(path).size());
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && lstat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSize(const std::string& path, uint64_t& size) {
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0) return false;
    size = static_cast<uint64_t>(st.st_size);
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat sa, sb;
    if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool CanReplace(const std::string& path) {
    struct stat entry, file;
    if (lstat(path.c_str(), &entry) != 0 || stat(path.c_str(), &file) != 0) return errno == ENOENT;
    if (!S_ISREG(file.st_mode) || (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    // Opening without truncation changes nothing; it fails for a file this user may not write.
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    // In a sticky folder only the owner of the entry (a link's own owner), the folder's
    // owner or the superuser may remove or replace it.
    const std::string folder = FolderOf(path);
    struct stat parent;
    if (stat(folder.empty() ? "." : folder.c_str(), &parent) != 0) return false;
    const uid_t user = geteuid();
    return !(parent.st_mode & S_ISVTX) || user == 0 || entry.st_uid == user || parent.st_uid == user;
}

namespace {

// Existing folder: true; existing non-folder: false; missing: the result of creating it.
bool EnsureOneFolder(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    return mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsFolder(path));
}

}  // namespace

bool CreateFolderChain(const std::string& path) {
    if (path.empty()) return false;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (prefix.empty() || prefix.back() == '/') continue;  // doubled separators
        if (!EnsureOneFolder(prefix)) return false;
    }
    if (path.back() == '/') return true;
    return EnsureOneFolder(path);
}

bool EnsureFolder(const std::string& path, bool create) {
    if (IsFolder(path)) return true;
    return create && CreateFolderChain(path);
}

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return FolderOf(std::string(buffer, static_cast<size_t>(n)));
}

std::string DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        const QString home = QDir::homePath();
        if (home.isEmpty()) return {};
        folder = home + QStringLiteral("/Documents");
    }
    const std::string path = folder.toStdString();
    return EnsureFolder(path, true) ? path : std::string();
}

std::string AbsoluteCleanPath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) absolute = path;
    std::filesystem::path clean;
    for (const std::filesystem::path& part : absolute) {
        if (part.empty() || part == ".") continue;
        if (part != "..") {
            clean /= part;
            continue;
        }
        // After a symbolic link, ".." leads to the parent of the folder the link names, as
        // the file system takes it, not back to the folder that holds the link.
        struct stat st;
        if (lstat(clean.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            std::filesystem::path resolved = std::filesystem::canonical(clean, ec);
            if (!ec) clean = std::move(resolved);
        }
        clean = clean.parent_path();
    }
    return clean.string();
}

}  // namespace tonewright

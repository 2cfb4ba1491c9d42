#include "engine/temporaryfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <memory>

#include "base/pathutil.h"

namespace tonewright {

namespace {

const std::string kPartMark = ".part-";
constexpr size_t kSuffixDigits = 16;

bool IsLowerHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

// The target's name as the temporary file's name carries it: whole when the dot, the mark
// and the digits still fit in the longest name the folder takes, else cut to fit, never
// inside a UTF-8 sequence. "" when not even one character fits.
std::string NameInTemporary(const std::string& target) {
    const std::string folder = FolderOf(target);
    const long longest = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    const size_t added = 1 + kPartMark.size() + kSuffixDigits;
    const size_t limit = longest > 0 ? static_cast<size_t>(longest) : NAME_MAX;
    if (limit <= added) return {};
    const std::string name = LastPathComponent(target);
    size_t cut = std::min(name.size(), limit - added);
    while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    return name.substr(0, cut);
}

// True when `path` still names the file open on `fd`. A cleaner of another run may take a
// file for a leftover in the moment between its creation and its lock, and remove it.
bool PathLeadsTo(const std::string& path, int fd) {
    struct stat byPath, byDescriptor;
    return lstat(path.c_str(), &byPath) == 0 && fstat(fd, &byDescriptor) == 0 &&
           byPath.st_dev == byDescriptor.st_dev && byPath.st_ino == byDescriptor.st_ino;
}

// Removes the file when nobody holds its lock. A running conversion holds the lock on its
// own file, and so does another cleaner that is removing the same leftover at this moment.
bool RemoveIfUnheld(const std::string& path) {
    TemporaryLock file(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (!file.IsHeld() || fstat(file.Descriptor(), &st) != 0) return false;
    if (!S_ISREG(st.st_mode) || st.st_uid != geteuid()) return false;
    if (flock(file.Descriptor(), LOCK_EX | LOCK_NB) != 0) return false;
    return PathLeadsTo(path, file.Descriptor()) && unlink(path.c_str()) == 0;
}

}  // namespace

TemporaryLock::~TemporaryLock() { Release(); }

TemporaryLock::TemporaryLock(TemporaryLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

TemporaryLock& TemporaryLock::operator=(TemporaryLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

void TemporaryLock::Release() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

bool IsTemporaryFileName(const std::string& name) {
    const size_t tail = kPartMark.size() + kSuffixDigits;
    // A dot, at least one character of the target's name, the mark and the digits.
    if (name.size() < 2 + tail || name[0] != '.') return false;
    const size_t mark = name.size() - tail;
    if (name.compare(mark, kPartMark.size(), kPartMark) != 0) return false;
    for (size_t i = mark + kPartMark.size(); i < name.size(); ++i)
        if (!IsLowerHexDigit(name[i])) return false;
    return true;
}

std::string CreateTemporaryBeside(const std::string& target, OutputTarget& file, mode_t mode) {
    static std::atomic<unsigned> counter{0};
    const std::string name = NameInTemporary(target);
    if (name.empty()) return {};
    const std::string prefix = FolderOf(target) + "." + name + kPartMark;
    const auto clock = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[kSuffixDigits + 1];
        std::snprintf(suffix, sizeof suffix, "%08x%08x", static_cast<unsigned>(getpid()), clock + counter++);
        const std::string candidate = prefix + suffix;
        OutputTarget created;
        if (!created.Create(candidate, mode)) {
            if (errno == EEXIST) continue;
            return {};
        }
        // Held by a cleaner: it is being removed, so another name is taken. A file system
        // without flock support leaves the file unlocked, and no cleaner removes it there.
        if (flock(created.Descriptor(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) continue;
        if (!PathLeadsTo(candidate, created.Descriptor())) continue;
        file = std::move(created);
        return candidate;
    }
    return {};
}

int RemoveStaleTemporaries(const std::string& folder) {
    const std::string base = folder.empty() ? "./" : folder.back() == '/' ? folder : folder + "/";
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(base.c_str()), closedir);
    if (!listing) return 0;
    int removed = 0;
    while (const dirent* entry = readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (IsTemporaryFileName(name) && RemoveIfUnheld(base + name)) ++removed;
    }
    return removed;
}

}  // namespace tonewright

#include "engine/targetcommit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/pathutil.h"
#include "encoders/outputfault.h"
#include "engine/targetpath.h"
#include "settings/settingcodes.h"

namespace tonewright {

namespace {

// The reason shown when the temporary file's name no longer leads to the file written.
const char kTemporaryReplaced[] = "the temporary file was replaced by another file";

// The target's folder, open for the names inside it and for its own fsync.
class Folder {
public:
    explicit Folder(const std::string& path)
        : fd_(open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~Folder() {
        if (fd_ >= 0) close(fd_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Fails the commit unless `name` in the folder is the file written itself, not another
// file or a link.
bool LeadsToFile(int folder, const std::string& name, const struct stat& file, std::string& reason) {
    struct stat st;
    if (fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (SameFile(st, file)) return true;
    reason = kTemporaryReplaced;
    return false;
}

// True when `name` in the folder is the file `file` itself.
bool IsFileNamed(int folder, const std::string& name, const struct stat& file) {
    struct stat st;
    return fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(st, file);
}

// Gives `from` (the file `file`) the name `to` unless something stands there (EEXIST). A
// file system that does not know RENAME_NOREPLACE (NFS says EINVAL) gets a second link and
// loses the first name. The server decides a link atomically, but a link whose reply was
// lost is sent again and answered EEXIST although it was made: the name then leads to the
// file itself, and is kept.
bool ClaimName(int folder, const std::string& from, const std::string& to, const struct stat& file) {
    if (renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL) return false;
    if (linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) {
        if (errno != EEXIST) return false;
        if (!IsFileNamed(folder, to, file)) {
            errno = EEXIST;
            return false;
        }
    }
    unlinkat(folder, from.c_str(), 0);
    return true;
}

// The file replaced by "Overwrite" lends the new one its permission bits and, as far as
// this user may give them, its owner and group.
void TakeOverAttributes(int folder, const std::string& replaced, int fd) {
    struct stat old;
    if (fstatat(folder, replaced.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(old.st_mode)) return;
    // A user outside the file's group keeps their own group for it.
    (void)(fchown(fd, old.st_uid, old.st_gid) == 0 || fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0);
    fchmod(fd, old.st_mode & 0777);
}

CommitOutcome Fail(std::string& reason, int errorNumber) {
    reason = std::strerror(errorNumber);
    return CommitOutcome::Failed;
}

}  // namespace

CommitOutcome CommitTarget(TargetPaths& paths, int targetExists, std::string& reason, bool mayBeEmpty) {
    const int fd = paths.file.Descriptor();
    struct stat written;
    if (fstat(fd, &written) != 0) return Fail(reason, errno);
    if (!S_ISREG(written.st_mode) || (written.st_size == 0 && !mayBeEmpty)) {
        reason.clear();
        return CommitOutcome::Failed;
    }
    PauseAtTargetStep(TargetStep::Committing, paths.temporary);
    if (TakeSyncFault()) return Fail(reason, EIO);
    if (fsync(fd) != 0) return Fail(reason, errno);

    const Folder folder(FolderOf(paths.target));
    if (folder.Descriptor() < 0) return Fail(reason, errno);
    const std::string temporary = LastPathComponent(paths.temporary);
    if (!LeadsToFile(folder.Descriptor(), temporary, written, reason)) return CommitOutcome::Failed;

    if (targetExists == kOverwriteTarget) {
        TakeOverAttributes(folder.Descriptor(), LastPathComponent(paths.target), fd);
        if (renameat(folder.Descriptor(), temporary.c_str(), folder.Descriptor(),
                     LastPathComponent(paths.target).c_str()) != 0)
            return Fail(reason, errno);
    } else {
        while (!ClaimName(folder.Descriptor(), temporary, LastPathComponent(paths.target), written)) {
            if (errno != EEXIST) return Fail(reason, errno);
            if (targetExists == kSkipTarget) return CommitOutcome::Skipped;
            // Taken since it was chosen: the next numbered name no row holds and no file has.
            std::string next;
            do next = NumberedTarget(paths.stem, ++paths.number, paths.extension);
            while (FileExists(next) || !paths.name.MoveTo(next));
            paths.target = next;
        }
    }

    // The name now leads to the file written unless the temporary was swapped at the last
    // moment; the folder's entry reaches the disk (file systems that cannot flush a folder
    // say EINVAL). A new name that the disk may lose is given up.
    const std::string target = LastPathComponent(paths.target);
    if (!LeadsToFile(folder.Descriptor(), target, written, reason)) return CommitOutcome::Failed;
    if (fsync(folder.Descriptor()) != 0 && errno != EINVAL) {
        const int error = errno;
        if (targetExists != kOverwriteTarget) unlinkat(folder.Descriptor(), target.c_str(), 0);
        return Fail(reason, error);
    }
    return CommitOutcome::Committed;
}

}  // namespace tonewright

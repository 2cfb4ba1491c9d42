#pragma once

#include <atomic>
#include <string>

#include "reliability/servedfuse.h"

namespace testutil {

// A writable FUSE file system over a folder that claims names as an NFS mount does: a rename
// with flags (RENAME_NOREPLACE) is refused with EINVAL, so a program falls back to link, and
// a link whose reply was lost can be played: the link is made, and the answer is EEXIST, as
// when a retried request meets the name its first attempt made. Inode numbers are the
// folder's own, so a file's names compare as one file.
class NfsLikeDrive {
public:
    NfsLikeDrive(const std::string& folder, const std::string& mountPoint)
        : folder_(folder), served_(Operations(), this, mountPoint) {}
    NfsLikeDrive(const NfsLikeDrive&) = delete;
    NfsLikeDrive& operator=(const NfsLikeDrive&) = delete;

    bool Mounted() const { return served_.Mounted(); }
    const std::string& Problem() const { return served_.Problem(); }
    // The next `count` links are made but answered EEXIST.
    void LoseLinkReplies(int count) { lostReplies_ = count; }

    // For the file system's callbacks.
    const std::string& folder() const { return folder_; }
    bool TakeLostReply() { return lostReplies_.fetch_sub(1) > 0; }

private:
    static const struct fuse_operations& Operations();

    std::string folder_;
    std::atomic<int> lostReplies_{0};
    ServedFuse served_;  // last: unmounted before the rest goes
};

}  // namespace testutil

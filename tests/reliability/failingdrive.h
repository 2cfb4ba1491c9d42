#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "reliability/servedfuse.h"

namespace testutil {

// A read-only FUSE file system served by a thread of the test program: it shows the files of
// a folder, and a read that touches a file's bytes from its failure offset on fails with EIO,
// as on a failing disk or a dropped network share. Reads are passed through uncached, so
// every read of a reader reaches it.
class FailingDrive {
public:
    // Mounts the files of `folder` at `mountPoint` (an empty folder). When this system has no
    // FUSE or does not let the test mount, nothing is mounted and Problem() says why.
    FailingDrive(const std::string& folder, const std::string& mountPoint);
    FailingDrive(const FailingDrive&) = delete;
    FailingDrive& operator=(const FailingDrive&) = delete;

    bool Mounted() const { return served_.Mounted(); }
    const std::string& Problem() const { return served_.Problem(); }
    // Reads of the file `name` that touch byte `offset` or any later one fail from now on.
    void FailReadsFrom(const std::string& name, uint64_t offset);

    // For the file system's callbacks.
    const std::string& folder() const { return folder_; }
    bool ReadFails(const std::string& name, uint64_t offset, uint64_t size);

private:
    std::string folder_;
    std::mutex mutex_;
    std::map<std::string, uint64_t> failFrom_;
    ServedFuse served_;  // last: unmounted before the rest goes
};

}  // namespace testutil

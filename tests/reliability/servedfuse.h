#pragma once

#include <string>
#include <thread>

struct fuse;
struct fuse_operations;

namespace testutil {

// A FUSE file system served by a thread of the test program: the test's drives give their
// operations and their own object, which the operations reach as the context's private data.
class ServedFuse {
public:
    // Mounts at `mountPoint` (an empty folder). When this system has no FUSE or does not let
    // the test mount, nothing is mounted and Problem() says why.
    ServedFuse(const fuse_operations& operations, void* drive, const std::string& mountPoint);
    // Unmounts and waits for the serving thread to end.
    ~ServedFuse();
    ServedFuse(const ServedFuse&) = delete;
    ServedFuse& operator=(const ServedFuse&) = delete;

    bool Mounted() const { return fuse_ != nullptr; }
    const std::string& Problem() const { return problem_; }

private:
    std::string problem_;
    struct fuse* fuse_ = nullptr;
    std::thread server_;
};

}  // namespace testutil

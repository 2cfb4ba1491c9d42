#define FUSE_USE_VERSION 31

#include "reliability/servedfuse.h"

#include <fuse.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace testutil {

ServedFuse::ServedFuse(const fuse_operations& operations, void* drive, const std::string& mountPoint) {
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
        problem_ = "/dev/fuse is missing or not usable here (" + std::string(std::strerror(errno)) + ")";
        return;
    }
    char name[] = "tonewright-test-drive";
    char* arguments[] = {name};
    fuse_args args = FUSE_ARGS_INIT(1, arguments);
    fuse* created = fuse_new(&args, &operations, sizeof operations, drive);
    fuse_opt_free_args(&args);  // fuse_new keeps copies of what it adds
    if (!created) {
        problem_ = "FUSE refused to set up a file system";
        return;
    }
    // Once fuse_mount returns, the kernel queues every access to the mount until the
    // serving thread answers it: the mount is ready for use.
    if (fuse_mount(created, mountPoint.c_str()) != 0) {
        fuse_destroy(created);
        problem_ = "mounting a FUSE file system is not allowed here";
        return;
    }
    fuse_ = created;
    server_ = std::thread([created] { fuse_loop(created); });
}

ServedFuse::~ServedFuse() {
    if (!fuse_) return;
    // The unmount ends the kernel's connection, which ends the serving loop.
    fuse_exit(fuse_);
    fuse_unmount(fuse_);
    server_.join();
    fuse_destroy(fuse_);
}

}  // namespace testutil

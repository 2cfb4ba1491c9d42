#define FUSE_USE_VERSION 31

#include "reliability/failingdrive.h"

#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace testutil {

namespace {

FailingDrive& Drive() { return *static_cast<FailingDrive*>(fuse_get_context()->private_data); }

std::string RealPath(const char* path) { return Drive().folder() + path; }

int GetAttributes(const char* path, struct stat* info, fuse_file_info*) {
    return lstat(RealPath(path).c_str(), info) == 0 ? 0 : -errno;
}

int ReadFolder(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*, fuse_readdir_flags) {
    DIR* folder = opendir(RealPath(path).c_str());
    if (!folder) return -errno;
    while (const dirent* entry = readdir(folder)) fill(buffer, entry->d_name, nullptr, 0, FUSE_FILL_DIR_PLUS);
    closedir(folder);
    return 0;
}

int OpenFile(const char* path, fuse_file_info* file) {
    if ((file->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
    const int descriptor = open(RealPath(path).c_str(), O_RDONLY);
    if (descriptor < 0) return -errno;
    file->fh = static_cast<uint64_t>(descriptor);
    // Every read comes here as the reader asked it, not from the page cache or read-ahead.
    file->direct_io = 1;
    return 0;
}

int ReadFile(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info* file) {
    if (Drive().ReadFails(path + 1, static_cast<uint64_t>(offset), size)) return -EIO;
    const ssize_t got = pread(static_cast<int>(file->fh), buffer, size, offset);
    return got < 0 ? -errno : static_cast<int>(got);
}

int ReleaseFile(const char*, fuse_file_info* file) {
    close(static_cast<int>(file->fh));
    return 0;
}

fuse_operations Operations() {
    fuse_operations operations{};
    operations.getattr = GetAttributes;
    operations.readdir = ReadFolder;
    operations.open = OpenFile;
    operations.read = ReadFile;
    operations.release = ReleaseFile;
    return operations;
}

}  // namespace

FailingDrive::FailingDrive(const std::string& folder, const std::string& mountPoint)
    : folder_(folder), served_(Operations(), this, mountPoint) {}

void FailingDrive::FailReadsFrom(const std::string& name, uint64_t offset) {
    std::lock_guard<std::mutex> lock(mutex_);
    failFrom_[name] = offset;
}

bool FailingDrive::ReadFails(const std::string& name, uint64_t offset, uint64_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = failFrom_.find(name);
    return found != failFrom_.end() && size > 0 && offset + size > found->second;
}

}  // namespace testutil

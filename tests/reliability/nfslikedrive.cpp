#define FUSE_USE_VERSION 31

#include "reliability/nfslikedrive.h"

#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace testutil {

namespace {

NfsLikeDrive& Drive() { return *static_cast<NfsLikeDrive*>(fuse_get_context()->private_data); }

std::string Real(const char* path) { return Drive().folder() + path; }

int Result(int returned) { return returned < 0 ? -errno : 0; }

int Descriptor(fuse_file_info* file) { return static_cast<int>(file->fh); }

void* Init(fuse_conn_info*, fuse_config* config) {
    config->use_ino = 1;  // the folder's inode numbers, so a link's two names are one file
    config->entry_timeout = config->attr_timeout = config->negative_timeout = 0;
    return fuse_get_context()->private_data;
}

int GetAttributes(const char* path, struct stat* info, fuse_file_info* file) {
    return Result(file ? fstat(Descriptor(file), info) : lstat(Real(path).c_str(), info));
}

int ReadFolder(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*, fuse_readdir_flags) {
    DIR* folder = opendir(Real(path).c_str());
    if (!folder) return -errno;
    while (const dirent* entry = readdir(folder)) fill(buffer, entry->d_name, nullptr, 0, FUSE_FILL_DIR_PLUS);
    closedir(folder);
    return 0;
}

int Open(const std::string& path, int flags, mode_t mode, fuse_file_info* file) {
    const int descriptor = open(path.c_str(), flags, mode);
    if (descriptor < 0) return -errno;
    file->fh = static_cast<uint64_t>(descriptor);
    return 0;
}

int OpenFile(const char* path, fuse_file_info* file) { return Open(Real(path), file->flags, 0, file); }

int CreateFile(const char* path, mode_t mode, fuse_file_info* file) {
    return Open(Real(path), file->flags | O_CREAT, mode, file);
}

int ReadFile(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* file) {
    const ssize_t got = pread(Descriptor(file), buffer, size, offset);
    return got < 0 ? -errno : static_cast<int>(got);
}

int WriteFile(const char*, const char* buffer, size_t size, off_t offset, fuse_file_info* file) {
    const ssize_t put = pwrite(Descriptor(file), buffer, size, offset);
    return put < 0 ? -errno : static_cast<int>(put);
}

int ReleaseFile(const char*, fuse_file_info* file) { return Result(close(Descriptor(file))); }

int SyncFile(const char*, int, fuse_file_info* file) { return Result(fsync(Descriptor(file))); }

int Truncate(const char* path, off_t size, fuse_file_info* file) {
    return Result(file ? ftruncate(Descriptor(file), size) : truncate(Real(path).c_str(), size));
}

int MakeFolder(const char* path, mode_t mode) { return Result(mkdir(Real(path).c_str(), mode)); }
int RemoveFolder(const char* path) { return Result(rmdir(Real(path).c_str())); }
int Unlink(const char* path) { return Result(unlink(Real(path).c_str())); }

int ChangeMode(const char* path, mode_t mode, fuse_file_info* file) {
    return Result(file ? fchmod(Descriptor(file), mode) : chmod(Real(path).c_str(), mode));
}

int ChangeOwner(const char* path, uid_t user, gid_t group, fuse_file_info* file) {
    return Result(file ? fchown(Descriptor(file), user, group) : lchown(Real(path).c_str(), user, group));
}

int SetTimes(const char* path, const struct timespec times[2], fuse_file_info* file) {
    return Result(file ? futimens(Descriptor(file), times)
                       : utimensat(AT_FDCWD, Real(path).c_str(), times, AT_SYMLINK_NOFOLLOW));
}

// As the NFS client: no rename flags.
int Rename(const char* from, const char* to, unsigned int flags) {
    if (flags != 0) return -EINVAL;
    return Result(rename(Real(from).c_str(), Real(to).c_str()));
}

int Link(const char* from, const char* to) {
    if (link(Real(from).c_str(), Real(to).c_str()) != 0) return -errno;
    return Drive().TakeLostReply() ? -EEXIST : 0;
}

}  // namespace

const fuse_operations& NfsLikeDrive::Operations() {
    static const fuse_operations operations = [] {
        fuse_operations o{};
        o.init = Init;
        o.getattr = GetAttributes;
        o.readdir = ReadFolder;
        o.open = OpenFile;
        o.create = CreateFile;
        o.read = ReadFile;
        o.write = WriteFile;
        o.release = ReleaseFile;
        o.fsync = SyncFile;
        o.truncate = Truncate;
        o.mkdir = MakeFolder;
        o.rmdir = RemoveFolder;
        o.unlink = Unlink;
        o.chmod = ChangeMode;
        o.chown = ChangeOwner;
        o.utimens = SetTimes;
        o.rename = Rename;
        o.link = Link;
        return o;
    }();
    return operations;
}

}  // namespace testutil

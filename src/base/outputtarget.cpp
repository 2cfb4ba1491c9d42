#include "base/outputtarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <utility>

namespace tonewright {

namespace {

// The open targets of this process by path. Rows converted at once each have their own.
std::mutex registryLock;
std::map<std::string, int>& Registry() {
    static std::map<std::string, int> targets;
    return targets;
}

}  // namespace

OutputTarget::~OutputTarget() { Release(); }

OutputTarget::OutputTarget(OutputTarget&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
    other.path_.clear();
}

OutputTarget& OutputTarget::operator=(OutputTarget&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
        other.path_.clear();
    }
    return *this;
}

bool OutputTarget::Create(const std::string& path, mode_t mode) {
    Release();
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return false;
    fd_ = fd;
    path_ = path;
    const std::lock_guard<std::mutex> guard(registryLock);
    Registry()[path_] = fd_;
    return true;
}

void OutputTarget::Release() {
    if (fd_ < 0) return;
    {
        const std::lock_guard<std::mutex> guard(registryLock);
        const auto it = Registry().find(path_);
        if (it != Registry().end() && it->second == fd_) Registry().erase(it);
    }
    close(fd_);
    fd_ = -1;
    path_.clear();
}

int OpenOutputFile(const std::string& path, bool truncate) {
    int fd = -1;
    {
        const std::lock_guard<std::mutex> guard(registryLock);
        const auto it = Registry().find(path);
        if (it != Registry().end()) {
            fd = fcntl(it->second, F_DUPFD_CLOEXEC, 0);
            if (fd < 0) return -1;
        }
    }
    if (fd >= 0) {
        if (truncate && ftruncate(fd, 0) != 0) {
            const int error = errno;
            close(fd);
            errno = error;
            return -1;
        }
        return fd;
    }
    const int flags = truncate ? O_WRONLY | O_CREAT | O_TRUNC : O_RDWR;
    return open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, 0666);
}

}  // namespace tonewright

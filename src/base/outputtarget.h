#pragma once

#include <sys/types.h>

#include <string>

namespace tonewright {

// A file this process created to write a conversion into, open for reading and writing
// from its creation until it is committed or removed. The file is created new, never
// through a symbolic link, and every writer of the conversion (encoders, muxers, the tag
// writers after them) writes through this one descriptor: nobody reopens the file by its
// name, so a file that another user swaps in under the name is never written. While it is
// open, the target is found by its path through OpenOutputFile. The descriptor also holds
// the file's exclusive flock (see temporaryfile.h).
class OutputTarget {
public:
    OutputTarget() = default;
    ~OutputTarget();
    OutputTarget(OutputTarget&& other) noexcept;
    OutputTarget& operator=(OutputTarget&& other) noexcept;
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    // Creates `path` with O_CREAT|O_EXCL|O_NOFOLLOW and the permission bits `mode` (less the
    // umask). False with errno set when the name is taken or the folder refuses the file.
    bool Create(const std::string& path, mode_t mode);
    bool IsHeld() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    const std::string& Path() const { return path_; }
    // Closes the descriptor (the lock with it); the file stays where it is.
    void Release();

private:
    int fd_ = -1;
    std::string path_;
};

// A new descriptor (close-on-exec) for writing the file at `path`. For a path of an open
// OutputTarget, a duplicate of its descriptor (for reading and writing), emptied first when
// `truncate` is set; otherwise the path is opened, never through a symbolic link, as
// encoders used on their own do: created or emptied for writing when `truncate` is set,
// else for reading and writing. -1 with errno set on failure.
int OpenOutputFile(const std::string& path, bool truncate);

}  // namespace tonewright

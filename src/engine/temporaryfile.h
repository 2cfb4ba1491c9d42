#pragma once

#include <sys/types.h>

#include <string>

#include "base/outputtarget.h"

namespace tonewright {

// The hidden file a conversion writes before it gets the target's name. Beside a target
// NAME it is named ".NAME.part-" followed by 16 lowercase hexadecimal digits, with NAME cut
// short when the whole would be longer than the folder's longest file name. Its writer
// holds an exclusive flock on it from creation until the file is renamed or removed, so a
// file of that form that nobody holds was left behind by a run that died.

// An exclusive flock taken through a descriptor of its own, as the cleaner takes it on a
// leftover it is about to remove; it ends when the object is released or destroyed.
class TemporaryLock {
public:
    TemporaryLock() = default;
    // Takes over an open descriptor; it is closed on release.
    explicit TemporaryLock(int fd) : fd_(fd) {}
    ~TemporaryLock();
    TemporaryLock(TemporaryLock&& other) noexcept;
    TemporaryLock& operator=(TemporaryLock&& other) noexcept;
    TemporaryLock(const TemporaryLock&) = delete;
    TemporaryLock& operator=(const TemporaryLock&) = delete;

    bool IsHeld() const { return fd_ >= 0; }
    void Release();

    int Descriptor() const { return fd_; }

private:
    int fd_ = -1;
};

// True when a file name (without folder) has exactly the form of a temporary file.
bool IsTemporaryFileName(const std::string& name);

// Creates a new empty temporary file for `target` in its folder, with the permission bits
// `mode` less the umask, opens it into `file` and locks it there. flock locks belong to the
// open file description, so the writers' duplicates of the descriptor closing does not
// release it. Returns its path, or "" when the folder does not take a new file.
std::string CreateTemporaryBeside(const std::string& target, OutputTarget& file, mode_t mode = 0666);

// Removes the temporary files in `folder` ("" for the working folder) that no running
// conversion holds: a regular file of this user, with the exact name form, on which an
// exclusive flock is granted without waiting. Returns how many it removed.
int RemoveStaleTemporaries(const std::string& folder);

}  // namespace tonewright

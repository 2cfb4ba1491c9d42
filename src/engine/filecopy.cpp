#include "engine/filecopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/pathutil.h"
#include "engine/targetpath.h"
#include "settings/settingcodes.h"

namespace tonewright {

namespace {

// Copies every byte of `from` into `to`; false with errno set.
bool CopyBytes(int from, int to) {
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = read(from, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = write(to, buffer + done, static_cast<size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += w;
        }
    }
}

CommitOutcome Failed(std::string& message, const std::string& text) {
    message = text;
    return CommitOutcome::Failed;
}

}  // namespace

CommitOutcome CopyFileToFolder(const std::string& source, const std::string& folder, int targetExists,
                               std::string& target, std::string& message) {
    if (!EnsureFolder(folder, true)) return Failed(message, "Failed to create folder \"" + folder + "\"");
    TargetPaths paths;
    paths.stem = folder + StripExtension(LastPathComponent(source));
    paths.extension = PathExtension(source);
    paths.target = NumberedTarget(paths.stem, 0, paths.extension);
    if (FileExists(paths.target)) {
        if (targetExists == kSkipTarget) {
            message = kTargetSkippedStatus;
            return CommitOutcome::Skipped;
        }
        if (targetExists == kOverwriteTarget && SameFile(paths.target, source))
            return Failed(message, "Target file name is same as original file that can't be overwritten.");
        if (targetExists != kOverwriteTarget) {
            while (FileExists(paths.target)) paths.target = NumberedTarget(paths.stem, ++paths.number, paths.extension);
        }
    }
    const int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return Failed(message, "Copy Failure (" + std::string(std::strerror(errno)) + ")");
    paths.temporary = CreateTemporaryBeside(paths.target, paths.file);
    if (paths.temporary.empty()) {
        close(in);
        return Failed(message, "Failed to create file \"" + paths.target + "\"");
    }
    std::string reason;
    CommitOutcome outcome = CommitOutcome::Failed;
    if (CopyBytes(in, paths.file.Descriptor())) outcome = CommitTarget(paths, targetExists, reason, true);
    else reason = std::strerror(errno);
    close(in);
    if (outcome != CommitOutcome::Committed) std::remove(paths.temporary.c_str());
    paths.file.Release();
    if (outcome == CommitOutcome::Committed) {
        target = paths.target;
        message = LastPathComponent(paths.target);
    } else if (outcome == CommitOutcome::Skipped) {
        message = kTargetSkippedStatus;
    } else {
        message = "Copy Failure" + (reason.empty() ? std::string() : " (" + reason + ")");
    }
    return outcome;
}

}  // namespace tonewright

#pragma once

#include <string>

namespace tonewright {

// The report shown after a run of adding files: the paths that could not be added (at
// most 30 of them, then "<more files>...") and the last reason a decoder gave.
class LoadFailureReport {
public:
    // Notes one file that could not be added; a non-empty reason replaces the earlier one.
    void AddFailure(const std::string& path, const std::string& reason);
    bool empty() const { return failures_ == 0; }
    int failures() const { return failures_; }
    // "Failed to load the following files." with the listed paths, then the reason, or a
    // line telling where to report the files when no decoder gave one.
    std::string Message() const;

private:
    std::string paths_;
    std::string reason_;
    int failures_ = 0;
};

}  // namespace tonewright

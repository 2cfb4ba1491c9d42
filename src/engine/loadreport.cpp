#include "engine/loadreport.h"

namespace tonewright {

namespace {

// Paths listed by name; the report stays readable when a whole folder fails.
constexpr int kListedPaths = 30;

const char* const kReportHint =
    "If you think Tonewright should read these files, please report them as the help page "
    "\"Feedback and Support\" describes.";

}  // namespace

void LoadFailureReport::AddFailure(const std::string& path, const std::string& reason) {
    if (failures_ < kListedPaths) paths_ += path + "\n";
    else if (failures_ == kListedPaths) paths_ += "<more files>...\n";
    ++failures_;
    if (!reason.empty()) reason_ = reason;
}

std::string LoadFailureReport::Message() const {
    return "Failed to load the following files.\n\n" + paths_ + "\n" + (reason_.empty() ? kReportHint : reason_);
}

}  // namespace tonewright

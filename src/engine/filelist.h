#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/fileentry.h"

namespace tonewright {

// The files to convert, each listed once. Paths are made absolute and clean when added, so
// the same file given twice (even as "./a.wav" and "a.wav") is listed once.
class FileList {
public:
    enum class AddResult { Added, AlreadyListed, Failed };

    // Reads the file's properties through the source factory and appends a row. On
    // Failed, failureReason may hold a note for the user.
    AddResult AddFile(const std::string& path, std::string& failureReason);

    // What AddFiles tells its caller, on the caller's thread: `added` for each path in the
    // order given (returning false stops adding), `waiting` every little while when there is
    // nothing to report (the desktop keeps its windows alive there).
    struct AddObserver {
        std::function<bool(size_t index, AddResult result, const std::string& failureReason)> added;
        std::function<void()> waiting;
    };
    // Adds the files as AddFile does, in the order given, with their properties read on
    // `jobs` threads at once.
    void AddFiles(const std::vector<std::string>& paths, int jobs, const AddObserver& observer);
    // Removes the entries (each listed once) in one pass over the list.
    void Remove(const std::vector<const FileEntry*>& entries);
    void Clear();

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    FileEntry& operator[](size_t row) { return *entries_[row]; }
    const FileEntry& operator[](size_t row) const { return *entries_[row]; }

private:
    AddResult Append(std::unique_ptr<FileEntry> entry);

    std::vector<std::unique_ptr<FileEntry>> entries_;
    std::set<std::string> listedPaths_;
};

}  // namespace tonewright

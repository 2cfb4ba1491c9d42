#pragma once

#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace tonewright {

class AddProgressWindow;
class Desktop;
class FileList;
class FileListWidget;
struct Settings;

// Adds files to the list the way the window's commands do: one file after the other under
// the small progress window, with the window disabled meanwhile, and one report of the
// files that could not be added. A file already listed is skipped silently.
class FileLoader {
public:
    FileLoader(QWidget& window, FileList& files, FileListWidget& list, Desktop& desktop);

    // Files as given (the open dialog's choice): no extension filter.
    void LoadFiles(const QStringList& paths);
    // Files and folders, as dropped on the window: each folder is searched with all its
    // subfolders for the files the extension filter accepts, under "Searching files...".
    // filterFiles applies the filter (with links followed) to the files given too; without
    // it they are taken as given, as when the program is asked to open them.
    void SearchAndLoad(const QStringList& paths, const Settings& settings, bool filterFiles);

private:
    void LoadFileList(const std::vector<std::string>& paths, AddProgressWindow& progress);

    QWidget& window_;
    FileList& files_;
    FileListWidget& list_;
    Desktop& desktop_;
};

}  // namespace tonewright

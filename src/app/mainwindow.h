#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "engine/filelist.h"
#include "engine/optionalparts.h"
#include "settings/settings.h"

class QMenu;

namespace tonewright {

class Desktop;
class FileListWidget;
class FileLoader;
class FormatSelector;
class SettingsStore;

// The program's window: the file list, the output-format selector and the commands that
// add, remove and convert files. It loads the settings when it is created and stores the
// chosen output format when it is destroyed; everything it asks of the user goes through
// the Desktop.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(SettingsStore& store, Desktop& desktop);
    ~MainWindow() override;

    // The commands of the buttons, menus and keys.
    void OnAddFiles();
    void OnAddFolder();
    void OnRemove();
    void OnRemoveAll();
    void ConvertAll();
    void ConvertSelected();
    void OpenOptionsSheet();
    void PlaySource();
    void PlayDestination();
    void BrowseSourceFolder();
    void BrowseDestinationFolder();
    void ShowHelpTopics();
    void ShowAbout();

    // Files and folders the program was asked to open when it started.
    void OpenPaths(const QStringList& paths);
    // The file list's context menu, its commands enabled as the list and selection allow.
    std::unique_ptr<QMenu> CreateListMenu();
    // Opens that menu at a point of the list's viewport.
    void ShowListMenu(const QPoint& position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLayout* CreateCommandRow();
    QMenu* CreateHelpMenu();
    void CreateShortcuts();
    void ConvertRows(const std::vector<int>& rows);
    // The entry of the only selected row, or null when not exactly one row is selected.
    FileEntry* SingleSelectedEntry() const;
    void Inform(const QString& text);

    SettingsStore& store_;
    Desktop& desktop_;
    Settings settings_;
    FileList files_;
    OptionalParts parts_;
    FileListWidget* list_ = nullptr;
    FormatSelector* formatSelector_ = nullptr;
    std::unique_ptr<FileLoader> loader_;
};

}  // namespace tonewright

#pragma once

#include <QWidget>

#include <memory>

#include "engine/batch.h"
#include "engine/filelist.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

class QComboBox;
class QTreeWidget;

namespace tonewright {

// The main window: the file list, the output-format selector and the commands that add
// files and convert them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<SettingsStore> store);
    ~MainWindow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnAddFiles();
    void OnConvert();
    void AddPaths(const QStringList& paths);
    void ShowFileInfo(const FileEntry& entry);

    std::unique_ptr<SettingsStore> store_;
    Settings settings_;
    FileList files_;
    BatchContext batch_;
    QTreeWidget* list_;
    QComboBox* formatSelector_;
};

}  // namespace tonewright

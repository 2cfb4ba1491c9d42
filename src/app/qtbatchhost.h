#pragma once

#include <memory>

#include "app/eventpump.h"
#include "engine/batch.h"

class QWidget;

namespace tonewright {

class Desktop;
class FileListWidget;
class ProgressWindow;

// The batch driver's view of the desktop program: questions through the Desktop, the
// list's Status column, the batch progress window, and the event pump.
class QtBatchHost : public BatchHost {
public:
    QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop);
    ~QtBatchHost() override;

    bool AskYesNo(const std::string& text) override;
    void OpenUrl(const std::string& url) override;
    void OpenFolder(const std::string& folder) override;
    void SetBusyCursor(bool busy) override;
    void SetMainWindowEnabled(bool enabled) override;
    void OpenProgressWindow(int fileCount) override;
    void CloseProgressWindow() override;
    void SetBatchText(const std::string& text) override;
    void StepBatchBar() override;
    void EnsureRowVisible(int row) override;
    void SetRowStatus(int row, const std::string& status) override;
    void RowFinished(int row, bool converted, const std::string& status) override;
    int StatusColumnWidth() const override;
    void SetStatusColumnWidth(int width) override;
    void RevealFile(const std::string& path) override;

    void SetFileText(const std::string& text) override;
    int FileBarWidth() const override;
    void SetFileBarRange(int maximum) override;
    void SetFileBarPosition(int position) override;
    void PumpEvents() override;
    bool IsCancelled() const override;

private:
    QWidget& window_;
    FileListWidget& list_;
    Desktop& desktop_;
    std::unique_ptr<ProgressWindow> progress_;
    EventPump events_;
    int busyCursors_ = 0;
};

}  // namespace tonewright

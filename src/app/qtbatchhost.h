#pragma once

#include <QPointer>

#include "engine/batch.h"

class QTreeWidget;
class QWidget;

namespace tonewright {

class ProgressWindow;

// The batch host of the desktop program: message boxes, the list's status column, the
// progress window and the desktop's file manager.
class QtBatchHost : public BatchHost {
public:
    QtBatchHost(QWidget* window, QTreeWidget* list, int statusColumn);
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
    QWidget* window_;
    QTreeWidget* list_;
    int statusColumn_;
    QPointer<ProgressWindow> progress_;
};

}  // namespace tonewright

#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/batch.h"

namespace testutil {

// A batch host that records what the driver asks of the window, answers questions with a
// fixed answer, and can press Cancel after a given number of event pumps.
class RecordingHost : public tonewright::BatchHost {
public:
    bool answer = false;
    int cancelAfterPumps = -1;  // -1: never

    std::vector<std::string> questions;
    std::vector<std::string> openedUrls;
    std::vector<std::string> openedFolders;
    std::vector<std::string> revealed;
    std::map<int, std::string> status;
    std::map<int, int> finishedCount;
    std::vector<int> widths;
    int statusWidth = 145;
    bool progressOpen = false;
    bool windowEnabled = true;
    int progressWindowsOpened = 0;
    int pumps = 0;
    std::vector<std::string> fileTexts;

    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    void OpenUrl(const std::string& url) override { openedUrls.push_back(url); }
    void OpenFolder(const std::string& folder) override { openedFolders.push_back(folder); }
    void SetBusyCursor(bool) override {}
    void SetMainWindowEnabled(bool enabled) override { windowEnabled = enabled; }
    void OpenProgressWindow(int) override {
        progressOpen = true;
        ++progressWindowsOpened;
    }
    void CloseProgressWindow() override { progressOpen = false; }
    void SetBatchText(const std::string&) override {}
    void StepBatchBar() override {}
    void EnsureRowVisible(int) override {}
    void SetRowStatus(int row, const std::string& text) override { status[row] = text; }
    void RowFinished(int row, bool, const std::string& text) override {
        status[row] = text;
        ++finishedCount[row];
    }
    int StatusColumnWidth() const override { return statusWidth; }
    void SetStatusColumnWidth(int width) override {
        statusWidth = width;
        widths.push_back(width);
    }
    void RevealFile(const std::string& path) override { revealed.push_back(path); }
    void SetFileText(const std::string& text) override { fileTexts.push_back(text); }
    int FileBarWidth() const override { return 200; }
    void SetFileBarRange(int) override {}
    void SetFileBarPosition(int) override {}
    void PumpEvents() override { ++pumps; }
    bool IsCancelled() const override { return cancelAfterPumps >= 0 && pumps >= cancelAfterPumps; }
};

}  // namespace testutil

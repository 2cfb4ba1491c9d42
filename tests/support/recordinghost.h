#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/batchhost.h"

namespace testutil {

// A batch host that records what the driver tells it, answers questions with a fixed
// answer, and can press Cancel at a given cancel check.
class RecordingHost : public tonewright::BatchHost {
public:
    bool answer = false;
    int cancelAtCheck = -1;  // -1: never

    std::vector<std::string> questions;
    std::vector<std::string> openedUrls;
    std::vector<std::string> openedFolders;
    std::map<int, std::string> status;
    std::map<int, std::vector<tonewright::RowProgress>> progress;
    std::vector<int> rowsWithReasons;  // rows whose failure says why, in finishing order
    int batchesStarted = 0;
    bool batchRunning = false;
    tonewright::BatchEnd end;
    int cancelChecks = 0;

    static constexpr int kBarSteps = 200;

    void BatchStarted(const tonewright::BatchStart&) override {
        ++batchesStarted;
        batchRunning = true;
    }
    int RowStarted(int row, const tonewright::RowStart& start) override {
        status[row] = start.status;
        return kBarSteps;
    }
    void RowProgressed(int row, const tonewright::RowProgress& report) override { progress[row].push_back(report); }
    void RowFinished(int row, const tonewright::RowEnd& rowEnd) override {
        status[row] = rowEnd.status;
        if (rowEnd.failureHasReason) rowsWithReasons.push_back(row);
    }
    void BatchFinished(const tonewright::BatchEnd& batchEnd) override {
        batchRunning = false;
        end = batchEnd;
    }
    bool Ask(const tonewright::Question& question) override {
        questions.push_back(question.text);
        if (answer) {
            if (!question.folder.empty()) openedFolders.push_back(question.folder);
            if (!question.page.empty()) openedUrls.push_back(question.page);
        }
        return answer;
    }
    bool Cancelled() override { return cancelAtCheck >= 0 && ++cancelChecks >= cancelAtCheck; }
};

}  // namespace testutil

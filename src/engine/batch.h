#pragma once

#include <memory>
#include <string>
#include <vector>

#include "encoders/winmedia/wmaformats.h"
#include "engine/progress.h"

namespace tonewright {

struct FileEntry;
struct Settings;

// What the batch driver needs of the program around it: questions, the rows' status
// texts, the progress window (whose file part is the FileProgress base) and the desktop's
// helpers. The desktop program implements it with Qt, the command line with the terminal.
class BatchHost : public FileProgress {
public:
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual void OpenUrl(const std::string& url) = 0;
    virtual void OpenFolder(const std::string& folder) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void SetMainWindowEnabled(bool enabled) = 0;

    // The progress window; its batch bar runs from 0 to fileCount.
    virtual void OpenProgressWindow(int fileCount) = 0;
    virtual void CloseProgressWindow() = 0;
    virtual void SetBatchText(const std::string& text) = 0;
    virtual void StepBatchBar() = 0;

    virtual void EnsureRowVisible(int row) = 0;
    virtual void SetRowStatus(int row, const std::string& status) = 0;
    // The row's outcome: its final status text, and whether it converted.
    virtual void RowFinished(int row, bool converted, const std::string& status) = 0;
    virtual int StatusColumnWidth() const = 0;
    virtual void SetStatusColumnWidth(int width) = 0;

    // Shows the file in the file manager with the file selected.
    virtual void RevealFile(const std::string& path) = 0;

    // For batches that convert several rows at once: the progress of one row, to be used
    // from the thread that converts it. Hosts that show one file at a time keep the default
    // and get their rows one after the other.
    virtual bool ConvertsRowsAtOnce() const { return false; }
    virtual std::unique_ptr<FileProgress> CreateRowProgress(int /*row*/) { return nullptr; }
};

// What outlives one batch: the options, the chosen output format and the state of the
// optional parts (MIDI SoundFont, Windows Media codecs), found once and kept.
struct BatchContext {
    const Settings* settings = nullptr;
    int outputFormat = 0;
    bool soundFontReady = false;
    bool windowsMediaReady = false;
    WmaFormatList wmaFormats;  // filled when the Windows Media codecs are found
    int jobs = 1;              // rows converted at once, when the host can show that
};

// Converts the entries, one after the other or several at once (context.jobs); rows[i] is
// the list row of entries[i]. Every row ends with its outcome as status text; a converted
// row keeps its target path. Two rows never get the same target name.
void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows, BatchContext& context,
                  BatchHost& host);

// Status text of a MIDI row while no SoundFont is available.
extern const char* const kSoundFontMissingStatus;

}  // namespace tonewright

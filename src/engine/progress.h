#pragma once

#include <string>

namespace tonewright {

// What a conversion of one file sees of the window that shows its progress: the upper
// text line and bar of the progress window, the event pump and the Cancel flag.
// The desktop program, the command line and the tests each provide one.
class FileProgress {
public:
    virtual ~FileProgress() = default;
    virtual void SetFileText(const std::string& text) = 0;
    // Width of the file bar in its own units (pixels on screen); the bar runs 0..width.
    virtual int FileBarWidth() const = 0;
    virtual void SetFileBarRange(int maximum) = 0;
    virtual void SetFileBarPosition(int position) = 0;
    // Lets the user interface handle pending events (a Cancel click among them).
    virtual void PumpEvents() = 0;
    virtual bool IsCancelled() const = 0;
};

}  // namespace tonewright

#pragma once

class QWidget;

namespace tonewright {

class FileListWidget;
struct Settings;

// The main window's size, place and maximised state, and the file list's column widths, as
// the settings keep them from one run to the next.

// Gives the window and the list what the settings hold. Without a stored size the window
// has its classic size and the desktop places it; a stored place that no screen shows any
// more is left to the desktop as well. Sizes never exceed the screen.
void RestoreWindowPlacement(QWidget& window, FileListWidget& list, const Settings& settings);

// Takes the window's place and the list's column widths into the settings. The size kept
// for a maximised window is the one it returns to.
void TakeWindowPlacement(const QWidget& window, const FileListWidget& list, Settings& settings);

}  // namespace tonewright

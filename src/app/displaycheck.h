#pragma once

namespace tonewright {

// Whether the desktop program has a display to show its window on. Qt's platform ends the
// program with an abort when it finds none, so the program asks first: a platform chosen
// through QT_QPA_PLATFORM other than X11 or Wayland counts as found, a Wayland display as
// found, an X11 display on this machine only while its socket exists.
bool DisplayFound();

}  // namespace tonewright

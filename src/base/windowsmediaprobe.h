#pragma once

namespace tonewright {

// True when the Windows Media audio codecs and the ASF container are available, which is
// what reading and writing WMA files needs.
bool ProbeWindowsMediaRuntime();

}  // namespace tonewright

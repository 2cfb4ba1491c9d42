#pragma once

namespace tonewright {

// MPEG channel modes: what an MP3 source reports and what the MP3 output is asked for.
enum ChannelMode { kModeStereo = 0, kModeJointStereo = 1, kModeDualChannel = 2, kModeMono = 3, kModeUnknown = 4 };

}  // namespace tonewright

#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tonewright {

class AudioSource;
class FileProgress;

// Hands one block of `count` samples per channel to the encoder side; 1 to go on, 0 when
// writing failed.
using BlockConsumer = std::function<int(uint8_t* left, uint8_t* right, int count)>;

// Hands `count` interleaved frames (as AudioSource::ReadFrames delivers them) on; as above.
using FrameConsumer = std::function<int(const float* frames, int count)>;

enum class LoopOutcome { Finished, Cancelled, WriteFailed, ReadFailed };

// The read loop every pipeline shares: reads blocks from the source until it ends (for
// rendered sources, until the position reaches the declared length) or a read fails (the
// source's ReadError says why), reports the
// percentage and the file bar, asks after every block whether the user cancelled (the
// host handles its events there) and stops if so, and hands every block to `consume`.
LoopOutcome RunBlockLoop(AudioSource& source, int inputType, FileProgress& progress,
                         const std::string& displayName, const BlockConsumer& consume);
// The same loop over the source's frames (after its BeginFrames).
LoopOutcome RunFrameLoop(AudioSource& source, int inputType, FileProgress& progress,
                         const std::string& displayName, const FrameConsumer& consume);

}  // namespace tonewright

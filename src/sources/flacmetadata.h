#pragma once

#include <cstdint>
#include <functional>

namespace tonewright {

// Metadata blocks looked through at the most; real files have a handful.
constexpr int kMaxFlacBlocks = 256;

// Walks the metadata blocks of the FLAC stream whose "fLaC" marker stands at `start` in the
// open file: calls `onBlock(headerOffset, type)` for each block (the type without the
// last-block flag) and returns the offset of the first audio frame, after the block marked
// last. -1 when there is no marker, a block header cannot be read, or more than
// kMaxFlacBlocks come before the last one.
int64_t WalkFlacMetadata(int descriptor, int64_t start, const std::function<void(int64_t, uint8_t)>& onBlock = {});

// The speakers a FLAC stream's Vorbis comment block (its header at blockAt) names in a
// WAVEFORMATEXTENSIBLE_CHANNEL_MASK comment (key in any letter case; the value a C integer
// literal, "0x3f"), as FFmpeg's demuxer takes it; 0 when the block has none, or one that
// names no speaker or speakers beyond the top back right one. The comments are read one at
// a time.
uint32_t FlacChannelMaskComment(int descriptor, int64_t blockAt);

}  // namespace tonewright

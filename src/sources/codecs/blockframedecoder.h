#pragma once

#include <cstddef>
#include <memory>

#include "sources/codecs/blockdecoder.h"
#include "sources/codecs/framedecoder.h"

namespace tonewright {

// Coded data stored in blocks of a fixed size that decode on their own (IMA4 packets, GSM
// frames). Each call decodes as many whole blocks as fit in maxFrames, so maxFrames must
// hold at least one block. A block cut short by the end of the data is dropped; a block that
// does not decode ends the stream. Returns null when the blocks do not decode to whole
// frames of `channels` samples.
std::unique_ptr<FrameDecoder> CreateBlockFrameDecoder(std::unique_ptr<BlockDecoder> blocks, size_t channels);

}  // namespace tonewright

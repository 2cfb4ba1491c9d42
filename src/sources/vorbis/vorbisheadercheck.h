#pragma once

#include <cstdint>
#include <cstdio>

namespace tonewright {

// libvorbis takes some damaged setup headers (codebooks) that it later divides by zero on
// while decoding. FFmpeg's Vorbis decoder checks the headers strictly when it opens. True
// when it takes the three header packets of the logical stream `serial`, read from the
// pages of `file` between the byte offsets `begin` and `end`; false when they are not all
// there or it refuses them. Moves the file's position.
bool VorbisHeadersAccepted(std::FILE* file, int64_t begin, int64_t end, long serial);

}  // namespace tonewright

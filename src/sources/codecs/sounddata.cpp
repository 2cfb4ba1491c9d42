#include "sources/codecs/sounddata.h"

#include <algorithm>

namespace tonewright {

size_t SoundData::Read(uint8_t* bytes, size_t wanted) {
    const size_t asked = static_cast<size_t>(std::min<uint64_t>(wanted, remaining_));
    if (asked == 0) return 0;
    const size_t got = std::fread(bytes, 1, asked, file_);
    // A short read is the end of the file: nothing more follows.
    remaining_ = got < asked ? 0 : remaining_ - got;
    consumed_ += got;
    return got;
}

}  // namespace tonewright

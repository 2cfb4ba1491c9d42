#include "sources/codecs/sounddata.h"

#include <algorithm>
#include <cerrno>

namespace tonewright {

size_t SoundData::Read(uint8_t* bytes, size_t wanted) {
    const size_t asked = static_cast<size_t>(std::min<uint64_t>(wanted, remaining_));
    if (asked == 0) return 0;
    errno = 0;
    const size_t got = std::fread(bytes, 1, asked, file_);
    // A short read is the end of the file or a read that failed: nothing more follows.
    if (got < asked && std::ferror(file_)) readError_ = errno != 0 ? errno : EIO;
    remaining_ = got < asked ? 0 : remaining_ - got;
    consumed_ += got;
    return got;
}

}  // namespace tonewright

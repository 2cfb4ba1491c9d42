#include "sources/codecs/streammeasures.h"

#include <sys/stat.h>

#include "sources/clamptoint.h"

namespace tonewright {

uint64_t OpenFileSize(std::FILE* file) {
    struct stat info;
    return fstat(fileno(file), &info) == 0 && info.st_size > 0 ? static_cast<uint64_t>(info.st_size) : 0;
}

StreamMeasures MeasureStream(uint64_t frames, uint64_t bytes, uint32_t sampleRate, uint16_t storedBits,
                             uint16_t channels) {
    StreamMeasures measures;
    measures.durationSeconds = sampleRate == 0 ? 0 : ClampToInt(frames / sampleRate);
    if (measures.durationSeconds != 0) {
        measures.bitrateKbps = ClampToInt(bytes / (static_cast<uint64_t>(measures.durationSeconds) * 125));
    } else {
        measures.bitrateKbps = ClampToInt(static_cast<uint64_t>(storedBits) * channels * sampleRate / 1000);
    }
    return measures;
}

}  // namespace tonewright

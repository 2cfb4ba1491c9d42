#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonewright {
class AudioSource;
}

namespace wavtest {

using Bytes = std::vector<uint8_t>;

// Appends `value` as `count` little-endian bytes.
void Put(Bytes& bytes, uint64_t value, int count);
// An fmt chunk (average byte rate 0) followed by the 16-bit words of `extension`.
Bytes Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t blockAlign, uint16_t bits,
          const std::vector<uint16_t>& extension = {});
// A Microsoft ADPCM fmt chunk at 8000 Hz holding the seven standard predictors; `declared`
// is the count written before them and may claim more or fewer.
Bytes MsFmt(uint16_t channels, uint16_t blockAlign, uint16_t samplesPerBlock, uint16_t declared = 7);
// A chunk with its pad byte when the body is odd-sized.
Bytes Chunk(const std::string& id, const Bytes& body);
// "RIFF", size, "WAVE", then the chunks.
Bytes RiffWave(const std::vector<Bytes>& chunks);

// What a source delivers until ReadBlock reports the end, interleaved over the delivered
// channels (8-bit sources as unsigned values). Fails the test on a block above 1152 samples
// and stops after maxCalls, leaving `ended` false, so a source that never ends cannot hang.
struct Drained {
    std::vector<int> samples;
    bool ended = false;
};
Drained Drain(tonewright::AudioSource& source, int maxCalls = 100000);

}  // namespace wavtest

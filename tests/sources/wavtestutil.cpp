#include "sources/wavtestutil.h"

#include <gtest/gtest.h>

#include "sources/audiosource.h"

namespace wavtest {

void Put(Bytes& bytes, uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t blockAlign, uint16_t bits,
          const std::vector<uint16_t>& extension) {
    Bytes body;
    for (auto [value, count] :
         {std::pair<uint32_t, int>{tag, 2}, {channels, 2}, {rate, 4}, {0, 4}, {blockAlign, 2}, {bits, 2}})
        Put(body, value, count);
    for (uint16_t word : extension) Put(body, word, 2);
    return Chunk("fmt ", body);
}

Bytes MsFmt(uint16_t channels, uint16_t blockAlign, uint16_t samplesPerBlock, uint16_t declared) {
    return Fmt(2, channels, 8000, blockAlign, 4,
               {32, samplesPerBlock, declared, 256, 0, 512, 0xFF00, 0, 0, 192, 64, 240, 0, 460, 0xFF30, 392, 0xFF18});
}

Bytes Chunk(const std::string& id, const Bytes& body) {
    Bytes chunk(id.begin(), id.end());
    Put(chunk, body.size(), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

Bytes RiffWave(const std::vector<Bytes>& chunks) {
    Bytes content{'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks) content.insert(content.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", content);
}

Drained Drain(tonewright::AudioSource& source, int maxCalls) {
    constexpr int kBlock = tonewright::kBlockSamples;
    const int channels = source.GetChannels();
    int16_t buffers[2][kBlock];
    Drained drained;
    for (int call = 0; call < maxCalls && !drained.ended; ++call) {
        const int n = source.ReadBlock(buffers[0], channels == 2 ? buffers[1] : nullptr);
        drained.ended = n <= 0;
        EXPECT_LE(n, kBlock);
        for (int i = 0; i < std::min(n, kBlock); ++i) {
            for (int c = 0; c < channels; ++c) {
                const auto* bytes = reinterpret_cast<const uint8_t*>(buffers[c]);
                drained.samples.push_back(source.GetBitsPerSample() == 8 ? bytes[i] : buffers[c][i]);
            }
        }
    }
    return drained;
}

}  // namespace wavtest

// Writes the byte-built part of the fuzzers' seed corpus: AIFF-C and AU kinds that neither
// sox nor ffmpeg writes (DWVW, GSM in AIFF-C, G.723, shifted AU headers) and unusual layouts
// (sound data before the format, odd chunks, wide files).
// Usage: make_fuzz_seeds AIFF_FOLDER AU_FOLDER GSM_FRAMES
// where GSM_FRAMES holds standard 33-byte GSM 06.10 frames (ffmpeg -f gsm).
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "sources/aifftestutil.h"

namespace {

using namespace aifftest;

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A tone of `frames` frames at `bits` bits, a different one per channel.
std::vector<int32_t> Tone(int frames, int channels, int bits) {
    std::vector<int32_t> samples;
    const double peak = std::ldexp(0.7, bits - 1);
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c) samples.push_back(static_cast<int32_t>(peak * std::sin(f * 0.07 * (c + 1))));
    return samples;
}

Bytes Pcm16(int frames, int channels) {
    Bytes data;
    for (int32_t sample : Tone(frames, channels, 16)) PutBe(data, static_cast<uint16_t>(sample), 2);
    return data;
}

void WriteAiffSeeds(const std::string& folder, const Bytes& gsmFrames) {
    for (const auto& [bits, channels] : {std::pair{8, 1}, {12, 2}, {16, 1}, {20, 3}, {24, 2}}) {
        const std::vector<int32_t> samples = Tone(300, channels, bits);
        Write(folder + "/dwvw" + std::to_string(bits) + "x" + std::to_string(channels) + ".aifc",
              Form("AIFC", {CommC(static_cast<uint16_t>(channels), 300, static_cast<uint16_t>(bits), 8000, "DWVW"),
                            Ssnd(EncodeDwvw(samples, bits))}));
    }
    Write(folder + "/gsm.aifc", Form("AIFC", {CommC(1, static_cast<uint32_t>(gsmFrames.size() / 33 * 160), 16,
                                                    8000, "GSM "),
                                              Ssnd(gsmFrames)}));
    Write(folder + "/ssnd-first.aiff",
          Form("AIFF", {Ssnd(Pcm16(200, 2), 4), Chunk("NAME", {'t', 'o', 'n', 'e', '!'}), Comm(2, 200, 16, 22050)}));
    Write(folder + "/six-channels.aiff", Form("AIFF", {Comm(6, 100, 16, 44100), Ssnd(Pcm16(100, 6))}));
    Write(folder + "/ima4-three-channels.aifc",
          Form("AIFC", {CommC(3, 6, 16, 8000, "ima4"), Ssnd(Bytes(6 * 3 * 34, 0x5A))}));
    Write(folder + "/twelve-bits.aifc",
          Form("AIFC", {CommC(1, 100, 12, 11025.5, "twos", "12-bit samples"), Ssnd(Pcm16(100, 1))}));
}

void WriteAuSeeds(const std::string& folder) {
    Bytes codes;
    for (int i = 0; i < 600; ++i) codes.push_back(static_cast<uint8_t>(i * 37 + (i >> 3)));
    for (uint32_t encoding : {23u, 25u, 26u}) {
        Write(folder + "/g72x-" + std::to_string(encoding) + ".au", AuFile(true, encoding, 8000, 1, codes));
        Write(folder + "/g72x-" + std::to_string(encoding) + "-stereo-le.au", AuFile(false, encoding, 8000, 2, codes));
    }
    Write(folder + "/four-channels.au", AuFile(true, 3, 44100, 4, Pcm16(100, 4)));
    Write(folder + "/unknown-size.au", AuFile(true, 3, 8000, 1, Pcm16(100, 1), 0xFFFFFFFF));
    // The encoding moved to byte 13, behind a byte of junk.
    Bytes shifted = {'.', 's', 'n', 'd'};
    PutBe(shifted, 28, 4);
    PutBe(shifted, 200, 4);
    shifted.push_back(0x41);
    for (uint32_t field : {3u, 8000u, 1u}) PutBe(shifted, field, 4);
    shifted.resize(28, 0);
    const Bytes samples = Pcm16(100, 1);
    shifted.insert(shifted.end(), samples.begin(), samples.end());
    Write(folder + "/shifted-header.au", shifted);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s AIFF_FOLDER AU_FOLDER GSM_FRAMES\n", argv[0]);
        return 2;
    }
    std::ifstream gsm(argv[3], std::ios::binary);
    const Bytes gsmFrames((std::istreambuf_iterator<char>(gsm)), std::istreambuf_iterator<char>());
    WriteAiffSeeds(argv[1], gsmFrames);
    WriteAuSeeds(argv[2]);
    return 0;
}

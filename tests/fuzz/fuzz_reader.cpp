// libFuzzer target: one of Tonewright's own readers opening and reading a whole file. The
// build compiles it once per reader, naming the class in FUZZ_SOURCE_CLASS and its header in
// FUZZ_SOURCE_HEADER.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include FUZZ_SOURCE_HEADER

namespace {

// One file in memory for the whole run, rewritten for every input.
int MemoryFile() {
    static const int fd = memfd_create("fuzz-input", 0);
    if (fd < 0) std::abort();
    return fd;
}

void WriteInput(int fd, const uint8_t* data, size_t size) {
    if (ftruncate(fd, 0) != 0) std::abort();
    for (size_t done = 0; done < size;) {
        const ssize_t wrote = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (wrote <= 0) std::abort();
        done += static_cast<size_t>(wrote);
    }
}

// Reads the open source's frames to their end the way the frame road does, into a buffer of
// exactly one block of frames; a form or a delivery outside the frame contract aborts.
void ReadFrames(tonewright::AudioSource& source) {
    const tonewright::FrameFormat form = source.GetFrameFormat();
    if (form.channels < 1 || form.channels > tonewright::kMaxRoadChannels ||
        (form.bits != 8 && form.bits != 16 && form.bits != 24 && form.bits != tonewright::kFloatBits))
        std::abort();
    if (!source.BeginFrames()) return;
    std::vector<float> frames(static_cast<size_t>(tonewright::kBlockSamples) * tonewright::kMaxRoadChannels);
    for (;;) {
        const int count = source.ReadFrames(frames.data());
        if (count > tonewright::kBlockSamples) std::abort();
        if (count <= 0) break;
    }
}

// Gives the input to the source as a file in memory and reads it to its end the way a
// pipeline does: every property, then blocks into buffers of exactly one block (no right
// buffer for a mono delivery) until the source reports the end; then, opened again, its
// frames when it holds more than the blocks carry. Properties or deliveries outside the
// source contract abort; the sanitizers report everything else, and libFuzzer's timeout a
// source that never ends.
void ReadFuzzInput(tonewright::AudioSource& source, const uint8_t* data, size_t size) {
    const int fd = MemoryFile();
    WriteInput(fd, data, size);
    if (source.Open("/proc/self/fd/" + std::to_string(fd), 0) != 1) return;
    const int channels = source.GetChannels();
    const int bits = source.GetBitsPerSample();
    // What the pipelines rely on: a delivery they can take, a rate they can divide by.
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || source.GetSampleRate() <= 0 ||
        source.GetSourceChannels() < channels || source.GetDuration() < 0 || source.GetBitrate() < 0)
        std::abort();
    const size_t blockBytes = static_cast<size_t>(tonewright::kBlockSamples) * static_cast<size_t>(bits / 8);
    std::vector<uint8_t> left(blockBytes), right(blockBytes);
    for (;;) {
        const int frames = source.ReadBlock(left.data(), channels == 2 ? right.data() : nullptr);
        if (frames > tonewright::kBlockSamples || source.GetPosition() > source.GetLength()) std::abort();
        if (frames <= 0) break;
    }
    if (source.GetFrameFormat().IsWide() && source.Open("/proc/self/fd/" + std::to_string(fd), 0) == 1)
        ReadFrames(source);
    source.Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tonewright::FUZZ_SOURCE_CLASS source;
    ReadFuzzInput(source, data, size);
    return 0;
}

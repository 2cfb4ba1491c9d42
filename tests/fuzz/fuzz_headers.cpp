// libFuzzer target: the list's properties read from the headers alone (WAV, MP3, FLAC), for
// any bytes. A file the headers accept must give properties the list can show: a rate above
// zero, one or two channels, no negative length or bit rate.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/inputtype.h"
#include "sources/headerprobe/headerproperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int fd = memfd_create("fuzz-input", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0) std::abort();
    for (size_t done = 0; done < size;) {
        const ssize_t wrote = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (wrote <= 0) std::abort();
        done += static_cast<size_t>(wrote);
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    for (const int inputType : {tonewright::kInputWav, tonewright::kInputMp3, tonewright::kInputFlac}) {
        tonewright::HeaderProperties properties;
        if (!tonewright::ReadHeaderProperties(path, inputType, properties)) continue;
        if (properties.sampleRate <= 0 || properties.sourceChannels < 1 || properties.sourceChannels > 2 ||
            properties.durationSeconds < 0 || properties.bitrateKbps < 0)
            std::abort();
    }
    return 0;
}

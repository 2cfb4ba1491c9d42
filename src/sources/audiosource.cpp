#include "sources/audiosource.h"

#include <cerrno>
#include <cstring>

namespace tonewright {

void AudioSource::ResetFields() {
    length = 0;
    position = 0;
    durationSeconds = 0;
    sampleRate = 0;
    sourceChannels = 0;
    channels = 0;
    bitsPerSample = 0;
    bytesPerSample = 0;
    bitrateKbps = 0;
    channelMode = kModeUnknown;
    videoWidth = 0;
    videoHeight = 0;
    frameRate = 0.0;
    readError.clear();
}

int AudioSource::FailRead(const std::string& text) {
    readError = text.empty() ? std::strerror(EIO) : text;
    return -1;
}

int AudioSource::FailRead(int errorNumber) { return FailRead(std::strerror(errorNumber != 0 ? errorNumber : EIO)); }

}  // namespace tonewright

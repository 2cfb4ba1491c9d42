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

FrameFormat AudioSource::GetFrameFormat() const {
    const int delivered = channels < 2 ? 1 : 2;
    return {delivered, DefaultChannelMask(delivered), bitsPerSample == 8 ? 8 : 16};
}

int AudioSource::ReadFrames(float* frames) {
    const FrameFormat format = GetFrameFormat();
    const bool stereo = format.channels == 2;
    if (format.bits == 8) {
        uint8_t left[kBlockSamples], right[kBlockSamples];
        const int count = ReadBlock(left, stereo ? right : nullptr);
        for (int i = 0; i < count; ++i) {
            *frames++ = static_cast<float>(left[i] - 128) / 128.0f;
            if (stereo) *frames++ = static_cast<float>(right[i] - 128) / 128.0f;
        }
        return count;
    }
    int16_t left[kBlockSamples], right[kBlockSamples];
    const int count = ReadBlock(left, stereo ? right : nullptr);
    for (int i = 0; i < count; ++i) {
        *frames++ = static_cast<float>(left[i]) / 32768.0f;
        if (stereo) *frames++ = static_cast<float>(right[i]) / 32768.0f;
    }
    return count;
}

int AudioSource::FailRead(const std::string& text) {
    readError = text.empty() ? std::strerror(EIO) : text;
    return -1;
}

int AudioSource::FailRead(int errorNumber) { return FailRead(std::strerror(errorNumber != 0 ? errorNumber : EIO)); }

}  // namespace tonewright

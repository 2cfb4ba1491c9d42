#include "sources/audiosource.h"

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
}

}  // namespace tonewright

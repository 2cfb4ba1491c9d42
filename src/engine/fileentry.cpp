#include "engine/fileentry.h"

#include <cstdio>

#include "base/inputtype.h"

namespace tonewright {

namespace {

template <typename... Args>
std::string Format(const char* pattern, Args... args) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

}  // namespace

std::string DurationText(const FileEntry& entry) {
    const int s = entry.duration;
    if (s == 0) return {};
    if (s >= 3600) return Format("%d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    return Format("%02d:%02d", s / 60, s % 60);
}

std::string BitrateText(const FileEntry& entry) {
    return entry.bitrate ? Format("%d kbps", entry.bitrate) : std::string();
}

std::string FrequencyText(const FileEntry& entry) {
    return entry.sampleRate ? Format("%d Hz", entry.sampleRate) : std::string();
}

std::string ChannelsText(const FileEntry& entry) {
    if (entry.inputType == kInputMp3) {
        static const char* const kModes[] = {"Stereo", "J-Stereo", "Dual Channel", "Mono"};
        return entry.channelMode >= 0 && entry.channelMode <= 3 ? kModes[entry.channelMode] : "";
    }
    switch (entry.sourceChannels) {
        case 0: case 1: return "Mono";
        case 2: return "Stereo";
        case 6: return "5.1";
        default: return Format("%d", entry.sourceChannels);
    }
}

}  // namespace tonewright

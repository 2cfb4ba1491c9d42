#include "sources/wma/wmasource.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "base/windowsmediaprobe.h"
#include "sources/clamptoint.h"
#include "sources/deinterleave.h"

namespace tonewright {

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kTicksPerMicrosecond = 10;

// An attribute by its ASF name, or by the name FFmpeg's reader gives the well-known ones.
std::string Attribute(const AVFormatContext& format, const char* asfName, const char* commonName) {
    const AVDictionaryEntry* entry = av_dict_get(format.metadata, commonName, nullptr, 0);
    if (!entry) entry = av_dict_get(format.metadata, asfName, nullptr, 0);
    return entry && entry->value ? entry->value : "";
}

}  // namespace

WmaSource::~WmaSource() { Close(); }

int WmaSource::Open(const std::string& path, int) {
    Close();
    if (!ProbeWindowsMediaRuntime() || !decoder_.Open(path)) return 0;
    opened_ = true;
    const AVFormatContext* format = decoder_.Format();
    if (!format || std::strcmp(format->iformat->name, "asf") != 0 || decoder_.BitsPerSample() != 16) {
        Close();
        return 0;
    }
    tags_.title = Attribute(*format, "Title", "title");
    tags_.artist = Attribute(*format, "Author", "artist");
    tags_.comment = Attribute(*format, "Description", "comment");
    tags_.album = Attribute(*format, "WM/AlbumTitle", "album");
    tags_.genre = Attribute(*format, "WM/Genre", "genre");
    track_ = std::atoi(Attribute(*format, "WM/TrackNumber", "track").c_str());
    tags_.year = Attribute(*format, "WM/Year", "date");
    tags_.copyright = Attribute(*format, "Copyright", "copyright");
    tags_.composer = Attribute(*format, "WM/Composer", "composer");
    if (format->duration > 0) {
        // A damaged header can claim any duration: the ticks must fit 64 bits, the seconds an int.
        const uint64_t micros = std::min<uint64_t>(static_cast<uint64_t>(format->duration),
                                                   UINT64_MAX / kTicksPerMicrosecond);
        length = micros * kTicksPerMicrosecond;
        durationSeconds = ClampToInt(length / kTicksPerSecond);
    }
    bitrateKbps = static_cast<int>(decoder_.Bitrate() / 1000);
    position = 0;
    sampleRate = decoder_.SampleRate();
    sourceChannels = decoder_.StoredChannels();
    channels = decoder_.Channels() == 1 ? 1 : 2;
    bitsPerSample = 16;
    bytesPerSample = 2;
    block_.assign(static_cast<size_t>(kBlockSamples) * decoder_.Channels(), 0);
    return 1;
}

int WmaSource::ReadBlock(void* left, void* right) {
    if (!opened_) return 0;
    const int frames = decoder_.Read(block_.data(), kBlockSamples);
    if (frames < 0) return FailRead(decoder_.ReadErrorText());
    if (frames == 0) return 0;
    Deinterleave(block_.data(), frames, decoder_.Channels(), left, channels == 2 ? right : nullptr);
    framesRead_ += static_cast<uint64_t>(frames);
    position = framesRead_ * kTicksPerSecond / static_cast<uint64_t>(sampleRate);
    return frames;
}

int WmaSource::GetTags(TagInfo& tags) {
    tags = tags_;
    tags.track = std::to_string(track_);
    return 1;
}

void WmaSource::Close() {
    if (opened_) decoder_.Close();
    opened_ = false;
    tags_ = TagInfo();
    track_ = 0;
    framesRead_ = 0;
    ResetFields();
}

}  // namespace tonewright

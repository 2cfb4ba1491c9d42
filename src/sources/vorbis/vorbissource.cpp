#include "sources/vorbis/vorbissource.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "metadata/textconversion.h"
#include "sources/clamptoint.h"
#include "sources/deinterleave.h"
#include "sources/vorbis/vorbislinks.h"

namespace tonewright {

namespace {

constexpr int kInterleavedBytes = 4096;
// A damaged stream reports a hole (or a bad link) for each stretch it cannot decode; this
// many in a row end the stream.
constexpr int kMaxFailedReads = 64;

// The frame index of the front right channel in the Vorbis channel orders: L R; L C R;
// FL FR RL RR; FL C FR RL RR (with LFE, side and rear channels after them for six to
// eight channels). Beyond eight the order is the application's; the second is taken.
int RightChannelIndex(int channelCount) {
    return channelCount == 3 || (channelCount >= 5 && channelCount <= 8) ? 2 : 1;
}

// Repeats a read of libvorbisfile while it reports a hole or a bad link; 0 at the end of the
// readable links or after too many failed reads in a row.
template <typename Read>
long ReadPastHoles(Read read) {
    for (int failed = 0; failed < kMaxFailedReads; ++failed) {
        const long got = read();
        if (got >= 0) return got;
    }
    return 0;
}

struct CommentKey {
    const char* key;  // with its "="
    std::string TagInfo::*field;
};

const CommentKey kCommentKeys[] = {
    {"TITLE=", &TagInfo::title},     {"ARTIST=", &TagInfo::artist},     {"ALBUM=", &TagInfo::album},
    {"DATE=", &TagInfo::year},       {"GENRE=", &TagInfo::genre},       {"COMMENT=", &TagInfo::comment},
    {"TRACKNUMBER=", &TagInfo::track}, {"COMPOSER=", &TagInfo::composer}, {"COPYRIGHT=", &TagInfo::copyright},
};

}  // namespace

VorbisSource::~VorbisSource() { Close(); }

void VorbisSource::Close() {
    if (opened_) ov_clear(&file_);
    file_ = OggVorbis_File{};
    opened_ = false;
    rightChannel_ = 1;
    frameOrder_ = ChannelOrder();
    comments_.clear();
    interleaved_ = std::vector<char>();
    ResetFields();
}

int VorbisSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    // A file whose first link FFmpeg's Vorbis decoder refuses is left to the other
    // decoders, which refuse it with a failure text.
    if (OpenReadableLinks(path, file_) < 0) {
        file_ = OggVorbis_File{};
        return 0;
    }
    opened_ = true;
    const vorbis_info* info = ov_info(&file_, -1);
    if (!info || info->channels < 1 || info->rate <= 0 || info->rate > INT_MAX) {
        Close();
        return 0;
    }
    ReadComments();
    sampleRate = static_cast<int>(info->rate);
    sourceChannels = info->channels;
    channels = std::min(sourceChannels, 2);
    rightChannel_ = RightChannelIndex(sourceChannels);
    if (sourceChannels <= kMaxRoadChannels) {
        const std::vector<uint32_t> speakers = VorbisSpeakerOrder(sourceChannels);
        frameOrder_ = FromSpeakerOrder(speakers.data(), sourceChannels);
    }
    bitsPerSample = 16;
    bytesPerSample = 2;
    // Files encoded by quality state no nominal rate; their average rate stands in.
    const long bitrate = info->bitrate_nominal > 0 ? info->bitrate_nominal : ov_bitrate(&file_, -1);
    bitrateKbps = ClampToInt(static_cast<double>(bitrate) / 1000);
    durationSeconds = ClampToInt(std::floor(ov_time_total(&file_, -1)));
    const ogg_int64_t rawTotal = ov_raw_total(&file_, -1);
    length = rawTotal > 0 ? static_cast<uint64_t>(rawTotal) : 0;
    if (sourceChannels > 1) interleaved_.resize(kInterleavedBytes);
    return 1;
}

void VorbisSource::ReadComments() {
    const vorbis_comment* comment = ov_comment(&file_, -1);
    if (!comment || comment->comments <= 0 || !comment->user_comments || !comment->comment_lengths) return;
    for (int i = 0; i < comment->comments; ++i) {
        const char* text = comment->user_comments[i];
        const int textLength = comment->comment_lengths[i];
        if (!text || textLength <= 0) continue;
        std::string converted;
        if (Utf8ToAnsi(std::string(text, static_cast<size_t>(textLength)), converted) == 0)
            comments_.push_back(std::move(converted));
    }
}

// One ov_read of 16-bit little-endian samples; holes are read past.
int VorbisSource::ReadSamples(char* buffer, int bytes) {
    return static_cast<int>(ReadPastHoles([&] { return ov_read(&file_, buffer, bytes, 0, 2, 1, nullptr); }));
}

int VorbisSource::ReadBlock(void* left, void* right) {
    if (!opened_) return 0;
    int frames;
    if (sourceChannels < 2) {
        frames = ReadSamples(static_cast<char*>(left), kBlockSamples * 2) / 2;
    } else {
        const int frameBytes = 2 * sourceChannels;
        frames = ReadSamples(interleaved_.data(), kInterleavedBytes) / frameBytes;
        Deinterleave(reinterpret_cast<const int16_t*>(interleaved_.data()), frames, sourceChannels, left, right,
                     rightChannel_);
    }
    UpdatePosition();
    return frames;
}

void VorbisSource::UpdatePosition() {
    const ogg_int64_t offset = ov_raw_tell(&file_);
    position = offset > 0 ? static_cast<uint64_t>(offset) : 0;
}

FrameFormat VorbisSource::GetFrameFormat() const {
    return frameOrder_.channels > 0 ? FrameFormat{frameOrder_.channels, frameOrder_.mask, 16}
                                    : AudioSource::GetFrameFormat();
}

int VorbisSource::ReadFrames(float* frames) {
    if (frameOrder_.channels == 0) return AudioSource::ReadFrames(frames);
    float** decoded = nullptr;
    int link = 0;
    const long count = ReadPastHoles([&] { return ov_read_float(&file_, &decoded, kBlockSamples, &link); });
    for (long f = 0; f < count; ++f)
        for (int i = 0; i < frameOrder_.channels; ++i) *frames++ = decoded[frameOrder_.stored[i]][f];
    UpdatePosition();
    return static_cast<int>(count);
}

// The value of the last comment with the key ("KEY=", compared without regard to case); ""
// when there is none.
std::string VorbisSource::LastValue(const char* key) const {
    const size_t keyLength = std::strlen(key);
    std::string value;
    for (const std::string& comment : comments_)
        if (comment.size() >= keyLength && strncasecmp(comment.c_str(), key, keyLength) == 0)
            value = comment.substr(keyLength);
    return value;
}

int VorbisSource::GetTags(TagInfo& tags) {
    tags = TagInfo();
    for (const CommentKey& key : kCommentKeys) tags.*key.field = LastValue(key.key);
    // Many writers (the ffmpeg program among them) keep the comment as DESCRIPTION.
    if (tags.comment.empty()) tags.comment = LastValue("DESCRIPTION=");
    return 1;
}

}  // namespace tonewright

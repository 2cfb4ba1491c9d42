#include "sources/bass/basssource.h"

#include <cerrno>
#include <iterator>

#include "base/pathutil.h"
#include "metadata/textconversion.h"
#include "sources/bass/bass.h"
#include "sources/bass/filebytes.h"
#include "sources/bass/mpegframeheader.h"
#include "sources/headerprobe/headerproperties.h"
#include "sources/bass/tagblocks.h"
#include "sources/clamptoint.h"
#include "sources/deinterleave.h"

namespace tonewright {

namespace {

constexpr uint32_t kMusicFlags = BASS_MUSIC_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP;
const char* const kTagsFormat = "%TRCK\n%TITL\n%ARTI\n%ALBM\n%GNRE\n%YEAR\n%CMNT\n%COMP\n%COPY";

bool IsMidiExtension(const std::string& extension) {
    return extension == ".midi" || extension == ".mid" || extension == ".rmi" || extension == ".kar";
}

}  // namespace

BassSource::~BassSource() { Close(); }

void BassSource::Close() {
    if (channel_) {
        if (kind_ == kModule) BASS_MusicFree(channel_);
        else BASS_StreamFree(channel_);
    }
    channel_ = 0;
    blockBuffer_.clear();
    blockBuffer_.shrink_to_fit();
    id3v1_.clear();
    id3v2_.clear();
    kind_ = kStream;
    frameFormat_ = FrameFormat();
    floatFrames_ = false;
}

int BassSource::Open(const std::string& path, int renderRate) {
    if (channel_) Close();
    ResetFields();
    kind_ = kStream;

    const std::string extension = AsciiLower(PathExtension(path));
    if (extension == ".mp3") kind_ = kMp3;
    else if (IsMidiExtension(extension)) kind_ = kMidi;
    const auto rate = static_cast<uint32_t>(renderRate > 0 ? renderRate : 0);

    if (kind_ == kMidi) {
        channel_ = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, rate);
        if (!channel_) return 0;
    } else {
        channel_ = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
        if (!channel_) {
            channel_ = BASS_MusicLoad(path.c_str(), kMusicFlags, rate);
            if (!channel_) return 0;
            kind_ = kModule;
        }
    }

    length = BASS_ChannelGetLength(channel_, BASS_POS_BYTE);
    if (length == 0 || length == BASS_POSITION_UNKNOWN) {
        Close();
        return 0;
    }
    durationSeconds = ClampToInt(BASS_ChannelBytes2Seconds(channel_, length));

    BASS_CHANNELINFO info{};
    BASS_ChannelGetInfo(channel_, &info);
    sampleRate = static_cast<int>(info.freq);
    sourceChannels = static_cast<int>(info.chans);
    channels = sourceChannels < 2 ? 1 : 2;
    bitsPerSample = (info.flags & BASS_SAMPLE_8BITS) ? 8 : 16;
    bytesPerSample = bitsPerSample / 8;

    if (kind_ == kMp3) ProbeChannelMode(path);
    SetBitrate();
    SetFrameFormat(info);

    blockBuffer_.resize(static_cast<size_t>(bytesPerSample) * channels * kBlockSamples);
    path_ = path;
    return 1;
}

// The channel mode of an MP3 file, from the header of the frame where its audio starts.
void BassSource::ProbeChannelMode(const std::string& path) {
    const uint64_t start = BASS_StreamGetFilePosition(channel_, BASS_FILEPOS_START);
    if (start == BASS_POSITION_UNKNOWN) return;
    const std::vector<uint8_t> header = ReadFileRange(path, start, 4);
    if (header.size() == 4) ProbeMpegChannelMode(header.data(), channelMode);
}

// The average bit rate of the stored audio: its bytes over its playing time. The bytes run
// from the start to the end of the audio data, so a large tag (cover art in an ID3v2 tag)
// does not inflate the rate. Without a known end, the rate of the decoded PCM.
void BassSource::SetBitrate() {
    const double seconds = BASS_ChannelBytes2Seconds(channel_, length);
    const uint64_t end = BASS_StreamGetFilePosition(channel_, BASS_FILEPOS_END);
    uint64_t start = BASS_StreamGetFilePosition(channel_, BASS_FILEPOS_START);
    if (start == BASS_POSITION_UNKNOWN || start > end) start = 0;
    if (seconds > 0 && end != BASS_POSITION_UNKNOWN)
        bitrateKbps = AverageKbps(end - start, seconds);
    else
        bitrateKbps = ClampToInt(static_cast<uint64_t>(bitsPerSample) * sampleRate * sourceChannels / 1000);
}

// The stored form of a stream that frames deliver unlike the blocks: more than two channels
// (up to 8) or more than 16 bits.
void BassSource::SetFrameFormat(const BASS_CHANNELINFO& info) {
    if (kind_ == kModule || kind_ == kMidi || sourceChannels > kMaxRoadChannels) return;
    int bits = static_cast<int>(info.origres & ~BASS_ORIGRES_FLOAT);
    if (info.origres & BASS_ORIGRES_FLOAT) bits = kFloatBits;
    if (bits != 8 && bits != 24 && bits != kFloatBits) bits = 16;
    const FrameFormat stored = {sourceChannels, UsableChannelMask(info.speakers, sourceChannels), bits};
    if (stored.IsWide()) frameFormat_ = stored;
}

FrameFormat BassSource::GetFrameFormat() const {
    return frameFormat_.channels > 0 ? frameFormat_ : AudioSource::GetFrameFormat();
}

bool BassSource::BeginFrames() {
    if (floatFrames_ || frameFormat_.channels == 0) return true;
    BASS_StreamFree(channel_);
    channel_ = BASS_StreamCreateFile(path_.c_str(), BASS_STREAM_DECODE | BASS_SAMPLE_FLOAT);
    BASS_CHANNELINFO info{};
    // Refused also when the file changed between the two creations.
    if (!channel_ || !BASS_ChannelGetInfo(channel_, &info) || !(info.flags & BASS_SAMPLE_FLOAT) ||
        static_cast<int>(info.chans) != frameFormat_.channels) {
        Close();
        FailRead("");
        return false;
    }
    // Length and position now count float frames.
    length = BASS_ChannelGetLength(channel_, BASS_POS_BYTE);
    floatFrames_ = true;
    return true;
}

int BassSource::ReadFrames(float* frames) {
    if (!floatFrames_) return AudioSource::ReadFrames(frames);
    const uint32_t frameBytes = sizeof(float) * static_cast<uint32_t>(frameFormat_.channels);
    const uint32_t bytes = BASS_ChannelGetData(channel_, frames, frameBytes * kBlockSamples);
    if (bytes == BASS_DATA_END && BASS_ErrorGetCode() == BASS_ERROR_UNKNOWN) return FailRead(EIO);
    if (bytes == BASS_DATA_END) return 0;
    return static_cast<int>(bytes / frameBytes);
}

int BassSource::ReadBlock(void* left, void* right) {
    if (!channel_) return 0;
    void* destination = sourceChannels < 2 ? left : blockBuffer_.data();
    const uint32_t bytes = BASS_ChannelGetData(channel_, destination, static_cast<uint32_t>(blockBuffer_.size()));
    // The layer tells a failed read of the file or disc only by its error code.
    if (bytes == BASS_DATA_END && BASS_ErrorGetCode() == BASS_ERROR_UNKNOWN) return FailRead(EIO);
    if (bytes == BASS_DATA_END || bytes == 0) return 0;
    if (sourceChannels < 2) return static_cast<int>(bytes) / bytesPerSample;

    const int frames = static_cast<int>(bytes) / bytesPerSample / sourceChannels;
    if (bitsPerSample == 16)
        Deinterleave(reinterpret_cast<const int16_t*>(blockBuffer_.data()), frames, sourceChannels, left, right);
    else
        Deinterleave(blockBuffer_.data(), frames, sourceChannels, left, right);
    return frames;
}

uint64_t BassSource::GetPosition() const {
    if (!channel_) return 0;
    return BASS_ChannelGetPosition(channel_, BASS_POS_BYTE);
}

const uint8_t* BassSource::GetId3v1Tag() const {
    if (kind_ != kMp3 || !channel_) return nullptr;
    if (id3v1_.empty()) {
        if (const uint8_t* tag = BASS_ChannelGetTags(channel_, BASS_TAG_ID3)) id3v1_.assign(tag, tag + 128);
    }
    return id3v1_.empty() ? nullptr : id3v1_.data();
}

const uint8_t* BassSource::GetId3v2Tag(int& tagLength) const {
    tagLength = 0;
    if (kind_ != kMp3 || !channel_) return nullptr;
    if (id3v2_.empty()) {
        // The whole tag: header, body and, in ID3v2.4, the footer the header announces; a
        // copy without that footer would leave the target's first frame 10 bytes short.
        if (const uint8_t* tag = BASS_ChannelGetTags(channel_, BASS_TAG_ID3V2))
            id3v2_.assign(tag, tag + Id3v2TagSize(tag));
    }
    tagLength = static_cast<int>(id3v2_.size());
    return id3v2_.empty() ? nullptr : id3v2_.data();
}

int BassSource::GetTags(TagInfo& tags) {
    if (!channel_) return 0;
    std::string text = TAGS_Read(channel_, kTagsFormat);
    if (text.empty()) return 0;
    // MP3 text is taken as it is; every other kind's is UTF-8 and converted to the
    // system's text.
    if (kind_ != kMp3) {
        std::string converted;
        if (Utf8ToAnsi(text, converted) != 0) return 0;
        text = std::move(converted);
    }

    // The pieces in the order of the format; each is stored once the line feed that ends it
    // is found, and the last takes the rest of the text.
    std::string* const pieces[] = {&tags.track, &tags.title,   &tags.artist,   &tags.album,    &tags.genre,
                                   &tags.year,  &tags.comment, &tags.composer, &tags.copyright};
    size_t start = 0;
    for (size_t i = 0; i + 1 < std::size(pieces); ++i) {
        const size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string::npos) return 1;
        *pieces[i] = text.substr(start, lineFeed - start);
        start = lineFeed + 1;
    }
    *pieces[std::size(pieces) - 1] = text.substr(start);
    return 1;
}

}  // namespace tonewright

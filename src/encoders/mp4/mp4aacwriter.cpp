#include "encoders/mp4/mp4aacwriter.h"

#include <algorithm>

#include "encoders/aac/aaccodec.h"
#include "metadata/mp4tags.h"

namespace tonewright {

namespace {

constexpr int kRawOutput = 0;
constexpr uint64_t kNoFixedDuration = ~0ull;
constexpr uint16_t kLargestTrackNumber = 0xFFFF;

}  // namespace

Mp4AacWriter::~Mp4AacWriter() { Close(); }

int Mp4AacWriter::Open(const std::string& path, int sampleRate, int channels, uint32_t channelMask) {
    Close();
    error_.clear();
    path_ = path;
    file_ = Mp4File::Create(path, brand_, error_);
    if (!file_) return 0;
    if (!stream_.Open(sampleRate, channels, channelMask, kRawOutput)) {
        error_ = AacCodec::RefusalText(sampleRate, channels);
        return 0;
    }
    frameLength_ = stream_.FrameLength();
    sampleRate_ = sampleRate;
    return 1;
}

int Mp4AacWriter::Start() {
    if (!file_ || !stream_.Start()) return 0;
    file_->SetTimeScale(kMovieTimeScale);
    track_ = file_->AddAudioTrack(static_cast<uint32_t>(sampleRate_), kNoFixedDuration, Mp4File::kMpeg4AudioType);
    file_->SetAudioProfileLevel(kAudioProfileLevel);
    const std::vector<uint8_t> info = stream_.DecoderSpecificInfo();
    if (!file_->SetTrackESConfiguration(track_, info.data(), static_cast<uint32_t>(info.size()))) {
        error_ = "the MP4 track could not be set up";
        return 0;
    }
    submitted_ = written_ = 0;
    return 1;
}

void Mp4AacWriter::SetTags(const TagInfo& tags) {
    if (!file_) return;
    auto set = [this](Mp4TextItem item, const std::string& text) {
        if (!text.empty()) file_->SetMetadataText(item, text);
    };
    set(Mp4TextItem::Name, tags.title);
    set(Mp4TextItem::Artist, tags.artist);
    set(Mp4TextItem::Album, tags.album);
    const int track = TrackNumber(tags.track);
    if (track > 0) file_->SetMetadataTrack(static_cast<uint16_t>(std::min<int>(track, kLargestTrackNumber)), 0);
    set(Mp4TextItem::Year, tags.year);
    set(Mp4TextItem::Genre, tags.genre);
    set(Mp4TextItem::Comment, tags.comment);
    set(Mp4TextItem::Writer, tags.composer);
    laterTags_ = tags;
}

// Each sample lasts at most one frame and the durations never add up to more than the
// input plus one frame: the frames the encoder emits after the input get what time is
// left, then none. The first sample's rendering offset of one frame is the encoder delay.
int Mp4AacWriter::WriteFrame(const uint8_t* frame, unsigned bytes, unsigned submitted) {
    submitted_ += submitted;
    if (bytes == 0) return 1;
    const uint64_t room = submitted_ + frameLength_ - written_;
    const uint64_t duration = std::min<uint64_t>(frameLength_, room);
    const uint64_t offset = written_ == 0 ? frameLength_ : 0;
    if (!file_->WriteSample(track_, frame, bytes, duration, offset, true)) return 0;
    written_ += duration;
    return 1;
}

int Mp4AacWriter::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    return file_ && stream_.Write16(left, right, count, sink_) ? 1 : 0;
}

int Mp4AacWriter::WriteFrames(const float* frames, int count) {
    return file_ && stream_.WriteFrames(frames, count, sink_) ? 1 : 0;
}

int Mp4AacWriter::WriteSamples8(const uint8_t* left, const uint8_t* right, int count) {
    return file_ && stream_.Write8(left, right, count, sink_) ? 1 : 0;
}

int Mp4AacWriter::Close() {
    int ok = 1;
    if (file_) {
        if (stream_.Started() && !stream_.Finish(sink_)) ok = 0;
        if (!file_->Close()) ok = 0;
        if (!ok && error_.empty()) error_ = file_->ErrorText();
        file_.reset();
        if (ok && !WriteMp4KeptTags(path_, laterTags_)) {
            error_ = "the MP4 tags could not be written";
            ok = 0;
        }
    }
    laterTags_ = TagInfo();
    stream_.Release();
    track_ = 0;
    submitted_ = written_ = 0;
    frameLength_ = 0;
    return ok;
}

std::string Mp4AacWriter::ErrorText() const {
    if (file_ && !file_->ErrorText().empty()) return file_->ErrorText();
    return error_.empty() ? "the AAC encoder failed" : error_;
}

}  // namespace tonewright

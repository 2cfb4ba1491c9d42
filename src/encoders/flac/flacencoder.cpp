#include "encoders/flac/flacencoder.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <algorithm>
#include <cstdio>

#include "base/speakerlayout.h"
#include "encoders/samplewriter.h"

#include "metadata/vorbiscomments.h"

namespace tonewright {

namespace {

constexpr unsigned kSecondsPerSeekPoint = 10;
constexpr unsigned kSeekPointBytes = 18;

void PutBigEndian(uint8_t* out, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i, value >>= 8) out[i] = static_cast<uint8_t>(value);
}

// A picture as a PICTURE block, or null when libFLAC would refuse it (a MIME type that is
// not printable ASCII, a description that is not UTF-8) or a block cannot hold it (its
// length field has 24 bits: a picture near 16 MiB with its texts may not fit). A stream may hold one file icon
// (type 1) and one other file icon (type 2): a second one becomes type 0 (other).
FLAC__StreamMetadata* PictureBlock(const Picture& picture, bool& iconTaken, bool& otherIconTaken) {
    FLAC__StreamMetadata* block = FLAC__metadata_object_new(FLAC__METADATA_TYPE_PICTURE);
    if (!block) return nullptr;
    constexpr int kLastType = FLAC__STREAM_METADATA_PICTURE_TYPE_PUBLISHER_LOGOTYPE;
    int type = picture.type >= 0 && picture.type <= kLastType ? picture.type : 0;
    if (type == 1 || type == 2) {
        bool& taken = type == 1 ? iconTaken : otherIconTaken;
        if (taken) type = 0;
        taken = true;
    }
    block->data.picture.type = static_cast<FLAC__StreamMetadata_Picture_Type>(type);
    // libFLAC takes the values by non-const pointers but only copies from them.
    auto bytes = [](const std::string& text) { return reinterpret_cast<FLAC__byte*>(const_cast<char*>(text.c_str())); };
    const char* violation = nullptr;
    if (FLAC__metadata_object_picture_set_mime_type(block, const_cast<char*>(picture.mimeType.c_str()), true) &&
        FLAC__metadata_object_picture_set_description(block, bytes(picture.description), true) &&
        FLAC__metadata_object_picture_set_data(block, bytes(picture.data),
                                               static_cast<FLAC__uint32>(picture.data.size()), true) &&
        FLAC__format_picture_is_legal(&block->data.picture, &violation) &&
        block->length < (1u << FLAC__STREAM_METADATA_LENGTH_LEN))
        return block;
    FLAC__metadata_object_delete(block);
    return nullptr;
}

// The speakers FFmpeg assumes for a FLAC stream of 1..8 channels (in libFLAC's channel
// order): mono, stereo, 3.0, quad, 5.0 and 5.1 with side speakers, 6.1, 7.1.
constexpr uint32_t kFfmpegFlacLayouts[] = {
    kFrontCenter,
    kFrontLeft | kFrontRight,
    kFrontLeft | kFrontRight | kFrontCenter,
    kFrontLeft | kFrontRight | kBackLeft | kBackRight,
    kFrontLeft | kFrontRight | kFrontCenter | kSideLeft | kSideRight,
    kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kSideLeft | kSideRight,
    kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackCenter | kSideLeft | kSideRight,
    kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackLeft | kBackRight | kSideLeft | kSideRight,
};

// The channel mask comment ("0x3f") of speakers other than those assumed; empty otherwise.
std::string ChannelMaskComment(int channels, uint32_t mask) {
    if (channels < 1 || channels > kMaxRoadChannels || mask == 0 || mask == kFfmpegFlacLayouts[channels - 1])
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", mask);
    return text;
}

}  // namespace

// libFLAC's encoder and the header blocks it writes; the blocks stay ours and live until
// the encoder has finished with them.
struct FlacEncoder::Codec {
    FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
    FLAC__StreamMetadata* comments = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);
    FLAC__StreamMetadata* seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE);
    std::vector<FLAC__StreamMetadata*> pictures;
    bool started = false;
    bool audioStarted = false;
    int channels = 0;
    int bits = 16;
    uint64_t samplesWritten = 0;
    int64_t seekTableOffset = -1;  // where the seek table block's header was written
    std::vector<FLAC__int32> left, right, interleaved;

    Codec() = default;
    ~Codec() {
        if (encoder) FLAC__stream_encoder_delete(encoder);
        if (comments) FLAC__metadata_object_delete(comments);
        if (seekTable) FLAC__metadata_object_delete(seekTable);
        for (FLAC__StreamMetadata* picture : pictures) FLAC__metadata_object_delete(picture);
    }
    Codec(const Codec&) = delete;
    Codec& operator=(const Codec&) = delete;
};

// libFLAC's byte callbacks, all going to the encoder's OutputFile at its own position.
struct FlacCallbacks {
    static FLAC__StreamEncoderWriteStatus Write(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes,
                                                uint32_t samples, uint32_t, void* client) {
        return static_cast<FlacEncoder*>(client)->PutBytes(buffer, bytes, samples)
                   ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                   : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
    }
    static FLAC__StreamEncoderSeekStatus Seek(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* client) {
        static_cast<FlacEncoder*>(client)->position_ = offset;
        return FLAC__STREAM_ENCODER_SEEK_STATUS_OK;
    }
    static FLAC__StreamEncoderTellStatus Tell(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* client) {
        *offset = static_cast<FlacEncoder*>(client)->position_;
        return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
    }
};

FlacEncoder::FlacEncoder() = default;

FlacEncoder::~FlacEncoder() { Close(); }

int FlacEncoder::Open(const std::string& path) {
    Close();
    codec_ = std::make_unique<Codec>();
    position_ = 0;
    error_.clear();
    return file_.Create(path) ? 1 : 0;
}

// libFLAC writes each header block in a call of its own before the first frame; the seek
// table's place is kept so that its unreached points can be rewritten at the end.
bool FlacEncoder::PutBytes(const uint8_t* data, size_t size, uint32_t samples) {
    Codec& c = *codec_;
    if (samples > 0) c.audioStarted = true;
    if (!c.audioStarted && c.seekTableOffset < 0 && size >= 4 && (data[0] & 0x7F) == FLAC__METADATA_TYPE_SEEKTABLE)
        c.seekTableOffset = static_cast<int64_t>(position_);
    const bool ok = position_ == file_.Length() ? file_.Write(data, size) : file_.WriteAt(position_, data, size);
    position_ += size;
    return ok;
}

int FlacEncoder::Start(int sampleRate, int channels, int bits, uint32_t channelMask, int compressionLevel,
                       uint64_t expectedSamples, const TagInfo* tags) {
    if (!codec_ || codec_->started || !codec_->encoder || !codec_->comments || !codec_->seekTable) return 0;
    Codec& c = *codec_;
    c.channels = channels;
    c.bits = bits;
    FLAC__StreamEncoder* e = c.encoder;
    bool ok = FLAC__stream_encoder_set_verify(e, true) && FLAC__stream_encoder_set_channels(e, channels) &&
              FLAC__stream_encoder_set_bits_per_sample(e, bits) &&
              FLAC__stream_encoder_set_sample_rate(e, sampleRate) &&
              FLAC__stream_encoder_set_compression_level(e, std::clamp(compressionLevel, 0, 8)) &&
              FLAC__stream_encoder_set_total_samples_estimate(e, expectedSamples);
    if (tags) {
        for (const auto& [key, value] : VorbisComments(*tags)) {
            FLAC__StreamMetadata_VorbisComment_Entry entry;
            ok = ok && FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, key, value.c_str()) &&
                 FLAC__metadata_object_vorbiscomment_append_comment(c.comments, entry, /*copy=*/false);
        }
        bool iconTaken = false, otherIconTaken = false;
        for (const Picture& picture : tags->pictures)
            if (FLAC__StreamMetadata* block = PictureBlock(picture, iconTaken, otherIconTaken))
                c.pictures.push_back(block);
    }
    const std::string mask = ChannelMaskComment(channels, channelMask);
    FLAC__StreamMetadata_VorbisComment_Entry maskEntry;
    ok = ok && (mask.empty() ||
                (FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(
                     &maskEntry, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK", mask.c_str()) &&
                 FLAC__metadata_object_vorbiscomment_append_comment(c.comments, maskEntry, /*copy=*/false)));
    std::vector<FLAC__StreamMetadata*> blocks = {c.comments};
    blocks.insert(blocks.end(), c.pictures.begin(), c.pictures.end());
    if (expectedSamples > 0) {
        ok = ok &&
             FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
                 c.seekTable, kSecondsPerSeekPoint * static_cast<unsigned>(sampleRate), expectedSamples) &&
             FLAC__metadata_object_seektable_template_sort(c.seekTable, /*compact=*/true);
        blocks.push_back(c.seekTable);
    }
    ok = ok && FLAC__stream_encoder_set_metadata(e, blocks.data(), static_cast<unsigned>(blocks.size()));
    if (!ok) {
        error_ = "libFLAC refused the encoding parameters";
        return 0;
    }
    const FLAC__StreamEncoderInitStatus init = FLAC__stream_encoder_init_stream(
        e, FlacCallbacks::Write, FlacCallbacks::Seek, FlacCallbacks::Tell, nullptr, this);
    if (init != FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
        if (!file_.Failed()) error_ = std::string("libFLAC: ") + FLAC__StreamEncoderInitStatusString[init];
        return 0;
    }
    c.started = true;
    return 1;
}

int FlacEncoder::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    if (!codec_ || !codec_->started || file_.Failed()) return 0;
    if (count <= 0) return 1;
    Codec& c = *codec_;
    c.left.assign(left, left + count);
    c.right.assign(right ? right : left, (right ? right : left) + count);
    const FLAC__int32* planes[2] = {c.left.data(), c.right.data()};
    return Process(planes, nullptr, count) ? 1 : 0;
}

int FlacEncoder::WriteFrames(const float* frames, int count) {
    if (!codec_ || !codec_->started || file_.Failed()) return 0;
    if (count <= 0) return 1;
    Codec& c = *codec_;
    c.interleaved.resize(static_cast<size_t>(count) * c.channels);
    for (size_t i = 0; i < c.interleaved.size(); ++i) c.interleaved[i] = ToInteger(frames[i], c.bits);
    return Process(nullptr, c.interleaved.data(), count) ? 1 : 0;
}

// Encodes planar or interleaved samples, noting why libFLAC stopped when it did.
bool FlacEncoder::Process(const FLAC__int32* const planes[], const FLAC__int32* interleaved, int count) {
    Codec& c = *codec_;
    const bool done = planes ? FLAC__stream_encoder_process(c.encoder, planes, static_cast<unsigned>(count))
                             : FLAC__stream_encoder_process_interleaved(c.encoder, interleaved,
                                                                        static_cast<unsigned>(count));
    if (!done) {
        NoteEncoderState();
        return false;
    }
    c.samplesWritten += static_cast<uint64_t>(count);
    return true;
}

// Seek points past the end (the source was shorter than its stated playing time) keep no
// frame; they become placeholders, which players skip.
bool FlacEncoder::ClearUnreachedSeekPoints() {
    Codec& c = *codec_;
    if (c.seekTableOffset < 0) return true;
    const FLAC__StreamMetadata_SeekTable& table = c.seekTable->data.seek_table;
    bool unreached = false;
    for (unsigned i = 0; i < table.num_points; ++i) {
        FLAC__StreamMetadata_SeekPoint& point = table.points[i];
        if (point.frame_samples == 0 && point.sample_number != FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER) {
            point = {FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER, 0, 0};
            unreached = true;
        }
    }
    if (!unreached) return true;
    std::vector<uint8_t> bytes(table.num_points * kSeekPointBytes);
    for (unsigned i = 0; i < table.num_points; ++i) {
        uint8_t* out = bytes.data() + i * kSeekPointBytes;
        PutBigEndian(out, table.points[i].sample_number, 8);
        PutBigEndian(out + 8, table.points[i].stream_offset, 8);
        PutBigEndian(out + 16, table.points[i].frame_samples, 2);
    }
    return file_.WriteAt(static_cast<uint64_t>(c.seekTableOffset) + FLAC__STREAM_METADATA_HEADER_LENGTH, bytes.data(),
                         bytes.size());
}

// Why libFLAC stopped, unless a failed write already says it.
void FlacEncoder::NoteEncoderState() {
    if (file_.Failed()) return;
    const FLAC__StreamEncoderState state = FLAC__stream_encoder_get_state(codec_->encoder);
    error_ = state == FLAC__STREAM_ENCODER_VERIFY_MISMATCH_IN_AUDIO_DATA
                 ? "FLAC verification failed: a decoded frame differs from its samples"
                 : std::string("libFLAC: ") + FLAC__StreamEncoderStateString[state];
}

bool FlacEncoder::FinishStream() {
    Codec& c = *codec_;
    if (!c.started) return false;
    c.started = false;
    if (file_.Failed()) {
        FLAC__stream_encoder_finish(c.encoder);
        return false;
    }
    const bool finished = FLAC__stream_encoder_finish(c.encoder);
    if (!finished) NoteEncoderState();
    return finished && ClearUnreachedSeekPoints();
}

int FlacEncoder::Close() {
    bool ok = true;
    if (codec_) ok = FinishStream();
    ok = file_.Close() && ok;
    codec_.reset();
    return ok ? 1 : 0;
}

std::string FlacEncoder::ErrorText() const { return error_.empty() ? file_.ErrorText() : error_; }

}  // namespace tonewright

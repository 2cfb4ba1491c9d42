#include "encoders/opus/oggopusencoder.h"

#include <opusenc.h>

#include <memory>

#include "encoders/oggserial.h"
#include "encoders/speakerorder.h"
#include "metadata/vorbiscomments.h"

namespace tonewright {

namespace {

using CommentsPointer = std::unique_ptr<OggOpusComments, decltype(&ope_comments_destroy)>;

// The stream's Vorbis comments (its OpusTags packet), every one added here: the fields of
// the tags, none without tags. Null when libopusenc could not take them.
CommentsPointer StreamComments(const TagInfo* tags) {
    CommentsPointer comments(ope_comments_create(), ope_comments_destroy);
    if (!comments || !tags) return comments;
    for (const auto& [key, value] : OggStreamComments(*tags))
        if (ope_comments_add(comments.get(), key, value.c_str()) != OPE_OK) return {nullptr, ope_comments_destroy};
    return comments;
}

}  // namespace

// libopusenc's page callbacks, both going to the encoder's OutputFile; 0 means done.
struct OpusCallbacks {
    static int Write(void* client, const unsigned char* page, opus_int32 length) {
        return static_cast<OggOpusEncoder*>(client)->file_.Write(page, static_cast<size_t>(length)) ? 0 : 1;
    }
    // libopusenc closes the stream's file after its last page, or when the encoder is
    // destroyed before that.
    static int Close(void* client) { return static_cast<OggOpusEncoder*>(client)->file_.Close() ? 0 : 1; }
};

namespace {

const OpusEncCallbacks kCallbacks = {OpusCallbacks::Write, OpusCallbacks::Close};

}  // namespace

OggOpusEncoder::OggOpusEncoder() = default;

OggOpusEncoder::~OggOpusEncoder() { Close(false); }

int OggOpusEncoder::Open(const std::string& path) {
    Close(false);
    error_.clear();
    return file_.Create(path) ? 1 : 0;
}

void OggOpusEncoder::NoteFailure(int code) {
    if (!file_.Failed() && error_.empty()) error_ = std::string("libopusenc: ") + ope_strerror(code);
}

int OggOpusEncoder::Start(int sampleRate, int channels, const std::vector<int>& positions,
                          const OpusParameters& parameters, const TagInfo* tags) {
    if (!file_.IsOpen() || encoder_) return 0;
    const CommentsPointer comments = StreamComments(tags);
    if (!comments) {
        NoteFailure(OPE_ALLOC_FAIL);
        return 0;
    }
    int code = OPE_OK;
    const int family = channels > 2 ? 1 : 0;
    encoder_ = ope_encoder_create_callbacks(&kCallbacks, this, comments.get(), sampleRate, channels, family, &code);
    if (!encoder_) {
        NoteFailure(code);
        return 0;
    }
    channels_ = channels;
    positions_ = positions;
    const bool variable = parameters.mode != OpusRateMode::Constant;
    const bool constrained = parameters.mode == OpusRateMode::ConstrainedVariable;
    for (const int result :
         {ope_encoder_ctl(encoder_, OPUS_SET_BITRATE(parameters.bitrateKbps * 1000)),
          ope_encoder_ctl(encoder_, OPUS_SET_VBR(variable ? 1 : 0)),
          ope_encoder_ctl(encoder_, OPUS_SET_VBR_CONSTRAINT(constrained ? 1 : 0)),
          ope_encoder_ctl(encoder_, OPUS_SET_COMPLEXITY(parameters.complexity)),
          ope_encoder_ctl(encoder_, OPE_SET_SERIALNO(NextOggSerialNumber()))}) {
        if (result != OPE_OK) {
            NoteFailure(result);
            return 0;
        }
    }
    return 1;
}

int OggOpusEncoder::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    if (!encoder_ || file_.Failed()) return 0;
    if (count <= 0) return 1;
    const int16_t* samples = left;
    if (channels_ == 2) {
        const int16_t* second = right ? right : left;
        interleaved_.resize(static_cast<size_t>(count) * 2);
        for (int i = 0; i < count; ++i) {
            interleaved_[2 * static_cast<size_t>(i)] = left[i];
            interleaved_[2 * static_cast<size_t>(i) + 1] = second[i];
        }
        samples = interleaved_.data();
    }
    return Took(ope_encoder_write(encoder_, samples, count));
}

int OggOpusEncoder::WriteFrames(const float* frames, int count) {
    if (!encoder_ || file_.Failed()) return 0;
    if (count <= 0) return 1;
    if (!positions_.empty()) {
        ordered_.resize(static_cast<size_t>(count) * positions_.size());
        ReorderFrames(frames, count, positions_, ordered_.data());
        frames = ordered_.data();
    }
    return Took(ope_encoder_write_float(encoder_, frames, count));
}

int OggOpusEncoder::Took(int code) {
    if (code == OPE_OK) return 1;
    NoteFailure(code);
    return 0;
}

int OggOpusEncoder::Close(bool endStream) {
    bool ok = true;
    if (encoder_) {
        if (endStream) {
            const int code = file_.Failed() ? OPE_WRITE_FAIL : ope_encoder_drain(encoder_);
            if (code != OPE_OK) NoteFailure(code);
            ok = code == OPE_OK;
        }
        ope_encoder_destroy(encoder_);
        encoder_ = nullptr;
    }
    ok = file_.Close() && ok;
    channels_ = 0;
    return ok ? 1 : 0;
}

std::string OggOpusEncoder::ErrorText() const { return error_.empty() ? file_.ErrorText() : error_; }

}  // namespace tonewright

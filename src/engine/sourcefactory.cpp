#include "engine/sourcefactory.h"

#include <sys/stat.h>

#include <initializer_list>

#include "base/inputtype.h"
#include "sources/aiff/aiffsource.h"
#include "sources/au/ausource.h"
#include "sources/bass/basssource.h"
#include "sources/ffmpeg/ffmpegprobesource.h"
#include "sources/ffmpeg/ffmpegsource.h"
#include "sources/vorbis/vorbissource.h"
#include "sources/wav/wavsource.h"
#include "sources/wma/wmasource.h"

namespace tonewright {

namespace {

// The decoder families, in the roles the fallback table gives them.
enum class Decoder { Bass, Ffmpeg, Wav, Aiff, Au, Vorbis, Wma };

// A decoder of the family, or null while the family has no decoder in this build.
std::unique_ptr<AudioSource> CreateDecoder(Decoder decoder, SourceUse use) {
    switch (decoder) {
        case Decoder::Ffmpeg:
            if (use == SourceUse::Conversion) return std::make_unique<FfmpegSource>();
            return std::make_unique<FfmpegProbeSource>();
        case Decoder::Bass:
            return std::make_unique<BassSource>();
        case Decoder::Wav:
            return std::make_unique<WavSource>();
        case Decoder::Aiff:
            return std::make_unique<AiffSource>();
        case Decoder::Au:
            return std::make_unique<AuSource>();
        case Decoder::Vorbis:
            return std::make_unique<VorbisSource>();
        case Decoder::Wma:
            return std::make_unique<WmaSource>();
        default:
            return nullptr;
    }
}

struct FallbackRow {
    std::initializer_list<int> inputTypes;
    std::initializer_list<Decoder> decoders;  // tried in this order
};

const FallbackRow kFallbacks[] = {
    {{kInputWav}, {Decoder::Bass, Decoder::Ffmpeg, Decoder::Wav}},
    {{kInputMp3, kInputTrackerModule, kInputMidi, kInputCdTrack, kInputFlac, kInputWavPack, kInputAdx,
      kInputMonkeysAudio, kInputMusepack, kInputTta, kInputAac, kInputM4a, kInputMp4},
     {Decoder::Bass, Decoder::Ffmpeg}},
    {{kInputSpeex}, {Decoder::Ffmpeg, Decoder::Bass}},
    {{kInputOgg}, {Decoder::Vorbis, Decoder::Bass, Decoder::Ffmpeg}},
    {{kInputAu}, {Decoder::Au, Decoder::Ffmpeg}},
    {{kInputAiff}, {Decoder::Aiff, Decoder::Bass, Decoder::Ffmpeg}},
    {{kInputWindowsMedia}, {Decoder::Wma, Decoder::Ffmpeg}},
};

// Anything else is left to FFmpeg.
const std::initializer_list<Decoder> kOtherDecoders = {Decoder::Ffmpeg};

std::initializer_list<Decoder> CandidatesFor(int inputType) {
    for (const auto& row : kFallbacks)
        for (int type : row.inputTypes)
            if (type == inputType) return row.decoders;
    return kOtherDecoders;
}

// Only regular files are decoded: a device such as /dev/zero or /dev/urandom never ends, and
// opening a named pipe waits for a writer that may never come.
bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::unique_ptr<AudioSource> OpenSource(const std::string& path, int inputType, int renderRate,
                                        SourceUse use, std::string& failureReason) {
    if (IsRegularFile(path)) {
        for (Decoder decoder : CandidatesFor(inputType)) {
            auto source = CreateDecoder(decoder, use);
            if (source && source->Open(path, renderRate)) return source;
        }
    }
    if (use == SourceUse::Conversion)
        failureReason = "no decoder could read this file: it may be damaged, or in a format this program does not read";
    return nullptr;
}

}  // namespace tonewright

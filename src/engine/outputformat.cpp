#include "engine/outputformat.h"

#include <algorithm>

#include "encoders/aac/aacoutput.h"
#include "encoders/amr/amroutput.h"
#include "encoders/flac/flacoutput.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/opus/opusoutput.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "encoders/winmedia/wmaoutput.h"

namespace tonewright {

namespace {

using S = Settings;

constexpr TagSlot kNoTag = {nullptr, nullptr};

// A tag template with the word the settings store files it under.
TagSlot StoredTag(TagTemplate Settings::*member) {
    for (const TagSlot& slot : TagSlots())
        if (slot.member == member) return slot;
    return kNoTag;
}

}  // namespace

const std::vector<OutputFormatInfo>& OutputFormats() {
    // AMR and AWB share one options page and its amplification, as M4A, MP4 and M4B share
    // all their settings.
    static const OutputFormatSettings amr = {nullptr, &S::AmplifyAMR, &S::AmplifyAMRCoef, nullptr, kNoTag,
                                             {&S::AMRType, &S::AMRMode, &S::AMRWBMode, &S::AMRDTX}};
    static const OutputFormatSettings awb = {nullptr, &S::AmplifyAMR, &S::AmplifyAMRCoef, nullptr, kNoTag,
                                             {&S::AWBMode, &S::AWBDTX}};
    static const OutputFormatSettings mp4Family = {
        &S::AutoDestM4AEncodingParam, &S::AmplifyM4A, &S::AmplifyM4ACoef, &S::M4AID3TagType, StoredTag(&S::M4ATag),
        {&S::M4AVBR, &S::M4AVBRQuality, &S::M4AABRBitRate, &S::M4AEnableTNS, &S::M4AEnableMidside, &S::M4ABlockType}};
    static const std::vector<OutputFormatInfo> formats = {
        {kOutputMp3, "MP3", ".mp3", "mp3", &kMp3Writer,
         {{0, "MP3"}},
         {&S::AutoDestMP3EncodingParam, &S::AmplifyMp3, &S::AmplifyMp3Coeff, &S::MP3ID3TagType, StoredTag(&S::MP3Tag),
          {&S::MP3BitRate, &S::MP3SampleRate, &S::MP3ChannelMode, &S::MP3EncodingMode, &S::MP3VBRQuality},
          {{&S::MP3BitRate, &S::MP3EncodingMode, 0},
           {&S::MP3VBRQuality, &S::MP3EncodingMode, 1},
           {&S::MP3WriteInfoFrame, &S::MP3EncodingMode, 0}}}},
        {kOutputWav, "WAV", ".wav", "wav", &kWavWriter,
         {{1, "WAV"}},
         {&S::AutoDestWAVEncodingParam, &S::AmplifyWav, &S::AmplifyWavCoeff, nullptr, kNoTag,
          {&S::WAVSampleRate, &S::WAVBitsPerSample, &S::WAVChannelNum}}},
        {kOutputOgg, "OGG", ".ogg", "ogg", &kVorbisWriter,
         {{3, "OGG"}},
         {&S::AutoDestOGGEncodingParam, &S::AmplifyOGG, &S::AmplifyOGGCoeff, &S::OGGID3TagType, StoredTag(&S::OGGTag),
          {&S::OGGBitRate, &S::OGGSampleRate, &S::OGGChannels, &S::OGGEncodingMode, &S::OGGQuality},
          {{&S::OGGBitRate, &S::OGGEncodingMode, 0}, {&S::OGGQuality, &S::OGGEncodingMode, 1}}}},
        {kOutputAmr, "AMR", ".amr", "amr", &kAmrWriter,
         {{9, "AMR"}},
         amr},
        {kOutputAwb, "AWB", ".awb", "awb", &kAwbWriter,
         {{10, "AWB"}},
         awb},
        {kOutputAac, "AAC", ".aac", "aac", &kAacWriter,
         {{4, "AAC"}},
         {&S::AutoDestAACEncodingParam, &S::AmplifyAAC, &S::AmplifyAACCoef, nullptr, kNoTag,
          {&S::AACVBR, &S::AACVBRQuality, &S::AACABRBitRate, &S::AACMpegVersion, &S::AACEnableTNS,
           &S::AACEnableMidside, &S::AACBlockType}}},
        {kOutputM4a, "M4A", ".m4a", "m4a", &kM4aWriter,
         {{5, "AAC for iPod / iTunes"}, {7, "M4A (MPEG-4 Audio)"}},
         mp4Family},
        {kOutputMp4, "MP4", ".mp4", "mp4", &kMp4Writer,
         {{6, "MP4 (Audio only)"}},
         mp4Family},
        {kOutputM4b, "M4B", ".m4b", "m4b", &kM4bWriter,
         {{8, "M4B (MPEG-4 Audiobook)"}},
         mp4Family},
        {kOutputWma, "WMA", ".wma", "wma", &kWmaWriter,
         {{2, "WMA"}},
         {&S::AutoDestWMAEncodingParam, &S::AmplifyWMA, &S::AmplifyWMACoeff, &S::WMAID3TagType, StoredTag(&S::WMATag),
          {&S::WMABitRate, &S::WMASampleRate, &S::WMAChannels}}},
        {kOutputFlac, "FLAC", ".flac", "flac", &kFlacWriter,
         {{11, "FLAC"}},
         {nullptr, &S::AmplifyFLAC, &S::AmplifyFLACCoeff, &S::FLACID3TagType, StoredTag(&S::FLACTag),
          {&S::FLACCompression}}},
        {kOutputOpus, "Opus", ".opus", "opus", &kOpusWriter,
         {{12, "Opus"}},
         {nullptr, &S::AmplifyOpus, &S::AmplifyOpusCoeff, &S::OpusID3TagType, StoredTag(&S::OpusTag),
          {&S::OpusBitRate, &S::OpusMode, &S::OpusComplexity}}},
    };
    return formats;
}

const OutputFormatInfo* FindOutputFormat(int code) {
    for (const auto& format : OutputFormats())
        if (format.code == code) return &format;
    return nullptr;
}

const OutputFormatInfo* FindOutputFormatByCommandName(const std::string& name) {
    for (const auto& format : OutputFormats())
        if (name == format.commandName) return &format;
    return nullptr;
}

std::vector<FormatSelectorRow> FormatSelectorRows() {
    std::vector<std::pair<int, FormatSelectorRow>> placed;
    for (const auto& format : OutputFormats())
        for (const SelectorLabel& label : format.selectorLabels) placed.push_back({label.row, {&format, label.text}});
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<FormatSelectorRow> rows;
    for (const auto& row : placed) rows.push_back(row.second);
    return rows;
}

}  // namespace tonewright

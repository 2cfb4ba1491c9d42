#include "reliability/hostileseeds.h"

#include <cstdlib>

#include "sources/bass/bassfixtures.h"
#include "support/testutil.h"

namespace hostile {

namespace {

using testutil::Quote;
using testutil::Shell;

constexpr const char* kSeconds = "0.3";
constexpr uint32_t kCdSectors = 75;  // one second of CD audio

// A two-tone stereo signal (one tone for mono) written by sox with the given options.
std::function<void(const std::string&)> Sox(const std::string& rate, int channels, const std::string& options) {
    return [=](const std::string& path) {
        const std::string tones = channels == 1 ? "sine 440" : "sine 440 sine 660";
        Shell("sox -n -r " + rate + " -c " + std::to_string(channels) + " " + options + " " + Quote(path) +
              " synth " + kSeconds + " " + tones);
    };
}

// A stereo tone encoded by the ffmpeg program; withVideo adds a small video stream.
std::function<void(const std::string&)> Ffmpeg(const std::string& options, bool withVideo = false) {
    return [=](const std::string& path) {
        std::string command = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:sample_rate=44100:duration=";
        command += kSeconds;
        if (withVideo) command += std::string(" -f lavfi -i testsrc=size=64x48:rate=10:duration=") + kSeconds;
        command += " -ac 2 " + options;
        if (withVideo) command += " -c:v mpeg4";
        Shell(command + " " + Quote(path));
    };
}

std::function<void(const std::string&)> Built(Bytes bytes) {
    return [bytes](const std::string& path) { testutil::WriteBytes(path, bytes); };
}

std::string Binary(const char* bytes, size_t count) { return std::string(bytes, count); }

// The GUID that starts an ASF file properties object, as stored (little-endian fields).
std::string AsfFileProperties() {
    return Binary("\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65", 16);
}

std::string Folder(const std::string& path) { return path.substr(0, path.rfind('/')); }

// The record of track 1 and, beside it, the disc image that holds that track.
void MakeCdSeed(const std::string& path) {
    const std::string folder = Folder(path);
    Shell("sox -n -r 44100 -c 2 -b 16 -e signed -L -t raw " + Quote(folder + "/disc.bin") + " synth 1 sine 440 sine 660");
    const std::string cue = "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    testutil::WriteBytes(CdImagePath(folder), Bytes(cue.begin(), cue.end()));
    testutil::WriteBytes(path, basstest::MakeCdaRecord(1, 0, kCdSectors));
}

std::vector<HeaderField> WavFields() {
    return {
        {"RIFF size", "RIFF", 4, 4, false, {0, 0xFFFFFFFF}},
        {"fmt size", "fmt ", 4, 4, false, {0, 0xFFFFFFFF}},
        {"format tag", "fmt ", 8, 2, false, {0, 0xFFFF}},
        {"channels", "fmt ", 10, 2, false, {0, 255, 65535}},
        {"sample rate", "fmt ", 12, 4, false, {0, 0xFFFFFFFF}},
        {"block align", "fmt ", 20, 2, false, {0, 65535}},
        {"bits per sample", "fmt ", 22, 2, false, {0, 255}},
        {"data size", "data", 4, 4, false, {0, 1, 0xFFFFFFFF}},
    };
}

// ADPCM and GSM: samples per block, the MS ADPCM predictor count and the fact chunk's frames.
std::vector<HeaderField> CodedWavFields() {
    std::vector<HeaderField> fields = WavFields();
    fields.push_back({"samples per block", "fmt ", 26, 2, false, {0, 1, 65535}});
    fields.push_back({"predictor count", "fmt ", 28, 2, false, {0, 65535}});
    fields.push_back({"fact frames", "fact", 8, 4, false, {0xFFFFFFFF}});
    return fields;
}

std::vector<HeaderField> AiffFields() {
    return {
        {"FORM size", "FORM", 4, 4, true, {0, 0xFFFFFFFF}},
        {"COMM size", "COMM", 4, 4, true, {0, 0xFFFFFFFF}},
        {"channels", "COMM", 8, 2, true, {0, 5, 255, 65535}},
        {"frame count", "COMM", 10, 4, true, {0, 0xFFFFFFFF}},
        {"sample size", "COMM", 14, 2, true, {0, 255}},
        {"rate exponent", "COMM", 16, 2, true, {0, 0x7FFF, 0xFFFF}},
        {"rate mantissa", "COMM", 18, 4, true, {0, 0xFFFFFFFF}},
        {"compression type", "COMM", 26, 4, true, {0x3F3F3F3F}},
        {"SSND size", "SSND", 4, 4, true, {0, 7, 0xFFFFFFFF}},
        {"SSND offset", "SSND", 8, 4, true, {0xFFFFFFFF}},
    };
}

std::vector<HeaderField> AuFields() {
    return {
        {"data offset", "", 4, 4, true, {0, 24, 0xFFFFFFFF}},
        {"data size", "", 8, 4, true, {0, 0xFFFFFFFF}},
        {"encoding", "", 12, 4, true, {0, 23, 26, 0xFFFFFFFF}},
        {"sample rate", "", 16, 4, true, {0, 0xFFFFFFFF}},
        {"channels", "", 20, 4, true, {0, 255, 65535, 0xFFFFFFFF}},
    };
}

std::vector<HeaderField> Mp4Fields() {
    return {
        {"moov size", "moov", -4, 4, true, {0, 0xFFFFFFFF}},
        {"mdat size", "mdat", -4, 4, true, {0, 1, 0xFFFFFFFF}},
        {"time scale", "mdhd", 16, 4, true, {0, 0xFFFFFFFF}},
        {"duration", "mdhd", 20, 4, true, {0xFFFFFFFF}},
        {"time scale 1, duration 2^32-1", "mdhd", 16, 8, true, {0x00000001FFFFFFFF}},
        {"channels", "mp4a", 20, 2, true, {0, 65535}},
        {"sample rate", "mp4a", 28, 4, true, {0}},
        {"sample count", "stsz", 12, 4, true, {0xFFFFFFFF}},
        {"chunk offsets", "stco", 8, 4, true, {0xFFFFFFFF}},
        {"sample-to-chunk entries", "stsc", 8, 4, true, {0xFFFFFFFF}},
        {"time-to-sample entries", "stts", 8, 4, true, {0xFFFFFFFF}},
    };
}

std::vector<HeaderField> MidiFields() {
    return {
        {"MThd size", "MThd", 4, 4, true, {0, 0xFFFFFFFF}},
        {"format", "MThd", 8, 2, true, {2, 0xFFFF}},
        {"track count", "MThd", 10, 2, true, {0, 0xFFFF}},
        {"division", "MThd", 12, 2, true, {0, 1, 0x8000, 0xFFFF}},
        {"MTrk size", "MTrk", 4, 4, true, {0, 0xFFFFFFFF}},
        {"tempo", Binary("\xFF\x51\x03", 3), 3, 3, true, {0, 1, 0xFFFFFF}},
    };
}

std::vector<HeaderField> Concat(std::vector<HeaderField> a, const std::vector<HeaderField>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

std::string CdImagePath(const std::string& folder) { return folder + "/disc.cue"; }

CdDevices::CdDevices(const std::string& folder) { setenv("TONEWRIGHT_CD_DEVICES", CdImagePath(folder).c_str(), 1); }

CdDevices::~CdDevices() { unsetenv("TONEWRIGHT_CD_DEVICES"); }

Bytes MakeS3mFile() {
    constexpr size_t kHeaderBytes = 0x60, kInstrumentAt = 0x70, kPatternAt = 0xC0, kSampleAt = 0x110;
    constexpr size_t kSampleBytes = 64;
    Bytes out(kSampleAt + kSampleBytes, 0);
    auto put16 = [&out](size_t at, unsigned value) {
        out[at] = static_cast<uint8_t>(value);
        out[at + 1] = static_cast<uint8_t>(value >> 8);
    };
    auto text = [&out](size_t at, const std::string& value) { std::copy(value.begin(), value.end(), out.begin() + at); };
    text(0, "tonewright s3m");
    out[0x1C] = 0x1A;
    out[0x1D] = 16;      // module type: Scream Tracker 3
    put16(0x20, 2);      // orders
    put16(0x22, 1);      // instruments
    put16(0x24, 1);      // patterns
    put16(0x28, 0x1320); // made with Scream Tracker 3.20
    put16(0x2A, 2);      // unsigned samples
    text(0x2C, "SCRM");
    out[0x30] = 64;      // global volume
    out[0x31] = 6;       // speed
    out[0x32] = 125;     // tempo
    out[0x33] = 0x80 | 48;  // stereo, master volume
    for (size_t c = 0; c < 32; ++c) out[0x40 + c] = c == 0 ? 0 : c == 1 ? 8 : 255;  // left 1, right 1, unused
    out[kHeaderBytes] = 0;        // order 0: pattern 0
    out[kHeaderBytes + 1] = 255;  // end of song
    put16(kHeaderBytes + 2, kInstrumentAt / 16);
    put16(kHeaderBytes + 4, kPatternAt / 16);

    out[kInstrumentAt] = 1;  // a sample
    text(kInstrumentAt + 1, "square.raw");
    put16(kInstrumentAt + 0x0E, kSampleAt / 16);
    put16(kInstrumentAt + 0x10, kSampleBytes);  // length
    put16(kInstrumentAt + 0x18, kSampleBytes);  // loop end
    out[kInstrumentAt + 0x1C] = 64;             // volume
    out[kInstrumentAt + 0x1F] = 1;              // looped
    put16(kInstrumentAt + 0x20, 8363);          // C-4 speed
    text(kInstrumentAt + 0x30, "square");
    text(kInstrumentAt + 0x4C, "SCRS");

    // 64 packed rows: a note on channel 0 in row 0, a pattern break in row 3, the rest empty.
    Bytes rows = {0x20, 0x50, 1, 0, 0, 0, 0x80, 'C' - 'A' + 1, 0, 0};
    rows.resize(rows.size() + 60, 0);
    put16(kPatternAt, static_cast<unsigned>(rows.size() + 2));
    std::copy(rows.begin(), rows.end(), out.begin() + kPatternAt + 2);
    for (size_t i = 0; i < kSampleBytes; ++i) out[kSampleAt + i] = i < kSampleBytes / 2 ? 228 : 28;
    return out;
}

const std::vector<Family>& Families() {
    static const std::vector<Family> families = [] {
        const std::string wavPcm = "-e signed-integer -b 16";
        std::vector<Family> f = {
            {"WAV PCM 16-bit", "wav16", ".wav", Sox("22050", 2, wavPcm), WavFields(), OwnReader::Wav},
            {"WAV PCM 8-bit", "wav8", ".wav", Sox("11025", 1, "-e unsigned-integer -b 8"), WavFields(), OwnReader::Wav},
            {"WAV float", "wavfloat", ".wav", Sox("22050", 2, "-e floating-point -b 32"), WavFields(), OwnReader::Wav},
            {"WAV MS ADPCM", "wavmsadpcm", ".wav", Sox("22050", 2, "-e ms-adpcm"), CodedWavFields(), OwnReader::Wav},
            {"WAV IMA ADPCM", "wavima", ".wav", Sox("22050", 2, "-e ima-adpcm"), CodedWavFields(), OwnReader::Wav},
            {"WAV GSM 6.10", "wavgsm", ".wav", Sox("8000", 1, "-e gsm-full-rate"), CodedWavFields(), OwnReader::Wav},
            {"WAV A-law", "wavalaw", ".wav", Sox("8000", 2, "-e a-law"), WavFields(), OwnReader::Wav},
            {"AIFF", "aiff", ".aiff", Sox("22050", 2, "-b 16"), AiffFields(), OwnReader::Aiff},
            {"AIFF-C A-law", "aifcalaw", ".aifc", Ffmpeg("-c:a pcm_alaw -f aiff"), AiffFields(), OwnReader::Aiff},
            {"AIFF-C IMA4", "aifcima4", ".aifc", Ffmpeg("-c:a adpcm_ima_qt -f aiff"), AiffFields(), OwnReader::Aiff},
            {"AU PCM", "au16", ".au", Sox("22050", 2, wavPcm), AuFields(), OwnReader::Au},
            {"AU mu-law", "auulaw", ".au", Sox("8000", 1, "-e u-law"), AuFields(), OwnReader::Au},
            {"MP3", "mp3", ".mp3", Ffmpeg("-c:a libmp3lame -b:a 64k"),
             {{"ID3v2 size", "ID3", 6, 4, true, {0, 0x7F7F7F7F}},
              {"frame header", Binary("\xFF\xFB", 2), 2, 1, true, {0, 0xFF, 0xF0}},
              {"Info frames", "Info", 8, 4, true, {0, 0xFFFFFFFF}},
              {"encoder delay", "Info", 141, 3, true, {0xFFFFFF}}}},
            {"MP2", "mp2", ".mp2", Ffmpeg("-c:a mp2 -b:a 64k"),
             {{"frame header", Binary("\xFF\xFD", 2), 2, 1, true, {0, 0xFF, 0xF0}},
              {"mode byte", Binary("\xFF\xFD", 2), 3, 1, true, {0xFF}}}},
            {"OGG Vorbis", "vorbis", ".ogg", Ffmpeg("-c:a libvorbis"),
             {{"granule position", "OggS", 6, 8, false, {0, 0xFFFFFFFFFFFFFFFF}},
              {"page segments", "OggS", 26, 1, false, {0, 255}},
              {"channels", Binary("\x01vorbis", 7), 11, 1, false, {0, 255}},
              {"sample rate", Binary("\x01vorbis", 7), 12, 4, false, {0, 0xFFFFFFFF}},
              {"block sizes", Binary("\x01vorbis", 7), 28, 1, false, {0, 0xFF}},
              {"vendor length", Binary("\x03vorbis", 7), 7, 4, false, {0xFFFFFFFF}}},
             OwnReader::Vorbis, true},
            {"FLAC", "flac", ".flac", Ffmpeg("-c:a flac"),
             {{"metadata length", "fLaC", 5, 3, true, {0, 0xFFFFFF}},
              {"minimum block size", "fLaC", 8, 2, true, {0, 0xFFFF}},
              {"maximum block size", "fLaC", 10, 2, true, {0, 0xFFFF}},
              {"rate, channels, bits", "fLaC", 18, 3, true, {0, 0xFFFFFF}},
              {"total samples", "fLaC", 21, 5, true, {0xFFFFFFFFFF}},
              {"rate 1 Hz, 2^36-1 samples", "fLaC", 18, 8, true, {0x000012FFFFFFFFFF}}}},
            {"M4A AAC", "m4a", ".m4a", Ffmpeg("-c:a aac -b:a 64k"), Mp4Fields()},
            {"WMA", "wma", ".wma", Ffmpeg("-c:a wmav2 -b:a 64k"),
             {{"header size", "", 16, 8, false, {0, 0xFFFFFFFFFFFFFFFF}},
              {"header objects", "", 24, 4, false, {0, 0xFFFFFFFF}},
              {"data packets", AsfFileProperties(), 56, 8, false, {0, 0xFFFFFFFFFFFFFFFF}},
              {"play duration", AsfFileProperties(), 64, 8, false, {0x7FFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF}},
              {"preroll", AsfFileProperties(), 80, 8, false, {0xFFFFFFFFFFFFFFFF}},
              {"channels", Binary("\x61\x01\x02\x00\x44\xAC\x00\x00", 8), 2, 2, false, {0, 255, 65535}},
              {"sample rate", Binary("\x61\x01\x02\x00\x44\xAC\x00\x00", 8), 4, 4, false, {0, 0xFFFFFFFF}},
              {"block align", Binary("\x61\x01\x02\x00\x44\xAC\x00\x00", 8), 12, 2, false, {0, 0xFFFF}},
              {"extra size", Binary("\x61\x01\x02\x00\x44\xAC\x00\x00", 8), 16, 2, false, {0xFFFF}}}},
            {"AMR", "amr", ".amr", Sox("8000", 1, "-t amr-nb"),
             {{"first frame header", "#!AMR\n", 6, 1, true, {0x00, 0x7C, 0xFF}}}},
            {"AC3", "ac3", ".ac3", Ffmpeg("-c:a ac3 -b:a 96k"),
             {{"rate and frame size", Binary("\x0B\x77", 2), 4, 1, true, {0x00, 0x3F, 0xFF}},
              {"stream id", Binary("\x0B\x77", 2), 5, 1, true, {0xFF}},
              {"channel mode", Binary("\x0B\x77", 2), 6, 1, true, {0xFF}}}},
            {"MP4 video+AAC", "mp4video", ".mp4", Ffmpeg("-c:a aac -b:a 64k", true), Mp4Fields()},
            {"MOD", "mod", ".mod", Built(basstest::MakeModFile(4)),
             {{"sample length", "", 42, 2, true, {0xFFFF}},
              {"loop length", "", 48, 2, true, {0, 0xFFFF}},
              {"song length", "", 950, 1, true, {0, 255}},
              {"first order", "", 952, 1, true, {0x7F, 0xFF}},
              {"signature", "M.K.", 0, 4, true, {0x33324348, 0}}}},
            {"XM", "xm", ".xm", Built(basstest::MakeXmFile(4)),
             {{"header size", "", 60, 4, false, {0, 0xFFFFFFFF}},
              {"song length", "", 64, 2, false, {0, 0xFFFF}},
              {"channels", "", 68, 2, false, {0, 255, 65535}},
              {"patterns", "", 70, 2, false, {0xFFFF}},
              {"instruments", "", 72, 2, false, {0xFFFF}},
              {"speed", "", 76, 2, false, {0, 0xFFFF}},
              {"tempo", "", 78, 2, false, {0, 0xFFFF}},
              {"pattern header size", "", 336, 4, false, {0, 0xFFFFFFFF}},
              {"pattern rows", "", 341, 2, false, {0, 0xFFFF}},
              {"packed pattern size", "", 343, 2, false, {0xFFFF}},
              {"sample length", "square", 259, 4, false, {0xFFFFFFFF}},
              {"sample loop length", "square", 267, 4, false, {0xFFFFFFFF}}}},
            {"IT", "it", ".it", Built(basstest::MakeItFile(32)),
             {{"orders", "", 0x20, 2, false, {0, 0xFFFF}},
              {"instruments", "", 0x22, 2, false, {0xFFFF}},
              {"samples", "", 0x24, 2, false, {0xFFFF}},
              {"patterns", "", 0x26, 2, false, {0xFFFF}},
              {"speed", "", 0x32, 1, false, {0, 255}},
              {"tempo", "", 0x33, 1, false, {0, 255}},
              {"sample pointer", "", 194, 4, false, {0xFFFFFFFF}},
              {"pattern pointer", "", 198, 4, false, {0xFFFFFFFF}},
              {"sample length", "IMPS", 0x30, 4, false, {0xFFFFFFFF}},
              {"sample data pointer", "IMPS", 0x48, 4, false, {0xFFFFFFFF}}}},
            {"S3M", "s3m", ".s3m", Built(MakeS3mFile()),
             {{"orders", "", 0x20, 2, false, {0, 0xFFFF}},
              {"instruments", "", 0x22, 2, false, {0xFFFF}},
              {"patterns", "", 0x24, 2, false, {0xFFFF}},
              {"speed", "", 0x31, 1, false, {0, 255}},
              {"tempo", "", 0x32, 1, false, {0, 255}},
              {"sample length", "SCRS", -0x3C, 4, false, {0xFFFFFFFF}},
              {"sample data pointer", "SCRS", -0x3E, 2, false, {0xFFFF}},
              {"pattern size", "", 0xC0, 2, false, {0, 0xFFFF}}}},
            {"MIDI", "midi", ".mid", Built(basstest::MakeTempoChangeSong()), MidiFields()},
            {"MIDI in RIFF RMID", "rmid", ".rmi", Built(basstest::WrapInRmid(basstest::MakeTempoChangeSong())),
             Concat({{"RIFF size", "RIFF", 4, 4, false, {0, 0xFFFFFFFF}},
                     {"data size", "data", 4, 4, false, {0, 0xFFFFFFFF}}},
                    MidiFields())},
            {"CD track record", "cda", ".cda", MakeCdSeed,
             {{"fmt size", "fmt ", 4, 4, false, {0, 0xFFFFFFFF}},
              {"track", "fmt ", 10, 2, false, {0, 0xFFFF}},
              {"first sector", "fmt ", 16, 4, false, {0xFFFFFFFF}},
              {"sectors", "fmt ", 20, 4, false, {0, 0xFFFFFFFF}}}},
        };
        return f;
    }();
    return families;
}

}  // namespace hostile

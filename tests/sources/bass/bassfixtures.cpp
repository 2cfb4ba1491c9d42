#include "sources/bass/bassfixtures.h"

#include <string>

namespace basstest {

namespace {

constexpr int kSampleBytes = 64;

void PutLe(Bytes& out, uint64_t value, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutBe(Bytes& out, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
// `text` in a field of `size` bytes padded with zeros.
void PutText(Bytes& out, const std::string& text, size_t size) {
    for (size_t i = 0; i < size; ++i) out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}
void PutBytes(Bytes& out, const Bytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

// One period of a square wave, signed 8-bit.
Bytes SquareWave() {
    Bytes wave(kSampleBytes);
    for (int i = 0; i < kSampleBytes; ++i) wave[i] = static_cast<uint8_t>(i < kSampleBytes / 2 ? 100 : -100);
    return wave;
}

}  // namespace

Bytes MakeModFile(int rows) {
    constexpr int kChannels = 4, kPatternRows = 64, kSamples = 31, kPeriodC3 = 428;
    Bytes out;
    PutText(out, "tonewright mod", 20);
    for (int s = 0; s < kSamples; ++s) {
        PutText(out, "", 22);
        const int words = s == 0 ? kSampleBytes / 2 : 0;
        PutBe(out, words, 2);               // length in 16-bit words
        out.push_back(0);                   // finetune
        out.push_back(s == 0 ? 64 : 0);     // volume
        PutBe(out, 0, 2);                   // loop start
        PutBe(out, s == 0 ? words : 1, 2);  // loop length; 1 means no loop
    }
    out.push_back(1);    // orders in the song
    out.push_back(127);  // restart position (unused)
    PutText(out, "", 128);
    PutText(out, "M.K.", 4);
    Bytes pattern(kPatternRows * kChannels * 4, 0);
    // Row 0, channel 0: sample 1 at C-3.
    pattern[0] = kPeriodC3 >> 8;
    pattern[1] = kPeriodC3 & 0xFF;
    pattern[2] = 1 << 4;
    if (rows < kPatternRows) pattern[((rows - 1) * kChannels + 1) * 4 + 2] = 0x0D;  // pattern break
    PutBytes(out, pattern);
    PutBytes(out, SquareWave());
    return out;
}

Bytes MakeXmFile(int rows) {
    constexpr int kChannels = 2, kInstrumentHeaderBytes = 263, kNoteC4 = 49;
    Bytes out;
    PutText(out, "Extended Module: ", 17);
    PutText(out, "tonewright xm", 20);
    out.push_back(0x1A);
    PutText(out, "tonewright", 20);
    PutLe(out, 0x0104, 2);
    PutLe(out, 276, 4);  // header size from this field on: 20 bytes of fields and the order table
    PutLe(out, 1, 2);    // song length
    PutLe(out, 0, 2);    // restart position
    PutLe(out, kChannels, 2);
    PutLe(out, 1, 2);    // patterns
    PutLe(out, 1, 2);    // instruments
    PutLe(out, 1, 2);    // linear frequency table
    PutLe(out, 6, 2);    // speed
    PutLe(out, 125, 2);  // tempo (BPM)
    PutText(out, "", 256);

    Bytes cells;
    for (int row = 0; row < rows; ++row) {
        for (int channel = 0; channel < kChannels; ++channel) {
            if (row == 0 && channel == 0) {
                cells.insert(cells.end(), {0x83, kNoteC4, 1});  // packed: note and instrument follow
            } else {
                cells.push_back(0x80);  // packed: empty cell
            }
        }
    }
    PutLe(out, 9, 4);  // pattern header length
    out.push_back(0);  // packing type
    PutLe(out, rows, 2);
    PutLe(out, cells.size(), 2);
    PutBytes(out, cells);

    const size_t instrument = out.size();
    PutLe(out, kInstrumentHeaderBytes, 4);
    PutText(out, "square", 22);
    out.push_back(0);
    PutLe(out, 1, 2);   // samples
    PutLe(out, 40, 4);  // sample header size
    out.resize(instrument + kInstrumentHeaderBytes, 0);  // key map, envelopes, vibrato, fade-out
    PutLe(out, kSampleBytes, 4);  // length
    PutLe(out, 0, 4);             // loop start
    PutLe(out, kSampleBytes, 4);  // loop length
    out.push_back(64);            // volume
    out.push_back(0);             // finetune
    out.push_back(1);             // forward loop, 8-bit
    out.push_back(128);           // panning
    out.push_back(0);             // relative note
    out.push_back(0);
    PutText(out, "square", 22);
    // Sample data is stored as differences from the previous sample.
    const Bytes wave = SquareWave();
    uint8_t previous = 0;
    for (uint8_t sample : wave) {
        out.push_back(static_cast<uint8_t>(sample - previous));
        previous = sample;
    }
    return out;
}

Bytes MakeItFile(int rows) {
    constexpr size_t kHeaderBytes = 192, kSampleHeaderBytes = 80;
    constexpr uint8_t kNoteC5 = 60;
    Bytes out;
    PutText(out, "IMPM", 4);
    PutText(out, "tonewright it", 26);
    PutLe(out, 0x1004, 2);  // pattern row highlight
    PutLe(out, 2, 2);       // orders, the end marker included
    PutLe(out, 0, 2);       // instruments: sample mode
    PutLe(out, 1, 2);       // samples
    PutLe(out, 1, 2);       // patterns
    PutLe(out, 0x0214, 2);  // made with
    PutLe(out, 0x0200, 2);  // compatible with
    PutLe(out, 0x0009, 2);  // stereo, linear slides
    PutLe(out, 0, 2);       // special
    out.insert(out.end(), {128, 48, 6, 125, 128, 0});  // global volume, mix volume, speed, tempo, separation
    PutLe(out, 0, 2);  // message length
    PutLe(out, 0, 4);  // message offset
    PutLe(out, 0, 4);
    out.insert(out.end(), 64, 32);  // channel panning: centre
    out.insert(out.end(), 64, 64);  // channel volume: full
    out.insert(out.end(), {0, 255});  // orders: pattern 0, end of song
    const size_t sampleHeader = kHeaderBytes + 2 + 8;
    const size_t pattern = sampleHeader + kSampleHeaderBytes;
    PutLe(out, sampleHeader, 4);
    PutLe(out, pattern, 4);

    PutText(out, "IMPS", 4);
    PutText(out, "square.raw", 12);
    out.insert(out.end(), {0, 64, 0x11, 64});  // global volume, flags (sample present, looped), volume
    PutText(out, "square", 26);
    out.insert(out.end(), {0x01, 32});  // signed samples, default pan
    PutLe(out, kSampleBytes, 4);        // length in samples
    PutLe(out, 0, 4);                   // loop begin
    PutLe(out, kSampleBytes, 4);        // loop end
    PutLe(out, 8363, 4);                // C-5 speed
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    const size_t samplePointerAt = out.size();
    PutLe(out, 0, 4);
    out.insert(out.end(), {0, 0, 0, 0});  // vibrato

    Bytes cells = {0x81, 0x03, kNoteC5, 1, 0};  // channel 1 with a mask: note and sample; end of row
    cells.insert(cells.end(), static_cast<size_t>(rows - 1), 0);
    PutLe(out, cells.size(), 2);
    PutLe(out, rows, 2);
    PutLe(out, 0, 4);
    PutBytes(out, cells);
    const size_t sampleData = out.size();
    for (int i = 0; i < 4; ++i) out[samplePointerAt + i] = static_cast<uint8_t>(sampleData >> (8 * i));
    PutBytes(out, SquareWave());
    return out;
}

Bytes VarLen(uint32_t value) {
    Bytes out = {static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7) out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

Bytes MakeSmf(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks) {
    Bytes out;
    PutText(out, "MThd", 4);
    PutBe(out, 6, 4);
    PutBe(out, format, 2);
    PutBe(out, tracks.size(), 2);
    PutBe(out, division, 2);
    for (const Bytes& track : tracks) {
        PutText(out, "MTrk", 4);
        PutBe(out, track.size(), 4);
        PutBytes(out, track);
    }
    return out;
}

std::vector<Bytes> TempoChangeTracks() {
    auto event = [](Bytes& track, uint32_t delta, const Bytes& message) {
        PutBytes(track, VarLen(delta));
        PutBytes(track, message);
    };
    Bytes tempo;
    event(tempo, 0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});     // 500000 us a quarter
    event(tempo, 1920, {0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90});  // 250000 us a quarter
    event(tempo, 960, {0xFF, 0x2F, 0x00});
    Bytes piano;
    event(piano, 0, {0xC0, 0x00});
    event(piano, 0, {0x90, 60, 100});
    event(piano, 1800, {0x80, 60, 64});
    event(piano, 120, {0x90, 67, 100});
    event(piano, 840, {67, 0});  // running status: note on with velocity 0 ends the note
    event(piano, 120, {0xFF, 0x2F, 0x00});
    return {tempo, piano};
}

Bytes MakeTempoChangeSong() { return MakeSmf(1, 480, TempoChangeTracks()); }

Bytes WrapInRmid(const Bytes& smf) {
    Bytes out;
    PutText(out, "RIFF", 4);
    PutLe(out, 4 + 8 + smf.size() + (smf.size() & 1), 4);
    PutText(out, "RMID", 4);
    PutText(out, "data", 4);
    PutLe(out, smf.size(), 4);
    PutBytes(out, smf);
    if (smf.size() & 1) out.push_back(0);
    return out;
}

Bytes MakeCdaRecord(int track, uint32_t firstSector, uint32_t sectors) {
    Bytes out;
    PutText(out, "RIFF", 4);
    PutLe(out, 36, 4);
    PutText(out, "CDDA", 4);
    PutText(out, "fmt ", 4);
    PutLe(out, 24, 4);
    PutLe(out, 1, 2);  // record version
    PutLe(out, track, 2);
    PutLe(out, 0x12345678, 4);  // disc serial number
    PutLe(out, firstSector, 4);
    PutLe(out, sectors, 4);
    // The same two places as minute, second, frame; the first counts the 150-sector lead-in.
    const auto msf = [&out](uint32_t sector) {
        out.insert(out.end(), {static_cast<uint8_t>(sector % 75), static_cast<uint8_t>(sector / 75 % 60),
                               static_cast<uint8_t>(sector / 75 / 60), 0});
    };
    msf(firstSector + 150);
    msf(sectors);
    return out;
}

}  // namespace basstest

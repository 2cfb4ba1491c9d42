#include "sources/bass/midifile.h"

#include <algorithm>
#include <cstring>

#include "base/bigendian.h"
#include "sources/bass/filebytes.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

// Far above any real MIDI file; the file is held in memory while it plays.
constexpr uint64_t kMaxFileBytes = uint64_t{16} << 20;
constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter note: 120 bpm
constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kSmfHeaderBytes = 6;
constexpr int kMaxVarLenBytes = 4;

enum : uint8_t {
    kSysEx = 0xF0,
    kSysExEscape = 0xF7,
    kMeta = 0xFF,
    kMetaEndOfTrack = 0x2F,
    kMetaTempo = 0x51,
    kMetaSmpteOffset = 0x54,
    kMetaTimeSignature = 0x58,
    kMetaKeySignature = 0x59,
};

struct TempoChange {
    uint64_t tick;
    uint32_t microsPerQuarter;
};

// Reads the bytes of one track chunk; every read checks the bytes left.
class TrackReader {
public:
    TrackReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ == size_; }
    bool Byte(uint8_t& value) {
        if (pos_ == size_) return false;
        value = data_[pos_++];
        return true;
    }
    // A variable-length quantity: 7 bits a byte, at most four bytes.
    bool VarLen(uint32_t& value) {
        value = 0;
        for (int i = 0; i < kMaxVarLenBytes; ++i) {
            uint8_t b = 0;
            if (!Byte(b)) return false;
            value = value << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    const uint8_t* Take(size_t count) {
        if (count > size_ - pos_) return nullptr;
        const uint8_t* at = data_ + pos_;
        pos_ += count;
        return at;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Meta events of a fixed length, which the renderer also insists on.
bool MetaLengthIsValid(uint8_t type, uint32_t length) {
    switch (type) {
        case kMetaEndOfTrack: return length == 0;
        case kMetaTempo: return length == 3;
        case kMetaSmpteOffset: return length == 5;
        case kMetaTimeSignature: return length == 4;
        case kMetaKeySignature: return length == 2;
        default: return true;
    }
}

int ChannelMessageDataBytes(uint8_t status) {
    const uint8_t type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 1 : 2;
}

// Walks the events of one track: collects its tempo changes and the tick of its last event
// (its end-of-track event, or the last event when that is missing).
bool ScanTrack(const uint8_t* data, size_t size, std::vector<TempoChange>& tempos, uint64_t& endTick) {
    TrackReader track(data, size);
    uint64_t tick = 0;
    uint8_t running = 0;  // the running status; meta and system-exclusive events cancel it
    while (!track.AtEnd()) {
        uint32_t delta = 0;
        uint8_t status = 0;
        if (!track.VarLen(delta) || !track.Byte(status)) return false;
        tick += delta;
        endTick = tick;
        if (status == kMeta) {
            uint8_t type = 0;
            uint32_t length = 0;
            if (!track.Byte(type) || !track.VarLen(length) || !MetaLengthIsValid(type, length)) return false;
            const uint8_t* body = track.Take(length);
            if (!body) return false;
            if (type == kMetaTempo) tempos.push_back({tick, static_cast<uint32_t>(body[0] << 16 | body[1] << 8 | body[2])});
            if (type == kMetaEndOfTrack) return true;
            running = 0;
        } else if (status == kSysEx || status == kSysExEscape) {
            uint32_t length = 0;
            if (!track.VarLen(length) || !track.Take(length)) return false;
            running = 0;
        } else if (status >= 0xF0) {
            return false;  // system common and real-time messages do not belong in a file
        } else if (status & 0x80) {
            running = status;
            if (!track.Take(ChannelMessageDataBytes(status))) return false;
        } else {
            // Running status: this byte is already the first data byte.
            if (!running || !track.Take(ChannelMessageDataBytes(running) - 1)) return false;
        }
    }
    return true;
}

double TicksToSeconds(uint64_t endTick, std::vector<TempoChange>& tempos, uint16_t ticksPerQuarter) {
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    const double microsPerTickUnit = 1e6 * ticksPerQuarter;
    double seconds = 0.0;
    uint64_t tick = 0;
    uint32_t tempo = kDefaultTempo;
    for (const TempoChange& change : tempos) {
        if (change.tick >= endTick) break;
        seconds += static_cast<double>(change.tick - tick) * tempo / microsPerTickUnit;
        tick = change.tick;
        tempo = change.microsPerQuarter;
    }
    return seconds + static_cast<double>(endTick - tick) * tempo / microsPerTickUnit;
}

// A Standard MIDI File: the header chunk, then as many track chunks as it names (chunks
// of other types between them are skipped). Time must be in ticks per quarter note; the
// renderer does not play SMPTE time.
bool ParseSmf(const uint8_t* data, size_t size, double& seconds) {
    if (size < kChunkHeaderBytes + kSmfHeaderBytes || std::memcmp(data, "MThd", 4) != 0 ||
        LoadBe32(data + 4) != kSmfHeaderBytes)
        return false;
    const uint16_t format = LoadBe16(data + 8);
    const uint16_t trackCount = LoadBe16(data + 10);
    const uint16_t division = LoadBe16(data + 12);
    if (format > 2 || trackCount == 0 || division == 0 || (division & 0x8000)) return false;

    std::vector<TempoChange> tempos;
    uint64_t songEnd = 0;
    size_t pos = kChunkHeaderBytes + kSmfHeaderBytes;
    for (int found = 0; found < trackCount;) {
        if (size - pos < kChunkHeaderBytes) return false;
        const uint32_t length = LoadBe32(data + pos + 4);
        if (length > size - pos - kChunkHeaderBytes) return false;
        const uint8_t* body = data + pos + kChunkHeaderBytes;
        if (std::memcmp(data + pos, "MTrk", 4) == 0) {
            uint64_t trackEnd = 0;
            if (!ScanTrack(body, length, tempos, trackEnd)) return false;
            songEnd = std::max(songEnd, trackEnd);
            ++found;
        }
        pos += kChunkHeaderBytes + length;
    }
    seconds = TicksToSeconds(songEnd, tempos, division);
    return true;
}

// The SMF inside a RIFF RMID file: the payload of its "data" chunk.
bool FindRmidData(const std::vector<uint8_t>& file, size_t& offset, size_t& size) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "RMID", 4) != 0)
        return false;
    size_t pos = 12;
    while (file.size() - pos >= kChunkHeaderBytes) {
        const uint32_t length = LoadLe32(file.data() + pos + 4);
        if (length > file.size() - pos - kChunkHeaderBytes) return false;
        if (std::memcmp(file.data() + pos, "data", 4) == 0) {
            offset = pos + kChunkHeaderBytes;
            size = length;
            return true;
        }
        pos += kChunkHeaderBytes + length + (length & 1);  // RIFF chunks are padded to even sizes
        if (pos > file.size()) return false;
    }
    return false;
}

}  // namespace

bool ReadMidiSong(const std::string& path, MidiSong& song) {
    uint64_t fileSize = 0;
    if (!FileLength(path, fileSize) || fileSize > kMaxFileBytes) return false;
    const std::vector<uint8_t> file = ReadFileRange(path, 0, fileSize);
    size_t offset = 0, size = file.size();
    if (!FindRmidData(file, offset, size)) offset = 0;
    if (!ParseSmf(file.data() + offset, size, song.seconds)) return false;
    song.smf.assign(file.begin() + static_cast<std::ptrdiff_t>(offset),
                    file.begin() + static_cast<std::ptrdiff_t>(offset + size));
    return true;
}

}  // namespace tonewright

#include "reliability/hostilemutations.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "support/testutil.h"

namespace hostile {

namespace {

constexpr size_t kHeaderBytes = 256;
// Flips land in the first bytes (headers, first frames) half of the time.
constexpr size_t kFlipHeadBytes = 512;
constexpr int kMaxFlipsPerFile = 4;
constexpr size_t kOggPageHeaderBytes = 27;
constexpr size_t kOggChecksumAt = 22;

std::string Number(size_t value) {
    std::string text = std::to_string(value);
    return std::string(text.size() < 6 ? 6 - text.size() : 0, '0') + text;
}

// The field's file offset, or -1 when its anchor is not in the seed or it does not fit.
long FieldOffset(const Bytes& seed, const HeaderField& field) {
    long at = 0;
    if (!field.anchor.empty()) {
        const Bytes anchor(field.anchor.begin(), field.anchor.end());
        const auto found = std::search(seed.begin(), seed.end(), anchor.begin(), anchor.end());
        if (found == seed.end()) return -1;
        at = found - seed.begin();
    }
    at += field.offset;
    return at >= 0 && static_cast<size_t>(at) + static_cast<size_t>(field.width) <= seed.size() ? at : -1;
}

Bytes WithField(Bytes bytes, size_t at, const HeaderField& field, uint64_t value) {
    for (int i = 0; i < field.width; ++i) {
        const int shift = 8 * (field.bigEndian ? field.width - 1 - i : i);
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> shift);
    }
    return bytes;
}

// 1..kMaxFlipsPerFile bytes changed: inverted, cleared, set or given a random value.
Bytes Flipped(Bytes bytes, std::mt19937& random, std::string& label) {
    const bool nearStart = random() % 2 == 0;
    const size_t span = nearStart ? std::min(bytes.size(), kFlipHeadBytes) : bytes.size();
    const int count = 1 + static_cast<int>(random() % kMaxFlipsPerFile);
    for (int i = 0; i < count; ++i) {
        const size_t at = random() % span;
        const uint8_t before = bytes[at];
        switch (random() % 4) {
            case 0: bytes[at] = static_cast<uint8_t>(~before); break;
            case 1: bytes[at] = 0x00; break;
            case 2: bytes[at] = 0xFF; break;
            default: bytes[at] = static_cast<uint8_t>(random()); break;
        }
        label += " @" + std::to_string(at);
    }
    return bytes;
}

uint32_t OggChecksum(const uint8_t* page, size_t size) {
    static const auto table = [] {
        std::vector<uint32_t> entries(256);
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t value = i << 24;
            for (int bit = 0; bit < 8; ++bit) value = value & 0x80000000u ? value << 1 ^ 0x04C11DB7u : value << 1;
            entries[i] = value;
        }
        return entries;
    }();
    uint32_t checksum = 0;
    for (size_t i = 0; i < size; ++i) checksum = checksum << 8 ^ table[(checksum >> 24 ^ page[i]) & 0xFF];
    return checksum;
}

}  // namespace

bool LongTestsWanted() {
    const char* value = std::getenv("TONEWRIGHT_LONG_TESTS");
    return value && std::strcmp(value, "1") == 0;
}

CorpusSize ChosenCorpusSize() {
    if (LongTestsWanted()) return {1, 64, 300, -1};
    return {32, 4, 16, -1};
}

void RecomputeOggChecksums(Bytes& bytes) {
    for (size_t at = 0; at + kOggPageHeaderBytes <= bytes.size(); ++at) {
        if (std::memcmp(bytes.data() + at, "OggS", 4) != 0) continue;
        const size_t segments = bytes[at + kOggPageHeaderBytes - 1];
        if (at + kOggPageHeaderBytes + segments > bytes.size()) return;
        size_t size = kOggPageHeaderBytes + segments;
        for (size_t s = 0; s < segments; ++s) size += bytes[at + kOggPageHeaderBytes + s];
        if (at + size > bytes.size()) return;
        std::fill_n(bytes.begin() + static_cast<long>(at + kOggChecksumAt), 4, 0);
        const uint32_t checksum = OggChecksum(bytes.data() + at, size);
        for (int i = 0; i < 4; ++i) bytes[at + kOggChecksumAt + i] = static_cast<uint8_t>(checksum >> (8 * i));
        at += size - 1;
    }
}

std::vector<HostileFile> WriteMutations(const Family& family, const Bytes& seed, const std::string& folder,
                                        const CorpusSize& size, unsigned seedNumber) {
    std::vector<HostileFile> files;
    auto add = [&](Damage damage, const std::string& tag, const std::string& label, Bytes bytes) {
        if (family.oggPages) RecomputeOggChecksums(bytes);
        const std::string path = folder + "/" + family.slug + "." + tag + family.extension;
        testutil::WriteBytes(path, bytes);
        files.push_back({damage, label, path});
    };

    add(Damage::Empty, "empty", "empty file", {});
    std::vector<size_t> cuts;
    for (size_t cut = 1; cut < std::min(seed.size(), kHeaderBytes); cut += static_cast<size_t>(size.headerCutStep))
        cuts.push_back(cut);
    for (int i = 1; i <= size.spreadCuts; ++i)
        cuts.push_back(seed.size() * static_cast<size_t>(i) / static_cast<size_t>(size.spreadCuts + 1));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (size_t cut : cuts)
        add(Damage::Truncated, "cut" + Number(cut), "cut to " + std::to_string(cut) + " bytes",
            Bytes(seed.begin(), seed.begin() + static_cast<long>(cut)));

    struct FieldFile {
        std::string tag, label;
        Bytes bytes;
    };
    std::vector<FieldFile> fieldFiles;
    int fieldNumber = 0;
    for (const HeaderField& field : family.fields) {
        const long at = FieldOffset(seed, field);
        ++fieldNumber;
        if (at < 0) {
            ADD_FAILURE() << family.name << ": the seed has no field " << field.name;
            continue;
        }
        for (uint64_t value : field.values)
            fieldFiles.push_back({"field" + std::to_string(fieldNumber) + "-" + std::to_string(value),
                                  field.name + " = " + std::to_string(value),
                                  WithField(seed, static_cast<size_t>(at), field, value)});
    }
    const size_t wanted = size.headerFiles < 0 ? fieldFiles.size()
                                               : std::min(fieldFiles.size(), static_cast<size_t>(size.headerFiles));
    for (size_t i = 0; i < wanted; ++i) {
        FieldFile& file = fieldFiles[i * fieldFiles.size() / wanted];
        add(Damage::Header, file.tag, file.label, std::move(file.bytes));
    }

    std::mt19937 random(seedNumber);
    for (int i = 0; i < size.flips; ++i) {
        std::string label = "bytes changed at";
        Bytes bytes = Flipped(seed, random, label);
        add(Damage::Flipped, "flip" + Number(static_cast<size_t>(i)), label, std::move(bytes));
    }
    return files;
}

}  // namespace hostile

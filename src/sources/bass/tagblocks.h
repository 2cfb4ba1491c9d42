#pragma once

#include <cstdint>
#include <string>

namespace tonewright {

constexpr size_t kId3v1Bytes = 128;
constexpr size_t kId3v2HeaderBytes = 10;

// Where the tag blocks sit at the two ends of a file: an ID3v2 tag at its start, an APEv2
// tag and an ID3v1 block at its end. The audio data lies between them.
struct FileTagLayout {
    uint64_t fileSize = 0;
    uint64_t id3v2Bytes = 0;  // the whole leading ID3v2 tag, 0 when there is none
    uint64_t apeBytes = 0;    // the whole trailing APEv2 tag, 0 when there is none
    bool hasId3v1 = false;

    uint64_t AudioStart() const { return id3v2Bytes; }
    uint64_t AudioEnd() const;
};

// Reads the layout of a file; false when the file cannot be read.
bool ReadFileTagLayout(const std::string& path, FileTagLayout& layout);

// The size of a whole ID3v2 tag (header, body and a v2.4 footer) from its 10-byte header;
// 0 when the bytes are not an ID3v2 header.
uint64_t Id3v2TagSize(const uint8_t* header);

}  // namespace tonewright

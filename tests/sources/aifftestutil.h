#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Byte builders for AIFF, AIFF-C and Sun/NeXT AU files, shared by the reader tests and the
// fuzzers' seed corpus (so nothing here depends on the test framework).
namespace aifftest {

using Bytes = std::vector<uint8_t>;

// Appends `value` as `count` big-endian bytes.
void PutBe(Bytes& bytes, uint64_t value, int count);
// `rate` as the 80-bit IEEE 754 extended value AIFF stores.
Bytes Extended(double rate);
// An IFF chunk: identifier, big-endian size, the body and its pad byte when odd-sized.
Bytes Chunk(const std::string& id, const Bytes& body);
// An AIFF COMM chunk (18 bytes).
Bytes Comm(uint16_t channels, uint32_t frames, uint16_t bits, double rate);
// An AIFF-C COMM chunk: the AIFF fields, the compression type and its name.
Bytes CommC(uint16_t channels, uint32_t frames, uint16_t bits, double rate, const std::string& type,
            const std::string& name = "");
// An SSND chunk with `offset` filler bytes before the data.
Bytes Ssnd(const Bytes& data, uint32_t offset = 0);
// "FORM", size, the form type ("AIFF" or "AIFC"), then the chunks.
Bytes Form(const std::string& type, const std::vector<Bytes>& chunks);

// DWVW coding of samples of `bits` bits (−2^(bits−1)..2^(bits−1)−1), interleaved channels
// through one predictor, padded with zero bits to a whole byte.
Bytes EncodeDwvw(const std::vector<int32_t>& samples, int bits);

// A Sun/NeXT AU file: 24-byte header (with the ".snd" or "dns." magic), then the data.
// dataSize is written as given (kAuUnknownDataSize for "unknown").
Bytes AuFile(bool bigEndian, uint32_t encoding, uint32_t rate, uint32_t channels, const Bytes& data);
Bytes AuFile(bool bigEndian, uint32_t encoding, uint32_t rate, uint32_t channels, const Bytes& data,
             uint32_t dataSize);

}  // namespace aifftest

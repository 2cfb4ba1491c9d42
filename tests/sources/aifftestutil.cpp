#include "sources/aifftestutil.h"

#include <cmath>
#include <cstdlib>

namespace aifftest {

void PutBe(Bytes& bytes, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes Extended(double rate) {
    Bytes bytes;
    if (rate == 0) return Bytes(10, 0);
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(rate), &exponent);  // rate = fraction × 2^exponent
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    PutBe(bytes, (rate < 0 ? 0x8000u : 0u) | static_cast<uint32_t>(exponent - 1 + 16383), 2);
    PutBe(bytes, mantissa, 8);
    return bytes;
}

Bytes Chunk(const std::string& id, const Bytes& body) {
    Bytes chunk(id.begin(), id.end());
    PutBe(chunk, body.size(), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

namespace {

Bytes CommFields(uint16_t channels, uint32_t frames, uint16_t bits, double rate) {
    Bytes body;
    PutBe(body, channels, 2);
    PutBe(body, frames, 4);
    PutBe(body, bits, 2);
    const Bytes extended = Extended(rate);
    body.insert(body.end(), extended.begin(), extended.end());
    return body;
}

}  // namespace

Bytes Comm(uint16_t channels, uint32_t frames, uint16_t bits, double rate) {
    return Chunk("COMM", CommFields(channels, frames, bits, rate));
}

Bytes CommC(uint16_t channels, uint32_t frames, uint16_t bits, double rate, const std::string& type,
            const std::string& name) {
    Bytes body = CommFields(channels, frames, bits, rate);
    body.insert(body.end(), type.begin(), type.end());
    body.push_back(static_cast<uint8_t>(name.size()));
    body.insert(body.end(), name.begin(), name.end());
    if (body.size() % 2) body.push_back(0);  // the name is padded to an even length
    return Chunk("COMM", body);
}

Bytes Ssnd(const Bytes& data, uint32_t offset) {
    Bytes body;
    PutBe(body, offset, 4);
    PutBe(body, 0, 4);
    body.resize(body.size() + offset, 0xEE);
    body.insert(body.end(), data.begin(), data.end());
    return Chunk("SSND", body);
}

Bytes Form(const std::string& type, const std::vector<Bytes>& chunks) {
    Bytes content(type.begin(), type.end());
    for (const Bytes& chunk : chunks) content.insert(content.end(), chunk.begin(), chunk.end());
    return Chunk("FORM", content);
}

namespace {

class BitWriter {
public:
    void Put(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = static_cast<uint8_t>(byte_ << 1 | ((value >> i) & 1));
            if (++filled_ == 8) Flush();
        }
    }
    Bytes Finish() {
        if (filled_ > 0) {
            byte_ = static_cast<uint8_t>(byte_ << (8 - filled_));
            Flush();
        }
        return bytes_;
    }

private:
    void Flush() {
        bytes_.push_back(byte_);
        byte_ = 0;
        filled_ = 0;
    }
    Bytes bytes_;
    uint8_t byte_ = 0;
    int filled_ = 0;
};

int BitLength(int value) {
    int length = 0;
    for (; value > 0; value >>= 1) ++length;
    return length;
}

}  // namespace

Bytes EncodeDwvw(const std::vector<int32_t>& samples, int bits) {
    const int maxModifier = bits / 2, maxDelta = 1 << (bits - 1), span = 1 << bits;
    BitWriter writer;
    int lastSample = 0, lastWidth = 0;
    for (int32_t sample : samples) {
        int delta = sample - lastSample;
        if (delta > maxDelta) delta -= span;
        if (delta < -maxDelta) delta += span;
        const bool negative = delta < 0;
        int magnitude = std::abs(delta);
        // The width cannot reach `bits`: the largest magnitude is the one below it plus an
        // extra bit, which every delta of that one-below magnitude carries.
        int extra = -1;
        if (magnitude == maxDelta) {
            magnitude = maxDelta - 1;
            extra = 1;
        } else if (magnitude == maxDelta - 1) {
            extra = 0;
        }
        const int width = BitLength(magnitude);
        int modifier = width - lastWidth;
        if (modifier > maxModifier) modifier -= bits;
        if (modifier < -maxModifier) modifier += bits;
        writer.Put(0, std::abs(modifier));
        if (std::abs(modifier) != maxModifier) writer.Put(1, 1);
        if (modifier != 0) writer.Put(modifier < 0 ? 1 : 0, 1);
        if (width > 0) {
            writer.Put(static_cast<uint32_t>(magnitude), width - 1);
            writer.Put(negative ? 1 : 0, 1);
        }
        if (extra >= 0) writer.Put(static_cast<uint32_t>(extra), 1);
        lastSample = sample;
        lastWidth = width;
    }
    return writer.Finish();
}

Bytes AuFile(bool bigEndian, uint32_t encoding, uint32_t rate, uint32_t channels, const Bytes& data) {
    return AuFile(bigEndian, encoding, rate, channels, data, static_cast<uint32_t>(data.size()));
}

Bytes AuFile(bool bigEndian, uint32_t encoding, uint32_t rate, uint32_t channels, const Bytes& data,
             uint32_t dataSize) {
    Bytes file;
    for (uint32_t field : {0x2E736E64u, 24u, dataSize, encoding, rate, channels}) {
        if (bigEndian) {
            PutBe(file, field, 4);
        } else {
            for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(field >> (8 * i)));
        }
    }
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace aifftest

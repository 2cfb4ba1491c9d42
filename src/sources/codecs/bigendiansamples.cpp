#include "sources/codecs/bigendiansamples.h"

#include "base/bigendian.h"
#include "sources/codecs/floatsample.h"

namespace tonewright {

int DecodeS8AsU8(const uint8_t* stored) { return stored[0] ^ 0x80; }

int DecodeS8AsS16(const uint8_t* stored) { return static_cast<int8_t>(stored[0]) * 256; }

int DecodeBeTop16(const uint8_t* stored) { return LoadBeS16(stored); }

int DecodeBeFloat32(const uint8_t* stored) { return Float32BitsToInt16(LoadBe32(stored)); }

int DecodeBeFloat64(const uint8_t* stored) { return Float64BitsToInt16(LoadBe64(stored)); }

}  // namespace tonewright

#include "sources/wav/wavsamples.h"

#include "sources/codecs/floatsample.h"
#include "sources/codecs/g711.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

int DecodeWavU8(const uint8_t* stored) { return stored[0]; }

int DecodeWavS16(const uint8_t* stored) { return LoadLeS16(stored); }

int DecodeWavS24(const uint8_t* stored) { return LoadLeS16(stored + 1); }

int DecodeWavS32(const uint8_t* stored) { return LoadLeS16(stored + 2); }

int DecodeWavFloat32(const uint8_t* stored) { return Float32BitsToInt16(LoadLe32(stored)); }

int DecodeWavFloat64(const uint8_t* stored) { return Float64BitsToInt16(LoadLe64(stored)); }

int DecodeWavAlaw(const uint8_t* stored) { return ExpandAlaw(stored[0]); }

int DecodeWavMulaw(const uint8_t* stored) { return ExpandMulaw(stored[0]); }

}  // namespace tonewright

#include "encoders/oggserial.h"

#include <atomic>
#include <cstdint>

namespace tonewright {

int NextOggSerialNumber() {
    static std::atomic<uint32_t> state{1};
    uint32_t current = state.load();
    uint32_t next = 0;
    do {
        next = current * 214013u + 2531011u;
    } while (!state.compare_exchange_weak(current, next));
    return static_cast<int>((next >> 16) & 0x7FFF);
}

}  // namespace tonewright
